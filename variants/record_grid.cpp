#include "variants/record_grid.h"

#include <QAbstractTableModel>
#include <QHeaderView>

#include "platform/db/recordset.h"

namespace variants {

class RecordGridModel : public QAbstractTableModel {
public:
    explicit RecordGridModel(QObject* parent) : QAbstractTableModel(parent) {}
    ~RecordGridModel() override { detach(); }

    std::vector<GridColumn> columns;
    std::vector<int> fieldIndex;  // per column, in the recordset; -1 missing
    db::Recordset* rs = nullptr;
    int listener = 0;

    void attach(db::Recordset* recordset) {
        beginResetModel();
        detach();
        rs = recordset;
        if (rs) {
            listener = rs->addListener([this](db::Recordset::Change change, long) {
                if (change == db::Recordset::Change::ValueChanged) {
                    if (rowCount() > 0)
                        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
                } else if (change != db::Recordset::Change::CurrentMoved) {
                    beginResetModel();
                    endResetModel();
                }
            });
        }
        mapFields();
        endResetModel();
    }
    void detach() {
        if (rs && listener)
            rs->removeListener(listener);
        rs = nullptr;
        listener = 0;
    }
    void mapFields() {
        fieldIndex.clear();
        for (const auto& c : columns)
            fieldIndex.push_back(rs && rs->isOpen() ? rs->fieldIndex(c.field) : -1);
    }
    void reset() {
        beginResetModel();
        mapFields();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        if (parent.isValid() || !rs || !rs->isOpen())
            return 0;
        return static_cast<int>(rs->recordCount());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(columns.size());
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < columnCount())
            return QString::fromStdString(columns[section].caption);
        return QAbstractTableModel::headerData(section, o, role);
    }
    const db::Value* cell(const QModelIndex& i) const {
        int f = fieldIndex.at(i.column());
        if (f < 0)
            return nullptr;
        return &rs->valueAt(i.row(), f);
    }
    static bool ticked(const db::Value& v) {
        auto d = v.toDecimal();
        return d && !d->isZero();
    }
    QVariant data(const QModelIndex& i, int role) const override {
        if (!i.isValid() || !rs)
            return {};
        const db::Value* v = cell(i);
        if (!v)
            return {};
        const GridColumn& c = columns[i.column()];
        if (c.kind == GridColumn::Kind::Check) {
            if (role == Qt::CheckStateRole)
                return ticked(*v) ? Qt::Checked : Qt::Unchecked;
            return {};
        }
        if (role != Qt::DisplayRole)
            return {};
        std::string text = v->toText();
        if (c.kind == GridColumn::Kind::ValueList) {
            auto d = v->toDecimal();
            for (const auto& [value, shown] : c.values)
                if (d && d->toInt64() == value)
                    text = shown;
        }
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        return QString::fromStdString(text);
    }
    Qt::ItemFlags flags(const QModelIndex& i) const override {
        Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (i.isValid() && columns[i.column()].kind == GridColumn::Kind::Check)
            f |= Qt::ItemIsUserCheckable;
        return f;
    }
    bool setData(const QModelIndex& i, const QVariant& value, int role) override {
        if (!i.isValid() || role != Qt::CheckStateRole || !rs)
            return false;
        int f = fieldIndex.at(i.column());
        if (f < 0)
            return false;
        bool on = value.toInt() == Qt::Checked;
        rs->setValueAt(i.row(), f, db::Value(on ? 1 : 0));
        emit dataChanged(i, i);
        auto* grid = static_cast<RecordGrid*>(QObject::parent());
        emit grid->checkToggled(i.row(), QString::fromStdString(columns[i.column()].field));
        return true;
    }
};

RecordGrid::RecordGrid(QWidget* parent) : QTableView(parent), model_(new RecordGridModel(this)) {
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setStretchLastSection(true);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) { onCurrentChanged(current); });
}

RecordGrid::~RecordGrid() {
    model_->detach();
}

void RecordGrid::setColumns(std::vector<GridColumn> columns, std::string keyField) {
    model_->columns = std::move(columns);
    model_->reset();
    keyField_ = std::move(keyField);
}

const std::vector<GridColumn>& RecordGrid::gridColumns() const {
    return model_->columns;
}

void RecordGrid::setRecordset(db::Recordset* recordset) {
    groupField_.clear();
    model_->attach(recordset);
}

db::Recordset* RecordGrid::recordset() const {
    return model_->rs;
}

void RecordGrid::refresh() {
    model_->reset();
}

void RecordGrid::setGroupField(const std::string& field) {
    db::Recordset* rs = model_->rs;
    groupField_ = field;
    if (rs && rs->isOpen())
        rs->setSort(field.empty() ? "" : field + " ASC, " + keyField_ + " ASC");
    model_->reset();
}

long RecordGrid::rowCount() const {
    return model_->rowCount();
}

void RecordGrid::selectRow(long row) {
    if (row < 0 || row >= rowCount())
        return;
    setCurrentIndex(model_->index(static_cast<int>(row), 0));
}

void RecordGrid::toggleCheck(long row, const std::string& field) {
    const auto& cols = model_->columns;
    for (std::size_t c = 0; c < cols.size(); ++c) {
        if (cols[c].field != field)
            continue;
        QModelIndex i = model_->index(static_cast<int>(row), static_cast<int>(c));
        bool on = model_->data(i, Qt::CheckStateRole).toInt() == Qt::Checked;
        model_->setData(i, on ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        return;
    }
}

std::string RecordGrid::caption(int column) const {
    return model_->columns.at(static_cast<std::size_t>(column)).caption;
}

void RecordGrid::setCaption(int column, const std::string& text) {
    model_->columns.at(static_cast<std::size_t>(column)).caption = text;
    emit model_->headerDataChanged(Qt::Horizontal, column, column);
}

void RecordGrid::onCurrentChanged(const QModelIndex& current) {
    db::Recordset* rs = model_->rs;
    if (!rs || !current.isValid())
        return;
    rs->setAbsolutePosition(current.row() + 1);
    emit rowChanged(current.row());
}

}  // namespace variants
