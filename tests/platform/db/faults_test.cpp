// Faults: injected failures in the middle of a change, transactions that
// roll back whole, locks held by another connection, read-only databases,
// and the connection staying usable after every failure; on both backends.

#include <gtest/gtest.h>

#include <chrono>

#include "tests/platform/db/db_test_support.h"
#include "tests/support/lost_link.h"

namespace {

using namespace dbtest;

class Faults : public dbtest::BackendTest {
protected:
    void prepare() override {
        c.execute(
            "CREATE TABLE T (ID INT NOT NULL, NOTE VARCHAR(40), "
            "CONSTRAINT PK_T PRIMARY KEY (ID))");
        c.execute(
            "CREATE TABLE R (ID INT NOT NULL, T_ID INT NOT NULL, "
            "CONSTRAINT PK_R PRIMARY KEY (ID), "
            "CONSTRAINT FK_R_T FOREIGN KEY (T_ID) REFERENCES T (ID))");
        c.execute("INSERT INTO T VALUES (1, 'uno'), (2, 'due'), (3, 'tre')");
        c.execute("INSERT INTO R VALUES (10, 1)");
    }
    std::string snapshot() {
        std::string out;
        for (const auto& r : dbtest::rows(c, "SELECT ID, NOTE FROM T ORDER BY ID"))
            out += r[0] + "=" + r[1] + ";";
        for (const auto& r : dbtest::rows(c, "SELECT ID, T_ID FROM R ORDER BY ID"))
            out += r[0] + ">" + r[1] + ";";
        return out;
    }
    // The statements as one transaction, committed.
    void commitAll(std::initializer_list<const char*> statements) {
        c.beginTransaction();
        for (const char* sql : statements)
            c.execute(sql);
        c.commitTransaction();
    }
};

TEST_P(Faults, InjectedFailuresStrikeTheMatchingStatementAfterTheSkippedOnes) {
    c.injectFault({"insert into t", "08S01", 1, 1});
    c.beginTransaction();
    c.execute("INSERT INTO T VALUES (4, 'quattro')");  // skipped by the fault
    EXPECT_EQ(stateOf(c, "INSERT INTO T VALUES (5, 'cinque')"), "08S01");
    ASSERT_FALSE(c.errors().empty());
    EXPECT_EQ(c.errors().front().sqlState, "08S01");
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM T"), "4");  // other statements still run
    c.rollbackTransaction();
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM T"), "3");

    // Spent after its times; -1 keeps failing until cleared.
    c.execute("INSERT INTO T VALUES (6, 'sei')");
    c.injectFault({"", "HYT00", 0, -1});
    EXPECT_EQ(stateOf(c, "SELECT 1"), "HYT00");
    EXPECT_EQ(stateOf(c, "SELECT 2"), "HYT00");
    c.clearFaults();
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM T"), "4");
}

TEST_P(Faults, AFailureInTheMiddleOfAChangeLeavesNoRowChanged) {
    const std::string before = snapshot();
    // Statement by statement in a transaction: the third one fails.
    c.beginTransaction();
    c.execute("UPDATE T SET NOTE = 'cambiata' WHERE ID = 1");
    c.execute("DELETE FROM T WHERE ID = 3");
    EXPECT_EQ(stateOf(c, "INSERT INTO R VALUES (11, 99)"), "23000");  // no such T
    c.rollbackTransaction();
    EXPECT_EQ(snapshot(), before);

    // One batch in a transaction, failing in its middle.
    c.beginTransaction();
    EXPECT_EQ(stateOf(c,
                      "UPDATE T SET NOTE = 'batch' WHERE ID = 2\n"
                      "INSERT INTO T VALUES (2, 'doppia')\n"
                      "DELETE FROM R"),
              "23000");
    c.rollbackTransaction();
    EXPECT_EQ(snapshot(), before);

    // A lost connection in the middle: the same.
    c.injectFault({"DELETE", "08S01", 0, 1});
    c.beginTransaction();
    c.execute("UPDATE T SET NOTE = 'persa' WHERE ID = 2");
    EXPECT_EQ(stateOf(c, "DELETE FROM R"), "08S01");
    c.rollbackTransaction();
    EXPECT_EQ(snapshot(), before);
    // Retried once the cause is gone, the change completes.
    commitAll({"UPDATE T SET NOTE = 'persa' WHERE ID = 2", "DELETE FROM R"});
    EXPECT_EQ(snapshot(), "1=uno;2=persa;3=tre;");

    // Deleting a row still referred to: 23000, and the row stays.
    c.execute("INSERT INTO R VALUES (12, 3)");
    EXPECT_EQ(stateOf(c, "DELETE FROM T WHERE ID = 3"), "23000");
    EXPECT_EQ(scalar(c, "SELECT NOTE FROM T WHERE ID = 3"), "tre");
}

TEST_P(Faults, ApostrophesAndLongTextRoundTripExactly) {
    for (const std::string& text : {std::string("l'anno dell''Arco"), std::string("''"),
                                    std::string("'"), std::string("a -- b /* c */ [d] \"e\"")}) {
        std::string quoted;
        for (char ch : text)
            quoted += ch == '\'' ? std::string("''") : std::string(1, ch);
        c.execute("UPDATE T SET NOTE = '" + quoted + "' WHERE ID = 1");
        EXPECT_EQ(scalar(c, "SELECT NOTE FROM T WHERE ID = 1"), text);
        EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM T WHERE NOTE = N'" + quoted + "'"), "1");
    }
    // Longer than the column: refused, the old text kept.
    EXPECT_EQ(stateOf(c, "UPDATE T SET NOTE = '" + std::string(41, 'x') + "' WHERE ID = 1"),
              "22001");
    EXPECT_EQ(scalar(c, "SELECT NOTE FROM T WHERE ID = 1"), "a -- b /* c */ [d] \"e\"");
}

TEST_P(Faults, ALockHeldByAnotherConnectionTimesOutWithAClearMessage) {
    db::Connection other;
    other.open(connectionString(file) + ";Timeout=200");
    c.beginTransaction();
    c.execute("UPDATE T SET NOTE = 'mia' WHERE ID = 1");
    const auto start = std::chrono::steady_clock::now();
    try {
        other.execute("UPDATE T SET NOTE = 'tua' WHERE ID = 2");
        FAIL() << "wrote past another connection's lock";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.sqlState(), "HYT00");
        EXPECT_NE(std::string(e.what()).find("bloccato da un'altra connessione"), std::string::npos)
            << e.what();
    }
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
    c.commitTransaction();
    // Once the lock is gone the same statement goes through.
    EXPECT_EQ(other.execute("UPDATE T SET NOTE = 'tua' WHERE ID = 2"), 1);
    EXPECT_EQ(scalar(c, "SELECT NOTE FROM T WHERE ID = 2"), "tua");
    // Each connection keeps its own work tables.
    c.execute("SELECT * INTO #W FROM T");
    EXPECT_EQ(stateOf(other, "SELECT * FROM #W"), "42S02");
}

TEST_P(Faults, TwoConnectionsRewritingTheSameRowsSeeEachOthersSaves) {
    db::Connection other;
    other.open(connectionString(file));
    auto rewrite = [](db::Connection& cn, const std::string& note) {
        cn.beginTransaction();
        cn.execute("DELETE FROM R");
        cn.execute("DELETE FROM T");
        cn.execute("INSERT INTO T VALUES (1, '" + note + "'), (2, '" + note + "')");
        cn.execute("INSERT INTO R VALUES (20, 2)");
        cn.commitTransaction();
    };
    rewrite(c, "prima");
    EXPECT_EQ(scalar(other, "SELECT COUNT(*) FROM T WHERE NOTE = 'prima'"), "2");
    rewrite(other, "seconda");
    EXPECT_EQ(snapshot(), "1=seconda;2=seconda;20>2;");
    // Work tables of the same name stay apart.
    c.execute("SELECT ID INTO #MIE FROM T WHERE ID = 1");
    other.execute("SELECT ID, NOTE INTO #MIE FROM T");
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM #MIE"), "1");
    EXPECT_EQ(scalar(other, "SELECT COUNT(*) FROM #MIE"), "2");
}

TEST_P(Faults, ALostLinkComesBackAtTheNextCallAndALostTransactionMustBeRolledBack) {
    c.execute("SELECT * INTO #W FROM T");
    cardtest::dropLinkAt(c, "UPDATE");
    try {
        c.execute("UPDATE T SET NOTE = 'persa' WHERE ID = 1");
        FAIL() << "the link did not go down";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.sqlState(), "08S01");
        EXPECT_NE(std::string(e.what()).find("La connessione al database si e' interrotta"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_TRUE(c.isOpen());
    // Back at the next call: the data is there, the old link's work table is
    // not, and the new link counts as one.
    const int generation = c.generation();
    EXPECT_EQ(scalar(c, "SELECT NOTE FROM T WHERE ID = 1"), "uno");
    EXPECT_EQ(c.generation(), generation + 1);
    EXPECT_EQ(stateOf(c, "SELECT * FROM #W"), "42S02");

    // In the middle of a transaction: the retried statement, and the commit,
    // are refused until the command is rolled back; nothing half-written.
    const std::string before = snapshot();
    cardtest::dropLinkAt(c, "UPDATE");
    c.beginTransaction();
    c.execute("DELETE FROM R");
    EXPECT_EQ(stateOf(c, "UPDATE T SET NOTE = 'persa' WHERE ID = 2"), "08S01");
    EXPECT_EQ(stateOf(c, "UPDATE T SET NOTE = 'persa' WHERE ID = 2"), "08007");
    EXPECT_THROW(c.commitTransaction(), db::DbError);
    c.rollbackTransaction();
    EXPECT_EQ(c.transactionDepth(), 0);
    EXPECT_EQ(snapshot(), before);
    // The command repeated from the start completes.
    commitAll({"DELETE FROM R", "UPDATE T SET NOTE = 'rifatta' WHERE ID = 2"});
    EXPECT_EQ(snapshot(), "1=uno;2=rifatta;3=tre;");
}

INSTANTIATE_TEST_SUITE_P(Backends, Faults, ::testing::Values("embedded", "odbc"),
                         dbtest::backendName);

TEST(ReadOnlyDatabase, WritesAreRefusedNamingTheFileAndReadsGoOn) {
    const auto path =
        (std::filesystem::temp_directory_path() / "veldrano_readonly_test.db").string();
    std::filesystem::remove(path);
    {
        db::Connection w;
        w.open("Data Source=" + path + ";Mode=ReadWriteCreate");
        w.execute("CREATE TABLE T (ID INT, NOTE VARCHAR(20))");
        w.execute("INSERT INTO T VALUES (1, 'uno')");
    }
    db::Connection c;
    c.open("Data Source=" + path + ";Mode=ReadOnly");
    try {
        c.execute("UPDATE T SET NOTE = 'due'");
        FAIL() << "wrote to a read-only database";
    } catch (const db::DbError& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
    EXPECT_EQ(scalar(c, "SELECT NOTE FROM T"), "uno");
    c.close();
    std::filesystem::remove(path);
}

}  // namespace
