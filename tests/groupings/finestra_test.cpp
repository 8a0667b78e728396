// The options tab inside the real item card window: choosing it from the side
// bar, a grouping changed and left through the side bar, and the variant
// activation tab showing the association.

#include "common/window_services.h"
#include "groupings/option_lists.h"
#include "tests/groupings/options_fixture.h"
#include "tests/window/options_window.h"
#include "window/frmmg_veldrano.h"

namespace {

using cardtest::queueAnswer;
using cardtest::shown;

struct InTheWindow : cardtest::OptionsWindowTest {
    InTheWindow() : OptionsWindowTest("PANT-001") {}
    std::string grouping(const std::string& var) {
        return cardtest::text(
            cardtest::scalar(w->connection(),
                             "SELECT MG6B_CODRAGGVAR_MG5G FROM MG6B_GESVARART WHERE "
                             "MG6B_DITTA_CG18 = 1 AND MG6B_CODART_MG66 = 'PANT-001' AND "
                             "MG6B_CODICEVAR_MG5F = '" +
                                 var + "'"));
    }
};

TEST_F(InTheWindow, ASideBarChoiceSettlesAChangedGroupingFirst) {
    w->KOV_SIDEBAR_ItemClick("ITM01");
    ASSERT_EQ(w->currentTab(), common::kTabGestioneVarianti);
    ASSERT_EQ(st().variante, "A0");
    ASSERT_EQ(st().raggruppamento, "TG-NUMERI");
    EXPECT_EQ(st().destinazione->recordCount(), 7);

    // Another grouping typed, then the activation tab chosen: the question,
    // answered Yes, writes it; the activation tab shows it.
    st().TXT_RAGGR1->LineEdit()->setText("TG-LETTERE");
    st().TXT_RAGGR1->Decode();
    EXPECT_EQ(st().destinazione->recordCount(), 6);
    queueAnswer(common::vbYes);
    w->KOV_SIDEBAR_ItemClick("ITM03");
    EXPECT_TRUE(
        shown("E' stato modificato il raggruppamento (TG-LETTERE) per la variante Taglia."));
    EXPECT_EQ(grouping("A0"), "TG-LETTERE");
    EXPECT_EQ(w->currentTab(), common::kTabAttivazioneVarianti);
    EXPECT_EQ(w->loadedItem(common::kTabGestioneVarianti), "");

    // Back on the options tab: reloaded, with the grouping now associated.
    cardtest::clearMessages();
    w->KOV_SIDEBAR_ItemClick("ITM01");
    EXPECT_EQ(st().raggruppamento, "TG-LETTERE");
    EXPECT_FALSE(st().CMD_ASSOCIA->isEnabled());
    w->KOV_SIDEBAR_ItemClick("ITM03");
    EXPECT_FALSE(shown("raggruppamento"));
}

}  // namespace
