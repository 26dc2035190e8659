// The surface-fraction form shared by an approximation and three Butler fits.

#include "models/SurfaceFraction.h"

#include "platform/MathErrors.h"

namespace {
long double Held(long double value, bool held)
{
    return held ? static_cast<long double>(Fixed(value)) : value;
}
} // namespace

SurfaceFractionPoint SurfaceFractionAt(const SurfaceFractionFit &fit, Fixed x, Fixed t)
{
    const long double bulkX = x;
    const long double y = fit.yIsFirst ? 1 - bulkX : bulkX;
    const Fixed p = fit.q[0].At(t) + fit.q[1].At(t) * y + fit.q[2].At(t) * y * y;
    // An absent element has no share of the surface. Some fits reach P = 0 at high
    // temperatures, where the quotient would be 0/0.
    const long double xs = y == 0 ? 0 : Held(CheckedDivide(y, (1 - y) * p + y), fit.holdsFraction);
    const long double sigmaFirst = Held(fit.sigmaFirst.At(t), fit.holdsLines);
    const long double sigmaSecond = Held(fit.sigmaSecond.At(t), fit.holdsLines);
    const long double sigmaY = fit.yIsFirst ? sigmaFirst : sigmaSecond;
    const long double sigmaOther = fit.yIsFirst ? sigmaSecond : sigmaFirst;
    return { p, xs, CheckedResult(sigmaY * xs + sigmaOther * (1 - xs)) };
}
