// The viscosity-model panel: one curve of the chosen model at the typed temperature per change
// of the input, with the points kept as text for the "Viscosity model" save.
#include "chart/uWykresy.h"

#include "app/Messages.h"
#include "app/uSelect.h"
#include "models/ModelCurves.h"
#include "models/ViscosityMemo.h"
#include "models/ViscosityModels.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"

// The picker starts empty, as after Clear. A typed name picks a model but never joins the list.
void TfmWykres::FillModelPicker()
{
    cbModel1->setInsertPolicy(QComboBox::NoInsert);
    cbModel1->clear();
    cbModel1->addItems(ViscosityModelChoices());
    cbModel1->setCurrentIndex(-1);
}

void TfmWykres::edModelChange()
{
    // Blanks count as input: the conversion in the dispatcher reports them.
    if (!edModel->text().isEmpty() && !cbModel1->currentText().isEmpty()) {
        sbModelOK->setEnabled(true);
        SetViscoModelPending(true);
    } else {
        sbModelOK->setEnabled(false);
        Modelofviscosity1->setEnabled(false);
    }
}

void TfmWykres::cbModel1Change()
{
    edModelChange();
}

void TfmWykres::sbModelOKClick()
{
    if (fmSelect->chbX->isChecked())
        DrawViscosityModels();
}

void TfmWykres::sbClear1Click()
{
    SetViscoColorNo(0);
    edModel->clear();
    cbModel1->setCurrentIndex(-1);
    DBChart1->RemoveAllSeries();
}

void TfmWykres::DrawViscosityModels()
{
    if (edModel->text().isEmpty() || !GetViscoModelPending())
        return;
    SetCurrentT(TdmDataModule::TypedNumber(edModel->text()));
    if (const ViscositySystem *system = FindViscositySystem(fmSelect->dblSelect->Text()))
        ViscosityModelCurve(*system);
    // A range message or a system without models still uses up the input and a colour.
    SetViscoModelPending(false);
    SetViscoColorNo(GetViscoColorNo() + 1);
    Modelofviscosity1->setEnabled(true);
}

void TfmWykres::ViscosityModelCurve(const ViscositySystem &system)
{
    if (!InTemperatureRange(system, GetCurrentT())) {
        MessageDlg(TemperatureRangeMessage(system), mtError, mbOKOnly);
        return;
    }
    // A typed model name outside the list has no excess terms to draw with.
    const std::optional<ViscosityModel> model = ViscosityModelFromText(cbModel1->currentText());
    if (!model) {
        ShowMessage(NotAvailable);
        return;
    }
    const std::vector<ViscosityPoint> points = ViscosityCurve(system, *model, GetCurrentT());
    if (!Physical(points)) {
        ShowNoValidValue(
            cbModel1->currentText(), QStringLiteral("viscosity"), system.system, GetCurrentT());
        return;
    }
    auto *series = new TLineSeries(this);
    for (const ViscosityPoint &point : points)
        series->AddXY(point.x, point.eta);
    SetCurrentSeries(series);
    FinishViscosityModelSeries();
    const QStringList lines = ViscosityMemoLines(
        system, { cbModel1->currentText(), edModel->text(), DBChart1->LeftAxisTitle() }, points);
    MemoViscoModel->appendPlainText(lines.join(u'\n'));
}

void TfmWykres::FinishViscosityModelSeries()
{
    PickModelSeriesColor();
    FinishCurve(DBChart1, GetCurrentSeries(),
        { true,
            QStringLiteral(" [") + cbModel1->currentText() + QStringLiteral("] ")
                + Numbers::FloatToStr(GetCurrentT()) + QStringLiteral("[K]"),
            GetViscoColor(), 3 });
}

void TfmWykres::PickModelSeriesColor()
{
    SetViscoColor(PaletteColor(ViscosityModelPalette, GetViscoColorNo()));
}
