#include "states/band_header.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionHeader>
#include <algorithm>

#include "platform/controls/data_grid.h"

namespace states {

BandHeader::BandHeader(controls::DataGrid* grid, QWidget* parent) : QWidget(parent), grid_(grid) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Column widths change with the grid's header; repaint with them.
    connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { update(); });
    connect(grid->horizontalHeader(), &QHeaderView::geometriesChanged, this, [this] { update(); });
}

void BandHeader::SetBands(const QString& first, const QString& second) {
    first_ = first;
    second_ = second;
    update();
}

QSize BandHeader::sizeHint() const {
    return {200, fontMetrics().height() + 8};
}

void BandHeader::paintEvent(QPaintEvent*) {
    if (!grid_)
        return;
    QPainter painter(this);
    const int left = grid_->frameWidth() + grid_->verticalHeader()->width();
    int split = left;
    for (int i = 0; i < grid_->FrozenColumns() && i < grid_->Columns().Count(); ++i)
        if (!grid_->isColumnHidden(i))
            split += grid_->columnWidth(i);
    const int right = std::min(width(), grid_->frameWidth() + grid_->verticalHeader()->width() +
                                            grid_->viewport()->width());
    auto band = [&](int x0, int x1, const QString& text) {
        if (x1 <= x0)
            return;
        QStyleOptionHeader option;
        option.initFrom(this);
        option.rect = QRect(x0, 0, x1 - x0, height());
        option.text = text;
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::Middle;
        style()->drawControl(QStyle::CE_Header, &option, &painter, this);
    };
    band(left, split, first_);
    band(split, std::max(split, right), second_);
}

}  // namespace states
