// The item header of the card, tried by hand: after "Nuova ricerca" no item
// is shown, and nothing that writes or loads item data may act on the
// placeholder that stands for "no item".

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include "common/item_card.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/record_frame.h"
#include "platform/controls/side_bar.h"
#include "platform/db/connection.h"
#include "tests/support/test_card.h"
#include "tests/window/card_window.h"
#include "window/frmmg_veldrano.h"

namespace {

struct ItemHeader : cardtest::CardWindowReaderTest {
    long long items() { return cardtest::count(cn, "MG66_ANAGRART", "1 = 1"); }

    // Every text the window shows a person: boxes, labels, buttons, grid cells.
    std::vector<QString> shownTexts() {
        std::vector<QString> out;
        for (QLineEdit* e : w->findChildren<QLineEdit*>())
            if (e->isVisibleTo(w.get()))
                out.push_back(e->text());
        for (QLabel* l : w->findChildren<QLabel*>())
            if (l->isVisibleTo(w.get()))
                out.push_back(l->text());
        for (controls::DataGrid* g : w->findChildren<controls::DataGrid*>()) {
            QAbstractItemModel* m = g->model();
            if (!m)
                continue;
            for (int r = 0; r < m->rowCount(); ++r)
                for (int c = 0; c < m->columnCount(); ++c)
                    out.push_back(m->index(r, c).data().toString());
        }
        return out;
    }
    void expectNoPlaceholder(const char* where) {
        for (const QString& t : shownTexts())
            EXPECT_FALSE(t.contains(QChar(0xFF))) << where << ": " << t.toStdString();
    }
};

TEST_F(ItemHeader, AfterANewSearchNothingWritesOrLoadsItemData) {
    choose("MAGLIA-001");
    w->selectTab(common::kTabArtcli);
    const long long before = items();
    const std::string flag = cardtest::text(cardtest::scalar(
        cn, "SELECT MG66_FLGVARART FROM MG66_ANAGRART WHERE MG66_CODART = 'MAGLIA-001'"));

    QTest::mouseClick(w->CMD_NUOVO(), Qt::LeftButton);
    ASSERT_TRUE(w->TXT_CODART()->isEnabled());

    // The variant-management box belongs to an item: with none shown it is
    // off, and a click on it writes nothing.
    QCheckBox* chk = w->CHK_FLGVARART();
    EXPECT_FALSE(chk->isEnabled());
    QTest::mouseClick(chk, Qt::LeftButton);
    chk->click();  // even when reached programmatically, as a shortcut would
    EXPECT_TRUE(cardtest::shownMessages().empty())
        << (cardtest::shownMessages().empty() ? "" : cardtest::shownMessages().front());
    EXPECT_EQ(items(), before);
    EXPECT_EQ(cardtest::count(cn, "MG66_ANAGRART", "MG66_DITTA_CG18 IS NULL OR MG66_CODART = ''"),
              0);
    EXPECT_EQ(cardtest::text(cardtest::scalar(
                  cn, "SELECT MG66_FLGVARART FROM MG66_ANAGRART WHERE MG66_CODART = 'MAGLIA-001'")),
              flag);

    // The header waits for a code; the rest of the item's controls are off.
    EXPECT_TRUE(w->TXT_CODART()->isEnabled());
    EXPECT_FALSE(w->TXT_DESCART()->isEnabled());
    EXPECT_FALSE(w->CMD_NUOVO()->isEnabled());
    EXPECT_FALSE(w->TBAR_GESTIONICOLLEGATE()->isEnabled());
    EXPECT_FALSE(w->tabControlEnabled());

    // No tab shows the placeholder of "no item", even one loaded before.
    for (int t = 0; t < common::kTabCount; ++t) {
        w->selectTab(t);
        expectNoPlaceholder(("tab " + std::to_string(t)).c_str());
    }
    EXPECT_EQ(items(), before);

    // The code box still works: typing an item shows it again.
    QTest::keyClicks(w->TXT_CODART(), "MAGLIA-002");
    QTest::keyClick(w->TXT_CODART(), Qt::Key_Return);
    EXPECT_EQ(w->currentItem(), "MAGLIA-002");
    EXPECT_TRUE(chk->isEnabled());
    EXPECT_FALSE(w->TXT_CODART()->isEnabled());
}

TEST_F(ItemHeader, TheDescriptionIsShownNotWritten) {
    choose("MAGLIA-003");
    QLineEdit* descr = w->TXT_DESCART();
    EXPECT_EQ(descr->text().toStdString(), "Maglia scollo a V lana merino");
    EXPECT_TRUE(descr->isReadOnly());
    descr->setFocus();
    QTest::keyClick(descr, Qt::Key_End);
    QTest::keyClicks(descr, QString(300, 'x'));
    QTest::keyClick(descr, Qt::Key_Return);
    EXPECT_EQ(descr->text().toStdString(), "Maglia scollo a V lana merino");
    EXPECT_EQ(w->FME_ART()->Status(), 0);
    // A save of the item, as the navigator's Salva, writes no description.
    w->FME_ART()->Change();
    EXPECT_TRUE(w->FME_ART()->Update());
    EXPECT_EQ(cardtest::text(cardtest::scalar(
                  cn, "SELECT MG66_DESCART FROM MG66_ANAGRART WHERE MG66_CODART = 'MAGLIA-003'")),
              "Maglia scollo a V lana merino");
    for (const auto& m : cardtest::shownMessages())
        EXPECT_EQ(m.find("22001"), std::string::npos) << m;
}

TEST_F(ItemHeader, TheItemCodeBoxStopsAtItsColumnAndSaysSo) {
    QLineEdit* code = w->TXT_CODART();
    ASSERT_TRUE(code->isEnabled());
    code->setFocus();
    QTest::keyClicks(code, QString(30, 'A'));
    EXPECT_EQ(code->text().size(), 25);
    EXPECT_TRUE(cardtest::shown("[x91701x] Il campo accetta al massimo 25 caratteri."));

    // A full box confirmed with Enter is not "too long".
    cardtest::clearMessages();
    code->clear();
    QTest::keyClicks(code, QString(25, 'B'));
    QTest::keyClick(code, Qt::Key_Return);
    QTest::keyClick(code, Qt::Key_Enter);
    for (const auto& m : cardtest::shownMessages())
        EXPECT_EQ(m.find("91701"), std::string::npos) << m;
}

}  // namespace
