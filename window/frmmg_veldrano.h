#pragma once
// FRMMG_VELDRANO, the item card window: one item of MG66_ANAGRART of the
// current company through the item frame FME_ART, and thirteen tabs of
// variant data about it, chosen through the side bar KOV_SIDEBAR.

#include <QByteArray>
#include <QSet>
#include <QVariantMap>
#include <QWidget>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <typeindex>

#include "common/item_card.h"
#include "common/window_services.h"
#include "platform/controls/forward.h"
#include "platform/db/forward.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QLabel;
class QToolBar;

namespace framework {
class ScriptModel;
}
namespace component {
class ComponenteVeldrano;
}

namespace card {

class FRMMG_VELDRANO : public QWidget, public common::ItemCard {
    Q_OBJECT
    // What the host's layout model keeps between runs besides the window's
    // geometry: the positions of the split regions.
    Q_PROPERTY(QByteArray layoutState READ layoutState WRITE setLayoutState)
    // And what the user made of each grid, under the grid's layout key.
    Q_PROPERTY(QVariantMap layoutEntries READ layoutEntries WRITE setLayoutEntries)
public:
    explicit FRMMG_VELDRANO(QWidget* parent = nullptr);
    ~FRMMG_VELDRANO() override;

    // Set by ShowForm before the load: the owning component as the host
    // contract and through its default interface.
    void setComponent(framework::Cinterface* pclsInterface,
                      component::ComponenteVeldrano* pclsComponente);
    framework::Cinterface* Pcls_Componente_Interface() const { return pclsInterface_; }
    component::ComponenteVeldrano* Pcls_Componente() const { return pclsComponente_; }
    // Without a host: the connection string and company the window opens on.
    void setContext(std::string connectionString, std::string ditta, bool isCalled = false,
                    std::string codiceArticolo = "");

    // ---- public procedures
    void Form_Load();
    void Form_Activate();
    // The host's form-event object may refuse the close (cancel); the window
    // itself never does.
    void Form_QueryUnload(bool& cancel, int unloadMode = 0);
    void Form_Unload();
    // True when pending edits (the item frame's or a tab's) were not concluded.
    bool Update();
    // Every tab frame's pending edits concluded before another item shows;
    // false when the user chose to stay (Annulla).
    bool concludeTabEdits();
    // The box being typed in is left, as a click elsewhere in the card would
    // leave it: what it holds is taken (written, validated, decoded) for the
    // item on show. The host's toolbar takes no focus, so its commands need this.
    void leaveFocusedBox();
    void FME_ART_Requery();
    void SyncNavigator() { services_.SyncNavigator(); }
    void ExecuteFormEvent(const std::string& event) { services_.ExecuteFormEvent(event); }
    // Registers the window with the host's script model ("Scheda prodotto").
    void InitializeScript(framework::ScriptModel* model);
    bool loaded() const { return loaded_; }
    bool unloaded() const { return unloaded_; }

    // ---- events
    void TAB_ARTICOLO_Click(int previousTab);
    void FME_ART_ChangeStatus(int status);
    void CMD_NUOVO_Click();
    void TXT_CODART_Confirm(const std::string& typed);
    // The item search of the code box (its button, F3/F4): the company's items.
    void TXT_CODART_StartLookup(bool& cancel);
    void AbilitaControlliArticolo();
    void DisabilitaControlliArticolo();
    // KOV_SIDEBAR's item click: opens the item's tab, or reloads it when shown.
    void KOV_SIDEBAR_ItemClick(const std::string& key);
    // Whether the side bar may open an item (GRP02's variant tabs need an active variant).
    bool sidebarItemAllowed(const std::string& group, const std::string& key) const;
    bool sidebarBusy() const { return sidebarBusy_; }

    // ---- layout
    QByteArray layoutState() const;
    void setLayoutState(const QByteArray& state);
    QVariantMap layoutEntries() const;
    void setLayoutEntries(const QVariantMap& entries);

    // ---- ItemCard
    db::Connection& connection() override;
    const std::string& connectionString() const override { return connectionString_; }
    const std::string& companyCode() const override { return ditta_; }
    const std::string& currentItem() const override { return codArt_; }
    framework::Cinterface* Pcls_Interface() const override { return pclsInterface_; }
    common::WindowServices& services() override { return services_; }
    QWidget* widget() override { return this; }
    controls::RecordFrame* FME_ART() override { return fmeArt_.get(); }
    db::Recordset* itemRecordset() override { return rsArt_.get(); }
    QCheckBox* CHK_FLGVARART() override { return chkFlgVarArt_; }
    bool CheckArtVariante() override;
    void ConfiguraSidebar(bool reselect) override;
    controls::ProgressPanel* KOV_PROGRESS1() override { return progress_; }
    bool switchToItem(const std::string& code) override;
    const framework::Company& company() const override { return company_; }
    std::unique_ptr<framework::Cinterface> createSibling(const std::string& progId) override;
    void openProgram(const std::string& programId,
                     const framework::ProgramContext& context) override;
    const std::string& loadedItem(int tab) const override;
    void setLoadedItem(int tab) override;
    void clearLoadedItem(int tab) override;
    void PulisciTab(int index) override;
    common::CardTab* tab(int index) const override;
    int currentTab() const override;
    // As the side bar does: loads it. Reachable by name for the host's scripts.
    Q_INVOKABLE void selectTab(int index) override;

    // ---- what tests and the host look at
    QLineEdit* TXT_CODART() const { return txtCodArt_; }  // the code box's text
    controls::LookupBox* TXT_CODART_Box() const { return lkpCodArt_; }
    QLineEdit* TXT_DESCART() const { return txtDescArt_; }
    QPushButton* CMD_NUOVO() const { return cmdNuovo_; }
    QToolBar* TBAR_GESTIONICOLLEGATE() const { return tbarGestioni_; }
    QWidget* page(int index) const;
    bool tabControlEnabled() const;
    bool sidebarGroupEnabled(const std::string& group) const;
    controls::SideBar* KOV_SIDEBAR() const { return sidebar_; }
    bool reloadPending() const { return reloadPending_; }

protected:
    std::shared_ptr<void>& sharedSlot(std::type_index type) override;
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void buildWidgets();
    // Tabs are built when first shown (or first asked for): the steps of the
    // load and of the first activation that prepare a tab run then.
    void buildTabs();
    common::CardTab* ensureTab(int index) const;
    void applySplitRegion(int index);
    void openItemRecordset(const std::string& sql);
    void readContext();
    void readCompany();
    void buildItemStatements();
    void bindItemFrame();
    void WaitForItem();
    // The host's rights on the window's own controls (the frames' inserts and
    // deletes, the item search); the connection refuses the rest.
    void applicaRights();
    bool itemShown() const;
    bool itemFlagVarianti() const;

    component::ComponenteVeldrano* pclsComponente_ = nullptr;
    bool isCalled_ = false;
    std::string codiceArticolo_;
    framework::Cinterface* pclsInterface_ = nullptr;
    common::WindowServices services_;

    std::string connectionString_;
    std::unique_ptr<db::Connection> connection_;
    std::string ditta_;
    framework::Company company_;
    std::string codArt_;
    std::string sqlBase_, sqlEmpty_, sqlList_;
    std::unique_ptr<db::Recordset> rsArt_;
    std::unique_ptr<controls::RecordFrame> fmeArt_;

    bool loaded_ = false;
    bool activated_ = false;
    bool unloaded_ = false;
    bool reloadPending_ = false;
    std::array<std::string, common::kLoadedItemTabs> loadedItems_;
    std::map<std::type_index, std::shared_ptr<void>> shared_;

    // Side bar state.
    std::string sidebarItem_ = "\x01";  // the item the side bar is set up for ("\x01": none)
    bool flagVar_ = false;
    bool flagVarAttiva_ = false;
    bool sidebarBusy_ = false;

    // Controls.
    controls::LookupBox* lkpCodArt_ = nullptr;
    QLineEdit* txtCodArt_ = nullptr;  // lkpCodArt_'s text
    // The last code confirmed that names no item: Tab does not look it up again.
    QString unfoundCode_;
    QLineEdit* txtDescArt_ = nullptr;
    QPushButton* cmdNuovo_ = nullptr;
    QCheckBox* chkFlgVarArt_ = nullptr;
    QToolBar* tbarGestioni_ = nullptr;  // the linked managements (launcher)
    QStackedWidget* tabArticolo_ = nullptr;
    controls::SideBar* sidebar_ = nullptr;
    controls::SplitRegion* splitSidebar_ = nullptr;  // the side bar | the tabs
    controls::ProgressPanel* progress_ = nullptr;
    std::array<QWidget*, common::kTabCount> pages_{};
    mutable std::array<std::unique_ptr<common::CardTab>, common::kTabCount> tabs_;
    bool tabsReady_ = false;      // the load has come to the tabs
    bool tabsActivated_ = false;  // the first activation has come to the tabs
    bool itemControls_ = false;   // AbilitaControlliArticolo was the last of the pair
    // The layout the host gave back, for the regions of tabs built later.
    QByteArray keptLayout_;
    QVariantMap keptGridLayouts_;  // given by the host, for grids built later
    QSet<QChar> windowMnemonics_;  // letters the window's own commands use
};

}  // namespace card
