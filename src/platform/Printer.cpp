#include "platform/Printer.h"

#include "platform/Chart.h"
#include "platform/Exceptions.h"
#include "platform/SafeFile.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace Printer {

namespace {

// A common office printer's resolution, so printer pixels mean the same in the PDF.
constexpr int PdfResolution = 600;

bool &FileOnly()
{
    static bool fileOnly = false;
    return fileOnly;
}

// Paints one page on `device`; `area` is where `draw` may paint, in the painter's coordinates.
void Paint(QPagedPaintDevice &device, const QRect &area, int resolution, const QString &target,
    const std::function<void(QPainter &, const QRect &, int)> &draw)
{
    QPainter painter;
    if (!painter.begin(&device))
        throw EInOutError(QStringLiteral("Cannot print to %1").arg(target));
    try {
        draw(painter, area, resolution);
    } catch (...) {
        painter.end();
        throw;
    }
    if (!painter.end())
        throw EInOutError(QStringLiteral("Cannot print to %1").arg(target));
}

// One page on the default printer, or into the PDF file where none is configured. On a full
// page the painter's origin is the sheet's corner, else the printable area's.
Result PrintOnePage(QPageLayout::Orientation orientation, bool fullPage, const QString &pdfFallback,
    const std::function<void(QPainter &, const QRect &, int)> &draw)
{
    const QPrinterInfo info = FileOnly() ? QPrinterInfo() : QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        // Made in memory, so a failed write never leaves half a file in the old one's place.
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter writer(&pdf);
        writer.setResolution(PdfResolution);
        writer.setPageOrientation(orientation);
        if (fullPage)
            writer.setPageMargins(QMarginsF());
        const QRect area(QPoint(), writer.pageLayout().paintRectPixels(PdfResolution).size());
        Paint(writer, area, PdfResolution, pdfFallback, draw);
        SafeFile::Write(pdfFallback, pdf.data());
        return { true, pdfFallback };
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(info.printerName());
    printer.setPageOrientation(orientation);
    printer.setFullPage(fullPage);
    const QPageLayout layout = printer.pageLayout();
    const QRect area = fullPage
        ? layout.fullRectPixels(printer.resolution())
        : QRect(QPoint(), layout.paintRectPixels(printer.resolution()).size());
    Paint(printer, area, printer.resolution(), info.printerName(), draw);
    return { false, info.printerName() };
}

} // namespace

void SetFileOutputOnly(bool fileOnly)
{
    FileOnly() = fileOnly;
}

Result PrintChart(TDBChart &chart, bool landscape, int marginPercent, const QString &pdfFallback)
{
    // Points added since the last paint may not have rescaled the axes yet.
    chart.UpdateAxes();
    return PrintOnePage(landscape ? QPageLayout::Landscape : QPageLayout::Portrait, true,
        pdfFallback, [&](QPainter &painter, const QRect &sheet, int resolution) {
            const int dx = sheet.width() * marginPercent / 100;
            const int dy = sheet.height() * marginPercent / 100;
            const QRect target = sheet.adjusted(dx, dy, -dx, -dy);
            // Laid out as the screen would show a chart of the target's size, so its text
            // prints at the size it has on the screen.
            chart.Render(painter, target, QSizeF(target.size()) * chart.logicalDpiX() / resolution);
        });
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

int TPrinterCanvas::WrappedTextHeight(int width, const QString &text) const
{
    return m_painter.fontMetrics()
        .boundingRect(QRect(0, 0, width, 0), Qt::TextWordWrap, text)
        .height();
}

void TPrinterCanvas::WrappedTextOut(const QRect &rect, const QString &text)
{
    m_painter.drawText(rect, Qt::TextWordWrap, text);
}

Result PrintPage(const QString &pdfFallback, const std::function<void(TPrinterCanvas &)> &draw)
{
    return PrintOnePage(QPageLayout::Portrait, false, pdfFallback,
        [&](QPainter &painter, const QRect &page, int resolution) {
            TPrinterCanvas canvas(painter, resolution, page);
            draw(canvas);
        });
}

} // namespace Printer
