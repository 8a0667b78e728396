#pragma once
// Text as the database's default collation (Latin1_General_CI_AS) sees it:
// case-insensitive, accent-sensitive, trailing blanks ignored, accented
// letters ordered next to their base letter; and LIKE with its classes,
// ranges and escape character under the same rules.

#include <sqlite3.h>

#include <string>
#include <string_view>

namespace db::sqlite {

std::string_view rtrimmed(std::string_view s);
// Upper and lower case of ASCII and of the Latin-1 letters (à <-> À).
std::string foldUpper(std::string_view s);
std::string foldLower(std::string_view s);

// -1, 0, 1. foldCase: the default collation; otherwise the bytes decide
// (a case-sensitive collation), trailing blanks still ignored.
int compareText(std::string_view a, std::string_view b, bool foldCase);

// `text` LIKE `pattern` [ESCAPE `escape`] (escape 0: none) under the default
// collation. Throws std::invalid_argument for a malformed escape.
bool likeMatches(std::string_view text, std::string_view pattern, char32_t escape);

// TSQL_CI, TSQL_CS, and the default collation of every comparison that names
// none (SQLite's BINARY), so that expressions compare as columns do; like().
void registerTextRules(sqlite3* db);

}  // namespace db::sqlite
