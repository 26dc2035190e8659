#include "InfoSession.h"

#include "app/Main.h"
#include "app/Messages.h"
#include "app/uSelect.h"
#include "chart/uWykresy.h"
#include "data/uDataModule.h"
#include "info/uAutorFig.h"
#include "info/uFig.h"
#include "info/uFigers.h"
#include "info/uSkany.h"
#include "support/ChartSession.h"
#include "support/Helpers.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

namespace {

QSize Shown()
{
    return fmSkany->Image1->pixmap().size();
}

} // namespace

class FinderTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<InfoSession> s;
    QStringList figersItems;

    void Open(const QString &category, const QString &system, const QString &property)
    {
        s = std::make_unique<InfoSession>(category, system, property);
        // When the figure list shows, keep what it lists.
        for (int i = 0; i < 2; ++i)
            s->p.modal().Script(
                "fmFigers", [this](TForm &) { figersItems = Items(fmFigers->ListBox1); });
    }
    // The selection window's Fig: the finder shows, the author is chosen and OK clicked.
    void Find(const QString &author, int subProperty = -1)
    {
        s->p.modal().Script("fmAutorFig", [=](TForm &) {
            QVERIFY(ChooseText(fmAutorFig->dblAuthor, author));
            if (subProperty >= 0) {
                fmAutorFig->cbWlasciwosc->setCurrentIndex(subProperty);
                emit fmAutorFig->cbWlasciwosc->activated(subProperty);
            }
            QVERIFY(fmAutorFig->sbOK->isEnabled());
            fmAutorFig->sbOK->click();
        });
        fmSelect->SpeedButton6->click();
    }
    QString Fig(const QString &folder, const QString &name) const
    {
        return "Fig/" + folder + u'/' + name;
    }

private slots:
    void cleanup()
    {
        s.reset();
        figersItems.clear();
    }

    void okWaitsForAPublicationAndForASubPropertyWhereThereAreSome()
    {
        Open("Binary systems", "Ag-Sn", "Density");
        dmDataModule->OpenAutor();
        fmAutorFig->show();
        QVERIFY(!fmAutorFig->cbWlasciwosc->isEnabled());
        QVERIFY(!fmAutorFig->sbOK->isEnabled());
        QVERIFY(ChooseText(fmAutorFig->dblAuthor, "[2001Kor1]"));
        QVERIFY(fmAutorFig->sbOK->isEnabled());
        fmAutorFig->hide();
        fmAutorFig->show(); // a publication already shown enables OK at once
        QVERIFY(fmAutorFig->sbOK->isEnabled());
        fmAutorFig->hide();

        QVERIFY(ChooseText(fmSelect->dblWlasnosci, "Electrical properties"));
        fmAutorFig->show();
        QVERIFY(fmAutorFig->cbWlasciwosc->isEnabled());
        QCOMPARE(fmAutorFig->cbWlasciwosc->currentText(), QString());
        QCOMPARE(fmAutorFig->cbWlasciwosc->count(), 3);
        QCOMPARE(fmAutorFig->cbWlasciwosc->itemText(2), QStringLiteral("Thermal conductivity"));
        QVERIFY(!fmAutorFig->sbOK->isEnabled());
        emit fmAutorFig->cbWlasciwosc->activated(1);
        QVERIFY(!fmAutorFig->sbOK->isEnabled()); // the publication is gone with the property
        dmDataModule->OpenAutor();
        QVERIFY(ChooseText(fmAutorFig->dblAuthor, "[2025Dem5]"));
        QVERIFY(!fmAutorFig->sbOK->isEnabled());
        fmAutorFig->cbWlasciwosc->setCurrentIndex(1);
        emit fmAutorFig->cbWlasciwosc->activated(1);
        QVERIFY(fmAutorFig->sbOK->isEnabled());
        fmAutorFig->hide();

        QVERIFY(ChooseText(fmSelect->dblWlasnosci, "Mechanical properties"));
        fmAutorFig->show();
        QVERIFY(!fmAutorFig->sbOK->isEnabled());
        QStringList items;
        for (int i = 0; i < fmAutorFig->cbWlasciwosc->count(); ++i)
            items << fmAutorFig->cbWlasciwosc->itemText(i);
        QCOMPARE(items,
            QStringList({ "Hardness", "Shear Strength", "Tensile Strength", "Young's Modulus" }));
    }

    void aPureMetalsFigureWithoutTheAuthorIsTriedFirst()
    {
        Open("Pure metals", "Sn", "Density");
        s->WritePicture(Fig("Pure metals/Sn", "Sn_DX.jpg"), QSize(40, 30));
        s->WritePicture(Fig("Pure metals/Sn", "[2025Dem1]_Sn_DX.jpg"), QSize(50, 20));
        Find("[2025Dem1]");
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmAutorFig", "fmSkany" }));
        QCOMPARE(Shown(), QSize(40, 30));
        QFile::remove(s->Path(Fig("Pure metals/Sn", "Sn_DX.jpg")));
        Find("[2025Dem1]");
        QCOMPARE(Shown(), QSize(50, 20));
        QVERIFY(s->p.dialogs().shown.empty());
    }

    void aBinaryFigureWithoutTheAuthorIsNotFoundAndTheListFollows()
    {
        Open("Binary systems", "Ag-Sn", "Density");
        QVERIFY(QFile::rename(s->Path(Fig("Binary systems/Ag-Sn", "[2001Kor1]_Ag-Sn_DX.jpg")),
            s->Path(Fig("Binary systems/Ag-Sn", "Ag-Sn_DX.jpg"))));
        Find("[2001Kor1]");
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmAutorFig", "fmFigers" }));
        QCOMPARE(figersItems,
            QStringList({ "Temperature dependences of density", "Isotherms of surface tension",
                "Butler model of Isotherms of surface tension",
                "Butler model of Temperature dependences of surface tension" }));
        QVERIFY(!fmFigers); // released after its run
        QVERIFY(s->p.dialogs().shown.empty());
    }

    void noFigureAtAllIsNotAvailable()
    {
        Open("Binary systems", "Ag-Sn", "Density");
        QVERIFY(QDir(s->Path("Fig/Binary systems/Ag-Sn")).removeRecursively());
        Find("[2001Kor1]");
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmAutorFig" }));
        QCOMPARE(s->p.dialogs().Texts("ShowMessage"), QStringList({ NotAvailable }));
        QVERIFY(!fmFigers);
    }

    void theSubPropertyAndTheModeNameTheFigure()
    {
        Open("Binary systems", "Ag-Sn", "Electrical properties");
        fmSelect->chbTemp->click();
        s->WritePicture(Fig("Binary systems/Ag-Sn", "[2025Dem5]_Ag-Sn_ERYT.jpg"), QSize(48, 36));
        Find("[2025Dem5]", 1);
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmAutorFig", "fmSkany" }));
        QCOMPARE(Shown(), QSize(48, 36));
        // Every search ends with the sub-property list empty and OK off.
        QCOMPARE(fmAutorFig->cbWlasciwosc->count(), 0);
        QCOMPARE(fmAutorFig->cbWlasciwosc->currentText(), QString());
        QVERIFY(!fmAutorFig->sbOK->isEnabled());
    }

    void aSectionFigureIsNamedByThePickedSection()
    {
        Open("Ternary systems", "Ag-Cu-Sn", "Density");
        s->WritePicture(
            Fig("Ternary systems/Ag-Cu-Sn", "[2002Kor]_(Ag-Sn)eut_Cu_DX.jpg"), QSize(52, 26));
        QString label;
        s->p.modal().Script("fmFig", [&](TForm &) {
            label = fmFig->lblFig->text();
            QCOMPARE(dmDataModule->qrFig->RecordCount(), 1);
            QVERIFY(ChooseText(fmFig->dblFig, "(Ag-Sn)eut/Cu"));
            fmFig->sbOK->click();
        });
        Find("[2002Kor]");
        QCOMPARE(label, QStringLiteral("Ag-Cu-Sn"));
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmAutorFig", "fmFig", "fmSkany" }));
        QCOMPARE(Shown(), QSize(52, 26));
    }

    void aSectionPickerClosedWithoutAChoiceLeadsToTheList()
    {
        Open("Quaternary systems", "Ag-Bi-Cu-Sn", "Density");
        s->WritePicture(
            Fig("Quaternary systems/Ag-Bi-Cu-Sn", "[2025Dem4]_Ag-Bi-Cu-Sn_DX.jpg"), QSize(20, 20));
        Find("[2025Dem4]");
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmAutorFig", "fmFig", "fmFigers" }));
        QCOMPARE(figersItems, QStringList({ "Isotherms of density" }));
    }

    void aViscosityModelFigureIsTheSystemsWhateverThePublication_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("system");
        QTest::newRow("binary") << "Binary systems"
                                << "Ag-Sn";
        // Named by the system alone, it needs no section: the picker stays closed.
        QTest::newRow("ternary") << "Ternary systems"
                                 << "Ag-Cu-Sn";
    }
    void aViscosityModelFigureIsTheSystemsWhateverThePublication()
    {
        QFETCH(QString, category);
        QFETCH(QString, system);
        Open(category, system, "Viscosity");
        fmSelect->chbButler->click();
        fmSelect->chbTemp->click();
        s->WritePicture(Fig(category + u'/' + system, system + "_LTModel.jpg"), QSize(33, 44));
        fmSelect->SpeedButton6->click();
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmSkany" }));
        QCOMPARE(Shown(), QSize(33, 44));
    }

    void anUnreadableFigureIsReportedAndTheFinderStillStartsAfresh()
    {
        Open("Binary systems", "Ag-Sn", "Density");
        s->WriteText(Fig("Binary systems/Ag-Sn", "[2001Kor1]_Ag-Sn_DX.jpg"), "not a picture");
        Find("[2001Kor1]");
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmAutorFig" }));
        const QStringList errors = s->p.dialogs().Texts("Exception");
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains("[2001Kor1]_Ag-Sn_DX.jpg\" cannot be read: Not a JPEG file"),
            qPrintable(errors[0]));
        QVERIFY(!fmAutorFig->sbOK->isEnabled());
    }

    void fromTheChartWindowTheChartsPublicationIsSearched()
    {
        Open("Binary systems", "Ag-Sn", "Density");
        s->WritePicture(Fig("Binary systems/Ag-Sn", "[2001Kor1]_Ag-Sn_DX.jpg"), QSize(61, 41));
        dmDataModule->OpenAutor();
        QVERIFY(ChooseText(fmAutorFig->dblAuthor, "[2025Dem6]")); // an earlier search's choice
        ChartSession chart("Binary systems", "Ag-Sn", "Density");
        QVERIFY(ChooseText(fmWykres->dblAutor, "[2001Kor1]"));
        fmAutorFig->sbOKClick();
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmSkany" }));
        QCOMPARE(Shown(), QSize(61, 41));
        // The list, too, is the chart window's publication's.
        QFile::remove(s->Path(Fig("Binary systems/Ag-Sn", "[2001Kor1]_Ag-Sn_DX.jpg")));
        fmAutorFig->sbOKClick();
        QCOMPARE(s->p.modal().shownForms, QStringList({ "fmSkany", "fmFigers" }));
        QCOMPARE(figersItems.first(), QStringLiteral("Temperature dependences of density"));
    }

    void allDataOpensTheFirstFigureOfTheSystemsFolder()
    {
        Open("Binary systems", "Ag-Sn", "Density");
        fmAutorFig->sbAllData->click();
        QCOMPARE(s->p.shell().documents,
            QStringList({ s->Path("Fig/Binary systems/Ag-Sn/Ag-Sn_LTModel.jpg") }));
    }
};

VIRELT_TEST(FinderTest)
#include "FinderTest.moc"
