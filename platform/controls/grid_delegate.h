#pragma once
// How every grid's cells are painted and edited: button cells, combo cells
// with their drop-down, and the whole text of a cut cell as its tooltip.

#include <QStyledItemDelegate>

namespace controls {

class DataGrid;

class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(DataGrid* grid);

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    DataGrid* grid_;
};

}  // namespace controls
