#pragma once
// Workbooks written with libxlsxwriter: each sheet with its captions as a
// bold header row frozen above the rows, numbers as numeric cells shown
// with their scale, dates as dates, and the column widths given.

#include <string>
#include <vector>

#include "platform/exchange/sheet.h"

namespace exchange {

// A name Excel accepts for a sheet: no []:*?/\ characters, at most 31
// characters, not blank, unique among the names already taken.
std::string SheetName(const std::string& wanted, const std::vector<std::string>& taken);

// Writes the workbook; throws std::runtime_error naming the file and the
// library's reason when it cannot be written.
void WriteXlsx(const std::string& path, const std::vector<Sheet>& sheets);

}  // namespace exchange
