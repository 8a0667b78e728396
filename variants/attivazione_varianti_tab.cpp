#include "variants/attivazione_varianti_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/procedure.h"
#include "common/window_services.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "variants/record_grid.h"
#include "variants/sql_text.h"

namespace variants {

using common::Procedure;

namespace {

const char* const kTitolo = "Scheda articolo - varianti";

int numeroDi(const db::Value& v) {
    auto d = v.toDecimal();
    return d ? static_cast<int>(d->toInt64().value_or(0)) : 0;
}

int campoArticolo(common::ItemCard& card, const char* field) {
    db::Recordset* item = card.itemRecordset();
    if (!item || !item->isOpen() || item->eof() || item->bof())
        return 0;
    return numeroDi(item->value(field));
}

std::string codArt(common::ItemCard& card) {
    return raddoppiaApici(card.currentItem());
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
    combo->blockSignals(true);
    combo->clear();
    for (const auto& [value, text] : scelte)
        combo->addItem(QString::fromStdString(text), value);
    combo->blockSignals(false);
}

int valoreCombo(const QComboBox* combo) {
    return combo->currentIndex() < 0 ? 0 : combo->currentData().toInt();
}

void impostaCombo(QComboBox* combo, int value) {
    combo->blockSignals(true);
    combo->setCurrentIndex(combo->findData(value));
    combo->blockSignals(false);
}

bool ArticoloHaVariantiAttive(common::ItemCard& card) {
    if (campoArticolo(card, "MG66_FLGVARART") != 1)
        return false;
    db::Recordset rs;
    rs.open("SELECT TOP 1 1 FROM MG6B_GESVARART WHERE MG6B_DITTA_CG18 = " + card.companyCode() +
                " AND       MG6B_CODART_MG66 = '" + codArt(card) +
                "' AND       MG6B_FLGGESTVAR = 1",
            card.connection());
    return rs.recordCount() > 0;
}

// -------------------------------------------------------------------- tab

AttivazioneVariantiTab::AttivazioneVariantiTab(common::ItemCard& card)
    : CardTab(card, common::kTabAttivazioneVarianti, "Tab_AttivazioneVarianti") {}

AttivazioneVariantiTab::~AttivazioneVariantiTab() {
    if (GRD_VARIANTI)
        GRD_VARIANTI->setRecordset(nullptr);
}

void AttivazioneVariantiTab::build(QWidget* page) {
    auto* layout = new QVBoxLayout(page);

    auto* diba = new QGroupBox(QStringLiteral("Distinta base"), page);
    auto* dl = new QGridLayout(diba);
    dl->addWidget(
        new QLabel(QString::fromUtf8("Modalit\u00e0 di generazione variante su DiBa"), diba), 0, 0);
    CBO_MODGENVARDIBA = new QComboBox(diba);
    CBO_MODGENVARDIBA->setObjectName("CBO_MODGENVARDIBA");
    dl->addWidget(CBO_MODGENVARDIBA, 0, 1);
    dl->addWidget(new QLabel(QString::fromUtf8("Modalit\u00e0 di ereditariet\u00e0 DiBa"), diba), 1,
                  0);
    CBO_MODEREDIBA = new QComboBox(diba);
    CBO_MODEREDIBA->setObjectName("CBO_MODEREDIBA");
    dl->addWidget(CBO_MODEREDIBA, 1, 1);
    dl->addWidget(new QLabel(QStringLiteral("Codice regola"), diba), 2, 0);
    TXT_CODREGOLA = new QLineEdit(diba);
    TXT_CODREGOLA->setObjectName("TXT_CODREGOLA");
    TXT_CODREGOLA->setMaxLength(20);
    dl->addWidget(TXT_CODREGOLA, 2, 1);
    layout->addWidget(diba);

    FRAME_RAGGR = new QGroupBox(page);
    FRAME_RAGGR->setObjectName("FRAME_RAGGR");
    auto* fl = new QGridLayout(FRAME_RAGGR);
    GRD_VARIANTI = new RecordGrid(FRAME_RAGGR);
    GRD_VARIANTI->setObjectName("GRD_VARIANTI");
    fl->addWidget(GRD_VARIANTI, 0, 0, 1, 4);
    CHK_FLGGESTVAR = new QCheckBox(QStringLiteral("Gestione &subvariante"), FRAME_RAGGR);
    fl->addWidget(CHK_FLGGESTVAR, 1, 0);
    fl->addWidget(new QLabel(QStringLiteral("Variante obbligatoria"), FRAME_RAGGR), 2, 0);
    CBO_INDOBBLIG = new QComboBox(FRAME_RAGGR);
    fl->addWidget(CBO_INDOBBLIG, 2, 1);
    fl->addWidget(new QLabel(QStringLiteral("Valore predefinito variante"), FRAME_RAGGR), 3, 0);
    CBO_INDDEFAULT = new QComboBox(FRAME_RAGGR);
    fl->addWidget(CBO_INDDEFAULT, 3, 1);
    fl->addWidget(new QLabel(QStringLiteral("Valore predefinito"), FRAME_RAGGR), 4, 0);
    TXT_VALDEFAULT = new QLineEdit(FRAME_RAGGR);
    TXT_VALDEFAULT->setMaxLength(20);
    fl->addWidget(TXT_VALDEFAULT, 4, 1);
    LBL_DECVAR = new QLabel(FRAME_RAGGR);
    fl->addWidget(LBL_DECVAR, 4, 2);
    fl->addWidget(new QLabel(QStringLiteral("Attribuzione subvariante su DiBa"), FRAME_RAGGR), 5,
                  0);
    CBO_INDEREDIBA = new QComboBox(FRAME_RAGGR);
    fl->addWidget(CBO_INDEREDIBA, 5, 1);
    CMD_CONFERMA = new QPushButton(QStringLiteral("Conferma"), FRAME_RAGGR);
    fl->addWidget(CMD_CONFERMA, 6, 3);
    layout->addWidget(FRAME_RAGGR, 1);

    CaricaListeCombo();
    InitGRD_VARIANTI();

    QObject::connect(CHK_FLGGESTVAR, &QCheckBox::clicked, page, [this] { CHK_FLGGESTVAR_Click(); });
    QObject::connect(CBO_INDDEFAULT, &QComboBox::activated, page, [this](int) {
        scriviCampo("MG6B_INDDEFAULT", valoreCombo(CBO_INDDEFAULT));
        CBO_INDDEFAULT_Click();
    });
    QObject::connect(CBO_INDOBBLIG, &QComboBox::activated, page,
                     [this](int) { scriviCampo("MG6B_INDOBBLIG", valoreCombo(CBO_INDOBBLIG)); });
    QObject::connect(CBO_INDEREDIBA, &QComboBox::activated, page,
                     [this](int) { scriviCampo("MG6B_INDEREDIBA", valoreCombo(CBO_INDEREDIBA)); });
    QObject::connect(TXT_VALDEFAULT, &QLineEdit::textEdited, page, [this](const QString& t) {
        // Shown in upper case, as the options are coded.
        if (t != t.toUpper()) {
            int pos = TXT_VALDEFAULT->cursorPosition();
            TXT_VALDEFAULT->setText(t.toUpper());
            TXT_VALDEFAULT->setCursorPosition(pos);
        }
        if (rs_ && !caricando_ && !rs_->eof() && !rs_->bof())
            rs_->setValue("MG6B_VARDEFAULT", db::Value(TXT_VALDEFAULT->text().toStdString()));
    });
    QObject::connect(TXT_VALDEFAULT, &QLineEdit::editingFinished, page,
                     [this] { TXT_VALDEFAULT_StartDecode(); });
    QObject::connect(CBO_MODGENVARDIBA, &QComboBox::activated, page,
                     [this](int) { CBO_MODGENVARDIBA_Click(); });
    QObject::connect(CBO_MODEREDIBA, &QComboBox::activated, page,
                     [this](int) { CBO_MODEREDIBA_Click(); });
    QObject::connect(TXT_CODREGOLA, &QLineEdit::editingFinished, page,
                     [this] { TXT_CODREGOLA_Validate(); });
    QObject::connect(GRD_VARIANTI, &RecordGrid::rowChanged, page, [this](long) { mostraRiga(); });
    QObject::connect(GRD_VARIANTI, &RecordGrid::checkToggled, page, [this](long, const QString&) {
        mostraRiga();
        CHK_FLGGESTVAR_Click();
    });
    QObject::connect(CMD_CONFERMA, &QPushButton::clicked, page, [this] { FME_VARIANTI_Update(); });
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
        Scelte brevi = {{0, ws.TraduciTesto("No", 39318)},
                        {1, ws.TraduciTesto("Si", 52384)},
                        {2, ws.TraduciTesto("Param. gen.", 67921)}};
        using K = GridColumn::Kind;
        GRD_VARIANTI->setColumns({{"MG6B_FLGGESTVAR", "Attiva", K::Check},
                                  {"MG5F_DESCR_VAR", "Descrizione variante", K::Text},
                                  {"MG6B_CODRAGGVAR_MG5G", "Cod. raggr.", K::Text},
                                  {"MG5G_DESCRRAGGVAR", "Descrizione raggruppamento", K::Text},
                                  {"MG6B_INDOBBLIG", "Obblig.", K::ValueList, brevi},
                                  {"MG6B_INDDEFAULT", "Def.", K::ValueList, brevi},
                                  {"MG6B_VARDEFAULT", "Val. def.", K::Text}},
                                 "MG6B_CODICEVAR_MG5F");
    });
}

void AttivazioneVariantiTab::clear() {
    if (!GRD_VARIANTI)
        return;
    InitGRD_VARIANTI();
    GRD_VARIANTI->setRecordset(nullptr);
}

void AttivazioneVariantiTab::release() {
    try {
        ChiudiFrameworkVarianti();
    } catch (...) {
    }
}

void AttivazioneVariantiTab::itemShown() {
    if (FRAME_RAGGR && card().CHK_FLGVARART())
        FRAME_RAGGR->setEnabled(card().CHK_FLGVARART()->isChecked());
}

void AttivazioneVariantiTab::load() {
    if (card().isLoaded(index()))
        return;
    Procedure p(card(), "Tab_AttivazioneVarianti");
    p.step([&] { card().PulisciTab(index()); });
    p.step([&] {
        db::Recordset* item = card().itemRecordset();
        bool riga = item && item->isOpen() && !item->eof() && !item->bof();
        impostaCombo(CBO_MODGENVARDIBA, riga ? numeroDi(item->value("MG66_INDGENVARDIBA")) : 0);
        impostaCombo(CBO_MODEREDIBA, riga ? numeroDi(item->value("MG66_INDVARERIDIBA")) : 0);
        TXT_CODREGOLA->setText(
            QString::fromStdString(riga ? testo(item->value("MG66_CODREGOLA")) : ""));
        if (FRAME_RAGGR)
            FRAME_RAGGR->setEnabled(riga && numeroDi(item->value("MG66_FLGVARART")) == 1);
    });
    p.step([&] { ChiudiFrameworkVarianti(); });
    p.step([&] { AttivaFrameworkVarianti(); });
    p.step([&] { card().setLoadedItem(index()); });
}

void AttivazioneVariantiTab::AttivaFrameworkVarianti() {
    Procedure p(card(), "AttivaFrameworkVarianti");
    p.onAbort([&] {
        if (GRD_VARIANTI)
            GRD_VARIANTI->setRecordset(nullptr);
        rs_.reset();
    });
    p.step([&] {
        auto rs = std::make_unique<db::Recordset>();
        rs->open(
            "SELECT * FROM MG6B_GESVARART\nINNER JOIN MG5F_DIMECONF\nON MG5F_DITTA_CG18 = "
            "MG6B_DITTA_CG18 AND\n   MG5F_CODICEVAR  = MG6B_CODICEVAR_MG5F\nLEFT OUTER JOIN "
            "MG5G_RAGGVAR\nON MG5G_DITTA_CG18     = MG6B_DITTA_CG18     AND\n   "
            "MG5G_CODICEVAR_MG5F = MG6B_CODICEVAR_MG5F AND\n   MG5G_CODRAGGVAR     = "
            "MG6B_CODRAGGVAR_MG5G\nWHERE MG6B_DITTA_CG18 = " +
                card().companyCode() + " AND\n      MG6B_CODART_MG66 = '" + codArt(card()) +
                "'\nORDER BY MG6B_CODICEVAR_MG5F",
            card().connection());
        rs_ = std::move(rs);
    });
    p.step([&] {
        GRD_VARIANTI->setRecordset(rs_.get());
        if (rs_->recordCount() > 0) {
            rs_->moveFirst();
            GRD_VARIANTI->selectRow(0);
        }
        mostraRiga();
    });
}

bool AttivazioneVariantiTab::ChiudiFrameworkVarianti() {
    if (GRD_VARIANTI)
        GRD_VARIANTI->setRecordset(nullptr);
    if (rs_ && rs_->isOpen())
        rs_->close();
    rs_.reset();
    return true;
}

void AttivazioneVariantiTab::mostraRiga() {
    caricando_ = true;
    bool riga = rs_ && rs_->isOpen() && !rs_->eof() && !rs_->bof();
    CHK_FLGGESTVAR->setChecked(riga && numeroDi(rs_->value("MG6B_FLGGESTVAR")) == 1);
    impostaCombo(CBO_INDOBBLIG, riga ? numeroDi(rs_->value("MG6B_INDOBBLIG")) : 0);
    impostaCombo(CBO_INDDEFAULT, riga ? numeroDi(rs_->value("MG6B_INDDEFAULT")) : 0);
    impostaCombo(CBO_INDEREDIBA, riga ? numeroDi(rs_->value("MG6B_INDEREDIBA")) : 0);
    TXT_VALDEFAULT->setText(
        QString::fromStdString(riga ? testo(rs_->value("MG6B_VARDEFAULT")) : ""));
    LBL_DECVAR->clear();
    CHK_FLGGESTVAR->setEnabled(riga);
    abilitaControlliRiga();
    caricando_ = false;
}

void AttivazioneVariantiTab::abilitaControlliRiga() {
    bool attiva = CHK_FLGGESTVAR->isEnabled() && CHK_FLGGESTVAR->isChecked();
    CBO_INDOBBLIG->setEnabled(attiva);
    CBO_INDDEFAULT->setEnabled(attiva);
    CBO_INDEREDIBA->setEnabled(attiva);
    TXT_VALDEFAULT->setEnabled(attiva && valoreCombo(CBO_INDDEFAULT) == 1);
}

void AttivazioneVariantiTab::scriviCampo(const char* field, int value) {
    if (caricando_ || !rs_ || !rs_->isOpen() || rs_->eof() || rs_->bof())
        return;
    rs_->setValue(field, db::Value(value));
}

// ----------------------------------------------------------------- saving

bool AttivazioneVariantiTab::FME_VARIANTI_Update() {
    bool ok = Grst_MG6B_UpdateBatchAll();
    FME_VARIANTI_AfterUpdate(ok);
    return ok;
}

bool AttivazioneVariantiTab::Grst_MG6B_UpdateBatchAll() {
    if (!rs_ || !rs_->isOpen())
        return false;
    common::WindowServices& ws = card().services();
    db::Connection& cn = card().connection();
    const std::string& ditta = card().companyCode();
    const std::string articolo = codArt(card());

    struct Riga {
        std::string var, flg, raggr, obblig, def, vardef, eredita;
    };
    std::vector<Riga> righe;
    Procedure p(card(), "Grst_MG6B_UpdateBatchAll");
    p.step([&] {
        int fVar = rs_->fieldIndex("MG6B_CODICEVAR_MG5F");
        int fFlg = rs_->fieldIndex("MG6B_FLGGESTVAR");
        int fRag = rs_->fieldIndex("MG6B_CODRAGGVAR_MG5G");
        int fObb = rs_->fieldIndex("MG6B_INDOBBLIG");
        int fDef = rs_->fieldIndex("MG6B_INDDEFAULT");
        int fVdf = rs_->fieldIndex("MG6B_VARDEFAULT");
        int fEre = rs_->fieldIndex("MG6B_INDEREDIBA");
        for (long r = 0; r < rs_->recordCount(); ++r) {
            std::string raggr = testo(rs_->valueAt(r, fRag));
            righe.push_back({testo(rs_->valueAt(r, fVar)), numero(rs_->valueAt(r, fFlg)),
                             trim(raggr).empty() ? "NULL" : "'" + raddoppiaApici(raggr) + "'",
                             numero(rs_->valueAt(r, fObb)), numero(rs_->valueAt(r, fDef)),
                             testo(rs_->valueAt(r, fVdf)), numero(rs_->valueAt(r, fEre))});
        }
    });
    if (!p.running())
        return false;
    // Values that do not fit their column are refused before anything is written.
    for (const Riga& r : righe) {
        if (QString::fromStdString(r.vardef).size() > 20) {
            ws.VisualizzaMessaggio("Il valore predefinito della variante " + r.var +
                                       " non pu\xC3\xB2 superare 20 caratteri.",
                                   0, common::vbExclamation, ws.TraduciTesto(kTitolo, 50877));
            return false;
        }
    }

    p.onAbort([&] { cn.rollbackTransaction(); });
    p.step([&] { cn.beginTransaction(); });
    p.step([&] {
        cn.execute("DELETE FROM MG6B_GESVARART WHERE MG6B_DITTA_CG18 = " + ditta +
                   " AND       MG6B_CODART_MG66 = '" + articolo + "'");
    });
    for (const Riga& r : righe) {
        p.step([&] {
            cn.execute(
                "INSERT INTO MG6B_GESVARART (   MG6B_DITTA_CG18, MG6B_CODART_MG66, "
                "MG6B_CODICEVAR_MG5F, MG6B_FLGGESTVAR, MG6B_CODRAGGVAR_MG5G,    MG6B_INDOBBLIG, "
                "MG6B_INDDEFAULT, MG6B_VARDEFAULT, MG6B_INDEREDIBA) VALUES (" +
                ditta + ", '" + articolo + "', '" + raddoppiaApici(r.var) + "', " + r.flg + ", " +
                r.raggr + ", " + r.obblig + ", " + r.def + ", '" + raddoppiaApici(r.vardef) +
                "', " + r.eredita + ")");
        });
    }
    p.step([&] { cn.commitTransaction(); });
    if (!p.running())
        return false;
    rs_->cancelBatch();
    return !p.failed();
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
    if (!caricando_)
        scriviCampo("MG6B_FLGGESTVAR", CHK_FLGGESTVAR->isChecked() ? 1 : 0);
    abilitaControlliRiga();
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
        card.connection().execute("UPDATE MG66_ANAGRART SET " + assegnazione +
                                  " WHERE MG66_DITTA_CG18 = " + card.companyCode() +
                                  " AND       MG66_CODART     = '" + codArt(card) + "'");
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
    std::string regola = rtrim(TXT_CODREGOLA->text().toStdString());
    if (TXT_CODREGOLA->text().trimmed().isEmpty())
        regola.clear();
    if (QString::fromStdString(regola).size() > 20) {
        common::WindowServices& ws = card().services();
        ws.VisualizzaMessaggio("Il codice regola non pu\xC3\xB2 superare 20 caratteri.", 0,
                               common::vbExclamation, ws.TraduciTesto(kTitolo, 50877));
        return;
    }
    aggiornaArticolo(card(), "MG66_CODREGOLA = '" + raddoppiaApici(regola) + "'");
}

void AttivazioneVariantiTab::TXT_VALDEFAULT_StartDecode() {
    if (!rs_ || !rs_->isOpen() || rs_->eof() || rs_->bof())
        return;
    Procedure p(card(), "TXT_VALDEFAULT_StartDecode");
    p.step([&] {
        LBL_DECVAR->clear();
        std::string opz = rtrim(TXT_VALDEFAULT->text().toStdString());
        if (opz.empty())
            return;
        db::Recordset dec;
        dec.open("SELECT MG5E_DESCR FROM MG5E_OPZIONI WITH (NOLOCK) WHERE MG5E_DITTA_CG18 = " +
                     card().companyCode() + " AND MG5E_CODICEVAR_MG5F = '" +
                     raddoppiaApici(testo(rs_->value("MG6B_CODICEVAR_MG5F"))) +
                     "' AND MG5E_OPZIONE = '" + raddoppiaApici(opz) + "'",
                 card().connection());
        if (dec.recordCount() > 0)
            LBL_DECVAR->setText(QString::fromStdString(testo(dec.value("MG5E_DESCR"))));
    });
}

void AttivazioneVariantiTab::CHK_FLGVARART_Click() {
    QCheckBox* chk = card().CHK_FLGVARART();
    if (!chk)
        return;
    int valore = chk->isChecked() ? 1 : 0;
    db::Recordset* item = card().itemRecordset();
    Procedure p(card(), "CHK_FLGVARART_Click");
    p.onAbort([&] {
        // Nothing stays half-saved: the item row and the box go back.
        if (item)
            item->cancelBatch();
        chk->setChecked(campoArticolo(card(), "MG66_FLGVARART") == 1);
    });
    p.step([&] {
        if (!item || !item->isOpen() || item->eof() || item->bof())
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
const common::CardTabRegistration registrazione(common::kTabAttivazioneVarianti,
                                                [](common::ItemCard& c) {
                                                    return std::make_unique<AttivazioneVariantiTab>(
                                                        c);
                                                });
}  // namespace

}  // namespace variants
