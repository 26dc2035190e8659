#pragma once

#include "platform/Controls.h"
#include "platform/DBControls.h"
#include "platform/Forms.h"

#include <QComboBox>
#include <QLabel>

// The figure finder: composes the coded file name of the figure asked for and shows it, or
// lists the figures that exist for the publication and system.
class TfmAutorFig : public TForm
{
    Q_OBJECT
public:
    explicit TfmAutorFig(QWidget *owner = nullptr);

    QLabel *Label1;
    QLabel *Label2;
    TDBLookupComboBox *dblAuthor;
    QComboBox *cbWlasciwosc;
    TSpeedButton *sbOK;
    TSpeedButton *sbAllData;

    void FormCreate();
    void dblAuthorClick();
    void cbWlasciwoscChange();
    // The finder operation; other windows run it without showing the finder.
    void sbOKClick();
    void sbAllDataClick();

    // The publication whose figures are looked for: the chart window's while it is open, so a
    // search from there never takes a publication chosen here earlier.
    QString AuthorText() const;

protected:
    void FormShow() override;

private:
    void FindFigure();
    void EnableOK();
};
inline QPointer<TfmAutorFig> fmAutorFig;
