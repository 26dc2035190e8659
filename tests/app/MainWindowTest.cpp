#include "app/Main.h"
#include "app/uSelect.h"
#include "data/uDataModule.h"
#include "info/uBadania.h"
#include "info/uDTA.h"
#include "info/uMenisk.h"
#include "platform/Application.h"
#include "support/Fixture.h"
#include "support/Helpers.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <memory>

class MainWindowTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<ProgramFixture> p;

    void ChooseCategory(const QString &name)
    {
        QVERIFY(ChooseText(fmStart->dblSelectSystem, name));
    }
    static void Touch(const QString &path)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

private slots:
    void init() { p = std::make_unique<ProgramFixture>(); }
    void cleanup() { p.reset(); }

    void startCreatesTheWindowsInOrderButNotTheChartWindow()
    {
        QVERIFY(dmDataModule);
        QVERIFY(fmStart && fmSelect && fmDTA && fmMenisk && fmBadania3 && fmSeetharaman);
        QCOMPARE(fmStart->windowTitle(), QStringLiteral("Virelt 2"));
        QCOMPARE(fmDTA->windowTitle(), QStringLiteral("DTA"));
        QVERIFY(!fmStart->isVisible());
        // The first show releases the meniscographic window created at start.
        fmStart->show();
        QVERIFY(!fmMenisk);
    }

    void bannerAndCategoriesAreShown()
    {
        QCOMPARE(fmStart->Label5->text(), QStringLiteral("VIRELT 2"));
        QCOMPARE(fmStart->Label2->text(),
                 QStringLiteral("Database of physicochemical properties of selected solders"));
        QStringList categories;
        for (int i = 0; i < fmStart->dblSelectSystem->count(); ++i)
            categories << fmStart->dblSelectSystem->itemText(i);
        QCOMPARE(categories, QStringList({ "Pure metals", "Binary systems", "Ternary systems",
                                           "Quaternary systems", "Quinary systems" }));
        QCOMPARE(fmStart->dblSelectSystem->Text(), QString());
    }

    // Start-up goes on, and one error box names the database file and the engine's reason.
    void aDatabaseThatCannotBeReadIsNamedOnceAtStart_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message");
        QTest::newRow("corrupt") << "corrupt"
                                 << "Error in the database \"%1\": file is not a database";
        QTest::newRow("empty") << "empty"
                               << "Error in the database \"%1\": no such table: SELECT_SYSTEM";
        QTest::newRow("missing") << "missing"
                                 << "Cannot open the database \"%1\": unable to open database file";
        QTest::newRow("missing table") << "DROP TABLE WLASNOSCI"
                                       << "Error in the database \"%1\": no such table: WLASNOSCI";
    }
    void aDatabaseThatCannotBeReadIsNamedOnceAtStart()
    {
        QFETCH(QString, damage);
        QFETCH(QString, message);
        QString file;
        p.reset();
        p = std::make_unique<ProgramFixture>([&](const QString &databasePath) {
            file = databasePath + QStringLiteral("/VIRELT2.sqlite");
            if (damage == QLatin1String("missing")) {
                QVERIFY(QFile::remove(file));
                return;
            }
            if (damage.startsWith(QLatin1String("DROP"))) {
                {
                    QSqlDatabase db = QSqlDatabase::addDatabase(
                        QStringLiteral("QSQLITE"), QStringLiteral("damage"));
                    db.setDatabaseName(file);
                    QVERIFY(db.open());
                    QSqlQuery q(db);
                    QVERIFY(q.exec(damage));
                }
                QSqlDatabase::removeDatabase(QStringLiteral("damage"));
                return;
            }
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadWrite));
            if (damage == QLatin1String("empty"))
                QVERIFY(f.resize(0));
            else
                f.write(QByteArray(100, 'x')); // the header and the start of the schema
        });
        QVERIFY(fmStart && fmSelect && fmDTA);
        QCOMPARE(p->dialogs().Texts(), QStringList({ message.arg(file) }));
        QCOMPARE(p->dialogs().shown.front().kind, QStringLiteral("MessageDlg"));
        QCOMPARE(p->dialogs().shown.front().type, int(mtError));
        QVERIFY(!dmDataModule->qrWlasnosci->Active());
        fmStart->show();
        fmStart->Timer1Timer();
        QVERIFY(!fmStart->sbOK->isEnabled());
    }

    void okWaitsForACategoryAndTheTimerStopsOnceChosen()
    {
        fmStart->show();
        QVERIFY(!fmStart->sbOK->isEnabled());
        QCOMPARE(fmStart->sbOK->FontColor(), clRed);
        fmStart->Timer1Timer();
        QVERIFY(!fmStart->sbOK->isEnabled());
        QVERIFY(fmStart->Timer1->Enabled());
        ChooseCategory(QStringLiteral("Ternary systems"));
        QCOMPARE(dmDataModule->qrSelect->FieldByName(QStringLiteral("ID_SELECT")).AsInteger(), 3);
        emit fmStart->Timer1->timeout({});
        QVERIFY(fmStart->sbOK->isEnabled());
        QCOMPARE(fmStart->sbOK->FontColor(), clGreen);
        QVERIFY(!fmStart->Timer1->Enabled());
    }

    void okOpensAFreshSelectionWindowWithTheCategorysSystems()
    {
        ChooseCategory(QStringLiteral("Binary systems"));
        QStringList systems;
        p->modal().Script(QStringLiteral("fmSelect"), [&](TForm &) {
            for (int i = 0; i < fmSelect->dblSelect->count(); ++i)
                systems << fmSelect->dblSelect->itemText(i);
        });
        fmStart->sbOK->click();
        QVERIFY(systems.contains(QStringLiteral("Ag-Sn")));
        QVERIFY(!systems.contains(QStringLiteral("Ag-Cu-Sn")));
        QVERIFY(!fmSelect);
        QCOMPARE(fmStart->GetSaveDir(), p->folder.Path() + QStringLiteral("/Save"));
        fmStart->sbOK->click();
        QCOMPARE(p->modal().shownForms,
                 QStringList({ "fmSelect", "fmSelect" })); // created afresh for the second run
        QVERIFY(!fmSelect);
    }

    void aFailureInOkStillReleasesTheSelectionWindow()
    {
        dmDataModule->qrSelect->Close();
        fmStart->sbOK->click();
        QVERIFY(!fmSelect);
        QCOMPARE(p->dialogs().Texts(QStringLiteral("Exception")),
                 QStringList({ "Could not convert variant of type (Null) into type (Integer)" }));
        QVERIFY(p->modal().shownForms.isEmpty());
    }

    void exitEndsAtOnceAndTheMenuItemAsksFirst()
    {
        p->dialogs().answers << mrNo << mrCancel << mrYes;
        fmStart->MainMenu1.LitForm->trigger();
        fmStart->MainMenu1.LitForm->trigger();
        QVERIFY(!Application().Terminated());
        fmStart->MainMenu1.LitForm->trigger();
        QVERIFY(Application().Terminated());
        QCOMPARE(p->dialogs().shown.front().text, QStringLiteral("Exit to Windows?"));
        QCOMPARE(p->dialogs().shown.front().type, int(mtInformation));
        QCOMPARE(p->dialogs().shown.front().buttons, mbYesNoCancel);
        Application().ResetTerminated();
        fmStart->sbExit->click();
        QVERIFY(Application().Terminated());
    }

    void helpAndNistOpenTheirDocumentsBelowTheDatabaseFolder()
    {
        fmStart->MainMenu1.Help1->trigger();
        fmStart->MainMenu1.NISTdatabase2->trigger();
        QCOMPARE(p->shell().documents,
                 QStringList({ p->folder.DatabasePath() + QStringLiteral("/VIRELT 2 PL.pdf"),
                               p->folder.DatabasePath()
                                   + QStringLiteral("/NIST/Release5/props01.html") }));
    }

    void documentsThatOpenNowhereAreNamedWithTheirFullPath()
    {
        const QString help = p->folder.DatabasePath() + QStringLiteral("/VIRELT 2 PL.pdf");
        const QString nist
            = p->folder.DatabasePath() + QStringLiteral("/NIST/Release5/props01.html");
        p->shell().documentsOpen = false;
        fmStart->MainMenu1.Help1->trigger();
        QVERIFY(QFile::remove(nist));
        fmStart->MainMenu1.NISTdatabase2->trigger();
        QCOMPARE(p->shell().documents, QStringList({ help }));
        QCOMPARE(p->dialogs().Texts(QStringLiteral("MessageDlg")),
            QStringList({ QStringLiteral("No program on this computer opens the document "
                                         "\"VIRELT 2 PL.pdf\". You can open it by hand: ")
                    + help,
                QStringLiteral("The document \"props01.html\" is missing. It "
                               "belongs at ")
                    + nist }));
        QCOMPARE(p->dialogs().shown.front().type, int(mtError));
    }

    void theAccessPathBoxChangesNothing()
    {
        p->dialogs().inputAnswers << QStringLiteral("/somewhere/else");
        fmStart->MainMenu1.AcessDatabase1->trigger();
        QCOMPARE(p->dialogs().Texts(QStringLiteral("InputBox")),
                 QStringList({ QStringLiteral("Catalogue of the database|Access path of the "
                                              "VIRELT 2 database|")
                               + p->folder.DatabasePath() }));
        QCOMPARE(dmDataModule->DatabasePath(), p->folder.DatabasePath());
        QCOMPARE(fmStart->GetSaveDir(), p->folder.Path() + QStringLiteral("/Save"));
        fmStart->SetSaveDir2(QStringLiteral("/x/figure.jpg"));
        QCOMPARE(fmStart->GetSaveDir(), p->folder.Path() + QStringLiteral("/Save"));
        QCOMPARE(fmStart->GetSaveDir2(), QStringLiteral("/x/figure.jpg"));
    }

    void figureFoldersOpenTheFirstPictureByName()
    {
        ChooseCategory(QStringLiteral("Binary systems"));
        dmDataModule->OpenTabUkl();
        QVERIFY(ChooseText(fmSelect->dblSelect, QStringLiteral("Ag-Sn")));
        const QString fig = p->folder.DatabasePath() + QStringLiteral("/Fig/Binary systems/Ag-Sn/");
        const QString menisk =
            p->folder.DatabasePath() + QStringLiteral("/Menisk/Binary systems/Ag-Sn/");
        QDir(fig).removeRecursively();
        QDir(menisk).removeRecursively();
        fmStart->OpenFigFolder();
        QVERIFY(p->shell().documents.isEmpty());
        QVERIFY(p->dialogs().shown.empty());
        QCOMPARE(fmStart->GetFigDir(), fig);
        fmStart->OpenMeniskFolder();
        QCOMPARE(p->dialogs().Texts(), QStringList({ "Sorry. No data!" }));
        Touch(fig + QStringLiteral("b.JPG"));
        Touch(fig + QStringLiteral("a.jpg"));
        Touch(fig + QStringLiteral("c.txt"));
        fmStart->OpenFigFolder();
        QCOMPARE(p->shell().documents, QStringList({ fig + QStringLiteral("a.jpg") }));
    }

    void restartStartsTheProgramBesideItselfOrSaysWhyNot()
    {
        p->shell().startSucceeds = false;
        fmStart->RestartApplication();
        QVERIFY(!Application().Terminated());
        QCOMPARE(p->dialogs().shown.size(), size_t(1));
        p->shell().startSucceeds = true;
        fmStart->RestartApplication();
        QVERIFY(Application().Terminated());
        QCOMPARE(p->shell().processes.last(), p->folder.Path() + QStringLiteral("/VIRELT2"));
    }

    void dtaAndMethodWindowsOpenFromTheMenu()
    {
        fmStart->MainMenu1.DTA1->trigger();
        fmStart->MainMenu1.Sessiledropmethod1->trigger();
        fmStart->MainMenu1.Kaptay1->trigger();
        QCOMPARE(p->modal().shownForms, QStringList({ "fmDTA", "fmBadania2", "fmKaptay" }));
        QVERIFY(!fmDTA);
        QVERIFY(dmDataModule->qrDTA->Active());
        QVERIFY(fmBadania2); // created at start and kept
    }
};

VIRELT_TEST(MainWindowTest)
#include "MainWindowTest.moc"
