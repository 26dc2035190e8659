#pragma once

#include "platform/Chart.h"

#include <QList>
#include <QPointF>

// The points of a series, in its order.
inline QList<QPointF> PointsOf(const TChartSeries *series)
{
    QList<QPointF> points;
    for (int i = 0; i < series->Count(); ++i)
        points << QPointF(series->XValue(i), series->YValue(i));
    return points;
}
