#include "platform/Dataset.h"

#include "platform/Numbers.h"
#include "platform/SqlConnection.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------- TField

TField::TField(TDataSet *dataSet, QString name, TFieldType type, int size)
    : m_dataSet(dataSet)
    , m_name(std::move(name))
    , m_type(type)
    , m_size(size)
{
}

QVariant TField::Value() const
{
    if (!m_dataSet->Active() || m_column < 0 || m_dataSet->RecNo() < 0)
        return {};
    return m_dataSet->RowValue(m_dataSet->RecNo(), *this);
}

QVariant TField::Convert(const QVariant &raw) const
{
    if (raw.isNull() || !raw.isValid())
        return {};
    // Text in a number column stays text: reading it as a number then raises the conversion
    // error instead of giving 0.
    const bool text = raw.typeId() == QMetaType::QString;
    switch (m_type) {
    case TFieldType::ftInteger:
        return text ? raw : raw.toLongLong();
    case TFieldType::ftFloat:
        return text ? raw : raw.toDouble();
    case TFieldType::ftString: {
        const QString s = raw.toString();
        return m_size > 0 ? s.left(m_size) : s;
    }
    case TFieldType::ftUnknown:
        break;
    }
    return raw;
}

bool TField::IsNull() const
{
    return Value().isNull();
}

static QString NullConversion(const char *type)
{
    return QStringLiteral("Could not convert variant of type (Null) into type (%1)")
        .arg(QLatin1String(type));
}

int VarAsInteger(const QVariant &v)
{
    if (v.isNull())
        throw EConvertError(NullConversion("Integer"));
    if (v.typeId() == QMetaType::QString)
        return Numbers::StrToInt(v.toString());
    if (v.typeId() == QMetaType::Double)
        return int(std::nearbyint(v.toDouble()));
    return int(v.toLongLong());
}

double VarAsFloat(const QVariant &v)
{
    if (v.isNull())
        throw EConvertError(NullConversion("Double"));
    if (v.typeId() == QMetaType::QString)
        return double(Numbers::StrToFloat(v.toString()));
    return v.toDouble();
}

int TField::AsInteger() const
{
    return VarAsInteger(Value());
}

double TField::AsFloat() const
{
    return VarAsFloat(Value());
}

QString TField::AsString() const
{
    const QVariant v = Value();
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::Double)
        return Numbers::FloatToStr(v.toDouble());
    return v.toString();
}

QString TField::DisplayText() const
{
    return DisplayTextAt(m_dataSet->RecNo());
}

QString TField::DisplayTextAt(int row) const
{
    const QVariant v = m_dataSet->RowValue(row, *this);
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::Double)
        return m_displayFormat.isEmpty() ? Numbers::FloatToStr(v.toDouble())
                                         : Numbers::FormatFloat(m_displayFormat, v.toDouble());
    return v.toString();
}

// ---------------------------------------------------------------- TDataSet

TDataSet::TDataSet(QObject *owner, const QString &name)
    : QObject(owner)
{
    setObjectName(name);
}

TDataSet::~TDataSet() = default;

void TDataSet::SetDatabaseName(const QString &folder)
{
    Close();
    m_databaseName = folder;
}

// Expression columns such as "(DANE45.UKLAD)" are named by their column.
static QString ColumnName(const QString &raw)
{
    static const QRegularExpression qualified(
        QStringLiteral("^\\(*\\s*(?:[A-Za-z_]\\w*\\s*\\.\\s*)?([A-Za-z_]\\w*)\\s*\\)*$"));
    const QRegularExpressionMatch m = qualified.match(raw.trimmed());
    return m.hasMatch() ? m.captured(1) : raw;
}

void TDataSet::Open()
{
    if (m_active)
        return;
    Result result = Fetch();
    QStringList columns;
    for (const QString &c : result.columns)
        columns << ColumnName(c);
    BindFields(columns);
    m_rows = std::move(result.rows);
    m_active = true;
    m_current = m_rows.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.empty();
    NotifyState();
}

void TDataSet::BindFields(const QStringList &columns)
{
    auto indexOf = [&columns](const QString &name) {
        for (int i = 0; i < columns.size(); ++i)
            if (columns[i].compare(name, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    };
    if (!m_persistent.empty()) {
        for (auto &f : m_persistent) {
            f->m_column = indexOf(f->FieldName());
            if (f->m_column < 0) {
                for (auto &g : m_persistent)
                    g->m_column = -1;
                throw EDatabaseError(
                    QStringLiteral("%1: Field '%2' not found").arg(Name(), f->FieldName()));
            }
        }
        return;
    }
    m_dynamic.clear();
    for (int i = 0; i < columns.size(); ++i) {
        auto f = std::make_unique<TField>(this, columns[i], TFieldType::ftUnknown);
        f->m_column = i;
        m_dynamic.push_back(std::move(f));
    }
}

void TDataSet::Close()
{
    if (!m_active)
        return;
    m_active = false;
    m_rows.clear();
    m_current = -1;
    m_bof = m_eof = true;
    for (auto &f : m_persistent)
        f->m_column = -1;
    m_dynamic.clear();
    NotifyState();
}

void TDataSet::Replace(Result result, int current)
{
    m_rows = std::move(result.rows);
    SetCurrent(m_rows.empty() ? -1 : std::clamp(current, 0, int(m_rows.size()) - 1));
    m_bof = m_eof = m_rows.empty();
    NotifyState();
}

void TDataSet::SetCurrent(int row)
{
    m_current = row;
}

void TDataSet::First()
{
    SetCurrent(m_rows.empty() ? -1 : 0);
    m_bof = true;
    m_eof = m_rows.empty();
    NotifyScrolled();
}

void TDataSet::Last()
{
    SetCurrent(int(m_rows.size()) - 1);
    m_eof = true;
    m_bof = m_rows.empty();
    NotifyScrolled();
}

void TDataSet::Next()
{
    if (m_current + 1 < int(m_rows.size())) {
        SetCurrent(m_current + 1);
        m_bof = m_eof = false;
        NotifyScrolled();
    } else {
        m_eof = true;
    }
}

void TDataSet::Prior()
{
    if (m_current > 0) {
        SetCurrent(m_current - 1);
        m_bof = m_eof = false;
        NotifyScrolled();
    } else {
        m_bof = true;
    }
}

void TDataSet::MoveTo(int row)
{
    if (row < 0 || row >= int(m_rows.size()) || row == m_current)
        return;
    SetCurrent(row);
    m_bof = m_eof = false;
    NotifyScrolled();
}

bool TDataSet::BookmarkValid(TBookmark bookmark) const
{
    return m_active && bookmark >= 0 && bookmark < int(m_rows.size());
}

void TDataSet::GotoBookmark(TBookmark bookmark)
{
    if (!BookmarkValid(bookmark))
        throw EDatabaseError(QStringLiteral("%1: Record not found").arg(Name()));
    MoveTo(bookmark);
}

static bool SameValue(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    bool okA = false, okB = false;
    const double da = a.toDouble(&okA), db = b.toDouble(&okB);
    if (okA && okB && a.typeId() != QMetaType::QString && b.typeId() != QMetaType::QString)
        return da == db;
    return a.toString() == b.toString();
}

bool TDataSet::Locate(const QString &fieldName, const QVariant &value)
{
    const TField &field = FieldByName(fieldName);
    for (int row = 0; row < int(m_rows.size()); ++row) {
        if (SameValue(RowValue(row, field), value)) {
            MoveTo(row);
            return true;
        }
    }
    return false;
}

TField *TDataSet::AddPersistentField(const QString &name, TFieldType type, int size)
{
    m_persistent.push_back(std::make_unique<TField>(this, name, type, size));
    return m_persistent.back().get();
}

TField *TDataSet::FindField(const QString &name)
{
    auto &list = m_persistent.empty() ? m_dynamic : m_persistent;
    for (auto &f : list)
        if (f->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return f.get();
    return nullptr;
}

TField &TDataSet::FieldByName(const QString &name)
{
    if (TField *f = FindField(name))
        return *f;
    throw EDatabaseError(QStringLiteral("%1: Field '%2' not found").arg(Name(), name));
}

std::vector<TField *> TDataSet::Fields() const
{
    std::vector<TField *> result;
    for (auto &f : m_persistent.empty() ? m_dynamic : m_persistent)
        result.push_back(f.get());
    return result;
}

QVariant TDataSet::RowValue(int row, const TField &field) const
{
    if (!m_active || row < 0 || row >= int(m_rows.size()) || field.m_column < 0)
        return {};
    return field.Convert(m_rows[row][field.m_column]);
}

void TDataSet::DisableControls()
{
    ++m_disableCount;
}

void TDataSet::EnableControls()
{
    if (m_disableCount == 0 || --m_disableCount > 0)
        return;
    // Controls read everything again after a change of state; after moves only, they follow
    // the current row and keep what they show (a grid keeps its selected rows).
    const bool state = m_statePending, scroll = m_scrollPending;
    m_statePending = m_scrollPending = false;
    if (state)
        emit stateChanged();
    else if (scroll)
        emit scrolled();
}

void TDataSet::NotifyState()
{
    if (m_disableCount > 0) {
        m_statePending = true;
        return;
    }
    emit stateChanged();
}

void TDataSet::NotifyScrolled()
{
    if (m_disableCount > 0) {
        m_scrollPending = true;
        return;
    }
    emit scrolled();
}

// ---------------------------------------------------------------- TQuery

void TQuery::SetSQL(const QStringList &lines)
{
    Close();
    m_sql = lines;
    ParseParams();
}

// Finds ":name" outside quotes; each occurrence becomes a positional "?".
void TQuery::ParseParams()
{
    const QString text = SQLText();
    std::vector<TParam> params;
    m_positional.clear();
    m_prepared.clear();
    auto isStart = [](QChar c) { return c.isLetter() || c == u'_'; };
    auto isPart = [](QChar c) { return c.isLetterOrNumber() || c == u'_'; };
    QChar quote;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            m_prepared += c;
            continue;
        }
        if (c == u'\'' || c == u'"') {
            quote = c;
            m_prepared += c;
            continue;
        }
        if (c == u':' && i + 1 < text.size() && isStart(text.at(i + 1))
            && (i == 0 || text.at(i - 1) != u':')) {
            qsizetype j = i + 1;
            while (j < text.size() && isPart(text.at(j)))
                ++j;
            const QString name = text.mid(i + 1, j - i - 1);
            m_positional << name;
            const bool known = std::any_of(params.begin(), params.end(),
                [&](const TParam &p) { return p.Name().compare(name, Qt::CaseInsensitive) == 0; });
            if (!known) {
                TParam param(name);
                for (const TParam &old : m_params)
                    if (old.Name().compare(name, Qt::CaseInsensitive) == 0 && old.Assigned())
                        param.SetValue(old.Value());
                params.push_back(param);
            }
            m_prepared += u'?';
            i = j - 1;
            continue;
        }
        m_prepared += c;
    }
    m_params = std::move(params);
}

TParam &TQuery::ParamByName(const QString &name)
{
    for (TParam &p : m_params)
        if (p.Name().compare(name, Qt::CaseInsensitive) == 0)
            return p;
    throw EDatabaseError(QStringLiteral("%1: Parameter '%2' not found").arg(Name(), name));
}

QStringList TQuery::ParamNames() const
{
    QStringList names;
    for (const TParam &p : m_params)
        names << p.Name();
    return names;
}

static TDataSet::Result ExecuteAndFetch(QSqlQuery &q, const TDataSet &owner)
{
    if (!q.exec())
        SqlConnection::Refuse(owner.DatabaseName(), q.lastError());
    TDataSet::Result result;
    const QSqlRecord record = q.record();
    for (int i = 0; i < record.count(); ++i)
        result.columns << record.fieldName(i);
    while (q.next()) {
        QVariantList row;
        row.reserve(record.count());
        for (int i = 0; i < record.count(); ++i)
            row << q.value(i);
        result.rows.push_back(std::move(row));
    }
    // An unfinished SELECT would keep its tables locked.
    q.finish();
    return result;
}

static QSqlDatabase DatabaseOf(const TDataSet &dataSet)
{
    if (dataSet.DatabaseName().isEmpty())
        throw EDatabaseError(dataSet.Name() + QStringLiteral(": Missing DatabaseName property"));
    return SqlConnection::For(dataSet.DatabaseName());
}

TDataSet::Result TQuery::Fetch()
{
    QSqlDatabase db = DatabaseOf(*this);
    if (m_prepared.trimmed().isEmpty())
        throw EDatabaseError(Name() + QStringLiteral(": No SQL statement available"));
    for (const TParam &p : m_params)
        if (!p.Assigned())
            throw EDatabaseError(
                QStringLiteral("%1: No value for parameter '%2'").arg(Name(), p.Name()));
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // A text the engine rejects fails here, like a failed open.
    if (!q.prepare(m_prepared))
        SqlConnection::Refuse(DatabaseName(), q.lastError());
    for (int i = 0; i < m_positional.size(); ++i)
        q.bindValue(i, ParamByName(m_positional[i]).Value());
    return ExecuteAndFetch(q, *this);
}

// ---------------------------------------------------------------- TTable

void TTable::SetTableName(const QString &name)
{
    Close();
    m_tableName = name;
}

static void CheckIdentifier(const QString &name)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!identifier.match(name).hasMatch())
        throw EDatabaseError(QStringLiteral("Invalid name: %1").arg(name));
}

TDataSet::Result TTable::Fetch()
{
    QSqlDatabase db = DatabaseOf(*this);
    CheckIdentifier(m_tableName);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(m_tableName)))
        SqlConnection::Refuse(DatabaseName(), q.lastError());
    return ExecuteAndFetch(q, *this);
}

void TTable::Insert(const Record &values)
{
    QSqlDatabase db = DatabaseOf(*this);
    QStringList columns, marks;
    for (const auto &[column, value] : values) {
        CheckIdentifier(column);
        columns << column;
        marks << QStringLiteral("?");
    }
    QSqlQuery q(db);
    if (!q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                       .arg(m_tableName, columns.join(u','), marks.join(u','))))
        SqlConnection::Refuse(DatabaseName(), q.lastError());
    for (int i = 0; i < int(values.size()); ++i)
        q.bindValue(i, values[i].second);
    if (!q.exec())
        SqlConnection::Refuse(DatabaseName(), q.lastError());
    q.finish();
}

void TTable::DeleteAll()
{
    QSqlDatabase db = DatabaseOf(*this);
    CheckIdentifier(m_tableName);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("DELETE FROM %1").arg(m_tableName)))
        SqlConnection::Refuse(DatabaseName(), q.lastError());
    q.finish();
}

void TTable::AppendRecord(const Record &values)
{
    if (!Active())
        throw EDatabaseError(Name()
            + QStringLiteral(": Cannot perform this operation on a "
                             "closed dataset"));
    Insert(values);
    Replace(Fetch(), RecordCount());
}

void TTable::EmptyTable()
{
    DeleteAll();
    if (Active())
        Replace(Fetch(), 0);
}

void TTable::ReplaceAll(const std::vector<Record> &records)
{
    QSqlDatabase db = DatabaseOf(*this);
    if (!db.transaction())
        SqlConnection::Refuse(DatabaseName(), db.lastError());
    try {
        DeleteAll();
        for (const Record &record : records)
            Insert(record);
        if (!db.commit())
            SqlConnection::Refuse(DatabaseName(), db.lastError());
    } catch (...) {
        db.rollback();
        throw;
    }
    if (Active())
        Replace(Fetch(), 0);
    else
        Open();
}

// ---------------------------------------------------------------- TDataSource

TDataSource::TDataSource(QObject *owner, const QString &name, TDataSet *dataSet)
    : QObject(owner)
{
    setObjectName(name);
    SetDataSet(dataSet);
}

void TDataSource::SetDataSet(TDataSet *dataSet)
{
    for (auto &c : m_links)
        disconnect(c);
    m_links.clear();
    m_dataSet = dataSet;
    if (dataSet) {
        m_links.push_back(
            connect(dataSet, &TDataSet::stateChanged, this, &TDataSource::dataChanged));
        m_links.push_back(connect(dataSet, &TDataSet::scrolled, this, &TDataSource::scrolled));
    }
    emit dataChanged();
}
