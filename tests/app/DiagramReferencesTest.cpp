#include "app/DiagramReferences.h"
#include "platform/Exceptions.h"
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

    void eachByteIsOneCharacter()
    {
        QCOMPARE(Block("[Ag-Sn] Pawe\xb3 Fima \xe9|\n", QStringLiteral("Ag-Sn")),
            QStringList({ QStringLiteral(" Pawe\u00b3 Fima \u00e9") }));
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
