// A task of the progressives, season states and generated descriptions tabs
// by keys alone: a label's letter takes the focus to its box, arrows choose,
// a command's letter presses it, Enter confirms a typed code.

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "common/item_card.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/record_frame.h"
#include "platform/db/connection.h"
#include "tests/keyboard/keyboard_support.h"
#include "tests/support/test_card.h"

namespace {

using keytest::holds;

struct MoreTabsByKeys : keytest::KeyboardTest {
    template <class T = QWidget>
    T* control(int tab, const char* name) {
        auto* c = w->page(tab)->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    // Alt and the letter a label gives its box.
    void labelLetter(int tab, QWidget* buddy) {
        for (QLabel* l : w->page(tab)->findChildren<QLabel*>())
            if (l->buddy() == buddy) {
                const qsizetype at = l->text().indexOf(QLatin1Char('&'));
                ASSERT_GE(at, 0) << l->text().toStdString();
                press(Qt::Key_A + (l->text()[at + 1].toUpper().unicode() - 'A'), Qt::AltModifier);
                return;
            }
        FAIL() << buddy->objectName().toStdString() << " has no label";
    }
    // MAGLIA-001's season states, the season typed (lower case) and
    // confirmed with Enter; answers the season box, the grid is seasonGrid.
    controls::LookupBox* seasonTyped(const char* typed) {
        choose("MAGLIA-001");
        w->selectTab(common::kTabStatiStagione);
        auto* season = control<controls::LookupBox>(common::kTabStatiStagione, "TXT_STAGIONE4");
        seasonGrid = control<controls::DataGrid>(common::kTabStatiStagione, "GRDX_STATI_STAGIONI");
        if (!season || !seasonGrid || !tabTo(season->LineEdit()))
            return nullptr;
        type(typed);
        press(Qt::Key_Return);
        return season;
    }
    controls::DataGrid* seasonGrid = nullptr;
};

TEST_F(MoreTabsByKeys, TheProgressivesAreChosenWithTheLabelsLettersAndArrows) {
    choose("MAGLIA-001");
    w->selectTab(common::kTabProgressivi);
    auto* kind = control<QComboBox>(common::kTabProgressivi, "CBO_TIPOPROGRESSIVI");
    auto* quantity = control<QComboBox>(common::kTabProgressivi, "CBO_TIPOQTA");
    auto* grid = control<controls::DataGrid>(common::kTabProgressivi, "QGRID_PROGRESSIVI");
    ASSERT_TRUE(kind && quantity && grid);

    labelLetter(common::kTabProgressivi, kind);
    ASSERT_TRUE(holds(kind));
    press(Qt::Key_Home);
    EXPECT_EQ(kind->currentIndex(), 0);  // consolidated
    labelLetter(common::kTabProgressivi, quantity);
    ASSERT_TRUE(holds(quantity));
    press(Qt::Key_End);
    EXPECT_EQ(quantity->currentIndex(), quantity->count() - 1);
    press(Qt::Key_Home);
    EXPECT_EQ(quantity->currentIndex(), 0);
    EXPECT_TRUE(grid->isEnabled());
    EXPECT_GT(grid->model()->rowCount(), 0);
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

TEST_F(MoreTabsByKeys, ASeasonTypedAndConfirmedWithEnterShowsItsStates) {
    controls::LookupBox* season = seasonTyped("pe2026");
    ASSERT_NE(season, nullptr);
    controls::DataGrid* grid = seasonGrid;
    EXPECT_EQ(season->LineEdit()->text(), "PE2026");
    EXPECT_GT(grid->model()->rowCount(), 0);
    EXPECT_TRUE(cardtest::shownMessages().empty());
    // Tab goes on from the box to the grid and into it.
    ASSERT_TRUE(tabTo(grid));
    EXPECT_TRUE(holds(grid));
}

// The state tabs' boxes are reached by their labels' letters too: the
// season, the variant and the scope, each choice showing its rows.
TEST_F(MoreTabsByKeys, TheStateTabsBoxesAreReachedByTheirLabelsLetters) {
    choose("MAGLIA-001");
    w->selectTab(common::kTabStatiStagione);
    auto* season = control<controls::LookupBox>(common::kTabStatiStagione, "TXT_STAGIONE4");
    auto* variant = control<QComboBox>(common::kTabStatiStagione, "CBO_TIPOVAR4");
    auto* seasons = control<controls::DataGrid>(common::kTabStatiStagione, "GRDX_STATI_STAGIONI");
    ASSERT_TRUE(season && variant && seasons);
    labelLetter(common::kTabStatiStagione, variant);
    ASSERT_TRUE(holds(variant));
    labelLetter(common::kTabStatiStagione, season->LineEdit());
    ASSERT_TRUE(holds(season));
    type("ai2026");
    press(Qt::Key_Return);
    const int taglie = seasons->model()->rowCount();
    EXPECT_GT(taglie, 0);
    labelLetter(common::kTabStatiStagione, variant);
    press(Qt::Key_Down);  // Colore, with its grouping's options
    EXPECT_EQ(variant->currentText(), "Colore");
    EXPECT_GT(seasons->model()->rowCount(), 0);
    EXPECT_EQ(seasons->model()->index(0, 0).data().toString().trimmed(), "BLU");

    w->selectTab(common::kTabStatiVariante);
    auto* scope = control<QComboBox>(common::kTabStatiVariante, "CBO_TIPOCONF5");
    auto* groupings = control<controls::DataGrid>(common::kTabStatiVariante, "GRDX_STATI_RAGGR");
    ASSERT_TRUE(scope && groupings);
    labelLetter(common::kTabStatiVariante, scope);
    ASSERT_TRUE(holds(scope));
    press(Qt::Key_End);  // every item: every grouping of Taglia
    EXPECT_EQ(groupings->model()->rowCount(), 4);

    w->selectTab(common::kTabStatiCombinazione);
    auto* def = control<controls::LookupBox>(common::kTabStatiCombinazione, "TXT_STATODEF");
    auto* kind = control<QComboBox>(common::kTabStatiCombinazione, "CBO_TIPOCOMBINAZIONE");
    auto* scope6 = control<QComboBox>(common::kTabStatiCombinazione, "CBO_TIPOCONF6");
    ASSERT_TRUE(def && kind && scope6);
    labelLetter(common::kTabStatiCombinazione, kind);
    EXPECT_TRUE(holds(kind));
    labelLetter(common::kTabStatiCombinazione, scope6);
    EXPECT_TRUE(holds(scope6));
    labelLetter(common::kTabStatiCombinazione, def->LineEdit());
    EXPECT_FALSE(holds(def));  // off until two different variants are chosen
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

// A state being typed in a cell when Alt+N starts a new search: the cell's
// list does not stay open over the next tab, and nothing is written.
TEST_F(MoreTabsByKeys, ANewSearchByItsLetterGivesUpAStateBeingTyped) {
    ASSERT_NE(seasonTyped("ai2026"), nullptr);
    controls::DataGrid* grid = seasonGrid;
    ASSERT_GT(grid->model()->rowCount(), 1);
    const std::string prima =
        cardtest::snapshot(w->connection(), "SELECT * FROM MG5U_VARSTAG ORDER BY MG5U_IDVARSTAG");
    ASSERT_TRUE(tabTo(grid));
    press(Qt::Key_Down);  // S, without a state in AI2026
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    type("disp");
    QPointer<QComboBox> editor = grid->findChild<QComboBox*>();
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->isVisible());
    QPointer<QWidget> list = editor->completer()->popup();
    ASSERT_TRUE(list && list->isVisible());
    mnemonic(w->CMD_NUOVO());
    EXPECT_FALSE(w->page(common::kTabStatiStagione)->isVisible());
    EXPECT_TRUE(!editor || !editor->isVisible());
    EXPECT_TRUE(!list || !list->isVisible());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(
        cardtest::snapshot(w->connection(), "SELECT * FROM MG5U_VARSTAG ORDER BY MG5U_IDVARSTAG"),
        prima);
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

TEST_F(MoreTabsByKeys, DescriptionsAreComposedByTheCommandsLetter) {
    choose("MAGLIA-001");
    w->selectTab(common::kTabGenerad);
    auto* compose = control<QPushButton>(common::kTabGenerad, "CMD_PRELOAD");
    auto* grid = control<controls::DataGrid>(common::kTabGenerad, "QGRID_GENERAD");
    ASSERT_TRUE(compose && grid);
    ASSERT_TRUE(tabTo(grid));
    mnemonic(compose);
    EXPECT_GT(grid->model()->rowCount(), 0);
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

}  // namespace

// The host's navigator takes no focus: a rule code still being typed is
// written for the item it was typed on before the next item shows, as
// leaving the box writes it; so is one being typed when the window closes.
TEST_F(MoreTabsByKeys, ARuleCodeBeingTypedIsWrittenForItsItemBeforeTheNavigatorMovesOrTheClose) {
    db::Connection cn;
    cn.open("Data Source=" + path);
    auto rule = [&](const std::string& item) {
        return cardtest::text(cardtest::scalar(
            cn, "SELECT MG66_CODREGOLA FROM MG66_ANAGRART WHERE MG66_CODART = '" + item + "'"));
    };
    choose("MAGLIA-001");
    w->selectTab(common::kTabAttivazioneVarianti);
    auto* box = control<QLineEdit>(common::kTabAttivazioneVarianti, "TXT_CODREGOLA");
    ASSERT_TRUE(box && tabTo(box));
    press(Qt::Key_A, Qt::ControlModifier);
    type("RG-NUOVA");
    ASSERT_TRUE(w->FME_ART()->MoveNext());
    const std::string next = w->currentItem();
    ASSERT_NE(next, "MAGLIA-001");
    EXPECT_EQ(rule("MAGLIA-001"), "RG-NUOVA");
    EXPECT_EQ(rule(next), "") << "the next item keeps its own";
    EXPECT_EQ(box->text(), QString());

    ASSERT_TRUE(tabTo(box));
    type("RG-CHIUSA");
    w->close();
    EXPECT_EQ(rule(next), "RG-CHIUSA");
    EXPECT_EQ(rule("MAGLIA-001"), "RG-NUOVA");
}
