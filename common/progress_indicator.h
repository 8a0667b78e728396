#pragma once
// The card's progress indicator (KOV_PROGRESS1) while a loader or a command
// works: a text of the catalogue ("Caricamento in corso...", 10044;
// "Elaborazione in corso...", 24146) and the hourglass; hiding it restores
// the normal pointer.

#include <string>

class QLayout;
class QWidget;

namespace controls {
class ProgressPanel;
}

namespace common {

class ItemCard;

void ShowProgress(ItemCard& card, const std::string& testo, long numero);
void HideProgress(ItemCard& card);

// A page's own progress panel, hidden at the foot of its layout, for a card
// without one (a card of the tests); nullptr when the card has its own.
controls::ProgressPanel* OwnProgressPanel(ItemCard& card, QWidget* parent, QLayout* layout);

}  // namespace common
