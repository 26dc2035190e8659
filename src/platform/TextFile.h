#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text files of the program: UTF-8 with CR LF line ends. Files of the older 8-bit tools read
// as well: a byte that is not part of valid UTF-8 is a Windows-1250 character.
namespace TextFile {

// No line of the program's files comes near this many bytes; a longer one is refused unread,
// since laying it out would freeze the window that shows it.
inline constexpr qsizetype MaxLineBytes = 64 * 1024;

// Writes the lines safely (see SafeFile); a file that cannot be written raises EInOutError.
void Write(const QString &path, const QStringList &lines);
// The lines of a text, ended by LF, CR LF or CR, without a leading UTF-8 byte-order mark; a final
// line end does not start another line. A line longer than MaxLineBytes raises EInOutError
// naming its number.
QStringList Lines(const QByteArray &text);
// The lines of a text file; a missing, unreadable or over-long file raises EInOutError.
QStringList Read(const QString &path);

} // namespace TextFile
