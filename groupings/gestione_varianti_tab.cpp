#include "groupings/gestione_varianti_tab.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>

#include "common/procedure.h"
#include "common/progress_indicator.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "groupings/clsmg_opzioni.h"
#include "groupings/codici_raggruppamento.h"
#include "groupings/composizione_raggruppamento.h"
#include "groupings/groupings_sql.h"
#include "groupings/option_import.h"
#include "groupings/option_lists.h"
#include "groupings/ribalta_descrizioni.h"
#include "groupings/unconfirmed_edits.h"
#include "groupings/where_used.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/key_filters.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/mnemonics.h"
#include "platform/controls/split_region.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/framework/cinterface.h"
#include "platform/framework/component_registry.h"

namespace groupings {

using common::Procedure;
namespace {

const char* const kTitoloVarianti = "Scheda articolo - varianti";
const char* const kTestoApice =
    "Il valore di variante non pu\xC3\xB2 contenere il carattere apice (')";

std::string maiuscolo(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

// Right-trimmed; blank gives empty text.
std::string pulito(const QLineEdit* box) {
    return box ? common::NzValore(db::Value(box->text().toStdString())) : std::string();
}

long numeroCampo(const db::Recordset* rs, const char* field) {
    if (!rs || !rs->hasCurrentRow())
        return 0;
    return static_cast<long>(db::integerOf(common::NzNumero(rs->value(field))));
}

}  // namespace

// -------------------------------------------------------------------- tab

GestioneVariantiTab::GestioneVariantiTab(common::ItemCard& card)
    : CardTab(card, common::kTabGestioneVarianti) {}

GestioneVariantiTab::~GestioneVariantiTab() = default;

StatoOpzioni& GestioneVariantiTab::stato() const {
    return card().shared<StatoOpzioni>();
}

void GestioneVariantiTab::clear() {
    StatoOpzioni& st = stato();
    if (!st.GRDX_VARIANTI_SOURCE)
        return;
    st.GRDX_VARIANTI_SOURCE->SetDataSource(nullptr);
    st.GRDX_VARIANTI_DESTI->SetDataSource(nullptr);
    InitGRDX_VARIANTI_SOURCE();
    InitGRDX_VARIANTI_DESTI();
    for (QLineEdit* box :
         {st.TXT_OPZIONE_ORIG.data(), st.TXT_DESOPZIONE_ORIG.data(), st.TXT_OPZIONE_DEST.data(),
          st.TXT_DESOPZIONE_DEST.data(), st.TXT_DESRAGGR1.data()})
        if (box)
            box->clear();
    if (st.TXT_RAGGR1) {
        st.TXT_RAGGR1->SetText({});
        st.TXT_RAGGR1->SetFound(true);
    }
}

void GestioneVariantiTab::release() {
    // The window closes: an option's edit not confirmed is offered first.
    common::releaseQuietly([&] { settleUnconfirmedEdits(); });
    common::releaseQuietly([&] { stato().rilascia(); });
}

void GestioneVariantiTab::beforeSidebarChoice() {
    CheckCambioRaggr(card());
}

void GestioneVariantiTab::newSearch() {
    settleUnconfirmedEdits();
}

void GestioneVariantiTab::beforeItemChange() {
    // Asked while the item they belong to is still on show.
    settleUnconfirmedEdits();
    CheckCambioRaggr(card());
}

void GestioneVariantiTab::SetListActive(bool destinazione) {
    StatoOpzioni& st = stato();
    if (st.CMD_SU)
        st.CMD_SU->setEnabled(destinazione);
    if (st.CMD_GIU)
        st.CMD_GIU->setEnabled(destinazione);
}

// ----------------------------------------------------------------- loader

void GestioneVariantiTab::load() {
    if (card().isLoaded(index()))
        return;
    StatoOpzioni& st = stato();
    common::WindowServices& ws = card().services();
    Procedure p(card(), loaderName());
    // Another item: what was typed for the last one's option is offered first.
    p.step([&] { settleUnconfirmedEdits(); });
    p.step([&] { common::ShowProgress(card(), "Caricamento in corso...", 10044); });
    p.step([&] { card().PulisciTab(index()); });
    p.step([&] { CaricaComboVarianti(card(), st.CBO_TIPOVAR1); });
    p.step([&] {
        controls::SetCommandText(
            st.CMD_DASELEZ, QString::fromStdString(
                                ws.TraduciTesto("Visualizza solo opzioni da selezionare", 76542)));
        pictureDaselez_ = "PIC_FILTRO";
    });
    p.step([&] {
        int entry = st.variantePreselezionata < 0 ? 0 : st.variantePreselezionata;
        if (entry >= st.CBO_TIPOVAR1->count())
            entry = st.CBO_TIPOVAR1->count() > 0 ? 0 : -1;
        {
            const QSignalBlocker quiet(st.CBO_TIPOVAR1);
            st.CBO_TIPOVAR1->setCurrentIndex(entry);
        }
        if (entry >= 0)
            CBO_TIPOVAR1_Click();
    });
    p.step([&] { card().setLoadedItem(index()); });
    common::HideProgress(card());
}

// ----------------------------------------------------------- variant choice

void GestioneVariantiTab::CBO_TIPOVAR1_Click() {
    StatoOpzioni& st = stato();
    if (numeroCampo(card().itemRecordset(), "MG66_FLGVARART") == 0)
        return;
    if (st.CBO_TIPOVAR1->currentIndex() < 0)
        return;
    db::Connection& cn = card().connection();
    const std::string& ditta = card().companyCode();

    Procedure p(card(), "CBO_TIPOVAR1_Click");
    p.step([&] { settleUnconfirmedEdits(); });
    p.step([&] { CheckCambioRaggr(card()); });
    p.step([&] {
        common::ChiudiRecordset(st.dimensione);
        common::ChiudiRecordset(st.rigaVariante);
    });
    p.step([&] { st.variante = common::codiceVariante(st.CBO_TIPOVAR1->currentData().toInt()); });
    p.step([&] {
        auto rs = std::make_unique<db::Recordset>();
        rs->open(sqlVariantDefinition(ditta, st.variante), cn);
        st.dimensione = std::move(rs);
    });
    p.step([&] {
        // The key columns let the row be written back by its key.
        auto rs = std::make_unique<db::Recordset>();
        rs->open(sqlItemVariantRow(ditta, card().currentItem(), st.variante), cn);
        st.rigaVariante = std::move(rs);
    });
    p.step([&] {
        db::Recordset* riga = st.rigaVariante.get();
        st.raggrAmmesso = riga && riga->recordCount() == 1;
        if (!st.raggrAmmesso) {
            st.TXT_RAGGR1->SetText({});
            st.TXT_RAGGR1->setEnabled(false);
            st.raggruppamento.clear();
        } else {
            riga->moveFirst();
            st.raggruppamento = common::NzValore(riga->value("MG6B_CODRAGGVAR_MG5G"));
            st.TXT_RAGGR1->setEnabled(true);
            st.TXT_RAGGR1->SetText(QString::fromStdString(st.raggruppamento));
            // Both lists are loaded by the entry handling below.
        }
        DecodeItemGrouping(card());
    });
    p.step([&] {
        if (numeroCampo(st.dimensione.get(), "MG5F_INDPROGCONFIG") == 1) {
            // Such variants take no grouping.
            st.raggrAmmesso = false;
            st.TXT_RAGGR1->SetText({});
            st.TXT_RAGGR1->setEnabled(false);
            DecodeItemGrouping(card());
        }
    });
    p.step([&] {
        const long size = numeroCampo(st.dimensione.get(), "MG5F_SIZE");
        st.TXT_OPZIONE_ORIG->setMaxLength(size > 0 && size <= 20 ? static_cast<int>(size) : 20);
        if (numeroCampo(st.dimensione.get(), "MG5F_INDNATURA") == 1)
            st.TXT_OPZIONE_ORIG->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]*")), st.TXT_OPZIONE_ORIG));
        else
            st.TXT_OPZIONE_ORIG->setValidator(nullptr);
    });
    p.step([&] {
        TXT_RAGGR1_AfterItem(card());
        st.CMD_ASSOCIA->setEnabled(false);
    });
    p.step([&] {
        const std::string raggr = common::NzValore(db::Value(st.TXT_RAGGR1->Text().toStdString()));
        st.articoloRicordato = card().currentItem();
        st.varianteRicordata = st.variante;
        st.raggrRicordato = raggr.empty() ? std::string(kNessunRaggruppamento) : raggr;
        st.raggrInserito = st.raggrRicordato;
        st.raggrCambiato = false;
    });
}

// --------------------------------------------------------------- the list

void GestioneVariantiTab::GRDX_VARIANTI_SOURCE_RowChanged() {
    StatoOpzioni& st = stato();
    db::Recordset* rs = st.sorgente.get();
    if (!rs || !rs->hasCurrentRow())
        return;
    const UnconfirmedOption edit = TakeUnconfirmedSource(st);
    const std::string opz = common::NzStringa(rs->value("MG5E_OPZIONE"));
    st.opzioneNuova = false;
    st.TXT_OPZIONE_ORIG->setText(QString::fromStdString(opz));
    st.TXT_DESOPZIONE_ORIG->setText(
        QString::fromStdString(common::NzStringa(rs->value("MG5E_DESCR"))));
    st.opzione = opz;
    // Offered once the move is over: the list is not asked mid-click.
    if (StillApplies(st, edit))
        QMetaObject::invokeMethod(
            st.TXT_OPZIONE_ORIG, [this, edit, opz] { offerUnconfirmedSource(edit, opz); },
            Qt::QueuedConnection);
}

void GestioneVariantiTab::settleUnconfirmedEdits() {
    StatoOpzioni& st = stato();
    // The boxes still hold what was typed: Conferma's own procedures store it.
    if (const UnconfirmedOption e = TakeUnconfirmedSource(st);
        StillApplies(st, e) && AskToStore(card(), e.code))
        CMD_OPZORIG_SALVA_Click();
    if (const UnconfirmedOption e = TakeUnconfirmedDestination(st);
        StillApplies(st, e) && AskToStore(card(), e.code))
        CMD_OPZDEST_SALVA_Click(card());
}

void GestioneVariantiTab::offerUnconfirmedSource(const UnconfirmedOption& edit,
                                                 const std::string& target) {
    StatoOpzioni& st = stato();
    if (!StillApplies(st, edit) || !AskToStore(card(), edit.code))
        return;
    // The option as typed goes back in the boxes and is stored as Conferma
    // stores it (the boxes' lengths keep it within what Conferma accepts);
    // then the list goes on to the row the user moved to.
    st.TXT_OPZIONE_ORIG->setText(QString::fromStdString(edit.code));
    st.TXT_OPZIONE_ORIG->setEnabled(edit.isNew);
    st.TXT_DESOPZIONE_ORIG->setText(edit.description);
    st.opzioneNuova = edit.isNew;
    CMD_OPZORIG_SALVA_Click();
    if (MoveToOption(st.sorgente.get(), "MG5E_OPZIONE", target))
        GRDX_VARIANTI_SOURCE_RowChanged();
}

void GestioneVariantiTab::GRDX_CheckEditToggleClick(bool sorgente, long row) {
    StatoOpzioni& st = stato();
    db::Recordset* rs = sorgente ? st.sorgente.get() : st.destinazione.get();
    if (!rs || row < 0 || row >= rs->recordCount())
        return;
    const char* campo = sorgente ? "MG5E_OPZIONE" : "MG5H_OPZIONE_MG5E";
    Procedure p(card(), sorgente ? "GRDX_VARIANTI_SOURCE_CheckEditToggleClick"
                                 : "GRDX_VARIANTI_DESTI_CheckEditToggleClick");
    p.step([&] {
        const int fSel = rs->fieldIndex("SELEZ");
        const bool ora = !common::IsNonZero(rs->valueAt(row, fSel));
        card().connection().execute(
            sqlTickRow(sorgente ? "#TMP_ORIG" : "#TMP_DEST", campo,
                       common::NzStringa(rs->valueAt(row, rs->fieldIndex(campo))), ora));
        rs->setValueAt(row, fSel, db::Value(ora ? 1 : 0));
    });
}

// ---------------------------------------------------------------- editing

void GestioneVariantiTab::CMD_OPZORIG_NUOVO_Click() {
    StatoOpzioni& st = stato();
    // What was typed for the option on show is offered before the boxes empty.
    settleUnconfirmedEdits();
    // Leaving the description box locks the code box (after-entry): with Alt
    // and the letter the focus is still there, so it is left first.
    if (st.TXT_DESOPZIONE_ORIG->hasFocus())
        st.TXT_DESOPZIONE_ORIG->clearFocus();
    st.origModificata = false;
    st.opzioneNuova = true;
    st.TXT_OPZIONE_ORIG->setEnabled(true);
    st.TXT_OPZIONE_ORIG->clear();
    st.TXT_DESOPZIONE_ORIG->clear();
    st.TXT_OPZIONE_ORIG->setFocus();
}

bool GestioneVariantiTab::TXT_OPZIONE_ORIG_Validate() {
    StatoOpzioni& st = stato();
    QString text = st.TXT_OPZIONE_ORIG->text();
    if (!text.contains(QLatin1Char('\'')))
        return false;
    card().services().VisualizzaMessaggio(kTestoApice, 91514, common::vbExclamation,
                                          card().widget()->windowTitle().toStdString());
    text.remove(QLatin1Char('\''));
    st.TXT_OPZIONE_ORIG->setText(text);
    return true;
}

void GestioneVariantiTab::TXT_DESOPZIONE_ORIG_AfterEntry() {
    stato().TXT_OPZIONE_ORIG->setEnabled(false);
}

void GestioneVariantiTab::CMD_OPZORIG_SALVA_Click() {
    StatoOpzioni& st = stato();
    common::WindowServices& ws = card().services();
    const std::string codice = pulito(st.TXT_OPZIONE_ORIG);
    const std::string descr = pulito(st.TXT_DESOPZIONE_ORIG);
    if (codice.empty())
        return;
    const std::string titolo = ws.TraduciTesto(kTitoloVarianti, 50877);

    // Refusals before anything is written.
    if (st.variante.empty() || !st.sorgente) {
        ws.VisualizzaMessaggio("Scegliere prima una variante dell'articolo.", 91515,
                               common::vbExclamation, titolo);
        return;
    }
    if (codice.find('\'') != std::string::npos) {
        TXT_OPZIONE_ORIG_Validate();
        return;
    }
    const long size = numeroCampo(st.dimensione.get(), "MG5F_SIZE");
    const long massimo = size > 0 && size < 20 ? size : 20;
    if (QString::fromStdString(codice).size() > massimo) {
        ws.VisualizzaMessaggio("Il codice dell'opzione non pu\xC3\xB2 superare " +
                                   common::countText(massimo, common::kCaratteri) + ".",
                               91540, common::vbExclamation, titolo,
                               {{db::Value(ws.CountText(massimo, common::kCaratteri))}});
        return;
    }
    if (QString::fromStdString(descr).size() > 80) {
        ws.VisualizzaMessaggio("La descrizione dell'opzione non pu\xC3\xB2 superare 80 caratteri.",
                               91541, common::vbExclamation, titolo);
        return;
    }

    db::Connection& cn = card().connection();
    const std::string& ditta = card().companyCode();
    db::Recordset* rs = st.sorgente.get();
    long trovata = -1;
    const int fOpz = rs->fieldIndex("MG5E_OPZIONE");
    // Compared as the database compares codes (case and trailing blanks
    // aside): "xs" is the option XS, whose description it changes.
    const db::Value cercato(codice);
    for (long r = 0; r < rs->recordCount() && trovata < 0; ++r)
        if (db::Value::compare(rs->valueAt(r, fOpz), cercato) == 0)
            trovata = r;

    // A code typed after Nuovo that is an option already (shown, or hidden by
    // the list's filter): its description is replaced only when the user says so.
    bool nascosta = false;
    if (st.opzioneNuova) {
        if (trovata < 0) {
            db::Recordset stored;
            stored.open(sqlOptionStored(ditta, st.variante, codice), cn);
            nascosta = stored.recordCount() > 0;
        }
        if ((trovata >= 0 || nascosta) &&
            ws.VisualizzaMessaggio("L'opzione \"" + codice +
                                       "\" esiste gi\xC3\xA0: sostituirne la descrizione con "
                                       "quella indicata?",
                                   91549, common::vbYesNo + common::vbQuestion, titolo,
                                   {{db::Value(codice)}}) != common::vbYes)
            return;  // what was typed stays, for another code or description
    }
    st.origModificata = false;
    st.opzioneNuova = false;
    Procedure p(card(), "CMD_OPZORIG_SALVA_Click");
    if (nascosta) {
        p.step([&] { cn.execute(sqlSetOptionDescription(ditta, st.variante, codice, descr)); });
    } else if (trovata >= 0) {
        p.step([&] { cn.execute(sqlSetOptionDescription(ditta, st.variante, codice, descr)); });
        p.step([&] {
            rs->setValueAt(trovata, rs->fieldIndex("MG5E_DESCR"),
                           descr.empty() ? db::Value::null() : db::Value(descr));
            cn.execute(sqlSetSourceDescription(codice, descr));
        });
    } else {
        p.step([&] { cn.execute(sqlInsertOption(ditta, st.variante, codice, descr)); });
    }
    if (!p.running())
        return;
    p.step([&] { st.TXT_OPZIONE_ORIG->setEnabled(false); });
    if (trovata >= 0 || nascosta) {
        p.step([&] {
            CaricaRaggruppamento(card(), st.variante, st.raggruppamento, false, true, false);
        });
    } else {
        p.step([&] {
            CaricaRaggruppamento(card(), st.variante, st.raggruppamento, true, true, false);
        });
        p.step([&] {
            db::Recordset* nuovo = st.sorgente.get();
            if (!nuovo)
                return;
            const int f = nuovo->fieldIndex("MG5E_OPZIONE");
            for (long r = 0; r < nuovo->recordCount(); ++r)
                if (common::NzStringa(nuovo->valueAt(r, f)) == codice) {
                    nuovo->setAbsolutePosition(r + 1);
                    GRDX_VARIANTI_SOURCE_RowChanged();
                    break;
                }
            st.CMD_OPZORIG_NUOVO->setFocus();
        });
    }
    p.step([&] { AzzeraTabStati(card()); });
}

void GestioneVariantiTab::CMD_OPZORIG_ELIMINA_Click() {
    StatoOpzioni& st = stato();
    const std::vector<std::string> spuntate = ValoriSpuntati(st.sorgente.get(), "MG5E_OPZIONE");
    if (spuntate.empty())
        return;
    common::WindowServices& ws = card().services();
    db::Connection& cn = card().connection();

    Procedure p(card(), "CMD_OPZORIG_ELIMINA_Click");
    std::string titolo;
    p.step([&] { titolo = ws.TraduciTesto(kTitoloVarianti, 50877); });
    int risposta = common::vbNo;
    p.step([&] {
        risposta = ws.VisualizzaMessaggio(
            "Elimino le opzioni selezionate ?", 24901,
            common::vbYesNo + common::vbDefaultButton2 + common::vbQuestion, titolo);
    });
    if (!p.running() || risposta != common::vbYes)
        return;
    p.step([&] {
        cn.clearErrors();
        try {
            cn.execute(sqlDeleteOptions(card().companyCode(), st.variante, spuntate));
        } catch (const std::exception&) {
            // Judged below from the connection's errors.
        }
    });
    p.step([&] {
        const auto& errori = cn.errors();
        if (!errori.empty() && std::atoi(errori.front().sqlState.c_str()) == 23000)
            OfferWhereUsed(card(), spuntate, titolo);  // the refusal, then where-used
    });
    p.step(
        [&] { CaricaRaggruppamento(card(), st.variante, st.raggruppamento, true, false, false); });
    p.step([&] { AzzeraTabStati(card()); });
}

// ------------------------------------------------------------------ views

void GestioneVariantiTab::CMD_DASELEZ_ButtonClick() {
    StatoOpzioni& st = stato();
    common::WindowServices& ws = card().services();
    Procedure p(card(), "CMD_DASELEZ_ButtonClick");
    const std::string soloDaSelezionare =
        ws.TraduciTesto("Visualizza solo opzioni da selezionare", 76542);
    if (controls::PlainCaption(st.CMD_DASELEZ->text()).toStdString() == soloDaSelezionare) {
        p.step([&] {
            CaricaRaggruppamento(card(), st.variante, st.raggruppamento, true, false, true);
        });
        p.step([&] {
            controls::SetCommandText(
                st.CMD_DASELEZ, ws.TranslateCaption(QStringLiteral("Visualizza tutte le opzioni")));
            pictureDaselez_ = "PIC_NOFILTRO";
        });
    } else {
        p.step([&] {
            CaricaRaggruppamento(card(), st.variante, st.raggruppamento, true, false, false);
        });
        p.step([&] {
            controls::SetCommandText(st.CMD_DASELEZ, QString::fromStdString(soloDaSelezionare));
            pictureDaselez_ = "PIC_FILTRO";
        });
    }
}

void GestioneVariantiTab::CMD_RUBRICA1_ButtonClick() {
    StatoOpzioni& st = stato();
    common::WindowServices& ws = card().services();
    Procedure p(card(), "CMD_RUBRICA1_ButtonClick");
    p.step([&] {
        st.rubrica = !st.rubrica;
        // The address book: the rows by the first letter of their description.
        if (st.sorgente && st.sorgente->isOpen())
            st.sorgente->setSort(st.rubrica ? "LETTERA ASC, MG5E_OPZIONE ASC" : "");
        controls::SetCommandText(
            st.CMD_RUBRICA1,
            QString::fromStdString(st.rubrica
                                       ? ws.TraduciTesto("Disattiva visualizzazione rubrica", 76562)
                                       : ws.TraduciTesto("Attiva visualizzazione rubrica", 76561)));
    });
}

void GestioneVariantiTab::CMD_SEARCH_Click() {
    StatoOpzioni& st = stato();
    db::Recordset* rs = st.sorgente.get();
    if (!rs || !rs->isOpen())
        return;
    Procedure p(card(), "CMD_SEARCH_Click");
    const std::string cerca = maiuscolo(pulito(st.TXT_DESOPZIONE_ORIG));
    p.step([&] {
        if (st.rubrica)
            CMD_RUBRICA1_ButtonClick();
    });
    p.step([&] {
        // Detached while every row changes, so the grid redraws once.
        st.GRDX_VARIANTI_SOURCE->SetDataSource(nullptr);
        const int fDes = rs->fieldIndex("MG5E_DESCR");
        const int fSort = rs->fieldIndex("SORT_CODE");
        const int fSel = rs->fieldIndex("SELEZ");
        for (long r = 0; r < rs->recordCount(); ++r) {
            const bool trovata =
                maiuscolo(rs->valueAt(r, fDes).toText()).find(cerca) != std::string::npos;
            rs->setValueAt(r, fSort, db::Value(trovata ? 1 : 0));
        }
        for (long r = 0; r < rs->recordCount(); ++r)
            rs->setValueAt(r, fSel, db::Value(common::IsNonZero(rs->valueAt(r, fSort)) ? 1 : 0));
    });
    p.step([&] {
        WriteSourceSelections(card());
        card().connection().execute(kSqlSortSourceByTick);
    });
    p.step([&] {
        rs->setSort("SORT_CODE DESC");
        rs->moveFirst();
    });
    st.GRDX_VARIANTI_SOURCE->SetDataSource(rs);
}

// -------------------------------------------------------- options management

void GestioneVariantiTab::CMD_LINK1_Click() {
    StatoOpzioni& st = stato();
    Procedure p(card(), "CMD_LINK1_Click");
    p.step(
        [&] { st.variantePreselezionata = static_cast<short>(st.CBO_TIPOVAR1->currentIndex()); });
    p.step([&] {
        std::unique_ptr<framework::Cinterface> gestione = card().createSibling(kProgIdOpzioni);
        gestione->SetProperty("CodiceDitta", db::Value(card().companyCode()));
        gestione->SetProperty("PosizioneVariante", db::Value(st.variante));
        gestione->SetProperty("CodiceVariante", db::Value(st.opzione));
        framework::Cinterface* host = card().Pcls_Interface();
        gestione->SetClsGlobal(host ? host->ClsGlobal() : nullptr);
        gestione->SetConnection(&card().connection());
        gestione->SetWindowModal(true);
        gestione->ShowForm();
        gestione->CloseForm();
    });
    p.step([&] {
        card().services().SyncNavigator();
        card().clearLoadedItems({common::kTabGestioneVarianti, common::kTabTrascodificaVarianti});
        card().selectTab(card().currentTab());
    });
}

namespace {
const common::RegisteredTab<GestioneVariantiTab> registrazione(common::kTabGestioneVarianti);
}  // namespace

}  // namespace groupings
