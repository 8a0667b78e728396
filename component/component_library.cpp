// The component library a host loads: exports the ComponentLibrary plug-in
// that registers ZOLT_VELDRANO.CLSMG_VELDRANO and shows the multimedia
// manager's files in the images tab.

#include <QObject>

#include "component/clsmg_veldrano.h"
#include "component/media_images.h"
#include "platform/framework/component_registry.h"
#include "window/image_viewer.h"

namespace component {

class VeldranoLibrary : public QObject, public framework::ComponentLibrary {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VELDRANO_COMPONENT_LIBRARY_IID)
    Q_INTERFACES(framework::ComponentLibrary)
public:
    void RegisterComponents() override {
        component::RegisterComponents();
        // The images tab shows what the host's multimedia manager stores.
        if (!card::imageSource())
            card::setImageSource(&mediaImages());
    }
};

}  // namespace component

#include "component_library.moc"
