#pragma once

#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "platform/Shell.h"

#include <QQueue>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <vector>

// Records every message and answers from queues, instead of showing a box.
class RecordingDialogs : public IDialogService
{
public:
    struct Shown
    {
        QString kind; // "MessageDlg", "ShowMessage", "InputBox", "Exception", "Open", "Save"
        QString text;
        int type = -1;
        int buttons = 0;
    };

    std::vector<Shown> shown;
    QQueue<int> answers;          // MessageDlg results; empty: mrOk for OK-only, else mrCancel
    QQueue<QString> inputAnswers; // InputBox results; empty: the default text
    QQueue<QString> fileAnswers;  // open/save dialogs; empty: cancelled

    int MessageDlg(const QString &text, TMsgDlgType type, int buttons) override;
    void ShowMessage(const QString &text) override;
    QString InputBox(const QString &caption, const QString &prompt,
                     const QString &defaultText) override;
    QString OpenFileName(const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString SaveFileName(const QString &caption, const QString &suggestedPath,
                         const QString &filter) override;
    void ShowException(const QString &text) override;

    QStringList Texts() const;
    QStringList Texts(const QString &kind) const;
    void Clear() { shown.clear(); }
};

class RecordingShell : public IShellService
{
public:
    QStringList documents;
    QStringList processes;
    bool startSucceeds = true;
    bool documentsOpen = true; // false: a desktop with no program for the documents

    void OpenDocument(const QString &path, const std::function<void()> &cannotOpen) override;
    bool StartProcess(const QString &program) override;
};

// Runs a form "modally" without blocking: shows it, runs the scripted action queued for its
// object name (if any), hides it and returns its modal result.
class ScriptedModalRunner
{
public:
    using Action = std::function<void(TForm &)>;
    void Script(const QString &formName, Action action) { m_actions[formName].enqueue(action); }
    QStringList shownForms;
    int Run(TForm &form);

private:
    std::map<QString, QQueue<Action>> m_actions;
};
