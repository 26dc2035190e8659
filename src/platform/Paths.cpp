#include "platform/Paths.h"

#include <QCoreApplication>

namespace Paths {

static QString &Override()
{
    static QString folder;
    return folder;
}

QString ExeFolder()
{
    if (!Override().isEmpty())
        return Override();
    return QCoreApplication::applicationDirPath();
}

void OverrideExeFolder(const QString &folder)
{
    Override() = folder;
}

} // namespace Paths
