#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <initializer_list>
#include <utility>

// The fixed content of the method and model-picture windows.
namespace Sheets {

// A description of an experimental method: a title, a text with its equations and references,
// and at the left a schematic picture where the method has one.
struct MethodSheet
{
    QString title;
    QString html;
    int textPixelSize;
    QImage (*schematic)(QSize) = nullptr;
    QSize schematicSize;
};

const MethodSheet &Meniscographic();
const MethodSheet &SessileDrop();
const MethodSheet &MaximumBubblePressure();
const MethodSheet &Dilatometric();

// The formula sheet of a viscosity model: its name, its equations and the legend of its symbols.
struct ModelSheet
{
    QString title;
    QString equations;
    QString legend;
};

const ModelSheet &IidaUedaMorita();
const ModelSheet &Kaptay();
const ModelSheet &KozlovRomanovPetrov();
const ModelSheet &MoelwynHughes();
const ModelSheet &SeetharamanDuSichen();

// The meaning of each symbol, a line each, as rich text: the symbols in italics in a column of
// `symbolWidth` pixels, then `separator` and the meaning.
QString Legend(std::initializer_list<std::pair<const char *, const char *>> symbols,
    int symbolWidth, const QString &separator);

// The sheet drawn as a picture of the given size.
QImage Render(const ModelSheet &sheet, QSize size);

} // namespace Sheets
