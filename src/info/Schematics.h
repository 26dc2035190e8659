#pragma once

#include <QImage>
#include <QSize>

// Schematic pictures of the measuring set-ups, drawn for the windows that show them.
namespace Schematics {

// Each schematic is designed at its natural size; drawn at another size it is scaled to it.

// Capillary, crucible, furnace and manometer of the maximum bubble pressure method.
inline constexpr QSize BubblePressureSize(321, 281);
QImage BubblePressureApparatus(QSize size);
// Crucible, piston and displacement transducer of the dilatometric method.
inline constexpr QSize DilatometerSize(257, 329);
QImage Dilatometer(QSize size);
// The force on a specimen against time as the meniscograph records it.
inline constexpr QSize WettingCurveSize(200, 130);
QImage WettingCurve(QSize size);

} // namespace Schematics
