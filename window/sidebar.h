#pragma once
// KOV_SIDEBAR: groups of items, each item opening one tab of the card. The
// window enables the groups and may refuse an item before it opens.

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QToolButton;
class QVBoxLayout;

namespace card {

class Sidebar : public QWidget {
    Q_OBJECT
public:
    explicit Sidebar(QWidget* parent = nullptr);

    void addGroup(const std::string& key, const QString& caption);
    void addItem(const std::string& group, const std::string& key, const QString& caption);

    void setGroupEnabled(const std::string& group, bool enabled);
    bool groupEnabled(const std::string& group) const;
    std::string selectedGroup() const { return selectedGroup_; }
    std::string selectedItem() const { return selectedItem_; }
    // Marks an item as chosen and raises itemClick, as a user's click does.
    void select(const std::string& group, const std::string& key);
    // Marks an item without raising anything.
    void setSelected(const std::string& group, const std::string& key);
    // Asked before an item opens; answering false refuses it.
    std::function<bool(const std::string& group, const std::string& key)> allowItem;

signals:
    void itemClick(const QString& key);

private:
    struct Item {
        std::string group, key;
        QToolButton* button;
    };
    struct Group {
        std::string key;
        QWidget* box;
        bool enabled = true;
    };
    void refreshButtons();
    std::vector<Group> groups_;
    std::vector<Item> items_;
    QVBoxLayout* layout_;
    std::string selectedGroup_, selectedItem_;
};

}  // namespace card
