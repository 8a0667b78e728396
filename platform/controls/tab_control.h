#pragma once
// Tab control: pages 0..n-1 over a stack; the tab strip can be hidden when
// pages are chosen by other means. click carries the previous index.

#include <QString>
#include <QWidget>
#include <memory>

namespace controls {

class TabControl : public QWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget* parent = nullptr);
    ~TabControl() override;

    int AddPage(QWidget* page, const QString& caption);  // answers its index
    int Count() const;
    QWidget* Page(int index) const;
    int CurrentIndex() const;
    // Selects a page; raises click(previous) when the index changes.
    void SetCurrentIndex(int index);
    void SetCaption(int index, const QString& caption);
    QString Caption(int index) const;
    void SetTabsVisible(bool visible);
    bool TabsVisible() const;

signals:
    void click(int previousIndex);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace controls
