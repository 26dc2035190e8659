#include "app/Main.h"
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

private slots:
    void equationsFile()
    {
        TfmWykres *w = ShowDensity({});
        w->Equations1->trigger();
        QVERIFY(p->dialogs().shown.empty());
        const QByteArray expected = Header(true)
            + "[9999Tst]  \r\nDensity of Tb-Ta system\r\n\r\nReferences\r\n"
              "[9999Tst]  Test authors, Test title, Test journal, Vol1, (1999) pp.1-2\r\n\r\n"
              "X Ta \t\tA     \t\t B       \r\n\r\n"
              "0\t\t10\t\t-0.001\r\n0.5\t\t9\t\t-0.001\r\n1\t\t8\t\t-0.001\r\n";
        QCOMPARE(Read(SaveFile("[9999Tst]_Density.txt")), expected);
        QCOMPARE(w->dbgRownania->SelectedRowsCount(), 0);
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

    void calculatedValuesOfThePendingTemperaturesOnly()
    {
        TfmWykres *w = ShowDensity({ "600", "700" });
        w->SetApproxPending(1, false); // as if Approx had drawn T1 already
        w->Calculatedvalue1->trigger();
        const QByteArray expected = Header(false) + "[9999Tst]  \r\n"
            + (fmStart->GetSaveDir() + "/Density of Tb-Ta system").toLatin1()
            + "\r\n\r\nReferences\r\n"
              "[9999Tst]  Test authors, Test title, Test journal, Vol1, (1999) pp.1-2\r\n\r\n"
              "T=700K\r\n\r\nX Ta\t\tDensity[g/cm^3]     \r\n\r\n"
              "0\t\t9.3\t\t\r\n0.5\t\t8.3\t\t\r\n1\t\t7.3\t\t\r\n\r\n";
        QCOMPARE(Read(SaveFile("[9999Tst]_Isotherms of Density.txt")), expected);
    }

    void aPublicationWithNullPartsLeavesThemOut()
    {
        TfmWykres *w = ShowDensity({});
        ChooseText(w->dblAutor, "[9998Emp]");
        w->sbShow->click();
        dmDataModule->qrPublikacje->Locate("OZNACZENIE", "[9998Emp]");
        QCOMPARE(w->ReferenceLine(), QStringLiteral("[9998Emp]  (1998)"));
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
        w->SaveGraph->trigger();
        QImage bitmap(SaveFile("Density of Tb-Ta.bmp"));
        QVERIFY(!bitmap.isNull());
        QVERIFY(bitmap.width() >= 400);
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
