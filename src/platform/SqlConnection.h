#pragma once

#include <QSqlDatabase>
#include <QString>

class QSqlError;

// One SQLite connection per database folder.
namespace SqlConnection {

// Opens the folder's database file on first use. A missing file is not created:
// it raises EDatabaseError.
QSqlDatabase For(const QString &databaseFolder);

// Raises the engine's refusal of a statement on the folder's database as EDatabaseError: the
// message names the database file and gives the engine's own reason ("no such table: ...",
// "file is not a database", "database is locked").
[[noreturn]] void Refuse(const QString &databaseFolder, const QSqlError &error);

// Closes every connection (tests remove their temporary folders afterwards).
void CloseAll();

} // namespace SqlConnection
