#include "BuiltDatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <atomic>

QString BuiltDatabase::Folder()
{
    return QStringLiteral(VIRELT_TEST_DATABASE_DIR);
}

BuiltDatabase::BuiltDatabase()
{
    static std::atomic<int> counter { 0 };
    m_connection = QStringLiteral("built-database-%1").arg(++counter);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(Folder() + QStringLiteral("/VIRELT2.sqlite"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open())
        qFatal("cannot open the built database: %s", qPrintable(db.lastError().text()));
}

BuiltDatabase::~BuiltDatabase()
{
    QSqlDatabase::database(m_connection).close();
    QSqlDatabase::removeDatabase(m_connection);
}

QVector<QVariantList> BuiltDatabase::Rows(const QString &sql, const QVariantList &bound) const
{
    QSqlQuery q(QSqlDatabase::database(m_connection));
    if (!q.prepare(sql))
        qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    for (const QVariant &v : bound)
        q.addBindValue(v);
    if (!q.exec())
        qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    QVector<QVariantList> rows;
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < q.record().count(); ++i)
            row.append(q.value(i));
        rows.append(row);
    }
    return rows;
}

QVariantList BuiltDatabase::Column(const QString &sql, const QVariantList &bound) const
{
    QVariantList column;
    for (const QVariantList &row : Rows(sql, bound))
        column.append(row.first());
    return column;
}

QVariant BuiltDatabase::Value(const QString &sql, const QVariantList &bound) const
{
    const QVector<QVariantList> rows = Rows(sql, bound);
    if (rows.size() != 1)
        qFatal("%s: %lld rows instead of one", qPrintable(sql), qlonglong(rows.size()));
    return rows.first().first();
}
