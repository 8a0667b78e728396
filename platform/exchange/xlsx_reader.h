#pragma once
// Workbooks read back: the package opened with libzip, the workbook, its
// shared strings and each sheet read with Qt's XML reader. Cells come as
// the texts they hold (numbers as written, without a format), placed by
// their reference, so that gaps stay blank.

#include <string>
#include <vector>

#include "platform/exchange/csv.h"

namespace exchange {

struct ReadSheet {
    std::string name;
    TextRows rows;  // row 0 is the sheet's first row; short rows end early
};

// Throws std::runtime_error naming the file when it is not a readable
// workbook.
std::vector<ReadSheet> ReadXlsx(const std::string& path);

// Rows of a file chosen by a user: the first sheet of an .xlsx, otherwise
// delimited text with its separator guessed (UTF-8, UTF-16 with its mark,
// or code page 1252). Throws std::runtime_error, also for a file that is
// no text (a zero byte in it).
TextRows ReadTableFile(const std::string& path);

}  // namespace exchange
