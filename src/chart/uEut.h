#pragma once

#include "platform/Controls.h"
#include "platform/DBControls.h"
#include "platform/Forms.h"

#include <QLabel>

// The eutectic picker: the section along which a ternary or higher system is shown.
class TfmEut : public TForm
{
    Q_OBJECT
public:
    explicit TfmEut(QWidget *owner = nullptr);

    QLabel *lblEut;
    TDBLookupComboBox *dblEut;
    TSpeedButton *sbOK;

    void FormCreate();
    void sbOKClick();

protected:
    void FormShow() override;
};

inline QPointer<TfmEut> fmEut;

class TfmWykres;

// Asks for the section of a tab of the chart window (1: the isotherm tab or the first
// temperature tab, 2: the second): opens the sections of the chosen system, runs the picker,
// keeps the choice for the tab, then opens the tab's section data. The picker is released
// afterwards, also when a step fails. A system without sections gets the not-available message
// instead, and the result is false.
bool ChooseEutectic(TfmWykres *window, int tab);
