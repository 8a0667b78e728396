#pragma once
// The tables of a SQLite database file, for the tests that read every row of
// every table straight from the file.

#include <sqlite3.h>

#include <string>
#include <vector>

namespace cardtest {

inline std::vector<std::string> tableNames(sqlite3* db) {
    std::vector<std::string> tables;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table'", -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW)
        tables.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    return tables;
}

}  // namespace cardtest
