#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <map>

// Writes rows into the SQLite file of the database folder being generated.
class DatabaseWriter
{
public:
    explicit DatabaseWriter(const QString &file);
    ~DatabaseWriter();

    void ExecuteScript(const QString &sql);
    void Insert(const QString &table, std::initializer_list<QVariant> values);
    void Insert(const QString &table, const QVariantList &values);
    void Commit();

private:
    QString m_connection;
    // One prepared INSERT for each table, its columns bound anew for every row.
    std::map<QString, QSqlQuery> m_inserts;
};
