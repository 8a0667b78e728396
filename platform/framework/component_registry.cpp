#include "platform/framework/component_registry.h"

#include <QDir>
#include <QLibrary>
#include <QPluginLoader>
#include <map>

namespace framework {

namespace {

std::map<std::string, ComponentFactory>& registry() {
    static std::map<std::string, ComponentFactory> factories;
    return factories;
}

}  // namespace

void RegisterComponent(const std::string& progId, ComponentFactory factory) {
    registry()[progId] = std::move(factory);
}

void UnregisterComponent(const std::string& progId) {
    registry().erase(progId);
}

bool IsRegistered(const std::string& progId) {
    return registry().count(progId) != 0;
}

std::vector<std::string> RegisteredComponents() {
    std::vector<std::string> ids;
    for (const auto& [id, factory] : registry())
        ids.push_back(id);
    return ids;
}

std::unique_ptr<Cinterface> CreateObject(const std::string& progId) {
    auto it = registry().find(progId);
    if (it == registry().end() || !it->second)
        throw ComponentError("Impossibile creare l'oggetto " + progId +
                             ": componente non registrato");
    return it->second();
}

void LoadComponentLibrary(const std::string& path) {
    QPluginLoader loader(QString::fromStdString(path));
    QObject* root = loader.instance();
    auto* library = qobject_cast<ComponentLibrary*>(root);
    if (!library)
        throw ComponentError("Impossibile caricare la libreria di componenti " + path + ": " +
                             (root ? std::string("nessun componente esportato")
                                   : loader.errorString().toStdString()));
    library->RegisterComponents();
}

int LoadComponentLibraries(const std::string& folder) {
    QDir dir(QString::fromStdString(folder));
    int loaded = 0;
    for (const QFileInfo& file : dir.entryInfoList(QDir::Files)) {
        if (!QLibrary::isLibrary(file.fileName()))
            continue;
        QPluginLoader probe(file.absoluteFilePath());
        if (probe.metaData().value("IID").toString() != VELDRANO_COMPONENT_LIBRARY_IID)
            continue;
        LoadComponentLibrary(file.absoluteFilePath().toStdString());
        ++loaded;
    }
    return loaded;
}

void HandContext(Cinterface& sibling, db::Connection* connection, Cinterface* caller,
                 const Company* company, const std::string& companyCode,
                 const std::string& language) {
    sibling.SetProperty("ADOConnection", connection);
    sibling.SetProperty("ActiveInterface", caller);
    sibling.SetProperty("ClsDittaCorrente", company);
    sibling.SetProperty("CodiceDitta", db::Value(companyCode));
    sibling.SetProperty("CodiceLingua", db::Value(language));
}

}  // namespace framework
