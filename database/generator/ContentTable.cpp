#include "ContentTable.h"

#include <QFile>

#include <stdexcept>

ContentTable::ContentTable(const QString &folder, const QString &name)
    : m_name(name)
{
    QFile file(folder + QStringLiteral("/content/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error(("cannot read content/" + name).toStdString());
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        m_rows.append(line.split(u'\t'));
    }
}

QString ContentTable::Text(qsizetype row, int column) const
{
    const QStringList &fields = m_rows.at(row);
    if (column >= fields.size())
        throw std::runtime_error(QStringLiteral("content/%1: row %2 has no column %3")
                                     .arg(m_name)
                                     .arg(row)
                                     .arg(column)
                                     .toStdString());
    return fields.at(column).trimmed();
}

double ContentTable::Number(qsizetype row, int column) const
{
    bool ok = false;
    const double value = Text(row, column).toDouble(&ok);
    if (!ok)
        throw std::runtime_error(QStringLiteral("content/%1: row %2 column %3 is not a number")
                                     .arg(m_name)
                                     .arg(row)
                                     .arg(column)
                                     .toStdString());
    return value;
}

QVariant ContentTable::TextOrNull(qsizetype row, int column) const
{
    const QString text = Text(row, column);
    return text.isEmpty() ? QVariant() : QVariant(text);
}

QVariant ContentTable::NumberOrNull(qsizetype row, int column) const
{
    return Text(row, column).isEmpty() ? QVariant() : QVariant(Number(row, column));
}
