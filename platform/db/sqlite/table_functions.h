#pragma once
// The host database's table-valued functions as SQLite eponymous virtual
// tables: "FNMG53_FAMIGLIE"(a, b) runs the registered body with a and b.

#include <sqlite3.h>

namespace db {
class Backend;
}

namespace db::sqlite {

// Registers every table function known to the process on the connection;
// bodies run their own statements through `backend`.
void registerTableFunctions(sqlite3* db, Backend& backend);

}  // namespace db::sqlite
