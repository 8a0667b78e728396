#pragma once
// The item card as its tabs see it. The window FRMMG_VELDRANO implements
// ItemCard; every tab of the card is a CardTab built on it, in its own
// folder, and reaches the window only through this context.
//
// A tab's loader follows the loaded-item rule:
//
//   void ProgressiviTab::load() {
//       if (card().isLoaded(index())) return;         // still shows this item
//       common::Procedure p(card(), "Tab_Progressivi");
//       p.step([&] { card().PulisciTab(index()); });
//       p.step([&] { ... one statement ... });
//       p.step([&] { card().setLoadedItem(index()); });  // only once loaded
//   }

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <typeindex>

#include "platform/framework/global.h"

class QWidget;
class QCheckBox;

namespace db {
class Connection;
class Recordset;
}  // namespace db
namespace framework {
class Cinterface;
class Company;
}  // namespace framework
namespace controls {
class RecordFrame;
class ProgressPanel;
}  // namespace controls

namespace common {

class WindowServices;
class CardTab;

// Tab indices of TAB_ARTICOLO.
enum TabIndex : int {
    kTabDatiAnagrafici = 0,
    kTabGestioneVarianti = 1,
    kTabTrascodificaVarianti = 2,
    kTabAttivazioneVarianti = 3,
    kTabStatiStagione = 4,
    kTabStatiVariante = 5,
    kTabStatiCombinazione = 6,
    kTabProgressivi = 7,
    kTabImmagini = 8,
    kTabGestioni = 9,
    kTabArtcli = 10,
    kTabArtfor = 11,
    kTabGenerad = 12,
};
inline constexpr int kTabCount = 13;
// Tabs 0..11 keep a loaded-item text; tab 12 loads every time it is shown.
inline constexpr int kLoadedItemTabs = 12;

// The item code while the user is choosing a new item: the single character
// of code 255, a key that matches no row.
inline constexpr const char* kNessunArticolo = "\xC3\xBF";
// Whether the code is an item's: not "" (before the first) nor the placeholder.
inline bool IsItemCode(const std::string& code) {
    return !code.empty() && code != kNessunArticolo;
}

class ItemCard {
public:
    virtual ~ItemCard() = default;

    // ---- context of the window
    virtual db::Connection& connection() = 0;  // every statement runs here
    virtual const std::string& connectionString() const = 0;
    virtual const std::string& companyCode() const = 0;  // {Ditta}, unquoted in SQL
    virtual const std::string& currentItem() const = 0;  // {CodArt}; "" before the first item
    virtual framework::Cinterface* Pcls_Interface() const = 0;  // may be null
    virtual WindowServices& services() = 0;
    virtual QWidget* widget() = 0;  // the window: parent of dialogs

    // ---- the host's services
    // The current company and its settings: from ClsGlobal at load, read from
    // the database when no host is attached.
    virtual const framework::Company& company() const = 0;
    // The host's lookup-and-decode service for the current company.
    framework::LookupService lookups() const { return framework::LookupService(companyCode()); }
    // Creates a sibling component by programmatic identifier and hands it the
    // window's context (connection, Pcls_Interface, company, language).
    // Throws framework::ComponentError when no such component is registered.
    virtual std::unique_ptr<framework::Cinterface> createSibling(const std::string& progId) = 0;
    // Opens a management of the host for the current item and returns once
    // it is closed; the window's component is then active again and the
    // navigator in step. Throws framework::ComponentError for an unknown program.
    virtual void openProgram(const std::string& programId,
                             const framework::ProgramContext& context) = 0;

    // ---- the item shown
    virtual controls::RecordFrame* FME_ART() = 0;
    virtual db::Recordset* itemRecordset() = 0;  // current row = the item shown
    virtual QCheckBox* CHK_FLGVARART() = 0;      // its click is handled by the activation tab
    virtual bool CheckArtVariante() = 0;         // the item has generated option descriptions
    virtual void ConfiguraSidebar(bool reselect) = 0;
    virtual controls::ProgressPanel* KOV_PROGRESS1() = 0;
    // Moves the window to another item, as when a management the card opened
    // has created it (the duplicated item): the item frame drops its row, is
    // requeried and looks the code up; every tab reloads when next shown.
    // Answers whether the item was found.
    virtual bool switchToItem(const std::string& code) {
        (void)code;
        return false;
    }

    // ---- loaded-item texts (tabs 0..11; "" = never loaded)
    virtual const std::string& loadedItem(int tab) const = 0;
    virtual void setLoadedItem(int tab) = 0;  // stores the current item code
    virtual void clearLoadedItem(int tab) = 0;
    void clearLoadedItems(std::initializer_list<int> tabs) {
        for (int t : tabs)
            clearLoadedItem(t);
    }
    bool isLoaded(int tab) const { return loadedItem(tab) == currentItem(); }

    // Empties one tab before it is loaded (indices outside 0..12 do nothing).
    virtual void PulisciTab(int index) = 0;

    // ---- the other tabs
    virtual CardTab* tab(int index) const = 0;
    virtual int currentTab() const = 0;
    virtual void selectTab(int index) = 0;  // as the side bar does: loads it

    // State shared between tabs (e.g. the options tab's current variant and
    // grouping), one object per type, created on first use and released
    // with the window.
    template <class T>
    T& shared() {
        std::shared_ptr<void>& slot = sharedSlot(typeid(T));
        if (!slot)
            slot = std::make_shared<T>();
        return *static_cast<T*>(slot.get());
    }

protected:
    virtual std::shared_ptr<void>& sharedSlot(std::type_index type) = 0;
};

// The loader name of each index ("Tab_DatiAnagrafici" ... "Tab_Generad").
const char* loaderName(int index);

// One tab of the card. The window creates it at load, builds its page,
// dispatches TAB_ARTICOLO_Click to load() and PulisciTab to clear().
class CardTab {
public:
    // The tab's loader is named after its index (loaderName).
    CardTab(ItemCard& card, int index)
        : card_(card), index_(index), loaderName_(common::loaderName(index)) {}
    virtual ~CardTab() = default;
    CardTab(const CardTab&) = delete;
    CardTab& operator=(const CardTab&) = delete;

    ItemCard& card() const { return card_; }
    int index() const { return index_; }
    const std::string& loaderName() const { return loaderName_; }  // "Tab_Progressivi"

    // Creates the widgets of the tab inside its page (Form_Load).
    virtual void build(QWidget* page) = 0;
    // The loader Tab_...(): honours the loaded-item rule (see above).
    virtual void load() = 0;
    // This tab's part of PulisciTab.
    virtual void clear() {}

    // ---- window events a tab may take part in
    // Form_Activate, or a tab built after it: the tab is activated from now
    // on and takes its own part (firstActivation).
    void activate() {
        activated_ = true;
        firstActivation();
    }
    // The window's activated flag as the tab sees it: its first activation has run.
    bool activated() const { return activated_; }
    virtual void beforeTabSwitch() {}  // TAB_ARTICOLO_Click: hide the tab's floating frames
    virtual void applySplit() {}       // the tab is about to show: lay out its panes
    virtual void itemShown() {}        // AbilitaControlliArticolo: an item is shown
    virtual void newSearch() {}        // CMD_NUOVO_Click
    // Another item is about to show (the navigator, the host's search, a new
    // search), once every frame's edits are settled: the tab asks about what
    // it still holds for the item on show.
    virtual void beforeItemChange() {}
    // A side bar choice is about to change tab: the tab may settle pending
    // work first (the options tab's grouping-change check).
    virtual void beforeSidebarChoice() {}
    // Form_Unload: detach grids, close recordsets, release frames. Errors are
    // the tab's to ignore: every release must be attempted.
    virtual void release() {}

protected:
    // The tab's part of the first activation: lookups configured once shown.
    virtual void firstActivation() {}

private:
    ItemCard& card_;
    int index_;
    std::string loaderName_;
    bool activated_ = false;
};

// Tabs register a factory for their index; the window uses it when it
// builds its pages and shows an empty page with a named loader otherwise.
// A registration object at namespace scope in the tab's library does it:
//   const common::RegisteredTab<ProgressiviTab> registration(common::kTabProgressivi);
// or, for a tab that needs more than the card, a CardTabRegistration with
// its own factory (programs link tab libraries whole:
// veldrano_link_card_tabs in CMake).
using CardTabFactory = std::function<std::unique_ptr<CardTab>(ItemCard&)>;
void registerCardTab(int index, CardTabFactory factory);
const CardTabFactory* cardTabFactory(int index);  // nullptr when none

struct CardTabRegistration {
    CardTabRegistration(int index, CardTabFactory factory) {
        registerCardTab(index, std::move(factory));
    }
};

// The registration of a tab built on the card alone.
template <class Tab>
struct RegisteredTab : CardTabRegistration {
    explicit RegisteredTab(int index)
        : CardTabRegistration(index, [](ItemCard& c) { return std::make_unique<Tab>(c); }) {}
};

}  // namespace common
