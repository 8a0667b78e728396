#pragma once
// FORMAT(value, format [, culture]) as SQL Server answers it through .NET:
// the standard numeric formats N, F and D, custom numeric formats of 0, #,
// ',' and '.', and custom date formats ("dd/MM/yyyy", "yyyy-MM-dd HH:mm"),
// for the cultures en-US and it-IT. Any other format is refused by name.

#include <sqlite3.h>

#include <string>
#include <string_view>

#include "platform/db/date_time.h"

namespace db::sqlite {

void registerFormatFunction(sqlite3* db);

// A date in a custom date format of FORMAT's, with en-US names: CONVERT's
// fixed-field styles are written with it. A format FORMAT refuses gives "".
std::string customDateText(const DateTime& d, std::string_view format);

}  // namespace db::sqlite
