// Statements sent again are answered from their earlier translation without
// looking at the tables again while nothing changed them: each case changes
// what a cached translation took its types from, and the next run must see
// the change. ISNULL takes the length of its first argument, so the answer
// tells which columns the translation read.

#include <gtest/gtest.h>

#include "db_test_support.h"

using namespace dbtest;

namespace {

class CachedPlans : public dbtest::BackendTest {};

TEST_P(CachedPlans, ATableMadeAgainOrAlteredIsReadWithItsNewColumns) {
    const std::string query = "SELECT ISNULL(V, 'abcdef') FROM T";
    makeWithNullV(c, "T", 2, true);
    EXPECT_EQ(scalar(c, query), "ab");
    EXPECT_EQ(scalar(c, query), "ab");

    c.execute("DROP TABLE T");
    makeWithNullV(c, "T", 3, true);
    EXPECT_EQ(scalar(c, query), "abc");
    c.execute("ALTER TABLE T ADD W INT NULL");
    EXPECT_EQ(scalar(c, query), "abc");

    // A work table's column changed in place.
    const std::string work = "SELECT ISNULL(V, 'abcdef') FROM #W";
    makeWithNullV(c, "#W", 2);
    EXPECT_EQ(scalar(c, work), "ab");
    c.execute("ALTER TABLE #W ALTER COLUMN V VARCHAR(4) NULL");
    EXPECT_EQ(scalar(c, work), "abcd");
    EXPECT_EQ(scalar(c, work), "abcd");

    // A write of a shape seen before takes the new columns too: the value
    // it stores is cut to the column's length as ISNULL types it.
    const std::string write = "UPDATE T SET V = ISNULL(V, 'xyzw') WHERE K = 1";
    c.execute(write);
    EXPECT_EQ(scalar(c, "SELECT V FROM T"), "xyz");
    c.execute("DROP TABLE T");
    makeWithNullV(c, "T", 1, true);
    c.execute(write);
    EXPECT_EQ(scalar(c, "SELECT V FROM T"), "x");
}

TEST_P(CachedPlans, AWorkTableOfTheSameNameOnAnotherConnectionKeepsItsOwnColumns) {
    db::Connection other;
    other.open(connectionString(file));
    const std::string query = "SELECT ISNULL(V, 'abcdef') FROM #R";
    makeWithNullV(c, "#R", 2);
    makeWithNullV(other, "#R", 5);
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(scalar(c, query), "ab");
        EXPECT_EQ(scalar(other, query), "abcde");
    }
    // One connection makes its work table again: the other keeps its own.
    other.execute("DROP TABLE #R");
    makeWithNullV(other, "#R", 3);
    EXPECT_EQ(scalar(other, query), "abc");
    EXPECT_EQ(scalar(c, query), "ab");
    other.close();
}

// Making and dropping work tables forgets only what was read of work
// tables: a permanent table of the same name keeps its own columns, and is
// read again once it changes.
TEST_P(CachedPlans, WorkTablesMadeAndDroppedLeaveThePermanentTablesAsRead) {
    const std::string permanent = "SELECT ISNULL(V, 'abcdef') FROM T";
    const std::string work = "SELECT ISNULL(V, 'abcdef') FROM #T";
    makeWithNullV(c, "T", 2);
    c.execute("SELECT V, CAST(NULL AS VARCHAR(5)) AS W INTO #T FROM T");
    EXPECT_EQ(scalar(c, permanent), "ab");
    EXPECT_EQ(scalar(c, work), "ab");
    c.execute("DROP TABLE #T");
    makeWithNullV(c, "#T", 5);
    EXPECT_EQ(scalar(c, permanent), "ab");
    EXPECT_EQ(scalar(c, work), "abcde");
    c.execute("IF OBJECT_ID('tempdb..#T') IS NOT NULL DROP TABLE #T");
    c.execute("SELECT CAST(V AS VARCHAR(3)) AS V INTO #T FROM T");
    EXPECT_EQ(scalar(c, work), "abc");
    c.execute("DROP TABLE T");
    makeWithNullV(c, "T", 4);
    EXPECT_EQ(scalar(c, permanent), "abcd");
    EXPECT_EQ(scalar(c, work), "abc");
    c.execute("ALTER TABLE #T ALTER COLUMN V VARCHAR(1) NULL");
    EXPECT_EQ(scalar(c, work), "a");
    EXPECT_EQ(scalar(c, permanent), "abcd");
}

// SELECT ... INTO makes its table with the columns its query reads now,
// whichever of them changed since the same statement ran last.
TEST_P(CachedPlans, SelectIntoTakesTheColumnsItsSourcesHaveNow) {
    const std::string copy =
        "IF OBJECT_ID('tempdb..#I') IS NOT NULL DROP TABLE #I; "
        "SELECT S.V, W.X, VS.Y INTO #I FROM T S LEFT JOIN #S W ON W.K = S.K "
        "LEFT JOIN VS ON VS.K = S.K";
    const std::string read =
        "SELECT ISNULL(V, 'abcdef'), ISNULL(X, 'abcdef'), "
        "ISNULL(Y, 'abcdef') FROM #I";
    c.execute("CREATE TABLE T (K INT NOT NULL, V VARCHAR(2) NULL, U VARCHAR(4) NULL)");
    c.execute("INSERT INTO T (K, V) VALUES (1, NULL)");
    c.execute("CREATE TABLE #S (K INT NOT NULL, X VARCHAR(3) NULL)");
    c.execute("INSERT INTO #S (K, X) VALUES (1, NULL)");
    c.execute("CREATE VIEW VS AS SELECT K, V AS Y FROM T");
    c.execute(copy);
    EXPECT_EQ(rows(c, read), (Rows{{"ab", "abc", "ab"}}));
    c.execute(copy);
    EXPECT_EQ(rows(c, read), (Rows{{"ab", "abc", "ab"}}));

    c.execute("DROP TABLE #S");
    c.execute("CREATE TABLE #S (K INT NOT NULL, X VARCHAR(5) NULL)");
    c.execute("INSERT INTO #S (K, X) VALUES (1, NULL)");
    c.execute(copy);
    EXPECT_EQ(rows(c, read), (Rows{{"ab", "abcde", "ab"}}));

    c.execute("ALTER VIEW VS AS SELECT K, U AS Y FROM T");
    c.execute(copy);
    EXPECT_EQ(rows(c, read), (Rows{{"ab", "abcde", "abcd"}}));

    c.execute("DROP VIEW VS");
    c.execute("DROP TABLE T");
    makeWithNullV(c, "T", 1, true);
    c.execute("CREATE VIEW VS AS SELECT K, V AS Y FROM T");
    c.execute(copy);
    EXPECT_EQ(rows(c, read), (Rows{{"a", "abcde", "a"}}));
}

TEST_P(CachedPlans, AViewChangedIsReadWithItsNewColumns) {
    c.execute("CREATE TABLE T (K INT NOT NULL, V VARCHAR(2) NULL, W VARCHAR(5) NULL)");
    c.execute("INSERT INTO T (K, V, W) VALUES (1, NULL, NULL)");
    c.execute("CREATE VIEW VT AS SELECT K, V AS X FROM T");
    const std::string query = "SELECT ISNULL(X, 'abcdef') FROM VT";
    EXPECT_EQ(scalar(c, query), "ab");
    EXPECT_EQ(scalar(c, query), "ab");
    c.execute("ALTER VIEW VT AS SELECT K, W AS X FROM T");
    EXPECT_EQ(scalar(c, query), "abcde");
    c.execute("DROP VIEW VT");
    c.execute("CREATE VIEW VT AS SELECT K, V AS X FROM T");
    EXPECT_EQ(scalar(c, query), "ab");
}

TEST_P(CachedPlans, ATableChangedByAProcedureOrInsideABatchIsReadWithItsNewColumns) {
    const std::string query = "SELECT ISNULL(V, 'abcdef') FROM #P";
    makeWithNullV(c, "#P", 2);
    EXPECT_EQ(scalar(c, query), "ab");
    c.execute(
        "CREATE PROCEDURE REMAKE_P AS BEGIN DROP TABLE #P; CREATE TABLE #P (V VARCHAR(4) NULL); "
        "INSERT INTO #P (V) VALUES (NULL) END");
    c.execute("EXEC REMAKE_P");
    EXPECT_EQ(scalar(c, query), "abcd");
    c.execute(
        "IF 1 = 1 BEGIN DROP TABLE #P; CREATE TABLE #P (V VARCHAR(5) NULL); INSERT INTO #P (V) "
        "VALUES (NULL) END");
    EXPECT_EQ(scalar(c, query), "abcde");
}

}  // namespace

VELDRANO_ON_BOTH_BACKENDS(CachedPlans);
