#include "platform/TextFile.h"

#include "platform/Exceptions.h"
#include "platform/SafeFile.h"

#include <QFile>

#include <algorithm>

namespace TextFile {

namespace {

// Windows-1250 from 0x80 up; the five unassigned bytes keep their own code, as Windows reads them.
constexpr char16_t Windows1250[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, //
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, //
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, //
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, //
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, //
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, //
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, //
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, //
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, //
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, //
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, //
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, //
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, //
};

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

bool Continuation(uchar b)
{
    return (b & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence that starts at `i`, or 0 where none does: overlong
// forms, surrogates and code points beyond U+10FFFF are not valid.
int SequenceLength(QByteArrayView bytes, qsizetype i)
{
    const uchar lead = uchar(bytes[i]);
    int length = 0;
    uchar low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    const uchar second = uchar(bytes[i + 1]);
    if (second < low || second > high)
        return 0;
    for (int k = 2; k < length; ++k)
        if (!Continuation(uchar(bytes[i + k])))
            return 0;
    return length;
}

// UTF-8 text, each byte outside valid UTF-8 taken as Windows-1250.
QString Decode(QByteArrayView bytes)
{
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    QString text;
    text.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const uchar b = uchar(bytes[i]);
        if (b < 0x80) {
            text += QChar(b);
            ++i;
        } else if (const int length = SequenceLength(bytes, i)) {
            text += QString::fromUtf8(bytes.sliced(i, length));
            i += length;
        } else {
            text += QChar(Windows1250[b - 0x80]);
            ++i;
        }
    }
    return text;
}

} // namespace

void Write(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    SafeFile::Write(path, bytes);
}

QStringList Lines(const QByteArray &text)
{
    QByteArrayView rest(text);
    if (rest.startsWith(ByteOrderMark))
        rest = rest.sliced(ByteOrderMark.size());
    QStringList lines;
    while (!rest.isEmpty()) {
        // A line ends in LF, CR LF or, as older Macs wrote it, CR alone.
        const qsizetype end = std::find_if(rest.begin(), rest.end(), [](char c) {
            return c == '\n' || c == '\r';
        }) - rest.begin();
        qsizetype next = std::min(end + 1, rest.size());
        if (end + 1 < rest.size() && rest[end] == '\r' && rest[end + 1] == '\n')
            ++next;
        if (end > MaxLineBytes)
            throw EInOutError(QStringLiteral("Line %1 is longer than %2 KB; no line of this kind "
                                             "of file is so long.")
                                  .arg(lines.size() + 1)
                                  .arg(MaxLineBytes / 1024));
        lines << Decode(rest.first(end));
        rest = rest.sliced(next);
    }
    return lines;
}

QStringList Read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EInOutError(
            QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString()));
    try {
        return Lines(text);
    } catch (const EInOutError &e) {
        throw EInOutError(QStringLiteral("Cannot load file \"%1\". %2").arg(path, e.Message()));
    }
}

} // namespace TextFile
