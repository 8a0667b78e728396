#pragma once
// DATEPART, DATEADD and DATEDIFF with every date part SQL Server names, and
// the rounding of DATETIME values to 1/300 of a second.

#include <sqlite3.h>

#include "platform/db/date_time.h"

namespace db::sqlite {

// A DATETIME value as SQL Server keeps it: milliseconds in steps of
// .000, .003 and .007.
DateTime roundedToDatetime(const DateTime& d);

// tsql_datepart, tsql_dateadd, tsql_datediff (the date part as text first).
void registerDateFunctions(sqlite3* db);

}  // namespace db::sqlite
