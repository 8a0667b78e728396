#include "platform/controls/grid_delegate.h"

#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "platform/controls/data_grid.h"
#include "platform/db/recordset.h"

namespace controls {

GridDelegate::GridDelegate(DataGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

void GridDelegate::paint(QPainter* p, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    const GridColumn& c = grid_->Columns().Item(index.column());
    if (c.Kind() != CellKind::Button) {
        QStyledItemDelegate::paint(p, option, index);
        return;
    }
    QStyleOptionButton button;
    button.rect = option.rect.adjusted(1, 1, -1, -1);
    button.text = index.data(Qt::DisplayRole).toString();
    if (button.text.isEmpty())
        button.text = QStringLiteral("...");
    button.state = QStyle::State_Enabled | QStyle::State_Raised;
    QApplication::style()->drawControl(QStyle::CE_PushButton, &button, p);
}

bool GridDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                               const QStyleOptionViewItem& option, const QModelIndex& index) {
    const GridColumn& c = grid_->Columns().Item(index.column());
    if (c.Kind() == CellKind::Button && event->type() == QEvent::MouseButtonRelease) {
        grid_->PressButton(index.row(), index.column());
        return true;
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    const GridColumn& c = grid_->Columns().Item(index.column());
    if (c.Kind() != CellKind::Combo)
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto* box = new QComboBox(parent);
    for (const auto& [value, text] : c.ValueList())
        box->addItem(text);
    WidenPopup(box);
    return box;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const GridColumn& c = grid_->Columns().Item(index.column());
    auto* box = qobject_cast<QComboBox*>(editor);
    if (c.Kind() != CellKind::Combo || !box) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    const db::Recordset* rs = grid_->DataSource();
    const db::Value& v = rs->valueAt(index.row(), c.FieldIndex());
    int at = -1;
    for (std::size_t i = 0; i < c.ValueList().size(); ++i)
        if (db::Value::compare(c.ValueList()[i].first, v) == 0)
            at = static_cast<int>(i);
    box->setCurrentIndex(at);
    if (!box->property("vld_popped").toBool()) {
        box->setProperty("vld_popped", true);
        box->showPopup();
    }
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    const GridColumn& c = grid_->Columns().Item(index.column());
    auto* box = qobject_cast<QComboBox*>(editor);
    if (c.Kind() != CellKind::Combo || !box) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    const int at = box->currentIndex();
    if (at >= 0 && at < static_cast<int>(c.ValueList().size()))
        grid_->ChooseValue(index.row(), index.column(),
                           c.ValueList()[static_cast<std::size_t>(at)].first);
}

// A cell too narrow for its text shows the whole text as its tooltip; the
// text is the cell's as painted (a subclass may write its own).
bool GridDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                             const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (!event || event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QString text = cell.text.trimmed();
    if (!text.isEmpty() && cell.fontMetrics.horizontalAdvance(text) + 8 > cell.rect.width())
        QToolTip::showText(event->globalPos(), text, view, cell.rect);
    else
        QToolTip::hideText();
    return true;
}

}  // namespace controls
