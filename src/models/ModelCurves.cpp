// Palettes and the finishing step of the model curves.

#include "models/ModelCurves.h"

#include "chart/ChartBuilders.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"

const ColorPalette ViscosityModelPalette = { clRed, clGreen, clPurple, clBlue, clYellow, clBlack,
    clNavy, clTeal, clGray, clLime, clOlive, clAqua, clSilver, clMaroon, clFuchsia, clSilver,
    clHighlight, clBackground, clInactiveCaption, clInfoBk };

// The surface-concentration window takes the active caption colour where the viscosity models
// take the inactive one.
const ColorPalette SurfaceConcentrationPalette = [] {
    ColorPalette palette = ViscosityModelPalette;
    palette[18] = clActiveCaption;
    return palette;
}();

// The Butler curves against temperature take the chart builders' colours, but the active caption
// colour where the builders take the inactive one.
const ColorPalette ButlerTemperaturePalette = [] {
    ColorPalette palette = BuilderPalette;
    palette[18] = clActiveCaption;
    return palette;
}();

TLineSeries *NewCurve(QObject *owner, const QList<QPointF> &points)
{
    auto *series = new TLineSeries(owner);
    for (const QPointF &point : points)
        series->AddXY(point.x(), point.y());
    return series;
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

void ShowNoValidValue(const QString &model, const QString &quantity, const char *system, Fixed t)
{
    MessageDlg(QStringLiteral("Error! The %1 model gives no valid %2 for %3 at %4 [K].")
                   .arg(model, quantity, QLatin1String(system), Numbers::FloatToStr(t)),
        mtError, mbOKOnly);
}
