// Two item cards, each with its own connection, on one database file and the
// same item: their work tables stay apart, a command builds on what the other
// card committed, and a lock held by one makes the other wait and then say
// so through the error report, after which a retry goes through.

#include <QComboBox>
#include <QTemporaryDir>

#include "common/value_helpers.h"
#include "common/window_services.h"
#include "demo/demo_database.h"
#include "groupings/composizione_raggruppamento.h"
#include "groupings/option_lists.h"
#include "platform/controls/grid_navigator.h"
#include "platform/db/connection.h"
#include "tests/groupings/options_fixture.h"
#include "variants/attivazione_varianti_tab.h"

namespace groupingstest {
namespace {

using cardtest::count;
using cardtest::queueAnswer;
using cardtest::shown;

// One user's card: the options and activation tabs on a connection of its own.
struct Side {
    explicit Side(const std::string& file)
        : card("1", file + ";Timeout=300"),
          options(card.addTab<groupings::GestioneVariantiTab>(common::kTabGestioneVarianti)),
          activation(
              card.addTab<variants::AttivazioneVariantiTab>(common::kTabAttivazioneVarianti)),
          st(options.stato()) {}

    cardtest::TestCard card;
    groupings::GestioneVariantiTab& options;
    variants::AttivazioneVariantiTab& activation;
    groupings::StatoOpzioni& st;

    db::Connection& cn() { return card.connection(); }
    void open(const std::string& item) {
        card.showItem(item);
        options.load();
        activation.load();
    }
    void chooseVariant(const std::string& code) {
        const int at = st.CBO_TIPOVAR1->findData(common::indiceVariante(code));
        ASSERT_GE(at, 0) << code;
        st.CBO_TIPOVAR1->setCurrentIndex(at);
        emit st.CBO_TIPOVAR1->activated(at);
    }
    static long rowOf(db::Recordset* rs, const char* field, const std::string& code) {
        for (long r = 0; rs && r < rs->recordCount(); ++r)
            if (cardtest::text(rs->valueAt(r, rs->fieldIndex(field))) == code)
                return r;
        return -1;
    }
    void tickSource(const std::string& code) {
        const long r = rowOf(st.sorgente.get(), "MG5E_OPZIONE", code);
        ASSERT_GE(r, 0) << code;
        st.GRDX_VARIANTI_SOURCE->ToggleCheck(r, 0);
    }
    void currentDestination(const std::string& code) {
        const long r = rowOf(st.destinazione.get(), "MG5H_OPZIONE_MG5E", code);
        ASSERT_GE(r, 0) << code;
        st.GRDX_VARIANTI_DESTI->SetCurrentRow(r);
    }
    long long workRows(const std::string& table) {
        return cardtest::scalar(cn(), "SELECT COUNT(*) FROM " + table)
            .toDecimal()
            .value()
            .toInt64()
            .value();
    }
    void activate(const std::string& var) {
        ASSERT_TRUE(activation.selezionaVariante(var));
        activation.CHK_FLGGESTVAR->click();
    }
    void save() { activation.GRIDNAV_VARIANTI->Click("Conferma"); }
};

struct TwoCards : ::testing::Test {
    void SetUp() override {
        cardtest::clearMessages();
        demo::createDemoDatabase(dir.filePath("demo.db").toStdString());
        a = std::make_unique<Side>(dir.filePath("demo.db").toStdString());
        b = std::make_unique<Side>(dir.filePath("demo.db").toStdString());
        a->open("MAGLIA-001");
        b->open("MAGLIA-001");
    }
    void TearDown() override { cardtest::clearMessages(); }
    QTemporaryDir dir;
    std::unique_ptr<Side> a, b;
    std::string mg6b(const std::string& var) {
        return cardtest::snapshot(a->cn(),
                                  "SELECT MG6B_FLGGESTVAR FROM MG6B_GESVARART WHERE "
                                  "MG6B_CODART_MG66 = 'MAGLIA-001' AND MG6B_CODICEVAR_MG5F = '" +
                                      var + "'");
    }
};

TEST_F(TwoCards, WorkTablesStayApartAndACommandBuildsOnTheOthersRows) {
    // A works on the sizes, B on the colours: each connection has its own
    // #TMP_ORIG and #TMP_DEST under the same names.
    ASSERT_EQ(a->st.raggruppamento, "TG-LETTERE");
    b->chooseVariant("A1");
    ASSERT_EQ(b->st.raggruppamento, "COL-MAGLIA");
    EXPECT_EQ(a->workRows("#TMP_DEST"), 6);
    EXPECT_EQ(b->workRows("#TMP_DEST"), 5);

    // Both on the sizes now, B's lists read before A's change.
    b->chooseVariant("A0");
    EXPECT_EQ(b->workRows("#TMP_DEST"), 6);
    a->currentDestination("S");
    a->tickSource("TU");
    a->tickSource("44");
    groupings::CMD_ADDSEL_Click(a->card);
    EXPECT_EQ(composizione(a->cn(), "A0", "TG-LETTERE"),
              (Strings{"XS", "S", "44", "TU", "M", "L", "XL", "XXL"}));
    EXPECT_EQ(b->workRows("#TMP_DEST"), 6);  // B's list is B's own

    // B adds after XL as B sees it: the new option goes after XL as stored
    // now, and A's rows stay.
    b->currentDestination("XL");
    b->tickSource("46");
    groupings::CMD_ADDSEL_Click(b->card);
    EXPECT_TRUE(cardtest::shownMessages().empty());
    const Strings both = {"XS", "S", "44", "TU", "M", "L", "XL", "46", "XXL"};
    EXPECT_EQ(composizione(b->cn(), "A0", "TG-LETTERE"), both);
    EXPECT_INVARIANT(b->cn(), "A0", "TG-LETTERE");
    EXPECT_EQ(b->workRows("#TMP_DEST"), 9);
    EXPECT_EQ(a->workRows("#TMP_DEST"), 8);  // A has not reloaded yet
    groupings::CaricaRaggruppamento(a->card, "A0", "TG-LETTERE", true, true, false);
    EXPECT_EQ(a->workRows("#TMP_DEST"), 9);

    // The activation: A's save, then B's, both rewriting the item's rows.
    a->activate("A2");
    a->save();
    EXPECT_EQ(mg6b("A2"), "1|;");
    b->activate("A3");
    b->save();
    EXPECT_TRUE(cardtest::shownMessages().empty());
    // One row per variant, the later save's as a whole (A2 as B's frame
    // held it), and B's frame shows what is stored.
    EXPECT_EQ(count(a->cn(), "MG6B_GESVARART", "MG6B_CODART_MG66 = 'MAGLIA-001'"), 4);
    EXPECT_EQ(mg6b("A3"), "1|;");
    EXPECT_EQ(mg6b("A2"), "0|;");
    EXPECT_EQ(b->activation.Grst_MG6B()->recordCount(), 4);
}

TEST_F(TwoCards, ALockHeldByOneCardMakesTheOtherWaitThenSaySoAndRetry) {
    a->activate("A2");
    b->activate("A3");
    // B holds the item's rows in an unfinished command.
    b->cn().beginTransaction();
    b->cn().execute(
        "UPDATE MG6B_GESVARART SET MG6B_INDOBBLIG = 2 WHERE MG6B_CODART_MG66 = "
        "'MAGLIA-001' AND MG6B_CODICEVAR_MG5F = 'A3'");
    const std::string before = cardtest::snapshot(
        a->cn(), "SELECT * FROM MG6B_GESVARART ORDER BY MG6B_CODART_MG66, MG6B_CODICEVAR_MG5F");

    // A's save waits for the lock, then the report says so in plain words;
    // abort leaves the table as it was.
    std::string state;
    cardtest::beforeErrorAnswer([&state](const common::RapportoErrore& r) {
        state = r.providerErrors.empty() ? "" : r.providerErrors.front().sqlState;
    });
    queueAnswer(common::vbAbort);
    a->save();
    const Strings messages = cardtest::shownMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Grst_MG6B_UpdateBatchAll: Il database e' bloccato da un'altra "
                                "connessione",
                                0),
              0u)
        << messages[0];
    EXPECT_EQ(state, "HYT00");
    EXPECT_EQ(a->cn().transactionDepth(), 0);
    EXPECT_EQ(cardtest::snapshot(a->cn(),
                                 "SELECT * FROM MG6B_GESVARART ORDER BY "
                                 "MG6B_CODART_MG66, MG6B_CODICEVAR_MG5F"),
              before);

    // Again: while the report is shown B finishes its command; retry saves.
    cardtest::clearMessages();
    cardtest::beforeErrorAnswer([this](const common::RapportoErrore&) {
        if (b->cn().transactionDepth() > 0)
            b->cn().commitTransaction();
    });
    queueAnswer(common::vbRetry);
    a->save();
    EXPECT_EQ(cardtest::shownMessages().size(), 1u);
    EXPECT_EQ(mg6b("A2"), "1|;");
    EXPECT_EQ(count(a->cn(), "MG6B_GESVARART", "MG6B_CODART_MG66 = 'MAGLIA-001'"), 4);
    EXPECT_EQ(a->cn().transactionDepth(), 0);

    // A composition command of B waits on a lock of A the same way.
    cardtest::clearMessages();
    a->cn().beginTransaction();
    a->cn().execute(
        "UPDATE MG5H_COMPRAGVAR SET MG5H_DESCR = MG5H_DESCR WHERE MG5H_RAGGR_MG5G = "
        "'TG-LETTERE'");
    b->currentDestination("S");
    b->tickSource("TU");
    queueAnswer(common::vbAbort);
    groupings::CMD_ADDSEL_Click(b->card);
    EXPECT_TRUE(shown("bloccato da un'altra connessione"));
    a->cn().rollbackTransaction();
    EXPECT_EQ(composizione(b->cn(), "A0", "TG-LETTERE"),
              (Strings{"XS", "S", "M", "L", "XL", "XXL"}));
    EXPECT_EQ(b->cn().transactionDepth(), 0);
}

}  // namespace
}  // namespace groupingstest
