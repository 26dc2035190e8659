// The Ag-Au surface concentration, in double precision like the window that draws it.

#include "models/SurfaceConcentration.h"

#include "platform/MathErrors.h"

SurfaceConcentration SurfaceConcentrationAgAu(double x)
{
    const double d = x + 2.5 * CheckedPower(1 - x, 2.7)
        + 2.5 * CheckedPower(x, 1.8) * CheckedPower(1 - x, 0.5) + 0.07 * x * (1 - x);
    const double xs1 = CheckedDivide(x, d);
    return { xs1, 1 - xs1 };
}
