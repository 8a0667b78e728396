#pragma once
// A tab whose content is not part of this build: an empty page with its
// named loader, which still follows the loaded-item rule.

#include "common/item_card.h"

namespace card {

class EmptyTab : public common::CardTab {
public:
    EmptyTab(common::ItemCard& card, int index);
    void build(QWidget* page) override;
    void load() override;
    int loads() const { return loads_; }  // how many times the loader loaded

private:
    int loads_ = 0;
};

}  // namespace card
