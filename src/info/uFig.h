#pragma once

#include "platform/Controls.h"
#include "platform/DBControls.h"
#include "platform/Forms.h"

#include <QLabel>

// The section picker: the section of a ternary or higher system whose figure is looked for.
class TfmFig : public TForm
{
    Q_OBJECT
public:
    explicit TfmFig(QWidget *owner = nullptr);

    QLabel *lblFig;
    TDBLookupComboBox *dblFig;
    TSpeedButton *sbOK;

    void FormCreate();
    void sbOKClick();
    // The section the picker shows, also when it was closed without OK.
    QString GetFigName() const { return dblFig->Text(); }

protected:
    void FormShow() override;
};
inline QPointer<TfmFig> fmFig;
