#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// JPEG pictures, decoded by libjpeg.
namespace Jpeg {

// Decodes a file. A missing, broken, truncated or non-JPEG file raises EInOutError with a
// message that names the file and the fault.
QImage Load(const QString &path);

// Decodes bytes already read; `name` stands for them in the message.
QImage Decode(const QByteArray &bytes, const QString &name);

} // namespace Jpeg
