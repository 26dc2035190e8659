#include "data/QueryCatalogue.h"
#include "data/uDataModule.h"
#include "support/Fixture.h"
#include "support/TestRegistry.h"

#include <QTest>

#include <memory>

// The data module on a copy of the built database, without any window.
class DataModuleTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<ExeFolderFixture> m_folder;
    std::unique_ptr<ServiceDoubles> m_services;
    std::unique_ptr<TdmDataModule> m_module;

private slots:
    void init()
    {
        m_folder = std::make_unique<ExeFolderFixture>();
        m_services = std::make_unique<ServiceDoubles>();
        m_module = std::make_unique<TdmDataModule>();
        dmDataModule = m_module.get();
    }
    void cleanup()
    {
        m_module.reset();
        m_services.reset();
        m_folder.reset();
    }

    void theDatabaseFolderIsBesideTheExecutable()
    {
        QCOMPARE(m_module->DatabasePath(), m_folder->Path() + QStringLiteral("/Database"));
        QCOMPARE(m_module->qrTabUkl->DatabaseName(), m_module->DatabasePath());
        QCOMPARE(m_module->tblViscosity3->TableName(), QStringLiteral("VISCOSITY3"));
        QVERIFY(m_module->qrUkl3->DatabaseName().isEmpty());
    }

    void onlyTheCategoryAndPropertyListsAreOpenAfterStart()
    {
        QStringList open;
        for (TDataSet *ds : m_module->findChildren<TDataSet *>())
            if (ds->Active())
                open << ds->Name();
        open.sort();
        QCOMPARE(open, QStringList({ "qrSelect", "qrWlasnosci" }));
        QCOMPARE(m_module->qrSelect->RecordCount(), 5);
        QCOMPARE(m_module->qrWlasnosci->RecordCount(), 6);
        QCOMPARE(m_module->dsSelect->DataSet(), m_module->qrSelect);
        QCOMPARE(m_module->dsSelecMeniskFig->DataSet(), m_module->qrSelectMeniskFig);
        QCOMPARE(m_module->dsViscosity2->DataSet(), m_module->tblViscosity2);
    }

    // Every design-time text runs on the shipped schema, except the quaternary text
    // that names DANE45 without listing it (no worker opens it).
    void everyCatalogueTextOpensExceptTheBrokenQuaternaryOne()
    {
        const QStringList broken = { "qrUkl41" };
        for (const QueryDef &def : QueryCatalogue()) {
            if (def.sql.isEmpty())
                continue;
            TQuery q(nullptr, QString::fromLatin1(def.name));
            q.SetDatabaseName(m_module->DatabasePath());
            q.SetSQL(def.sql);
            for (const FieldDef &f : def.fields)
                q.AddPersistentField(QString::fromLatin1(f.name), f.type, f.size);
            for (const QString &p : q.ParamNames())
                q.ParamByName(p).SetValue(p == QLatin1String("lPublikacja")
                                              ? QVariant(QStringLiteral("[2001Kor1]"))
                                              : QVariant(1));
            bool opened = true;
            try {
                q.Open();
            } catch (const EDatabaseError &e) {
                opened = false;
                if (!broken.contains(q.Name()))
                    QFAIL(qPrintable(e.Message()));
            }
            QCOMPARE(opened, !broken.contains(q.Name()));
            QCOMPARE(q.Active(), opened);
        }
    }

    void slotFamiliesDifferOnlyInTheirSlot()
    {
        QCOMPARE(m_module->qrPunkty3->SQL().at(0), QStringLiteral("select X  X,  A+ B *:t3 DensityT3"));
        QVERIFY(m_module->qrUkl4544->SQLText().contains(QStringLiteral(":t4) VT4")));
        QVERIFY(m_module->qrAproksymacja2->SQLText().contains(QStringLiteral("ST2")));
        QCOMPARE(m_module->qrMinMax2M->ParamNames(),
                 QStringList({ "t2", "lUklad", "lWlasciwosc", "lPublikacja" }));
    }

    void openSelectAgainNeitherRequeriesNorMoves()
    {
        m_module->qrSelect->Next();
        m_module->qrSelect->Next();
        m_module->OpenSelect();
        QCOMPARE(m_module->qrSelect->RecNo(), 2);
    }

    void openTabUklListsTheCategorysSystemsByName()
    {
        QVERIFY(m_module->qrSelect->Locate(QStringLiteral("NAZWA"), QStringLiteral("Binary systems")));
        m_module->OpenTabUkl();
        QStringList names;
        for (int row = 0; row < m_module->qrTabUkl->RecordCount(); ++row) {
            m_module->qrTabUkl->MoveTo(row);
            names << m_module->qrTabUkl->FieldByName(QStringLiteral("OZNACZENIE")).AsString();
            QCOMPARE(m_module->qrTabUkl->FieldByName(QStringLiteral("ID_SELECT")).AsInteger(), 2);
        }
        QVERIFY(names.size() >= 2);
        QStringList sorted = names;
        sorted.sort();
        QCOMPARE(names, sorted);
    }

    void aWorkerWithoutItsKeyRaisesAndLeavesItsTargetAsItWas()
    {
        m_module->OpenTabUkl(); // qrTabUkl now open
        QVERIFY(m_module->qrTabUkl->Active());
        m_module->qrSelect->Close();
        QVERIFY_THROWS_EXCEPTION(EConvertError, m_module->OpenTabUkl());
        QVERIFY(m_module->qrTabUkl->Active());
    }

    // A failed open leaves the dataset closed and shows the engine's reason, after the
    // worker's own line where it has one.
    void aFailedOpenShowsTheEnginesReason()
    {
        QVERIFY(m_module->qrSelect->Locate(QStringLiteral("ID_SELECT"), 1));
        m_module->OpenTabUkl();
        const QString reason = QStringLiteral("Error in the database \"%1/VIRELT2.sqlite\": no "
                                              "such table: NO_SUCH_TABLE")
                                   .arg(m_module->DatabasePath());
        m_module->qrPierwiastki->SetSQL({ QStringLiteral("SELECT * FROM NO_SUCH_TABLE WHERE 1 = :lUklad") });
        m_module->OpenPierwiastki();
        QVERIFY(!m_module->qrPierwiastki->Active());
        m_module->qrX->SetSQL({ QStringLiteral("SELECT * FROM NO_SUCH_TABLE WHERE 1 = :lUklad") });
        m_module->OpenX();
        QVERIFY(!m_module->qrX->Active());
        QCOMPARE(m_services->dialogs->Texts(QStringLiteral("MessageDlg")),
            QStringList({ QStringLiteral("Blad w Pierwiastkach\n") + reason, reason }));
        QCOMPARE(m_services->dialogs->shown.back().type, int(mtError));
    }

    void destroyingTheModuleClosesItsDatasets()
    {
        m_module->CloseAllQueries();
        QVERIFY(!m_module->qrSelect->Active());
        QVERIFY(!m_module->qrWlasnosci->Active());
    }
};

VIRELT_TEST(DataModuleTest)
#include "DataModuleTest.moc"
