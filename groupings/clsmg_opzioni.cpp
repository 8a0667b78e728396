#include "groupings/clsmg_opzioni.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "common/box_text.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "groupings/groupings_sql.h"
#include "platform/controls/data_grid.h"
#include "platform/db/connection.h"
#include "platform/db/errors.h"
#include "platform/db/recordset.h"
#include "platform/framework/component_registry.h"

namespace groupings {

namespace {

const bool registrato = [] {
    framework::RegisterComponent(kProgIdOpzioni, [] { return std::make_unique<CLSMG_OPZIONI>(); });
    return true;
}();

}  // namespace

CLSMG_OPZIONI::CLSMG_OPZIONI() {
    AcceptProperties({"PosizioneVariante", "CodiceVariante"});
}

QWidget* CLSMG_OPZIONI::CreateForm(QWidget* parent) {
    db::Connection* cn = ADOConnection() ? ADOConnection() : Connection();
    if (!cn)
        return nullptr;
    auto* window = new FRMMG_OPZIONI(*cn, TextProperty("CodiceDitta"),
                                     TextProperty("PosizioneVariante"), parent, this);
    window->carica(TextProperty("CodiceVariante"));
    return window;
}

FRMMG_OPZIONI::FRMMG_OPZIONI(db::Connection& connection, std::string ditta, std::string variante,
                             QWidget* parent, framework::Cinterface* host)
    : QDialog(parent),
      cn_(connection),
      ws_(std::make_unique<common::WindowServices>()),
      ditta_(std::move(ditta)),
      variante_(std::move(variante)) {
    (void)registrato;
    // The host's catalogue only when the host gave its global object: the
    // services would otherwise answer every question with nothing.
    ws_->setInterface(host && host->ClsGlobal() ? host : nullptr);
    ws_->setConnection(&cn_);
    ws_->setWindow(this);
    setObjectName("FRMMG_OPZIONI");
    setWindowTitle(QString::fromStdString(ws_->TraduciTesto(
        "Gestione opzioni variante " + variante_, 91560, {{db::Value(variante_)}})));
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Opzione"), this), 0, 0);
    TXT_OPZIONE = new QLineEdit(this);
    layout->addWidget(TXT_OPZIONE, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Descrizione"), this), 1, 0);
    TXT_DESCR = new QLineEdit(this);
    TXT_DESCR->setMaxLength(80);
    layout->addWidget(TXT_DESCR, 1, 1);
    auto* cmds = new QHBoxLayout;
    CMD_NUOVO = new QPushButton(QStringLiteral("Nuovo"), this);
    CMD_SALVA = new QPushButton(QStringLiteral("Conferma"), this);
    CMD_ELIMINA = new QPushButton(QStringLiteral("Elimina"), this);
    CMD_CHIUDI = new QPushButton(QStringLiteral("Chiudi"), this);
    for (const auto& b : {CMD_NUOVO, CMD_SALVA, CMD_ELIMINA, CMD_CHIUDI}) {
        b->setAutoDefault(false);
        cmds->addWidget(b);
    }
    layout->addLayout(cmds, 2, 0, 1, 2);
    GRD_OPZIONI = new controls::DataGrid(this);
    GRD_OPZIONI->SetReadOnly(true);
    GRD_OPZIONI->Columns().Add("MG5E_OPZIONE", QStringLiteral("Opzione")).SetWidth(120);
    GRD_OPZIONI->Columns().Add("MG5E_DESCR", QStringLiteral("Descrizione")).SetWidth(300);
    layout->addWidget(GRD_OPZIONI, 3, 0, 1, 2);
    LBL_STATO = new QLabel(this);
    layout->addWidget(LBL_STATO, 4, 0, 1, 2);
    resize(520, 420);
    ws_->TranslateControls(this);

    connect(CMD_NUOVO, &QPushButton::clicked, this, [this] { nuovo(); });
    connect(CMD_SALVA, &QPushButton::clicked, this, [this] { salva(); });
    connect(CMD_ELIMINA, &QPushButton::clicked, this, [this] { elimina(); });
    connect(CMD_CHIUDI, &QPushButton::clicked, this, &QDialog::accept);
    connect(GRD_OPZIONI, &controls::DataGrid::rowChanged, this,
            [this](long, long) { rigaCambiata(); });

    try {
        db::Recordset dim;
        dim.open(sqlVariantSize(ditta_, variante_), cn_);
        if (dim.recordCount() == 1) {
            auto d = dim.value("MG5F_SIZE").toDecimal();
            if (d && d->toInt64().value_or(0) > 0)
                size_ = static_cast<int>(std::min<std::int64_t>(20, *d->toInt64()));
        }
    } catch (const std::exception& e) {
        LBL_STATO->setText(QString::fromStdString(e.what()));
    }
    TXT_OPZIONE->setMaxLength(size_);
}

FRMMG_OPZIONI::~FRMMG_OPZIONI() {
    GRD_OPZIONI->SetDataSource(nullptr);
}

void FRMMG_OPZIONI::carica(const std::string& posizionaSu) {
    GRD_OPZIONI->SetDataSource(nullptr);
    rs_.reset();
    auto rs = std::make_unique<db::Recordset>();
    try {
        rs->open(sqlVariantOptions(ditta_, variante_, true), cn_);
    } catch (const std::exception& e) {
        LBL_STATO->setText(QString::fromStdString(e.what()));
        return;
    }
    rs_ = std::move(rs);
    const int f = rs_->fieldIndex("MG5E_OPZIONE");
    const std::string cercata = common::NzValore(db::Value(posizionaSu));
    for (long r = 0; r < rs_->recordCount(); ++r)
        if (db::Value::compare(rs_->valueAt(r, f), db::Value(cercata)) == 0) {
            rs_->setAbsolutePosition(r + 1);
            break;
        }
    GRD_OPZIONI->SetDataSource(rs_.get());
    rigaCambiata();
}

void FRMMG_OPZIONI::mostraStato(const std::string& testo, long numero) {
    LBL_STATO->setText(QString::fromStdString(ws_->TraduciTesto(testo, numero)));
}

void FRMMG_OPZIONI::rigaCambiata() {
    if (!rs_ || !rs_->hasCurrentRow())
        return;
    nuova_ = false;
    TXT_OPZIONE->setText(QString::fromStdString(common::NzStringa(rs_->value("MG5E_OPZIONE"))));
    TXT_DESCR->setText(QString::fromStdString(common::NzStringa(rs_->value("MG5E_DESCR"))));
    TXT_OPZIONE->setEnabled(false);
}

void FRMMG_OPZIONI::nuovo() {
    nuova_ = true;
    TXT_OPZIONE->setEnabled(true);
    TXT_OPZIONE->clear();
    TXT_DESCR->clear();
    LBL_STATO->clear();
    TXT_OPZIONE->setFocus();
}

bool FRMMG_OPZIONI::salva() {
    const std::string codice = common::BoxText(TXT_OPZIONE);
    const std::string descr = common::BoxText(TXT_DESCR);
    if (codice.empty() || codice.find('\'') != std::string::npos ||
        TXT_OPZIONE->text().size() > size_) {
        mostraStato("Codice opzione non valido.", 91561);
        return false;
    }
    bool esiste = false;
    if (rs_) {
        const int f = rs_->fieldIndex("MG5E_OPZIONE");
        // As the database compares codes: "blu" is the option BLU.
        const db::Value cercato(codice);
        for (long r = 0; r < rs_->recordCount() && !esiste; ++r)
            esiste = db::Value::compare(rs_->valueAt(r, f), cercato) == 0;
    }
    try {
        // The list may be older than the table: the table decides.
        if (!esiste) {
            db::Recordset stored;
            stored.open(sqlOptionStored(ditta_, variante_, codice), cn_);
            esiste = stored.recordCount() > 0;
        }
    } catch (const std::exception& e) {
        LBL_STATO->setText(QString::fromStdString(e.what()));
        return false;
    }
    // A code typed after Nuovo that is an option already: its description,
    // shared by every item, is replaced only when the user says so.
    if (esiste && nuova_ &&
        ws_->VisualizzaMessaggio("L'opzione \"" + codice +
                                     "\" esiste gi\xC3\xA0: sostituirne la descrizione con "
                                     "quella indicata?",
                                 91549, common::vbYesNo + common::vbQuestion,
                                 windowTitle().toStdString(),
                                 {{db::Value(codice)}}) != common::vbYes)
        return false;  // what was typed stays, for another code or description
    try {
        if (esiste)
            cn_.execute(sqlWindowSetOptionDescription(ditta_, variante_, codice, descr));
        else
            cn_.execute(sqlWindowInsertOption(ditta_, variante_, codice, descr));
    } catch (const std::exception& e) {
        LBL_STATO->setText(QString::fromStdString(e.what()));
        return false;
    }
    LBL_STATO->clear();
    carica(codice);
    return true;
}

bool FRMMG_OPZIONI::elimina() {
    if (!rs_ || !rs_->hasCurrentRow())
        return false;
    const std::string codice = common::NzStringa(rs_->value("MG5E_OPZIONE"));
    try {
        cn_.execute(sqlWindowDeleteOption(ditta_, variante_, codice));
    } catch (const db::DbError& e) {
        if (e.sqlState() == db::sqlstate::kIntegrity)
            mostraStato("L'opzione \xC3\xA8 gi\xC3\xA0 stata utilizzata. Impossibile eliminarla.",
                        91562);
        else
            LBL_STATO->setText(QString::fromStdString(e.what()));
        return false;
    }
    LBL_STATO->clear();
    carica("");
    return true;
}

}  // namespace groupings
