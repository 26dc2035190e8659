#include "InfoSession.h"

#include "app/Main.h"
#include "app/uSelect.h"
#include "data/uDataModule.h"
#include "info/uDTA.h"
#include "info/uDiagram.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QFontInfo>
#include <QHeaderView>
#include <QTest>

#include <memory>

class DtaDiagramTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<InfoSession> s;

private slots:
    void cleanup() { s.reset(); }

    void theDtaTableShowsEveryAlloyWithItsColumns()
    {
        s = std::make_unique<InfoSession>("Binary systems", "Ag-Sn", "Density");
        s->p.modal().Script("fmDTA", [&](TForm &) {
            QCOMPARE(fmDTA->windowTitle(), QStringLiteral("DTA"));
            QCOMPARE(fmDTA->Label1->text(), QStringLiteral("VIRELT 2"));
            QCOMPARE(fmDTA->lbltytul->text(),
                QStringLiteral("Temperature (Solidus, Liquidus) [K]            Elemental "
                               "Composition (% by Mass)   "));
            QCOMPARE(fmDTA->Panel1->height(), 65);
            QCOMPARE(fmDTA->Panel2->height(), 45);
            QCOMPARE(fmDTA->palette().color(QPalette::Window), ToQColor(clNavy));
            QCOMPARE(fmDTA->Panel1->palette().color(QPalette::Window), ToQColor(clMoneyGreen));
            TDBGrid *grid = fmDTA->dbDTA;
            QCOMPARE(grid->ColumnTitles(),
                QStringList({ "Alloy Number", "Solidus", "Liquidus", "Ag", "Al", "Au", "Bi", "Cu",
                    "In", "Li", "Sb", "Sn", "Zn" }));
            QVERIFY(grid->columnWidth(0) >= 95);
            // At least their own widths, wider where the title font asks for it.
            QVERIFY(grid->columnWidth(1) >= 60);
            QVERIFY(grid->columnWidth(12) >= 40);
            QCOMPARE(grid->model()->rowCount(), 7);
            QCOMPARE(grid->CellText(0, 0), QStringLiteral("Demo 1 (Sn-3.5Ag)"));
            QCOMPARE(grid->CellText(0, 1), QStringLiteral("494,15"));
            QCOMPARE(grid->CellText(0, 11), QStringLiteral("96,5"));
            QCOMPARE(grid->CellText(5, 8), QStringLiteral("52")); // the "In" column
            QCOMPARE(grid->palette().color(QPalette::Base), ToQColor(clMoneyGreen));
            QCOMPARE(grid->horizontalHeader()->font().pixelSize(), 16);
            QVERIFY(grid->horizontalHeader()->font().bold());
            QCOMPARE(grid->font().pixelSize(), 13);
            QVERIFY(grid->styleSheet().contains(ToQColor(clSilver).name()));
            QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
            fmDTA->sbHelp->click();
            fmDTA->SpeedButton3->click();
            QVERIFY(fmDTA->isHidden());
        });
        fmSelect->MainMenu1.DTA1->trigger();
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmDTA" }));
        QVERIFY(!fmDTA);
        QCOMPARE(s->p.shell().documents, QStringList({ s->Path("VIRELT 2 PL.pdf") }));
        // Made again for the next run, owned by the window that opens it.
        QObject *owner = nullptr;
        int rows = 0;
        s->p.modal().Script("fmDTA", [&](TForm &f) {
            owner = f.parent();
            rows = fmDTA->dbDTA->model()->rowCount();
        });
        fmSelect->MainMenu1.DTA1->trigger();
        QCOMPARE(owner, fmSelect.data());
        QCOMPARE(rows, 7);
        QVERIFY(!fmDTA);
    }

    void theDiagramPrintsScaledFromTheScreenToThePrinter()
    {
        const QRect page(0, 0, 4800, 6600);
        QCOMPARE(TfmDiagram::PrintRect(QSize(500, 400), 300, 96, page, 50, 0),
            QRect(20, 100, 1500, 1200));
        QCOMPARE(
            TfmDiagram::PrintRect(QSize(500, 400), 600, 96, page, 50, 0).size(), QSize(3000, 2400));
        // A printer coarser than the screen prints the picture at its own size, never empty.
        QCOMPARE(
            TfmDiagram::PrintRect(QSize(500, 400), 72, 96, page, 20, 0), QRect(20, 100, 500, 400));
        // A picture larger than the page is shrunk into it, keeping its shape.
        const QRect large = TfmDiagram::PrintRect(QSize(1000, 500), 1200, 96, page, 50, 0);
        QCOMPARE(large.topLeft(), QPoint(20, 100));
        QVERIFY(large.right() <= page.right());
        QVERIFY(qAbs(large.width() - 2 * large.height()) <= 2);
    }

    void thePrintedDiagramLeavesRoomForItsTitleAndReferences()
    {
        const QRect page(0, 0, 4792, 6851);
        // An 18-point title at 600 dpi is 150 pixels high: the picture starts below it.
        QCOMPARE(TfmDiagram::PrintRect(QSize(640, 480), 600, 96, page, 150, 400),
            QRect(20, 160, 3840, 2880));
        // A tall picture gives way to the references below it, keeping its shape.
        const QRect tall = TfmDiagram::PrintRect(QSize(700, 1000), 600, 96, page, 150, 900);
        QCOMPARE(tall.top(), 160);
        QVERIFY(tall.bottom() <= page.bottom() - 900 && tall.bottom() >= page.bottom() - 902);
        QVERIFY(qAbs(tall.width() * 1000 - tall.height() * 700) <= 1000);
    }

    void theDiagramWindowPrintsToAPdfWithoutAPrinter()
    {
        s = std::make_unique<InfoSession>("Binary systems", "Ag-Sn", "Density");
        QStringList references;
        s->p.modal().Script("fmDiagram", [&](TForm &) {
            QCOMPARE(fmDiagram->windowTitle(), QStringLiteral("Virelt 2"));
            QCOMPARE(fmDiagram->size(), QSize(598, 625));
            QCOMPARE(fmDiagram->ListBox1->height(), 45);
            QCOMPARE(fmDiagram->Panel1->height(), 44);
            QVERIFY(fmDiagram->sbPrint->x() < fmDiagram->sbExit->x());
            for (int i = 0; i < fmDiagram->ListBox1->count(); ++i)
                references << fmDiagram->ListBox1->item(i)->text();
            fmDiagram->sbPrint->click();
            fmDiagram->sbExit->click();
            QVERIFY(fmDiagram->isHidden());
        });
        fmSelect->sbPhaseDiagram->click();
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmDiagram" }));
        QVERIFY(!references.isEmpty());
        QCOMPARE(fmDiagram->Image1->pixmap().size(), QSize(640, 480));
        const QString pdf = s->p.folder.Path() + "/Save/Phase diagram of Ag-Sn.pdf";
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF"));
        QCOMPARE(s->p.dialogs().Texts("MessageDlg"),
            QStringList({ "No printer is set up; the page was printed to " + pdf }));
    }

    void anUnreadableDiagramIsReportedAndNotShown()
    {
        s = std::make_unique<InfoSession>("Binary systems", "Bi-Sn", "Density");
        const QString path = s->WriteText("Diagram/Binary systems/Bi-Sn.jpg", "GIF89a....");
        fmSelect->sbPhaseDiagram->click();
        QVERIFY(s->p.modal().shownForms.isEmpty());
        const QStringList errors = s->p.dialogs().Texts("Exception");
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].startsWith("The picture \"" + path + "\" cannot be read: "),
            qPrintable(errors[0]));
    }
};

VIRELT_TEST(DtaDiagramTest)
#include "DtaDiagramTest.moc"
