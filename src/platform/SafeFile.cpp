#include "platform/SafeFile.h"

#include "platform/Exceptions.h"

#include <QBuffer>
#include <QImageWriter>
#include <QSaveFile>

namespace SafeFile {

void Write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered, so a full disk fails the write itself: a buffer that fails to flush at commit
    // would otherwise go unnoticed and an empty file replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw EInOutError(
            QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
    const auto fail = [&] {
        throw EInOutError(
            QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
    };
    // A disk that fills up takes part of a write without a word; writing the rest then fails
    // with the system's reason.
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            fail();
        written += n;
    }
    if (file.error() != QFileDevice::NoError || !file.commit())
        fail();
}

void WriteImage(const QString &path, const QImage &picture, const char *format)
{
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, format);
    if (!writer.write(picture))
        throw EInOutError(
            QStringLiteral("Cannot create file \"%1\". %2").arg(path, writer.errorString()));
    Write(path, encoded.data());
}

} // namespace SafeFile
