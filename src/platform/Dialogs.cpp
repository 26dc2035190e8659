#include "platform/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QWidget *ActiveWindow()
{
    return QApplication::activeWindow();
}

class QtDialogService : public IDialogService
{
public:
    int MessageDlg(const QString &text, TMsgDlgType type, int buttons) override
    {
        QMessageBox box(ActiveWindow());
        box.setWindowTitle(Title(type));
        box.setText(text);
        box.setIcon(Icon(type));
        QMessageBox::StandardButtons standard;
        if (buttons & mbYes)
            standard |= QMessageBox::Yes;
        if (buttons & mbNo)
            standard |= QMessageBox::No;
        if (buttons & mbOK)
            standard |= QMessageBox::Ok;
        if (buttons & mbCancel)
            standard |= QMessageBox::Cancel;
        box.setStandardButtons(standard);
        switch (box.exec()) {
        case QMessageBox::Yes:
            return mrYes;
        case QMessageBox::No:
            return mrNo;
        case QMessageBox::Ok:
            return mrOk;
        default:
            return mrCancel;
        }
    }

    void ShowMessage(const QString &text) override
    {
        QMessageBox box(ActiveWindow());
        box.setWindowTitle(QStringLiteral("VIRELT 2"));
        box.setText(text);
        box.exec();
    }

    QString InputBox(
        const QString &caption, const QString &prompt, const QString &defaultText) override
    {
        bool ok = false;
        const QString answer = QInputDialog::getText(
            ActiveWindow(), caption, prompt, QLineEdit::Normal, defaultText, &ok);
        return ok ? answer : defaultText;
    }

    QString OpenFileName(
        const QString &caption, const QString &folder, const QString &filter) override
    {
        return QFileDialog::getOpenFileName(ActiveWindow(), caption, folder, filter);
    }

    QString SaveFileName(
        const QString &caption, const QString &suggestedPath, const QString &filter) override
    {
        return QFileDialog::getSaveFileName(ActiveWindow(), caption, suggestedPath, filter);
    }

    void ShowException(const QString &text) override
    {
        QMessageBox::critical(ActiveWindow(), QStringLiteral("VIRELT 2"), text);
    }

private:
    static QString Title(TMsgDlgType type)
    {
        switch (type) {
        case mtWarning:
            return QStringLiteral("Warning");
        case mtError:
            return QStringLiteral("Error");
        case mtInformation:
            return QStringLiteral("Information");
        case mtConfirmation:
            return QStringLiteral("Confirm");
        case mtCustom:
            break;
        }
        return QStringLiteral("VIRELT 2");
    }

    static QMessageBox::Icon Icon(TMsgDlgType type)
    {
        switch (type) {
        case mtWarning:
            return QMessageBox::Warning;
        case mtError:
            return QMessageBox::Critical;
        case mtInformation:
            return QMessageBox::Information;
        case mtConfirmation:
            return QMessageBox::Question;
        case mtCustom:
            break;
        }
        return QMessageBox::NoIcon;
    }
};

std::unique_ptr<IDialogService> &Current()
{
    static std::unique_ptr<IDialogService> service = std::make_unique<QtDialogService>();
    return service;
}

} // namespace

IDialogService &Dialogs()
{
    return *Current();
}

std::unique_ptr<IDialogService> SetDialogs(std::unique_ptr<IDialogService> service)
{
    std::swap(Current(), service);
    return service;
}
