#pragma once
// SQL Server's text functions that SQLite has no equivalent of, under the
// adapter's names: tsql_concat (CONCAT), tsql_patindex (PATINDEX),
// tsql_string_agg (STRING_AGG, with its WITHIN GROUP order as key and
// direction pairs) and tsql_format (FORMAT).

#include <sqlite3.h>

namespace db::sqlite {

void registerTextFunctions(sqlite3* db);

}  // namespace db::sqlite
