// Behaviour every backend shares, run on the embedded backend and through
// ODBC (SQLite's ODBC driver stands in for SQL Server, which cannot run
// here): plain statements, key metadata, errors with SQLSTATE and
// transactions.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "db_test_support.h"

namespace {

bool odbcDriverPresent() {
    for (const char* p : {"/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so",
                          "/usr/lib/aarch64-linux-gnu/odbc/libsqlite3odbc.so"})
        if (std::filesystem::exists(p))
            return true;
    return false;
}

class Backends : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        file = (std::filesystem::temp_directory_path() / ("veldrano_backend_" + GetParam() + ".db"))
                   .string();
        std::filesystem::remove(file);
        // Plain SQL through SQLite itself, so that any driver can read the file.
        sqlite3* raw = nullptr;
        ASSERT_EQ(sqlite3_open(file.c_str(), &raw), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(raw,
                               "CREATE TABLE ART (DITTA DECIMAL(5,0) NOT NULL, CODART VARCHAR(10) "
                               "NOT NULL, DESCR VARCHAR(20) NULL, CONSTRAINT PK_ART PRIMARY KEY "
                               "(DITTA, CODART));"
                               "INSERT INTO ART VALUES (1, 'A1', 'Maglia'), (1, 'B2', 'Gonna');",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(raw);
        if (GetParam() == "odbc") {
            if (!odbcDriverPresent())
                GTEST_SKIP() << "SQLite ODBC driver not installed";
            c.open("Driver=SQLite3;Database=" + file);
        } else {
            c.open("Data Source=" + file);
        }
    }
    void TearDown() override {
        c.close();
        std::filesystem::remove(file);
    }
    std::string file;
    db::Connection c;
};

TEST_P(Backends, StatementsKeysErrorsAndTransactions) {
    auto result = c.run("SELECT DITTA, CODART, DESCR FROM ART ORDER BY CODART");
    ASSERT_EQ(result.resultSets.size(), 1u);
    const auto& rs = result.resultSets[0];
    ASSERT_EQ(rs.rows.size(), 2u);
    EXPECT_EQ(rs.rows[1][2].toText(), "Gonna");
    EXPECT_EQ(rs.columns[1].baseTable, "ART");
    EXPECT_TRUE(rs.columns[0].key);
    EXPECT_TRUE(rs.columns[1].key);
    EXPECT_FALSE(rs.columns[2].key);

    EXPECT_EQ(c.execute("UPDATE ART SET DESCR = 'l''Arco' WHERE CODART = 'B2'"), 1);
    EXPECT_EQ(dbtest::scalar(c, "SELECT DESCR FROM ART WHERE CODART = 'B2'"), "l'Arco");

    EXPECT_NE(dbtest::stateOf(c, "SELECT * FROM NOSUCHTABLE"), "");
    EXPECT_FALSE(c.errors().empty());
    EXPECT_EQ(dbtest::scalar(c, "SELECT COUNT(*) FROM ART"), "2");

    c.beginTransaction();
    c.execute("INSERT INTO ART VALUES (1, 'C3', 'Nuovo')");
    EXPECT_NE(dbtest::stateOf(c, "INSERT INTO ART VALUES (1, 'A1', 'Doppio')"), "");
    c.rollbackTransaction();
    EXPECT_EQ(dbtest::scalar(c, "SELECT COUNT(*) FROM ART"), "2");
}

INSTANTIATE_TEST_SUITE_P(Db, Backends, ::testing::Values("sqlite", "odbc"));

}  // namespace
