#pragma once

#include "platform/Forms.h"

class TfmFig : public TForm
{
    Q_OBJECT
public:
    explicit TfmFig(QWidget *owner = nullptr)
        : TForm(owner, QStringLiteral("fmFig"), QStringLiteral("Virelt 2"))
    {
    }
};
inline QPointer<TfmFig> fmFig;
