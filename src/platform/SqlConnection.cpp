#include "platform/SqlConnection.h"

#include "platform/Exceptions.h"
#include "platform/Paths.h"

#include <QSqlError>
#include <QUrl>

namespace SqlConnection {

static QString ConnectionName(const QString &folder)
{
    return QStringLiteral("virelt:") + folder;
}

QSqlDatabase For(const QString &databaseFolder)
{
    const QString name = ConnectionName(databaseFolder);
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen() || db.open())
            return db;
        throw EDatabaseError(QStringLiteral("Cannot open the database in %1: %2")
                                 .arg(databaseFolder, db.lastError().text()));
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    // mode=rw: a missing file must fail to open, not be created empty.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    db.setDatabaseName(QUrl::fromLocalFile(Paths::DatabaseFile(databaseFolder)).toString()
        + QStringLiteral("?mode=rw"));
    if (!db.open()) {
        const QString error = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        throw EDatabaseError(
            QStringLiteral("Cannot open the database in %1: %2").arg(databaseFolder, error));
    }
    return db;
}

void CloseAll()
{
    for (const QString &name : QSqlDatabase::connectionNames()) {
        if (!name.startsWith(QLatin1String("virelt:")))
            continue;
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
}

} // namespace SqlConnection
