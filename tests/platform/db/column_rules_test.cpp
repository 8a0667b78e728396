// The rules the adapter keeps on every table's columns, as an UPDATE meets
// them: each column it sets is checked, whichever others it leaves alone,
// and a refused update leaves the row as it was.

#include <gtest/gtest.h>

#include "db_test_support.h"

using namespace dbtest;

namespace {

class ColumnRules : public dbtest::BackendTest {};

TEST_P(ColumnRules, AnUpdateChecksEachColumnItSetsAndARefusalKeepsTheRow) {
    for (const std::string table : {"#C", "C"}) {
        SCOPED_TRACE(table);
        c.execute("CREATE TABLE " + table +
                  " (K INT NOT NULL PRIMARY KEY, S SMALLINT NULL, V VARCHAR(3) NULL, "
                  "F CHAR(4) NULL, D DATETIME NULL)");
        c.execute("INSERT INTO " + table + " (K, S, V, F, D) VALUES (1, 1, 'abc', 'x', NULL)");
        const std::string read =
            "SELECT K, S, V, F + '|', DATALENGTH(F), D FROM " + table + " ORDER BY K";
        const Rows kept{{"1", "1", "abc", "x   |", "4", "NULL"}};
        EXPECT_EQ(rows(c, read), kept);

        EXPECT_FALSE(stateOf(c, "UPDATE " + table + " SET S = 40000 WHERE K = 1").empty());
        EXPECT_FALSE(stateOf(c, "UPDATE " + table + " SET V = 'abcd' WHERE K = 1").empty());
        EXPECT_FALSE(stateOf(c, "UPDATE " + table + " SET S = 2, V = 'abcd' WHERE K = 1").empty());
        EXPECT_FALSE(stateOf(c, "UPDATE " + table + " SET F = 'abcde' WHERE K = 1").empty());
        EXPECT_FALSE(stateOf(c, "UPDATE " + table + " SET D = 'not a date' WHERE K = 1").empty());
        EXPECT_FALSE(stateOf(c, "UPDATE " + table + " SET D = '1700-01-01' WHERE K = 1").empty());
        EXPECT_EQ(rows(c, read), kept);

        // Columns set together are checked together; a text column set is padded.
        c.execute("UPDATE " + table + " SET S = S + 1, F = 'yz' WHERE K = 1");
        c.execute("UPDATE " + table + " SET V = 'xy', D = '2024-02-29 08:05:09' WHERE K = 1");
        EXPECT_EQ(rows(c, read), (Rows{{"1", "2", "xy", "yz  |", "4", "2024-02-29 08:05:09"}}));
        c.execute("DROP TABLE " + table);
    }
}

// Text written into CHAR(n) columns is kept blank-padded to n, whether the
// statement wrote it padded or the column's rule did; the same INSERT sent
// again after the table was made anew pads to the new columns.
TEST_P(ColumnRules, AnInsertKeepsFixedTextPaddedAsItsTableIsNow) {
    const std::string insert =
        "INSERT INTO #P (K, F, V, G) VALUES (1, 'ab', 'cd', N'è'), (2, NULL, 'x' + 'y', 'z' + "
        "'w'), "
        "(3, '', '', ' ')";
    const std::string read =
        "SELECT K, F + '|', DATALENGTH(F), V + '|', G + '|' FROM #P ORDER BY K";
    c.execute(
        "CREATE TABLE #P (K INT NOT NULL, F CHAR(4) NULL, V VARCHAR(4) NULL, G NCHAR(3) "
        "NULL)");
    c.execute(insert);
    const Rows padded{{"1", "ab  |", "4", "cd|", "è  |"},
                      {"2", "NULL", "NULL", "xy|", "zw |"},
                      {"3", "    |", "4", "|", "   |"}};
    EXPECT_EQ(rows(c, read), padded);

    c.execute("DROP TABLE #P");
    c.execute(
        "CREATE TABLE #P (K INT NOT NULL, F VARCHAR(4) NULL, V CHAR(3) NULL, G NCHAR(2) "
        "NULL)");
    c.execute(insert);
    EXPECT_EQ(rows(c, read), (Rows{{"1", "ab|", "2", "cd |", "è |"},
                                   {"2", "NULL", "NULL", "xy |", "zw|"},
                                   {"3", "|", "0", "   |", "  |"}}));

    // Too long for the column: refused, and nothing of the statement written.
    EXPECT_FALSE(stateOf(c,
                         "INSERT INTO #P (K, F, V, G) VALUES (4, 'a', 'b', 'c'), "
                         "(5, 'a', 'long', 'c')")
                     .empty());
    EXPECT_EQ(rows(c, "SELECT COUNT(*) FROM #P"), (Rows{{"3"}}));
}

}  // namespace

VELDRANO_ON_BOTH_BACKENDS(ColumnRules);
