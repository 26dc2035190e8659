#pragma once

#include <QImage>
#include <QSize>

// Schematic pictures of the measuring set-ups, drawn for the windows that show them.
namespace Schematics {

// Capillary, crucible, furnace and manometer of the maximum bubble pressure method.
QImage BubblePressureApparatus(QSize size);
// Crucible, piston and displacement transducer of the dilatometric method.
QImage Dilatometer(QSize size);
// The force on a specimen against time as the meniscograph records it.
QImage WettingCurve(QSize size);

} // namespace Schematics
