#pragma once

#include "platform/Controls.h"
#include "platform/DBControls.h"
#include "platform/TColor.h"

#include <QFont>
#include <QLabel>

#include <initializer_list>

class QVBoxLayout;

// The look of the auxiliary windows: the program's serif face, money-green panels, button rows.
namespace InfoStyle {

// "Times New Roman" where the desktop has it, else a serif of the same build.
QFont TimesFont(int pixelSize, bool bold = false);
// The same face in points, as the printer's canvas takes it.
QFont TimesPointFont(int pointSize, bool bold);

// The bold, narrow face of grid titles.
QFont TitleFont();

// A column of the widget's parts, edge to edge.
QVBoxLayout *FlushColumn(QWidget *widget);

// A panel of fixed height, in the colour, holding a row of buttons: `left` at its left edge,
// `right` at its right edge.
QWidget *ButtonPanel(QWidget *parent, const char *name, int height, TColor color,
    std::initializer_list<QWidget *> left, std::initializer_list<QWidget *> right);

TSpeedButton *Button(
    QWidget *parent, const char *name, const QString &caption, bool enabled = true);

QLabel *Label(QWidget *parent, const char *name, const QString &text, const QFont &font);

// A picture stretched over the label's whole area.
QLabel *Picture(QWidget *parent, const char *name);
// A picture as large as the label allows in its own proportions, centred.
QLabel *ProportionalPicture(QWidget *parent, const char *name);
// Decodes the JPEG file into the label and returns the picture; a file that cannot be read
// raises and leaves the label as it was.
QImage ShowJpeg(QLabel *label, const QString &path);
// A picture of its own fixed size, framed.
QLabel *FixedPicture(QWidget *parent, const char *name, const QImage &picture);

// A grid's colours: cells, fixed title row and indicator column, title font and colour.
void StyleGrid(
    TDBGrid *grid, TColor color, TColor fixedColor, const QFont &titleFont, TColor titleColor);

} // namespace InfoStyle
