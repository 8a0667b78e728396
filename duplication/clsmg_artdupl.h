#pragma once
// ZOLT_ARTDUPL.CLSMG_ARTDUPL: the item duplication of the application, a
// sibling component the item card opens (Invoca_DuplicazioneArticolo). A
// small window shows the item to duplicate and asks for the new code and
// description and what to copy with it; the copy runs in one transaction.
// ShowForm opens it (modal when WindowModal is set).
//
// Named properties: the context every sibling receives (ADOConnection,
// ActiveInterface, ClsDittaCorrente, CodiceDitta, CodiceLingua) and
// CodiceArticolo, the item to duplicate. After ShowForm it answers
// ArticoloDuplicato (true when a new item was created) and
// CodiceArticoloDuplicato (its code).

#include <QDialog>
#include <QPointer>
#include <memory>
#include <string>

#include "common/window_services.h"
#include "platform/framework/component_base.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace duplication {

inline constexpr const char* kProgIdArtDupl = "ZOLT_ARTDUPL.CLSMG_ARTDUPL";

class FRMMG_ARTDUPL;

class CLSMG_ARTDUPL : public framework::ComponentBase {
public:
    CLSMG_ARTDUPL();
    ~CLSMG_ARTDUPL() override;

    // The window while it is open (tests drive it).
    FRMMG_ARTDUPL* finestra() const;

protected:
    // The window on CodiceArticolo; none without a connection or an item.
    QWidget* CreateForm(QWidget* parent) override;
};

class FRMMG_ARTDUPL : public QDialog {
    Q_OBJECT
public:
    // host: the calling card's interface, through which the window speaks
    // the user's language and shows its messages (none: Italian, no host).
    FRMMG_ARTDUPL(db::Connection& connection, std::string ditta, std::string item,
                  QWidget* parent = nullptr, framework::Cinterface* host = nullptr);
    ~FRMMG_ARTDUPL() override;

    // CMD_DUPLICA: checks the new code and copies the item; answers whether
    // it was created (the window then closes).
    bool CMD_DUPLICA_Click();

    QPointer<QLineEdit> TXT_CODART_ORIG;
    QPointer<QLineEdit> TXT_DESCART_ORIG;
    QPointer<QLineEdit> TXT_CODART_NEW;
    QPointer<QLineEdit> TXT_DESCART_NEW;
    QPointer<QCheckBox> CHK_VARIANTI;
    QPointer<QCheckBox> CHK_DESCRIZIONI;
    QPointer<QCheckBox> CHK_DISTINTA;
    QPointer<QCheckBox> CHK_DATIPROD;
    QPointer<QPushButton> CMD_DUPLICA;
    QPointer<QPushButton> CMD_ANNULLA;

    bool duplicato() const { return duplicato_; }
    const std::string& codiceNuovo() const { return nuovo_; }
    common::WindowServices& services() { return services_; }

private:
    void copia(const std::string& code, const std::string& description);

    db::Connection& cn_;
    std::string ditta_;
    std::string item_;
    common::WindowServices services_;
    bool duplicato_ = false;
    std::string nuovo_;
};

}  // namespace duplication
