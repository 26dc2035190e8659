#include "app/Messages.h"
#include "chart/ListaWybranych.h"
#include "chart/uEut.h"
#include "chart/uWykresy.h"
#include "data/uDataModule.h"
#include "info/uSkany.h"
#include "support/ChartChecks.h"
#include "support/ChartSession.h"
#include "support/Helpers.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QImage>
#include <QTest>

#include <cmath>

class ShowTest : public ChartTestCase
{
    Q_OBJECT
private:
    static void Pick(TfmWykres *w, const QString &tag) { QVERIFY(ChooseText(w->dblAutor, tag)); }

private slots:
    void equationsOfThePublication()
    {
        TfmWykres *w = Open("Binary systems", "Tb-Ta", "Density");
        Pick(w, "[9999Tst]");
        QVERIFY(w->sbShow->isEnabled());
        w->sbShow->click();
        QCOMPARE(w->dbgRownania->model()->rowCount(), 3);
        QCOMPARE(w->dbgRownania->CellText(1, 0), QStringLiteral("0,5"));
        QCOMPARE(w->dbgRownania->CellText(1, 1), QStringLiteral("9"));
        QCOMPARE(w->dbgRownania->CellText(1, 2), QStringLiteral("-0,001"));
        QVERIFY(w->Equations1->isEnabled());
        QCOMPARE(w->dbgPublikacje->CellText(0, 0), QStringLiteral("[9999Tst]"));
        QCOMPARE(ListaWybranychPublikacji->GetCommaText(), QStringLiteral("9901"));
        QCOMPARE(w->DBChart1->SeriesCount(), 0);

        Pick(w, "[9998Emp]");
        w->sbShow->click();
        QVERIFY(!w->Equations1->isEnabled());
        QCOMPARE(ListaWybranychPublikacji->GetCommaText(), QStringLiteral("9901,9902"));
        QCOMPARE(w->dbgPublikacje->model()->rowCount(), 2);
    }

    // The example request: values at 673 K, a red star series and the red end-point line.
    void valuesAtOneTemperature()
    {
        TfmWykres *w = Open("Binary systems", "Tb-Ta", "Density");
        w->chbShow->setChecked(true);
        Pick(w, "[9999Tst]");
        w->edT1->setText("673");
        QVERIFY(w->sbShow->isEnabled());
        w->sbShow->click();
        QVERIFY(p->dialogs().shown.empty());
        QCOMPARE(w->dbgT1->model()->rowCount(), 3);
        QCOMPARE(w->dbgT1->CellText(0, 1), QStringLiteral("9,33")); // 10 - 0.673
        QCOMPARE(w->dbgT1->ColumnTitles(), QStringList({ "X Ta", "d(T1)" }));
        QCOMPARE(w->DBChart1->SeriesCount(), 2);
        auto *line = dynamic_cast<TLineSeries *>(w->DBChart1->Series(0));
        QVERIFY(line);
        QVERIFY(!line->ShowInLegend());
        QCOMPARE(line->SeriesColor(), clRed);
        QCOMPARE(PointsOf(line), QList<QPointF>({ { 0, 9.327 }, { 1, 7.327 } }));
        auto *points = dynamic_cast<TPointSeries *>(w->DBChart1->Series(1));
        QVERIFY(points);
        QCOMPARE(points->Title(), QStringLiteral("[9999Tst] 673[K]"));
        QCOMPARE(points->SeriesColor(), clRed);
        QCOMPARE(points->PointerStyle(), TPointerStyle::psStar);
        QCOMPARE(points->Count(), 3);
        QCOMPARE(points->YValue(1), 9 - 0.673);
        QVERIFY(!w->edT1->isEnabled());
        QVERIFY(w->GetApproxPending(1));
        QVERIFY(!w->GetApproxPending(2));
        QVERIFY(w->Calculatedvalue1->isEnabled());
        QCOMPARE(dmDataModule->Min(1), QStringLiteral("9,327"));
        QCOMPARE(dmDataModule->Max(1), QStringLiteral("7,327"));

        w->sbShow->click(); // a second Show draws nothing new
        QCOMPARE(w->DBChart1->SeriesCount(), 2);
    }

    void fourTemperaturesTakeTheirSlotColoursAndStyles()
    {
        TfmWykres *w = Open("Binary systems", "Tb-Ta", "Density");
        w->chbShow->setChecked(true);
        Pick(w, "[9999Tst]");
        const QStringList temps = { "600", "700", "800", "900" };
        for (int slot = 1; slot <= 4; ++slot)
            w->edT(slot)->setText(temps[slot - 1]);
        w->sbShow->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 8); // four end-point lines, four point series
        const TColor colours[] = { clRed, clGreen, clBlue, clPurple };
        const TPointerStyle styles[] = { TPointerStyle::psStar, TPointerStyle::psRectangle,
            TPointerStyle::psTriangle, TPointerStyle::psDiamond };
        for (int slot = 1; slot <= 4; ++slot) {
            auto *series = dynamic_cast<TPointSeries *>(w->DBChart1->Series(3 + slot));
            QVERIFY(series);
            QCOMPARE(series->SeriesColor(), colours[slot - 1]);
            QCOMPARE(series->PointerStyle(), styles[slot - 1]);
            QCOMPARE(series->YValue(0), 10 - temps[slot - 1].toDouble() / 1000);
            QVERIFY(w->GetApproxPending(slot));
        }
        QCOMPARE(
            w->PageControl2->PageCaption(w->tsWynikiT1T2), QStringLiteral("600[K]       700[K]"));
    }

    void temperaturesAreCheckedBeforeAnythingIsComputed()
    {
        TfmWykres *w = Open("Binary systems", "Tb-Ta", "Viscosity");
        w->chbShow->setChecked(true);
        Pick(w, "[9999Tst]");
        w->edT1->setText("2001");
        w->sbShow->click();
        QCOMPARE(p->dialogs().Texts(), QStringList({ "Error! Temperature range <0,2000 [K]>" }));
        QCOMPARE(p->dialogs().shown.back().type, int(mtError));
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(!w->GetApproxPending(1));
        dmDataModule->tblViscosity1->Open();
        QCOMPARE(dmDataModule->tblViscosity1->RecordCount(), 0);
        QVERIFY(!w->Calculatedvalue1->isEnabled());

        p->dialogs().Clear();
        w->edT1->setText("-5");
        w->sbShow->click();
        QCOMPARE(p->dialogs().Texts(), QStringList({ "Incorrect data format : -5" }));
        // Temperatures are whole kelvins: a decimal in any edit is refused before any slot runs.
        p->dialogs().Clear();
        w->edT1->setText("673");
        w->edT2->setText("67.5");
        w->sbShow->click();
        QCOMPARE(p->dialogs().Texts(), QStringList({ "Incorrect data format : 67.5" }));
        QVERIFY(dmDataModule->qrExp->IsEmpty());
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(!w->GetApproxPending(1) && w->edT1->isEnabled());
        w->edT2->clear();
        p->dialogs().Clear();
        w->edT1->setText("2000");
        w->sbShow->click();
        QVERIFY(p->dialogs().shown.empty());
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
    }

    void viscosityValuesGoThroughTheWorkTable()
    {
        TfmWykres *w = Open("Binary systems", "Tb-Ta", "Viscosity");
        w->chbShow->setChecked(true);
        Pick(w, "[9999Tst]");
        w->edT1->setText("1000");
        w->sbShow->click();
        QVERIFY(p->dialogs().shown.empty());
        dmDataModule->tblViscosity1->Close();
        dmDataModule->tblViscosity1->Open();
        QCOMPARE(dmDataModule->tblViscosity1->RecordCount(), 3);
        const double expected = 0.5 * std::exp(10000 / (1000 * 8.314472));
        QCOMPARE(dmDataModule->tblViscosity1->FieldByName("VISCO").AsFloat(), expected);
        QCOMPARE(w->dbgT1->CellText(0, 1), QStringLiteral("1,66"));
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        auto *series = w->DBChart1->Series(0);
        QCOMPARE(series->Count(), 3);
        QCOMPARE(series->YValue(2), expected);
        QVERIFY(w->Calculatedvalue1->isEnabled());
        QCOMPARE(w->dbgRownania->ColumnTitles().at(2), QStringLiteral("E"));
    }

    void aTernarySystemIsShownAlongTheChosenSection()
    {
        TfmWykres *w = Open("Ternary systems", "Ta-Tb-Tc", "Density");
        QCOMPARE(w->PageControl2->ActivePage(), w->tsRownania45);
        w->chbShow->setChecked(true);
        Pick(w, "[9999Tst]");
        w->edT1->setText("700");
        p->modal().Script("fmEut", [](TForm &) {
            fmEut->dblEut->Choose(1);
            fmEut->sbOK->click();
        });
        w->sbShow->click();
        QCOMPARE(p->modal().shownForms, QStringList({ "fmEut" }));
        QVERIFY(!fmEut);
        QCOMPARE(w->GetEutecticId(1), 2);
        QCOMPARE(w->dbgWynikiT1->model()->rowCount(), 2); // section 2 and the row of every section
        QVERIFY(w->PageControl2->PageVisible(w->tsWynikiT1));
        QCOMPARE(w->PageControl2->PageCaption(w->tsWynikiT1), QStringLiteral("T1 = 700 [K]"));
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        QCOMPARE(w->DBChart1->Series(0)->Count(), 2);
        QVERIFY(w->GetApproxPending(1));

        // Closed without OK, the picker keeps section 2 for the id and for the rows alike.
        w->sbClear->click();
        w->edT1->setText("800");
        w->sbShow->click();
        QCOMPARE(w->GetEutecticId(1), 2);
        QCOMPARE(dmDataModule->qrDane45->ParamByName("lEut").Value().toInt(), 2);
        QCOMPARE(w->dbgWynikiT1->model()->rowCount(), 2);
    }

    // The figure viewer's References reopen the publication list; what Show computes next is
    // still the publication the picker shows.
    void theFigureViewersReferencesKeepThePublication()
    {
        ExecSql(p->folder.DatabasePath(),
            { "INSERT INTO PUBLIKACJE VALUES (9904, '[1990Old]', NULL, NULL, NULL, NULL, 1990, "
              "NULL)",
                "INSERT INTO WLA_TAB_PUB VALUES (1, 901, 9904)",
                "INSERT INTO DANE_WLASNOSCI (ID_WLASCIWOSCI, ID_TAB_UKL, ID_PUBLIKACJI, X, A, B) "
                "VALUES (1, 901, 9904, 0.5, 5, 0)" });
        const QString folder = p->folder.DatabasePath() + "/Fig/Binary systems/Tb-Ta";
        QVERIFY(QDir().mkpath(folder));
        QImage picture(QSize(8, 8), QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(folder + "/[9998Emp]_Tb-Ta_DX.jpg", "JPG"));

        TfmWykres *w = Open("Binary systems", "Tb-Ta", "Density");
        w->chbShow->setChecked(true);
        Pick(w, "[9998Emp]"); // no equations: Show shows its figure
        w->edT1->setText("600");
        p->modal().Script("fmSkany", [](TForm &) { fmSkany->sbReferences->click(); });
        w->sbShow->click();
        QCOMPARE(p->modal().shownForms, QStringList({ "fmSkany", "fmReferences" }));
        QCOMPARE(w->dblAutor->Text(), QStringLiteral("[9998Emp]"));

        // Both slots are still without values: the figure for each.
        w->edT2->setText("700");
        w->sbShow->click();
        QCOMPARE(p->modal().shownForms,
            QStringList({ "fmSkany", "fmReferences", "fmSkany", "fmSkany" }));
        QCOMPARE(dmDataModule->qrPunkty2->ParamByName("lPublikacja").Value().toInt(), 9902);
        QVERIFY(dmDataModule->qrPunkty2->IsEmpty());
        QCOMPARE(ListaWybranychPublikacji->GetCommaText(), QStringLiteral("9902"));
    }

    void aTernarySystemWithoutSections()
    {
        ExecSql(p->folder.DatabasePath(), { "DELETE FROM EUT WHERE ID_TAB_UKL = 902" });
        TfmWykres *w = Open("Ternary systems", "Ta-Tb-Tc", "Density");
        w->chbShow->setChecked(true);
        Pick(w, "[9999Tst]");
        w->edT1->setText("700");
        w->sbShow->click();
        QCOMPARE(p->dialogs().Texts(), QStringList({ NotAvailable }));
        QVERIFY(p->modal().shownForms.isEmpty());
        QVERIFY(!fmEut);
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(!w->Calculatedvalue1->isEnabled());
    }

    void molarVolumeOfABinaryAndOfATernarySection()
    {
        TfmWykres *w = Open("Binary systems", "Tb-Ta", "Molar volume");
        QVERIFY(w->chbShow->isChecked());
        QVERIFY(!w->chbShow->isEnabled());
        Pick(w, "[9999Tst]");
        w->edT1->setText("600");
        w->edT2->setText("1000");
        w->sbShow->click();
        QCOMPARE(w->dbgT1->model()->rowCount(), 3);
        // (100*0.5 + 200*0.5) / (9 - 0.6)
        QCOMPARE(w->dbgT1->CellText(1, 1), QStringLiteral("17,86"));
        QCOMPARE(w->dbgT2->CellText(2, 1), QStringLiteral("28,57")); // 200 / (8 - 1)
        QCOMPARE(w->DBChart1->SeriesCount(), 4);
        QCOMPARE(w->DBChart1->Series(0)->YValue(1), 200 / 7.4);
        // With T1 alone a second Show adds nothing, no hidden end-point line either.
        w->sbClear->click();
        w->edT1->setText("600");
        w->sbShow->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 2);
        w->sbShow->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 2);
        s.reset();

        w = Open("Ternary systems", "Ta-Tb-Tc", "Molar volume");
        Pick(w, "[9999Tst]");
        w->edT1->setText("1000");
        p->modal().Script("fmEut", [](TForm &) { fmEut->sbOK->click(); });
        w->sbShow->click(); // OK without a choice takes the first section
        QCOMPARE(w->GetEutecticId(1), 1);
        QCOMPARE(w->dbgWynikiT1->model()->rowCount(), 3); // section 1 and the shared row
        // X = 0.05: 100*0.1 + 200*(1 - 0.15) + 300*0.05 = 195, over 7.5 - 1
        QCOMPARE(w->dbgWynikiT1->CellText(1, 1), QStringLiteral("30"));
        QCOMPARE(w->dbgWynikiT1->CellText(2, 2), QStringLiteral("Ta-Tb-Tc all"));
    }

    void clearEmptiesTheViewAndNothingElse()
    {
        TfmWykres *w = Open("Binary systems", "Tb-Ta", "Density");
        w->chbShow->setChecked(true);
        Pick(w, "[9999Tst]");
        w->edT1->setText("600");
        w->edT2->setText("700");
        w->edT3->setText("800");
        w->sbShow->click();
        w->sbClear->click();
        for (int slot = 1; slot <= 4; ++slot)
            QVERIFY(w->edT(slot)->text().isEmpty());
        QVERIFY(w->edT1->isEnabled());
        QVERIFY(!w->edT2->isEnabled() && !w->edT3->isEnabled() && !w->edT4->isEnabled());
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(!dmDataModule->qrPunkty1->Active());
        QCOMPARE(ListaWybranychPublikacji->GetCommaText(), QString());
        QVERIFY(!w->sbShow->isEnabled());
        QVERIFY(w->GetApproxPending(1)); // pending flags survive a clear
        QCOMPARE(w->dblAutor->Text(), QStringLiteral("[9999Tst]"));
        QCOMPARE(w->dbgPublikacje->model()->rowCount(), 0);
    }
};

VIRELT_TEST(ShowTest)
#include "ShowTest.moc"
