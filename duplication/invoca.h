#pragma once
// Entry points of the "Duplica distinte" pane for the linked-management
// launcher. Both run a procedure of the pane hosted in tab 9's FRAME_DUPL
// and answer false when the card hosts no such pane. A launcher that cannot
// link this library reaches the same procedures by name:
//   common::runPaneProcedure(card, "CreazioneDistinte");
//   common::runPaneProcedure(card, "Invoca_DuplicazioneArticolo");

#include "common/forward.h"

namespace duplication {

// "kDuplicazioneDistinta": shows tab 9 with the pane on the current item.
bool CreazioneDistinte(common::ItemCard& card);
// Opens ZOLT_ARTDUPL.CLSMG_ARTDUPL on the current item and, when it created
// a new item, moves the window to it (CMD_DUPLART).
bool Invoca_DuplicazioneArticolo(common::ItemCard& card);

}  // namespace duplication
