// Storing generated descriptions when the database fails in the middle of the
// store and the report is answered ignore, or the link is lost: the store is
// one transaction, so nothing of it stays, and the tab goes on working.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTemporaryDir>

#include "common/window_services.h"
#include "descriptions/calcdescrvar.h"
#include "descriptions/generad_tab.h"
#include "platform/controls/data_grid.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "tests/descriptions/generad_rows.h"
#include "tests/support/lost_link.h"
#include "tests/support/test_card.h"

namespace {

using cardtest::shown;
using cardtest::snapshot;
using cardtest::text;
using descriptions::GeneradTab;

constexpr const char* kStored =
    "SELECT * FROM MG87_ARTDESC ORDER BY MG87_DITTA_CG18, MG87_CODART_MG66, MG87_OPZIONE_MG5E, "
    "MG87_LINGUA_MG52";

// PANT-001 with three of its variant articles picked after composing.
struct MemoFault : ::testing::Test {
    // On a file: a lost link reopens it with the data still there.
    QTemporaryDir dir;
    cardtest::TestCard card{"1", cardtest::demoFile(dir.path().toStdString())};
    GeneradTab* tab = nullptr;
    std::string before;
    void SetUp() override {
        cardtest::clearMessages();
        tab = &card.addTab<GeneradTab>(common::kTabGenerad);
        tab->activate();
        card.showItem("PANT-001");
        tab->load();
        tab->CMD_PRELOAD->click();
        for (const char* code : {"50 BEI32SLIM", "52 BEI32SLIM", "54 BEI32SLIM"})
            pick(code);
        before = snapshot(card.connection(), kStored);
        cardtest::clearMessages();
    }
    db::Recordset& result() { return *tab->generatore()->Risultato(); }
    long rowOf(const std::string& code) { return generadtest::rowOfVariant(result(), code); }
    void pick(const std::string& code) {
        auto& cols = tab->QGRID_GENERAD->Columns();
        for (int c = 0; c < cols.Count(); ++c)
            if (cols.Item(c).Field() == "SELEZ")
                tab->QGRID_GENERAD->ToggleCheck(rowOf(code), c);
    }
    std::string picked(const std::string& code) {
        return text(result().valueAt(rowOf(code), result().fieldIndex("SELEZ")));
    }
    long long stored() {
        return cardtest::count(card.connection(), "MG87_ARTDESC",
                               "MG87_CODART_MG66 = 'PANT-001' AND MG87_OPZIONE_MG5E IN ('50 "
                               "BEI32SLIM', '52 BEI32SLIM', '54 BEI32SLIM')");
    }
};

TEST_F(MemoFault, IgnoredFailureStoresNothingAndKeepsThePicksForAnotherTry) {
    // The second row's write fails.
    card.connection().injectFault({"INSERT INTO MG87_ARTDESC", "08S01", 1, 1});
    cardtest::queueAnswer(common::vbIgnore);
    tab->CMD_MEMO->click();
    EXPECT_TRUE(shown("CMD_MEMO_ButtonClick: "));
    EXPECT_EQ(cardtest::shownMessages().size(), 1u);
    EXPECT_EQ(snapshot(card.connection(), kStored), before);
    EXPECT_EQ(card.connection().transactionDepth(), 0);
    EXPECT_EQ(tab->QGRID_GENERAD->DataSource(), &result());
    EXPECT_EQ(picked("52 BEI32SLIM"), "1");

    // Pressed again, once the cause is gone: all three are stored.
    tab->CMD_MEMO->click();
    EXPECT_EQ(stored(), 3);
}

TEST_F(MemoFault, ALostLinkRollsTheStoreBackAndARetryOnTheNewLinkStoresItOnce) {
    cardtest::dropLinkAt(card.connection(), "INSERT INTO MG87_ARTDESC", 1);
    cardtest::queueAnswer(common::vbRetry);
    tab->CMD_MEMO->click();
    const auto messages = cardtest::shownMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("La connessione al database si e' interrotta"), std::string::npos)
        << messages[0];
    EXPECT_EQ(stored(), 3);
    EXPECT_EQ(card.connection().transactionDepth(), 0);
    EXPECT_EQ(tab->QGRID_GENERAD->DataSource(), &result());

    // The tab still works on the new link: the item is listed again.
    card.showItem("MAGLIA-001");
    tab->load();
    EXPECT_GT(result().recordCount(), 0);
}

}  // namespace
