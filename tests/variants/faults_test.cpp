// The activation save under database faults: the rewrite of the item's
// MG6B_GESVARART rows fails in its middle (after the delete and the first
// inserts) and the error report is answered abort, retry or ignore.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QTemporaryDir>

#include "common/window_services.h"
#include "platform/controls/grid_navigator.h"
#include "platform/db/connection.h"
#include "tests/support/test_card.h"
#include "variants/attivazione_varianti_tab.h"

namespace {

using cardtest::count;
using cardtest::queueAnswer;
using cardtest::shown;
using cardtest::snapshot;
using cardtest::TestCard;
using variants::AttivazioneVariantiTab;

constexpr const char* kRighe =
    "SELECT MG6B_CODICEVAR_MG5F, MG6B_FLGGESTVAR, MG6B_CODRAGGVAR_MG5G, MG6B_INDOBBLIG, "
    "MG6B_INDDEFAULT, MG6B_VARDEFAULT, MG6B_INDEREDIBA FROM MG6B_GESVARART "
    "WHERE MG6B_DITTA_CG18 = 1 AND MG6B_CODART_MG66 = 'MAGLIA-001' ORDER BY 1";

// The rows not edited, but for the default option (the rewrite stores a
// missing one as an empty text).
constexpr const char* kNonModificate =
    "SELECT MG6B_CODICEVAR_MG5F, MG6B_FLGGESTVAR, MG6B_CODRAGGVAR_MG5G, MG6B_INDOBBLIG, "
    "MG6B_INDDEFAULT, MG6B_INDEREDIBA FROM MG6B_GESVARART WHERE MG6B_DITTA_CG18 = 1 AND "
    "MG6B_CODART_MG66 = 'MAGLIA-001' AND MG6B_CODICEVAR_MG5F <> 'A2' ORDER BY 1";

struct SaveFault : ::testing::Test {
    // On a file: a lost link reopens it with the data still there.
    QTemporaryDir dir;
    TestCard card{"1", cardtest::demoFile(dir.path().toStdString())};
    AttivazioneVariantiTab& tab =
        card.addTab<AttivazioneVariantiTab>(common::kTabAttivazioneVarianti);
    db::Connection& cn = card.connection();
    std::string before, untouched;

    void SetUp() override {
        cardtest::clearMessages();
        card.showItem("MAGLIA-001");
        tab.load();
        before = snapshot(cn, kRighe);
        untouched = snapshot(cn, kNonModificate);
        // A change on the third row (A2 becomes active, inheritance 99), so
        // the rewrite has something to lose.
        ASSERT_TRUE(tab.selezionaVariante("A2"));
        tab.CHK_FLGGESTVAR->click();
        QComboBox* ere = tab.CBO_INDEREDIBA;
        ere->setCurrentIndex(ere->findData(99));
        emit ere->activated(ere->currentIndex());
        card.markAllLoaded();
    }
    // The delete and two inserts run, the third insert (row A2) fails.
    void failThirdInsert(bool dropsLink = false) {
        db::Connection::Fault f;
        f.match = "INSERT INTO MG6B_GESVARART";
        f.skip = 2;
        f.dropsLink = dropsLink;
        cn.injectFault(f);
    }
    std::string a2() {
        return snapshot(cn,
                        "SELECT MG6B_FLGGESTVAR, MG6B_INDEREDIBA FROM MG6B_GESVARART WHERE "
                        "MG6B_CODART_MG66 = 'MAGLIA-001' AND MG6B_CODICEVAR_MG5F = 'A2'");
    }
    void save() { tab.GRIDNAV_VARIANTI->Click("Conferma"); }
    static bool shownNothing() { return cardtest::shownMessages().empty(); }
    std::string others() {
        return snapshot(cn,
                        "SELECT * FROM MG6B_GESVARART WHERE MG6B_CODART_MG66 <> "
                        "'MAGLIA-001' ORDER BY MG6B_DITTA_CG18, MG6B_CODART_MG66, "
                        "MG6B_CODICEVAR_MG5F");
    }
};

TEST_F(SaveFault, AbortRollsTheRewriteBackAndASecondSaveStoresTheChange) {
    failThirdInsert();
    queueAnswer(common::vbAbort);
    save();
    EXPECT_TRUE(shown("Grst_MG6B_UpdateBatchAll: "));
    // Not a row deleted or inserted: the table is as before the save.
    EXPECT_EQ(snapshot(cn, kRighe), before);
    EXPECT_EQ(cn.transactionDepth(), 0);
    // A failed save keeps the tabs loaded and the frame's edit pending.
    EXPECT_EQ(card.loadedItem(common::kTabAttivazioneVarianti), "MAGLIA-001");
    EXPECT_EQ(card.loadedItem(common::kTabGestioneVarianti), "MAGLIA-001");

    // The cause gone, the same edit is saved.
    cardtest::clearMessages();
    save();
    EXPECT_TRUE(shownNothing());
    EXPECT_EQ(count(cn, "MG6B_GESVARART", "MG6B_CODART_MG66 = 'MAGLIA-001'"), 4);
    EXPECT_EQ(a2(), "1|99|;");
    EXPECT_EQ(card.loadedItem(common::kTabAttivazioneVarianti), "");
}

TEST_F(SaveFault, RetryWritesEveryRowOnce) {
    const std::string otherItems = others();
    failThirdInsert();
    queueAnswer(common::vbRetry);
    save();
    EXPECT_TRUE(shown("Grst_MG6B_UpdateBatchAll: "));
    EXPECT_EQ(cardtest::shownMessages().size(), 1u);
    EXPECT_EQ(count(cn, "MG6B_GESVARART", "MG6B_CODART_MG66 = 'MAGLIA-001'"), 4);
    EXPECT_EQ(a2(), "1|99|;");
    EXPECT_EQ(cn.transactionDepth(), 0);
    // The rows not edited were rewritten as they were; other items untouched.
    EXPECT_EQ(snapshot(cn, kNonModificate), untouched);
    EXPECT_EQ(others(), otherItems);
    EXPECT_EQ(card.loadedItem(common::kTabAttivazioneVarianti), "");
}

TEST_F(SaveFault, IgnoreDoesNotCommitARewriteMissingARow) {
    failThirdInsert();
    queueAnswer(common::vbIgnore);
    save();
    EXPECT_TRUE(shown("Grst_MG6B_UpdateBatchAll: "));
    EXPECT_EQ(cardtest::shownMessages().size(), 1u);
    EXPECT_EQ(cn.transactionDepth(), 0);
    // Committed, the item would have lost its A2 row: nothing is written.
    EXPECT_EQ(snapshot(cn, kRighe), before);
    EXPECT_EQ(card.loadedItem(common::kTabAttivazioneVarianti), "MAGLIA-001");

    // Saved again, the edit goes through.
    save();
    EXPECT_EQ(count(cn, "MG6B_GESVARART", "MG6B_CODART_MG66 = 'MAGLIA-001'"), 4);
    EXPECT_EQ(a2(), "1|99|;");
}

TEST_F(SaveFault, ALostLinkRefusesRetriesUntilAbortAndTheWindowGoesOn) {
    failThirdInsert(true);
    // Retry meets the lost transaction (08007) and is reported again; abort
    // rolls it back.
    queueAnswer(common::vbRetry);
    queueAnswer(common::vbAbort);
    save();
    const auto messages = cardtest::shownMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[0].find("La connessione al database si e' interrotta"), std::string::npos)
        << messages[0];
    EXPECT_EQ(cn.transactionDepth(), 0);
    EXPECT_EQ(snapshot(cn, kRighe), before);

    // The link is back at the next call: the edit is saved.
    cardtest::clearMessages();
    save();
    EXPECT_TRUE(shownNothing());
    EXPECT_EQ(a2(), "1|99|;");
    EXPECT_EQ(count(cn, "MG6B_GESVARART", "MG6B_CODART_MG66 = 'MAGLIA-001'"), 4);
}

}  // namespace
