#pragma once

#include <QSqlDatabase>
#include <QString>

// One SQLite connection per database folder.
namespace SqlConnection {

// Opens the folder's database file on first use. A missing file is not created:
// it raises EDatabaseError.
QSqlDatabase For(const QString &databaseFolder);

// Closes every connection (tests remove their temporary folders afterwards).
void CloseAll();

} // namespace SqlConnection
