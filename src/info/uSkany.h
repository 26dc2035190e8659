#pragma once

#include "platform/Forms.h"

class TfmSkany : public TForm
{
    Q_OBJECT
public:
    explicit TfmSkany(QWidget *owner = nullptr)
        : TForm(owner, QStringLiteral("fmSkany"), QStringLiteral("Virelt 2"))
    {
    }
};
inline QPointer<TfmSkany> fmSkany;
