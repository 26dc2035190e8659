#pragma once

#include "platform/Exceptions.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

class TDataSet;

enum class TFieldType { ftUnknown, ftInteger, ftFloat, ftString };

// Variant conversions; a Null raises EConvertError.
int VarAsInteger(const QVariant &value);
double VarAsFloat(const QVariant &value);

// One column of a dataset, read at the dataset's current row.
class TField
{
public:
    TField(TDataSet *dataSet, QString name, TFieldType type, int size = 0);

    const QString &FieldName() const { return m_name; }

    // Null when the dataset is closed or has no current row.
    QVariant Value() const;
    bool IsNull() const;
    // A Null value cannot be converted to a number: it raises EConvertError.
    int AsInteger() const;
    double AsFloat() const;
    QString AsString() const;
    // The text a grid shows: the display format applied to a number; at the current row or
    // at any row without moving to it.
    QString DisplayText() const;
    QString DisplayTextAt(int row) const;

    const QString &DisplayFormat() const { return m_displayFormat; }
    void SetDisplayFormat(const QString &format) { m_displayFormat = format; }

private:
    friend class TDataSet;
    QVariant Convert(const QVariant &raw) const;

    TDataSet *m_dataSet;
    QString m_name;
    TFieldType m_type;
    int m_size;
    QString m_displayFormat;
    int m_column = -1;
};

using TBookmark = int;

// A result held in memory with a current row. Subclasses say how the rows are fetched.
class TDataSet : public QObject
{
    Q_OBJECT
public:
    explicit TDataSet(QObject *owner, const QString &name);
    ~TDataSet() override;

    QString Name() const { return objectName(); }
    const QString &DatabaseName() const { return m_databaseName; }
    void SetDatabaseName(const QString &folder);

    void Open();
    void Close();
    bool Active() const { return m_active; }

    void First();
    void Last();
    void Next();
    void Prior();
    bool Eof() const { return m_eof; }
    bool Bof() const { return m_bof; }
    int RecordCount() const { return int(m_rows.size()); }
    bool IsEmpty() const { return m_rows.empty(); }
    int RecNo() const { return m_current; } // 0-based; -1 without a current row
    void MoveTo(int row);

    TBookmark GetBookmark() const { return m_current; }
    void GotoBookmark(TBookmark bookmark);
    bool BookmarkValid(TBookmark bookmark) const;
    bool Locate(const QString &fieldName, const QVariant &value);

    // Fields: with persistent fields only those are exposed; otherwise every result column.
    TField *AddPersistentField(const QString &name, TFieldType type, int size = 0);
    TField &FieldByName(const QString &name);
    TField *FindField(const QString &name);
    std::vector<TField *> Fields() const;

    // Reading a row without moving the current row, for grids, combos and chart series.
    QVariant RowValue(int row, const TField &field) const;

    void DisableControls();
    void EnableControls();

    // A fetched result: column names and rows.
    struct Result
    {
        QStringList columns;
        std::vector<QVariantList> rows;
    };

signals:
    // Opened, closed, or its rows changed.
    void stateChanged();
    // The current row moved.
    void scrolled();

protected:
    // Fetches the whole result; raises EDatabaseError on failure.
    virtual Result Fetch() = 0;
    // Rows change after an append or delete; the dataset stays open.
    void Replace(Result result, int current);

private:
    void BindFields(const QStringList &columns);
    void SetCurrent(int row);
    void NotifyState();
    void NotifyScrolled();

    QString m_databaseName;
    bool m_active = false;
    std::vector<QVariantList> m_rows;
    int m_current = -1;
    bool m_eof = true;
    bool m_bof = true;
    std::vector<std::unique_ptr<TField>> m_persistent;
    std::vector<std::unique_ptr<TField>> m_dynamic;
    int m_disableCount = 0;
    bool m_statePending = false;
    bool m_scrollPending = false;
};

// A named parameter of a query text, with the value a worker assigned.
class TParam
{
public:
    explicit TParam(QString name)
        : m_name(std::move(name))
    {
    }
    const QString &Name() const { return m_name; }
    void SetValue(const QVariant &value)
    {
        m_value = value;
        m_assigned = true;
    }
    void Clear() { SetValue(QVariant()); }
    const QVariant &Value() const { return m_value; }
    bool Assigned() const { return m_assigned; }

private:
    QString m_name;
    QVariant m_value;
    bool m_assigned = false;
};

// SQL text with named parameters (":name") over the database folder.
class TQuery : public TDataSet
{
    Q_OBJECT
public:
    using TDataSet::TDataSet;

    const QStringList &SQL() const { return m_sql; }
    // Replacing the text closes the query; values of parameters that keep their name stay.
    void SetSQL(const QStringList &lines);
    QString SQLText() const { return m_sql.join(u'\n'); }

    // A name the text does not hold raises EDatabaseError.
    TParam &ParamByName(const QString &name);
    QStringList ParamNames() const;

protected:
    Result Fetch() override;

private:
    void ParseParams();

    QStringList m_sql;
    std::vector<TParam> m_params;
    QStringList m_positional; // parameter name per "?" of the prepared text
    QString m_prepared;
};

// A table of the database folder; rows can be appended and the table emptied.
class TTable : public TDataSet
{
    Q_OBJECT
public:
    using TDataSet::TDataSet;

    const QString &TableName() const { return m_tableName; }
    void SetTableName(const QString &name);

    // One row, its values by column name.
    using Record = std::vector<std::pair<QString, QVariant>>;

    // Appends one row and keeps the table open on it.
    void AppendRecord(const Record &values);
    // Deletes every row.
    void EmptyTable();
    // Replaces every row by `records` in one transaction: a failure leaves the rows as they
    // were. The table is open afterwards.
    void ReplaceAll(const std::vector<Record> &records);

protected:
    Result Fetch() override;

private:
    void Insert(const Record &values);
    void DeleteAll();

    QString m_tableName;
};

// Links a dataset to the controls bound to it.
class TDataSource : public QObject
{
    Q_OBJECT
public:
    TDataSource(QObject *owner, const QString &name, TDataSet *dataSet = nullptr);

    TDataSet *DataSet() const { return m_dataSet; }
    void SetDataSet(TDataSet *dataSet);

signals:
    // The dataset opened, closed or changed its rows: bound controls read it again.
    void dataChanged();
    // The current row moved.
    void scrolled();

private:
    QPointer<TDataSet> m_dataSet;
    std::vector<QMetaObject::Connection> m_links;
};

// Base of the non-visual container of datasets.
class TDataModule : public QObject
{
    Q_OBJECT
public:
    explicit TDataModule(const QString &name) { setObjectName(name); }
};
