#pragma once
// Arithmetic as SQL Server does it where SQLite answers otherwise: division
// by zero is an error, not NULL; LOG is the natural logarithm; AVG of
// integers is an integer and SUM raises an overflow instead of widening.

#include <sqlite3.h>

#include <optional>

#include "platform/db/decimal.h"

namespace db::sqlite {

// The exact value of an operand: integers as they are, floating point as
// the shortest decimal that gives it back (0.1 is 0.1), text read as a
// number; none for NULL or text that is not a number.
std::optional<Decimal> numberOf(sqlite3_value* v);

// tsql_nz, tsql_log, tsql_avg, tsql_sum (aggregate and window functions).
void registerNumericFunctions(sqlite3* db);

}  // namespace db::sqlite
