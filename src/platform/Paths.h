#pragma once

#include <QString>

// Every path of the program derives from the folder of the running executable.
namespace Paths {

// The executable's folder, without a trailing separator.
QString ExeFolder();
// Tests run the program from a temporary folder that holds a copy of the database.
void OverrideExeFolder(const QString &folder);

inline QString Join(const QString &a, const QString &b)
{
    return a + u'/' + b;
}

// The folder of the tables, figures and documents, beside the executable.
inline QString DatabaseFolder()
{
    return Join(ExeFolder(), QStringLiteral("Database"));
}

// The SQLite file that holds the tables of a database folder.
inline QString DatabaseFile(const QString &databaseFolder)
{
    return Join(databaseFolder, QStringLiteral("VIRELT2.sqlite"));
}

} // namespace Paths
