#pragma once

#include "Catalogue.h"
#include "DatabaseWriter.h"
#include "Equations.h"

#include <QString>

// The meniscographic tables and pictures. The data set holds no wetting measurements: its two
// placeholder studies list alloys at a soldering temperature with the surface tension that the
// data set's own equations give there, and Null where a measurement would stand.
void WriteMeniscographyTables(
    DatabaseWriter &db, const Catalogue &catalogue, const Equations &equations);
void WriteMeniscographyFiles(const QString &databaseFolder, const Catalogue &catalogue);
