#pragma once

#include "platform/DBControls.h"
#include "platform/Forms.h"

// The selection window: system, property and mode.
class TfmSelect : public TForm
{
    Q_OBJECT
public:
    explicit TfmSelect(QWidget *owner = nullptr);

    TDBLookupComboBox *dblSelect;
};

inline QPointer<TfmSelect> fmSelect;
