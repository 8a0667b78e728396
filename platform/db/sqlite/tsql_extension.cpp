// The T-SQL adapter's functions, collations and host table functions as a
// SQLite loadable extension, for connections that another library opens:
// SQLite's ODBC driver loads it ("LoadExt=") when the ODBC backend puts the
// adapter in front of it. The extension shares the process's database layer,
// so the host objects registered there are the ones it sees.

#include <sqlite3.h>

#include <exception>
#include <memory>

#include "platform/db/backend.h"
#include "platform/db/sqlite/sqlite_backend.h"
#include "platform/db/sqlite/sqlite_functions.h"
#include "platform/db/sqlite/table_functions.h"

extern "C" __attribute__((visibility("default"))) int sqlite3_extension_init(sqlite3* db,
                                                                             char** error,
                                                                             const void* /*api*/) {
    try {
        db::sqlite::registerFunctions(db);
        sqlite3_extended_result_codes(db, 1);
        sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
        sqlite3_exec(db, "PRAGMA foreign_keys = ON", nullptr, nullptr, nullptr);
        // Table functions run their bodies through a backend over this very
        // connection; it lives as long as the connection, kept by a function
        // whose destructor SQLite calls when the connection closes.
        auto backend = db::sqlite::adoptSqlite(db);
        db::sqlite::registerTableFunctions(db, *backend);
        // SQLite calls the destructor also when the registration fails.
        return sqlite3_create_function_v2(
            db, "tsql_extension_backend", 0, SQLITE_UTF8, backend.release(),
            [](sqlite3_context* ctx, int, sqlite3_value**) { sqlite3_result_null(ctx); }, nullptr,
            nullptr, [](void* p) { delete static_cast<db::Backend*>(p); });
    } catch (const std::exception& e) {
        if (error)
            *error = sqlite3_mprintf("%s", e.what());
        return SQLITE_ERROR;
    }
}
