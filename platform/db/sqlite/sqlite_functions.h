#pragma once
// SQL Server's scalar functions, operators and collations on a SQLite
// connection, under the names the T-SQL adapter writes (tsql_add, TSQL_CI).

#include <sqlite3.h>

#include <string>
#include <string_view>

namespace db::sqlite {

void registerFunctions(sqlite3* db);

// The digits of `value`, with zeros before them up to `width`: 7 -> "07".
std::string zeroPadded(long long value, std::size_t width);

// Text of a stored value as SQL Server converts it to varchar.
std::string textOf(sqlite3_value* v);
// "YYYY-MM-DD HH:MM:SS.mmm" for a date written in any of the accepted
// forms; empty when it is not a date.
std::string canonicalDate(std::string_view text);

}  // namespace db::sqlite
