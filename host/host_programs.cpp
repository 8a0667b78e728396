#include "host/host_programs.h"

#include <memory>

#include "host/anagrafica_articolo.h"
#include "host/gestione_host.h"
#include "platform/framework/component_registry.h"
#include "window/launcher_programs.h"

namespace host {

namespace {

struct Programma {
    const char* id;
    const char* title;
};

// The managements the card opens, with the title of their window.
const Programma kProgrammi[] = {
    {card::kProgStatiVariante, "Stati varianti"},
    {card::kProgStagioni, "Stagioni"},
    {card::kProgAssortimenti, "Assortimenti"},
    {card::kProgStampeGestionali, "Stampe gestionali"},
    {card::kProgDatiDivisionali, "Dati divisionali"},
    {card::kProgConsoleVarianti, "Configuratore varianti"},
    {card::kProgConsoleVariantiRaggr, "Configuratore varianti per raggruppamento"},
    {card::kProgDatiProduzione, "Dati di produzione"},
    {card::kProgProvenienzaProdotto, "Provenienza prodotto"},
    {card::kProgTipiProdotto, "Tipi prodotto"},
    {card::kProgReparti, "Reparti"},
    {card::kProgFasi, "Fasi lavorazione"},
    {card::kProgCommesse, "Commesse"},
    {card::kProgDistintaBase, "Distinta base"},
    {card::kProgDistintaFashion, "Distinta base fashion"},
    {card::kProgCicloLavorazione, "Gestione cicli"},
    {card::kProgAnagraficaCiclo, "Anagrafica cicli"},
    {card::kProgDuplicazioneCiclo, "Duplicazione cicli"},
    {card::kProgEsplosioneDistinta, "Esplosione distinta base"},
    {card::kProgStampaDistinta, "Stampa distinta base"},
    {card::kProgIdEreditagr, "Ereditariet\xC3\xA0 per raggruppamenti"},
    {card::kProgIdVincoli, "Configuratore varianti con regole"},
    // The item-code tabs open these on an item and variant article.
    {"MG.ARTCLI", "Articoli clienti"},
    {"MG.ARTFOR", "Articoli fornitori"},
};

}  // namespace

void RegisterHostPrograms() {
    for (const Programma& p : kProgrammi) {
        const std::string id = p.id, title = p.title;
        framework::RegisterComponent(
            id, [id, title] { return std::make_unique<GestioneHost>(id, title); });
    }
    framework::RegisterComponent(card::kProgAnagraficaArticolo,
                                 [] { return std::make_unique<CLSMG_ANAGRART>(); });
}

}  // namespace host
