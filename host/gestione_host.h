#pragma once
// A management of the host opened for an item: its window FRMHOST_GESTIONE
// lists the context it received by named properties (CodiceArticolo,
// CodiceCiclo, CodiceVariante, CodiceRaggruppamento, CodiceOpzione,
// Pvar_CodiceEsterno) after the caller's own (HandContext).

#include <QDialog>
#include <QPointer>
#include <string>

#include "platform/db/forward.h"
#include "platform/framework/component_base.h"

class QLineEdit;
class QPushButton;

namespace host {

class GestioneHost : public framework::ComponentBase {
public:
    GestioneHost(std::string program, std::string title);

protected:
    QWidget* CreateForm(QWidget* parent) override;

private:
    std::string program_;
    std::string title_;
};

// One received value; given is false when the caller did not set it.
struct ValoreRicevuto {
    const char* property;
    std::string text;
    bool given = false;
};

class FRMHOST_GESTIONE : public QDialog {
    Q_OBJECT
public:
    FRMHOST_GESTIONE(const std::string& program, const std::string& title,
                     db::Connection* connection, const std::string& ditta,
                     const std::vector<ValoreRicevuto>& values, QWidget* parent = nullptr);

    QPointer<QPushButton> CMD_CHIUDI;
};

// "MG66_DESCART" of an item of the company; "" when it cannot be read.
std::string DescrizioneArticolo(db::Connection* connection, const std::string& ditta,
                                const std::string& item);

}  // namespace host
