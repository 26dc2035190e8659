#pragma once

#include <QImage>
#include <QSize>
#include <QString>

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

// The sheet drawn as a picture of the given size.
QImage Render(const ModelSheet &sheet, QSize size);

} // namespace Sheets
