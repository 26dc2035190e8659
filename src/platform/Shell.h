#pragma once

#include <QString>

#include <functional>
#include <memory>

// The desktop: documents open in their own programs, and processes start detached.
class IShellService
{
public:
    virtual ~IShellService() = default;
    // Hands the document to the desktop and returns at once, without waiting for its program.
    // `cannotOpen` runs, now or once the desktop has said so, when no program opened it.
    virtual void OpenDocument(const QString &path, const std::function<void()> &cannotOpen) = 0;
    virtual bool StartProcess(const QString &program) = 0;
};

IShellService &Shell();
std::unique_ptr<IShellService> SetShell(std::unique_ptr<IShellService> service);
