#include "window/empty_tab.h"

#include <QVBoxLayout>
#include <QWidget>

#include "common/procedure.h"

namespace card {

EmptyTab::EmptyTab(common::ItemCard& card, int index) : CardTab(card, index) {}

void EmptyTab::build(QWidget* page) {
    if (!page->layout())
        new QVBoxLayout(page);
}

void EmptyTab::load() {
    if (index() < common::kLoadedItemTabs && card().isLoaded(index()))
        return;
    common::Procedure p(card(), loaderName());
    p.step([&] { card().PulisciTab(index()); });
    p.step([&] { ++loads_; });
    p.step([&] { card().setLoadedItem(index()); });
}

}  // namespace card
