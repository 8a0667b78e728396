#pragma once
// Helpers of the tests that run the item card's own statements on the demo
// database: placeholders filled with demo values, rows read back as text.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "demo_test_support.h"
#include "tests/platform/db/db_test_support.h"

namespace demo::test {

using Rows = std::vector<std::vector<std::string>>;
using Values = std::vector<std::pair<std::string, std::string>>;

// A test run once per backend (embedded, and ODBC with the adapter) on a
// fresh demo database in a file.
class DemoStatements : public dbtest::BackendTest {
protected:
    void SetUp() override {
        BackendTest::SetUp();
        if (IsSkipped())
            return;
        c.beginTransaction();
        createSchema(c);
        loadSampleData(c);
        c.commitTransaction();
    }
    // Drops a work table when the connection has one of that name.
    void drop(const std::string& table) {
        c.execute("IF OBJECT_ID('tempdb.." + table + "') IS NOT NULL DROP TABLE " + table);
    }
};

// The statement text with every "{Name}" replaced by its value.
inline std::string fill(std::string text, const Values& values) {
    for (const auto& [name, value] : values) {
        for (std::size_t at = text.find(name); at != std::string::npos;
             at = text.find(name, at + value.size()))
            text.replace(at, name.size(), value);
    }
    return text;
}

// Rows of the last result set, trailing blanks dropped, NULL as "NULL".
inline Rows rowsOf(const db::ResultSet& set) {
    Rows out;
    for (const auto& row : set.rows) {
        std::vector<std::string> r;
        for (const auto& v : row)
            r.push_back(v.isNull() ? "NULL" : text(v));
        out.push_back(std::move(r));
    }
    return out;
}

inline Rows query(db::Connection& c, const std::string& sql) {
    const auto result = c.run(sql);
    return result.resultSets.empty() ? Rows{} : rowsOf(result.resultSets.back());
}

inline std::vector<std::string> columnNames(db::Connection& c, const std::string& sql) {
    std::vector<std::string> out;
    const auto result = c.run(sql);
    if (!result.resultSets.empty())
        for (const auto& col : result.resultSets.back().columns)
            out.push_back(col.name);
    return out;
}

// A grouping's options in their order: "1:BIA 2:BLU".
inline std::string composition(db::Connection& c, const std::string& grouping) {
    std::string out;
    for (const auto& r :
         query(c,
               "SELECT MG5H_SEQOPZIONE, MG5H_OPZIONE_MG5E FROM MG5H_COMPRAGVAR WHERE "
               "MG5H_RAGGR_MG5G = '" +
                   grouping + "' ORDER BY MG5H_SEQOPZIONE"))
        out += (out.empty() ? "" : " ") + r[0] + ":" + r[1];
    return out;
}

}  // namespace demo::test
