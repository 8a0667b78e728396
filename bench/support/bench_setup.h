#pragma once
// Set-ups the benchmark programs share: the fixture made on first use, and
// the large database in the temporary folder. Header-only: a program that
// includes it links the demo and database libraries it already uses.

#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "demo/demo_database.h"
#include "platform/db/sqlite/sqlite_functions.h"

namespace benchsupport {

// A program's fixture, made on first use; reset the slot before the
// application ends, as its widgets must go first.
template <class F>
std::unique_ptr<F>& FixtureSlot() {
    static std::unique_ptr<F> fixture;
    return fixture;
}
template <class F>
F& TheFixture() {
    auto& slot = FixtureSlot<F>();
    if (!slot)
        slot = std::make_unique<F>();
    return *slot;
}

// Runs SQLite's own text on a database file, with the functions the card's
// tables and statements declare; throws with SQLite's message.
inline void RunNative(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        const std::string text = sqlite3_errmsg(db);
        sqlite3_close(db);
        throw std::runtime_error(text);
    }
    db::sqlite::registerFunctions(db);
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string text = error ? error : "?";
        sqlite3_free(error);
        sqlite3_close(db);
        throw std::runtime_error(text);
    }
    sqlite3_close(db);
}

// The path of a large database of the sizes given, under the temporary
// folder: written at the first call of the program, with `native` (SQLite's
// own text, when given) run on it then.
inline std::string LargeDatabase(const char* file, const demo::LargeSizes& sizes = {},
                                 const std::string& native = {}) {
    const std::string path = (std::filesystem::temp_directory_path() / file).string();
    demo::generateLargeDatabase(path, sizes);
    if (!native.empty())
        RunNative(path, native);
    return path;
}

// The sizes of the benchmarks over the options of one large variant.
inline demo::LargeSizes OneLargeVariant() {
    demo::LargeSizes s;
    s.variants = 1;
    s.options = 5000;
    s.items = 4;
    s.progressiveRows = 40;
    return s;
}

}  // namespace benchsupport
