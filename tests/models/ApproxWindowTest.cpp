#include "app/Messages.h"
#include "chart/uEut.h"
#include "chart/uWykresy.h"
#include "data/uDataModule.h"
#include "models/Approximation.h"
#include "support/ChartChecks.h"
#include "support/ChartSession.h"
#include "support/Helpers.h"
#include "support/TestRegistry.h"

#include "CurveChecks.h"

#include <QTest>

#include <algorithm>

namespace {

struct Curve
{
    const char *category;
    const char *system;
    const char *tag;
    const char *property;
    int t;
    int points;
    double lastX;
    int pinnedIndex; // -1: no value stated for this curve
    double pinned;
};

const char *const Binary = "Binary systems";
const char *const Ternary = "Ternary systems";
const char *const Quaternary = "Quaternary systems";

// Every system with formulas and every publication it admits, with the worked values stated
// for the fits where there are some.
const Curve Curves[] = {
    { Binary, "Pb-Sn", "[2001Vel2]", "Density", 673, 26, 1, 18, 8.0941 },
    { Binary, "Pb-Sn", "[2001Vel2]", "Surface tension", 673, 26, 1, 18, 457.8007 },
    { Binary, "Pb-Sn", "[2001Vel2]", "Molar volume", 673, 26, 1, 18, 17.7256 },
    { Binary, "Pb-Sn", "[1968Wex]", "Density", 873, 26, 1, -1, 0 },
    { Binary, "Pb-Sn", "[1957Jup]", "Surface tension", 873, 26, 1, -1, 0 },
    { Binary, "Pb-Sn", "[1971Sar]", "Surface tension", 873, 26, 1, -1, 0 },
    { Binary, "Pb-Sn", "[1985Pek]", "Surface tension", 873, 26, 1, -1, 0 },
    { Binary, "Ag-Bi", "[2003Vel1]", "Density", 1273, 26, 1, 13, 9.2401 },
    { Binary, "Ag-Bi", "[2003Vel1]", "Molar volume", 1273, 26, 1, 13, 17.3641 },
    { Binary, "Ag-Bi", "[2003Vel1]", "Surface tension", 1273, 26, 1, 25, 404.5 - 0.0492 * 1273 },
    { Binary, "Ag-In", "[2001Kor2]", "Density", 1073, 101, 1, -1, 0 },
    { Binary, "Ag-Sn", "[2004Ost]", "Surface tension", 1273, 26, 1, 12, 580.4840 },
    { Binary, "Ag-Sn", "[2001Kor1]", "Molar volume", 1273, 26, 1, -1, 0 },
    { Binary, "Bi-Sn", "[1927Hul]", "Surface tension", 673, 26, 1, -1, 0 },
    { Binary, "Bi-Sn", "[2001Kor3]", "Density", 673, 26, 1, -1, 0 },
    { Binary, "In-Sn", "[2002Tam]", "Density", 673, 101, 1, -1, 0 },
    { Binary, "In-Sn", "[2006Dun]", "Surface tension", 673, 101, 1, -1, 0 },
    { Binary, "Sb-Sn", "[2003Vel2]", "Surface tension", 973, 101, 1, -1, 0 },
    { Binary, "In-Zn", "[2004Dun]", "Density", 773, 26, 1, -1, 0 },
    { Binary, "Sn-Zn", "[2004Dun]", "Density", 773, 26, 1, -1, 0 },
    { Binary, "Sn-Zn", "[2007Dun1]", "Surface tension", 773, 26, 1, -1, 0 },
    { Binary, "Ag-Sb", "[2005Kor2]", "Surface tension", 1273, 26, 1, -1, 0 },
    { Binary, "Cu-Sn", "[2004Ost]", "Surface tension", 1373, 26, 1, 0, 1585 - 0.211 * 1373 },
    { Binary, "Cu-Sn", "[2005Kor2]", "Molar volume", 1373, 26, 1, -1, 0 },
    { Binary, "Cu-Sb", "[2005Kor2]", "Density", 1373, 26, 1, -1, 0 },
    { Ternary, "Ag-Bi-Sn", "[2001Kor3]", "Density", 573, 25, 0.12, -1, 0 },
    { Ternary, "Ag-Cu-Sn", "[2002Kor]", "Density", 523, 66, 0.065, 0, 7.0565 },
    { Ternary, "Ag-Cu-Sn", "[2004Vel1]", "Surface tension", 523, 66, 0.065, 0, 538.9927 },
    { Ternary, "Ag-In-Sn", "[2002Tam]", "Molar volume", 573, 11, 0.1, -1, 0 },
    { Ternary, "Ag-Sb-Sn", "[2004Vel2]", "Density", 573, 10, 0.09, -1, 0 },
    { Ternary, "Ag-Sn-Zn", "[Kor1]", "Surface tension", 573, 21, 0.2, -1, 0 },
    { Quaternary, "Ag-Cu-Sb-Sn", "[Kor1]", "Density", 573, 101, 1, -1, 0 },
};

std::optional<ApproxProperty> PropertyOf(const QString &text)
{
    if (text == "Density")
        return ApproxProperty::Density;
    if (text == "Surface tension")
        return ApproxProperty::SurfaceTension;
    if (text == "Molar volume")
        return ApproxProperty::MolarVolume;
    return std::nullopt;
}

// A dataset's rows as points, in row order.
QList<QPointF> Rows(TDataSet *rows, const QString &xField, const QString &yField)
{
    QList<QPointF> points;
    rows->First();
    while (!rows->Eof()) {
        points << QPointF(rows->FieldByName(xField).AsFloat(), rows->FieldByName(yField).AsFloat());
        rows->Next();
    }
    return points;
}

// Where a dataset's rows say a line should go, in ascending X.
QList<QPointF> RowsOf(TDataSet *rows, const QString &yField)
{
    QList<QPointF> points = Rows(rows, "X", yField);
    std::stable_sort(points.begin(), points.end(),
        [](const QPointF &a, const QPointF &b) { return a.x() < b.x(); });
    return points;
}

QList<QPointF> RowsAgainstT(TDataSet *rows)
{
    return Rows(rows, "T", "Y");
}

} // namespace

class ApproxWindowTest : public ChartTestCase
{
    Q_OBJECT
private:
    // Slots whose isotherm Show has drawn: text typed, approximation pending, edit disabled.
    static void Shown(TfmWykres *w, const QStringList &temperatures)
    {
        for (int slot = 1; slot <= temperatures.size(); ++slot) {
            w->edT(slot)->setText(temperatures[slot - 1]);
            w->SetApproxPending(slot, true);
        }
        for (int slot = 1; slot <= temperatures.size(); ++slot)
            w->edT(slot)->setEnabled(false);
    }

    void ShowWithSection(TfmWykres *w)
    {
        p->modal().Script("fmEut", [](TForm &) { fmEut->sbOK->click(); });
        w->sbShow->click();
    }

private slots:
    // Show at three temperatures, then Approx: one curve per temperature in its slot colour.
    void curvesAtEveryShownTemperature()
    {
        TfmWykres *w = Open(Binary, "Pb-Sn", "Density", false, "[2001Vel2]");
        w->chbShow->setChecked(true);
        w->edT1->setText("673");
        w->edT2->setText("773");
        w->edT3->setText("873");
        w->sbShow->click();
        const int before = w->DBChart1->SeriesCount();
        QVERIFY(w->sbGraph->isEnabled());
        w->sbGraph->click();
        QVERIFY(p->dialogs().shown.empty());
        const std::vector<TChartSeries *> curves = AddedSince(w->DBChart1, before);
        QCOMPARE(curves.size(), std::size_t(3));
        const TColor colours[] = { clRed, clGreen, clBlue };
        const Approximation fits = *FindApproximation(u"Pb-Sn", u"[2001Vel2]");
        for (int i = 0; i < 3; ++i) {
            QCOMPARE_STYLE(curves[i], false, "", colours[i], 2);
            QCOMPARE(curves[i]->Count(), 26);
            QCOMPARE(curves[i]->XValue(25), 1.0);
            const Fixed t = 673 + 100 * i;
            QCOMPARE(curves[i]->YValue(7), fits.At(fits.X(7), t).density->ToDouble());
        }
        QCOMPARE(curves[0]->XValue(18), 0.72);
        QCOMPARE(curves[0]->YValue(18), 8.0941);
        for (int slot = 1; slot <= 4; ++slot)
            QVERIFY(!w->GetApproxPending(slot));
        QCOMPARE(w->GetCurrentT(), Fixed(873));
        QCOMPARE(w->GetSeriesColor(), clBlue);

        w->sbGraph->click(); // every temperature is drawn already
        QCOMPARE(w->DBChart1->SeriesCount(), before + 3);
    }

    void everySystemAndPublication_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(Curves)); ++i)
            QTest::addRow("%s %s %s", Curves[i].system, Curves[i].tag, Curves[i].property) << i;
    }

    void everySystemAndPublication()
    {
        QFETCH(int, row);
        const Curve &c = Curves[row];
        TfmWykres *w = Open(c.category, c.system, c.property, false, c.tag);
        Shown(w, { QString::number(c.t) });
        w->sbGraphClick();
        QVERIFY(p->dialogs().shown.empty());
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        TChartSeries *curve = w->DBChart1->Series(0);
        QCOMPARE_STYLE(curve, false, "", clRed, 2);
        QCOMPARE(curve->Count(), c.points);
        QCOMPARE(curve->XValue(0), 0.0);
        QCOMPARE(curve->XValue(c.points - 1), c.lastX);
        const Approximation fits
            = *FindApproximation(QString::fromLatin1(c.system), QString::fromLatin1(c.tag));
        const ApproxProperty property = *PropertyOf(c.property);
        for (int i = 0; i < c.points; ++i)
            QCOMPARE(curve->YValue(i), fits.At(fits.X(i), c.t).Of(property)->ToDouble());
        if (c.pinnedIndex >= 0)
            QCOMPARE(Fixed(curve->YValue(c.pinnedIndex)), Fixed(c.pinned));
    }

    // No formula for the system: the message once, at the first temperature only.
    void systemsWithoutFormulasSayItOnce()
    {
        TfmWykres *w = Open(Binary, "Ag-Cu", "Density", false, "[2025Dem3]");
        Shown(w, { "1300", "1400" });
        w->sbGraphClick();
        QCOMPARE(p->dialogs().Texts(), QStringList({ NotAvailable }));
        QCOMPARE(p->dialogs().shown[0].kind, QStringLiteral("ShowMessage"));
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(!w->GetApproxPending(1) && !w->GetApproxPending(2));
    }

    void systemsOutsideTheTableGetNothing()
    {
        TfmWykres *w = Open(Binary, "Tb-Ta", "Density", false, "[9999Tst]");
        Shown(w, { "600", "700" });
        w->sbGraphClick();
        QVERIFY(p->dialogs().shown.empty());
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(!w->GetApproxPending(1) && !w->GetApproxPending(2));
    }

    // A publication the program holds no fits of, and one without the chosen property.
    void publicationsWithoutTheFitSayIt()
    {
        TfmWykres *w = Open(Binary, "Sn-Zn", "Density", false, "[2025Dem3]");
        Shown(w, { "773" });
        w->sbGraphClick();
        QCOMPARE(p->dialogs().Texts("ShowMessage"), QStringList({ NotAvailable }));
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(!w->GetApproxPending(1));

        p->dialogs().Clear();
        ExecSql(p->folder.DatabasePath(),
            { "INSERT INTO WLA_TAB_PUB SELECT 1, 17, ID_PUBLIKACJI "
              "FROM PUBLIKACJE WHERE OZNACZENIE = '[2004Ost]'" });
        w = Open(Binary, "Ag-Sn", "Density", false, "[2004Ost]");
        Shown(w, { "1273" });
        w->sbGraphClick();
        QCOMPARE(p->dialogs().Texts("ShowMessage"), QStringList({ NotAvailable }));
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
    }

    // T2 and T3 wait while their edit is enabled, that is until Show has drawn them.
    void secondAndThirdTemperaturesWaitForShow()
    {
        TfmWykres *w = Open(Binary, "Pb-Sn", "Surface tension", false, "[2001Vel2]");
        w->edT1->setText("673");
        w->edT2->setText("773");
        w->SetApproxPending(1, true);
        w->SetApproxPending(2, true);
        QVERIFY(w->edT1->isEnabled() && w->edT2->isEnabled());
        w->sbGraphClick();
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        QCOMPARE(w->DBChart1->Series(0)->SeriesColor(), clRed);
        QVERIFY(!w->GetApproxPending(1));
        QVERIFY(w->GetApproxPending(2));
    }

    // A temperature that does not convert stops the click; its flag stays for the next one.
    void anUnreadableTemperatureStopsTheClick()
    {
        TfmWykres *w = Open(Binary, "Pb-Sn", "Density", false, "[2001Vel2]");
        Shown(w, { "67a", "773" });
        w->sbGraph->setEnabled(true);
        w->sbGraph->click();
        QCOMPARE(p->dialogs().Texts("Exception").size(), 1);
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(w->GetApproxPending(1) && w->GetApproxPending(2));
    }

    // Approx draws only at temperatures that Show's check takes, and refuses the others alike.
    void refusedTemperaturesDrawNothing()
    {
        TfmWykres *w = Open(Binary, "Pb-Sn", "Density", false, "[2001Vel2]");
        w->chbShow->setChecked(true);
        w->edT1->setText("673");
        w->sbShow->click();
        w->sbClear->click(); // the approximation at T1 stays due
        w->edT1->setText("9999");
        w->sbShow->click();
        const QStringList range = { "Error! Temperature range <0,2000 [K]>" };
        QCOMPARE(p->dialogs().Texts(), range);
        p->dialogs().Clear();
        w->sbGraph->setEnabled(true); // as the window's timer leaves it
        w->sbGraph->click();
        QCOMPARE(p->dialogs().Texts(), range);
        QCOMPARE(w->DBChart1->SeriesCount(), 0);

        p->dialogs().Clear();
        w->edT1->setText("67.5");
        w->sbGraph->click();
        QCOMPARE(p->dialogs().Texts("Exception"), QStringList({ "Incorrect data format : 67.5" }));
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(w->GetApproxPending(1));
    }

    // At 0 K the surface-fraction fit fails at the first composition: no curve, and no series
    // left behind.
    void aFirstPointThatFailsLeavesNoSeries()
    {
        TfmWykres *w = Open(Binary, "Ag-Sn", "Surface tension", false, "[2004Ost]");
        Shown(w, { "0" });
        w->sbGraph->setEnabled(true);
        w->sbGraph->click();
        QCOMPARE(p->dialogs().Texts("Exception").size(), 1);
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QCOMPARE(HiddenLines(w, w->DBChart1), 0);
    }

    // Sections without formulas draw the isotherm Show opened again, as a line.
    void quaternarySectionRedrawsTheDatabaseIsotherm()
    {
        TfmWykres *w = Open(Quaternary, "Ag-Bi-Cu-Sn", "Density", false, "[2025Dem4]");
        w->chbShow->setChecked(true);
        w->edT1->setText("700");
        w->edT2->setText("800");
        ShowWithSection(w);
        const int before = w->DBChart1->SeriesCount();
        w->sbGraph->click();
        const std::vector<TChartSeries *> lines = AddedSince(w->DBChart1, before);
        QCOMPARE(lines.size(), std::size_t(2));
        QCOMPARE_STYLE(lines[0], false, "", clRed, 2);
        QCOMPARE_STYLE(lines[1], false, "", clGreen, 2);
        QCOMPARE(lines[1]->DataSource(), dmDataModule->dsWyniki452);
        const QList<QPointF> rows = RowsOf(dmDataModule->qrWyniki452, "DensityT2");
        QVERIFY(rows.size() >= 2);
        QCOMPARE(PointsOf(lines[1]), rows);
        QCOMPARE(PointsOf(lines[0]), RowsOf(dmDataModule->qrWyniki45, "DensityT1"));
    }

    // In temperature mode the button draws the measured points of each selected composition.
    void measuredPointsOfEachComposition()
    {
        TfmWykres *w = Open(Binary, "Ag-Sn", "Density", true);
        QVERIFY(ChooseText(w->dblAutor2, "[2001Kor1]"));
        w->sbShowT1->click();
        QCOMPARE(w->sbGraph->text(), QStringLiteral("Points"));
        QVERIFY(SelectCompositions(w->dbgTemp1, { 0.1, 0.2, 0.3 }));
        w->sbGraph->click();
        QVERIFY(p->dialogs().shown.empty());
        QCOMPARE(w->DBChart1->SeriesCount(), 3);
        const TColor colours[] = { clRed, clGreen, clPurple };
        for (int i = 0; i < 3; ++i) {
            auto *points = dynamic_cast<TPointSeries *>(w->DBChart1->Series(i));
            QVERIFY(points);
            QVERIFY(!points->ShowInLegend());
            QCOMPARE(points->SeriesColor(), colours[i]);
            QCOMPARE(points->Count(), 5);
        }
        QCOMPARE(w->GetTempDepX(), Fixed(0.3));
        QCOMPARE(w->GetLineColorNo(), 3);
        QCOMPARE(PointsOf(w->DBChart1->Series(2)), RowsAgainstT(dmDataModule->qrPunktyD));
        QVERIFY(PointsOf(w->DBChart1->Series(0)) != PointsOf(w->DBChart1->Series(2)));
    }

    void measuredPointsOfASection()
    {
        TfmWykres *w = Open(Ternary, "Ag-Cu-Sn", "Density", true);
        QVERIFY(ChooseText(w->dblAutor2, "[2002Kor]"));
        p->modal().Script("fmEut", [](TForm &) { fmEut->sbOK->click(); });
        w->sbShowT1->click();
        TDataSet *rows = w->dbgTemp1->DataSource()->DataSet();
        rows->Last();
        const double last = rows->FieldByName("X").AsFloat();
        QVERIFY(SelectCompositions(w->dbgTemp1, { 0, last }));
        w->sbGraph->click();
        QVERIFY(p->dialogs().shown.empty());
        QCOMPARE(w->DBChart1->SeriesCount(), 2);
        QCOMPARE(w->GetTempDepX(), Fixed(last));
        QVERIFY(w->DBChart1->Series(1)->Count() > 0);
        QCOMPARE(PointsOf(w->DBChart1->Series(1)), RowsAgainstT(dmDataModule->qrPunkty45));
    }

    // A publication without measured points: the message once, no series.
    void noMeasuredPoints()
    {
        TfmWykres *w = Open(Binary, "Ag-Sn", "Surface tension", true);
        QVERIFY(ChooseText(w->dblAutor2, "[2004Ost]"));
        w->sbShowT1->click();
        QVERIFY(SelectCompositions(w->dbgTemp1, { 0.1, 0.2 }));
        w->sbGraph->click();
        QCOMPARE(p->dialogs().Texts("ShowMessage"), QStringList({ NotAvailable }));
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
    }

    void quinarySectionRedrawsTheMolarVolume()
    {
        TfmWykres *w
            = Open("Quinary systems", "Ag-Bi-Cu-Sb-Sn", "Molar volume", false, "[2025Dem4]");
        w->edT1->setText("900");
        ShowWithSection(w);
        const int before = w->DBChart1->SeriesCount();
        w->sbGraph->click();
        const std::vector<TChartSeries *> lines = AddedSince(w->DBChart1, before);
        QCOMPARE(lines.size(), std::size_t(1));
        QCOMPARE(lines[0]->DataSource(), dmDataModule->dsUkl51);
        const QList<QPointF> rows = RowsOf(dmDataModule->qrUkl51, "VT1");
        QVERIFY(rows.size() >= 2);
        QCOMPARE(PointsOf(lines[0]), rows);
    }
};

VIRELT_TEST(ApproxWindowTest)
#include "ApproxWindowTest.moc"
