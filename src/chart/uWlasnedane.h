#pragma once

#include "platform/Controls.h"
#include "platform/Forms.h"

#include <QLineEdit>
#include <QPlainTextEdit>

// The own-data window: numbers typed or loaded from a text file, drawn beside the database data.
class TfmWlasnedane : public TForm
{
    Q_OBJECT
public:
    explicit TfmWlasnedane(QWidget *owner = nullptr);

    QPlainTextEdit *Memo1;
    QLineEdit *edAuthor;
    QLineEdit *edWlasneT;
    TSpeedButton *sbOK;
    TSpeedButton *sbLoad;
    TSpeedButton *sbSave;
    TSpeedButton *sbHelp;
    TSpeedButton *sbBack;
    TSpeedButton *sbExit;

    void Memo1Change();
    void edWlasneTChange();
    void sbLoadClick();
    void sbSaveClick();
    void sbOKClick();
    void sbBackClick();
    void sbExitClick();
    void sbHelpClick();

protected:
    void FormShow() override;
};

inline QPointer<TfmWlasnedane> fmWlasnedane;
