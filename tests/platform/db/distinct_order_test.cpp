// SELECT DISTINCT ... ORDER BY names of its items: SQLite is asked for the
// distinct rows first and then for their order. The answers must be those
// of the query as written: rows equal without regard to case are one, NULL
// sorts first, DESC and several keys hold, the columns keep their names
// and types, and what SQL Server refuses is still refused.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db_test_support.h"
#include "platform/db/tsql/plan.h"

using dbtest::rows;
using Rows = std::vector<std::vector<std::string>>;

namespace {

class DistinctOrder : public dbtest::BackendTest {
protected:
    void prepare() override {
        c.execute(
            "CREATE TABLE #D (K INT NOT NULL, O VARCHAR(10) NULL, C CHAR(4) NULL, "
            "Q DECIMAL(10,2) NULL)");
        c.execute(
            "INSERT INTO #D (K, O, C, Q) VALUES (1, 'xsRED', 'b', 1.5), (2, 'XSblue', 'B', 1.50), "
            "(3, 'mGREEN', 'a', NULL), (4, NULL, NULL, 2), (5, 'Èlite', 'à', 0), "
            "(6, 'elite', 'A', 2.00), (7, 'xs', 'c', 1.5)");
    }
};

TEST_P(DistinctOrder, DistinctRowsComeInTheirOrderWithoutRegardToCase) {
    // The first of rows equal without regard to case stands for them.
    const Rows options = rows(c, "SELECT DISTINCT SUBSTRING(O, 1, 2) AS P FROM #D ORDER BY P");
    ASSERT_EQ(options.size(), 5U);
    EXPECT_EQ(options[0][0], "NULL");
    EXPECT_EQ(options[1][0].size(), 2U);  // "el" before "Èl": the accent decides
    EXPECT_EQ(options[3][0], "mG");
    EXPECT_TRUE(options[4][0] == "xs" || options[4][0] == "XS") << options[4][0];
    EXPECT_EQ(rows(c, "SELECT DISTINCT C FROM #D WHERE K < 4 ORDER BY C DESC").size(), 2U);
    // Several keys, each in its own direction; decimals keep their scale.
    EXPECT_EQ(rows(c, "SELECT DISTINCT Q, K / 10 AS T FROM #D WHERE K <> 4 ORDER BY T, Q DESC"),
              (Rows{{"2.00", "0"}, {"1.50", "0"}, {"0.00", "0"}, {"NULL", "0"}}));
    // The same rows as the query ordered by an expression, which runs as written.
    EXPECT_EQ(rows(c, "SELECT DISTINCT UPPER(O) AS U FROM #D ORDER BY U"),
              rows(c, "SELECT DISTINCT UPPER(O) AS U FROM #D ORDER BY UPPER(O)"));
    EXPECT_EQ(rows(c, "SELECT DISTINCT #D.C FROM #D ORDER BY C"),
              rows(c, "SELECT DISTINCT #D.C FROM #D ORDER BY #D.C"));
    // Named and typed as written.
    const auto r = c.run("SELECT DISTINCT Q AS Quantita, O FROM #D WHERE K = 1 ORDER BY Quantita");
    ASSERT_EQ(r.resultSets.back().columns.size(), 2U);
    EXPECT_EQ(r.resultSets.back().columns[0].name, "Quantita");
    EXPECT_EQ(r.resultSets.back().columns[1].name, "O");
    EXPECT_EQ(r.resultSets.back().rows.at(0).at(0).toText(), "1.50");
    // Read forward-only, the same rows.
    std::vector<std::string> read;
    c.forEachRow("SELECT DISTINCT C FROM #D ORDER BY C", {}, [&](const db::RowView& row) {
        read.push_back(row.value(0).isNull() ? "NULL" : row.value(0).toText());
        return true;
    });
    Rows expected;
    for (const auto& s : read)
        expected.push_back({s});
    EXPECT_EQ(rows(c, "SELECT DISTINCT C FROM #D ORDER BY C"), expected);
    EXPECT_EQ(read.size(), 5U);
}

TEST_P(DistinctOrder, AKeyOutsideTheListIsRefusedAndNothingChanges) {
    try {
        c.run("SELECT DISTINCT O FROM #D ORDER BY NOSUCH");
        ADD_FAILURE() << "an unknown key accepted";
    } catch (const db::DbError& e) {
        EXPECT_NE(std::string(e.what()).find("NOSUCH"), std::string::npos) << e.what();
    }
    EXPECT_EQ(rows(c, "SELECT COUNT(*) FROM #D"), (Rows{{"7"}}));
}

VELDRANO_ON_BOTH_BACKENDS(DistinctOrder);

// Which queries are asked for their distinct rows first: only SELECT
// DISTINCT without TOP, ordered by names that each name one item.
TEST(DistinctOrderTranslation, OnlyOrderByNamesOfTheItemsIsRewritten) {
    auto rewritten = [](const std::string& query) {
        const auto plan = db::tsql::translate(
            "CREATE TABLE #D (K INT NOT NULL, O VARCHAR(10) NULL, C CHAR(4) NULL)\n" + query);
        return plan->statements.back().sql.rfind("SELECT * FROM (", 0) == 0;
    };
    EXPECT_TRUE(rewritten("SELECT DISTINCT SUBSTRING(O, 1, 2) AS P FROM #D ORDER BY P"));
    EXPECT_TRUE(rewritten("SELECT DISTINCT #D.C, K FROM #D WHERE K > 1 ORDER BY C DESC, K"));
    EXPECT_TRUE(rewritten("SELECT DISTINCT O AS [Opt] FROM #D ORDER BY [Opt] ASC"));
    EXPECT_FALSE(rewritten("SELECT DISTINCT O FROM #D"));
    EXPECT_FALSE(rewritten("SELECT O FROM #D ORDER BY O"));
    EXPECT_FALSE(rewritten("SELECT DISTINCT TOP 2 O FROM #D ORDER BY O"));
    EXPECT_FALSE(rewritten("SELECT DISTINCT O FROM #D ORDER BY 1"));
    EXPECT_FALSE(rewritten("SELECT DISTINCT O FROM #D ORDER BY #D.O"));
    EXPECT_FALSE(rewritten("SELECT DISTINCT UPPER(O) U FROM #D ORDER BY U"));
    EXPECT_FALSE(rewritten("SELECT DISTINCT O, C AS O FROM #D ORDER BY O"));
    EXPECT_FALSE(rewritten("SELECT DISTINCT * FROM #D ORDER BY O"));
    EXPECT_FALSE(rewritten("SELECT DISTINCT O FROM #D UNION SELECT C FROM #D ORDER BY O"));
    EXPECT_FALSE(rewritten("SELECT DISTINCT O FROM #D ORDER BY O OFFSET 1 ROWS"));
}

}  // namespace
