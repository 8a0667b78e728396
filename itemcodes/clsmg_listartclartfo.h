#pragma once
// ZOLT_LISTINI.CLSMG_LISTARTCLARTFO: the price lists of a customer's or
// supplier's item code, a sibling component the item-code tabs open on a
// code. Its window shows the code it was given (counterpart, our item and
// variant article, the code's own description and purchasing or sales
// terms) and the price lists recorded for it.
//
// The caller hands it, after the usual context (HandContext), the parameter
// record by name: Modo (0: consultation), TipoCF (0 customer, 1 supplier),
// ArtCliFor (the counterpart's item code) and CliFor (the counterpart).

#include <QDialog>
#include <QPointer>
#include <string>

#include "platform/db/forward.h"
#include "platform/framework/component_base.h"
#include "platform/framework/global.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace itemcodes {

inline constexpr const char* kProgIdListini = "ZOLT_LISTINI.CLSMG_LISTARTCLARTFO";

// The parameter record, in its order, as named values for the launcher.
framework::ProgramContext ParametriListini(int modo, int tipo, const std::string& artCliFor,
                                           long cliFor);

class FRMMG_LISTARTCLARTFO;

class CLSMG_LISTARTCLARTFO : public framework::ComponentBase {
public:
    CLSMG_LISTARTCLARTFO();
    FRMMG_LISTARTCLARTFO* finestra() const;

protected:
    QWidget* CreateForm(QWidget* parent) override;
};

class FRMMG_LISTARTCLARTFO : public QDialog {
    Q_OBJECT
public:
    FRMMG_LISTARTCLARTFO(db::Connection* connection, std::string ditta, int tipo,
                         std::string artCliFor, long cliFor, QWidget* parent = nullptr);

    // Reads the code again; false (with the reason shown) when it is not found.
    bool carica();

    QPointer<QLineEdit> TXT_CLIFOR;      // counterpart code and name
    QPointer<QLineEdit> TXT_ARTCLIFOR;   // their item code
    QPointer<QLineEdit> TXT_DESCARTCF;   // its own description
    QPointer<QLineEdit> TXT_CODART;      // our item and its description
    QPointer<QLineEdit> TXT_OPZIONE;     // the variant article
    QPointer<QLineEdit> TXT_CONDIZIONI;  // lots, delivery days, packs
    QPointer<QLabel> LBL_LISTINI;        // the price lists, or why there are none
    QPointer<QPushButton> CMD_CHIUDI;

private:
    db::Connection* cn_;
    std::string ditta_;
    int tipo_;
    std::string artCliFor_;
    long cliFor_;
};

}  // namespace itemcodes
