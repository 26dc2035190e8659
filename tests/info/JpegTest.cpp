#include "platform/Jpeg.h"
#include "platform/Exceptions.h"
#include "support/TestRegistry.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
        QCOMPARE(decoded.size(), QSize(64, 48));
        QVERIFY(!decoded.isGrayscale());
        const QColor red = decoded.pixelColor(10, 20), white = decoded.pixelColor(50, 20);
        QVERIFY2(qAbs(red.red() - 200) < 12 && red.green() < 50 && red.blue() < 50,
            qPrintable(red.name()));
        QVERIFY(white.red() > 240 && white.green() > 240 && white.blue() > 240);
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
