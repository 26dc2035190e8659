#include "platform/Printer.h"

#include "platform/Exceptions.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace Printer {

Result PrintPicture(const QImage &picture, bool landscape, int marginPercent,
                    const QString &pdfFallback)
{
    Result result;
    QPrinter printer(QPrinter::HighResolution);
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFallback);
        result = { true, pdfFallback };
    } else {
        printer.setPrinterName(info.printerName());
        result = { false, info.printerName() };
    }
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        throw EInOutError(QStringLiteral("Cannot print to %1").arg(result.target));
    const QRect page = printer.pageLayout().fullRectPixels(printer.resolution());
    const int dx = page.width() * marginPercent / 100, dy = page.height() * marginPercent / 100;
    painter.drawImage(page.adjusted(dx, dy, -dx, -dy), picture);
    painter.end();
    return result;
}

} // namespace Printer
