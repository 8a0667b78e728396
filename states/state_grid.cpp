#include "states/state_grid.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>

#include "common/item_card.h"
#include "common/procedure.h"
#include "common/window_services.h"
#include "platform/controls/grid_delegate.h"
#include "platform/db/recordset.h"
#include "states/state_paste.h"
#include "states/state_services.h"

namespace states {

namespace {

// The entry whose text starts with the typed code ("camp" is "CAMP
// Campionatura"); -1 when no entry or more than one has that code.
int entryOfCode(const controls::GridColumn& c, const QString& typed) {
    const QString code = typed.trimmed();
    if (code.isEmpty() || code.contains(QLatin1Char(' ')))
        return -1;
    int found = -1;
    for (std::size_t i = 0; i < c.ValueList().size(); ++i) {
        const QString& text = c.ValueList()[i].second;
        if (text.section(QLatin1Char(' '), 0, 0).compare(code, Qt::CaseInsensitive) == 0) {
            if (found >= 0)
                return -1;
            found = static_cast<int>(i);
        }
    }
    return found;
}

// A list over the box (the completer's, or the drop-down a click opens)
// takes Enter, or the click on an entry, for itself: it puts the entry chosen
// in the box and closes, and the cell would wait for a second Enter. Enter is
// handed on to the box as well, so one key or click chooses and stores the
// state, as the drop-down's close-up does.
class EnterThrough : public QObject {
public:
    EnterThrough(QComboBox* box, QObject* popup) : QObject(box), box_(box) {
        popup->installEventFilter(this);
        box->view()->installEventFilter(this);
        box->view()->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                enter(key);
        } else if (event->type() == QEvent::MouseButtonRelease &&
                   watched == box_->view()->viewport()) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (box_->view()->indexAt(at).isValid())
                enter(Qt::Key_Return);
        }
        return false;
    }

private:
    void enter(int key) {
        QCoreApplication::postEvent(box_, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    }

    QComboBox* box_;
};

// The editor of drop-down cells: an editable combo box over the column's
// value list; the rest is every grid's (a cut cell's tooltip among it).
class StateDelegate : public controls::GridDelegate {
public:
    explicit StateDelegate(StateGrid* grid) : controls::GridDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        const controls::GridColumn& c = grid_->Columns().Item(index.column());
        if (c.Kind() != controls::CellKind::Combo)
            return controls::GridDelegate::createEditor(parent, option, index);
        auto* box = new QComboBox(parent);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        for (const auto& entry : c.ValueList())
            box->addItem(entry.second);
        box->completer()->setCompletionMode(QCompleter::PopupCompletion);
        box->completer()->setFilterMode(Qt::MatchContains);
        box->completer()->setCaseSensitivity(Qt::CaseInsensitive);
        controls::WidenPopup(box);
        box->completer()->popup()->setMinimumWidth(box->view()->minimumWidth());
        new EnterThrough(box, box->completer()->popup());
        return box;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* box = qobject_cast<QComboBox*>(editor);
        const controls::GridColumn& c = grid_->Columns().Item(index.column());
        if (!box || c.Kind() != controls::CellKind::Combo) {
            controls::GridDelegate::setEditorData(editor, index);
            return;
        }
        if (box->property("vld_loaded").toBool())
            return;
        box->setProperty("vld_loaded", true);
        const db::Value& v = grid_->DataSource()->valueAt(index.row(), c.FieldIndex());
        int at = -1;
        for (std::size_t i = 0; i < c.ValueList().size() && at < 0; ++i)
            if (db::Value::compare(c.ValueList()[i].first, v) == 0)
                at = static_cast<int>(i);
        box->setCurrentIndex(at);
        box->setProperty("vld_initial", box->currentText());
        if (grid_->openedByKey())
            box->lineEdit()->clear();  // the key pressed starts the text
        else
            box->showPopup();
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        auto* box = qobject_cast<QComboBox*>(editor);
        const controls::GridColumn& c = grid_->Columns().Item(index.column());
        if (!box || c.Kind() != controls::CellKind::Combo) {
            controls::GridDelegate::setModelData(editor, model, index);
            return;
        }
        const QString text = box->currentText();
        if (text == box->property("vld_initial").toString())
            return;
        int at = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (at < 0)
            at = entryOfCode(c, text);
        if (at >= 0 && at < static_cast<int>(c.ValueList().size()))
            grid_->ChooseValue(index.row(), index.column(),
                               c.ValueList()[static_cast<std::size_t>(at)].first);
        else
            emit grid_->valueTyped(index.column(), index.row(), text);
    }

private:
    StateGrid* grid_;
};

}  // namespace

StateGrid::StateGrid(QWidget* parent) : controls::DataGrid(parent) {
    setItemDelegate(new StateDelegate(this));
}

bool StateGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    openedByKey_ = trigger == QAbstractItemView::AnyKeyPressed;
    return controls::DataGrid::edit(index, trigger, event);
}

void StateGrid::keyPressEvent(QKeyEvent* event) {
    const QModelIndex i = currentIndex();
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier && i.isValid() &&
        state() != QAbstractItemView::EditingState && !ReadOnly() && DataSource()) {
        const controls::GridColumn& c = Columns().Item(i.column());
        if (c.Kind() == controls::CellKind::Combo && !c.ReadOnly() && c.FieldIndex() >= 0) {
            // As choosing the list's empty entry: a cell that has a state loses it.
            const auto vuota = std::find_if(c.ValueList().begin(), c.ValueList().end(),
                                            [](const auto& e) { return e.second.isEmpty(); });
            const db::Value& v = DataSource()->valueAt(i.row(), c.FieldIndex());
            if (vuota != c.ValueList().end() && !statoVuoto(v))
                ChooseValue(i.row(), i.column(), vuota->first);
            return;
        }
    }
    controls::DataGrid::keyPressEvent(event);
}

void StateGrid::hideEvent(QHideEvent* event) {
    // A cell still being typed in when its tab goes away without the focus
    // leaving it (a command's key, another item) is given up: its list
    // would stay open over the next tab, and what it holds belongs to the
    // item and tab left behind. The window minimised keeps it.
    if (!event->spontaneous() && state() == QAbstractItemView::EditingState)
        if (QWidget* editor = indexWidget(currentIndex())) {
            if (auto* box = qobject_cast<QComboBox*>(editor)) {
                if (box->completer())
                    box->completer()->popup()->hide();
                box->hidePopup();
            }
            closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        }
    controls::DataGrid::hideEvent(event);
}

void StateGrid::TypeValue(long row, int column, const QString& text) {
    if (row < 0 || row >= (DataSource() ? DataSource()->recordCount() : 0))
        return;
    SetCurrentRow(row);
    setCurrentIndex(model()->index(static_cast<int>(row), column));
    const controls::GridColumn& c = Columns().Item(column);
    for (std::size_t i = 0; i < c.ValueList().size(); ++i)
        if (c.ValueList()[i].second == text) {
            ChooseValue(row, column, c.ValueList()[i].first);
            return;
        }
    if (const int at = entryOfCode(c, text); at >= 0) {
        ChooseValue(row, column, c.ValueList()[static_cast<std::size_t>(at)].first);
        return;
    }
    emit valueTyped(column, row, text);
}

void ConfiguraGrigliaStati(common::ItemCard& card, StateGrid* grid,
                           const std::vector<ColonnaStati>& colonne) {
    grid->SetDataSource(nullptr);
    controls::GridColumns& cols = grid->Columns();
    cols.Clear();
    const auto stati = ElencoStati(card);
    for (const ColonnaStati& c : colonne) {
        controls::GridColumn& col =
            cols.Add(c.campo, QString::fromStdString(card.services().TraduciCaption(c.titolo)))
                .SetWidth(c.larghezza);
        if (std::string(c.campo) == "STATO")
            col.SetKind(controls::CellKind::Combo).SetValueList(stati);
        else
            col.SetReadOnly(true);
    }
    SetStateCellCodes(card, grid);
}

const std::vector<ColonnaStati> kColonneOpzioni = {
    {"OPZIONE", "Opzione", 140}, {"DESCR_OPZIONE", "Descrizione", 260}, {"STATO", "Stato", 330}};

bool IsStateColumn(const controls::DataGrid* grid, int column) {
    return grid->Columns().Item(column).Field() == "STATO";
}

void SaveOnStateCloseUp(common::ItemCard& card, const char* procedure,
                        const controls::DataGrid* grid, int column,
                        const std::function<void()>& save) {
    common::Procedure p(card, procedure);
    p.step([&] {
        if (IsStateColumn(grid, column))
            save();
    });
}

bool PutTypedState(common::ItemCard& card, StateGrid* grid, db::Recordset* rs, long row,
                   const QString& testo) {
    try {
        if (!rs || row < 0 || row >= rs->recordCount())
            return false;
        const db::Value codice = CodeFromText(card, testo);
        if (codice.isEmpty())
            return false;
        grid->SetCurrentRow(row);
        rs->setValue("STATO", codice);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace states
