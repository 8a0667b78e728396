#include "platform/controls/data_grid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <stdexcept>

#include "platform/controls/grid_delegate.h"
#include "platform/controls/grid_exchange.h"
#include "platform/controls/grid_stretch.h"
#include "platform/controls/value_text.h"
#include "platform/db/recordset.h"

namespace controls {

// ---------------------------------------------------------------- columns

void GridColumn::changed() {
    if (grid_)
        grid_->columnsChanged();
}
GridColumn& GridColumn::SetCaption(const QString& caption) {
    caption_ = caption;
    changed();
    return *this;
}
GridColumn& GridColumn::SetKey(const QString& key) {
    key_ = key;
    return *this;
}
GridColumn& GridColumn::SetWidth(int width) {
    width_ = width;
    changed();
    return *this;
}
GridColumn& GridColumn::SetVisible(bool visible) {
    visible_ = visible;
    changed();
    return *this;
}
GridColumn& GridColumn::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    return *this;
}
GridColumn& GridColumn::SetAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    changed();
    return *this;
}
GridColumn& GridColumn::SetNumberFormat(int decimals, bool thousands) {
    decimals_ = decimals;
    thousands_ = thousands;
    if (decimals >= 0)
        alignment_ = Qt::AlignRight | Qt::AlignVCenter;
    changed();
    return *this;
}
GridColumn& GridColumn::SetDateFormat(const QString& format) {
    dateFormat_ = format;
    changed();
    return *this;
}
GridColumn& GridColumn::SetKind(CellKind kind) {
    kind_ = kind;
    if (kind == CellKind::Check)
        alignment_ = Qt::AlignCenter;
    changed();
    return *this;
}
GridColumn& GridColumn::SetValueList(std::vector<std::pair<db::Value, QString>> values) {
    values_ = std::move(values);
    changed();
    return *this;
}
GridColumn& GridColumn::AddValue(db::Value value, const QString& text) {
    values_.emplace_back(std::move(value), text);
    changed();
    return *this;
}
GridColumn& GridColumn::SetUnboundRead(UnboundRead read) {
    unboundRead_ = std::move(read);
    readOnly_ = readOnly_ || static_cast<bool>(unboundRead_);
    changed();
    return *this;
}
db::Value GridColumn::UnboundValue(long row) const {
    return unboundRead_ ? unboundRead_(row) : db::Value();
}

QString GridColumn::DisplayText(const db::Value& value) const {
    if (value.isEmptyOrNull()) {
        if (kind_ == CellKind::Combo)
            for (const auto& [v, text] : values_)
                if (v.isEmptyOrNull())
                    return text;
        return {};
    }
    if (kind_ == CellKind::Combo) {
        for (const auto& [v, text] : values_)
            if (!v.isEmptyOrNull() && db::Value::compare(v, value) == 0)
                return text;
        return ValueText(value);
    }
    if (kind_ == CellKind::Check)
        return ValueIsTrue(value) ? "1" : "0";
    if (value.type() == db::Value::Type::Date && !dateFormat_.isEmpty()) {
        const db::DateTime& d = value.asDate();
        const QDateTime dt(QDate(d.year, d.month, d.day),
                           QTime(d.hour, d.minute, d.second, d.millisecond));
        return dt.toString(dateFormat_);
    }
    if (value.type() == db::Value::Type::Date && !value.asDate().hasTime())
        return QString::fromStdString(value.asDate().toIsoDate());
    if (decimals_ >= 0 && value.isNumber()) {
        if (auto d = value.toDecimal()) {
            QString text = QString::fromStdString(d->rescaled(decimals_).toString());
            if (thousands_) {
                const double v = d->toDouble();
                QLocale c(QLocale::Italian);
                text = c.toString(v, 'f', decimals_);
            }
            return text;
        }
    }
    return ValueText(value);
}

GridColumn& GridColumns::Item(int index) {
    if (index < 0 || index >= Count())
        throw std::out_of_range("grid column " + std::to_string(index) + " does not exist");
    return *columns_[static_cast<std::size_t>(index)];
}
const GridColumn& GridColumns::Item(int index) const {
    if (index < 0 || index >= Count())
        throw std::out_of_range("grid column " + std::to_string(index) + " does not exist");
    return *columns_[static_cast<std::size_t>(index)];
}
int GridColumns::IndexOf(const QString& keyOrField) const {
    for (int i = 0; i < Count(); ++i) {
        const GridColumn& c = *columns_[static_cast<std::size_t>(i)];
        if (c.Key().compare(keyOrField, Qt::CaseInsensitive) == 0 ||
            QString::fromStdString(c.Field()).compare(keyOrField, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
GridColumn* GridColumns::Find(const QString& keyOrField) {
    const int i = IndexOf(keyOrField);
    return i < 0 ? nullptr : columns_[static_cast<std::size_t>(i)].get();
}
GridColumn& GridColumns::Add(std::string field, const QString& caption) {
    auto c = std::make_unique<GridColumn>();
    c->field_ = std::move(field);
    c->caption_ = caption.isEmpty() ? QString::fromStdString(c->field_) : caption;
    c->key_ = QString::fromStdString(c->field_);
    columns_.push_back(std::move(c));
    grid_->columnsChanged();
    columns_.back()->grid_ = grid_;
    return *columns_.back();
}
void GridColumns::Clear() {
    columns_.clear();
    grid_->columnsChanged();
}

// ---------------------------------------------------------------- model

namespace {

class GridModel : public QAbstractTableModel {
public:
    GridModel(DataGrid* grid, GridColumns* columns) : grid_(grid), columns_(columns) {}

    void setRecordset(db::Recordset* rs) {
        beginResetModel();
        rs_ = rs;
        endResetModel();
    }
    db::Recordset* recordset() const { return rs_; }
    void reset() {
        beginResetModel();
        endResetModel();
    }
    void rowChanged(long row) {
        if (row < 0 || row >= rowCount())
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        else
            emit dataChanged(index(static_cast<int>(row), 0),
                             index(static_cast<int>(row), columnCount() - 1));
    }
    void headersChanged() { emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1); }

    int rowCount(const QModelIndex& parent = {}) const override {
        if (parent.isValid() || !rs_ || !rs_->isOpen())
            return 0;
        return static_cast<int>(rs_->recordCount());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : columns_->Count();
    }
    const db::Value* cell(const QModelIndex& i) const {
        const GridColumn& c = columns_->Item(i.column());
        if (!rs_ || c.FieldIndex() < 0)
            return nullptr;
        return &rs_->valueAt(i.row(), c.FieldIndex());
    }
    QVariant data(const QModelIndex& i, int role) const override {
        if (!i.isValid())
            return {};
        const GridColumn& c = columns_->Item(i.column());
        db::Value unbound;
        const db::Value* v = cell(i);
        if (c.Unbound() && rs_ && rs_->isOpen()) {
            unbound = c.UnboundValue(i.row());
            v = &unbound;
        }
        switch (role) {
            case Qt::DisplayRole:
                if (!v || c.Kind() == CellKind::Check)
                    return {};
                return c.DisplayText(*v);
            case Qt::EditRole:
                if (!v)
                    return {};
                if (c.Kind() == CellKind::Combo)
                    return ValueText(*v);
                return c.Kind() == CellKind::Check ? QVariant(ValueIsTrue(*v))
                                                   : QVariant(ValueText(*v));
            case Qt::CheckStateRole:
                if (!v || c.Kind() != CellKind::Check)
                    return {};
                return ValueIsTrue(*v) ? Qt::Checked : Qt::Unchecked;
            case Qt::TextAlignmentRole:
                return static_cast<int>(c.Alignment());
            default:
                return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o == Qt::Horizontal && role == Qt::DisplayRole && section < columns_->Count())
            return columns_->Item(section).Caption();
        if (o == Qt::Horizontal && role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        if (o == Qt::Vertical && role == Qt::DisplayRole)
            return {};
        return QAbstractTableModel::headerData(section, o, role);
    }
    Qt::ItemFlags flags(const QModelIndex& i) const override {
        if (!i.isValid())
            return Qt::NoItemFlags;
        const GridColumn& c = columns_->Item(i.column());
        Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        const bool writable = !grid_->ReadOnly() && !c.ReadOnly() && c.FieldIndex() >= 0;
        if (!writable)
            return f;
        if (c.Kind() == CellKind::Check)
            return f | Qt::ItemIsUserCheckable;
        if (c.Kind() == CellKind::Button)
            return f;
        return f | Qt::ItemIsEditable;
    }
    bool setData(const QModelIndex& i, const QVariant& value, int role) override {
        if (!i.isValid() || !rs_)
            return false;
        const GridColumn& c = columns_->Item(i.column());
        if (role == Qt::CheckStateRole && c.Kind() == CellKind::Check) {
            grid_->ToggleCheck(i.row(), i.column());
            return true;
        }
        if (role != Qt::EditRole || c.FieldIndex() < 0)
            return false;
        try {
            const db::Value v = ValueFromText(value.toString(), rs_->field(c.FieldIndex()).type);
            rs_->setValueAt(i.row(), c.FieldIndex(), v);
        } catch (const std::invalid_argument&) {
            QApplication::beep();
            return false;
        }
        emit dataChanged(i, i);
        return true;
    }

private:
    DataGrid* grid_;
    GridColumns* columns_;
    db::Recordset* rs_ = nullptr;
};

}  // namespace

// ---------------------------------------------------------------- grid

struct DataGrid::Impl {
    explicit Impl(DataGrid* g) : columns(g) {}
    GridColumns columns;
    GridModel* model = nullptr;
    db::Recordset* rs = nullptr;
    int listener = 0;
    bool syncing = false;
    bool readOnly = false;
    int columnsBatch = 0;  // BeginColumnsUpdate calls still open
    long lastRow = -1;
    int sortColumn = -1;
    Qt::SortOrder sortOrder = Qt::AscendingOrder;
    int frozen = 0;
    QTableView* frozenView = nullptr;
    bool fixedOrder = false;
    int defining = 0;  // columnsChanged or a binding under way

    void detach() {
        if (rs && listener)
            rs->removeListener(listener);
        listener = 0;
        rs = nullptr;
    }
    void bindFields() {
        for (auto& c : columns.columns_)
            c->fieldIndex_ = rs ? rs->fieldIndex(c->field_) : -1;
    }
};

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), d(std::make_unique<Impl>(this)) {
    d->model = new GridModel(this, &d->columns);
    setModel(d->model);
    setItemDelegate(new GridDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setFixedWidth(16);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    // The grid uses the width it has: a description before other columns,
    // or else the last column, takes what is left.
    horizontalHeader()->setStretchLastSection(true);
    StretchDescription(this);
    setWordWrap(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { ClickHeader(section); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                long row = current.isValid() ? current.row() : -1;
                if (d->rs && !d->syncing && row >= 0 && row != d->rs->absolutePosition() - 1) {
                    bool cancel = false;
                    emit beforeRowChange(d->rs->absolutePosition() - 1, row, cancel);
                    // The handler may have saved or dropped rows (the model
                    // was reset): the view goes back to the recordset's row,
                    // or on to the chosen one.
                    const long at = d->rs->absolutePosition() - 1;
                    if (cancel || row >= d->model->rowCount())
                        row = at;
                    d->syncing = true;
                    if (row >= 0 && row != at)
                        d->rs->setAbsolutePosition(row + 1);
                    if (row >= 0 && currentIndex().row() != row)
                        setCurrentIndex(d->model->index(static_cast<int>(row),
                                                        std::max(0, currentIndex().column())));
                    d->syncing = false;
                    if (cancel)  // the press that moved may select its row after this
                        QMetaObject::invokeMethod(
                            this,
                            [this] {
                                if (d->rs && d->rs->isOpen())
                                    SetCurrentRow(d->rs->absolutePosition() - 1);
                            },
                            Qt::QueuedConnection);
                }
                if (row != d->lastRow) {
                    const long previous = d->lastRow;
                    d->lastRow = row;
                    emit rowChanged(previous, row);
                }
            });
    // Tab and Shift+Tab go on to the next and previous control; arrows move
    // among the cells.
    setTabKeyNavigation(false);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& i) {
        if (!i.isValid())
            return;
        emit cellClick(i.column(), i.row());
        // A drop-down cell opens its list on the click that reaches it.
        if (currentIndex() == i && state() != QAbstractItemView::EditingState &&
            d->columns.Item(i.column()).Kind() == CellKind::Combo)
            edit(i);
    });
    new GridExchange(this);  // copy, export, print; paste where the owner takes it
    // Columns are put in the order the user wants by dragging their headers.
    horizontalHeader()->setSectionsMovable(true);
    InstallLayoutMemory(this);
}

DataGrid::~DataGrid() {
    d->detach();
}

void DataGrid::SetDataSource(db::Recordset* recordset) {
    ++d->defining;
    d->detach();
    d->rs = recordset;
    d->lastRow = -1;
    d->sortColumn = -1;
    horizontalHeader()->setSortIndicatorShown(false);
    if (recordset && d->columns.Count() == 0 && recordset->isOpen()) {
        for (int i = 0; i < recordset->fieldCount(); ++i) {
            auto c = std::make_unique<GridColumn>();
            c->field_ = recordset->field(i).name;
            c->caption_ = QString::fromStdString(c->field_);
            c->key_ = c->caption_;
            c->grid_ = this;
            d->columns.columns_.push_back(std::move(c));
        }
    }
    d->bindFields();
    d->model->setRecordset(recordset);
    columnsChanged();
    if (recordset) {
        d->listener = recordset->addListener([this](db::Recordset::Change change, long row) {
            switch (change) {
                case db::Recordset::Change::ValueChanged:
                    d->model->rowChanged(row);
                    break;
                case db::Recordset::Change::CurrentMoved: {
                    if (d->syncing)
                        break;
                    const long at = d->rs->absolutePosition() - 1;
                    d->syncing = true;
                    if (at >= 0 && at < d->model->rowCount())
                        setCurrentIndex(d->model->index(static_cast<int>(at),
                                                        std::max(0, currentIndex().column())));
                    d->syncing = false;
                    break;
                }
                default:
                    Refresh();
                    break;
            }
        });
        const long at = recordset->isOpen() ? recordset->absolutePosition() - 1 : -1;
        if (at >= 0) {
            d->syncing = true;
            setCurrentIndex(d->model->index(static_cast<int>(at), 0));
            d->syncing = false;
        }
    }
    --d->defining;
    emit columnsDefined(true);
}

db::Recordset* DataGrid::DataSource() const {
    return d->rs;
}
GridColumns& DataGrid::Columns() {
    return d->columns;
}
const GridColumns& DataGrid::Columns() const {
    return d->columns;
}

void DataGrid::Refresh() {
    d->bindFields();
    const int column = std::max(0, currentIndex().column());
    d->model->reset();
    columnsChanged();
    if (d->rs && d->rs->isOpen()) {
        const long at = d->rs->absolutePosition() - 1;
        if (at >= 0 && at < d->model->rowCount()) {
            d->syncing = true;
            setCurrentIndex(d->model->index(static_cast<int>(at), column));
            d->syncing = false;
        }
        if (at != d->lastRow) {
            const long previous = d->lastRow;
            d->lastRow = at;
            emit rowChanged(previous, at);
        }
    }
}

void DataGrid::BeginColumnsUpdate() {
    ++d->columnsBatch;
}

void DataGrid::EndColumnsUpdate() {
    if (d->columnsBatch > 0 && --d->columnsBatch == 0)
        columnsChanged();
}

void DataGrid::columnsChanged() {
    if (!d->model || d->columnsBatch > 0)
        return;
    ++d->defining;
    if (d->model->columnCount() != horizontalHeader()->count()) {
        d->bindFields();
        d->model->reset();
    } else {
        d->model->headersChanged();
        d->model->rowChanged(-1);
    }
    for (int i = 0; i < d->columns.Count(); ++i) {
        const GridColumn& c = d->columns.Item(i);
        setColumnHidden(i, !c.Visible());
        if (c.Width() > 0)
            setColumnWidth(i, c.Width());
    }
    if (d->frozenView) {
        for (int i = 0; i < d->columns.Count(); ++i) {
            d->frozenView->setColumnHidden(i, i >= d->frozen || !d->columns.Item(i).Visible());
            d->frozenView->setColumnWidth(i, columnWidth(i));
        }
    }
    --d->defining;
    if (d->defining == 0)
        emit columnsDefined(false);
}

long DataGrid::CurrentRow() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}
void DataGrid::SetCurrentRow(long row) {
    if (row < 0 || row >= d->model->rowCount())
        return;
    setCurrentIndex(d->model->index(static_cast<int>(row), std::max(0, currentIndex().column())));
}
int DataGrid::CurrentColumn() const {
    return currentIndex().isValid() ? currentIndex().column() : -1;
}

void DataGrid::SetReadOnly(bool readOnly) {
    d->readOnly = readOnly;
}
bool DataGrid::ReadOnly() const {
    return d->readOnly;
}

QString DataGrid::CellText(long row, int column) const {
    const GridColumn& c = d->columns.Item(column);
    if (c.Unbound() && d->rs && d->rs->isOpen() && row >= 0 && row < d->rs->recordCount())
        return c.DisplayText(c.UnboundValue(row));
    if (!d->rs || c.FieldIndex() < 0 || row < 0 || row >= d->rs->recordCount())
        return {};
    return c.DisplayText(d->rs->valueAt(row, c.FieldIndex()));
}

void DataGrid::ClickHeader(int column) {
    SortBy(column, (d->sortColumn == column && d->sortOrder == Qt::AscendingOrder)
                       ? Qt::DescendingOrder
                       : Qt::AscendingOrder);
}

bool DataGrid::SortBy(int column, Qt::SortOrder order) {
    if (!d->rs || column < 0 || column >= d->columns.Count())
        return false;
    bool cancel = false;
    emit beforeSorting(column, cancel);
    if (cancel || d->fixedOrder)
        return false;
    const GridColumn& c = d->columns.Item(column);
    if (c.FieldIndex() < 0)
        return false;
    d->rs->setSort(c.Field() + (order == Qt::AscendingOrder ? " ASC" : " DESC"));
    d->sortColumn = column;
    d->sortOrder = order;
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(column, order);
    Refresh();
    emit sorted(column, order);
    return true;
}

void DataGrid::SetFixedOrder(bool fixed) {
    d->fixedOrder = fixed;
}
bool DataGrid::FixedOrder() const {
    return d->fixedOrder;
}
bool DataGrid::DefiningColumns() const {
    return d->defining > 0;
}

Qt::SortOrder DataGrid::SortOrder() const {
    return d->sortOrder;
}
int DataGrid::SortColumn() const {
    return d->sortColumn;
}

void DataGrid::ToggleCheck(long row, int column) {
    const GridColumn& c = d->columns.Item(column);
    if (!d->rs || c.Kind() != CellKind::Check || c.FieldIndex() < 0 || c.ReadOnly() || d->readOnly)
        return;
    if (row < 0 || row >= d->rs->recordCount())
        return;
    SetCurrentRow(row);
    bool cancel = false;
    emit checkEditToggleClick(column, row, cancel);
    if (cancel)
        return;
    const bool now = ValueIsTrue(d->rs->valueAt(row, c.FieldIndex()));
    const db::FieldType type = d->rs->field(c.FieldIndex()).type;
    d->rs->setValueAt(row, c.FieldIndex(),
                      type == db::FieldType::Boolean ? db::Value(!now) : db::Value(now ? 0 : 1));
    d->model->rowChanged(row);
}

void DataGrid::ChooseValue(long row, int column, const db::Value& value) {
    const GridColumn& c = d->columns.Item(column);
    if (!d->rs || c.FieldIndex() < 0 || row < 0 || row >= d->rs->recordCount())
        return;
    SetCurrentRow(row);
    d->rs->setValueAt(row, c.FieldIndex(), value);
    d->model->rowChanged(row);
    emit closeUp(column, row);
}

void DataGrid::PressButton(long row, int column) {
    if (row < 0 || row >= d->model->rowCount())
        return;
    SetCurrentRow(row);
    emit buttonClick(column, row);
}

// Frozen columns: a second view over the same model, painted above the
// left-most columns and kept in step with the main view's rows.
void DataGrid::SetFrozenColumns(int count) {
    d->frozen = std::max(0, count);
    if (d->frozen == 0) {
        delete d->frozenView;
        d->frozenView = nullptr;
        return;
    }
    if (!d->frozenView) {
        auto* v = new QTableView(this);
        d->frozenView = v;
        v->setModel(d->model);
        v->setSelectionModel(selectionModel());
        v->setItemDelegate(itemDelegate());
        v->setSelectionBehavior(selectionBehavior());
        v->setEditTriggers(editTriggers());
        v->setFocusPolicy(Qt::NoFocus);
        v->verticalHeader()->hide();
        v->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        v->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        v->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        v->setVerticalScrollMode(verticalScrollMode());
        v->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
        v->setStyleSheet(QStringLiteral("QTableView { border: none; }"));
        viewport()->stackUnder(v);
        connect(v->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
                &QAbstractSlider::setValue);
        connect(verticalScrollBar(), &QAbstractSlider::valueChanged, v->verticalScrollBar(),
                &QAbstractSlider::setValue);
        connect(horizontalHeader(), &QHeaderView::sectionClicked, v,
                [v](int) { v->viewport()->update(); });
        connect(v->horizontalHeader(), &QHeaderView::sectionClicked, this,
                [this](int section) { ClickHeader(section); });
        v->show();
    }
    columnsChanged();
    resizeEvent(nullptr);
}
int DataGrid::FrozenColumns() const {
    return d->frozen;
}

void DataGrid::resizeEvent(QResizeEvent* event) {
    if (event)
        QTableView::resizeEvent(event);
    if (!d->frozenView)
        return;
    int width = 0;
    for (int i = 0; i < d->frozen && i < d->columns.Count(); ++i)
        if (!isColumnHidden(i))
            width += columnWidth(i);
    d->frozenView->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), width,
                               viewport()->height() + horizontalHeader()->height());
}

void DataGrid::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    if (d->frozenView)
        d->frozenView->viewport()->update();
}

}  // namespace controls
