#include "platform/Printer.h"

#include "platform/Exceptions.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace Printer {

namespace {

bool &FileOnly()
{
    static bool fileOnly = false;
    return fileOnly;
}

// The default printer, or the PDF file where none is configured; printing begins on `painter`,
// whose origin is the sheet's corner on a full page, else the printable area's.
Result Begin(
    QPrinter &printer, QPainter &painter, bool landscape, bool fullPage, const QString &pdfFallback)
{
    Result result;
    const QPrinterInfo info = FileOnly() ? QPrinterInfo() : QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFallback);
        // A common office printer's resolution, so printer pixels mean the same in the PDF.
        printer.setResolution(600);
        result = { true, pdfFallback };
    } else {
        printer.setPrinterName(info.printerName());
        result = { false, info.printerName() };
    }
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setFullPage(fullPage);
    if (!painter.begin(&printer))
        throw EInOutError(QStringLiteral("Cannot print to %1").arg(result.target));
    return result;
}

} // namespace

void SetFileOutputOnly(bool fileOnly)
{
    FileOnly() = fileOnly;
}

Result PrintPicture(
    const QImage &picture, bool landscape, int marginPercent, const QString &pdfFallback)
{
    QPrinter printer(QPrinter::HighResolution);
    QPainter painter;
    const Result result = Begin(printer, painter, landscape, true, pdfFallback);
    const QRect page = printer.pageLayout().fullRectPixels(printer.resolution());
    const int dx = page.width() * marginPercent / 100, dy = page.height() * marginPercent / 100;
    painter.drawImage(page.adjusted(dx, dy, -dx, -dy), picture);
    painter.end();
    return result;
}

TPrinterCanvas::TPrinterCanvas(QPainter &painter, int pixelsPerInch, const QRect &page)
    : m_painter(painter)
    , m_pixelsPerInch(pixelsPerInch)
    , m_page(page)
{
}

void TPrinterCanvas::StretchDraw(const QRect &rect, const QImage &picture)
{
    m_painter.drawImage(rect, picture);
}

void TPrinterCanvas::SetFont(const QFont &font)
{
    m_painter.setFont(font);
}

void TPrinterCanvas::TextOut(int x, int y, const QString &text)
{
    m_painter.drawText(x, y + m_painter.fontMetrics().ascent(), text);
}

int TPrinterCanvas::TextHeight() const
{
    return m_painter.fontMetrics().height();
}

Result PrintPage(const QString &pdfFallback, const std::function<void(TPrinterCanvas &)> &draw)
{
    QPrinter printer(QPrinter::HighResolution);
    QPainter painter;
    const Result result = Begin(printer, painter, false, false, pdfFallback);
    const QSize printable = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    TPrinterCanvas canvas(painter, printer.resolution(), QRect(QPoint(0, 0), printable));
    try {
        draw(canvas);
    } catch (...) {
        painter.end();
        throw;
    }
    painter.end();
    return result;
}

} // namespace Printer
