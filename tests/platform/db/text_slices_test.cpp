// SUBSTRING and STUFF of a text column at fixed places run as SQLite's own
// substr and ||: the answers must be those of the T-SQL functions in every
// edge (NULL, empty text, start past the end, CHAR padding, length 0,
// accented letters), with the collation SQL Server gives the result.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db_test_support.h"
#include "platform/db/tsql/plan.h"

using dbtest::rows;
using Rows = std::vector<std::vector<std::string>>;

namespace {

class TextSlices : public dbtest::BackendTest {
protected:
    void prepare() override {
        c.execute(
            "CREATE TABLE #S (K INT NOT NULL, V VARCHAR(10) NULL, C CHAR(6) NULL, N INT NULL)");
        c.execute(
            "INSERT INTO #S (K, V, C, N) VALUES (1, 'abcdef', 'ab', 12345), (2, '', '', 0), "
            "(3, NULL, NULL, NULL), (4, 'àèìòù', 'ÀB', 7), (5, 'ab', 'XS', 98)");
    }
    // One expression over every row, in key order; "[...]" shows the blanks.
    std::vector<std::string> column(const std::string& expression) {
        std::vector<std::string> out;
        for (const auto& r : rows(c, "SELECT '[' + " + expression + " + ']' FROM #S ORDER BY K"))
            out.push_back(r.at(0));
        return out;
    }
    using Col = std::vector<std::string>;
};

TEST_P(TextSlices, SubstringOfATextColumnAnswersAsTheFunction) {
    EXPECT_EQ(column("SUBSTRING(V, 2, 3)"), (Col{"[bcd]", "[]", "NULL", "[èìò]", "[b]"}));
    // Past the end: empty text, not NULL.
    EXPECT_EQ(column("SUBSTRING(V, 7, 2)"), (Col{"[]", "[]", "NULL", "[]", "[]"}));
    EXPECT_EQ(column("SUBSTRING(V, 1, 0)"), (Col{"[]", "[]", "NULL", "[]", "[]"}));
    EXPECT_EQ(column("SUBSTRING(V, 4, 100)"), (Col{"[def]", "[]", "NULL", "[òù]", "[]"}));
    // A CHAR column is padded to its width: its blanks are characters too.
    EXPECT_EQ(column("SUBSTRING(C, 2, 3)"), (Col{"[b  ]", "[   ]", "NULL", "[B  ]", "[S  ]"}));
    EXPECT_EQ(column("SUBSTRING(#S.C, 6, 5)"), (Col{"[ ]", "[ ]", "NULL", "[ ]", "[ ]"}));
    // The same places on an expression, which keeps the function, agree.
    for (const char* places : {"1, 2", "2, 3", "6, 1", "7, 2", "1, 0", "3, 50"}) {
        const std::string p = places;
        EXPECT_EQ(column("SUBSTRING(V, " + p + ")"), column("SUBSTRING(V + '', " + p + ")")) << p;
        EXPECT_EQ(column("SUBSTRING(C, " + p + ")"), column("SUBSTRING(C + '', " + p + ")")) << p;
    }
}

TEST_P(TextSlices, StuffOfATextColumnAnswersAsTheFunction) {
    EXPECT_EQ(column("STUFF(V, 2, 3, '--')"), (Col{"[a--ef]", "NULL", "NULL", "[à--ù]", "[a--]"}));
    // The progressives' blank slot: the first two characters become blanks.
    EXPECT_EQ(column("STUFF(V, 1, 2, REPLICATE(' ', 2))"),
              (Col{"[  cdef]", "NULL", "NULL", "[  ìòù]", "[  ]"}));
    // Nothing removed; a start past the last character is NULL, as STUFF answers.
    EXPECT_EQ(column("STUFF(V, 3, 0, SPACE(1))"),
              (Col{"[ab cdef]", "NULL", "NULL", "[àè ìòù]", "NULL"}));
    EXPECT_EQ(column("STUFF(V, 6, 9, 'Z')"), (Col{"[abcdeZ]", "NULL", "NULL", "NULL", "NULL"}));
    EXPECT_EQ(column("STUFF(C, 3, 2, '')"), (Col{"[ab  ]", "[    ]", "NULL", "[ÀB  ]", "[XS  ]"}));
    for (const char* args : {"1, 2, REPLICATE(' ', 2)", "2, 0, 'x'", "5, 1, SPACE(0)", "6, 3, N'é'",
                             "7, 1, 'y'", "1, 40, ''"}) {
        const std::string a = args;
        EXPECT_EQ(column("STUFF(V, " + a + ")"), column("STUFF(V + '', " + a + ")")) << a;
        EXPECT_EQ(column("STUFF(C, " + a + ")"), column("STUFF(C + '', " + a + ")")) << a;
    }
}

TEST_P(TextSlices, SlicesKeepTheDefaultCollationInDistinctOrderAndComparisons) {
    c.execute("INSERT INTO #S (K, V, C, N) VALUES (6, 'XSZ', 'xs', 1), (7, 'Xsa', 'xS', 2)");
    // 'XS', 'xs' and 'xS' are one option without regard to case.
    const Rows distinct =
        rows(c, "SELECT DISTINCT SUBSTRING(C, 1, 2) AS O FROM #S WHERE K > 4 ORDER BY O");
    ASSERT_EQ(distinct.size(), 1U);
    EXPECT_EQ(rows(c, "SELECT COUNT(*) FROM #S WHERE SUBSTRING(V, 1, 2) = 'xs'"), (Rows{{"2"}}));
    EXPECT_EQ(rows(c, "SELECT K FROM #S WHERE STUFF(V, 1, 2, '') = 'Z'"), (Rows{{"6"}}));
    EXPECT_EQ(rows(c, "SELECT K FROM #S WHERE K > 3 ORDER BY SUBSTRING(V, 3, 1), K"),
              (Rows{{"5"}, {"7"}, {"4"}, {"6"}}));
}

TEST_P(TextSlices, OtherArgumentsKeepTheFunctionAndItsErrors) {
    // A number is written as SQL Server converts it, by the function.
    EXPECT_EQ(column("SUBSTRING(CONVERT(VARCHAR(10), N), 2, 2)"),
              (Col{"[23]", "[]", "NULL", "[]", "[8]"}));
    // A start before the first character takes the places that remain.
    EXPECT_EQ(column("SUBSTRING(V, 0, 2)"), (Col{"[a]", "[]", "NULL", "[à]", "[a]"}));
    EXPECT_EQ(column("STUFF(V, 0, 1, 'x')"), (Col{"NULL", "NULL", "NULL", "NULL", "NULL"}));
    EXPECT_EQ(column("SUBSTRING(V, 2 - 1, 1 + 1)"), (Col{"[ab]", "[]", "NULL", "[àè]", "[ab]"}));
    // A negative length is an error, and the table is as it was.
    try {
        c.run("SELECT SUBSTRING(V, 1, -1) FROM #S");
        ADD_FAILURE() << "negative length accepted";
    } catch (const db::DbError& e) {
        EXPECT_NE(std::string(e.what()).find("Invalid length parameter"), std::string::npos)
            << e.what();
    }
    try {
        c.execute("UPDATE #S SET V = SUBSTRING(V, 2, -3) WHERE K = 1");
        ADD_FAILURE() << "negative length accepted in an update";
    } catch (const db::DbError& e) {
        EXPECT_NE(std::string(e.what()).find("Invalid length parameter"), std::string::npos);
    }
    EXPECT_EQ(rows(c, "SELECT V FROM #S WHERE K = 1"), (Rows{{"abcdef"}}));
    // Written into a table, the slices are the same text.
    c.execute("UPDATE #S SET V = STUFF(V, 1, 1, 'Z') + SUBSTRING(V, 1, 1) WHERE K IN (1, 2, 3)");
    EXPECT_EQ(rows(c, "SELECT K, V FROM #S WHERE K <= 3 ORDER BY K"),
              (Rows{{"1", "Zbcdefa"}, {"2", "NULL"}, {"3", "NULL"}}));
}

VELDRANO_ON_BOTH_BACKENDS(TextSlices);

// Which calls the translation writes natively: only a text column at
// places written as digits, and for STUFF a replacement that cannot fail.
TEST(TextSlicesTranslation, OnlyPlainTextColumnsAtWrittenPlacesRunNatively) {
    const std::string table =
        "CREATE TABLE #S (K INT NOT NULL, V VARCHAR(10) NULL, N INT NULL, D DATETIME NULL)\n";
    auto select = [&](const std::string& item) {
        const auto plan = db::tsql::translate(table + "SELECT " + item + " FROM #S");
        return plan->statements.back().sql;
    };
    auto native = [&](const std::string& item) {
        const std::string sql = select(item);
        return sql.find("tsql_substring") == std::string::npos &&
               sql.find("tsql_stuff") == std::string::npos;
    };
    EXPECT_TRUE(native("SUBSTRING(V, 1, 2)"));
    EXPECT_TRUE(native("SUBSTRING(#S.V, 3, 0)"));
    EXPECT_TRUE(native("STUFF(V, 1, 2, REPLICATE(' ', 2))"));
    EXPECT_TRUE(native("STUFF(V, 4, 1, '')"));
    EXPECT_TRUE(native("STUFF(V, 2, 1, SPACE(3))"));
    EXPECT_FALSE(native("SUBSTRING(N, 1, 2)"));  // a number
    EXPECT_FALSE(native("SUBSTRING(D, 1, 2)"));  // a date
    EXPECT_FALSE(native("SUBSTRING(V + 'x', 1, 2)"));
    EXPECT_FALSE(native("SUBSTRING(V, 0, 2)"));
    EXPECT_FALSE(native("SUBSTRING(V, -1, 2)"));
    EXPECT_FALSE(native("SUBSTRING(V, 1, -2)"));
    EXPECT_FALSE(native("SUBSTRING(V, K, 2)"));
    EXPECT_FALSE(native("SUBSTRING(V, 1.5, 2)"));
    EXPECT_FALSE(native("STUFF(V, 1, 2, V)"));  // may be NULL
    EXPECT_FALSE(native("STUFF(V, 1, 2, REPLICATE(V, 2))"));
    EXPECT_FALSE(native("STUFF(V, 1, 2, REPLICATE(' ', K))"));
    EXPECT_FALSE(native("STUFF(V, 0, 2, 'x')"));
}

}  // namespace
