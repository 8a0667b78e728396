#pragma once
// The host database's table-valued functions as SQLite eponymous virtual
// tables: "FNMG53_FAMIGLIE"(a, b) runs the registered body with a and b.

#include <sqlite3.h>

#include <memory>

namespace db {
class Backend;
struct TableFunction;
}  // namespace db

namespace db::sqlite {

// Registers every table function known to the process on the connection;
// bodies run their own statements through `backend`.
void registerTableFunctions(sqlite3* db, Backend& backend);
// One table function of this connection only (a T-SQL one the database keeps).
void registerTableFunction(sqlite3* db, Backend& backend, std::shared_ptr<const TableFunction> f);

}  // namespace db::sqlite
