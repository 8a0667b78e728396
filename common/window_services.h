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

#include "platform/db/errors.h"
#include "platform/db/value.h"
#include "platform/framework/error_report.h"

class QString;
class QWidget;
class QTableView;

namespace db {
class Connection;
}
namespace framework {
class Cinterface;
class Global;
class ErrorReport;
class CLSFW_MULTILINGUA;
}  // namespace framework

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

// What the error report shows: the error being handled, the provider errors
// of the window's connection, the application, the window and the procedure.
using ErroreCorrente = framework::ReportedError;
using ErroreProvider = db::ProviderError;
using RapportoErrore = framework::ErrorReportData;
ErroreCorrente describeError(const std::exception_ptr& error);

// "[x" + number + "x] " + text: a text without a catalogue entry.
std::string testoSenzaCatalogo(long number, const std::string& text);

// A count with its noun, agreeing in number ("1 variante", "2 varianti"):
// one catalogue text for one, another for any other count (%1 the count).
struct CountNoun {
    long singularNumber;
    const char* singular;  // "1 variante"
    long pluralNumber;
    const char* plural;  // "%1 varianti"
};
inline constexpr CountNoun kCaratteri{91602, "1 carattere", 91603, "%1 caratteri"};
inline constexpr CountNoun kVarianti{91604, "1 variante", 91605, "%1 varianti"};
inline constexpr CountNoun kVariantiArticolo{91606, "1 variante articolo", 91607,
                                             "%1 varianti articolo"};
inline constexpr CountNoun kRighe{91608, "1 riga", 91609, "%1 righe"};
inline constexpr CountNoun kOpzioni{91610, "1 opzione", 91611, "%1 opzioni"};
inline constexpr CountNoun kArticoli{91612, "1 articolo", 91613, "%1 articoli"};
// The Italian text of a count, as the card writes it without a host.
std::string countText(long count, const CountNoun& noun);

// The framework's message boxes and error report as one object, for code
// and tests that script both: installing one routes every message box
// (KOVMsgBox and the host's multilingual service) and every error report
// through it. Process-wide; nullptr restores the framework's dialogs.
class Dialoghi {
public:
    virtual ~Dialoghi() = default;
    virtual int KOVMsgBox(const std::string& text, int style, const std::string& title) = 0;
    virtual int errorReport(const RapportoErrore& report) = 0;
};
void setDialoghi(Dialoghi* dialogs);
Dialoghi& dialoghi();

class WindowServices {
public:
    WindowServices();
    ~WindowServices();
    WindowServices(const WindowServices&) = delete;
    WindowServices& operator=(const WindowServices&) = delete;

    // ---- set up by the window's load, cleared by its unload
    // The owning component: its ClsGlobal, ActiveFrame and ActiveNavigator
    // are read on every call. Null without a host.
    void setInterface(framework::Cinterface* pclsInterface) { interface_ = pclsInterface; }
    framework::Cinterface* Pcls_Interface() const { return interface_; }
    void setConnection(db::Connection* connection) { connection_ = connection; }
    db::Connection* connection() const { return connection_; }
    // The window: parent of the dialogs, its caption goes in the error report,
    // its object name names it to the script layer.
    void setWindow(QWidget* window) { window_ = window; }
    // The error-report object, from the window's load to its unload.
    void createErrorReport();
    void releaseErrorReport();
    bool hasErrorReport() const { return errorReport_ != nullptr; }
    // The message service made for use without a host (released with the window).
    void releaseMessageService();
    bool hasMessageService() const { return messageService_ != nullptr; }

    // ---- the services
    // IF OBJECT_ID('tempdb..{Name}') IS NOT NULL DROP TABLE {Name}; no trap.
    void EliminaTabellaTemp(const std::string& name);
    // Reports the error being handled under the procedure's name and answers
    // the button chosen (vbAbort, vbRetry, vbIgnore).
    int GestisciErrore(const std::string& procedure,
                       const std::exception_ptr& error = std::current_exception());
    int VisualizzaMessaggio(const std::string& text, long number, int style,
                            const std::string& title, const Parametri& parameters = std::nullopt);
    std::string TraduciTesto(const std::string& text, long number,
                             const Parametri& parameters = std::nullopt, short raddoppiaApici = 0);
    std::string TraduciCaption(const std::string& text);
    // The captions of a window's own controls under root (labels, commands,
    // check boxes, frame titles, tooltips, fixed list entries) in the user's
    // language, each by TraduciCaption of its text without its mnemonic.
    void TranslateControls(QWidget* root);
    QString TranslateCaption(const QString& text);
    // A count with its noun in the user's language (countText without a host).
    std::string CountText(long count, const CountNoun& noun);
    // Column captions: a DataGrid's columns, or another view's header when its
    // model takes them.
    void TraduciColonne(QTableView* grid);
    void SyncNavigator();
    void ExecuteFormEvent(const std::string& event);  // "tsOpen" / "tsClose"
    // The form-event object's answer to the last close request: true when
    // the host refused it (false without a host or form-event object).
    bool CloseRefused();

private:
    framework::Global& global() const;

    framework::Cinterface* interface_ = nullptr;
    std::unique_ptr<framework::ErrorReport> errorReport_;
    std::unique_ptr<framework::CLSFW_MULTILINGUA> messageService_;
    db::Connection* connection_ = nullptr;
    QWidget* window_ = nullptr;
};

}  // namespace common
