#pragma once
// Cinterface: the contract between the host framework and every component it
// loads. The host creates a component by its programmatic identifier, fills
// these properties, attaches its navigator and calls ShowForm; CloseForm
// closes the window again. Members are listed in the order of the contract's
// slots.

#include <cstdint>
#include <string>
#include <variant>

#include "platform/db/value.h"

class QObject;
class QStatusBar;

namespace db {
class Connection;
}
namespace controls {
class RecordFrame;
}

namespace framework {

class Global;
class Navigator;
class MenuEntry;
class Company;
class Cinterface;

// What a late-bound named property may hold: a value, or one of the host
// objects handed to siblings (ADOConnection, ActiveInterface, ClsDittaCorrente).
using Property = std::variant<db::Value, db::Connection*, Cinterface*, const Company*>;

class Cinterface {
public:
    virtual ~Cinterface() = default;

    virtual void SetClsGlobal(Global* global) = 0;  // 1
    virtual Global* ClsGlobal() const = 0;
    virtual void SetActiveFrame(controls::RecordFrame* frame) = 0;  // 2
    virtual controls::RecordFrame* ActiveFrame() const = 0;
    // Attaches the component to the navigator's events, releasing any previous one.
    virtual void SetActiveNavigator(Navigator* navigator) = 0;  // 3
    virtual Navigator* ActiveNavigator() const = 0;
    virtual void SetActiveDll(Cinterface* component) = 0;  // 4
    virtual Cinterface* ActiveDll() const = 0;
    virtual void SetStatusBar(QStatusBar* bar) = 0;  // 5
    virtual QStatusBar* StatusBar() const = 0;
    virtual void SetCanInsert(bool can) = 0;  // 6
    virtual bool CanInsert() const = 0;
    virtual void SetCanDelete(bool can) = 0;  // 7
    virtual bool CanDelete() const = 0;
    virtual void SetCanUpdate(bool can) = 0;  // 8
    virtual bool CanUpdate() const = 0;
    virtual void SetCanQbe(bool can) = 0;  // 9
    virtual bool CanQbe() const = 0;
    // Received as 32 bits, kept as 16: a value outside that range is not stored.
    virtual void SetWindowState(std::int32_t state) = 0;  // 10
    virtual std::int32_t WindowState() const = 0;
    virtual void SetWindowModal(bool modal) = 0;  // 11
    virtual bool WindowModal() const = 0;
    virtual void SetProgramMode(std::int32_t mode) = 0;  // 12
    virtual std::int32_t ProgramMode() const = 0;
    virtual void SetMenuModulo(const db::Value& value) = 0;  // 13
    virtual db::Value MenuModulo() const = 0;
    virtual void SetMenuPadre(const db::Value& value) = 0;  // 14
    virtual db::Value MenuPadre() const = 0;
    virtual void SetMenuProg(const db::Value& value) = 0;  // 15
    virtual db::Value MenuProg() const = 0;
    virtual void SetCaption(const db::Value& value) = 0;  // 16
    virtual db::Value Caption() const = 0;
    virtual void SethwndParent(std::int32_t handle) = 0;  // 17
    virtual std::int32_t hwndParent() const = 0;
    virtual db::Value ShowForm() = 0;   // 18: opens the window; an empty value
    virtual db::Value CloseForm() = 0;  // 19: whether the window closed
    virtual void SetConnection(db::Connection* connection) = 0;  // 20
    virtual db::Connection* Connection() const = 0;
    virtual QObject* Cwindow() const = 0;                       // 21
    virtual db::Value TransferData(const db::Value& data) = 0;  // 22
    virtual db::Value Top() const = 0;                          // 23
    virtual void SetTop(const db::Value& value) = 0;
    virtual db::Value Left() const = 0;  // 24
    virtual void SetLeft(const db::Value& value) = 0;
    virtual void SetClsVoceMenu(MenuEntry* entry) = 0;  // 25
    virtual MenuEntry* ClsVoceMenu() const = 0;
    virtual void SetIsActive(bool active) = 0;  // 26
    virtual bool IsActive() const = 0;
    virtual void SetIsCalled(bool called) = 0;  // 27
    virtual bool IsCalled() const = 0;
    virtual void SetFiltro(const db::Value& value) = 0;  // 28
    virtual db::Value Filtro() const = 0;

    // Late-bound properties a caller sets by name on a component it created
    // by identifier ("ADOConnection", "CodiceDitta", "PosizioneVariante"...).
    // Answers false when the component has no property of that name.
    virtual bool SetProperty(const std::string& name, const Property& value) {
        (void)name;
        (void)value;
        return false;
    }
    // Reads a named property back (an answer of the component after its run,
    // such as the new item code of a duplication). Empty when unknown.
    virtual db::Value GetProperty(const std::string& name) const {
        (void)name;
        return {};
    }
};

}  // namespace framework
