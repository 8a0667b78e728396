#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_navigator.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/record_frame.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "transcoding/stato_trascodifica.h"
#include "transcoding/trascodifica_campi.h"
#include "transcoding/trascodifica_sql.h"
#include "transcoding/trascodifica_varianti_tab.h"

// The rows of the transcoding tab: the record frame's events, deletion,
// the option box and the computed description column.

namespace transcoding {

using common::Procedure;

// ------------------------------------------------------------ the frame

void TrascodificaVariantiTab::FME_TRASCF_AfterAddNew(bool success) {
    if (!success)
        return;
    StatoTrascodifica& st = stato();
    Procedure p(card(), "FME_TRASCF_AfterAddNew");
    p.step([&] {
        rs_->setValue("MG5S_DITTA_CG18", common::NzNumero(db::Value(card().companyCode())));
        rs_->setValue("MG5S_CODICEVAR_MG5F", db::Value(st.variante));
        rs_->setValue("MG5S_CLIFOR_CG44", common::NzNumero(db::Value(testo(TXT_CLIFOR->Text()))));
        rs_->setValue("MG5S_TIPOCF_CG44", db::Value(CBO_CLIFOR->currentIndex() == 1 ? 1 : 0));
        LBL_DESOPZIONECF->clear();
    });
}

void TrascodificaVariantiTab::FME_TRASCF_BeforeUpdate(bool& /*cancel*/) {
    // The frame's own save writes the row; nothing is added to it.
}

void TrascodificaVariantiTab::FME_TRASCF_ValidateRecord(QWidget*& invalidControl, bool& cancel) {
    StatoTrascodifica& st = stato();
    Procedure p(card(), "FME_TRASCF_ValidateRecord");
    p.onAbort([&] { cancel = true; });
    auto rifiuta = [&](QWidget* control, const std::string& text) {
        messaggio(text, common::vbExclamation);
        invalidControl = control;
        p.leave();
    };
    p.step([&] {
        const int f = rs_->fieldIndex(kDescrizione);
        const int larghezza =
            f >= 0 && rs_->field(f).size > 0 ? rs_->field(f).size : kLarghezzaDescrizione;
        const QString descrizione = QString::fromStdString(rs_->value(kDescrizione).toText());
        if (descrizione.size() > larghezza)
            rifiuta(TXT_DESCRCF, "La descrizione del cliente/fornitore non pu\xC3\xB2 superare " +
                                     common::countText(larghezza, common::kCaratteri) +
                                     " (ne contiene " + std::to_string(descrizione.size()) + ").");
    });
    const std::string opzione = common::NzStringa(rs_->value(kOpzione));
    // The row's own variant and counterpart: an edit concluded as the
    // selectors change belongs to those it was made for.
    std::string variante = common::NzStringa(rs_->value("MG5S_CODICEVAR_MG5F"));
    if (variante.empty())
        variante = st.variante;
    const std::string nomeVariante =
        variante == st.variante ? CBO_TIPOVAR2->currentText().toStdString() : variante;
    const std::string tipo = common::NzNumero(rs_->value("MG5S_TIPOCF_CG44")).toText();
    const std::string codice = common::NzNumero(rs_->value("MG5S_CLIFOR_CG44")).toText();
    p.step([&] {
        if (QString::fromStdString(opzione).size() > kLarghezzaOpzione)
            rifiuta(TXT_OPZIONECF, "Il codice dell'opzione non pu\xC3\xB2 superare " +
                                       common::countText(kLarghezzaOpzione, common::kCaratteri) +
                                       ".");
    });
    p.step([&] {
        db::Recordset rs;
        rs.open("SELECT MG5E_OPZIONE FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = " +
                    card().companyCode() + " AND MG5E_CODICEVAR_MG5F = '" +
                    common::RaddoppiaApici(variante) + "' AND MG5E_OPZIONE = '" +
                    common::RaddoppiaApici(opzione) + "'",
                card().connection());
        if (rs.recordCount() == 0)
            rifiuta(TXT_OPZIONECF,
                    "L'opzione " + opzione + " non esiste per la variante " + nomeVariante + ".");
    });
    p.step([&] {
        // The same option once per variant, kind and counterpart: a new row,
        // or a row whose option was changed, must not meet a stored one.
        if (frame_->Status() != 2 && chiave(opzione) == chiave(opzioneOriginale_))
            return;
        db::Recordset rs;
        rs.open("SELECT MG5S_OPZIONE_MG5E FROM MG5S_VARCLIFOR WHERE MG5S_DITTA_CG18 = " +
                    card().companyCode() + " AND MG5S_CODICEVAR_MG5F = '" +
                    common::RaddoppiaApici(variante) + "' AND MG5S_TIPOCF_CG44 = " + tipo +
                    " AND MG5S_CLIFOR_CG44 = " + codice + " AND MG5S_OPZIONE_MG5E = '" +
                    common::RaddoppiaApici(opzione) + "'",
                card().connection());
        if (rs.recordCount() > 0)
            rifiuta(TXT_OPZIONECF, "L'opzione " + opzione + " ha gi\xC3\xA0 una descrizione per " +
                                       (tipo == "1" ? "il fornitore " : "il cliente ") + codice +
                                       ": modificare la riga esistente.");
    });
    if (invalidControl)
        cancel = true;
}

void TrascodificaVariantiTab::FME_TRASCF_ChangeStatus(int status) {
    TXT_OPZIONECF->setEnabled(status != 0);
    // With no row listed a description typed would be kept nowhere.
    TXT_DESCRCF->setEnabled(rs_ && rs_->isOpen() && rs_->hasCurrentRow());
    // The option the row had when its change began, for the duplicate check.
    if (status == 2)
        opzioneOriginale_.clear();
    else if (status == 1 && rs_ && rs_->hasCurrentRow())
        opzioneOriginale_ = common::NzStringa(rs_->value(kOpzione));
}

void TrascodificaVariantiTab::FME_TRASCF_BeforeDelete(bool& cancel) {
    Procedure p(card(), "FME_TRASCF_BeforeDelete");
    p.step([&] {
        card().connection().execute(sqlEliminaTrascodifica(card().companyCode(), stato().variante,
                                                           tipoCF(), cliFor(),
                                                           testo(TXT_OPZIONECF->Text())));
    });
    p.step([&] { RicaricaDecodificaClifor(); });
    // The row went straight to the database; the frame deletes nothing itself.
    cancel = true;
}

void TrascodificaVariantiTab::CMD_ELIMINACF_Click() {
    if (!frame_ || !FRAME_DESCRCF->isEnabled() || !rs_ || !rs_->hasCurrentRow())
        return;
    if (frame_->Status() == 2) {
        frame_->Undo();  // a row being entered is only dropped
        return;
    }
    // The row as stored is the one deleted, not an option typed over it.
    if (frame_->Status() == 1)
        frame_->Undo();
    const std::string opzione = testo(TXT_OPZIONECF->Text());
    if (messaggio("Elimino la trascodifica dell'opzione " + opzione + " ?",
                  common::vbYesNo + common::vbDefaultButton2 + common::vbQuestion) != common::vbYes)
        return;
    frame_->Delete();
}

void TrascodificaVariantiTab::CMD_RIBALTA_Click() {
    // The copy reads the stored descriptions: the one being edited is concluded first.
    if (frame_ && !frame_->SaveIfNeeded(true, false, true))
        return;
    aggiornaStato();
    if (stato().CMD_RIBALTA_Click)
        stato().CMD_RIBALTA_Click();
}

// ----------------------------------------------------------- option box

void TrascodificaVariantiTab::TXT_OPZIONECF_StartLookup() {
    StatoTrascodifica& st = stato();
    Procedure p(card(), "TXT_OPZIONECF_StartLookup");
    p.step([&] {
        framework::LookupRequest request = card().lookups().Options(st.variante);
        if (!st.raggruppamento.empty() && st.filtro) {
            request.sql = sqlLookupOpzioniRaggruppamento(card().companyCode(), st.variante,
                                                         st.raggruppamento);
            request.title += " (Raggruppamento " + st.raggruppamento + ")";
        }
        TXT_OPZIONECF->SetConnection(&card().connection());
        controls::ApplyLookup(*TXT_OPZIONECF, request);
    });
}

void TrascodificaVariantiTab::TXT_OPZIONECF_StartDecode(bool& cancel) {
    StatoTrascodifica& st = stato();
    const std::string opzione = testo(TXT_OPZIONECF->Text());
    if (opzione.empty())
        return;
    // Errors here are ignored: the option stays undecoded.
    try {
        std::string sql;
        if (!st.raggruppamento.empty() && st.filtro)
            sql = sqlDecodificaOpzioneRaggruppamento(card().companyCode(), st.variante,
                                                     st.raggruppamento, opzione);
        else
            sql = card().lookups().DecodeOption(st.variante, opzione).sql;
        db::Recordset probe;
        probe.open(sql, card().connection());
        TXT_OPZIONECF->SetConnection(&card().connection());
        TXT_OPZIONECF->SetDecodeQuery(sql);
    } catch (...) {
        cancel = true;
    }
}

void TrascodificaVariantiTab::TXT_OPZIONECF_AfterItem() {
    LBL_DESOPZIONECF->setText(TXT_OPZIONECF->Found()
                                  ? QString::fromStdString(common::NzStringa(
                                        TXT_OPZIONECF->ItemValue(QStringLiteral("MG5E_DESCR"))))
                                  : QString());
    // A chosen option is saved at once as a new row.
    if (frame_ && frame_->Status() == 2 && !testo(TXT_OPZIONECF->Text()).empty())
        frame_->Update();
}

void TrascodificaVariantiTab::GRIDNAV_TRASCF_AfterButtonClick(bool success, const QString& key) {
    if (!success)
        return;
    if (key == QLatin1String("Nuovo"))
        TXT_OPZIONECF->setFocus();
    else if (key == QLatin1String("Conferma"))
        GRIDNAV_TRASCF->Click("Nuovo");  // entry goes on with a new row
}

// ------------------------------------------------------ computed column

std::string TrascodificaVariantiTab::descrizioneOpzione(const std::string& opzione) {
    const auto it = descrizioni_.find(opzione);
    if (it != descrizioni_.end())
        return it->second;
    std::string descrizione;
    try {
        db::Recordset rs;
        rs.open(sqlDescrizioneOpzione(card().companyCode(), stato().variante,
                                      stato().raggruppamento, opzione),
                card().connection());
        if (rs.recordCount() > 0) {
            rs.moveFirst();
            descrizione = common::NzStringa(rs.value("MG5E_DESCR"));
        }
    } catch (...) {
        descrizione.clear();
    }
    descrizioni_[opzione] = descrizione;
    return descrizione;
}

db::Value TrascodificaVariantiTab::GRD_TRASCF_UnboundRead(long row) {
    try {
        if (!rs_ || !rs_->isOpen() || row < 0 || row >= rs_->recordCount())
            return db::Value(std::string());
        const int f = rs_->fieldIndex(kOpzione);
        const std::string opzione = f < 0 ? std::string() : common::NzStringa(rs_->valueAt(row, f));
        return db::Value(opzione.empty() ? std::string() : descrizioneOpzione(opzione));
    } catch (...) {
        return db::Value(std::string());
    }
}

void TrascodificaVariantiTab::mostraDescrizioneOpzione() {
    std::string descrizione;
    try {
        if (rs_ && rs_->hasCurrentRow()) {
            const std::string opzione = common::NzStringa(rs_->value(kOpzione));
            if (!opzione.empty())
                descrizione = descrizioneOpzione(opzione);
        }
    } catch (...) {
        descrizione.clear();
    }
    LBL_DESOPZIONECF->setText(QString::fromStdString(descrizione));
}

}  // namespace transcoding
