#pragma once

#include "platform/Chart.h"

#include <QList>
#include <QPointF>
#include <QString>

// The points of a series, in its order.
inline QList<QPointF> PointsOf(const TChartSeries *series)
{
    QList<QPointF> points;
    for (int i = 0; i < series->Count(); ++i)
        points << QPointF(series->XValue(i), series->YValue(i));
    return points;
}

// Gives `chart` one line series through `points` and shows it at 640 x 480.
inline void ShowLine(TDBChart &chart, const QList<QPointF> &points, const QString &title = {})
{
    auto *series = new TLineSeries(&chart);
    series->SetTitle(title);
    for (const QPointF &p : points)
        series->AddXY(p.x(), p.y());
    chart.AddSeries(series);
    chart.resize(640, 480);
    chart.show();
}
