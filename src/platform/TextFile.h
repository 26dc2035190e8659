#pragma once

#include <QString>
#include <QStringList>

// Text files of the program: 8-bit (characters outside Latin-1 become "?"), CR LF line ends,
// written in one go; a file that cannot be created raises EInOutError.
namespace TextFile {

void Write(const QString &path, const QStringList &lines);

} // namespace TextFile
