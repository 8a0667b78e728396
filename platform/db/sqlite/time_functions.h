#pragma once
// TIME(n), DATETIME2(n) and DATETIMEOFFSET(n), kept as text in one form that
// sorts as the values do ("2024-01-05 13:45:00.1234567 +01:00", n fraction
// digits, up to 100 ns): tsql_time(value, 'TYPE', n, 'FROM') converts to
// them as SQL Server does, rounding the fraction to n digits.

#include <sqlite3.h>

namespace db::sqlite {

void registerTimeFunctions(sqlite3* db);

}  // namespace db::sqlite
