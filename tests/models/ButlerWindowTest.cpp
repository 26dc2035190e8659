#include "app/Messages.h"
#include "app/uSelect.h"
#include "chart/uWykresy.h"
#include "models/ButlerFits.h"
#include "platform/Dialogs.h"
#include "support/ChartSession.h"
#include "support/Helpers.h"
#include "support/TestRegistry.h"

#include "CurveChecks.h"

#include <QTest>

namespace {

const char *const Binary = "Binary systems";

const char *const ButlerSystems[] = { "Ag-Au", "Ag-Bi", "Ag-Cu", "Ag-In", "Ag-Sb", "Ag-Sn", "Au-Cu",
    "Au-Sn", "Bi-Sn", "In-Sn", "Pb-Sn", "Sb-Sn", "In-Zn", "Sn-Zn", "Cu-Sn", "Cu-Sb", "Ag-Cu-Sn" };

const char *CategoryOf(const QString &system)
{
    return system.count(u'-') == 1 ? Binary : "Ternary systems";
}

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
        const double stated[] = { 890.857, 708.4258, 565.7208, 515.4626, 477.341 };
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(curve->XValue(25 * i), 0.25 * i);
            QCOMPARE(curve->YValue(25 * i), stated[i]);
        }
        QVERIFY(!w->GetButlerPending(1));
        QVERIFY(w->GetButlerPending(2));

        p->dialogs().answers << mrYes;
        w->sbButler->click(); // nothing new until T1 changes
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
    }

    // Every system's fit at every point of its isotherm.
    void everySystem_data()
    {
        QTest::addColumn<QString>("system");
        for (const char *system : ButlerSystems)
            QTest::newRow(system) << QString::fromLatin1(system);
    }

    void everySystem()
    {
        QFETCH(QString, system);
        const QByteArray name = system.toLatin1();
        TfmWykres *w = OpenIsotherms(CategoryOf(system), name.constData(), "1100");
        p->dialogs().answers << mrYes;
        w->sbButlerClick();
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        TChartSeries *curve = w->DBChart1->Series(0);
        const ButlerIsotherm *isotherm = FindButlerIsotherm(system);
        QCOMPARE(curve->Count(), isotherm->points);
        for (int i = 0; i < isotherm->points; ++i) {
            QCOMPARE(curve->XValue(i), isotherm->X(i).ToDouble());
            QCOMPARE(curve->YValue(i), ButlerAt(name.constData(), isotherm->X(i), 1100).ToDouble());
        }
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

    // A system without a fit moves the chain on; another property draws nothing.
    void nothingToDraw()
    {
        TfmWykres *w = OpenIsotherms("Ternary systems", "Ag-Bi-Sn", "700");
        p->dialogs().answers << mrYes;
        w->sbButlerClick();
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QCOMPARE(p->dialogs().Texts(), QStringList({ "Butler model" }));
        QVERIFY(!w->GetButlerPending(1));
        QVERIFY(w->GetButlerPending(2));

        w = Open(Binary, "Ag-Sn", "Density");
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

        // Whole kelvins, as Show takes them.
        for (const char *decimal : { "673.", "99.5" }) {
            w->edT2->setText(decimal);
            p->dialogs().Clear();
            p->dialogs().answers << mrYes;
            w->sbButler->click();
            QCOMPARE(p->dialogs().Texts("Exception"),
                QStringList({ QStringLiteral("Incorrect data format : ") + decimal }));
            QCOMPARE(w->DBChart1->SeriesCount(), 0);
            QVERIFY(w->GetButlerPending(1));
        }

        w->edT2->clear();
        p->dialogs().answers << mrYes;
        w->sbButler->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        QCOMPARE(w->DBChart1->Series(0)->Title(), QStringLiteral("Butler 2000[K]"));
    }

    // Where a fit leaves its domain (a surface fraction outside [0, 1], T·ln T at 0 K, or a
    // surface tension at or below 0 mN/m) the isotherm is not drawn and a message says so; the
    // chain goes on to the next temperature.
    void isothermsOutsideTheModel_data()
    {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("t");
        QTest::newRow("Sn-Zn") << "Sn-Zn"
                               << "1534";
        QTest::newRow("Cu-Sb") << "Cu-Sb"
                               << "1800";
        QTest::newRow("Ag-Au") << "Ag-Au"
                               << "0";
        QTest::newRow("In-Zn") << "In-Zn"
                               << "50";
    }

    void isothermsOutsideTheModel()
    {
        QFETCH(QString, system);
        QFETCH(QString, t);
        TfmWykres *w = OpenIsotherms(Binary, system.toLatin1().constData(), t);
        w->edT2->setText("1000");
        p->dialogs().answers << mrYes;
        w->sbButler->click();
        QCOMPARE(p->dialogs().Texts(),
            QStringList({ "Butler model",
                "Error! The Butler model gives no valid value for " + system + " at " + t
                    + " [K]." }));
        QCOMPARE(p->dialogs().shown[1].type, int(mtError));
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        QCOMPARE_STYLE(w->DBChart1->Series(0), true, "Butler 1000[K]", clGreen, 3);
        QCOMPARE(HiddenLines(w, w->DBChart1), 0);
        QVERIFY(!w->GetButlerPending(1) && !w->GetButlerPending(2));
        QVERIFY(w->GetButlerPending(3));
    }

    // A fit without a T·ln T term holds at 0 K.
    void zeroKelvin()
    {
        TfmWykres *w = OpenIsotherms(Binary, "Ag-Sn", "0");
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
        QVERIFY(ChooseText(w->dblAutor2, "[2001Kor1]"));
        w->sbShowT1->click();
        QVERIFY(SelectCompositions(w->dbgTemp1, { 0.1, 0.2, 0.3 }));
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

    // Against temperature the model gives surface tension only; another property is told so.
    void otherPropertiesAgainstTemperature_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("tag");
        QTest::newRow("Density") << "Density"
                                 << "[2001Kor1]";
        QTest::newRow("Viscosity") << "Viscosity"
                                   << "[2025Dem2]";
    }

    void otherPropertiesAgainstTemperature()
    {
        QFETCH(QString, property);
        QFETCH(QString, tag);
        TfmWykres *w = Open(Binary, "Ag-Sn", property, true);
        QVERIFY(ChooseText(w->dblAutor2, tag));
        w->sbShowT1->click();
        w->dbgTemp1->SelectRow(0, true);
        const int before = w->DBChart1->SeriesCount();
        p->dialogs().answers << mrYes;
        w->sbButlerClick();
        QCOMPARE(p->dialogs().Texts(), QStringList({ "Butler model", NotAvailable }));
        QCOMPARE(w->DBChart1->SeriesCount(), before);
        QCOMPARE(w->GetButlerCount(), 0);
    }

    // Every system's curve against temperature follows its fit over the fit's range.
    void everySystemAgainstTemperature()
    {
        for (const char *system : ButlerSystems) {
            if (QLatin1String(system) == QLatin1String("Bi-Sn"))
                continue; // asks first: below
            TfmWykres *w = Open(CategoryOf(system), system, "Surface tension", true);
            w->SetButlerX(0.05);
            w->DrawButlerTempDependence();
            const ButlerTemperatureCurve *curve
                = FindButlerTemperatureCurve(QString::fromLatin1(system));
            TChartSeries *drawn = w->DBChart1->Series(0);
            QCOMPARE(drawn->Count(), curve->Points());
            for (int i = 0; i < curve->Points(); ++i) {
                QCOMPARE(drawn->XValue(i), curve->T(i).ToDouble());
                QCOMPARE(drawn->YValue(i),
                    ButlerSurfaceTension(curve->fit, 0.05, curve->T(i)).ToDouble());
            }
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
        const std::pair<int, TColor> counts[] = { { 3, clBlue }, { 4, clOlive }, { 13, clBlack },
            { 18, clActiveCaption }, { 19, clInfoBk }, { 20, clRed } };
        for (const auto &[count, colour] : counts) {
            w->SetButlerCount(count);
            w->DrawButlerTempDependence();
            QCOMPARE(w->GetCurrentSeries()->SeriesColor(), colour);
        }
    }
};

VIRELT_TEST(ButlerWindowTest)
#include "ButlerWindowTest.moc"
