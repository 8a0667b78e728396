#include "groupings/ribalta_descrizioni.h"

#include <limits>
#include <stdexcept>

#include "common/item_card.h"
#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "groupings/codici_raggruppamento.h"
#include "groupings/groupings_sql.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "transcoding/stato_trascodifica.h"

namespace groupings {

using common::Procedure;

namespace {

const int kDomanda = common::vbYesNo + common::vbDefaultButton2 + common::vbQuestion;

// A counterpart code is a whole number: it is written unquoted.
bool numerico(const std::string& text) {
    return !text.empty() && text.size() <= 6 &&
           text.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

void CMD_RIBALTA_Click(common::ItemCard& card, const DatiRibaltamento& input) {
    common::WindowServices& ws = card.services();
    const std::string titolo = ws.TraduciTesto("Scheda articolo - varianti", 50877);
    DatiRibaltamento dati = input;
    dati.raggruppamento = common::NzValore(db::Value(dati.raggruppamento));
    dati.cliFor = common::NzValore(db::Value(dati.cliFor));
    // Nothing is asked or written without a variant and a counterpart.
    if (dati.variante.empty() || !numerico(dati.cliFor) || (dati.tipoCF != 0 && dati.tipoCF != 1)) {
        ws.VisualizzaMessaggio("Scegliere la variante e un codice cliente o fornitore numerico.",
                               91513, common::vbExclamation, titolo);
        return;
    }

    Procedure p(card, "CMD_RIBALTA_Click");
    bool fatto = false;
    // A question of the copy, its one parameter the name it speaks of: any
    // answer but Yes leaves the procedure.
    auto ask = [&](const std::string& text, long number, const std::string& name) {
        if (ws.VisualizzaMessaggio(text, number, kDomanda, titolo,
                                   std::vector<db::Value>{db::Value(name)}) != common::vbYes)
            p.leave();
    };
    if (!dati.raggruppamento.empty()) {
        p.step([&] {
            ask("Le descrizioni personalizzate del raggruppamento " + dati.raggruppamento +
                    " saranno sovrascritte.\nConfermi il ribaltamento ?",
                35377, dati.raggruppamento);
        });
        p.step([&] {
            card.connection().execute(sqlCopyCounterpartDescriptions(
                card.companyCode(), dati.variante, dati.raggruppamento, dati.tipoCF, dati.cliFor));
            fatto = true;
        });
    } else {
        p.step([&] {
            ask("Nessun raggruppamento associato alla variante " + dati.descrizioneVariante +
                    ". Vuoi crearne uno automatico ?",
                39078, dati.descrizioneVariante);
        });
        std::string codice;
        p.step([&] {
            codice = CreaRaggruppamentoAutomatico(card, dati.variante);
            if (codice.empty())
                p.leave();
        });
        p.step([&] {
            if (!CreaRaggruppamentoDaClifor(card, dati, codice))
                p.leave();
        });
        p.step([&] {
            ws.VisualizzaMessaggio("Creato codice raggruppamento '" + codice + "'", 16949,
                                   common::vbInformation, titolo,
                                   std::vector<db::Value>{db::Value(codice)});
            fatto = true;
        });
    }
    if (!fatto)
        return;
    p.step([&] { card.clearLoadedItem(common::kTabGestioneVarianti); });
    p.step([&] {
        ws.VisualizzaMessaggio("Elaborazione terminata.", 24233, common::vbInformation, titolo);
    });
}

bool CreaRaggruppamentoDaClifor(common::ItemCard& card, const DatiRibaltamento& dati,
                                const std::string& codice) {
    db::Connection& cn = card.connection();
    const std::string& ditta = card.companyCode();
    Procedure p(card, "CreaRaggruppamentoDaClifor");
    db::Recordset trascodifiche;
    p.step([&] {
        trascodifiche.open(
            sqlCounterpartTranscodings(ditta, dati.variante, dati.tipoCF, dati.cliFor), cn);
    });
    if (!p.running())
        return false;
    if (trascodifiche.recordCount() == 0)
        return true;
    db::Recordset righe;
    p.step([&] { righe.open(kSqlNoCompositionRows, cn); });
    long contatore = 1;
    for (trascodifiche.moveFirst(); p.running() && !trascodifiche.eof(); trascodifiche.moveNext()) {
        bool scritta = false;
        p.step([&] {
            if (contatore > std::numeric_limits<short>::max())
                throw std::overflow_error("Overflow: la posizione " + std::to_string(contatore) +
                                          " supera il massimo di 32767");
            righe.addNew();
            righe.setValue("MG5H_DITTA_CG18", common::NzNumero(db::Value(ditta)));
            righe.setValue("MG5H_CODICEVAR_MG5F", db::Value(dati.variante));
            righe.setValue("MG5H_RAGGR_MG5G", db::Value(codice));
            righe.setValue("MG5H_SEQOPZIONE", db::Value(contatore));
            righe.setValue("MG5H_OPZIONE_MG5E",
                           db::Value(common::NzStringa(trascodifiche.value("MG5S_OPZIONE_MG5E"))));
            // A blank description stays an empty text, not NULL.
            righe.setValue("MG5H_DESCR",
                           db::Value(common::NzStringa(trascodifiche.value("MG5S_DESCR"))));
            try {
                righe.updateBatch(db::Affect::Current);
            } catch (...) {
                righe.cancelBatch();
                throw;
            }
            scritta = true;
        });
        // A row skipped after an error takes no position: the grouping
        // stays numbered 1..n.
        if (scritta)
            ++contatore;
    }
    return p.running();
}

void ConnectDescriptionCopy(common::ItemCard& card) {
    auto& trascodifica = card.shared<transcoding::StatoTrascodifica>();
    trascodifica.CMD_RIBALTA_Click = [&card] {
        const auto& t = card.shared<transcoding::StatoTrascodifica>();
        DatiRibaltamento dati;
        dati.variante = t.variante;
        dati.descrizioneVariante = t.descrizioneVariante;
        dati.raggruppamento = t.raggruppamento;
        dati.tipoCF = t.tipoCF;
        dati.cliFor = t.cliFor;
        CMD_RIBALTA_Click(card, dati);
    };
}

}  // namespace groupings
