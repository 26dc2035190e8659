#include "chart/TempLines.h"

#include "app/uSelect.h"
#include "chart/ChartBuilders.h"
#include "chart/uWykresy.h"
#include "models/ViscosityModels.h"
#include "platform/Numbers.h"

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
