#include "app/Main.h"
#include "chart/uEut.h"
#include "chart/uWykresy.h"
#include "data/uDataModule.h"
#include "support/ChartSession.h"
#include "support/Helpers.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QImage>
#include <QTest>

#include <memory>

class SaveTest : public ChartTestCase
{
    Q_OBJECT
private:
    QString SaveFile(const QString &name) const { return p->folder.Path() + "/Save/" + name; }
    static QByteArray Read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The eight header lines and the publication part every file begins with.
    QByteArray Header(bool endsWithOf) const
    {
        const QByteArray hyphens(63, '-');
        return hyphens
            + "\r\nVIRELT 2\r\nDatabase of physicochemical properties of selected "
              "solders \r\n"
            + fmStart->Label6->text().toLatin1() + "\r\n" + fmStart->Label1->text().toLatin1()
            + (endsWithOf ? " of" : "") + "\r\n" + fmStart->Label3->text().toLatin1() + "\r\n"
            + hyphens + "\r\n\r\n";
    }
    TfmWykres *ShowDensity(const QStringList &temperatures)
    {
        s = std::make_unique<ChartSession>("Binary systems", "Tb-Ta", "Density");
        TfmWykres *w = s->window;
        w->chbShow->setChecked(!temperatures.isEmpty());
        ChooseText(w->dblAutor, "[9999Tst]");
        for (int i = 0; i < temperatures.size(); ++i)
            w->edT(i + 1)->setText(temperatures[i]);
        w->sbShow->click();
        return w;
    }

    // "[9997Lin]", with the density equation 11 - 0.002*T of "Tb-Ta" at X = 0.2.
    void AddSecondPublication()
    {
        ExecSql(p->folder.DatabasePath(),
            { "INSERT INTO PUBLIKACJE VALUES (9903, '[9997Lin]', 'Line authors', 'Lines', '2', "
              "'3-4', 1997, 'Test journal')",
                "INSERT INTO WLA_TAB_PUB VALUES (1, 901, 9903)",
                "INSERT INTO DANE_WLASNOSCI (ID_WLASCIWOSCI, ID_TAB_UKL, ID_PUBLIKACJI, X, A, B) "
                "VALUES (1, 901, 9903, 0.2, 11, -0.002)" });
    }

private slots:
    // The file of the publication shown; the second one shown takes its tag and reference from
    // its own row, not from the list's first, and the list's cursor stays where it was.
    void equationsFile()
    {
        AddSecondPublication();
        const auto expected = [this](const QByteArray &tag, const QByteArray &reference,
                                  const QByteArray &rows) {
            return Header(true) + tag + "  \r\nDensity of Tb-Ta system\r\n\r\nReferences\r\n" + tag
                + "  " + reference + "\r\n\r\nX Ta \t\tA     \t\t B       \r\n\r\n" + rows;
        };
        TfmWykres *w = ShowDensity({});
        w->Equations1->trigger();
        QVERIFY(p->dialogs().shown.empty());
        QCOMPARE(Read(SaveFile("[9999Tst]_Density.txt")),
            expected("[9999Tst]", "Test authors, Test title, Test journal, Vol1, (1999) pp.1-2",
                "0\t\t10\t\t-0.001\r\n0.5\t\t9\t\t-0.001\r\n1\t\t8\t\t-0.001\r\n"));
        QCOMPARE(w->dbgRownania->SelectedRowsCount(), 0);

        ChooseText(w->dblAutor, "[9997Lin]");
        w->sbShow->click();
        QCOMPARE(dmDataModule->qrPublikacje->RecNo(), 0);
        w->Equations1->trigger();
        QCOMPARE(Read(SaveFile("[9997Lin]_Density.txt")),
            expected("[9997Lin]", "Line authors, Lines, Test journal, Vol2, (1997) pp.3-4",
                "0.2\t\t11\t\t-0.002\r\n"));
        QCOMPARE(dmDataModule->qrPublikacje->RecNo(), 0);
    }

    void equationsNeedShowFirst()
    {
        s = std::make_unique<ChartSession>("Binary systems", "Tb-Ta", "Density");
        s->window->Equations1Click();
        QCOMPARE(p->dialogs().Texts(),
            QStringList({ "Click \"Show calculated value\" and \"Show\". Next click in menu "
                          "\"Save data Equations\"" }));
        QVERIFY(!QFile::exists(SaveFile("_Density.txt")));
    }

    // Every temperature whose values the grids show is written, also after Approx drew it.
    void calculatedValuesOfEveryShownTemperature()
    {
        TfmWykres *w = ShowDensity({ "600", "700" });
        w->sbGraph->click();
        QVERIFY(!w->GetApproxPending(1) && !w->GetApproxPending(2));
        w->Calculatedvalue1->trigger();
        const QByteArray expected = Header(false) + "[9999Tst]  \r\n"
            + (fmStart->GetSaveDir() + "/Density of Tb-Ta system").toLatin1()
            + "\r\n\r\nReferences\r\n"
              "[9999Tst]  Test authors, Test title, Test journal, Vol1, (1999) pp.1-2\r\n\r\n"
              "T=600K\r\n\r\nX Ta\t\tDensity[g/cm^3]     \r\n\r\n"
              "0\t\t9.4\t\t\r\n0.5\t\t8.4\t\t\r\n1\t\t7.4\t\t\r\n\r\n"
              "T=700K\r\n\r\nX Ta\t\tDensity[g/cm^3]     \r\n\r\n"
              "0\t\t9.3\t\t\r\n0.5\t\t8.3\t\t\r\n1\t\t7.3\t\t\r\n\r\n";
        QCOMPARE(Read(SaveFile("[9999Tst]_Isotherms of Density.txt")), expected);
    }

    void calculatedValuesOfTwoPublications_data()
    {
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("named");
        QTest::newRow("the last one shown") << "[9997Lin]" << "[9997Lin]";
        QTest::newRow("one without values") << "[9998Emp]" << "[9999Tst]";
    }

    // Values shown for one publication, then for another without Clear: each block names its
    // own publication, and the references hold both. The file bears the name of the picked
    // publication when it holds its values, else that of the first block.
    void calculatedValuesOfTwoPublications()
    {
        QFETCH(QString, picked);
        QFETCH(QString, named);
        AddSecondPublication();
        TfmWykres *w = ShowDensity({ "600" });
        ChooseText(w->dblAutor, "[9997Lin]");
        w->edT2->setText("700");
        w->sbShow->click();
        ChooseText(w->dblAutor, picked);
        w->Calculatedvalue1->trigger();
        QByteArrayList references
            = { "[9999Tst]  Test authors, Test title, Test journal, Vol1, (1999) pp.1-2\r\n",
                  "[9997Lin]  Line authors, Lines, Test journal, Vol2, (1997) pp.3-4\r\n" };
        if (named == "[9997Lin]")
            std::swap(references[0], references[1]);
        QCOMPARE(Read(SaveFile(named + "_Isotherms of Density.txt")),
            Header(false) + named.toLatin1() + "  \r\n"
                + (fmStart->GetSaveDir() + "/Density of Tb-Ta system").toLatin1()
                + "\r\n\r\nReferences\r\n" + references.join() + "\r\n"
                + "T=600K  [9999Tst]\r\n\r\nX Ta\t\tDensity[g/cm^3]     \r\n\r\n"
                  "0\t\t9.4\t\t\r\n0.5\t\t8.4\t\t\r\n1\t\t7.4\t\t\r\n\r\n"
                  "T=700K  [9997Lin]\r\n\r\nX Ta\t\tDensity[g/cm^3]     \r\n\r\n"
                  "0.2\t\t9.6\t\t\r\n\r\n");
        QCOMPARE(QFile::exists(SaveFile(picked + "_Isotherms of Density.txt")), picked == named);
    }

    void filesOfTheShownPublicationAfterAnotherIsPicked_data()
    {
        QTest::addColumn<QStringList>("temperatures");
        QTest::addColumn<QString>("file");
        QTest::newRow("equations") << QStringList() << "_Density.txt";
        QTest::newRow("calculated values") << QStringList { "600" }
                                           << "_Isotherms of Density.txt";
    }

    // A publication picked without Show holds none of the values on the screen: the file is
    // that of the publication shown, byte for byte.
    void filesOfTheShownPublicationAfterAnotherIsPicked()
    {
        QFETCH(QStringList, temperatures);
        QFETCH(QString, file);
        AddSecondPublication();
        TfmWykres *w = ShowDensity(temperatures);
        QAction *save = temperatures.isEmpty() ? w->Equations1 : w->Calculatedvalue1;
        save->trigger();
        const QString shown = SaveFile("[9999Tst]" + file);
        const QByteArray alone = Read(shown);
        QVERIFY(alone.startsWith(Header(temperatures.isEmpty()) + "[9999Tst]  \r\n"));
        QVERIFY(QFile::remove(shown));
        ChooseText(w->dblAutor, "[9997Lin]");
        save->trigger();
        QCOMPARE(Read(shown), alone);
        QVERIFY(!QFile::exists(SaveFile("[9997Lin]" + file)));
    }

    void calculatedValuesOfMolarVolume()
    {
        s = std::make_unique<ChartSession>("Binary systems", "Tb-Ta", "Molar volume");
        TfmWykres *w = s->window;
        ChooseText(w->dblAutor, "[9999Tst]");
        w->edT1->setText("600");
        w->sbShow->click();
        QVERIFY(w->Calculatedvalue1->isEnabled());
        w->Calculatedvalue1->trigger();
        const QByteArray references = "\r\n\r\nReferences\r\n"
                                      "[9999Tst]  Test authors, Test title, Test journal, Vol1, "
                                      "(1999) pp.1-2\r\n\r\n";
        // (100*(1-X) + 200*X) / (10 - X - 0.6)
        QCOMPARE(Read(SaveFile("[9999Tst]_Isotherms of Molar volume.txt")),
            Header(false) + "[9999Tst]  \r\n"
                + (fmStart->GetSaveDir() + "/Molar volume of Tb-Ta system").toLatin1() + references
                + "T=600K\r\n\r\nX Ta\t\tMolar volume[cm^3/mole]     \r\n\r\n"
                  "0\t\t10.6382978723404\t\t\r\n0.5\t\t17.8571428571429\t\t\r\n"
                  "1\t\t27.027027027027\t\t\r\n\r\n");

        s.reset();
        s = std::make_unique<ChartSession>("Ternary systems", "Ta-Tb-Tc", "Molar volume");
        w = s->window;
        ChooseText(w->dblAutor, "[9999Tst]");
        w->edT1->setText("1000");
        p->modal().Script("fmEut", [](TForm &) { fmEut->sbOK->click(); });
        w->sbShow->click();
        QVERIFY(w->Calculatedvalue1->isEnabled());
        // 100*0.1 + 200*(0.9 - X) + 300*X over the density of section 1, 7 + 10*X - 1
        w->Calculatedvalue1->trigger();
        QCOMPARE(Read(SaveFile("[9999Tst]_Isotherms of Molar volume.txt")),
            Header(false) + "[9999Tst]  \r\n"
                + (fmStart->GetSaveDir() + "/Molar volume of Ta-Tb-Tc system").toLatin1()
                + references
                + "T=1000K\r\n\r\nX Tc\t\tMolar volume[cm^3/mole]     \t\tSYSTEM       "
                  "\r\n\r\n"
                  "0\t\t31.6666666666667\t\t\t|Ta-Tb-Tc 1 + X Tc\r\n"
                  "0.05\t\t30\t\t\t|Ta-Tb-Tc 1 + X Tc\r\n"
                  "0.1\t\t28.5714285714286\t\t\t|Ta-Tb-Tc all + X Tc\r\n\r\n");
    }

    void aPublicationWithNullPartsLeavesThemOut()
    {
        TfmWykres *w = ShowDensity({});
        ChooseText(w->dblAutor, "[9998Emp]");
        w->sbShow->click();
        dmDataModule->qrPublikacje->Locate("OZNACZENIE", "[9998Emp]");
        QCOMPARE(w->ReferenceLine("[9998Emp]"), QStringLiteral("[9998Emp]  (1998)"));
    }

    void viscosityModelPointsAreSavedOnce()
    {
        s = std::make_unique<ChartSession>("Binary systems", "Tb-Ta", "Viscosity");
        s->window->MemoViscoModel->setPlainText("0.1 1,5\n0.2 1,6");
        s->window->Modelofviscosity1Click();
        QCOMPARE(
            Read(SaveFile("Tb-Ta_Viscosity Model.txt")), Header(false) + "0.1 1,5\r\n0.2 1,6\r\n");
        s->window->Modelofviscosity1Click();
        QCOMPARE(Read(SaveFile("Tb-Ta_Viscosity Model.txt")), Header(false));
    }

    void theChartAsABitmapAndOnPaper()
    {
        TfmWykres *w = ShowDensity({ "673" });
        const QImage shown = w->DBChart1->grab().toImage();
        w->SaveGraph->trigger();
        QImage bitmap(SaveFile("Density of Tb-Ta.bmp"));
        QVERIFY(!bitmap.isNull());
        QVERIFY(bitmap.width() >= 400);
        // The bitmap carries the longer title "Data from VIRELT 2. System: Tb-Ta".
        const QRect titleBand(0, 0, shown.width(), 30);
        QCOMPARE(bitmap.size(), shown.size());
        QVERIFY(bitmap.copy(titleBand).convertToFormat(QImage::Format_RGB32)
            != shown.copy(titleBand).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(w->DBChart1->Title(), QStringLiteral("Tb-Ta"));
        w->sbPrint->click(); // no printer here: the page goes to a PDF in the save folder
        QVERIFY(Read(SaveFile("Density of Tb-Ta.pdf")).startsWith("%PDF"));
        QCOMPARE(w->DBChart1->LegendColor(), clBtnFace);
    }

    void aMissingSaveFolderIsReported()
    {
        TfmWykres *w = ShowDensity({});
        fmStart->SetSaveDir(p->folder.Path() + "/NoSuchFolder");
        w->Equations1->trigger();
        const QStringList errors = p->dialogs().Texts("Exception");
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors[0].startsWith("Cannot create file"));
        QVERIFY(w->MemoRownania->toPlainText().contains("References"));
    }
};

VIRELT_TEST(SaveTest)
#include "SaveTest.moc"
