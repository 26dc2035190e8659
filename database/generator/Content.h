#pragma once

#include "DatabaseWriter.h"

#include <QString>

// Fills the tables of the demonstration database.
void WriteContent(DatabaseWriter &db);
