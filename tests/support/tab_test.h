#pragma once
// A test suite over one tab of the test card on the demo database: before
// each test the messages of the last are cleared and the tab is built and
// activated as the window does at its first show.

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_card.h"

namespace cardtest {

// After a change made on one of the variant tabs (1 to 6): that tab still
// shows the item, the others load again when next shown.
inline void expectOthersToReload(const TestCard& card, int tab, const std::string& item) {
    for (int t = common::kTabGestioneVarianti; t <= common::kTabStatiCombinazione; ++t)
        EXPECT_EQ(card.loadedItem(t), t == tab ? item : "") << t;
}

template <class Tab, int kIndex>
struct TabTest : ::testing::Test {
    TestCard card;
    Tab& tab = card.addTab<Tab>(kIndex);

    void SetUp() override {
        clearMessages();
        tab.activate();
    }
    db::Connection& cn() { return card.connection(); }
    // The item shown and the tab loaded, as a click on the tab after navigation.
    void show(const std::string& item) {
        card.showItem(item);
        tab.load();
    }
};

}  // namespace cardtest
