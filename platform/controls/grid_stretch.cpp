#include "platform/controls/grid_stretch.h"

#include <QEvent>
#include <QHeaderView>
#include <algorithm>

#include "platform/controls/data_grid.h"

namespace controls {
namespace {

class DescriptionStretch : public QObject {
public:
    explicit DescriptionStretch(DataGrid* grid) : QObject(grid), grid_(grid) {
        grid->viewport()->installEventFilter(this);
        QHeaderView* h = grid->horizontalHeader();
        connect(h, &QHeaderView::sectionResized, this, [this](int section, int, int) {
            if (fitting_)
                return;
            if (section == column_)
                grown_ = 0;  // the user's (or the layout's) width is the new base
            fit();
        });
        connect(h, &QHeaderView::sectionCountChanged, this, [this] {
            column_ = -1;
            grown_ = 0;
            fit();
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            fit();
        return false;
    }

private:
    // The first visible description column that is not the last one shown
    // and not frozen; -1 when the last column takes the room.
    int descriptionColumn() const {
        const QHeaderView* h = grid_->horizontalHeader();
        const GridColumns& columns = grid_->Columns();
        int lastVisual = -1, found = -1;
        for (int i = 0; i < h->count(); ++i) {
            if (h->isSectionHidden(i))
                continue;
            lastVisual = std::max(lastVisual, h->visualIndex(i));
            if (found < 0 && i >= grid_->FrozenColumns() && i < columns.Count() &&
                QString::fromStdString(columns.Item(i).Field())
                    .contains(QLatin1String("DESC"), Qt::CaseInsensitive))
                found = i;
        }
        return found >= 0 && h->visualIndex(found) != lastVisual ? found : -1;
    }

    void fit() {
        if (fitting_)
            return;
        fitting_ = true;
        QHeaderView* h = grid_->horizontalHeader();
        const int column = descriptionColumn();
        if (column != column_) {
            if (column_ >= 0 && column_ < h->count())
                h->resizeSection(column_, std::max(0, h->sectionSize(column_) - grown_));
            grown_ = 0;
            column_ = column;
            // The last column gives back what Qt's stretch gave it.
            h->setStretchLastSection(column < 0);
            if (column >= 0) {
                const int last = h->logicalIndex(h->count() - 1);
                const GridColumns& columns = grid_->Columns();
                if (last >= 0 && last < columns.Count() && columns.Item(last).Width() > 0)
                    h->resizeSection(last, columns.Item(last).Width());
            }
        }
        if (column >= 0) {
            int total = 0;
            for (int i = 0; i < h->count(); ++i)
                if (!h->isSectionHidden(i))
                    total += h->sectionSize(i);
            const int room = grid_->viewport()->width();
            int size = h->sectionSize(column);
            if (total < room) {
                size += room - total;
                grown_ += room - total;
            } else if (total > room && grown_ > 0) {
                const int cut = std::min(grown_, total - room);
                size -= cut;
                grown_ -= cut;
            }
            h->resizeSection(column, size);
        }
        fitting_ = false;
    }

    DataGrid* grid_;
    int column_ = -1;  // the description column taking the room
    int grown_ = 0;    // what it took beyond its own width
    bool fitting_ = false;
};

}  // namespace

void StretchDescription(DataGrid* grid) {
    if (grid && !grid->findChild<QObject*>(QStringLiteral("vld_description_stretch"),
                                           Qt::FindDirectChildrenOnly)) {
        auto* stretch = new DescriptionStretch(grid);
        stretch->setObjectName(QStringLiteral("vld_description_stretch"));
    }
}

}  // namespace controls
