#include "Meniscography.h"

#include "FigureRenderer.h"

#include "info/FigureNames.h"

#include <set>
#include <stdexcept>
#include <tuple>

namespace {

struct Study
{
    int id;
    const char *reference; // AUTHOR_MENISK.NAZWISKO, also part of the file names
    const char *authors;
};

const Study Studies[] = {
    { 1, "[2025Men1]", "VIRELT 2 project: placeholder study of the demonstration data set" },
    { 2, "[2025Men2]", "VIRELT 2 project: second placeholder study, table only" },
};

// An alloy of a study: the surface tension is the value of the named equation of the data set.
struct Row
{
    int study;
    const char *system;
    double x;
    int temperature;
    const char *tag;
};

const Row Rows[] = {
    { 1, "Ag-Sn", 0.9, 523, "[2001Kor1]" },
    { 1, "Ag-Sn", 0.9, 553, "[2001Kor1]" },
    { 1, "Sn-Zn", 0.1, 523, "[2004Dun]" },
    { 2, "Ag-Sn", 0.9, 523, "[2001Kor1]" },
};

// Figure designations of the studies; only the first study has pictures.
struct Picture
{
    int study;
    const char *system;
    const char *designation;
    const char *kind; // empty: a designation without any picture
};

const Picture Pictures[] = {
    { 1, "Ag-Sn", "Fig1", "Wetting force" },
    { 1, "Ag-Sn", "Fig1", "Contact or wetting angle" },
    { 1, "Sn-Zn", "Fig1", "Wetting time" },
    { 2, "Ag-Sn", "Fig1", "" },
};

double SurfaceTensionOf(const Equations &equations, const Row &row)
{
    for (const EquationRow &r : equations.Rows())
        if (r.property == Property::SurfaceTension && r.system->name == QLatin1String(row.system)
            && r.publication->tag == QLatin1String(row.tag) && r.x == qRound64(row.x * 10000))
            return Significant(double(r.ValueAt(row.temperature)));
    throw std::runtime_error("no equation for a meniscographic row");
}

} // namespace

void WriteMeniscographyTables(
    DatabaseWriter &db, const Catalogue &catalogue, const Equations &equations)
{
    for (const Study &s : Studies)
        db.Insert(
            "AUTHOR_MENISK", { s.id, 2025, QLatin1String(s.reference), QLatin1String(s.authors) });
    std::set<std::pair<int, int>> covered;
    for (const Row &r : Rows)
        covered.insert({ r.study, catalogue.System(QLatin1String(r.system)).id });
    for (const auto &[study, system] : covered)
        db.Insert("AUTHOR_MENISK_PUB", { study, system });
    for (const Row &r : Rows) {
        const QString alloy
            = QStringLiteral("%1, %2 = %3")
                  .arg(QLatin1String(r.system), catalogue.System(QLatin1String(r.system)).axis)
                  .arg(r.x);
        const QString note
            = QStringLiteral("demonstration row: no wetting measurement; surface tension from %1")
                  .arg(QLatin1String(r.tag));
        db.Insert("MENISK",
            { catalogue.System(QLatin1String(r.system)).id, r.study, alloy, QVariant(), QVariant(),
                QVariant(), SurfaceTensionOf(equations, r), QVariant(), QVariant(), r.temperature,
                QVariant(), QVariant(), note });
    }
    std::set<std::tuple<int, QString, QString>> designations;
    for (const Picture &p : Pictures)
        designations.insert({ p.study, QLatin1String(p.system), QLatin1String(p.designation) });
    int id = 0;
    for (const auto &[study, system, designation] : designations)
        db.Insert("MENISK_FIG", { ++id, catalogue.System(system).id, study, designation });
    const QStringList &kinds = FigureNames::MeniskKinds();
    for (qsizetype i = 0; i < kinds.size(); ++i)
        db.Insert("SELECT_MENISK_FIG", { int(i + 1), kinds[i] });
}

void WriteMeniscographyFiles(const QString &databaseFolder, const Catalogue &catalogue)
{
    for (const Picture &p : Pictures) {
        if (!*p.kind)
            continue;
        const Study &study = Studies[p.study - 1];
        const SystemInfo &system = catalogue.System(QLatin1String(p.system));
        FigureContent figure { QLatin1String(p.kind) + QStringLiteral(" - ")
            + QLatin1String(study.reference) };
        figure.notes = { QStringLiteral("Placeholder meniscographic figure %1 of %2.")
                             .arg(QLatin1String(p.designation), system.name),
            QStringLiteral("The demonstration data set holds no wetting "
                           "measurements.") };
        SaveFigure(figure,
            FigureNames::MeniskFolder(databaseFolder, Catalogue::CategoryName(system), system.name)
                + FigureNames::MeniskFileName(QLatin1String(study.reference), system.name,
                    QLatin1String(p.kind), QLatin1String(p.designation)));
    }
}
