#pragma once

#include "platform/Controls.h"
#include "platform/DBControls.h"
#include "platform/Forms.h"

#include <QCheckBox>
#include <QLabel>

// Meniscographic studies of the chosen system, shown as the table of measurements or, in figure
// mode, as the figure of an author, kind and designation.
class TfmMenisk : public TForm
{
    Q_OBJECT
public:
    explicit TfmMenisk(QWidget *owner = nullptr);

    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Image1;
    QCheckBox *chbTable;
    QCheckBox *chbFig;
    TDBLookupComboBox *dblAutor;
    TDBLookupComboBox *dblSelectMeniskFig;
    TDBLookupComboBox *dblMeniskFig;
    TSpeedButton *sbFig;
    TSpeedButton *sbHelp;
    TSpeedButton *SpeedButton1;
    TSpeedButton *SpeedButton2;

    void FormCreate();
    void chbTableClick();
    void chbFigClick();
    void dblAutorClick();
    void dblSelectMeniskFigClick();
    void dblMeniskFigClick();
    void sbFigClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void sbHelpClick();

    // The figure file named by the three pickers' texts.
    QString FigurePath() const;

protected:
    void FormShow() override;

private:
    void BuildLayout();
    void SetKindFields();
};
inline QPointer<TfmMenisk> fmMenisk;
