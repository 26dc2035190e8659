#pragma once

#include "DatabaseWriter.h"
#include "Equations.h"

// The tables that hold the equations and what follows from them: the equations themselves
// (DANE_WLASNOSCI for pure metals and binaries, DANE45 for sections), their temperature lines,
// their measured points, the publication links and the compositions with molar masses.
void WriteEquationTables(
    DatabaseWriter &db, const Catalogue &catalogue, const Equations &equations);
