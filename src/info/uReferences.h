#pragma once

#include "platform/Forms.h"

class TfmReferences : public TForm
{
    Q_OBJECT
public:
    explicit TfmReferences(QWidget *owner = nullptr)
        : TForm(owner, QStringLiteral("fmReferences"), QStringLiteral("References"))
    {
    }
};
inline QPointer<TfmReferences> fmReferences;

class TfmAutorTRef : public TForm
{
    Q_OBJECT
public:
    explicit TfmAutorTRef(QWidget *owner = nullptr)
        : TForm(owner, QStringLiteral("fmAutorTRef"), QStringLiteral("Virelt 2"))
    {
    }
};
inline QPointer<TfmAutorTRef> fmAutorTRef;
