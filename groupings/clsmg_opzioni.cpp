#include "groupings/clsmg_opzioni.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "common/box_text.h"
#include "common/value_helpers.h"
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
                                     TextProperty("PosizioneVariante"), parent);
    window->carica(TextProperty("CodiceVariante"));
    return window;
}

FRMMG_OPZIONI::FRMMG_OPZIONI(db::Connection& connection, std::string ditta, std::string variante,
                             QWidget* parent)
    : QDialog(parent), cn_(connection), ditta_(std::move(ditta)), variante_(std::move(variante)) {
    (void)registrato;
    setObjectName("FRMMG_OPZIONI");
    setWindowTitle(QString::fromStdString("Gestione opzioni variante " + variante_));
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
        if (common::NzStringa(rs_->valueAt(r, f)) == cercata) {
            rs_->setAbsolutePosition(r + 1);
            break;
        }
    GRD_OPZIONI->SetDataSource(rs_.get());
    rigaCambiata();
}

void FRMMG_OPZIONI::rigaCambiata() {
    if (!rs_ || !rs_->hasCurrentRow())
        return;
    TXT_OPZIONE->setText(QString::fromStdString(common::NzStringa(rs_->value("MG5E_OPZIONE"))));
    TXT_DESCR->setText(QString::fromStdString(common::NzStringa(rs_->value("MG5E_DESCR"))));
    TXT_OPZIONE->setEnabled(false);
}

void FRMMG_OPZIONI::nuovo() {
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
        LBL_STATO->setText(QStringLiteral("Codice opzione non valido."));
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
        LBL_STATO->setText(e.sqlState() == db::sqlstate::kIntegrity
                               ? QStringLiteral("L'opzione \u00e8 gi\u00e0 stata utilizzata. "
                                                "Impossibile eliminarla.")
                               : QString::fromStdString(e.what()));
        return false;
    }
    LBL_STATO->clear();
    carica("");
    return true;
}

}  // namespace groupings
