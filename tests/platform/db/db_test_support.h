#pragma once
// Small helpers of the database tests: an in-memory connection and the
// rows of a query as text.

#include <string>
#include <vector>

#include "platform/db/connection.h"
#include "platform/db/errors.h"

namespace dbtest {

inline std::vector<std::vector<std::string>> rows(db::Connection& c, const std::string& sql) {
    std::vector<std::vector<std::string>> out;
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

}  // namespace dbtest
