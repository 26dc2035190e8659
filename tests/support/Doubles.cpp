#include "support/Doubles.h"

int RecordingDialogs::MessageDlg(const QString &text, TMsgDlgType type, int buttons)
{
    shown.push_back({ QStringLiteral("MessageDlg"), text, type, buttons });
    if (!answers.isEmpty())
        return answers.dequeue();
    return buttons == mbOKOnly ? int(mrOk) : int(mrCancel);
}

void RecordingDialogs::ShowMessage(const QString &text)
{
    shown.push_back({ QStringLiteral("ShowMessage"), text });
}

QString RecordingDialogs::InputBox(const QString &caption, const QString &prompt,
                                   const QString &defaultText)
{
    shown.push_back({ QStringLiteral("InputBox"), caption + u'|' + prompt + u'|' + defaultText });
    return inputAnswers.isEmpty() ? defaultText : inputAnswers.dequeue();
}

QString RecordingDialogs::OpenFileName(const QString &caption, const QString &folder,
                                       const QString &)
{
    shown.push_back({ QStringLiteral("Open"), caption + u'|' + folder });
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

QString RecordingDialogs::SaveFileName(const QString &caption, const QString &suggestedPath,
                                       const QString &)
{
    shown.push_back({ QStringLiteral("Save"), caption + u'|' + suggestedPath });
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

void RecordingDialogs::ShowException(const QString &text)
{
    shown.push_back({ QStringLiteral("Exception"), text });
}

QStringList RecordingDialogs::Texts() const
{
    QStringList texts;
    for (const Shown &s : shown)
        texts << s.text;
    return texts;
}

QStringList RecordingDialogs::Texts(const QString &kind) const
{
    QStringList texts;
    for (const Shown &s : shown)
        if (s.kind == kind)
            texts << s.text;
    return texts;
}

void RecordingShell::OpenDocument(const QString &path, const std::function<void()> &cannotOpen)
{
    documents << path;
    if (!documentsOpen)
        cannotOpen();
}

bool RecordingShell::StartProcess(const QString &program)
{
    processes << program;
    return startSucceeds;
}

int ScriptedModalRunner::Run(TForm &form)
{
    shownForms << form.objectName();
    form.show();
    auto it = m_actions.find(form.objectName());
    if (it != m_actions.end() && !it->second.isEmpty())
        it->second.dequeue()(form);
    form.hide();
    return form.ModalResult();
}
