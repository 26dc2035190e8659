#include "platform/Shell.h"

#include "platform/Application.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

class DesktopShell : public IShellService
{
public:
    void OpenDocument(const QString &path, const std::function<void()> &cannotOpen) override
    {
        // The desktop's opener tells by its exit code whether a program took the document;
        // Qt's own call only tells whether the opener started. The opener may run as long as
        // the program it starts, so it is watched, not waited for.
        const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (opener.isEmpty()) {
            if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
                cannotOpen();
            return;
        }
        auto *process = new QProcess(QCoreApplication::instance());
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->setStandardInputFile(QProcess::nullDevice());
        auto failed = [cannotOpen] { Application().Guard(cannotOpen); };
        QObject::connect(process, &QProcess::finished, process,
            [process, failed](int exitCode, QProcess::ExitStatus status) {
                if (status != QProcess::NormalExit || exitCode != 0)
                    failed();
                process->deleteLater();
            });
        QObject::connect(process, &QProcess::errorOccurred, process,
            [process, failed](QProcess::ProcessError e) {
                if (e != QProcess::FailedToStart)
                    return;
                failed();
                process->deleteLater();
            });
        process->start(opener, { path });
    }
    bool StartProcess(const QString &program) override
    {
        return QProcess::startDetached(program, {});
    }
};

std::unique_ptr<IShellService> &Current()
{
    static std::unique_ptr<IShellService> service = std::make_unique<DesktopShell>();
    return service;
}

} // namespace

IShellService &Shell()
{
    return *Current();
}

std::unique_ptr<IShellService> SetShell(std::unique_ptr<IShellService> service)
{
    std::swap(Current(), service);
    return service;
}
