#pragma once

#include "Catalogue.h"
#include "DatabaseWriter.h"
#include "Equations.h"
#include "Sources.h"

#include <QString>

// The figures under Fig/<category>/<system>/, named by the program's figure codes, and the FIG
// rows that name the sections of ternary and higher figures.
void WriteFigureTable(DatabaseWriter &db, const Catalogue &catalogue);
void WriteFigureFiles(const QString &databaseFolder, const Catalogue &catalogue,
    const Equations &equations, const Sources &sources);
