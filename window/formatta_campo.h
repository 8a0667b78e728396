#pragma once
// FormattaCampo: a field of the summary statement as the summary shows it.
// Numbers get thousands separators and two decimals when their column has a
// scale ("##,##0.00"), none otherwise ("##,##0"); dates are day/month/year
// ("dd/mm/yyyy"); everything else is its text without trailing blanks.
// Separators are the Italian ones the users read: "1.234,56".

#include <string>

#include "platform/db/backend.h"
#include "platform/db/forward.h"
#include "platform/db/value.h"

namespace card {

// "##,##0" with the given number of decimals (0 or 2), rounded half away
// from zero.
std::string formattaNumero(const db::Decimal& number, int decimals);
// "dd/mm/yyyy".
std::string formattaData(const db::DateTime& date);

std::string FormattaCampo(const db::Column& column, const db::Value& value);
// The field of the recordset's current row.
std::string FormattaCampo(const db::Recordset& recordset, int field);

}  // namespace card
