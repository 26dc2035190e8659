#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// A tab-separated content file of the database sources: one record per line, "#" starts a
// comment line. The generator reads its fixed facts from these files so that every number
// stays next to the note that says where it comes from.
class ContentTable
{
public:
    ContentTable(const QString &folder, const QString &name);

    qsizetype Count() const { return m_rows.size(); }
    QString Text(qsizetype row, int column) const;
    double Number(qsizetype row, int column) const;
    // Null for an empty field, else the text or the number.
    QVariant TextOrNull(qsizetype row, int column) const;
    QVariant NumberOrNull(qsizetype row, int column) const;

private:
    QString m_name;
    QVector<QStringList> m_rows;
};
