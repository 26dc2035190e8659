#pragma once

#include "platform/Forms.h"

class TfmWlasnedane : public TForm
{
    Q_OBJECT
public:
    explicit TfmWlasnedane(QWidget *owner = nullptr)
        : TForm(owner, QStringLiteral("fmWlasnedane"), QStringLiteral("Virelt 2"))
    {
    }
};
inline QPointer<TfmWlasnedane> fmWlasnedane;
