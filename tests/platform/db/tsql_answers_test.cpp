// Answers SQL Server gives that the adapter used to get wrong without a
// word: each case runs real statements on a real database, on both backends.

#include <gtest/gtest.h>

#include "db_test_support.h"

using dbtest::rows;
using dbtest::scalar;
using dbtest::stateOf;
using Rows = std::vector<std::vector<std::string>>;

namespace {

class Answers : public dbtest::BackendTest {
protected:
    void SetUp() override {
        BackendTest::SetUp();
        if (IsSkipped())
            return;
        c.execute("CREATE TABLE #A (K INT NOT NULL, V VARCHAR(10) NULL)");
        c.execute("CREATE TABLE #B (K INT NOT NULL, W VARCHAR(10) NULL)");
        c.execute("INSERT INTO #A (K, V) VALUES (1, 'a'), (2, 'b'), (3, 'c')");
        c.execute("INSERT INTO #B (K, W) VALUES (2, 'two'), (3, 'three'), (4, 'four')");
    }
    std::string values() { return scalar(c, "SELECT STRING_AGG(V, ',') FROM #A"); }
    Rows table() { return rows(c, "SELECT K, V FROM #A ORDER BY K"); }
};

TEST_P(Answers, UpdateWithFromWritesOnlyTheJoinedRowsOfTheBoundReference) {
    // Target named by its table, reached through an alias in FROM.
    c.execute("UPDATE #A SET V = 'x' FROM #A T1 INNER JOIN #B T2 ON T1.K = T2.K");
    EXPECT_EQ(table(), (Rows{{"1", "a"}, {"2", "x"}, {"3", "x"}}));
    // Target named by its alias, second in FROM, value from the other table.
    c.execute("UPDATE T1 SET V = T2.W FROM #B T2 JOIN #A T1 ON T1.K = T2.K WHERE T2.K = 3");
    EXPECT_EQ(table(), (Rows{{"1", "a"}, {"2", "x"}, {"3", "three"}}));
    // Target named by its table, unaliased in FROM.
    c.execute("UPDATE #A SET V = 'y' FROM #A JOIN #B ON #A.K = #B.K WHERE #B.W = 'two'");
    EXPECT_EQ(table(), (Rows{{"1", "a"}, {"2", "y"}, {"3", "three"}}));
    // Target not in FROM: joined to it by the WHERE clause.
    c.execute("UPDATE #A SET V = #B.W FROM #B WHERE #B.K = #A.K AND #B.K = 2");
    EXPECT_EQ(table(), (Rows{{"1", "a"}, {"2", "two"}, {"3", "three"}}));
    // Two references of the target's table and neither named: ambiguous, nothing written.
    try {
        c.execute("UPDATE #A SET V = 'z' FROM #A X JOIN #A Y ON X.K = Y.K");
        ADD_FAILURE() << "ambiguous target accepted";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.errors().at(0).nativeError, 8154);
    }
    EXPECT_EQ(table(), (Rows{{"1", "a"}, {"2", "two"}, {"3", "three"}}));
    // A self join names its target by alias.
    c.execute("UPDATE Y SET V = 'self' FROM #A X JOIN #A Y ON Y.K = X.K + 1 WHERE X.K = 1");
    EXPECT_EQ(table(), (Rows{{"1", "a"}, {"2", "self"}, {"3", "three"}}));
}

TEST_P(Answers, DeleteWithFromRemovesOnlyTheJoinedRows) {
    c.execute("DELETE #A FROM #A T1 INNER JOIN #B T2 ON T1.K = T2.K WHERE T2.W = 'two'");
    EXPECT_EQ(table(), (Rows{{"1", "a"}, {"3", "c"}}));
    c.execute("DELETE T1 FROM #B T2 JOIN #A T1 ON T1.K = T2.K");
    EXPECT_EQ(table(), (Rows{{"1", "a"}}));
    c.execute("INSERT INTO #A (K, V) VALUES (2, 'b')");
    c.execute("DELETE FROM #A FROM #A JOIN #B ON #A.K = #B.K");
    EXPECT_EQ(table(), (Rows{{"1", "a"}}));
    // A target outside FROM goes whole when FROM yields a row, and stays when not.
    c.execute("DELETE #A FROM #B WHERE #B.K = 99");
    EXPECT_EQ(table(), (Rows{{"1", "a"}}));
    c.execute("DELETE #A FROM #B WHERE #B.K = 4");
    EXPECT_EQ(table(), Rows{});
}

}  // namespace

VELDRANO_ON_BOTH_BACKENDS(Answers);
