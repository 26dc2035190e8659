#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

class QPainter;

// Printing on the desktop's default printer. Where no printer is configured the page goes to a
// PDF file instead, so a print is never silently lost.
namespace Printer {

// Tests print to the PDF file whatever printers the machine has.
void SetFileOutputOnly(bool fileOnly);

struct Result
{
    bool toPdf = false;
    QString target; // the printer's name, or the PDF file written
};

// Prints the picture stretched over the printable area, with margins in percent of the page.
Result PrintPicture(
    const QImage &picture, bool landscape, int marginPercent, const QString &pdfFallback);

// The page of a print job as the program draws on it, in printer pixels from the corner of the
// printable area: pictures stretched into rectangles and text placed by its top-left corner.
class TPrinterCanvas
{
public:
    TPrinterCanvas(QPainter &painter, int pixelsPerInch, const QRect &page);

    // The printer's resolution (its pixels are square); the fallback PDF has 600.
    int PixelsPerInch() const { return m_pixelsPerInch; }
    // The printable area.
    const QRect &Page() const { return m_page; }

    void StretchDraw(const QRect &rect, const QImage &picture);
    // Point sizes are the printer's: a 12-point line is a sixth of an inch high on paper.
    void SetFont(const QFont &font);
    void TextOut(int x, int y, const QString &text);
    int TextHeight() const;

private:
    QPainter &m_painter;
    int m_pixelsPerInch;
    QRect m_page;
};

// Begins a portrait job, lets `draw` fill its one page and ends the job, also when drawing fails.
Result PrintPage(const QString &pdfFallback, const std::function<void(TPrinterCanvas &)> &draw);

} // namespace Printer
