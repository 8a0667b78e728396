#include "window/sidebar.h"

#include <QGroupBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace card {

Sidebar::Sidebar(QWidget* parent) : QWidget(parent), layout_(new QVBoxLayout(this)) {
    setObjectName("KOV_SIDEBAR");
    layout_->setContentsMargins(2, 2, 2, 2);
    layout_->setSpacing(4);
    layout_->addStretch(1);
}

void Sidebar::addGroup(const std::string& key, const QString& caption) {
    auto* box = new QGroupBox(caption, this);
    box->setObjectName(QString::fromStdString(key));
    auto* l = new QVBoxLayout(box);
    l->setContentsMargins(2, 2, 2, 2);
    l->setSpacing(1);
    layout_->insertWidget(layout_->count() - 1, box);
    groups_.push_back({key, box, true});
}

void Sidebar::addItem(const std::string& group, const std::string& key, const QString& caption) {
    for (auto& g : groups_) {
        if (g.key != group)
            continue;
        auto* b = new QToolButton(g.box);
        b->setObjectName(QString::fromStdString(key));
        b->setText(caption);
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        g.box->layout()->addWidget(b);
        items_.push_back({group, key, b});
        connect(b, &QToolButton::clicked, this, [this, group, key] { select(group, key); });
        return;
    }
}

void Sidebar::setGroupEnabled(const std::string& group, bool enabled) {
    for (auto& g : groups_)
        if (g.key == group) {
            g.enabled = enabled;
            g.box->setEnabled(enabled);
        }
}

bool Sidebar::groupEnabled(const std::string& group) const {
    for (const auto& g : groups_)
        if (g.key == group)
            return g.enabled;
    return false;
}

void Sidebar::select(const std::string& group, const std::string& key) {
    if (!isEnabled() || !groupEnabled(group) || (allowItem && !allowItem(group, key))) {
        refreshButtons();
        return;
    }
    setSelected(group, key);
    emit itemClick(QString::fromStdString(key));
}

void Sidebar::setSelected(const std::string& group, const std::string& key) {
    selectedGroup_ = group;
    selectedItem_ = key;
    refreshButtons();
}

void Sidebar::refreshButtons() {
    for (auto& i : items_)
        i.button->setChecked(i.key == selectedItem_);
}

}  // namespace card
