#pragma once

#include "chart/Palette.h"
#include "platform/Chart.h"
#include "platform/Fixed.h"

#include <QList>
#include <QPointF>
#include <QString>

// What the chart window's model curves share: the palettes that colour curve after curve by a
// counter, and the last step of every curve worker.

extern const ColorPalette ViscosityModelPalette;
extern const ColorPalette SurfaceConcentrationPalette;
extern const ColorPalette ButlerTemperaturePalette;

// A line series through points all computed beforehand, so that a point failing to compute
// leaves no series behind.
TLineSeries *NewCurve(QObject *owner, const QList<QPointF> &points);

struct CurveStyle
{
    bool showInLegend;
    QString title;
    TColor color;
    int penWidth;
};

// Styles a line series and puts it on the chart. Running it again on the same series only
// restyles it, so a worker may finish its curve after every point.
void FinishCurve(TDBChart *chart, TChartSeries *series, const CurveStyle &style);

// Where a model gives what no liquid alloy has, its curve is not drawn and this error says so;
// `quantity` names what the model gives ("value", "viscosity").
void ShowNoValidValue(const QString &model, const QString &quantity, const char *system, Fixed t);
