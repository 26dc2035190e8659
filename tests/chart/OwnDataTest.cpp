#include "chart/uWlasnedane.h"
#include "chart/uWykresy.h"
#include "support/ChartSession.h"
#include "support/Helpers.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QTest>

class OwnDataTest : public ChartTestCase
{
    Q_OBJECT
private:
    // Opens the own-data window from the chart window's menu and runs `act` inside it.
    void RunOwnData(std::function<void()> act)
    {
        p->modal().Script("fmWlasnedane", [act](TForm &) { act(); });
        s->window->Adddata1->trigger();
    }

private slots:
    void okWaitsForTheDataTheAuthorAndTheTemperature()
    {
        Open("Binary systems", "Tb-Ta", "Density");
        RunOwnData([] {
            TfmWlasnedane *w = fmWlasnedane;
            QVERIFY(w->Memo1->toPlainText().isEmpty());
            w->edAuthor->setText("Lab A");
            w->Memo1->setPlainText("0.1;530.2");
            QVERIFY(!w->sbOK->isEnabled());
            w->edWlasneT->setText("1000");
            QVERIFY(w->sbOK->isEnabled());
            w->edAuthor->clear();
            QVERIFY(!w->sbOK->isEnabled());
        });
        fmWlasnedane->edAuthor->setText("kept");
        RunOwnData([] {
            QCOMPARE(fmWlasnedane->edAuthor->text(), QStringLiteral("kept"));
            QVERIFY(fmWlasnedane->edWlasneT->text().isEmpty());
        });
    }

    void ownIsothermIsDrawnBesideTheData()
    {
        TfmWykres *w = Open("Binary systems", "Tb-Ta", "Surface tension");
        RunOwnData([] {
            fmWlasnedane->edAuthor->setText("Lab A");
            fmWlasnedane->edWlasneT->setText("1000");
            fmWlasnedane->Memo1->setPlainText("0.1;530.2\n0.2;528.7");
            fmWlasnedane->sbOK->click();
        });
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        auto *series = dynamic_cast<TPointSeries *>(w->DBChart1->Series(0));
        QVERIFY(series);
        QCOMPARE(series->Title(), QStringLiteral("Lab A T= 1000 [K]"));
        QCOMPARE(series->PointerStyle(), TPointerStyle::psCircle);
        QCOMPARE(series->SeriesColor(), clRed);
        QCOMPARE(series->Count(), 2);
        QCOMPARE(series->XValue(1), 0.2);
        QCOMPARE(series->YValue(1), 528.7);
        QCOMPARE(w->GetLineColorNo(), 1);
    }

    void aLineThatIsNoNumberStopsTheDrawing()
    {
        TfmWykres *w = Open("Binary systems", "Tb-Ta", "Density");
        bool stillOpen = false;
        RunOwnData([&] {
            fmWlasnedane->edAuthor->setText("Lab A");
            fmWlasnedane->edWlasneT->setText("900");
            fmWlasnedane->Memo1->setPlainText("X;Density\n0.1;7.5");
            fmWlasnedane->sbOK->click();
            stillOpen = fmWlasnedane->ModalResult() == mrNone;
        });
        QVERIFY(stillOpen);
        QCOMPARE(p->dialogs().Texts("Exception"),
            QStringList({ "Can't convert dataSource data to a number in line 1: X;Density" }));
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
    }

    void savedDataLoadsBackUnchanged()
    {
        Open("Binary systems", "Tb-Ta", "Density");
        const QString path = p->folder.Path() + "/Save/own.txt";
        p->dialogs().fileAnswers << path << path;
        QString loaded;
        RunOwnData([&] {
            fmWlasnedane->Memo1->setPlainText("0.1;7.5\n0.2;7.4");
            fmWlasnedane->sbSave->click();
            fmWlasnedane->sbLoad->click();
            loaded = fmWlasnedane->Memo1->toPlainText();
        });
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("0.1;7.5\r\n0.2;7.4\r\n"));
        QCOMPARE(loaded, QStringLiteral("0.1;7.5\n0.2;7.4"));
    }

    void typedRowsStayUnlessAFileIsRead()
    {
        Open("Binary systems", "Tb-Ta", "Density");
        const QString bom = p->folder.Path() + "/Save/bom.txt";
        const QString tooLong = p->folder.Path() + "/Save/long.txt";
        WriteBytes(bom, QByteArray("\xef\xbb\xbf") + "0.1;7.5\r\n");
        WriteBytes(tooLong, "0.1;7.5\n" + QByteArray(100000, '1') + "\n");
        // 72 KB of lines that end in CR alone, as older Macs wrote them, then the other ends.
        const QString mac = p->folder.Path() + "/Save/mac.txt";
        WriteBytes(mac, QByteArray("0.1;7.5\r").repeated(9000) + "0.2;7.4\r\n\r0.3;7.3\n0.4;7.2");
        const QString kept = p->folder.Path() + "/Save/kept.txt";
        p->dialogs().fileAnswers << QString() << kept << tooLong << bom << mac;
        QStringList shown;
        RunOwnData([&] {
            fmWlasnedane->Memo1->setPlainText("0.3;7.2\n0.4;7.1");
            fmWlasnedane->sbLoad->click(); // cancelled
            fmWlasnedane->sbSave->click();
            for (int i = 0; i < 3; ++i) {
                fmWlasnedane->sbLoad->click();
                shown << fmWlasnedane->Memo1->toPlainText();
            }
        });
        QCOMPARE(ReadBytes(kept), QByteArray("0.3;7.2\r\n0.4;7.1\r\n"));
        QCOMPARE(shown,
            QStringList({ "0.3;7.2\n0.4;7.1", "0.1;7.5",
                QString("0.1;7.5\n").repeated(9000) + "0.2;7.4\n\n0.3;7.3\n0.4;7.2" }));
        QCOMPARE(p->dialogs().Texts("Exception"),
            QStringList({ "Cannot load file \"" + tooLong
                + "\". Line 2 is longer than 64 KB; no line of this kind of file is so long." }));
    }
};

VIRELT_TEST(OwnDataTest)
#include "OwnDataTest.moc"
