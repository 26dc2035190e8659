#pragma once

#include "platform/Forms.h"

class TfmEut : public TForm
{
    Q_OBJECT
public:
    explicit TfmEut(QWidget *owner = nullptr)
        : TForm(owner, QStringLiteral("fmEut"), QStringLiteral("Virelt 2"))
    {
    }
};
inline QPointer<TfmEut> fmEut;
