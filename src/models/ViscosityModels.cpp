// Evaluation of the viscosity models and their temperature ranges.

#include "models/ViscosityModels.h"

#include "platform/MathErrors.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

const QLatin1String ModelTexts[] = {
    QLatin1String("Iida-Ueda-Morita"),
    QLatin1String("Kaptay"),
    QLatin1String("Kozlov-Romanov-Petrov"),
    QLatin1String("Moelwyn-Hughes"),
    QLatin1String("Seetharaman 1"),
    QLatin1String("Seetharaman-Du Sichen"),
};

// x·(1 − x)·Σ_k (c_k + c'_k·T)·y^k; the sum runs in extended precision, the result is held
// as a double.
double ExcessTerm(const std::array<double, 10> &c, double x, double t, const double (&y)[5])
{
    long double sum = 0;
    for (int k = 0; k < 5; ++k)
        sum += (static_cast<long double>(c[2 * k]) + static_cast<long double>(c[2 * k + 1]) * t)
            * y[k];
    return static_cast<double>(static_cast<long double>(x) * (1 - x) * sum);
}

} // namespace

QStringList ViscosityModelChoices()
{
    QStringList choices;
    for (const QLatin1String &text : ModelTexts)
        if (text != QLatin1String("Seetharaman 1"))
            choices << text;
    return choices;
}

double Arrhenius(double a, double e, double t)
{
    // η is held as a double: a value beyond its range is an overflow, not infinity.
    const double eta = static_cast<double>(
        a * CheckedExp(CheckedDivide(e, static_cast<long double>(GasConstant) * t)));
    return static_cast<double>(CheckedResult(eta));
}

QList<QPointF> ArrheniusLine(int t1, double v1, int t2, double v2)
{
    QList<QPointF> points { QPointF(t1, v1) };
    // An infinite end would keep every piece from closing, to the last of 2^64 halvings.
    if (t1 > 0 && t2 > 0 && t1 != t2 && v1 > 0 && v2 > 0 && std::isfinite(v1)
        && std::isfinite(v2)) {
        // ln η is linear in 1/T between the end points. Taken from them alone, without A and E,
        // every value lies between the two, however steep the ends: A of a steep pair is beyond
        // any floating-point range.
        const long double lnV1 = std::log(static_cast<long double>(v1));
        const long double lnRatio = std::log(static_cast<long double>(v2)) - lnV1;
        const long double inverse1 = 1.0L / t1;
        const long double inverseSpan = 1.0L / t2 - inverse1;
        const auto eta = [&](double t) {
            return static_cast<double>(
                std::exp(lnV1 + lnRatio * ((1.0L / t - inverse1) / inverseSpan)));
        };
        // A piece is halved until its chord keeps within 0.1 % of the curve at its quarters;
        // between them the chord of so short a piece is no farther off.
        const std::function<void(double, double, int)> refine
            = [&](double from, double to, int depth) {
                  const double start = eta(from), end = eta(to);
                  bool close = true;
                  for (const double f : { 0.25, 0.5, 0.75 }) {
                      const double chord = start + (end - start) * f;
                      const double curve = eta(from + (to - from) * f);
                      close = close && std::fabs(chord - curve) <= 0.001 * curve;
                  }
                  if (close || depth == 0)
                      return;
                  const double middle = (from + to) / 2;
                  refine(from, middle, depth - 1);
                  points << QPointF(middle, eta(middle));
                  refine(middle, to, depth - 1);
              };
        // Steep ends near 0 K take some 30 halvings; the bound only stops a piece that
        // rounding keeps from closing.
        refine(t1, t2, 64);
    }
    points << QPointF(t2, v2);
    return points;
}

std::optional<ViscosityModel> ViscosityModelFromText(QStringView text)
{
    for (std::size_t i = 0; i < std::size(ModelTexts); ++i)
        if (text == ModelTexts[i])
            return static_cast<ViscosityModel>(i);
    return std::nullopt;
}

bool InTemperatureRange(const ViscositySystem &system, Fixed t)
{
    return t >= system.minT && t <= system.maxT;
}

QString TemperatureRangeMessage(const ViscositySystem &system)
{
    if (system.ownRangeMessage)
        return QString::fromUtf8(system.ownRangeMessage);
    return QStringLiteral("Error! Temperature range <%1,%2[K]>").arg(system.minT).arg(system.maxT);
}

double Viscosity(const ViscositySystem &system, ViscosityModel model, double x, double t)
{
    const double y = 1 - 2 * static_cast<long double>(x);
    const double y2 = static_cast<long double>(y) * y;
    const double y3 = static_cast<long double>(y2) * y;
    const double y4 = static_cast<long double>(y3) * y;
    const double powers[5] = { 1, y, y2, y3, y4 };
    const ViscosityExcess &excess = system.models[static_cast<std::size_t>(model)];
    const double deltaA = ExcessTerm(excess.deltaA, x, t, powers);
    const double deltaE = ExcessTerm(excess.deltaE, x, t, powers);
    const long double lx = x;
    const long double a = (1 - lx) * system.a1 + lx * system.a2 + deltaA;
    const long double e = (1 - lx) * system.e1 + lx * system.e2 + deltaE;
    // η is held as a double: a value beyond its range is an overflow, not infinity.
    return Arrhenius(static_cast<double>(a), static_cast<double>(e), t);
}

std::vector<ViscosityPoint> ViscosityCurve(
    const ViscositySystem &system, ViscosityModel model, Fixed t)
{
    const double kelvin = t;
    std::vector<ViscosityPoint> points;
    points.reserve(101);
    for (int i = 0; i <= 100; ++i) {
        const double x = i / 100.0L;
        points.push_back({ x, Viscosity(system, model, x, kelvin) });
    }
    return points;
}

bool Physical(const std::vector<ViscosityPoint> &curve)
{
    return std::ranges::all_of(curve, [](const ViscosityPoint &point) { return point.eta > 0; });
}
