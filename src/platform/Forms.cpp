#include "platform/Forms.h"

#include "platform/Application.h"
#include "platform/Dialogs.h"

#include <QKeyEvent>
#include <QScreen>
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

void TForm::setVisible(bool visible)
{
    if (visible && !isVisible())
        if (const QScreen *s = screen()) {
            // Room for the frame the window manager adds.
            const QSize room = s->availableGeometry().size() - QSize(16, 48);
            const bool first = m_screenShare > 0 && !m_sized;
            m_sized = true;
            // Otherwise the window grows to show what its parts hold, as far as the screen allows.
            const QSize wanted = first ? room * m_screenShare : size().expandedTo(sizeHint());
            resize(wanted.boundedTo(room).expandedTo(minimumSize()));
            if (first) // centred on the screen, as the program's large windows open
                move(s->availableGeometry().center() - rect().center());
        }
    QDialog::setVisible(visible);
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
