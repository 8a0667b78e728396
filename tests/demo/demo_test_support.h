#pragma once
// Helpers of the demo database tests: a fresh embedded database with the demo
// data, and one-value queries.

#include <string>

#include "demo/demo_database.h"
#include "platform/db/connection.h"
#include "platform/db/value.h"

namespace demo::test {

inline void openDemo(db::Connection& connection) {
    connection.open("Data Source=:memory:");
    createSchema(connection);
    loadSampleData(connection);
}

// The first value of the first result set; Empty when there is no row.
inline db::Value scalar(db::Connection& connection, const std::string& sql) {
    for (const auto& set : connection.run(sql).resultSets) {
        if (!set.rows.empty())
            return set.rows.front().front();
        return db::Value();
    }
    return db::Value();
}

inline long long count(db::Connection& connection, const std::string& table,
                       const std::string& where = "") {
    const auto v = scalar(
        connection, "SELECT COUNT(*) FROM " + table + (where.empty() ? "" : " WHERE " + where));
    return v.toDecimal().value().toInt64().value();
}

inline std::string text(const db::Value& v) {
    std::string s = v.toText();
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

}  // namespace demo::test
