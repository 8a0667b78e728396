#include "transcoding/trascodifica_varianti_tab.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/frame_messages.h"
#include "common/pending_edits.h"
#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "groupings/carica_combo_varianti.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_navigator.h"
#include "platform/controls/key_filters.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/record_frame.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "transcoding/stato_trascodifica.h"
#include "transcoding/trascodifica_campi.h"
#include "transcoding/trascodifica_sql.h"

namespace transcoding {

using common::Procedure;

namespace {

const char* const kTitolo = "Scheda articolo - varianti";

// PIC_FILTRO: a funnel, to narrow the list; PIC_NOFILTRO: the funnel struck
// through, to show every option again.
QIcon picture(bool noFiltro) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QPolygonF funnel(
        {{1.5, 2.5}, {14.5, 2.5}, {9.5, 8.5}, {9.5, 14}, {6.5, 12.5}, {6.5, 8.5}});
    p.setPen(QColor(40, 60, 100));
    p.setBrush(QColor(80, 120, 180));
    p.drawPolygon(funnel);
    if (noFiltro) {
        p.setPen(QPen(QColor(200, 30, 30), 2));
        p.drawLine(QPointF(2, 14), QPointF(14, 2));
    }
    return QIcon(pm);
}

}  // namespace

// -------------------------------------------------------------------- tab

TrascodificaVariantiTab::TrascodificaVariantiTab(common::ItemCard& card)
    : CardTab(card, common::kTabTrascodificaVarianti) {}

TrascodificaVariantiTab::~TrascodificaVariantiTab() {
    if (GRD_TRASCF)
        GRD_TRASCF->SetDataSource(nullptr);
    if (frame_)
        frame_->Release();
}

StatoTrascodifica& TrascodificaVariantiTab::stato() const {
    return card().shared<StatoTrascodifica>();
}
const std::string& TrascodificaVariantiTab::variante() const {
    return stato().variante;
}
const std::string& TrascodificaVariantiTab::raggruppamento() const {
    return stato().raggruppamento;
}
bool TrascodificaVariantiTab::filtro() const {
    return stato().filtro;
}

void TrascodificaVariantiTab::build(QWidget* page) {
    auto* layout = new QVBoxLayout(page);

    // The choice of variant and counterpart.
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Variante"), page));
    CBO_TIPOVAR2 = new QComboBox(page);
    CBO_TIPOVAR2->setObjectName("CBO_TIPOVAR2");
    CBO_TIPOVAR2->setMinimumContentsLength(16);
    top->addWidget(CBO_TIPOVAR2);
    top->addSpacing(12);
    CBO_CLIFOR = new QComboBox(page);
    CBO_CLIFOR->setObjectName("CBO_CLIFOR");
    CBO_CLIFOR->addItem(QStringLiteral("Cliente"), 0);
    CBO_CLIFOR->addItem(QStringLiteral("Fornitore"), 1);
    CBO_CLIFOR->setCurrentIndex(0);
    top->addWidget(CBO_CLIFOR);
    LBL_CLIFOR = new QLabel(QStringLiteral("Codice Cliente"), page);
    top->addWidget(LBL_CLIFOR);
    TXT_CLIFOR = new controls::LookupBox(page);
    TXT_CLIFOR->setObjectName("TXT_CLIFOR");
    TXT_CLIFOR->SetMaxLength(6);
    TXT_CLIFOR->LineEdit()->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), page));
    TXT_CLIFOR->setFixedWidth(TXT_CLIFOR->fontMetrics().horizontalAdvance('0') * 9 + 30);
    TXT_CLIFOR->SetConnection(&card().connection());
    LBL_CLIFOR->setBuddy(TXT_CLIFOR->LineEdit());
    top->addWidget(TXT_CLIFOR);
    LBL_RAGSOCCF = new QLabel(page);
    LBL_RAGSOCCF->setObjectName("LBL_RAGSOCCF");
    top->addWidget(LBL_RAGSOCCF, 1);
    CMD_FILTROCLIFOR = new QToolButton(page);
    CMD_FILTROCLIFOR->setObjectName("CMD_FILTROCLIFOR");
    CMD_FILTROCLIFOR->setIcon(picture(false));
    CMD_FILTROCLIFOR->setAutoRaise(true);
    CMD_FILTROCLIFOR->setHidden(true);
    top->addWidget(CMD_FILTROCLIFOR);
    layout->addLayout(top);

    // The list.
    LBL_GRD_TRASCF = new QLabel(page);
    LBL_GRD_TRASCF->setObjectName("LBL_GRD_TRASCF");
    layout->addWidget(LBL_GRD_TRASCF);
    GRD_TRASCF = new controls::DataGrid(page);
    GRD_TRASCF->setObjectName("GRD_TRASCF");
    GRD_TRASCF->SetReadOnly(true);
    layout->addWidget(GRD_TRASCF, 1);
    GRIDNAV_TRASCF = new controls::GridNavigator(page);
    GRIDNAV_TRASCF->setObjectName("GRIDNAV_TRASCF");
    GRIDNAV_TRASCF->SetButtonVisible("Apri", false);
    GRIDNAV_TRASCF->setEnabled(false);
    layout->addWidget(GRIDNAV_TRASCF);

    // The editing area of the current row.
    FRAME_DESCRCF = new QGroupBox(QStringLiteral("Trascodifica"), page);
    FRAME_DESCRCF->setObjectName("FRAME_DESCRCF");
    auto* fl = new QGridLayout(FRAME_DESCRCF);
    auto* lblOpzione = new QLabel(QStringLiteral("Opzione"), FRAME_DESCRCF);
    fl->addWidget(lblOpzione, 0, 0);
    TXT_OPZIONECF = new controls::LookupBox(FRAME_DESCRCF);
    TXT_OPZIONECF->setObjectName("TXT_OPZIONECF");
    TXT_OPZIONECF->SetMaxLength(kLarghezzaOpzione);
    TXT_OPZIONECF->SetConnection(&card().connection());
    TXT_OPZIONECF->setMinimumWidth(TXT_OPZIONECF->fontMetrics().horizontalAdvance('W') * 12);
    lblOpzione->setBuddy(TXT_OPZIONECF->LineEdit());
    fl->addWidget(TXT_OPZIONECF, 0, 1);
    LBL_DESOPZIONECF = new QLabel(FRAME_DESCRCF);
    LBL_DESOPZIONECF->setObjectName("LBL_DESOPZIONECF");
    fl->addWidget(LBL_DESOPZIONECF, 0, 2);
    auto* lblDescr = new QLabel(QStringLiteral("Descrizione cliente/fornitore"), FRAME_DESCRCF);
    fl->addWidget(lblDescr, 1, 0);
    TXT_DESCRCF = new QLineEdit(FRAME_DESCRCF);
    TXT_DESCRCF->setObjectName("TXT_DESCRCF");
    lblDescr->setBuddy(TXT_DESCRCF);
    fl->addWidget(TXT_DESCRCF, 1, 1, 1, 2);
    auto* cmds = new QHBoxLayout;
    CMD_ELIMINACF = new QPushButton(QStringLiteral("Elimina"), FRAME_DESCRCF);
    CMD_ELIMINACF->setObjectName("CMD_ELIMINACF");
    CMD_ELIMINACF->setAutoDefault(false);
    cmds->addWidget(CMD_ELIMINACF);
    cmds->addStretch(1);
    CMD_RIBALTA =
        new QPushButton(QStringLiteral("Ribalta descrizioni sul raggruppamento"), FRAME_DESCRCF);
    CMD_RIBALTA->setObjectName("CMD_RIBALTA");
    CMD_RIBALTA->setAutoDefault(false);
    cmds->addWidget(CMD_RIBALTA);
    fl->addLayout(cmds, 2, 0, 1, 3);
    fl->setColumnStretch(2, 1);
    FRAME_DESCRCF->setEnabled(false);
    CMD_RIBALTA->setEnabled(false);
    layout->addWidget(FRAME_DESCRCF);
    stato().CMD_RIBALTA = CMD_RIBALTA;

    InitGRD_TRASCF();

    QObject::connect(CBO_TIPOVAR2, &QComboBox::activated, &contesto_,
                     [this](int) { CBO_TIPOVAR2_Click(); });
    QObject::connect(CBO_CLIFOR, &QComboBox::activated, &contesto_,
                     [this](int) { CBO_CLIFOR_Click(); });
    QObject::connect(CMD_FILTROCLIFOR, &QToolButton::clicked, &contesto_,
                     [this] { CMD_FILTROCLIFOR_Click(); });
    QObject::connect(TXT_CLIFOR, &controls::LookupBox::startLookup, &contesto_,
                     [this](bool&) { TXT_CLIFOR_StartLookup(); });
    QObject::connect(TXT_CLIFOR, &controls::LookupBox::startDecode, &contesto_,
                     [this](bool& cancel) { TXT_CLIFOR_StartDecode(cancel); });
    QObject::connect(TXT_CLIFOR, &controls::LookupBox::afterItem, &contesto_,
                     [this] { TXT_CLIFOR_AfterItem(); });
    QObject::connect(TXT_CLIFOR, &controls::LookupBox::menuEntry, &contesto_,
                     [this](const QString& key) { TXT_CLIFOR_MenuEntry(key); });
    QObject::connect(TXT_OPZIONECF, &controls::LookupBox::startLookup, &contesto_,
                     [this](bool&) { TXT_OPZIONECF_StartLookup(); });
    QObject::connect(TXT_OPZIONECF, &controls::LookupBox::startDecode, &contesto_,
                     [this](bool& cancel) { TXT_OPZIONECF_StartDecode(cancel); });
    QObject::connect(GRIDNAV_TRASCF, &controls::GridNavigator::afterButtonClick, &contesto_,
                     [this](bool success, const QString& key) {
                         GRIDNAV_TRASCF_AfterButtonClick(success, key);
                     });
    QObject::connect(GRD_TRASCF, &controls::DataGrid::rowChanged, &contesto_,
                     [this](long, long) { mostraDescrizioneOpzione(); });
    QObject::connect(CMD_ELIMINACF, &QPushButton::clicked, &contesto_,
                     [this] { CMD_ELIMINACF_Click(); });
    QObject::connect(CMD_RIBALTA, &QPushButton::clicked, &contesto_,
                     [this] { CMD_RIBALTA_Click(); });
    // Enter in the description confirms the row, as the navigator's "Conferma".
    QObject::connect(TXT_DESCRCF, &QLineEdit::returnPressed, &contesto_,
                     [this] { GRIDNAV_TRASCF->Click("Conferma"); });
    controls::OnKeyPress(GRD_TRASCF, Qt::Key_Delete, [this] { CMD_ELIMINACF_Click(); });
}

void TrascodificaVariantiTab::InitGRD_TRASCF() {
    Procedure p(card(), "InitGRD_TRASCF");
    p.step([&] {
        controls::GridColumns& columns = GRD_TRASCF->Columns();
        columns.Clear();
        columns.Add(kOpzione, QStringLiteral("Opzione")).SetWidth(110);
        columns.Add("MG5S_OPZIONE_MG5E_D", QStringLiteral("Descrizione"))
            .SetWidth(260)
            .SetUnboundRead([this](long row) { return GRD_TRASCF_UnboundRead(row); });
        columns.Add(kDescrizione, QStringLiteral("Descrizione cliente/fornitore")).SetWidth(320);
        GRD_TRASCF->horizontalHeader()->setStretchLastSection(true);
    });
}

void TrascodificaVariantiTab::clear() {
    StatoTrascodifica& st = stato();
    if (!GRD_TRASCF)
        return;
    InitGRD_TRASCF();
    GRD_TRASCF->SetDataSource(nullptr);
    {
        const QSignalBlocker quiet1(CBO_TIPOVAR2);
        const QSignalBlocker quiet2(CBO_CLIFOR);
        CBO_TIPOVAR2->setCurrentIndex(CBO_TIPOVAR2->count() > 0 ? 0 : -1);
        CBO_CLIFOR->setCurrentIndex(0);
    }
    LBL_CLIFOR->setText(card().services().TranslateCaption(QStringLiteral("Codice Cliente")));
    TXT_CLIFOR->SetText(QString());
    TXT_CLIFOR->SetFound(true);
    LBL_RAGSOCCF->clear();
    st.variante.clear();
    st.descrizioneVariante.clear();
    st.raggruppamento.clear();
    st.filtro = false;
    CMD_FILTROCLIFOR->setHidden(true);
    LBL_GRD_TRASCF->clear();
    LBL_DESOPZIONECF->clear();
    FRAME_DESCRCF->setEnabled(false);
    CMD_RIBALTA->setEnabled(false);
    GRIDNAV_TRASCF->setEnabled(false);
    descrizioni_.clear();
}

void TrascodificaVariantiTab::release() {
    common::releaseQuietly([&] { ChiudiFrameworkTrascf(); });
}

void TrascodificaVariantiTab::itemShown() {
    if (!card().isLoaded(index()))
        common::concludeBeforeReload(card().services(), frame_.get(), loaderName());
}

void TrascodificaVariantiTab::newSearch() {
    common::concludeBeforeReload(card().services(), frame_.get(), loaderName());
}

void TrascodificaVariantiTab::firstActivation() {
    TXT_CLIFOR->ClearMenuEntries();
    TXT_CLIFOR->AddMenuEntry("Kpers1", QString::fromLatin1(framework::kLookupStandard));
    restrizioneClifor_ = true;
}

void TrascodificaVariantiTab::load() {
    if (card().isLoaded(index()))
        return;
    Procedure p(card(), loaderName());
    p.step([&] { card().PulisciTab(index()); });
    p.step([&] { groupings::CaricaComboVarianti(card(), CBO_TIPOVAR2); });
    p.step([&] {
        pictureFiltro_ = "PIC_FILTRO";
        CMD_FILTROCLIFOR->setIcon(picture(false));
    });
    p.step([&] { ChiudiFrameworkTrascf(); });
    p.step([&] {
        DTS_Descri_Clifor();
        if (!frame_)
            p.leave();  // the binding failed: the tab loads again when shown
    });
    p.step([&] {
        if (CBO_TIPOVAR2->count() > 0) {
            const QSignalBlocker quiet(CBO_TIPOVAR2);
            CBO_TIPOVAR2->setCurrentIndex(0);
        }
        CBO_TIPOVAR2_Click();
    });
    p.step([&] { TXT_CLIFOR->setFocus(); });
    p.step([&] { card().setLoadedItem(index()); });
}

// ---------------------------------------------------------------- binding

void TrascodificaVariantiTab::DTS_Descri_Clifor() {
    db::Connection& cn = card().connection();
    Procedure p(card(), "DTS_Descri_Clifor");
    p.onAbort([&] { dropFrame(); });
    p.step([&] { sqlBase_ = sqlBaseTrascodifica(card().currentItem()); });
    p.step([&] {
        auto rs = std::make_unique<db::Recordset>();
        rs->open(sqlBase_ + " WHERE 1=0", cn);
        rs_ = std::move(rs);
    });
    p.step([&] {
        // A child of its grid, so that the window finds it among its frames.
        auto frame = std::make_unique<controls::RecordFrame>(GRD_TRASCF.data());
        frame->SetName(QStringLiteral("DTS_Descri_Clifor"));
        frame->SetRecordDescription(QStringLiteral("la trascodifica dell'opzione"));
        common::routeFrameMessages(card().services(), *frame, [this] { return titolo(); });
        // The rows listed are the whole navigation of the frame.
        frame->Bind(&cn, rs_.get(), kOpzione, rs_->source());
        frame->SetGrid(GRD_TRASCF);
        frame->SetNavigator(GRIDNAV_TRASCF);
        controls::BindOptions opzione;
        opzione.caption = QStringLiteral("Opzione");
        opzione.required = true;
        frame->BindControl(TXT_OPZIONECF, kOpzione, opzione);
        controls::BindOptions descrizione;
        descrizione.caption = QStringLiteral("Descrizione cliente/fornitore");
        frame->BindControl(TXT_DESCRCF, kDescrizione, descrizione);
        GRIDNAV_TRASCF->SetButtonVisible("Apri", false);
        frame_ = std::move(frame);
    });
    p.step([&] {
        controls::RecordFrame* f = frame_.get();
        QObject::connect(f, &controls::RecordFrame::afterAddNew, f,
                         [this](bool success) { FME_TRASCF_AfterAddNew(success); });
        QObject::connect(f, &controls::RecordFrame::beforeUpdate, f,
                         [this](bool& cancel) { FME_TRASCF_BeforeUpdate(cancel); });
        QObject::connect(f, &controls::RecordFrame::validateRecord, f,
                         [this](QWidget*& invalid, bool& cancel) {
                             FME_TRASCF_ValidateRecord(invalid, cancel);
                         });
        QObject::connect(f, &controls::RecordFrame::changeStatus, f,
                         [this](int status) { FME_TRASCF_ChangeStatus(status); });
        QObject::connect(f, &controls::RecordFrame::beforeDelete, f,
                         [this](bool& cancel) { FME_TRASCF_BeforeDelete(cancel); });
        // After the frame has written the chosen option into the row.
        QObject::connect(TXT_OPZIONECF, &controls::LookupBox::afterItem, f,
                         [this] { TXT_OPZIONECF_AfterItem(); });
        FME_TRASCF_ChangeStatus(f->Status());
    });
}

void TrascodificaVariantiTab::dropFrame() {
    if (GRD_TRASCF)
        GRD_TRASCF->SetDataSource(nullptr);
    if (frame_)
        frame_->Release();
    frame_.reset();
    common::ChiudiRecordset(rs_);
}

bool TrascodificaVariantiTab::ChiudiFrameworkTrascf() {
    const bool chiuso =
        common::concludeBeforeReload(card().services(), frame_.get(), "ChiudiFrameworkTrascf");
    dropFrame();
    if (GRIDNAV_TRASCF) {
        GRIDNAV_TRASCF->SetFrame(nullptr);
        GRIDNAV_TRASCF->SetGrid(nullptr);
    }
    descrizioni_.clear();
    return chiuso;
}

// ------------------------------------------------------------- the list

bool TrascodificaVariantiTab::articoloAVarianti() const {
    db::Recordset* item = card().itemRecordset();
    if (!item || !item->hasCurrentRow())
        return false;
    const auto flag = common::NzNumero(item->value("MG66_FLGVARART")).toDecimal();
    return flag && !flag->isZero();
}

std::string TrascodificaVariantiTab::tipoCF() const {
    return CBO_CLIFOR->currentIndex() == 1 ? "1" : "0";
}

std::string TrascodificaVariantiTab::cliFor() const {
    return common::NzNumero(db::Value(testo(TXT_CLIFOR->Text()))).toText();
}

void TrascodificaVariantiTab::aggiornaStato() {
    StatoTrascodifica& st = stato();
    st.descrizioneVariante = CBO_TIPOVAR2->currentText().toStdString();
    st.tipoCF = CBO_CLIFOR->currentIndex() == 1 ? 1 : 0;
    st.cliFor = testo(TXT_CLIFOR->Text());
}

void TrascodificaVariantiTab::CBO_TIPOVAR2_Click() {
    if (!articoloAVarianti())
        return;
    StatoTrascodifica& st = stato();
    Procedure p(card(), "CBO_TIPOVAR2_Click");
    p.step([&] {
        st.variante = CBO_TIPOVAR2->currentIndex() < 0
                          ? std::string()
                          : common::codiceVariante(CBO_TIPOVAR2->currentData().toInt());
        st.raggruppamento.clear();
    });
    p.step([&] {
        if (st.variante.empty())
            return;
        db::Recordset rs;
        rs.open(sqlRaggruppamentoVariante(card().companyCode(), card().currentItem(), st.variante),
                card().connection());
        if (rs.recordCount() == 1) {
            rs.moveFirst();
            st.raggruppamento = common::NzStringa(rs.value("MG6B_CODRAGGVAR_MG5G"));
        }
    });
    p.step([&] {
        st.filtro = !st.raggruppamento.empty();
        CMD_FILTROCLIFOR->setHidden(!st.filtro);
    });
    p.step([&] { RicaricaDecodificaClifor(); });
}

void TrascodificaVariantiTab::CBO_CLIFOR_Click() {
    Procedure p(card(), "CBO_CLIFOR_Click");
    p.step([&] {
        LBL_CLIFOR->setText(card().services().TranslateCaption(
            CBO_CLIFOR->currentIndex() == 1 ? QStringLiteral("Codice Fornitore")
                                            : QStringLiteral("Codice Cliente")));
        TXT_CLIFOR->SetText(QString());
        TXT_CLIFOR->SetFound(true);
        LBL_RAGSOCCF->clear();
    });
    p.step([&] { RicaricaDecodificaClifor(); });
}

void TrascodificaVariantiTab::CMD_FILTROCLIFOR_Click() {
    stato().filtro = !stato().filtro;
    RicaricaDecodificaClifor();
}

void TrascodificaVariantiTab::mostraFiltro() {
    StatoTrascodifica& st = stato();
    pictureFiltro_ = st.filtro ? "PIC_NOFILTRO" : "PIC_FILTRO";
    CMD_FILTROCLIFOR->setIcon(picture(st.filtro));
    CMD_FILTROCLIFOR->setToolTip(
        st.filtro ? QStringLiteral("Visualizza tutte le opzioni")
                  : QStringLiteral("Visualizza solo opzioni del raggruppamento articolo"));
    GRIDNAV_TRASCF->SetButtonEnabled("Nuovo", !st.filtro);
    LBL_GRD_TRASCF->setText(st.filtro ? QStringLiteral("Raggruppamento : ") +
                                            QString::fromStdString(st.raggruppamento)
                                      : QString());
}

void TrascodificaVariantiTab::RicaricaDecodificaClifor() {
    StatoTrascodifica& st = stato();
    db::Connection& cn = card().connection();
    Procedure p(card(), "RicaricaDecodificaClifor");
    bool valido = false;
    // An edit of the rows listed so far is concluded before they go; each
    // row carries its own variant and counterpart.
    p.step([&] { common::concludeBeforeReload(card().services(), frame_.get(), p.name()); });
    p.step([&] {
        aggiornaStato();
        const auto numero = common::NzNumero(db::Value(st.cliFor)).toDecimal();
        valido = rs_ && frame_ && !st.variante.empty() && numero && !numero->isZero() &&
                 TXT_CLIFOR->Found();
    });
    if (!p.running())
        return;
    if (!valido) {
        // Nothing is listed until a variant and a known counterpart are chosen.
        GRD_TRASCF->SetDataSource(nullptr);
        FRAME_DESCRCF->setEnabled(false);
        CMD_RIBALTA->setEnabled(false);
        GRIDNAV_TRASCF->setEnabled(false);
        LBL_DESOPZIONECF->clear();
        return;
    }
    std::string sql;
    p.step([&] {
        sql = sqlBase_ + sqlCondizioneClifor(card().companyCode(), st.variante, tipoCF(), cliFor());
    });
    p.step([&] {
        if (st.filtro)
            sql += kSoloRaggruppamento;
        mostraFiltro();
    });
    p.step([&] { frame_->Reset(); });
    p.step([&] {
        if (rs_->isOpen())
            rs_->close();
        descrizioni_.clear();
    });
    p.step([&] { rs_->open(sql, cn); });
    p.step([&] {
        frame_->SetListStatement(sql);
        GRD_TRASCF->SetDataSource(rs_.get());
        frame_->RefreshControls();
        FME_TRASCF_ChangeStatus(frame_->Status());
        mostraDescrizioneOpzione();
    });
    p.step([&] {
        FRAME_DESCRCF->setEnabled(true);
        CMD_RIBALTA->setEnabled(true);
        GRIDNAV_TRASCF->setEnabled(true);
    });
}

// ------------------------------------------------------------ counterpart

void TrascodificaVariantiTab::TXT_CLIFOR_StartLookup() {
    Procedure p(card(), "TXT_CLIFOR_StartLookup");
    p.step([&] {
        framework::LookupRequest request =
            card().lookups().Counterparts(CBO_CLIFOR->currentIndex() == 1 ? 1 : 0);
        if (restrizioneClifor_) {
            // The box's own lookup: only counterparts with transcodings of the variant.
            request.sql = restringiLookupClifor(request.sql, stato().variante);
            request.title += " con decodifica";
        }
        TXT_CLIFOR->SetConnection(&card().connection());
        controls::ApplyLookup(*TXT_CLIFOR, request);
    });
}

void TrascodificaVariantiTab::TXT_CLIFOR_StartDecode(bool& cancel) {
    bool pronto = false;
    Procedure p(card(), "TXT_CLIFOR_StartDecode");
    p.step([&] {
        const framework::LookupRequest request = card().lookups().DecodeCounterpart(
            CBO_CLIFOR->currentIndex() == 1 ? 1 : 0, testo(TXT_CLIFOR->Text()));
        // Read here first, so that a failing read is reported rather than
        // thrown out of the box's own event.
        db::Recordset probe;
        probe.open(request.sql, card().connection());
        TXT_CLIFOR->SetConnection(&card().connection());
        controls::ApplyDecode(*TXT_CLIFOR, request);
        pronto = true;
    });
    if (!pronto)
        cancel = true;
}

void TrascodificaVariantiTab::TXT_CLIFOR_AfterItem() {
    Procedure p(card(), "TXT_CLIFOR_AfterItem");
    p.step([&] {
        const std::string codice = testo(TXT_CLIFOR->Text());
        LBL_RAGSOCCF->clear();
        if (codice.empty())
            return;
        if (TXT_CLIFOR->Found()) {
            LBL_RAGSOCCF->setText(QString::fromStdString(
                common::NzStringa(TXT_CLIFOR->ItemValue(QStringLiteral("CG16_RAGSOANAG")))));
            return;
        }
        messaggio((CBO_CLIFOR->currentIndex() == 1 ? "Il fornitore " : "Il cliente ") + codice +
                      " non esiste.",
                  common::vbExclamation);
    });
    p.step([&] { RicaricaDecodificaClifor(); });
}

void TrascodificaVariantiTab::TXT_CLIFOR_MenuEntry(const QString& key) {
    if (key != QLatin1String("Kpers1"))
        return;
    Procedure p(card(), "TXT_CLIFOR_MenuEntry");
    // The standard lookup lists every counterpart of the kind, for a new one.
    restrizioneClifor_ = false;
    p.step([&] { TXT_CLIFOR->OpenLookup(); });
    restrizioneClifor_ = true;
}

// ------------------------------------------------------------- messages

std::string TrascodificaVariantiTab::titolo() {
    return card().services().TraduciTesto(kTitolo, 50877);
}

int TrascodificaVariantiTab::messaggio(const std::string& text, int style) {
    return common::showFrameMessage(card().services(), text, style, titolo());
}

namespace {
const common::RegisteredTab<TrascodificaVariantiTab> registrazione(
    common::kTabTrascodificaVarianti);
}  // namespace

}  // namespace transcoding
