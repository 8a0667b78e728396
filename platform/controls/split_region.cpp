#include "platform/controls/split_region.h"

namespace controls {

SplitRegion::SplitRegion(Qt::Orientation orientation, QWidget* parent)
    : QSplitter(orientation, parent) {
    setChildrenCollapsible(false);
    setHandleWidth(6);
    connect(this, &QSplitter::splitterMoved, this, [this](int, int) { emit moved(); });
}

}  // namespace controls
