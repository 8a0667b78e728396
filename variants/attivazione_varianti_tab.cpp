#include "variants/attivazione_varianti_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <map>

#include "common/box_text.h"
#include "common/frame_messages.h"
#include "common/pending_edits.h"
#include "common/procedure.h"
#include "common/progress_indicator.h"
#include "common/rights.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_navigator.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/record_frame.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "variants/variants_sql.h"

namespace variants {

using common::Procedure;

namespace {

const char* const kTitolo = "Scheda articolo - varianti";
constexpr long kMsgNotAnOption = 91702;

int numeroDi(const db::Value& v) {
    return static_cast<int>(db::integerOf(v));
}

bool haRiga(const db::Recordset* rs) {
    return rs && rs->hasCurrentRow();
}

int campoArticolo(common::ItemCard& card, const char* field) {
    db::Recordset* item = card.itemRecordset();
    return haRiga(item) ? numeroDi(item->value(field)) : 0;
}

// The item's rows of MG6B_GESVARART with their variant and grouping.
std::string itemVariantsSql(common::ItemCard& card) {
    return sqlItemVariants(card.companyCode(), card.currentItem());
}

// A number of a row for SQL: Empty, Null and "" give 0.
std::string numero(const db::Value& v) {
    return common::NzNumero(v).toText();
}

}  // namespace

const Scelte& scelteIndicatore() {
    static const Scelte s = {{0, "No"}, {1, "Si"}, {2, "Come da parametri generali"}};
    return s;
}
const Scelte& scelteEreditaDiba() {
    static const Scelte s = {{0, "Nessuna attribuzione"},
                             {1, "Subvar. padre se non presente su legame"},
                             {2, "Subvariante padre sempre"},
                             {99, "Come da param. generali"}};
    return s;
}
const Scelte& scelteGenerazioneDiba() {
    static const Scelte s = {{0, "Automatica"}, {1, "Manuale"}, {2, "Autom. x singola subvar."}};
    return s;
}
const Scelte& scelteModoEreditaDiba() {
    static const Scelte s = {
        {0, "Dall'alto in basso"}, {1, "Dal basso in alto"}, {2, "Non gestita"}};
    return s;
}

void riempiCombo(QComboBox* combo, const Scelte& scelte) {
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (const auto& [value, text] : scelte)
        combo->addItem(QString::fromStdString(text), value);
}

int valoreCombo(const QComboBox* combo) {
    return combo->currentIndex() < 0 ? 0 : combo->currentData().toInt();
}

void impostaCombo(QComboBox* combo, int value) {
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(combo->findData(value));
}

bool ItemHasActiveVariants(common::ItemCard& card) {
    if (campoArticolo(card, "MG66_FLGVARART") != 1)
        return false;
    db::Recordset rs;
    rs.open(common::SqlItemManagesVariants(card.companyCode(), card.currentItem()),
            card.connection());
    return rs.recordCount() > 0;
}

// -------------------------------------------------------------------- tab

AttivazioneVariantiTab::AttivazioneVariantiTab(common::ItemCard& card)
    : CardTab(card, common::kTabAttivazioneVarianti) {}

AttivazioneVariantiTab::~AttivazioneVariantiTab() {
    try {
        if (FME_VARIANTI)
            FME_VARIANTI->Release();
        if (GRD_VARIANTI)
            GRD_VARIANTI->SetDataSource(nullptr);
    } catch (...) {
    }
}

void AttivazioneVariantiTab::build(QWidget* page) {
    auto* layout = new QVBoxLayout(page);

    auto* diba = new QGroupBox(QStringLiteral("Distinta base"), page);
    auto* dl = new QGridLayout(diba);
    dl->addWidget(new QLabel(QStringLiteral("Modalit\u00e0 di generazione variante su DiBa"), diba),
                  0, 0);
    CBO_MODGENVARDIBA = new QComboBox(diba);
    CBO_MODGENVARDIBA->setObjectName("CBO_MODGENVARDIBA");
    dl->addWidget(CBO_MODGENVARDIBA, 0, 1);
    dl->addWidget(new QLabel(QStringLiteral("Modalit\u00e0 di ereditariet\u00e0 DiBa"), diba), 1,
                  0);
    CBO_MODEREDIBA = new QComboBox(diba);
    CBO_MODEREDIBA->setObjectName("CBO_MODEREDIBA");
    dl->addWidget(CBO_MODEREDIBA, 1, 1);
    dl->addWidget(new QLabel(QStringLiteral("Codice regola"), diba), 2, 0);
    TXT_CODREGOLA = new QLineEdit(diba);
    TXT_CODREGOLA->setObjectName("TXT_CODREGOLA");
    TXT_CODREGOLA->setMaxLength(20);
    dl->addWidget(TXT_CODREGOLA, 2, 1);
    dl->setColumnStretch(2, 1);
    layout->addWidget(diba);

    FRAME_RAGGR = new QGroupBox(QStringLiteral("Varianti gestite"), page);
    FRAME_RAGGR->setObjectName("FRAME_RAGGR");
    auto* fl = new QGridLayout(FRAME_RAGGR);
    GRD_VARIANTI = new controls::DataGrid(FRAME_RAGGR);
    GRD_VARIANTI->setObjectName("GRD_VARIANTI");
    GRD_VARIANTI->SetReadOnly(true);
    fl->addWidget(GRD_VARIANTI, 0, 0, 1, 4);
    GRIDNAV_VARIANTI = new controls::GridNavigator(FRAME_RAGGR);
    GRIDNAV_VARIANTI->setObjectName("GRIDNAV_VARIANTI");
    fl->addWidget(GRIDNAV_VARIANTI, 1, 0, 1, 4);
    CHK_FLGGESTVAR = new QCheckBox(QStringLiteral("Gestione &subvariante"), FRAME_RAGGR);
    CHK_FLGGESTVAR->setObjectName("CHK_FLGGESTVAR");
    fl->addWidget(CHK_FLGGESTVAR, 2, 0);
    fl->addWidget(new QLabel(QStringLiteral("Variante obbligatoria"), FRAME_RAGGR), 3, 0);
    CBO_INDOBBLIG = new QComboBox(FRAME_RAGGR);
    CBO_INDOBBLIG->setObjectName("CBO_INDOBBLIG");
    fl->addWidget(CBO_INDOBBLIG, 3, 1);
    fl->addWidget(new QLabel(QStringLiteral("Valore predefinito variante"), FRAME_RAGGR), 4, 0);
    CBO_INDDEFAULT = new QComboBox(FRAME_RAGGR);
    CBO_INDDEFAULT->setObjectName("CBO_INDDEFAULT");
    fl->addWidget(CBO_INDDEFAULT, 4, 1);
    fl->addWidget(new QLabel(QStringLiteral("Valore predefinito"), FRAME_RAGGR), 5, 0);
    TXT_VALDEFAULT = new controls::LookupBox(FRAME_RAGGR);
    TXT_VALDEFAULT->setObjectName("TXT_VALDEFAULT");
    TXT_VALDEFAULT->SetMaxLength(20);
    TXT_VALDEFAULT->SetUpperCase(true);
    TXT_VALDEFAULT->SetConnection(&card().connection());
    fl->addWidget(TXT_VALDEFAULT, 5, 1);
    LBL_DECVAR = new QLabel(FRAME_RAGGR);
    LBL_DECVAR->setObjectName("LBL_DECVAR");
    fl->addWidget(LBL_DECVAR, 5, 2, 1, 2);
    fl->addWidget(new QLabel(QStringLiteral("Attribuzione subvariante su DiBa"), FRAME_RAGGR), 6,
                  0);
    CBO_INDEREDIBA = new QComboBox(FRAME_RAGGR);
    CBO_INDEREDIBA->setObjectName("CBO_INDEREDIBA");
    fl->addWidget(CBO_INDEREDIBA, 6, 1);
    fl->setColumnStretch(3, 1);
    fl->setRowStretch(0, 1);
    layout->addWidget(FRAME_RAGGR, 1);

    FME_VARIANTI = new controls::RecordFrame(page);
    FME_VARIANTI->SetName(QStringLiteral("FME_VARIANTI"));
    FME_VARIANTI->SetRecordDescription(QStringLiteral("le varianti dell'articolo"));
    FME_VARIANTI->SetAllowInsert(false);
    FME_VARIANTI->SetAllowDelete(false);
    common::WindowServices& ws = card().services();
    common::routeFrameMessages(ws, *FME_VARIANTI,
                               [&ws] { return ws.TraduciTesto(kTitolo, 50877); });

    CaricaListeCombo();
    InitGRD_VARIANTI();

    // The save rewrites the item's rows instead of updating them one by one.
    QObject::connect(FME_VARIANTI, &controls::RecordFrame::beforeUpdate, page,
                     [this](bool& cancel) { cancel = !Grst_MG6B_UpdateBatchAll(); });
    QObject::connect(FME_VARIANTI, &controls::RecordFrame::afterUpdate, page,
                     [this](bool success) { FME_VARIANTI_AfterUpdate(success); });
    QObject::connect(FME_VARIANTI, &controls::RecordFrame::changeStatus, page,
                     [this](int) { FME_VARIANTI_ChangeStatus(); });
    QObject::connect(GRD_VARIANTI, &controls::DataGrid::rowChanged, page, [this](long, long) {
        abilitaControlliRiga();
        TXT_VALDEFAULT_StartDecode();
    });
    // Rows offered to an item without any are stored by Conferma, changed or not.
    QObject::connect(GRIDNAV_VARIANTI, &controls::GridNavigator::beforeButtonClick, page,
                     [this](const QString& key, bool&) {
                         if (key == QLatin1String("Conferma") && rs_ && rs_->isOpen() &&
                             rs_->source() != itemVariantsSql(card()))
                             FME_VARIANTI->Change();
                     });
    QObject::connect(CHK_FLGGESTVAR, &QCheckBox::clicked, page, [this] { CHK_FLGGESTVAR_Click(); });
    QObject::connect(CBO_INDDEFAULT, &QComboBox::activated, page,
                     [this](int) { CBO_INDDEFAULT_Click(); });
    QObject::connect(TXT_VALDEFAULT, &controls::LookupBox::startLookup, page,
                     [this](bool&) { TXT_VALDEFAULT_StartLookup(); });
    QObject::connect(TXT_VALDEFAULT, &controls::LookupBox::startDecode, page,
                     [this](bool&) { TXT_VALDEFAULT_StartDecode(); });
    QObject::connect(TXT_VALDEFAULT, &controls::LookupBox::afterItem, page, [this] {
        LBL_DECVAR->setText(QString::fromStdString(
            common::NzStringa(TXT_VALDEFAULT->ItemValue(QStringLiteral("MG5E_DESCR")))));
    });
    QObject::connect(CBO_MODGENVARDIBA, &QComboBox::activated, page,
                     [this](int) { CBO_MODGENVARDIBA_Click(); });
    QObject::connect(CBO_MODEREDIBA, &QComboBox::activated, page,
                     [this](int) { CBO_MODEREDIBA_Click(); });
    QObject::connect(TXT_CODREGOLA, &QLineEdit::editingFinished, page,
                     [this] { TXT_CODREGOLA_Validate(); });
    if (QCheckBox* chk = card().CHK_FLGVARART())
        QObject::connect(chk, &QCheckBox::clicked, page, [this] { CHK_FLGVARART_Click(); });
}

void AttivazioneVariantiTab::CaricaListeCombo() {
    riempiCombo(CBO_INDOBBLIG, scelteIndicatore());
    riempiCombo(CBO_INDDEFAULT, scelteIndicatore());
    riempiCombo(CBO_INDEREDIBA, scelteEreditaDiba());
    riempiCombo(CBO_MODGENVARDIBA, scelteGenerazioneDiba());
    riempiCombo(CBO_MODEREDIBA, scelteModoEreditaDiba());
}

void AttivazioneVariantiTab::InitGRD_VARIANTI() {
    Procedure p(card(), "InitGRD_VARIANTI");
    p.step([&] {
        common::WindowServices& ws = card().services();
        std::vector<std::pair<db::Value, QString>> brevi = {
            {db::Value(0), QString::fromStdString(ws.TraduciTesto("No", 39318))},
            {db::Value(1), QString::fromStdString(ws.TraduciTesto("Si", 52384))},
            {db::Value(2), QString::fromStdString(ws.TraduciTesto("Param. gen.", 67921))}};
        controls::GridColumns& cols = GRD_VARIANTI->Columns();
        cols.Clear();
        cols.Add("MG6B_FLGGESTVAR", QStringLiteral("Attiva"))
            .SetKind(controls::CellKind::Check)
            .SetWidth(48);
        cols.Add("MG5F_DESCR_VAR", QStringLiteral("Descrizione variante")).SetWidth(160);
        cols.Add("MG6B_CODRAGGVAR_MG5G", QStringLiteral("Cod. raggr.")).SetWidth(110);
        cols.Add("MG5G_DESCRRAGGVAR", QStringLiteral("Descrizione raggruppamento")).SetWidth(220);
        cols.Add("MG6B_INDOBBLIG", QStringLiteral("Obblig."))
            .SetKind(controls::CellKind::Combo)
            .SetValueList(brevi)
            .SetWidth(90);
        cols.Add("MG6B_INDDEFAULT", QStringLiteral("Def."))
            .SetKind(controls::CellKind::Combo)
            .SetValueList(brevi)
            .SetWidth(90);
        cols.Add("MG6B_VARDEFAULT", QStringLiteral("Val. def.")).SetWidth(90);
        ws.TraduciColonne(GRD_VARIANTI);
    });
}

void AttivazioneVariantiTab::clear() {
    if (!GRD_VARIANTI)
        return;
    GRD_VARIANTI->SetDataSource(nullptr);
    InitGRD_VARIANTI();
}

void AttivazioneVariantiTab::release() {
    // Pending edits are saved or dropped as the user answers, never lost unasked.
    common::releaseQuietly([&] { ChiudiFrameworkVarianti(); });
}

void AttivazioneVariantiTab::itemShown() {
    if (!card().isLoaded(index()))
        common::concludeBeforeReload(card().services(), FME_VARIANTI, "ChiudiFrameworkVarianti");
    if (FRAME_RAGGR && card().CHK_FLGVARART())
        FRAME_RAGGR->setEnabled(card().CHK_FLGVARART()->isChecked());
}

void AttivazioneVariantiTab::newSearch() {
    common::concludeBeforeReload(card().services(), FME_VARIANTI, "ChiudiFrameworkVarianti");
}

void AttivazioneVariantiTab::load() {
    if (card().isLoaded(index()))
        return;
    Procedure p(card(), loaderName());
    p.step([&] { common::ShowProgress(card(), "Caricamento in corso...", 10044); });
    // Before PulisciTab detaches the grid the edit is read from.
    p.step([&] {
        common::concludeBeforeReload(card().services(), FME_VARIANTI, "ChiudiFrameworkVarianti");
    });
    p.step([&] { card().PulisciTab(index()); });
    p.step([&] {
        db::Recordset* item = card().itemRecordset();
        const bool riga = haRiga(item);
        impostaCombo(CBO_MODGENVARDIBA,
                     riga ? numeroDi(common::NzNumero(item->value("MG66_INDGENVARDIBA"))) : 0);
        impostaCombo(CBO_MODEREDIBA,
                     riga ? numeroDi(common::NzNumero(item->value("MG66_INDVARERIDIBA"))) : 0);
        TXT_CODREGOLA->setText(QString::fromStdString(
            riga ? common::NzValore(item->value("MG66_CODREGOLA"), std::string()) : ""));
        FRAME_RAGGR->setEnabled(riga && numeroDi(item->value("MG66_FLGVARART")) == 1);
    });
    p.step([&] { ChiudiFrameworkVarianti(); });
    p.step([&] { AttivaFrameworkVarianti(); });
    p.step([&] { card().setLoadedItem(index()); });
    common::HideProgress(card());
}

void AttivazioneVariantiTab::AttivaFrameworkVarianti() {
    Procedure p(card(), "AttivaFrameworkVarianti");
    p.onAbort([&] { ChiudiFrameworkVarianti(); });
    p.step([&] {
        auto rs = std::make_unique<db::Recordset>();
        articoloRighe_ = card().currentItem();
        rs->open(itemVariantsSql(card()), card().connection());
        // An item without rows of its own (made outside the item master) is
        // offered one row per variant of the company, to be stored by the
        // first save.
        if (rs->recordCount() == 0) {
            rs->close();
            rs->open(sqlCompanyVariantsForItem(card().companyCode(), card().currentItem()),
                     card().connection());
        }
        if (rs->recordCount() > 0)
            rs->moveFirst();
        rs_ = std::move(rs);
    });
    p.step([&] {
        FME_VARIANTI->Bind(&card().connection(), rs_.get(), "MG6B_CODICEVAR_MG5F");
        FME_VARIANTI->BindControl(CHK_FLGGESTVAR, "MG6B_FLGGESTVAR");
        FME_VARIANTI->BindControl(CBO_INDOBBLIG, "MG6B_INDOBBLIG");
        FME_VARIANTI->BindControl(CBO_INDDEFAULT, "MG6B_INDDEFAULT");
        FME_VARIANTI->BindControl(TXT_VALDEFAULT, "MG6B_VARDEFAULT",
                                  {QStringLiteral("Valore predefinito"), false, true});
        FME_VARIANTI->BindControl(CBO_INDEREDIBA, "MG6B_INDEREDIBA");
        FME_VARIANTI->SetGrid(GRD_VARIANTI);
        // Its save rewrites all the item's rows: moving between them asks nothing.
        FME_VARIANTI->SetConcludeOnRowChange(false);
        FME_VARIANTI->SetNavigator(GRIDNAV_VARIANTI);
        GRD_VARIANTI->SetDataSource(rs_.get());
        FME_VARIANTI_ChangeStatus();
        abilitaControlliRiga();
        TXT_VALDEFAULT_StartDecode();
    });
}

bool AttivazioneVariantiTab::ChiudiFrameworkVarianti() {
    const bool chiuso =
        common::concludeBeforeReload(card().services(), FME_VARIANTI, "ChiudiFrameworkVarianti");
    if (FME_VARIANTI)
        FME_VARIANTI->Release();
    if (GRD_VARIANTI)
        GRD_VARIANTI->SetDataSource(nullptr);
    if (GRIDNAV_VARIANTI) {
        GRIDNAV_VARIANTI->SetFrame(nullptr);
        GRIDNAV_VARIANTI->SetGrid(nullptr);
    }
    common::ChiudiRecordset(rs_);
    return chiuso;
}

bool AttivazioneVariantiTab::selezionaVariante(const std::string& variante) {
    if (!rs_ || !GRD_VARIANTI)
        return false;
    const int f = rs_->fieldIndex("MG6B_CODICEVAR_MG5F");
    for (long r = 0; r < rs_->recordCount(); ++r)
        if (common::NzStringa(rs_->valueAt(r, f)) == variante) {
            GRD_VARIANTI->SetCurrentRow(r);
            return true;
        }
    return false;
}

void AttivazioneVariantiTab::FME_VARIANTI_ChangeStatus() {
    // Rows are neither added nor opened here.
    for (const char* key : {"Nuovo", "Apri"})
        GRIDNAV_VARIANTI->SetButtonEnabled(QString::fromLatin1(key), false);
}

void AttivazioneVariantiTab::abilitaControlliRiga() {
    const bool riga = haRiga(rs_.get());
    CHK_FLGGESTVAR->setEnabled(riga);
    const bool attiva = riga && CHK_FLGGESTVAR->isChecked();
    CBO_INDOBBLIG->setEnabled(attiva);
    CBO_INDDEFAULT->setEnabled(attiva);
    CBO_INDEREDIBA->setEnabled(attiva);
    TXT_VALDEFAULT->setEnabled(attiva && valoreCombo(CBO_INDDEFAULT) == 1);
}

// ----------------------------------------------------------------- saving

bool AttivazioneVariantiTab::FME_VARIANTI_Update() {
    if (haRiga(rs_.get())) {
        // Saving without a change still rewrites the rows, as the frame's
        // save of an unchanged record would not.
        FME_VARIANTI->Change();
        return FME_VARIANTI->Update();
    }
    const bool ok = Grst_MG6B_UpdateBatchAll();
    FME_VARIANTI_AfterUpdate(ok);
    return ok;
}

bool AttivazioneVariantiTab::Grst_MG6B_UpdateBatchAll() {
    if (!rs_ || !rs_->isOpen())
        return false;
    common::WindowServices& ws = card().services();
    db::Connection& cn = card().connection();
    const std::string& ditta = card().companyCode();
    // The item the rows were read for: the one shown, unless the edit is
    // concluded as another item comes.
    const std::string articolo = articoloRighe_;

    std::vector<ItemVariantRow> righe;
    // The whole rewrite deletes and inserts the item's rows, yet adds and
    // removes nothing the user sees: a change.
    const common::DeclaredWrite change(common::WriteKind::Change);
    Procedure p(card(), "Grst_MG6B_UpdateBatchAll");
    p.step([&] {
        const int fVar = rs_->fieldIndex("MG6B_CODICEVAR_MG5F");
        const int fFlg = rs_->fieldIndex("MG6B_FLGGESTVAR");
        const int fRag = rs_->fieldIndex("MG6B_CODRAGGVAR_MG5G");
        const int fObb = rs_->fieldIndex("MG6B_INDOBBLIG");
        const int fDef = rs_->fieldIndex("MG6B_INDDEFAULT");
        const int fVdf = rs_->fieldIndex("MG6B_VARDEFAULT");
        const int fEre = rs_->fieldIndex("MG6B_INDEREDIBA");
        for (long r = 0; r < rs_->recordCount(); ++r) {
            // A blank grouping is no grouping: NULL, not an empty text.
            righe.push_back({common::NzStringa(rs_->valueAt(r, fVar)),
                             numero(rs_->valueAt(r, fFlg)), common::NzValore(rs_->valueAt(r, fRag)),
                             numero(rs_->valueAt(r, fObb)), numero(rs_->valueAt(r, fDef)),
                             common::NzStringa(rs_->valueAt(r, fVdf)),
                             numero(rs_->valueAt(r, fEre))});
        }
    });
    if (!p.running() || p.failed())
        return false;
    // Values that do not fit their column are refused before anything is written.
    for (const ItemVariantRow& r : righe) {
        if (QString::fromStdString(r.defaultOption).size() > 20) {
            ws.VisualizzaMessaggio("Il valore predefinito della variante " + r.variant +
                                       " non pu\xC3\xB2 superare 20 caratteri.",
                                   0, common::vbExclamation, ws.TraduciTesto(kTitolo, 50877));
            return false;
        }
    }

    {
        std::vector<std::pair<std::string, std::string>> defaults;
        for (const ItemVariantRow& r : righe)
            defaults.emplace_back(r.variant, r.defaultOption);
        if (!defaultOptionsDecode(defaults))
            return false;
    }

    common::beginWhole(p, cn);
    p.step([&] { cn.execute(sqlDeleteItemVariants(ditta, articolo)); });
    for (const ItemVariantRow& r : righe)
        p.step([&] { cn.execute(sqlInsertItemVariant(ditta, articolo, r)); });
    // A statement skipped after an error (ignore) would leave the item
    // without that variant's row, which this tab cannot add back: the rows
    // are rewritten whole or not at all, and the edit stays to be saved again.
    if (p.running() && p.skipped()) {
        common::rollbackQuietly(cn);
        return false;
    }
    p.step([&] { cn.commitTransaction(); });
    if (!p.running())
        return false;
    // The rows as now stored; nothing is left pending in the frame.
    p.step([&] {
        const std::string sql = sqlItemVariants(ditta, articolo);
        if (rs_->source() == sql) {
            rs_->requery();
        } else {
            rs_->close();
            rs_->open(sql, cn);
            if (rs_->recordCount() > 0)
                rs_->moveFirst();
        }
    });
    return p.running();
}

// A default option typed for a variant must be one of the variant's options:
// a value that does not decode is refused before anything is written. A
// value already stored is left as it is.
bool AttivazioneVariantiTab::defaultOptionsDecode(
    const std::vector<std::pair<std::string, std::string>>& rows) {
    common::WindowServices& ws = card().services();
    bool valid = true;
    Procedure p(card(), "Grst_MG6B_UpdateBatchAll");
    p.onAbort([&] { valid = false; });
    std::map<std::string, std::string> stored;
    p.step([&] {
        db::Recordset rs;
        rs.open(sqlStoredDefaultOptions(card().companyCode(), articoloRighe_), card().connection());
        for (long r = 0; r < rs.recordCount(); ++r)
            stored[common::NzStringa(rs.valueAt(r, 0))] = common::NzStringa(rs.valueAt(r, 1));
    });
    for (const auto& [var, vardef] : rows) {
        if (!valid || !p.running())
            break;
        const std::string value = common::NzValore(db::Value(vardef));
        if (value.empty() || (stored.count(var) && stored[var] == vardef))
            continue;
        p.step([&] {
            db::Recordset dec;
            dec.open(card().lookups().DecodeOption(var, value).sql, card().connection());
            if (dec.recordCount() > 0)
                return;
            valid = false;
            // The variant named as the user knows it: its caption on the row.
            std::string nome = var;
            if (selezionaVariante(var) && rs_->hasCurrentRow())
                if (const std::string d = common::NzStringa(rs_->value("MG5F_DESCR_VAR"));
                    !d.empty())
                    nome = d;
            ws.VisualizzaMessaggio("Il valore predefinito \"" + value +
                                       "\" non \xC3\xA8 un'opzione della variante " + nome + ".",
                                   kMsgNotAnOption, common::vbExclamation,
                                   ws.TraduciTesto(kTitolo, 50877),
                                   std::vector<db::Value>{db::Value(value), db::Value(nome)});
            if (TXT_VALDEFAULT->isEnabled())
                TXT_VALDEFAULT->setFocus();
        });
    }
    return valid && p.running();
}

void AttivazioneVariantiTab::FME_VARIANTI_AfterUpdate(bool success) {
    if (!success)
        return;
    card().clearLoadedItems({common::kTabAttivazioneVarianti, common::kTabGestioneVarianti,
                             common::kTabTrascodificaVarianti});
    card().ConfiguraSidebar(false);
}

// --------------------------------------------------------------- controls

void AttivazioneVariantiTab::CHK_FLGGESTVAR_Click() {
    if (card().loadedItem(index()).empty())
        return;
    const bool attiva = CHK_FLGGESTVAR->isChecked();
    CBO_INDOBBLIG->setEnabled(attiva);
    CBO_INDDEFAULT->setEnabled(attiva);
    CBO_INDEREDIBA->setEnabled(attiva);
    TXT_VALDEFAULT->setEnabled(attiva && valoreCombo(CBO_INDDEFAULT) == 1);
    card().clearLoadedItems({common::kTabGestioneVarianti, common::kTabTrascodificaVarianti,
                             common::kTabStatiCombinazione, common::kTabStatiStagione,
                             common::kTabStatiVariante});
}

void AttivazioneVariantiTab::CBO_INDDEFAULT_Click() {
    TXT_VALDEFAULT->setEnabled(valoreCombo(CBO_INDDEFAULT) == 1);
}

namespace {
// The item's own settings are written at once; a failure changes nothing
// and is not reported.
void aggiornaArticolo(common::ItemCard& card, const std::string& assegnazione) {
    try {
        card.connection().execute(
            sqlSetItemColumns(card.companyCode(), card.currentItem(), assegnazione));
    } catch (...) {
    }
}
}  // namespace

void AttivazioneVariantiTab::CBO_MODGENVARDIBA_Click() {
    aggiornaArticolo(card(),
                     "MG66_INDGENVARDIBA = " + std::to_string(valoreCombo(CBO_MODGENVARDIBA)));
}

void AttivazioneVariantiTab::CBO_MODEREDIBA_Click() {
    aggiornaArticolo(card(), "MG66_INDVARERIDIBA = " + std::to_string(valoreCombo(CBO_MODEREDIBA)));
}

void AttivazioneVariantiTab::TXT_CODREGOLA_Validate() {
    const std::string regola = common::BoxText(TXT_CODREGOLA);
    if (QString::fromStdString(regola).size() > 20) {
        common::WindowServices& ws = card().services();
        ws.VisualizzaMessaggio("Il codice regola non pu\xC3\xB2 superare 20 caratteri.", 91542,
                               common::vbExclamation, ws.TraduciTesto(kTitolo, 50877));
        return;
    }
    aggiornaArticolo(card(), "MG66_CODREGOLA = '" + common::RaddoppiaApici(regola) + "'");
}

void AttivazioneVariantiTab::TXT_VALDEFAULT_StartLookup() {
    if (!haRiga(rs_.get()))
        return;
    Procedure p(card(), "TXT_VALDEFAULT_StartLookup");
    p.step([&] {
        controls::ApplyLookup(
            *TXT_VALDEFAULT,
            card().lookups().Options(common::NzStringa(rs_->value("MG6B_CODICEVAR_MG5F"))));
    });
}

void AttivazioneVariantiTab::TXT_VALDEFAULT_StartDecode() {
    LBL_DECVAR->clear();
    if (!haRiga(rs_.get()))
        return;
    Procedure p(card(), "TXT_VALDEFAULT_StartDecode");
    p.step([&] {
        const std::string opz = common::BoxText(TXT_VALDEFAULT);
        const framework::LookupRequest request = card().lookups().DecodeOption(
            common::NzStringa(rs_->value("MG6B_CODICEVAR_MG5F")), opz);
        controls::ApplyDecode(*TXT_VALDEFAULT, request);
        if (opz.empty())
            return;
        // Shown at once, also when the row changes without the box being left.
        db::Recordset dec;
        dec.open(request.sql, card().connection());
        if (dec.recordCount() > 0)
            LBL_DECVAR->setText(QString::fromStdString(common::NzStringa(dec.value("MG5E_DESCR"))));
    });
}

void AttivazioneVariantiTab::CHK_FLGVARART_Click() {
    QCheckBox* chk = card().CHK_FLGVARART();
    if (!chk)
        return;
    // Without an item shown there is no row to write the flag into.
    if (!common::IsItemCode(card().currentItem())) {
        const QSignalBlocker quiet(chk);
        chk->setChecked(false);
        return;
    }
    const int valore = chk->isChecked() ? 1 : 0;
    db::Recordset* item = card().itemRecordset();
    Procedure p(card(), "CHK_FLGVARART_Click");
    p.onAbort([&] {
        // Nothing stays half-saved: the item row and the box go back.
        if (item)
            item->cancelBatch();
        chk->setChecked(campoArticolo(card(), "MG66_FLGVARART") == 1);
    });
    p.step([&] {
        if (!haRiga(item))
            return;
        if (valore == numeroDi(item->value("MG66_FLGVARART")))
            return;
        item->setValue("MG66_FLGVARART", db::Value(valore));
        item->updateBatch(db::Affect::All);
        card().ConfiguraSidebar(true);
    });
    if (FRAME_RAGGR)
        FRAME_RAGGR->setEnabled(chk->isChecked());
}

namespace {
const common::RegisteredTab<AttivazioneVariantiTab> registrazione(common::kTabAttivazioneVarianti);
}  // namespace

}  // namespace variants
