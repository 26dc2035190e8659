#include "chart/uEut.h"
#include "chart/uWykresy.h"
#include "data/uDataModule.h"
#include "info/uDTA.h"
#include "platform/Application.h"
#include "support/ChartSession.h"
#include "support/Helpers.h"
#include "support/TestRegistry.h"

#include <QTest>

#include <cmath>
#include <memory>

// The chain of temperature edits, the chart window's menus, and the values of viscosity and
// of quaternary molar volume.
class ValueViewTest : public ChartTestCase
{
    Q_OBJECT
private slots:
    void eachTemperatureEditOpensTheNext()
    {
        s = std::make_unique<ChartSession>("Binary systems", "Tb-Ta", "Density");
        TfmWykres *w = s->window;
        QVERIFY(!w->edT2->isEnabled());
        w->edT1->setText("600");
        QVERIFY(w->edT2->isEnabled());
        QVERIFY(w->GetButlerPending(1));
        w->edT2->setText("700");
        QVERIFY(w->edT3->isEnabled());
        w->edT3->setText("800");
        w->edT2->clear();
        QVERIFY(!w->edT3->isEnabled());
        QCOMPARE(w->edT3->text(), QStringLiteral("800")); // disabled, not emptied
        w->chbShow->setChecked(true);
        ChooseText(w->dblAutor, "[9999Tst]");
        w->sbShow->click(); // slot 3 is disabled and slot 2 empty: only T1 is drawn
        QCOMPARE(w->DBChart1->SeriesCount(), 2);
        QCOMPARE(w->DBChart1->Series(1)->Title(), QStringLiteral("[9999Tst] 600[K]"));
    }

    void tickingShowCalculatedValueTitlesTheValueColumns()
    {
        s = std::make_unique<ChartSession>("Binary systems", "Tb-Ta", "Surface tension");
        TfmWykres *w = s->window;
        w->chbShow->setChecked(true);
        QCOMPARE(w->dbgT3->ColumnTitles().at(1), QStringLiteral("ST(T3)"));
        QCOMPARE(w->panT1T2->text(), QStringLiteral("Surface tension  Tb-Ta [mN/m]"));
        QCOMPARE(w->PageControl2->ActivePage(), w->tsWynikiT1T2);
        QVERIFY(!w->sbShow->isEnabled());
        ChooseText(w->dblAutor, "[9999Tst]");
        w->chbShow->setChecked(false);
        QVERIFY(w->sbShow->isEnabled());
        QCOMPARE(w->PageControl2->ActivePage(), w->tsRownania);
    }

    void viscosityAtTwoSlotsKeepsEachSlotsOwnRows()
    {
        s = std::make_unique<ChartSession>("Binary systems", "Tb-Ta", "Viscosity");
        TfmWykres *w = s->window;
        w->chbShow->setChecked(true);
        ChooseText(w->dblAutor, "[9999Tst]");
        w->edT1->setText("1000");
        w->edT2->setText("500");
        w->sbShow->click();
        TdmDataModule *dm = dmDataModule;
        QCOMPARE(dm->qrExp2->RecordCount(), 3);
        QCOMPARE(
            dm->qrExp2->FieldByName("Visco").AsFloat(), 0.5 * std::exp(10000 / (500 * 8.314472)));
        QCOMPARE(dm->qrExp->FieldByName("SYSTEM").AsString(), QString());
        w->sbClear->click();
        w->edT1->setText("1000");
        w->sbShow->click(); // a new calculation replaces slot 1's rows only
        QCOMPARE(dm->qrExp->RecordCount(), 3);
        dm->OpenExp(2);
        QCOMPARE(dm->qrExp2->RecordCount(), 3);
        QCOMPARE(w->dbgRownania->SelectedRowsCount(), 0);
    }

    void sectionViscosityCarriesTheLineNames()
    {
        s = std::make_unique<ChartSession>("Ternary systems", "Ta-Tb-Tc", "Viscosity");
        TfmWykres *w = s->window;
        w->chbShow->setChecked(true);
        ChooseText(w->dblAutor, "[9999Tst]");
        w->edT1->setText("1000");
        p->modal().Script("fmEut", [](TForm &) { fmEut->sbOK->click(); });
        w->sbShow->click();
        QCOMPARE(dmDataModule->qrExp->RecordCount(), 1);
        QCOMPARE(
            dmDataModule->qrExp->FieldByName("SYSTEM").AsString(), QStringLiteral("Ta-Tb-Tc 1"));
        QCOMPARE(w->dbgWynikiT1->DataSource(), dmDataModule->dsExp);
        QCOMPARE(w->dbgWynikiT1->CellText(0, 2), QStringLiteral("Ta-Tb-Tc 1"));
    }

    // Every slot of a quaternary system other than Ag-Bi-Cu-Sn shows its molar volume.
    void quaternaryMolarVolumeAtEverySlot()
    {
        s = std::make_unique<ChartSession>("Quaternary systems", "Ag-Cu-Sb-Sn", "Molar volume");
        TfmWykres *w = s->window;
        QVERIFY(ChooseText(w->dblAutor, "[Kor1]"));
        const QStringList temps = { "600", "700", "800", "900" };
        for (int slot = 1; slot <= 4; ++slot)
            w->edT(slot)->setText(temps[slot - 1]);
        p->modal().Script("fmEut", [](TForm &) { fmEut->sbOK->click(); });
        w->sbShow->click();
        QVERIFY(p->dialogs().shown.empty());
        const int rows = w->dbgWynikiT1->model()->rowCount();
        QVERIFY(rows > 0);
        for (int slot = 2; slot <= 4; ++slot) {
            QCOMPARE(w->dbgWynikiT(slot)->model()->rowCount(), rows);
            QVERIFY(w->GetApproxPending(slot));
        }
        QCOMPARE(w->DBChart1->SeriesCount(), 4);
        for (int slot = 1; slot <= 4; ++slot)
            QCOMPARE(w->DBChart1->Series(slot - 1)->Count(), rows);
        // Molar volume grows as the alloy expands with temperature.
        QVERIFY(w->DBChart1->Series(0)->YValue(0) < w->DBChart1->Series(3)->YValue(0));
        // Every slot names its rows' system, and the file holds the four blocks.
        const QString system = w->dbgWynikiT1->CellText(0, 2);
        QVERIFY(!system.isEmpty());
        for (int slot = 2; slot <= 4; ++slot)
            QCOMPARE(w->dbgWynikiT(slot)->CellText(0, 2), system);
        w->Calculatedvalue1->trigger();
        QVERIFY(p->dialogs().shown.empty());
        const QString saved = QString::fromUtf8(ReadBytes(
            p->folder.Path() + QStringLiteral("/Save/[Kor1]_Isotherms of Molar volume.txt")));
        const QStringList blocks = saved.split(QStringLiteral("\r\nT="));
        QCOMPARE(blocks.size(), 5);
        for (int slot = 1; slot <= 4; ++slot) {
            QVERIFY(blocks[slot].startsWith(temps[slot - 1] + u'K'));
            QCOMPARE(blocks[slot].count(u'|' + system + QStringLiteral(" + ")), rows);
        }
    }

    void menuItemsOfTheChartWindow()
    {
        s = std::make_unique<ChartSession>("Binary systems", "Tb-Ta", "Density");
        TfmWykres *w = s->window;
        QPointer<TfmDTA> first = fmDTA;
        w->MainMenu1.DTA1->trigger();
        QVERIFY(first.isNull() || !fmDTA);
        w->MainMenu1.DTA1->trigger();
        w->Adddata1->trigger();
        w->MainMenu1.Iida2->trigger();
        QCOMPARE(
            p->modal().shownForms, QStringList({ "fmDTA", "fmDTA", "fmWlasnedane", "fmIida" }));
        w->MainMenu1.AcessDatabase1->trigger();
        QVERIFY(Application().Terminated());
        QCOMPARE(p->shell().processes.size(), 1);
        w->sbHelp->click();
        QVERIFY(p->shell().documents.last().endsWith("/Database/VIRELT 2 PL.pdf"));
    }
};

VIRELT_TEST(ValueViewTest)
#include "ValueViewTest.moc"
