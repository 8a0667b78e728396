#pragma once
// A component's Cinterface kept as stored values: every property gives back
// what the host set, with the contract's rules (16-bit window state and
// program mode, 32-bit Top and Left, copies of variant values, Cwindow
// always none). A component derives from it and writes only its window
// (CreateForm) and the named properties it takes.

#include <QPointer>
#include <QWidget>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "platform/framework/cinterface.h"

namespace framework {

class ComponentBase : public Cinterface {
public:
    ComponentBase();
    ~ComponentBase() override;
    ComponentBase(const ComponentBase&) = delete;
    ComponentBase& operator=(const ComponentBase&) = delete;

    void SetClsGlobal(Global* global) override { global_ = global; }
    Global* ClsGlobal() const override { return global_; }
    void SetActiveFrame(controls::RecordFrame* frame) override { frame_ = frame; }
    controls::RecordFrame* ActiveFrame() const override { return frame_; }
    void SetActiveNavigator(Navigator* navigator) override { navigator_ = navigator; }
    Navigator* ActiveNavigator() const override { return navigator_; }
    void SetActiveDll(Cinterface* component) override { activeDll_ = component; }
    Cinterface* ActiveDll() const override { return activeDll_; }
    void SetStatusBar(QStatusBar* bar) override { statusBar_ = bar; }
    QStatusBar* StatusBar() const override { return statusBar_; }
    void SetCanInsert(bool can) override { canInsert_ = can; }
    bool CanInsert() const override { return canInsert_; }
    void SetCanDelete(bool can) override { canDelete_ = can; }
    bool CanDelete() const override { return canDelete_; }
    void SetCanUpdate(bool can) override { canUpdate_ = can; }
    bool CanUpdate() const override { return canUpdate_; }
    void SetCanQbe(bool can) override { canQbe_ = can; }
    bool CanQbe() const override { return canQbe_; }
    void SetWindowState(std::int32_t state) override;
    std::int32_t WindowState() const override { return windowState_; }
    void SetWindowModal(bool modal) override { windowModal_ = modal; }
    bool WindowModal() const override { return windowModal_; }
    void SetProgramMode(std::int32_t mode) override;
    std::int32_t ProgramMode() const override { return programMode_; }
    void SetMenuModulo(const db::Value& value) override { menuModulo_ = value; }
    db::Value MenuModulo() const override { return menuModulo_; }
    void SetMenuPadre(const db::Value& value) override { menuPadre_ = value; }
    db::Value MenuPadre() const override { return menuPadre_; }
    void SetMenuProg(const db::Value& value) override { menuProg_ = value; }
    db::Value MenuProg() const override { return menuProg_; }
    void SetCaption(const db::Value& value) override { caption_ = value; }
    db::Value Caption() const override { return caption_; }
    void SethwndParent(std::int32_t handle) override { hwndParent_ = handle; }
    std::int32_t hwndParent() const override { return hwndParent_; }
    // Creates the window (CreateForm), titles it with Caption and shows it;
    // modal when WindowModal, returning once it is closed.
    db::Value ShowForm() override;
    // Closes the window; true when it is closed (or none was open).
    db::Value CloseForm() override;
    void SetConnection(db::Connection* connection) override { connection_ = connection; }
    db::Connection* Connection() const override { return connection_; }
    QObject* Cwindow() const override { return nullptr; }
    // Hands the data to OnTransferData; an empty value.
    db::Value TransferData(const db::Value& data) override;
    db::Value Top() const override { return db::Value(top_); }
    void SetTop(const db::Value& value) override;
    db::Value Left() const override { return db::Value(left_); }
    void SetLeft(const db::Value& value) override;
    void SetClsVoceMenu(MenuEntry* entry) override { menuEntry_ = entry; }
    MenuEntry* ClsVoceMenu() const override { return menuEntry_; }
    void SetIsActive(bool active) override { isActive_ = active; }
    bool IsActive() const override { return isActive_; }
    void SetIsCalled(bool called) override { isCalled_ = called; }
    bool IsCalled() const override { return isCalled_; }
    void SetFiltro(const db::Value& value) override { filtro_ = value; }
    db::Value Filtro() const override { return filtro_; }

    // Named properties: the caller's context (ADOConnection, ActiveInterface,
    // ClsDittaCorrente, CodiceDitta, CodiceLingua) and those the component
    // accepts; false for any other name.
    bool SetProperty(const std::string& name, const Property& value) override;
    // A value property, or an answer the component set with SetResult.
    db::Value GetProperty(const std::string& name) const override;

    // The window while it exists (also after it was closed, until the next
    // ShowForm or the component's end).
    QWidget* Form() const { return form_; }

    // "32767" and the like as the contract converts them: a 32-bit integer,
    // rounded half to even; nullopt when the value is no number or out of range.
    static std::optional<std::int32_t> ToLong(const db::Value& value);

protected:
    // The window ShowForm shows, parented to parent (the host's main window,
    // may be null); nullptr shows nothing.
    virtual QWidget* CreateForm(QWidget* parent) = 0;
    virtual void OnTransferData(const db::Value& data) { (void)data; }

    // Names the component takes beyond the caller's context.
    void AcceptProperties(std::initializer_list<const char*> names);
    db::Connection* ADOConnection() const;
    Cinterface* ActiveInterface() const;
    const Company* ClsDittaCorrente() const;
    // Value properties as text (right-trimmed) or as they are; "" / Empty when unset.
    std::string TextProperty(const std::string& name) const;
    db::Value ValueProperty(const std::string& name) const;
    // An answer the caller reads back with GetProperty.
    void SetResult(const std::string& name, const db::Value& value) { values_[name] = value; }

private:
    Global* global_ = nullptr;
    controls::RecordFrame* frame_ = nullptr;
    Navigator* navigator_ = nullptr;
    Cinterface* activeDll_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    bool canInsert_ = false, canDelete_ = false, canUpdate_ = false, canQbe_ = false;
    std::int32_t windowState_ = 0;
    bool windowModal_ = false;
    std::int32_t programMode_ = 0;
    db::Value menuModulo_, menuPadre_, menuProg_, caption_, filtro_;
    std::int32_t hwndParent_ = 0;
    db::Connection* connection_ = nullptr;
    std::int32_t top_ = 0, left_ = 0;
    MenuEntry* menuEntry_ = nullptr;
    bool isActive_ = false, isCalled_ = false;

    std::set<std::string> accepted_;
    std::map<std::string, db::Value> values_;
    db::Connection* adoConnection_ = nullptr;
    Cinterface* activeInterface_ = nullptr;
    const Company* company_ = nullptr;
    QPointer<QWidget> form_;
};

// Shows a window and returns once it is hidden (closed), keeping the host's
// events flowing: the modal show of a window that is not a dialog.
void RunModal(QWidget& window);

// The 16-bit range the contract keeps window state and program mode in.
bool FitsInShort(std::int32_t value);

}  // namespace framework
