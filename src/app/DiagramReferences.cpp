#include "app/DiagramReferences.h"

#include "platform/Exceptions.h"
#include "platform/TextFile.h"

#include <QFile>

namespace DiagramReferences {

QStringList Block(const QByteArray &text, const QString &system)
{
    const QString tag = u'[' + system + u']';
    QStringList entries;
    bool inBlock = false;
    for (QString line : TextFile::Lines(text)) {
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
