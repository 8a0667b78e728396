// The pane in the real item card window: the launcher's entry shows it on
// tab 9, leaving the tab or a new search hides it, an item created by the
// item duplication becomes the window's item, and a run takes no input but
// its interrupt.

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "demo/demo_database.h"
#include "duplication/clsmg_artdupl.h"
#include "duplication/dupl_pane.h"
#include "duplication/invoca.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/lookup_box.h"
#include "platform/db/recordset.h"
#include "tests/support/test_card.h"
#include "tests/support/typing.h"
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

// A run of MAGLIA-002's bill onto the thirty articles of MAGLIA-001, set up
// with the keyboard and the mouse; a second session reads what it wrote.
struct RunInTheWindow : cardtest::CardWindowReaderTest {
    void SetUp() override {
        CardWindowReaderTest::SetUp();
        choose("MAGLIA-001");
        auto* tab = dynamic_cast<card::GestioniTab*>(w->tab(common::kTabGestioni));
        ASSERT_NE(tab, nullptr);
        pane = dynamic_cast<duplication::DuplPane*>(tab->duplPane());
        ASSERT_NE(pane, nullptr);
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        ASSERT_TRUE(duplication::CreazioneDistinte(*w));
        QApplication::processEvents();  // the pane laid out where it is clicked
        cardtest::type(pane->TXT_ARTICOLO_ORIG->LineEdit(), "MAGLIA-002");
        clickHeader(pane->QGRID_STRUTT_DESTI, "A0");
        clickHeader(pane->QGRID_STRUTT_DESTI, "A1");
        QTest::mouseClick(pane->CMD_ANTEPRIMA, Qt::LeftButton);
        ASSERT_NE(pane->preview(), nullptr);
        ASSERT_EQ(pane->preview()->recordCount(), 30);
        pane->QGRID_PREVIEW->ClickHeader(0);  // every article picked
        cardtest::clearMessages();
    }
    static void clickHeader(controls::DataGrid* grid, const std::string& key) {
        const int c = grid->Columns().IndexOf(QString::fromStdString(key));
        ASSERT_GE(c, 0) << "no column " << key;
        QHeaderView* header = grid->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(c) + 4, header->height() / 2));
    }
    void duplicate() {
        cardtest::queueAnswer(common::vbYes);
        QTest::mouseClick(pane->CMD_DUPL, Qt::LeftButton);
    }
    std::string esito(long row) {
        db::Recordset* rs = pane->preview();
        return cardtest::text(rs->valueAt(row, rs->fieldIndex("ESITO")));
    }
    long long bills(const std::string& variant) {
        return cardtest::count(cn, "PD95_DISBA",
                               "PD95_CODART_MG66 = 'MAGLIA-001' AND PD95_OPZIONE = '" + variant +
                                   "' AND PD95_TIPO_DISTINTA = 0");
    }
    duplication::DuplPane* pane = nullptr;
};

TEST_F(RunInTheWindow, ARunTakesOnlyItsInterruptAndAClosedWindowClosesAfterIt) {
    // Rows by code: L BLU, L CAM, L GRI (has its own bill), ...
    pane->afterRow = [&](long row) {
        if (row == 0) {
            // A new search, a tab of the side bar and a key in the code box
            // wait for the run: the item and the pane stay as they are.
            QTest::mouseClick(w->CMD_NUOVO(), Qt::LeftButton);
            QTest::keyClick(w.get(), Qt::Key_N, Qt::AltModifier);
            QTest::keyClick(pane->TXT_ARTICOLO_ORIG->LineEdit(), Qt::Key_X);
        } else if (row == 1) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                        : static_cast<QWidget*>(w.get()),
                            Qt::Key_Escape);
        }
    };
    duplicate();
    EXPECT_EQ(w->currentItem(), "MAGLIA-001");
    EXPECT_EQ(w->currentTab(), common::kTabGestioni);
    EXPECT_FALSE(pane->FRAME_DUPL->isHidden());
    EXPECT_EQ(pane->TXT_ARTICOLO_ORIG->Text().toStdString(), "MAGLIA-002");
    // Esc stopped the run after the second article, each copied whole.
    EXPECT_EQ(esito(0), "OK");
    EXPECT_EQ(esito(1), "OK");
    EXPECT_EQ(esito(2), "");
    EXPECT_EQ(bills("L  BLU"), 2);
    EXPECT_EQ(bills("L  CAM"), 2);
    EXPECT_EQ(bills("L  ROS"), 0);
    EXPECT_TRUE(cardtest::shown("[x24233x] Elaborazione terminata."));
    // After the run the window takes input again.
    QTest::keyClick(pane->TXT_ARTICOLO_ORIG->LineEdit(), Qt::Key_X);
    EXPECT_EQ(pane->TXT_ARTICOLO_ORIG->Text().toStdString(), "MAGLIA-002x");
    cardtest::type(pane->TXT_ARTICOLO_ORIG->LineEdit(), "MAGLIA-002");

    // Closing the window in the middle of a run: the article in hand is
    // finished, the run stops, and the window closes once it is over.
    pane->afterRow = [&](long row) {
        if (row == 3)
            w->close();
    };
    duplicate();
    EXPECT_TRUE(w->isVisible());  // not under the run
    EXPECT_EQ(esito(3), "OK");
    EXPECT_EQ(esito(4), "");
    EXPECT_EQ(bills("L  ROS"), 2);
    EXPECT_EQ(bills("L  VER"), 0);
    EXPECT_TRUE(cardtest::shown("[x24233x] Elaborazione terminata."));
    QTest::qWait(0);
    EXPECT_FALSE(w->isVisible());
}

}  // namespace
