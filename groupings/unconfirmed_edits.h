#pragma once
// An option's code or description typed in the boxes of the options tab and
// not confirmed. A move to another row of either list shows that row in the
// boxes, as the lists always do; what was typed is then offered for storing,
// so that a click on the next row no longer throws it away unasked.

#include <QString>
#include <string>

#include "common/forward.h"
#include "platform/db/forward.h"

namespace groupings {

struct StatoOpzioni;

struct UnconfirmedOption {
    std::string code;
    QString description;
    bool isNew = false;  // a code typed after "Nuovo", not stored yet
    std::string variant, grouping;
};

// What the source boxes hold when the user has edited them since they last
// showed a row (empty code: nothing to offer); the mark is taken off.
UnconfirmedOption TakeUnconfirmedSource(StatoOpzioni& st);
// The same for the destination (composition) boxes.
UnconfirmedOption TakeUnconfirmedDestination(StatoOpzioni& st);
// Whether the edit still belongs to the variant and grouping on show.
bool StillApplies(const StatoOpzioni& st, const UnconfirmedOption& edit);
// "Le modifiche all'opzione … non sono state confermate: memorizzarle?" (91548).
bool AskToStore(common::ItemCard& card, const std::string& code);
// Moves the list to the row whose `field` holds the code; false when none.
bool MoveToOption(db::Recordset* rs, const char* field, const std::string& code);

// The destination side: stores the edit as its Conferma does and goes on
// to the row the user moved to.
void OfferUnconfirmedDestination(common::ItemCard& card, StatoOpzioni& st,
                                 const UnconfirmedOption& edit, const std::string& target);

}  // namespace groupings
