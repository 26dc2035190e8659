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

// Asks for the section: opens the sections of the chosen system, runs the picker, then
// `openSections` (the opener of the section data). The picker is released afterwards, also
// when a step fails.
void ChooseEutectic(QWidget *owner, void (*openSections)());
