#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Files the user keeps: each is written beside its target under a temporary name and takes the
// target's place only once every byte is on disk. A write that fails (a full disk, a missing or
// read-only folder) raises EInOutError with the system's reason and leaves the old file as it was.
namespace SafeFile {

void Write(const QString &path, const QByteArray &bytes);
// The picture encoded in `format` ("BMP", "PNG" ...).
void WriteImage(const QString &path, const QImage &picture, const char *format);

} // namespace SafeFile
