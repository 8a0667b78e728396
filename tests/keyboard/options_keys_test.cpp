// The options tab by keys alone: choose a variant, create an option and
// describe it, search, tick and delete it; Tab leaves the grids for the
// commands and Ctrl+Home/Ctrl+End stay inside a grid.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "common/item_card.h"
#include "groupings/gestione_varianti_tab.h"
#include "groupings/option_lists.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/record_frame.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "tests/keyboard/keyboard_support.h"
#include "tests/support/test_card.h"

namespace {

using keytest::holds;

struct OptionsByKeys : keytest::KeyboardTest {
    void SetUp() override {
        KeyboardTest::SetUp();
        cn.open("Data Source=" + path);
        choose("MAGLIA-001");
        w->selectTab(common::kTabGestioneVarianti);
    }
    groupings::StatoOpzioni& st() {
        return static_cast<groupings::GestioneVariantiTab*>(w->tab(common::kTabGestioneVarianti))
            ->stato();
    }
    static std::vector<std::string> column(db::Recordset* rs, const char* field,
                                           const char* onlyWhere = nullptr) {
        std::vector<std::string> values;
        for (long r = 0; r < rs->recordCount(); ++r)
            if (!onlyWhere || cardtest::text(rs->valueAt(r, rs->fieldIndex(onlyWhere))) == "1")
                values.push_back(cardtest::text(rs->valueAt(r, rs->fieldIndex(field))));
        return values;
    }
    static std::vector<std::string> ticked(groupings::StatoOpzioni& s) {
        return column(s.sorgente.get(), "MG5E_OPZIONE", "SELEZ");
    }
    static std::vector<std::string> destination(groupings::StatoOpzioni& s) {
        return column(s.destinazione.get(), "MG5H_OPZIONE_MG5E");
    }
    // Tab to the box and type over what it holds.
    bool typeOver(const QWidget* box, const QString& text) {
        if (!tabTo(box))
            return false;
        QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
        type(text);
        return true;
    }
    // The list's first option described anew in the boxes, then TG-NUMERI
    // typed in the grouping box, neither confirmed; answers the option's code.
    std::string describeFirstAndTypeGrouping(const QString& description) {
        groupings::StatoOpzioni& s = st();
        EXPECT_TRUE(tabTo(s.GRDX_VARIANTI_SOURCE));
        press(Qt::Key_Home, Qt::ControlModifier);
        const std::string option = cardtest::text(s.sorgente->value("MG5E_OPZIONE"));
        EXPECT_TRUE(typeOver(s.TXT_DESOPZIONE_ORIG, description));
        EXPECT_TRUE(typeOver(s.TXT_RAGGR1, QStringLiteral("TG-NUMERI")));
        return option;
    }
    // The item's grouping for its sizes, as stored.
    std::string sizesGrouping(const char* item) {
        return cardtest::text(cardtest::scalar(
            cn, std::string("SELECT MG6B_CODRAGGVAR_MG5G FROM MG6B_GESVARART WHERE "
                            "MG6B_CODART_MG66 = '") +
                    item + "' AND MG6B_CODICEVAR_MG5F = 'A0'"));
    }
    long long options(const std::string& where) {
        return cardtest::count(cn, "MG5E_OPZIONI", "MG5E_DITTA_CG18 = 1 AND " + where);
    }
    db::Connection cn;
};

TEST_F(OptionsByKeys, AVariantsOptionIsCreatedDescribedFoundAndDeleted) {
    groupings::StatoOpzioni& s = st();
    const long long colours = options("MG5E_CODICEVAR_MG5F = 'A1'");
    ASSERT_TRUE(tabTo(s.CBO_TIPOVAR1));
    press(Qt::Key_Down);  // the second variant, Colore
    EXPECT_EQ(s.variante, "A1");

    mnemonic(s.CMD_OPZORIG_NUOVO);
    ASSERT_TRUE(holds(s.TXT_OPZIONE_ORIG));
    type("ZK");
    press(Qt::Key_Tab);
    ASSERT_TRUE(holds(s.TXT_DESOPZIONE_ORIG));
    type("Zinco chiaro");
    mnemonic(s.CMD_OPZORIG_SALVA);
    EXPECT_EQ(options("MG5E_CODICEVAR_MG5F = 'A1' AND MG5E_OPZIONE = 'ZK' AND "
                      "MG5E_DESCR = 'Zinco chiaro'"),
              1);

    // Search by description: the option found comes first, ticked.
    ASSERT_TRUE(tabTo(s.TXT_DESOPZIONE_ORIG));
    QTest::keyClick(keytest::KeyboardTest::focused(), Qt::Key_A, Qt::ControlModifier);
    type("zinco");
    mnemonic(s.CMD_SEARCH);
    ASSERT_GT(s.sorgente->recordCount(), 0);
    EXPECT_EQ(cardtest::text(s.sorgente->valueAt(0, s.sorgente->fieldIndex("MG5E_OPZIONE"))), "ZK");

    // Deleted after the question, answered Yes.
    cardtest::queueAnswer(common::vbYes);
    mnemonic(s.CMD_OPZORIG_ELIMINA);
    EXPECT_EQ(options("MG5E_CODICEVAR_MG5F = 'A1' AND MG5E_OPZIONE = 'ZK'"), 0);
    EXPECT_EQ(options("MG5E_CODICEVAR_MG5F = 'A1'"), colours);
}

TEST_F(OptionsByKeys, EscDropsANewOptionAndAnEditedDescription) {
    groupings::StatoOpzioni& s = st();
    const long long before = options("MG5E_CODICEVAR_MG5F = 'A0'");
    ASSERT_TRUE(s.sorgente && s.sorgente->hasCurrentRow());
    const QString code = s.TXT_OPZIONE_ORIG->text();
    const QString descr = s.TXT_DESOPZIONE_ORIG->text();

    // A new code typed, then abandoned: the current option is shown again,
    // its code box locked, and a later Conferma writes nothing new.
    mnemonic(s.CMD_OPZORIG_NUOVO);
    ASSERT_TRUE(holds(s.TXT_OPZIONE_ORIG));
    type("YY");
    press(Qt::Key_Escape);
    EXPECT_EQ(s.TXT_OPZIONE_ORIG->text(), code);
    EXPECT_EQ(s.TXT_DESOPZIONE_ORIG->text(), descr);
    EXPECT_FALSE(s.TXT_OPZIONE_ORIG->isEnabled());
    mnemonic(s.CMD_OPZORIG_SALVA);
    EXPECT_EQ(options("MG5E_CODICEVAR_MG5F = 'A0'"), before);
    EXPECT_EQ(options("MG5E_OPZIONE = 'YY'"), 0);

    // A description changed, then abandoned: the stored one comes back.
    ASSERT_TRUE(tabTo(s.TXT_DESOPZIONE_ORIG));
    QTest::keyClick(keytest::KeyboardTest::focused(), Qt::Key_A, Qt::ControlModifier);
    type("Cambiata");
    press(Qt::Key_Escape);
    EXPECT_EQ(s.TXT_DESOPZIONE_ORIG->text(), descr);
    mnemonic(s.CMD_OPZORIG_SALVA);
    EXPECT_EQ(options("MG5E_CODICEVAR_MG5F = 'A0' AND MG5E_DESCR = 'Cambiata'"), 0);
}

TEST_F(OptionsByKeys, WhatWasTypedForAnOptionIsOfferedForStoringWhenTheRowChanges) {
    groupings::StatoOpzioni& s = st();
    const long long before = options("MG5E_CODICEVAR_MG5F = 'A0'");
    auto describe = [&](const QString& text) {
        ASSERT_TRUE(tabTo(s.TXT_DESOPZIONE_ORIG));
        QTest::keyClick(keytest::KeyboardTest::focused(), Qt::Key_A, Qt::ControlModifier);
        type(text);
        ASSERT_TRUE(tabTo(s.GRDX_VARIANTI_SOURCE, true));
    };
    auto current = [&] { return cardtest::text(s.sorgente->value("MG5E_OPZIONE")); };
    ASSERT_TRUE(tabTo(s.GRDX_VARIANTI_SOURCE));
    press(Qt::Key_Home, Qt::ControlModifier);
    const std::string first = current();

    // Declined: the next row shows, the stored description stays.
    cardtest::clearMessages();
    describe("Scartata");
    cardtest::queueAnswer(common::vbNo);
    press(Qt::Key_Down);
    EXPECT_TRUE(cardtest::shown("[x91548x] Le modifiche all'opzione \"" + first + "\""));
    EXPECT_NE(current(), first);
    EXPECT_EQ(options("MG5E_DESCR = 'Scartata'"), 0);

    // Accepted: stored as Conferma stores it, and the list stays where the user went.
    press(Qt::Key_Up);
    ASSERT_EQ(current(), first);
    describe("Memorizzata");
    cardtest::queueAnswer(common::vbYes);
    press(Qt::Key_Down);
    EXPECT_EQ(options("MG5E_CODICEVAR_MG5F = 'A0' AND MG5E_OPZIONE = '" + first +
                      "' AND MG5E_DESCR = 'Memorizzata'"),
              1);
    EXPECT_NE(current(), first);
    EXPECT_EQ(s.TXT_OPZIONE_ORIG->text().toStdString(), current());

    // A new option typed and left for another row: stored too.
    mnemonic(s.CMD_OPZORIG_NUOVO);
    ASSERT_TRUE(holds(s.TXT_OPZIONE_ORIG));
    type("ZQ");
    press(Qt::Key_Tab);
    type("Lasciata");
    ASSERT_TRUE(tabTo(s.GRDX_VARIANTI_SOURCE, true));
    const std::string at = current();
    cardtest::queueAnswer(common::vbYes);
    press(Qt::Key_Down);
    EXPECT_EQ(options("MG5E_CODICEVAR_MG5F = 'A0' AND MG5E_OPZIONE = 'ZQ' AND "
                      "MG5E_DESCR = 'Lasciata'"),
              1);
    EXPECT_EQ(options("MG5E_CODICEVAR_MG5F = 'A0'"), before + 1);
    EXPECT_NE(current(), at);
    EXPECT_FALSE(s.TXT_OPZIONE_ORIG->isEnabled());

    // The composition's description likewise.
    ASSERT_TRUE(s.destinazione && s.destinazione->recordCount() > 1);
    ASSERT_TRUE(tabTo(s.GRDX_VARIANTI_DESTI));
    press(Qt::Key_Home, Qt::ControlModifier);
    const std::string member = cardtest::text(s.destinazione->value("MG5H_OPZIONE_MG5E"));
    ASSERT_TRUE(tabTo(s.TXT_DESOPZIONE_DEST));
    QTest::keyClick(keytest::KeyboardTest::focused(), Qt::Key_A, Qt::ControlModifier);
    type("Nel gruppo");
    ASSERT_TRUE(tabTo(s.GRDX_VARIANTI_DESTI, true));
    cardtest::queueAnswer(common::vbYes);
    press(Qt::Key_Down);
    EXPECT_EQ(cardtest::count(cn, "MG5H_COMPRAGVAR",
                              "MG5H_OPZIONE_MG5E = '" + member + "' AND MG5H_DESCR = 'Nel gruppo'"),
              1);
    EXPECT_NE(cardtest::text(s.destinazione->value("MG5H_OPZIONE_MG5E")), member);

    // Another variant chosen with an edit pending: offered before the lists change.
    describe("Prima del cambio");
    const std::string left = current();
    ASSERT_TRUE(tabTo(s.CBO_TIPOVAR1));
    cardtest::queueAnswer(common::vbYes);
    press(Qt::Key_Down);
    EXPECT_EQ(s.variante, "A1");
    EXPECT_EQ(options("MG5E_CODICEVAR_MG5F = 'A0' AND MG5E_OPZIONE = '" + left +
                      "' AND MG5E_DESCR = 'Prima del cambio'"),
              1);

    // Before the next item's lists load (the host's navigator moved on).
    describe("Prima del prossimo");
    const std::string next = current();
    cardtest::queueAnswer(common::vbYes);
    ASSERT_TRUE(w->switchToItem("MAGLIA-002"));
    EXPECT_EQ(options("MG5E_CODICEVAR_MG5F = 'A1' AND MG5E_OPZIONE = '" + next +
                      "' AND MG5E_DESCR = 'Prima del prossimo'"),
              1);
    ASSERT_EQ(w->loadedItem(common::kTabGestioneVarianti), "MAGLIA-002");
    ASSERT_TRUE(s.sorgente && s.sorgente->hasCurrentRow());

    // And before a new search empties the card.
    describe("Prima della ricerca");
    const std::string variant = s.variante, option = current();
    cardtest::queueAnswer(common::vbYes);
    w->CMD_NUOVO()->click();
    EXPECT_EQ(options("MG5E_CODICEVAR_MG5F = '" + variant + "' AND MG5E_OPZIONE = '" + option +
                      "' AND MG5E_DESCR = 'Prima della ricerca'"),
              1);
}

TEST_F(OptionsByKeys, AnEditNotConfirmedIsOfferedWhenTheWindowCloses) {
    groupings::StatoOpzioni& s = st();
    ASSERT_TRUE(tabTo(s.TXT_DESOPZIONE_ORIG));
    QTest::keyClick(keytest::KeyboardTest::focused(), Qt::Key_A, Qt::ControlModifier);
    type("Alla chiusura");
    const std::string option = cardtest::text(s.sorgente->value("MG5E_OPZIONE"));
    cardtest::queueAnswer(common::vbYes);
    w->close();
    EXPECT_EQ(options("MG5E_CODICEVAR_MG5F = 'A0' AND MG5E_OPZIONE = '" + option +
                      "' AND MG5E_DESCR = 'Alla chiusura'"),
              1);
}

TEST_F(OptionsByKeys, SpaceTicksTheRowOnAnyCellAndTheTickedOptionsAreAddedByKeys) {
    groupings::StatoOpzioni& s = st();
    ASSERT_EQ(s.raggruppamento, "TG-LETTERE");
    const std::vector<std::string> before = destination(s);
    ASSERT_TRUE(tabTo(s.GRDX_VARIANTI_SOURCE));
    // On the description, a cell nobody types in: Space ticks the row all
    // the same, and again unticks it.
    press(Qt::Key_Home, Qt::ControlModifier);
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    ASSERT_GT(s.GRDX_VARIANTI_SOURCE->currentIndex().column(), 0);
    press(Qt::Key_Space);
    EXPECT_EQ(ticked(s), std::vector<std::string>{"44"});
    press(Qt::Key_Space);
    EXPECT_TRUE(ticked(s).empty());
    press(Qt::Key_Space);
    press(Qt::Key_Down);
    press(Qt::Key_Space);
    EXPECT_EQ(ticked(s), (std::vector<std::string>{"44", "46"}));
    EXPECT_TRUE(holds(s.GRDX_VARIANTI_SOURCE));

    mnemonic(s.CMD_ADDSEL);
    // They go in after the composition's current row, its first.
    std::vector<std::string> after = before;
    after.insert(after.begin() + 1, {"44", "46"});
    EXPECT_EQ(destination(s), after);
    EXPECT_EQ(cardtest::count(cn, "MG5H_COMPRAGVAR", "MG5H_RAGGR_MG5G = 'TG-LETTERE'"),
              static_cast<long long>(after.size()));
}

// F4 after part of a grouping code: the list opens on what was typed, and the
// box losing the focus to it asks nothing (it once offered to create "TG").
TEST_F(OptionsByKeys, PartOfAGroupingCodeAndF4SearchTheListAndCreateNothing) {
    groupings::StatoOpzioni& s = st();
    ASSERT_TRUE(tabTo(s.TXT_RAGGR1));
    QTest::keyClick(keytest::KeyboardTest::focused(), Qt::Key_A, Qt::ControlModifier);
    type("TG");
    cardtest::clearMessages();
    int listed = -1;
    QTimer::singleShot(0, w->widget(), [&] {
        auto* list = qobject_cast<controls::LookupDialog*>(QApplication::activeModalWidget());
        if (!list)
            return;
        listed = list->VisibleRowCount();
        EXPECT_EQ(list->FilterEdit()->text(), "TG");
        QTest::keyClick(list->FilterEdit(), Qt::Key_Down);  // TG-LETTERE, TG-NUMERI
        QTest::keyClick(list->FilterEdit(), Qt::Key_Return);
    });
    press(Qt::Key_F4);
    EXPECT_EQ(listed, 2);
    EXPECT_TRUE(cardtest::shownMessages().empty());
    EXPECT_EQ(cardtest::count(cn, "MG5G_RAGGVAR", "MG5G_CODRAGGVAR = 'TG'"), 0);
    EXPECT_EQ(s.raggruppamento, "TG-NUMERI");
    EXPECT_EQ(destination(s).size(), 7u);
}

// A grouping code typed and not confirmed when the navigator moves on: what
// was typed is taken as entered (and asked about), never a silent change of
// the left item's grouping.
TEST_F(OptionsByKeys, AGroupingCodeTypedAndLeftByTheNavigatorIsAskedAbout) {
    groupings::StatoOpzioni& s = st();
    ASSERT_EQ(sizesGrouping("MAGLIA-001"), "TG-LETTERE");
    ASSERT_TRUE(typeOver(s.TXT_RAGGR1, QStringLiteral("TG-NUMERI")));
    cardtest::clearMessages();
    cardtest::queueAnswer(common::vbNo);
    ASSERT_TRUE(w->switchToItem("MAGLIA-002"));
    EXPECT_TRUE(cardtest::shown("E' stato modificato il raggruppamento (TG-NUMERI)"));
    EXPECT_EQ(sizesGrouping("MAGLIA-001"), "TG-LETTERE");
}

// Nuovo and a code that is an option already: asked before its description
// is replaced, whether the list shows it or its filter hides it. No keeps
// what was typed and writes nothing; Yes replaces it, with no database error.
TEST_F(OptionsByKeys, ACodeTypedAfterNuovoThatExistsIsAskedAboutBeforeItsDescriptionIsReplaced) {
    groupings::StatoOpzioni& s = st();
    auto newOption = [&](const QString& code, const QString& description) {
        mnemonic(s.CMD_OPZORIG_NUOVO);
        type(code);
        press(Qt::Key_Tab);
        type(description);
        mnemonic(s.CMD_OPZORIG_SALVA);
    };
    const long long sizes = options("MG5E_CODICEVAR_MG5F = 'A0'");
    cardtest::clearMessages();
    cardtest::queueAnswer(common::vbNo);
    newOption("46", "Doppione");
    EXPECT_TRUE(cardtest::shown("[x91549x] L'opzione \"46\" esiste"));
    EXPECT_EQ(options("MG5E_CODICEVAR_MG5F = 'A0' AND MG5E_OPZIONE = '46' AND "
                      "MG5E_DESCR = 'Taglia 46'"),
              1);
    EXPECT_EQ(s.TXT_OPZIONE_ORIG->text(), QStringLiteral("46"));
    EXPECT_EQ(s.TXT_DESOPZIONE_ORIG->text(), QStringLiteral("Doppione"));
    // Nuovo again offers what is still typed; declined, the boxes empty for the code.
    cardtest::clearMessages();
    cardtest::queueAnswer(common::vbNo);
    mnemonic(s.CMD_OPZORIG_NUOVO);
    EXPECT_TRUE(cardtest::shown("[x91548x] Le modifiche all'opzione \"46\""));
    EXPECT_TRUE(holds(s.TXT_OPZIONE_ORIG)) << "the code is typed where it belongs";
    EXPECT_EQ(s.TXT_DESOPZIONE_ORIG->text(), QString());
    press(Qt::Key_Escape);

    // XS is in the grouping: the filtered list does not show it.
    mnemonic(s.CMD_DASELEZ);
    ASSERT_TRUE(ticked(s).empty());
    cardtest::clearMessages();
    cardtest::queueAnswer(common::vbYes);
    newOption("XS", "Piccolissima");
    EXPECT_TRUE(cardtest::shown("[x91549x] L'opzione \"XS\" esiste"));
    EXPECT_EQ(cardtest::shownMessages().size(), 1u) << "no database error";
    EXPECT_EQ(options("MG5E_CODICEVAR_MG5F = 'A0' AND MG5E_OPZIONE = 'XS' AND "
                      "MG5E_DESCR = 'Piccolissima'"),
              1);
    EXPECT_EQ(options("MG5E_CODICEVAR_MG5F = 'A0'"), sizes);
}

// Another grouping typed and left with Tab reloads both lists: an option's
// description typed and not confirmed is offered first, not emptied away.
TEST_F(OptionsByKeys, AnotherGroupingOffersTheOptionEditFirst) {
    groupings::StatoOpzioni& s = st();
    const std::string option = describeFirstAndTypeGrouping("Prima del raggruppamento");
    cardtest::clearMessages();
    cardtest::queueAnswer(common::vbYes);
    press(Qt::Key_Tab);
    EXPECT_TRUE(cardtest::shown("[x91548x] Le modifiche all'opzione \"" + option + "\""));
    EXPECT_EQ(options("MG5E_CODICEVAR_MG5F = 'A0' AND MG5E_OPZIONE = '" + option +
                      "' AND MG5E_DESCR = 'Prima del raggruppamento'"),
              1);
    EXPECT_EQ(s.raggruppamento, "TG-NUMERI");
}

// The host's navigator (Successivo) with a grouping typed and an option's
// description typed, neither confirmed: both questions come while the item
// they belong to is still on show, and are not asked again afterwards.
TEST_F(OptionsByKeys, TheNavigatorAsksAboutTheTabsEditsBeforeTheNextItemShows) {
    const std::string option = describeFirstAndTypeGrouping("Prima di Successivo");
    cardtest::clearMessages();
    std::vector<std::string> itemAsked;
    cardtest::whileMessageShown([&](const std::string&) { itemAsked.push_back(w->currentItem()); });
    cardtest::queueAnswer(common::vbYes);  // store the option's description
    cardtest::queueAnswer(common::vbNo);   // keep the item's grouping
    ASSERT_TRUE(w->FME_ART()->MoveNext());
    EXPECT_NE(w->currentItem(), "MAGLIA-001");
    EXPECT_TRUE(cardtest::shown("[x91548x] Le modifiche all'opzione \"" + option + "\""));
    EXPECT_TRUE(cardtest::shown("E' stato modificato il raggruppamento (TG-NUMERI)"));
    EXPECT_EQ(itemAsked, (std::vector<std::string>{"MAGLIA-001", "MAGLIA-001"}));
    EXPECT_EQ(options("MG5E_CODICEVAR_MG5F = 'A0' AND MG5E_OPZIONE = '" + option +
                      "' AND MG5E_DESCR = 'Prima di Successivo'"),
              1);
    EXPECT_EQ(sizesGrouping("MAGLIA-001"), "TG-LETTERE");
}

TEST_F(OptionsByKeys, TabLeavesTheGridAndCtrlHomeEndStayInIt) {
    groupings::StatoOpzioni& s = st();
    ASSERT_TRUE(tabTo(s.GRDX_VARIANTI_SOURCE));
    press(Qt::Key_Tab);
    EXPECT_FALSE(holds(s.GRDX_VARIANTI_SOURCE)) << "Tab went round the grid's cells";
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(holds(s.GRDX_VARIANTI_SOURCE));
    // Every command of the source list is reached by Tab from the grid.
    for (QPushButton* b : {s.CMD_OPZORIG_NUOVO.data(), s.CMD_OPZORIG_SALVA.data(),
                           s.CMD_OPZORIG_ELIMINA.data(), s.CMD_SEARCH.data()}) {
        ASSERT_TRUE(tabTo(s.GRDX_VARIANTI_SOURCE));
        EXPECT_TRUE(tabTo(b)) << b->objectName().toStdString();
    }

    // Ctrl+End and Ctrl+Home: last and first row of the grid, the item stays.
    ASSERT_TRUE(tabTo(s.GRDX_VARIANTI_SOURCE));
    const long rows = s.sorgente->recordCount();
    ASSERT_GT(rows, 2);
    press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(s.GRDX_VARIANTI_SOURCE->CurrentRow(), rows - 1);
    press(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(s.GRDX_VARIANTI_SOURCE->CurrentRow(), 0);
    press(Qt::Key_Down);
    EXPECT_EQ(s.GRDX_VARIANTI_SOURCE->CurrentRow(), 1);
    EXPECT_EQ(w->TXT_CODART()->text().toStdString(), "MAGLIA-001");
    EXPECT_TRUE(holds(s.GRDX_VARIANTI_SOURCE));
}

}  // namespace
