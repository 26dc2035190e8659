#pragma once

#include <QLocale>
#include <QString>

#include <functional>

// The scale of one axis: its range, its first labelled tick, the distance between labelled ticks
// and the decimals the labels need to tell the ticks apart; values of 1E15 and more are labelled
// in exponent form, the decimals then those of the mantissa.
struct AxisScale
{
    double min = 0;
    double max = 1;
    double firstTick = 0;
    double step = 0.2;
    int decimals = 1;
    bool exponentForm = false;
};

// The numbers of the axis labels: decimal comma, no grouping.
QLocale AxisLocale();

// The label a tick value shows with `decimals` places.
QString TickLabel(double value, int decimals, bool exponentForm = false);

// How an axis range meets the ticks: widened to whole steps, so the values at its ends sit on
// labelled ticks (an axis fitted to the data), or kept as given (a zoomed axis).
enum class AxisEnds { WholeSteps, AsGiven };

// Chooses the finest step of 1, 2 or 5 times a power of ten whose labels fit the axis:
// `spaceFor(label)` is the length in pixels that one label needs along the axis, gap included.
AxisScale ChooseAxisScale(double low, double high, double axisLength,
    const std::function<double(const QString &)> &spaceFor, AxisEnds ends = AxisEnds::WholeSteps);
