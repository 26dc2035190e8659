// The temperature-dependence tabs: the compositions of a publication and their lines, or their
// measured viscosity points, against temperature. Both tabs run the same routines.
#include "chart/ChartBuilders.h"
#include "chart/GridWalk.h"
#include "chart/ListaWybranych.h"
#include "chart/uEut.h"
#include "chart/uWykresy.h"

#include "app/Messages.h"
#include "app/uSelect.h"
#include "data/Worker.h"
#include "data/uDataModule.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"

namespace {

const QString NoMeasuredPoints
    = QStringLiteral("This data aren’t available in this version VIRELT database.");

TListaWybranych *LineIds(int tab)
{
    return tab == 1 ? ListaWybranychLini : ListaWybranychLini2;
}

QVariant Value(TDataSet *dataSet, const char *field)
{
    TField *f = dataSet ? dataSet->FindField(QLatin1String(field)) : nullptr;
    return f ? f->Value() : QVariant();
}

// The line id that a tab's line fetch has just read; Null when there is no line.
QVariant LineId(int tab, bool section)
{
    TdmDataModule *dm = dmDataModule;
    TQuery *query = tab == 1 ? (section ? dm->qrPunktyTemp451 : dm->qrPunktyTemp)
                             : (section ? dm->qrPunktyTemp452 : dm->qrPunktyTemp2);
    return Value(query, "ID_DANE_WLA_T");
}

} // namespace

void TfmWykres::sbShowT1Click()
{
    ShowTemperatureTab(1);
}

void TfmWykres::sbShowT2Click()
{
    ShowTemperatureTab(2);
}

void TfmWykres::sbGraphT1Click()
{
    GraphTemperatureTab(1);
}

void TfmWykres::sbGraphT2Click()
{
    GraphTemperatureTab(2);
}

void TfmWykres::sbClearT1Click()
{
    ClearTemperatureTab(1);
}

void TfmWykres::sbClearT2Click()
{
    ClearTemperatureTab(2);
}

void TfmWykres::chbSelectT1Click()
{
    SelectAllRows(1);
}

void TfmWykres::chbSelectT2Click()
{
    SelectAllRows(2);
}

void TfmWykres::dbgTemp1CellClick()
{
    chbSelectT1->setChecked(false);
}

void TfmWykres::dbgTemp2CellClick()
{
    chbSelectT2->setChecked(false);
}

void TfmWykres::ShowTemperatureTab(int tab)
{
    TdmDataModule *dm = dmDataModule;
    const bool first = tab == 1;
    if (first) {
        sbGraph->setEnabled(true);
        chbSelectT1->setChecked(false);
        if (fmSelect->chbButler->isChecked())
            sbButler->setEnabled(true);
    }
    dbgPublikacje->SetDataSource(dm->dsPublikacje);
    ListaWybranychPublikacji->Add(
        QString::number(Worker::Key(first ? dm->qrAutor : dm->qrAutor1, "ID_PUBLIKACJI")));
    dm->OpenPublikacje();
    dm->OpenRownania(tab);
    if (Category() < 3) {
        dbgTemp(tab)->SetDataSource(first ? dm->dsRownania : dm->dsRownania2);
    } else {
        if (!ChooseEutectic(this, tab))
            return;
        dbgTemp(tab)->SetDataSource(first ? dm->dsDane45 : dm->dsDane452);
    }
    sbGraphT(tab)->setEnabled(true);
    chbSelectT(tab)->setEnabled(true);
    const QVariant x = Value(dbgTemp(tab)->DataSet(), "X");
    if (x.isNull())
        ShowMessage(NotAvailable);
    else
        FTempDepX = VarAsFloat(x);
}

void TfmWykres::GraphTemperatureTab(int tab)
{
    TdmDataModule *dm = dmDataModule;
    const bool section = Category() >= 3;
    TDBGrid *grid = dbgTemp(tab);
    TListaWybranychPunktTemp *records = PunktTemp(tab);
    records->Clear();
    TTempLineRec rec;
    dm->GetTempLine(tab, section, rec);
    if (LineId(tab, section).isNull()) {
        if (tab == 1 && fmSelect->dblWlasnosci->Text() == QLatin1String("Viscosity"))
            DrawMeasuredPoints({ .noPoints = NoMeasuredPoints,
                .noPointsInDialog = true,
                .sectionNeedsMeasured = false,
                .legendEntries = true });
        else
            ShowMessage(NotAvailable);
        return;
    }
    ForEachSelectedRow(grid, [&](TDataSet *) {
        const bool filled = dm->GetTempLine(tab, section, rec);
        const QVariant id = LineId(tab, section);
        if (!filled || id.isNull()) {
            ShowMessage(NotAvailable);
            return;
        }
        const QString text = QString::number(VarAsInteger(id));
        // A line already drawn is not drawn again, so its record must not wait for the next.
        if (LineIds(tab)->Contains(text))
            return;
        records->Add(rec);
        LineIds(tab)->Add(text);
    });
}

void TfmWykres::DrawMeasuredPoints(const MeasuredPointsCall &call)
{
    TdmDataModule *dm = dmDataModule;
    const bool section = Category() >= 3;
    dm->OpenPunktyDos();
    // A publication without measured points has no id to ask for them with.
    const QVariant measured = Value(dm->qrPunktyDos, "ID_PUBLIKACJI");
    if (measured.isNull() && (!section || call.sectionNeedsMeasured)) {
        if (call.noPointsInDialog)
            MessageDlg(call.noPoints, mtInformation, mbOKOnly);
        else
            ShowMessage(call.noPoints);
        return;
    }
    if (!section && Worker::Key(dm->qrAutor, "ID_PUBLIKACJI") != VarAsInteger(measured)) {
        MessageDlg(call.noPoints, mtInformation, mbOKOnly);
        return;
    }

    TQuery *query = section ? dm->qrPunkty45 : dm->qrPunktyD;
    void (TdmDataModule::*open)()
        = section ? &TdmDataModule::OpenPunkty45 : &TdmDataModule::OpenPunktyD;
    // Each composition is asked for its own points; those without any are told once.
    bool missing = false;
    int drawn = 0;
    ForEachSelectedRow(dbgTemp1, [&](TDataSet *rows) {
        FTempDepX = rows->FieldByName(QStringLiteral("X")).AsFloat();
        (dm->*open)();
        if (Value(query, section ? "Y" : "T").isNull()) {
            missing = true;
            return;
        }
        TDBChartFromQuery builder(query, DBChart1);
        const TPointSeries *points = builder.Draw();
        if (!call.legendEntries)
            return;
        // The points stay out of the legend; this entry names them in their own colour.
        auto *entry = new TPointSeries(this);
        entry->SetTitle(
            dblAutor2->Text() + QStringLiteral("   X=") + Numbers::FloatToStr(FTempDepX));
        entry->SetSeriesColor(points->SeriesColor());
        DBChart1->AddSeries(entry);
        FPointSeriesNo = ++drawn;
    });
    if (missing)
        ShowMessage(NotAvailable);
}

void TfmWykres::ClearTemperatureTab(int tab)
{
    DBChart1->RemoveAllSeries();
    dbgTemp(tab)->SetDataSource(nullptr);
    dbgPublikacje->SetDataSource(nullptr);
    sbGraphT(tab)->setEnabled(false);
    chbSelectT(tab)->setChecked(false);
    chbSelectT(tab)->setEnabled(false);
    ListaWybranychLini->Clear();
    ListaWybranychLini2->Clear();
    if (tab == 1) {
        sbButler->setEnabled(false);
        sbGraph->setEnabled(false);
        FPointSeriesNo = FButlerCount = FLineColorNo = 0;
    } else {
        FPunktTemp2No = 0;
    }
    FPbSnDrawn = 0;
    sbPbSn->setEnabled(true);
}

void TfmWykres::SelectAllRows(int tab)
{
    TDBGrid *grid = dbgTemp(tab);
    grid->ClearSelectedRows();
    TDataSet *rows = grid->DataSet();
    if (!chbSelectT(tab)->isChecked() || !rows)
        return;
    rows->DisableControls();
    for (rows->First(); !rows->Eof(); rows->Next())
        grid->SelectRow(rows->RecNo(), true);
    rows->EnableControls();
}
