#include "window/gestioni_tab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "common/procedure.h"
#include "platform/controls/split_region.h"
#include "window/launcher.h"

namespace card {

GestioniTab::GestioniTab(common::ItemCard& card) : CardTab(card, common::kTabGestioni) {}

void GestioniTab::build(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    SplitRegionDupl = new controls::SplitRegion(Qt::Vertical, page);
    SplitRegionDupl->setObjectName("SplitRegionDupl");
    SplitRegionDupl->setChildrenCollapsible(false);
    FRAME_GESTIONI = new QGroupBox(QStringLiteral("Gestioni collegate"), SplitRegionDupl);
    FRAME_GESTIONI->setObjectName("FRAME_GESTIONI");
    // The menu buttons stay at the top, whatever room the pane has.
    (new QHBoxLayout(FRAME_GESTIONI))->setAlignment(Qt::AlignTop);
    InitCmdGestioni(card(), FRAME_GESTIONI);
    FRAME_DUPL = new QGroupBox(QStringLiteral("Duplicazione distinta base"), SplitRegionDupl);
    FRAME_DUPL->setObjectName("FRAME_DUPL");
    new QVBoxLayout(FRAME_DUPL);
    SplitRegionDupl->addWidget(FRAME_GESTIONI);
    SplitRegionDupl->addWidget(FRAME_DUPL);
    // The commands a quarter of the page, the duplication pane the rest.
    SplitRegionDupl->SetProportions({1, 3});
    layout->addWidget(SplitRegionDupl);
    duplPane_ = common::createCardPane(card(), "FRAME_DUPL", FRAME_DUPL);
}

void GestioniTab::toPane(void (common::CardPane::*event)()) {
    if (duplPane_)
        (duplPane_.get()->*event)();
}

void GestioniTab::firstActivation() {
    toPane(&common::CardPane::firstActivation);
}

void GestioniTab::beforeTabSwitch() {
    toPane(&common::CardPane::beforeTabSwitch);
}

void GestioniTab::newSearch() {
    toPane(&common::CardPane::newSearch);
}

void GestioniTab::release() {
    toPane(&common::CardPane::release);
    duplPane_.reset();
}

void GestioniTab::load() {
    if (card().isLoaded(index()))
        return;
    common::Procedure p(card(), loaderName());
    p.step([&] { card().PulisciTab(index()); });
    p.step([&] { card().setLoadedItem(index()); });
}

void GestioniTab::applySplit() {
    // Until the user places the bar, the panes keep their proportions.
    if (SplitRegionDupl)
        SplitRegionDupl->ApplyProportions();
}

}  // namespace card
