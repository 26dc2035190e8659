#pragma once

#include "platform/Chart.h"
#include "platform/DBControls.h"
#include "platform/Fixed.h"

#include <QString>

#include <array>
#include <functional>

// What the chart window's model curves share: the palettes that colour curve after curve by a
// counter, and the last step of every curve worker.

using ModelPalette = std::array<TColor, 20>;

extern const ModelPalette ViscosityModelPalette;
extern const ModelPalette SurfaceConcentrationPalette;
extern const ModelPalette ButlerTemperaturePalette;

// The counters are not bounded: the twenty-first curve takes the first colour again.
TColor PaletteColor(const ModelPalette &palette, int counter);

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

// Runs `draw` once per selected row of a grid, in the order of its selection list, with the
// grid's dataset on that row; `draw` gets the row's composition X.
void ForEachSelectedX(TDBGrid *grid, const std::function<void(Fixed x)> &draw);
