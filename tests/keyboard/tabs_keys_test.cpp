// One task of the other tabs by keys alone: Esc abandons a new row in every
// frame (the transcoding tab's and the item codes'), a state cell opens its
// list on F4 and on typing and takes a typed code with Enter, the side bar
// opens a tab from the keyboard.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>

#include "common/item_card.h"
#include "common/value_helpers.h"
#include "itemcodes/artclifor_tab.h"
#include "platform/controls/grid_navigator.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/record_frame.h"
#include "platform/controls/side_bar.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "states/state_grid.h"
#include "states/stati_variante_tab.h"
#include "tests/keyboard/keyboard_support.h"
#include "tests/support/test_card.h"
#include "transcoding/trascodifica_varianti_tab.h"

namespace {

using keytest::holds;

struct TabsByKeys : keytest::KeyboardTest {
    void SetUp() override {
        KeyboardTest::SetUp();
        cn.open("Data Source=" + path);
    }
    template <class Tab>
    Tab& tab(int index) {
        return *static_cast<Tab*>(w->tab(index));
    }
    long long rows(const char* table, const std::string& where) {
        return cardtest::count(cn, table, where);
    }
    db::Connection cn;  // a second session, reading what the window wrote
};

TEST_F(TabsByKeys, EscAbandonsTheTranscodingNewRowAndTheItemCanBeLeft) {
    choose("MAGLIA-003");
    w->selectTab(common::kTabTrascodificaVarianti);
    auto& t = tab<transcoding::TrascodificaVariantiTab>(common::kTabTrascodificaVarianti);
    const int colour = t.CBO_TIPOVAR2->findData(common::indiceVariante("A1"));
    ASSERT_GE(colour, 0);
    ASSERT_TRUE(tabTo(t.CBO_TIPOVAR2));
    for (int i = 0; i < colour; ++i)
        press(Qt::Key_Down);
    ASSERT_EQ(t.CBO_TIPOVAR2->currentIndex(), colour);
    ASSERT_TRUE(tabTo(t.TXT_CLIFOR));
    type("3");
    press(Qt::Key_Return);
    ASSERT_NE(t.FME_TRASCF(), nullptr);
    const long stored = t.rsTrascf()->recordCount();
    const long long before = rows("MG5S_VARCLIFOR", "1 = 1");

    mnemonic(t.GRIDNAV_TRASCF->Button("Nuovo"));
    ASSERT_EQ(t.FME_TRASCF()->Status(), 2);
    type("Abbandonata");
    press(Qt::Key_Escape);
    EXPECT_EQ(t.FME_TRASCF()->Status(), 0);
    EXPECT_EQ(t.rsTrascf()->recordCount(), stored);

    // Nothing pending: another item opens at once, without a question.
    cardtest::clearMessages();
    choose("MAGLIA-001");
    EXPECT_EQ(w->TXT_CODART()->text().toStdString(), "MAGLIA-001");
    EXPECT_TRUE(cardtest::shownMessages().empty());
    EXPECT_EQ(rows("MG5S_VARCLIFOR", "1 = 1"), before);
}

TEST_F(TabsByKeys, AnItemCodeIsConfirmedWithTabAsWithEnter) {
    QLineEdit* code = w->TXT_CODART();
    ASSERT_TRUE(code->isEnabled());
    ASSERT_TRUE(tabTo(code));
    cardtest::clearMessages();

    // A code that names no item: the user is told once and stays in the box.
    type("NON-ESISTE");
    press(Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_TRUE(cardtest::shown("NON-ESISTE"));
    EXPECT_TRUE(holds(code));
    EXPECT_TRUE(code->isEnabled());
    const std::size_t told = cardtest::shownMessages().size();
    press(Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(cardtest::shownMessages().size(), told);

    // The right code and Tab: the item opens, as with Enter.
    ASSERT_TRUE(tabTo(code));
    press(Qt::Key_A, Qt::ControlModifier);
    type("MAGLIA-001");
    ASSERT_EQ(code->text().toStdString(), "MAGLIA-001");
    press(Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_FALSE(code->isEnabled());
    EXPECT_EQ(code->text().trimmed().toStdString(), "MAGLIA-001");
    EXPECT_FALSE(w->findChild<QLineEdit*>("TXT_DESCART")->text().isEmpty());
    EXPECT_EQ(cardtest::shownMessages().size(), told);
}

// Esc in the item box of a new search: nothing is shown and the card keeps
// waiting for a code (it once took the empty box for an item shown, locked
// the box and offered the variants tick of no item).
TEST_F(TabsByKeys, EscInTheItemBoxOfANewSearchKeepsWaitingForACode) {
    choose("MAGLIA-001");
    QLineEdit* code = w->TXT_CODART();
    QPushButton* nuovo = w->CMD_NUOVO();
    mnemonic(nuovo);
    ASSERT_TRUE(code->isEnabled());
    ASSERT_TRUE(holds(code));
    for (const char* typed : {"", "MAG"}) {
        type(typed);
        press(Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_TRUE(code->isEnabled()) << typed;
        EXPECT_TRUE(holds(code)) << typed;
        EXPECT_FALSE(nuovo->isEnabled()) << typed;
        EXPECT_FALSE(w->CHK_FLGVARART()->isEnabled()) << typed;
        EXPECT_EQ(w->currentItem(), std::string(common::kNessunArticolo)) << typed;
    }
    // The next code opens its item as usual.
    press(Qt::Key_A, Qt::ControlModifier);
    type("PANT-001");
    press(Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(w->currentItem(), "PANT-001");
    EXPECT_FALSE(code->isEnabled());
}

TEST_F(TabsByKeys, EscAbandonsAnItemCodeBeingEnteredOrEdited) {
    choose("MAGLIA-001");
    w->selectTab(common::kTabArtcli);
    auto& cli = tab<itemcodes::ArtCliForTab>(common::kTabArtcli);
    ASSERT_NE(cli.frame(), nullptr);
    const long stored = cli.recordset()->recordCount();

    mnemonic(cli.GRIDNAV_ARTCLIFOR->Button("Nuovo"));
    ASSERT_EQ(cli.frame()->Status(), 2);
    ASSERT_TRUE(tabTo(cli.TXT_ARTCLIFOR));
    type("ABBANDONATO");
    press(Qt::Key_Escape);
    EXPECT_EQ(cli.frame()->Status(), 0);
    EXPECT_EQ(cli.recordset()->recordCount(), stored);
    EXPECT_EQ(rows("MG73_ARTCLIFOR", "MG73_ARTCLIFOR = 'ABBANDONATO'"), 0);

    // An edit of a stored row goes back to the stored text.
    const QString was = cli.TXT_ARTCLIFOR->text();
    ASSERT_TRUE(tabTo(cli.GRD_ARTCLIFOR));
    press(Qt::Key_Home, Qt::ControlModifier);
    if (cli.TXT_ARTCLIFOR->isEnabled()) {
        ASSERT_TRUE(tabTo(cli.TXT_ARTCLIFOR));
        type("X");
        EXPECT_EQ(cli.frame()->Status(), 1);
        press(Qt::Key_Escape);
        EXPECT_EQ(cli.frame()->Status(), 0);
    }
    // With nothing pending, Esc changes nothing.
    press(Qt::Key_Escape);
    EXPECT_EQ(cli.frame()->Status(), 0);
    EXPECT_EQ(cli.recordset()->recordCount(), stored);
}

TEST_F(TabsByKeys, AStateCellOpensOnF4AndTakesATypedCode) {
    choose("MAGLIA-001");
    w->selectTab(common::kTabStatiVariante);
    auto& t = tab<states::StatiVarianteTab>(common::kTabStatiVariante);
    states::StateGrid& grid = *t.GRDX_STATI_OPZIONI;
    ASSERT_GT(t.rsOpzioni()->recordCount(), 1);
    const int column = grid.Columns().IndexOf(QStringLiteral("STATO"));
    ASSERT_GE(column, 0);

    // F4 on the state cell: the list opens, as wide as its longest entry.
    ASSERT_TRUE(tabTo(&grid));
    grid.setCurrentIndex(grid.model()->index(0, column));
    press(Qt::Key_F4);
    QPointer<QComboBox> box = grid.findChild<QComboBox*>();
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(box->isVisible());
    int widest = 0;
    for (int i = 0; i < box->count(); ++i)
        widest = std::max(widest, box->fontMetrics().horizontalAdvance(box->itemText(i)));
    EXPECT_GE(box->view()->minimumWidth(), widest);
    box->hidePopup();
    press(Qt::Key_Escape);  // closes the cell, writes nothing
    EXPECT_TRUE(!box || !box->isVisible());

    // Typing a code and Enter: the state is decoded and stored.
    const std::string option =
        cardtest::text(t.rsOpzioni()->valueAt(0, t.rsOpzioni()->fieldIndex("OPZIONE")));
    grid.setFocus();
    grid.setCurrentIndex(grid.model()->index(0, column));
    type("esaur");
    press(Qt::Key_Return);
    EXPECT_EQ(rows("MG5W_PROVSTATI",
                   "MG5W_CODART_MG66 = 'MAGLIA-001' AND MG5W_OPZIONE1_MG5E = '" + option +
                       "' AND MG5W_CODICEVAR2_MG5F IS NULL AND MG5W_IDSTATOVAR_MG5V = 3"),
              1);

    // With the completer's list open under the typed text, one Enter both
    // chooses the entry and stores it: the list does not keep the key.
    const std::string second =
        cardtest::text(t.rsOpzioni()->valueAt(1, t.rsOpzioni()->fieldIndex("OPZIONE")));
    grid.setFocus();
    grid.setCurrentIndex(grid.model()->index(1, column));
    type("blocc");
    box = nullptr;
    for (QComboBox* editor : grid.findChildren<QComboBox*>())
        if (editor->isVisible())
            box = editor;
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(box->currentText(), QStringLiteral("blocc"));
    if (!box->completer()->popup()->isVisible())
        box->completer()->complete();
    ASSERT_TRUE(box->completer()->popup()->isVisible());
    QTest::keyClick(box->completer()->popup(), Qt::Key_Return);
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    EXPECT_EQ(rows("MG5W_PROVSTATI",
                   "MG5W_CODART_MG66 = 'MAGLIA-001' AND MG5W_OPZIONE1_MG5E = '" + second +
                       "' AND MG5W_CODICEVAR2_MG5F IS NULL AND MG5W_IDSTATOVAR_MG5V = 4"),
              1);
    EXPECT_TRUE(!box || !box->isVisible()) << "the cell waits for a second Enter";

    // The drop-down a click opens: Enter on an entry, or a click on it,
    // chooses and stores it at once, as its close-up does.
    auto openByClick = [&](int row) -> QComboBox* {
        grid.setFocus();
        grid.setCurrentIndex(grid.model()->index(row, column));
        grid.edit(grid.model()->index(row, column));
        for (QComboBox* editor : grid.findChildren<QComboBox*>())
            if (editor->isVisible() && editor->view()->isVisible())
                return editor;
        return nullptr;
    };
    auto stored = [&](int row, int state) {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        const std::string code =
            cardtest::text(t.rsOpzioni()->valueAt(row, t.rsOpzioni()->fieldIndex("OPZIONE")));
        return rows("MG5W_PROVSTATI",
                    "MG5W_CODART_MG66 = 'MAGLIA-001' AND MG5W_OPZIONE1_MG5E = '" + code +
                        "' AND MG5W_CODICEVAR2_MG5F IS NULL AND MG5W_IDSTATOVAR_MG5V = " +
                        std::to_string(state));
    };
    auto entry = [](QComboBox* list, const QString& code) {
        for (int i = 0; i < list->count(); ++i)
            if (list->itemText(i).startsWith(code + " "))
                return list->model()->index(i, 0);
        return QModelIndex();
    };
    QComboBox* list = openByClick(2);
    ASSERT_NE(list, nullptr);
    list->view()->setCurrentIndex(entry(list, "DISP"));
    QTest::keyClick(list->view(), Qt::Key_Return);
    EXPECT_EQ(stored(2, 1), 1);
    list = openByClick(3);
    ASSERT_NE(list, nullptr);
    const QModelIndex esaur = entry(list, "ESAUR");
    ASSERT_TRUE(esaur.isValid());
    QTest::mouseClick(list->view()->viewport(), Qt::LeftButton, {},
                      list->view()->visualRect(esaur).center());
    EXPECT_EQ(stored(3, 3), 1);
}

TEST_F(TabsByKeys, TheSideBarOpensATabFromTheKeyboard) {
    choose("MAGLIA-001");
    controls::SideBar* bar = w->KOV_SIDEBAR();
    auto* tree = bar->findChild<QTreeWidget*>();
    ASSERT_NE(tree, nullptr);
    ASSERT_TRUE(tabTo(tree));
    // Down until the transcoding tab's item is current, then Enter.
    for (int i = 0; i < 20 && w->currentTab() != common::kTabTrascodificaVarianti; ++i) {
        press(Qt::Key_Down);
        if (tree->currentItem() && tree->currentItem()->data(0, Qt::UserRole) == "ITM02")
            press(Qt::Key_Return);
    }
    EXPECT_EQ(w->currentTab(), common::kTabTrascodificaVarianti);
}

}  // namespace
