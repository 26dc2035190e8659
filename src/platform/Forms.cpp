#include "platform/Forms.h"

#include "platform/Application.h"
#include "platform/Dialogs.h"

#include <QKeyEvent>
#include <QShowEvent>

TForm::TForm(QWidget *owner, const QString &name, const QString &caption)
    : QDialog(owner)
{
    setObjectName(name);
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

int TForm::ShowModal()
{
    m_modalResult = mrNone;
    return ModalRunner::Run(*this);
}

void TForm::Close()
{
    done(mrCancel);
}

void TForm::SetModalResult(int result)
{
    m_modalResult = result;
    if (result != mrNone)
        QDialog::done(result);
}

void TForm::done(int result)
{
    if (m_modalResult == mrNone)
        m_modalResult = result;
    QDialog::done(result);
}

void TForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Application().Guard([this] { FormShow(); });
}

void TForm::keyPressEvent(QKeyEvent *event)
{
    // The program's windows close by their own buttons, never by Esc.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

namespace ModalRunner {

static Runner &Current()
{
    static Runner runner;
    return runner;
}

Runner Set(Runner runner)
{
    std::swap(Current(), runner);
    return runner;
}

int Run(TForm &form)
{
    if (Current())
        return Current()(form);
    form.exec();
    return form.ModalResult();
}

} // namespace ModalRunner
