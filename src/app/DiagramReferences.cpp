#include "app/DiagramReferences.h"

#include "platform/TextFile.h"

namespace DiagramReferences {

namespace {

QStringList BlockOfLines(const QStringList &lines, const QString &system)
{
    const QString tag = u'[' + system + u']';
    QStringList entries;
    bool inBlock = false;
    for (QString line : lines) {
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

} // namespace

QStringList Block(const QByteArray &text, const QString &system)
{
    return BlockOfLines(TextFile::Lines(text), system);
}

QStringList ReadBlock(const QString &path, const QString &system)
{
    return BlockOfLines(TextFile::Read(path), system);
}

} // namespace DiagramReferences
