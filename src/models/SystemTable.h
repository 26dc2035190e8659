#pragma once

#include <QLatin1String>
#include <QStringView>

#include <iterator>

// The model tables are keyed by the system text the user picked ("Ag-Sn"), compared
// literally; the first row that matches and passes the extra test wins.
template <typename Rows, typename Test>
auto FindSystemRow(const Rows &rows, QStringView system, Test test) -> decltype(&*std::begin(rows))
{
    for (const auto &row : rows)
        if (system == QLatin1String(row.system) && test(row))
            return &row;
    return nullptr;
}

template <typename Rows> auto FindSystemRow(const Rows &rows, QStringView system)
{
    return FindSystemRow(rows, system, [](const auto &) { return true; });
}
