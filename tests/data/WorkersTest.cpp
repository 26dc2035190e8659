#include "chart/ListaWybranych.h"
#include "chart/TempLines.h"
#include "chart/uWykresy.h"
#include "data/uDataModule.h"
#include "platform/Exceptions.h"
#include "support/ChartSession.h"
#include "support/Helpers.h"
#include "support/TestRegistry.h"

#include <QTest>

#include <memory>

// The data module's workers that read the chart window: slot workers, run-time SQL, the
// viscosity work tables and the number check.
class WorkersTest : public ChartTestCase
{
    Q_OBJECT
private:
    TfmWykres *Open(const QString &property, bool temp = false)
    {
        return ChartTestCase::Open("Binary systems", "Tb-Ta", property, temp, "[9999Tst]");
    }
    // Two lines (X = 0.25 and X = 0.75) of the test publication, and one broken line of three
    // rows at X = 0.5.
    void AddLines()
    {
        ExecSql(p->folder.DatabasePath(),
                { "INSERT INTO DANE_WLASNOSCI_T VALUES (701, 1, 901, 9901, 0.25, 500, 10.5, 0, "
                  "NULL, NULL)",
                  "INSERT INTO DANE_WLASNOSCI_T VALUES (702, 1, 901, 9901, 0.25, 900, 12.25, 0, "
                  "NULL, NULL)",
                  "INSERT INTO DANE_WLASNOSCI_T VALUES (703, 1, 901, 9901, 0.75, 600, 9, "
                  "-0.001, NULL, NULL)",
                  "INSERT INTO DANE_WLASNOSCI_T VALUES (704, 1, 901, 9901, 0.75, 800, 9, "
                  "-0.001, NULL, NULL)",
                  "INSERT INTO DANE_WLASNOSCI_T VALUES (705, 1, 901, 9901, 0.5, 600, 1, 0, NULL, "
                  "NULL)",
                  "INSERT INTO DANE_WLASNOSCI_T VALUES (706, 1, 901, 9901, 0.5, 700, 1, 0, NULL, "
                  "NULL)",
                  "INSERT INTO DANE_WLASNOSCI_T VALUES (707, 1, 901, 9901, 0.5, 800, 1, 0, NULL, "
                  "NULL)",
                  "INSERT INTO DANE_WLASNOSCI (ID_WLASCIWOSCI, ID_TAB_UKL, ID_PUBLIKACJI, X, A, "
                  "B) VALUES (1, 901, 9901, 0.25, 9.5, -0.001), (1, 901, 9901, 0.75, 8.5, "
                  "-0.001)" });
    }

private slots:
    void checkNumberAcceptsDigitsAndSeparatorsOnly()
    {
        QCOMPARE(TdmDataModule::CheckNumber(" 673 "), QStringLiteral("673"));
        QCOMPARE(TdmDataModule::CheckNumber("12.5"), QStringLiteral("12,5"));
        QCOMPARE(TdmDataModule::CheckNumber("1.2.3"), QStringLiteral("1,2,3"));
        QCOMPARE(TdmDataModule::CheckNumber("1,5"), QStringLiteral("1,5"));
        QCOMPARE(TdmDataModule::CheckNumber(""), QString());
        QCOMPARE(TdmDataModule::TypedNumber(" 673.5").Raw(), qint64(6735000));
        QCOMPARE(TdmDataModule::CheckNumber("\t \r"), QString());
        for (const char *bad : { "-5", "+5", "1e3", "1 000", "abc", "٣" }) {
            try {
                TdmDataModule::CheckNumber(QString::fromUtf8(bad));
                QFAIL(bad);
            } catch (const Exception &e) {
                QCOMPARE(e.Message(), "Incorrect data format : " + QString::fromUtf8(bad));
            }
        }
    }

    void appendingTouchesOnlyItsOwnWorkTable()
    {
        for (int slot = 1; slot <= 4; ++slot)
            dmDataModule->ViscosityTable(slot)->Open();
        dmDataModule->AppendViscosity(2, "Ag-Sn", 0.5, 1.8);
        QCOMPARE(dmDataModule->tblViscosity2->RecordCount(), 1);
        QCOMPARE(dmDataModule->tblViscosity2->FieldByName("UKLAD").AsString(), QStringLiteral("Ag-Sn"));
        QCOMPARE(dmDataModule->tblViscosity2->FieldByName("VISCO").AsFloat(), 1.8);
        for (int slot : { 1, 3, 4 })
            QCOMPARE(dmDataModule->ViscosityTable(slot)->RecordCount(), 0);
        dmDataModule->OpenExp(2);
        QCOMPARE(dmDataModule->qrExp2->RecordCount(), 1);
        dmDataModule->AppendViscosity(2, "Ag-Sn", 0.6, 1.9);
        dmDataModule->OpenExp(2); // a reopen reads the table again
        QCOMPARE(dmDataModule->qrExp2->RecordCount(), 2);
        dmDataModule->ReplaceViscosityRows(2, { { "Bi-Sn", 0.1, 2.0 } });
        dmDataModule->OpenExp(2);
        QCOMPARE(dmDataModule->qrExp2->RecordCount(), 1);
        QCOMPARE(dmDataModule->qrExp2->FieldByName("SYSTEM").AsString(), QStringLiteral("Bi-Sn"));
    }

    void slotWorkersReadTheirOwnTemperature()
    {
        TfmWykres *w = Open("Density");
        w->edT1->setText("673");
        dmDataModule->OpenPunkty(2); // T2 empty: every value Null
        QCOMPARE(dmDataModule->qrPunkty2->RecordCount(), 3);
        QVERIFY(dmDataModule->qrPunkty2->FieldByName("DensityT2").IsNull());
        dmDataModule->OpenPunkty(1);
        QCOMPARE(dmDataModule->qrPunkty1->SQL().at(0),
                 QStringLiteral("SELECT DANE_WLASNOSCI.ID_DANE_WLA, X  X, A+B*:t1 DensityT1"));
        QCOMPARE(int(dmDataModule->qrPunkty1->Fields().size()), 2); // the persistent fields only
        QCOMPARE(dmDataModule->qrPunkty1->FieldByName("DensityT1").DisplayText(), QStringLiteral("9,33"));
        w->edT1->setText("67,5");
        QVERIFY_THROWS_EXCEPTION(EConvertError, dmDataModule->OpenPunkty(1));
        QVERIFY(!dmDataModule->qrPunkty1->Active());
    }

    void endPointsOfAnIsotherm()
    {
        TfmWykres *w = Open("Density");
        w->edT3->setText("1000");
        dmDataModule->OpenMinMax(3);
        QCOMPARE(dmDataModule->qrMinMax3->RecordCount(), 2);
        QCOMPARE(dmDataModule->Min(3), QStringLiteral("9"));
        QCOMPARE(dmDataModule->Max(3), QStringLiteral("7"));
        ExecSql(p->folder.DatabasePath(),
                { "DELETE FROM DANE_WLASNOSCI WHERE ID_TAB_UKL = 901 AND ID_WLASCIWOSCI = 1 AND X "
                  "> 0" });
        dmDataModule->OpenMinMax(3);
        QCOMPARE(dmDataModule->qrMinMax3->RecordCount(), 1);
        QCOMPARE(dmDataModule->Min(3), dmDataModule->Max(3));
    }

    void molarVolumeReadsTheDensityRows()
    {
        TfmWykres *w = Open("Molar volume");
        w->edT3->setText("1000");
        dmDataModule->OpenMinMaxM(3);
        QCOMPARE(dmDataModule->qrMinMax3M->ParamByName("lWlasciwosc").Value().toInt(), 1);
        QCOMPARE(dmDataModule->qrMinMax3M->RecordCount(), 2);
        dmDataModule->OpenMolarVolume(TdmDataModule::SlotFamily::UklBinary, 3);
        QCOMPARE(dmDataModule->qrUkl23->RecordCount(), 3);
        dmDataModule->qrUkl23->Next();
        QCOMPARE(dmDataModule->qrUkl23->FieldByName("VT3").AsFloat(), 150.0 / 8);
        QCOMPARE(dmDataModule->qrUkl23->FieldByName("VT3").DisplayText(), QStringLiteral("18,75"));
    }

    void publicationsAndLinesByIdLists()
    {
        Open("Density");
        ListaWybranychPublikacji->Add("9901");
        ListaWybranychPublikacji->Add("9902");
        ListaWybranychPublikacji->Add("9901");
        QCOMPARE(ListaWybranychPublikacji->GetCommaText(), QStringLiteral("9901,9902"));
        dmDataModule->OpenPublikacje();
        QCOMPARE(dmDataModule->qrPublikacje->SQL().last(), QStringLiteral("ID_PUBLIKACJI IN (9901,9902)"));
        QCOMPARE(dmDataModule->qrPublikacje->RecordCount(), 2);
        ListaWybranychPublikacji->Clear();
        dmDataModule->OpenPublikacje(); // an empty list leaves the query closed
        QVERIFY(!dmDataModule->qrPublikacje->Active());

        AddLines();
        ListaWybranychLini->Add("701");
        QCOMPARE(dmDataModule->qrLinie->RecordCount(), 1);
        ListaWybranychLini2->Add("703");
        QCOMPARE(dmDataModule->qrLinie->SQL().last(), QStringLiteral("ID_DANE_WLA_T IN (703)"));
        ListaWybranychLini->Add("702");
        QCOMPARE(dmDataModule->qrLinie->RecordCount(), 2);
    }

    // A line id counts as drawn only once its drawing went through; a failed one is tried
    // again by the next Graph.
    void aLineWhoseDrawingFailsIsNotRecorded()
    {
        int drawings = 0;
        TListaWybranych lines([&drawings] {
            if (++drawings == 1)
                throw EMathError(QStringLiteral("Floating point overflow"));
        });
        QVERIFY_THROWS_EXCEPTION(EMathError, lines.Add("701"));
        QVERIFY(!lines.Contains("701"));
        lines.Add("701");
        lines.Add("701");
        QCOMPARE(drawings, 2);
        QCOMPARE(lines.GetCommaText(), QStringLiteral("701"));
    }

    void equationsTakeTheTabsPublicationOrTheFirstOne()
    {
        TfmWykres *w = Open("Density", true); // the first picker shows [9999Tst]
        dmDataModule->OpenRownania(1);
        QCOMPARE(dmDataModule->qrRownania->RecordCount(), 3);
        ChooseText(w->dblAutor2, "[9999Tst]");
        ChooseText(w->dblAutor, "[9998Emp]");
        dmDataModule->OpenRownania(1);
        QCOMPARE(dmDataModule->qrRownania->ParamByName("lPublikacja").Value().toString(),
                 QStringLiteral("[9999Tst]"));
    }

    void aTemperatureLineIsFilledOnlyFromItsTwoEndPoints()
    {
        AddLines();
        TfmWykres *w = Open("Density", true);
        ChooseText(w->dblAutor2, "[9999Tst]");
        TTempLineRec rec;
        QVERIFY(!dmDataModule->GetTempLine(1, false, rec)); // the grid has no row yet
        w->dbgTemp1->SetDataSource(dmDataModule->dsRownania);
        dmDataModule->OpenRownania(1);
        QVERIFY(dmDataModule->qrRownania->Locate("X", 0.25));
        QVERIFY(dmDataModule->GetTempLine(1, false, rec));
        QCOMPARE(rec.T1, 500);
        QCOMPARE(rec.V1.Raw(), qint64(105000));
        QCOMPARE(rec.T2, 900);
        QCOMPARE(rec.V2.Raw(), qint64(122500));
        QCOMPARE(dmDataModule->qrPunktyTemp->FieldByName("ID_DANE_WLA_T").AsInteger(), 702);

        QVERIFY(dmDataModule->qrRownania->Locate("X", 0.5)); // three rows: not a line
        QVERIFY(!dmDataModule->GetTempLine(1, false, rec));
        QCOMPARE(rec.T1, 500);
        QVERIFY(dmDataModule->qrRownania->Locate("X", 1.0)); // no rows
        QVERIFY(!dmDataModule->GetTempLine(1, false, rec));
        QCOMPARE(rec.V2.Raw(), qint64(122500));
    }

    void theLogarithmicLineBelongsToTheFirstTabOfPropertyFour()
    {
        TfmWykres *w = Open("Viscosity", true);
        ChooseText(w->dblAutor2, "[9999Tst]");
        ChooseText(w->dblAutor3, "[9999Tst]");
        w->dbgTemp1->SetDataSource(dmDataModule->dsRownania);
        w->dbgTemp2->SetDataSource(dmDataModule->dsRownania2);
        dmDataModule->OpenRownania(1);
        dmDataModule->OpenRownania(2);
        TTempLineRec rec;
        dmDataModule->GetTempLine(1, false, rec);
        QVERIFY(dmDataModule->qrPunktyTemp->SQL().at(0).contains("A+ B *Log(T)"));
        dmDataModule->GetTempLine(2, false, rec);
        QVERIFY(dmDataModule->qrPunktyTemp2->SQL().at(0).contains("A+ B *T DensityT1"));
    }
};

VIRELT_TEST(WorkersTest)
#include "WorkersTest.moc"
