#include "host/anagrafica_articolo.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/value_helpers.h"
#include "host/gestione_host.h"
#include "window/launcher_programs.h"

namespace host {

CLSMG_ANAGRART::CLSMG_ANAGRART() {
    AcceptProperties({card::kCtxArticolo});
}

QWidget* CLSMG_ANAGRART::CreateForm(QWidget* parent) {
    db::Connection* cn = ADOConnection() ? ADOConnection() : Connection();
    auto* form = new FRMHOST_ANAGRART(cn, TextProperty("CodiceDitta"),
                                      common::NzStringa(ValueProperty(card::kCtxArticolo)), parent);
    form->onTrasferimento = [this](const std::string& item) {
        SetResult(card::kRispostaDati, db::Value(item));
        SetResult(card::kRispostaTipo, db::Value(card::kTrasferimentoArticolo));
    };
    return form;
}

FRMHOST_ANAGRART::FRMHOST_ANAGRART(db::Connection* connection, std::string ditta,
                                   const std::string& item, QWidget* parent)
    : QDialog(parent), cn_(connection), ditta_(std::move(ditta)) {
    setObjectName("FRMHOST_ANAGRART");
    setWindowTitle(QStringLiteral("Anagrafica articolo"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    TXT_CODART = new QLineEdit(QString::fromStdString(item), this);
    TXT_CODART->setObjectName("TXT_CODART");
    TXT_CODART->setMaxLength(25);
    TXT_DESCART = new QLineEdit(this);
    TXT_DESCART->setObjectName("TXT_DESCART");
    TXT_DESCART->setReadOnly(true);
    TXT_DESCART->setMinimumWidth(320);
    form->addRow(QStringLiteral("Articolo"), TXT_CODART);
    form->addRow(QStringLiteral("Descrizione"), TXT_DESCART);
    layout->addLayout(form);
    LBL_ESITO = new QLabel(this);
    LBL_ESITO->setObjectName("LBL_ESITO");
    LBL_ESITO->setWordWrap(true);
    layout->addWidget(LBL_ESITO);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    CMD_CONFERMA = new QPushButton(QStringLiteral("Torna alla scheda su questo articolo"), this);
    CMD_CONFERMA->setObjectName("CMD_CONFERMA");
    CMD_CONFERMA->setDefault(true);
    CMD_CHIUDI = new QPushButton(QStringLiteral("Chiudi"), this);
    CMD_CHIUDI->setObjectName("CMD_CHIUDI");
    buttons->addWidget(CMD_CONFERMA);
    buttons->addWidget(CMD_CHIUDI);
    layout->addLayout(buttons);
    connect(TXT_CODART, &QLineEdit::editingFinished, this, [this] { TXT_CODART_Validate(); });
    connect(CMD_CONFERMA, &QPushButton::clicked, this, [this] { CMD_CONFERMA_Click(); });
    connect(CMD_CHIUDI, &QPushButton::clicked, this, &QDialog::reject);
    TXT_CODART_Validate();
}

bool FRMHOST_ANAGRART::TXT_CODART_Validate() {
    const std::string code = common::NzStringa(db::Value(TXT_CODART->text().toStdString()));
    const std::string description = DescrizioneArticolo(cn_, ditta_, code);
    TXT_DESCART->setText(QString::fromStdString(description));
    if (description.empty() && !code.empty()) {
        LBL_ESITO->setText(QStringLiteral("L'articolo %1 non esiste nella ditta %2.")
                               .arg(QString::fromStdString(code), QString::fromStdString(ditta_)));
        return false;
    }
    LBL_ESITO->clear();
    return !code.empty();
}

bool FRMHOST_ANAGRART::CMD_CONFERMA_Click() {
    if (!TXT_CODART_Validate()) {
        TXT_CODART->setFocus();
        return false;
    }
    if (onTrasferimento)
        onTrasferimento(common::NzStringa(db::Value(TXT_CODART->text().toStdString())));
    accept();
    return true;
}

}  // namespace host
