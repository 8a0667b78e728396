// The list presentation of tab 6: the combination rows of the pair in scope,
// joined with #TMP_COMBI (their descriptions and state), edited one at a
// time through the record frame FME_COMBI.

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/box_text.h"
#include "common/frame_messages.h"
#include "common/pending_edits.h"
#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "common/work_tables.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_navigator.h"
#include "platform/controls/key_filters.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/record_frame.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "states/box_helpers.h"
#include "states/state_services.h"
#include "states/states_sql.h"
#include "states/stati_combinazione_tab.h"

namespace states {

using common::BoxText;
using common::Procedure;

void StatiCombinazioneTab::buildList(QWidget* page) {
    FRAME_COMBINAZIONI = new QWidget(page);
    FRAME_COMBINAZIONI->setObjectName("FRAME_COMBINAZIONI");
    FRAME_COMBINAZIONI->setEnabled(false);  // until a valid pair opens the list
    auto* layout = new QVBoxLayout(FRAME_COMBINAZIONI);
    layout->setContentsMargins(0, 0, 0, 0);
    GRD_COMBI = new controls::DataGrid(FRAME_COMBINAZIONI);
    GRD_COMBI->setObjectName("GRD_COMBI");
    GRD_COMBI->SetReadOnly(true);
    layout->addWidget(GRD_COMBI, 1);

    auto* bar = new QHBoxLayout;
    GRIDNAV_COMBI = new controls::GridNavigator(FRAME_COMBINAZIONI);
    GRIDNAV_COMBI->setObjectName("GRIDNAV_COMBI");
    // The list opens nothing and exports nothing: only its own buttons show.
    GRIDNAV_COMBI->SetButtonVisible("Apri", false);
    GRIDNAV_COMBI->SetButtonVisible("Esporta", false);
    bar->addWidget(GRIDNAV_COMBI);
    CMD_ELIMINACOMBI = new QPushButton(QStringLiteral("Elimina"), FRAME_COMBINAZIONI);
    CMD_ELIMINACOMBI->setObjectName("CMD_ELIMINACOMBI");
    CMD_ELIMINACOMBI->setToolTip(QStringLiteral("Elimina la combinazione selezionata (Canc)"));
    CMD_ELIMINACOMBI->setEnabled(false);
    bar->addWidget(CMD_ELIMINACOMBI);
    bar->addStretch(1);
    layout->addLayout(bar);

    db::Connection* cn = &card().connection();
    auto lookup = [&](const char* name, int maxLength) {
        return NewCodeBox(FRAME_COMBINAZIONI, name, cn, maxLength);
    };
    auto description = [&](const char* name) {
        return NewDescriptionEdit(FRAME_COMBINAZIONI, name);
    };
    auto* editing = new QGridLayout;
    LBL_OPZIONE1 = new QLabel(QStringLiteral("Opzione"), FRAME_COMBINAZIONI);
    LBL_OPZIONE2 = new QLabel(QStringLiteral("Opzione"), FRAME_COMBINAZIONI);
    TXT_OPZIONE1 = lookup("TXT_OPZIONE1", 20);
    TXT_OPZIONE2 = lookup("TXT_OPZIONE2", 20);
    TXT_DESOPZIONE1 = description("TXT_DESOPZIONE1");
    TXT_DESOPZIONE2 = description("TXT_DESOPZIONE2");
    TXT_STATOCOMBI = lookup("TXT_STATOCOMBI", 10);
    TXT_DESSTATOCOMBI = description("TXT_DESSTATOCOMBI");
    editing->addWidget(LBL_OPZIONE1, 0, 0);
    editing->addWidget(TXT_OPZIONE1, 0, 1);
    editing->addWidget(TXT_DESOPZIONE1, 0, 2);
    editing->addWidget(LBL_OPZIONE2, 1, 0);
    editing->addWidget(TXT_OPZIONE2, 1, 1);
    editing->addWidget(TXT_DESOPZIONE2, 1, 2);
    editing->addWidget(new QLabel(QStringLiteral("Stato"), FRAME_COMBINAZIONI), 2, 0);
    editing->addWidget(TXT_STATOCOMBI, 2, 1);
    editing->addWidget(TXT_DESSTATOCOMBI, 2, 2);
    editing->setColumnStretch(1, 1);
    editing->setColumnStretch(2, 3);
    layout->addLayout(editing);
    controls::OnKeyPress(GRD_COMBI, Qt::Key_Delete, [this] { CMD_ELIMINACOMBI_Click(); });
}

std::string StatiCombinazioneTab::campoOpzione(int quale) const {
    const bool primoMinore = var1_ < var2_;
    return (quale == 1) == primoMinore ? "MG5W_OPZIONE1_MG5E" : "MG5W_OPZIONE2_MG5E";
}

void StatiCombinazioneTab::Configura_QGRID_COMBI() {
    const bool primoMinore = var1_ < var2_;
    controls::GridColumns& cols = GRD_COMBI->Columns();
    GRD_COMBI->SetDataSource(nullptr);
    cols.Clear();
    cols.Add(campoOpzione(1), QStringLiteral("Opzione 1")).SetWidth(90);
    cols.Add(primoMinore ? "DESCR_OPZIONE1" : "DESCR_OPZIONE2", QStringLiteral("Descrizione 1"))
        .SetWidth(180);
    cols.Add(campoOpzione(2), QStringLiteral("Opzione 2")).SetWidth(90);
    cols.Add(primoMinore ? "DESCR_OPZIONE2" : "DESCR_OPZIONE1", QStringLiteral("Descrizione 2"))
        .SetWidth(180);
    cols.Add("CODICE_STATO", QStringLiteral("Codice stato")).SetWidth(90);
    cols.Add("DESCRI_STATO", QStringLiteral("Descrizione stato")).SetWidth(200);
}

void StatiCombinazioneTab::AttivaFrameworkCombi() {
    if (!coppiaValida())
        return;
    Procedure p(card(), "AttivaFrameworkCombi");
    p.onAbort([&] { ChiudiFrameworkCombi(); });
    db::Connection& cn = card().connection();
    common::WindowServices& ws = card().services();
    const std::string& ditta = card().companyCode();
    const bool primoMinore = var1_ < var2_;
    std::string r1, r2;
    p.step([&] { FRAME_COMBINAZIONI->setEnabled(false); });
    p.step([&] {
        r1 = BoxText(TXT_RAGGR6_1);
        r2 = BoxText(TXT_RAGGR6_2);
    });
    p.step([&] { Configura_QGRID_COMBI(); });
    p.step([&] { ws.EliminaTabellaTemp("#TMP_COMBI"); });
    p.step([&] {
        const std::string& raggrA = primoMinore ? r1 : r2;
        const std::string& raggrB = primoMinore ? r2 : r1;
        cn.execute(sqlCombinationRows(ditta, condArt(), varA(), varB(), raggrA, raggrB));
    });
    p.step([&] { cn.execute(sqlCombinationOptionColumn("OPZIONE1")); });
    p.step([&] { cn.execute(sqlCombinationOptionColumn("OPZIONE2")); });
    p.step([&] { cn.execute(sqlCombinationKey(common::NewWorkTableKeyName(cn))); });
    p.step([&] {
        sqlCombi_ = sqlCombinationList(ditta, condArt(), varA(), varB());
        auto rs = std::make_unique<db::Recordset>();
        rs->open(sqlCombi_, cn);
        rsCombi_ = std::move(rs);
    });
    p.step([&] {
        // A child of its grid, so that the window finds it among its frames.
        frame_ = std::make_unique<controls::RecordFrame>(GRD_COMBI);
        controls::RecordFrame* f = frame_.get();
        f->SetName(QStringLiteral("FME_COMBI"));
        f->Bind(&cn, rsCombi_.get(), "CHIAVE", sqlCombi_);
        f->SetRecordDescription(QStringLiteral("la combinazione"));
        common::routeFrameMessages(card().services(), *f, [this] {
            return card().services().TraduciTesto("Avviso Utente", 8522);
        });
        controls::BindOptions o1{LBL_OPZIONE1->text(), true, true};
        controls::BindOptions o2{LBL_OPZIONE2->text(), true, true};
        f->BindControl(TXT_OPZIONE1, campoOpzione(1), o1);
        f->BindControl(TXT_OPZIONE2, campoOpzione(2), o2);
        f->SetGrid(GRD_COMBI);
        f->SetNavigator(GRIDNAV_COMBI);
        GRD_COMBI->SetDataSource(rsCombi_.get());

        // The frame's own writers run first: these see the box's value in the row.
        using controls::LookupBox;
        using controls::RecordFrame;
        QObject::connect(
            f, &RecordFrame::validateRecord, f,
            [this](QWidget*& invalid, bool& cancel) { FME_COMBI_ValidateRecord(invalid, cancel); });
        QObject::connect(f, &RecordFrame::afterAddNew, f,
                         [this](bool success) { FME_COMBI_AfterAddNew(success); });
        QObject::connect(f, &RecordFrame::beforeUpdate, f,
                         [this](bool& cancel) { FME_COMBI_BeforeUpdate(cancel); });
        QObject::connect(f, &RecordFrame::changeStatus, f,
                         [this](int status) { FME_COMBI_ChangeStatus(status); });
        QObject::connect(f, &RecordFrame::beforeDelete, f,
                         [this](bool& cancel) { FME_COMBI_BeforeDelete(cancel); });
        QObject::connect(f, &RecordFrame::afterDelete, f, [this](bool) { updateDeleteButton(); });
        QObject::connect(TXT_OPZIONE1, &LookupBox::afterItem, f,
                         [this] { TXT_OPZIONE1_AfterItem(); });
        QObject::connect(TXT_OPZIONE2, &LookupBox::afterItem, f,
                         [this] { TXT_OPZIONE2_AfterItem(); });
        // Moving between stored rows shows each row's state.
        QObject::connect(GRD_COMBI, &controls::DataGrid::rowChanged, f, [this] {
            if (frame_ && frame_->Status() == controls::RecordFrame::Browse)
                mostraStatoRiga();
            updateDeleteButton();
        });
    });
    p.step([&] { CaricaDefaultCombinazione(condArt(), varA(), varB()); });
    p.step([&] { FRAME_COMBINAZIONI->setEnabled(true); });
    p.step([&] {
        if (rsCombi_->recordCount() > 0) {
            rsCombi_->moveFirst();
            frame_->SetStatus(controls::RecordFrame::Browse);
            FME_COMBI_ChangeStatus(controls::RecordFrame::Browse);
            GRD_COMBI->setFocus();
        } else {
            frame_->AddNew();
            TXT_OPZIONE1->setFocus();
        }
    });
}

bool StatiCombinazioneTab::ChiudiFrameworkCombi() {
    bool chiuso = true;
    Procedure p(card(), "ChiudiFrameworkCombi");
    p.step([&] {
        if (!frame_)
            return;
        // A new row nothing was typed into is dropped without asking.
        const bool vuota = frame_->Status() == controls::RecordFrame::Entering &&
                           BoxText(TXT_OPZIONE1).empty() && BoxText(TXT_OPZIONE2).empty() &&
                           BoxText(TXT_STATOCOMBI).empty();
        if (vuota)
            frame_->Undo();
        else
            chiuso = common::concludeOnClose(card().services(), *frame_, p.name());
    });
    p.step([&] {
        if (frame_)
            frame_->Release();
        frame_.reset();
        GRIDNAV_COMBI->SetFrame(nullptr);
        GRIDNAV_COMBI->SetGrid(nullptr);
        GRD_COMBI->SetDataSource(nullptr);
        common::ChiudiRecordset(rsCombi_);
        for (controls::LookupBox* box : {TXT_OPZIONE1, TXT_OPZIONE2, TXT_STATOCOMBI})
            box->SetText({});
        for (QLineEdit* box : {TXT_DESOPZIONE1, TXT_DESOPZIONE2, TXT_DESSTATOCOMBI})
            box->clear();
        updateDeleteButton();
        // Without a list nothing typed below it could be stored: the boxes
        // are off until a valid pair opens the list again.
        FRAME_COMBINAZIONI->setEnabled(false);
    });
    return chiuso;
}

void StatiCombinazioneTab::updateDeleteButton() {
    const bool hasRow = frame_ && (frame_->Status() == controls::RecordFrame::Entering ||
                                   (rsCombi_ && rsCombi_->hasCurrentRow()));
    CMD_ELIMINACOMBI->setEnabled(hasRow);
}

void StatiCombinazioneTab::RicaricaCombi() {
    if (!frame_ || !rsCombi_)
        return;
    Procedure p(card(), "RicaricaCombi");
    long posizione = 0;
    p.step([&] {
        posizione = rsCombi_->absolutePosition();
        rsCombi_->close();
        rsCombi_->open(sqlCombi_, card().connection());
        frame_->SetListStatement(sqlCombi_);
        GRD_COMBI->SetDataSource(rsCombi_.get());
    });
    p.step([&] {
        if (rsCombi_->recordCount() > 0) {
            rsCombi_->setAbsolutePosition(
                std::clamp(posizione, 1L, static_cast<long>(rsCombi_->recordCount())));
            frame_->SetStatus(controls::RecordFrame::Browse);
            mostraStatoRiga();
        } else {
            frame_->AddNew();
        }
    });
}

// ----------------------------------------------------------- frame events

void StatiCombinazioneTab::FME_COMBI_AfterAddNew(bool success) {
    if (!success)
        return;
    Procedure p(card(), "FME_COMBI_AfterAddNew");
    p.step([&] {
        db::Recordset& rs = *rsCombi_;
        rs.setValue("MG5W_DITTA_CG18", common::NzNumero(db::Value(card().companyCode())));
        rs.setValue("MG5W_CODICEVAR1_MG5F", varA());
        rs.setValue("MG5W_CODICEVAR2_MG5F", varB());
        rs.setValue("CHIAVE", common::NewId(card().connection()));
        if (ambito() == kSingola)
            rs.setValue("MG5W_CODART_MG66", card().currentItem());
    });
}

void StatiCombinazioneTab::FME_COMBI_BeforeUpdate(bool&) {
    Procedure p(card(), "FME_COMBI_BeforeUpdate");
    p.step([&] {
        db::Recordset& rs = *rsCombi_;
        const std::string opz1 = common::NzStringa(rs.value("MG5W_OPZIONE1_MG5E"));
        const std::string opz2 = common::NzStringa(rs.value("MG5W_OPZIONE2_MG5E"));
        rs.setValue("DITTA", common::NzNumero(db::Value(card().companyCode())));
        rs.setValue("OPZIONE1", opz1);
        rs.setValue("OPZIONE2", opz2);
        rs.setValue("CHIAVE", common::NzStringa(rs.value("DITTA")) + opz1 + opz2);
    });
}

void StatiCombinazioneTab::FME_COMBI_ValidateRecord(QWidget*& invalid, bool&) {
    if (invalid)
        return;
    common::WindowServices& ws = card().services();
    const std::string titolo = ws.TraduciTesto("Avviso Utente", 8522);
    auto rifiuta = [&](QWidget* control, const std::string& text, long number,
                       std::vector<db::Value> parameters = {}) {
        invalid = control;
        ws.VisualizzaMessaggio(text, number, common::vbExclamation, titolo, parameters);
    };
    const std::string opz1 = BoxText(TXT_OPZIONE1);
    const std::string opz2 = BoxText(TXT_OPZIONE2);
    if (!TXT_OPZIONE1->Found()) {
        const std::string variante = descrizioneVariante(CBO_TIPOVAR6_1);
        rifiuta(TXT_OPZIONE1, "L'opzione " + opz1 + " non esiste per la variante " + variante + ".",
                91544, {db::Value(opz1), db::Value(variante)});
        return;
    }
    if (!TXT_OPZIONE2->Found()) {
        const std::string variante = descrizioneVariante(CBO_TIPOVAR6_2);
        rifiuta(TXT_OPZIONE2, "L'opzione " + opz2 + " non esiste per la variante " + variante + ".",
                91544, {db::Value(opz2), db::Value(variante)});
        return;
    }
    const std::string stato = BoxText(TXT_STATOCOMBI);
    if ((stato.empty() && statoCombiObbligatorio) || !TXT_STATOCOMBI->Found()) {
        if (stato.empty())
            rifiuta(TXT_STATOCOMBI, "Indicare lo stato della combinazione.", 91545);
        else
            rifiuta(TXT_STATOCOMBI, "Lo stato " + stato + " non esiste: indicare uno stato valido.",
                    91546, {db::Value(stato)});
        return;
    }
    // One row per pair of options in a scope: another row would hide this one.
    try {
        db::Recordset& rs = *rsCombi_;
        const db::Value id = rs.value("MG5W_IDPROV");
        const std::string opzA = common::NzStringa(rs.value("MG5W_OPZIONE1_MG5E"));
        const std::string opzB = common::NzStringa(rs.value("MG5W_OPZIONE2_MG5E"));
        db::Recordset doppie;
        doppie.open(
            sqlOtherCombinations(card().companyCode(), condArt(), varA(),
                                 common::RaddoppiaApici(opzA), varB(), common::RaddoppiaApici(opzB),
                                 id.isEmptyOrNull() ? std::string() : id.toText()),
            card().connection());
        if (doppie.recordCount() > 0)
            rifiuta(TXT_OPZIONE1,
                    "La combinazione " + opz1 + " / " + opz2 +
                        " ha gi\xC3\xA0 uno stato: modificare la riga esistente.",
                    91547, {db::Value(opz1), db::Value(opz2)});
    } catch (const std::exception&) {
        card().connection().clearErrors();
    }
}

void StatiCombinazioneTab::FME_COMBI_ChangeStatus(int status) {
    Procedure p(card(), "FME_COMBI_ChangeStatus");
    p.step([&] {
        switch (status) {
            case controls::RecordFrame::Browse:
                TXT_OPZIONE1->setEnabled(false);
                TXT_OPZIONE2->setEnabled(false);
                // A list left without rows (its new row undone) has no row
                // to give a state to: a state typed there would go nowhere.
                TXT_STATOCOMBI->setEnabled(rsCombi_ && rsCombi_->hasCurrentRow());
                mostraStatoRiga();
                break;
            case controls::RecordFrame::Changed:
                TXT_OPZIONE1->setEnabled(true);
                TXT_OPZIONE2->setEnabled(true);
                TXT_STATOCOMBI->setEnabled(true);
                // The state box's own change keeps it and the focus.
                if (!prendendoStato_) {
                    TXT_OPZIONE1->setFocus();
                    TXT_STATOCOMBI->SetText({});
                    TXT_DESSTATOCOMBI->clear();
                    ultimoStato_.clear();
                }
                break;
            case controls::RecordFrame::Entering:
                TXT_OPZIONE1->setEnabled(true);
                TXT_OPZIONE2->setEnabled(true);
                TXT_STATOCOMBI->setEnabled(true);
                TXT_STATOCOMBI->SetText({});
                TXT_DESSTATOCOMBI->clear();
                TXT_DESOPZIONE1->clear();
                TXT_DESOPZIONE2->clear();
                ultimoStato_.clear();
                break;
            default:
                break;
        }
        updateDeleteButton();
    });
}

// The current row's state and option descriptions in the boxes.
void StatiCombinazioneTab::mostraStatoRiga() {
    if (!rsCombi_ || !rsCombi_->hasCurrentRow()) {
        TXT_STATOCOMBI->SetText({});
        TXT_DESSTATOCOMBI->clear();
        return;
    }
    const bool primoMinore = var1_ < var2_;
    const std::string codice = GetCodiceStato(card(), rsCombi_->value("MG5W_IDSTATOVAR_MG5V"));
    TXT_STATOCOMBI->SetText(QString::fromStdString(codice));
    TXT_STATOCOMBI->SetFound(true);
    TXT_DESSTATOCOMBI->setText(
        QString::fromStdString(common::NzStringa(rsCombi_->value("DESCRI_STATO"))));
    TXT_DESOPZIONE1->setText(QString::fromStdString(
        common::NzStringa(rsCombi_->value(primoMinore ? "DESCR_OPZIONE1" : "DESCR_OPZIONE2"))));
    TXT_DESOPZIONE2->setText(QString::fromStdString(
        common::NzStringa(rsCombi_->value(primoMinore ? "DESCR_OPZIONE2" : "DESCR_OPZIONE1"))));
    TXT_OPZIONE1->SetFound(true);
    TXT_OPZIONE2->SetFound(true);
    ultimoStato_ = codice;
}

void StatiCombinazioneTab::FME_COMBI_BeforeDelete(bool& cancel) {
    Procedure p(card(), "FME_COMBI_BeforeDelete");
    p.step([&] {
        db::Recordset& rs = *rsCombi_;
        const std::string& ditta = card().companyCode();
        const std::string opz1 = common::NzStringa(rs.value("MG5W_OPZIONE1_MG5E"));
        const std::string opz2 = common::NzStringa(rs.value("MG5W_OPZIONE2_MG5E"));
        const std::string artRiga = common::NzValore(rs.value("MG5W_CODART_MG66"), "");
        card().connection().execute(
            sqlDeleteCombination(ditta, varA(), opz1, varB(), opz2, artRiga));
        cancel = true;
    });
    p.step([&] { RicaricaCombi(); });
    if (!p.running())
        cancel = true;
}

void StatiCombinazioneTab::GRIDNAV_COMBI_AfterButtonClick(bool success, const QString& key) {
    if (success && key == QStringLiteral("Nuovo"))
        TXT_OPZIONE1->setFocus();
}

void StatiCombinazioneTab::CMD_ELIMINACOMBI_Click() {
    if (!frame_ || !rsCombi_ || !rsCombi_->hasCurrentRow())
        return;
    if (frame_->Status() != controls::RecordFrame::Entering) {
        common::WindowServices& ws = card().services();
        const std::string opz1 = BoxText(TXT_OPZIONE1);
        const std::string opz2 = BoxText(TXT_OPZIONE2);
        const int risposta = ws.VisualizzaMessaggio(
            "Eliminare lo stato della combinazione " + opz1 + " / " + opz2 + "?", 91521,
            common::vbYesNo + common::vbQuestion + common::vbDefaultButton2,
            ws.TraduciTesto("Avviso Utente", 8522),
            std::vector<db::Value>{db::Value(opz1), db::Value(opz2)});
        if (risposta != common::vbYes)
            return;
    }
    frame_->Delete();
}

// ---------------------------------------------------------- editing boxes

void StatiCombinazioneTab::TXT_OPZIONE1_StartLookup() {
    controls::ApplyLookup(*TXT_OPZIONE1, card().lookups().Options(var1_, BoxText(TXT_RAGGR6_1)));
}

void StatiCombinazioneTab::TXT_OPZIONE1_StartDecode() {
    controls::ApplyDecode(*TXT_OPZIONE1, card().lookups().DecodeOption(var1_, BoxText(TXT_OPZIONE1),
                                                                       BoxText(TXT_RAGGR6_1)));
}

void StatiCombinazioneTab::TXT_OPZIONE2_StartLookup() {
    controls::ApplyLookup(*TXT_OPZIONE2, card().lookups().Options(var2_, BoxText(TXT_RAGGR6_2)));
}

void StatiCombinazioneTab::TXT_OPZIONE2_StartDecode() {
    controls::ApplyDecode(*TXT_OPZIONE2, card().lookups().DecodeOption(var2_, BoxText(TXT_OPZIONE2),
                                                                       BoxText(TXT_RAGGR6_2)));
}

namespace {

// The option's description into its box and into the row's column.
void prendiOpzione(controls::LookupBox* box, QLineEdit* descrBox, db::Recordset* rs,
                   const char* colonnaDescr) {
    const std::string descr =
        box->Found() ? common::NzStringa(box->ItemValue("MG5E_DESCR")) : std::string();
    descrBox->setText(QString::fromStdString(descr));
    if (rs && rs->hasCurrentRow())
        rs->setValue(colonnaDescr, descr);
}

}  // namespace

void StatiCombinazioneTab::TXT_OPZIONE1_AfterItem() {
    opzioneScelta(1, TXT_OPZIONE1, TXT_DESOPZIONE1, "TXT_OPZIONE1_AfterItem");
}

void StatiCombinazioneTab::TXT_OPZIONE2_AfterItem() {
    opzioneScelta(2, TXT_OPZIONE2, TXT_DESOPZIONE2, "TXT_OPZIONE2_AfterItem");
}

// An option chosen in box 1 or 2: its description shown and kept in the row,
// and a complete new record saved.
void StatiCombinazioneTab::opzioneScelta(int quale, controls::LookupBox* box, QLineEdit* descrBox,
                                         const char* procedura) {
    if (!frame_)
        return;
    Procedure p(card(), procedura);
    p.step([&] {
        prendiOpzione(
            box, descrBox, rsCombi_.get(),
            campoOpzione(quale) == "MG5W_OPZIONE1_MG5E" ? "DESCR_OPZIONE1" : "DESCR_OPZIONE2");
    });
    p.step([&] { salvaSeCompleta(); });
}

// A new record is saved as soon as both options and the state are given.
void StatiCombinazioneTab::salvaSeCompleta() {
    if (!frame_ || frame_->Status() != controls::RecordFrame::Entering)
        return;
    if (BoxText(TXT_OPZIONE1).empty() || BoxText(TXT_OPZIONE2).empty() ||
        BoxText(TXT_STATOCOMBI).empty())
        return;
    frame_->Update();
}

void StatiCombinazioneTab::TXT_STATOCOMBI_StartLookup() {
    LookUpStates(card(), *TXT_STATOCOMBI);
}

void StatiCombinazioneTab::TXT_STATOCOMBI_StartDecode() {
    DecodeStateCode(card(), *TXT_STATOCOMBI);
}

void StatiCombinazioneTab::TXT_STATOCOMBI_StartEdit() {
    ultimoStato_ = BoxText(TXT_STATOCOMBI);
}

void StatiCombinazioneTab::TXT_STATOCOMBI_AfterItem() {
    if (!frame_ || !rsCombi_ || !rsCombi_->hasCurrentRow())
        return;
    const std::string testo = BoxText(TXT_STATOCOMBI);
    if (testo == ultimoStato_)
        return;
    Procedure p(card(), "TXT_STATOCOMBI_AfterItem");
    Stato stato;
    p.step([&] { stato = DecodificaStato(card(), testo); });
    p.step([&] {
        TXT_DESSTATOCOMBI->setText(QString::fromStdString(stato.descrizione));
        if (!ConfirmValidity(card(), stato.id)) {
            TXT_STATOCOMBI->SetText(QString::fromStdString(ultimoStato_));
            TXT_STATOCOMBI->SetFound(true);
            TXT_DESSTATOCOMBI->setText(
                QString::fromStdString(DecodificaStato(card(), ultimoStato_).descrizione));
            p.leave();
        }
    });
    p.step([&] {
        prendendoStato_ = true;
        struct Fine {
            bool& flag;
            ~Fine() { flag = false; }
        } fine{prendendoStato_};
        rsCombi_->setValue("MG5W_IDSTATOVAR_MG5V", stato.id);
        rsCombi_->setValue("CODICE_STATO", testo);
        rsCombi_->setValue("DESCRI_STATO", stato.descrizione);
        frame_->Change();
        ultimoStato_ = testo;
    });
    p.step([&] { salvaSeCompleta(); });
}

}  // namespace states
