#pragma once
// The real window on an item with variants, and the state of its options
// tab, for suites that work on the options lists inside the window.

#include <string>
#include <utility>

#include "groupings/option_lists.h"
#include "tests/window/card_window.h"

namespace cardtest {

class OptionsWindowTest : public CardWindowTest {
protected:
    explicit OptionsWindowTest(std::string item = "MAGLIA-001") : item_(std::move(item)) {}

    void SetUp() override {
        CardWindowTest::SetUp();
        choose(item_);
    }
    groupings::StatoOpzioni& st() { return w->shared<groupings::StatoOpzioni>(); }

private:
    std::string item_;
};

}  // namespace cardtest
