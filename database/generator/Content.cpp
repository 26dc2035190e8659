#include "Content.h"

// Categories and properties are fixed by the program: their ids and texts are compared.
static void WriteCategories(DatabaseWriter &db)
{
    const char *names[] = { "Pure metals", "Binary systems", "Ternary systems",
                            "Quaternary systems", "Quinary systems" };
    for (int i = 0; i < 5; ++i)
        db.Insert("SELECT_SYSTEM", { i + 1, names[i] });
}

static void WriteProperties(DatabaseWriter &db)
{
    const char *names[] = { "Density",   "Surface tension",       "Molar volume",
                            "Viscosity", "Electrical properties", "Mechanical properties" };
    for (int i = 0; i < 6; ++i)
        db.Insert("WLASNOSCI", { i + 1, names[i] });
}

static void WriteSystems(DatabaseWriter &db)
{
    struct System
    {
        int id;
        int category;
        const char *name;
        const char *axis;
    };
    const System systems[] = {
        { 1, 1, "Ag", "X" },          { 2, 1, "Sn", "X" },
        { 3, 2, "Ag-Sn", "X Sn" },    { 4, 2, "Bi-Sn", "X Sn" },
        { 5, 3, "Ag-Cu-Sn", "X Cu" }, { 6, 4, "Ag-Bi-Cu-Sn", "X Bi" },
        { 7, 5, "Ag-Bi-Cu-Sb-Sn", "X Sb" },
    };
    for (const System &s : systems)
        db.Insert("TAB_UKL", { s.id, s.category, s.name, s.axis });
}

void WriteContent(DatabaseWriter &db)
{
    WriteCategories(db);
    WriteProperties(db);
    WriteSystems(db);
}
