#include "platform/Chart.h"
#include "platform/Exceptions.h"
#include "platform/Printer.h"
#include "platform/SafeFile.h"
#include "platform/TextFile.h"
#include "support/ChartChecks.h"
#include "support/Helpers.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

// While it lives, no file of this process can grow beyond `bytes`: writes past that fail as
// they do on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldSignal);
    }

private:
    rlimit m_old {};
    void (*m_oldSignal)(int) = nullptr;
};

using Save = std::function<void(const QString &path)>;

struct PageWord
{
    QString text;
    QRectF box;
};

// The words of a PDF's first page with their boxes in points, as pdftotext reads them, and the
// page's size.
QList<PageWord> PdfWords(const QString &pdf, QSizeF &page)
{
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), { "-bbox", "-f", "1", "-l", "1", pdf, "-" });
    if (!reader.waitForFinished() || reader.exitCode() != 0)
        throw std::runtime_error("pdftotext cannot read " + pdf.toStdString());
    const QString html = QString::fromUtf8(reader.readAllStandardOutput());
    const QRegularExpressionMatch size
        = QRegularExpression(R"re(<page width="([\d.]+)" height="([\d.]+)")re").match(html);
    page = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    QList<PageWord> words;
    static const QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
                                         R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (const QRegularExpressionMatch &m : word.globalMatch(html))
        words << PageWord { m.captured(5),
            QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())) };
    return words;
}

} // namespace

class SavedFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Printer::SetFileOutputOnly(true); }
    void cleanupTestCase() { Printer::SetFileOutputOnly(false); }

    void aSaveOnAFullDiskLeavesTheOldFileAndSaysWhy_data()
    {
        QTest::addColumn<Save>("save");
        QTest::newRow("text") << Save([](const QString &path) {
            TextFile::Write(path, QStringList(40, QStringLiteral("0.5\t\t9.3\t\t")));
        });
        QTest::newRow("bitmap") << Save([](const QString &path) {
            QImage picture(64, 48, QImage::Format_RGB32);
            picture.fill(Qt::white);
            SafeFile::WriteImage(path, picture, "BMP");
        });
        QTest::newRow("PDF") << Save([](const QString &path) {
            Printer::PrintPage(
                path, [](Printer::TPrinterCanvas &canvas) { canvas.TextOut(50, 50, "VIRELT 2"); });
        });
    }

    void aSaveOnAFullDiskLeavesTheOldFileAndSaysWhy()
    {
        QFETCH(Save, save);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Density of Ag-Sn.old"));
        WriteBytes(path, "the good file");
        try {
            FileSizeLimit full(100);
            save(path);
            QFAIL("no error raised");
        } catch (const EInOutError &e) {
            QVERIFY2(e.Message().startsWith("Cannot write file \"" + path + "\". "),
                qPrintable(e.Message()));
            // The system's reason, also when the disk fills in the middle of a write.
            QVERIFY2(e.Message().endsWith(qt_error_string(EFBIG)), qPrintable(e.Message()));
        }
        QCOMPARE(ReadBytes(path), QByteArray("the good file"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({ "Density of Ag-Sn.old" }));
        save(path);
        QVERIFY(ReadBytes(path).size() > 100);
    }

    void theChartIsPrintedAsADrawingOnALandscapePage()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("Density of Ag-Sn.pdf"));
        TDBChart chart(nullptr, QStringLiteral("DBChart1"));
        chart.SetTitle(QStringLiteral("Ag-Sn"));
        ShowLine(chart, { { 0, 7.3 }, { 1, 7.0 } });
        const QSize screen = chart.chart()->size().toSize();
        QCOMPARE(Printer::PrintChart(chart, true, 5, pdf).target, pdf);
        const QByteArray bytes = ReadBytes(pdf);
        // Lines and text as such, no picture of the screen.
        QVERIFY(bytes.contains("/Type /Font"));
        QVERIFY(!bytes.contains("/Subtype /Image"));
        const QRegularExpressionMatch box
            = QRegularExpression(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])").match(bytes);
        QVERIFY(box.hasMatch());
        QVERIFY(box.captured(1).toDouble() > box.captured(2).toDouble());
        QCOMPARE(chart.chart()->size().toSize(), screen);
    }

    void thePrintedLegendIsWholeOnThePageRightOfThePlot_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("ownData");
        QTest::newRow("small window") << QSize(560, 500) << QString();
        QTest::newRow("wide window") << QSize(1300, 500) << QString();
        // The smallest chart view, whose legend the long title fills to its share.
        QTest::newRow("smallest window, long title")
            << QSize(420, 380)
            << QStringLiteral("Measurements of the Institute laboratory T= 773 [K]");
    }

    // The page, not the screen, decides where the legend goes and how wide it is; afterwards
    // the screen's chart is laid out exactly as before.
    void thePrintedLegendIsWholeOnThePageRightOfThePlot()
    {
        QFETCH(QSize, screen);
        QFETCH(QString, ownData);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("Density of Ag-Sn.pdf"));
        TDBChart chart(nullptr, QStringLiteral("DBChart1"));
        chart.SetTitle(QStringLiteral("Ag-Sn"));
        chart.SetBottomAxisTitle(QStringLiteral("X Sn"));
        chart.SetLeftAxisTitle(QStringLiteral("Density[g/cm^3]"));
        ShowLine(chart, { { 0, 9.3 }, { 1, 7.0 } }, QStringLiteral("[2001Kor1] 600[K]"));
        ShowLine(chart, { { 0, 9.1 }, { 1, 6.9 } }, QStringLiteral("[2001Kor1] 773[K]"));
        QStringList legendWords = { "[2001Kor1]", "600[K]", "[2001Kor1]", "773[K]" };
        if (!ownData.isEmpty()) {
            ShowLine(chart, { { 0.2, 8.8 }, { 0.8, 7.5 } }, ownData);
            legendWords << ownData.split(u' ');
        }
        chart.resize(screen);
        QApplication::processEvents();
        const QSizeF screenChart = chart.chart()->size();
        const QRectF screenPlot = chart.chart()->plotArea();
        const QRectF screenLegend = chart.LegendRect();
        QCOMPARE(screenChart, QSizeF(screen));
        Printer::PrintChart(chart, true, 5, pdf);

        QSizeF page;
        const QList<PageWord> words = PdfWords(pdf, page);
        const QRectF inside(page.width() * 0.05 - 1, page.height() * 0.05 - 1,
            page.width() * 0.9 + 2, page.height() * 0.9 + 2);
        QStringList legend;
        qreal legendLeft = page.width();
        qreal plotRight = 0;
        for (const PageWord &w : words) {
            QVERIFY2(inside.contains(w.box), qPrintable(w.text));
            if (legendWords.contains(w.text)) {
                legend << w.text;
                legendLeft = std::min(legendLeft, w.box.left());
            } else if (QRegularExpression(R"(^[\d.,]+$)").match(w.text).hasMatch())
                plotRight = std::max(plotRight, w.box.right());
        }
        QCOMPARE(legend, legendWords);
        // The rightmost number is the last label of the bottom axis, at the plot's right edge.
        QVERIFY2(
            legendLeft > plotRight, qPrintable(QString("%1 %2").arg(legendLeft).arg(plotRight)));
        // The screen's layout comes back whole: the chart fits its view, the plot is not
        // stretched and the legend keeps the screen's room.
        QApplication::processEvents();
        QCOMPARE(chart.chart()->size(), screenChart);
        QCOMPARE(chart.chart()->plotArea(), screenPlot);
        QCOMPARE(chart.LegendRect(), screenLegend);
    }

    // A printer paints the chart scaled to its many dots per inch; the legend's text keeps the
    // size its box was laid out for.
    void thePrintedLegendHoldsItsText()
    {
        TDBChart chart(nullptr, QStringLiteral("DBChart1"));
        ShowLine(chart, { { 0, 3.5 }, { 1, 0.8 } }, QStringLiteral("[Moelwyn-Hughes] 1373[K]"));
        QVERIFY(chart.LegendVisible());
        constexpr int PrinterDpi = 300;
        const qreal scale = qreal(PrinterDpi) / chart.logicalDpiX();
        const QRectF source(chart.chart()->scenePos(), chart.chart()->size());
        QImage page((source.size() * scale).toSize(), QImage::Format_RGB32);
        page.setDotsPerMeterX(qRound(PrinterDpi / 0.0254));
        page.setDotsPerMeterY(qRound(PrinterDpi / 0.0254));
        page.fill(Qt::white);
        QPainter painter(&page);
        chart.chart()->scene()->render(&painter, QRectF(page.rect()), source);
        painter.end();
        const QRectF legend = chart.LegendRect();
        const QRect box(
            (legend.topLeft() * scale).toPoint(), (legend.bottomRight() * scale).toPoint());
        // Black is the legend's text alone; beside and above the box there is none.
        int inside = 0, outside = 0;
        for (int y = 0; y < std::min(page.height(), box.bottom() + box.height()); ++y)
            for (int x = box.left(); x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 60)
                    ++(box.adjusted(-2, -2, 2, 2).contains(x, y) ? inside : outside);
        QVERIFY(inside > 0);
        QCOMPARE(outside, 0);
    }

    void savedTextKeepsEveryLetter()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("[2003Vel1]_Density.txt"));
        TextFile::Write(
            path, { QStringLiteral("Pawe\u0142 Fima"), QStringLiteral("\u03b7 [mPa s]") });
        QCOMPARE(ReadBytes(path), QByteArray("Pawe\xc5\x82 Fima\r\n\xce\xb7 [mPa s]\r\n"));
        QCOMPARE(TextFile::Read(path),
            QStringList({ QStringLiteral("Pawe\u0142 Fima"), QStringLiteral("\u03b7 [mPa s]") }));
    }
};

VIRELT_TEST(SavedFilesTest)
#include "SavedFilesTest.moc"
