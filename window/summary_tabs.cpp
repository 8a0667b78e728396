// The window's own tabs: the summary, the images and the linked managements.
// Programs link this library whole (veldrano_link_card_tabs), so that these
// registrations are kept.

#include "window/dati_anagrafici_tab.h"
#include "window/gestioni_tab.h"
#include "window/immagini_tab.h"

namespace card {
namespace {

const common::RegisteredTab<DatiAnagraficiTab> kDatiAnagrafici(common::kTabDatiAnagrafici);
const common::RegisteredTab<ImmaginiTab> kImmagini(common::kTabImmagini);
const common::RegisteredTab<GestioniTab> kGestioni(common::kTabGestioni);

}  // namespace
}  // namespace card
