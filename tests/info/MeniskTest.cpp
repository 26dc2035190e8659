#include "InfoSession.h"

#include "app/Main.h"
#include "app/uSelect.h"
#include "data/uDataModule.h"
#include "info/uFigers.h"
#include "info/uMenisk.h"
#include "info/uMeniskFig.h"
#include "info/uMeniskFig1.h"
#include "info/uSkany.h"
#include "support/Helpers.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// The pickers' states as a word: A author, K kind, F figure; upper case when enabled, then the
// number of entries each lists.
QString Pickers()
{
    const auto one = [](TDBLookupComboBox *c, QChar letter) {
        return (c->isEnabled() ? letter : letter.toLower()) + QString::number(c->count());
    };
    return one(fmMenisk->dblAutor, u'A') + one(fmMenisk->dblSelectMeniskFig, u'K')
        + one(fmMenisk->dblMeniskFig, u'F');
}

} // namespace

class MeniskTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<InfoSession> s;

    // The selection window's Menisc with `work` done inside the meniscographic window's run.
    void Run(const QString &system, std::function<void()> work)
    {
        s = std::make_unique<InfoSession>("Binary systems", system, QString());
        s->p.modal().Script("fmMenisk", [&](TForm &) { work(); });
        fmSelect->sbMenisk->click();
        QVERIFY(!fmMenisk); // released after its run
    }
    // Figure mode with an author, a kind and a figure chosen.
    static void ChooseFigure(const QString &author, const QString &kind, const QString &figure)
    {
        fmMenisk->chbFig->click();
        QVERIFY(ChooseText(fmMenisk->dblAutor, author));
        QVERIFY(ChooseText(fmMenisk->dblSelectMeniskFig, kind));
        QVERIFY(ChooseText(fmMenisk->dblMeniskFig, figure));
    }
    QString AgSn(const QString &name) const
    {
        return s->Path("Menisk/Binary systems/Ag-Sn/" + name);
    }

private slots:
    void cleanup() { s.reset(); }

    void tableModeShowsTheMeasurementsEvenWithoutAnAuthor()
    {
        Run("Ag-Sn", [&] {
            QVERIFY(fmMenisk->chbTable->isChecked() && !fmMenisk->chbFig->isChecked());
            QCOMPARE(Pickers(), QStringLiteral("a2k0f0"));
            QVERIFY(fmMenisk->sbFig->isEnabled());
            fmMenisk->sbFig->click();
        });
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmMenisk", "fmMeniskFig" }));
        QVERIFY(dmDataModule->qrAutor->Active());
        QCOMPARE(fmMeniskFig->dbMenisk->model()->rowCount(), 3);
        QCOMPARE(fmMeniskFig->dbMenisk->CellText(0, 0), QStringLiteral("[2025Men1]"));
        QCOMPARE(fmMeniskFig->dbMenisk->ColumnTitles(),
            QStringList({ "REFERENCES", "SYSTEM", "WETTING TIME [s]", "WETTING FORCE [mN]",
                "CONTACT ANGLES [o]", "SURFACE TENSION [mN/m]", "INTERFACIAL TENSION [mN/m]",
                "T m [K]", "TEMP [K]", "SUBSTRATE", "ATMOSPHERE", "FLUX" }));
        QCOMPARE(fmMeniskFig->dbMenisk->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(fmMeniskFig->DBGrid1->ColumnTitles(), QStringList({ "REFERENCES", "AUTHORS" }));
        QCOMPARE(fmMeniskFig->DBGrid1->model()->rowCount(), 2);
    }

    void theModeBoxesAndPickersFollowEachOther()
    {
        Run("Ag-Sn", [&] {
            fmMenisk->chbFig->click();
            QVERIFY(!fmMenisk->chbTable->isChecked());
            QCOMPARE(Pickers(), QStringLiteral("A2k0f0"));
            QVERIFY(!fmMenisk->sbFig->isEnabled());
            QVERIFY(ChooseText(fmMenisk->dblAutor, "[2025Men1]"));
            QCOMPARE(Pickers(), QStringLiteral("A2K4f0"));
            QVERIFY(fmMenisk->sbFig->isEnabled());
            QVERIFY(ChooseText(fmMenisk->dblSelectMeniskFig, "Wetting force"));
            QCOMPARE(Pickers(), QStringLiteral("A2K4F1"));
            QVERIFY(ChooseText(fmMenisk->dblMeniskFig, "Fig1"));
            QCOMPARE(fmMenisk->FigurePath(), AgSn("[2025Men1]_Ag-Sn_Wetting force_Fig1.jpg"));

            // Back to the table: the kind and figure pickers lose their lists.
            fmMenisk->chbFig->click();
            QVERIFY(fmMenisk->chbTable->isChecked());
            QCOMPARE(Pickers(), QStringLiteral("a2k0f0"));
            QVERIFY(fmMenisk->sbFig->isEnabled());
            // Unchecking the table box is figure mode; the author shown is kept.
            fmMenisk->chbTable->click();
            QVERIFY(fmMenisk->chbFig->isChecked());
            QCOMPARE(Pickers(), QStringLiteral("A2K4f0"));
            QVERIFY(!fmMenisk->sbFig->isEnabled());
            // Choosing an author in table mode changes nothing else.
            fmMenisk->chbTable->click();
            QVERIFY(ChooseText(fmMenisk->dblAutor, "[2025Men2]"));
            QCOMPARE(Pickers(), QStringLiteral("a2k0f0"));
        });
    }

    void figureModeShowsTheChosenFigure()
    {
        Run("Ag-Sn", [&] {
            s->WritePicture("Menisk/Binary systems/Ag-Sn/[2025Men1]_Ag-Sn_Wetting force_Fig1.jpg",
                QSize(30, 40));
            ChooseFigure("[2025Men1]", "Wetting force", "Fig1");
            fmMenisk->sbFig->click();
        });
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmMenisk", "fmMeniskFig1" }));
        QCOMPARE(fmMeniskFig1->Image1->pixmap().size(), QSize(30, 40));
        QCOMPARE(fmMeniskFig1->DBGrid1->DataSource(), dmDataModule->dsAutorMenisk);
    }

    void aMissingFigureOffersTheKindsThatExistAndShowsAnExistingFile()
    {
        QStringList listed, shownFile;
        Run("Ag-Sn", [&] {
            // The wetting-force figure exists under another designation than the database's.
            QVERIFY(QFile::rename(AgSn("[2025Men1]_Ag-Sn_Wetting force_Fig1.jpg"),
                AgSn("[2025Men1]_Ag-Sn_Wetting force_B2.jpg")));
            s->p.modal().Script("fmFigers", [&](TForm &) {
                listed = Items(fmFigers->ListBox1);
                QCOMPARE(fmFigers->Label3->text(), QStringLiteral("[2025Men1]"));
                fmFigers->ListBox1->setCurrentRow(1);
                fmFigers->sbShow->click();
                shownFile << fmStart->GetSaveDir2();
            });
            ChooseFigure("[2025Men1]", "Wetting time", "Fig1");
            fmMenisk->sbFig->click();
            QVERIFY(!fmFigers);
        });
        QCOMPARE(listed, QStringList({ "Contact or wetting angle", "Wetting force" }));
        QCOMPARE(shownFile, QStringList({ AgSn("[2025Men1]_Ag-Sn_Wetting force_B2.jpg") }));
        QCOMPARE(fmStart->GetMeniskDir(), AgSn({}));
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmMenisk", "fmFigers", "fmSkany" }));
        QVERIFY(s->p.dialogs().shown.empty());
    }

    void withoutKindAndFigureTheNameHasEmptyParts()
    {
        Run("Ag-Sn", [&] {
            fmMenisk->chbFig->click();
            QVERIFY(ChooseText(fmMenisk->dblAutor, "[2025Men1]"));
            QCOMPARE(fmMenisk->FigurePath(), AgSn("[2025Men1]_Ag-Sn__.jpg"));
            fmMenisk->sbFig->click();
        });
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmMenisk", "fmFigers" }));
    }

    void anAuthorWithoutFiguresHasDataInTheTableOnly()
    {
        Run("Ag-Sn", [&] {
            ChooseFigure("[2025Men2]", "Wetting force", "Fig1");
            fmMenisk->sbFig->click();
        });
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmMenisk" }));
        QCOMPARE(s->p.dialogs().Texts("ShowMessage"), QStringList({ "Data in the table only." }));
    }

    void everyShowingStartsInTableMode()
    {
        Run("Ag-Sn", [&] {
            ChooseFigure("[2025Men1]", "Wetting force", "Fig1");
            fmMenisk->hide();
            fmMenisk->show();
            QVERIFY(fmMenisk->chbTable->isChecked() && !fmMenisk->chbFig->isChecked());
            QCOMPARE(Pickers(), QStringLiteral("a2k0f0"));
        });
    }

    void allDataHelpAndExit()
    {
        Run("Sn-Zn", [&] {
            fmMenisk->chbFig->click(); // whatever the mode
            fmMenisk->SpeedButton2->click();
            fmMenisk->sbHelp->click();
            fmMenisk->SpeedButton1->click();
            QVERIFY(fmMenisk->isHidden());
        });
        QCOMPARE(s->p.shell().documents,
            QStringList({ s->Path("Menisk/Binary systems/Sn-Zn/[2025Men1]_Sn-Zn_Wetting "
                                  "time_Fig1.jpg"),
                s->Path("VIRELT 2 PL.pdf") }));
        fmMeniskFig->show();
        fmMeniskFig->sbHelp->click();
        fmMeniskFig->SpeedButton1->click();
        QVERIFY(fmMeniskFig->isHidden());
        QCOMPARE(s->p.shell().documents.size(), 3);
    }
};

VIRELT_TEST(MeniskTest)
#include "MeniskTest.moc"
