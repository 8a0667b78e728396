#include "states/stati_combinazione_tab.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "common/box_text.h"
#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_navigator.h"
#include "platform/controls/key_filters.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/record_frame.h"
#include "platform/controls/steady_label.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "states/band_header.h"
#include "states/box_helpers.h"
#include "states/state_grid.h"
#include "states/state_rows.h"
#include "states/state_services.h"
#include "states/states_sql.h"

namespace states {

using common::Procedure;

namespace {
const common::RegisteredTab<StatiCombinazioneTab> kRegistrazione(common::kTabStatiCombinazione);
}  // namespace

StatiCombinazioneTab::StatiCombinazioneTab(common::ItemCard& card)
    : CardTab(card, common::kTabStatiCombinazione) {}

StatiCombinazioneTab::~StatiCombinazioneTab() = default;

// ------------------------------------------------------------------ build

void StatiCombinazioneTab::build(QWidget* page) {
    auto* root = new QVBoxLayout(page);
    root->addLayout(buildSelectors(page));
    LBL_AVVISO = NewWarningLabel(page, "LBL_AVVISO", 2);
    root->addWidget(LBL_AVVISO);
    buildGrid(page);
    root->addWidget(AREA_GRIGLIA, 1);
    buildList(page);
    root->addWidget(FRAME_COMBINAZIONI, 1);
    AREA_GRIGLIA->hide();
    FRAME_COMBINAZIONI->hide();
    connectEvents(page);
}

QLayout* StatiCombinazioneTab::buildSelectors(QWidget* page) {
    auto* grid = new QGridLayout;
    db::Connection* cn = &card().connection();
    auto lookup = [&](const char* name, int maxLength) {
        return NewCodeBox(page, name, cn, maxLength);
    };
    auto description = [&](const char* name) { return NewDescriptionEdit(page, name); };

    // The fixed labels' letters take the focus to their boxes (Alt+V, Alt+F,
    // Alt+P; C is the list's Conferma).
    auto* lblPresentazione = new QLabel(QStringLiteral("&Visualizzazione"), page);
    grid->addWidget(lblPresentazione, 0, 0);
    CBO_TIPOCOMBINAZIONE = new QComboBox(page);
    CBO_TIPOCOMBINAZIONE->setObjectName("CBO_TIPOCOMBINAZIONE");
    lblPresentazione->setBuddy(CBO_TIPOCOMBINAZIONE);
    CBO_TIPOCOMBINAZIONE->addItem(QStringLiteral("Griglia"), 0);
    CBO_TIPOCOMBINAZIONE->addItem(QStringLiteral("Elenco combinazioni"), 1);
    CBO_TIPOCOMBINAZIONE->setCurrentIndex(1);
    grid->addWidget(CBO_TIPOCOMBINAZIONE, 0, 1);
    auto* lblAmbito = new QLabel(QStringLiteral("Con&figurazione"), page);
    grid->addWidget(lblAmbito, 0, 2);
    CBO_TIPOCONF6 = new QComboBox(page);
    CBO_TIPOCONF6->setObjectName("CBO_TIPOCONF6");
    lblAmbito->setBuddy(CBO_TIPOCONF6);
    LoadScopeCombo(CBO_TIPOCONF6);
    grid->addWidget(CBO_TIPOCONF6, 0, 3, 1, 2);

    LBL_TIPOVAR6_1 = new QLabel(QStringLiteral("Variante 1"), page);
    LBL_TIPOVAR6_2 = new QLabel(QStringLiteral("Variante 2"), page);
    CBO_TIPOVAR6_1 = new QComboBox(page);
    CBO_TIPOVAR6_1->setObjectName("CBO_TIPOVAR6_1");
    CBO_TIPOVAR6_2 = new QComboBox(page);
    CBO_TIPOVAR6_2->setObjectName("CBO_TIPOVAR6_2");
    TXT_RAGGR6_1 = lookup("TXT_RAGGR6_1", 25);
    TXT_RAGGR6_2 = lookup("TXT_RAGGR6_2", 25);
    TXT_DESRAGGR6_1 = description("TXT_DESRAGGR6_1");
    TXT_DESRAGGR6_2 = description("TXT_DESRAGGR6_2");
    grid->addWidget(LBL_TIPOVAR6_1, 1, 0);
    grid->addWidget(CBO_TIPOVAR6_1, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Raggruppamento"), page), 1, 2);
    grid->addWidget(TXT_RAGGR6_1, 1, 3);
    grid->addWidget(TXT_DESRAGGR6_1, 1, 4);
    grid->addWidget(LBL_TIPOVAR6_2, 2, 0);
    grid->addWidget(CBO_TIPOVAR6_2, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Raggruppamento"), page), 2, 2);
    grid->addWidget(TXT_RAGGR6_2, 2, 3);
    grid->addWidget(TXT_DESRAGGR6_2, 2, 4);

    auto* lblDefault = new QLabel(QStringLiteral("Stato &predefinito"), page);
    grid->addWidget(lblDefault, 3, 0);
    TXT_STATODEF = lookup("TXT_STATODEF", 10);
    lblDefault->setBuddy(TXT_STATODEF->LineEdit());
    TXT_STATODEF->setEnabled(false);
    grid->addWidget(TXT_STATODEF, 3, 1);
    TXT_DESSTATODEF = description("TXT_DESSTATODEF");
    auto* indicators = new QHBoxLayout;
    indicators->addWidget(TXT_DESSTATODEF, 1);
    IMG_OK = new QLabel(page);
    IMG_OK->setObjectName("IMG_OK");
    IMG_OK->setPixmap(page->style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(16, 16));
    IMG_OK->setToolTip(QStringLiteral("Stato attivo"));
    IMG_KO = new QLabel(page);
    IMG_KO->setObjectName("IMG_KO");
    IMG_KO->setPixmap(page->style()->standardIcon(QStyle::SP_DialogCancelButton).pixmap(16, 16));
    IMG_KO->setToolTip(QStringLiteral("Stato non attivo"));
    IMG_OK->hide();
    IMG_KO->hide();
    controls::KeepPlaceWhenHidden(IMG_OK);
    controls::KeepPlaceWhenHidden(IMG_KO);
    indicators->addWidget(IMG_OK);
    indicators->addWidget(IMG_KO);
    grid->addLayout(indicators, 3, 2, 1, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(4, 2);
    return grid;
}

void StatiCombinazioneTab::connectEvents(QWidget* page) {
    using controls::LookupBox;
    QObject::connect(CBO_TIPOCOMBINAZIONE, &QComboBox::activated, page,
                     [this](int) { CBO_TIPOCOMBINAZIONE_Click(); });
    QObject::connect(CBO_TIPOCONF6, &QComboBox::activated, page,
                     [this](int) { CBO_TIPOCONF6_Click(); });
    QObject::connect(CBO_TIPOVAR6_1, &QComboBox::activated, page,
                     [this](int) { CBO_TIPOVAR6_1_Click(); });
    QObject::connect(CBO_TIPOVAR6_2, &QComboBox::activated, page,
                     [this](int) { CBO_TIPOVAR6_2_Click(); });
    QObject::connect(TXT_RAGGR6_1, &LookupBox::startLookup, page,
                     [this](bool&) { TXT_RAGGR6_1_StartLookup(); });
    QObject::connect(TXT_RAGGR6_1, &LookupBox::startDecode, page,
                     [this](bool&) { TXT_RAGGR6_1_StartDecode(); });
    QObject::connect(TXT_RAGGR6_1, &LookupBox::afterItem, page,
                     [this] { TXT_RAGGR6_1_AfterItem(); });
    QObject::connect(TXT_RAGGR6_2, &LookupBox::startLookup, page,
                     [this](bool&) { TXT_RAGGR6_2_StartLookup(); });
    QObject::connect(TXT_RAGGR6_2, &LookupBox::startDecode, page,
                     [this](bool&) { TXT_RAGGR6_2_StartDecode(); });
    QObject::connect(TXT_RAGGR6_2, &LookupBox::afterItem, page,
                     [this] { TXT_RAGGR6_2_AfterItem(); });
    QObject::connect(TXT_STATODEF, &LookupBox::startLookup, page,
                     [this](bool&) { TXT_STATODEF_StartLookup(); });
    QObject::connect(TXT_STATODEF, &LookupBox::startDecode, page,
                     [this](bool&) { TXT_STATODEF_StartDecode(); });
    // A code typed and left, or chosen from the list, is the new default.
    QObject::connect(TXT_STATODEF, &LookupBox::afterItem, page,
                     [this] { TXT_STATODEF_Validate(); });
    QObject::connect(GRDX_COMBINAZIONI, &controls::DataGrid::closeUp, page,
                     [this](int column, long row) { GRDX_COMBINAZIONI_CloseUp(column, row); });
    QObject::connect(GRDX_COMBINAZIONI, &StateGrid::valueTyped, page,
                     [this](int column, long row, const QString& text) {
                         GRDX_COMBINAZIONI_ValueTyped(column, row, text);
                     });
    QObject::connect(TXT_OPZIONE1, &LookupBox::startLookup, page,
                     [this](bool&) { TXT_OPZIONE1_StartLookup(); });
    QObject::connect(TXT_OPZIONE1, &LookupBox::startDecode, page,
                     [this](bool&) { TXT_OPZIONE1_StartDecode(); });
    QObject::connect(TXT_OPZIONE2, &LookupBox::startLookup, page,
                     [this](bool&) { TXT_OPZIONE2_StartLookup(); });
    QObject::connect(TXT_OPZIONE2, &LookupBox::startDecode, page,
                     [this](bool&) { TXT_OPZIONE2_StartDecode(); });
    // The option boxes' after-item is connected with the frame, after its own writers.
    QObject::connect(TXT_STATOCOMBI, &LookupBox::startLookup, page,
                     [this](bool&) { TXT_STATOCOMBI_StartLookup(); });
    QObject::connect(TXT_STATOCOMBI, &LookupBox::startDecode, page,
                     [this](bool&) { TXT_STATOCOMBI_StartDecode(); });
    QObject::connect(TXT_STATOCOMBI, &LookupBox::afterItem, page,
                     [this] { TXT_STATOCOMBI_AfterItem(); });
    controls::OnFocusIn(TXT_STATOCOMBI->LineEdit(), [this] { TXT_STATOCOMBI_StartEdit(); });
    QObject::connect(
        GRIDNAV_COMBI, &controls::GridNavigator::afterButtonClick, page,
        [this](bool success, const QString& key) { GRIDNAV_COMBI_AfterButtonClick(success, key); });
    QObject::connect(CMD_ELIMINACOMBI, &QPushButton::clicked, page,
                     [this] { CMD_ELIMINACOMBI_Click(); });
}

// ------------------------------------------------------------ tab events

void StatiCombinazioneTab::beforeTabSwitch() {
    if (FRAME_COMBINAZIONI)
        FRAME_COMBINAZIONI->hide();
}

void StatiCombinazioneTab::clear() {
    scollegaGriglia();
    if (GRD_COMBI)
        GRD_COMBI->SetDataSource(nullptr);
}

void StatiCombinazioneTab::release() {
    common::releaseQuietly([&] {
        scollegaGriglia();
        if (frame_)
            frame_->Release();
        frame_.reset();
        if (GRD_COMBI)
            GRD_COMBI->SetDataSource(nullptr);
        if (GRIDNAV_COMBI) {
            GRIDNAV_COMBI->SetFrame(nullptr);
            GRIDNAV_COMBI->SetGrid(nullptr);
        }
    });
    common::ChiudiRecordset(rsCombi_);
    common::ChiudiRecordset(rsCross_);
}

void StatiCombinazioneTab::scollegaGriglia() {
    if (GRDX_COMBINAZIONI)
        GRDX_COMBINAZIONI->SetDataSource(nullptr);
}

// Reloads on every show (states change in the other tabs); lists per item.
void StatiCombinazioneTab::load() {
    const bool nuovoArticolo = !card().isLoaded(index());
    Procedure p(card(), loaderName());
    // Another item: the previous item's pair is not rebuilt for it.
    if (nuovoArticolo) {
        var1_.clear();
        var2_.clear();
    }
    p.step([&] { CBO_TIPOCOMBINAZIONE_Click(); });
    if (!nuovoArticolo)
        return;
    p.step([&] { card().PulisciTab(index()); });
    p.step([&] { TXT_STATODEF->setEnabled(false); });
    p.step([&] {
        LoadVariantCombo(card(), CBO_TIPOVAR6_1);
        LoadVariantCombo(card(), CBO_TIPOVAR6_2);
    });
    p.step([&] { CBO_TIPOVAR6_1_Click(); });
    p.step([&] { CBO_TIPOVAR6_2_Click(); });
    p.step([&] { mostraAvviso(); });
    p.step([&] { card().setLoadedItem(index()); });
}

// -------------------------------------------------------------- selectors

int StatiCombinazioneTab::presentazione() const {
    return valoreCombo(CBO_TIPOCOMBINAZIONE);
}

int StatiCombinazioneTab::ambito() const {
    return valoreCombo(CBO_TIPOCONF6);
}

std::string StatiCombinazioneTab::condArt() const {
    return CondArt(ambito(), card().currentItem());
}

std::string StatiCombinazioneTab::varA() const {
    return var1_ < var2_ ? var1_ : var2_;
}

std::string StatiCombinazioneTab::varB() const {
    return var1_ < var2_ ? var2_ : var1_;
}

std::string StatiCombinazioneTab::descrizioneVariante(const QComboBox* combo) const {
    return combo && combo->currentIndex() >= 0 ? combo->currentText().toStdString() : "";
}

// Tells why nothing is shown: the item has no variants to combine, or the
// two selectors name the same variant.
void StatiCombinazioneTab::mostraAvviso() {
    QString text;
    if (!ItemHasVariants(card()))
        text = QStringLiteral("L'articolo non \u00e8 gestito a varianti: non ha combinazioni.");
    else if (CBO_TIPOVAR6_1->count() == 0)
        text = QStringLiteral(
            "L'articolo non ha varianti attive: attivarle in \"Attivazione varianti\".");
    else if (CBO_TIPOVAR6_1->count() == 1)
        text = QStringLiteral(
            "L'articolo ha una sola variante attiva: una combinazione richiede due varianti.");
    else if (!coppiaValida())
        text = QStringLiteral(
            "Scegliere due varianti diverse: una combinazione unisce le opzioni di due varianti.");
    LBL_AVVISO->setText(card().services().TranslateCaption(text));
    LBL_AVVISO->setVisible(!text.isEmpty());
}

void StatiCombinazioneTab::CBO_TIPOCOMBINAZIONE_Click() {
    if (!activated() || !ItemHasVariants(card()))
        return;
    Procedure p(card(), "CBO_TIPOCOMBINAZIONE_Click");
    common::WindowServices& ws = card().services();
    p.step([&] {
        AREA_GRIGLIA->setVisible(presentazione() == 0);
        FRAME_COMBINAZIONI->setVisible(presentazione() == 1);
    });
    p.step([&] {
        if (presentazione() == 0) {
            LBL_TIPOVAR6_1->setText(QString::fromStdString(ws.TraduciTesto("Orizzontale", 42856)));
            LBL_TIPOVAR6_2->setText(QString::fromStdString(ws.TraduciTesto("Verticale", 60777)));
        } else {
            LBL_TIPOVAR6_1->setText(QString::fromStdString(ws.TraduciTesto("Variante 1", 60293)));
            LBL_TIPOVAR6_2->setText(QString::fromStdString(ws.TraduciTesto("Variante 2", 60295)));
        }
    });
    p.step([&] { CombinazioneVarianti(); });
}

void StatiCombinazioneTab::CBO_TIPOCONF6_Click() {
    if (!activated())
        return;
    Procedure p(card(), "CBO_TIPOCONF6_Click");
    p.step([&] { CaricaValoreVariante1(); });
    p.step([&] { CaricaValoreVariante2(); });
    p.step([&] { CombinazioneVarianti(); });
}

void StatiCombinazioneTab::CBO_TIPOVAR6_1_Click() {
    if (!ItemHasVariants(card()))
        return;
    Procedure p(card(), "CBO_TIPOVAR6_1_Click");
    p.step([&] { CaricaValoreVariante1(); });
    p.step([&] { CombinazioneVarianti(); });
}

void StatiCombinazioneTab::CBO_TIPOVAR6_2_Click() {
    if (!ItemHasVariants(card()))
        return;
    Procedure p(card(), "CBO_TIPOVAR6_2_Click");
    p.step([&] { CaricaValoreVariante2(); });
    p.step([&] { CombinazioneVarianti(); });
}

namespace {

// The chosen variant and its grouping into the tab state and the boxes.
void caricaValoreVariante(common::ItemCard& card, const char* nome, int ambito, QComboBox* combo,
                          controls::LookupBox* raggrBox, QLineEdit* descrBox, QLabel* label,
                          std::string& variante, std::string& raggr) {
    Procedure p(card, nome);
    p.step([&] { variante = common::codiceVariante(valoreCombo(combo)); });
    p.step([&] {
        raggr =
            ambito == kGenerale || variante.empty() ? std::string() : ItemGrouping(card, variante);
    });
    p.step([&] {
        raggrBox->SetText(QString::fromStdString(raggr));
        raggrBox->SetFound(true);
        descrBox->setText(QString::fromStdString(
            raggr.empty()
                ? std::string()
                : DecodedDescription(card, card.lookups().DecodeGrouping(variante, raggr))));
        label->setText(card.services().TranslateCaption(QStringLiteral("Opzione")) +
                       QLatin1Char(' ') +
                       (combo->currentIndex() >= 0 ? combo->currentText() : QString()));
    });
}

}  // namespace

void StatiCombinazioneTab::CaricaValoreVariante1() {
    caricaValoreVariante(card(), "CaricaValoreVariante1", ambito(), CBO_TIPOVAR6_1, TXT_RAGGR6_1,
                         TXT_DESRAGGR6_1, LBL_OPZIONE1, var1_, raggr1_);
}

void StatiCombinazioneTab::CaricaValoreVariante2() {
    caricaValoreVariante(card(), "CaricaValoreVariante2", ambito(), CBO_TIPOVAR6_2, TXT_RAGGR6_2,
                         TXT_DESRAGGR6_2, LBL_OPZIONE2, var2_, raggr2_);
}

void StatiCombinazioneTab::TXT_RAGGR6_1_StartLookup() {
    controls::ApplyLookup(*TXT_RAGGR6_1, card().lookups().Groupings(var1_));
}

void StatiCombinazioneTab::TXT_RAGGR6_1_StartDecode() {
    controls::ApplyDecode(
        *TXT_RAGGR6_1, card().lookups().DecodeGrouping(var1_, TXT_RAGGR6_1->Text().toStdString()));
}

void StatiCombinazioneTab::TXT_RAGGR6_2_StartLookup() {
    controls::ApplyLookup(*TXT_RAGGR6_2, card().lookups().Groupings(var2_));
}

void StatiCombinazioneTab::TXT_RAGGR6_2_StartDecode() {
    controls::ApplyDecode(
        *TXT_RAGGR6_2, card().lookups().DecodeGrouping(var2_, TXT_RAGGR6_2->Text().toStdString()));
}

namespace {

// A grouping taken in a box: an unknown code is refused and the box shows
// the grouping in use again; answers whether the grouping changed.
bool prendiRaggruppamento(common::ItemCard& card, controls::LookupBox* box, QLineEdit* descrBox,
                          std::string& raggr) {
    const std::string testo = common::BoxText(box);
    if (!box->Found()) {
        card.services().VisualizzaMessaggio(
            "Il raggruppamento " + testo + " non esiste per questa variante.", 91517,
            common::vbExclamation, card.services().TraduciTesto("Avviso Utente", 8522),
            std::vector<db::Value>{db::Value(testo)});
        box->SetText(QString::fromStdString(raggr));
        box->SetFound(true);
        return false;
    }
    descrBox->setText(testo.empty() ? QString()
                                    : QString::fromStdString(
                                          common::NzStringa(box->ItemValue("MG5G_DESCRRAGGVAR"))));
    if (testo == raggr)
        return false;
    raggr = testo;
    return true;
}

}  // namespace

void StatiCombinazioneTab::TXT_RAGGR6_1_AfterItem() {
    Procedure p(card(), "TXT_RAGGR6_1_AfterItem");
    bool cambiato = false;
    p.step(
        [&] { cambiato = prendiRaggruppamento(card(), TXT_RAGGR6_1, TXT_DESRAGGR6_1, raggr1_); });
    if (cambiato)
        p.step([&] { CombinazioneVarianti(); });
}

void StatiCombinazioneTab::TXT_RAGGR6_2_AfterItem() {
    Procedure p(card(), "TXT_RAGGR6_2_AfterItem");
    bool cambiato = false;
    p.step(
        [&] { cambiato = prendiRaggruppamento(card(), TXT_RAGGR6_2, TXT_DESRAGGR6_2, raggr2_); });
    if (cambiato)
        p.step([&] { CombinazioneVarianti(); });
}

// ----------------------------------------------------------------- rebuild

void StatiCombinazioneTab::CombinazioneVarianti() {
    Procedure p(card(), "CombinazioneVarianti");
    p.onAbort([&] { HideProgress(card()); });
    p.step([&] { ShowProgress(card(), "Elaborazione in corso...", 24146); });
    p.step([&] {
        TXT_STATODEF->SetText({});
        TXT_DESSTATODEF->clear();
        IMG_OK->hide();
        IMG_KO->hide();
        TXT_STATODEF->setEnabled(coppiaValida());
        mostraAvviso();
    });
    // Nothing of another pair stays on show while the pair is not valid.
    if (!coppiaValida() && presentazione() == 0)
        p.step([&] {
            scollegaGriglia();
            common::ChiudiRecordset(rsCross_);
        });
    if (presentazione() == 0) {
        p.step([&] { CreaCombinazioneVarianti(); });
        p.step([&] { LoadCombinazioneVarianti(); });
        p.step([&] { VisualizzaCombinazioneVarianti(); });
    } else {
        p.step([&] { ChiudiFrameworkCombi(); });
        p.step([&] { AttivaFrameworkCombi(); });
    }
    p.step([&] { HideProgress(card()); });
}

// ----------------------------------------------------------- default state

void StatiCombinazioneTab::CaricaDefaultCombinazione(const std::string& condArt,
                                                     const std::string& varA,
                                                     const std::string& varB) {
    Procedure p(card(), "CaricaDefaultCombinazione");
    db::Recordset rs;
    p.step([&] {
        defId_ = 0;
        defAttivo_ = -1;
        defDescr_.clear();
        TXT_STATODEF->SetText({});
        TXT_STATODEF->SetFound(true);
        TXT_DESSTATODEF->clear();
    });
    p.step([&] {
        rs.open(sqlPairDefaultState(card().companyCode(), condArt, varA, varB),
                card().connection());
    });
    p.step([&] {
        if (!rs.isOpen() || rs.recordCount() == 0)
            return;
        rs.moveFirst();
        const std::string codice = common::NzStringa(rs.value("MG5V_CODICE"));
        TXT_STATODEF->SetText(QString::fromStdString(codice));
        defId_ = common::NzNumero(rs.value("MG5V_IDSTATOVAR"));
        defAttivo_ = static_cast<int>(
            common::NzNumero(rs.value("MG5V_ATTIVO")).toDecimal()->toInt64().value_or(0));
        defDescr_ = DecodificaStato(card(), codice).descrizione;
        TXT_DESSTATODEF->setText(QString::fromStdString(defDescr_));
    });
    p.step([&] { VisualizzaIndicatoreStato(); });
}

void StatiCombinazioneTab::VisualizzaIndicatoreStato() {
    IMG_KO->setVisible(defAttivo_ == 0);
    IMG_OK->setVisible(defAttivo_ == 1);
}

void StatiCombinazioneTab::TXT_STATODEF_StartLookup() {
    LookUpStates(card(), *TXT_STATODEF);
}

void StatiCombinazioneTab::TXT_STATODEF_StartDecode() {
    DecodeStateCode(card(), *TXT_STATODEF);
}

void StatiCombinazioneTab::TXT_STATODEF_Validate() {
    if (!coppiaValida())
        return;
    Procedure p(card(), "TXT_STATODEF_Validate");
    const std::string codice = common::BoxText(TXT_STATODEF);
    Stato stato;
    p.step([&] { stato = DecodificaStato(card(), codice); });
    // A code that names no state leaves the stored default as it is.
    p.step([&] {
        if (!codice.empty() && statoVuoto(stato.id)) {
            card().services().VisualizzaMessaggio(
                "Lo stato " + codice + " non esiste: il default della coppia non cambia.", 91518,
                common::vbExclamation, card().services().TraduciTesto("Avviso Utente", 8522),
                std::vector<db::Value>{db::Value(codice)});
            p.leave();
        }
    });
    if (!p.running()) {
        CaricaDefaultCombinazione(condArt(), varA(), varB());
        return;
    }
    p.step([&] {
        defId_ = stato.id;
        defAttivo_ = stato.attivo;
        defDescr_ = stato.descrizione;
        TXT_DESSTATODEF->setText(QString::fromStdString(defDescr_));
    });
    p.step([&] { SalvaDefaultCombinazione(stato.id); });
    p.step([&] { VisualizzaIndicatoreStato(); });
}

void StatiCombinazioneTab::SalvaDefaultCombinazione(const db::Value& stato) {
    if (!coppiaValida())
        return;
    Procedure p(card(), "SalvaDefaultCombinazione");
    const std::string where =
        sqlPairDefaultCondition(card().companyCode(), condArt(), varA(), varB());
    RigaStato riga{"MG5W_PROVSTATI", where, "MG5W_IDSTATOVAR_MG5V", {}};
    riga.nuova = {{"MG5W_DITTA_CG18", common::NzNumero(db::Value(card().companyCode()))},
                  {"MG5W_CODICEVAR1_MG5F", varA()},
                  {"MG5W_CODICEVAR2_MG5F", varB()},
                  {"MG5W_TIPODEFAULT", 1}};
    if (ambito() == kSingola)
        riga.nuova.emplace_back("MG5W_CODART_MG66", card().currentItem());
    // An expired state not confirmed: the box shows the stored default again.
    if (!(WriteState(p, card(), riga, stato) == stato) && !statoVuoto(stato))
        CaricaDefaultCombinazione(condArt(), varA(), varB());
}

}  // namespace states
