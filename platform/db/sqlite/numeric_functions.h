#pragma once
// Arithmetic as SQL Server does it where SQLite answers otherwise: division
// by zero is an error, not NULL; LOG is the natural logarithm; AVG of
// integers is an integer and SUM raises an overflow instead of widening.

#include <sqlite3.h>

namespace db::sqlite {

// tsql_nz, tsql_log, tsql_avg, tsql_sum (aggregate and window functions).
void registerNumericFunctions(sqlite3* db);

}  // namespace db::sqlite
