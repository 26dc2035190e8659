#include "platform/DBControls.h"

#include "platform/Application.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

// ---------------------------------------------------------------- TDBLookupComboBox

TDBLookupComboBox::TDBLookupComboBox(QWidget *parent, const QString &name)
    : QComboBox(parent)
{
    setObjectName(name);
    setEditable(false);
    setMinimumContentsLength(12);
    connect(this, &QComboBox::activated, this,
        [this](int index) { Application().Guard([&] { Choose(index); }); });
}

void TDBLookupComboBox::SetListSource(TDataSource *source)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (source)
        connect(source, &TDataSource::dataChanged, this, &TDBLookupComboBox::Reload);
    Reload();
}

void TDBLookupComboBox::SetKeyField(const QString &field)
{
    m_keyField = field;
    Reload();
}

void TDBLookupComboBox::SetListField(const QString &field)
{
    m_listField = field;
    Reload();
}

void TDBLookupComboBox::Reload()
{
    const QSignalBlocker block(this);
    clear();
    m_keys.clear();
    TDataSet *ds = m_source ? m_source->DataSet() : nullptr;
    if (ds && ds->Active()) {
        TField *key = ds->FindField(m_keyField);
        TField *list = ds->FindField(m_listField);
        if (key && list) {
            for (int row = 0; row < ds->RecordCount(); ++row) {
                m_keys << ds->RowValue(row, *key);
                const QVariant shown = ds->RowValue(row, *list);
                addItem(shown.toString());
            }
        }
    }
    ShowKey();
}

void TDBLookupComboBox::ShowKey()
{
    const QSignalBlocker block(this);
    int index = -1;
    if (!m_keyValue.isNull())
        for (int i = 0; i < m_keys.size(); ++i)
            if (m_keys[i] == m_keyValue) {
                index = i;
                break;
            }
    setCurrentIndex(index);
}

void TDBLookupComboBox::SetKeyValue(const QVariant &key)
{
    m_keyValue = key;
    ShowKey();
}

void TDBLookupComboBox::Choose(int index)
{
    if (index < 0 || index >= m_keys.size())
        return;
    m_keyValue = m_keys[index];
    ShowKey();
    if (TDataSet *ds = m_source ? m_source->DataSet() : nullptr)
        ds->Locate(m_keyField, m_keyValue);
    emit clicked();
}

// ---------------------------------------------------------------- DataSetModel

DataSetModel::DataSetModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void DataSetModel::SetDataSet(TDataSet *dataSet)
{
    beginResetModel();
    m_dataSet = dataSet;
    endResetModel();
}

void DataSetModel::SetColumns(std::vector<TColumn> columns)
{
    beginResetModel();
    m_columns = std::move(columns);
    endResetModel();
}

void DataSetModel::Reset()
{
    beginResetModel();
    endResetModel();
}

std::vector<TColumn> DataSetModel::Effective() const
{
    if (!m_columns.empty())
        return m_columns;
    std::vector<TColumn> all;
    if (m_dataSet && m_dataSet->Active())
        for (TField *f : m_dataSet->Fields())
            all.push_back({ f->FieldName(), f->FieldName() });
    return all;
}

int DataSetModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_dataSet || !m_dataSet->Active())
        return 0;
    return m_dataSet->RecordCount();
}

int DataSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(Effective().size());
}

QVariant DataSetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_dataSet)
        return {};
    const std::vector<TColumn> columns = Effective();
    if (index.column() >= int(columns.size()))
        return {};
    const TColumn &column = columns[index.column()];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(column.alignment | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    TField *field = m_dataSet->FindField(column.fieldName);
    if (!field)
        return {};
    return field->DisplayTextAt(index.row());
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical || (role != Qt::DisplayRole && role != Qt::TextAlignmentRole))
        return {};
    const std::vector<TColumn> columns = Effective();
    if (section >= int(columns.size()))
        return {};
    // A title stands like its cells, so the title of a wide text column is where its texts begin.
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(columns[section].alignment | Qt::AlignVCenter);
    return columns[section].title;
}

// ---------------------------------------------------------------- TDBGrid

TDBGrid::TDBGrid(QWidget *parent, const QString &name)
    : QTableView(parent)
    , m_model(new DataSetModel(this))
{
    setObjectName(name);
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setFixedWidth(14);
    horizontalHeader()->setHighlightSections(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex &current) {
            if (m_following || !current.isValid())
                return;
            if (TDataSet *ds = m_source ? m_source->DataSet() : nullptr)
                ds->MoveTo(current.row());
        });
}

void TDBGrid::SetDataSource(TDataSource *source)
{
    for (auto &c : m_links)
        disconnect(c);
    m_links.clear();
    m_source = source;
    if (source) {
        m_links.push_back(connect(source, &TDataSource::dataChanged, this, &TDBGrid::Reload));
        m_links.push_back(connect(source, &TDataSource::scrolled, this, &TDBGrid::FollowDataSet));
    }
    Reload();
}

void TDBGrid::SetColumns(std::vector<TColumn> columns)
{
    m_model->SetColumns(std::move(columns));
    Reload();
}

void TDBGrid::SetColumnTitle(int index, const QString &title)
{
    std::vector<TColumn> columns = m_model->Columns();
    columns.at(index).title = title;
    SetColumns(std::move(columns));
}

void TDBGrid::SetColumnField(int index, const QString &field)
{
    std::vector<TColumn> columns = m_model->Columns();
    columns.at(index).fieldName = field;
    SetColumns(std::move(columns));
}

QStringList TDBGrid::ColumnTitles() const
{
    QStringList titles;
    for (int c = 0; c < m_model->columnCount(); ++c)
        titles << m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return titles;
}

void TDBGrid::SetMultiSelect(bool multi)
{
    setSelectionMode(
        multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void TDBGrid::Reload()
{
    m_model->SetDataSet(m_source ? m_source->DataSet() : nullptr);
    FitColumns();
    FollowDataSet();
}

void TDBGrid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        FitColumns();
}

void TDBGrid::showEvent(QShowEvent *event)
{
    // The title row may have taken another font since the columns were fitted.
    FitColumns();
    QTableView::showEvent(event);
}

void TDBGrid::FitColumns()
{
    const std::vector<TColumn> &columns = m_model->Columns();
    const QFontMetrics cells(font());
    const QFontMetrics titles(horizontalHeader()->font());
    // The text margins on both sides, the grid line and a little air, of a cell and of a title.
    const int cellMargin
        = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 6;
    const int titleMargin = 14;
    m_contentWidth = 0;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        int width = c < int(columns.size()) ? columns[c].width : 64;
        width = std::max(width,
            titles.horizontalAdvance(
                m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString())
                + titleMargin);
        for (int row = 0; row < m_model->rowCount(); ++row)
            width = std::max(width, cells.horizontalAdvance(CellText(row, c)) + cellMargin);
        setColumnWidth(c, width);
        m_contentWidth += width;
        m_lastFitted = width;
    }
    FillWidth();
    updateGeometry();
}

void TDBGrid::FillWidth()
{
    const int last = m_model->columnCount() - 1;
    if (last < 0)
        return;
    const int others = m_contentWidth - m_lastFitted;
    setColumnWidth(last, std::max(m_lastFitted, viewport()->width() - others));
}

bool TDBGrid::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Resize)
        FillWidth();
    return QTableView::viewportEvent(event);
}

QSize TDBGrid::sizeHint() const
{
    const int rows = std::clamp(m_model->rowCount(), 3, 12);
    return QSize(2 * frameWidth() + verticalHeader()->width()
            + verticalScrollBar()->sizeHint().width() + m_contentWidth,
        2 * frameWidth() + horizontalHeader()->sizeHint().height()
            + rows * verticalHeader()->defaultSectionSize()
            + horizontalScrollBar()->sizeHint().height());
}

void TDBGrid::FollowDataSet()
{
    TDataSet *ds = m_source ? m_source->DataSet() : nullptr;
    if (!ds || !ds->Active() || ds->RecNo() < 0)
        return;
    m_following = true;
    const QModelIndex index = m_model->index(ds->RecNo(), 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    scrollTo(index);
    m_following = false;
}

QList<int> TDBGrid::SelectedRowNumbers() const
{
    QList<int> rows;
    for (const QModelIndex &i : selectionModel()->selectedRows())
        rows << i.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

int TDBGrid::SelectedRowsCount() const
{
    return int(SelectedRowNumbers().size());
}

TBookmark TDBGrid::SelectedRowsItem(int index) const
{
    return SelectedRowNumbers().at(index);
}

void TDBGrid::ClearSelectedRows()
{
    selectionModel()->clearSelection();
}

void TDBGrid::SelectRow(int row, bool keepOthers)
{
    const QModelIndex index = m_model->index(row, 0);
    if (!index.isValid())
        return;
    auto flags = QItemSelectionModel::Select | QItemSelectionModel::Rows;
    if (!keepOthers)
        flags |= QItemSelectionModel::Clear;
    selectionModel()->select(index, flags);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

QString TDBGrid::CellText(int row, int column) const
{
    return m_model->data(m_model->index(row, column), Qt::DisplayRole).toString();
}
