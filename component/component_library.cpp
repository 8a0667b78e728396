// The component library a host loads: exports the ComponentLibrary plug-in
// that registers ZOLT_VELDRANO.CLSMG_VELDRANO.

#include <QObject>

#include "component/clsmg_veldrano.h"
#include "platform/framework/component_registry.h"

namespace component {

class VeldranoLibrary : public QObject, public framework::ComponentLibrary {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VELDRANO_COMPONENT_LIBRARY_IID)
    Q_INTERFACES(framework::ComponentLibrary)
public:
    void RegisterComponents() override { component::RegisterComponents(); }
};

}  // namespace component

#include "component_library.moc"
