// What the card reads from a box the user typed in: both kinds of box.

#include "common/box_text.h"

#include <gtest/gtest.h>

#include <QLineEdit>

#include "platform/controls/lookup_box.h"
#include "tests/support/typing.h"

namespace {

TEST(BoxText, TrailingBlanksGoLeadingStayABlankOrMissingBoxIsEmpty) {
    QLineEdit edit;
    cardtest::fill(&edit, "  AB  ");
    EXPECT_EQ(common::BoxText(&edit), "  AB");
    cardtest::fill(&edit, "   ");
    EXPECT_EQ(common::BoxText(&edit), "");

    controls::LookupBox box;
    cardtest::fill(box.LineEdit(), "MAGLIA-001  ");
    EXPECT_EQ(common::BoxText(&box), "MAGLIA-001");
    cardtest::fill(box.LineEdit(), " ");
    EXPECT_EQ(common::BoxText(&box), "");

    EXPECT_EQ(common::BoxText(static_cast<const QLineEdit*>(nullptr)), "");
    EXPECT_EQ(common::BoxText(static_cast<const controls::LookupBox*>(nullptr)), "");
}

}  // namespace
