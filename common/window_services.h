#pragma once
// Services the item card window offers its tabs: dropping a work table,
// the error report, messages and translation through the host's
// multilingual service, grid captions, and keeping the host's navigator and
// script layer in step with the window.
//
// The host's objects are read from Pcls_Interface on every call, never
// cached. Without a host, texts are shown after the prefix "[x" number "x] ".

#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/db/value.h"

class QWidget;

namespace db {
class Connection;
}
namespace framework {
class Cinterface;
}
namespace controls {
class DataGrid;
}

namespace common {

// Buttons a message box answers with.
enum Risposta : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

// Message-box style bits.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbAbortRetryIgnore = 2;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbRetryCancel = 5;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbDefaultButton2 = 256;
inline constexpr int vbSystemModal = 4096;
// The error report: abort, retry, ignore; critical; retry as default; system-modal.
inline constexpr int kStileErrore =
    vbSystemModal + vbDefaultButton2 + vbCritical + vbAbortRetryIgnore;

// Values inserted in a catalogue text; nullopt when the caller gives none.
using Parametri = std::optional<std::vector<db::Value>>;

// The current error as the error report receives it.
struct ErroreCorrente {
    long number = 0;
    std::string description;
    std::string source;
};
ErroreCorrente describeError(std::exception_ptr error);

// "[x" + number + "x] " + text: a text without a catalogue entry.
std::string testoSenzaCatalogo(long number, const std::string& text);

class WindowServices {
public:
    WindowServices();
    ~WindowServices();
    WindowServices(const WindowServices&) = delete;
    WindowServices& operator=(const WindowServices&) = delete;

    // ---- set up by the window's load, cleared by its unload
    void setInterface(framework::Cinterface* pclsInterface) { interface_ = pclsInterface; }
    framework::Cinterface* Pcls_Interface() const { return interface_; }
    void setConnection(db::Connection* connection) { connection_ = connection; }
    db::Connection* connection() const { return connection_; }
    // The window: parent of the dialogs, its caption goes in the error report,
    // its object name names it to the script layer.
    void setWindow(QWidget* window) { window_ = window; }
    void createErrorReport();
    void releaseErrorReport();
    bool hasErrorReport() const;

    // ---- the services
    // IF OBJECT_ID('tempdb..{Name}') IS NOT NULL DROP TABLE {Name}; no trap.
    void EliminaTabellaTemp(const std::string& name);
    // Reports the error being handled under the procedure's name and answers
    // the button chosen (vbAbort, vbRetry, vbIgnore).
    int GestisciErrore(const std::string& procedure,
                       std::exception_ptr error = std::current_exception());
    int VisualizzaMessaggio(const std::string& text, long number, int style,
                            const std::string& title, const Parametri& parameters = std::nullopt);
    std::string TraduciTesto(const std::string& text, long number,
                             const Parametri& parameters = std::nullopt, short raddoppiaApici = 0);
    std::string TraduciCaption(const std::string& text);
    void TraduciColonne(controls::DataGrid* grid);
    void SyncNavigator();
    void ExecuteFormEvent(const std::string& event);  // "tsOpen" / "tsClose"

private:
    struct Host;
    framework::Cinterface* interface_ = nullptr;
    db::Connection* connection_ = nullptr;
    QWidget* window_ = nullptr;
    std::unique_ptr<Host> host_;  // error report and message service
};

}  // namespace common
