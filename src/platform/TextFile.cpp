#include "platform/TextFile.h"

#include "platform/Exceptions.h"

#include <QFile>
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
        throw EInOutError(
            QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
}

} // namespace TextFile

namespace TextFile {

QStringList Read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    return Lines(file.readAll());
}

QStringList Lines(const QByteArray &text)
{
    QList<QByteArray> raw = text.split('\n');
    if (text.isEmpty() || text.endsWith('\n'))
        raw.removeLast();
    QStringList lines;
    for (QByteArray &line : raw) {
        if (line.endsWith('\r'))
            line.chop(1);
        lines << QString::fromLatin1(line);
    }
    return lines;
}

} // namespace TextFile
