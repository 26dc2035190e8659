#include "platform/Jpeg.h"
#include "platform/Exceptions.h"
#include "support/TestRegistry.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

QByteArray Encode(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPG", 95);
    return bytes;
}

QImage TwoColours(QImage::Format format)
{
    QImage picture(64, 48, format);
    picture.fill(Qt::white);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 32; ++x)
            picture.setPixelColor(x, y, QColor(200, 30, 30));
    return picture;
}

QByteArray EncodeProgressive(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(picture);
    return bytes;
}

// Ink of the red-and-white picture: the left half red (200, 30, 30), the right half white.
// `inverted` stores it as Adobe's programs do, 255 for no ink.
QByteArray EncodeInk(J_COLOR_SPACE space, bool adobeMarker, bool inverted)
{
    jpeg_compress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = 64;
    info.image_height = 48;
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, space);
    info.write_Adobe_marker = adobeMarker;
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    const unsigned char red[4] = { 0, 218, 218, 55 }, white[4] = { 0, 0, 0, 0 };
    std::vector<unsigned char> line(64 * 4);
    for (int x = 0; x < 64; ++x)
        for (int i = 0; i < 4; ++i) {
            const unsigned char ink = (x < 32 ? red : white)[i];
            line[size_t(x) * 4 + size_t(i)] = inverted ? 255 - ink : ink;
        }
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = line.data();
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray bytes(reinterpret_cast<const char *>(out), qsizetype(size));
    std::free(out);
    return bytes;
}

// The first frame header's size fields say `width` x `height`.
QByteArray ClaimSize(QByteArray bytes, quint16 width, quint16 height)
{
    for (qsizetype i = 0; i + 9 < bytes.size(); ++i) {
        const uchar marker = uchar(bytes[i + 1]);
        if (uchar(bytes[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            bytes[i + 5] = char(height >> 8);
            bytes[i + 6] = char(height & 0xFF);
            bytes[i + 7] = char(width >> 8);
            bytes[i + 8] = char(width & 0xFF);
            return bytes;
        }
    }
    return {};
}

void CompareRedAndWhite(const QImage &decoded)
{
    QCOMPARE(decoded.size(), QSize(64, 48));
    const QColor red = decoded.pixelColor(10, 20), white = decoded.pixelColor(50, 20);
    QVERIFY2(
        qAbs(red.red() - 200) < 12 && red.green() < 50 && red.blue() < 50, qPrintable(red.name()));
    QVERIFY2(
        white.red() > 240 && white.green() > 240 && white.blue() > 240, qPrintable(white.name()));
}

// The message of the error that decoding raises; empty when it decodes.
QString Failure(const QByteArray &bytes)
{
    try {
        Jpeg::Decode(bytes, QStringLiteral("figure.jpg"));
    } catch (const EInOutError &e) {
        return e.Message();
    }
    return {};
}

} // namespace

class JpegTest : public QObject
{
    Q_OBJECT
private slots:
    void decodesColourPictures()
    {
        const QImage decoded = Jpeg::Decode(Encode(TwoColours(QImage::Format_RGB32)), "a.jpg");
        QVERIFY(!decoded.isGrayscale());
        CompareRedAndWhite(decoded);
    }

    void cmykPicturesComeAsRgb_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CMYK") << EncodeInk(JCS_CMYK, false, false);
        QTest::newRow("Adobe CMYK") << EncodeInk(JCS_CMYK, true, true);
        QTest::newRow("YCCK") << EncodeInk(JCS_YCCK, true, true);
    }
    void cmykPicturesComeAsRgb()
    {
        QFETCH(QByteArray, bytes);
        const QImage decoded = Jpeg::Decode(bytes, "ink.jpg");
        QCOMPARE(decoded.format(), QImage::Format_RGB888);
        CompareRedAndWhite(decoded);
    }

    // libjpeg warns of a premature end where only the end marker is missing.
    void aCompletePictureWithoutItsEndMarkerIsRead()
    {
        QByteArray baseline = Encode(TwoColours(QImage::Format_RGB32));
        QVERIFY(baseline.endsWith("\xFF\xD9"));
        baseline.chop(2);
        CompareRedAndWhite(Jpeg::Decode(baseline, "a.jpg"));
        QByteArray progressive = EncodeProgressive(TwoColours(QImage::Format_RGB32));
        progressive.chop(2);
        CompareRedAndWhite(Jpeg::Decode(progressive, "p.jpg"));
        // Without its last scan the progressive picture is not all there.
        progressive.truncate(progressive.lastIndexOf("\xFF\xDA"));
        QVERIFY2(Failure(progressive).contains("Premature end"), qPrintable(Failure(progressive)));
    }

    void aPictureTooLargeIsRefusedBeforeItIsRead()
    {
        const QByteArray small = Encode(TwoColours(QImage::Format_RGB32));
        for (const QByteArray &bytes :
            { small, EncodeProgressive(TwoColours(QImage::Format_RGB32)) })
            QCOMPARE(Failure(ClaimSize(bytes, 65000, 65000)),
                QStringLiteral("The picture \"figure.jpg\" cannot be read: it has 65000 x 65000 "
                               "pixels, more than the 64 million this program shows"));
        // Below the limit it is read, and its data runs out.
        QVERIFY(Failure(ClaimSize(small, 8000, 8000)).contains("premature end of data segment"));
    }

    void decodesGreyPicturesAsGrey()
    {
        QImage grey(33, 17, QImage::Format_Grayscale8);
        grey.fill(90);
        const QImage decoded = Jpeg::Decode(Encode(grey), "g.jpg");
        QCOMPARE(decoded.format(), QImage::Format_Grayscale8);
        QCOMPARE(decoded.size(), QSize(33, 17));
        QVERIFY(qAbs(qGray(decoded.pixel(16, 8)) - 90) <= 2);
    }

    void loadsAFileAndNamesAMissingOne()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/[2001Kor1]_Ag-Sn_DX.jpg";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Encode(TwoColours(QImage::Format_RGB32)));
        file.close();
        QCOMPARE(Jpeg::Load(path).size(), QSize(64, 48));
        try {
            Jpeg::Load(dir.path() + "/none.jpg");
            QFAIL("a missing file must raise");
        } catch (const EInOutError &e) {
            QVERIFY2(e.Message().startsWith("Cannot open file \"" + dir.path() + "/none.jpg\""),
                qPrintable(e.Message()));
        }
    }

    void aTruncatedFileIsAnErrorNotAGreyPicture()
    {
        const QByteArray whole = Encode(TwoColours(QImage::Format_RGB32));
        const QString message = Failure(whole.left(whole.size() * 2 / 3));
        QVERIFY2(
            message.startsWith("The picture \"figure.jpg\" cannot be read: "), qPrintable(message));
        QVERIFY2(message.contains("Premature end"), qPrintable(message));
        // Cut inside the header: no picture at all.
        QVERIFY(!Failure(whole.left(40)).isEmpty());
    }

    void otherFilesGiveAMessage()
    {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        TwoColours(QImage::Format_RGB32).save(&buffer, "PNG");
        QVERIFY2(Failure(png).contains("Not a JPEG file"), qPrintable(Failure(png)));
        QVERIFY(!Failure(QByteArray()).isEmpty());
        QVERIFY(!Failure(QByteArray("plain text, not a picture")).isEmpty());
        // A damaged body: the picture's coded data overwritten with a marker's bytes.
        QImage busy(200, 150, QImage::Format_RGB32);
        for (int y = 0; y < busy.height(); ++y)
            for (int x = 0; x < busy.width(); ++x)
                busy.setPixel(x, y, qRgb((x * 7 + y * 3) % 256, (x * x + y) % 256, (x ^ y) % 256));
        QByteArray damaged = Encode(busy);
        QCOMPARE(Jpeg::Decode(damaged, "busy.jpg").size(), QSize(200, 150));
        for (qsizetype i = damaged.size() * 3 / 4; i < damaged.size() * 3 / 4 + 40; ++i)
            damaged[i] = char(0xFF);
        QVERIFY2(Failure(damaged).contains("Corrupt JPEG data"), qPrintable(Failure(damaged)));
    }
};

VIRELT_TEST(JpegTest)
#include "JpegTest.moc"
