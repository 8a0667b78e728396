// The rules the adapter keeps on every table's columns, as an UPDATE meets
// them: each column it sets is checked, whichever others it leaves alone,
// and a refused update leaves the row as it was.

#include <gtest/gtest.h>

#include "db_test_support.h"

using dbtest::rows;
using dbtest::stateOf;
using Rows = std::vector<std::vector<std::string>>;

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

}  // namespace

VELDRANO_ON_BOTH_BACKENDS(ColumnRules);
