#include "support/ChartSession.h"

#include "app/Main.h"
#include "app/uSelect.h"
#include "chart/uWykresy.h"
#include "data/uDataModule.h"
#include "platform/Paths.h"
#include "support/Helpers.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <stdexcept>

void ExecSql(const QString &databaseFolder, const QStringList &statements)
{
    const QString name = QStringLiteral("test-writer");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(Paths::DatabaseFile(databaseFolder));
        if (!db.open())
            throw std::runtime_error("cannot open the test database");
        QSqlQuery q(db);
        for (const QString &sql : statements)
            if (!q.exec(sql))
                throw std::runtime_error((sql + ": " + q.lastError().text()).toStdString());
    }
    QSqlDatabase::removeDatabase(name);
}

void AddTestSystems(const QString &databaseFolder)
{
    QStringList sql = {
        "INSERT INTO TAB_UKL VALUES (901, 2, 'Tb-Ta', 'X Ta')",
        "INSERT INTO TAB_UKL VALUES (902, 3, 'Ta-Tb-Tc', 'X Tc')",
        "INSERT INTO PUBLIKACJE VALUES (9901, '[9999Tst]', 'Test authors', 'Test title', '1', "
        "'1-2', 1999, 'Test journal')",
        "INSERT INTO PUBLIKACJE VALUES (9902, '[9998Emp]', NULL, NULL, NULL, NULL, 1998, NULL)",
        "INSERT INTO EUT (ID_EUT, ID_TAB_UKL, ID_EUTEKTYKI, OZNACZENIE) VALUES "
        "(9901, 902, 1, 'Section 1'), (9902, 902, 2, 'Section 2')",
    };
    for (int property : { 1, 2, 3, 4 })
        for (int system : { 901, 902 })
            sql << QStringLiteral("INSERT INTO WLA_TAB_PUB VALUES (%1, %2, 9901)")
                       .arg(property)
                       .arg(system);
    sql << "INSERT INTO WLA_TAB_PUB VALUES (1, 901, 9902)";
    // Density A + B*T and viscosity A*exp(E/(R*T)) at three compositions.
    const double xs[] = { 0, 0.5, 1 };
    for (int i = 0; i < 3; ++i) {
        sql << QStringLiteral("INSERT INTO DANE_WLASNOSCI (ID_WLASCIWOSCI, ID_TAB_UKL, "
                              "ID_PUBLIKACJI, X, A, B) VALUES (1, 901, 9901, %1, %2, -0.001)")
                   .arg(xs[i])
                   .arg(10 - i);
        sql << QStringLiteral("INSERT INTO DANE_WLASNOSCI (ID_WLASCIWOSCI, ID_TAB_UKL, "
                              "ID_PUBLIKACJI, X, A, B) VALUES (4, 901, 9901, %1, 0.5, 10000)")
                   .arg(xs[i]);
        sql << QStringLiteral("INSERT INTO UKL_2 VALUES (901, 100.0, 200.0, %1)").arg(xs[i]);
        sql << QStringLiteral("INSERT INTO UKL_3 VALUES (902, 100.0, 200.0, 300.0, 0.1, %1, 1)")
                   .arg(xs[i] / 10);
    }
    // Sections: two rows of section 1, one row that belongs to every section.
    sql << "INSERT INTO DANE45 VALUES (1, 902, 9901, 1, 'Ta-Tb-Tc 1', 7.0, -0.001, 0, 1)"
        << "INSERT INTO DANE45 VALUES (1, 902, 9901, 1, 'Ta-Tb-Tc 1', 7.5, -0.001, 0.05, 1)"
        << "INSERT INTO DANE45 VALUES (1, 902, 9901, 10, 'Ta-Tb-Tc all', 8.0, -0.001, 0.1, 1)"
        << "INSERT INTO DANE45 VALUES (1, 902, 9901, 2, 'Ta-Tb-Tc 2', 6.0, -0.001, 0.05, 1)"
        << "INSERT INTO DANE45 VALUES (4, 902, 9901, 1, 'Ta-Tb-Tc 1', 0.5, 10000, 0.05, 1)";
    ExecSql(databaseFolder, sql);
}

void AddTemperatureData(const QString &databaseFolder)
{
    QStringList sql = {
        "INSERT INTO PUBLIKACJE VALUES (9903, '[9997Lin]', 'Line authors', 'Lines', '2', "
        "'3-4', 1997, 'Test journal')",
        "INSERT INTO WLA_TAB_PUB VALUES (1, 901, 9903)",
        "INSERT INTO WLA_TAB_PUB VALUES (4, 901, 9903)",
        "INSERT INTO DANE_WLASNOSCI (ID_WLASCIWOSCI, ID_TAB_UKL, ID_PUBLIKACJI, X, A, B) "
        "VALUES (1, 901, 9901, 0.25, 9.75, -0.001), (1, 901, 9901, 0.75, 8.25, -0.001), "
        "(1, 901, 9903, 0.2, 11, -0.002), (1, 901, 9903, 0.4, 12, -0.002), "
        "(1, 901, 9903, 0.6, 13, -0.002), (4, 901, 9903, 0.5, 0.5, 10000)",
        "INSERT INTO DANE_WLASNOSCI_T (ID_DANE_WLA_T, ID_WLASCIWOSCI, ID_TAB_UKL, "
        "ID_PUBLIKACJI, X, T, A, B, Nr, Nr2) VALUES "
        "(9101, 1, 901, 9901, 0, 500, 10, -0.001, NULL, NULL), "
        "(9102, 1, 901, 9901, 0, 900, 10, -0.001, NULL, NULL), "
        "(9103, 1, 901, 9901, 0.5, 500, 9, -0.001, NULL, NULL), "
        "(9104, 1, 901, 9901, 0.5, 900, 9, -0.001, NULL, NULL), "
        "(9105, 1, 901, 9901, 1, 500, 8, -0.001, NULL, NULL), "
        "(9106, 1, 901, 9901, 1, 900, 8, -0.001, NULL, NULL), "
        "(9107, 1, 901, 9901, 0.75, 500, 8.25, -0.001, NULL, NULL), "
        "(9111, 1, 901, 9903, 0.2, 600, 11, -0.002, NULL, NULL), "
        "(9112, 1, 901, 9903, 0.2, 1000, 11, -0.002, NULL, NULL), "
        "(9113, 1, 901, 9903, 0.4, 600, 12, -0.002, NULL, NULL), "
        "(9114, 1, 901, 9903, 0.4, 1000, 12, -0.002, NULL, NULL), "
        "(9121, 1, 902, 9901, 0, 500, 7, -0.001, 1, 1), "
        "(9122, 1, 902, 9901, 0, 900, 7, -0.001, 1, 1), "
        "(9123, 1, 902, 9901, 0.05, 500, 7.5, -0.001, 1, 1), "
        "(9124, 1, 902, 9901, 0.05, 900, 7.5, -0.001, 1, 1), "
        "(9125, 1, 902, 9901, 0.1, 500, 8, -0.001, 10, 1), "
        "(9126, 1, 902, 9901, 0.1, 900, 8, -0.001, 10, 1), "
        "(9127, 1, 902, 9901, 0.05, 500, 6, -0.001, 2, 1), "
        "(9128, 1, 902, 9901, 0.05, 900, 6, -0.001, 2, 1)",
        "INSERT INTO PUNKTY_D VALUES (901, 4, 9901, 0, 600, 2.0, NULL, NULL), "
        "(901, 4, 9901, 0, 700, 1.8, NULL, NULL), (901, 4, 9901, 0.5, 600, 2.5, NULL, NULL), "
        "(901, 4, 9901, 0.5, 700, 2.2, NULL, NULL), (901, 4, 9901, 0.5, 800, NULL, NULL, NULL), "
        "(902, 4, 9901, 0.05, 650, 3.0, 1, 1), (902, 4, 9901, 0.05, 750, 2.6, 1, 1)",
    };
    ExecSql(databaseFolder, sql);
}

ChartSession::ChartSession(const QString &category, const QString &system,
                           const QString &property, bool temperatureDependence)
{
    if (!ChooseText(fmStart->dblSelectSystem, category))
        throw std::runtime_error("no category " + category.toStdString());
    fmStart->InitSaveDir();
    dmDataModule->OpenTabUkl();
    if (!ChooseText(fmSelect->dblSelect, system)
        || !ChooseText(fmSelect->dblWlasnosci, property))
        throw std::runtime_error("no system or property");
    fmSelect->chbTemp->setChecked(temperatureDependence);
    fmSelect->chbX->setChecked(!temperatureDependence);
    dmDataModule->OpenAutor();
    dmDataModule->OpenAutor1();
    dmDataModule->OpenX();
    fmWykres = window = new TfmWykres(fmSelect);
    window->show();
}

ChartSession::~ChartSession()
{
    delete fmWykres.data();
}

void ChartTestCase::init()
{
    p = std::make_unique<ProgramFixture>();
    AddTestSystems(p->folder.DatabasePath());
    AddRows(p->folder.DatabasePath());
}

void ChartTestCase::cleanup()
{
    s.reset();
    p.reset();
}

TfmWykres *ChartTestCase::Open(const QString &category, const QString &system,
                               const QString &property, bool temperatureDependence,
                               const QString &tag)
{
    s.reset();
    s = std::make_unique<ChartSession>(category, system, property, temperatureDependence);
    if (!tag.isEmpty() && !ChooseText(s->window->dblAutor, tag))
        throw std::runtime_error("no publication " + tag.toStdString());
    return s->window;
}
