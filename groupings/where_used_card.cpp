// Where the options tab and the groupings window open "Dove è usata…".
#include <QLineEdit>

#include "common/item_card.h"
#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "groupings/option_lists.h"
#include "groupings/retired_options.h"
#include "groupings/where_used.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_exchange.h"
#include "platform/controls/lookup_box.h"
#include "platform/db/recordset.h"
#include "platform/exchange/sheet.h"

namespace groupings {

namespace {

std::string opzioneCorrente(const db::Recordset* rs, const char* campo) {
    if (!rs || !rs->hasCurrentRow())
        return {};
    return exchange::RightTrimmed(common::NzStringa(rs->value(campo)));
}

}  // namespace

void AfterWhereUsedChange(common::ItemCard& card, const std::string& vecchio,
                          const std::string& nuovo, bool raggruppamento) {
    for (int tab = 0; tab < common::kLoadedItemTabs; ++tab)
        card.clearLoadedItem(tab);
    StatoOpzioni& st = card.shared<StatoOpzioni>();
    if (st.variante.empty())
        return;
    // Asked while the lists still show the old code.
    if (st.concludiModifiche)
        st.concludiModifiche();
    if (raggruppamento && st.raggruppamento == vecchio) {
        st.raggruppamento = nuovo;
        st.raggrRicordato = nuovo;
        st.raggrInserito = nuovo;
        if (st.TXT_RAGGR1)
            st.TXT_RAGGR1->SetText(QString::fromStdString(nuovo));
    }
    if (!raggruppamento && st.opzione == vecchio)
        st.opzione = nuovo;
    CaricaRaggruppamento(card, st.variante, st.raggruppamento, true, true, false);
    // The renamed option stays the current row of the source list.
    if (!raggruppamento && st.sorgente && st.GRDX_VARIANTI_SOURCE) {
        const int f = st.sorgente->fieldIndex("MG5E_OPZIONE");
        for (long r = 0; f >= 0 && r < st.sorgente->recordCount(); ++r)
            if (exchange::RightTrimmed(common::NzStringa(st.sorgente->valueAt(r, f))) == nuovo)
                st.GRDX_VARIANTI_SOURCE->SetCurrentRow(r);
    }
    // The tab is up to date again.
    card.setLoadedItem(common::kTabGestioneVarianti);
}

WhereUsedDialog* OpenOptionWhereUsed(common::ItemCard& card, const std::string& variante,
                                     const std::string& opzione) {
    if (variante.empty() || opzione.empty())
        return nullptr;
    UsedCode u{card.companyCode(), variante, opzione, 0, 0, {}};
    common::ItemCard* c = &card;
    auto* d = new WhereUsedDialog(
        card.connection(), card.services(), CodeKind::Option, u,
        [c](const std::string& vecchio, const std::string& nuovo) {
            AfterWhereUsedChange(*c, vecchio, nuovo, false);
        },
        card.widget());
    ShowInFront(d);
    return d;
}

WhereUsedDialog* OpenGroupingWhereUsed(db::Connection& cn, common::WindowServices& ws,
                                       const std::string& ditta, const std::string& variante,
                                       const std::string& raggruppamento,
                                       WhereUsedDialog::AfterChange after, QWidget* parent) {
    if (variante.empty() || raggruppamento.empty())
        return nullptr;
    auto* d = new WhereUsedDialog(cn, ws, CodeKind::Grouping,
                                  UsedCode{ditta, variante, raggruppamento, 0, 0, {}},
                                  std::move(after), parent);
    ShowInFront(d);
    return d;
}

void ConnectWhereUsed(common::ItemCard& card) {
    MostraOpzioniRitirate(card);
    StatoOpzioni& st = card.shared<StatoOpzioni>();
    common::ItemCard* c = &card;
    const QString testo = QStringLiteral("Dove \u00e8 usata\u2026");
    if (auto* ex = controls::GridExchange::Of(st.GRDX_VARIANTI_SOURCE))
        ex->AddMenuEntry(testo, [c] {
            StatoOpzioni& s = c->shared<StatoOpzioni>();
            OpenOptionWhereUsed(*c, s.variante, opzioneCorrente(s.sorgente.get(), "MG5E_OPZIONE"));
        });
    if (auto* ex = controls::GridExchange::Of(st.GRDX_VARIANTI_DESTI))
        ex->AddMenuEntry(testo, [c] {
            StatoOpzioni& s = c->shared<StatoOpzioni>();
            OpenOptionWhereUsed(*c, s.variante,
                                opzioneCorrente(s.destinazione.get(), "MG5H_OPZIONE_MG5E"));
        });
}

void OfferWhereUsed(common::ItemCard& card, const std::vector<std::string>& opzioni,
                    const std::string& title) {
    common::WindowServices& ws = card.services();
    ws.VisualizzaMessaggio(
        "Le opzioni selezionate sono gia' state utilizzate. Impossibile eliminarle.", 35398,
        common::vbCritical + common::vbOKOnly, title);
    const int risposta = ws.VisualizzaMessaggio(
        "Vuoi vedere dove sono usate?", 91816,
        common::vbYesNo + common::vbDefaultButton2 + common::vbQuestion, title);
    if (risposta != common::vbYes)
        return;
    const std::string variante = card.shared<StatoOpzioni>().variante;
    for (const std::string& opzione : opzioni)
        OpenOptionWhereUsed(card, variante, exchange::RightTrimmed(opzione));
}

}  // namespace groupings
