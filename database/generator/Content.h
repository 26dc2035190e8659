#pragma once

#include "Catalogue.h"
#include "DatabaseWriter.h"
#include "Equations.h"

#include <QString>

// Fills the tables of the demonstration database.
void WriteContent(DatabaseWriter &db, const QString &sourceFolder, const Catalogue &catalogue,
    const Equations &equations);
