#include "states/stati_variante_tab.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "platform/controls/split_region.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "states/box_helpers.h"
#include "states/state_grid.h"
#include "states/state_paste.h"
#include "states/state_rows.h"
#include "states/state_services.h"
#include "states/states_sql.h"

namespace states {

using common::Procedure;

namespace {
const common::RegisteredTab<StatiVarianteTab> kRegistrazione(common::kTabStatiVariante);
}  // namespace

StatiVarianteTab::StatiVarianteTab(common::ItemCard& card)
    : CardTab(card, common::kTabStatiVariante) {}

StatiVarianteTab::~StatiVarianteTab() = default;

void StatiVarianteTab::build(QWidget* page) {
    auto* root = new QVBoxLayout(page);
    auto* top = new QGridLayout;
    // The labels' letters take the focus to their boxes (Alt+V, Alt+C).
    auto* lblVariante = new QLabel(QStringLiteral("&Variante"), page);
    top->addWidget(lblVariante, 0, 0);
    CBO_TIPOVAR5 = new QComboBox(page);
    CBO_TIPOVAR5->setObjectName("CBO_TIPOVAR5");
    lblVariante->setBuddy(CBO_TIPOVAR5);
    top->addWidget(CBO_TIPOVAR5, 0, 1);
    auto* lblAmbito = new QLabel(QStringLiteral("&Configurazione"), page);
    top->addWidget(lblAmbito, 0, 2);
    CBO_TIPOCONF5 = new QComboBox(page);
    CBO_TIPOCONF5->setObjectName("CBO_TIPOCONF5");
    lblAmbito->setBuddy(CBO_TIPOCONF5);
    LoadScopeCombo(CBO_TIPOCONF5);
    top->addWidget(CBO_TIPOCONF5, 0, 3);
    top->setColumnStretch(1, 1);
    top->setColumnStretch(3, 1);
    root->addLayout(top);
    LBL_AVVISO5 = NewWarningLabel(page, "LBL_AVVISO5");
    root->addWidget(LBL_AVVISO5);

    SplitRegion5 = new controls::SplitRegion(Qt::Vertical, page);
    SplitRegion5->setObjectName("SplitRegion5");
    GRDX_STATI_RAGGR = new StateGrid(SplitRegion5);
    GRDX_STATI_RAGGR->setObjectName("GRDX_STATI_RAGGR");
    GRDX_STATI_OPZIONI = new StateGrid(SplitRegion5);
    GRDX_STATI_OPZIONI->setObjectName("GRDX_STATI_OPZIONI");
    SplitRegion5->addWidget(GRDX_STATI_RAGGR);
    SplitRegion5->addWidget(GRDX_STATI_OPZIONI);
    SplitRegion5->SetProportions({1, 2});
    root->addWidget(SplitRegion5, 1);

    QObject::connect(CBO_TIPOVAR5, &QComboBox::activated, page,
                     [this](int) { CBO_TIPOVAR5_Click(); });
    QObject::connect(CBO_TIPOCONF5, &QComboBox::activated, page,
                     [this](int) { CBO_TIPOCONF5_Click(); });
    QObject::connect(GRDX_STATI_RAGGR, &controls::DataGrid::rowChanged, page,
                     [this] { GRDX_STATI_RAGGR_RowChanged(); });
    QObject::connect(GRDX_STATI_RAGGR, &controls::DataGrid::closeUp, page,
                     [this](int column, long row) { GRDX_STATI_RAGGR_CloseUp(column, row); });
    QObject::connect(GRDX_STATI_OPZIONI, &controls::DataGrid::closeUp, page,
                     [this](int column, long row) { GRDX_STATI_OPZIONI_CloseUp(column, row); });
    QObject::connect(GRDX_STATI_RAGGR, &StateGrid::valueTyped, page,
                     [this](int column, long row, const QString& text) {
                         GRDX_STATI_RAGGR_ValueTyped(column, row, text);
                     });
    QObject::connect(GRDX_STATI_OPZIONI, &StateGrid::valueTyped, page,
                     [this](int column, long row, const QString& text) {
                         GRDX_STATI_OPZIONI_ValueTyped(column, row, text);
                     });
    InitGRDX_STATI_RAGGR();
    InitGRDX_STATI_OPZIONI();
    attivaIncolla();
}

void StatiVarianteTab::applySplit() {
    if (SplitRegion5)
        SplitRegion5->ApplyProportions();
}

void StatiVarianteTab::clear() {
    InitGRDX_STATI_RAGGR();
    InitGRDX_STATI_OPZIONI();
    GRDX_STATI_RAGGR->SetDataSource(nullptr);
    GRDX_STATI_OPZIONI->SetDataSource(nullptr);
}

void StatiVarianteTab::release() {
    common::releaseQuietly([&] {
        if (GRDX_STATI_RAGGR)
            GRDX_STATI_RAGGR->SetDataSource(nullptr);
        if (GRDX_STATI_OPZIONI)
            GRDX_STATI_OPZIONI->SetDataSource(nullptr);
    });
    common::ChiudiRecordset(rsRaggr_);
    common::ChiudiRecordset(rsOpzioni_);
}

void StatiVarianteTab::InitGRDX_STATI_RAGGR() {
    Procedure p(card(), "InitGRDX_STATI_RAGGR");
    p.step([&] {
        ConfiguraGrigliaStati(card(), GRDX_STATI_RAGGR,
                              {{"RAGGRUPPAMENTO", "Codice", 140},
                               {"MG5G_DESCRRAGGVAR", "Descrizione", 260},
                               {"STATO", "Stato", 330}});
    });
}

void StatiVarianteTab::InitGRDX_STATI_OPZIONI() {
    Procedure p(card(), "InitGRDX_STATI_OPZIONI");
    p.step([&] { ConfiguraGrigliaStati(card(), GRDX_STATI_OPZIONI, kColonneOpzioni); });
}

int StatiVarianteTab::ambito() const {
    return valoreCombo(CBO_TIPOCONF5);
}

void StatiVarianteTab::mostraAvviso() {
    const QString text = NoVariantWarning(card(), CBO_TIPOVAR5);
    LBL_AVVISO5->setText(text);
    LBL_AVVISO5->setVisible(!text.isEmpty());
}

void StatiVarianteTab::load() {
    if (card().isLoaded(index()))
        return;
    Procedure p(card(), loaderName());
    BeginStateLoad(p, *this, CBO_TIPOVAR5, var_, raggrArticolo_);
    p.step([&] { mostraAvviso(); });
    p.step([&] { CBO_TIPOVAR5_Click(); });
    p.step([&] { HideProgress(card()); });
    p.step([&] { card().setLoadedItem(index()); });
}

void StatiVarianteTab::CBO_TIPOVAR5_Click() {
    if (!ItemHasVariants(card()))
        return;
    Procedure p(card(), "CBO_TIPOVAR5_Click");
    ReadChosenVariant(p, card(), CBO_TIPOVAR5, var_, raggrArticolo_);
    p.step([&] { CaricaStatiRaggruppamenti(); });
}

void StatiVarianteTab::CBO_TIPOCONF5_Click() {
    if (!activated())
        return;
    CaricaStatiRaggruppamenti();
}

void StatiVarianteTab::CaricaStatiRaggruppamenti() {
    Procedure p(card(), "CaricaStatiRaggruppamenti");
    p.onAbort([&] {
        GRDX_STATI_RAGGR->SetDataSource(nullptr);
        GRDX_STATI_OPZIONI->SetDataSource(nullptr);
        common::ChiudiRecordset(rsRaggr_);
    });
    // Without a variant nothing is shown.
    if (var_.empty()) {
        p.step([&] {
            GRDX_STATI_RAGGR->SetDataSource(nullptr);
            GRDX_STATI_OPZIONI->SetDataSource(nullptr);
            common::ChiudiRecordset(rsRaggr_);
            common::ChiudiRecordset(rsOpzioni_);
        });
        return;
    }
    const std::string& ditta = card().companyCode();
    const std::string& codArt = card().currentItem();
    FillWorkTable(p, card(), "#TMP_STATIRAGGR",
                  [&] { return sqlGroupingStates(ditta, codArt, var_, ambito() == kSingola); });
    p.step([&] {
        GRDX_STATI_RAGGR->SetDataSource(nullptr);
        rsRaggr_ = OpenOnFirstRow(
            card(), "SELECT * FROM #TMP_STATIRAGGR ORDER BY ORDINAMENTO, RAGGRUPPAMENTO");
    });
    // Binding selects the first row, which loads its options.
    p.step([&] { GRDX_STATI_RAGGR->SetDataSource(rsRaggr_.get()); });
}

void StatiVarianteTab::GRDX_STATI_RAGGR_RowChanged() {
    if (salvataggio_ || !rsRaggr_ || !rsRaggr_->hasCurrentRow())
        return;
    CaricaStatiOpzioni(common::NzValore(rsRaggr_->value("RAGGRUPPAMENTO"), ""));
}

void StatiVarianteTab::CaricaStatiOpzioni(const std::string& raggr) {
    Procedure p(card(), "CaricaStatiOpzioni");
    p.onAbort([&] {
        GRDX_STATI_OPZIONI->SetDataSource(nullptr);
        common::ChiudiRecordset(rsOpzioni_);
    });
    const std::string& ditta = card().companyCode();
    const std::string cond = CondArt(ambito(), card().currentItem());
    FillWorkTable(p, card(), "#TMP_STATIOPZIONI",
                  [&] { return sqlOptionStates(ditta, cond, var_, raggr); });
    p.step([&] {
        GRDX_STATI_OPZIONI->SetDataSource(nullptr);
        rsOpzioni_ = OpenOnFirstRow(card(), "SELECT * FROM #TMP_STATIOPZIONI ORDER BY ORDINAMENTO");
        GRDX_STATI_OPZIONI->SetDataSource(rsOpzioni_.get());
    });
}

// ------------------------------------------------------------ cell edits

void StatiVarianteTab::GRDX_STATI_RAGGR_CloseUp(int column, long) {
    SaveOnStateCloseUp(card(), "GRDX_STATI_RAGGR_CloseUp", GRDX_STATI_RAGGR, column,
                       [this] { SalvaRecordRaggruppamento(); });
}

void StatiVarianteTab::GRDX_STATI_OPZIONI_CloseUp(int column, long) {
    SaveOnStateCloseUp(card(), "GRDX_STATI_OPZIONI_CloseUp", GRDX_STATI_OPZIONI, column,
                       [this] { SalvaRecordOpzione(); });
}

void StatiVarianteTab::GRDX_STATI_RAGGR_ValueTyped(int, long row, const QString& testo) {
    if (PutTypedState(card(), GRDX_STATI_RAGGR, rsRaggr_.get(), row, testo))
        SalvaRecordRaggruppamento();
}

void StatiVarianteTab::GRDX_STATI_OPZIONI_ValueTyped(int, long row, const QString& testo) {
    if (PutTypedState(card(), GRDX_STATI_OPZIONI, rsOpzioni_.get(), row, testo))
        SalvaRecordOpzione();
}

namespace {

// The one-variant state row the current row of a grid stands for.
RigaStato rigaVariante(common::ItemCard& card, int ambito, const std::string& var,
                       const std::string& raggr, const std::string& opzione) {
    RigaStato riga;
    riga.tabella = "MG5W_PROVSTATI";
    riga.campoStato = "MG5W_IDSTATOVAR_MG5V";
    riga.condizione = sqlVariantStateCondition(
        card.companyCode(), CondArt(ambito, card.currentItem()), var, raggr, opzione);
    riga.nuova = {{"MG5W_DITTA_CG18", common::NzNumero(db::Value(card.companyCode()))},
                  {"MG5W_CODICEVAR1_MG5F", var}};
    if (ambito == kSingola)
        riga.nuova.emplace_back("MG5W_CODART_MG66", card.currentItem());
    if (!raggr.empty())
        riga.nuova.emplace_back("MG5W_RAGGR1_MG5G", raggr);
    if (!opzione.empty())
        riga.nuova.emplace_back("MG5W_OPZIONE1_MG5E", opzione);
    return riga;
}

}  // namespace

void StatiVarianteTab::saveRow(const char* procedure, StateGrid* grid, db::Recordset* rs,
                               const char* groupingField, bool withOption) {
    if (!rs || !rs->hasCurrentRow())
        return;
    Procedure p(card(), procedure);
    // The grid's own edit is already in the row; the flag keeps the option
    // grid from reloading while it settles.
    p.step([&] {
        salvataggio_ = true;
        grid->setFocus();
        salvataggio_ = false;
    });
    const std::string raggr = common::NzValore(rs->value(groupingField), "");
    const std::string opzione = withOption ? common::NzStringa(rs->value("OPZIONE")) : "";
    SaveRowState(p, card(), rigaVariante(card(), ambito(), var_, raggr, opzione), *rs);
}

void StatiVarianteTab::SalvaRecordRaggruppamento() {
    saveRow("SalvaRecordRaggruppamento", GRDX_STATI_RAGGR, rsRaggr_.get(), "RAGGRUPPAMENTO", false);
}

void StatiVarianteTab::SalvaRecordOpzione() {
    saveRow("SalvaRecordOpzione", GRDX_STATI_OPZIONI, rsOpzioni_.get(), "MG5H_RAGGR_MG5G", true);
}

// Blocks of state codes pasted or imported into either grid: their STATO
// cells, each the assignment its row stands for, as a state chosen in the
// cell would be written.
void StatiVarianteTab::attivaIncolla() {
    EnableStatePaste(
        card(),
        {GRDX_STATI_RAGGR, "IncollaStatiRaggruppamento", StateColumnOnly(GRDX_STATI_RAGGR),
         [this](long row, const std::string&) {
             const std::string raggr = common::NzValore(
                 rsRaggr_->valueAt(row, rsRaggr_->fieldIndex("RAGGRUPPAMENTO")), "");
             return std::optional<RigaStato>(rigaVariante(card(), ambito(), var_, raggr, ""));
         },
         [this] { CaricaStatiRaggruppamenti(); }});
    EnableStatePaste(
        card(),
        {GRDX_STATI_OPZIONI, "IncollaStatiOpzione", StateColumnOnly(GRDX_STATI_OPZIONI),
         [this](long row, const std::string&) {
             const std::string raggr = common::NzValore(
                 rsOpzioni_->valueAt(row, rsOpzioni_->fieldIndex("MG5H_RAGGR_MG5G")), "");
             const std::string opzione =
                 common::NzStringa(rsOpzioni_->valueAt(row, rsOpzioni_->fieldIndex("OPZIONE")));
             return std::optional<RigaStato>(rigaVariante(card(), ambito(), var_, raggr, opzione));
         },
         [this] {
             // The grouping the options were shown for, as the row change gives it.
             std::string raggr;
             if (rsOpzioni_ && rsOpzioni_->isOpen() && rsOpzioni_->recordCount() > 0)
                 raggr = exchange::RightTrimmed(common::NzValore(
                     rsOpzioni_->valueAt(0, rsOpzioni_->fieldIndex("MG5H_RAGGR_MG5G")), ""));
             CaricaStatiOpzioni(raggr);
         }});
}

}  // namespace states
