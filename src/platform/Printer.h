#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

class QPainter;
class TDBChart;

// Printing on the desktop's default printer. Where no printer is configured the page goes to a
// PDF file instead (written safely, see SafeFile), so a print is never silently lost.
namespace Printer {

// Tests print to the PDF file whatever printers the machine has.
void SetFileOutputOnly(bool fileOnly);

struct Result
{
    bool toPdf = false;
    QString target; // the printer's name, or the PDF file written
};

// Prints the chart over the sheet within margins of `marginPercent` of it on each side, its axes
// fitted to every point. The chart is laid out afresh at that area's shape and drawn at the
// printer's resolution, so its lines and text are as sharp as the printer makes them.
Result PrintChart(TDBChart &chart, bool landscape, int marginPercent, const QString &pdfFallback);

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
    // The height of `text` broken into lines at word boundaries to fit `width`.
    int WrappedTextHeight(int width, const QString &text) const;
    // Writes `text` so broken from the top-left corner of `rect`.
    void WrappedTextOut(const QRect &rect, const QString &text);

private:
    QPainter &m_painter;
    int m_pixelsPerInch;
    QRect m_page;
};

// Begins a portrait job, lets `draw` fill its one page and ends the job, also when drawing fails.
Result PrintPage(const QString &pdfFallback, const std::function<void(TPrinterCanvas &)> &draw);

} // namespace Printer
