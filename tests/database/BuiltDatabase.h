#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVector>

// Read access to the database folder that the build generated: the generator's own output,
// not the copy beside the program, whose work tables the program rewrites.
class BuiltDatabase
{
public:
    BuiltDatabase();
    ~BuiltDatabase();

    static QString Folder();

    // Every row of a query, each as its column values; a failing query fails the test.
    QVector<QVariantList> Rows(const QString &sql, const QVariantList &bound = {}) const;
    // The first column of every row.
    QVariantList Column(const QString &sql, const QVariantList &bound = {}) const;
    // The single value of a one-row, one-column query.
    QVariant Value(const QString &sql, const QVariantList &bound = {}) const;

private:
    QString m_connection;
};
