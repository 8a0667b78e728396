#pragma once
// A grid whose drop-down cells hold states. A state cell is edited in a
// combo box that also takes typed text: choosing an entry (or typing its
// exact text) raises the grid's closeUp, as the drop-down would; any other
// typed text raises valueTyped, which the tab resolves against the state
// choice list. F4 or Alt+Down opens the list, typing starts a new text,
// Delete takes the cell's state away (the empty entry of the list).

#include <QString>
#include <functional>
#include <vector>

#include "common/forward.h"
#include "platform/controls/data_grid.h"
#include "platform/db/forward.h"

namespace states {

class StateGrid : public controls::DataGrid {
    Q_OBJECT
public:
    explicit StateGrid(QWidget* parent = nullptr);
    using controls::DataGrid::edit;

    // Types a text into a drop-down cell and confirms it, as the keyboard would.
    void TypeValue(long row, int column, const QString& text);
    // Whether the cell editor being opened was started by a key press.
    bool openedByKey() const { return openedByKey_; }

signals:
    void valueTyped(int column, long row, const QString& text);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool openedByKey_ = false;
};

// One column of a state grid: field, caption, width in pixels.
struct ColonnaStati {
    const char* campo;
    const char* titolo;
    int larghezza;
};
// Lays a state grid out, unbound: its columns in order, read only except
// STATO, a drop-down over the state choice list (stores Codice, shows
// Descrizione). The captions go through the host's translation.
void ConfiguraGrigliaStati(common::ItemCard& card, StateGrid* grid,
                           const std::vector<ColonnaStati>& colonne);
// The columns of a grid of a variant's options and their states.
extern const std::vector<ColonnaStati> kColonneOpzioni;

// The grid's column is the STATO one, the only one the user edits.
bool IsStateColumn(const controls::DataGrid* grid, int column);
// A grid's drop-down closed up (its _CloseUp procedure): the row is saved
// when the column is the STATO one.
void SaveOnStateCloseUp(common::ItemCard& card, const char* procedure,
                        const controls::DataGrid* grid, int column,
                        const std::function<void()>& save);
// A text typed into a row's STATO that names one state goes into the row,
// made the grid's current one; answers whether it did. Errors are ignored:
// such a text changes nothing.
bool PutTypedState(common::ItemCard& card, StateGrid* grid, db::Recordset* rs, long row,
                   const QString& testo);

}  // namespace states
