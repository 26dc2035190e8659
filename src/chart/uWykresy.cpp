#include "chart/uWykresy.h"

#include "app/Main.h"
#include "app/uSelect.h"
#include "chart/ListaWybranych.h"
#include "chart/uWlasnedane.h"
#include "data/Worker.h"
#include "data/uDataModule.h"
#include "platform/Application.h"
#include "platform/Numbers.h"

TfmWykres::TfmWykres(QWidget *owner)
    : TForm(owner, QStringLiteral("fmWykres"), QStringLiteral("Virelt 2"))
{
    BuildLayout();
    FormCreate();
    ConnectHandlers();
}

TfmWykres::~TfmWykres()
{
    FormDestroy();
}

void TfmWykres::ConnectHandlers()
{
    OnEvent(Timer1Wykres, &QTimer::timeout, this, &TfmWykres::Timer1WykresTimer);
    OnEvent(DBChart1, &TDBChart::clicked, this, &TfmWykres::DBChart1Click);
    OnEvent(dblAutor, &TDBLookupComboBox::clicked, this, &TfmWykres::dblAutorClick);
    OnEvent(dblAutor2, &TDBLookupComboBox::clicked, this, &TfmWykres::dblAutor2Click);
    OnEvent(dblAutor3, &TDBLookupComboBox::clicked, this, &TfmWykres::dblAutor3Click);
    OnEvent(sbBack, &QToolButton::clicked, this, &TfmWykres::sbBackClick);
    OnEvent(sbNext, &QToolButton::clicked, this, &TfmWykres::sbNextClick);
    OnEvent(sbExit, &QToolButton::clicked, this, &TfmWykres::sbExitClick);
    OnEvent(chbShow, &QCheckBox::toggled, this, &TfmWykres::chbShowClick);
    OnEvent(sbClear, &QToolButton::clicked, this, &TfmWykres::sbClearClick);
    OnEvent(edT1, &QLineEdit::textChanged, this, &TfmWykres::edT1Change);
    OnEvent(edT2, &QLineEdit::textChanged, this, &TfmWykres::edT2Change);
    OnEvent(edT3, &QLineEdit::textChanged, this, &TfmWykres::edT3Change);
    OnEvent(sbShow, &QToolButton::clicked, this, &TfmWykres::sbShowClick);
    OnEvent(Adddata1, &QAction::triggered, this, &TfmWykres::Adddata1Click);
    OnEvent(sbHelp, &QToolButton::clicked, this, &TfmWykres::sbHelpClick);
    OnEvent(sbShowT1, &QToolButton::clicked, this, &TfmWykres::sbShowT1Click);
    OnEvent(sbShowT2, &QToolButton::clicked, this, &TfmWykres::sbShowT2Click);
    OnEvent(sbGraphT1, &QToolButton::clicked, this, &TfmWykres::sbGraphT1Click);
    OnEvent(sbGraphT2, &QToolButton::clicked, this, &TfmWykres::sbGraphT2Click);
    OnEvent(sbClearT1, &QToolButton::clicked, this, &TfmWykres::sbClearT1Click);
    OnEvent(sbClearT2, &QToolButton::clicked, this, &TfmWykres::sbClearT2Click);
    OnEvent(chbSelectT1, &QCheckBox::toggled, this, &TfmWykres::chbSelectT1Click);
    OnEvent(chbSelectT2, &QCheckBox::toggled, this, &TfmWykres::chbSelectT2Click);
    OnEvent(dbgTemp1, &QTableView::clicked, this, &TfmWykres::dbgTemp1CellClick);
    OnEvent(dbgTemp2, &QTableView::clicked, this, &TfmWykres::dbgTemp2CellClick);
    OnEvent(sbPrint, &QToolButton::clicked, this, &TfmWykres::sbPrintClick);
    OnEvent(Equations1, &QAction::triggered, this, &TfmWykres::Equations1Click);
    OnEvent(Calculatedvalue1, &QAction::triggered, this, &TfmWykres::Calculatedvalue1Click);
    OnEvent(Modelofviscosity1, &QAction::triggered, this, &TfmWykres::Modelofviscosity1Click);
    OnEvent(SaveGraph, &QAction::triggered, this, &TfmWykres::SaveGraphClick);
    OnEvent(sbGraph, &QToolButton::clicked, this, &TfmWykres::sbGraphClick);
    OnEvent(sbPbSn, &QToolButton::clicked, this, &TfmWykres::sbPbSnClick);
    OnEvent(sbButler, &QToolButton::clicked, this, &TfmWykres::sbButlerClick);
    OnEvent(sbModelOK, &QToolButton::clicked, this, &TfmWykres::sbModelOKClick);
    OnEvent(sbClear1, &QToolButton::clicked, this, &TfmWykres::sbClear1Click);
    OnEvent(edModel, &QLineEdit::textChanged, this, &TfmWykres::edModelChange);
    OnEvent(cbModel1, &QComboBox::currentTextChanged, this, &TfmWykres::cbModel1Change);
}

TChartSeries *TfmWykres::GetCurrentSeries() const
{
    return FCurrentSeries ? FCurrentSeriesView : nullptr;
}

void TfmWykres::SetCurrentSeries(TChartSeries *series)
{
    FCurrentSeriesView = series;
    FCurrentSeries = series ? series->Series() : nullptr;
}

int TfmWykres::Category() const
{
    return Worker::Key(dmDataModule->qrTabUkl, "ID_SELECT");
}

bool TfmWykres::TempMode() const
{
    return fmSelect->chbTemp->isChecked();
}

void TfmWykres::FormCreate()
{
    for (TQuery *q :
        { dmDataModule->qrExp, dmDataModule->qrExp2, dmDataModule->qrExp3, dmDataModule->qrExp4 })
        q->Close();
    dbgPublikacje->SetDataSource(nullptr);
    for (TDBLookupComboBox *picker : { dblAutor, dblAutor2, dblAutor3 }) {
        picker->SetKeyField(QStringLiteral("ID_PUBLIKACJI"));
        picker->SetListField(QStringLiteral("OZNACZENIE"));
    }
    if (!ListaWybranychPublikacji)
        ListaWybranychPublikacji = new TListaWybranych;
    if (!FPunktTemp1)
        FPunktTemp1 = std::make_unique<TListaWybranychPunktTemp>(this, 1);
    if (!FPunktTemp2)
        FPunktTemp2 = std::make_unique<TListaWybranychPunktTemp>(this, 2);
    if (!ListaWybranychLini)
        ListaWybranychLini = new TListaWybranych([] {
            dmDataModule->OpenLinie(1);
            if (fmWykres)
                fmWykres->DrawPunktTemp1();
        });
    if (!ListaWybranychLini2)
        ListaWybranychLini2 = new TListaWybranych([] {
            dmDataModule->OpenLinie(2);
            if (fmWykres)
                fmWykres->DrawPunktTemp2();
        });
}

void TfmWykres::FormDestroy()
{
    delete ListaWybranychPublikacji;
    ListaWybranychPublikacji = nullptr;
    FPunktTemp1.reset();
    FPunktTemp2.reset();
}

void TfmWykres::FormShow()
{
    const QString P = fmSelect->dblWlasnosci->Text();
    const QString S = fmSelect->dblSelect->Text();
    const bool temp = TempMode();
    const bool iso = fmSelect->chbX->isChecked();

    // 1. The viscosity-model row.
    if (P == QLatin1String("Viscosity") && iso) {
        lblViscosity->show();
        sbGraph->hide();
        sbPbSn->hide();
        sbButler->hide();
        FViscoColorNo = 0;
    } else {
        for (QWidget *w : std::initializer_list<QWidget *> { lblViscosity, lblTmodel, edModel, lblK,
                 lblSelectModel, cbModel1, sbModelOK, sbClear1 })
            w->hide();
    }
    // 2.-4.
    sbPbSn->setEnabled(true);
    sbButler->setText(QStringLiteral("Model"));
    FPbSnDrawn = FPointSeriesNo = FLineColorNo = FButlerCount = FPunktTemp2No = 0;
    ListaWybranychLini->Clear();
    ListaWybranychLini2->Clear();
    for (TDBGrid *grid : { dbgRownania, dbgDane45, dbgT1, dbgT2, dbgT3, dbgT4, dbgTemp1, dbgTemp2 })
        grid->SetDataSource(nullptr);

    // 5.
    const int K = Category();
    sbModelOK->setEnabled(false);
    FillModelPicker();

    // 6. Tabs by category.
    if (K < 3) {
        PageControl2->SetActivePage(tsRownania);
        for (int slot = 1; slot <= 4; ++slot) {
            PageControl2->SetPageVisible(tsWynikiT(slot), false);
            PageControl2->SetPageCaption(tsWynikiT(slot), QStringLiteral("T%1").arg(slot));
        }
        PageControl2->SetPageVisible(tsRownania45, false);
    } else if (!temp) {
        PageControl2->SetActivePage(tsRownania45);
        PageControl2->SetPageCaption(tsRownania45,
            P + QStringLiteral("  ") + S
                + (P == QLatin1String("Viscosity") ? QStringLiteral(" = A*Exp(E/R*T)")
                                                   : QStringLiteral(" = A+B*T")));
        PageControl2->SetPageVisible(tsRownania, false);
        PageControl2->SetPageVisible(tsRownania45, true);
        PageControl2->SetPageVisible(tsWynikiT1, false);
        sbPbSn->setEnabled(false);
    } else {
        PageControl1->SetActivePage(tsTemp1);
        PageControl2->SetActivePage(tsTemp2);
        sbPbSn->setEnabled(true);
    }

    // 7. Column titles.
    const QString XP = dmDataModule->qrX->FindField(QStringLiteral("XP"))
        ? dmDataModule->qrX->FieldByName(QStringLiteral("XP")).AsString()
        : QString();
    for (int slot = 1; slot <= 4; ++slot)
        dbgWynikiT(slot)->SetColumnTitle(0, XP);
    PageControl2->SetPageVisible(tsWynikiT1T2, false);
    PageControl2->SetPageVisible(tsWynikiT3T4, false);
    PageControl2->SetPageCaption(tsWynikiT1T2, QStringLiteral("T1    T2"));
    PageControl2->SetPageCaption(tsWynikiT3T4, QStringLiteral("T3    T4"));
    for (TDBGrid *grid : { dbgT1, dbgT2, dbgT3, dbgT4, dbgTemp1, dbgTemp2 })
        grid->SetColumnTitle(0, XP);

    // 8. Mode.
    if (!temp) {
        sbPbSn->setEnabled(false);
        sbGraph->setText(QStringLiteral("Approx"));
        DBChart1->show();
        PageControl1->SetPageVisible(tsTemp1, false);
        PageControl2->SetPageVisible(tsTemp2, false);
        sbShow->setEnabled(CanShowX());
        DBChart1->SetBottomAxisTitle(XP);
        DBChart1->SetLegendFrameColor(clWindow);
        Adddata1->setEnabled(true);
    } else {
        DBChart1->SetBottomAxisTitle(QStringLiteral("Temperature [K]"));
        DBChart1->SetLegendFrameColor(clWindow);
        if (K >= 3) {
            PageControl2->SetPageVisible(tsRownania45, false);
            PageControl2->SetPageVisible(tsWynikiT1T2, false);
            PageControl2->SetPageVisible(tsWynikiT3T4, false);
        }
        PageControl1->SetPageVisible(tsTemp1, true);
        panT1->setText(P + QStringLiteral("  ") + S + QStringLiteral(" = A+B*T"));
        chbShow->setChecked(false);
        chbShow->setEnabled(false);
        PageControl2->SetPageVisible(tsRownania, false);
        edT1->setEnabled(false);
        sbShow->setEnabled(CanShowT1());
        PageControl1->SetPageVisible(tsX, false);
        sbGraph->setEnabled(false);
        sbGraph->setText(QStringLiteral("Points"));
        sbPbSn->setEnabled(true);
    }

    // 9.
    DBChart1->SetTitle(S);

    // 10. Property.
    const QString equation = P + QStringLiteral("  ") + S + QStringLiteral(" = A+B*T");
    if (P == QLatin1String("Density")) {
        DBChart1->SetLeftAxisTitle(P + QStringLiteral("[g/cm^3]"));
        PageControl2->SetPageCaption(tsRownania, equation);
    } else if (P == QLatin1String("Surface tension")) {
        DBChart1->SetLeftAxisTitle(P + QStringLiteral(" [mN/m]"));
        PageControl2->SetPageCaption(tsRownania, equation);
    } else if (P == QLatin1String("Molar volume") || P == QLatin1String("Viscosity")) {
        const bool molar = P == QLatin1String("Molar volume");
        if (molar) {
            chbShow->setChecked(true);
            chbShow->setEnabled(false);
            DBChart1->SetLeftAxisTitle(P + QStringLiteral("[cm^3/mole]"));
            PageControl2->SetPageVisible(tsRownania, false);
            for (QLabel *caption : { panT1T2, panT3T4, panT1, panT2 })
                caption->setText(equation);
        } else {
            DBChart1->SetLeftAxisTitle(P + QStringLiteral(" [mPa*s]"));
            PageControl2->SetPageCaption(
                tsRownania, P + QStringLiteral("  ") + S + QStringLiteral(" = A*Exp[E/(R*T)]"));
            dbgRownania->SetColumnTitle(2, QStringLiteral("E"));
        }
        if (temp) {
            PageControl2->SetActivePage(tsTemp2);
            PageControl2->SetPageVisible(tsWynikiT1T2, false);
            PageControl2->SetPageVisible(tsWynikiT3T4, false);
            PageControl2->SetPageVisible(tsTemp2, true);
        } else if (K < 3) {
            for (int slot = 1; slot <= 4; ++slot)
                dbgT(slot)->SetColumnField(1, IsothermField(slot));
        } else {
            for (int slot = 1; slot <= 4; ++slot) {
                dbgWynikiT(slot)->SetColumnField(1, IsothermField(slot));
                dbgWynikiT(slot)->SetColumnField(
                    2, molar ? QStringLiteral("UKLAD") : QStringLiteral("SYSTEM"));
                dbgWynikiT(slot)->SetColumnTitle(2, QStringLiteral("SYSTEM"));
            }
        }
    } else if (P == QLatin1String("Electrical properties")) {
        DBChart1->SetLeftAxisTitle(P + QStringLiteral(" "));
        PageControl2->SetPageCaption(tsRownania, P + QStringLiteral("  ") + S);
    }
}

bool TfmWykres::CheckAndSwitchTimer(bool complete)
{
    Timer1Wykres->SetEnabled(!complete);
    return complete;
}

bool TfmWykres::CanShowX()
{
    return CheckAndSwitchTimer(
        !Numbers::Trim(dblAutor->Text()).isEmpty() && !Numbers::Trim(edT1->text()).isEmpty());
}

bool TfmWykres::CanShowT1()
{
    return CheckAndSwitchTimer(!Numbers::Trim(dblAutor2->Text()).isEmpty());
}

bool TfmWykres::CanShowT2()
{
    return CheckAndSwitchTimer(!Numbers::Trim(dblAutor3->Text()).isEmpty());
}

bool TfmWykres::CanShowAutor()
{
    return CheckAndSwitchTimer(!Numbers::Trim(dblAutor->Text()).isEmpty());
}

void TfmWykres::Timer1WykresTimer()
{
    if (TempMode()) {
        sbShow->setEnabled(CanShowT1());
        sbShowT1->setEnabled(CanShowT1());
        sbShowT2->setEnabled(CanShowT2());
    } else if (fmStart->dblSelectSystem->Text() == QLatin1String("Pure metals")) {
        sbGraph->setEnabled(false);
    } else {
        sbGraph->setEnabled(CanShowX());
    }
}

void TfmWykres::dblAutorClick()
{
    sbShow->setEnabled(chbShow->isChecked() ? CanShowX() : CanShowAutor());
}

void TfmWykres::dblAutor2Click()
{
    sbShowT1->setEnabled(true);
}

void TfmWykres::dblAutor3Click()
{
    sbShowT2->setEnabled(true);
}

void TfmWykres::DBChart1Click()
{
    SetChartOnly(!Panel1->isHidden());
}

void TfmWykres::SetChartOnly(bool chartOnly)
{
    DBChart1->SetColor(chartOnly ? clWindow : clMoneyGreen);
    DBChart1->SetLegendColor(clWindow);
    for (QWidget *panel : { Panel2, Panel1, Panel3, Panel4, Panel5, Panel6 })
        panel->setVisible(!chartOnly);
    setWindowState(chartOnly ? Qt::WindowMaximized : Qt::WindowNoState);
}

void TfmWykres::sbBackClick()
{
    DBChart1->RemoveAllSeries();
    Close();
    dbgPublikacje->SetDataSource(nullptr);
}

void TfmWykres::sbNextClick()
{
    Close();
    fmSelect->Close();
}

void TfmWykres::sbExitClick()
{
    fmStart->LitFormClick();
}

void TfmWykres::Adddata1Click()
{
    fmWlasnedane->ShowModal();
}

void TfmWykres::sbHelpClick()
{
    fmStart->OpenHelpPdf();
}

void TfmWykres::DrawPunktTemp1()
{
    FPunktTemp1->Draw(DBChart1);
}

void TfmWykres::DrawPunktTemp2()
{
    FPunktTemp2->Draw(DBChart1);
}
