// Evaluation of the Butler-model fits, with the roundings the chart relies on.

#include "models/ButlerFits.h"

#include "platform/MathErrors.h"

namespace {

long double ExcessTerm(const RedlichKisterFit &fit, long double x, long double t)
{
    const long double u = fit.u == ExcessSign::OneMinusTwoX ? 1 - 2 * x : 2 * x - 1;
    long double sum = 0;
    long double uPower = 1;
    for (const TemperatureTerm &row : fit.rows) {
        sum += row.At(t) * uPower;
        uPower *= u;
    }
    return x * (1 - x) * sum;
}

Fixed Evaluate(const RedlichKisterFit &fit, Fixed x, Fixed t)
{
    const Fixed sigmaFirst = fit.sigmaFirst.At(t);
    const Fixed sigmaSecond = fit.sigmaSecond.At(t);
    return sigmaFirst * (1 - x) + sigmaSecond * x + ExcessTerm(fit, x, t);
}

Fixed Evaluate(const SurfaceFractionFit &fit, Fixed x, Fixed t)
{
    return SurfaceFractionAt(fit, x, t).sigma;
}

Fixed Evaluate(const TemperatureTerm &line, Fixed, Fixed t)
{
    return line.At(t);
}

// Fraction of a in the pair a, b. Where neither is present (the pure-Cu corner of the
// section) the pair's terms carry zero weight, and any fraction serves.
Fixed PairFraction(Fixed a, Fixed b)
{
    const long double sum = a + b;
    return sum == 0 ? Fixed() : Fixed(CheckedDivide(a, sum));
}

Fixed Evaluate(const AgCuSnSectionFit &fit, Fixed xCu, Fixed t)
{
    const Fixed xAg = fit.agShare * (1 - xCu);
    const Fixed xSn = fit.snShare * (1 - xCu);
    const Fixed y1 = PairFraction(xAg, xCu);
    const Fixed y1Other = 1 - y1;
    const Fixed y2 = PairFraction(xAg, xSn);
    const Fixed y2Other = 1 - y2;
    const Fixed y3 = PairFraction(xCu, xSn);
    const Fixed y3Other = 1 - y3;

    const Fixed sigmaAgCu = Evaluate(*fit.agCu, y1Other, t);
    const Fixed sigmaAgSn = Evaluate(*fit.agSn, y2Other, t);
    const Fixed excessCuSn = ExcessTerm(*fit.cuSn, y3Other, t);

    long double ternarySum = 0;
    long double agPower = 1, cuPower = 1, snPower = 1;
    for (const auto &[ag, cu, sn] : fit.ternary) {
        agPower *= xAg;
        cuPower *= xCu;
        snPower *= xSn;
        ternarySum += ag.At(t) * agPower + cu.At(t) * cuPower + sn.At(t) * snPower;
    }
    const Fixed ternary = xAg * xCu * xSn * ternarySum;

    const long double w = CheckedDivide(y3, y3 + y3Other);
    return w * sigmaAgCu + (1 - w) * sigmaAgSn + (1 - y2 - y3Other) * excessCuSn + ternary;
}

// Only the surface-fraction form has a quantity of its own that must stay within [0, 1].
bool InDomain(const SurfaceFractionFit &fit, Fixed x, Fixed t)
{
    const long double xs = SurfaceFractionAt(fit, x, t).xs;
    return xs >= 0 && xs <= 1;
}

template <typename Fit> bool InDomain(const Fit &, Fixed, Fixed)
{
    return true;
}

} // namespace

Fixed ButlerSurfaceTension(const ButlerFit &fit, Fixed x, Fixed t)
{
    return std::visit([&](const auto &f) { return Evaluate(f, x, t); }, fit);
}

std::optional<Fixed> ButlerSurfaceTensionInDomain(const ButlerFit &fit, Fixed x, Fixed t)
{
    try {
        if (!std::visit([&](const auto &f) { return InDomain(f, x, t); }, fit))
            return std::nullopt;
        const Fixed sigma = ButlerSurfaceTension(fit, x, t);
        // A surface tension is positive; a fit that falls to zero is far outside its range.
        if (sigma <= Fixed(0))
            return std::nullopt;
        return sigma;
    } catch (const EMathError &) {
        return std::nullopt;
    }
}

Fixed ButlerIsotherm::X(int point) const
{
    return static_cast<long double>(point) / 100;
}

int ButlerTemperatureCurve::Points() const
{
    return (lastT - firstT) / 100 + 1;
}

Fixed ButlerTemperatureCurve::T(int point) const
{
    return firstT + 100 * point;
}
