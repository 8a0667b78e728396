#pragma once
// The embedded backend: a SQLite database file (or memory) that runs the
// component's T-SQL through the adapter.

#include <memory>
#include <string>

#include "platform/db/backend.h"

namespace db::sqlite {

struct OpenOptions {
    std::string path;     // file name or ":memory:"
    bool create = false;  // create the file when it is missing
    bool readOnly = false;
};

// Throws DbError (08001) naming the file when it cannot be opened or is
// not a database.
std::unique_ptr<Backend> openSqlite(const OpenOptions& options);

}  // namespace db::sqlite
