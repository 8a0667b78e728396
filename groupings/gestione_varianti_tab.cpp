#include "groupings/gestione_varianti_tab.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>

#include "common/procedure.h"
#include "common/window_services.h"
#include "groupings/clsmg_opzioni.h"
#include "groupings/option_lists.h"
#include "platform/db/connection.h"
#include "platform/db/errors.h"
#include "platform/db/recordset.h"
#include "variants/record_grid.h"
#include "variants/sql_text.h"

namespace groupings {

using common::Procedure;
using variants::GridColumn;
using variants::letterale;
using variants::rtrim;
using variants::testo;

namespace {

const char* const kTitoloVarianti = "Scheda articolo - varianti";
const char* const kTestoApice =
    "Il valore di variante non pu\xC3\xB2 contenere il carattere apice (')";
const long kMsgApice = 0;

std::string maiuscolo(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

bool uguali(const std::string& a, const std::string& b) {
    return maiuscolo(rtrim(a)) == maiuscolo(rtrim(b));
}

std::string testoBox(const QLineEdit* box) {
    return box ? box->text().toStdString() : "";
}

int numeroCampo(const db::Recordset* rs, const char* field) {
    if (!rs || !rs->isOpen() || rs->eof() || rs->bof())
        return 0;
    auto d = rs->value(field).toDecimal();
    return d ? static_cast<int>(d->toInt64().value_or(0)) : 0;
}

bool spuntato(const db::Value& v) {
    auto d = v.toDecimal();
    return d && !d->isZero();
}

}  // namespace

// -------------------------------------------------------------------- tab

GestioneVariantiTab::GestioneVariantiTab(common::ItemCard& card)
    : CardTab(card, common::kTabGestioneVarianti, "Tab_GestioneVarianti") {}

GestioneVariantiTab::~GestioneVariantiTab() = default;

StatoOpzioni& GestioneVariantiTab::stato() const {
    return card().shared<StatoOpzioni>();
}

void GestioneVariantiTab::build(QWidget* page) {
    StatoOpzioni& st = stato();
    auto* layout = new QGridLayout(page);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Variante"), page));
    st.CBO_TIPOVAR1 = new QComboBox(page);
    st.CBO_TIPOVAR1->setObjectName("CBO_TIPOVAR1");
    top->addWidget(st.CBO_TIPOVAR1, 1);
    CMD_LINK1 = new QPushButton(QStringLiteral("Gestione varianti"), page);
    top->addWidget(CMD_LINK1);
    layout->addLayout(top, 0, 0, 1, 3);

    // Source list with its editor.
    auto* left = new QVBoxLayout;
    auto* codes = new QGridLayout;
    codes->addWidget(new QLabel(QStringLiteral("Codice"), page), 0, 0);
    st.TXT_OPZIONE_ORIG = new QLineEdit(page);
    st.TXT_OPZIONE_ORIG->setObjectName("TXT_OPZIONE_ORIG");
    codes->addWidget(st.TXT_OPZIONE_ORIG, 0, 1);
    st.TXT_DESOPZIONE_ORIG = new QLineEdit(page);
    st.TXT_DESOPZIONE_ORIG->setObjectName("TXT_DESOPZIONE_ORIG");
    st.TXT_DESOPZIONE_ORIG->setMaxLength(80);
    codes->addWidget(st.TXT_DESOPZIONE_ORIG, 1, 0, 1, 2);
    left->addLayout(codes);
    auto* cmds = new QHBoxLayout;
    CMD_OPZORIG_NUOVO = new QPushButton(QStringLiteral("Nuovo"), page);
    CMD_OPZORIG_SALVA = new QPushButton(QStringLiteral("Conferma"), page);
    CMD_OPZORIG_ELIMINA = new QPushButton(QStringLiteral("Elimina"), page);
    CMD_SEARCH = new QPushButton(QStringLiteral("Cerca (descrizione contiene)"), page);
    for (auto* b : {CMD_OPZORIG_NUOVO, CMD_OPZORIG_SALVA, CMD_OPZORIG_ELIMINA, CMD_SEARCH})
        cmds->addWidget(b);
    left->addLayout(cmds);
    auto* views = new QHBoxLayout;
    CMD_DASELEZ = new QPushButton(page);
    CMD_RUBRICA1 = new QPushButton(page);
    views->addWidget(CMD_DASELEZ);
    views->addWidget(CMD_RUBRICA1);
    left->addLayout(views);
    st.GRDX_VARIANTI_SOURCE = new variants::RecordGrid(page);
    st.GRDX_VARIANTI_SOURCE->setObjectName("GRDX_VARIANTI_SOURCE");
    left->addWidget(st.GRDX_VARIANTI_SOURCE, 1);
    layout->addLayout(left, 1, 0);

    // Between the lists: the composition commands and the grouping box.
    auto* middle = new QVBoxLayout;
    areaRaggruppamento_ = new QWidget(page);
    areaRaggruppamento_->setObjectName("areaRaggruppamento");
    auto* area = new QVBoxLayout(areaRaggruppamento_);
    area->setContentsMargins(0, 0, 0, 0);
    area->addWidget(new QLabel(QStringLiteral("Raggruppamento"), areaRaggruppamento_));
    st.TXT_RAGGR1 = new QLineEdit(areaRaggruppamento_);
    st.TXT_RAGGR1->setObjectName("TXT_RAGGR1");
    st.TXT_RAGGR1->setMaxLength(25);
    area->addWidget(st.TXT_RAGGR1);
    st.CMD_ASSOCIA = new QPushButton(QStringLiteral("Associa"), areaRaggruppamento_);
    area->addWidget(st.CMD_ASSOCIA);
    CMD_ADDSEL = new QPushButton(QStringLiteral("Aggiungi"), areaRaggruppamento_);
    CMD_ADDSEL->setToolTip(QStringLiteral("Aggiungi le varianti selezionate"));
    area->addWidget(CMD_ADDSEL);
    st.CMD_SU = new QPushButton(QStringLiteral("Su"), areaRaggruppamento_);
    st.CMD_GIU = new QPushButton(QStringLiteral("Gi\u00f9"), areaRaggruppamento_);
    area->addWidget(st.CMD_SU);
    area->addWidget(st.CMD_GIU);
    area->addStretch(1);
    middle->addWidget(areaRaggruppamento_);
    layout->addLayout(middle, 1, 1);

    // Destination list.
    auto* right = new QVBoxLayout;
    st.TXT_OPZIONE_DEST = new QLineEdit(page);
    st.TXT_OPZIONE_DEST->setObjectName("TXT_OPZIONE_DEST");
    st.TXT_OPZIONE_DEST->setEnabled(false);
    st.TXT_DESOPZIONE_DEST = new QLineEdit(page);
    st.TXT_DESOPZIONE_DEST->setObjectName("TXT_DESOPZIONE_DEST");
    st.TXT_DESOPZIONE_DEST->setMaxLength(80);
    st.CMD_OPZDEST_SALVA = new QPushButton(QStringLiteral("Conferma"), page);
    auto* dest = new QHBoxLayout;
    dest->addWidget(st.TXT_OPZIONE_DEST);
    dest->addWidget(st.TXT_DESOPZIONE_DEST, 1);
    dest->addWidget(st.CMD_OPZDEST_SALVA);
    right->addLayout(dest);
    st.GRDX_VARIANTI_DESTI = new variants::RecordGrid(page);
    st.GRDX_VARIANTI_DESTI->setObjectName("GRDX_VARIANTI_DESTI");
    right->addWidget(st.GRDX_VARIANTI_DESTI, 1);
    layout->addLayout(right, 1, 2);

    CMD_DASELEZ->setText(QString::fromStdString(
        card().services().TraduciTesto("Visualizza solo opzioni da selezionare", 76542)));
    CMD_RUBRICA1->setText(QString::fromStdString(
        card().services().TraduciTesto("Attiva visualizzazione rubrica", 76561)));
    InitGRDX_VARIANTI_SOURCE();
    InitGRDX_VARIANTI_DESTI();

    QObject::connect(st.CBO_TIPOVAR1, &QComboBox::activated, page,
                     [this](int) { CBO_TIPOVAR1_Click(); });
    QObject::connect(CMD_OPZORIG_NUOVO, &QPushButton::clicked, page,
                     [this] { CMD_OPZORIG_NUOVO_Click(); });
    QObject::connect(CMD_OPZORIG_SALVA, &QPushButton::clicked, page,
                     [this] { CMD_OPZORIG_SALVA_Click(); });
    QObject::connect(CMD_OPZORIG_ELIMINA, &QPushButton::clicked, page,
                     [this] { CMD_OPZORIG_ELIMINA_Click(); });
    QObject::connect(CMD_SEARCH, &QPushButton::clicked, page, [this] { CMD_SEARCH_Click(); });
    QObject::connect(CMD_LINK1, &QPushButton::clicked, page, [this] { CMD_LINK1_Click(); });
    QObject::connect(CMD_DASELEZ, &QPushButton::clicked, page,
                     [this] { CMD_DASELEZ_ButtonClick(); });
    QObject::connect(CMD_RUBRICA1, &QPushButton::clicked, page,
                     [this] { CMD_RUBRICA1_ButtonClick(); });
    QObject::connect(st.TXT_OPZIONE_ORIG, &QLineEdit::editingFinished, page, [this] {
        if (TXT_OPZIONE_ORIG_Validate())
            stato().TXT_OPZIONE_ORIG->setFocus();
    });
    QObject::connect(st.TXT_DESOPZIONE_ORIG, &QLineEdit::editingFinished, page,
                     [this] { TXT_DESOPZIONE_ORIG_AfterEntry(); });
    QObject::connect(st.GRDX_VARIANTI_SOURCE, &variants::RecordGrid::rowChanged, page,
                     [this](long) { GRDX_VARIANTI_SOURCE_RowChanged(); });
    QObject::connect(st.GRDX_VARIANTI_SOURCE, &variants::RecordGrid::checkToggled, page,
                     [this](long row, const QString&) { GRDX_VARIANTI_SOURCE_CheckToggled(row); });
    // The source list as the active list: moving rows is for the destination list.
    QObject::connect(st.GRDX_VARIANTI_SOURCE, &variants::RecordGrid::rowChanged, page, [this] {
        if (stato().CMD_SU)
            stato().CMD_SU->setEnabled(false);
        if (stato().CMD_GIU)
            stato().CMD_GIU->setEnabled(false);
    });
}

void GestioneVariantiTab::InitGRDX_VARIANTI_SOURCE() {
    Procedure p(card(), "InitGRDX_VARIANTI_SOURCE");
    p.step([&] {
        stato().GRDX_VARIANTI_SOURCE->setColumns(
            {{"SELEZ", "Sel.", GridColumn::Kind::Check},
             {"MG5E_OPZIONE", "Opzione", GridColumn::Kind::Text},
             {"MG5E_DESCR", "Descrizione", GridColumn::Kind::Text},
             {"LETTERA", "Lettera", GridColumn::Kind::Text},
             {"SORT_CODE", "SortCode", GridColumn::Kind::Number}},
            "MG5E_OPZIONE");
    });
}

void GestioneVariantiTab::InitGRDX_VARIANTI_DESTI() {
    stato().GRDX_VARIANTI_DESTI->setColumns(
        {{"SELEZ", "Sel.", GridColumn::Kind::Check},
         {"MG5H_OPZIONE_MG5E", "Opzione", GridColumn::Kind::Text},
         {"DESCR_OPZIONE", "Descrizione", GridColumn::Kind::Text},
         {"MG5H_SEQOPZIONE", "Sequenza", GridColumn::Kind::Number}},
        "MG5H_OPZIONE_MG5E");
}

void GestioneVariantiTab::clear() {
    StatoOpzioni& st = stato();
    if (!st.GRDX_VARIANTI_SOURCE)
        return;
    InitGRDX_VARIANTI_SOURCE();
    InitGRDX_VARIANTI_DESTI();
    st.GRDX_VARIANTI_SOURCE->setRecordset(nullptr);
    st.GRDX_VARIANTI_DESTI->setRecordset(nullptr);
}

void GestioneVariantiTab::release() {
    try {
        stato().rilascia();
    } catch (...) {
    }
}

void GestioneVariantiTab::azzeraTabStati() {
    card().clearLoadedItems(
        {common::kTabStatiStagione, common::kTabStatiVariante, common::kTabStatiCombinazione});
}

// ----------------------------------------------------------------- loader

void GestioneVariantiTab::load() {
    if (card().isLoaded(index()))
        return;
    StatoOpzioni& st = stato();
    Procedure p(card(), "Tab_GestioneVarianti");
    p.step([&] { card().PulisciTab(index()); });
    p.step([&] { CaricaComboVarianti(card(), st.CBO_TIPOVAR1); });
    p.step([&] {
        CMD_DASELEZ->setText(QString::fromStdString(
            card().services().TraduciTesto("Visualizza solo opzioni da selezionare", 76542)));
        pictureDaselez_ = "PIC_FILTRO";
    });
    p.step([&] {
        int entry = st.variantePreselezionata < 0 ? 0 : st.variantePreselezionata;
        if (entry >= st.CBO_TIPOVAR1->count())
            entry = st.CBO_TIPOVAR1->count() > 0 ? 0 : -1;
        st.CBO_TIPOVAR1->blockSignals(true);
        st.CBO_TIPOVAR1->setCurrentIndex(entry);
        st.CBO_TIPOVAR1->blockSignals(false);
        if (entry >= 0)
            CBO_TIPOVAR1_Click();
    });
    p.step([&] { card().setLoadedItem(index()); });
}

// ----------------------------------------------------------- variant choice

void GestioneVariantiTab::CBO_TIPOVAR1_Click() {
    StatoOpzioni& st = stato();
    db::Recordset* item = card().itemRecordset();
    if (numeroCampo(item, "MG66_FLGVARART") == 0)
        return;
    if (st.CBO_TIPOVAR1->currentIndex() < 0)
        return;
    db::Connection& cn = card().connection();
    const std::string& ditta = card().companyCode();
    const std::string codArt = variants::raddoppiaApici(card().currentItem());

    Procedure p(card(), "CBO_TIPOVAR1_Click");
    p.step([&] {
        if (st.CheckCambioRaggr)
            st.CheckCambioRaggr();
    });
    p.step([&] {
        st.dimensione.reset();
        st.rigaVariante.reset();
    });
    p.step([&] { st.variante = variants::codiceDaIndice(st.CBO_TIPOVAR1->currentData().toInt()); });
    p.step([&] {
        auto rs = std::make_unique<db::Recordset>();
        rs->open("SELECT * FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = " + ditta +
                     " AND       MG5F_CODICEVAR  = '" + st.variante + "'",
                 cn);
        st.dimensione = std::move(rs);
    });
    p.step([&] {
        auto rs = std::make_unique<db::Recordset>();
        rs->open(
            "SELECT MG6B_FLGGESTVAR, MG6B_CODRAGGVAR_MG5G FROM MG6B_GESVARART WHERE "
            "MG6B_DITTA_CG18     = " +
                ditta + " AND       MG6B_CODART_MG66    = '" + codArt +
                "'  AND       MG6B_CODICEVAR_MG5F = '" + st.variante + "'",
            cn);
        st.rigaVariante = std::move(rs);
    });
    p.step([&] {
        db::Recordset* riga = st.rigaVariante.get();
        if (!riga || riga->recordCount() != 1) {
            st.TXT_RAGGR1->clear();
            st.TXT_RAGGR1->setEnabled(false);
            return;
        }
        riga->moveFirst();
        std::string raggr = testo(riga->value("MG6B_CODRAGGVAR_MG5G"));
        st.TXT_RAGGR1->setEnabled(true);
        st.TXT_RAGGR1->setText(QString::fromStdString(raggr));
        st.raggruppamento = raggr;
        CaricaRaggruppamento(card(), st.variante, st.raggruppamento, true, true, false);
    });
    p.step([&] {
        if (numeroCampo(st.dimensione.get(), "MG5F_INDPROGCONFIG") == 1) {
            st.TXT_RAGGR1->clear();
            st.TXT_RAGGR1->setEnabled(false);
        }
    });
    p.step([&] {
        int size = numeroCampo(st.dimensione.get(), "MG5F_SIZE");
        st.TXT_OPZIONE_ORIG->setMaxLength(size > 0 ? size : 20);
        if (numeroCampo(st.dimensione.get(), "MG5F_INDNATURA") == 1)
            st.TXT_OPZIONE_ORIG->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]*")), st.TXT_OPZIONE_ORIG));
        else
            st.TXT_OPZIONE_ORIG->setValidator(nullptr);
    });
    p.step([&] {
        if (st.TXT_RAGGR1_AfterItem)
            st.TXT_RAGGR1_AfterItem();
        if (st.CMD_ASSOCIA)
            st.CMD_ASSOCIA->setEnabled(false);
    });
    p.step([&] {
        st.articoloRicordato = card().currentItem();
        st.varianteRicordata = st.variante;
        st.raggrRicordato = rtrim(st.TXT_RAGGR1->text().toStdString());
        st.raggrInserito = st.raggrRicordato;
        st.raggrCambiato = false;
    });
}

// --------------------------------------------------------------- the list

void GestioneVariantiTab::GRDX_VARIANTI_SOURCE_RowChanged() {
    StatoOpzioni& st = stato();
    db::Recordset* rs = st.sorgente.get();
    if (!rs || !rs->isOpen() || rs->eof() || rs->bof())
        return;
    std::string opz = testo(rs->value("MG5E_OPZIONE"));
    st.TXT_OPZIONE_ORIG->setText(QString::fromStdString(opz));
    st.TXT_DESOPZIONE_ORIG->setText(QString::fromStdString(testo(rs->value("MG5E_DESCR"))));
    st.opzione = opz;
}

void GestioneVariantiTab::GRDX_VARIANTI_SOURCE_CheckToggled(long row) {
    StatoOpzioni& st = stato();
    db::Recordset* rs = st.sorgente.get();
    if (!rs || row < 0 || row >= rs->recordCount())
        return;
    Procedure p(card(), "GRDX_VARIANTI_SOURCE_CheckEditToggleClick");
    p.step([&] {
        int fSel = rs->fieldIndex("SELEZ");
        int fOpz = rs->fieldIndex("MG5E_OPZIONE");
        card().connection().execute(std::string("UPDATE #TMP_ORIG SET SELEZ = ") +
                                    (spuntato(rs->valueAt(row, fSel)) ? "1" : "0") +
                                    " WHERE MG5E_OPZIONE = '" +
                                    variants::raddoppiaApici(testo(rs->valueAt(row, fOpz))) + "'");
    });
}

// ---------------------------------------------------------------- editing

void GestioneVariantiTab::CMD_OPZORIG_NUOVO_Click() {
    StatoOpzioni& st = stato();
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
    card().services().VisualizzaMessaggio(kTestoApice, kMsgApice, common::vbExclamation,
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
    const std::string codice = rtrim(testoBox(st.TXT_OPZIONE_ORIG));
    const std::string descr = rtrim(testoBox(st.TXT_DESOPZIONE_ORIG));
    if (codice.empty())
        return;
    const std::string titolo = ws.TraduciTesto(kTitoloVarianti, 50877);

    // Refusals before anything is written.
    if (st.variante.empty() || !st.sorgente) {
        ws.VisualizzaMessaggio("Scegliere prima una variante dell'articolo.", 0,
                               common::vbExclamation, titolo);
        return;
    }
    if (codice.find('\'') != std::string::npos) {
        TXT_OPZIONE_ORIG_Validate();
        return;
    }
    int size = numeroCampo(st.dimensione.get(), "MG5F_SIZE");
    std::size_t massimo = static_cast<std::size_t>(size > 0 && size < 20 ? size : 20);
    if (QString::fromStdString(codice).size() > static_cast<qsizetype>(massimo)) {
        ws.VisualizzaMessaggio("Il codice dell'opzione non pu\xC3\xB2 superare " +
                                   std::to_string(massimo) + " caratteri.",
                               0, common::vbExclamation, titolo);
        return;
    }
    if (QString::fromStdString(descr).size() > 80) {
        ws.VisualizzaMessaggio("La descrizione dell'opzione non pu\xC3\xB2 superare 80 caratteri.",
                               0, common::vbExclamation, titolo);
        return;
    }

    db::Connection& cn = card().connection();
    const std::string& ditta = card().companyCode();
    db::Recordset* rs = st.sorgente.get();
    long trovata = -1;
    int fOpz = rs->fieldIndex("MG5E_OPZIONE");
    for (long r = 0; r < rs->recordCount() && trovata < 0; ++r)
        if (uguali(testo(rs->valueAt(r, fOpz)), codice))
            trovata = r;

    Procedure p(card(), "CMD_OPZORIG_SALVA_Click");
    if (trovata >= 0) {
        const std::string esistente = testo(rs->valueAt(trovata, fOpz));
        p.step([&] {
            cn.execute("UPDATE MG5E_OPZIONI SET MG5E_DESCR = " + letterale(descr) +
                       " WHERE MG5E_DITTA_CG18     = " + ditta +
                       " AND       MG5E_CODICEVAR_MG5F = '" + st.variante +
                       "' AND       MG5E_OPZIONE        = " + letterale(esistente));
        });
        p.step([&] {
            rs->setValueAt(trovata, rs->fieldIndex("MG5E_DESCR"),
                           descr.empty() ? db::Value::null() : db::Value(descr));
            cn.execute("UPDATE #TMP_ORIG SET MG5E_DESCR = " + letterale(descr) +
                       " WHERE MG5E_OPZIONE = " + letterale(esistente));
        });
    } else {
        p.step([&] {
            cn.execute(
                "INSERT INTO MG5E_OPZIONI   (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, "
                "MG5E_DESCR) VALUES   ( " +
                ditta + ", '" + st.variante + "', " + letterale(codice) + ", " + letterale(descr) +
                ")");
        });
    }
    if (!p.running())
        return;
    p.step([&] { st.TXT_OPZIONE_ORIG->setEnabled(false); });
    if (trovata >= 0) {
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
            int f = nuovo->fieldIndex("MG5E_OPZIONE");
            for (long r = 0; r < nuovo->recordCount(); ++r) {
                if (uguali(testo(nuovo->valueAt(r, f)), codice)) {
                    nuovo->setAbsolutePosition(r + 1);
                    st.GRDX_VARIANTI_SOURCE->selectRow(r);
                    GRDX_VARIANTI_SOURCE_RowChanged();
                    break;
                }
            }
            CMD_OPZORIG_NUOVO->setFocus();
        });
    }
    p.step([&] { azzeraTabStati(); });
}

void GestioneVariantiTab::CMD_OPZORIG_ELIMINA_Click() {
    StatoOpzioni& st = stato();
    db::Recordset* rs = st.sorgente.get();
    if (!rs || !rs->isOpen())
        return;
    common::WindowServices& ws = card().services();
    db::Connection& cn = card().connection();

    Procedure p(card(), "CMD_OPZORIG_ELIMINA_Click");
    std::vector<std::string> spuntate;
    p.step([&] {
        int fSel = rs->fieldIndex("SELEZ");
        int fOpz = rs->fieldIndex("MG5E_OPZIONE");
        for (long r = 0; r < rs->recordCount(); ++r)
            if (spuntato(rs->valueAt(r, fSel)))
                spuntate.push_back(testo(rs->valueAt(r, fOpz)));
    });
    if (!p.running() || spuntate.empty())
        return;
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
    std::string lista = "(";
    for (std::size_t i = 0; i < spuntate.size(); ++i)
        lista += (i ? ", '" : "'") + variants::raddoppiaApici(spuntate[i]) + "'";
    lista += ")";
    p.step([&] {
        cn.clearErrors();
        try {
            cn.execute("DELETE FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18     = " +
                       card().companyCode() + " AND       MG5E_CODICEVAR_MG5F = '" + st.variante +
                       "' AND       MG5E_OPZIONE IN " + lista);
        } catch (const std::exception&) {
            // Judged below from the connection's errors.
        }
    });
    p.step([&] {
        const auto& errori = cn.errors();
        if (!errori.empty() && std::atoi(errori.front().sqlState.c_str()) == 23000)
            ws.VisualizzaMessaggio(
                "Le opzioni selezionate sono gia' state utilizzate. Impossibile eliminarle.", 35398,
                common::vbCritical + common::vbOKOnly, titolo);
    });
    p.step(
        [&] { CaricaRaggruppamento(card(), st.variante, st.raggruppamento, true, false, false); });
    p.step([&] { azzeraTabStati(); });
}

// ------------------------------------------------------------------ views

void GestioneVariantiTab::CMD_DASELEZ_ButtonClick() {
    StatoOpzioni& st = stato();
    common::WindowServices& ws = card().services();
    Procedure p(card(), "CMD_DASELEZ_ButtonClick");
    const std::string soloDaSelezionare =
        ws.TraduciTesto("Visualizza solo opzioni da selezionare", 76542);
    if (CMD_DASELEZ->text().toStdString() == soloDaSelezionare) {
        p.step([&] {
            CaricaRaggruppamento(card(), st.variante, st.raggruppamento, true, false, true);
        });
        p.step([&] {
            CMD_DASELEZ->setText(QStringLiteral("Visualizza tutte le opzioni"));
            pictureDaselez_ = "PIC_NOFILTRO";
        });
    } else {
        p.step([&] {
            CaricaRaggruppamento(card(), st.variante, st.raggruppamento, true, false, false);
        });
        p.step([&] {
            CMD_DASELEZ->setText(QString::fromStdString(soloDaSelezionare));
            pictureDaselez_ = "PIC_FILTRO";
        });
    }
}

void GestioneVariantiTab::CMD_RUBRICA1_ButtonClick() {
    StatoOpzioni& st = stato();
    common::WindowServices& ws = card().services();
    Procedure p(card(), "CMD_RUBRICA1_ButtonClick");
    p.step([&] {
        if (!st.GRDX_VARIANTI_SOURCE->grouped()) {
            st.GRDX_VARIANTI_SOURCE->setGroupField("LETTERA");
            CMD_RUBRICA1->setText(QString::fromStdString(
                ws.TraduciTesto("Disattiva visualizzazione rubrica", 76562)));
        } else {
            st.GRDX_VARIANTI_SOURCE->setGroupField("");
            CMD_RUBRICA1->setText(
                QString::fromStdString(ws.TraduciTesto("Attiva visualizzazione rubrica", 76561)));
        }
    });
}

void GestioneVariantiTab::CMD_SEARCH_Click() {
    StatoOpzioni& st = stato();
    db::Recordset* rs = st.sorgente.get();
    if (!rs || !rs->isOpen())
        return;
    Procedure p(card(), "CMD_SEARCH_Click");
    const std::string cerca = maiuscolo(rtrim(testoBox(st.TXT_DESOPZIONE_ORIG)));
    p.step([&] {
        if (st.GRDX_VARIANTI_SOURCE->grouped())
            CMD_RUBRICA1_ButtonClick();
    });
    p.step([&] {
        // Detached while every row changes, so the grid redraws once.
        st.GRDX_VARIANTI_SOURCE->setRecordset(nullptr);
        int fDes = rs->fieldIndex("MG5E_DESCR");
        int fSort = rs->fieldIndex("SORT_CODE");
        int fSel = rs->fieldIndex("SELEZ");
        for (long r = 0; r < rs->recordCount(); ++r) {
            bool trovata =
                maiuscolo(rs->valueAt(r, fDes).toText()).find(cerca) != std::string::npos;
            rs->setValueAt(r, fSort, db::Value(trovata ? 1 : 0));
        }
        for (long r = 0; r < rs->recordCount(); ++r)
            rs->setValueAt(r, fSel, db::Value(spuntato(rs->valueAt(r, fSort)) ? 1 : 0));
    });
    p.step([&] {
        ScriviSelezioniSorgente(card());
        card().connection().execute("UPDATE #TMP_ORIG SET SORT_CODE = SELEZ");
    });
    p.step([&] {
        rs->setSort("SORT_CODE DESC");
        rs->moveFirst();
    });
    st.GRDX_VARIANTI_SOURCE->setRecordset(rs);
}

// -------------------------------------------------------- options management

void GestioneVariantiTab::CMD_LINK1_Click() {
    StatoOpzioni& st = stato();
    Procedure p(card(), "CMD_LINK1_Click");
    p.step(
        [&] { st.variantePreselezionata = static_cast<short>(st.CBO_TIPOVAR1->currentIndex()); });
    p.step([&] {
        CLSMG_OPZIONI gestione;
        gestione.ADOConnection = &card().connection();
        gestione.ActiveInterface = card().Pcls_Interface();
        gestione.CodiceDitta = card().companyCode();
        gestione.PosizioneVariante = st.variante;
        gestione.CodiceVariante = st.opzione;
        gestione.esegui(card().widget());
    });
    p.step([&] {
        card().clearLoadedItems({common::kTabGestioneVarianti, common::kTabTrascodificaVarianti});
        card().selectTab(card().currentTab());
    });
}

namespace {
const common::CardTabRegistration registrazione(common::kTabGestioneVarianti,
                                                [](common::ItemCard& c) {
                                                    return std::make_unique<GestioneVariantiTab>(c);
                                                });
}  // namespace

}  // namespace groupings
