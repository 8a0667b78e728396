#include "platform/controls/split_region.h"

#include <QResizeEvent>
#include <algorithm>

namespace controls {

SplitRegion::SplitRegion(Qt::Orientation orientation, QWidget* parent)
    : QSplitter(orientation, parent) {
    setChildrenCollapsible(false);
    setHandleWidth(6);
    connect(this, &QSplitter::splitterMoved, this, [this](int, int) {
        userPlaced_ = true;
        emit moved();
    });
}

bool SplitRegion::RestoreState(const QByteArray& state) {
    if (state.isEmpty() || !restoreState(state))
        return false;
    userPlaced_ = true;
    return true;
}

void SplitRegion::SetProportions(const QList<int>& weights) {
    weights_ = weights;
    for (int i = 0; i < weights.size() && i < count(); ++i)
        setStretchFactor(i, weights[i]);
}

bool SplitRegion::ApplyProportions() {
    if (userPlaced_ || weights_.size() != count())
        return false;
    const bool horizontal = orientation() == Qt::Horizontal;
    const int length = horizontal ? width() : height();
    if (length <= 0)
        return false;
    auto own = [&](int i) {
        const QSize hint = widget(i)->sizeHint();
        return horizontal ? hint.width() : hint.height();
    };
    // Hidden panes take nothing; panes weighted 0 keep their own size; the
    // others share what is left.
    int rest = length;
    int total = 0, shown = 0;
    for (int i = 0; i < count(); ++i) {
        if (widget(i)->isHidden())
            continue;
        ++shown;
        if (weights_[i] > 0)
            total += weights_[i];
        else
            rest -= own(i);
    }
    rest -= handleWidth() * std::max(0, shown - 1);
    QList<int> sizes;
    for (int i = 0; i < count(); ++i) {
        if (widget(i)->isHidden())
            sizes << 0;
        else
            sizes << (weights_[i] > 0 && total > 0 ? rest * weights_[i] / total : own(i));
    }
    setSizes(sizes);
    proportioned_ = true;
    panesShown_ = panesShown();
    return true;
}

quint32 SplitRegion::panesShown() const {
    quint32 mask = 0;
    for (int i = 0; i < count() && i < 32; ++i)
        if (!widget(i)->isHidden())
            mask |= 1U << i;
    return mask;
}

void SplitRegion::resizeEvent(QResizeEvent* event) {
    QSplitter::resizeEvent(event);
    // The first real size lays the panes out; later ones share the change
    // by the stretch factors, which keeps the proportions.
    if (!proportioned_ && isVisible())
        ApplyProportions();
}

bool SplitRegion::event(QEvent* event) {
    const bool done = QSplitter::event(event);
    // A pane shown or hidden: the panes now shown share the region again.
    if (event->type() == QEvent::LayoutRequest && proportioned_ && panesShown() != panesShown_)
        ApplyProportions();
    return done;
}

}  // namespace controls
