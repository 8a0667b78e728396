// The grid's keyboard: desktop conventions inside a grid (arrows among the
// cells, Ctrl+Home/Ctrl+End to the first and last row, Tab out of the grid)
// and the keys of its cell kinds (Space on a check, F4 or Alt+Down on a
// drop-down); Ctrl+Space presses a column's header.
#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QStyle>

#include "platform/controls/data_grid.h"

namespace controls {

namespace {

bool rowJump(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Home || key->key() == Qt::Key_End) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

// The grid's one visible tick column, or -1 when it has none or several.
int onlyCheckColumn(const GridColumns& columns) {
    int found = -1;
    for (int c = 0; c < columns.Count(); ++c) {
        const GridColumn& column = columns.Item(c);
        if (column.Kind() != CellKind::Check || !column.Visible())
            continue;
        if (found >= 0)
            return -1;
        found = c;
    }
    return found;
}

}  // namespace

bool DataGrid::event(QEvent* event) {
    // Ctrl+Home and Ctrl+End are the grid's while it has the focus, not the
    // host's first and last record.
    if (event->type() == QEvent::ShortcutOverride && rowJump(static_cast<QKeyEvent*>(event)) &&
        state() != QAbstractItemView::EditingState) {
        event->accept();
        return true;
    }
    return QTableView::event(event);
}

void DataGrid::keyPressEvent(QKeyEvent* event) {
    const QModelIndex i = currentIndex();
    if (rowJump(event) && model()->rowCount() > 0) {
        const long row = event->key() == Qt::Key_Home ? 0 : model()->rowCount() - 1;
        SetCurrentRow(row);
        if (currentIndex().row() == row && i.isValid())
            setCurrentIndex(model()->index(static_cast<int>(row), i.column()));
        return;
    }
    if (i.isValid() && state() != QAbstractItemView::EditingState) {
        const GridColumn& c = Columns().Item(i.column());
        // Ctrl+Space does what a click on the current column's header does
        // (a sort, a column's flip, a "tick all"); in a list with one tick
        // column, a cell the user cannot type in stands for the tick column,
        // as Space does for its row.
        if (event->key() == Qt::Key_Space && event->modifiers() == Qt::ControlModifier) {
            int column = i.column();
            if (c.Kind() == CellKind::Text && !(model()->flags(i) & Qt::ItemIsEditable))
                if (const int tick = onlyCheckColumn(Columns()); tick >= 0)
                    column = tick;
            ClickHeader(column);
            return;
        }
        if (c.Kind() == CellKind::Check && event->key() == Qt::Key_Space) {
            ToggleCheck(i.row(), i.column());
            return;
        }
        // A list with one tick column: Space on any cell the user cannot
        // type in ticks the row, as in a list with check boxes.
        if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier &&
            c.Kind() == CellKind::Text && !(model()->flags(i) & Qt::ItemIsEditable)) {
            if (const int tick = onlyCheckColumn(Columns()); tick >= 0) {
                ToggleCheck(i.row(), tick);
                return;
            }
        }
        if (c.Kind() == CellKind::Button &&
            (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
             event->key() == Qt::Key_Enter)) {
            PressButton(i.row(), i.column());
            return;
        }
        if (c.Kind() == CellKind::Combo &&
            (event->key() == Qt::Key_F4 ||
             (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier)))) {
            edit(i);
            return;
        }
        if (c.Kind() == CellKind::Check || c.Kind() == CellKind::Button) {
            // Typing over a check or button cell must not open a text editor.
            if (!event->text().isEmpty() && event->key() != Qt::Key_Tab) {
                event->ignore();
                return;
            }
        }
    }
    QTableView::keyPressEvent(event);
}

void DataGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Tab in a cell being edited keeps the edit and leaves the grid, as Tab
    // does outside an edit.
    if (hint == QAbstractItemDelegate::EditNextItem ||
        hint == QAbstractItemDelegate::EditPreviousItem) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
        return;
    }
    QTableView::closeEditor(editor, hint);
}

void WidenPopup(QComboBox* box) {
    int widest = 0;
    for (int i = 0; i < box->count(); ++i)
        widest = std::max(widest, box->fontMetrics().horizontalAdvance(box->itemText(i)));
    const int chrome = box->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                       4 * box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 16;
    box->view()->setMinimumWidth(widest + chrome);
}

}  // namespace controls
