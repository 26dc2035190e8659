#pragma once

#include "platform/Chart.h"
#include "platform/Controls.h"
#include "platform/Fixed.h"
#include "platform/Forms.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

// The surface concentration of liquid Ag-Au against its bulk concentration: two curves per run,
// titled with the typed temperature, each run in the next colour.
class TfmSurfConc : public TForm
{
    Q_OBJECT
public:
    explicit TfmSurfConc(QWidget *owner = nullptr);

    QWidget *Panel1;
    TSpeedButton *sbHelp;
    TSpeedButton *sbExit;
    TSpeedButton *sbBack;
    QWidget *Panel2;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *lblTmodel;
    QLineEdit *edModel;
    QLabel *lblK;
    TSpeedButton *sbModelOK;
    TSpeedButton *sbClear1;
    QLabel *lblViscosity;
    QLabel *lblSelectModel;
    QComboBox *cbModel1;
    QWidget *Panel3;
    TDBChart *dbChartSurfConc;

    TLineSeries *GetSeries1() const { return FSeries1; }
    void SetSeries1(TLineSeries *series) { FSeries1 = series; }
    TLineSeries *GetSeries2() const { return FSeries2; }
    void SetSeries2(TLineSeries *series) { FSeries2 = series; }
    int GetRunCount() const { return FRunCount; }

    void sbModelOKClick();
    void sbClear1Click();
    void sbBackClick();
    void sbExitClick();
    void sbHelpClick();
    void RunModel();
    void CalcAgAu(Fixed t);
    void TitleSeries(Fixed t);
    void PickSeriesColor();

protected:
    void FormShow() override;

private:
    void BuildLayout();

    QPointer<TLineSeries> FSeries1;
    QPointer<TLineSeries> FSeries2;
    int FRunCount = 0;
    TColor FSeriesColor = clRed;
};

inline QPointer<TfmSurfConc> fmSurfConc;
