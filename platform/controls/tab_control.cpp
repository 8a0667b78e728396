#include "platform/controls/tab_control.h"

#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace controls {

struct TabControl::Impl {
    QTabBar* bar = nullptr;
    QStackedWidget* stack = nullptr;
    int current = -1;
};

TabControl::TabControl(QWidget* parent) : QWidget(parent), d(std::make_unique<Impl>()) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    d->bar = new QTabBar(this);
    d->bar->setExpanding(false);
    d->bar->setUsesScrollButtons(true);
    d->stack = new QStackedWidget(this);
    layout->addWidget(d->bar);
    layout->addWidget(d->stack, 1);
    connect(d->bar, &QTabBar::currentChanged, this, [this](int index) { SetCurrentIndex(index); });
}

TabControl::~TabControl() = default;

int TabControl::AddPage(QWidget* page, const QString& caption) {
    const int index = d->stack->addWidget(page);
    const QSignalBlocker block(d->bar);
    d->bar->addTab(caption);
    if (d->current < 0) {
        d->current = index;
        d->stack->setCurrentIndex(index);
        d->bar->setCurrentIndex(index);
    }
    return index;
}

int TabControl::Count() const {
    return d->stack->count();
}
QWidget* TabControl::Page(int index) const {
    return d->stack->widget(index);
}
int TabControl::CurrentIndex() const {
    return d->current;
}

void TabControl::SetCurrentIndex(int index) {
    if (index < 0 || index >= Count() || index == d->current)
        return;
    const int previous = d->current;
    d->current = index;
    d->stack->setCurrentIndex(index);
    {
        const QSignalBlocker block(d->bar);
        d->bar->setCurrentIndex(index);
    }
    emit click(previous);
}

void TabControl::SetCaption(int index, const QString& caption) {
    d->bar->setTabText(index, caption);
}
QString TabControl::Caption(int index) const {
    return d->bar->tabText(index);
}
void TabControl::SetTabsVisible(bool visible) {
    d->bar->setVisible(visible);
}
bool TabControl::TabsVisible() const {
    return !d->bar->isHidden();
}

}  // namespace controls
