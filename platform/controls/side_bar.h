#pragma once
// Side bar: groups ("GRP01", ...) of items ("ITM01", ...), each enabled or
// disabled. Before an item opens the host may refuse it; then itemClick.

#include <QString>
#include <QWidget>
#include <memory>

namespace controls {

class SideBar : public QWidget {
    Q_OBJECT
public:
    explicit SideBar(QWidget* parent = nullptr);
    ~SideBar() override;

    void AddGroup(const QString& key, const QString& caption);
    void AddItem(const QString& groupKey, const QString& itemKey, const QString& caption);
    void Clear();
    bool HasGroup(const QString& key) const;
    bool HasItem(const QString& groupKey, const QString& itemKey) const;

    void SetGroupEnabled(const QString& key, bool enabled);
    bool GroupEnabled(const QString& key) const;
    void SetItemEnabled(const QString& groupKey, const QString& itemKey, bool enabled);
    bool ItemEnabled(const QString& groupKey, const QString& itemKey) const;

    QString SelectedGroup() const;
    QString SelectedItem() const;
    // Selects an item; with raiseEvents it opens as a click would
    // (beforeItemClick, then itemClick). Answers whether it was selected.
    bool Select(const QString& groupKey, const QString& itemKey, bool raiseEvents = true);
    // Clicks an item as the user would (ignored when the side bar, the
    // item or its group is disabled).
    bool ClickItem(const QString& groupKey, const QString& itemKey);
    // Repaints groups and items from their state.
    void Refresh();
    // As wide as its longest caption, so that a layout need not guess.
    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;

signals:
    void beforeItemClick(const QString& groupKey, const QString& itemKey, bool& cancel);
    void itemClick(const QString& groupKey, const QString& itemKey);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace controls
