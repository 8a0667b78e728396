#pragma once
// The variant choice list of the card's tabs: the item's active variants
// (MG6B_FLGGESTVAR = 1), each shown by its description with its position
// 0..19 ("A0" is 0, "B9" is 19) as item data, in the order the database
// returns them. Used by the options, transcoding, states and progressives
// tabs.
//
//   CaricaComboVarianti(card(), CBO_TIPOVAR2);
//   std::string var = common::codiceVariante(CBO_TIPOVAR2->currentData().toInt());
//
// The combo is left with no entry selected and raises no signal while it is
// filled. Errors go to the error report as "CaricaComboVarianti".

#include "common/forward.h"

class QComboBox;

namespace groupings {

void CaricaComboVarianti(common::ItemCard& card, QComboBox* combo);

}  // namespace groupings
