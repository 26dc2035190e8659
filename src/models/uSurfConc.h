#pragma once

#include "platform/Forms.h"

class TfmSurfConc : public TForm
{
    Q_OBJECT
public:
    explicit TfmSurfConc(QWidget *owner = nullptr)
        : TForm(owner, QStringLiteral("fmSurfConc"), QStringLiteral("Virelt 2"))
    {
    }
};
inline QPointer<TfmSurfConc> fmSurfConc;
