// Text lines of the viscosity-model points, with the program's decimal separator.

#include "models/ViscosityMemo.h"

#include "platform/Numbers.h"

#include <cmath>

namespace {

// Nearest hundredth, ties to even, as the saved points show it.
long double Hundredths(double value)
{
    return std::nearbyintl(value / 0.01L) * 0.01L;
}

} // namespace

QStringList ViscosityMemoLines(const ViscositySystem &system, const ViscosityMemoHeader &header,
    const std::vector<ViscosityPoint> &points)
{
    QStringList lines;
    if (system.memo == ViscosityMemo::HeaderAndPoints) {
        lines << QStringLiteral("Model of viscosity: ") + header.modelText + QStringLiteral(",  ")
                + QStringLiteral("Temerature: ") + header.typedT + QStringLiteral(" K")
              << QString() << QStringLiteral("X        ") + header.axisTitle << QString();
    }
    for (const ViscosityPoint &point : points)
        lines << Numbers::FloatToStr(point.x) + QStringLiteral("\t\t")
                + Numbers::FloatToStr(Hundredths(point.eta));
    lines << QString() << QString();
    return lines;
}
