#pragma once
// The rows of a state grid: read from the grid's work table, and each
// state assignment written at once: the empty state (0) deletes the
// row the condition finds; any other state updates that row, or adds one
// with the columns given, through an optimistic client-side recordset. An
// expired state is written only once the user confirms it.

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/forward.h"
#include "platform/db/forward.h"
#include "platform/db/value.h"

namespace states {

struct RigaStato {
    std::string tabella;     // "MG5W_PROVSTATI", "MG5U_VARSTAG"
    std::string condizione;  // " WHERE ..." finding the one row of the assignment
    std::string campoStato;  // "MG5W_IDSTATOVAR_MG5V"
    // Columns of a new row, besides the state.
    std::vector<std::pair<std::string, db::Value>> nuova;
};

// Runs the statements as steps of the calling procedure, so its error
// report names it. Answers the state the row holds afterwards: the new
// state, Null once deleted, or the state stored when the write did not
// happen (an expired state not confirmed, a write refused or failed).
db::Value WriteState(common::Procedure& p, common::ItemCard& card, const RigaStato& riga,
                     const db::Value& stato);
// Both mean the same state (Null and 0 alike are none).
bool SameState(const db::Value& a, const db::Value& b);
// Writes the state in the STATO of the recordset's current row; a row whose
// state was not written shows the state stored again.
void SaveRowState(common::Procedure& p, common::ItemCard& card, const RigaStato& riga,
                  db::Recordset& rs);

// A grid's work table made anew, as two steps of p: the old one dropped,
// then the statement fill() gives run.
void FillWorkTable(common::Procedure& p, common::ItemCard& card, const std::string& table,
                   const std::function<std::string()>& fill);
// The rows a grid shows, on the first one when there is one.
std::unique_ptr<db::Recordset> OpenOnFirstRow(common::ItemCard& card, const std::string& select);

}  // namespace states
