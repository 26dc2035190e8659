#pragma once

#include "platform/Forms.h"

class TfmFigers : public TForm
{
    Q_OBJECT
public:
    explicit TfmFigers(QWidget *owner = nullptr)
        : TForm(owner, QStringLiteral("fmFigers"), QStringLiteral("VIRELT 2"))
    {
    }
};
inline QPointer<TfmFigers> fmFigers;
