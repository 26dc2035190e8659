#pragma once

#include <QImage>
#include <QString>

// Printing on the desktop's default printer. Where no printer is configured the page goes to a
// PDF file instead, so a print is never silently lost.
namespace Printer {

struct Result
{
    bool toPdf = false;
    QString target; // the printer's name, or the PDF file written
};

// Prints the picture stretched over the printable area, with margins in percent of the page.
Result PrintPicture(const QImage &picture, bool landscape, int marginPercent,
                    const QString &pdfFallback);

} // namespace Printer
