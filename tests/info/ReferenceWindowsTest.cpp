#include "app/Main.h"
#include "data/uDataModule.h"
#include "info/Sheets.h"
#include "info/uAutorTRefer.h"
#include "info/uBadania.h"
#include "info/uReferences.h"
#include "support/Fixture.h"
#include "support/TestRegistry.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTest>

#include <memory>

class ReferenceWindowsTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<ProgramFixture> p;

    // Shows the window, checks its frame and closes it with OK.
    static void OkCloses(TfmBadania *w)
    {
        w->show();
        QCOMPARE(w->windowTitle(), QStringLiteral("Virelt 2"));
        QCOMPARE(w->size(), QSize(692, 466));
        QCOMPARE(w->palette().color(QPalette::Window), ToQColor(clMoneyGreen));
        QCOMPARE(w->Panel1->height(), 41);
        QCOMPARE(w->SpeedButton1->text(), QStringLiteral("OK"));
        QCOMPARE(w->SpeedButton1->font().pixelSize(), 21);
        w->SpeedButton1->click();
        QVERIFY(w->isHidden());
    }

private slots:
    void init() { p = std::make_unique<ProgramFixture>(); }
    void cleanup() { p.reset(); }

    void theMethodWindowsCarryTheirTitlesTextsAndSchematics()
    {
        const std::vector<std::pair<TMethodWindow *, QString>> windows = {
            { fmBadania1, "Meniscographic method" },
            { fmBadania2, "Sessile drop method" },
            { fmBadania3, "Maximum bubble pressure method" },
            { fmBadania4, "Dilatometric metod" },
        };
        for (const auto &[w, title] : windows) {
            QCOMPARE(w->lblTytul->text(), title);
            QCOMPARE(w->lblTytul->font().pixelSize(), 21);
            QVERIFY(w->Memo1->toPlainText().size() > 300);
            w->show();
            QCOMPARE(w->Memo1->verticalScrollBar()->maximum(), 0); // the whole text is in view
            OkCloses(w);
        }
        QVERIFY(!fmBadania1->Image1 && !fmBadania2->Image1);
        QCOMPARE(fmBadania3->Image1->size(), QSize(321, 281));
        QCOMPARE(fmBadania3->Image1->pixmap().size(), QSize(321, 281));
        QCOMPARE(fmBadania4->Image1->size(), QSize(257, 329));
        QCOMPARE(fmBadania1->Memo1->font().pixelSize(), 17);
        QVERIFY(fmBadania1->Memo1->toPlainText().contains("References"));
        QVERIFY(fmBadania2->Memo1->toHtml().contains("Ar-H<span style=\" vertical-align:sub;\">2"));
        const QString bubble = fmBadania3->Memo1->toPlainText();
        for (const char *equation :
            { "σ = ½ · r · Δp", "Δp = pg − pa", "Δp = g (ρm hm − ρa ha)", "Sugden" })
            QVERIFY2(bubble.contains(QString::fromUtf8(equation)), equation);
        const QString dilatometer = fmBadania4->Memo1->toPlainText();
        QVERIFY(dilatometer.contains(QString::fromUtf8("ρ = m / V")));
        QVERIFY(dilatometer.contains(QString::fromUtf8("V = (π · D2 · H) / 4")));
        QVERIFY(dilatometer.contains("thermal expansion of the crucible"));
    }

    void theModelWindowsShowTheirFormulaSheetOverTheWindow()
    {
        const std::vector<TModelWindow *> windows
            = { fmIida, fmKaptay, fmKozlov, fmMoelwyn, fmSeetharaman };
        for (TModelWindow *w : windows) {
            QCOMPARE(w->Image1->pixmap().size(), QSize(692, 425));
            OkCloses(w);
            QCOMPARE(w->Image1->geometry(), QRect(0, 0, 692, 425));
        }
        QCOMPARE(Sheets::IidaUedaMorita().title, QString::fromUtf8("Iida – Ueda – Morita model"));
        QCOMPARE(Sheets::KozlovRomanovPetrov().title,
            QString::fromUtf8("Kozlov – Romanov – Petrov model"));
        QVERIFY(Sheets::Kaptay().legend.contains(QString::fromUtf8("α = 0.155 ± 0.015")));
        QVERIFY(Sheets::SeetharamanDuSichen().equations.contains("A = hNρ / M"));
        // Each sheet is its own picture.
        QVERIFY(fmKaptay->Image1->pixmap().toImage() != fmKozlov->Image1->pixmap().toImage());
    }

    void theMenusOfTheMainWindowOpenTheInstancesCreatedAtStart()
    {
        fmStart->MainMenu1.Dilatometricmetod1->trigger();
        fmStart->MainMenu1.Seetharaman31->trigger();
        QCOMPARE(p->modal().shownForms, QStringList({ "fmBadania4", "fmSeetharaman" }));
        QVERIFY(fmBadania4 && fmSeetharaman);
    }

    void theReferencesWindowListsThePublicationsOfTheLastOpening()
    {
        QCOMPARE(fmReferences->windowTitle(), QStringLiteral("References"));
        QCOMPARE(fmReferences->size(), QSize(700, 206));
        QCOMPARE(fmReferences->DBGrid1->model()->rowCount(), 0); // the query is closed
        QCOMPARE(fmReferences->DBGrid1->palette().color(QPalette::Base), ToQColor(clMoneyGreen));
        QVERIFY(fmReferences->DBGrid1->columnWidth(0) >= 74);
        QVERIFY(fmReferences->DBGrid1->columnWidth(6) >= 65);
        fmReferences->show();
        fmReferences->SpeedButton3->click();
        QVERIFY(fmReferences->isHidden());
    }

    void theSecondReferencesWindowHasNoTitleRow()
    {
        QCOMPARE(fmAutorTRef->windowTitle(), QStringLiteral("Virelt 2"));
        QCOMPARE(fmAutorTRef->size(), QSize(462, 175));
        QCOMPARE(fmAutorTRef->Panel1->text(), QStringLiteral("REFERENCES"));
        QVERIFY(fmAutorTRef->DBGrid1->horizontalHeader()->isHidden());
        QCOMPARE(fmAutorTRef->DBGrid1->DataSource(), dmDataModule->dsAutorT);
        QCOMPARE(fmAutorTRef->DBGrid1->columnWidth(0), 60);
        QCOMPARE(fmAutorTRef->DBGrid1->columnWidth(1), 462);
        fmAutorTRef->show();
        fmAutorTRef->sbOK->click();
        QVERIFY(fmAutorTRef->isHidden());
    }
};

VIRELT_TEST(ReferenceWindowsTest)
#include "ReferenceWindowsTest.moc"
