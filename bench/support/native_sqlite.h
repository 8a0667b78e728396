#pragma once
// A plain SQLite connection to a benchmark's database file: the bare
// baseline the card's statements are measured against. It has the functions
// and collations the tables declare, and prepares each statement once.
// Header-only, like bench_setup.h.

#include <sqlite3.h>

#include <stdexcept>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

#include "platform/db/sqlite/sqlite_functions.h"

namespace benchsupport {

class NativeSqlite {
public:
    using Cell = std::variant<std::monostate, long long, double, std::string>;
    using Rows = std::vector<std::vector<Cell>>;

    explicit NativeSqlite(const std::string& path) {
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_));
        db::sqlite::registerFunctions(db_);
    }
    ~NativeSqlite() {
        for (auto& [sql, st] : statements_)
            sqlite3_finalize(st);
        sqlite3_close(db_);
    }
    NativeSqlite(const NativeSqlite&) = delete;
    NativeSqlite& operator=(const NativeSqlite&) = delete;

    // Runs a statement with text parameters and reads every value of every row.
    Rows run(const std::string& sql, const std::vector<std::string>& texts = {}) {
        sqlite3_stmt*& st = statements_[sql];
        if (!st && sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_) + std::string(" in ") + sql);
        for (std::size_t i = 0; i < texts.size(); ++i)
            sqlite3_bind_text(st, static_cast<int>(i + 1), texts[i].c_str(),
                              static_cast<int>(texts[i].size()), SQLITE_TRANSIENT);
        Rows rows;
        const int n = sqlite3_column_count(st);
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            std::vector<Cell> row(static_cast<std::size_t>(n));
            for (int i = 0; i < n; ++i)
                row[static_cast<std::size_t>(i)] = cell(st, i);
            rows.push_back(std::move(row));
        }
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
        if (rc != SQLITE_DONE)
            throw std::runtime_error(sqlite3_errmsg(db_) + std::string(" in ") + sql);
        return rows;
    }

    // A statement run once (text that changes from call to call).
    void once(const std::string& sql) {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            std::string message = error ? error : "error";
            sqlite3_free(error);
            throw std::runtime_error(message + " in " + sql);
        }
    }

private:
    static Cell cell(sqlite3_stmt* st, int i) {
        switch (sqlite3_column_type(st, i)) {
            case SQLITE_INTEGER:
                return sqlite3_column_int64(st, i);
            case SQLITE_FLOAT:
                return sqlite3_column_double(st, i);
            case SQLITE_NULL:
                return {};
            default:
                return std::string(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                                   static_cast<std::size_t>(sqlite3_column_bytes(st, i)));
        }
    }

    sqlite3* db_ = nullptr;
    std::unordered_map<std::string, sqlite3_stmt*> statements_;
};

}  // namespace benchsupport
