#include "platform/controls/side_bar.h"

#include <QEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace controls {
namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kEnabledRole = Qt::UserRole + 1;

}  // namespace

struct SideBar::Impl {
    QTreeWidget* tree = nullptr;
    QString selectedGroup, selectedItem;
    // The width of the captions, measured once: every layout pass of the
    // window asks for it, and shaping every caption each time costs a
    // good part of an item change. -1 until measured.
    mutable int captionsWidth = -1;

    QTreeWidgetItem* group(const QString& key) const {
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            if (tree->topLevelItem(i)->data(0, kKeyRole).toString() == key)
                return tree->topLevelItem(i);
        return nullptr;
    }
    QTreeWidgetItem* item(const QString& groupKey, const QString& itemKey) const {
        QTreeWidgetItem* g = group(groupKey);
        if (!g)
            return nullptr;
        for (int i = 0; i < g->childCount(); ++i)
            if (g->child(i)->data(0, kKeyRole).toString() == itemKey)
                return g->child(i);
        return nullptr;
    }
    static void paint(QTreeWidgetItem* it, bool enabled) {
        it->setData(0, kEnabledRole, enabled);
        it->setDisabled(!enabled);
    }
};

SideBar::SideBar(QWidget* parent) : QWidget(parent), d(std::make_unique<Impl>()) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    d->tree = new QTreeWidget(this);
    d->tree->setHeaderHidden(true);
    d->tree->setRootIsDecorated(true);
    d->tree->setIndentation(12);
    layout->addWidget(d->tree);
    setMinimumWidth(150);
    auto open = [this](QTreeWidgetItem* it) {
        if (it && it->parent())
            ClickItem(it->parent()->data(0, kKeyRole).toString(), it->data(0, kKeyRole).toString());
    };
    connect(d->tree, &QTreeWidget::itemClicked, this,
            [open](QTreeWidgetItem* it, int) { open(it); });
    connect(d->tree, &QTreeWidget::itemActivated, this,
            [open](QTreeWidgetItem* it, int) { open(it); });
    connect(d->tree, &QTreeWidget::itemExpanded, this, [this] { d->captionsWidth = -1; });
    connect(d->tree, &QTreeWidget::itemCollapsed, this, [this] { d->captionsWidth = -1; });
}

SideBar::~SideBar() = default;

void SideBar::AddGroup(const QString& key, const QString& caption) {
    d->captionsWidth = -1;
    auto* g = new QTreeWidgetItem(d->tree, QStringList{caption});
    g->setData(0, kKeyRole, key);
    Impl::paint(g, true);
    g->setExpanded(true);
    QFont f = g->font(0);
    f.setBold(true);
    g->setFont(0, f);
}

void SideBar::AddItem(const QString& groupKey, const QString& itemKey, const QString& caption) {
    QTreeWidgetItem* g = d->group(groupKey);
    if (!g)
        return;
    d->captionsWidth = -1;
    auto* it = new QTreeWidgetItem(g, QStringList{caption});
    it->setData(0, kKeyRole, itemKey);
    Impl::paint(it, true);
}

void SideBar::Clear() {
    d->captionsWidth = -1;
    d->tree->clear();
    d->selectedGroup.clear();
    d->selectedItem.clear();
}

bool SideBar::HasGroup(const QString& key) const {
    return d->group(key) != nullptr;
}
bool SideBar::HasItem(const QString& groupKey, const QString& itemKey) const {
    return d->item(groupKey, itemKey) != nullptr;
}

void SideBar::SetGroupEnabled(const QString& key, bool enabled) {
    if (auto* g = d->group(key))
        Impl::paint(g, enabled);
}

bool SideBar::GroupEnabled(const QString& key) const {
    auto* g = d->group(key);
    return g && g->data(0, kEnabledRole).toBool();
}

void SideBar::SetItemEnabled(const QString& groupKey, const QString& itemKey, bool enabled) {
    if (auto* it = d->item(groupKey, itemKey))
        Impl::paint(it, enabled);
}

bool SideBar::ItemEnabled(const QString& groupKey, const QString& itemKey) const {
    auto* it = d->item(groupKey, itemKey);
    return it && it->data(0, kEnabledRole).toBool() && GroupEnabled(groupKey);
}

QString SideBar::SelectedGroup() const {
    return d->selectedGroup;
}
QString SideBar::SelectedItem() const {
    return d->selectedItem;
}

bool SideBar::Select(const QString& groupKey, const QString& itemKey, bool raiseEvents) {
    auto* it = d->item(groupKey, itemKey);
    if (!it)
        return false;
    if (raiseEvents) {
        bool cancel = false;
        emit beforeItemClick(groupKey, itemKey, cancel);
        if (cancel) {
            // A refused item is not chosen: the highlight stays where it was.
            const QSignalBlocker block(d->tree);
            QTreeWidgetItem* before = d->item(d->selectedGroup, d->selectedItem);
            d->tree->setCurrentItem(before);
            if (!before)
                d->tree->clearSelection();
            return false;
        }
    }
    d->selectedGroup = groupKey;
    d->selectedItem = itemKey;
    {
        const QSignalBlocker block(d->tree);
        d->tree->setCurrentItem(it);
    }
    if (raiseEvents)
        emit itemClick(groupKey, itemKey);
    return true;
}

bool SideBar::ClickItem(const QString& groupKey, const QString& itemKey) {
    // A side bar that is disabled takes no clicks at all.
    if (!isEnabled() || !ItemEnabled(groupKey, itemKey))
        return false;
    return Select(groupKey, itemKey, true);
}

void SideBar::Refresh() {
    for (int i = 0; i < d->tree->topLevelItemCount(); ++i) {
        auto* g = d->tree->topLevelItem(i);
        Impl::paint(g, g->data(0, kEnabledRole).toBool());
        for (int k = 0; k < g->childCount(); ++k)
            Impl::paint(g->child(k), g->child(k)->data(0, kEnabledRole).toBool());
    }
    d->tree->viewport()->update();
}

QSize SideBar::sizeHint() const {
    const QSize base = QWidget::sizeHint();
    const int scrollBar = d->tree->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // Public through the view's base: the tree view keeps it protected.
    const QAbstractItemView* view = d->tree;
    if (d->captionsWidth < 0)
        d->captionsWidth = view->sizeHintForColumn(0);
    const int width = d->captionsWidth + 2 * d->tree->frameWidth() + scrollBar + 8;
    return {std::max(minimumWidth(), width), base.height()};
}

void SideBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        d->captionsWidth = -1;
    QWidget::changeEvent(event);
}

}  // namespace controls
