#pragma once

#include "platform/Dataset.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QPointer>
#include <QTableView>

// A combo box listing one field of a data source's rows. Choosing an entry makes its row the
// dataset's current row and runs the click handler; the key it holds survives a reopen.
class TDBLookupComboBox : public QComboBox
{
    Q_OBJECT
public:
    TDBLookupComboBox(QWidget *parent, const QString &name);

    void SetListSource(TDataSource *source);
    void SetKeyField(const QString &field);
    void SetListField(const QString &field);

    void SetKeyValue(const QVariant &key);
    // The shown value; empty when no key is chosen or the key is not in the list.
    QString Text() const { return currentIndex() < 0 ? QString() : currentText(); }

    // Does what a user's choice of the entry at `index` does.
    void Choose(int index);

signals:
    void clicked();

private:
    void Reload();
    void ShowKey();

    QPointer<TDataSource> m_source;
    QString m_keyField;
    QString m_listField;
    QVariant m_keyValue;
    QVariantList m_keys;
};

// One column of a grid: the field it shows, its title, width and alignment.
struct TColumn
{
    QString fieldName;
    QString title;
    int width = 64;
    Qt::Alignment alignment = Qt::AlignLeft;
};

class DataSetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit DataSetModel(QObject *parent);
    void SetDataSet(TDataSet *dataSet);
    void SetColumns(std::vector<TColumn> columns);
    const std::vector<TColumn> &Columns() const { return m_columns; }
    void Reset();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<TColumn> Effective() const;
    QPointer<TDataSet> m_dataSet;
    std::vector<TColumn> m_columns;
};

// A read-only table over a data source that follows the dataset's current row, and where
// several rows can be selected.
class TDBGrid : public QTableView
{
    Q_OBJECT
public:
    TDBGrid(QWidget *parent, const QString &name);

    void SetDataSource(TDataSource *source);
    TDataSource *DataSource() const { return m_source; }
    // The dataset the grid shows; none while it is unbound.
    TDataSet *DataSet() const { return m_source ? m_source->DataSet() : nullptr; }
    void SetColumns(std::vector<TColumn> columns);
    const std::vector<TColumn> &Columns() const { return m_model->Columns(); }
    void SetColumnTitle(int index, const QString &title);
    void SetColumnField(int index, const QString &field);
    // Titles of the columns shown now (the field names where no column list is set).
    QStringList ColumnTitles() const;
    void SetMultiSelect(bool multi);

    // The selected rows, as bookmarks in row order.
    int SelectedRowsCount() const;
    TBookmark SelectedRowsItem(int index) const;
    void ClearSelectedRows();
    void SelectRow(int row, bool keepOthers);

    // The text a cell shows.
    QString CellText(int row, int column) const;

    // As wide as its fitted columns and a few rows high: a window with room shows them whole.
    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    void Reload();
    // Widens each column to its title and to the longest text it shows, never below the
    // column's own width; what does not fit the grid scrolls sideways.
    void FitColumns();
    // The last column takes the room the others leave, never less than its fitted width (the
    // header's own stretching of the last section may narrow it below its texts).
    void FillWidth();
    void FollowDataSet();
    QList<int> SelectedRowNumbers() const;

    QPointer<TDataSource> m_source;
    DataSetModel *m_model;
    std::vector<QMetaObject::Connection> m_links;
    bool m_following = false;
    int m_contentWidth = 0;
    int m_lastFitted = 0;
};
