#include "groupings/clsmg_opzioni.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/db/connection.h"
#include "platform/db/errors.h"
#include "platform/db/recordset.h"
#include "variants/record_grid.h"
#include "variants/sql_text.h"

namespace groupings {

using variants::letterale;
using variants::testo;

CLSMG_OPZIONI::CLSMG_OPZIONI() = default;
CLSMG_OPZIONI::~CLSMG_OPZIONI() = default;

void CLSMG_OPZIONI::esegui(QWidget* parent) {
    if (!ADOConnection)
        return;
    FRMMG_OPZIONI window(*ADOConnection, CodiceDitta, PosizioneVariante, parent);
    window_ = &window;
    window.carica(CodiceVariante);
    window.exec();
    window_ = nullptr;
}

FRMMG_OPZIONI::FRMMG_OPZIONI(db::Connection& connection, std::string ditta, std::string variante,
                             QWidget* parent)
    : QDialog(parent), cn_(connection), ditta_(std::move(ditta)), variante_(std::move(variante)) {
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
    for (auto* b : {CMD_NUOVO, CMD_SALVA, CMD_ELIMINA, CMD_CHIUDI})
        cmds->addWidget(b);
    layout->addLayout(cmds, 2, 0, 1, 2);
    GRD_OPZIONI = new variants::RecordGrid(this);
    GRD_OPZIONI->setColumns({{"MG5E_OPZIONE", "Opzione"}, {"MG5E_DESCR", "Descrizione"}},
                            "MG5E_OPZIONE");
    layout->addWidget(GRD_OPZIONI, 3, 0, 1, 2);
    LBL_STATO = new QLabel(this);
    layout->addWidget(LBL_STATO, 4, 0, 1, 2);

    connect(CMD_NUOVO, &QPushButton::clicked, this, [this] { nuovo(); });
    connect(CMD_SALVA, &QPushButton::clicked, this, [this] { salva(); });
    connect(CMD_ELIMINA, &QPushButton::clicked, this, [this] { elimina(); });
    connect(CMD_CHIUDI, &QPushButton::clicked, this, &QDialog::accept);
    connect(GRD_OPZIONI, &variants::RecordGrid::rowChanged, this, [this](long) { rigaCambiata(); });

    try {
        db::Recordset dim;
        dim.open("SELECT MG5F_SIZE FROM MG5F_DIMECONF WITH (NOLOCK) WHERE MG5F_DITTA_CG18 = " +
                     ditta_ + " AND MG5F_CODICEVAR = '" + variante_ + "'",
                 cn_);
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
    GRD_OPZIONI->setRecordset(nullptr);
    delete rs_;
}

db::Recordset* FRMMG_OPZIONI::recordset() const {
    return rs_;
}

void FRMMG_OPZIONI::carica(const std::string& posizionaSu) {
    GRD_OPZIONI->setRecordset(nullptr);
    delete rs_;
    rs_ = nullptr;
    auto rs = std::make_unique<db::Recordset>();
    try {
        rs->open(
            "SELECT MG5E_OPZIONE, MG5E_DESCR FROM MG5E_OPZIONI WITH (NOLOCK) WHERE "
            "MG5E_DITTA_CG18 = " +
                ditta_ + " AND MG5E_CODICEVAR_MG5F = '" + variante_ + "' ORDER BY MG5E_OPZIONE",
            cn_);
    } catch (const std::exception& e) {
        LBL_STATO->setText(QString::fromStdString(e.what()));
        return;
    }
    rs_ = rs.release();
    GRD_OPZIONI->setRecordset(rs_);
    int f = rs_->fieldIndex("MG5E_OPZIONE");
    for (long r = 0; r < rs_->recordCount(); ++r)
        if (testo(rs_->valueAt(r, f)) == variants::rtrim(posizionaSu)) {
            GRD_OPZIONI->selectRow(r);
            break;
        }
}

void FRMMG_OPZIONI::rigaCambiata() {
    if (!rs_ || rs_->eof() || rs_->bof())
        return;
    TXT_OPZIONE->setText(QString::fromStdString(testo(rs_->value("MG5E_OPZIONE"))));
    TXT_DESCR->setText(QString::fromStdString(testo(rs_->value("MG5E_DESCR"))));
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
    std::string codice = variants::rtrim(TXT_OPZIONE->text().toStdString());
    std::string descr = variants::rtrim(TXT_DESCR->text().toStdString());
    if (codice.empty() || codice.find('\'') != std::string::npos ||
        TXT_OPZIONE->text().size() > size_) {
        LBL_STATO->setText(QStringLiteral("Codice opzione non valido."));
        return false;
    }
    bool esiste = false;
    if (rs_) {
        int f = rs_->fieldIndex("MG5E_OPZIONE");
        for (long r = 0; r < rs_->recordCount() && !esiste; ++r)
            esiste = db::Value::compare(rs_->valueAt(r, f), db::Value(codice)) == 0;
    }
    try {
        if (esiste)
            cn_.execute("UPDATE MG5E_OPZIONI SET MG5E_DESCR = " + letterale(descr) +
                        " WHERE MG5E_DITTA_CG18 = " + ditta_ + " AND MG5E_CODICEVAR_MG5F = '" +
                        variante_ + "' AND MG5E_OPZIONE = " + letterale(codice));
        else
            cn_.execute(
                "INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, "
                "MG5E_DESCR) VALUES (" +
                ditta_ + ", '" + variante_ + "', " + letterale(codice) + ", " + letterale(descr) +
                ")");
    } catch (const std::exception& e) {
        LBL_STATO->setText(QString::fromStdString(e.what()));
        return false;
    }
    LBL_STATO->clear();
    carica(codice);
    return true;
}

bool FRMMG_OPZIONI::elimina() {
    if (!rs_ || rs_->eof() || rs_->bof())
        return false;
    std::string codice = testo(rs_->value("MG5E_OPZIONE"));
    try {
        cn_.execute("DELETE FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = " + ditta_ +
                    " AND MG5E_CODICEVAR_MG5F = '" + variante_ +
                    "' AND MG5E_OPZIONE = " + letterale(codice));
    } catch (const db::DbError& e) {
        LBL_STATO->setText(e.sqlState() == "23000"
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
