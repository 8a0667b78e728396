// The window's own tabs: the summary, the images and the linked managements.
// Programs link this library whole (veldrano_link_card_tabs), so that these
// registrations are kept.

#include "window/dati_anagrafici_tab.h"
#include "window/gestioni_tab.h"
#include "window/immagini_tab.h"

namespace card {
namespace {

const common::CardTabRegistration kDatiAnagrafici(common::kTabDatiAnagrafici,
                                                  [](common::ItemCard& c) {
                                                      return std::make_unique<DatiAnagraficiTab>(c);
                                                  });
const common::CardTabRegistration kImmagini(common::kTabImmagini, [](common::ItemCard& c) {
    return std::make_unique<ImmaginiTab>(c);
});
const common::CardTabRegistration kGestioni(common::kTabGestioni, [](common::ItemCard& c) {
    return std::make_unique<GestioniTab>(c);
});

}  // namespace
}  // namespace card
