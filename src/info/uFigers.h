#pragma once

#include "platform/Controls.h"
#include "platform/Forms.h"

#include <QLabel>
#include <QListWidget>

// The figure list: the figures that exist for a publication and system, or the meniscographic
// figures of an author and system. The chosen one opens in the viewer.
class TfmFigers : public TForm
{
    Q_OBJECT
public:
    explicit TfmFigers(QWidget *owner = nullptr);

    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QListWidget *ListBox1;
    TSpeedButton *sbShow;
    TSpeedButton *sbClose;
    TSpeedButton *SpeedButton1;
    TSpeedButton *sbHelp;

    // Fills the list with the figure kinds whose file exists for the publication and system.
    void PrepareFigList();
    // Fills the list with the meniscographic kinds of which any figure exists for the author.
    void PrepareMeniskList();
    // The path of the chosen figure, also handed to the main window; empty for a caption that
    // names no figure, which leaves the path stored before.
    QString ComposeSelectedFigPath();

    void ListBox1Click();
    void sbShowClick();
    void sbShowDblClick();
    void SpeedButton1Click();
    void sbCloseClick();
    void sbHelpClick();

private:
    void FillFigList();
    void FillMeniskList();
};
inline QPointer<TfmFigers> fmFigers;
