#pragma once
// The copy of a customer's or supplier's descriptions of a variant's options
// (MG5S_VARCLIFOR) into the grouping the item uses for that variant, as the
// grouping's own descriptions (MG5H_DESCR). Without a grouping one is
// created by the company's grouping-code mode and filled with exactly the
// options the counterpart has transcoded, in option-code order.
//
// The command belongs to the transcoding tab (its CMD_RIBALTA); the options
// tab hands it over when the window is built (ConnectDescriptionCopy).

#include <string>

#include "common/forward.h"

namespace groupings {

// What the transcoding tab has chosen.
struct DatiRibaltamento {
    std::string variante;             // "A0".."B9"
    std::string descrizioneVariante;  // text of the variant combo's entry
    std::string raggruppamento;       // the item's grouping of the variant; "" none
    int tipoCF = 0;                   // 0 customer, 1 supplier
    std::string cliFor;               // the counterpart's number
};

void CMD_RIBALTA_Click(common::ItemCard& card, const DatiRibaltamento& dati);
// Fills the new grouping codice with the counterpart's transcoded options,
// positions 1..n; answers false when the error report ended it.
bool CreaRaggruppamentoDaClifor(common::ItemCard& card, const DatiRibaltamento& dati,
                                const std::string& codice);

// Makes the transcoding tab's copy button run CMD_RIBALTA_Click with the
// tab's current choice.
void ConnectDescriptionCopy(common::ItemCard& card);

}  // namespace groupings
