#include "Content.h"

#include "ContentTable.h"
#include "EquationTables.h"
#include "Figures.h"
#include "Meniscography.h"

namespace {

// Category and property ids and texts are compared by the program.
void WriteLists(DatabaseWriter &db)
{
    const QStringList categories = Catalogue::CategoryNames();
    for (qsizetype i = 0; i < categories.size(); ++i)
        db.Insert("SELECT_SYSTEM", { int(i + 1), categories[i] });
    const QStringList properties = Catalogue::PropertyNames();
    for (qsizetype i = 0; i < properties.size(); ++i)
        db.Insert("WLASNOSCI", { int(i + 1), properties[i] });
}

void WriteSystems(DatabaseWriter &db, const Catalogue &catalogue)
{
    for (const SystemInfo &s : catalogue.Systems()) {
        db.Insert("TAB_UKL", { s.id, s.category, s.name, s.axis });
        if (s.category != PureMetals)
            continue;
        const Element &e = catalogue.ElementOf(s.name);
        db.Insert("PIERWIASTKI",
            { s.id, e.atomicMass, e.meltingPoint, e.boilingPoint, e.structure, e.covalentRadius,
                e.atomicRadius });
    }
}

// The title says the row is demonstration data and how its numbers were obtained.
void WritePublications(DatabaseWriter &db, const Catalogue &catalogue, const Equations &equations)
{
    for (const Publication &p : catalogue.Publications()) {
        QString title = p.title;
        const QStringList notes = equations.Notes(p.tag);
        if (!notes.isEmpty())
            title += QStringLiteral(". ") + notes.join(QStringLiteral("; "));
        db.Insert(
            "PUBLIKACJE", { p.id, p.tag, p.authors, title, p.volume, p.pages, p.year, p.journal });
    }
}

void WriteDta(DatabaseWriter &db, const QString &sourceFolder)
{
    const ContentTable dta(sourceFolder, QStringLiteral("dta.tsv"));
    for (qsizetype r = 0; r < dta.Count(); ++r) {
        QVariantList values { dta.Text(r, 0) };
        for (int column = 1; column <= 12; ++column)
            values.append(dta.NumberOrNull(r, column));
        db.Insert("DTA", values);
    }
}

} // namespace

void WriteContent(DatabaseWriter &db, const QString &sourceFolder, const Catalogue &catalogue,
    const Equations &equations)
{
    WriteLists(db);
    WriteSystems(db, catalogue);
    WritePublications(db, catalogue, equations);
    WriteEquationTables(db, catalogue, equations);
    WriteFigureTable(db, catalogue);
    WriteMeniscographyTables(db, catalogue, equations);
    WriteDta(db, sourceFolder);
}
