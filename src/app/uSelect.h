#pragma once

#include "app/MainMenu.h"
#include "platform/Controls.h"
#include "platform/DBControls.h"
#include "platform/Forms.h"

#include <QCheckBox>
#include <QLabel>

// The selection window: system, property and mode. Its controls are the selection that the
// chart window and the auxiliary windows read while it exists.
class TfmSelect : public TForm
{
    Q_OBJECT
public:
    explicit TfmSelect(QWidget *owner = nullptr);

    QLabel *Label1;
    QLabel *Label2;
    TDBLookupComboBox *dblSelect;
    TDBLookupComboBox *dblWlasnosci;
    QCheckBox *chbTemp;
    QCheckBox *chbX;
    QCheckBox *chbButler;
    QCheckBox *chbIsosurface;
    TDBGrid *DBGrid1;
    TSpeedButton *SpeedButton1;
    TSpeedButton *SpeedButton2;
    TSpeedButton *SpeedButton3;
    TSpeedButton *sbHelp;
    TSpeedButton *SpeedButton5;
    TSpeedButton *SpeedButton6;
    TSpeedButton *sbPhaseDiagram;
    TSpeedButton *sbMenisk;
    TSpeedButton *sbSolid;
    TTimer *Timer1;
    TTimer *Timer2;
    TMainMenu MainMenu1;

    void Timer1Timer();
    void Timer2Timer();
    void dblSelectClick();
    void dblWlasnosciClick();
    void chbTempClick();
    void chbXClick();
    void chbButlerClick();
    void chbIsosurfaceClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void sbHelpClick();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void sbPhaseDiagramClick();
    void sbMeniskClick();

    // Fills the phase-diagram window's reference list with the block of the current system.
    void LoadDiagramReferences();

protected:
    void FormShow() override;

private:
    void BuildLayout();
    void ConnectHandlers();
    // Every rule that enables Next keeps it off for molar volume against temperature.
    bool NextAllowed() const;
};

inline QPointer<TfmSelect> fmSelect;
