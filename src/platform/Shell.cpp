#include "platform/Shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace {

class DesktopShell : public IShellService
{
public:
    bool OpenDocument(const QString &path) override
    {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
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
