// The options tab inside the real item card window: choosing it from the side
// bar, a grouping changed and left through the side bar, and the variant
// activation tab showing the association.

#include <QTemporaryDir>

#include "common/window_services.h"
#include "demo/demo_database.h"
#include "demo/host_objects.h"
#include "groupings/option_lists.h"
#include "tests/groupings/options_fixture.h"
#include "window/frmmg_veldrano.h"

namespace {

using cardtest::queueAnswer;
using cardtest::shown;

struct InTheWindow : ::testing::Test {
    static void SetUpTestSuite() {
        demo::registerHostObjects();
        dir = new QTemporaryDir;
        path = dir->filePath("demo.db").toStdString();
        demo::createDemoDatabase(path);
    }
    static void TearDownTestSuite() { delete dir; }

    void SetUp() override {
        cardtest::clearMessages();
        w = std::make_unique<card::FRMMG_VELDRANO>();
        w->setContext("Data Source=" + path, "1");
        w->Form_Load();
        w->show();
        w->Form_Activate();
        w->TXT_CODART()->setText("PANT-001");
        w->TXT_CODART_Confirm("PANT-001");
    }
    void TearDown() override { w.reset(); }

    groupings::StatoOpzioni& st() { return w->shared<groupings::StatoOpzioni>(); }
    std::string grouping(const std::string& var) {
        return cardtest::text(
            cardtest::scalar(w->connection(),
                             "SELECT MG6B_CODRAGGVAR_MG5G FROM MG6B_GESVARART WHERE "
                             "MG6B_DITTA_CG18 = 1 AND MG6B_CODART_MG66 = 'PANT-001' AND "
                             "MG6B_CODICEVAR_MG5F = '" +
                                 var + "'"));
    }

    static inline QTemporaryDir* dir = nullptr;
    static inline std::string path;
    std::unique_ptr<card::FRMMG_VELDRANO> w;
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
