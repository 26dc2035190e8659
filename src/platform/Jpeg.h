#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// JPEG pictures, decoded by libjpeg.
namespace Jpeg {

// Larger pictures are refused before anything is allocated for them: the figures are scans of a
// few million pixels, and a header can claim 65000 x 65000.
inline constexpr qint64 MaxPixels = 64'000'000;

// Decodes a file. A missing, broken, truncated, too large or non-JPEG file raises EInOutError
// with a message that names the file and the fault.
QImage Load(const QString &path);

// Decodes bytes already read; `name` stands for them in the message. Grey pictures stay grey;
// colour ones, CMYK and YCCK included, come as RGB.
QImage Decode(const QByteArray &bytes, const QString &name, qint64 maxPixels = MaxPixels);

} // namespace Jpeg
