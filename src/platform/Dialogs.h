#pragma once

#include <QString>

#include <memory>

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Button sets of the message boxes.
enum TMsgDlgBtn { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };
inline constexpr int mbYesNoCancel = mbYes | mbNo | mbCancel;
inline constexpr int mbOKOnly = mbOK;

enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// Every message box, input box and file dialog of the program goes through this service,
// so tests can answer them from a script.
class IDialogService
{
public:
    virtual ~IDialogService() = default;
    virtual int MessageDlg(const QString &text, TMsgDlgType type, int buttons) = 0;
    // A plain message without type.
    virtual void ShowMessage(const QString &text) = 0;
    // Returns the text the user confirmed, or the default when the box was cancelled.
    virtual QString InputBox(
        const QString &caption, const QString &prompt, const QString &defaultText)
        = 0;
    // Returns the chosen path, or an empty text when cancelled.
    virtual QString OpenFileName(
        const QString &caption, const QString &folder, const QString &filter)
        = 0;
    virtual QString SaveFileName(
        const QString &caption, const QString &suggestedPath, const QString &filter)
        = 0;
    // The application's default handler shows an unhandled error this way.
    virtual void ShowException(const QString &text) = 0;
};

IDialogService &Dialogs();
// Installs a service; returns the one it replaces.
std::unique_ptr<IDialogService> SetDialogs(std::unique_ptr<IDialogService> service);

inline int MessageDlg(const QString &text, TMsgDlgType type, int buttons)
{
    return Dialogs().MessageDlg(text, type, buttons);
}
inline void ShowMessage(const QString &text)
{
    Dialogs().ShowMessage(text);
}
inline QString InputBox(const QString &caption, const QString &prompt, const QString &defaultText)
{
    return Dialogs().InputBox(caption, prompt, defaultText);
}
