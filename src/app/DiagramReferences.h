#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The phase-diagram reference file: text as TextFile reads it (UTF-8, or the 8-bit files of the
// older tools), one entry a line. A system's block starts after its tag "[" + system + "]" and
// ends before the first "|"; a tag found twice gives two blocks.
namespace DiagramReferences {

// The block entries of `system` in `text`, in file order; a line beyond TextFile::MaxLineBytes
// raises EInOutError.
QStringList Block(const QByteArray &text, const QString &system);

// The same read from a file; a file that cannot be read raises EInOutError.
QStringList ReadBlock(const QString &path, const QString &system);

} // namespace DiagramReferences
