#pragma once

#include "app/MainMenu.h"
#include "chart/TempLines.h"
#include "data/ChartInputs.h"
#include "data/uDataModule.h"
#include "platform/Chart.h"
#include "platform/Controls.h"
#include "platform/DBControls.h"
#include "platform/Fixed.h"
#include "platform/Forms.h"
#include "platform/PageControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <array>
#include <memory>
#include <optional>

// The chart and calculation window: equations, values at up to four temperatures, isotherm and
// temperature-dependence charts and model curves of the system chosen in the selection window.
struct ButlerIsotherm;
struct ViscositySystem;

// How the two ways to the measured points of the compositions selected on the first temperature
// tab differ: the tab's Graph and, in temperature mode, Points.
struct MeasuredPointsCall
{
    // Told when the publication has no measured points or its points are another's.
    QString noPoints;
    // A publication without measured points is told in an information dialog, not a message.
    bool noPointsInDialog;
    // Without one a section takes the points of the publication chosen.
    bool sectionNeedsMeasured;
    // Each composition's points get a legend entry and count as the first tab's series.
    bool legendEntries;
};

class TfmWykres : public TForm, public ChartInputs
{
    Q_OBJECT
public:
    explicit TfmWykres(QWidget *owner = nullptr);
    ~TfmWykres() override;

    // ---- components, as the program names them
    TDBChart *DBChart1;
    QPlainTextEdit *MemoRownania;
    QPlainTextEdit *MemoViscoModel;

    QWidget *Panel1;
    TDBGrid *dbgPublikacje;

    QWidget *Panel2;
    TSpeedButton *sbHelp;
    TSpeedButton *sbPrint;
    TSpeedButton *sbButler;
    TSpeedButton *sbGraph;
    TSpeedButton *sbPbSn;
    TSpeedButton *sbExit;
    TSpeedButton *sbBack;
    TSpeedButton *sbNext;
    QLabel *lblViscosity;
    QLabel *lblTmodel;
    QLineEdit *edModel;
    QLabel *lblK;
    QLabel *lblSelectModel;
    QComboBox *cbModel1;
    TSpeedButton *sbModelOK;
    TSpeedButton *sbClear1;

    QWidget *Panel3;
    QWidget *Panel4;
    QWidget *Panel5;
    QWidget *Panel6;

    TPageControl *PageControl1;
    QWidget *tsX;
    TDBLookupComboBox *dblAutor;
    QLineEdit *edT1;
    QLineEdit *edT2;
    QLineEdit *edT3;
    QLineEdit *edT4;
    TSpeedButton *sbShow;
    TSpeedButton *sbClear;
    QCheckBox *chbShow;
    QWidget *tsTemp1;
    TDBLookupComboBox *dblAutor2;
    TDBGrid *dbgTemp1;
    TSpeedButton *sbShowT1;
    TSpeedButton *sbClearT1;
    TSpeedButton *sbGraphT1;
    QCheckBox *chbSelectT1;

    TPageControl *PageControl2;
    QWidget *tsRownania;
    TDBGrid *dbgRownania;
    QWidget *tsWynikiT1T2;
    QLabel *panT1T2;
    TDBGrid *dbgT1;
    TDBGrid *dbgT2;
    QWidget *tsWynikiT3T4;
    QLabel *panT3T4;
    TDBGrid *dbgT3;
    TDBGrid *dbgT4;
    QWidget *tsTemp2;
    TDBLookupComboBox *dblAutor3;
    TDBGrid *dbgTemp2;
    TSpeedButton *sbShowT2;
    TSpeedButton *sbClearT2;
    TSpeedButton *sbGraphT2;
    QCheckBox *chbSelectT2;
    QWidget *tsRownania45;
    TDBGrid *dbgDane45;
    QWidget *tsWynikiT1;
    QWidget *tsWynikiT2;
    QWidget *tsWynikiT3;
    QWidget *tsWynikiT4;
    QLabel *panT1;
    QLabel *panT2;
    QLabel *Panel8;
    QLabel *Panel9;
    TDBGrid *dbgWynikiT1;
    TDBGrid *dbgWynikiT2;
    TDBGrid *dbgWynikiT3;
    TDBGrid *dbgWynikiT4;

    TTimer *Timer1Wykres;
    TMainMenu MainMenu1;
    QAction *Equations1;
    QAction *Calculatedvalue1;
    QAction *Modelofviscosity1;
    QAction *SaveGraph;
    QAction *Adddata1;

    // ---- per-slot components (slot 1..4)
    QLineEdit *edT(int slot) const { return std::array { edT1, edT2, edT3, edT4 }.at(slot - 1); }
    TDBGrid *dbgT(int slot) const { return std::array { dbgT1, dbgT2, dbgT3, dbgT4 }.at(slot - 1); }
    TDBGrid *dbgWynikiT(int slot) const
    {
        return std::array { dbgWynikiT1, dbgWynikiT2, dbgWynikiT3, dbgWynikiT4 }.at(slot - 1);
    }
    QWidget *tsWynikiT(int slot) const
    {
        return std::array { tsWynikiT1, tsWynikiT2, tsWynikiT3, tsWynikiT4 }.at(slot - 1);
    }

    // ---- accessors of the private state
    int GetPointSeriesNo() const { return FPointSeriesNo; }
    void SetPointSeriesNo(int n) { FPointSeriesNo = n; }
    int GetPunktTemp2No() const { return FPunktTemp2No; }
    void SetPunktTemp2No(int n) { FPunktTemp2No = n; }
    int GetLineColorNo() const { return FLineColorNo; }
    void SetLineColorNo(int n) { FLineColorNo = n; }
    int GetViscoColorNo() const { return FViscoColorNo; }
    void SetViscoColorNo(int n) { FViscoColorNo = n; }
    int GetButlerCount() const { return FButlerCount; }
    void SetButlerCount(int n) { FButlerCount = n; }
    TColor GetSeriesColor() const { return FSeriesColor; }
    void SetSeriesColor(TColor c) { FSeriesColor = c; }
    TColor GetViscoColor() const { return FViscoColor; }
    void SetViscoColor(TColor c) { FViscoColor = c; }
    TChartSeries *GetCurrentSeries() const;
    void SetCurrentSeries(TChartSeries *series);
    Fixed GetTempDepX() const override { return FTempDepX; }
    void SetTempDepX(Fixed x) { FTempDepX = x; }
    Fixed GetButlerX() const { return FButlerX; }
    void SetButlerX(Fixed x) { FButlerX = x; }
    Fixed GetCurrentT() const { return FCurrentT; }
    void SetCurrentT(Fixed t) { FCurrentT = t; }
    bool GetApproxPending(int slot) const { return FApproxPending.at(slot - 1); }
    void SetApproxPending(int slot, bool pending) { FApproxPending.at(slot - 1) = pending; }
    bool GetButlerPending(int slot) const { return FButlerPending.at(slot - 1); }
    void SetButlerPending(int slot, bool pending) { FButlerPending.at(slot - 1) = pending; }
    bool GetViscoModelPending() const { return FViscoModelPending; }
    void SetViscoModelPending(bool pending) { FViscoModelPending = pending; }
    // The section chosen for a tab: 1 the isotherm tab or the first temperature tab, 2 the
    // second temperature tab.
    int GetEutecticId(int tab) const override { return FEutecticId.at(tab - 1); }
    void SetEutecticId(int tab, int id) { FEutecticId.at(tab - 1) = id; }
    int GetPbSnDrawn() const { return FPbSnDrawn; }
    void SetPbSnDrawn(int drawn) { FPbSnDrawn = drawn; }
    TListaWybranychPunktTemp *PunktTemp(int tab) const
    {
        return tab == 1 ? FPunktTemp1.get() : FPunktTemp2.get();
    }

    // ---- per-tab components of the temperature tabs (tab 1 or 2)
    TDBLookupComboBox *dblAutorTemp(int tab) const { return tab == 1 ? dblAutor2 : dblAutor3; }
    TDBGrid *dbgTemp(int tab) const { return tab == 1 ? dbgTemp1 : dbgTemp2; }
    QCheckBox *chbSelectT(int tab) const { return tab == 1 ? chbSelectT1 : chbSelectT2; }
    TSpeedButton *sbGraphT(int tab) const { return tab == 1 ? sbGraphT1 : sbGraphT2; }

    // ---- operations
    void DrawPunktTemp1();
    void DrawPunktTemp2();
    bool CanShowX();
    bool CanShowT1();
    bool CanShowT2();
    bool CanShowAutor();
    void SetChartOnly(bool chartOnly);

    // ---- event handlers
    void FormCreate();
    void FormDestroy();
    void Timer1WykresTimer();
    void DBChart1Click();
    void dblAutorClick();
    void dblAutor2Click();
    void dblAutor3Click();
    void sbBackClick();
    void sbNextClick();
    void sbExitClick();
    void chbShowClick();
    void sbClearClick();
    void edT1Change();
    void edT2Change();
    void edT3Change();
    void sbShowClick();
    void sbHelpClick();
    void Adddata1Click();
    void sbShowT1Click();
    void sbShowT2Click();
    void sbGraphT1Click();
    void sbGraphT2Click();
    void sbClearT1Click();
    void sbClearT2Click();
    void chbSelectT1Click();
    void chbSelectT2Click();
    void dbgTemp1CellClick();
    void dbgTemp2CellClick();
    void Equations1Click();
    void Calculatedvalue1Click();
    void Modelofviscosity1Click();
    void SaveGraphClick();
    void sbPrintClick();

    // ---- model curves (src/models)
    void sbGraphClick();
    void sbPbSnClick();
    void sbButlerClick();
    void sbModelOKClick();
    void sbClear1Click();
    void edModelChange();
    void cbModel1Change();
    void DrawApproxIsotherms();
    void FinishApproxSeries();
    void DrawPbSnEutectic();
    void DrawButlerIsotherms(const std::array<int, 4> &kelvins);
    void FinishButlerIsothermSeries();
    void DrawButlerTempDependence();
    void FinishButlerTempSeries();
    void DrawViscosityModels();
    void FinishViscosityModelSeries();
    void PickModelSeriesColor();

    // ---- what the data module's workers read
    QString IsothermTag() const override;
    QString TabTag(int tab) const override;
    QString TemperatureText(int slot) const override;
    QVariant TabComposition(int tab) const override;

    // A number text as the saved files write it: trimmed, every "," turned into ".".
    static QString CommaToDot(const QString &text);
    // The reference line of a publication, from its row of the reference list.
    QString ReferenceLine(const QString &tag) const;

    // The colour and point style of a temperature slot's isotherm.
    static TColor SlotColor(int slot);
    static TPointerStyle SlotPointer(int slot);
    // A slot is open while its edit is enabled and holds text.
    bool SlotOpen(int slot) const;

protected:
    void FormShow() override;

private:
    void BuildLayout();
    void ConnectHandlers();
    bool TempMode() const;
    // ID_SELECT of the chosen system: 3 or more is a ternary or higher system.
    int Category() const;
    void ShowEquations(int K);
    void ShowCalculatedValues(int K);
    void ShowMolarVolume(const QString &category);
    void ShowValues(int K, const QString &category, bool viscosity);
    TdmDataModule::SlotFamily MolarVolumeFamily(const QString &category, int slot) const;
    // The query a slot's isotherm series reads, and the field of its values.
    TQuery *IsothermQuery(int slot) const;
    QString IsothermField(int slot) const;
    void AddIsothermSeries();
    void DrawEndPointLine(int slot);
    void CalcViscosity(int slot);
    QStringList HeaderBlock(bool endsWithOf) const;
    int PublicationRow(const QString &tag) const;
    QString ReferencePart(
        int row, const char *field, const QString &before, const QString &after) const;
    QString ReferenceTag(const QString &tag) const;
    // A temperature's values are shown when its edit is filled and its result grid holds rows.
    bool ValuesShown(int slot) const;
    // A temperature's block of the calculated-value file; a block of a file that mixes
    // publications names its own after the temperature.
    QStringList IsothermBlock(int slot, bool namesPublication) const;
    QString SavePath(const QString &name) const;
    bool CheckAndSwitchTimer(bool complete);
    // The typed temperatures T1..T4 in whole kelvins (0 for an empty edit), or nothing after
    // the range message; a text that is not a whole number raises the number check's error.
    std::optional<std::array<int, 4>> CheckedTemperatures();
    // Model curves: the temperature and colour of a slot's curves, and the curve workers.
    void BeginSlotCurve(int slot, int kelvins);
    void ApproxFromFormulas();
    void DrawDbSeries(int slot);
    void ButlerIsothermCurve(const ButlerIsotherm &isotherm);
    void ViscosityModelCurve(const ViscositySystem &system);
    void FillModelPicker();
    // The temperature tabs share their routines; `tab` is 1 or 2.
    void ShowTemperatureTab(int tab);
    void GraphTemperatureTab(int tab);
    void ClearTemperatureTab(int tab);
    void SelectAllRows(int tab);
    void DrawMeasuredPoints(const MeasuredPointsCall &call);

    std::unique_ptr<TListaWybranychPunktTemp> FPunktTemp1;
    std::unique_ptr<TListaWybranychPunktTemp> FPunktTemp2;
    Fixed FTempDepX;
    Fixed FButlerX;
    int FPointSeriesNo = 0;
    int FButlerCount = 0;
    int FLineColorNo = 0;
    int FViscoColorNo = 0;
    TColor FSeriesColor = 0;
    TColor FViscoColor = 0;
    QPointer<QObject> FCurrentSeries;
    TChartSeries *FCurrentSeriesView = nullptr;
    int FPunktTemp2No = 0;
    std::array<bool, 4> FApproxPending {};
    std::array<bool, 4> FButlerPending {};
    bool FViscoModelPending = false;
    Fixed FCurrentT;
    std::array<int, 2> FEutecticId {};
    // The publication whose values each temperature's grid holds, as Show last filled it.
    std::array<QString, 4> FSlotPublication;
    // The publication whose equations the equations grids hold, as Show last filled them.
    QString FEquationsPublication;
    int FPbSnDrawn = 0;
};

inline QPointer<TfmWykres> fmWykres;
