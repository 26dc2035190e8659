#pragma once

#include "platform/Controls.h"
#include "platform/DBControls.h"
#include "platform/Forms.h"

// The publications that the publications query last opened, as a grid.
class TfmReferences : public TForm
{
    Q_OBJECT
public:
    explicit TfmReferences(QWidget *owner = nullptr);

    TDBGrid *DBGrid1;
    QWidget *Panel1;
    TSpeedButton *SpeedButton3;

    void SpeedButton3Click();
};
inline QPointer<TfmReferences> fmReferences;
