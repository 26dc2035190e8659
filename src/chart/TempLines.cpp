#include "chart/TempLines.h"

#include "app/uSelect.h"
#include "chart/ChartBuilders.h"
#include "chart/uWykresy.h"
#include "platform/Numbers.h"

#include <cmath>
#include <functional>

QList<QPointF> ArrheniusLine(int t1, double v1, int t2, double v2)
{
    QList<QPointF> points { QPointF(t1, v1) };
    if (t1 > 0 && t2 > 0 && t1 != t2 && v1 > 0 && v2 > 0) {
        const double slope = std::log(v1 / v2) / (1.0 / t1 - 1.0 / t2);
        const auto eta = [&](double t) { return v1 * std::exp(slope * (1 / t - 1.0 / t1)); };
        // A piece is halved until its chord keeps within 0.1 % of the curve at its quarters;
        // between them the chord of so short a piece is no farther off.
        const std::function<void(double, double, int)> refine
            = [&](double from, double to, int depth) {
                  bool close = true;
                  for (const double f : { 0.25, 0.5, 0.75 }) {
                      const double chord = eta(from) + (eta(to) - eta(from)) * f;
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
        refine(t1, t2, 16);
    }
    points << QPointF(t2, v2);
    return points;
}

void TListaWybranychPunktTemp::Draw(TDBChart *chart)
{
    TfmWykres &w = *m_window;
    const bool first = m_tab == 1;
    const bool viscosity = fmSelect->dblWlasnosci->Text() == QLatin1String("Viscosity");
    for (const TTempLineRec &rec : m_records) {
        const int k = first ? w.GetPointSeriesNo() : w.GetPunktTemp2No();
        const Fixed x = w.dbgTemp(m_tab)->DataSet()->FieldByName(QStringLiteral("X")).AsFloat();
        auto *line = new TLineSeries(chart);
        const QPointF from(rec.T1, rec.V1.ToDouble()), to(rec.T2, rec.V2.ToDouble());
        const QList<QPointF> points = viscosity ? ArrheniusLine(rec.T1, from.y(), rec.T2, to.y())
                                                : QList<QPointF> { from, to };
        for (const QPointF &p : points)
            line->AddXY(p.x(), p.y());
        line->SetTitle(
            w.dblAutorTemp(m_tab)->Text() + QStringLiteral("   X=") + Numbers::FloatToStr(x));
        line->SetSeriesColor(PaletteColor(BuilderPalette, k));
        // The second tab's lines stay apart from the first's by their dash.
        if (first)
            line->SetLinePenWidth(2);
        else
            line->SetLinePenStyle(Qt::DashDotDotLine);
        chart->AddSeries(line);
        if (first)
            w.SetPointSeriesNo(k + 1);
        else
            w.SetPunktTemp2No(k + 1);
    }
    m_records.clear();
}
