#include "common/item_card.h"

#include <array>

namespace common {

namespace {

std::array<CardTabFactory, kTabCount>& factories() {
    static std::array<CardTabFactory, kTabCount> registry;
    return registry;
}

}  // namespace

void registerCardTab(int index, CardTabFactory factory) {
    if (index >= 0 && index < kTabCount)
        factories()[index] = std::move(factory);
}

const CardTabFactory* cardTabFactory(int index) {
    if (index < 0 || index >= kTabCount || !factories()[index])
        return nullptr;
    return &factories()[index];
}

const char* loaderName(int index) {
    static constexpr std::array<const char*, kTabCount> names = {"Tab_DatiAnagrafici",
                                                                 "Tab_GestioneVarianti",
                                                                 "Tab_TrascodificaVarianti",
                                                                 "Tab_AttivazioneVarianti",
                                                                 "Tab_StatiStagione",
                                                                 "Tab_StatiVariante",
                                                                 "Tab_StatiCombinazione",
                                                                 "Tab_Progressivi",
                                                                 "Tab_Immagini",
                                                                 "Tab_Gestioni",
                                                                 "Tab_Artcli",
                                                                 "Tab_Artfor",
                                                                 "Tab_Generad"};
    return index >= 0 && index < kTabCount ? names[index] : "";
}

}  // namespace common
