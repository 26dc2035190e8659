#pragma once

#include "platform/Controls.h"
#include "platform/DBControls.h"
#include "platform/Forms.h"

#include <QLabel>

// The table of DTA measurements: solidus and liquidus of numbered alloys with their composition.
class TfmDTA : public TForm
{
    Q_OBJECT
public:
    explicit TfmDTA(QWidget *owner = nullptr);

    QWidget *Panel1;
    QLabel *Label1;
    QLabel *lbltytul;
    TDBGrid *dbDTA;
    QWidget *Panel2;
    TSpeedButton *sbHelp;
    TSpeedButton *SpeedButton3;

    void sbHelpClick();
    void SpeedButton3Click();

protected:
    void FormShow() override;
};
inline QPointer<TfmDTA> fmDTA;
