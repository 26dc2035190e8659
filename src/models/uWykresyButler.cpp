// The Butler model: surface-tension isotherms at T1..T4, or curves against temperature at the
// compositions selected on the first temperature tab.
#include "chart/GridWalk.h"
#include "chart/uWykresy.h"

#include "app/Messages.h"
#include "app/uSelect.h"
#include "models/ButlerFits.h"
#include "models/ModelCurves.h"
#include "models/SystemTable.h"
#include "models/uSurfConc.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"

namespace {

// A system whose curve against temperature the user picks from two publications.
struct PublicationChoice
{
    const char *system;
    const char *asked;
    const char *otherwise;
};

const PublicationChoice PublicationChoices[] = {
    { "Bi-Sn", "[2006Ro1]", "[2001Kor3]" },
};

QString ChosenPublication(const PublicationChoice &choice)
{
    const QString asked = QLatin1String(choice.asked);
    const QString otherwise = QLatin1String(choice.otherwise);
    if (MessageDlg(QStringLiteral("Butler's model from ") + asked + QStringLiteral(" ?"),
            mtInformation, mbYesNoCancel)
        == mrYes)
        return asked;
    MessageDlg(QStringLiteral("Butler's model from ") + otherwise, mtInformation, mbOKOnly);
    return otherwise;
}

bool AskedYes(const QString &question)
{
    return MessageDlg(question, mtInformation, mbYesNoCancel) == mrYes;
}

} // namespace

void TfmWykres::sbButlerClick()
{
    if (!AskedYes(QStringLiteral("Butler model"))) {
        if (!AskedYes(QStringLiteral("Surface calculate")))
            return;
        // The surface concentration is computed for Ag-Au only.
        if (fmSelect->dblSelect->Text() == QLatin1String("Ag-Au"))
            fmSurfConc->ShowModal();
        else
            ShowMessage(NotAvailable);
        return;
    }
    const std::optional<std::array<int, 4>> kelvins = CheckedTemperatures();
    if (!kelvins)
        return;
    const QString property = fmSelect->dblWlasnosci->Text();
    if (fmSelect->chbX->isChecked()) {
        if (property == QLatin1String("Surface tension"))
            DrawButlerIsotherms(*kelvins);
        if (property == QLatin1String("Viscosity"))
            DrawViscosityModels();
        return;
    }
    // The curves against temperature are of surface tension; no other axis may carry them.
    if (property != QLatin1String("Surface tension")) {
        ShowMessage(NotAvailable);
        return;
    }
    ForEachSelectedRow(dbgTemp1, [this](TDataSet *rows) {
        SetButlerX(rows->FieldByName(QStringLiteral("X")).AsFloat());
        DrawButlerTempDependence();
        SetButlerCount(GetButlerCount() + 1);
    });
}

void TfmWykres::DrawButlerIsotherms(const std::array<int, 4> &kelvins)
{
    const ButlerIsotherm *isotherm = FindButlerIsotherm(fmSelect->dblSelect->Text());
    for (int slot = 1; slot <= 4; ++slot) {
        if (edT(slot)->text().isEmpty() || !GetButlerPending(slot))
            continue;
        BeginSlotCurve(slot, kelvins[slot - 1]);
        if (isotherm)
            ButlerIsothermCurve(*isotherm);
        // The chain moves on whether or not the system has a fit.
        SetButlerPending(slot, false);
        if (slot < 4)
            SetButlerPending(slot + 1, true);
    }
}

void TfmWykres::ButlerIsothermCurve(const ButlerIsotherm &isotherm)
{
    const Fixed t = GetCurrentT();
    QList<QPointF> points;
    for (int i = 0; i < isotherm.points; ++i) {
        const Fixed x = isotherm.X(i);
        const std::optional<Fixed> sigma = ButlerSurfaceTensionInDomain(isotherm.fit, x, t);
        if (!sigma) {
            ShowNoValidValue(QStringLiteral("Butler"), QStringLiteral("value"), isotherm.system, t);
            return;
        }
        points << QPointF(x.ToDouble(), sigma->ToDouble());
    }
    SetCurrentSeries(NewCurve(this, points));
    FinishButlerIsothermSeries();
}

void TfmWykres::FinishButlerIsothermSeries()
{
    FinishCurve(DBChart1, GetCurrentSeries(),
        { true,
            QStringLiteral("Butler ") + Numbers::FloatToStr(GetCurrentT()) + QStringLiteral("[K]"),
            GetSeriesColor(), 3 });
}

void TfmWykres::DrawButlerTempDependence()
{
    const QString system = fmSelect->dblSelect->Text();
    const PublicationChoice *choice = FindSystemRow(PublicationChoices, system);
    const ButlerTemperatureCurve *curve
        = FindButlerTemperatureCurve(system, choice ? ChosenPublication(*choice) : QString());
    if (!curve)
        return;
    const Fixed x = GetButlerX();
    QList<QPointF> points;
    for (int i = 0; i < curve->Points(); ++i) {
        const Fixed t = curve->T(i);
        points << QPointF(t.ToDouble(), ButlerSurfaceTension(curve->fit, x, t).ToDouble());
    }
    SetCurrentSeries(NewCurve(this, points));
    FinishButlerTempSeries();
}

void TfmWykres::FinishButlerTempSeries()
{
    FinishCurve(DBChart1, GetCurrentSeries(),
        { true, QStringLiteral("Butler   X=") + Numbers::FloatToStr(GetButlerX()),
            PaletteColor(ButlerTemperaturePalette, GetButlerCount()), 3 });
}
