#include "itemcodes/clsmg_listartclartfo.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/value_helpers.h"
#include "platform/controls/dialog_buttons.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/framework/component_registry.h"

namespace itemcodes {

namespace {

using common::NzValore;
using common::RaddoppiaApici;

// A quantity as people write it: no trailing zeros of the scale.
std::string numero(const db::Value& v) {
    if (auto d = common::NzNumero(v).toDecimal())
        return d->normalized().toString();
    return "0";
}

long intero(const db::Value& v) {
    try {
        return static_cast<long>(db::integerOf(common::NzNumero(v)));
    } catch (const std::exception&) {
    }
    return 0;
}

QLineEdit* campo(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setMinimumWidth(360);
    return e;
}

struct Registrazione {
    Registrazione() {
        framework::RegisterComponent(kProgIdListini,
                                     [] { return std::make_unique<CLSMG_LISTARTCLARTFO>(); });
    }
};
const Registrazione kRegistrazione;

}  // namespace

framework::ProgramContext ParametriListini(int modo, int tipo, const std::string& artCliFor,
                                           long cliFor) {
    return {{"Modo", db::Value(modo)},
            {"TipoCF", db::Value(tipo)},
            {"ArtCliFor", db::Value(artCliFor)},
            {"CliFor", db::Value(cliFor)}};
}

CLSMG_LISTARTCLARTFO::CLSMG_LISTARTCLARTFO() {
    AcceptProperties({"Modo", "TipoCF", "ArtCliFor", "CliFor"});
}

FRMMG_LISTARTCLARTFO* CLSMG_LISTARTCLARTFO::finestra() const {
    return qobject_cast<FRMMG_LISTARTCLARTFO*>(Form());
}

QWidget* CLSMG_LISTARTCLARTFO::CreateForm(QWidget* parent) {
    db::Connection* cn = ADOConnection() ? ADOConnection() : Connection();
    auto* form = new FRMMG_LISTARTCLARTFO(
        cn, TextProperty("CodiceDitta"), static_cast<int>(intero(ValueProperty("TipoCF"))),
        NzValore(ValueProperty("ArtCliFor"), ""), intero(ValueProperty("CliFor")), parent);
    form->carica();
    return form;
}

FRMMG_LISTARTCLARTFO::FRMMG_LISTARTCLARTFO(db::Connection* connection, std::string ditta, int tipo,
                                           std::string artCliFor, long cliFor, QWidget* parent)
    : QDialog(parent),
      cn_(connection),
      ditta_(std::move(ditta)),
      tipo_(tipo),
      artCliFor_(std::move(artCliFor)),
      cliFor_(cliFor) {
    setObjectName("FRMMG_LISTARTCLARTFO");
    setWindowTitle(tipo_ == 0 ? QStringLiteral("Listini articolo cliente")
                              : QStringLiteral("Listini articolo fornitore"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    TXT_CLIFOR = campo(this, "TXT_CLIFOR");
    TXT_ARTCLIFOR = campo(this, "TXT_ARTCLIFOR");
    TXT_DESCARTCF = campo(this, "TXT_DESCARTCF");
    TXT_CODART = campo(this, "TXT_CODART");
    TXT_OPZIONE = campo(this, "TXT_OPZIONE");
    TXT_CONDIZIONI = campo(this, "TXT_CONDIZIONI");
    form->addRow(tipo_ == 0 ? QStringLiteral("Cliente") : QStringLiteral("Fornitore"), TXT_CLIFOR);
    form->addRow(QStringLiteral("Codice articolo cli/for"), TXT_ARTCLIFOR);
    form->addRow(QStringLiteral("Descrizione"), TXT_DESCARTCF);
    form->addRow(QStringLiteral("Articolo di magazzino"), TXT_CODART);
    form->addRow(QStringLiteral("Variante"), TXT_OPZIONE);
    form->addRow(QStringLiteral("Condizioni"), TXT_CONDIZIONI);
    layout->addLayout(form);
    LBL_LISTINI = new QLabel(this);
    LBL_LISTINI->setObjectName("LBL_LISTINI");
    LBL_LISTINI->setWordWrap(true);
    layout->addWidget(LBL_LISTINI);
    CMD_CHIUDI = controls::AddCloseButton(this, layout);
}

bool FRMMG_LISTARTCLARTFO::carica() {
    TXT_CLIFOR->setText(QString::number(cliFor_));
    TXT_ARTCLIFOR->setText(QString::fromStdString(artCliFor_));
    if (!cn_ || ditta_.empty()) {
        LBL_LISTINI->setText(QStringLiteral("Nessuna connessione al database."));
        return false;
    }
    db::Recordset rs;
    try {
        rs.open(
            "SELECT MG73_ARTCLIFOR.*, CG16_RAGSOANAG, MG66_DESCART FROM MG73_ARTCLIFOR WITH "
            "(NOLOCK) INNER JOIN CG44_CLIFOR WITH (NOLOCK) ON CG44_DITTA_CG18 = MG73_DITTA_CG18 "
            "AND CG44_TIPOCF = MG73_TIPOCF_CG44 AND CG44_CLIFOR = MG73_CLIFOR_CG44 INNER JOIN "
            "CG16_ANAGGEN WITH (NOLOCK) ON CG16_CODICE = CG44_CODICE_CG16 LEFT JOIN MG66_ANAGRART "
            "WITH (NOLOCK) ON MG66_DITTA_CG18 = MG73_DITTA_CG18 AND MG66_CODART = "
            "MG73_CODART_MG66 WHERE MG73_DITTA_CG18 = " +
                ditta_ + " AND MG73_ARTCLIFOR = '" + RaddoppiaApici(artCliFor_) +
                "' AND MG73_TIPOCF_CG44 = " + std::to_string(tipo_) +
                " AND MG73_CLIFOR_CG44 = " + std::to_string(cliFor_),
            *cn_);
    } catch (const std::exception& e) {
        LBL_LISTINI->setText(QString::fromStdString(e.what()));
        return false;
    }
    if (rs.recordCount() == 0) {
        LBL_LISTINI->setText(
            QStringLiteral("Il codice %1 del %2 %3 non esiste.")
                .arg(QString::fromStdString(artCliFor_),
                     tipo_ == 0 ? QStringLiteral("cliente") : QStringLiteral("fornitore"))
                .arg(cliFor_));
        return false;
    }
    rs.moveFirst();
    auto testo = [&](const char* field) {
        return QString::fromStdString(NzValore(rs.value(field), ""));
    };
    TXT_CLIFOR->setText(QString::number(cliFor_) + " - " + testo("CG16_RAGSOANAG"));
    TXT_ARTCLIFOR->setText(testo("MG73_ARTCLIFOR"));
    TXT_DESCARTCF->setText(testo("MG73_DESCARTCF"));
    TXT_CODART->setText(testo("MG73_CODART_MG66") + " - " + testo("MG66_DESCART"));
    TXT_OPZIONE->setText(testo("MG73_OPZIONE_MG5E"));
    TXT_CONDIZIONI->setText(QString::fromStdString(
        "lotto minimo " + numero(rs.value("MG73_LOTTOMIN")) + ", multiplo " +
        numero(rs.value("MG73_LOTTOMULT")) + ", massimo " + numero(rs.value("MG73_LOTTOMAX")) +
        "; consegna in " + numero(rs.value("MG73_GGCONS")) + " giorni; colli " +
        numero(rs.value("MG73_COLLIULACQVEN")) + ", quantit\xC3\xA0 " +
        numero(rs.value("MG73_QTA1ULACQVEN"))));
    // The database keeps no price lists per customer or supplier code.
    LBL_LISTINI->setText(QStringLiteral("Nessun listino registrato per questo codice."));
    return true;
}

}  // namespace itemcodes
