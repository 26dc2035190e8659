#pragma once

#include "platform/Forms.h"

class TfmDiagram : public TForm
{
    Q_OBJECT
public:
    explicit TfmDiagram(QWidget *owner = nullptr)
        : TForm(owner, QStringLiteral("fmDiagram"), QStringLiteral("Virelt 2"))
    {
    }
};
inline QPointer<TfmDiagram> fmDiagram;
