#include "models/uSurfConc.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "support/ChartSession.h"
#include "support/TestRegistry.h"

#include "CurveChecks.h"

#include <QTest>

class SurfConcWindowTest : public ChartTestCase
{
    Q_OBJECT
private:
    TfmSurfConc *ShowFor(const char *system)
    {
        Open("Binary systems", system, "Surface tension");
        fmSurfConc->show();
        return fmSurfConc;
    }

    static void Run(TfmSurfConc *w, const QString &t)
    {
        w->edModel->setText(t);
        w->sbModelOK->click();
    }

private slots:
    void theWindow()
    {
        TfmSurfConc *w = ShowFor("Ag-Au");
        QCOMPARE(w->objectName(), QStringLiteral("fmSurfConc"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Virelt 2"));
        QCOMPARE(w->dbChartSurfConc->Title(), QStringLiteral("Ag-Au"));
        QCOMPARE(w->dbChartSurfConc->BottomAxisTitle(), QStringLiteral("X(B)"));
        QCOMPARE(w->dbChartSurfConc->LeftAxisTitle(), QStringLiteral("X(S)"));
        QCOMPARE(w->edModel->maxLength(), 4);
        QVERIFY(w->cbModel1->isHidden() && w->lblSelectModel->isHidden());
        QCOMPARE(w->Label1->text() + w->Label2->text(), QStringLiteral("SURFACE CONCENTRATION"));
    }

    // Two curves per run, titled with the temperature, each run in the next colour.
    void twoCurvesPerRun()
    {
        TfmSurfConc *w = ShowFor("Ag-Au");
        Run(w, "1300");
        QVERIFY(p->dialogs().shown.empty());
        QCOMPARE(w->dbChartSurfConc->SeriesCount(), 2);
        TChartSeries *bulk = w->dbChartSurfConc->Series(0);
        TChartSeries *rest = w->dbChartSurfConc->Series(1);
        QCOMPARE(bulk, w->GetSeries1());
        QCOMPARE(rest, w->GetSeries2());
        QCOMPARE_STYLE(bulk, true, "X_S1 1300[K]", clRed, 3);
        QCOMPARE_STYLE(rest, true, "X_S2 1300[K]", clRed, 1);
        QCOMPARE(bulk->Count(), 101);
        QCOMPARE(rest->Count(), 101);
        QCOMPARE(bulk->YValue(0), 0.0);
        QCOMPARE(bulk->YValue(100), 1.0);
        QCOMPARE(qRound(bulk->YValue(50) * 1e6), 354638);
        QCOMPARE(qRound(rest->YValue(50) * 1e6), 645362);
        QCOMPARE(qRound(bulk->YValue(10) * 1e6), 49385);
        QCOMPARE(bulk->XValue(10), 0.1);
        QCOMPARE(w->GetRunCount(), 1);

        Run(w, "1400");
        QCOMPARE(w->dbChartSurfConc->SeriesCount(), 4);
        QCOMPARE_STYLE(w->dbChartSurfConc->Series(2), true, "X_S1 1400[K]", clGreen, 3);
        QCOMPARE(w->dbChartSurfConc->Series(3)->SeriesColor(), clGreen);

        w->sbClear1->click();
        QCOMPARE(w->dbChartSurfConc->SeriesCount(), 0);
        QVERIFY(w->edModel->text().isEmpty());
        QCOMPARE(w->GetRunCount(), 0);
        Run(w, "1300");
        QCOMPARE(w->dbChartSurfConc->Series(0)->SeriesColor(), clRed);
    }

    void temperaturesAreChecked()
    {
        TfmSurfConc *w = ShowFor("Ag-Au");
        Run(w, "272");
        QCOMPARE(p->dialogs().Texts("MessageDlg"),
            QStringList({ "Error! Temperature range <273,2000[K]>" }));
        QCOMPARE(p->dialogs().shown[0].type, int(mtError));
        QCOMPARE(w->dbChartSurfConc->SeriesCount(), 0);
        QCOMPARE(w->GetRunCount(), 1);
        Run(w, "273");
        Run(w, "2000");
        QCOMPARE(w->dbChartSurfConc->SeriesCount(), 4);
        QCOMPARE(w->dbChartSurfConc->Series(0)->SeriesColor(), clGreen);

        p->dialogs().Clear();
        Run(w, "2001");
        QCOMPARE(p->dialogs().Texts().size(), 1);
        Run(w, "12a");
        QCOMPARE(p->dialogs().Texts("Exception").size(), 1);
        QCOMPARE(w->dbChartSurfConc->SeriesCount(), 4);
        QCOMPARE(w->GetRunCount(), 4);

        w->edModel->clear();
        w->sbModelOK->click(); // nothing to run
        QCOMPARE(w->GetRunCount(), 4);
    }

    // Only Ag-Au has a model; the run counts all the same.
    void otherSystems()
    {
        TfmSurfConc *w = ShowFor("Ag-Sn");
        Run(w, "1300");
        QVERIFY(p->dialogs().shown.empty());
        QCOMPARE(w->dbChartSurfConc->SeriesCount(), 0);
        QCOMPARE(w->GetRunCount(), 1);
    }

    void theColoursStartAgainAfterTwenty()
    {
        TfmSurfConc *w = ShowFor("Ag-Au");
        for (int run = 0; run < 21; ++run)
            Run(w, QString::number(1000 + run));
        QCOMPARE(w->dbChartSurfConc->Series(2 * 18)->SeriesColor(), clActiveCaption);
        QCOMPARE(w->dbChartSurfConc->Series(2 * 20)->SeriesColor(), clRed);
    }

    void backAndExit()
    {
        TfmSurfConc *w = ShowFor("Ag-Au");
        Run(w, "1300");
        p->dialogs().answers << mrNo;
        w->sbExit->click();
        QCOMPARE(p->dialogs().Texts(), QStringList({ "Exit to Windows?" }));
        QVERIFY(!Application().Terminated());
        w->sbHelp->click();
        QCOMPARE(p->shell().documents.size(), 1);
        QVERIFY(p->shell().documents[0].endsWith("VIRELT 2 PL.pdf"));
        w->sbBack->click();
        QCOMPARE(w->dbChartSurfConc->SeriesCount(), 0);
        QVERIFY(!w->isVisible());
    }
};

VIRELT_TEST(SurfConcWindowTest)
#include "SurfConcWindowTest.moc"
