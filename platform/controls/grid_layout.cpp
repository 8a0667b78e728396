// What a user made of a grid: the widths and order they gave its columns and
// the sort they chose, kept by column key so that a grid whose columns are
// defined again (a reload, the next run) shows them as the user left them.

#include <QDataStream>
#include <QHeaderView>
#include <QIODevice>
#include <QMap>
#include <QStringList>

#include "platform/controls/data_grid.h"
#include "platform/db/recordset.h"

namespace controls {

namespace {

// The stream's own version, written first: another is ignored, not misread.
constexpr qint32 kVersion = 1;
constexpr const char* kName = "DataGridLayoutMemory";

class LayoutMemory : public QObject {
public:
    explicit LayoutMemory(DataGrid* grid) : QObject(grid), grid_(grid) {
        setObjectName(kName);
        QHeaderView* header = grid->horizontalHeader();
        connect(header, &QHeaderView::sectionResized, this, [this](int column, int, int size) {
            if (!quiet() && size > 0 && column < grid_->Columns().Count())
                widths_[key(column)] = size;
        });
        connect(header, &QHeaderView::sectionMoved, this, [this] {
            if (!quiet())
                order_ = currentOrder();
        });
        connect(grid, &DataGrid::sorted, this, [this](int column, Qt::SortOrder order) {
            if (applying_ || grid_->FixedOrder())
                return;
            sortKey_ = key(column);
            sortOrder_ = order;
        });
        connect(grid, &DataGrid::columnsDefined, this, [this](bool bound) {
            apply(bound && grid_->DataSource() && grid_->DataSource()->isOpen());
        });
    }

    QByteArray save() const {
        if (widths_.isEmpty() && order_.isEmpty() && sortKey_.isEmpty())
            return {};
        QByteArray out;
        QDataStream s(&out, QIODevice::WriteOnly);
        s << kVersion << widths_ << order_ << sortKey_ << static_cast<qint32>(sortOrder_);
        return out;
    }

    bool restore(const QByteArray& layout) {
        QDataStream s(layout);
        qint32 version = 0, order = 0;
        QMap<QString, int> widths;
        QStringList columns;
        QString sortKey;
        s >> version;
        if (s.status() != QDataStream::Ok || version != kVersion)
            return false;
        s >> widths >> columns >> sortKey >> order;
        if (s.status() != QDataStream::Ok)
            return false;
        widths_ = widths;
        order_ = columns;
        sortKey_ = grid_->FixedOrder() ? QString() : sortKey;
        sortOrder_ = order == Qt::DescendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
        apply(grid_->DataSource() && grid_->DataSource()->isOpen());
        return true;
    }

private:
    bool quiet() const { return applying_ || grid_->DefiningColumns(); }
    QString key(int column) const { return grid_->Columns().Item(column).Key().toUpper(); }
    int columnOf(const QString& key) const { return grid_->Columns().IndexOf(key); }
    QStringList currentOrder() const {
        QHeaderView* header = grid_->horizontalHeader();
        QStringList keys;
        for (int v = 0; v < header->count(); ++v) {
            const int column = header->logicalIndex(v);
            if (column >= 0 && column < grid_->Columns().Count())
                keys << key(column);
        }
        return keys;
    }

    void apply(bool bound) {
        if (applying_ || grid_->Columns().Count() == 0)
            return;
        applying_ = true;
        // The sort first: it lays the columns out again.
        if (bound && !sortKey_.isEmpty() && !grid_->FixedOrder()) {
            const int column = columnOf(sortKey_);
            if (column >= 0 && (grid_->SortColumn() != column || grid_->SortOrder() != sortOrder_))
                grid_->SortBy(column, sortOrder_);
        }
        QHeaderView* header = grid_->horizontalHeader();
        for (auto it = widths_.cbegin(); it != widths_.cend(); ++it) {
            const int column = columnOf(it.key());
            if (column >= 0 && !grid_->isColumnHidden(column))
                grid_->setColumnWidth(column, it.value());
        }
        int target = 0;
        for (const QString& k : order_) {
            const int column = columnOf(k);
            if (column < 0 || column >= header->count())
                continue;
            const int from = header->visualIndex(column);
            if (from != target)
                header->moveSection(from, target);
            ++target;
        }
        applying_ = false;
    }

    DataGrid* grid_;
    bool applying_ = false;
    QMap<QString, int> widths_;
    QStringList order_;
    QString sortKey_;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

LayoutMemory* memoryOf(const DataGrid* grid) {
    return dynamic_cast<LayoutMemory*>(
        grid->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly));
}

}  // namespace

void InstallLayoutMemory(DataGrid* grid) {
    if (grid && !memoryOf(grid))
        new LayoutMemory(grid);
}

QByteArray DataGrid::SaveLayout() const {
    const LayoutMemory* m = memoryOf(this);
    return m ? m->save() : QByteArray();
}

bool DataGrid::RestoreLayout(const QByteArray& layout) {
    LayoutMemory* m = memoryOf(this);
    return m && !layout.isEmpty() && m->restore(layout);
}

}  // namespace controls
