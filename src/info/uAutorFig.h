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
    // Finds and shows the figure of the chosen publication.
    void sbOKClick() {}
};
inline QPointer<TfmAutorFig> fmAutorFig;
