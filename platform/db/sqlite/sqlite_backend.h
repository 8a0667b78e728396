#pragma once
// The embedded backend: a SQLite database file (or memory) that runs the
// component's T-SQL through the adapter.

#include <memory>
#include <string>

#include "platform/db/backend.h"

struct sqlite3;

namespace db::sqlite {

struct OpenOptions {
    std::string path;     // file name or ":memory:"
    bool create = false;  // create the file when it is missing
    bool readOnly = false;
    int busyTimeoutMs = 5000;  // how long a statement waits for another connection's lock
};

// Throws DbError (08001) naming the file when it cannot be opened or is
// not a database.
std::unique_ptr<Backend> openSqlite(const OpenOptions& options);

// A backend over a connection that another library opened and keeps (the
// T-SQL extension inside SQLite's ODBC driver): it runs the adapter's
// statements there and never closes the handle. Functions, collations and
// table functions must already be registered on it.
std::unique_ptr<Backend> adoptSqlite(sqlite3* handle);

}  // namespace db::sqlite
