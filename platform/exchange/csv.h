#pragma once
// Delimited text as Italian spreadsheets write and read it: UTF-8 with a
// byte-order mark, CRLF line ends, semicolons between fields, decimal
// commas, and fields quoted as RFC 4180 does (a field holding the separator,
// a quote or a line end goes between double quotes, its quotes doubled).

#include <string>
#include <string_view>
#include <vector>

#include "platform/exchange/sheet.h"

namespace exchange {

using TextRows = std::vector<std::vector<std::string>>;

// The sheet's captions, then its rows.
std::string CsvText(const Sheet& sheet, char separator = ';');
// One field quoted when it needs to be.
std::string CsvField(const std::string& text, char separator = ';');
// Rows of a delimited text (a leading byte-order mark is skipped; CRLF, LF
// or CR end a line outside quotes; a last empty line is no row).
TextRows ParseDelimited(std::string_view text, char separator);
// The separator a text uses: a tab when its first line holds one, otherwise
// the one of ';' and ',' that the first line holds more of (';' on a tie).
char GuessSeparator(std::string_view text);

}  // namespace exchange
