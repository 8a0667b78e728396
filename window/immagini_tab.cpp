#include "window/immagini_tab.h"

#include <QVBoxLayout>

#include "common/procedure.h"
#include "common/window_services.h"

namespace card {

ImmaginiTab::ImmaginiTab(common::ItemCard& card) : CardTab(card, common::kTabImmagini) {}

void ImmaginiTab::build(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    KOV_VISIMAGE1 = new ImageViewer(page);
    KOV_VISIMAGE1->setConnectionString(card().connectionString());
    KOV_VISIMAGE1->setTranslator(
        [this](const QString& text) { return card().services().TranslateCaption(text); });
    layout->addWidget(KOV_VISIMAGE1);
}

void ImmaginiTab::load() {
    if (card().isLoaded(index()))
        return;
    common::Procedure p(card(), loaderName());
    p.step([&] { card().PulisciTab(index()); });
    p.step([&] {
        KOV_VISIMAGE1->setCompany(card().companyCode());
        KOV_VISIMAGE1->setMode(1);
        KOV_VISIMAGE1->setKey(card().currentItem());
    });
    p.step([&] { card().setLoadedItem(index()); });
}

void ImmaginiTab::release() {
    if (KOV_VISIMAGE1) {
        KOV_VISIMAGE1->clear();
        KOV_VISIMAGE1->setConnectionString("");
    }
}

}  // namespace card
