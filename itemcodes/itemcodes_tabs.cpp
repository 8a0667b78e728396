// Tabs 10 and 11 of the item card, registered for the window.
#include <memory>

#include "itemcodes/artclifor_tab.h"

namespace itemcodes {
namespace {

const common::CardTabRegistration kClienti(common::kTabArtcli, [](common::ItemCard& card) {
    return std::make_unique<ArtCliForTab>(card, TipoClienti());
});

const common::CardTabRegistration kFornitori(common::kTabArtfor, [](common::ItemCard& card) {
    return std::make_unique<ArtCliForTab>(card, TipoFornitori());
});

}  // namespace
}  // namespace itemcodes
