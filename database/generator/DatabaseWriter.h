#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <initializer_list>

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
};
