#include "InfoSession.h"

#include "app/Main.h"
#include "app/Messages.h"
#include "app/uSelect.h"
#include "data/uDataModule.h"
#include "info/uAutorFig.h"
#include "info/uFigers.h"
#include "info/uMenisk.h"
#include "info/uReferences.h"
#include "info/uSkany.h"
#include "platform/Forms.h"
#include "support/Helpers.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTest>

#include <memory>

class FigureListTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<InfoSession> s;

    // The figure list as the finder prepares it for a publication of Ag-Sn.
    void PrepareFor(const QString &author, const QString &property = "Density")
    {
        s = std::make_unique<InfoSession>("Binary systems", "Ag-Sn", property);
        dmDataModule->OpenAutor();
        QVERIFY(ChooseText(fmAutorFig->dblAuthor, author));
        fmFigers->PrepareFigList();
    }
    QString AgSn(const QString &name) const { return s->Path("Fig/Binary systems/Ag-Sn/" + name); }

private slots:
    void cleanup() { s.reset(); }

    void onlyExistingKindsAreListedInTableOrder()
    {
        PrepareFor("[2025Dem5]", "Electrical properties");
        QCOMPARE(Items(fmFigers->ListBox1),
            QStringList({ "Isotherms of resistivity", "Temperature dependences of resistivity",
                "Isotherms of hardness" }));
        QCOMPARE(fmFigers->Label3->text(), QStringLiteral("[2025Dem5]"));
        QCOMPARE(fmStart->GetFigersDir(), AgSn("[2025Dem5]_Ag-Sn_"));

        for (const char *name : { "[2001Kor1]_Ag-Sn_DT.jpg", "[2001Kor1]_Ag-Sn_STX.jpg",
                 "[2001Kor1]_Ag-Sn_STXBut.jpg" })
            QVERIFY(QFile::remove(AgSn(name)));
        QVERIFY(ChooseText(fmSelect->dblWlasnosci, "Density"));
        dmDataModule->OpenAutor();
        QVERIFY(ChooseText(fmAutorFig->dblAuthor, "[2001Kor1]"));
        fmFigers->PrepareFigList();
        QCOMPARE(Items(fmFigers->ListBox1),
            QStringList({ "Isotherms of density",
                "Butler model of Temperature dependences of surface tension" }));
    }

    void showComposesThePathOfTheChosenKindAndShowsIt()
    {
        PrepareFor("[2001Kor1]");
        s->WritePicture("Fig/Binary systems/Ag-Sn/[2001Kor1]_Ag-Sn_STXBut.jpg", QSize(70, 35));
        fmFigers->PrepareFigList();
        QVERIFY(!fmFigers->sbShow->isEnabled());
        // Taking the focus, the list makes its first row current without picking it.
        fmFigers->ListBox1->selectionModel()->setCurrentIndex(
            fmFigers->ListBox1->model()->index(0, 0), QItemSelectionModel::NoUpdate);
        QVERIFY(!fmFigers->sbShow->isEnabled());
        fmFigers->ListBox1->setCurrentRow(
            Items(fmFigers->ListBox1).indexOf("Butler model of Isotherms of surface tension"));
        QVERIFY(fmFigers->sbShow->isEnabled());
        fmFigers->sbShow->click();
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmSkany" }));
        QCOMPARE(fmSkany->Image1->pixmap().size(), QSize(70, 35));
        QCOMPARE(fmStart->GetSaveDir2(), AgSn("[2001Kor1]_Ag-Sn_STXBut.jpg"));
        // The save folder stays the save folder.
        QCOMPARE(fmStart->GetSaveDir(), s->p.folder.Path() + "/Save");
        // A double click does the same.
        fmFigers->ListBox1->setCurrentRow(0);
        emit fmFigers->ListBox1->itemDoubleClicked(fmFigers->ListBox1->item(0));
        QCOMPARE(fmStart->GetSaveDir2(), AgSn("[2001Kor1]_Ag-Sn_DX.jpg"));
        QCOMPARE(s->p.modal().shownForms.size(), 2);
    }

    void everyListedCaptionOpensAFileThatExists()
    {
        s = std::make_unique<InfoSession>("Binary systems", "Ag-Sn", "Density");
        dmDataModule->OpenAutor();
        QVERIFY(ChooseText(fmAutorFig->dblAuthor, "[2001Kor1]"));
        for (const char *ending : { "VX", "VT", "MHX", "MHT", "MYMT", "ETCX" })
            s->WritePicture(QStringLiteral("Fig/Binary systems/Ag-Sn/[2001Kor1]_Ag-Sn_%1.jpg")
                                .arg(QLatin1String(ending)),
                QSize(8, 8));
        fmFigers->PrepareFigList();
        QCOMPARE(fmFigers->ListBox1->count(), 11);
        for (int row = 0; row < fmFigers->ListBox1->count(); ++row) {
            fmFigers->ListBox1->setCurrentRow(row);
            const QString path = fmFigers->ComposeSelectedFigPath();
            QVERIFY2(QFile::exists(path), qPrintable(fmFigers->ListBox1->item(row)->text()));
            QCOMPARE(fmStart->GetSaveDir2(), path);
        }
        QVERIFY(fmStart->GetSaveDir2().endsWith("_MHT.jpg"));
        // A caption that names no figure gives no path and leaves the stored one as it was.
        fmFigers->ListBox1->addItem("Isotherms of hardnes");
        fmFigers->ListBox1->setCurrentRow(fmFigers->ListBox1->count() - 1);
        QCOMPARE(fmFigers->ComposeSelectedFigPath(), QString());
        QVERIFY(fmStart->GetSaveDir2().endsWith("_MHT.jpg"));
    }

    void aCaptionThatNamesNoFigureIsNotAvailable()
    {
        PrepareFor("[2001Kor1]");
        fmFigers->ListBox1->setCurrentRow(0);
        fmFigers->sbShow->click();
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmSkany" }));
        fmFigers->ListBox1->addItem("Isotherms of densit");
        fmFigers->ListBox1->setCurrentRow(fmFigers->ListBox1->count() - 1);
        fmFigers->sbShow->click();
        // The figure shown before is not shown again.
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmSkany" }));
        QCOMPARE(s->p.dialogs().Texts("ShowMessage"), QStringList({ NotAvailable }));
    }

    void aMissingOrBrokenFigureIsReportedAndNotShown()
    {
        PrepareFor("[2001Kor1]");
        fmFigers->ListBox1->setCurrentRow(0);
        s->WriteText("Fig/Binary systems/Ag-Sn/[2001Kor1]_Ag-Sn_DX.jpg",
            QByteArray(400, 'x').prepend("\xFF\xD8\xFF\xE0"));
        fmFigers->sbShow->click();
        QVERIFY(s->p.modal().shownForms.isEmpty());
        QCOMPARE(s->p.dialogs().Texts("Exception").size(), 1);
    }

    void allDataOpensTheMeniscographicFolderWhileThatWindowExists()
    {
        PrepareFor("[2001Kor1]");
        QVERIFY(fmMenisk); // created at start
        fmFigers->SpeedButton1->click();
        QCOMPARE(fmStart->GetMeniskDir(), s->Path("Menisk/Binary systems/Ag-Sn/"));
        QCOMPARE(s->p.shell().documents,
            QStringList({ s->Path("Menisk/Binary systems/Ag-Sn/[2025Men1]_Ag-Sn_Contact or "
                                  "wetting angle_Fig1.jpg") }));
        Release(fmMenisk);
        fmFigers->SpeedButton1->click();
        QCOMPARE(fmStart->GetFigDir(), s->Path("Fig/Binary systems/Ag-Sn/"));
        QCOMPARE(s->p.shell().documents.last(), AgSn("Ag-Sn_LTModel.jpg"));
        fmFigers->sbHelp->click();
        QVERIFY(s->p.shell().documents.last().endsWith("/Database/VIRELT 2 PL.pdf"));
    }

    void theViewerShowsTheReferencesOfThePropertyAndSystem()
    {
        s = std::make_unique<InfoSession>("Binary systems", "Ag-Sn", "Viscosity");
        QVERIFY(!dmDataModule->qrAutor->Active());
        fmSkany->sbReferences->click();
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmReferences" }));
        QVERIFY(dmDataModule->qrAutor->RecordCount() > 0);
        QCOMPARE(fmReferences->DBGrid1->model()->rowCount(), dmDataModule->qrAutor->RecordCount());
        QCOMPARE(fmReferences->DBGrid1->ColumnTitles(),
            QStringList({ "REFERENCES", "AUTHORS", "TITLE", "JOURNAL", "VOL", "YEAR", "PAGES" }));
        // Every column holds its title and its longest reference whole, and none is narrower
        // than its own width.
        TDBGrid *grid = fmReferences->DBGrid1;
        const QFontMetrics cells(grid->font());
        const QFontMetrics titles(grid->horizontalHeader()->font());
        const int widths[] = { 74, 129, 338, 151, 47, 45, 65 };
        for (int c = 0; c < 7; ++c) {
            QVERIFY(grid->columnWidth(c) >= widths[c]);
            QVERIFY(grid->columnWidth(c) > titles.horizontalAdvance(grid->ColumnTitles().at(c)));
            for (int row = 0; row < grid->model()->rowCount(); ++row)
                QVERIFY2(grid->columnWidth(c) > cells.horizontalAdvance(grid->CellText(row, c)),
                    qPrintable(grid->CellText(row, c)));
        }
    }

    void thePrintedFigureIsTwiceItsSizeWithinThePage()
    {
        const QRect page(0, 0, 4800, 6600);
        QCOMPARE(TfmSkany::PrintRect(QSize(400, 300), page), QRect(50, 200, 800, 600));
        // Too large for the page: shrunk to it, keeping its shape.
        const QRect large = TfmSkany::PrintRect(QSize(4000, 1000), page);
        QCOMPARE(large.topLeft(), QPoint(50, 200));
        QVERIFY(large.right() <= page.right());
        QVERIFY(qAbs(large.width() - 4 * large.height()) <= 4);
    }

    void printingWithoutAPrinterWritesAPdfAndSaysSo()
    {
        s = std::make_unique<InfoSession>("Binary systems", "Ag-Sn", "Density");
        fmSkany->LoadPicture(s->Path("Fig/Binary systems/Ag-Sn/[2001Kor1]_Ag-Sn_DX.jpg"));
        fmSkany->sbPrint->click();
        const QString pdf = s->p.folder.Path() + "/Save/[2001Kor1]_Ag-Sn_DX.pdf";
        QVERIFY(ReadBytes(pdf).startsWith("%PDF"));
        QCOMPARE(s->p.dialogs().Texts("MessageDlg"),
            QStringList({ "No printer is set up; the page was printed to " + pdf }));
    }
};

VIRELT_TEST(FigureListTest)
#include "FigureListTest.moc"
