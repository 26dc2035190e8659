#include "chart/uWykresy.h"
#include "platform/Application.h"
#include "support/ChartSession.h"
#include "support/Helpers.h"
#include "support/TestRegistry.h"

#include <QTest>

// How the chart window sets itself up for each property, mode and kind of system.
class SetupTest : public ChartTestCase
{
    Q_OBJECT
private slots:
    void setUp_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<bool>("temp");
        QTest::addColumn<bool>("section");
        QTest::addColumn<QString>("leftAxis");
        for (const auto &[property, axis] :
            std::initializer_list<std::pair<const char *, const char *>> {
                { "Density", "Density[g/cm^3]" }, { "Surface tension", "Surface tension [mN/m]" },
                { "Molar volume", "Molar volume[cm^3/mole]" }, { "Viscosity", "Viscosity [mPa*s]" },
                { "Electrical properties", "Electrical properties " } })
            for (bool temp : { false, true })
                for (bool section : { false, true })
                    QTest::addRow(
                        "%s %s %s", property, temp ? "temp" : "iso", section ? "ternary" : "binary")
                        << QString::fromLatin1(property) << temp << section
                        << QString::fromLatin1(axis);
    }

    void setUp()
    {
        QFETCH(QString, property);
        QFETCH(bool, temp);
        QFETCH(bool, section);
        QFETCH(QString, leftAxis);
        const QString system = section ? "Ta-Tb-Tc" : "Tb-Ta";
        const QString xp = section ? "X Tc" : "X Ta";
        ChartSession session(
            section ? "Ternary systems" : "Binary systems", system, property, temp);
        TfmWykres *w = session.window;
        const bool molar = property == "Molar volume";
        const bool viscosity = property == "Viscosity";
        QVERIFY(p->dialogs().shown.empty());

        QCOMPARE(w->DBChart1->Title(), system);
        QCOMPARE(w->DBChart1->LeftAxisTitle(), leftAxis);
        QCOMPARE(w->DBChart1->BottomAxisTitle(), temp ? QStringLiteral("Temperature [K]") : xp);
        QCOMPARE(w->DBChart1->LegendFrameColor(), clWindow);
        QCOMPARE(w->palette().color(QPalette::Window), ToQColor(clMoneyGreen));
        QCOMPARE(w->PageControl1->PageVisible(w->tsX), !temp);
        QCOMPARE(w->PageControl1->PageVisible(w->tsTemp1), temp);
        QCOMPARE(w->PageControl2->PageVisible(w->tsTemp2), temp);
        QCOMPARE(w->Adddata1->isEnabled(), !temp);
        QCOMPARE(w->sbGraph->text(), temp ? QStringLiteral("Points") : QStringLiteral("Approx"));
        QVERIFY(!w->sbGraph->isEnabled());
        QCOMPARE(w->sbButler->text(), QStringLiteral("Model"));
        QCOMPARE(w->chbShow->isChecked(), molar);
        QCOMPARE(w->chbShow->isEnabled(), !molar && !temp);
        QCOMPARE(w->sbPbSn->isEnabled(), temp);
        QCOMPARE(w->edT1->isEnabled(), !temp);

        // The viscosity-model row belongs to viscosity isotherms only.
        const bool modelRow = viscosity && !temp;
        QCOMPARE(!w->lblViscosity->isHidden(), modelRow);
        QCOMPARE(!w->cbModel1->isHidden(), modelRow);
        QCOMPARE(!w->sbGraph->isHidden(), !modelRow);
        QCOMPARE(w->cbModel1->count(), 5);
        QCOMPARE(w->cbModel1->itemText(4), QStringLiteral("Seetharaman-Du Sichen"));
        QVERIFY(!w->sbModelOK->isEnabled());

        QCOMPARE(w->dbgT1->ColumnTitles().at(0), xp);
        QCOMPARE(w->dbgWynikiT1->ColumnTitles().at(0), xp);
        QCOMPARE(w->dbgTemp2->ColumnTitles().at(0), xp);
        if (section && !temp) {
            QCOMPARE(w->PageControl2->ActivePage(), w->tsRownania45);
            QCOMPARE(w->PageControl2->PageCaption(w->tsRownania45),
                property + "  " + system + (viscosity ? " = A*Exp(E/R*T)" : " = A+B*T"));
            QVERIFY(!w->PageControl2->PageVisible(w->tsRownania));
        }
        if (!section && !temp && !molar)
            QCOMPARE(w->PageControl2->ActivePage(), w->tsRownania);
        if ((molar || viscosity) && temp)
            QCOMPARE(w->PageControl2->ActivePage(), w->tsTemp2);
        if ((molar || viscosity) && !temp) {
            const QString field = molar ? "VT1" : "VISCO";
            if (section) {
                QCOMPARE(w->dbgWynikiT1->Columns().at(1).fieldName, field);
                QCOMPARE(w->dbgWynikiT1->Columns().at(2).fieldName,
                    molar ? QStringLiteral("UKLAD") : QStringLiteral("SYSTEM"));
            } else {
                QCOMPARE(w->dbgT1->Columns().at(1).fieldName, field);
            }
        }
        if (viscosity && !temp && !section)
            QCOMPARE(w->dbgRownania->ColumnTitles().at(2), QStringLiteral("E"));
        if (temp)
            QCOMPARE(w->panT1->text(), property + "  " + system + " = A+B*T");
    }

    void inputChecksDriveTheButtonsAndTheTimer()
    {
        ChartSession session("Binary systems", "Tb-Ta", "Density");
        TfmWykres *w = session.window;
        w->chbShow->setChecked(true);
        QVERIFY(!w->CanShowX());
        QVERIFY(w->Timer1Wykres->Enabled());
        QVERIFY(ChooseText(w->dblAutor, "[9999Tst]"));
        QVERIFY(!w->sbShow->isEnabled()); // calculated values also need T1
        w->edT1->setText("   ");
        QVERIFY(!w->CanShowX());
        w->edT1->setText("673");
        QVERIFY(w->sbShow->isEnabled());
        QVERIFY(!w->Timer1Wykres->Enabled());
        w->Timer1WykresTimer();
        QVERIFY(w->sbGraph->isEnabled());
        w->chbShow->setChecked(false);
        QVERIFY(w->sbShow->isEnabled());
    }

    void pureMetalsNeverEnableApprox()
    {
        ExecSql(p->folder.DatabasePath(),
            { "INSERT INTO TAB_UKL VALUES (903, 1, 'Tq', 'X')",
                "INSERT INTO WLA_TAB_PUB VALUES (1, 903, 9901)" });
        ChartSession session("Pure metals", "Tq", "Density");
        TfmWykres *w = session.window;
        QVERIFY(ChooseText(w->dblAutor, "[9999Tst]"));
        w->edT1->setText("600");
        w->Timer1WykresTimer();
        QVERIFY(!w->sbGraph->isEnabled());
    }

    void temperatureModeWaitsForBothPublications()
    {
        ChartSession session("Binary systems", "Tb-Ta", "Density", true);
        TfmWykres *w = session.window;
        QVERIFY(ChooseText(w->dblAutor2, "[9999Tst]"));
        QVERIFY(w->sbShowT1->isEnabled());
        w->Timer1WykresTimer();
        QVERIFY(w->sbShow->isEnabled());
        QVERIFY(!w->sbShowT2->isEnabled());
        QVERIFY(w->Timer1Wykres->Enabled());
        QVERIFY(ChooseText(w->dblAutor3, "[9999Tst]"));
        w->Timer1WykresTimer();
        QVERIFY(w->sbShowT2->isEnabled());
        QVERIFY(!w->Timer1Wykres->Enabled());
    }

    void chartOnlyToggleAndTheBottomButtons()
    {
        ChartSession session("Binary systems", "Tb-Ta", "Density");
        TfmWykres *w = session.window;
        w->DBChart1Click();
        QVERIFY(w->Panel1->isHidden() && w->Panel2->isHidden() && w->Panel6->isHidden());
        QCOMPARE(w->DBChart1->Color(), clWindow);
        w->DBChart1Click();
        QVERIFY(!w->Panel1->isHidden() && !w->Panel3->isHidden());
        QCOMPARE(w->DBChart1->Color(), clMoneyGreen);
        QCOMPARE(w->DBChart1->LegendColor(), clWindow);

        p->dialogs().answers << mrNo;
        w->sbExit->click();
        QVERIFY(!Application().Terminated());
        QCOMPARE(p->dialogs().Texts(), QStringList({ "Exit to Windows?" }));

        auto *series = new TPointSeries(w);
        w->DBChart1->AddSeries(series);
        w->sbBack->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(!w->isVisible());
    }
};

VIRELT_TEST(SetupTest)
#include "SetupTest.moc"
