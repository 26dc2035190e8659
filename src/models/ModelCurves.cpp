// Palettes and the finishing step of the model curves.

#include "models/ModelCurves.h"

const ModelPalette ViscosityModelPalette = {
    clRed,
    clGreen,
    clPurple,
    clBlue,
    clYellow,
    clBlack,
    clNavy,
    clTeal,
    clGray,
    clLime,
    clOlive,
    clAqua,
    clSilver,
    clMaroon,
    clFuchsia,
    clSilver,
    clHighlight,
    clBackground,
    clInactiveCaption,
    clInfoBk,
};

// The surface-concentration window takes the active caption colour where the viscosity models
// take the inactive one.
const ModelPalette SurfaceConcentrationPalette = [] {
    ModelPalette palette = ViscosityModelPalette;
    palette[18] = clActiveCaption;
    return palette;
}();

const ModelPalette ButlerTemperaturePalette = {
    clRed,
    clGreen,
    clPurple,
    clBlue,
    clOlive,
    clMaroon,
    clNavy,
    clTeal,
    clGray,
    clLime,
    clYellow,
    clAqua,
    clSilver,
    clBlack,
    clFuchsia,
    clSilver,
    clHighlight,
    clBackground,
    clActiveCaption,
    clInfoBk,
};

TColor PaletteColor(const ModelPalette &palette, int counter)
{
    const int size = int(palette.size());
    return palette[std::size_t(((counter % size) + size) % size)];
}

void FinishCurve(TDBChart *chart, TChartSeries *series, const CurveStyle &style)
{
    series->SetShowInLegend(style.showInLegend);
    series->SetTitle(style.title);
    series->SetSeriesColor(style.color);
    if (auto *line = dynamic_cast<TLineSeries *>(series))
        line->SetLinePenWidth(style.penWidth);
    chart->AddSeries(series);
}
