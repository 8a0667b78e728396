// The item duplication started from the pane (CMD_DUPLART): the sibling
// ZOLT_ARTDUPL.CLSMG_ARTDUPL creates the new item, and the window moves to it.

#include "common/item_card.h"
#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "duplication/clsmg_artdupl.h"
#include "duplication/dupl_pane.h"
#include "duplication/invoca.h"
#include "platform/framework/cinterface.h"
#include "platform/framework/global.h"

namespace duplication {

void DuplPane::Invoca_DuplicazioneArticolo() {
    common::Procedure p(card(), "Invoca_DuplicazioneArticolo");
    articoloDuplicato_ = false;
    codiceDuplicato_.clear();
    std::unique_ptr<framework::Cinterface> sibling;
    p.step([&] {
        sibling = card().createSibling(kProgIdArtDupl);
        sibling->SetProperty("CodiceArticolo", db::Value(card().currentItem()));
    });
    p.step([&] {
        framework::Cinterface* host = card().Pcls_Interface();
        framework::Global* global = host ? host->ClsGlobal() : nullptr;
        if (global) {
            global->ShowComponent(*sibling, host);
        } else {
            sibling->SetConnection(&card().connection());
            sibling->SetWindowModal(true);
            sibling->ShowForm();
            sibling->CloseForm();
        }
    });
    p.step([&] {
        const db::Value done = sibling->GetProperty("ArticoloDuplicato");
        articoloDuplicato_ = done.type() == db::Value::Type::Bool && done.asBool();
        codiceDuplicato_ = common::NzStringa(sibling->GetProperty("CodiceArticoloDuplicato"));
        if (codiceDuplicato_.empty())
            articoloDuplicato_ = false;
    });
    // The card is the active component again once the management is closed.
    p.step([&] {
        framework::Cinterface* host = card().Pcls_Interface();
        if (host && host->ClsGlobal()) {
            host->SetIsActive(true);
            host->ClsGlobal()->SetActiveComponent(host);
        }
        card().services().SyncNavigator();
    });
}

void DuplPane::CMD_DUPLART_Click() {
    common::Procedure p(card(), "CMD_DUPLART_Click");
    p.step([&] { Invoca_DuplicazioneArticolo(); });
    p.step([&] {
        if (articoloDuplicato_)
            card().switchToItem(codiceDuplicato_);
    });
}

bool CreazioneDistinte(common::ItemCard& card) {
    return common::runPaneProcedure(card, "CreazioneDistinte");
}

bool Invoca_DuplicazioneArticolo(common::ItemCard& card) {
    return common::runPaneProcedure(card, "Invoca_DuplicazioneArticolo");
}

}  // namespace duplication
