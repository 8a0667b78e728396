#include "groupings/codici_raggruppamento.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "common/item_card.h"
#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "groupings/frmmg_raggr.h"
#include "groupings/groupings_sql.h"
#include "groupings/option_lists.h"
#include "groupings/where_used.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/lookup_box.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace groupings {

using common::Procedure;

namespace {

const char* const kTitoloVarianti = "Scheda articolo - varianti";
const int kDomanda = common::vbYesNo + common::vbDefaultButton2 + common::vbQuestion;

StatoOpzioni& stato(common::ItemCard& card) {
    return card.shared<StatoOpzioni>();
}

// Right-trimmed; blank gives empty text.
std::string pulito(const std::string& text) {
    return common::NzValore(db::Value(text));
}

std::string testoRaggr(const StatoOpzioni& st) {
    return st.TXT_RAGGR1 ? pulito(st.TXT_RAGGR1->Text().toStdString()) : std::string();
}

bool trovato(const StatoOpzioni& st) {
    return !st.TXT_RAGGR1 || st.TXT_RAGGR1->Found();
}

// The box's text for the remembered and entered groupings: blank is the
// no-grouping marker.
std::string marcato(const std::string& raggr) {
    return raggr.empty() ? std::string(kNessunRaggruppamento) : raggr;
}
std::string smarcato(const std::string& raggr) {
    return raggr == kNessunRaggruppamento ? std::string() : raggr;
}

bool haRigaVariante(const StatoOpzioni& st) {
    return st.rigaVariante && st.rigaVariante->isOpen() && st.rigaVariante->recordCount() == 1;
}

// MG6B_CODRAGGVAR_MG5G of the variant row ("" for NULL or blank).
std::string raggrVariante(StatoOpzioni& st) {
    if (!haRigaVariante(st))
        return {};
    st.rigaVariante->moveFirst();
    return common::NzValore(st.rigaVariante->value("MG6B_CODRAGGVAR_MG5G"));
}

// Writes the variant's grouping at once ("" as NULL).
void scriviRaggrVariante(StatoOpzioni& st, const std::string& raggr) {
    if (!haRigaVariante(st))
        return;
    db::Recordset& riga = *st.rigaVariante;
    riga.moveFirst();
    riga.setValue("MG6B_CODRAGGVAR_MG5G", raggr.empty() ? db::Value::null() : db::Value(raggr));
    try {
        riga.updateBatch(db::Affect::Current);
    } catch (...) {
        riga.cancelBatch();
        throw;
    }
}

void abilita(QWidget* w, bool on) {
    if (w)
        w->setEnabled(on);
}

std::string descrizioneArticolo(common::ItemCard& card) {
    db::Recordset* item = card.itemRecordset();
    if (!item || !item->hasCurrentRow())
        return {};
    return common::NzValore(item->value("MG66_DESCART"));
}

// The first 40 characters (not bytes) of a text.
std::string primi40(const std::string& text) {
    const QString t = QString::fromStdString(text);
    return t.size() > 40 ? t.left(40).toStdString() : text;
}

}  // namespace

// ------------------------------------------------------------- statements

std::string NextGroupingCode(const std::string& variante, const std::string& ultimo) {
    const long long numero = db::integerOf(common::NzNumero(db::Value(pulito(ultimo))));
    const std::string cifre = "000000" + std::to_string(numero + 1);
    return variante + "-" + cifre.substr(cifre.size() - 6);
}

// ------------------------------------------------------------ the box

void TXT_RAGGR1_StartLookup(common::ItemCard& card) {
    StatoOpzioni& st = stato(card);
    Procedure p(card, "TXT_RAGGR1_StartLookup");
    p.step([&] {
        if (st.TXT_RAGGR1)
            controls::ApplyLookup(*st.TXT_RAGGR1, card.lookups().Groupings(st.variante));
    });
}

void TXT_RAGGR1_StartDecode(common::ItemCard& card) {
    StatoOpzioni& st = stato(card);
    Procedure p(card, "TXT_RAGGR1_StartDecode");
    // The service quotes the code itself, doubling its apostrophes.
    p.step([&] {
        if (st.TXT_RAGGR1)
            controls::ApplyDecode(*st.TXT_RAGGR1,
                                  card.lookups().DecodeGrouping(st.variante, testoRaggr(st)));
    });
}

void DecodeItemGrouping(common::ItemCard& card) {
    StatoOpzioni& st = stato(card);
    if (!st.TXT_RAGGR1)
        return;
    const std::string codice = testoRaggr(st);
    std::string descrizione;
    bool found = true;
    if (!codice.empty()) {
        db::Recordset rs;
        rs.open(card.lookups().DecodeGrouping(st.variante, codice).sql, card.connection());
        found = rs.recordCount() > 0;
        if (found)
            descrizione = common::NzStringa(rs.value("MG5G_DESCRRAGGVAR"));
    }
    st.TXT_RAGGR1->SetFound(found);
    if (st.TXT_DESRAGGR1)
        st.TXT_DESRAGGR1->setText(QString::fromStdString(descrizione));
}

bool AbilitaGestioneOpzioni(common::ItemCard& card, bool found, bool ancheSorgente) {
    StatoOpzioni& st = stato(card);
    if (QCheckBox* flag = card.CHK_FLGVARART(); flag && !flag->isChecked())
        found = false;
    abilita(st.TXT_RAGGR1, found && st.raggrAmmesso);
    for (QWidget* w :
         {static_cast<QWidget*>(st.CMD_DASELEZ), static_cast<QWidget*>(st.CMD_RUBRICA1),
          static_cast<QWidget*>(st.CMD_SEARCH), static_cast<QWidget*>(st.CMD_OPZORIG_NUOVO),
          static_cast<QWidget*>(st.CMD_OPZORIG_SALVA),
          static_cast<QWidget*>(st.CMD_OPZORIG_ELIMINA), static_cast<QWidget*>(st.CMD_ADDSEL),
          static_cast<QWidget*>(st.CMD_TOGLISEL), static_cast<QWidget*>(st.GRDX_VARIANTI_DESTI),
          static_cast<QWidget*>(st.TXT_DESOPZIONE_DEST)})
        abilita(w, found);
    abilita(st.TXT_OPZIONE_ORIG, false);
    abilita(st.TXT_OPZIONE_DEST, false);
    if (ancheSorgente) {
        abilita(st.GRDX_VARIANTI_SOURCE, found);
        abilita(st.TXT_DESOPZIONE_ORIG, found);
    }
    return found;
}

void TXT_RAGGR1_AfterItem(common::ItemCard& card) {
    StatoOpzioni& st = stato(card);
    if (!st.TXT_RAGGR1)
        return;
    common::WindowServices& ws = card.services();
    Procedure p(card, "TXT_RAGGR1_AfterItem");
    bool found = true;
    p.step([&] {
        st.raggruppamento = testoRaggr(st);
        found = trovato(st);
        if (!st.TXT_DESRAGGR1)
            return;
        // The description of the code just decoded or chosen; a code that
        // does not exist has none yet.
        if (st.raggruppamento.empty() || !found)
            st.TXT_DESRAGGR1->clear();
        else if (common::NzStringa(st.TXT_RAGGR1->ItemValue(QStringLiteral("MG5G_CODRAGGVAR"))) ==
                 st.raggruppamento)
            st.TXT_DESRAGGR1->setText(QString::fromStdString(
                common::NzStringa(st.TXT_RAGGR1->ItemValue(QStringLiteral("MG5G_DESCRRAGGVAR")))));
    });
    p.step([&] {
        if (found || st.variante.empty())
            return;
        // The other statements place grouping codes between quotes: a code
        // with an apostrophe is not created.
        if (st.raggruppamento.find('\'') != std::string::npos) {
            ws.VisualizzaMessaggio(
                "Il codice raggruppamento non pu\xC3\xB2 contenere il carattere apice (')", 91510,
                common::vbExclamation, "Scheda articolo");
            return;
        }
        if (ws.VisualizzaMessaggio("Codice raggruppamento inesistente, vuoi crearlo ?", 91511,
                                   kDomanda, "Scheda articolo") != common::vbYes)
            return;
        const std::string descr =
            st.TXT_DESRAGGR1 ? pulito(st.TXT_DESRAGGR1->text().toStdString()) : std::string();
        if (!InserisciRaggruppamento(card, st.variante, st.raggruppamento, descr))
            return;
        found = true;
        st.TXT_RAGGR1->SetFound(true);
        if (st.TXT_DESRAGGR1) {
            st.TXT_DESRAGGR1->setEnabled(true);
            st.TXT_DESRAGGR1->setFocus();
        }
    });
    p.step([&] { found = AbilitaGestioneOpzioni(card, found, false); });
    p.step([&] {
        if (found) {
            abilita(st.CMD_ASSOCIA, raggrVariante(st) != st.raggruppamento);
        } else {
            abilita(st.CMD_ASSOCIA, false);
            abilita(st.TXT_RAGGR1, st.raggrAmmesso);
        }
    });
    p.step([&] { CaricaRaggruppamento(card, st.variante, st.raggruppamento, true, true, false); });
    p.step([&] {
        // A code typed back to the remembered one is no change: leaving
        // then asks nothing.
        st.raggrInserito = marcato(st.raggruppamento);
        st.raggrCambiato = st.raggrInserito != st.raggrRicordato;
    });
}

void TXT_DESRAGGR1_Validate(common::ItemCard& card) {
    StatoOpzioni& st = stato(card);
    if (!st.TXT_DESRAGGR1 || !st.TXT_DESRAGGR1->isEnabled())
        return;
    Procedure p(card, "TXT_DESRAGGR1_Validate");
    p.step([&] {
        const std::string descr = primi40(st.TXT_DESRAGGR1->text().toStdString());
        card.connection().execute(
            sqlSetGroupingDescription(card.companyCode(), st.variante, st.raggruppamento, descr));
    });
    p.step([&] { st.TXT_DESRAGGR1->setEnabled(false); });
}

void CMD_ASSOCIA_Click(common::ItemCard& card) {
    StatoOpzioni& st = stato(card);
    if (!trovato(st))
        return;
    Procedure p(card, "CMD_ASSOCIA_Click");
    p.step([&] { scriviRaggrVariante(st, st.raggruppamento); });
    if (!p.running())
        return;
    p.step([&] {
        abilita(st.CMD_ASSOCIA, false);
        st.articoloRicordato = card.currentItem();
        st.varianteRicordata = st.variante;
        st.raggrRicordato = marcato(testoRaggr(st));
        st.raggrInserito = st.raggrRicordato;
        st.raggrCambiato = false;
    });
    p.step([&] {
        card.clearLoadedItems({common::kTabAttivazioneVarianti, common::kTabTrascodificaVarianti,
                               common::kTabStatiCombinazione, common::kTabStatiStagione,
                               common::kTabStatiVariante});
    });
}

// ------------------------------------------------------ leaving the tab

std::string GetDescrVariante(common::ItemCard& card, const std::string& variante) {
    db::Recordset rs;
    rs.open(sqlVariantCaption(card.companyCode(), variante), card.connection());
    return rs.recordCount() == 1 ? common::NzStringa(rs.value("MG5F_DESCR_VAR")) : std::string();
}

void CheckCambioRaggr(common::ItemCard& card) {
    StatoOpzioni& st = stato(card);
    if (st.variante.empty() || !st.TXT_RAGGR1)
        return;
    common::WindowServices& ws = card.services();
    Procedure p(card, "CheckCambioRaggr");
    auto concludi = [&] {
        st.raggrCambiato = false;
        abilita(st.CMD_ASSOCIA, false);
        card.clearLoadedItem(common::kTabGestioneVarianti);
    };
    // A code still being typed (the navigator leaves the box without taking
    // its focus) is decided first, as leaving the box would.
    p.step([&] { st.TXT_RAGGR1->DecodePending(); });
    if (!p.running())
        return;
    if (!trovato(st)) {
        // A code that does not exist is never associated.
        p.step([&] { scriviRaggrVariante(st, ""); });
        p.step(concludi);
        return;
    }
    const std::string nuovo = smarcato(st.raggrInserito);
    const std::string vecchio = smarcato(st.raggrRicordato);
    if (!st.raggrCambiato)
        return;
    std::string descrizione;
    p.step([&] { descrizione = GetDescrVariante(card, st.variante); });
    int risposta = common::vbNo;
    p.step([&] {
        if (!nuovo.empty())
            risposta = ws.VisualizzaMessaggio(
                "E' stato modificato il raggruppamento (" + nuovo + ") per la variante " +
                    descrizione + ".\r\nSi vuole associare il raggruppamento alla variante ?",
                76547, kDomanda, ws.TraduciTesto(kTitoloVarianti, 50877),
                std::vector<db::Value>{db::Value(nuovo), db::Value(descrizione)});
        else
            risposta = ws.VisualizzaMessaggio(
                "E' stato tolto il raggruppamento alla variante " + descrizione +
                    ".\r\nSi vuole confermare questa impostazione ?",
                76546, kDomanda, ws.TraduciTesto(kTitoloVarianti, 50877),
                std::vector<db::Value>{db::Value(vecchio), db::Value(descrizione)});
    });
    p.step([&] { scriviRaggrVariante(st, risposta == common::vbYes ? nuovo : vecchio); });
    p.step(concludi);
}

// ------------------------------------------------------- automatic codes

bool InserisciRaggruppamento(common::ItemCard& card, const std::string& variante,
                             const std::string& raggruppamento, const std::string& descrizione) {
    Procedure p(card, "InserisciRaggruppamento");
    bool scritto = false;
    p.step([&] {
        card.connection().execute(
            sqlInsertGrouping(card.companyCode(), variante, raggruppamento, primi40(descrizione)));
        scritto = true;
    });
    return scritto;
}

std::string CreaRaggruppamentoAutomatico(common::ItemCard& card, const std::string& variante) {
    Procedure p(card, "CreaRaggruppamentoAutomatico");
    db::Connection& cn = card.connection();
    const std::string& ditta = card.companyCode();
    std::string codice;
    if (card.company().GroupingCodeMode() <= 0) {
        std::string ultimo;
        p.step([&] {
            db::Recordset rs;
            rs.open(sqlLastGroupingNumber(ditta, variante), cn);
            if (rs.recordCount() > 0)
                ultimo = common::NzStringa(rs.value("ULTIMO"));
        });
        p.step([&] { codice = NextGroupingCode(variante, ultimo); });
        if (!p.running() || codice.empty())
            return {};
        if (!InserisciRaggruppamento(card, variante, codice, descrizioneArticolo(card)))
            return {};
        return codice;
    }

    const std::string articolo = pulito(card.currentItem());
    auto leggi = [&] {
        db::Recordset rs;
        rs.open(sqlGroupingNamedAsItem(ditta, variante, articolo), cn);
        codice = rs.recordCount() > 0 ? common::NzStringa(rs.value("MG5G_CODRAGGVAR")) : "";
    };
    p.step(leggi);
    if (!p.running())
        return {};
    if (codice.empty()) {
        if (!InserisciRaggruppamento(card, variante, articolo, descrizioneArticolo(card)))
            return {};
        p.step(leggi);
    }
    return p.running() ? codice : std::string();
}

bool CheckRaggruppamento(common::ItemCard& card) {
    StatoOpzioni& st = stato(card);
    if (!st.raggruppamento.empty())
        return true;
    common::WindowServices& ws = card.services();
    Procedure p(card, "CheckRaggruppamento");
    bool prosegui = false;
    p.step([&] {
        if (card.company().GroupingCodeMode() <= 0 &&
            ws.VisualizzaMessaggio("Non e' stato indicato un codice raggruppamento.\rNe verra' "
                                   "creato uno in automatico. Proseguo ?",
                                   91512, kDomanda,
                                   ws.TraduciTesto(kTitoloVarianti, 50877)) != common::vbYes)
            return;
        prosegui = true;
    });
    if (!prosegui)
        return false;
    std::string codice;
    p.step([&] { codice = CreaRaggruppamentoAutomatico(card, st.variante); });
    if (!p.running() || codice.empty())
        return false;
    p.step([&] {
        st.articoloRicordato = card.currentItem();
        st.varianteRicordata = st.variante;
        st.raggrRicordato = testoRaggr(st);
        st.raggrInserito = st.raggrRicordato;
        if (st.TXT_RAGGR1) {
            st.TXT_RAGGR1->SetText(QString::fromStdString(codice));
            st.TXT_RAGGR1->SetFound(true);
        }
        st.raggrCambiato = false;
        st.raggruppamento = codice;
        abilita(st.CMD_ASSOCIA, true);
    });
    return p.running();
}

// ---------------------------------------------------- groupings window

void TXT_RAGGR1_MenuEntry(common::ItemCard& card, const std::string& key) {
    if (key != "Kgestione")
        return;
    StatoOpzioni& st = stato(card);
    if (st.variante.empty() || st.frmRaggr)
        return;
    Procedure p(card, "TXT_RAGGR1_MenuEntry");
    p.step([&] {
        auto* w = new FRMMG_RAGGR(card.connection(), card.services(), card.companyCode(),
                                  st.variante, card.widget());
        st.frmRaggr = w;
        w->dopoRinomina = [&card](const std::string& vecchio, const std::string& nuovo) {
            AfterWhereUsedChange(card, vecchio, nuovo, true);
        };
        QObject::connect(w, &FRMMG_RAGGR::CloseFormRaggrVar, w,
                         [&card](const QString& var, const QString& raggr) {
                             FrmRag_CloseFormRaggrVar(card, var.toStdString(), raggr.toStdString());
                         });
        w->exec();
    });
    delete st.frmRaggr.data();
}

void FrmRag_CloseFormRaggrVar(common::ItemCard& card, const std::string& variante,
                              const std::string& raggruppamento) {
    StatoOpzioni& st = stato(card);
    if (variante.empty() || raggruppamento.empty() || !st.TXT_RAGGR1)
        return;
    // As a choice from the lookup: the code is decoded and entered.
    st.TXT_RAGGR1->SetText(QString::fromStdString(raggruppamento));
    st.TXT_RAGGR1->Decode();
}

}  // namespace groupings
