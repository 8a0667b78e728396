#include "states/stati_stagione_tab.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "common/box_text.h"
#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "platform/controls/lookup_box.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "states/box_helpers.h"
#include "states/state_grid.h"
#include "states/state_paste.h"
#include "states/state_rows.h"
#include "states/state_services.h"
#include "states/states_sql.h"

namespace states {

using common::BoxText;
using common::Procedure;

namespace {
const common::RegisteredTab<StatiStagioneTab> kRegistrazione(common::kTabStatiStagione);
}  // namespace

StatiStagioneTab::StatiStagioneTab(common::ItemCard& card)
    : CardTab(card, common::kTabStatiStagione) {}

StatiStagioneTab::~StatiStagioneTab() = default;

void StatiStagioneTab::build(QWidget* page) {
    auto* root = new QVBoxLayout(page);
    auto* top = new QGridLayout;
    auto description = [&](const char* name) { return NewDescriptionEdit(page, name); };
    // The labels' letters take the focus to their boxes (Alt+V, Alt+S).
    auto* lblVariante = new QLabel(QStringLiteral("&Variante"), page);
    top->addWidget(lblVariante, 0, 0);
    CBO_TIPOVAR4 = new QComboBox(page);
    CBO_TIPOVAR4->setObjectName("CBO_TIPOVAR4");
    lblVariante->setBuddy(CBO_TIPOVAR4);
    top->addWidget(CBO_TIPOVAR4, 0, 1);
    top->addWidget(new QLabel(QStringLiteral("Raggruppamento"), page), 0, 2);
    TXT_RAGGR4 = new controls::LookupBox(page);
    TXT_RAGGR4->setObjectName("TXT_RAGGR4");
    TXT_RAGGR4->SetConnection(&card().connection());
    TXT_RAGGR4->SetReadOnly(true);
    top->addWidget(TXT_RAGGR4, 0, 3);
    TXT_DESRAGGR4 = description("TXT_DESRAGGR4");
    top->addWidget(TXT_DESRAGGR4, 0, 4, 1, 2);

    auto* lblStagione = new QLabel(QStringLiteral("&Stagione"), page);
    top->addWidget(lblStagione, 1, 0);
    TXT_STAGIONE4 = NewCodeBox(page, "TXT_STAGIONE4", &card().connection(), 10);
    lblStagione->setBuddy(TXT_STAGIONE4->LineEdit());
    top->addWidget(TXT_STAGIONE4, 1, 1);
    TXT_DESSTAGIONE4 = description("TXT_DESSTAGIONE4");
    top->addWidget(TXT_DESSTAGIONE4, 1, 2, 1, 2);
    TXT_CODSTAGIONE4 = description("TXT_CODSTAGIONE4");
    top->addWidget(TXT_CODSTAGIONE4, 1, 4);
    TXT_ANNO4 = description("TXT_ANNO4");
    TXT_ANNO4->setMaximumWidth(70);
    top->addWidget(TXT_ANNO4, 1, 5);
    top->setColumnStretch(1, 1);
    top->setColumnStretch(3, 1);
    top->setColumnStretch(4, 1);
    root->addLayout(top);
    LBL_AVVISO4 = NewWarningLabel(page, "LBL_AVVISO4");
    root->addWidget(LBL_AVVISO4);
    GRDX_STATI_STAGIONI = new StateGrid(page);
    GRDX_STATI_STAGIONI->setObjectName("GRDX_STATI_STAGIONI");
    root->addWidget(GRDX_STATI_STAGIONI, 1);

    using controls::LookupBox;
    QObject::connect(CBO_TIPOVAR4, &QComboBox::activated, page,
                     [this](int) { CBO_TIPOVAR4_Click(); });
    QObject::connect(TXT_STAGIONE4, &LookupBox::startLookup, page,
                     [this](bool&) { TXT_STAGIONE4_StartLookup(); });
    QObject::connect(TXT_STAGIONE4, &LookupBox::startDecode, page,
                     [this](bool&) { TXT_STAGIONE4_StartDecode(); });
    QObject::connect(TXT_STAGIONE4, &LookupBox::afterItem, page,
                     [this] { TXT_STAGIONE4_AfterItem(); });
    QObject::connect(TXT_RAGGR4, &LookupBox::startDecode, page,
                     [this](bool&) { TXT_RAGGR4_StartDecode(); });
    QObject::connect(GRDX_STATI_STAGIONI, &controls::DataGrid::closeUp, page,
                     [this](int column, long row) { GRDX_STATI_STAGIONI_CloseUp(column, row); });
    QObject::connect(GRDX_STATI_STAGIONI, &StateGrid::valueTyped, page,
                     [this](int column, long row, const QString& text) {
                         GRDX_STATI_STAGIONI_ValueTyped(column, row, text);
                     });
    InitGRDX_STATI_STAGIONI();
    attivaIncolla();
}

void StatiStagioneTab::clear() {
    InitGRDX_STATI_STAGIONI();
    GRDX_STATI_STAGIONI->SetDataSource(nullptr);
}

void StatiStagioneTab::release() {
    common::releaseQuietly([&] {
        if (GRDX_STATI_STAGIONI)
            GRDX_STATI_STAGIONI->SetDataSource(nullptr);
    });
    common::ChiudiRecordset(rsStagioni_);
}

void StatiStagioneTab::InitGRDX_STATI_STAGIONI() {
    Procedure p(card(), "InitGRDX_STATI_STAGIONI");
    p.step([&] { ConfiguraGrigliaStati(card(), GRDX_STATI_STAGIONI, kColonneOpzioni); });
}

// Says why the grid is empty, when it is.
void StatiStagioneTab::mostraAvviso() {
    QString text = NoVariantWarning(card(), CBO_TIPOVAR4);
    const std::string stagione = BoxText(TXT_STAGIONE4);
    if (text.isEmpty() && stagione.empty())
        text = QStringLiteral("Indicare la stagione.");
    else if (text.isEmpty() && statoVuoto(idStagione_))
        text = QString::fromStdString("La stagione " + stagione + " non esiste.");
    LBL_AVVISO4->setText(card().services().TranslateCaption(text));
    LBL_AVVISO4->setVisible(!text.isEmpty());
}

void StatiStagioneTab::load() {
    if (card().isLoaded(index()))
        return;
    Procedure p(card(), loaderName());
    BeginStateLoad(p, *this, CBO_TIPOVAR4, var_, raggr_);
    p.step([&] { CBO_TIPOVAR4_Click(); });
    p.step([&] {
        mostraAvviso();
        TXT_STAGIONE4->setFocus();
    });
    p.step([&] { HideProgress(card()); });
    p.step([&] { card().setLoadedItem(index()); });
}

void StatiStagioneTab::CBO_TIPOVAR4_Click() {
    if (!ItemHasVariants(card()))
        return;
    Procedure p(card(), "CBO_TIPOVAR4_Click");
    ReadChosenVariant(p, card(), CBO_TIPOVAR4, var_, raggr_);
    p.step([&] {
        // The box decodes the grouping it shows, so its valid flag is true.
        TXT_RAGGR4->SetText(QString::fromStdString(raggr_));
        TXT_RAGGR4->Decode();
        TXT_DESRAGGR4->setText(
            QString::fromStdString(common::NzStringa(TXT_RAGGR4->ItemValue("MG5G_DESCRRAGGVAR"))));
    });
    p.step([&] { CaricaStatiOpzioni(); });
}

void StatiStagioneTab::TXT_RAGGR4_StartDecode() {
    controls::ApplyDecode(*TXT_RAGGR4, card().lookups().DecodeGrouping(var_, BoxText(TXT_RAGGR4)));
}

void StatiStagioneTab::TXT_STAGIONE4_StartLookup() {
    controls::ApplyLookup(*TXT_STAGIONE4, card().lookups().Seasons());
}

void StatiStagioneTab::TXT_STAGIONE4_StartDecode() {
    controls::ApplyDecode(*TXT_STAGIONE4, card().lookups().DecodeSeason(BoxText(TXT_STAGIONE4)));
}

void StatiStagioneTab::TXT_STAGIONE4_AfterItem() {
    Procedure p(card(), "TXT_STAGIONE4_AfterItem");
    p.step([&] {
        idStagione_ = GetIdStagione(card(), BoxText(TXT_STAGIONE4));
        const bool trovata = !statoVuoto(idStagione_);
        TXT_DESSTAGIONE4->setText(trovata ? QString::fromStdString(common::NzStringa(
                                                TXT_STAGIONE4->ItemValue("MG5T_DESCR")))
                                          : QString());
        TXT_CODSTAGIONE4->setText(trovata ? QString::fromStdString(common::NzStringa(
                                                TXT_STAGIONE4->ItemValue("MG5T_CODICE")))
                                          : QString());
        TXT_ANNO4->setText(trovata ? QString::fromStdString(SeasonYear(card(), idStagione_))
                                   : QString());
        mostraAvviso();
    });
    p.step([&] { CaricaStatiOpzioni(); });
}

void StatiStagioneTab::CaricaStatiOpzioni() {
    Procedure p(card(), "CaricaStatiOpzioni");
    p.onAbort([&] {
        GRDX_STATI_STAGIONI->SetDataSource(nullptr);
        common::ChiudiRecordset(rsStagioni_);
    });
    p.step([&] { GRDX_STATI_STAGIONI->SetDataSource(nullptr); });
    if (var_.empty() || statoVuoto(idStagione_) || !TXT_RAGGR4->Found() || !TXT_STAGIONE4->Found())
        return;
    const std::string& ditta = card().companyCode();
    const std::string& codArt = card().currentItem();
    const std::string id = StateNumber(idStagione_).toText();
    FillWorkTable(p, card(), "#TMP_STATISTAGIONI",
                  [&] { return sqlSeasonOptionStates(ditta, codArt, var_, id, raggr_); });
    p.step([&] {
        rsStagioni_ =
            OpenOnFirstRow(card(), "SELECT * FROM #TMP_STATISTAGIONI ORDER BY ORDINAMENTO");
        GRDX_STATI_STAGIONI->SetDataSource(rsStagioni_.get());
    });
}

void StatiStagioneTab::GRDX_STATI_STAGIONI_CloseUp(int column, long) {
    SaveOnStateCloseUp(card(), "GRDX_STATI_STAGIONI_CloseUp", GRDX_STATI_STAGIONI, column,
                       [this] { SalvaRecordStagione(); });
}

void StatiStagioneTab::GRDX_STATI_STAGIONI_ValueTyped(int, long row, const QString& testo) {
    if (PutTypedState(card(), GRDX_STATI_STAGIONI, rsStagioni_.get(), row, testo))
        SalvaRecordStagione();
}

// The season assignment of an option of the grid.
RigaStato StatiStagioneTab::rigaStagione(const std::string& opzione) const {
    RigaStato riga;
    riga.tabella = "MG5U_VARSTAG";
    riga.campoStato = "MG5U_IDSTATOVAR_MG5V";
    riga.condizione =
        sqlSeasonStateCondition(card().companyCode(), StateNumber(idStagione_).toText(), var_,
                                card().currentItem(), raggr_, opzione);
    riga.nuova = {{"MG5U_DITTA_CG18", common::NzNumero(db::Value(card().companyCode()))},
                  {"MG5U_IDSTAGIONE_MG5T", StateNumber(idStagione_)},
                  {"MG5U_CODICEVAR_MG5F", var_},
                  {"MG5U_CODART_MG66", card().currentItem()},
                  {"MG5U_OPZIONE_MG5E", opzione}};
    if (!raggr_.empty())
        riga.nuova.emplace_back("MG5U_RAGGR_MG5G", raggr_);
    return riga;
}

void StatiStagioneTab::SalvaRecordStagione() {
    if (!rsStagioni_ || !rsStagioni_->hasCurrentRow())
        return;
    Procedure p(card(), "SalvaRecordStagione");
    const std::string opzione = common::NzStringa(rsStagioni_->value("OPZIONE"));
    SaveRowState(p, card(), rigaStagione(opzione), *rsStagioni_);
}

// Blocks of state codes pasted or imported into the grid's STATO cells.
void StatiStagioneTab::attivaIncolla() {
    EnableStatePaste(
        card(), {GRDX_STATI_STAGIONI, "IncollaStatiStagione", StateColumnOnly(GRDX_STATI_STAGIONI),
                 [this](long row, const std::string&) {
                     return std::optional<RigaStato>(rigaStagione(common::NzStringa(
                         rsStagioni_->valueAt(row, rsStagioni_->fieldIndex("OPZIONE")))));
                 },
                 [this] { CaricaStatiOpzioni(); }});
}

}  // namespace states
