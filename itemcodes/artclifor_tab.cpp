#include "itemcodes/artclifor_tab.h"

#include <QApplication>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "common/frame_messages.h"
#include "common/pending_edits.h"
#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "common/work_tables.h"
#include "itemcodes/artclifor_sql.h"
#include "itemcodes/artclifor_tab_parts.h"
#include "itemcodes/articoli_variante.h"
#include "itemcodes/clsmg_listartclartfo.h"
#include "itemcodes/descrizione_variante.h"
#include "platform/controls/key_filters.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/framework/cinterface.h"
#include "platform/framework/company.h"

namespace itemcodes {

using namespace artclifor_parts;

namespace {

// A multi-line box keeps at most max characters, as a line edit would.
void limitaLunghezza(QPlainTextEdit* box, int max) {
    QObject::connect(box, &QPlainTextEdit::textChanged, box, [box, max] {
        const QString text = box->toPlainText();
        if (text.size() <= max)
            return;
        box->setPlainText(text.left(max));
        QTextCursor end = box->textCursor();
        end.movePosition(QTextCursor::End);
        box->setTextCursor(end);
    });
}

QPlainTextEdit* testoMultiriga(QWidget* parent, const char* name, int max, int lines) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setTabChangesFocus(true);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * lines + 12);
    limitaLunghezza(box, max);
    return box;
}

}  // namespace

ArtCliForTab::ArtCliForTab(common::ItemCard& card, const TipoArtCliFor& tipo)
    : CardTab(card, tipo.tab), tipo_(tipo) {}

ArtCliForTab::~ArtCliForTab() {
    // The page may outlive the tab: its watch on the focus goes first.
    QObject::disconnect(focusWatch_);
    // The grid and the frame must not outlive the recordset they point at.
    if (GRD_ARTCLIFOR)
        GRD_ARTCLIFOR->SetDataSource(nullptr);
    if (FME_ARTCLIFOR)
        FME_ARTCLIFOR->Release();
    if (rs_ && listener_)
        rs_->removeListener(listener_);
}

// ---------------------------------------------------------------- the page

void ArtCliForTab::build(QWidget* page) {
    page_ = page;
    auto* layout = new QVBoxLayout(page);

    CHK_ARTCLIFOR = new QCheckBox(QString::fromUtf8(tipo_.didascaliaGestione), page);
    CHK_ARTCLIFOR->setObjectName(tipo_.CHK_GESTIONE);
    CHK_ARTCLIFOR->setEnabled(false);
    layout->addWidget(CHK_ARTCLIFOR);

    GRD_ARTCLIFOR = new controls::DataGrid(page);
    GRD_ARTCLIFOR->setObjectName(tipo_.GRD);
    GRD_ARTCLIFOR->SetReadOnly(true);
    Configura_QGRID_ARTCLIFOR();
    layout->addWidget(GRD_ARTCLIFOR, 1);

    GRIDNAV_ARTCLIFOR = new controls::GridNavigator(page);
    GRIDNAV_ARTCLIFOR->setObjectName(tipo_.GRIDNAV);
    layout->addWidget(GRIDNAV_ARTCLIFOR);

    auto* box = new QGroupBox(page);
    FRAME_ARTCLIFOR = box;
    box->setObjectName(std::string("FRAME_") + (tipo_.FME + 4));
    auto* grid = new QGridLayout(box);
    auto etichetta = [box](const char* text) { return new QLabel(QString::fromUtf8(text), box); };

    TXT_CODART_CLIFOR = new QLineEdit(box);
    TXT_CODART_CLIFOR->setObjectName(tipo_.TXT_CODART);
    TXT_CODART_CLIFOR->setReadOnly(true);
    TXT_CODART_CLIFOR->setFocusPolicy(Qt::NoFocus);
    TXT_CLIFOR_OPZIONE = new controls::LookupBox(box);
    TXT_CLIFOR_OPZIONE->setObjectName(tipo_.TXT_OPZIONE);
    TXT_CLIFOR_OPZIONE->SetMaxLength(kLunghezzaOpzione);
    TXT_CLIFOR_OPZIONE->SetLookupKind(QStringLiteral("Varianti articolo"));
    TXT_ARTCLIFOR = new QLineEdit(box);
    TXT_ARTCLIFOR->setObjectName(tipo_.TXT_ART);
    TXT_ARTCLIFOR->setMaxLength(kLunghezzaArtCliFor);
    TXT_CODCLIFOR = new controls::LookupBox(box);
    TXT_CODCLIFOR->setObjectName(tipo_.TXT_COD);
    TXT_CODCLIFOR->SetMaxLength(kLunghezzaCodCliFor);
    TXT_CODCLIFOR->SetUpperCase(true);
    TXT_CODCLIFOR->SetLookupKind(QString::fromUtf8(framework::kLookupStandard));
    TXT_DESCODCLIFOR = new QLineEdit(box);
    TXT_DESCODCLIFOR->setObjectName(tipo_.TXT_DESCOD);
    TXT_DESCODCLIFOR->setReadOnly(true);
    TXT_DESCODCLIFOR->setMaxLength(kLunghezzaRagSoc);
    TXT_DESCODCLIFOR->setFocusPolicy(Qt::NoFocus);
    CHK_FLGDESCPERSCLIFOR = new QCheckBox(QStringLiteral("Descrizione personalizzata"), box);
    CHK_FLGDESCPERSCLIFOR->setObjectName(tipo_.CHK_FLGDESCPERS);
    TXT_DESCARTCLIFOR = testoMultiriga(box, tipo_.TXT_DESCART, kLunghezzaDescrizione, 2);
    TXT_DESCARTESTCLIFOR =
        testoMultiriga(box, tipo_.TXT_DESCARTEST, kLunghezzaDescrizioneAggiuntiva, 3);
    TXT_NOTEARTCLIFOR = testoMultiriga(box, tipo_.TXT_NOTEART, kLunghezzaNote, 2);
    CHK_FLGCLIFORPREF = new QCheckBox(QStringLiteral("Preferenziale"), box);
    CHK_FLGCLIFORPREF->setObjectName(tipo_.CHK_FLGPREF);

    grid->addWidget(etichetta("Codice articolo di magazzino"), 0, 0);
    grid->addWidget(TXT_CODART_CLIFOR, 0, 1);
    grid->addWidget(etichetta("Codice variante"), 0, 2);
    grid->addWidget(TXT_CLIFOR_OPZIONE, 0, 3);
    grid->addWidget(etichetta("Articolo cliente/fornitore"), 1, 0);
    grid->addWidget(TXT_ARTCLIFOR, 1, 1);
    grid->addWidget(CHK_FLGCLIFORPREF, 1, 3);
    grid->addWidget(etichetta("Codice cliente/fornitore"), 2, 0);
    grid->addWidget(TXT_CODCLIFOR, 2, 1);
    grid->addWidget(etichetta("Ragione sociale"), 2, 2);
    grid->addWidget(TXT_DESCODCLIFOR, 2, 3);
    grid->addWidget(CHK_FLGDESCPERSCLIFOR, 3, 0);
    grid->addWidget(TXT_DESCARTCLIFOR, 3, 1, 1, 3);
    grid->addWidget(etichetta("Descrizione aggiuntiva"), 4, 0);
    grid->addWidget(TXT_DESCARTESTCLIFOR, 4, 1, 1, 3);
    grid->addWidget(etichetta("Note"), 5, 0);
    grid->addWidget(TXT_NOTEARTCLIFOR, 5, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addWidget(box);

    QObject::connect(CHK_ARTCLIFOR, &QCheckBox::clicked, page, [this] { CHK_ARTCLIFOR_Click(); });
    QObject::connect(CHK_FLGDESCPERSCLIFOR, &QCheckBox::clicked, page,
                     [this] { CHK_FLGDESCPERSCLIFOR_Click(); });
    QObject::connect(
        GRIDNAV_ARTCLIFOR, &controls::GridNavigator::afterButtonClick, page,
        [this](bool ok, const QString& key) { GRIDNAV_ARTCLIFOR_AfterButtonClick(ok, key); });
    QObject::connect(GRD_ARTCLIFOR, &controls::DataGrid::buttonClick, page,
                     [this](int column, long row) { GRD_ARTCLIFOR_ButtonClick(column, row); });
    controls::OnKeyPress(GRD_ARTCLIFOR, Qt::Key_Delete, [this] { DeleteCurrentRow(); });
    // The AfterItem handlers run before the frame writes the box: they write
    // the row themselves where they need it.
    QObject::connect(TXT_CLIFOR_OPZIONE, &controls::LookupBox::startLookup, page,
                     [this](bool& cancel) { TXT_CLIFOR_OPZIONE_StartLookup(cancel); });
    QObject::connect(TXT_CLIFOR_OPZIONE, &controls::LookupBox::startDecode, page,
                     [this](bool& cancel) { TXT_CLIFOR_OPZIONE_StartDecode(cancel); });
    QObject::connect(TXT_CLIFOR_OPZIONE, &controls::LookupBox::afterItem, page,
                     [this] { TXT_CLIFOR_OPZIONE_AfterItem(); });
    // Only a code the user typed is looked up: leaving the box after Esc put
    // the stored code back is no edit.
    QObject::connect(TXT_ARTCLIFOR, &QLineEdit::editingFinished, page, [this] {
        if (!TXT_ARTCLIFOR->isModified())
            return;
        TXT_ARTCLIFOR->setModified(false);
        TXT_ARTCLIFOR_AfterItem();
    });
    QObject::connect(TXT_CODCLIFOR, &controls::LookupBox::startLookup, page,
                     [this](bool& cancel) { TXT_CODCLIFOR_StartLookup(cancel); });
    QObject::connect(TXT_CODCLIFOR, &controls::LookupBox::startDecode, page,
                     [this](bool& cancel) { TXT_CODCLIFOR_StartDecode(cancel); });
    QObject::connect(TXT_CODCLIFOR, &controls::LookupBox::afterItem, page,
                     [this] { TXT_CODCLIFOR_AfterItem(); });
    // The host's record buttons act on the frame the user is working in:
    // this tab's while the focus is on its page, the item's once it leaves.
    focusWatch_ =
        QObject::connect(qApp, &QApplication::focusChanged, page, [this](QWidget*, QWidget* now) {
            // Dialogs and other windows leave things as they are.
            if (now && page_ && now->window() == page_->window())
                rendiAttivo(page_->isAncestorOf(now));
        });
    abilitaGestione(false);
}

void ArtCliForTab::Configura_QGRID_ARTCLIFOR() {
    Procedure p(card(), tipo_.Configura_QGRID);
    p.step([&] {
        controls::GridColumns& cols = GRD_ARTCLIFOR->Columns();
        cols.Clear();
        cols.Add("MG73_OPZIONE_MG5E", QStringLiteral("Variante")).SetWidth(95);
        cols.Add("MG73_CLIFOR_CG44", QStringLiteral("Codice cli/for"))
            .SetWidth(80)
            .SetAlignment(Qt::AlignRight | Qt::AlignVCenter);
        cols.Add("RAGSOANAG", QStringLiteral("Ragione sociale")).SetWidth(205);
        cols.Add("MG73_FLGFORPREF", QStringLiteral("Pref."))
            .SetKind(controls::CellKind::Check)
            .SetWidth(40);
        // Codes are blank-padded to their width: shown without the padding.
        const auto senzaSpazi = [this](const char* field) {
            return [this, field](long row) -> db::Value {
                if (!rs_ || !rs_->isOpen() || row < 0 || row >= rs_->recordCount())
                    return {};
                const int f = rs_->fieldIndex(field);
                return f < 0 ? db::Value() : db::Value(NzValore(rs_->valueAt(row, f), ""));
            };
        };
        cols.Add("MG73_ARTCLIFOR", QStringLiteral("Codice articolo cli/for"))
            .SetUnboundRead(senzaSpazi("MG73_ARTCLIFOR"))
            .SetWidth(135);
        cols.Add("MG73_DESCARTCF", QStringLiteral("Descrizione")).SetWidth(150);
        // The two image columns: the image index of each row picks its
        // picture, here the caption of the button that opens the management.
        const auto immagine = [this](const char* field) {
            return [this, field](long row) -> db::Value {
                if (!rs_ || !rs_->isOpen() || row < 0 || row >= rs_->recordCount())
                    return {};
                const int f = rs_->fieldIndex(field);
                const long long image = f < 0 ? 0 : intero(rs_->valueAt(row, f));
                return image == 2   ? db::Value("Gestione")
                       : image == 1 ? db::Value("Listini")
                                    : db::Value();
            };
        };
        cols.Add("IMAGE_GEST", QStringLiteral("Gest."))
            .SetKind(controls::CellKind::Button)
            .SetUnboundRead(immagine("IMAGE_GEST"))
            .SetWidth(65);
        cols.Add("IMAGE_LIST", QStringLiteral("List."))
            .SetKind(controls::CellKind::Button)
            .SetUnboundRead(immagine("IMAGE_LIST"))
            .SetWidth(65);
    });
    p.step([&] { card().services().TraduciColonne(GRD_ARTCLIFOR); });
}

// ---------------------------------------------------------------- loading

void ArtCliForTab::load() {
    if (card().isLoaded(index()))
        return;
    Procedure p(card(), loaderName());
    // Before PulisciTab empties the boxes the edit is read from.
    p.step([&] {
        common::concludeBeforeReload(card().services(), FME_ARTCLIFOR, tipo_.DisattivaFramework);
    });
    p.step([&] { card().PulisciTab(index()); });
    p.step([&] {
        TXT_CLIFOR_OPZIONE->SetConnection(&card().connection());
        TXT_CODCLIFOR->SetConnection(&card().connection());
        TXT_CODART_CLIFOR->setText(QString::fromStdString(card().currentItem()));
    });
    p.step([&] {
        const framework::Company& ditta = card().company();
        CHK_ARTCLIFOR->setEnabled(tipo_.tipo == 0 ? ditta.ManagesCustomerItemCodes()
                                                  : ditta.ManagesSupplierItemCodes());
        db::Recordset* item = card().itemRecordset();
        const bool riga = item && item->hasCurrentRow();
        CHK_ARTCLIFOR->setChecked(riga && intero(item->value(tipo_.campoArticolo)) == 1);
    });
    p.step([&] {
        if (CHK_ARTCLIFOR->isChecked())
            CheckArtcliforRows();
    });
    p.step([&] { abilitaGestione(CHK_ARTCLIFOR->isChecked()); });
    p.step([&] { DisattivaFrameworkArtclifor(true); });
    p.step([&] {
        if (!AttivaFrameworkArtclifor())
            p.leave();
    });
    p.step([&] { card().setLoadedItem(index()); });
}

void ArtCliForTab::clear() {
    if (GRD_ARTCLIFOR)
        GRD_ARTCLIFOR->SetDataSource(nullptr);
    for (QLineEdit* e : {TXT_ARTCLIFOR.data(), TXT_DESCODCLIFOR.data(), TXT_CODART_CLIFOR.data()})
        if (e)
            e->clear();
    for (controls::LookupBox* b : {TXT_CLIFOR_OPZIONE.data(), TXT_CODCLIFOR.data()})
        if (b)
            b->SetText({});
    for (QPlainTextEdit* e :
         {TXT_DESCARTCLIFOR.data(), TXT_NOTEARTCLIFOR.data(), TXT_DESCARTESTCLIFOR.data()})
        if (e) {
            const QSignalBlocker quiet(e);
            e->clear();
        }
    for (QCheckBox* c : {CHK_FLGDESCPERSCLIFOR.data(), CHK_FLGCLIFORPREF.data()})
        if (c)
            c->setChecked(false);
}

void ArtCliForTab::itemShown() {
    // The item changed while the tab was hidden: its edit is settled now,
    // not when the tab is next shown (or never).
    if (!card().isLoaded(index()))
        common::concludeBeforeReload(card().services(), FME_ARTCLIFOR, tipo_.DisattivaFramework);
}

void ArtCliForTab::newSearch() {
    common::concludeBeforeReload(card().services(), FME_ARTCLIFOR, tipo_.DisattivaFramework);
}

void ArtCliForTab::release() {
    // Pending edits are saved or dropped as the user answers, never lost unasked.
    common::releaseQuietly([&] { DisattivaFrameworkArtclifor(true); });
}

bool ArtCliForTab::AttivaFrameworkArtclifor() {
    Procedure p(card(), tipo_.AttivaFramework);
    db::Connection& cn = card().connection();
    const std::string& ditta = card().companyCode();
    bool costruito = false;
    // Abort releases what was built so far.
    p.onAbort([&] { DisattivaFrameworkArtclifor(false); });
    p.step([&] {
        workTable_ = tipo_.tabellaLavoro;
        card().services().EliminaTabellaTemp(workTable_);
    });
    p.step([&] {
        cn.execute(CreaSelectTmpArtclifor(workTable_) +
                   ArtcliforFilter(ditta, tipo_.tipo, card().currentItem()));
    });
    p.step([&] { pkName_ = common::NewWorkTableKeyName(cn); });
    p.step([&] { cn.execute(SqlAddPrimaryKey(workTable_, pkName_)); });
    p.step([&] {
        sql_ = CreaSelectArtclifor(workTable_) + kOrdineArtclifor;
        rs_ = std::make_unique<db::Recordset>();
        rs_->open(sql_, cn);
    });
    p.step([&] {
        auto* frame = new controls::RecordFrame(page_);
        FME_ARTCLIFOR = frame;
        frame->setObjectName(tipo_.FME);
        frame->SetName(tipo_.FME);
        frame->SetRecordDescription(QStringLiteral("il codice articolo del ") +
                                    QString::fromUtf8(tipo_.parola));
        common::WindowServices& ws = card().services();
        common::routeFrameMessages(ws, *frame,
                                   [&ws] { return ws.TraduciTesto("Attenzione", 7757); });
        frame->Bind(&cn, rs_.get(), "CHIAVE");
        frame->BindControl(TXT_CLIFOR_OPZIONE, "MG73_OPZIONE_MG5E",
                           {QStringLiteral("Codice variante")});
        frame->BindControl(TXT_ARTCLIFOR, "MG73_ARTCLIFOR",
                           {QStringLiteral("Articolo cliente/fornitore"), true});
        frame->BindControl(TXT_CODCLIFOR, "MG73_CLIFOR_CG44",
                           {QStringLiteral("Codice cliente/fornitore"), false, true});
        frame->BindControl(TXT_DESCARTCLIFOR, "MG73_DESCARTCF",
                           {QStringLiteral("Descrizione personalizzata")});
        frame->BindControl(CHK_FLGDESCPERSCLIFOR, "MG73_FLGDESCPERS");
        frame->BindControl(TXT_NOTEARTCLIFOR, "MG73_NOTEARTCF", {QStringLiteral("Note")});
        frame->BindControl(TXT_DESCARTESTCLIFOR, "MG73_DESCARTESTCF",
                           {QStringLiteral("Descrizione aggiuntiva")});
        frame->BindControl(CHK_FLGCLIFORPREF, "MG73_FLGFORPREF");
        // The name shown beside the code follows the row.
        frame->BindControl(TXT_DESCODCLIFOR, "RAGSOANAG");
        frame->SetGrid(GRD_ARTCLIFOR);
        frame->SetNavigator(GRIDNAV_ARTCLIFOR);
        GRD_ARTCLIFOR->SetDataSource(rs_.get());

        QObject::connect(frame, &controls::RecordFrame::changeStatus, frame,
                         [this](int s) { FME_ARTCLIFOR_ChangeStatus(s); });
        QObject::connect(frame, &controls::RecordFrame::afterAddNew, frame,
                         [this](bool ok) { FME_ARTCLIFOR_AfterAddNew(ok); });
        QObject::connect(frame, &controls::RecordFrame::afterUpdate, frame,
                         [this](bool ok) { FME_ARTCLIFOR_AfterUpdate(ok); });
        QObject::connect(frame, &controls::RecordFrame::afterUndo, frame,
                         [this] { FME_ARTCLIFOR_AfterUndo(); });
        QObject::connect(frame, &controls::RecordFrame::afterDelete, frame,
                         [this](bool ok) { FME_ARTCLIFOR_AfterDelete(ok); });
        QObject::connect(frame, &controls::RecordFrame::validateRecord, frame,
                         [this](QWidget*& invalid, bool& cancel) {
                             FME_ARTCLIFOR_ValidateRecord(invalid, cancel);
                         });
        QObject::connect(frame, &controls::RecordFrame::beforeUpdate, frame,
                         [this](bool& cancel) { FME_ARTCLIFOR_BeforeUpdate(cancel); });
        QObject::connect(frame, &controls::RecordFrame::beforeDelete, frame,
                         [this](bool& cancel) { FME_ARTCLIFOR_BeforeDelete(cancel); });
        listener_ = rs_->addListener([this](db::Recordset::Change, long) { abilitaDescrizione(); });

        grigliaBloccata_ = false;
        if (rs_->recordCount() > 0)
            rs_->moveFirst();
        frame->SetStatus(0);
        FME_ARTCLIFOR_ChangeStatus(frame->Status());
        abilitaDescrizione();
        costruito = true;
    });
    return p.running() && costruito;
}

bool ArtCliForTab::DisattivaFrameworkArtclifor(bool chiediSalvataggio) {
    bool concluse = true;
    if (!FME_ARTCLIFOR)
        return concluse;
    controls::RecordFrame* frame = FME_ARTCLIFOR;
    Procedure p(card(), tipo_.DisattivaFramework);
    p.step([&] {
        if (chiediSalvataggio)
            concluse = common::concludeBeforeReload(card().services(), FME_ARTCLIFOR,
                                                    tipo_.DisattivaFramework);
    });
    // What follows releases the frame whatever the answer: every step runs.
    if (GRD_ARTCLIFOR)
        GRD_ARTCLIFOR->SetDataSource(nullptr);
    if (GRIDNAV_ARTCLIFOR)
        GRIDNAV_ARTCLIFOR->SetFrame(nullptr);
    if (rs_ && listener_)
        rs_->removeListener(listener_);
    listener_ = 0;
    frame->Release();
    common::ChiudiRecordset(rs_);
    rendiAttivo(false);
    // The frame may be the one raising the event that got here (a delete
    // reloads the tab): it goes once its event is over.
    frame->disconnect();
    frame->deleteLater();
    FME_ARTCLIFOR = nullptr;
    return concluse;
}

void ArtCliForTab::RefreshArtclifor() {
    Procedure p(card(), tipo_.Aggiorna);
    p.step([&] { DisattivaFrameworkArtclifor(false); });
    p.step([&] { AttivaFrameworkArtclifor(); });
}

void ArtCliForTab::CheckArtcliforRows() {
    try {
        const framework::Company& ditta = card().company();
        const bool gestita =
            tipo_.tipo == 0 ? ditta.ManagesCustomerItemCodes() : ditta.ManagesSupplierItemCodes();
        CHK_ARTCLIFOR->setEnabled(gestita && contaCodici() == 0);
    } catch (...) {
        // Errors are ignored: the box stays as it was.
    }
}

long ArtCliForTab::contaCodici() {
    db::Recordset rs;
    rs.open(SqlCountArtclifor(card().companyCode(), card().currentItem(), tipo_.tipo),
            card().connection());
    if (rs.recordCount() == 0)
        return 0;
    rs.moveFirst();
    return static_cast<long>(intero(rs.value(0)));
}

// ---------------------------------------------------------------- helpers

bool ArtCliForTab::rigaCorrente() const {
    return rs_ && rs_->hasCurrentRow();
}

db::Value ArtCliForTab::campo(const char* field) const {
    return rigaCorrente() ? rs_->value(field) : db::Value();
}

std::string ArtCliForTab::articoloRiga() const {
    const std::string articolo = NzValore(campo("MG73_CODART_MG66"), "");
    return articolo.empty() ? card().currentItem() : articolo;
}

db::Value ArtCliForTab::valoreSalvato(const char* column) const {
    if (!rigaCorrente() || rs_->status() == db::RecordStatus::New)
        return {};
    db::Recordset rs;
    rs.open(
        SqlSavedValue(column, campo("DITTA"), campo("ARTCLIFOR"), campo("TIPOCF"), campo("CLIFOR")),
        card().connection());
    if (rs.recordCount() == 0)
        return {};
    rs.moveFirst();
    return rs.value(0);
}

bool ArtCliForTab::editorHaFuoco() const {
    QWidget* focus = QApplication::focusWidget();
    return focus && FRAME_ARTCLIFOR && FRAME_ARTCLIFOR->isAncestorOf(focus);
}

void ArtCliForTab::rendiAttivo(bool questo) {
    framework::Cinterface* host = card().Pcls_Interface();
    if (!host)
        return;
    controls::RecordFrame* frame = FME_ARTCLIFOR;
    if (questo && frame && host->ActiveFrame() != frame) {
        host->SetActiveFrame(frame);
        card().services().SyncNavigator();
    } else if (!questo && host->ActiveFrame() && host->ActiveFrame() == frame) {
        host->SetActiveFrame(card().FME_ART());
        card().services().SyncNavigator();
    }
}

void ArtCliForTab::messaggio(const std::string& testo, long numero, int stile,
                             const common::Parametri& parametri) {
    common::WindowServices& ws = card().services();
    ws.VisualizzaMessaggio(testo, numero, stile, ws.TraduciTesto("Attenzione", 7757), parametri);
}

void ArtCliForTab::abilitaGestione(bool on) {
    const bool nuova = FME_ARTCLIFOR && FME_ARTCLIFOR->Status() == 2;
    if (GRD_ARTCLIFOR)
        GRD_ARTCLIFOR->setEnabled(on && !grigliaBloccata_ && !(tipo_.grigliaDaStato && nuova));
    if (GRIDNAV_ARTCLIFOR)
        GRIDNAV_ARTCLIFOR->setEnabled(on);
    if (FRAME_ARTCLIFOR)
        FRAME_ARTCLIFOR->setEnabled(on);
}

// The personal description can be written only while its flag is set; with
// no row (an empty list) nothing can be written, as nothing would be kept.
void ArtCliForTab::abilitaDescrizione() {
    if (!TXT_DESCARTCLIFOR || !TXT_DESCARTESTCLIFOR)
        return;
    const bool riga = rigaCorrente();
    bool on = false;
    try {
        on = riga && intero(rs_->value("MG73_FLGDESCPERS")) == 1;
    } catch (const std::exception&) {
    }
    TXT_DESCARTCLIFOR->setEnabled(on);
    TXT_DESCARTESTCLIFOR->setEnabled(on);
    for (QWidget* box : std::initializer_list<QWidget*>{TXT_NOTEARTCLIFOR, CHK_FLGDESCPERSCLIFOR,
                                                        CHK_FLGCLIFORPREF})
        if (box)
            box->setEnabled(riga);
}

// The frame's look-up of the key typed into a new row: when a stored row
// has it already, that row is shown instead of a duplicate being entered.
void ArtCliForTab::cercaRecord() {
    if (!FME_ARTCLIFOR || FME_ARTCLIFOR->Status() != 2 || !rigaCorrente())
        return;
    const QString codice = QString::fromStdString(NzValore(campo("MG73_ARTCLIFOR"), ""));
    const db::Value cliFor = campo("MG73_CLIFOR_CG44");
    if (codice.isEmpty() || cliFor.isEmptyOrNull())
        return;
    const int fa = rs_->fieldIndex("MG73_ARTCLIFOR");
    const int fc = rs_->fieldIndex("MG73_CLIFOR_CG44");
    for (long row = 0; row < rs_->recordCount(); ++row) {
        if (rs_->statusAt(row) == db::RecordStatus::New)
            continue;
        const QString altro = QString::fromStdString(NzValore(rs_->valueAt(row, fa), ""));
        if (altro.compare(codice, Qt::CaseInsensitive) != 0 ||
            db::Value::compare(rs_->valueAt(row, fc), cliFor) != 0)
            continue;
        const db::Recordset::Bookmark target = rs_->bookmarkAt(row);
        FME_ARTCLIFOR->Undo();
        rs_->setBookmark(target);
        return;
    }
}

void ArtCliForTab::timbraUltimaModifica() {
    if (FME_ARTCLIFOR && FME_ARTCLIFOR->Status() == 0 && rigaCorrente())
        rs_->setValue("MG73_DTULTAGG", oggi());
}

}  // namespace itemcodes
