#include "app/Messages.h"
#include "app/uSelect.h"
#include "chart/uWykresy.h"
#include "data/uDataModule.h"
#include "models/ButlerFits.h"
#include "platform/Dialogs.h"
#include "support/ChartSession.h"
#include "support/Helpers.h"
#include "support/TestRegistry.h"

#include "CurveChecks.h"

#include <QTest>

namespace {

const char *const Binary = "Binary systems";

// Isotherms stated for the fits, at X = 0, 0.25, 0.5, 0.75 and 1.
struct StatedIsotherm
{
    const char *system;
    int t;
    double values[5];
};

const StatedIsotherm StatedIsotherms[] = {
    { "Ag-Sn", 1273, { 890.857, 708.4258, 565.7208, 515.4626, 477.341 } },
    { "Ag-Bi", 873, { 967.257, 453.4954, 440.7255, 393.3982, 362.0484 } },
    { "Sn-Zn", 773, { 518.3616, 540.8004, 568.2821, 592.4305, 796.1595 } },
    { "In-Sn", 673, { 530.3967, 530.1675, 530.0206, 529.2478, 527.141 } },
};

const char *const OtherBinaries[] = { "Ag-Au", "Ag-Cu", "Ag-In", "Ag-Sb", "Au-Cu", "Au-Sn", "Bi-Sn",
    "Pb-Sn", "Sb-Sn", "In-Zn", "Cu-Sn", "Cu-Sb" };

// Values against temperature stated for the fits at one composition.
struct StatedTemperatureCurve
{
    const char *system;
    double x;
    int points;
    int firstT;
    double first;
    int index;
    double at;
    double last;
};

const StatedTemperatureCurve StatedTemperatureCurves[] = {
    { "Ag-Sn", 0.3, 11, 500, 634.8144, 5, 672.7317, 655.5206 },
    { "Ag-Bi", 0.3, 11, 500, 416.4456, 5, 467.3205, 488.7751 },
    { "Sn-Zn", 0.15, 8, 500, 551.9428, 0, 551.9428, 504.0111 },
    { "Cu-Sb", 0.5, 7, 900, 443.0977, 0, 443.0977, 462.153 },
};

Fixed ButlerAt(const char *system, Fixed x, Fixed t)
{
    return ButlerSurfaceTension(FindButlerIsotherm(QString::fromLatin1(system))->fit, x, t);
}

} // namespace

class ButlerWindowTest : public ChartTestCase
{
    Q_OBJECT
private:
    // The surface-tension window of a system, with the Butler button armed by typing T1.
    TfmWykres *OpenIsotherms(const char *category, const char *system, const QString &t1)
    {
        TfmWykres *w = Open(category, system, "Surface tension");
        fmSelect->chbButler->setChecked(true);
        w->edT1->setText(t1);
        return w;
    }

    // Selects the compositions on the first temperature tab of the tag's equations.
    static void SelectCompositions(TfmWykres *w, const QString &tag, const QList<double> &xs)
    {
        QVERIFY(ChooseText(w->dblAutor2, tag));
        w->dbgTemp1->SetDataSource(dmDataModule->dsRownania);
        dmDataModule->OpenRownania(1);
        TDataSet *rows = dmDataModule->qrRownania;
        for (double x : xs)
            for (int row = 0; row < rows->RecordCount(); ++row) {
                rows->GotoBookmark(row);
                if (Fixed(rows->FieldByName("X").AsFloat()) == Fixed(x))
                    w->dbgTemp1->SelectRow(row, true);
            }
        QCOMPARE(w->dbgTemp1->SelectedRowsCount(), int(xs.size()));
    }

private slots:
    void isothermAtOneTemperature()
    {
        TfmWykres *w = OpenIsotherms(Binary, "Ag-Sn", "1273");
        QVERIFY(w->sbButler->isEnabled());
        QVERIFY(w->GetButlerPending(1));
        p->dialogs().answers << mrYes;
        w->sbButler->click();
        QCOMPARE(p->dialogs().Texts(), QStringList({ "Butler model" }));
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        TChartSeries *curve = w->DBChart1->Series(0);
        QCOMPARE_STYLE(curve, true, "Butler 1273[K]", clRed, 3);
        QCOMPARE(curve->Count(), 101);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(curve->XValue(25 * i), 0.25 * i);
            QCOMPARE(curve->YValue(25 * i), StatedIsotherms[0].values[i]);
        }
        QVERIFY(!w->GetButlerPending(1));
        QVERIFY(w->GetButlerPending(2));

        p->dialogs().answers << mrYes;
        w->sbButler->click(); // nothing new until T1 changes
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
    }

    void statedIsotherms_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(StatedIsotherms)); ++i)
            QTest::addRow("%s", StatedIsotherms[i].system) << i;
    }

    void statedIsotherms()
    {
        QFETCH(int, row);
        const StatedIsotherm &stated = StatedIsotherms[row];
        TfmWykres *w = OpenIsotherms(Binary, stated.system, QString::number(stated.t));
        p->dialogs().answers << mrYes;
        w->sbButlerClick();
        TChartSeries *curve = w->DBChart1->Series(0);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(curve->YValue(25 * i), stated.values[i]);
    }

    // Every other binary: its fit at every point, and the pure metals at the ends.
    void everyOtherBinary_data()
    {
        QTest::addColumn<QString>("system");
        for (const char *system : OtherBinaries)
            QTest::newRow(system) << QString::fromLatin1(system);
    }

    void everyOtherBinary()
    {
        QFETCH(QString, system);
        const QByteArray name = system.toLatin1();
        TfmWykres *w = OpenIsotherms(Binary, name.constData(), "1000");
        p->dialogs().answers << mrYes;
        w->sbButlerClick();
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        TChartSeries *curve = w->DBChart1->Series(0);
        QCOMPARE(curve->Count(), 101);
        for (int i = 0; i <= 100; ++i)
            QCOMPARE(curve->YValue(i), ButlerAt(name.constData(), i / 100.0L, 1000).ToDouble());
        if (system == "Ag-Au") {
            QCOMPARE(curve->YValue(0), 943.0);
            QCOMPARE(curve->YValue(100), 1253.0);
        }
    }

    void ternarySection()
    {
        TfmWykres *w = OpenIsotherms("Ternary systems", "Ag-Cu-Sn", "1000");
        p->dialogs().answers << mrYes;
        w->sbButlerClick();
        const QList<QPointF> expected
            = { { 0, 504.5319 }, { 0.01, 511.2898 }, { 0.02, 516.7838 }, { 0.03, 521.8336 },
                  { 0.04, 526.683 }, { 0.05, 531.3528 }, { 0.06, 535.8435 }, { 0.07, 540.2727 } };
        QCOMPARE(PointsOf(w->DBChart1->Series(0)), expected);
    }

    // One click draws every temperature down the chain; an empty edit stops it there.
    void thePendingChain()
    {
        TfmWykres *w = OpenIsotherms(Binary, "Pb-Sn", "673");
        w->edT2->setText("773");
        w->edT3->setText("873");
        w->edT2->clear(); // T3 keeps its text
        QCOMPARE(w->edT3->text(), QStringLiteral("873"));
        p->dialogs().answers << mrYes;
        w->sbButlerClick();
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        QVERIFY(!w->GetButlerPending(1));
        QVERIFY(w->GetButlerPending(2));
        QVERIFY(!w->GetButlerPending(3));

        w->edT2->setText("773");
        p->dialogs().answers << mrYes;
        w->sbButlerClick();
        QCOMPARE(w->DBChart1->SeriesCount(), 3);
        QCOMPARE_STYLE(w->DBChart1->Series(1), true, "Butler 773[K]", clGreen, 3);
        QCOMPARE_STYLE(w->DBChart1->Series(2), true, "Butler 873[K]", clBlue, 3);
        QVERIFY(w->GetButlerPending(4)); // T4 is empty: the chain waits there

        w->edT1->setText("1000"); // a new T1 arms the chain again
        w->edT4->setText("1100");
        p->dialogs().answers << mrYes;
        w->sbButlerClick();
        QCOMPARE(w->DBChart1->SeriesCount(), 7);
        QCOMPARE_STYLE(w->DBChart1->Series(6), true, "Butler 1100[K]", clPurple, 3);
        for (int slot = 1; slot <= 4; ++slot)
            QVERIFY(!w->GetButlerPending(slot));
    }

    void systemsWithoutAFitStillMoveTheChain()
    {
        TfmWykres *w = OpenIsotherms("Ternary systems", "Ag-Bi-Sn", "700");
        p->dialogs().answers << mrYes;
        w->sbButlerClick();
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(p->dialogs().Texts() == QStringList({ "Butler model" }));
        QVERIFY(!w->GetButlerPending(1));
        QVERIFY(w->GetButlerPending(2));
    }

    void otherPropertiesDrawNothing()
    {
        TfmWykres *w = Open(Binary, "Ag-Sn", "Density");
        w->edT1->setText("700");
        p->dialogs().answers << mrYes;
        w->sbButlerClick();
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(w->GetButlerPending(1));
    }

    void temperaturesAreChecked()
    {
        TfmWykres *w = OpenIsotherms(Binary, "Ag-Sn", "2001");
        p->dialogs().answers << mrYes;
        w->sbButlerClick();
        QCOMPARE(p->dialogs().Texts("MessageDlg"),
            QStringList({ "Butler model", "Error! Temperature range <0,2000 [K]>" }));
        QCOMPARE(p->dialogs().shown[1].type, int(mtError));
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(w->GetButlerPending(1));

        w->edT1->setText("2000");
        w->edT2->setText("-5");
        p->dialogs().Clear();
        p->dialogs().answers << mrYes;
        w->sbButler->click();
        QCOMPARE(p->dialogs().Texts("Exception"), QStringList({ "Incorrect data format : -5" }));
        QCOMPARE(w->DBChart1->SeriesCount(), 0);

        w->edT2->clear();
        p->dialogs().answers << mrYes;
        w->sbButler->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        QCOMPARE(w->DBChart1->Series(0)->Title(), QStringLiteral("Butler 2000[K]"));
    }

    // 0 K passes the launch check; a fit with a T·ln T term then reports the math error.
    void zeroKelvin()
    {
        TfmWykres *w = OpenIsotherms(Binary, "Ag-Au", "0");
        p->dialogs().answers << mrYes;
        w->sbButler->click();
        QCOMPARE(
            p->dialogs().Texts("Exception"), QStringList({ "Invalid floating point operation" }));
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(w->GetButlerPending(1));

        w = OpenIsotherms(Binary, "Ag-Sn", "0");
        p->dialogs().answers << mrYes;
        w->sbButler->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        QCOMPARE(w->DBChart1->Series(0)->YValue(0), 1134.0);
    }

    // Declining the model asks about the surface; only Ag-Au has a surface calculation.
    void theSurfaceQuestion()
    {
        TfmWykres *w = OpenIsotherms(Binary, "Ag-Sn", "700");
        p->dialogs().answers << mrNo << mrNo;
        w->sbButlerClick();
        QCOMPARE(p->dialogs().Texts(), QStringList({ "Butler model", "Surface calculate" }));

        p->dialogs().Clear();
        p->dialogs().answers << mrCancel << mrYes;
        w->sbButlerClick();
        QCOMPARE(p->dialogs().Texts(),
            QStringList({ "Butler model", "Surface calculate", NotAvailable }));
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(w->GetButlerPending(1));

        w = OpenIsotherms(Binary, "Ag-Au", "1300");
        p->dialogs().answers << mrNo << mrYes;
        w->sbButlerClick();
        QVERIFY(p->modal().shownForms.contains("fmSurfConc"));
    }

    // In temperature mode one curve per selected composition, each in the next colour.
    void curvesAgainstTemperature()
    {
        TfmWykres *w = Open(Binary, "Ag-Sn", "Surface tension", true);
        SelectCompositions(w, "[2001Kor1]", { 0.1, 0.2, 0.3 });
        p->dialogs().answers << mrYes;
        w->sbButlerClick();
        QCOMPARE(w->DBChart1->SeriesCount(), 3);
        QCOMPARE_STYLE(w->DBChart1->Series(0), true, "Butler   X=0,1", clRed, 3);
        QCOMPARE_STYLE(w->DBChart1->Series(1), true, "Butler   X=0,2", clGreen, 3);
        QCOMPARE_STYLE(w->DBChart1->Series(2), true, "Butler   X=0,3", clPurple, 3);
        TChartSeries *x03 = w->DBChart1->Series(2);
        QCOMPARE(x03->Count(), 11);
        QCOMPARE(x03->XValue(0), 500.0);
        QCOMPARE(x03->YValue(0), 634.8144);
        QCOMPARE(x03->YValue(5), 672.7317);
        QCOMPARE(x03->YValue(10), 655.5206);
        for (int i = 0; i < 11; ++i) // the Ag-Sn isotherm fit
            QCOMPARE(x03->YValue(i), ButlerAt("Ag-Sn", 0.3, 500 + 100 * i).ToDouble());
        QCOMPARE(w->GetButlerCount(), 3);
        QCOMPARE(w->GetButlerX(), Fixed(0.3));

        w->dbgTemp1->ClearSelectedRows();
        p->dialogs().answers << mrYes;
        w->sbButlerClick();
        QCOMPARE(w->DBChart1->SeriesCount(), 3);
        QCOMPARE(p->dialogs().Texts(), QStringList({ "Butler model", "Butler model" }));
    }

    void statedTemperatureCurves_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(StatedTemperatureCurves)); ++i)
            QTest::addRow("%s", StatedTemperatureCurves[i].system) << i;
    }

    void statedTemperatureCurves()
    {
        QFETCH(int, row);
        const StatedTemperatureCurve &stated = StatedTemperatureCurves[row];
        TfmWykres *w = Open(Binary, stated.system, "Surface tension", true);
        w->SetButlerX(stated.x);
        w->DrawButlerTempDependence();
        TChartSeries *curve = w->DBChart1->Series(0);
        QCOMPARE(curve->Count(), stated.points);
        QCOMPARE(curve->XValue(0), double(stated.firstT));
        QCOMPARE(curve->YValue(0), stated.first);
        QCOMPARE(curve->YValue(stated.index), stated.at);
        QCOMPARE(curve->YValue(stated.points - 1), stated.last);
    }

    void rangesOfTheFits()
    {
        const struct
        {
            const char *system;
            double firstT, lastT;
        } ranges[] = { { "Ag-Sb", 800, 1500 }, { "Sb-Sn", 500, 1300 }, { "In-Zn", 500, 1200 } };
        for (const auto &range : ranges) {
            TfmWykres *w = Open(Binary, range.system, "Surface tension", true);
            w->SetButlerX(0.5);
            w->DrawButlerTempDependence();
            TChartSeries *curve = w->DBChart1->Series(0);
            QCOMPARE(curve->XValue(0), range.firstT);
            QCOMPARE(curve->XValue(curve->Count() - 1), range.lastT);
        }
    }

    // Bi-Sn offers two publications; the answer picks the fit.
    void biSnAsksForThePublication()
    {
        TfmWykres *w = Open(Binary, "Bi-Sn", "Surface tension", true);
        w->SetButlerX(0.3);
        p->dialogs().answers << mrYes;
        w->DrawButlerTempDependence();
        QCOMPARE(p->dialogs().Texts(), QStringList({ "Butler's model from [2006Ro1] ?" }));
        TChartSeries *line = w->DBChart1->Series(0);
        QCOMPARE(line->Count(), 5);
        QCOMPARE(line->YValue(0), 423.8255);
        QCOMPARE(line->YValue(4), 410.5855);

        p->dialogs().Clear();
        p->dialogs().answers << mrNo;
        w->DrawButlerTempDependence();
        QCOMPARE(p->dialogs().Texts(),
            QStringList({ "Butler's model from [2006Ro1] ?", "Butler's model from [2001Kor3]" }));
        QCOMPARE(p->dialogs().shown[1].buttons, int(mbOKOnly));
        TChartSeries *fit = w->DBChart1->Series(1);
        QCOMPARE(fit->Count(), 8);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(fit->YValue(i), ButlerAt("Bi-Sn", 0.3, 500 + 100 * i).ToDouble());
    }

    void theColoursStartAgainAfterTwenty()
    {
        TfmWykres *w = Open(Binary, "Ag-Sn", "Surface tension", true);
        w->SetButlerX(0.5);
        const std::pair<int, TColor> counts[]
            = { { 3, clBlue }, { 4, clOlive }, { 13, clBlack }, { 19, clInfoBk }, { 20, clRed } };
        for (const auto &[count, colour] : counts) {
            w->SetButlerCount(count);
            w->DrawButlerTempDependence();
            QCOMPARE(w->GetCurrentSeries()->SeriesColor(), colour);
        }
    }
};

VIRELT_TEST(ButlerWindowTest)
#include "ButlerWindowTest.moc"
