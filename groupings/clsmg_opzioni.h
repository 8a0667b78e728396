#pragma once
// ZOLT_OPZIONI.CLSMG_OPZIONI: the options management of the application, a
// sibling component the options tab opens on the current variant. A small
// window over MG5E_OPZIONI of one variant: list, new, save, delete.

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace db {
class Connection;
class Recordset;
}  // namespace db
namespace framework {
class Cinterface;
}
namespace variants {
class RecordGrid;
}

namespace groupings {

inline constexpr const char* kProgIdOpzioni = "ZOLT_OPZIONI.CLSMG_OPZIONI";

class FRMMG_OPZIONI;

class CLSMG_OPZIONI {
public:
    CLSMG_OPZIONI();
    ~CLSMG_OPZIONI();

    // ---- what the caller hands over before running it
    db::Connection* ADOConnection = nullptr;
    framework::Cinterface* ActiveInterface = nullptr;
    std::string CodiceDitta;
    std::string CodiceLingua;
    std::string PosizioneVariante;  // "A0".."B9"
    std::string CodiceVariante;     // option to show first

    // Shows the window modally on the variant; returns when it closes.
    void esegui(QWidget* parent = nullptr);
    // The window while it runs (for the host's scripts and tests).
    FRMMG_OPZIONI* finestra() const { return window_; }

private:
    FRMMG_OPZIONI* window_ = nullptr;
};

class FRMMG_OPZIONI : public QDialog {
    Q_OBJECT
public:
    FRMMG_OPZIONI(db::Connection& connection, std::string ditta, std::string variante,
                  QWidget* parent = nullptr);
    ~FRMMG_OPZIONI() override;

    void carica(const std::string& posizionaSu);  // reloads the list
    void nuovo();
    bool salva();    // false, with the reason in the status line, when refused
    bool elimina();  // the current option

    QLineEdit* TXT_OPZIONE = nullptr;
    QLineEdit* TXT_DESCR = nullptr;
    QPushButton* CMD_NUOVO = nullptr;
    QPushButton* CMD_SALVA = nullptr;
    QPushButton* CMD_ELIMINA = nullptr;
    QPushButton* CMD_CHIUDI = nullptr;
    QLabel* LBL_STATO = nullptr;
    variants::RecordGrid* GRD_OPZIONI = nullptr;
    db::Recordset* recordset() const;

private:
    void rigaCambiata();
    db::Connection& cn_;
    std::string ditta_;
    std::string variante_;
    int size_ = 20;
    db::Recordset* rs_ = nullptr;
};

}  // namespace groupings
