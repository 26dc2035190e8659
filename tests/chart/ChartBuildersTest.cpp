#include "chart/ChartBuilders.h"
#include "chart/uWykresy.h"
#include "data/uDataModule.h"
#include "platform/Exceptions.h"
#include "support/ChartChecks.h"
#include "support/ChartSession.h"
#include "support/Helpers.h"
#include "support/TestRegistry.h"

#include <QPlainTextEdit>
#include <QTest>

namespace {

const QString NotANumber = QStringLiteral("Can't convert dataSource data to a number");

// The points a memo text loads to: the given positions of each row, by position.
std::vector<std::map<int, double>> Load(const QString &text)
{
    QPlainTextEdit memo;
    memo.setPlainText(text);
    TModelChart2 builder(&memo, nullptr, u';', u'.');
    builder.LoadPoints();
    std::vector<std::map<int, double>> rows;
    TPointRec point;
    for (int i = 0; i < builder.Points().GetCount(); ++i) {
        builder.Points().GetPoint(i, point);
        std::map<int, double> row;
        for (int k = 0; k < 21; ++k)
            if (point.Has(k))
                row[k] = point.P[k];
        rows.push_back(row);
    }
    return rows;
}

QString LoadError(const QString &text)
{
    try {
        Load(text);
    } catch (const Exception &e) {
        return e.Message();
    }
    return QString();
}

using Row = std::map<int, double>;

} // namespace

class ChartBuildersTest : public ChartTestCase
{
    Q_OBJECT
protected:
    void AddRows(const QString &databaseFolder) override { AddTemperatureData(databaseFolder); }

private:
    TfmWykres *OpenTemperatureTab(int tab)
    {
        TfmWykres *w = Open("Binary systems", "Tb-Ta", "Density", true);
        if (!ChooseText(w->dblAutorTemp(tab), "[9999Tst]"))
            throw std::runtime_error("no publication");
        (tab == 1 ? w->sbShowT1 : w->sbShowT2)->click();
        return w;
    }

private slots:
    void pointListReportsAnIndexOutOfBounds()
    {
        TPointList list;
        TPointRec point;
        point.Set(0, 1.5);
        list.AddPoint(point);
        TPointRec read;
        list.GetPoint(0, read);
        QCOMPARE(read.P[0], 1.5);
        QVERIFY(read.Has(0) && !read.Has(1));
        try {
            list.GetPoint(1, read);
            QFAIL("no error");
        } catch (const Exception &e) {
            QCOMPARE(e.Message(), QStringLiteral("ListIndex (1) is out of bounds [0,  0] !"));
        }
    }

    void ownRowsReadNumbersInOrderAndPassOverTheRest()
    {
        QCOMPARE(Load("0.2;512.5"), std::vector<Row>({ { { 0, 0.2 }, { 1, 512.5 } } }));
        QCOMPARE(Load("  0.2 ; ; 512.5  "), std::vector<Row>({ { { 0, 0.2 }, { 1, 512.5 } } }));
        QCOMPARE(
            Load("600; 7.1 ; ; 7.3"), std::vector<Row>({ { { 0, 600 }, { 1, 7.1 }, { 2, 7.3 } } }));
        // Text after a number up to the next separator is passed over.
        QCOMPARE(Load("600 K;7.1 mPa s;7.3"),
            std::vector<Row>({ { { 0, 600 }, { 1, 7.1 }, { 2, 7.3 } } }));
        QCOMPARE(Load("10 20"), std::vector<Row>({ { { 0, 10 } } }));
        QCOMPARE(Load("5."), std::vector<Row>({ { { 0, 5 } } }));
        // A field that is not a number, or a missing one, gives that position no point.
        QCOMPARE(Load("0.2;512.5;498\n0.3;510\n0.4;abc\n\n0.5;508;497"),
            std::vector<Row>({ { { 0, 0.2 }, { 1, 512.5 }, { 2, 498 } }, { { 0, 0.3 }, { 1, 510 } },
                { { 0, 0.4 } }, {}, { { 0, 0.5 }, { 1, 508 }, { 2, 497 } } }));
        QString many = "1";
        for (int k = 2; k <= 23; ++k)
            many += ";" + QString::number(k);
        const std::vector<Row> read = Load(many);
        QCOMPARE(read.size(), size_t(1));
        QCOMPARE(read[0].size(), size_t(21));
        QCOMPARE(read[0].at(20), 21.0);
        QCOMPARE(Load(""), std::vector<Row>({ Row() })); // one row that gives no point
    }

    void ownRowsRejectWhatWouldChangeANumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        for (const char *line :
            { "X;Y", "0.2;5.1.2", "1.5;-2", "-1;2", "1,5;2", "1;2,5", "1e3", "1;2E2" })
            QTest::newRow(line) << line << NotANumber + " in line 1: " + line;
        QTest::newRow("text") << "0.1;1\nabc" << NotANumber + " in line 2: abc";
        // The line named is the file's, blank lines counted; its text is quoted trimmed.
        QTest::newRow("line 12") << QString("0.1;9.1\n").repeated(10) + "\n  0.5;-8.8 \n0.6;8.7"
                                 << NotANumber + " in line 12: 0.5;-8.8";
        // Beyond the range of a double the point would be infinite; a long line is cut short.
        const QString huge = "0.5;" + QString(400, u'9');
        QTest::newRow("beyond a double")
            << "0.4;8.8\n" + huge << NotANumber + " in line 2: " + huge.left(80) + QChar(0x2026);
    }

    void ownRowsRejectWhatWouldChangeANumber()
    {
        QFETCH(QString, text);
        QFETCH(QString, error);
        QCOMPARE(LoadError(text), error);
    }

    void ownRowsPassOverWhatIsNoPartOfANumber()
    {
        // A comma that separates text, a minus sign apart from the number: passed over.
        QCOMPARE(Load("1, see;2"), std::vector<Row>({ { { 0, 1 }, { 1, 2 } } }));
        QCOMPARE(Load("1;- 2"), std::vector<Row>({ { { 0, 1 }, { 1, 2 } } }));
    }

    void ownIsothermIsOnePointSeriesInTheNextColour()
    {
        TfmWykres *w = OpenTemperatureTab(1);
        w->SetLineColorNo(3);
        QPlainTextEdit memo;
        memo.setPlainText("0.1;530.2\n0.2;528.7\n");
        TModelChart2 builder(&memo, w->DBChart1, u';', u'.');
        TPointSeries *series = builder.DrawIsotherm("Lab A", "1000");
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        QCOMPARE(w->DBChart1->Series(0), series);
        QCOMPARE(series->Title(), QStringLiteral("Lab A T= 1000 [K]"));
        QCOMPARE(series->SeriesColor(), clBlue);
        QCOMPARE(series->PointerStyle(), TPointerStyle::psCircle);
        QCOMPARE(PointsOf(series), QList<QPointF>({ { 0.1, 530.2 }, { 0.2, 528.7 } }));
        QCOMPARE(w->GetLineColorNo(), 4);

        memo.setPlainText("0.1;530.2\nX;Y");
        TModelChart2 failing(&memo, w->DBChart1, u';', u'.');
        QVERIFY_THROWS_EXCEPTION(EConvertError, failing.DrawIsotherm("Lab A", "1000"));
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        QCOMPARE(w->GetLineColorNo(), 4);
    }

    // The legend is as wide as its titles need and as tall as its entries; a narrow chart puts
    // the rest of a long title on a second line rather than cutting it short.
    void theLegendHoldsOwnTitlesWhole()
    {
        TfmWykres *w = OpenTemperatureTab(1);
        QPlainTextEdit memo;
        memo.setPlainText("0;530.2\n1;528.7\n");
        TModelChart2 builder(&memo, w->DBChart1, u';', u'.');
        builder.DrawIsotherm("Kozlov-Romanov-Petrov laboratory", "1000");
        const QString title = QStringLiteral("Kozlov-Romanov-Petrov laboratory T= 1000 [K]");
        const QFontMetricsF fm(w->DBChart1->LegendFont());
        w->DBChart1->resize(1100, 700);
        QVERIFY(w->DBChart1->LegendVisible());
        QCOMPARE(w->DBChart1->LegendTexts(), QStringList({ title }));
        QVERIFY(w->DBChart1->LegendRect().width() > fm.horizontalAdvance(title));
        QVERIFY(w->DBChart1->LegendRect().height() < 2 * fm.height() + 20);
        QVERIFY(w->DBChart1->LegendRect().width() < 0.4 * 1100);

        w->DBChart1->resize(640, 420);
        const QString shown = w->DBChart1->LegendTexts().at(0);
        QCOMPARE(shown.count(u'\n'), 1);
        QCOMPARE(QString(shown).replace(u'\n', u' '), title);
        for (const QString &line : shown.split(u'\n'))
            QVERIFY(w->DBChart1->LegendRect().width() > fm.horizontalAdvance(line));

        w->DBChart1->RemoveAllSeries();
        QVERIFY(!w->DBChart1->LegendVisible());
    }

    void ownTemperatureLinesFollowTheSelectedRows()
    {
        TfmWykres *w = OpenTemperatureTab(1);
        w->SetLineColorNo(5);
        w->dbgTemp1->SelectRow(0, false);
        w->dbgTemp1->SelectRow(2, true);
        QPlainTextEdit memo;
        memo.setPlainText("600;7.1;7.3\n700;;7.2\n800;6.9");
        TModelChart2 builder(&memo, w->DBChart1, u';', u'.');
        builder.DrawTemperatureLines(w->dbgTemp1);
        QCOMPARE(w->DBChart1->SeriesCount(), 2);
        auto *first = dynamic_cast<TLineSeries *>(w->DBChart1->Series(0));
        auto *second = dynamic_cast<TLineSeries *>(w->DBChart1->Series(1));
        QVERIFY(first && second);
        QCOMPARE(first->Title(), QStringLiteral("ButlerX= 0"));
        QCOMPARE(second->Title(), QStringLiteral("ButlerX= 0,5"));
        QCOMPARE(first->SeriesColor(), clRed);
        QCOMPARE(second->SeriesColor(), clGreen);
        QCOMPARE(first->LinePenWidth(), 3);
        // "700;;7.2" reads as 700 and 7.2: the passed-over empty field shifts the value.
        QCOMPARE(PointsOf(first), QList<QPointF>({ { 600, 7.1 }, { 700, 7.2 }, { 800, 6.9 } }));
        QCOMPARE(PointsOf(second), QList<QPointF>({ { 600, 7.3 } }));
        QCOMPARE(w->GetLineColorNo(), 5);
        QCOMPARE(w->dbgTemp1->SelectedRowsCount(), 2);

        w->dbgTemp1->ClearSelectedRows();
        TModelChart2 none(&memo, w->DBChart1, u';', u'.');
        none.DrawTemperatureLines(w->dbgTemp1);
        QCOMPARE(w->DBChart1->SeriesCount(), 2);
    }

    void queryPointsSkipExactlyTheRowsWithoutTOrY()
    {
        TfmWykres *w = OpenTemperatureTab(1);
        ExecSql(p->folder.DatabasePath(),
            { "INSERT INTO PUNKTY_D VALUES (901, 4, 9901, 0.5, NULL, 2.4, NULL, NULL)" });
        w->SetLineColorNo(1);
        TQuery query(nullptr, "qrTest");
        query.SetDatabaseName(dmDataModule->DatabasePath());
        query.SetSQL({ "SELECT T, Y FROM PUNKTY_D WHERE ID_TAB_UKL = 901 AND X = 0.5 "
                       "ORDER BY T" });
        TDBChartFromQuery builder(&query, w->DBChart1);
        QVERIFY(query.Active());
        query.Last();
        TPointSeries *series = builder.Draw();
        QCOMPARE(builder.Points().GetCount(), 4);
        QCOMPARE(PointsOf(series), QList<QPointF>({ { 600, 2.5 }, { 700, 2.2 } }));
        QVERIFY(!series->ShowInLegend());
        QCOMPARE(series->PointerStyle(), TPointerStyle::psRectangle);
        QCOMPARE(series->SeriesColor(), clGreen);
        QCOMPARE(w->GetLineColorNo(), 2);

        query.SetSQL({ "SELECT T, Y FROM PUNKTY_D WHERE X = 7" });
        TDBChartFromQuery empty(&query, w->DBChart1);
        QCOMPARE(empty.Draw()->Count(), 0);
        QCOMPARE(w->GetLineColorNo(), 3);
        QCOMPARE(w->DBChart1->SeriesCount(), 2);
    }

    void aLineListDrawsItsRecordsInTheTabsColours()
    {
        TfmWykres *w = OpenTemperatureTab(1);
        w->dbgTemp1->SelectRow(1, false); // X = 0.25
        w->PunktTemp(1)->Add({ 500, 10.5, 900, 12.25 });
        w->DrawPunktTemp1();
        QCOMPARE(w->PunktTemp(1)->Count(), 0);
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        auto *line = dynamic_cast<TLineSeries *>(w->DBChart1->Series(0));
        QVERIFY(line);
        QCOMPARE(PointsOf(line), QList<QPointF>({ { 500, 10.5 }, { 900, 12.25 } }));
        QCOMPARE(line->Title(), QStringLiteral("[9999Tst]   X=0,25"));
        QCOMPARE(line->SeriesColor(), clRed);
        QCOMPARE(line->LinePenWidth(), 2);
        QCOMPARE(line->LinePenStyle(), Qt::SolidLine);
        QCOMPARE(w->GetPointSeriesNo(), 1);

        w->DrawPunktTemp1(); // nothing waits
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        QCOMPARE(w->GetPointSeriesNo(), 1);

        // The palette holds clSilver twice and wraps around after its twentieth colour.
        for (int counter : { 12, 15, 19, 20, 43 }) {
            w->SetPointSeriesNo(counter);
            w->PunktTemp(1)->Add({ 500, 1, 900, 2 });
            w->DrawPunktTemp1();
        }
        QCOMPARE(w->DBChart1->Series(1)->SeriesColor(), clSilver);
        QCOMPARE(w->DBChart1->Series(2)->SeriesColor(), clSilver);
        QCOMPARE(w->DBChart1->Series(3)->SeriesColor(), clInfoBk);
        QCOMPARE(w->DBChart1->Series(4)->SeriesColor(), clRed);
        QCOMPARE(w->DBChart1->Series(5)->SeriesColor(), clBlue);
        QCOMPARE(w->GetPointSeriesNo(), 44);
    }
};

VIRELT_TEST(ChartBuildersTest)
#include "ChartBuildersTest.moc"
