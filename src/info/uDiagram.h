#pragma once

#include "platform/Controls.h"
#include "platform/Forms.h"

#include <QLabel>
#include <QListWidget>

// The phase diagram of the chosen system with its references below it.
class TfmDiagram : public TForm
{
    Q_OBJECT
public:
    explicit TfmDiagram(QWidget *owner = nullptr);

    // The picture, stretched over the space above the references.
    QLabel *Image1;
    QListWidget *ListBox1;
    QWidget *Panel1;
    TSpeedButton *sbPrint;
    TSpeedButton *sbExit;

    void sbPrintClick();
    void sbExitClick();

    // The printed picture, in printer pixels: from (20, 100), or lower where the title
    // (`titleHeight` high from TitleTop) would reach it; scaled from the screen's resolution to
    // the printer's (a whole factor, at least 1); shrunk, keeping its shape, to end within the
    // page `referencesHeight` above its bottom.
    static QRect PrintRect(QSize picture, int printerPixelsPerInch, int screenPixelsPerInch,
        const QRect &page, int titleHeight, int referencesHeight);
    // Where the printed title begins, from the top of the page.
    static constexpr int TitleTop = 10;
};
inline QPointer<TfmDiagram> fmDiagram;
