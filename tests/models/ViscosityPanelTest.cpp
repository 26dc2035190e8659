#include "app/Main.h"
#include "app/Messages.h"
#include "app/uSelect.h"
#include "chart/uWykresy.h"
#include "platform/Dialogs.h"
#include "support/ChartSession.h"
#include "support/TestRegistry.h"

#include "CurveChecks.h"

#include <QFile>
#include <QTest>

#include <cmath>

namespace {

// A model's curve starts and ends at the pure metals: A·exp(E/(R·T)).
double PureMetal(double a, double e, double t)
{
    return a * std::exp(e / (8.314472 * t));
}

} // namespace

class ViscosityPanelTest : public ChartTestCase
{
    Q_OBJECT
private:
    TfmWykres *OpenPanel(const char *system) { return Open("Binary systems", system, "Viscosity"); }

    static void Input(TfmWykres *w, const QString &t, const QString &model)
    {
        w->edModel->setText(t);
        w->cbModel1->setEditText(model);
    }

    QStringList MemoLines(TfmWykres *w) const
    {
        return w->MemoViscoModel->toPlainText().split(u'\n');
    }

private slots:
    void theInputRule()
    {
        TfmWykres *w = OpenPanel("Ag-Sn");
        QVERIFY(w->edModel->isVisibleTo(w) && w->cbModel1->isVisibleTo(w));
        QVERIFY(!w->sbModelOK->isEnabled());
        QVERIFY(!w->GetViscoModelPending());
        // The picker starts empty, as after Clear, and typed text never joins the list.
        QVERIFY(w->cbModel1->currentText().isEmpty());
        QCOMPARE(w->cbModel1->count(), 5);
        w->cbModel1->setEditText("Kaptai");
        QTest::keyClick(w->cbModel1->lineEdit(), Qt::Key_Return);
        QCOMPARE(w->cbModel1->count(), 5);
        QCOMPARE(w->cbModel1->findText("Kaptai"), -1);
        Input(w, "1000", "Kaptay");
        QVERIFY(w->sbModelOK->isEnabled());
        QVERIFY(w->GetViscoModelPending());
        w->edModel->clear();
        QVERIFY(!w->sbModelOK->isEnabled());
        QVERIFY(!w->Modelofviscosity1->isEnabled());
        QVERIFY(w->GetViscoModelPending()); // the flag keeps its value
        w->edModel->setText(" ");
        QVERIFY(w->sbModelOK->isEnabled()); // blanks count as input
    }

    // One curve per change of the input, each in the next palette colour.
    void curvesOfTheChosenModels()
    {
        TfmWykres *w = OpenPanel("Ag-Sn");
        Input(w, "1000", "Kaptay");
        w->sbModelOK->click();
        QVERIFY(p->dialogs().shown.empty());
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        TChartSeries *kaptay = w->DBChart1->Series(0);
        QCOMPARE_STYLE(kaptay, true, " [Kaptay] 1000[K]", clRed, 3);
        QCOMPARE(kaptay->Count(), 101);
        QCOMPARE(kaptay->XValue(0), 0.0);
        QCOMPARE(kaptay->XValue(37), 0.37);
        QCOMPARE(kaptay->XValue(100), 1.0);
        QCOMPARE(kaptay->YValue(0), PureMetal(0.59763, 19136.8, 1000));
        QCOMPARE(kaptay->YValue(100), PureMetal(0.44756, 6191.2, 1000));
        QVERIFY(w->Modelofviscosity1->isEnabled());
        QVERIFY(!w->GetViscoModelPending());
        QCOMPARE(w->GetViscoColorNo(), 1);

        w->sbModelOK->click(); // nothing changed, nothing drawn
        QCOMPARE(w->DBChart1->SeriesCount(), 1);

        w->cbModel1->setCurrentText("Moelwyn-Hughes");
        w->sbModelOK->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 2);
        TChartSeries *moelwyn = w->DBChart1->Series(1);
        QCOMPARE_STYLE(moelwyn, true, " [Moelwyn-Hughes] 1000[K]", clGreen, 3);
        QCOMPARE(moelwyn->YValue(0), kaptay->YValue(0));
        QVERIFY(moelwyn->YValue(50) != kaptay->YValue(50));
    }

    // The value at x = 0.3 in the middle of the range, computed apart from the program.
    void aCurveInsideTheRange()
    {
        TfmWykres *w = OpenPanel("Ag-Sn");
        Input(w, "973", "Kaptay");
        w->sbModelOKClick();
        QCOMPARE(w->DBChart1->Series(0)->YValue(30), 1.71287939956455);
    }

    void temperaturesOutsideTheRange()
    {
        TfmWykres *w = OpenPanel("Ag-Sn");
        Input(w, "1500", "Kaptay");
        w->sbModelOK->click();
        QCOMPARE(p->dialogs().shown.size(), std::size_t(1));
        QVERIFY(p->dialogs().shown[0].text.startsWith("Error! Temperature range <673,1273 [K]> "));
        QCOMPARE(p->dialogs().shown[0].type, int(mtError));
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(w->MemoViscoModel->toPlainText().isEmpty());
        QCOMPARE(w->GetViscoColorNo(), 1); // the colour is used up all the same
        QVERIFY(w->Modelofviscosity1->isEnabled());

        w->edModel->setText("1273"); // the limits themselves pass
        w->sbModelOK->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        QCOMPARE(w->DBChart1->Series(0)->SeriesColor(), clGreen);

        p->dialogs().Clear();
        w = OpenPanel("Cd-Sn");
        Input(w, "923,0001", "Kaptay");
        w->sbModelOK->click();
        QCOMPARE(p->dialogs().Texts(), QStringList({ "Error! Temperature range <623,923[K]>" }));
        w->edModel->setText("623");
        w->sbModelOK->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
    }

    // A model that gives a viscosity at or below zero is used past where it holds: no curve and
    // no points for the save, while the input and the colour are used up as for the range.
    void curvesBelowZeroAreNotDrawn_data()
    {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("t");
        QTest::newRow("Bi-Cu") << "Bi-Cu"
                               << "873";
        QTest::newRow("In-Zn") << "In-Zn"
                               << "623";
    }

    void curvesBelowZeroAreNotDrawn()
    {
        QFETCH(QString, system);
        QFETCH(QString, t);
        TfmWykres *w = OpenPanel(system.toLatin1().constData());
        Input(w, t, "Moelwyn-Hughes");
        w->sbModelOK->click();
        QCOMPARE(p->dialogs().Texts(),
            QStringList({ "Error! The Moelwyn-Hughes model gives no valid viscosity for " + system
                + " at " + t + " [K]." }));
        QCOMPARE(p->dialogs().shown[0].type, int(mtError));
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QCOMPARE(HiddenLines(w, w->DBChart1), 0);
        QVERIFY(w->MemoViscoModel->toPlainText().isEmpty());
        QVERIFY(!w->GetViscoModelPending());
        QCOMPARE(w->GetViscoColorNo(), 1);
        QVERIFY(w->Modelofviscosity1->isEnabled());

        w->cbModel1->setCurrentText("Kaptay");
        w->sbModelOK->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        QCOMPARE(w->DBChart1->Series(0)->SeriesColor(), clGreen);
    }

    void systemsWithoutModels()
    {
        TfmWykres *w = OpenPanel("Bi-Sn");
        Input(w, "1000", "Kaptay");
        w->sbModelOK->click();
        QVERIFY(p->dialogs().shown.empty());
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QCOMPARE(w->GetViscoColorNo(), 1);
        QVERIFY(w->Modelofviscosity1->isEnabled());
    }

    // A typed model: the sixth model is reached this way; an unknown name draws nothing.
    void typedModels()
    {
        TfmWykres *w = OpenPanel("Pb-Sn");
        Input(w, "1000", "Seetharaman 1");
        w->sbModelOK->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        QCOMPARE(w->DBChart1->Series(0)->Title(), QStringLiteral(" [Seetharaman 1] 1000[K]"));

        w->cbModel1->setEditText("Kaptai");
        w->sbModelOK->click();
        QCOMPARE(p->dialogs().Texts("ShowMessage"), QStringList({ NotAvailable }));
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        QCOMPARE(w->GetViscoColorNo(), 2);
    }

    void unreadableTemperatures()
    {
        TfmWykres *w = OpenPanel("Ag-Sn");
        Input(w, " ", "Kaptay");
        w->sbModelOK->click();
        QCOMPARE(p->dialogs().Texts("Exception").size(), 1);
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(w->GetViscoModelPending());
        QCOMPARE(w->GetViscoColorNo(), 0);
        QVERIFY(!w->Modelofviscosity1->isEnabled());

        p->dialogs().Clear();
        w->edModel->setText("1e3"); // converts, but the number check refuses it
        w->sbModelOK->click();
        QCOMPARE(p->dialogs().Texts("Exception"), QStringList({ "Incorrect data format : 1e3" }));
        QCOMPARE(w->GetViscoColorNo(), 0);
    }

    // The Ag-Sn points with their header; Au-Sn keeps its points without one.
    void memoLines()
    {
        TfmWykres *w = OpenPanel("Ag-Sn");
        Input(w, "673", "Kaptay");
        w->sbModelOK->click();
        QStringList lines = MemoLines(w);
        QCOMPARE(lines.size(), 107);
        QCOMPARE(lines[0], QStringLiteral("Model of viscosity: Kaptay,  Temerature: 673 K"));
        QCOMPARE(lines[1], QString());
        QCOMPARE(lines[2], QStringLiteral("X        Viscosity [mPa*s]"));
        QCOMPARE(lines[3], QString());
        QCOMPARE(lines[4], QStringLiteral("0\t\t18,27"));
        QCOMPARE(lines[5].section(u'\t', 0, 0), QStringLiteral("0,01"));
        QCOMPARE(lines[104], QStringLiteral("1\t\t1,35"));
        QCOMPARE(lines[105], QString());
        QCOMPARE(lines[106], QString());

        w->cbModel1->setCurrentText("Iida-Ueda-Morita");
        w->sbModelOK->click();
        lines = MemoLines(w);
        QCOMPARE(lines.size(), 214);
        QCOMPARE(
            lines[107], QStringLiteral("Model of viscosity: Iida-Ueda-Morita,  Temerature: 673 K"));

        w->Modelofviscosity1->trigger();
        QFile saved(fmStart->GetSaveDir() + "/Ag-Sn_Viscosity Model.txt");
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QVERIFY(bytes.contains("Model of viscosity: Kaptay,  Temerature: 673 K\r\n\r\nX        "));
        QVERIFY(bytes.endsWith("1\t\t1,35\r\n\r\n\r\n"));
        QVERIFY(w->MemoViscoModel->toPlainText().isEmpty());

        w = OpenPanel("Au-Sn");
        Input(w, "1000", "Kaptay");
        w->sbModelOK->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        QCOMPARE(w->DBChart1->Series(0)->YValue(0), PureMetal(1.11942, 17410.3, 1000));
        lines = MemoLines(w);
        QCOMPARE(lines.size(), 103);
        QCOMPARE(lines[0], QStringLiteral("0\t\t9,09"));
    }

    // The saved file of a system without a header, byte for byte, points and all.
    void savedPointsOfCuSn()
    {
        TfmWykres *w = OpenPanel("Cu-Sn");
        Input(w, "1273", "Kaptay");
        w->sbModelOK->click();
        w->Modelofviscosity1->trigger();
        // η at x = 0, 0.01, ..., 1 to two decimals, computed apart from the program.
        const QStringList etas = QStringLiteral("3,9 3,84 3,79 3,74 3,69 3,64 3,59 3,54 3,49 3,44 "
                                                "3,38 3,33 3,29 3,24 3,19 3,14 3,09 3,04 2,99 2,95 "
                                                "2,9 2,85 2,81 2,76 2,72 2,67 2,63 2,59 2,55 2,5 "
                                                "2,46 2,42 2,38 2,34 2,3 2,26 2,23 2,19 2,15 2,12 "
                                                "2,08 2,04 2,01 1,98 1,94 1,91 1,88 1,85 1,82 1,78 "
                                                "1,75 1,73 1,7 1,67 1,64 1,61 1,59 1,56 1,53 1,51 "
                                                "1,48 1,46 1,44 1,41 1,39 1,37 1,35 1,32 1,3 1,28 "
                                                "1,26 1,24 1,22 1,2 1,18 1,17 1,15 1,13 1,11 1,1 "
                                                "1,08 1,06 1,05 1,03 1,02 1 0,99 0,97 0,96 0,94 "
                                                "0,93 0,92 0,9 0,89 0,88 0,87 0,85 0,84 0,83 0,82 "
                                                "0,81")
                                     .split(u' ');
        QCOMPARE(etas.size(), 101);
        const QByteArray hyphens(63, '-');
        QByteArray expected = hyphens
            + "\r\nVIRELT 2\r\nDatabase of physicochemical properties of selected solders \r\n"
              "Data: VIRELT 2 for Linux demonstration data set\r\nVIRELT 2 for Linux\r\n"
              "Free software edition on Qt and SQLite\r\n"
            + hyphens + "\r\n\r\n";
        for (int i = 0; i <= 100; ++i)
            expected += QString::number(i / 100.0).replace(u'.', u',').toLatin1() + "\t\t"
                + etas[i].toLatin1() + "\r\n";
        expected += "\r\n\r\n";
        QFile saved(fmStart->GetSaveDir() + "/Cu-Sn_Viscosity Model.txt");
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), expected);
    }

    // Clear empties the chart and the panel; the next curve is red again.
    void clearStartsAgain()
    {
        TfmWykres *w = OpenPanel("Ag-Sn");
        Input(w, "1000", "Kaptay");
        w->sbModelOK->click();
        w->cbModel1->setCurrentText("Moelwyn-Hughes");
        w->sbModelOK->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 2);
        w->sbClear1->click();
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        QVERIFY(w->edModel->text().isEmpty());
        QVERIFY(w->cbModel1->currentText().isEmpty());
        QVERIFY(!w->sbModelOK->isEnabled());
        QVERIFY(!w->Modelofviscosity1->isEnabled());
        QCOMPARE(w->GetViscoColorNo(), 0);
        QVERIFY(!w->MemoViscoModel->toPlainText().isEmpty()); // the points wait for a save

        Input(w, "1100", "Kaptay");
        w->sbModelOK->click();
        QCOMPARE(w->DBChart1->Series(0)->SeriesColor(), clRed);
    }

    void theColoursStartAgainAfterTwenty()
    {
        TfmWykres *w = OpenPanel("In-Sn");
        const std::pair<int, TColor> counts[]
            = { { 2, clPurple }, { 4, clYellow }, { 18, clInactiveCaption }, { 20, clRed } };
        for (const auto &[count, colour] : counts) {
            w->SetViscoColorNo(count);
            Input(w, QString::number(700 + count), "Kaptay");
            w->sbModelOK->click();
            QCOMPARE(w->GetViscoColor(), colour);
            QCOMPARE(w->GetCurrentSeries()->SeriesColor(), colour);
        }
    }

    // Only the isotherm mode draws; the Butler button hands viscosity over to the models.
    void whereTheModelsAreDrawn()
    {
        TfmWykres *w = OpenPanel("Ag-Sn");
        Input(w, "1000", "Kaptay");
        fmSelect->chbX->setChecked(false);
        w->sbModelOKClick();
        QCOMPARE(w->DBChart1->SeriesCount(), 0);
        fmSelect->chbX->setChecked(true);
        p->dialogs().answers << mrYes;
        w->sbButlerClick();
        QCOMPARE(w->DBChart1->SeriesCount(), 1);
        QCOMPARE(w->DBChart1->Series(0)->Title(), QStringLiteral(" [Kaptay] 1000[K]"));
    }
};

VIRELT_TEST(ViscosityPanelTest)
#include "ViscosityPanelTest.moc"
