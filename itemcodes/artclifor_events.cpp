// The events of the customer and supplier item codes tab: those of the
// record frame first, then those of its controls.

#include <QApplication>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <functional>

#include "common/frame_messages.h"
#include "common/pending_edits.h"
#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "itemcodes/artclifor_sql.h"
#include "itemcodes/artclifor_tab.h"
#include "itemcodes/artclifor_tab_parts.h"
#include "itemcodes/articoli_variante.h"
#include "itemcodes/clsmg_listartclartfo.h"
#include "itemcodes/descrizione_variante.h"
#include "platform/controls/key_filters.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/db/value.h"
#include "platform/framework/cinterface.h"
#include "platform/framework/company.h"

namespace itemcodes {

using namespace artclifor_parts;

namespace {

// Columns a new row starts at 0, in the order they are set.
constexpr const char* kCampiAZero[] = {
    "MG73_FLGDESCPERS",   "MG73_INDDISPROD", "MG73_INDARTSTAM",   "MG73_GGCONS",
    "MG73_INDGIORNI",     "MG73_IMPSPESE",   "MG73_QTA1ULACQVEN", "MG73_QTA2ULACQVEN",
    "MG73_COLLIULACQVEN", "MG73_FLGFORPREF", "MG73_FLGLOTTIFIX",  "MG73_LOTTOMIN",
    "MG73_LOTTOMULT",     "MG73_LOTTOMAX",   "MG73_INDCALCQTACF", "MG73_INDCALCPRECF"};

using db::rtrim;

bool soloCifre(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (!c.isDigit())
            return false;
    return true;
}

// A box's list or decode request set up under the tab's trap: a failed or
// aborted set-up cancels the request.
void setUpRequest(common::ItemCard& card, const char* procedure, bool& cancel,
                  const std::function<void()>& setUp) {
    Procedure p(card, procedure);
    p.onAbort([&] { cancel = true; });
    p.step(setUp);
    if (p.failed() && !p.aborted())
        cancel = true;
}

}  // namespace

// ---------------------------------------------------------------- frame events

void ArtCliForTab::FME_ARTCLIFOR_AfterAddNew(bool success) {
    if (!success)
        return;
    Procedure p(card(), tipo_.AfterAddNew);
    p.step([&] {
        rs_->setValue("MG73_DITTA_CG18", NzNumero(db::Value(card().companyCode())));
        rs_->setValue("MG73_TIPOCF_CG44", tipo_.tipo);
        rs_->setValue("MG73_CODART_MG66", card().currentItem());
        rs_->setValue("MG73_DTCREAZ", oggi());
        rs_->setValue("MG73_DTULTAGG", oggi());
        rs_->setValue("IMAGE_GEST", 2);
        rs_->setValue("IMAGE_LIST", 1);
        for (const char* f : kCampiAZero)
            rs_->setValue(f, 0);
    });
    p.step([&] {
        if (!tipo_.grigliaDaStato) {
            grigliaBloccata_ = true;
            GRD_ARTCLIFOR->setEnabled(false);
        }
    });
}

void ArtCliForTab::FME_ARTCLIFOR_AfterUpdate(bool success) {
    Procedure p(card(), tipo_.AfterUpdate);
    p.step([&] {
        // A saved new row gives the supplier grid back.
        if (success && grigliaBloccata_) {
            grigliaBloccata_ = false;
            abilitaGestione(CHK_ARTCLIFOR->isChecked());
        }
    });
    p.step([&] {
        const std::string opzione = NzValore(TXT_CLIFOR_OPZIONE->Text().toStdString(), "");
        if (success && !opzione.empty())
            AggiornaDescrizioneVariante(card(), articoloRiga(),
                                        TXT_CLIFOR_OPZIONE->Text().toStdString());
    });
}

void ArtCliForTab::FME_ARTCLIFOR_AfterUndo() {
    // A dropped new row gives the supplier grid back.
    if (grigliaBloccata_) {
        grigliaBloccata_ = false;
        abilitaGestione(CHK_ARTCLIFOR->isChecked());
    }
}

void ArtCliForTab::FME_ARTCLIFOR_AfterDelete(bool success) {
    if (success && grigliaBloccata_) {
        grigliaBloccata_ = false;
        abilitaGestione(CHK_ARTCLIFOR->isChecked());
    }
}

void ArtCliForTab::FME_ARTCLIFOR_ValidateRecord(QWidget*& invalid, bool& cancel) {
    Procedure p(card(), tipo_.ValidateRecord);
    p.onAbort([&] { cancel = true; });
    const auto rifiuta = [&](QWidget* box, const std::string& testo, long numero,
                             const common::Parametri& parametri) {
        messaggio(testo, numero, common::vbExclamation, parametri);
        invalid = box;
        cancel = true;
        p.leave();
    };
    const std::string parola = tipo_.parola;
    p.step([&] {
        const QString testo = TXT_CODCLIFOR->Text().trimmed();
        if (testo.isEmpty())
            return rifiuta(TXT_CODCLIFOR, "Indicare il codice del " + parola + ".",
                           tipo_.msgCodiceObbligatorio, std::nullopt);
        if (!soloCifre(testo))
            return rifiuta(TXT_CODCLIFOR,
                           "Il codice del " + parola + " deve essere un numero: \"" +
                               testo.toStdString() + "\" non lo \xC3\xA8.",
                           tipo_.msgCodiceNonNumerico, {{db::Value(testo.toStdString())}});
        // A code already stored is not checked again: the counterpart may
        // have expired since, and the row must still be editable.
        if (rs_->status() != db::RecordStatus::New &&
            db::Value::compare(campo("MG73_CLIFOR_CG44"), campo("CLIFOR")) == 0)
            return;
        db::Recordset r;
        r.open(card()
                   .lookups()
                   .DecodeCounterpart(tipo_.tipo, testo.toStdString(), common::DateDB(oggi()))
                   .sql,
               card().connection());
        if (r.recordCount() == 0)
            rifiuta(TXT_CODCLIFOR,
                    std::string(tipo_.tipo == 0 ? "Il cliente " : "Il fornitore ") +
                        testo.toStdString() +
                        " non esiste o non \xC3\xA8 valido alla data odierna.",
                    tipo_.msgInesistente, {{db::Value(testo.toStdString())}});
    });
    p.step([&] {
        common::WindowServices& ws = card().services();
        struct Limite {
            const char* field;
            const char* caption;
            int max;
            QWidget* box;
        };
        const Limite limiti[] = {
            {"MG73_ARTCLIFOR", "Articolo cliente/fornitore", kLunghezzaArtCliFor, TXT_ARTCLIFOR},
            {"MG73_DESCARTCF", "Descrizione personalizzata", kLunghezzaDescrizione,
             TXT_DESCARTCLIFOR},
            {"MG73_NOTEARTCF", "Note", kLunghezzaNote, TXT_NOTEARTCLIFOR},
            {"MG73_DESCARTESTCF", "Descrizione aggiuntiva", kLunghezzaDescrizioneAggiuntiva,
             TXT_DESCARTESTCLIFOR},
        };
        for (const Limite& l : limiti) {
            const QString valore = QString::fromStdString(rtrim(NzStringa(campo(l.field))));
            if (valore.size() > l.max)
                return rifiuta(l.box,
                               std::string("Il campo \"") + l.caption +
                                   "\" non pu\xC3\xB2 superare " +
                                   common::countText(l.max, common::kCaratteri) + ".",
                               kMsgTroppoLungo,
                               {{db::Value(ws.TraduciCaption(l.caption)),
                                 db::Value(ws.CountText(l.max, common::kCaratteri))}});
        }
    });
    p.step([&] {
        // The key of MG73_ARTCLIFOR leaves out the item: a new key, or a
        // stored one changed, must name no code of any item.
        const std::string codice = NzValore(campo("MG73_ARTCLIFOR"), "");
        const db::Value cliFor = campo("MG73_CLIFOR_CG44");
        if (codice.empty() || cliFor.isEmptyOrNull())
            return;
        if (rs_->status() != db::RecordStatus::New && codice == NzValore(campo("ARTCLIFOR"), "") &&
            intero(cliFor) == intero(campo("CLIFOR")))
            return;
        db::Recordset r;
        r.open(SqlSavedValue("MG73_CODART_MG66", campo("MG73_DITTA_CG18"), db::Value(codice),
                             db::Value(tipo_.tipo), cliFor),
               card().connection());
        if (r.recordCount() == 0)
            return;
        r.moveFirst();
        const std::string articolo = NzValore(r.value(0), "");
        const std::string numero = std::to_string(intero(cliFor));
        rifiuta(TXT_ARTCLIFOR,
                "Il codice " + codice + " del " + parola + " " + numero +
                    " esiste gi\xC3\xA0 per l'articolo " + articolo + ".",
                tipo_.msgChiaveEsistente,
                {{db::Value(codice), db::Value(numero), db::Value(articolo)}});
    });
    p.step([&] {
        const std::string opzione = NzValore(campo("MG73_OPZIONE_MG5E"), "");
        if (opzione.empty())
            return;
        // A variant article already stored is left as it is.
        if (rs_->status() != db::RecordStatus::New &&
            NzValore(valoreSalvato("MG73_OPZIONE_MG5E"), "") == opzione)
            return;
        const std::string articolo = articoloRiga();
        const auto struttura =
            StrutturaArticolo(card().connection(), card().companyCode(), articolo);
        db::Recordset r;
        r.open(SqlDecodeVariantArticle(struttura, card().companyCode(), articolo, opzione),
               card().connection());
        if (r.recordCount() == 0)
            rifiuta(TXT_CLIFOR_OPZIONE,
                    "La variante \"" + opzione + "\" non appartiene all'articolo " + articolo + ".",
                    kMsgVarianteEstranea, {{db::Value(opzione), db::Value(articolo)}});
    });
}

void ArtCliForTab::FME_ARTCLIFOR_BeforeUpdate(bool& cancel) {
    Procedure p(card(), tipo_.BeforeUpdate);
    p.onAbort([&] { cancel = true; });
    p.step([&] {
        // Preferred rule: the flag just set is dropped when another
        // customer/supplier is the preferred one already.
        if (!rigaCorrente())
            return;
        if (intero(campo("MG73_FLGFORPREF")) == 1 &&
            intero(valoreSalvato("MG73_FLGFORPREF")) == 0) {
            const long codice =
                static_cast<long>(intero(db::Value(TXT_CODCLIFOR->Text().trimmed().toStdString())));
            if (EsisteCliForPreferenziale(tipo_.tipo, codice))
                rs_->setValue("MG73_FLGFORPREF", 0);
        }
    });
    p.step([&] {
        if (!rigaCorrente() || intero(campo("MG73_FLGDESCPERS")) != 1 ||
            !NzValore(campo("MG73_DESCARTCF"), "").empty())
            return;
        common::WindowServices& ws = card().services();
        const std::string testo = "Impostare la descrizione personalizzata!";
        if (tipo_.msgDescrizionePersonalizzata > 0)
            ws.VisualizzaMessaggio(testo, tipo_.msgDescrizionePersonalizzata, common::vbExclamation,
                                   ws.TraduciTesto("Attenzione", 7757));
        else
            ws.VisualizzaMessaggio(testo, 32358, common::vbExclamation,
                                   ws.TraduciTesto("Attenzione", 7757));
        cancel = true;
        TXT_DESCARTCLIFOR->setEnabled(true);
        TXT_DESCARTCLIFOR->setFocus();
        p.leave();
    });
    p.step([&] { rs_->setValue("MG73_OPZIONE_MG5E", NzValore(campo("MG73_OPZIONE_MG5E"), "")); });
    p.step([&] {
        rs_->setValue("DITTA", campo("MG73_DITTA_CG18"));
        rs_->setValue("ARTCLIFOR", campo("MG73_ARTCLIFOR"));
        rs_->setValue("TIPOCF", campo("MG73_TIPOCF_CG44"));
        rs_->setValue("CLIFOR", campo("MG73_CLIFOR_CG44"));
        rs_->setValue("CHIAVE", ArtcliforKey(campo("DITTA"), campo("ARTCLIFOR"), campo("TIPOCF"),
                                             campo("CLIFOR")));
    });
}

bool ArtCliForTab::EsisteCliForPreferenziale(int tipo, long codice) {
    const std::string opzione = NzValore(TXT_CLIFOR_OPZIONE->Text().toStdString(), "");
    const std::string codArt = articoloRiga();
    db::Recordset rs;
    rs.open(SqlPreferredCounterpart(card().companyCode(), codArt, opzione,
                                    static_cast<int>(intero(db::Value(tipo)))),
            card().connection());
    if (rs.recordCount() == 0)
        return false;
    rs.moveFirst();
    const std::string parola = tipo == 0 ? "cliente" : "fornitore";
    const long trovato = static_cast<long>(intero(rs.value("MG73_CLIFOR_CG44")));
    const std::string ragSoc = NzValore(rs.value("CG16_RAGSOANAG"), "");
    if (codice < 1 || codice == trovato)
        return false;
    const std::string articolo = opzione.empty() ? codArt : codArt + " variante " + opzione;
    const std::string testo = "L'articolo " + articolo + " \xC3\xA8 gi\xC3\xA0 dotato di " +
                              parola + " preferenziale.\r\nIl " + parola +
                              " preferenziale \xC3\xA8 " + ragSoc + " (codice " +
                              std::to_string(trovato) + ").";
    const std::string titolo =
        card().widget() ? card().widget()->windowTitle().toStdString() : std::string();
    card().services().VisualizzaMessaggio(
        testo, 91543, common::vbExclamation, titolo,
        {{db::Value(articolo), db::Value(parola), db::Value(ragSoc), db::Value(trovato)}});
    return true;
}

void ArtCliForTab::FME_ARTCLIFOR_BeforeDelete(bool& cancel) {
    // The frame deletes nothing itself: the code goes from both tables in
    // one transaction, and the grid is rebuilt from the database.
    cancel = true;
    Procedure p(card(), tipo_.BeforeDelete);
    db::Connection& cn = card().connection();
    const std::string artCliFor = NzValore(campo("MG73_ARTCLIFOR"), "");
    const int tipo = static_cast<int>(intero(campo("MG73_TIPOCF_CG44")));
    const std::string cliFor = NzValore(campo("MG73_CLIFOR_CG44"), "");
    p.onAbort([&] { cn.rollbackTransaction(); });
    p.step([&] { cn.beginTransaction(); });
    p.step([&] {
        cn.execute(SqlDeleteArtclifor(card().companyCode(), artCliFor, tipo, cliFor, workTable_));
    });
    p.step([&] { cn.commitTransaction(); });
    p.step([&] { RefreshArtclifor(); });
}

void ArtCliForTab::FME_ARTCLIFOR_ChangeStatus(int status) {
    Procedure p(card(), tipo_.ChangeStatus);
    p.step([&] {
        const bool chiavi = status != 0;
        TXT_CLIFOR_OPZIONE->setEnabled(chiavi);
        TXT_ARTCLIFOR->setEnabled(chiavi);
        TXT_CODCLIFOR->setEnabled(chiavi);
        if (tipo_.grigliaDaStato)
            GRD_ARTCLIFOR->setEnabled(CHK_ARTCLIFOR->isChecked() && status != 2);
        // An edit under way keeps its focus.
        if (status == 1 && !editorHaFuoco() && TXT_CLIFOR_OPZIONE->isEnabled())
            TXT_CLIFOR_OPZIONE->setFocus();
    });
    p.step([&] { CheckArtcliforRows(); });
}

// ---------------------------------------------------------------- control events

void ArtCliForTab::CHK_ARTCLIFOR_Click() {
    Procedure p(card(), tipo_.CHK_GESTIONE_Click);
    const bool on = CHK_ARTCLIFOR->isChecked();
    db::Recordset* item = card().itemRecordset();
    const bool riga = item && item->hasCurrentRow();
    p.onAbort([&] {
        CHK_ARTCLIFOR->setChecked(!on);
        if (riga)
            item->cancelBatch();
    });
    p.step([&] {
        // The box is disabled while codes exist; another session may have
        // added some since the tab was loaded.
        const long codici = contaCodici();
        if (codici == 0)
            return;
        CHK_ARTCLIFOR->setChecked(!on);
        CHK_ARTCLIFOR->setEnabled(false);
        common::WindowServices& ws = card().services();
        messaggio("L'articolo " + card().currentItem() + " ha " +
                      common::countText(codici, tipo_.codici) + ": \"" + tipo_.didascaliaGestione +
                      "\" non si pu\xC3\xB2 modificare.",
                  kMsgGestioneConCodici, common::vbExclamation,
                  {{db::Value(card().currentItem()), db::Value(ws.CountText(codici, tipo_.codici)),
                    db::Value(ws.TraduciCaption(tipo_.didascaliaGestione))}});
        p.leave();
    });
    p.step([&] {
        if (!riga)
            return;
        item->setValue(tipo_.campoArticolo, on ? 1 : 0);
        // The flag belongs to the item record: its frame saves it with the
        // item; without one it is written at once.
        controls::RecordFrame* articolo = card().FME_ART();
        if (articolo && articolo->Status() == 0)
            articolo->Change(0, 0, 0);
        else if (!articolo)
            item->updateBatch(db::Affect::Current);
    });
    p.step([&] { abilitaGestione(CHK_ARTCLIFOR->isChecked()); });
}

void ArtCliForTab::CHK_FLGDESCPERSCLIFOR_Click() {
    Procedure p(card(), tipo_.CHK_FLGDESCPERS_Click);
    p.step([&] {
        if (!CHK_FLGDESCPERSCLIFOR->isChecked()) {
            if (rigaCorrente()) {
                // A single blank: the personal description is set aside,
                // not lost to NULL.
                TXT_DESCARTCLIFOR->setPlainText(QStringLiteral(" "));
                rs_->setValue("MG73_DESCARTCF", " ");
            }
            TXT_DESCARTCLIFOR->setEnabled(false);
            TXT_DESCARTESTCLIFOR->setEnabled(false);
        } else {
            TXT_DESCARTCLIFOR->setEnabled(true);
            TXT_DESCARTESTCLIFOR->setEnabled(true);
            TXT_DESCARTCLIFOR->setFocus();
        }
    });
}

void ArtCliForTab::GRIDNAV_ARTCLIFOR_AfterButtonClick(bool, const QString& key) {
    Procedure p(card(), tipo_.GRIDNAV_AfterButtonClick);
    p.step([&] {
        if (key == QLatin1String("Nuovo")) {
            if (TXT_CLIFOR_OPZIONE->isEnabled())
                TXT_CLIFOR_OPZIONE->setFocus();
            else
                TXT_ARTCLIFOR->setFocus();
        } else if (key == QLatin1String("Apri") && rigaCorrente()) {
            Invoca_ArtClifor(static_cast<int>(intero(campo("MG73_TIPOCF_CG44"))),
                             NzValore(campo("MG73_OPZIONE_MG5E"), ""));
        }
    });
}

void ArtCliForTab::GRD_ARTCLIFOR_ButtonClick(int column, long) {
    Procedure p(card(), tipo_.GRD_ButtonClick);
    p.step([&] {
        if (!rigaCorrente() || column < 0 || column >= GRD_ARTCLIFOR->Columns().Count())
            return;
        const QString key = GRD_ARTCLIFOR->Columns().Item(column).Key();
        const int tipo = static_cast<int>(intero(campo("MG73_TIPOCF_CG44")));
        if (key == QLatin1String("IMAGE_GEST"))
            Invoca_ArtClifor(tipo, NzValore(campo("MG73_OPZIONE_MG5E"), ""));
        else if (key == QLatin1String("IMAGE_LIST"))
            InvocaGestione_LISTINI(tipo, static_cast<long>(intero(campo("MG73_CLIFOR_CG44"))),
                                   NzValore(campo("MG73_ARTCLIFOR"), ""));
    });
}

void ArtCliForTab::DeleteCurrentRow() {
    if (!FME_ARTCLIFOR || !rigaCorrente() || !CHK_ARTCLIFOR->isChecked())
        return;
    if (FME_ARTCLIFOR->Status() == 2) {
        FME_ARTCLIFOR->Undo();
        return;
    }
    common::WindowServices& ws = card().services();
    const std::string domanda = "Eliminare il codice " + NzValore(campo("MG73_ARTCLIFOR"), "") +
                                " del " + tipo_.parola + " " +
                                NzValore(campo("MG73_CLIFOR_CG44"), "") + "?";
    if (ws.VisualizzaMessaggio(
            domanda, tipo_.msgConfermaElimina, common::vbYesNo + common::vbQuestion,
            ws.TraduciTesto("Attenzione", 7757),
            {{db::Value(NzValore(campo("MG73_ARTCLIFOR"), "")),
              db::Value(NzValore(campo("MG73_CLIFOR_CG44"), ""))}}) == common::vbYes)
        FME_ARTCLIFOR->Delete();
}

void ArtCliForTab::Invoca_ArtClifor(int tipo, const std::string& opzione) {
    Procedure p(card(), "Invoca_ArtClifor");
    p.step([&] {
        card().openProgram(tipo == 0 ? kProgrammaArticoliClienti : kProgrammaArticoliFornitori,
                           {{"CodiceArticolo", db::Value(card().currentItem())},
                            {"CodiceOpzione", db::Value(opzione)}});
    });
    p.step([&] { RefreshArtclifor(); });
}

void ArtCliForTab::InvocaGestione_LISTINI(int tipo, long codice, const std::string& artCliFor) {
    Procedure p(card(), "InvocaGestione_LISTINI");
    p.step(
        [&] { card().openProgram(kProgIdListini, ParametriListini(0, tipo, artCliFor, codice)); });
}

void ArtCliForTab::TXT_CLIFOR_OPZIONE_StartLookup(bool& cancel) {
    setUpRequest(card(), tipo_.TXT_OPZIONE_StartLookup, cancel, [&] {
        const auto struttura =
            StrutturaArticolo(card().connection(), card().companyCode(), card().currentItem());
        TXT_CLIFOR_OPZIONE->SetLookupQuery(SqlVariantArticles(struttura, card().companyCode()));
        TXT_CLIFOR_OPZIONE->SetLookupColumns({"VARIANTE", "DESCRIZIONE"},
                                             {"Variante", "Descrizione"});
        TXT_CLIFOR_OPZIONE->SetReturnField("VARIANTE");
        TXT_CLIFOR_OPZIONE->SetLookupTitle(QStringLiteral("Varianti dell'articolo ") +
                                           QString::fromStdString(card().currentItem()));
    });
}

void ArtCliForTab::TXT_CLIFOR_OPZIONE_StartDecode(bool& cancel) {
    setUpRequest(card(), tipo_.TXT_OPZIONE_StartDecode, cancel, [&] {
        const auto struttura =
            StrutturaArticolo(card().connection(), card().companyCode(), card().currentItem());
        TXT_CLIFOR_OPZIONE->SetDecodeQuery(
            SqlDecodeVariantArticle(struttura, card().companyCode(), card().currentItem(),
                                    TXT_CLIFOR_OPZIONE->Text().toStdString()));
        TXT_CLIFOR_OPZIONE->SetReturnField("VARIANTE");
    });
}

void ArtCliForTab::TXT_CLIFOR_OPZIONE_AfterItem() {
    Procedure p(card(), tipo_.TXT_OPZIONE_AfterItem);
    p.step([&] {
        const QString testo = TXT_CLIFOR_OPZIONE->Text();
        if (testo.trimmed().isEmpty())
            return;
        if (!TXT_CLIFOR_OPZIONE->Found()) {
            messaggio("La variante \"" + rtrim(testo.toStdString()) +
                          "\" non appartiene all'articolo " + card().currentItem() + ".",
                      kMsgVarianteEstranea, common::vbExclamation,
                      {{db::Value(rtrim(testo.toStdString())), db::Value(card().currentItem())}});
            return;
        }
        // The code as the item composes it: a blank first slot is part of
        // the code, which the list would have trimmed away.
        const std::string codice = rtrim(TXT_CLIFOR_OPZIONE->ItemValue("VARIANTE").toText());
        if (!codice.empty() && QString::fromStdString(codice) != testo)
            TXT_CLIFOR_OPZIONE->SetText(QString::fromStdString(codice));
        if (rigaCorrente() && FME_ARTCLIFOR && FME_ARTCLIFOR->Status() != 0)
            rs_->setValue("MG73_OPZIONE_MG5E", TXT_CLIFOR_OPZIONE->Text().toStdString());
    });
    p.step([&] { cercaRecord(); });
    p.step([&] { timbraUltimaModifica(); });
}

void ArtCliForTab::TXT_ARTCLIFOR_AfterItem() {
    if (NzValore(TXT_ARTCLIFOR->text().toStdString(), "").empty())
        return;
    Procedure p(card(), tipo_.TXT_ART_AfterItem);
    p.step([&] { cercaRecord(); });
    p.step([&] { timbraUltimaModifica(); });
}

void ArtCliForTab::TXT_CODCLIFOR_StartLookup(bool& cancel) {
    Procedure p(card(), tipo_.TXT_COD_StartLookup);
    p.onAbort([&] { cancel = true; });
    p.step([&] {
        controls::ApplyLookup(*TXT_CODCLIFOR,
                              card().lookups().Counterparts(tipo_.tipo, common::DateDB(oggi())));
    });
}

void ArtCliForTab::TXT_CODCLIFOR_StartDecode(bool& cancel) {
    Procedure p(card(), tipo_.TXT_COD_StartDecode);
    p.onAbort([&] { cancel = true; });
    p.step([&] {
        controls::ApplyDecode(*TXT_CODCLIFOR,
                              card().lookups().DecodeCounterpart(
                                  tipo_.tipo, NzStringa(TXT_CODCLIFOR->Text().toStdString()),
                                  common::DateDB(oggi())));
    });
}

void ArtCliForTab::TXT_CODCLIFOR_AfterItem() {
    Procedure p(card(), tipo_.TXT_COD_AfterItem);
    const QString testo = TXT_CODCLIFOR->Text().trimmed();
    p.step([&] {
        if (testo.isEmpty()) {
            TXT_DESCODCLIFOR->clear();
            p.leave();
            return;
        }
        if (!soloCifre(testo)) {
            TXT_DESCODCLIFOR->clear();
            messaggio("Il codice del " + std::string(tipo_.parola) + " deve essere un numero: \"" +
                          testo.toStdString() + "\" non lo \xC3\xA8.",
                      tipo_.msgCodiceNonNumerico, common::vbExclamation,
                      {{db::Value(testo.toStdString())}});
            p.leave();
            return;
        }
        if (!TXT_CODCLIFOR->Found() || intero(db::Value(testo.toStdString())) == 0) {
            TXT_DESCODCLIFOR->clear();
            messaggio(
                std::string(tipo_.tipo == 0 ? "Il cliente " : "Il fornitore ") +
                    testo.toStdString() + " non esiste o non \xC3\xA8 valido alla data odierna.",
                tipo_.msgInesistente, common::vbExclamation, {{db::Value(testo.toStdString())}});
            p.leave();
        }
    });
    p.step([&] {
        const std::string nome = NzValore(TXT_CODCLIFOR->ItemValue("CG16_RAGSOANAG"), "");
        TXT_DESCODCLIFOR->setText(QString::fromStdString(nome));
        if (rigaCorrente() && FME_ARTCLIFOR && FME_ARTCLIFOR->Status() != 0) {
            rs_->setValue("RAGSOANAG", nome);
            rs_->setValue("MG73_CLIFOR_CG44", NzNumero(db::Value(testo.toStdString())));
        }
    });
    p.step([&] { cercaRecord(); });
    p.step([&] { timbraUltimaModifica(); });
}

}  // namespace itemcodes
