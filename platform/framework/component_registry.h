#pragma once
// Components by programmatic identifier ("ZOLT_VELDRANO.CLSMG_VELDRANO"), as
// the host creates them: a component library registers its classes when it
// is loaded, and anyone creates an instance by identifier. Sibling
// components receive the caller's context by named properties before their
// own operation.

#include <QObject>
#include <QtPlugin>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/framework/cinterface.h"

namespace framework {

using ComponentFactory = std::function<std::unique_ptr<Cinterface>()>;

// Registers (or replaces) the class behind an identifier.
void RegisterComponent(const std::string& progId, ComponentFactory factory);
void UnregisterComponent(const std::string& progId);
bool IsRegistered(const std::string& progId);
std::vector<std::string> RegisteredComponents();

// "ActiveX component can't create object": no class behind the identifier.
class ComponentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Creates an instance; throws ComponentError naming the identifier when none
// is registered.
std::unique_ptr<Cinterface> CreateObject(const std::string& progId);

// What a component library exports: QPluginLoader finds it by this interface
// and asks it to register its classes.
class ComponentLibrary {
public:
    virtual ~ComponentLibrary() = default;
    virtual void RegisterComponents() = 0;
};

// Loads one component library (a shared library with a ComponentLibrary
// plug-in) and registers its classes. Throws ComponentError with the
// loader's reason when it cannot be loaded.
void LoadComponentLibrary(const std::string& path);
// Loads every component library found in a folder; answers how many.
int LoadComponentLibraries(const std::string& folder);

// The context a sibling receives before its own operation, by the named
// properties ADOConnection, ActiveInterface, ClsDittaCorrente, CodiceDitta
// and CodiceLingua.
void HandContext(Cinterface& sibling, db::Connection* connection, Cinterface* caller,
                 const Company* company, const std::string& companyCode,
                 const std::string& language);

}  // namespace framework

#define VELDRANO_COMPONENT_LIBRARY_IID "org.veldrano.ComponentLibrary/1.0"
Q_DECLARE_INTERFACE(framework::ComponentLibrary, VELDRANO_COMPONENT_LIBRARY_IID)
