#include "DatabaseWriter.h"

#include <QSqlError>
#include <QSqlQuery>

#include <stdexcept>

static void Fail(const QString &what, const QSqlError &error)
{
    throw std::runtime_error((what + ": " + error.text()).toStdString());
}

DatabaseWriter::DatabaseWriter(const QString &file)
    : m_connection(QStringLiteral("generator"))
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(file);
    if (!db.open())
        Fail(file, db.lastError());
    db.transaction();
}

DatabaseWriter::~DatabaseWriter()
{
    // The prepared statements go before their connection.
    m_inserts.clear();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

void DatabaseWriter::ExecuteScript(const QString &sql)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    QString withoutComments;
    for (const QString &line : sql.split(u'\n'))
        if (!line.trimmed().startsWith(QLatin1String("--")))
            withoutComments += line + u'\n';
    for (const QString &statement : withoutComments.split(u';')) {
        if (statement.trimmed().isEmpty())
            continue;
        QSqlQuery q(db);
        if (!q.exec(statement))
            Fail(statement.trimmed().left(60), q.lastError());
    }
}

void DatabaseWriter::Insert(const QString &table, std::initializer_list<QVariant> values)
{
    Insert(table, QVariantList(values));
}

void DatabaseWriter::Insert(const QString &table, const QVariantList &values)
{
    auto it = m_inserts.find(table);
    if (it == m_inserts.end()) {
        QStringList marks;
        for (qsizetype i = 0; i < values.size(); ++i)
            marks << QStringLiteral("?");
        QSqlQuery q(QSqlDatabase::database(m_connection));
        if (!q.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(table, marks.join(u','))))
            Fail(table, q.lastError());
        it = m_inserts.emplace(table, std::move(q)).first;
    }
    QSqlQuery &q = it->second;
    for (qsizetype i = 0; i < values.size(); ++i)
        q.bindValue(int(i), values[i]);
    if (!q.exec())
        Fail(table, q.lastError());
}

void DatabaseWriter::Commit()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    if (!db.commit())
        Fail(QStringLiteral("commit"), db.lastError());
}
