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

// The engine's own text; Qt's adds a sentence of its driver after it.
static QString Reason(const QSqlError &error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

[[noreturn]] static void CannotOpen(const QString &databaseFolder, const QSqlError &error)
{
    throw EDatabaseError(QStringLiteral("Cannot open the database \"%1\": %2")
                             .arg(Paths::DatabaseFile(databaseFolder), Reason(error)));
}

void Refuse(const QString &databaseFolder, const QSqlError &error)
{
    throw EDatabaseError(QStringLiteral("Error in the database \"%1\": %2")
                             .arg(Paths::DatabaseFile(databaseFolder), Reason(error)));
}

QSqlDatabase For(const QString &databaseFolder)
{
    const QString name = ConnectionName(databaseFolder);
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen() || db.open())
            return db;
        CannotOpen(databaseFolder, db.lastError());
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    // mode=rw: a missing file must fail to open, not be created empty.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    db.setDatabaseName(QUrl::fromLocalFile(Paths::DatabaseFile(databaseFolder)).toString()
        + QStringLiteral("?mode=rw"));
    if (!db.open()) {
        const QSqlError error = db.lastError();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        CannotOpen(databaseFolder, error);
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
