// Faults injected on a connection: the matching statement fails with the
// given SQLSTATE after the ones it skips, the others run, and a transaction
// opened around them rolls back whole.

#include <gtest/gtest.h>

#include "tests/platform/db/db_test_support.h"

TEST(Faults, MatchingStatementsFailAfterTheSkippedOnesAndTheRestRuns) {
    db::Connection c;
    c.open("Data Source=:memory:");
    c.execute("CREATE TABLE T (A INT)");
    c.injectFault({"insert into t", "08S01", 1, 1});
    c.beginTransaction();
    c.execute("INSERT INTO T VALUES (1)");  // skipped by the fault
    EXPECT_EQ(dbtest::stateOf(c, "INSERT INTO T VALUES (2)"), "08S01");
    ASSERT_FALSE(c.errors().empty());
    EXPECT_EQ(c.errors().front().sqlState, "08S01");
    EXPECT_EQ(dbtest::scalar(c, "SELECT COUNT(*) FROM T"), "1");  // other statements still run
    c.rollbackTransaction();
    EXPECT_EQ(dbtest::scalar(c, "SELECT COUNT(*) FROM T"), "0");

    // Spent after its times; -1 keeps failing until cleared.
    c.execute("INSERT INTO T VALUES (3)");
    c.injectFault({"", "HYT00", 0, -1});
    EXPECT_EQ(dbtest::stateOf(c, "SELECT 1"), "HYT00");
    EXPECT_EQ(dbtest::stateOf(c, "SELECT 2"), "HYT00");
    c.clearFaults();
    EXPECT_EQ(dbtest::scalar(c, "SELECT COUNT(*) FROM T"), "1");
}
