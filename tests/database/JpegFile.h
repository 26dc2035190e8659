#pragma once

#include <QSize>
#include <QString>

// Decodes a JPEG file with libjpeg, as the program does; an invalid size means the file does
// not decode, and error receives libjpeg's message.
QSize DecodeJpeg(const QString &path, QString *error);
