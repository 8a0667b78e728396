#include "common/card_pane.h"

#include <algorithm>
#include <map>
#include <vector>

#include "common/item_card.h"

namespace common {

namespace {

std::map<std::string, CardPaneFactory>& paneFactories() {
    static std::map<std::string, CardPaneFactory> factories;
    return factories;
}

// The panes a card hosts, in the card's shared state.
struct HostedPanes {
    std::vector<CardPane*> panes;
};

}  // namespace

CardPane::~CardPane() {
    auto& panes = card_.shared<HostedPanes>().panes;
    panes.erase(std::remove(panes.begin(), panes.end(), this), panes.end());
}

void registerCardPane(const std::string& frame, CardPaneFactory factory) {
    if (factory)
        paneFactories()[frame] = std::move(factory);
    else
        paneFactories().erase(frame);
}

const CardPaneFactory* cardPaneFactory(const std::string& frame) {
    auto it = paneFactories().find(frame);
    return it == paneFactories().end() ? nullptr : &it->second;
}

std::unique_ptr<CardPane> createCardPane(ItemCard& card, const std::string& frame,
                                         QWidget* frameWidget) {
    const CardPaneFactory* factory = cardPaneFactory(frame);
    if (!factory)
        return nullptr;
    std::unique_ptr<CardPane> pane = (*factory)(card);
    if (!pane)
        return nullptr;
    card.shared<HostedPanes>().panes.push_back(pane.get());
    pane->build(frameWidget);
    return pane;
}

bool runPaneProcedure(ItemCard& card, const std::string& procedure) {
    // A copy: the procedure may create or destroy panes.
    const std::vector<CardPane*> panes = card.shared<HostedPanes>().panes;
    for (CardPane* pane : panes)
        if (pane->run(procedure))
            return true;
    return false;
}

}  // namespace common
