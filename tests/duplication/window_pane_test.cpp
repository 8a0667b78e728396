// The pane in the real item card window: the launcher's entry shows it on
// tab 9, leaving the tab or a new search hides it, and an item created by
// the item duplication becomes the window's item.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "demo/demo_database.h"
#include "duplication/clsmg_artdupl.h"
#include "duplication/dupl_pane.h"
#include "duplication/invoca.h"
#include "platform/controls/lookup_box.h"
#include "platform/db/recordset.h"
#include "tests/support/test_card.h"
#include "tests/window/card_window.h"
#include "window/frmmg_veldrano.h"
#include "window/gestioni_tab.h"

namespace {

struct CardWindow : cardtest::CardWindowTest {
    void SetUp() override {
        CardWindowTest::SetUp();
        choose("MAGLIA-001");
        ASSERT_EQ(w->currentItem(), "MAGLIA-001");
        auto* tab = dynamic_cast<card::GestioniTab*>(w->tab(common::kTabGestioni));
        ASSERT_NE(tab, nullptr);
        pane = dynamic_cast<duplication::DuplPane*>(tab->duplPane());
        ASSERT_NE(pane, nullptr);
    }
    duplication::DuplPane* pane = nullptr;
};

TEST_F(CardWindow, TheLauncherShowsThePaneOnTab9AndLeavingTheTabHidesIt) {
    EXPECT_TRUE(pane->FRAME_DUPL->isHidden());
    EXPECT_TRUE(duplication::CreazioneDistinte(*w));
    EXPECT_EQ(w->currentTab(), common::kTabGestioni);
    EXPECT_FALSE(pane->FRAME_DUPL->isHidden());
    EXPECT_EQ(pane->TXT_ARTICOLO_DESTI->Text().toStdString(), "MAGLIA-001");
    EXPECT_EQ(pane->structure()->recordCount(), 6);

    w->selectTab(common::kTabDatiAnagrafici);
    EXPECT_TRUE(pane->FRAME_DUPL->isHidden());
    EXPECT_TRUE(common::runPaneProcedure(*w, "CreazioneDistinte"));
    EXPECT_FALSE(pane->FRAME_DUPL->isHidden());
    w->CMD_NUOVO_Click();
    EXPECT_TRUE(pane->FRAME_DUPL->isHidden());
    EXPECT_FALSE(common::runPaneProcedure(*w, "NessunaProcedura"));
}

TEST_F(CardWindow, TheDuplicatedItemBecomesTheWindowsItem) {
    ASSERT_TRUE(duplication::CreazioneDistinte(*w));
    bool driven = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<duplication::FRMMG_ARTDUPL*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->TXT_CODART_NEW->setText("MAGLIA-005");
        d->CMD_DUPLICA->click();
        driven = true;
    });
    pane->CMD_DUPLART->click();
    ASSERT_TRUE(driven);
    EXPECT_EQ(w->currentItem(), "MAGLIA-005");
    EXPECT_EQ(w->TXT_CODART()->text().trimmed().toStdString(), "MAGLIA-005");
    EXPECT_EQ(w->TXT_DESCART()->text().toStdString(), "Maglia girocollo lana merino");

    // Cancelling the window leaves the card where it was.
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<duplication::FRMMG_ARTDUPL*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->CMD_ANNULLA->click();
    });
    pane->CMD_DUPLART->click();
    EXPECT_EQ(w->currentItem(), "MAGLIA-005");
    EXPECT_FALSE(pane->articoloDuplicato());
}

}  // namespace
