#pragma once

#include <QString>
#include <QStringList>

// Text files of the program: 8-bit (characters outside Latin-1 become "?"), CR LF line ends,
// written in one go; a file that cannot be created raises EInOutError.
namespace TextFile {

void Write(const QString &path, const QStringList &lines);
// The lines of 8-bit text, one character a byte, ended by LF or CR LF; a final line end does not
// start another line.
QStringList Lines(const QByteArray &text);
// The lines of an 8-bit text file with CR LF or LF line ends; a missing or unreadable file
// raises EInOutError.
QStringList Read(const QString &path);

} // namespace TextFile
