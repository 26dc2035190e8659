#pragma once

#include "platform/DBControls.h"
#include "platform/Forms.h"

#include <QCheckBox>

// The selection window: system, property and mode.
class TfmSelect : public TForm
{
    Q_OBJECT
public:
    explicit TfmSelect(QWidget *owner = nullptr);

    TDBLookupComboBox *dblSelect;
    TDBLookupComboBox *dblWlasnosci;
    QCheckBox *chbTemp;
    QCheckBox *chbX;
    QCheckBox *chbButler;
    QCheckBox *chbIsosurface;
};

inline QPointer<TfmSelect> fmSelect;
