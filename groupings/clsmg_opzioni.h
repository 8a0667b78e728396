#pragma once
// ZOLT_OPZIONI.CLSMG_OPZIONI: the options management of the application, a
// sibling component the options tab creates by its programmatic identifier
// on the current variant. A small window over MG5E_OPZIONI of one variant:
// list, new, save, delete.
//
// Named properties beyond the caller's context: "PosizioneVariante" (the
// variant, "A0".."B9") and "CodiceVariante" (the option shown first).
//
// Its texts go through the host's catalogue when the component was given
// the host's global object, as the card's own; without one they carry
// their numbers.

#include <QDialog>
#include <QPointer>
#include <memory>
#include <string>

#include "common/forward.h"
#include "platform/controls/forward.h"
#include "platform/db/forward.h"
#include "platform/framework/component_base.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace groupings {

inline constexpr const char* kProgIdOpzioni = "ZOLT_OPZIONI.CLSMG_OPZIONI";

class CLSMG_OPZIONI : public framework::ComponentBase {
public:
    CLSMG_OPZIONI();

protected:
    QWidget* CreateForm(QWidget* parent) override;
};

class FRMMG_OPZIONI : public QDialog {
    Q_OBJECT
public:
    // host: the component that opened it, for the catalogue and message
    // boxes of the host (none: texts with their numbers).
    FRMMG_OPZIONI(db::Connection& connection, std::string ditta, std::string variante,
                  QWidget* parent = nullptr, framework::Cinterface* host = nullptr);
    ~FRMMG_OPZIONI() override;

    void carica(const std::string& posizionaSu);  // reloads the list
    void nuovo();
    // false, with the reason in the status line, when refused; a code typed
    // after Nuovo that is an option already is asked about first.
    bool salva();
    bool elimina();  // the current option

    QPointer<QLineEdit> TXT_OPZIONE;
    QPointer<QLineEdit> TXT_DESCR;
    QPointer<QPushButton> CMD_NUOVO;
    QPointer<QPushButton> CMD_SALVA;
    QPointer<QPushButton> CMD_ELIMINA;
    QPointer<QPushButton> CMD_CHIUDI;
    QPointer<QLabel> LBL_STATO;
    QPointer<controls::DataGrid> GRD_OPZIONI;
    db::Recordset* recordset() const { return rs_.get(); }

private:
    void rigaCambiata();
    void mostraStato(const std::string& testo, long numero);
    db::Connection& cn_;
    std::unique_ptr<common::WindowServices> ws_;
    std::string ditta_;
    std::string variante_;
    int size_ = 20;
    bool nuova_ = false;  // the boxes hold a code typed after Nuovo
    std::unique_ptr<db::Recordset> rs_;
};

}  // namespace groupings
