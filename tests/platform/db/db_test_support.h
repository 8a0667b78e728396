#pragma once
// Small helpers of the database tests: the backends the behavioural suites
// run on, and the rows of a query as text.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/db/connection.h"
#include "platform/db/errors.h"

namespace dbtest {

// The behavioural suites run on the embedded backend and on SQLite's ODBC
// driver with the T-SQL adapter in front of it.
inline bool odbcDriverPresent() {
    for (const char* p : {"/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so",
                          "/usr/lib/aarch64-linux-gnu/odbc/libsqlite3odbc.so"})
        if (std::filesystem::exists(p))
            return true;
    return false;
}

// The connection string of a database file on a backend ("embedded" or
// "odbc"); `create` lets the backend make a missing file.
inline std::string connectionFor(const std::string& backend, const std::string& file,
                                 bool create = false) {
    if (backend == "odbc")
        return "Driver=SQLite3;Database=" + file + ";Adapter=TSQL" + (create ? ";NoCreat=0" : "");
    return "Data Source=" + file + (create ? ";Mode=ReadWriteCreate" : "");
}

// A test run once per backend, with a connection `c` to a new database file.
class BackendTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        if (GetParam() == "odbc" && !odbcDriverPresent())
            GTEST_SKIP() << "SQLite ODBC driver not installed";
        file = path("main");
        c.open(connectionFor(GetParam(), file, true));
        prepare();
    }
    // The suite's tables and rows, once the connection is open (not when the
    // backend is missing and the test skipped).
    virtual void prepare() {}
    void TearDown() override {
        c.close();
        for (const auto& f : files)
            std::filesystem::remove(f);
    }
    // A database file of this test, removed when it ends.
    std::string path(const std::string& name) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string test = std::string(info->test_suite_name()) + "_" + info->name();
        for (char& ch : test)
            if (ch == '/')
                ch = '_';
        // The process in the name: two checkouts may run the same suite at once.
        const std::string p =
            (std::filesystem::temp_directory_path() /
             ("veldrano_" + std::to_string(::getpid()) + "_" + test + "_" + name + ".db"))
                .string();
        std::filesystem::remove(p);
        files.push_back(p);
        return p;
    }
    std::string connectionString(const std::string& f, bool create = false) const {
        return connectionFor(GetParam(), f, create);
    }

    std::string file;
    std::vector<std::string> files;
    db::Connection c;
};

inline std::string backendName(const ::testing::TestParamInfo<std::string>& info) {
    return info.param;
}

}  // namespace dbtest

// Instantiates a BackendTest suite on both backends.
#define VELDRANO_ON_BOTH_BACKENDS(Suite)                                             \
    INSTANTIATE_TEST_SUITE_P(Backends, Suite, ::testing::Values("embedded", "odbc"), \
                             dbtest::backendName)

namespace dbtest {

// A query's rows, each value as text ("NULL" for a null).
using Rows = std::vector<std::vector<std::string>>;

inline Rows rows(db::Connection& c, const std::string& sql) {
    Rows out;
    auto result = c.run(sql);
    if (result.resultSets.empty())
        return out;
    for (const auto& row : result.resultSets.back().rows) {
        std::vector<std::string> r;
        for (const auto& v : row)
            r.push_back(v.isNull() ? "NULL" : v.toText());
        out.push_back(std::move(r));
    }
    return out;
}

inline std::string scalar(db::Connection& c, const std::string& sql) {
    auto r = rows(c, sql);
    return r.empty() || r[0].empty() ? "<none>" : r[0][0];
}

// The SQLSTATE of the error a statement raises, "" when it succeeds.
inline std::string stateOf(db::Connection& c, const std::string& sql) {
    try {
        c.execute(sql);
    } catch (const db::DbError& e) {
        return e.sqlState();
    }
    return "";
}

// Makes `table` with a nullable V VARCHAR(width) (after a K INT NOT NULL
// when keyed) and one row whose V is NULL (and K 1): ISNULL(V, ...) then
// answers with as many characters as the translation took V to hold.
inline void makeWithNullV(db::Connection& c, const std::string& table, int width,
                          bool keyed = false) {
    const std::string v = "V VARCHAR(" + std::to_string(width) + ") NULL";
    c.execute("CREATE TABLE " + table + " (" + (keyed ? "K INT NOT NULL, " + v : v) + ")");
    c.execute("INSERT INTO " + table + (keyed ? " (K, V) VALUES (1, NULL)" : " (V) VALUES (NULL)"));
}

}  // namespace dbtest
