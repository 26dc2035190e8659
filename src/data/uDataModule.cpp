#include "data/uDataModule.h"

#include "data/QueryCatalogue.h"
#include "data/Worker.h"
#include "platform/Paths.h"

TdmDataModule *dmDataModule = nullptr;

namespace {

struct TableDef
{
    const char *name;
    const char *tableName;
    const char *dataSource;
};

const TableDef WorkTables[] = {
    { "tblViscosity1", "VISCOSITY", "dsViscosity1" },
    { "tblViscosity2", "VISCOSITY2", "dsViscosity2" },
    { "tblViscosity3", "VISCOSITY3", "dsViscosity3" },
    { "tblViscosity4", "VISCOSITY4", "dsViscosity4" },
};

// No operation opens these; they stay without a database folder.
const char *const UnboundQueries[] = { "qrUkl2", "qrUkl3", "qrUkl4", "qrUkl5" };

// Closed explicitly at the end; the others close as they are destroyed with the module.
const char *const ClosingList[] = {
    "qrSelect",      "qrWlasnosci",  "qrTabUkl",        "qrPierwiastki",  "qrUkl2",
    "qrUkl3",        "qrUkl4",       "qrUkl5",          "qrUkl11",        "qrUkl12",
    "qrUkl13",       "qrUkl14",      "qrUkl21",         "qrUkl22",        "qrUkl23",
    "qrUkl24",       "qrUkl31",      "qrUkl32",         "qrUkl33",        "qrUkl34",
    "qrUkl41",       "qrUkl42",      "qrUkl43",         "qrUkl44",        "qrUkl51",
    "qrUkl52",       "qrUkl53",      "qrUkl54",         "qrPublikacje",   "qrDaneWlasnosci",
    "qrAutor",       "qrAutor1",     "qrAutorT",        "qrPunktyTemp",   "qrPunktyTemp2",
    "qrPunkty",      "qrPunkty1",    "qrPunkty2",       "qrPunkty3",      "qrPunkty4",
    "qrX",           "qrRownania",   "qrRownania2",     "qrPunktyD",      "qrPunktyDos",
    "qrFig",         "qrDane45",     "qrWyniki45",      "qrWyniki452",    "qrWyniki453",
    "qrWyniki454",   "qrEut",        "qrPunkty45",      "qrDane452",      "qrAutorMenisk",
    "tblViscosity1", "tblViscosity2", "tblViscosity3", "tblViscosity4",
};

} // namespace

TdmDataModule::TdmDataModule()
    : TDataModule(QStringLiteral("dmDataModule"))
{
    for (const QueryDef &def : QueryCatalogue()) {
        auto *query = new TQuery(this, QString::fromLatin1(def.name));
        query->SetSQL(def.sql);
        for (const FieldDef &f : def.fields)
            query->AddPersistentField(QString::fromLatin1(f.name), f.type, f.size);
        if (def.dataSource)
            new TDataSource(this, QString::fromLatin1(def.dataSource), query);
    }
    for (const TableDef &def : WorkTables) {
        auto *table = new TTable(this, QString::fromLatin1(def.name));
        new TDataSource(this, QString::fromLatin1(def.dataSource), table);
    }
#define VIRELT_BIND(name) name = findChild<std::remove_reference_t<decltype(*name)> *>(#name);
    VIRELT_QUERIES(VIRELT_BIND)
    VIRELT_TABLES(VIRELT_BIND)
    VIRELT_DATA_SOURCES(VIRELT_BIND)
#undef VIRELT_BIND
    DataModuleCreate();
}

TdmDataModule::~TdmDataModule()
{
    DataModuleDestroy();
    if (dmDataModule == this)
        dmDataModule = nullptr;
}

void TdmDataModule::DataModuleCreate()
{
    InitDatabasePath();
    SetDatabaseNames();
}

void TdmDataModule::InitDatabasePath()
{
    FDatabasePath = Paths::DatabaseFolder();
}

void TdmDataModule::SetDatabaseNames()
{
    for (const QueryDef &def : QueryCatalogue()) {
        const bool unbound = std::any_of(std::begin(UnboundQueries), std::end(UnboundQueries),
                                         [&](const char *n) { return qstrcmp(n, def.name) == 0; });
        if (!unbound)
            findChild<TQuery *>(QString::fromLatin1(def.name))->SetDatabaseName(FDatabasePath);
    }
    for (const TableDef &def : WorkTables) {
        auto *table = findChild<TTable *>(QString::fromLatin1(def.name));
        table->SetDatabaseName(FDatabasePath);
        table->SetTableName(QString::fromLatin1(def.tableName));
    }
    OpenStartQueries();
}

void TdmDataModule::OpenStartQueries()
{
    // A database that cannot be read is shown once, with the engine's reason; start-up goes on
    // with empty lists.
    OpenSelect();
    if (qrSelect->Active())
        OpenWlasnosci();
}


void TdmDataModule::DataModuleDestroy()
{
    Finish();
}

void TdmDataModule::Finish()
{
    CloseAllQueries();
}

void TdmDataModule::CloseAllQueries()
{
    for (const char *name : ClosingList)
        if (auto *dataSet = findChild<TDataSet *>(QString::fromLatin1(name)))
            dataSet->Close();
}
