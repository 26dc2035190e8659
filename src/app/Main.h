#pragma once

#include "app/MainMenu.h"
#include "platform/Controls.h"
#include "platform/DBControls.h"
#include "platform/Forms.h"

#include <QLabel>

// The main window: the category choice, the road to the selection window, and the path
// operations every other window uses.
class TfmStart : public TForm
{
    Q_OBJECT
public:
    explicit TfmStart(QWidget *owner = nullptr);

    TDBLookupComboBox *dblSelectSystem;
    TSpeedButton *sbOK;
    TSpeedButton *sbExit;
    TTimer *Timer1;
    TMainMenu MainMenu1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label6;

    void Timer1Timer();
    void sbOKClick();
    void sbExitClick();
    void LitFormClick();
    void AcessDatabase1Click();
    void NISTdatabase2Click();

    QString GetSaveDir() const { return FSaveDir; }
    void SetSaveDir(const QString &dir) { FSaveDir = dir; }
    // The figure list passes the chosen figure file through this pair; it has its own field
    // so that the save folder stays the save folder.
    QString GetSaveDir2() const { return FSaveDir2; }
    void SetSaveDir2(const QString &path) { FSaveDir2 = path; }
    QString GetFigDir() const { return FFigDir; }
    void SetFigDir(const QString &dir) { FFigDir = dir; }
    QString GetFigersDir() const { return FFigersDir; }
    void SetFigersDir(const QString &dir) { FFigersDir = dir; }
    QString GetMeniskDir() const { return FMeniskDir; }
    void SetMeniskDir(const QString &dir) { FMeniskDir = dir; }

    // The DTA window owned by `owner`, created for one modal run and released after it.
    void ShowDTA(QWidget *owner);

    void InitSaveDir();
    void OpenHelpPdf();
    void OpenFigFolder();
    void OpenMeniskFolder();
    void RestartApplication();

protected:
    void FormShow() override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The system chosen in the selection window, if it is open.
    QString ChosenSystem() const;
    // Opens the first "*.jpg" of the folder; returns false when the folder holds none.
    bool OpenFirstPicture(const QString &folder);
    // Hands a document to the desktop; where it is missing or no program opens it, a message
    // names it and where it lies, so the user can open it by hand.
    void OpenDocument(const QString &path);

    QString FSaveDir;
    QString FSaveDir2;
    QString FFigDir;
    QString FFigersDir;
    QString FMeniskDir;
};

inline QPointer<TfmStart> fmStart;

