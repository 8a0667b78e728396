#pragma once
// CLSMG_VELDRANO (ZOLT_VELDRANO.CLSMG_VELDRANO): the public class of the item
// card. The host creates it by identifier, fills the Cinterface properties,
// attaches its navigator and calls ShowForm; the class holds the host's
// context for the window and answers the navigator's events (change of
// company, the multimedia button, layout and script registration).

#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

#include "common/window_services.h"
#include "component/componente_veldrano.h"
#include "platform/framework/component_base.h"
#include "window/frmmg_veldrano.h"

namespace framework {
class CHyperMedia;
class LayoutModel;
class ScriptModel;
}  // namespace framework

namespace component {

inline constexpr const char* kProgIdVeldrano = "ZOLT_VELDRANO.CLSMG_VELDRANO";

// Registers the class under its identifier (what the component library
// does when the host loads it).
void RegisterComponents();

class CLSMG_VELDRANO : public QObject, public framework::ComponentBase, public ComponenteVeldrano {
    Q_OBJECT
public:
    CLSMG_VELDRANO();
    ~CLSMG_VELDRANO() override;

    // ---- Cinterface members with behaviour of their own; the others are
    // stored values (ComponentBase)
    void SetActiveNavigator(framework::Navigator* navigator) override;
    db::Value ShowForm() override;
    db::Value CloseForm() override;
    db::Value TransferData(const db::Value& data) override;
    // Late-bound access to the default interface: "CodiceArticolo".
    bool SetProperty(const std::string& name, const framework::Property& value) override;
    db::Value GetProperty(const std::string& name) const override;
    // The window-object reference, which the class never assigns: no object.
    QObject* Cwindow() const override { return cwindow_.data(); }

    // The window it opened (the window reference), for the host's scripts.
    card::FRMMG_VELDRANO* Finestra() const { return window_; }

    // ---- navigator events
    void ActiveNavigator_BeforeChangeDitta(bool& cancel);
    void ActiveNavigator_ButtonPressed(const db::Value& argument, int& button);
    void ActiveNavigator_ChangeDitta(const db::Value& argument);
    void ActiveNavigator_InitializeLayoutObjectModel(QObject* argument,
                                                     framework::LayoutModel*& model);
    void ActiveNavigator_InitializeScriptObjectModel(QObject* argument,
                                                     framework::ScriptModel*& model);
    // ---- multimedia manager event
    void CHyperMedia_AfterMediaCreate(const db::Value& idMedia);

signals:
    void DataTransfer(const db::Value& Data);

protected:
    QWidget* CreateForm(QWidget* parent) override;

private:
    // The class's own message services, over ActiveDll's host objects.
    common::WindowServices& services();
    void releaseWindow();

    QPointer<card::FRMMG_VELDRANO> window_;
    QPointer<QObject> cwindow_;  // the window-object reference: never assigned
    std::vector<QMetaObject::Connection> navigatorEvents_;
    std::unique_ptr<framework::CHyperMedia> hyperMedia_;
    std::unique_ptr<common::WindowServices> services_;
};

}  // namespace component
