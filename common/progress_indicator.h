#pragma once
// The card's progress indicator (KOV_PROGRESS1) while a loader or a command
// works: a text of the catalogue ("Caricamento in corso...", 10044;
// "Elaborazione in corso...", 24146) and the hourglass; hiding it restores
// the normal pointer.

#include <string>

namespace common {

class ItemCard;

void ShowProgress(ItemCard& card, const std::string& testo, long numero);
void HideProgress(ItemCard& card);

}  // namespace common
