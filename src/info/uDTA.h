#pragma once

#include "platform/Forms.h"

class TfmDTA : public TForm
{
    Q_OBJECT
public:
    explicit TfmDTA(QWidget *owner = nullptr)
        : TForm(owner, QStringLiteral("fmDTA"), QStringLiteral("DTA"))
    {
    }
};
inline QPointer<TfmDTA> fmDTA;
