#pragma once
// Small conversions of the card's values into SQL text, shared by the
// activation and options tabs.

#include <string>

namespace db {
class Value;
}

namespace variants {

// Trailing blanks removed (leading ones stay).
std::string rtrim(std::string text);
// Blanks removed on both sides.
std::string trim(const std::string& text);
// A value as text, right-trimmed; Empty and Null give "".
std::string testo(const db::Value& value);
// A value as a number for SQL: Empty, Null and blank give "0"; throws
// std::invalid_argument for text that is not a number.
std::string numero(const db::Value& value);
// A quoted literal with apostrophes doubled; blank text gives null.
std::string letterale(const std::string& text);
// Apostrophes doubled, no quotes added.
std::string raddoppiaApici(const std::string& text);
// "A0".."B9" <-> 0..19; -1 / "" when out of range.
int indiceDaCodice(const std::string& code);
std::string codiceDaIndice(int index);

}  // namespace variants
