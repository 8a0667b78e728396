#pragma once
// What the transcoding tab shares with the copy command of its editing area
// (copying a customer's or supplier's descriptions into the item's grouping):
// the variant, the grouping, the counterpart, and the command's button.
// One object per window, ItemCard::shared<StatoTrascodifica>(); the tab keeps
// the values current and calls CMD_RIBALTA_Click when the button is pressed.
// Header only, so the owner of the command needs no link to the tab.

#include <QPointer>
#include <QPushButton>
#include <functional>
#include <string>

namespace transcoding {

struct StatoTrascodifica {
    std::string variante;             // {Var}: "A0".."B9"; "" while none is chosen
    std::string descrizioneVariante;  // text of CBO_TIPOVAR2's current entry
    std::string raggruppamento;       // the item's grouping for the variant; "" none
    int tipoCF = 0;                   // CBO_CLIFOR: 0 customer, 1 supplier
    std::string cliFor;               // TXT_CLIFOR: the counterpart's number, as typed
    bool filtro = false;              // only the grouping's options are listed

    // Enabled with the editing area, once a variant and a known counterpart
    // are chosen.
    QPointer<QPushButton> CMD_RIBALTA;
    // The copy command; while nobody provides it the button does nothing.
    std::function<void()> CMD_RIBALTA_Click;
};

}  // namespace transcoding
