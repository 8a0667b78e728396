#pragma once
// A text as a T-SQL string literal: between apostrophes, each one inside
// doubled. The layers below the card use it; the card itself goes through
// common::FormatoDB and RaddoppiaApici.

#include <string>

namespace db {

inline std::string sqlQuoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    return out + "'";
}

}  // namespace db
