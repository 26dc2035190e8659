#pragma once

#include "platform/Forms.h"

class TfmAutorFig : public TForm
{
    Q_OBJECT
public:
    explicit TfmAutorFig(QWidget *owner = nullptr)
        : TForm(owner, QStringLiteral("fmAutorFig"), QStringLiteral("Virelt 2"))
    {
    }

    // The figure finder's OK; the search itself comes with the figure windows.
    void sbOKClick() { }
};
inline QPointer<TfmAutorFig> fmAutorFig;
