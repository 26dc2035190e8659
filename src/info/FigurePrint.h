#pragma once

#include "platform/Printer.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

// Printing of the figure and phase-diagram pictures.
namespace FigurePrint {

// Where a picture of `size` printer pixels goes when its top-left corner is at `origin`: shrunk,
// keeping its shape, where it would run over the page's right or bottom edge.
QRect PictureRect(QPoint origin, QSize size, const QRect &page);

// Prints one page on the default printer, or into the PDF `pdfName` of the save folder when no
// printer is set up, and then says where the page went.
void Print(const QString &pdfName, const std::function<void(Printer::TPrinterCanvas &)> &draw);

} // namespace FigurePrint
