#pragma once
// The "?N" markers of a translated statement, replaced by text of the
// caller's choosing: the ODBC backend puts its parameters' literals there,
// a view's query keeps its literals inline. Quoted literals and names are
// copied as they are, so a "?1" inside them stays.

#include <cctype>
#include <cstddef>
#include <string>

namespace db {

// literalOf(n) gives the text for "?n" (n as written, from 1).
template <class F>
std::string replaceNumberedParameters(const std::string& sql, F&& literalOf) {
    std::string out;
    out.reserve(sql.size());
    for (std::size_t i = 0; i < sql.size();) {
        const char c = sql[i];
        if (c == '\'' || c == '"') {
            const std::size_t start = i++;
            while (i < sql.size()) {
                if (sql[i] == c) {
                    if (i + 1 < sql.size() && sql[i + 1] == c) {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            out.append(sql, start, i - start);
        } else if (c == '?' && i + 1 < sql.size() &&
                   std::isdigit(static_cast<unsigned char>(sql[i + 1]))) {
            std::size_t j = i + 1;
            while (j < sql.size() && std::isdigit(static_cast<unsigned char>(sql[j])))
                ++j;
            out += literalOf(static_cast<std::size_t>(std::stoul(sql.substr(i + 1, j - i - 1))));
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

}  // namespace db
