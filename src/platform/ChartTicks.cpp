#include "platform/ChartTicks.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

QLocale AxisLocale()
{
    // Axis labels use the program's decimal comma, as its grids do.
    QLocale comma(QLocale::German);
    comma.setNumberOptions(QLocale::OmitGroupSeparator);
    return comma;
}

QString TickLabel(double value, int decimals, bool exponentForm)
{
    static const QLocale comma = AxisLocale();
    if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0; // no "-0"
    return comma.toString(value, exponentForm ? 'E' : 'f', decimals);
}

namespace {

// Past 15 digits a fixed label shows digits that the value does not hold.
void UseExponentFormForHugeValues(AxisScale &s)
{
    const double largest = std::max(std::fabs(s.min), std::fabs(s.max));
    if (largest < 1e15)
        return;
    s.exponentForm = true;
    const int digits = int(std::floor(std::log10(largest)) - std::floor(std::log10(s.step)));
    s.decimals = std::clamp(digits, 0, 14);
}

} // namespace

AxisScale ChooseAxisScale(double low, double high, double axisLength,
    const std::function<double(const QString &)> &spaceFor, AxisEnds ends)
{
    if (!(low < high) || !std::isfinite(low) || !std::isfinite(high))
        return {};
    const double span = high - low;
    // Start well below any useful step and coarsen until the labels fit.
    int exponent = int(std::floor(std::log10(span))) - 3;
    static constexpr double Mantissas[] = { 1, 2, 5 };
    AxisScale best;
    for (int round = 0; round < 40; ++round, ++exponent) {
        for (double mantissa : Mantissas) {
            AxisScale s;
            s.step = mantissa * std::pow(10.0, exponent);
            s.decimals = std::clamp(-exponent, 0, 12);
            // A tolerance keeps a value that is a whole step apart from rounding up a step.
            const double tolerance = s.step * 1e-9;
            // Whole steps put the ends on ticks outside the values; a given range has its ticks
            // inside.
            const bool whole = ends == AxisEnds::WholeSteps;
            s.firstTick = whole ? std::floor((low + tolerance) / s.step) * s.step
                                : std::ceil((low - tolerance) / s.step) * s.step;
            const double lastTick = whole ? std::ceil((high - tolerance) / s.step) * s.step
                                          : std::floor((high + tolerance) / s.step) * s.step;
            s.min = whole ? s.firstTick : low;
            s.max = whole ? lastTick : high;
            const int ticks = int(std::lround((lastTick - s.firstTick) / s.step)) + 1;
            if (ticks > 200)
                continue;
            UseExponentFormForHugeValues(s);
            const double widest
                = std::max(spaceFor(TickLabel(s.firstTick, s.decimals, s.exponentForm)),
                    spaceFor(TickLabel(lastTick, s.decimals, s.exponentForm)));
            best = s;
            // Qt gives each label the axis length over the number of ticks.
            if (ticks <= 2 || widest * ticks <= axisLength)
                return s;
        }
    }
    return best;
}
