// The Invoca_ procedures of the launcher: each has the host open one
// management for the current item, trapped under its own name, and hands the
// card back to the host as the active component once it is closed.

#include <memory>

#include "common/card_pane.h"
#include "common/item_card.h"
#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "groupings/option_lists.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/framework/cinterface.h"
#include "platform/framework/component_registry.h"
#include "platform/framework/global.h"
#include "window/launcher.h"
#include "window/launcher_programs.h"
#include "window/window_sql.h"

namespace card {

namespace {

using common::ItemCard;
using common::Procedure;

// "L'articolo %1 restituito dall'anagrafica non è stato trovato: ..."
constexpr long kMsgArticoloNonTrovato = 91401;

// The launcher's own window state: the item code the item master handed
// back (kind 101).
struct StatoLanciatore {
    std::string codiceTrasferito;
};

framework::Global* hostGlobal(ItemCard& card) {
    framework::Cinterface* host = card.Pcls_Interface();
    return host ? host->ClsGlobal() : nullptr;
}

framework::ProgramContext contestoArticolo(ItemCard& card) {
    return {{kCtxArticolo, db::Value(card.currentItem())}};
}

// The host's launch for the current item; the card is active again after it.
void apri(ItemCard& card, const char* program) {
    card.openProgram(program, contestoArticolo(card));
}

// Shows a component the card created by identifier, as the host shows its
// own (modal, at 800/1200); without a host, on the card's connection.
void MostraComponente(ItemCard& card, framework::Cinterface& component) {
    framework::Cinterface* host = card.Pcls_Interface();
    if (framework::Global* global = hostGlobal(card)) {
        global->ShowComponent(component, host, 800, 1200);
        return;
    }
    component.SetConnection(&card.connection());
    component.SetTop(db::Value(800));
    component.SetLeft(db::Value(1200));
    component.SetWindowModal(true);
    component.ShowForm();
    component.CloseForm();
}

// The management has been closed: the card is the host's active component
// again and the navigator follows its frame.
void RiattivaScheda(ItemCard& card) {
    framework::Cinterface* host = card.Pcls_Interface();
    if (framework::Global* global = hostGlobal(card)) {
        host->SetIsActive(true);
        global->SetActiveComponent(host);
    }
    card.services().SyncNavigator();
}

// A host program the card keeps after it is closed, to read its answers.
std::unique_ptr<framework::Cinterface> ApriProgramma(ItemCard& card, const char* program,
                                                     const framework::ProgramContext& context) {
    std::unique_ptr<framework::Cinterface> p =
        hostGlobal(card) ? framework::CreateObject(program) : card.createSibling(program);
    for (const auto& [name, value] : context)
        p->SetProperty(name, value);
    MostraComponente(card, *p);
    return p;
}

int intero(const db::Value& v) {
    return static_cast<int>(db::integerOf(v));
}

// The routing managements open on the item and its standard routing.
void apriCiclo(ItemCard& card, const char* program, Procedure& p) {
    std::string ciclo;
    p.step([&] { ciclo = RecuperaCicloSTD(card); });
    p.step([&] {
        card.openProgram(program, {{kCtxArticolo, db::Value(card.currentItem())},
                                   {kCtxCiclo, db::Value(ciclo)}});
    });
}

}  // namespace

std::string RecuperaCicloSTD(ItemCard& card) {
    if (common::NzStringa(db::Value(card.currentItem())).empty())
        return {};
    db::Recordset rs;
    rs.open(sqlStandardRouting(card.companyCode(), card.currentItem()), card.connection());
    std::string ciclo;
    if (rs.recordCount() > 0) {
        rs.moveFirst();
        ciclo = common::NzStringa(rs.value("PD18_CODCICLO"));
    }
    return ciclo;
}

void Gcls_ConnectMagazzino_DataTransfer(ItemCard& card, const db::Value& data, int kind) {
    if (kind == kTrasferimentoArticolo)
        card.shared<StatoLanciatore>().codiceTrasferito = common::NzValore(data, "");
}

void Invoca_AnagraficaArticolo(ItemCard& card) {
    Procedure p(card, "Invoca_AnagraficaArticolo");
    const std::string prima = card.currentItem();
    StatoLanciatore& stato = card.shared<StatoLanciatore>();
    stato.codiceTrasferito = prima;
    std::unique_ptr<framework::Cinterface> anagrafica;
    p.step(
        [&] { anagrafica = ApriProgramma(card, kProgAnagraficaArticolo, contestoArticolo(card)); });
    p.step([&] {
        Gcls_ConnectMagazzino_DataTransfer(card, anagrafica->GetProperty(kRispostaDati),
                                           intero(anagrafica->GetProperty(kRispostaTipo)));
    });
    p.step([&] { RiattivaScheda(card); });
    // Another item handed back: the card moves to it as if its code were
    // typed; the current tab loads for it. One that cannot be found leaves
    // the card on the item it was showing.
    p.step([&] {
        const std::string codice = common::WithoutApostrophes(stato.codiceTrasferito);
        if (codice.empty() || codice == prima)
            return;
        if (card.switchToItem(codice))
            return;
        card.switchToItem(prima);
        common::WindowServices& ws = card.services();
        ws.VisualizzaMessaggio("L'articolo " + codice +
                                   " restituito dall'anagrafica non \xC3\xA8 stato trovato: la "
                                   "scheda resta sull'articolo " +
                                   prima + ".",
                               kMsgArticoloNonTrovato, common::vbExclamation,
                               ws.TraduciTesto("Avviso Utente", 8522),
                               std::vector<db::Value>{db::Value(codice), db::Value(prima)});
    });
}

void InvocaConsoleVarianti(ItemCard& card) {
    Procedure p(card, "InvocaConsoleVarianti");
    p.step([&] {
        const auto& opzioni = card.shared<groupings::StatoOpzioni>();
        const std::string variante = common::NzStringa(db::Value(opzioni.variante));
        const std::string raggr = common::NzStringa(db::Value(opzioni.raggruppamento));
        // The grouping's "none" mark is no grouping either.
        const bool scelti =
            !variante.empty() && !raggr.empty() && raggr != groupings::kNessunRaggruppamento;
        framework::ProgramContext context = contestoArticolo(card);
        context[kCtxVariante] = db::Value(scelti ? variante : std::string());
        context[kCtxRaggruppamento] = db::Value(scelti ? raggr : std::string());
        card.openProgram(scelti ? kProgConsoleVariantiRaggr : kProgConsoleVarianti, context);
    });
}

void Invoca_ConfigVarianti(ItemCard& card) {
    Procedure p(card, "Invoca_ConfigVarianti");
    p.step([&] { InvocaConsoleVarianti(card); });
}

void Invoca_Vincoli(ItemCard& card) {
    Procedure p(card, "Invoca_Vincoli");
    std::unique_ptr<framework::Cinterface> vincoli;
    p.step([&] { vincoli = card.createSibling(kProgIdVincoli); });
    p.step([&] { vincoli->SetProperty(kCtxCodiceEsterno, db::Value(card.currentItem())); });
    p.step([&] { MostraComponente(card, *vincoli); });
    p.step([&] { RiattivaScheda(card); });
}

void Invoca_Ereditagr(ItemCard& card) {
    Procedure p(card, "Invoca_Ereditagr");
    std::unique_ptr<framework::Cinterface> ereditagr;
    p.step([&] { ereditagr = card.createSibling(kProgIdEreditagr); });
    p.step([&] { ereditagr->SetProperty(kCtxArticolo, db::Value(card.currentItem())); });
    p.step([&] { MostraComponente(card, *ereditagr); });
    p.step([&] { RiattivaScheda(card); });
}

void Invoca_StatiVariante(ItemCard& card) {
    Procedure p(card, "Invoca_StatiVariante");
    p.step([&] { apri(card, kProgStatiVariante); });
}

void Invoca_Stagioni(ItemCard& card) {
    Procedure p(card, "Invoca_Stagioni");
    p.step([&] { apri(card, kProgStagioni); });
}

void Invoca_Assortimenti(ItemCard& card) {
    Procedure p(card, "Invoca_Assortimenti");
    p.step([&] { apri(card, kProgAssortimenti); });
}

void Invoca_StampeGestionali(ItemCard& card) {
    Procedure p(card, "Invoca_StampeGestionali");
    p.step([&] { apri(card, kProgStampeGestionali); });
}

void Invoca_Divisionali(ItemCard& card) {
    Procedure p(card, "Invoca_Divisionali");
    p.step([&] { apri(card, kProgDatiDivisionali); });
}

void Invoca_DatiProduzione(ItemCard& card) {
    Procedure p(card, "Invoca_DatiProduzione");
    p.step([&] { apri(card, kProgDatiProduzione); });
}

void Invoca_ProvenienzaProdotto(ItemCard& card) {
    Procedure p(card, "Invoca_ProvenienzaProdotto");
    p.step([&] { apri(card, kProgProvenienzaProdotto); });
}

void Invoca_TipiProdotto(ItemCard& card) {
    Procedure p(card, "Invoca_TipiProdotto");
    p.step([&] { apri(card, kProgTipiProdotto); });
}

void Invoca_Reparti(ItemCard& card) {
    Procedure p(card, "Invoca_Reparti");
    p.step([&] { apri(card, kProgReparti); });
}

void Invoca_Fasi(ItemCard& card) {
    Procedure p(card, "Invoca_Fasi");
    p.step([&] { apri(card, kProgFasi); });
}

void Invoca_Commesse(ItemCard& card) {
    Procedure p(card, "Invoca_Commesse");
    p.step([&] { apri(card, kProgCommesse); });
}

void Invoca_Disba(ItemCard& card) {
    Procedure p(card, "Invoca_Disba");
    p.step([&] { apri(card, kProgDistintaBase); });
}

void Invoca_DisbaFashion(ItemCard& card) {
    Procedure p(card, "Invoca_DisbaFashion");
    p.step([&] { apri(card, kProgDistintaFashion); });
}

void Invoca_CicloLavorazione(ItemCard& card) {
    Procedure p(card, "Invoca_CicloLavorazione");
    apriCiclo(card, kProgCicloLavorazione, p);
}

void Invoca_AnagraficaCiclo(ItemCard& card) {
    Procedure p(card, "Invoca_AnagraficaCiclo");
    p.step([&] { apri(card, kProgAnagraficaCiclo); });
}

void Invoca_DuplicazioneCiclo(ItemCard& card) {
    Procedure p(card, "Invoca_DuplicazioneCiclo");
    apriCiclo(card, kProgDuplicazioneCiclo, p);
}

void Invoca_EsplosioneDistinta(ItemCard& card) {
    Procedure p(card, "Invoca_EsplosioneDistinta");
    p.step([&] { apri(card, kProgEsplosioneDistinta); });
}

void Invoca_StampaRubricaDistinta(ItemCard& card) {
    Procedure p(card, "Invoca_StampaRubricaDistinta");
    p.step([&] { apri(card, kProgStampaDistinta); });
}

void CreazioneDistinte(ItemCard& card) {
    // The pane of tab 9 has the procedure (the tab is built when first asked
    // for); a card without it has nothing to show.
    card.tab(common::kTabGestioni);
    common::runPaneProcedure(card, "CreazioneDistinte");
}

}  // namespace card
