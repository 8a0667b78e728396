#pragma once
// The host's item master (program MG.ANAGRART) opened on the card's item:
// its window FRMHOST_ANAGRART shows the item and lets the user move to
// another item of the company. Confirming hands the item code back to the
// caller as the component's DataTransfer answer of kind 101; closing hands
// nothing back.

#include <QDialog>
#include <QPointer>
#include <functional>
#include <string>

#include "platform/db/forward.h"
#include "platform/framework/component_base.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace host {

class CLSMG_ANAGRART : public framework::ComponentBase {
public:
    CLSMG_ANAGRART();

protected:
    QWidget* CreateForm(QWidget* parent) override;
};

class FRMHOST_ANAGRART : public QDialog {
    Q_OBJECT
public:
    FRMHOST_ANAGRART(db::Connection* connection, std::string ditta, const std::string& item,
                     QWidget* parent = nullptr);

    // CMD_CONFERMA: an item of the company is handed back and the window
    // closes; an unknown code is said in LBL_ESITO and the window stays.
    bool CMD_CONFERMA_Click();
    // Reads the description of the code in the box.
    bool TXT_CODART_Validate();

    // What the window hands back (the caller's DataTransfer).
    std::function<void(const std::string& item)> onTrasferimento;

    QPointer<QLineEdit> TXT_CODART;
    QPointer<QLineEdit> TXT_DESCART;
    QPointer<QLabel> LBL_ESITO;
    QPointer<QPushButton> CMD_CONFERMA;
    QPointer<QPushButton> CMD_CHIUDI;

private:
    db::Connection* cn_;
    std::string ditta_;
};

}  // namespace host
