#include "window/frmmg_veldrano.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "common/frame_messages.h"
#include "common/procedure.h"
#include "common/rights.h"
#include "common/text_limit_notice.h"
#include "common/value_helpers.h"
#include "component/componente_veldrano.h"
#include "platform/controls/key_filters.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/mnemonics.h"
#include "platform/controls/progress.h"
#include "platform/controls/record_frame.h"
#include "platform/controls/side_bar.h"
#include "platform/controls/split_region.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/framework/cinterface.h"
#include "platform/framework/component_registry.h"
#include "platform/framework/navigator.h"
#include "platform/framework/object_models.h"
#include "window/grid_exchange_host.h"
#include "window/launcher.h"
#include "window/window_layout.h"
#include "window/window_sql.h"

namespace card {

using common::Procedure;

namespace {

constexpr long kMsgNoActiveVariant = 91703;

struct SidebarEntry {
    const char* group;
    const char* key;
    const char* caption;
};

// The side bar's groups and the tab each item opens.
const SidebarEntry kSidebar[] = {
    {"GRP01", "ITM00", "Dati anagrafici"},      {"GRP01", "ITM08", "Immagini"},
    {"GRP01", "ITM09", "Gestioni collegate"},   {"GRP02", "ITM03", "Attivazione varianti"},
    {"GRP02", "ITM01", "Gestione varianti"},    {"GRP02", "ITM02", "Trascodifica varianti"},
    {"GRP02", "ITM12", "Descrizioni generate"}, {"GRP03", "ITM04", "Stati per stagione"},
    {"GRP03", "ITM05", "Stati per variante"},   {"GRP03", "ITM06", "Stati per combinazione"},
    {"GRP04", "ITM07", "Progressivi"},          {"GRP05", "ITM10", "Articoli clienti"},
    {"GRP05", "ITM11", "Articoli fornitori"},
};

// The side bar's item of a tab; nullptr for an index it has none for.
const SidebarEntry* sidebarEntry(int tab) {
    for (const auto& e : kSidebar)
        if (std::stoi(std::string(e.key).substr(3)) == tab)
            return &e;
    return nullptr;
}

// The side bar is set up for no item yet.
const char* const kSidebarNessuno = "\x01";

}  // namespace

FRMMG_VELDRANO::FRMMG_VELDRANO(QWidget* parent) : QWidget(parent) {
    setObjectName("FRMMG_VELDRANO");
    setWindowTitle("Scheda prodotto");
    services_.setWindow(this);
    buildWidgets();
}

FRMMG_VELDRANO::~FRMMG_VELDRANO() {
    // A box left with the focus ends its edit now, while its tab still
    // lives, not when the closing window takes the focus from it.
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
    if (loaded_ && !unloaded_)
        Form_Unload();
}

void FRMMG_VELDRANO::setComponent(framework::Cinterface* pclsInterface,
                                  component::ComponenteVeldrano* pclsComponente) {
    pclsInterface_ = pclsInterface;
    pclsComponente_ = pclsComponente;
    services_.setInterface(pclsInterface);
}

void FRMMG_VELDRANO::setContext(std::string connectionString, std::string ditta, bool isCalled,
                                std::string codiceArticolo) {
    connectionString_ = std::move(connectionString);
    ditta_ = std::move(ditta);
    isCalled_ = isCalled;
    codiceArticolo_ = std::move(codiceArticolo);
}

void FRMMG_VELDRANO::buildWidgets() {
    auto* root = new QVBoxLayout(this);
    auto* header = new QHBoxLayout;
    root->addLayout(header);
    header->addWidget(new QLabel("Articolo", this));
    lkpCodArt_ = new controls::LookupBox(this);
    lkpCodArt_->setObjectName("TXT_CODART");
    lkpCodArt_->SetLookupKind(framework::kLookupArticoli);
    lkpCodArt_->SetMaxLength(25);
    txtCodArt_ = lkpCodArt_->LineEdit();
    header->addWidget(lkpCodArt_);
    // The description belongs to the item master: shown, never written here.
    txtDescArt_ = new QLineEdit(this);
    txtDescArt_->setObjectName("TXT_DESCART");
    txtDescArt_->setReadOnly(true);
    header->addWidget(txtDescArt_, 1);
    cmdNuovo_ = new QPushButton("Nuova ricerca", this);
    cmdNuovo_->setObjectName("CMD_NUOVO");
    header->addWidget(cmdNuovo_);
    chkFlgVarArt_ = new QCheckBox("Gestione varianti articolo", this);
    chkFlgVarArt_->setObjectName("CHK_FLGVARART");
    header->addWidget(chkFlgVarArt_);
    tbarGestioni_ = CreaToolbarGestioni(this);
    header->addWidget(tbarGestioni_);

    // The side bar keeps its own width; the tabs take the rest of the window.
    splitSidebar_ = new controls::SplitRegion(Qt::Horizontal, this);
    splitSidebar_->setObjectName("SplitRegionSidebar");
    root->addWidget(splitSidebar_, 1);
    sidebar_ = new controls::SideBar(splitSidebar_);
    sidebar_->setObjectName("KOV_SIDEBAR");
    tabArticolo_ = new QStackedWidget(splitSidebar_);
    tabArticolo_->setObjectName("TAB_ARTICOLO");
    splitSidebar_->addWidget(sidebar_);
    splitSidebar_->addWidget(tabArticolo_);
    splitSidebar_->SetProportions({0, 1});
    for (int i = 0; i < common::kTabCount; ++i) {
        pages_[i] = new QWidget(tabArticolo_);
        pages_[i]->setObjectName(QString("TAB_%1").arg(i, 2, 10, QChar('0')));
        tabArticolo_->addWidget(pages_[i]);
    }
    progress_ = new controls::ProgressPanel(this);
    progress_->setObjectName("KOV_PROGRESS1");
    progress_->hide();
    root->addWidget(progress_);
    sidebar_->AddGroup("GRP01", "Articolo");
    sidebar_->AddGroup("GRP02", "Varianti");
    sidebar_->AddGroup("GRP03", "Stati");
    sidebar_->AddGroup("GRP04", "Magazzino");
    sidebar_->AddGroup("GRP05", "Clienti e fornitori");
    for (const auto& e : kSidebar) {
        sidebar_->AddItem(e.group, e.key, e.caption);
        // The page's title names the sheets and prints of its grids.
        pages_[std::stoi(std::string(e.key).substr(3))]->setWindowTitle(e.caption);
    }
    connect(sidebar_, &controls::SideBar::beforeItemClick, this,
            [this](const QString& group, const QString& key, bool& cancel) {
                cancel = !sidebarItemAllowed(group.toStdString(), key.toStdString());
                // The user's own click is told why (the window's choices are not).
                if (cancel && !sidebarBusy_)
                    services_.VisualizzaMessaggio(
                        "L'articolo non ha varianti attive: attivarne almeno una in "
                        "\"Attivazione varianti\".",
                        kMsgNoActiveVariant, common::vbExclamation,
                        services_.TraduciTesto("Attenzione", 7757));
            });
    connect(
        sidebar_, &controls::SideBar::itemClick, this,
        [this](const QString&, const QString& key) { KOV_SIDEBAR_ItemClick(key.toStdString()); });
    connect(txtCodArt_, &QLineEdit::returnPressed, this,
            [this] { TXT_CODART_Confirm(txtCodArt_->text().toStdString()); });
    connect(lkpCodArt_, &controls::LookupBox::startLookup, this,
            [this](bool& cancel) { TXT_CODART_StartLookup(cancel); });
    // A typed code is confirmed with Enter or with Tab (a code not found only
    // once: the user is told and put back in the box). Leaving the box by a
    // click looks nothing up, so closing the window does not.
    connect(lkpCodArt_, &controls::LookupBox::startDecode, this,
            [](bool& cancel) { cancel = true; });
    controls::OnTabKey(txtCodArt_, [this] {
        const QString text = txtCodArt_->text();
        if (text.trimmed().isEmpty() || text == unfoundCode_ || !txtCodArt_->isEnabled())
            return;
        // After the key has moved the focus: the look-up may show a message.
        QMetaObject::invokeMethod(
            this,
            [this, text] {
                TXT_CODART_Confirm(text.toStdString());
                if (txtCodArt_->isEnabled() && !unfoundCode_.isEmpty()) {
                    txtCodArt_->setFocus(Qt::OtherFocusReason);
                    txtCodArt_->selectAll();
                }
            },
            Qt::QueuedConnection);
    });
    // The item chosen in the search is confirmed as a typed one.
    connect(lkpCodArt_, &controls::LookupBox::afterItem, this, [this] {
        if (!txtCodArt_->text().trimmed().isEmpty() && lkpCodArt_->Found())
            TXT_CODART_Confirm(txtCodArt_->text().toStdString());
    });
    connect(cmdNuovo_, &QPushButton::clicked, this, [this] { CMD_NUOVO_Click(); });
    // Every tab's controls and captions fit whole from this size up.
    setMinimumSize(1024, 768);
}

db::Connection& FRMMG_VELDRANO::connection() {
    if (!connection_)
        throw std::logic_error("FRMMG_VELDRANO: nessuna connessione");
    return *connection_;
}

void FRMMG_VELDRANO::openItemRecordset(const std::string& sql) {
    if (!rsArt_)
        rsArt_ = std::make_unique<db::Recordset>();
    if (rsArt_->isOpen())
        rsArt_->close();
    rsArt_->open(sql, connection());
}

void FRMMG_VELDRANO::Form_Load() {
    Procedure p(services_, "Form_Load");
    p.step([&] { resize(DimensioniIniziali(*this)); });
    p.step([&] { readContext(); });
    p.step([&] {
        if (!connection_) {
            services_.createErrorReport();
            connection_ = std::make_unique<db::Connection>();
            connection_->open(connectionString_);
            services_.setConnection(connection_.get());
        }
        // Nothing the host's rights forbid reaches the database.
        common::guardConnection(*connection_, [this] { return common::rightsOf(pclsInterface_); });
    });
    p.step([&] { readCompany(); });
    p.step([&] { InitToolbarGestioni(*this, tbarGestioni_); });
    p.step([&] {
        buildItemStatements();
        openItemRecordset(sqlEmpty_);
    });
    p.step([&] { bindItemFrame(); });
    p.step([&] { buildTabs(); });
    p.step([&] { lkpCodArt_->SetConnection(connection_.get()); });
    p.step([&] { InstallGridExchangeHost(*this); });
    p.step([&] { DisabilitaControlliArticolo(); });
    p.step([&] { new common::TextLimitNotice(this, services_); });
    // Until the first item is shown the side bar opens nothing.
    p.step([&] { sidebar_->setEnabled(false); });
    loaded_ = true;
}

void FRMMG_VELDRANO::readContext() {
    framework::Global* global = pclsInterface_ ? pclsInterface_->ClsGlobal() : nullptr;
    if (!global)
        return;  // no host: the context given by setContext
    connectionString_ = global->ConnectionString();
    ditta_ = global->CurrentCompany().Code();
}

void FRMMG_VELDRANO::buildItemStatements() {
    sqlBase_ = sqlItems(ditta_);
    sqlEmpty_ = sqlNoItems(ditta_);
    sqlList_ = sqlItemList(ditta_);
}

// FME_ART on the item recordset: looked up by code along the company's
// item list; it neither inserts nor deletes items.
void FRMMG_VELDRANO::bindItemFrame() {
    fmeArt_ = std::make_unique<controls::RecordFrame>(this);
    fmeArt_->setObjectName("FME_ART");
    fmeArt_->SetName("FME_ART");
    fmeArt_->Bind(connection_.get(), rsArt_.get(), "MG66_CODART", sqlList_);
    fmeArt_->SetAllowInsert(false);
    fmeArt_->SetAllowDelete(false);
    fmeArt_->SetRecordDescription(
        QString::fromStdString(services_.TraduciTesto("l'articolo di Magazzino", 67919)));
    common::routeFrameMessages(services_, *fmeArt_,
                               [this] { return services_.TraduciTesto("Avviso Utente", 8522); });
    controls::BindOptions code;
    code.caption = "Articolo";
    fmeArt_->BindControl(txtCodArt_, "MG66_CODART", code);
    controls::BindOptions description;
    description.caption = "Descrizione";
    fmeArt_->BindControl(txtDescArt_, "MG66_DESCART", description);
    connect(fmeArt_.get(), &controls::RecordFrame::changeStatus, this,
            [this](int s) { FME_ART_ChangeStatus(s); });
    connect(fmeArt_.get(), &controls::RecordFrame::beforeMove, this,
            [this](bool& cancel) { cancel = !concludeTabEdits(); });
}

void FRMMG_VELDRANO::Form_Activate() {
    Procedure p(services_, "Form_Activate");
    p.step([&] {
        if (pclsInterface_)
            pclsInterface_->SetActiveFrame(fmeArt_.get());
        services_.SyncNavigator();
    });
    if (activated_)
        return;
    p.step([&] {
        activated_ = true;
        setUpdatesEnabled(false);
    });
    p.step([&] {
        if (framework::Navigator* nav =
                pclsInterface_ ? pclsInterface_->ActiveNavigator() : nullptr)
            nav->SetForm(this);
    });
    p.step([&] {
        if (!fmeArt_)
            return;
        fmeArt_->SetStatus(2);
        const bool called = pclsInterface_ ? pclsInterface_->IsCalled() : isCalled_;
        if (called) {
            const std::string code = common::NzStringa(
                db::Value(pclsComponente_ ? pclsComponente_->CodiceArticolo : codiceArticolo_));
            txtCodArt_->setText(QString::fromStdString(code));
            rsArt_->setValue("MG66_CODART", db::Value(code));
            fmeArt_->LookupRecord(true, true);
        }
    });
    p.step([&] {
        if (txtCodArt_->isEnabled())
            txtCodArt_->setFocus();
        else
            txtDescArt_->setFocus();
    });
    p.step([&] {
        for (auto& t : tabs_)
            if (t)
                t->activate();
        tabsActivated_ = true;
    });
    setUpdatesEnabled(true);
    p.step([&] { applySplitRegion(currentTab()); });
    p.step([&] { services_.ExecuteFormEvent("tsOpen"); });
}

void FRMMG_VELDRANO::readCompany() {
    framework::Global* global = pclsInterface_ ? pclsInterface_->ClsGlobal() : nullptr;
    if (global) {
        company_ = global->CurrentCompany();
        ditta_ = company_.Code();
    } else {
        company_ = framework::Company::Load(connection(), ditta_);
    }
}

std::unique_ptr<framework::Cinterface> FRMMG_VELDRANO::createSibling(const std::string& progId) {
    auto sibling = framework::CreateObject(progId);
    framework::Global* global = pclsInterface_ ? pclsInterface_->ClsGlobal() : nullptr;
    framework::HandContext(*sibling, connection_.get(), pclsInterface_, &company_, ditta_,
                           global ? global->Language() : std::string());
    return sibling;
}

void FRMMG_VELDRANO::openProgram(const std::string& programId,
                                 const framework::ProgramContext& context) {
    framework::Global* global = pclsInterface_ ? pclsInterface_->ClsGlobal() : nullptr;
    if (global) {
        global->OpenProgram(programId, context, pclsInterface_);
        pclsInterface_->SetIsActive(true);
        global->SetActiveComponent(pclsInterface_);
    } else {
        // Without a host the program is shown on the window's own connection.
        auto program = createSibling(programId);
        for (const auto& [name, value] : context)
            program->SetProperty(name, value);
        program->SetConnection(connection_.get());
        program->SetWindowModal(true);
        program->ShowForm();
        program->CloseForm();
    }
    services_.SyncNavigator();
}

void FRMMG_VELDRANO::Form_QueryUnload(bool& cancel, int) {
    services_.SyncNavigator();
    if (cancel)
        return;
    services_.ExecuteFormEvent("tsClose");
    cancel = services_.CloseRefused();
}

void FRMMG_VELDRANO::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
    // Every release is attempted, whatever the one before did.
    for (auto& t : tabs_) {
        try {
            if (t)
                t->release();
        } catch (...) {
        }
    }
    tabs_ = {};
    try {
        if (rsArt_ && rsArt_->isOpen())
            rsArt_->close();
    } catch (...) {
    }
    try {
        if (pclsInterface_ && pclsInterface_->ActiveFrame() == fmeArt_.get()) {
            pclsInterface_->SetActiveFrame(nullptr);
            // The toolbar has no frame to act on any more.
            framework::Global* global = pclsInterface_->ClsGlobal();
            framework::Navigator* nav = pclsInterface_->ActiveNavigator();
            if (nav && global && global->ActiveComponent() == pclsInterface_) {
                nav->SetStatus(-1);
                nav->Refresh();
            }
        }
    } catch (...) {
    }
    try {
        if (fmeArt_)
            fmeArt_->Release();
    } catch (...) {
    }
    fmeArt_.reset();
    rsArt_.reset();
    shared_.clear();
    services_.releaseErrorReport();
    services_.releaseMessageService();
    services_.setConnection(nullptr);
    try {
        if (connection_)
            connection_->close();
    } catch (...) {
    }
    connection_.reset();
    // Last: the references to the component, which CloseForm checks.
    pclsComponente_ = nullptr;
    pclsInterface_ = nullptr;
    services_.setInterface(nullptr);
}

void FRMMG_VELDRANO::FME_ART_Requery() {
    Procedure p(services_, "FME_ART_Requery");
    const std::string before = ditta_;
    p.step([&] {
        if (framework::Global* global = pclsInterface_ ? pclsInterface_->ClsGlobal() : nullptr) {
            company_ = global->CurrentCompany();
            ditta_ = company_.Code();
        }
    });
    // The item list follows the company.
    p.step([&] {
        if (ditta_ != before)
            buildItemStatements();
    });
    p.step([&] {
        if (ditta_ != before)
            InitToolbarGestioni(*this, tbarGestioni_);
    });
    p.step([&] {
        if (!fmeArt_)
            return;
        fmeArt_->Reset();
        openItemRecordset(sqlEmpty_);
        fmeArt_->SetListStatement(sqlList_);
        fmeArt_->SetStatus(2);
    });
    // An item of the previous company is no longer shown.
    p.step([&] {
        if (ditta_ != before && itemShown())
            WaitForItem();
    });
}

bool FRMMG_VELDRANO::itemShown() const {
    return common::IsItemCode(codArt_);
}

// Back to waiting for a code: controls off, every tab to reload, tab 0.
void FRMMG_VELDRANO::WaitForItem() {
    DisabilitaControlliArticolo();
    for (auto& t : tabs_)
        if (t)
            t->newSearch();
    reloadPending_ = true;
    codArt_ = common::kNessunArticolo;
    txtCodArt_->clear();
    PulisciTab(0);
    PulisciTab(1);
    tabArticolo_->setCurrentIndex(0);
    // The side bar shows where the card is: the next item opens there.
    sidebar_->Select("GRP01", "ITM00", false);
    TAB_ARTICOLO_Click(99);
    txtCodArt_->setFocus();
}

void FRMMG_VELDRANO::TAB_ARTICOLO_Click(int) {
    // No item shown (none yet, or a new search): no tab loads, so none
    // shows the placeholder that stands for "no item".
    if (!itemShown())
        return;
    Procedure p(services_, "TAB_ARTICOLO_Click");
    p.step([&] {
        for (auto& t : tabs_)
            if (t)
                t->beforeTabSwitch();
    });
    p.step([&] {
        if (reloadPending_)
            for (auto& l : loadedItems_)
                l.clear();
    });
    int index = currentTab();
    p.step([&] { applySplitRegion(index); });
    p.step([&] {
        if (index >= 0 && index < common::kTabCount && tabs_[index])
            tabs_[index]->load();
    });
    p.step([&] { reloadPending_ = false; });
    // A tab builds its frames when it first loads.
    p.step([&] { applicaRights(); });
}

void FRMMG_VELDRANO::FME_ART_ChangeStatus(int status) {
    // Closing the item recordset at the unload says nothing to a window whose
    // tabs are gone.
    if (unloaded_)
        return;
    // The description shows only for a shown item.
    txtDescArt_->setEnabled(status != 2);
    if (status != 0)
        return;
    // Status 0 with no item row (Esc while a code is awaited) shows no item:
    // the card keeps waiting for the code.
    if (!rsArt_ || !rsArt_->hasCurrentRow()) {
        txtDescArt_->setEnabled(false);
        return;
    }
    Procedure p(services_, "FME_ART_ChangeStatus");
    p.step([&] { codArt_ = common::NzStringa(db::Value(txtCodArt_->text().toStdString())); });
    p.step([&] { AbilitaControlliArticolo(); });
    p.step([&] { ConfiguraSidebar(true); });
    p.step([&] { TAB_ARTICOLO_Click(99); });
}

void FRMMG_VELDRANO::CMD_NUOVO_Click() {
    Procedure p(services_, "CMD_NUOVO_Click");
    // Pending edits of the item are concluded first; cancel stays on it.
    p.step([&] {
        if (fmeArt_ && !fmeArt_->SaveIfNeeded(true, false, true))
            p.leave();
    });
    p.step([&] {
        if (itemShown() && !concludeTabEdits())
            p.leave();
    });
    p.step([&] { FME_ART_Requery(); });
    p.step([&] { WaitForItem(); });
}

void FRMMG_VELDRANO::TXT_CODART_Confirm(const std::string& typed) {
    Procedure p(services_, "TXT_CODART_Validate");
    p.step([&] {
        if (!fmeArt_ || !txtCodArt_->isEnabled())
            return;
        const std::string code = common::NzStringa(db::Value(common::WithoutApostrophes(typed)));
        if (fmeArt_->Status() != 2)
            fmeArt_->SetStatus(2);
        txtCodArt_->setText(QString::fromStdString(code));
        rsArt_->setValue("MG66_CODART", db::Value(code));
        unfoundCode_.clear();
        if (!code.empty() && !fmeArt_->LookupRecord(true, true))
            unfoundCode_ = txtCodArt_->text();
    });
}

bool FRMMG_VELDRANO::switchToItem(const std::string& code) {
    if (!fmeArt_)
        return false;
    setUpdatesEnabled(false);
    FME_ART_Requery();
    // The tabs show data of the old item: all of them reload.
    reloadPending_ = true;
    txtCodArt_->setText(QString::fromStdString(code));
    rsArt_->setValue("MG66_CODART", db::Value(code));
    const bool found = fmeArt_->LookupRecord(false, true);
    setUpdatesEnabled(true);
    return found;
}

bool FRMMG_VELDRANO::itemFlagVarianti() const {
    if (!rsArt_ || !rsArt_->hasCurrentRow())
        return false;
    auto d = rsArt_->value("MG66_FLGVARART").toDecimal();
    return d && *d == db::Decimal(1);
}

void FRMMG_VELDRANO::setItemControls(bool on) {
    itemControls_ = on;
    lkpCodArt_->setEnabled(!on);
    cmdNuovo_->setEnabled(on);
    tbarGestioni_->setEnabled(on);
    tabArticolo_->setEnabled(on);
}

void FRMMG_VELDRANO::AbilitaControlliArticolo() {
    setItemControls(true);
    sidebar_->setEnabled(true);
    chkFlgVarArt_->setChecked(itemFlagVarianti());
    chkFlgVarArt_->setEnabled(!CheckArtVariante());
    for (auto& t : tabs_)
        if (t)
            t->itemShown();
    applicaRights();
}

void FRMMG_VELDRANO::DisabilitaControlliArticolo() {
    setItemControls(false);
    // No item, no flag of one: the last item's is not left on show.
    chkFlgVarArt_->setChecked(false);
    chkFlgVarArt_->setEnabled(false);
    for (const char* g : {"GRP02", "GRP03", "GRP04"})
        sidebar_->SetGroupEnabled(g, false);
    // Whichever item comes next, even the same one, sets the side bar up again.
    sidebarItem_ = kSidebarNessuno;
    applicaRights();
}

bool FRMMG_VELDRANO::CheckArtVariante() {
    bool found = false;
    Procedure p(services_, "CheckArtVariante");
    p.step([&] {
        db::Recordset rs;
        rs.open(sqlItemVariantDescriptions(ditta_, codArt_), connection());
        found = rs.recordCount() > 0;
    });
    return found;
}

void FRMMG_VELDRANO::ConfiguraSidebar(bool reselect) {
    const bool prevVar = flagVar_, prevAttiva = flagVarAttiva_;
    flagVar_ = false;
    flagVarAttiva_ = false;
    flagVar_ = itemFlagVarianti();
    if (flagVar_) {
        db::Recordset rs;
        rs.open(common::SqlItemManagesVariants(ditta_, codArt_), connection());
        flagVarAttiva_ = rs.recordCount() > 0;
    }
    if (sidebarItem_ == codArt_ && prevVar == flagVar_ && prevAttiva == flagVarAttiva_)
        return;
    const bool altroArticolo = sidebarItem_ != codArt_;
    sidebarItem_ = codArt_;

    // While the side bar is changed its clicks are the window's own.
    sidebarBusy_ = true;
    struct Libera {
        bool& busy;
        ~Libera() { busy = false; }
    } libera{sidebarBusy_};
    QString group = sidebar_->SelectedGroup(), item = sidebar_->SelectedItem();
    if (item.isEmpty()) {
        const SidebarEntry* e = sidebarEntry(currentTab());
        group = e ? e->group : "GRP01";
        item = e ? e->key : "ITM00";
    }
    sidebar_->SetGroupEnabled("GRP01", true);
    sidebar_->SetGroupEnabled("GRP02", flagVar_);
    sidebar_->SetGroupEnabled("GRP03", flagVar_ && flagVarAttiva_);
    sidebar_->SetGroupEnabled("GRP04", flagVar_ && flagVarAttiva_);
    sidebar_->SetGroupEnabled("GRP05", true);
    // Another item that cannot show the tab chosen for the previous one
    // opens on its summary; a change of the same item keeps the tab.
    const bool disponibile = sidebar_->ItemEnabled(group, item) &&
                             sidebarItemAllowed(group.toStdString(), item.toStdString());
    if (altroArticolo && !disponibile) {
        group = "GRP01";
        item = "ITM00";
    }
    if (reselect) {
        sidebarBusy_ = false;
        if (!sidebar_->ClickItem(group, item))
            sidebar_->Select(group, item, false);
    } else {
        sidebar_->Select(group, item, true);
    }
}

bool FRMMG_VELDRANO::sidebarItemAllowed(const std::string& group, const std::string& key) const {
    if (group == "GRP02" && !flagVarAttiva_)
        return key != "ITM01" && key != "ITM02" && key != "ITM12";
    return true;
}

void FRMMG_VELDRANO::KOV_SIDEBAR_ItemClick(const std::string& key) {
    if (sidebarBusy_ || !sidebar_->isEnabled())
        return;
    for (auto& t : tabs_)
        if (t)
            t->beforeSidebarChoice();
    int index = -1;
    try {
        index = std::stoi(key.substr(3));
    } catch (...) {
        return;
    }
    if (index < 0 || index >= common::kTabCount)
        return;
    if (tabArticolo_->currentIndex() != index) {
        int previous = tabArticolo_->currentIndex();
        tabArticolo_->setCurrentIndex(index);
        TAB_ARTICOLO_Click(previous);
    } else {
        TAB_ARTICOLO_Click(99);
    }
}

void FRMMG_VELDRANO::applySplitRegion(int index) {
    if (index >= 0 && index < common::kTabCount && tabs_[index])
        tabs_[index]->applySplit();
}

const std::string& FRMMG_VELDRANO::loadedItem(int tab) const {
    static const std::string none;
    return tab >= 0 && tab < common::kLoadedItemTabs ? loadedItems_[tab] : none;
}

void FRMMG_VELDRANO::setLoadedItem(int tab) {
    if (tab >= 0 && tab < common::kLoadedItemTabs)
        loadedItems_[tab] = codArt_;
}

void FRMMG_VELDRANO::clearLoadedItem(int tab) {
    if (tab >= 0 && tab < common::kLoadedItemTabs)
        loadedItems_[tab].clear();
}

void FRMMG_VELDRANO::PulisciTab(int index) {
    if (index < 0 || index >= common::kTabCount || !tabs_[index])
        return;
    tabs_[index]->clear();
}

int FRMMG_VELDRANO::currentTab() const {
    return tabArticolo_->currentIndex();
}

void FRMMG_VELDRANO::selectTab(int index) {
    if (const SidebarEntry* e = sidebarEntry(index))
        sidebar_->ClickItem(e->group, e->key);
}

bool FRMMG_VELDRANO::tabControlEnabled() const {
    return tabArticolo_->isEnabled();
}

bool FRMMG_VELDRANO::sidebarGroupEnabled(const std::string& group) const {
    return sidebar_->GroupEnabled(QString::fromStdString(group));
}

std::shared_ptr<void>& FRMMG_VELDRANO::sharedSlot(std::type_index type) {
    return shared_[type];
}

bool FRMMG_VELDRANO::event(QEvent* e) {
    if (loaded_ && !unloaded_ && (e->type() == QEvent::WindowActivate || e->type() == QEvent::Show))
        Form_Activate();
    return QWidget::event(e);
}

void FRMMG_VELDRANO::InitializeScript(framework::ScriptModel* model) {
    try {
        if (model)
            model->Register(this, objectName().toStdString(), 0, "Scheda prodotto");
    } catch (...) {
    }
}

void FRMMG_VELDRANO::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    applySplitRegion(currentTab());
}

}  // namespace card
