#include "app/DiagramReferences.h"
#include "platform/Exceptions.h"
#include "platform/TextFile.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using DiagramReferences::Block;

class DiagramReferencesTest : public QObject
{
    Q_OBJECT
private slots:
    void textAroundTheTagAndAfterTheBarIsDropped()
    {
        QCOMPARE(
            Block("x [Ag-Sn] first|tail\n", QStringLiteral("Ag-Sn")), QStringList({ " first" }));
    }

    void aBlockRunsOverLinesUpToTheFirstBar()
    {
        const QByteArray text = "intro\r\n"
                                "[Bi-Sn] other|\r\n"
                                "[Ag-Sn]\r\n"
                                "1. Author A, Journal 1\r\n"
                                "\r\n"
                                "2. Author B|ignored\r\n"
                                "outside\r\n";
        QCOMPARE(Block(text, QStringLiteral("Ag-Sn")),
            QStringList({ "", "1. Author A, Journal 1", "", "2. Author B" }));
        QCOMPARE(Block(text, QStringLiteral("Bi-Sn")), QStringList({ " other" }));
    }

    void anOpenBlockRunsToTheEndAndATrailingLineEndAddsNothing()
    {
        QCOMPARE(Block("[Ag-Sn] a\nb\n", QStringLiteral("Ag-Sn")), QStringList({ " a", "b" }));
        QCOMPARE(Block("[Ag-Sn] a\nb", QStringLiteral("Ag-Sn")), QStringList({ " a", "b" }));
    }

    void aTagInTwoPlacesGivesBothBlocksInFileOrder()
    {
        const QByteArray text = "[Ag-Sn] one|\n[Bi-Sn] x|\nlater [Ag-Sn] two\nthree|\n";
        QCOMPARE(Block(text, QStringLiteral("Ag-Sn")), QStringList({ " one", " two", "three" }));
    }

    void theTagIsMatchedExactly()
    {
        const QByteArray text = "[ag-sn] lower|\n[Ag-Sn-Cu] longer|\n[Ag-Cu-Sn] mine|\n";
        QVERIFY(Block(text, QStringLiteral("Ag-Sn")).isEmpty());
        QCOMPARE(Block(text, QStringLiteral("Ag-Cu-Sn")), QStringList({ " mine" }));
        QVERIFY(Block("", QStringLiteral("Ag-Sn")).isEmpty());
    }

    void utf8AndTheOlder8BitFilesKeepTheirLetters_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("entry");
        QTest::newRow("UTF-8") << QByteArray("[Ag-Sn] Pawe\xc5\x82 Fima \xc3\xa9|\n")
                               << QStringLiteral(" Pawe\u0142 Fima \u00e9");
        QTest::newRow("Windows-1250") << QByteArray("[Ag-Sn] Pawe\xb3 Fima \xe9|\n")
                                      << QStringLiteral(" Pawe\u0142 Fima \u00e9");
        QTest::newRow("UTF-8 with an 8-bit line") << QByteArray("[Ag-Sn] \xc5\x81\xc3\xb3")
                + "d\xc5\xba\n\x8c\xb9\xe6|\n" << QStringLiteral(" \u0141\u00f3d\u017a");
        QTest::newRow("byte-order mark")
            << QByteArray("\xef\xbb\xbf[Ag-Sn] a|\n") << QStringLiteral(" a");
    }

    void utf8AndTheOlder8BitFilesKeepTheirLetters()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, entry);
        QCOMPARE(Block(text, QStringLiteral("Ag-Sn")).value(0), entry);
        QCOMPARE(Block(text + "[Bi-Sn] \x8c\xb9\xe6 \xc5\x9b|", QStringLiteral("Bi-Sn")),
            QStringList({ QStringLiteral(" \u015a\u0105\u0107 \u015b") }));
    }

    void aLineBeyondAnyReferenceIsRefusedByItsNumber()
    {
        const QByteArray text = "[Ag-Sn] a\n" + QByteArray(TextFile::MaxLineBytes, 'x') + "\n"
            + QByteArray(TextFile::MaxLineBytes + 1, 'x') + "|\n";
        try {
            Block(text, QStringLiteral("Ag-Sn"));
            QFAIL("no error raised");
        } catch (const EInOutError &e) {
            QCOMPARE(e.Message(),
                QStringLiteral(
                    "Line 3 is longer than 64 KB; no line of this kind of file is so long."));
        }
    }

    void aFileIsReadAndAMissingOneRaisesAnIoError()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("References.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Ag-Sn] a|\n");
        file.close();
        QCOMPARE(
            DiagramReferences::ReadBlock(path, QStringLiteral("Ag-Sn")), QStringList({ " a" }));
        QVERIFY(file.remove());
        try {
            DiagramReferences::ReadBlock(path, QStringLiteral("Ag-Sn"));
            QFAIL("no error raised");
        } catch (const EInOutError &e) {
            QVERIFY(e.Message().contains(path));
        }
    }
};

VIRELT_TEST(DiagramReferencesTest)
#include "DiagramReferencesTest.moc"
