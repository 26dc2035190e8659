// PbSn: the eutectic Pb-Sn solder against temperature, as a reference for lead-free alloys.
#include "chart/uWykresy.h"

#include "app/Messages.h"
#include "app/uSelect.h"
#include "models/ModelCurves.h"
#include "models/PbSnEutectic.h"
#include "platform/Dialogs.h"

void TfmWykres::sbPbSnClick()
{
    if (GetPbSnDrawn() != 0)
        return;
    DrawPbSnEutectic();
    // Tried once is drawn: the button waits for a clear even after the message.
    SetPbSnDrawn(1);
    sbPbSn->setEnabled(false);
}

void TfmWykres::DrawPbSnEutectic()
{
    const QString property = fmSelect->dblWlasnosci->Text();
    const bool density = property == QLatin1String("Density");
    if (!density && property != QLatin1String("Surface tension")) {
        ShowMessage(NotAvailable);
        return;
    }
    auto *series = new TLineSeries(this);
    for (int t = PbSnEutecticLine::FirstT; t <= PbSnEutecticLine::LastT;
         t += PbSnEutecticLine::StepT) {
        const PbSnEutectic eutectic = PbSnEutecticAt(t);
        series->AddXY(t, (density ? eutectic.density : eutectic.surfaceTension).ToDouble());
    }
    series->SetLinePenStyle(Qt::DashDotDotLine);
    FinishCurve(DBChart1, series, { true, QStringLiteral("(Pb-Sn)eut"), clBlack, 1 });
}
