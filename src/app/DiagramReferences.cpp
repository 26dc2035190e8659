#include "app/DiagramReferences.h"

#include "platform/Exceptions.h"

#include <QFile>

namespace DiagramReferences {

namespace {

// Lines ended by LF or CR LF; a final line end does not start another line.
QStringList Lines(const QByteArray &text)
{
    QList<QByteArray> raw = text.split('\n');
    if (text.endsWith('\n'))
        raw.removeLast();
    QStringList lines;
    for (QByteArray &line : raw) {
        if (line.endsWith('\r'))
            line.chop(1);
        // One character a byte: the file comes from an 8-bit code page.
        lines << QString::fromLatin1(line);
    }
    return lines;
}

} // namespace

QStringList Block(const QByteArray &text, const QString &system)
{
    const QString tag = u'[' + system + u']';
    QStringList entries;
    bool inBlock = false;
    for (QString line : Lines(text)) {
        const int p = line.indexOf(tag);
        if (p >= 0) {
            inBlock = true;
            line = line.mid(p + tag.size());
        }
        const int q = line.indexOf(u'|');
        if (q >= 0)
            line.truncate(q);
        if (inBlock)
            entries << line;
        if (q >= 0)
            inBlock = false;
    }
    return entries;
}

QStringList ReadBlock(const QString &path, const QString &system)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Cannot read the phase-diagram references \"%1\": %2")
                              .arg(path, file.errorString()));
    return Block(file.readAll(), system);
}

} // namespace DiagramReferences
