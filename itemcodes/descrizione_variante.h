#pragma once
// AggiornaDescrizioneVariante: after a code for a variant article is saved,
// the description of that variant article is computed and stored again by
// the framework's description calculator (QELTA_DESCRVARIANTI.CLSFW_CALCDESCRVAR,
// a new instance per call).

#include <string>

#include "common/forward.h"

namespace itemcodes {

// Errors are ignored; a calculator that answers a state other than 0 is
// reported with message 80574 (storing) or 80575 (stock locations).
void AggiornaDescrizioneVariante(common::ItemCard& card, const std::string& codArt,
                                 const std::string& opzione);

}  // namespace itemcodes
