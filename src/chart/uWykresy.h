#pragma once

#include "platform/Forms.h"

// The chart and calculation window.
class TfmWykres : public TForm
{
    Q_OBJECT
public:
    explicit TfmWykres(QWidget *owner = nullptr);
};

inline QPointer<TfmWykres> fmWykres;
