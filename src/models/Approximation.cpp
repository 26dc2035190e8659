// Evaluation of the published fits and of the molar volume that follows from them.

#include "models/Approximation.h"

#include "platform/MathErrors.h"

namespace {

long double EvaluateFit(const CompositionFit &fit, Fixed xHeld, Fixed t)
{
    const long double x = xHeld;
    const Fixed w = 1 - 2 * x;
    const long double wSquared = fit.holdsW2 ? static_cast<long double>(Fixed(w * w)) : w * w;
    long double value = fit.first.At(t) * (1 - x) + fit.second.At(t) * x;
    long double xPower = 1;
    for (const TemperatureTerm &term : fit.powersOfX) {
        value += term.At(t) * xPower;
        xPower *= x;
    }
    long double excess = 0;
    long double wPower = 1;
    for (std::size_t k = 0; k < fit.excess.size(); ++k) {
        excess += fit.excess[k].At(t) * wPower;
        wPower = k == 0 ? static_cast<long double>(w) : (k == 1 ? wSquared : wPower * w);
    }
    return value + x * (1 - x) * excess;
}

long double EvaluateFit(const SzyszkowskiFit &fit, Fixed xHeld, Fixed t)
{
    const long double x = xHeld;
    return fit.line.At(t) * (1 + fit.slope.At(t) * CheckedLn(x + fit.offset * (1 - x)));
}

long double EvaluateFit(const SurfaceFractionFit &fit, Fixed x, Fixed t)
{
    return SurfaceFractionAt(fit, x, t).sigma;
}

} // namespace

long double Evaluate(const ApproxFormula &formula, Fixed x, Fixed t)
{
    return CheckedResult(
        std::visit([&](const auto &fit) { return EvaluateFit(fit, x, t); }, formula));
}

std::optional<Fixed> ApproxValues::Of(ApproxProperty property) const
{
    switch (property) {
    case ApproxProperty::Density:
        return density;
    case ApproxProperty::SurfaceTension:
        return surfaceTension;
    case ApproxProperty::MolarVolume:
        return molarVolume;
    }
    return std::nullopt;
}

Fixed Approximation::X(int point) const
{
    return static_cast<long double>(point) / curve->divisor;
}

ApproxValues Approximation::At(Fixed xHeld, Fixed t) const
{
    const long double x = xHeld;
    long double mass = x * curve->mass.added;
    for (const AlloyMass::Share &share : curve->mass.base)
        mass += share.fraction * (1 - x) * share.molarMass;

    ApproxValues values;
    values.molarMass = mass;
    if (density) {
        values.density = Evaluate(*density, xHeld, t);
        values.molarVolume = CheckedDivide(values.molarMass, *values.density);
    }
    if (surfaceTension)
        values.surfaceTension = Evaluate(*surfaceTension, xHeld, t);
    return values;
}
