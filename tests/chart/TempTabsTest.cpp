#include "app/Messages.h"
#include "chart/ListaWybranych.h"
#include "chart/uEut.h"
#include "chart/uWykresy.h"
#include "data/uDataModule.h"
#include "models/ViscosityModels.h"
#include "support/ChartChecks.h"
#include "support/ChartSession.h"
#include "support/Helpers.h"
#include "support/TestRegistry.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

QStringList Titles(const TDBChart *chart)
{
    QStringList titles;
    for (const TChartSeries *series : chart->AllSeries())
        titles << series->Title();
    return titles;
}

void Select(TDBGrid *grid, std::initializer_list<int> rows)
{
    grid->ClearSelectedRows();
    for (int row : rows)
        grid->SelectRow(row, true);
}

// What a drawn line is: its title, colour and two end points.
struct Line
{
    QString title;
    TColor colour;
    QList<QPointF> points;
};

// The chart's series from `first` on are these lines.
void CheckLines(const TDBChart *chart, int first, const std::vector<Line> &lines)
{
    QCOMPARE(chart->SeriesCount(), first + int(lines.size()));
    for (int i = 0; i < int(lines.size()); ++i) {
        const TChartSeries *series = chart->Series(first + i);
        QVERIFY(dynamic_cast<const TLineSeries *>(series));
        QCOMPARE(series->Title(), lines[i].title);
        QCOMPARE(series->SeriesColor(), lines[i].colour);
        QCOMPARE(PointsOf(series), lines[i].points);
    }
}

} // namespace

class TempTabsTest : public ChartTestCase
{
    Q_OBJECT
protected:
    void AddRows(const QString &databaseFolder) override { AddTemperatureData(databaseFolder); }

private:
    // Shows a publication on a tab; a section is chosen by its index in the eutectic picker.
    void ShowTab(TfmWykres *w, int tab, const QString &tag, int section = 0)
    {
        QVERIFY(ChooseText(w->dblAutorTemp(tab), tag));
        p->modal().Script("fmEut", [section](TForm &) {
            fmEut->dblEut->Choose(section);
            fmEut->sbOK->click();
        });
        (tab == 1 ? w->sbShowT1 : w->sbShowT2)->click();
    }

    TfmWykres *Show(const QString &category, const QString &system, const QString &property,
        const QString &tag, int section = 0)
    {
        TfmWykres *w = Open(category, system, property, true);
        ShowTab(w, 1, tag, section);
        return w;
    }

private slots:
    void showListsTheCompositionsOfThePublication()
    {
        TfmWykres *w = Show("Binary systems", "Tb-Ta", "Density", "[9999Tst]");
        QCOMPARE(w->dbgTemp1->model()->rowCount(), 5);
        QCOMPARE(w->dbgTemp1->CellText(1, 0), QStringLiteral("0,25"));
        QVERIFY(w->sbGraphT1->isEnabled() && w->chbSelectT1->isEnabled());
        QVERIFY(w->sbGraph->isEnabled());
        QCOMPARE(w->GetTempDepX(), Fixed(0));
        ShowTab(w, 2, "[9997Lin]");
        QCOMPARE(w->dbgTemp2->model()->rowCount(), 3);
        QCOMPARE(w->GetTempDepX(), Fixed(0.2));
        QCOMPARE(ListaWybranychPublikacji->GetCommaText(), QStringLiteral("9901,9903"));
        QCOMPARE(w->dbgPublikacje->model()->rowCount(), 2);
        QVERIFY(p->dialogs().shown.empty());

        // A publication without compositions: the message, and X stays.
        ShowTab(w, 1, "[9998Emp]");
        QCOMPARE(p->dialogs().Texts(), QStringList({ NotAvailable }));
        QCOMPARE(w->GetTempDepX(), Fixed(0.2));
    }

    void graphDrawsEachChosenLineOnce()
    {
        TfmWykres *w = Show("Binary systems", "Tb-Ta", "Density", "[9999Tst]");
        Select(w->dbgTemp1, { 0, 2 });
        w->sbGraphT1->click();
        QVERIFY(p->dialogs().shown.empty());
        CheckLines(w->DBChart1, 0,
            { { "[9999Tst]   X=0", clRed, { { 500, 9.5 }, { 900, 9.1 } } },
                { "[9999Tst]   X=0,5", clGreen, { { 500, 8.5 }, { 900, 8.1 } } } });
        QCOMPARE(w->GetPointSeriesNo(), 2);
        QCOMPARE(ListaWybranychLini->GetCommaText(), QStringLiteral("9102,9104"));

        // Lines already drawn are passed over; only the new one is drawn, under its own X.
        Select(w->dbgTemp1, { 0, 2, 4 });
        w->sbGraphT1->click();
        CheckLines(
            w->DBChart1, 2, { { "[9999Tst]   X=1", clPurple, { { 500, 7.5 }, { 900, 7.1 } } } });
        QCOMPARE(w->PunktTemp(1)->Count(), 0);
        w->sbGraphT1->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 3);

        // With no row selected nothing is drawn.
        w->dbgTemp1->ClearSelectedRows();
        w->sbClearT1->click();
        w->sbGraphT1->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
    }

    void rowsWithoutACompleteLineAreReportedAndPassedOver()
    {
        TfmWykres *w = Show("Binary systems", "Tb-Ta", "Density", "[9999Tst]");
        // X = 0.25 has no line, X = 0.75 a single end point; the current row is the last.
        Select(w->dbgTemp1, { 1, 2, 3 });
        w->sbGraphT1->click();
        QCOMPARE(p->dialogs().Texts("ShowMessage"), QStringList({ NotAvailable, NotAvailable }));
        QCOMPARE(Titles(w->DBChart1), QStringList({ "[9999Tst]   X=0,5" }));
        QCOMPARE(ListaWybranychLini->GetCommaText(), QStringLiteral("9104"));

        p->dialogs().Clear();
        ShowTab(w, 2, "[9997Lin]");
        Select(w->dbgTemp2, { 0, 2, 1 });
        w->sbGraphT2->click();
        QCOMPARE(p->dialogs().Texts(), QStringList({ NotAvailable }));
        CheckLines(w->DBChart1, 1,
            { { "[9997Lin]   X=0,2", clRed, { { 600, 9.8 }, { 1000, 9 } } },
                { "[9997Lin]   X=0,4", clGreen, { { 600, 10.8 }, { 1000, 10 } } } });
        QCOMPARE(dynamic_cast<TLineSeries *>(w->DBChart1->Series(2))->LinePenStyle(),
            Qt::DashDotDotLine);
        QCOMPARE(w->GetPunktTemp2No(), 2);
        QCOMPARE(w->GetPointSeriesNo(), 1);
        QCOMPARE(ListaWybranychLini2->GetCommaText(), QStringLiteral("9112,9114"));

        // The second tab has no measured points: a current row without a line stops Graph.
        p->dialogs().Clear();
        Select(w->dbgTemp2, { 0, 2 });
        w->sbGraphT2->click();
        QCOMPARE(p->dialogs().Texts(), QStringList({ NotAvailable }));
        QCOMPARE(w->DBChart1->SeriesCount(), 3);
    }

    // Each tab keeps the section chosen for it: the second tab's choice leaves the first's lines
    // as they were.
    void sectionsOfATernarySystemOnBothTabs()
    {
        TfmWykres *w = Show("Ternary systems", "Ta-Tb-Tc", "Density", "[9999Tst]", 0);
        QCOMPARE(p->modal().shownForms, QStringList({ "fmEut" }));
        QVERIFY(!fmEut);
        QCOMPARE(w->GetEutecticId(1), 1);
        QCOMPARE(w->dbgTemp1->DataSource(), dmDataModule->dsDane45);
        QCOMPARE(w->dbgTemp1->model()->rowCount(), 3);
        ShowTab(w, 2, "[9999Tst]", 1);
        QCOMPARE(w->GetEutecticId(1), 1);
        QCOMPARE(w->GetEutecticId(2), 2);
        QCOMPARE(w->dbgTemp1->model()->rowCount(), 3);
        QCOMPARE(w->dbgTemp2->model()->rowCount(), 2);

        w->chbSelectT1->setChecked(true);
        QCOMPARE(w->dbgTemp1->SelectedRowsCount(), 3);
        w->sbGraphT1->click();
        QVERIFY(p->dialogs().shown.empty());
        CheckLines(w->DBChart1, 0,
            { { "[9999Tst]   X=0", clRed, { { 500, 6.5 }, { 900, 6.1 } } },
                { "[9999Tst]   X=0,05", clGreen, { { 500, 7 }, { 900, 6.6 } } },
                { "[9999Tst]   X=0,1", clPurple, { { 500, 7.5 }, { 900, 7.1 } } } });

        w->chbSelectT2->setChecked(true);
        w->sbGraphT2->click();
        QVERIFY(p->dialogs().shown.empty());
        // The row of every section comes first here.
        CheckLines(w->DBChart1, 3,
            { { "[9999Tst]   X=0,1", clRed, { { 500, 7.5 }, { 900, 7.1 } } },
                { "[9999Tst]   X=0,05", clGreen, { { 500, 5.5 }, { 900, 5.1 } } } });
        QCOMPARE(dynamic_cast<TLineSeries *>(w->DBChart1->Series(4))->LinePenStyle(),
            Qt::DashDotDotLine);
        QCOMPARE(ListaWybranychLini->GetCommaText(), QStringLiteral("9122,9124,9126"));
        QCOMPARE(ListaWybranychLini2->GetCommaText(), QStringLiteral("9126,9128"));
    }

    // A system of three or more elements without sections has nothing to show on a tab.
    void aSystemWithoutSections()
    {
        ExecSql(p->folder.DatabasePath(), { "DELETE FROM EUT WHERE ID_TAB_UKL = 902" });
        TfmWykres *w = Open("Ternary systems", "Ta-Tb-Tc", "Density", true);
        QVERIFY(ChooseText(w->dblAutor2, "[9999Tst]"));
        w->sbShowT1->click();
        QCOMPARE(p->dialogs().Texts(), QStringList({ NotAvailable }));
        QVERIFY(p->modal().shownForms.isEmpty());
        QVERIFY(!fmEut);
        QVERIFY(!w->dbgTemp1->DataSource());
        QVERIFY(!w->sbGraphT1->isEnabled());
    }

    void viscosityLinesFollowTheArrheniusCurve_data()
    {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<QPointF>("probe");
        // The straight line read 10.96 mPa s at 973 K.
        QTest::newRow("gentle") << QPointF(673, 18.27) << QPointF(1273, 3.64)
                                << QPointF(973, 6.36);
        // A of such steep ends is beyond a double's range; the straight line read 2.
        QTest::newRow("steep, rising") << QPointF(1000, 1) << QPointF(1001, 3)
                                       << QPointF(1000.5, 1.733);
        QTest::newRow("steep, falling") << QPointF(1000, 3) << QPointF(1001, 1)
                                        << QPointF(1000.5, 1.732);
        // Most of the change lies within a few kelvins of the cold end.
        QTest::newRow("cold end") << QPointF(2000, 1e6) << QPointF(1, 0.0001)
                                  << QPointF(2, 10.058);
        // No curve joins an infinite end; the line once ran on for 2^64 halvings.
        const double infinity = std::numeric_limits<double>::infinity();
        QTest::newRow("infinite end") << QPointF(500, 2) << QPointF(800, infinity) << QPointF();
        QTest::newRow("infinite start") << QPointF(500, infinity) << QPointF(800, 2) << QPointF();
    }

    // Viscosity follows A*exp(E/(R*T)): its line bends through the two end points, within 1 %
    // of that curve everywhere.
    void viscosityLinesFollowTheArrheniusCurve()
    {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(QPointF, probe);
        // No stored or typed value is infinite, so these ends go to the line itself: it joins
        // them straight, as any ends that no curve joins.
        if (!std::isfinite(from.y() + to.y())) {
            const QList<QPointF> line = ArrheniusLine(from.x(), from.y(), to.x(), to.y());
            QCOMPARE(line.size(), 2);
            QCOMPARE(line.first().y(), from.y());
            QCOMPARE(line.last().y(), to.y());
            return;
        }
        ExecSql(p->folder.DatabasePath(),
            { QString("INSERT INTO DANE_WLASNOSCI_T (ID_DANE_WLA_T, ID_WLASCIWOSCI, ID_TAB_UKL, "
                      "ID_PUBLIKACJI, X, T, A, B) VALUES (9801, 4, 901, 9901, 0, %1, %2, 0), "
                      "(9802, 4, 901, 9901, 0, %3, %4, 0)")
                    .arg(from.x())
                    .arg(from.y())
                    .arg(to.x())
                    .arg(to.y()) });
        TfmWykres *w = Show("Binary systems", "Tb-Ta", "Viscosity", "[9999Tst]");
        Select(w->dbgTemp1, { 0 });
        w->sbGraphT1->click();
        QVERIFY(p->dialogs().shown.empty());
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        const QList<QPointF> line = PointsOf(w->DBChart1->Series(0));
        QCOMPARE(line.first(), from);
        QCOMPARE(line.last(), to);
        // What the chart shows at t: the segment's value there.
        const auto drawn = [&](double t) {
            int piece = 0;
            while ((line[piece + 1].x() - t) * (to.x() - from.x()) < 0)
                ++piece;
            const QPointF a = line[piece], b = line[piece + 1];
            return a.y() + (b.y() - a.y()) * (t - a.x()) / (b.x() - a.x());
        };
        const double slope = std::log(from.y() / to.y()) / (1 / from.x() - 1 / to.x());
        const auto curve
            = [&](double t) { return from.y() * std::exp(slope * (1 / t - 1 / from.x())); };
        // Evenly in T, and evenly in 1/T, where the curve changes evenly.
        for (int i = 0; i <= 1200; ++i)
            for (const double t : { from.x() + (to.x() - from.x()) * i / 1200,
                     1 / (1 / from.x() + (1 / to.x() - 1 / from.x()) * i / 1200) })
                QVERIFY2(std::fabs(drawn(t) - curve(t)) < 0.01 * curve(t),
                    qPrintable(QString::number(t)));
        QVERIFY2(std::fabs(drawn(probe.x()) - probe.y()) < 0.005 * probe.y(),
            qPrintable(QString::number(drawn(probe.x()))));
    }

    void viscosityWithoutLinesDrawsTheMeasuredPoints()
    {
        TfmWykres *w = Show("Binary systems", "Tb-Ta", "Viscosity", "[9999Tst]");
        QCOMPARE(w->dbgTemp1->model()->rowCount(), 3);
        Select(w->dbgTemp1, { 0, 1 });
        w->sbGraphT1->click();
        QVERIFY(p->dialogs().shown.empty());
        // Per composition: the points, out of the legend, then their legend entry.
        QCOMPARE(w->DBChart1->SeriesCount(), 4);
        const TColor colours[] = { clRed, clGreen, clPurple, clBlue };
        const QStringList xs = { "0", "0,5", "0,5", "0" };
        auto checkPair = [&](int i) {
            const TChartSeries *points = w->DBChart1->Series(2 * i);
            const TChartSeries *entry = w->DBChart1->Series(2 * i + 1);
            QVERIFY(!points->ShowInLegend());
            QCOMPARE(points->SeriesColor(), colours[i]);
            QVERIFY(entry->ShowInLegend());
            QCOMPARE(entry->Title(), "[9999Tst]   X=" + xs[i]);
            QCOMPARE(entry->SeriesColor(), colours[i]);
            QCOMPARE(entry->Count(), 0);
        };
        checkPair(0);
        checkPair(1);
        QCOMPARE(PointsOf(w->DBChart1->Series(0)), QList<QPointF>({ { 600, 2 }, { 700, 1.8 } }));
        QCOMPARE(PointsOf(w->DBChart1->Series(2)), QList<QPointF>({ { 600, 2.5 }, { 700, 2.2 } }));
        QCOMPARE(w->GetTempDepX(), Fixed(0.5));
        QCOMPARE(w->GetPointSeriesNo(), 2);
        QCOMPARE(w->GetLineColorNo(), 2);

        // Each selected composition is asked for its own points. X = 1 has none: the message,
        // once, and nothing drawn for it; X = 0.5 is drawn, its legend entry in its points'
        // colour.
        Select(w->dbgTemp1, { 1, 2 });
        w->sbGraphT1->click();
        QCOMPARE(p->dialogs().Texts(), QStringList({ NotAvailable }));
        QCOMPARE(w->DBChart1->SeriesCount(), 6);
        checkPair(2);
        QCOMPARE(w->GetPointSeriesNo(), 1);
        QCOMPARE(w->GetLineColorNo(), 3);

        // The composition the last click ended on has no points; the one selected has.
        p->dialogs().Clear();
        Select(w->dbgTemp1, { 0 });
        w->sbGraphT1->click();
        QVERIFY(p->dialogs().shown.empty());
        QCOMPARE(w->DBChart1->SeriesCount(), 8);
        checkPair(3);
        QCOMPARE(PointsOf(w->DBChart1->Series(6)), QList<QPointF>({ { 600, 2 }, { 700, 1.8 } }));

        w->sbClearT1->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QCOMPARE(w->GetLineColorNo(), 0);
        QCOMPARE(w->GetPointSeriesNo(), 0);
    }

    void measuredPointsThatAreMissing()
    {
        // Density has no measured points.
        TfmWykres *w = Show("Binary systems", "Tb-Ta", "Density", "[9997Lin]");
        w->dbgTemp1->SelectRow(2, false); // X = 0.6: no line
        w->sbGraphT1->click();
        QCOMPARE(p->dialogs().Texts(), QStringList({ NotAvailable }));
        QCOMPARE(w->DBChart1->SeriesCount(), 0);

        // A publication without measured points.
        p->dialogs().Clear();
        w = Show("Binary systems", "Tb-Ta", "Viscosity", "[9997Lin]");
        w->dbgTemp1->SelectRow(0, false);
        w->sbGraphT1->click();
        QCOMPARE(p->dialogs().Texts("MessageDlg"),
            QStringList({ "This data aren’t available in this version VIRELT database." }));
        QCOMPARE(p->dialogs().shown.back().type, int(mtInformation));
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
    }

    void measuredPointsOfASection()
    {
        TfmWykres *w = Show("Ternary systems", "Ta-Tb-Tc", "Viscosity", "[9999Tst]");
        QCOMPARE(w->GetTempDepX(), Fixed(0.05));
        // Another section on the second tab: the first tab's points stay those of its own.
        ShowTab(w, 2, "[9999Tst]", 1);
        p->dialogs().Clear();
        w->chbSelectT1->setChecked(true);
        w->sbGraphT1->click();
        QVERIFY(p->dialogs().shown.empty());
        QCOMPARE(w->DBChart1->SeriesCount(), 2);
        QCOMPARE(PointsOf(w->DBChart1->Series(0)), QList<QPointF>({ { 650, 3 }, { 750, 2.6 } }));
        QCOMPARE(w->DBChart1->Series(1)->Title(), QStringLiteral("[9999Tst]   X=0,05"));
    }

    void selectAllCellClickAndClear()
    {
        TfmWykres *w = Show("Binary systems", "Tb-Ta", "Density", "[9999Tst]");
        w->chbSelectT1->setChecked(true);
        QCOMPARE(w->dbgTemp1->SelectedRowsCount(), 5);
        emit w->dbgTemp1->clicked(w->dbgTemp1->model()->index(1, 0));
        QVERIFY(!w->chbSelectT1->isChecked());
        QCOMPARE(w->dbgTemp1->SelectedRowsCount(), 0);

        w->chbSelectT1->setChecked(true);
        w->sbGraphT1->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 3); // three of the five rows have a line
        w->SetButlerCount(2);
        w->SetPbSnDrawn(1);
        w->sbClearT1->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(!w->dbgTemp1->DataSource() && !w->dbgPublikacje->DataSource());
        QVERIFY(!w->sbGraphT1->isEnabled() && !w->sbGraph->isEnabled());
        QVERIFY(!w->chbSelectT1->isChecked() && !w->chbSelectT1->isEnabled());
        QCOMPARE(w->GetPointSeriesNo() + w->GetButlerCount() + w->GetPbSnDrawn(), 0);
        QCOMPARE(ListaWybranychLini->Count(), 0);
        QCOMPARE(ListaWybranychPublikacji->GetCommaText(), QStringLiteral("9901"));

        // After Clear, Show and Graph draw the same lines again.
        ShowTab(w, 1, "[9999Tst]");
        w->chbSelectT1->setChecked(true);
        w->sbGraphT1->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 3);
        QCOMPARE(w->DBChart1->Series(0)->SeriesColor(), clRed);
    }
};

VIRELT_TEST(TempTabsTest)
#include "TempTabsTest.moc"
