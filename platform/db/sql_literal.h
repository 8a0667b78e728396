#pragma once
// A text as a T-SQL string literal: between apostrophes, each one inside
// doubled. The layers below the card use it; the card itself goes through
// common::FormatoDB and RaddoppiaApici.

#include <string>
#include <string_view>

namespace db {

// `text` between two `quote` characters, each one inside doubled: the rule
// of SQL literals ('it''s'), quoted names ("a""b") and CSV fields alike.
inline std::string quotedWith(std::string_view text, char quote) {
    std::string out(1, quote);
    for (char c : text) {
        out += c;
        if (c == quote)
            out += quote;
    }
    return out + quote;
}

inline std::string sqlQuoted(const std::string& text) {
    return quotedWith(text, '\'');
}

}  // namespace db
