#pragma once
// FORMAT(value, format [, culture]) as SQL Server answers it through .NET:
// the standard numeric formats N, F and D, custom numeric formats of 0, #,
// ',' and '.', and custom date formats ("dd/MM/yyyy", "yyyy-MM-dd HH:mm"),
// for the cultures en-US and it-IT. Any other format is refused by name.

#include <sqlite3.h>

namespace db::sqlite {

void registerFormatFunction(sqlite3* db);

}  // namespace db::sqlite
