// The item-code tabs inside the real item card window: the management flag
// belongs to the item record, so it is saved with the item by FME_ART, and
// a code is entered and saved in the window as a user would.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "common/item_card.h"
#include "demo/demo_database.h"
#include "itemcodes/artclifor_tab.h"
#include "platform/controls/record_frame.h"
#include "platform/db/connection.h"
#include "tests/support/test_card.h"
#include "tests/window/card_window.h"
#include "window/frmmg_veldrano.h"

namespace {

using itemcodes::ArtCliForTab;

struct CardWindow : cardtest::CardWindowReaderTest {
    ArtCliForTab& open(const std::string& item, int tab) {
        if (w->CMD_NUOVO()->isEnabled())  // a new search first, as a user does
            w->CMD_NUOVO()->click();
        w->TXT_CODART()->setText(QString::fromStdString(item));
        w->TXT_CODART_Confirm(item);
        w->selectTab(tab);
        return *static_cast<ArtCliForTab*>(w->tab(tab));
    }
    std::string flag(const std::string& item, const char* column) {
        return cardtest::text(cardtest::scalar(
            cn, std::string("SELECT ") + column +
                    " FROM MG66_ANAGRART WHERE MG66_DITTA_CG18 = 1 AND MG66_CODART = '" + item +
                    "'"));
    }
};

TEST_F(CardWindow, TheManagementFlagIsSavedWithTheItemAndCodesAreEnteredInTheWindow) {
    ArtCliForTab& tab = open("MAGLIA-002", common::kTabArtcli);
    ASSERT_NE(tab.recordset(), nullptr);
    EXPECT_EQ(tab.recordset()->recordCount(), 0);
    ASSERT_TRUE(tab.CHK_ARTCLIFOR->isEnabled());
    ASSERT_TRUE(tab.CHK_ARTCLIFOR->isChecked());

    // Cleared: the item record is changed, and written when the item is saved.
    tab.CHK_ARTCLIFOR->click();
    EXPECT_EQ(w->FME_ART()->Status(), 1);
    EXPECT_FALSE(tab.FRAME_ARTCLIFOR->isEnabled());
    EXPECT_EQ(flag("MAGLIA-002", "MG66_FLGARTCLI"), "1");
    ASSERT_TRUE(w->FME_ART()->Update());
    EXPECT_EQ(flag("MAGLIA-002", "MG66_FLGARTCLI"), "0");

    tab.CHK_ARTCLIFOR->click();
    ASSERT_TRUE(w->FME_ART()->Update());
    EXPECT_EQ(flag("MAGLIA-002", "MG66_FLGARTCLI"), "1");

    // A code entered in the window; the description calculator is not part
    // of this program, and its absence costs the code nothing.
    tab.GRIDNAV_ARTCLIFOR->Click("Nuovo");
    QTest::keyClicks(tab.TXT_CLIFOR_OPZIONE->LineEdit(), "S  NER");
    QTest::keyClick(tab.TXT_CLIFOR_OPZIONE->LineEdit(), Qt::Key_Return);
    QTest::keyClicks(tab.TXT_ARTCLIFOR, "MAG2-S-NER");
    QTest::keyClick(tab.TXT_ARTCLIFOR, Qt::Key_Return);
    QTest::keyClicks(tab.TXT_CODCLIFOR->LineEdit(), "3");
    QTest::keyClick(tab.TXT_CODCLIFOR->LineEdit(), Qt::Key_Return);
    tab.GRIDNAV_ARTCLIFOR->Click("Conferma");
    EXPECT_EQ(tab.frame()->Status(), 0);
    EXPECT_EQ(cardtest::count(cn, "MG73_ARTCLIFOR",
                              "MG73_ARTCLIFOR = 'MAG2-S-NER' AND MG73_OPZIONE_MG5E = 'S  NER' AND "
                              "MG73_CLIFOR_CG44 = 3"),
              1);
    EXPECT_FALSE(tab.CHK_ARTCLIFOR->isEnabled());
    EXPECT_TRUE(cardtest::shownMessages().empty());

    // Another item and back: the tab reads the codes again.
    open("MAGLIA-001", common::kTabArtcli);
    EXPECT_EQ(tab.recordset()->recordCount(), 5);
    EXPECT_EQ(w->loadedItem(common::kTabArtcli), "MAGLIA-001");
}

}  // namespace
