#include "host/gestione_host.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/value_helpers.h"
#include "platform/controls/dialog_buttons.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace host {

namespace {

struct Campo {
    const char* property;
    const char* caption;
    const char* name;
};

// The values a management may receive, in the order the window lists them.
const Campo kCampi[] = {
    {"CodiceArticolo", "Articolo", "TXT_ARTICOLO"},
    {"Pvar_CodiceEsterno", "Codice esterno", "TXT_CODESTERNO"},
    {"CodiceCiclo", "Ciclo standard", "TXT_CICLO"},
    {"CodiceVariante", "Variante", "TXT_VARIANTE"},
    {"CodiceRaggruppamento", "Raggruppamento", "TXT_RAGGRUPPAMENTO"},
    {"CodiceOpzione", "Opzione", "TXT_OPZIONE"},
};

QLineEdit* campo(QWidget* parent, const char* name, const std::string& text) {
    auto* e = new QLineEdit(QString::fromStdString(text), parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setPlaceholderText(QStringLiteral("(nessuno)"));
    e->setMinimumWidth(320);
    return e;
}

}  // namespace

std::string DescrizioneArticolo(db::Connection* connection, const std::string& ditta,
                                const std::string& item) {
    if (!connection || ditta.empty() || item.empty())
        return {};
    try {
        db::Recordset rs;
        rs.open("SELECT MG66_DESCART FROM MG66_ANAGRART WITH (NOLOCK) WHERE MG66_DITTA_CG18 = " +
                    ditta + " AND MG66_CODART = '" + common::RaddoppiaApici(item) + "'",
                *connection);
        if (rs.recordCount() == 0)
            return {};
        rs.moveFirst();
        return common::NzStringa(rs.value("MG66_DESCART"));
    } catch (const std::exception&) {
        return {};
    }
}

GestioneHost::GestioneHost(std::string program, std::string title)
    : program_(std::move(program)), title_(std::move(title)) {
    for (const Campo& c : kCampi)
        AcceptProperties({c.property});
}

QWidget* GestioneHost::CreateForm(QWidget* parent) {
    std::vector<ValoreRicevuto> values;
    for (const Campo& c : kCampi) {
        const db::Value v = ValueProperty(c.property);
        values.push_back({c.property, common::NzStringa(v), v.type() != db::Value::Type::Empty});
    }
    db::Connection* cn = ADOConnection() ? ADOConnection() : Connection();
    return new FRMHOST_GESTIONE(program_, title_, cn, TextProperty("CodiceDitta"), values, parent);
}

FRMHOST_GESTIONE::FRMHOST_GESTIONE(const std::string& program, const std::string& title,
                                   db::Connection* connection, const std::string& ditta,
                                   const std::vector<ValoreRicevuto>& values, QWidget* parent)
    : QDialog(parent) {
    setObjectName("FRMHOST_GESTIONE");
    setWindowTitle(QString::fromStdString(title));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QString::fromStdString(title), this);
    heading->setObjectName("LBL_TITOLO");
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    heading->setFont(bold);
    layout->addWidget(heading);
    layout->addWidget(
        new QLabel(QStringLiteral("Aperta dalla scheda prodotto con questi dati:"), this));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Programma"), campo(this, "TXT_PROGRAMMA", program));
    form->addRow(QStringLiteral("Ditta"), campo(this, "TXT_DITTA", ditta));
    for (const Campo& c : kCampi) {
        for (const ValoreRicevuto& v : values) {
            if (std::string(v.property) != c.property || !v.given)
                continue;
            form->addRow(QString::fromUtf8(c.caption), campo(this, c.name, v.text));
            if (std::string(c.property) == "CodiceArticolo" ||
                std::string(c.property) == "Pvar_CodiceEsterno")
                form->addRow(
                    QStringLiteral("Descrizione"),
                    campo(this, "TXT_DESCART", DescrizioneArticolo(connection, ditta, v.text)));
        }
    }
    layout->addLayout(form);
    CMD_CHIUDI = controls::AddCloseButton(this, layout);
}

}  // namespace host
