#pragma once

#include "platform/Forms.h"

class TfmMenisk : public TForm
{
    Q_OBJECT
public:
    explicit TfmMenisk(QWidget *owner = nullptr)
        : TForm(owner, QStringLiteral("fmMenisk"), QStringLiteral("Virelt 2"))
    {
    }
};
inline QPointer<TfmMenisk> fmMenisk;

class TfmMeniskFig : public TForm
{
    Q_OBJECT
public:
    explicit TfmMeniskFig(QWidget *owner = nullptr)
        : TForm(owner, QStringLiteral("fmMeniskFig"), QStringLiteral("Virelt 2"))
    {
    }
};
inline QPointer<TfmMeniskFig> fmMeniskFig;

class TfmMeniskFig1 : public TForm
{
    Q_OBJECT
public:
    explicit TfmMeniskFig1(QWidget *owner = nullptr)
        : TForm(owner, QStringLiteral("fmMeniskFig1"), QStringLiteral("Virelt 2"))
    {
    }
};
inline QPointer<TfmMeniskFig1> fmMeniskFig1;
