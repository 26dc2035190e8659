#include "app/Main.h"
#include "app/Messages.h"
#include "app/uSelect.h"
#include "chart/uWykresy.h"
#include "data/uDataModule.h"
#include "info/uAutorFig.h"
#include "info/uDTA.h"
#include "info/uDiagram.h"
#include "info/uMenisk.h"
#include "platform/Application.h"
#include "platform/Paths.h"
#include "support/Fixture.h"
#include "support/Helpers.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <map>
#include <memory>

namespace {

// The mode boxes as a word: X isotherms, T temperature, B model, I isosurface; lower case when
// unchecked, "-" after a hidden box.
QString Modes()
{
    const auto one = [](QCheckBox *box, QChar letter) {
        QString s = box->isChecked() ? letter : letter.toLower();
        return box->isHidden() ? s + u'-' : s;
    };
    return one(fmSelect->chbX, u'X') + one(fmSelect->chbTemp, u'T') + one(fmSelect->chbButler, u'B')
        + one(fmSelect->chbIsosurface, u'I');
}

bool NextOn()
{
    return fmSelect->SpeedButton1->isEnabled();
}

} // namespace

class SelectWindowTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<ProgramFixture> p;

    // What the main window's OK does before the selection window's modal run.
    void Open(const QString &category)
    {
        QVERIFY(ChooseText(fmStart->dblSelectSystem, category));
        dmDataModule->OpenTabUkl();
        fmSelect->show();
    }
    void Choose(const QString &system, const QString &property)
    {
        if (!system.isEmpty())
            QVERIFY(ChooseText(fmSelect->dblSelect, system));
        if (!property.isEmpty())
            QVERIFY(ChooseText(fmSelect->dblWlasnosci, property));
    }
    void Sql(const QString &statement)
    {
        {
            QSqlDatabase db
                = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-rows"));
            db.setDatabaseName(Paths::DatabaseFile(p->folder.DatabasePath()));
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY2(q.exec(statement), qPrintable(statement));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("test-rows"));
    }
    QString DiagramFolder() const { return p->folder.DatabasePath() + QStringLiteral("/Diagram"); }
    void WriteDiagram(const QString &category, const QString &system,
        const QString &extension = QStringLiteral(".jpg"))
    {
        QVERIFY(QDir().mkpath(DiagramFolder() + u'/' + category));
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(DiagramFolder() + u'/' + category + u'/' + system + extension, "JPG"));
    }
    void WriteReferences(const QByteArray &text)
    {
        QVERIFY(QDir().mkpath(DiagramFolder()));
        QFile file(DiagramFolder() + QStringLiteral("/References.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

private slots:
    void init() { p = std::make_unique<ProgramFixture>(); }
    void cleanup() { p.reset(); }

    void startsWithIsothermsAndNothingChosen()
    {
        Open(QStringLiteral("Binary systems"));
        QCOMPARE(fmSelect->windowTitle(), QStringLiteral("Virelt 2"));
        QCOMPARE(fmSelect->Label1->text(), QStringLiteral("SELECT SYSTEM"));
        QCOMPARE(fmSelect->Label2->text(), QStringLiteral("SELECT PROPERTIES"));
        QCOMPARE(fmSelect->dblSelect->Text(), QString());
        QCOMPARE(fmSelect->dblWlasnosci->Text(), QString());
        QCOMPARE(fmSelect->dblSelect->count(), dmDataModule->qrTabUkl->RecordCount());
        QVERIFY(fmSelect->dblSelect->findText(QStringLiteral("Ag-Sn")) >= 0);
        QVERIFY(fmSelect->dblSelect->findText(QStringLiteral("Ag-Cu-Sn")) < 0);
        QCOMPARE(Modes(), QStringLiteral("Xtbi-"));
        QCOMPARE(fmSelect->chbButler->text(), QStringLiteral("Model"));
        QVERIFY(!NextOn());
        QVERIFY(fmSelect->SpeedButton2->isEnabled() && fmSelect->SpeedButton3->isEnabled());
        QVERIFY(fmSelect->sbHelp->isEnabled() && fmSelect->SpeedButton6->isEnabled());
        QVERIFY(!fmSelect->SpeedButton5->isEnabled());
        QVERIFY(!fmSelect->sbPhaseDiagram->isEnabled() && !fmSelect->sbMenisk->isEnabled());
        QVERIFY(!fmSelect->sbSolid->isEnabled());
        QCOMPARE(fmSelect->sbMenisk->toolTip(), QStringLiteral("Meniscographic measurements"));
        QVERIFY(fmSelect->Timer1->Enabled() && fmSelect->Timer2->Enabled());
        QCOMPARE(fmSelect->Timer1->interval(), 10);
        QCOMPARE(fmSelect->DBGrid1->ColumnTitles(),
            QStringList({ "METAL", "ATOMIC WEIGHT", "MELTING POINT [K]", "BOILING POINT [K]",
                "CRYSTAL STRUCTURE", "COVALENT RADIUS [nm]", "ATOMIC RADIUS [nm]" }));
        QCOMPARE(fmSelect->DBGrid1->columnWidth(5), 130);
        QVERIFY(!fmSelect->DBGrid1->DataSource());
    }

    void nextAndFigWaitForBothChoices()
    {
        Open(QStringLiteral("Binary systems"));
        Choose({}, QStringLiteral("Density"));
        QVERIFY(NextOn()); // the property handler alone would let it through
        fmSelect->Timer1Timer();
        QVERIFY(!NextOn());
        QVERIFY(!fmSelect->SpeedButton6->isEnabled());
        QVERIFY(fmSelect->Timer1->Enabled());
        Choose(QStringLiteral("Ag-Sn"), {});
        emit fmSelect->Timer1->timeout({});
        QVERIFY(NextOn());
        QVERIFY(fmSelect->SpeedButton6->isEnabled());
        QVERIFY(!fmSelect->Timer1->Enabled());
    }

    void theCompletingTickKeepsNextOffForMolarVolumeAgainstTemperature()
    {
        Open(QStringLiteral("Binary systems"));
        Choose({}, QStringLiteral("Molar volume"));
        fmSelect->chbTemp->click();
        Choose(QStringLiteral("Ag-Sn"), {});
        fmSelect->Timer1Timer();
        QVERIFY(!NextOn());
        QVERIFY(fmSelect->SpeedButton6->isEnabled());
        QVERIFY(!fmSelect->Timer1->Enabled());
    }

    // Steps: X, T, B or I click that box as a user does; "=name" chooses a property and
    // "@name" a system. The result is the mode word (see Modes) and whether Next is on.
    void modeCascade_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("modes");
        QTest::addColumn<bool>("next");
        const QString binary = QStringLiteral("Binary systems");
        const QString ternary = QStringLiteral("Ternary systems");
        const auto row = [&](const char *name, const QString &category, const char *start,
                             const char *steps, const char *modes, bool next) {
            QTest::newRow(name) << category << QString::fromLatin1(start)
                                << QString::fromLatin1(steps) << QString::fromLatin1(modes) << next;
        };
        row("temperature", binary, "Ag-Sn=Density", "T", "xTbi-", true);
        row("unticked isotherms give temperature", binary, "Ag-Sn=Density", "X", "xTbi-", true);
        row("unticked temperature gives isotherms", binary, "Ag-Sn=Density", "T T", "Xtbi-", true);
        row("molar volume against temperature", binary, "Ag-Sn=Molar volume", "T", "xTbi-", false);
        row("another system keeps it off", binary, "Ag-Sn=Molar volume", "T @Bi-Sn", "xTbi-",
            false);
        row("isotherms of molar volume", binary, "Ag-Sn=Molar volume", "T X", "Xtbi-", true);
        row("density against temperature", binary, "Ag-Sn=Molar volume", "T =Density", "xTbi-",
            true);
        row("model with isotherms", binary, "Ag-Sn=Viscosity", "B", "XtBi", true);
        row("model with temperature", binary, "Ag-Sn=Viscosity", "B T", "xTBi", true);
        row("model off", binary, "Ag-Sn=Viscosity", "B T B", "Xtbi-", true);
        row("density drops the model", binary, "Ag-Sn=Surface tension", "B T =Density", "Xtbi-",
            true);
        row("isosurface", ternary, "Ag-Cu-Sn=Surface tension", "I", "xtBI", false);
        row("isosurface off", ternary, "Ag-Cu-Sn=Surface tension", "I I", "Xtbi", true);
        row("isosurface from temperature", ternary, "Ag-Cu-Sn=Surface tension", "T I", "xtBI",
            false);
        row("temperature ends isosurface", ternary, "Ag-Cu-Sn=Surface tension", "T I T", "Xtbi",
            true);
        row("isotherms end isosurface", ternary, "Ag-Cu-Sn=Surface tension", "I X", "Xtbi", true);
        row("model off ends isosurface", ternary, "Ag-Cu-Sn=Surface tension", "I B", "Xtbi", true);
        row("viscosity hides isosurface", ternary, "Ag-Cu-Sn=Surface tension", "=Viscosity",
            "Xtbi-", true);
    }

    void modeCascade()
    {
        QFETCH(QString, category);
        QFETCH(QString, start);
        QFETCH(QString, steps);
        Open(category);
        const QStringList systemAndProperty = start.split(u'=');
        Choose(systemAndProperty[0], systemAndProperty[1]);
        const std::map<QChar, QCheckBox *> boxes
            = { { u'X', fmSelect->chbX }, { u'T', fmSelect->chbTemp },
                  { u'B', fmSelect->chbButler }, { u'I', fmSelect->chbIsosurface } };
        for (const QString &step : steps.split(u' ')) {
            if (step.startsWith(u'='))
                Choose({}, step.mid(1));
            else if (step.startsWith(u'@'))
                Choose(step.mid(1), {});
            else
                boxes.at(step[0])->click();
        }
        QTEST(Modes(), "modes");
        QTEST(NextOn(), "next");
    }

    void theModelBoxIsForSurfaceTensionAndViscosityOnly()
    {
        Open(QStringLiteral("Binary systems"));
        fmSelect->Timer2Timer();
        QVERIFY(!fmSelect->chbButler->isEnabled());
        QVERIFY(fmSelect->Timer2->Enabled());
        Choose(QStringLiteral("Ag-Sn"), QStringLiteral("Viscosity"));
        QVERIFY(fmSelect->chbButler->isEnabled());
        QCOMPARE(fmSelect->chbButler->text(), QStringLiteral("Model"));
        fmSelect->Timer2Timer();
        QVERIFY(!fmSelect->Timer2->Enabled());
        Choose({}, QStringLiteral("Surface tension"));
        QCOMPARE(fmSelect->chbButler->text(), QStringLiteral("Butler model"));
        QCOMPARE(Modes(), QStringLiteral("Xtbi-")); // no isosurface for a binary system
        Choose({}, QStringLiteral("Electrical properties"));
        QVERIFY(!fmSelect->chbButler->isEnabled());
        QCOMPARE(fmSelect->chbButler->text(), QStringLiteral("Model"));
    }

    void showingTheWindowSetsTheIsosurfaceBoxByCategoryAndProperty()
    {
        QVERIFY(ChooseText(fmStart->dblSelectSystem, QStringLiteral("Quaternary systems")));
        dmDataModule->OpenTabUkl();
        Choose(QStringLiteral("Ag-Bi-Cu-Sn"), QStringLiteral("Surface tension"));
        fmSelect->DBGrid1->SetDataSource(dmDataModule->dsPierwiastki);
        fmSelect->SpeedButton1->setEnabled(false);
        fmSelect->show();
        QCOMPARE(Modes(), QStringLiteral("Xtbi"));
        QVERIFY(!fmSelect->DBGrid1->DataSource());
        QVERIFY(NextOn());
        fmSelect->hide();
        Choose({}, QStringLiteral("Density"));
        fmSelect->show();
        QCOMPARE(Modes(), QStringLiteral("Xtbi-"));
    }

    void theCategoryDecidesBetweenMetalDataAndDiagrams()
    {
        Open(QStringLiteral("Pure metals"));
        Choose(QStringLiteral("Sn"), {});
        QVERIFY(fmSelect->SpeedButton5->isEnabled());
        QVERIFY(!fmSelect->sbPhaseDiagram->isEnabled() && !fmSelect->sbMenisk->isEnabled());
        fmSelect->hide();
        Open(QStringLiteral("Binary systems"));
        Choose(QStringLiteral("Bi-Sn"), {});
        QVERIFY(!fmSelect->SpeedButton5->isEnabled());
        QVERIFY(fmSelect->sbPhaseDiagram->isEnabled() && fmSelect->sbMenisk->isEnabled());
    }

    void nextShowsAChartWindowOwnedByTheSelectionAndReleasesIt()
    {
        Open(QStringLiteral("Binary systems"));
        Choose(QStringLiteral("Ag-Sn"), QStringLiteral("Density"));
        QVERIFY(fmMenisk);
        QObject *owner = nullptr;
        bool meniskGone = false;
        p->modal().Script(QStringLiteral("fmWykres"), [&](TForm &) {
            owner = fmWykres->parent();
            meniskGone = !fmMenisk;
        });
        fmSelect->SpeedButton1->click();
        QCOMPARE(p->modal().shownForms, QStringList({ "fmWykres" }));
        QCOMPARE(owner, fmSelect.data());
        QVERIFY(meniskGone);
        QVERIFY2(p->dialogs().shown.empty(), qPrintable(p->dialogs().Texts().join("; ")));
        QVERIFY(!fmWykres);
        QVERIFY(dmDataModule->qrAutor->Active() && dmDataModule->qrAutor1->Active());
        QCOMPARE(dmDataModule->qrX->FieldByName(QStringLiteral("XP")).AsString(),
            QStringLiteral("X Sn"));
        fmSelect->SpeedButton1->click();
        QCOMPARE(p->modal().shownForms.size(), 2); // a fresh chart window each time
    }

    void aFailureInNextStillReleasesTheChartWindow()
    {
        Open(QStringLiteral("Binary systems"));
        Choose(QStringLiteral("Ag-Sn"), QStringLiteral("Density"));
        dmDataModule->qrTabUkl->Close();
        fmSelect->SpeedButton1->click();
        QVERIFY(!fmWykres);
        QVERIFY(p->modal().shownForms.isEmpty());
        QCOMPARE(p->dialogs().Texts(QStringLiteral("Exception")).size(), 1);
    }

    void showFillsTheMetalGridAndBackEmptiesIt()
    {
        Sql(QStringLiteral("INSERT OR REPLACE INTO PIERWIASTKI SELECT ID_TAB_UKL, 118.71, 505.08, "
                           "2875, 'tetragonal', 0.139, 0.145 FROM TAB_UKL WHERE OZNACZENIE = 'Sn'"));
        Open(QStringLiteral("Pure metals"));
        Choose(QStringLiteral("Sn"), {});
        fmSelect->SpeedButton5->click();
        QCOMPARE(fmSelect->DBGrid1->DataSource(), dmDataModule->dsPierwiastki);
        QCOMPARE(fmSelect->DBGrid1->model()->rowCount(), 1);
        QCOMPARE(fmSelect->DBGrid1->CellText(0, 0), QStringLiteral("Sn"));
        QCOMPARE(fmSelect->DBGrid1->CellText(0, 4), QStringLiteral("tetragonal"));
        QCOMPARE(fmSelect->DBGrid1->model()->index(0, 2).data(Qt::TextAlignmentRole).toInt()
                & Qt::AlignHorizontal_Mask,
            int(Qt::AlignHCenter));
        fmSelect->SpeedButton2->click();
        QVERIFY(!fmSelect->DBGrid1->DataSource());
        QVERIFY(!fmSelect->isVisible());
        QVERIFY(!Application().Terminated());
    }

    void phaseDiagramShowsThePictureWithItsReferences()
    {
        WriteDiagram(QStringLiteral("Binary systems"), QStringLiteral("Ag-Sn"));
        WriteReferences("[Ag-Sn] 1. First reference\r\n2. Second|\r\n[Bi-Sn] other|\r\n");
        Open(QStringLiteral("Binary systems"));
        Choose(QStringLiteral("Ag-Sn"), {});
        fmDiagram->ListBox1->addItem(QStringLiteral("left over"));
        fmSelect->sbPhaseDiagram->click();
        QCOMPARE(p->modal().shownForms, QStringList({ "fmDiagram" }));
        QCOMPARE(fmDiagram->Image1->pixmap().size(), QSize(40, 30));
        QStringList items;
        for (int i = 0; i < fmDiagram->ListBox1->count(); ++i)
            items << fmDiagram->ListBox1->item(i)->text();
        QCOMPARE(items, QStringList({ " 1. First reference", "2. Second" }));
        QVERIFY(fmDiagram); // the instance created at start stays
        QVERIFY(p->dialogs().shown.empty());
    }

    // The diagram is found as figures are: its name in any case, never a folder.
    void theDiagramsNameMayDifferInCase()
    {
        QFile::remove(DiagramFolder() + QStringLiteral("/Binary systems/Ag-Sn.jpg"));
        WriteDiagram(QStringLiteral("Binary systems"), QStringLiteral("AG-SN"), ".JPG");
        WriteReferences("[Ag-Sn] x|\n");
        Open(QStringLiteral("Binary systems"));
        Choose(QStringLiteral("Ag-Sn"), {});
        fmSelect->sbPhaseDiagram->click();
        QCOMPARE(p->modal().shownForms, QStringList({ "fmDiagram" }));
        QCOMPARE(fmDiagram->Image1->pixmap().size(), QSize(40, 30));
        QVERIFY(p->dialogs().shown.empty());
    }

    void aMissingDiagramIsNotAvailable()
    {
        WriteReferences("[Bi-Sn] x|\n");
        QFile::remove(DiagramFolder() + QStringLiteral("/Binary systems/Bi-Sn.jpg"));
        QVERIFY(QDir().mkpath(DiagramFolder() + QStringLiteral("/Binary systems/Bi-Sn.jpg")));
        Open(QStringLiteral("Binary systems"));
        Choose(QStringLiteral("Bi-Sn"), {});
        fmSelect->sbPhaseDiagram->click();
        QCOMPARE(p->dialogs().Texts(QStringLiteral("ShowMessage")), QStringList({ NotAvailable }));
        QVERIFY(p->modal().shownForms.isEmpty());
    }

    void missingReferencesRaiseAnErrorAndTheDiagramIsNotShown()
    {
        WriteDiagram(QStringLiteral("Binary systems"), QStringLiteral("Bi-Sn"));
        QFile::remove(DiagramFolder() + QStringLiteral("/References.txt"));
        Open(QStringLiteral("Binary systems"));
        Choose(QStringLiteral("Bi-Sn"), {});
        fmSelect->sbPhaseDiagram->click();
        const QStringList errors = p->dialogs().Texts(QStringLiteral("Exception"));
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors[0].contains(QStringLiteral("References.txt")));
        QVERIFY(p->modal().shownForms.isEmpty());
        QCOMPARE(fmDiagram->ListBox1->count(), 0);
    }

    void figRunsTheFinderDirectlyForViscosityModels()
    {
        Open(QStringLiteral("Binary systems"));
        Choose(QStringLiteral("Ag-Sn"), QStringLiteral("Viscosity"));
        fmSelect->SpeedButton6->click();
        QCOMPARE(p->modal().shownForms, QStringList({ "fmAutorFig" }));
        QVERIFY(dmDataModule->qrAutor->Active());
        fmSelect->chbButler->click();
        fmSelect->SpeedButton6->click(); // the model's figure, named by the system, shows at once
        QCOMPARE(p->modal().shownForms, QStringList({ "fmAutorFig", "fmSkany" }));
        Choose({}, QStringLiteral("Surface tension"));
        QVERIFY(fmSelect->chbButler->isChecked()); // the model stays, the property changed
        fmSelect->SpeedButton6->click();
        QCOMPARE(p->modal().shownForms, QStringList({ "fmAutorFig", "fmSkany", "fmAutorFig" }));
        QVERIFY(fmAutorFig);
    }

    void meniscOpensTheAuthorsInAWindowOwnedByTheSelection()
    {
        Open(QStringLiteral("Binary systems"));
        Choose(QStringLiteral("Ag-Sn"), {});
        Release(fmMenisk);
        QObject *owner = nullptr;
        p->modal().Script(QStringLiteral("fmMenisk"), [&](TForm &) { owner = fmMenisk->parent(); });
        fmSelect->sbMenisk->click();
        QCOMPARE(p->modal().shownForms, QStringList({ "fmMenisk" }));
        QCOMPARE(owner, fmSelect.data());
        QVERIFY(!fmMenisk);
        QVERIFY(dmDataModule->qrAutorMenisk->Active());
    }

    void theMenuDiffersFromTheMainWindowsWhereItMust()
    {
        Open(QStringLiteral("Binary systems"));
        Release(fmDTA);
        QObject *owner = nullptr;
        p->modal().Script(QStringLiteral("fmDTA"), [&](TForm &) { owner = fmDTA->parent(); });
        fmSelect->MainMenu1.DTA1->trigger();
        QCOMPARE(owner, fmSelect.data());
        QVERIFY(!fmDTA);
        fmSelect->sbHelp->click();
        QCOMPARE(p->shell().documents,
            QStringList({ p->folder.DatabasePath() + QStringLiteral("/VIRELT 2 PL.pdf") }));

        p->dialogs().answers << mrNo << mrYes;
        fmSelect->MainMenu1.LitForm->trigger();
        QVERIFY(!Application().Terminated());
        fmSelect->MainMenu1.LitForm->trigger();
        QVERIFY(Application().Terminated());
        QCOMPARE(p->dialogs().Texts(), QStringList({ "Exit to Windows?", "Exit to Windows?" }));

        Application().ResetTerminated();
        fmSelect->MainMenu1.AcessDatabase1->trigger();
        QVERIFY(p->dialogs().Texts(QStringLiteral("InputBox")).isEmpty());
        QCOMPARE(
            p->shell().processes, QStringList({ p->folder.Path() + QStringLiteral("/VIRELT2") }));
        QVERIFY(Application().Terminated());
    }

    void exitEndsAtOnce()
    {
        Open(QStringLiteral("Binary systems"));
        fmSelect->SpeedButton3->click();
        QVERIFY(Application().Terminated());
        QVERIFY(p->dialogs().shown.empty());
    }
};

VIRELT_TEST(SelectWindowTest)
#include "SelectWindowTest.moc"
