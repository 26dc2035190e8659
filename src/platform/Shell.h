#pragma once

#include <QString>

#include <memory>

// The desktop: documents open in their own programs, and processes start detached.
class IShellService
{
public:
    virtual ~IShellService() = default;
    // Returns at once; the result of the desktop's own program is not waited for.
    virtual bool OpenDocument(const QString &path) = 0;
    virtual bool StartProcess(const QString &program) = 0;
};

IShellService &Shell();
std::unique_ptr<IShellService> SetShell(std::unique_ptr<IShellService> service);
