#pragma once
// ClsGlobal, the host's global object: what every component reaches through
// Pcls_Interface->ClsGlobal(). The connection string, the current company
// and language, the multilingual service, the lookup service, the active
// component, and the launch of other managements of the host.

#include <map>
#include <memory>
#include <string>

#include "platform/db/value.h"
#include "platform/framework/company.h"
#include "platform/framework/lookup_service.h"
#include "platform/framework/multilingual.h"

class QWidget;

namespace framework {

class Cinterface;
class Navigator;

// Named values handed to a management the host opens ("CodiceArticolo",
// "CodiceCiclo", "CodiceVariante", "CodiceRaggruppamento"...).
using ProgramContext = std::map<std::string, db::Value>;

class Global {
public:
    Global();
    ~Global();
    Global(const Global&) = delete;
    Global& operator=(const Global&) = delete;

    // ---- context
    void SetConnectionString(std::string text) { connectionString_ = std::move(text); }
    const std::string& ConnectionString() const { return connectionString_; }
    void SetCurrentCompany(Company company);
    const Company& CurrentCompany() const { return company_; }
    // Language of the user ("" is the base language).
    void SetLanguage(std::string code) { language_ = std::move(code); }
    const std::string& Language() const { return language_; }
    // Identifies the running application in error reports.
    void SetApplicationName(std::string name) { application_ = std::move(name); }
    const std::string& ApplicationName() const { return application_; }

    // ---- services
    Multilingual& Multilingua() { return *multilingual_; }
    void SetMultilingua(Multilingual multilingual);
    LookupService Lookups() const { return LookupService(company_.Code()); }

    // ---- components
    // The component the host's toolbar and navigator serve.
    void SetActiveComponent(Cinterface* component) { active_ = component; }
    Cinterface* ActiveComponent() const { return active_; }
    void SetNavigator(Navigator* navigator) { navigator_ = navigator; }
    Navigator* HostNavigator() const { return navigator_; }
    // The host's main window: parent of the windows components open.
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }
    QWidget* MainWindow() const { return mainWindow_; }

    // Opens another management of the host for the caller (modal: answers
    // when it has been closed). The program is a component registered under
    // programId; it receives the caller's context (HandContext), the named
    // values of context, and is shown at top/left. Throws ComponentError when
    // no such program exists.
    void OpenProgram(const std::string& programId, const ProgramContext& context,
                     Cinterface* caller, int top = 800, int left = 1200);
    // Shows a component the caller created by identifier, as the host shows
    // its own: global object, connection, navigator, position; modal.
    void ShowComponent(Cinterface& component, Cinterface* caller, int top = 800, int left = 1200);
    // The host's connection handed to the components it shows (may be null).
    void SetHostConnection(db::Connection* connection) { hostConnection_ = connection; }
    db::Connection* HostConnection() const { return hostConnection_; }

    // ---- multimedia: what the host hands its multimedia manager
    const std::string& MediaFolder() const { return mediaFolder_; }
    void SetMediaFolder(std::string folder) { mediaFolder_ = std::move(folder); }

private:
    std::string connectionString_;
    Company company_;
    std::string language_;
    std::string application_ = "Veldrano";
    std::unique_ptr<Multilingual> multilingual_;
    Cinterface* active_ = nullptr;
    Navigator* navigator_ = nullptr;
    QWidget* mainWindow_ = nullptr;
    db::Connection* hostConnection_ = nullptr;
    std::string mediaFolder_;
};

}  // namespace framework
