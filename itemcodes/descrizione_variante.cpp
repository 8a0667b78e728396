#include "itemcodes/descrizione_variante.h"

#include <QWidget>

#include "common/item_card.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "descriptions/calcdescrvar.h"
#include "platform/framework/component_registry.h"

namespace itemcodes {

namespace {

void segnala(common::ItemCard& card, const std::string& testo, long numero, int stato) {
    const std::string titolo = card.widget() ? card.widget()->windowTitle().toStdString() : "";
    card.services().VisualizzaMessaggio(testo + "\r" + "Stato: " + std::to_string(stato), numero,
                                        common::vbCritical, titolo,
                                        std::vector<db::Value>{db::Value(stato)});
}

}  // namespace

void AggiornaDescrizioneVariante(common::ItemCard& card, const std::string& codArt,
                                 const std::string& opzione) {
    std::unique_ptr<framework::Cinterface> oggetto;
    try {
        oggetto = card.createSibling(descriptions::kProgIdCalcDescrVar);
        auto* calc = dynamic_cast<descriptions::CalcDescrVar*>(oggetto.get());
        if (!calc)
            return;
        calc->SetProperty("ADOConnection", &card.connection());
        calc->SetProperty("ActiveInterface", card.Pcls_Interface());
        calc->SetProperty("ClsDittaCorrente", &card.company());
        calc->SetProperty("CodiceDitta", db::Value(card.companyCode()));
        calc->SetProperty("CodiceLingua", db::Value(""));
        calc->SetProperty("PrelevamentoDescrizioneArticoloBase", db::Value(0));
        calc->SetProperty("FlagMemorizzazioneSuDataBase", db::Value(false));
        calc->SetProperty("CodiceArticolo", db::Value(common::NzValore(db::Value(codArt), "")));
        calc->SetProperty("CodiceOpzione", db::Value(common::NzValore(db::Value(opzione), "")));
        calc->CalcolaDescrizioneOpzione();
        if (calc->Stato() == 0) {
            // The composed text stays in the calculator, which stores it.
            (void)calc->DescrizioneArticoloOpzione();
            calc->UpdateDescrizioneOpzione();
            if (calc->Stato() != 0) {
                segnala(card, "Errore in UpdateDescrizione !!!", 80574, calc->Stato());
            } else {
                calc->DuplicaScorteUbicazioniOpzione();
                if (calc->Stato() != 0)
                    segnala(card, "Errore in DuplicaScorteUbicazioniOpzione !!!", 80575,
                            calc->Stato());
            }
        }
    } catch (...) {
        // Errors are ignored here: the code is saved, only its description
        // stays as it was.
    }
    if (oggetto) {
        try {
            oggetto->SetProperty("ADOConnection", static_cast<db::Connection*>(nullptr));
            oggetto->SetProperty("ActiveInterface", static_cast<framework::Cinterface*>(nullptr));
            oggetto->SetProperty("ClsDittaCorrente",
                                 static_cast<const framework::Company*>(nullptr));
        } catch (...) {
        }
    }
}

}  // namespace itemcodes
