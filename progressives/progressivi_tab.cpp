#include "progressives/progressivi_tab.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <memory>
#include <stdexcept>
#include <unordered_map>

#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "groupings/carica_combo_varianti.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/progress.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/framework/company.h"
#include "progressives/avanzamento.h"
#include "progressives/griglia_progressivi.h"
#include "progressives/pivot_progressivi.h"
#include "progressives/progressivi_sql.h"
#include "progressives/righe_progressivi.h"
#include "progressives/utility_varianti.h"

namespace progressives {

using common::Procedure;

namespace {

constexpr int kPrimaColonnaOpzioni = 8;  // Chiave ... CaptionProgressivo come first

int intero(const db::Value& v) {
    return static_cast<int>(db::integerOf(v));
}

}  // namespace

struct ProgressiviTab::Stato {
    // The column variant.
    std::string variante;
    std::string descrizione;
    int start = 0;
    int size = 0;
    const DizionarioProgressivi* dizionario = nullptr;  // lives for the window
    std::unique_ptr<db::Recordset> pivot;
    long contatore = 0;  // row keys; never reset
    std::unique_ptr<UtilityVarianti> utility;
    // While a load runs: what it reads and what it builds.
    SceltaProgressivi scelta;
    std::unique_ptr<PivotProgressivi> costruzione;
    std::unique_ptr<Avanzamento> avanzamento;
    std::string annoConfermato;
    bool validando = false;
};

ProgressiviTab::ProgressiviTab(common::ItemCard& card)
    : CardTab(card, common::kTabProgressivi), st_(std::make_unique<Stato>()) {}

ProgressiviTab::~ProgressiviTab() {
    if (QGRID_PROGRESSIVI)
        QGRID_PROGRESSIVI->SetDataSource(nullptr);
}

const std::string& ProgressiviTab::varianteColonna() const {
    return st_->variante;
}
const std::string& ProgressiviTab::descrizioneVariante() const {
    return st_->descrizione;
}
int ProgressiviTab::startVariante() const {
    return st_->start;
}
int ProgressiviTab::sizeVariante() const {
    return st_->size;
}
const DizionarioProgressivi* ProgressiviTab::dizionario() const {
    return st_->dizionario;
}
db::Recordset* ProgressiviTab::pivot() const {
    return st_->pivot.get();
}
long ProgressiviTab::contatoreRighe() const {
    return st_->contatore;
}

// ------------------------------------------------------------------ build

void ProgressiviTab::build(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    auto* scelte = new QHBoxLayout;

    auto etichetta = [&](const QString& text, QWidget* buddy) {
        auto* label = new QLabel(text, page);
        label->setBuddy(buddy);
        scelte->addWidget(label);
        scelte->addWidget(buddy);
    };
    CBO_TIPOVAR7 = new QComboBox(page);
    CBO_TIPOVAR7->setObjectName("CBO_TIPOVAR7");
    CBO_TIPOVAR7->setMinimumContentsLength(14);
    etichetta(QStringLiteral("&Variante in colonna"), CBO_TIPOVAR7);
    scelte->addSpacing(12);

    CBO_TIPOPROGRESSIVI = new QComboBox(page);
    CBO_TIPOPROGRESSIVI->setObjectName("CBO_TIPOPROGRESSIVI");
    CBO_TIPOPROGRESSIVI->addItem(QStringLiteral("Consolidati"), 0);
    CBO_TIPOPROGRESSIVI->addItem(QStringLiteral("Tempo reale"), 1);
    CBO_TIPOPROGRESSIVI->addItem(QStringLiteral("Consolidati per anno"), 2);
    CBO_TIPOPROGRESSIVI->setCurrentIndex(-1);
    etichetta(QStringLiteral("&Progressivi"), CBO_TIPOPROGRESSIVI);
    scelte->addSpacing(12);

    CBO_TIPOQTA = new QComboBox(page);
    CBO_TIPOQTA->setObjectName("CBO_TIPOQTA");
    CBO_TIPOQTA->addItem(QString::fromUtf8("Quantit\u00e0 1"), 1);
    CBO_TIPOQTA->addItem(QString::fromUtf8("Quantit\u00e0 2"), 2);
    CBO_TIPOQTA->setCurrentIndex(-1);
    etichetta(QString::fromUtf8("&Quantit\u00e0"), CBO_TIPOQTA);
    scelte->addSpacing(12);

    TXT_ANNO = new QLineEdit(page);
    TXT_ANNO->setObjectName("TXT_ANNO");
    TXT_ANNO->setMaxLength(4);
    TXT_ANNO->setFixedWidth(TXT_ANNO->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                            16);
    TXT_ANNO->setEnabled(false);
    etichetta(QStringLiteral("&Anno"), TXT_ANNO);
    scelte->addSpacing(12);

    LBL_ESITO = new QLabel(page);
    LBL_ESITO->setObjectName("LBL_ESITO");
    scelte->addWidget(LBL_ESITO, 1);
    layout->addLayout(scelte);

    QGRID_PROGRESSIVI = new controls::DataGrid(page);
    QGRID_PROGRESSIVI->setObjectName("QGRID_PROGRESSIVI");
    QGRID_PROGRESSIVI->SetReadOnly(true);
    QGRID_PROGRESSIVI->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QGRID_PROGRESSIVI->setItemDelegate(new DelegatoProgressivi(QGRID_PROGRESSIVI));
    // Variant, warehouse and progressive stay in sight while the options scroll.
    QGRID_PROGRESSIVI->SetFrozenColumns(kPrimaColonnaOpzioni);
    QGRID_PROGRESSIVI->setEnabled(false);
    layout->addWidget(QGRID_PROGRESSIVI, 1);

    QObject::connect(CBO_TIPOVAR7, &QComboBox::activated, page,
                     [this](int) { CBO_TIPOVAR7_Click(); });
    QObject::connect(CBO_TIPOPROGRESSIVI, &QComboBox::activated, page,
                     [this](int) { CBO_TIPOPROGRESSIVI_Click(); });
    QObject::connect(CBO_TIPOQTA, &QComboBox::activated, page,
                     [this](int) { CBO_TIPOQTA_Click(); });
    QObject::connect(TXT_ANNO, &QLineEdit::editingFinished, page, [this] { TXT_ANNO_Validate(); });
}

// ----------------------------------------------------------------- loader

void ProgressiviTab::load() {
    if (card().isLoaded(index()))
        return;
    Procedure p(card(), loaderName());
    p.step([&] { card().PulisciTab(index()); });
    p.step([&] { groupings::CaricaComboVarianti(card(), CBO_TIPOVAR7); });
    p.step([&] { CreaDictionaryProgressivi(); });
    // The default column variant: the managed one with the highest grid index.
    std::string predefinita;
    p.step([&] {
        predefinita.clear();
        const db::BatchResult r = card().connection().run(
            SqlDefaultColumnVariant(card().companyCode(), card().currentItem()));
        const db::ResultSet& rs = UltimoRisultato(r);
        if (!rs.rows.empty())
            predefinita = common::NzStringa(rs.rows.front().front());
    });
    // The choices are set quietly and the tab loaded once with all of them.
    p.step([&] {
        const QSignalBlocker a(CBO_TIPOVAR7), b(CBO_TIPOPROGRESSIVI), c(CBO_TIPOQTA), d(TXT_ANNO);
        const int at =
            predefinita.empty() ? -1 : CBO_TIPOVAR7->findData(common::indiceVariante(predefinita));
        CBO_TIPOVAR7->setCurrentIndex(at);
        CBO_TIPOPROGRESSIVI->setCurrentIndex(CBO_TIPOPROGRESSIVI->findData(1));
        CBO_TIPOQTA->setCurrentIndex(CBO_TIPOQTA->findData(1));
        TXT_ANNO->clear();
        TXT_ANNO->setEnabled(false);
        st_->annoConfermato.clear();
    });
    p.step([&] { CBO_TIPOVAR7_Click(); });
    p.step([&] { card().setLoadedItem(index()); });
}

void ProgressiviTab::clear() {
    if (QGRID_PROGRESSIVI) {
        // The option columns belong to the rows they showed: they go with them.
        QGRID_PROGRESSIVI->SetDataSource(nullptr);
        QGRID_PROGRESSIVI->Columns().Clear();
        QGRID_PROGRESSIVI->setEnabled(false);
    }
    common::ChiudiRecordset(st_->pivot);
    if (LBL_ESITO)
        LBL_ESITO->clear();
}

void ProgressiviTab::release() {
    common::releaseQuietly([&] {
        if (QGRID_PROGRESSIVI)
            QGRID_PROGRESSIVI->SetDataSource(nullptr);
    });
    common::ChiudiRecordset(st_->pivot);
    st_->costruzione.reset();
    st_->utility.reset();
}

void ProgressiviTab::CreaDictionaryProgressivi() {
    Procedure p(card(), "CreaDictionaryProgressivi");
    p.step([&] {
        if (!st_->dizionario)
            st_->dizionario = &dizionarioProgressivi();
    });
}

// ------------------------------------------------------------ the choices

void ProgressiviTab::CBO_TIPOVAR7_Click() {
    Procedure p(card(), "CBO_TIPOVAR7_Click");
    bool gestita = false;
    p.step([&] {
        const db::Recordset* item = card().itemRecordset();
        gestita = item && item->hasCurrentRow() &&
                  intero(common::NzNumero(item->value("MG66_FLGVARART"))) != 0;
    });
    if (!gestita || !p.running())
        return;
    p.step([&] {
        st_->variante = CBO_TIPOVAR7->currentIndex() < 0
                            ? std::string()
                            : common::codiceVariante(CBO_TIPOVAR7->currentData().toInt());
    });
    p.step([&] {
        const db::BatchResult r = card().connection().run(
            common::SqlVariantSizes(card().companyCode()) + " AND MG5F_CODICEVAR = '" +
            common::RaddoppiaApici(st_->variante) + "'");
        const db::ResultSet& rs = UltimoRisultato(r);
        if (rs.rows.size() == 1) {
            const auto& row = rs.rows.front();
            st_->descrizione = common::NzStringa(
                row.at(static_cast<std::size_t>(ColumnIndex(rs, "MG5F_DESCR_VAR"))));
            st_->start = intero(row.at(static_cast<std::size_t>(ColumnIndex(rs, "MG5F_START"))));
            st_->size = intero(row.at(static_cast<std::size_t>(ColumnIndex(rs, "MG5F_SIZE"))));
        } else {
            st_->descrizione.clear();
            st_->start = 0;
            st_->size = 0;
        }
    });
    p.step([&] { CaricaProgressivi(); });
}

void ProgressiviTab::CBO_TIPOPROGRESSIVI_Click() {
    TXT_ANNO->setEnabled(CBO_TIPOPROGRESSIVI->currentData().toInt() == 2 &&
                         CBO_TIPOPROGRESSIVI->currentIndex() >= 0);
    CaricaProgressivi();
}

void ProgressiviTab::CBO_TIPOQTA_Click() {
    CaricaProgressivi();
}

void ProgressiviTab::TXT_ANNO_Validate() {
    // Leaving the box to answer the message confirms it a second time.
    if (st_->validando)
        return;
    const std::string anno = TXT_ANNO->text().trimmed().toStdString();
    if (anno == st_->annoConfermato)
        return;
    if (anno.empty()) {
        // The year taken away: its rows go too, as no year reads nothing.
        st_->annoConfermato.clear();
        CaricaProgressivi();
        return;
    }
    if (!IsValidYear(anno)) {
        st_->validando = true;
        common::WindowServices& ws = card().services();
        ws.VisualizzaMessaggio("L'anno deve essere un numero di quattro cifre (ad esempio 2025).",
                               91519, common::vbExclamation,
                               ws.TraduciTesto("Avviso Utente", 8522));
        st_->validando = false;
        TXT_ANNO->setFocus();
        TXT_ANNO->selectAll();
        return;
    }
    st_->annoConfermato = anno;
    CaricaProgressivi();
}

// ------------------------------------------------------------------- load

void ProgressiviTab::CaricaProgressivi() {
    Stato& st = *st_;
    Procedure p(card(), "CaricaProgressivi");
    // A load that is left keeps the grid empty and disabled.
    auto rilascia = [&] {
        st.costruzione.reset();
        common::ChiudiRecordset(st.pivot);
        if (st.avanzamento)
            st.avanzamento->nascondi();
        st.avanzamento.reset();
    };
    p.onAbort(rilascia);

    p.step([&] {
        if (QGRID_PROGRESSIVI) {
            QGRID_PROGRESSIVI->SetDataSource(nullptr);
            QGRID_PROGRESSIVI->Columns().Clear();
            QGRID_PROGRESSIVI->setEnabled(false);
        }
        common::ChiudiRecordset(st.pivot);
        LBL_ESITO->clear();
    });
    if (!p.running())
        return;

    // Nothing to read until every choice is made.
    bool scelto = false;
    p.step([&] {
        const std::string tipoProg = common::NzValore(
            CBO_TIPOPROGRESSIVI->currentIndex() < 0
                ? db::Value()
                : db::Value(CBO_TIPOPROGRESSIVI->currentData().toString().toStdString()),
            "");
        const std::string tipoQta =
            common::NzValore(CBO_TIPOQTA->currentIndex() < 0
                                 ? db::Value()
                                 : db::Value(CBO_TIPOQTA->currentData().toString().toStdString()),
                             "");
        const std::string anno = TXT_ANNO->text().trimmed().toStdString();
        if (st.variante.empty() || tipoProg.empty() || tipoQta.empty())
            return;
        SceltaProgressivi s;
        s.ditta = card().companyCode();
        s.codArt = card().currentItem();
        s.tipoProg = std::stoi(tipoProg);
        s.tipoQta = std::stoi(tipoQta);
        // A year the box refused counts as none.
        s.anno = IsValidYear(anno) ? anno : std::string();
        if (s.tipoProg == 2 && s.anno.empty())
            return;
        s.start = st.start;
        s.size = st.size;
        st.scelta = s;
        scelto = true;
    });
    if (!scelto || !p.running())
        return;

    p.step([&] {
        st.utility = std::make_unique<UtilityVarianti>(card().connection(), card().companyCode(),
                                                       card().currentItem());
        st.avanzamento = std::make_unique<Avanzamento>(card().KOV_PROGRESS1());
        st.avanzamento->mostra(card().services().TraduciTesto("Elaborazione in corso...", 24146));
    });
    if (!p.running())
        return;

    // The options of the column variant that have progressives.
    std::vector<std::string> opzioni;
    p.step([&] {
        opzioni.clear();
        const db::BatchResult r = card().connection().run(SqlProgressiveOptions(st.scelta));
        const db::ResultSet& rs = UltimoRisultato(r);
        for (const auto& row : rs.rows)
            opzioni.push_back(common::NzStringa(row.at(0)));
    });
    if (!p.running())
        return;
    if (opzioni.empty()) {
        rilascia();
        LBL_ESITO->setText(QString::fromStdString(card().services().TraduciCaption(
            "Nessun progressivo di magazzino per le scelte indicate.")));
        return;
    }

    p.step([&] {
        std::vector<std::string> nomi;
        std::vector<std::string> captions;
        for (const auto& voce : *st.dizionario) {
            nomi.push_back(voce.colonna);
            captions.push_back(card().services().TraduciCaption(voce.caption));
        }
        st.costruzione =
            std::make_unique<PivotProgressivi>(std::move(nomi), std::move(captions), st.contatore);
        for (const auto& o : opzioni)
            st.costruzione->aggiungiOpzione(o);
    });
    if (!p.running())
        return;

    // The rows are read forward-only, each made into what the pivot takes
    // as it is fetched: nothing of the statement's ~50 columns is kept. A
    // row the reader refuses is kept as it came, and refused again where
    // it is added, so that its error is told on its own as any row's.
    RigheLette righe;
    RigaDati riga;  // the row being read or added; its room serves them all
    std::unique_ptr<LettoreProgressivi> lettore;
    std::exception_ptr senzaLettore;  // the columns the reader needs are missing
    p.step([&] {
        righe.clear();
        lettore.reset();
        senzaLettore = nullptr;
        st.avanzamento->testo("Lettura progressivi di magazzino");
        std::size_t colonne = 0;
        card().connection().forEachRow(
            SqlReadProgressives(st.scelta),
            [&](const std::vector<db::Column>& columns) {
                colonne = columns.size();
                try {
                    lettore = std::make_unique<LettoreProgressivi>(columns, *st.dizionario, false);
                } catch (const std::exception&) {
                    senzaLettore = std::current_exception();
                }
            },
            [&](const db::RowView& row) {
                if (!lettore)
                    return false;
                bool letta = true;
                try {
                    lettore->magazzino(row, riga);
                } catch (const std::exception&) {
                    letta = false;
                }
                if (letta) {
                    righe.aggiungi(riga);
                } else {
                    std::vector<db::Value> grezza;
                    for (std::size_t c = 0; c < colonne; ++c)
                        grezza.push_back(row.value(static_cast<int>(c)));
                    righe.aggiungiGrezza(std::move(grezza));
                }
                return true;
            });
        st.avanzamento->massimo(static_cast<long>(righe.size()));
    });
    if (!p.running())
        return;
    p.step([&] {
        if (senzaLettore)
            std::rethrow_exception(senzaLettore);
    });
    if (!p.running())
        return;
    auto descrizione = [&](const std::string& codice) {
        return st.utility->DescrizioneVariante(codice);
    };
    // A row that fails has added nothing yet: retry adds it once.
    for (std::size_t i = 0; lettore && i < righe.size(); ++i) {
        p.step([&] {
            if (righe.grezza(i).empty()) {
                righe.leggi(i, riga);
                st.costruzione->aggiungi(riga, descrizione);
            } else {
                st.costruzione->aggiungi(lettore->magazzino(db::RowOfValues(righe.grezza(i))),
                                         descrizione);
            }
        });
        if (!p.running())
            return;
        st.avanzamento->avanza();
        if (st.avanzamento->interrotto()) {
            rilascia();
            LBL_ESITO->setText(
                QString::fromStdString(card().services().TraduciCaption("Lettura interrotta.")));
            return;
        }
    }
    lettore.reset();
    righe = {};

    // Goods at or from the subcontractors of the company's two warehouses.
    const framework::Company& ditta = card().company();
    if (!ditta.ActiveSubcontractingWarehouse().empty())
        p.step([&] { CaricaProgressiviContoLavoro(0, ditta.ActiveSubcontractingWarehouse()); });
    if (!p.running())
        return;
    if (!ditta.PassiveSubcontractingWarehouse().empty())
        p.step([&] { CaricaProgressiviContoLavoro(1, ditta.PassiveSubcontractingWarehouse()); });
    if (!p.running())
        return;

    p.step([&] {
        st.pivot = st.costruzione->crea();
        st.costruzione.reset();
        st.pivot->setFilter("");
        st.pivot->setSort("Deposito desc, Variante, IdProgressivo");
    });
    if (!p.running())
        return;
    Configura_QGRID_PROGRESSIVI();
    if (QGRID_PROGRESSIVI->Columns().Count() == 0) {
        rilascia();  // the grid could not be set up: it stays empty
        return;
    }
    p.step([&] {
        QGRID_PROGRESSIVI->SetDataSource(st.pivot.get());
        QGRID_PROGRESSIVI->setEnabled(true);
        st.avanzamento->nascondi();
        st.avanzamento.reset();
    });
}

void ProgressiviTab::CaricaProgressiviContoLavoro(int tipo, const std::string& deposito) {
    Stato& st = *st_;
    if (!st.costruzione || !st.dizionario)
        return;  // only within a load
    if (!st.avanzamento)
        st.avanzamento = std::make_unique<Avanzamento>(nullptr);
    st.avanzamento->testo(
        card().services().TraduciTesto(tipo == 1 ? "Lettura progressivi conto lavoro passivo"
                                                 : "Lettura progressivi conto lavoro attivo",
                                       tipo == 1 ? 80570 : 80569));
    const db::BatchResult dati =
        card().connection().run(SqlReadSubcontractProgressives(st.scelta, tipo, deposito));
    const db::ResultSet& rs = UltimoRisultato(dati);
    if (rs.rows.empty())
        return;
    const LettoreProgressivi lettore(rs.columns, *st.dizionario, true);
    // Every row is read, and every description fetched, before the first is
    // added: a failure here leaves the table as it was, so a retry adds once.
    const std::string codiceDeposito = common::NzStringa(db::Value(deposito));
    std::vector<RigaDati> righe;
    std::unordered_map<std::string, std::string> descrizioni;
    for (const auto& row : rs.rows) {
        RigaDati riga = lettore.contoLavoro(db::RowOfValues(row), tipo, codiceDeposito);
        if (!riga.quantita.empty() && !descrizioni.count(riga.variante))
            descrizioni.emplace(riga.variante, st.utility->DescrizioneVariante(riga.variante));
        righe.push_back(std::move(riga));
    }
    st.avanzamento->massimo(static_cast<long>(righe.size()));
    for (const auto& riga : righe) {
        st.costruzione->aggiungi(riga,
                                 [&](const std::string& codice) { return descrizioni[codice]; });
        st.avanzamento->avanza();
    }
}

// ------------------------------------------------------------------- grid

void ProgressiviTab::Configura_QGRID_PROGRESSIVI() {
    Procedure p(card(), "Configura_QGRID_PROGRESSIVI");
    p.onAbort([&] {
        if (QGRID_PROGRESSIVI)
            QGRID_PROGRESSIVI->Columns().Clear();
    });
    p.step([&] {
        controls::DataGrid& grid = *QGRID_PROGRESSIVI;
        const db::Recordset& pivot = *st_->pivot;
        common::WindowServices& ws = card().services();
        grid.SetDataSource(nullptr);
        // Sixty columns set up one property at a time: the grid lays them
        // out (and hears their translation) once, when all are defined.
        grid.BeginColumnsUpdate();
        const std::unique_ptr<controls::DataGrid, void (*)(controls::DataGrid*)> inDefinizione(
            &grid, [](controls::DataGrid* g) { g->EndColumnsUpdate(); });
        controls::GridColumns& columns = grid.Columns();
        columns.Clear();
        const int larghezzaNumero =
            grid.fontMetrics().horizontalAdvance(QStringLiteral("000.000,000")) + 14;
        for (int f = 0; f < pivot.fieldCount(); ++f) {
            const std::string& name = pivot.field(f).name;
            controls::GridColumn& col = columns.Add(name);
            if (name == "VarianteDescr") {
                col.SetCaption(QString::fromStdString(ws.TraduciTesto("Variante", 60287)))
                    .SetWidth(ColumnWidth(grid.fontMetrics(), pivot, f, 120, 220));
            } else if (name == "DepositoDescr") {
                col.SetCaption(QString::fromStdString(ws.TraduciTesto("Deposito", 20411)))
                    .SetWidth(ColumnWidth(grid.fontMetrics(), pivot, f, 140, 260));
            } else if (name == "CaptionProgressivo") {
                col.SetCaption(QString::fromStdString(ws.TraduciTesto("Progressivo", 45675)))
                    .SetWidth(ColumnWidth(grid.fontMetrics(), pivot, f, 110, 160));
            } else if (IsQuantityField(pivot, f)) {
                const QString caption =
                    QString::fromStdString(name.rfind("BK_", 0) == 0 ? name.substr(3) : name);
                col.SetCaption(caption)
                    .SetAlignment(Qt::AlignRight | Qt::AlignVCenter)
                    .SetWidth(std::max(larghezzaNumero,
                                       grid.fontMetrics().horizontalAdvance(caption) + 18));
            } else {
                col.SetVisible(
                    false);  // Chiave, Variante, Deposito, IdProgressivo, NomeProgressivo
            }
            col.SetReadOnly(true);
        }
        // The framework grid keeps its captions in its columns: they are
        // translated there, as TraduciColonne does for the header.
        for (int i = 0; i < columns.Count(); ++i)
            columns.Item(i).SetCaption(
                QString::fromStdString(ws.TraduciCaption(columns.Item(i).Caption().toStdString())));
    });
}

namespace {
const common::RegisteredTab<ProgressiviTab> registrazione(common::kTabProgressivi);
}  // namespace

}  // namespace progressives
