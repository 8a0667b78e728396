// The generated-descriptions tab tried by hand: "Memorizza in tutte le
// lingue" ticked stores every language, whichever language is shown.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "common/item_card.h"
#include "descriptions/calcdescrvar.h"
#include "descriptions/generad_tab.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/side_bar.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "tests/support/test_card.h"
#include "tests/window/card_window.h"
#include "window/frmmg_veldrano.h"

namespace {

using descriptions::GeneradTab;

struct Descriptions : cardtest::CardWindowReaderTest {
    GeneradTab& tab() { return *static_cast<GeneradTab*>(w->tab(common::kTabGenerad)); }
    // Ticks the row of a variant article in the grid's pick column.
    void pick(const std::string& code) {
        db::Recordset& rs = *tab().generatore()->Risultato();
        int column = -1;
        auto& cols = tab().QGRID_GENERAD->Columns();
        for (int c = 0; c < cols.Count(); ++c)
            if (cols.Item(c).Field() == "SELEZ")
                column = c;
        for (long r = 0; r < rs.recordCount(); ++r)
            if (cardtest::text(rs.valueAt(r, rs.fieldIndex("VARIANTE"))) == code) {
                tab().QGRID_GENERAD->ToggleCheck(r, column);
                return;
            }
        FAIL() << code;
    }
    long long stored(const std::string& code) {
        return cardtest::count(
            cn, "MG87_ARTDESC",
            "MG87_CODART_MG66 = 'PANT-001' AND MG87_OPZIONE_MG5E = '" + code + "'");
    }
};

TEST_F(Descriptions, EveryLanguageIsStoredWhenTheBoxIsTickedWhicheverLanguageIsShown) {
    choose("PANT-001");
    ASSERT_TRUE(w->KOV_SIDEBAR()->ClickItem("GRP02", "ITM12"));
    GeneradTab& t = tab();
    ASSERT_TRUE(t.CHK_MEMDESCLINGUE->isVisible());
    QTest::mouseClick(t.CHK_MEMDESCLINGUE, Qt::LeftButton);
    ASSERT_TRUE(t.CHK_MEMDESCLINGUE->isChecked());

    // A language chosen from the list by keyboard: the box hides, still ticked.
    t.CBO_LINGUA->setFocus();
    QTest::keyClick(t.CBO_LINGUA, Qt::Key_Down);
    ASSERT_GT(t.CBO_LINGUA->currentIndex(), 0);
    EXPECT_FALSE(t.CHK_MEMDESCLINGUE->isVisible());
    EXPECT_TRUE(t.CHK_MEMDESCLINGUE->isChecked());

    QTest::mouseClick(t.CMD_PRELOAD, Qt::LeftButton);
    pick("50 BEI32SLIM");
    const long long before = stored("50 BEI32SLIM");
    QTest::mouseClick(t.CMD_MEMO, Qt::LeftButton);
    // Base, INGL, FRAN and TEDE.
    EXPECT_EQ(stored("50 BEI32SLIM"), before + 4);
    for (const char* lang : {"", "INGL", "FRAN", "TEDE"})
        EXPECT_EQ(cardtest::count(cn, "MG87_ARTDESC",
                                  std::string("MG87_CODART_MG66 = 'PANT-001' AND "
                                              "MG87_OPZIONE_MG5E = '50 BEI32SLIM' AND "
                                              "MG87_LINGUA_MG52 = '") +
                                      lang + "'"),
                  1)
            << lang;

    // Unticked (back on the base language), only the language shown is stored.
    t.CBO_LINGUA->setFocus();
    QTest::keyClick(t.CBO_LINGUA, Qt::Key_Up);
    ASSERT_TRUE(t.CHK_MEMDESCLINGUE->isVisible());
    QTest::mouseClick(t.CHK_MEMDESCLINGUE, Qt::LeftButton);
    ASSERT_FALSE(t.CHK_MEMDESCLINGUE->isChecked());
    QTest::keyClick(t.CBO_LINGUA, Qt::Key_Down);
    QTest::mouseClick(t.CMD_PRELOAD, Qt::LeftButton);
    pick("52 BEI32SLIM");
    const long long other = stored("52 BEI32SLIM");
    QTest::mouseClick(t.CMD_MEMO, Qt::LeftButton);
    EXPECT_EQ(stored("52 BEI32SLIM"), other + 1);
}

}  // namespace
