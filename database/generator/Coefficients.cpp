#include "Coefficients.h"

#include <QtGlobal>

#include <cmath>
#include <stdexcept>

static constexpr int FitPoints = 11;

Coefficients FitLine(const TemperatureCurve &curve, int tLow, int tHigh, double *maxDeviation)
{
    long double st = 0, sv = 0, stt = 0, stv = 0;
    long double t[FitPoints], v[FitPoints];
    for (int i = 0; i < FitPoints; ++i) {
        t[i] = tLow + (tHigh - tLow) * static_cast<long double>(i) / (FitPoints - 1);
        v[i] = curve(t[i]);
        st += t[i];
        sv += v[i];
        stt += t[i] * t[i];
        stv += t[i] * v[i];
    }
    const long double n = FitPoints;
    const long double b = (n * stv - st * sv) / (n * stt - st * st);
    const long double a = (sv - b * st) / n;
    long double deviation = 0;
    for (int i = 0; i < FitPoints; ++i)
        deviation = std::max(deviation, std::fabs(v[i] - (a + b * t[i])));
    if (maxDeviation)
        *maxDeviation = static_cast<double>(deviation);
    return { Significant(static_cast<double>(a)), Significant(static_cast<double>(b)) };
}

Coefficients FitArrhenius(const TemperatureCurve &curve, int tLow, int tHigh)
{
    const long double v1 = curve(tLow), v2 = curve(tHigh);
    if (!(v1 > 0 && v2 > 0))
        throw std::runtime_error("a viscosity curve that is not positive");
    const long double e
        = GasConstant * std::log(v1 / v2) / (1.0L / tLow - 1.0L / static_cast<long double>(tHigh));
    const long double a = v1 / std::exp(e / (GasConstant * tLow));
    return { Significant(static_cast<double>(a)), Significant(static_cast<double>(e)) };
}

double Significant(double value)
{
    if (value == 0 || !std::isfinite(value))
        return value;
    const int digits = 10 - 1 - int(std::floor(std::log10(std::fabs(value))));
    const double scale = std::pow(10.0, digits);
    return std::round(value * scale) / scale;
}

long double LineValue(Property property, const Coefficients &c, long double t)
{
    return property == Property::Viscosity ? Arrhenius(c.a, c.b, t)
                                           : c.a + c.b * t;
}
