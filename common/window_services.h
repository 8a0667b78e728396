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
class QTableView;

namespace db {
class Connection;
}
namespace framework {
class Cinterface;
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

// Provider errors as the report lists them.
struct ErroreProvider {
    std::string sqlState;
    long nativeError = 0;
    std::string message;
    std::string source;
};

// What the error report shows.
struct RapportoErrore {
    ErroreCorrente error;
    std::vector<ErroreProvider> providerErrors;  // of the window's connection
    std::string application;                     // identifying text of the application
    std::string caption;                         // the window's caption
    std::string procedure;
    int style = 0;
};

// The host as the services reach it through Pcls_Interface: its
// multilingual service, navigator and script layer. The window's host
// adapter implements it over the framework; without one the services work
// as without a host.
class HostServices {
public:
    virtual ~HostServices() = default;
    virtual int messageBox(const std::string& text, int style, const std::string& title) = 0;
    virtual int catalogueMessage(long number, const std::vector<db::Value>& parameters, int style,
                                 const std::string& title) = 0;
    virtual std::string catalogueText(long number, const std::vector<db::Value>& parameters) = 0;
    virtual std::string translate(const std::string& text) = 0;
    virtual void syncNavigator() = 0;  // active component, frame status, refresh
    virtual void formEvent(const std::string& windowName, bool open) = 0;
    // The form-event object's answer to the close request: true refuses it.
    virtual bool closeRefused() = 0;
    // The host's error report; answers the button chosen.
    virtual int errorReport(const RapportoErrore& report) = 0;
};

// The dialogs shown without a host (the framework's message service and
// error-report object). Process-wide; tests put a scripted one in place.
class Dialoghi {
public:
    virtual ~Dialoghi() = default;
    virtual int KOVMsgBox(const std::string& text, int style, const std::string& title) = 0;
    virtual int errorReport(const RapportoErrore& report) = 0;
};
void setDialoghi(Dialoghi* dialogs);  // nullptr: Qt message boxes
Dialoghi& dialoghi();

class WindowServices {
public:
    WindowServices();
    ~WindowServices();
    WindowServices(const WindowServices&) = delete;
    WindowServices& operator=(const WindowServices&) = delete;

    // ---- set up by the window's load, cleared by its unload
    void setInterface(framework::Cinterface* pclsInterface, HostServices* host) {
        interface_ = pclsInterface;
        hostServices_ = host;
    }
    framework::Cinterface* Pcls_Interface() const { return interface_; }
    HostServices* host() const { return hostServices_; }
    void setConnection(db::Connection* connection) { connection_ = connection; }
    db::Connection* connection() const { return connection_; }
    // The window: parent of the dialogs, its caption goes in the error report,
    // its object name names it to the script layer.
    void setWindow(QWidget* window) { window_ = window; }
    void createErrorReport() { errorReport_ = true; }
    void releaseErrorReport() { errorReport_ = false; }
    bool hasErrorReport() const { return errorReport_; }

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
    // Column captions of the grid's horizontal header, when its model takes them.
    void TraduciColonne(QTableView* grid);
    void SyncNavigator();
    void ExecuteFormEvent(const std::string& event);  // "tsOpen" / "tsClose"

private:
    framework::Cinterface* interface_ = nullptr;
    HostServices* hostServices_ = nullptr;
    bool errorReport_ = false;
    db::Connection* connection_ = nullptr;
    QWidget* window_ = nullptr;
};

}  // namespace common
