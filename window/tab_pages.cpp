// The window's tabs, built when first shown rather than all at load: each
// page is empty until its tab is shown or asked for, and a tab built late is
// brought to where the window is (activated, an item shown, the layout the
// host gave back, the host's rights), as if it had been built at load.

#include <QCheckBox>
#include <QStackedWidget>

#include "common/item_card.h"
#include "platform/controls/mnemonics.h"
#include "platform/controls/read_only_look.h"
#include "window/empty_tab.h"
#include "window/frmmg_veldrano.h"
#include "window/window_layout.h"

namespace card {

void FRMMG_VELDRANO::buildTabs() {
    tabsReady_ = true;
    connect(tabArticolo_, &QStackedWidget::currentChanged, this,
            [this](int index) { ensureTab(index); });
    // The activation tab answers the item's variant check box: it is there
    // before the box's click is.
    connect(chkFlgVarArt_, &QCheckBox::pressed, this,
            [this] { ensureTab(common::kTabAttivazioneVarianti); });
    // The window's own captions in the user's language (the pages' as they
    // are built), before the mnemonics are given among their words.
    services_.TranslateControls(this);
    controls::ShowReadOnlyLook(this);
    // Every command answers Alt+letter: the window's own first, then each
    // page's, as it is built, among the letters the window left free.
    QList<QWidget*> pages;
    for (QWidget* page : pages_)
        pages.push_back(page);
    windowMnemonics_ = controls::AssignMnemonics(this, {}, pages);
    ensureTab(currentTab());
}

common::CardTab* FRMMG_VELDRANO::ensureTab(int index) const {
    if (index < 0 || index >= common::kTabCount)
        return nullptr;
    if (tabs_[index] || !tabsReady_ || unloaded_)
        return tabs_[index].get();
    auto* self = const_cast<FRMMG_VELDRANO*>(this);
    std::unique_ptr<common::CardTab> t;
    if (const common::CardTabFactory* f = common::cardTabFactory(index))
        t = (*f)(*self);
    else
        t = std::make_unique<EmptyTab>(*self, index);
    common::CardTab* built = t.get();
    tabs_[index] = std::move(t);
    // Built on a hidden page, as at load: showing it again shows the new
    // widgets and lays them out at once, not at the next turn of the loop.
    QWidget* page = pages_[index];
    const bool shown = page->isVisible();
    if (shown)
        page->hide();
    built->build(page);
    self->services_.TranslateControls(page);
    controls::ShowReadOnlyLook(page);
    controls::AssignMnemonics(page, windowMnemonics_);
    if (shown)
        page->show();
    if (tabsActivated_)
        built->activate();
    if (itemControls_)
        built->itemShown();
    RestoreLayout(*pages_[index], keptLayout_);
    RestoreGridLayouts(*this, *pages_[index], keptGridLayouts_);
    if (loaded_)
        self->applicaRights();
    return built;
}

common::CardTab* FRMMG_VELDRANO::tab(int index) const {
    return ensureTab(index);
}

QWidget* FRMMG_VELDRANO::page(int index) const {
    if (index < 0 || index >= common::kTabCount)
        return nullptr;
    ensureTab(index);
    return pages_[index];
}

QByteArray FRMMG_VELDRANO::layoutState() const {
    return SaveLayout(*this, keptLayout_);
}

void FRMMG_VELDRANO::setLayoutState(const QByteArray& state) {
    keptLayout_ = state;
    RestoreLayout(*this, state);
}

QVariantMap FRMMG_VELDRANO::layoutEntries() const {
    return SaveGridLayouts(*this, keptGridLayouts_);
}

void FRMMG_VELDRANO::setLayoutEntries(const QVariantMap& entries) {
    keptGridLayouts_ = entries;
    RestoreGridLayouts(*this, *this, entries);
}

}  // namespace card
