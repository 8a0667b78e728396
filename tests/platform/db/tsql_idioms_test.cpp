// What the expression idioms cannot answer exactly they refuse, naming the
// construct, and the statement that asked changes nothing.

#include <gtest/gtest.h>

#include "db_test_support.h"

namespace {

class Idioms : public dbtest::BackendTest {
protected:
    // The message of the error `sql` raises ("" when it runs).
    std::string refusal(const std::string& sql, std::string* state = nullptr) {
        try {
            c.execute(sql);
        } catch (const db::DbError& e) {
            if (state)
                *state = e.sqlState();
            return e.what();
        }
        return {};
    }
};

TEST_P(Idioms, AFormatOrCultureNotKnownIsRefusedByNameAndChangesNothing) {
    c.execute(
        "CREATE TABLE P (K INT NOT NULL PRIMARY KEY, V DECIMAL(10, 2) NULL, "
        "L NVARCHAR(40) NULL)");
    c.execute("INSERT INTO P (K, V, L) VALUES (1, 1234.5, 'before')");
    std::string state;
    std::string message = refusal("UPDATE P SET L = FORMAT(V, 'C', 'en-US') WHERE K = 1", &state);
    EXPECT_NE(message.find("FORMAT with the format 'C'"), std::string::npos) << message;
    message = refusal("UPDATE P SET L = FORMAT(V, 'N2', 'fr-FR') WHERE K = 1");
    EXPECT_NE(message.find("Culture 'fr-FR'"), std::string::npos) << message;
    // Text is no number or date: SQL Server's 8116 before anything runs.
    message = refusal("INSERT INTO P (K, L) VALUES (2, FORMAT('12', 'N2'))", &state);
    EXPECT_EQ(state, "42000");
    EXPECT_NE(message.find("invalid for argument 1 of format function"), std::string::npos)
        << message;
    EXPECT_EQ(dbtest::rows(c, "SELECT K, L FROM P"),
              (std::vector<std::vector<std::string>>{{"1", "before"}}));
    // What is known still answers on the same row.
    EXPECT_EQ(dbtest::scalar(c, "SELECT FORMAT(V, 'N2', 'it-IT') FROM P WHERE K = 1"), "1.234,50");
}

TEST_P(Idioms, ABuiltInFunctionNotWorkedOutIsRefusedByNameAndChangesNothing) {
    c.execute("CREATE TABLE Q (K INT NOT NULL PRIMARY KEY, N INT NULL, D DATETIME NULL)");
    c.execute("INSERT INTO Q (K, N, D) VALUES (1, 3, '2024-02-10')");
    std::string state;
    // SQL Server has these: the refusal names them, it does not call them unknown.
    std::string message = refusal("UPDATE Q SET N = SQUARE(N) WHERE K = 1", &state);
    EXPECT_EQ(state, "42000");
    EXPECT_NE(message.find("the built-in function SQUARE is not supported"), std::string::npos)
        << message;
    message = refusal("UPDATE Q SET D = EOMONTH(D) WHERE K = 1");
    EXPECT_NE(message.find("the built-in function EOMONTH"), std::string::npos) << message;
    message = refusal("SELECT DATENAME(month, D) FROM Q");
    EXPECT_NE(message.find("the built-in function DATENAME"), std::string::npos) << message;
    // SQLite's own functions stay unknown to T-SQL.
    message = refusal("UPDATE Q SET N = ifnull(N, 0) WHERE K = 1");
    EXPECT_NE(message.find("'ifnull' is not a recognized built-in function name"),
              std::string::npos)
        << message;
    EXPECT_EQ(dbtest::rows(c, "SELECT K, N, CONVERT(VARCHAR(10), D, 120) FROM Q"),
              (std::vector<std::vector<std::string>>{{"1", "3", "2024-02-10"}}));
}

TEST_P(Idioms, BadBinaryAndTimeTextIsRefusedAndNothingIsStored) {
    c.execute("CREATE TABLE B (K INT NOT NULL PRIMARY KEY, V VARBINARY(8) NULL, T TIME(0) NULL)");
    c.execute("INSERT INTO B (K, V, T) VALUES (1, 0x0A, '08:00')");
    std::string state;
    std::string message =
        refusal("INSERT INTO B (K, V) VALUES (2, CONVERT(VARBINARY(8), '0xZZ', 1))", &state);
    EXPECT_EQ(state, "22018");
    EXPECT_NE(message.find("Error converting data type varchar to varbinary"), std::string::npos)
        << message;
    message = refusal("UPDATE B SET T = '24:30' WHERE K = 1", &state);
    EXPECT_EQ(state, "22018");
    EXPECT_NE(message.find("Conversion failed when converting date and/or time"), std::string::npos)
        << message;
    EXPECT_EQ(dbtest::rows(c, "SELECT K, V, T FROM B"),
              (std::vector<std::vector<std::string>>{{"1", "0x0A", "08:00:00"}}));
}

TEST_P(Idioms, ConcatAndChooseRefuseTooFewArguments) {
    std::string state;
    EXPECT_NE(refusal("SELECT CONCAT('a')", &state).find("2 to 254 arguments"), std::string::npos);
    EXPECT_EQ(state, "42000");
    EXPECT_NE(refusal("SELECT CHOOSE(1)", &state).find("choose function requires"),
              std::string::npos);
    EXPECT_NE(refusal("SELECT PATINDEX('%a%')", &state).find("patindex function requires"),
              std::string::npos);
}

}  // namespace

VELDRANO_ON_BOTH_BACKENDS(Idioms);
