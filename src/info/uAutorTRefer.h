#pragma once

#include "platform/Controls.h"
#include "platform/DBControls.h"
#include "platform/Forms.h"

#include <QLabel>

// A second references window over the system's author list. No window opens it.
class TfmAutorTRef : public TForm
{
    Q_OBJECT
public:
    explicit TfmAutorTRef(QWidget *owner = nullptr);

    QLabel *Panel1;
    TDBGrid *DBGrid1;
    QWidget *Panel2;
    TSpeedButton *sbOK;

    void sbOKClick();
};
inline QPointer<TfmAutorTRef> fmAutorTRef;
