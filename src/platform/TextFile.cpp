#include "platform/TextFile.h"

#include "platform/Exceptions.h"

#include <QSaveFile>

namespace TextFile {

void Write(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        for (QChar c : line)
            bytes += c.unicode() < 256 ? char(c.unicode()) : '?';
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EInOutError(QStringLiteral("Cannot create file \"%1\". %2")
                              .arg(path, file.errorString()));
}

} // namespace TextFile
