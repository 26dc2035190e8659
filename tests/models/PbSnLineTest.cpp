#include "app/Messages.h"
#include "chart/uWykresy.h"
#include "support/ChartSession.h"
#include "support/TestRegistry.h"

#include "CurveChecks.h"

#include <QTest>

class PbSnLineTest : public ChartTestCase
{
    Q_OBJECT
private slots:
    void eutecticLine_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<double>("at500");
        QTest::addColumn<double>("at1300");
        QTest::newRow("density") << "Density" << 8.2651 << 7.3683;
        QTest::newRow("surface tension") << "Surface tension" << 472.9 << 421.38;
    }

    // One dash-dot-dot line from 500 K to 1300 K, drawn once until a clear.
    void eutecticLine()
    {
        QFETCH(QString, property);
        QFETCH(double, at500);
        QFETCH(double, at1300);
        TfmWykres *w = Open("Binary systems", "Ag-Sn", property, true);
        QVERIFY(w->sbPbSn->isEnabled());
        w->sbPbSn->click();
        QVERIFY(p->dialogs().shown.empty());
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        TChartSeries *line = w->DBChart1->Series(0);
        QCOMPARE_STYLE(line, true, "(Pb-Sn)eut", clBlack, 1);
        QCOMPARE(dynamic_cast<TLineSeries *>(line)->LinePenStyle(), Qt::DashDotDotLine);
        QCOMPARE(line->Count(), 9);
        for (int i = 0; i < 9; ++i)
            QCOMPARE(line->XValue(i), 500.0 + 100 * i);
        QCOMPARE(line->YValue(0), at500);
        QCOMPARE(line->YValue(8), at1300);
        QVERIFY(!w->sbPbSn->isEnabled());
        QCOMPARE(w->GetPbSnDrawn(), 1);

        w->sbPbSnClick(); // the flag holds even if the button is reached
        QCOMPARE(w->DBChart1->SeriesCount(), 1);

        w->sbClearT1->click(); // a clear lets the line be drawn again
        QVERIFY(w->sbPbSn->isEnabled());
        w->sbPbSn->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        QCOMPARE(w->DBChart1->Series(0)->Count(), 9);
    }

    void otherPropertiesHaveNoLine()
    {
        TfmWykres *w = Open("Binary systems", "Ag-Sn", "Molar volume", true);
        w->sbPbSn->click();
        QCOMPARE(p->dialogs().Texts("ShowMessage"), QStringList({ NotAvailable }));
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(!w->sbPbSn->isEnabled());
        QCOMPARE(w->GetPbSnDrawn(), 1);
    }
};

VIRELT_TEST(PbSnLineTest)
#include "PbSnLineTest.moc"
