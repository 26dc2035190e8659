#pragma once

#include "platform/Dataset.h"

#include <QStringList>

#include <vector>

// The design-time definition of every query of the data module: its SQL text line by line,
// the data source that shows it and its persistent fields.
struct FieldDef
{
    const char *name;
    TFieldType type;
    int size;
};

struct QueryDef
{
    const char *name;
    const char *dataSource; // nullptr: the query has none
    QStringList sql;
    std::vector<FieldDef> fields;
};

const std::vector<QueryDef> &QueryCatalogue();

// A family member's text: the first member's text with the temperature slot replaced in
// every ":tN", "VTN", "DensityTN" and "STN".
QStringList SlotChanged(const QStringList &sql, int from, int to);
