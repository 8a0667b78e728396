// Composition commands and the copy of a counterpart's descriptions when the
// database fails in their middle, for each answer to the error report: after
// abort the grouping is as it was, after retry the command completes once,
// and after every answer the positions in the table run 1..n.

#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <initializer_list>

#include "common/window_services.h"
#include "demo/demo_database.h"
#include "groupings/composizione_raggruppamento.h"
#include "groupings/option_lists.h"
#include "groupings/ribalta_descrizioni.h"
#include "platform/db/connection.h"
#include "tests/groupings/options_fixture.h"
#include "tests/support/lost_link.h"
#include "tests/window/options_window.h"
#include "window/frmmg_veldrano.h"

namespace groupingstest {
namespace {

using cardtest::count;
using cardtest::queueAnswer;
using cardtest::shown;
using cardtest::snapshot;

// S of TG-LETTERE has a description of its own.
struct CompositionFault : OnLetterSizes {
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(OnLetterSizes::SetUp());
        reset();
    }
    // The grouping as the test starts it, whatever the last run left.
    void reset() {
        cn().clearFaults();
        ASSERT_EQ(cn().transactionDepth(), 0);
        cn().execute("DELETE FROM MG5H_COMPRAGVAR WHERE MG5H_RAGGR_MG5G = 'TG-LETTERE'");
        for (std::size_t i = 0; i < kLettere.size(); ++i)
            cn().execute(
                "INSERT INTO MG5H_COMPRAGVAR (MG5H_DITTA_CG18, MG5H_CODICEVAR_MG5F, "
                "MG5H_RAGGR_MG5G, MG5H_SEQOPZIONE, MG5H_OPZIONE_MG5E, MG5H_DESCR) VALUES (1, "
                "'A0', 'TG-LETTERE', " +
                std::to_string(i + 1) + ", '" + kLettere[i] + "', " +
                (kLettere[i] == "S" ? "'Piccola'" : "NULL") + ")");
        groupings::CaricaRaggruppamento(card, "A0", "TG-LETTERE", true, true, false);
        cardtest::clearMessages();
    }
    std::string descrS() {
        return value(
            "SELECT MG5H_DESCR FROM MG5H_COMPRAGVAR WHERE MG5H_RAGGR_MG5G = 'TG-LETTERE' AND "
            "MG5H_OPZIONE_MG5E = 'S'");
    }
    void fail(const std::string& match) { cn().injectFault({match, "08S01", 0, 1}); }
    // Runs a command once for each statement made to fail and each answer
    // to the report, on the grouping as it starts: whatever the answer, the
    // composition holds, no transaction is left open and the list shows
    // what is stored; Retry gives `retried`, Abort and Ignore leave the
    // letters as they were. `checks` adds the test's own.
    void underEveryAnswer(std::initializer_list<const char*> statements,
                          const std::function<void()>& prepare, void (*command)(common::ItemCard&),
                          const Strings& retried, const std::function<void()>& checks) {
        for (const char* statement : statements) {
            for (int answer : {common::vbAbort, common::vbRetry, common::vbIgnore}) {
                SCOPED_TRACE(std::string(statement) + " / " + cardtest::answerName(answer));
                reset();
                prepare();
                fail(statement);
                queueAnswer(answer);
                command(card);
                checks();
                EXPECT_INVARIANT(cn(), "A0", "TG-LETTERE");
                EXPECT_EQ(cn().transactionDepth(), 0);
                EXPECT_EQ(lettere(), answer == common::vbRetry ? retried : kLettere);
                EXPECT_EQ(destination(), lettere());
            }
        }
    }
};

TEST_F(CompositionFault, AddingUnderEveryAnswer) {
    // The gap is opened (one UPDATE), then the new rows go in (one INSERT).
    // Retried, the gap is opened once and each row is in once; otherwise the
    // grouping is as it was: a half-made insertion (a gap without rows, two
    // rows on one place) is never kept.
    underEveryAnswer(
        {"SET MG5H_SEQOPZIONE = MG5H_SEQOPZIONE +", "INSERT INTO MG5H_COMPRAGVAR"},
        [&] {
            currentDestination("S");
            tickSource({"TU", "44"});
        },
        groupings::CMD_ADDSEL_Click, {"XS", "S", "44", "TU", "M", "L", "XL", "XXL"},
        [&] {
            EXPECT_TRUE(shown("InserisciElementi: "));
            EXPECT_EQ(descrS(), "Piccola");
        });
}

TEST_F(CompositionFault, RemovingUnderEveryAnswer) {
    underEveryAnswer(
        {"DELETE MG5H_COMPRAGVAR", "SET MG5H_SEQOPZIONE = N.NUOVA"},
        [&] {
            tickDestination({"S", "L"});
        },
        groupings::CMD_TOGLISEL_Click, {"XS", "M", "XL", "XXL"},
        [&] { EXPECT_EQ(cardtest::shownMessages().size(), 1u); });
}

TEST_F(CompositionFault, MovingDownUnderEveryAnswerAtEveryStep) {
    // Down with S and XL ticked: the block goes after XXL. No option leaves
    // the grouping, and S keeps its description.
    underEveryAnswer(
        {"INTO   #MG5H", "DELETE MG5H_COMPRAGVAR", "SET MG5H_SEQOPZIONE = N.NUOVA",
         "INSERT INTO MG5H_COMPRAGVAR", "SET    MG5H_COMPRAGVAR.MG5H_DESCR"},
        [&] {
            tickDestination({"S", "XL"});
        },
        groupings::CMD_GIU_Click, {"XS", "M", "L", "XXL", "S", "XL"},
        [&] {
            EXPECT_TRUE(shown("SpostaElementi: ") || shown("RinumeraRaggruppamento: ") ||
                        shown("InserisciElementi: "));
            EXPECT_EQ(descrS(), "Piccola");
        });
}

struct CopyFault : groupingstest::Options {
    void SetUp() override {
        groupingstest::Options::SetUp();
        open("MAGLIA-001");
        card.markAllLoaded();
    }
    std::string descriptions(const std::string& raggr) {
        return snapshot(cn(),
                        "SELECT MG5H_SEQOPZIONE, MG5H_OPZIONE_MG5E, MG5H_DESCR FROM "
                        "MG5H_COMPRAGVAR WHERE MG5H_RAGGR_MG5G = '" +
                            raggr + "' ORDER BY MG5H_SEQOPZIONE");
    }
    // The copy confirmed, one statement made to fail and its report answered so.
    void copyFailing(const db::Connection::Fault& fault, int answer,
                     const groupings::DatiRibaltamento& dati) {
        cardtest::clearMessages();
        cn().injectFault(fault);
        queueAnswer(common::vbYes);
        queueAnswer(answer);
        groupings::CMD_RIBALTA_Click(card, dati);
    }
};

TEST_F(CopyFault, IntoAnExistingGroupingTheCopyIsWholeOrNothing) {
    const std::string before = descriptions("COL-MAGLIA");
    for (int answer : {common::vbAbort, common::vbIgnore}) {
        SCOPED_TRACE(cardtest::answerName(answer));
        copyFailing({"SET MG5H_DESCR = MG5S_DESCR", "08S01", 0, 1}, answer,
                    {"A1", "Colore", "COL-MAGLIA", 0, "4"});
        EXPECT_TRUE(shown("CMD_RIBALTA_Click: "));
        EXPECT_FALSE(shown("Elaborazione terminata."));
        EXPECT_EQ(descriptions("COL-MAGLIA"), before);
        EXPECT_EQ(card.loadedItem(common::kTabGestioneVarianti), "MAGLIA-001");
    }
    copyFailing({"SET MG5H_DESCR = MG5S_DESCR", "08S01", 0, 1}, common::vbRetry,
                {"A1", "Colore", "COL-MAGLIA", 0, "4"});
    EXPECT_TRUE(shown("Elaborazione terminata."));
    EXPECT_EQ(value("SELECT MG5H_DESCR FROM MG5H_COMPRAGVAR WHERE MG5H_RAGGR_MG5G = "
                    "'COL-MAGLIA' AND MG5H_OPZIONE_MG5E = 'BLU'"),
              "Bleu marine");
    EXPECT_EQ(card.loadedItem(common::kTabGestioneVarianti), "");
}

TEST_F(CopyFault, ANewGroupingFailingOnItsThirdRow) {
    // Customer 3 transcodes BLU, GRI, NER, ROS and VER of MAGLIA-003's colours,
    // which have no grouping: each run makes a new one, A1-000001 and on.
    card.showItem("MAGLIA-003");
    const Strings all = {"BLU", "GRI", "NER", "ROS", "VER"};
    int made = 0;
    for (int answer : {common::vbAbort, common::vbRetry, common::vbIgnore}) {
        SCOPED_TRACE(cardtest::answerName(answer));
        copyFailing({"INSERT INTO MG5H_COMPRAGVAR", "08S01", 2, 1}, answer,
                    {"A1", "Colore", "", 0, "3"});
        const std::string code = "A1-00000" + std::to_string(++made);
        EXPECT_TRUE(shown("CreaRaggruppamentoDaClifor: "));
        EXPECT_EQ(count(cn(), "MG5G_RAGGVAR", "MG5G_CODRAGGVAR = '" + code + "'"), 1);
        EXPECT_INVARIANT(cn(), "A1", code);
        const Strings rows = composizione(cn(), "A1", code);
        if (answer == common::vbAbort) {
            // The copy runs row by row: the rows written before the failure
            // stay, in order, and nothing more is said.
            EXPECT_EQ(rows, (Strings{"BLU", "GRI"}));
            EXPECT_FALSE(shown("Elaborazione terminata."));
        } else if (answer == common::vbRetry) {
            EXPECT_EQ(rows, all);
            EXPECT_TRUE(shown("Creato codice raggruppamento '" + code + "'"));
            EXPECT_TRUE(shown("Elaborazione terminata."));
        } else {
            // The failed row is left out; the next ones close up behind it.
            EXPECT_EQ(rows, (Strings{"BLU", "GRI", "ROS", "VER"}));
            EXPECT_TRUE(shown("Elaborazione terminata."));
        }
    }
}

// The real window over a database file, its link lost in the middle of a move.
struct WindowFault : cardtest::OptionsWindowTest {
    // The destination list made the active one, as a click on it does, and
    // rows ticked there.
    void tickDestination(const std::string& code) {
        static_cast<groupings::GestioneVariantiTab*>(w->tab(common::kTabGestioneVarianti))
            ->SetListActive(true);
        db::Recordset* rs = st().destinazione.get();
        for (long r = 0; rs && r < rs->recordCount(); ++r)
            if (cardtest::text(rs->valueAt(r, rs->fieldIndex("MG5H_OPZIONE_MG5E"))) == code) {
                st().GRDX_VARIANTI_DESTI->ToggleCheck(r, 0);
                return;
            }
        ADD_FAILURE() << "no row " << code;
    }
    Strings destination() {
        Strings out;
        db::Recordset* rs = st().destinazione.get();
        for (long r = 0; rs && r < rs->recordCount(); ++r)
            out.push_back(cardtest::text(rs->valueAt(r, rs->fieldIndex("MG5H_OPZIONE_MG5E"))));
        return out;
    }
    // The grouping as stored, read on a connection of its own.
    Strings stored(const std::string& raggr) {
        db::Connection other;
        other.open("Data Source=" + path);
        return composizione(other, "A0", raggr);
    }
};

TEST_F(WindowFault, ALostLinkIsReportedPlainlyAndTheWindowWorksOnceItIsBack) {
    w->selectTab(common::kTabGestioneVarianti);
    ASSERT_EQ(w->currentTab(), common::kTabGestioneVarianti);
    ASSERT_EQ(st().raggruppamento, "TG-LETTERE");
    tickDestination("S");
    tickDestination("XL");
    cardtest::dropLinkAt(w->connection(), "INSERT INTO MG5H_COMPRAGVAR");
    // Retry meets the transaction that went with the link; abort rolls it back.
    queueAnswer(common::vbRetry);
    queueAnswer(common::vbAbort);
    st().CMD_SU->click();
    const Strings messages = cardtest::shownMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[0].find("La connessione al database si e' interrotta"), std::string::npos)
        << messages[0];
    EXPECT_EQ(w->connection().transactionDepth(), 0);
    EXPECT_EQ(stored("TG-LETTERE"), kLettere);
    EXPECT_EQ(destination(), kLettere);

    // The link is back: another item, its tabs, and the same command work.
    cardtest::clearMessages();
    w->CMD_NUOVO()->click();
    choose("PANT-001");
    EXPECT_EQ(w->currentItem(), "PANT-001");
    w->selectTab(common::kTabGestioneVarianti);
    EXPECT_EQ(st().raggruppamento, "TG-NUMERI");
    EXPECT_EQ(st().destinazione->recordCount(), 7);
    w->selectTab(common::kTabAttivazioneVarianti);
    EXPECT_EQ(w->loadedItem(common::kTabAttivazioneVarianti), "PANT-001");
    w->CMD_NUOVO()->click();
    choose("MAGLIA-001");
    w->selectTab(common::kTabGestioneVarianti);
    EXPECT_TRUE(cardtest::shownMessages().empty()) << cardtest::shownMessages().front();
    ASSERT_EQ(st().raggruppamento, "TG-LETTERE");
    tickDestination("S");
    tickDestination("XL");
    st().CMD_SU->click();
    EXPECT_TRUE(cardtest::shownMessages().empty()) << cardtest::shownMessages().front();
    EXPECT_EQ(stored("TG-LETTERE"), (Strings{"S", "XL", "XS", "M", "L", "XXL"}));
}

}  // namespace
}  // namespace groupingstest
