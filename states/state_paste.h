#pragma once
// Blocks of state codes put into a state grid: pasted at the current cell
// (Ctrl+V, "Incolla") or read from an XLSX or CSV file ("Importa..."), as a
// spreadsheet takes them. Every cell is decoded first: a blank cell means
// no state (its assignment is deleted), a code names a state of the
// company; unknown codes and cells that fall outside the grid's state cells
// are listed by their row and column in the block and never written. The
// user then confirms how many cells change and are cleared, and the valid
// cells are written in one transaction: a fault at any statement leaves
// the assignments as they were.
//
// A file whose first row holds the grid's captions (or the fields' names)
// is read by them: its columns go to the grid's columns of that caption,
// its rows to the grid's rows whose first cell holds the same code, so a
// grid exported to a file and read back finds its own cells. Any other
// block goes at the current cell, position by position; whole rows copied
// from a grid that selects rows go back from the row's first column. A cell
// may also hold the text a state cell shows, as its editor copies it.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/forward.h"
#include "platform/controls/forward.h"
#include "platform/db/value.h"
#include "platform/exchange/csv.h"
#include "states/state_rows.h"

namespace states {

// The states of the company: identifier, code, description.
struct StateCode {
    db::Value id;
    std::string codice;
    std::string descrizione;
};
// Errors are ignored: the list is then empty.
std::vector<StateCode> StateCodes(common::ItemCard& card);
// Gives the grid's drop-down cells their state codes, so that copies and
// exports carry codes and a sheet of the states.
void SetStateCellCodes(common::ItemCard& card, controls::DataGrid* grid);

// Where the states of a grid are stored.
struct StateTarget {
    controls::DataGrid* grid = nullptr;
    std::string procedura;  // the name errors are reported under
    // The field of a grid column when its cells hold states; "" otherwise.
    std::function<std::string(int column)> campoStato;
    // The assignment the cell stands for; nullopt when the row has none.
    std::function<std::optional<RigaStato>(long row, const std::string& campo)> riga;
    // Shows the stored states again once written.
    std::function<void()> ricarica;
};

// The STATO column of a grid as a target's campoStato: "" for the others.
std::function<std::string(int column)> StateColumnOnly(controls::DataGrid* grid);

struct StateCell {
    long riga;
    std::string campo;
    db::Value stato;  // 0: no state
};
struct StateBlock {
    std::vector<StateCell> celle;        // cells whose state changes (or is cleared)
    int modificate = 0;                  // a new state
    int svuotate = 0;                    // no state any more
    int invariate = 0;                   // already so
    std::vector<std::string> rifiutate;  // "riga 3, colonna 2: codice XY sconosciuto"
};

// Decodes a block of texts for the grid; reads nothing but the states and
// the grid. fromFile: the block is a whole file (read by captions when it
// has them), else a paste at the current cell.
StateBlock DecodeStateBlock(common::ItemCard& card, const StateTarget& d,
                            const exchange::TextRows& righe, bool fromFile);
// Writes the decoded cells in one transaction (DELETE of each assignment,
// then INSERT of the new state). Answers whether it was committed.
bool WriteStateBlock(common::ItemCard& card, const StateTarget& d, const StateBlock& blocco);
// The user's whole command: decode, list the refused cells, confirm,
// write, reload. Obeys the host's right to change data.
void PasteStates(common::ItemCard& card, const StateTarget& d, const exchange::TextRows& righe,
                 bool fromFile);
// Makes the grid take pasted and imported blocks of states.
void EnableStatePaste(common::ItemCard& card, StateTarget d);

}  // namespace states
