#pragma once
// Names compared and written without regard to case, as SQL Server and the
// recordset's filters and sorts read table, column and key words. ASCII
// only: text values compare under the database's collation instead.

#include <cctype>
#include <string>
#include <string_view>

namespace db {

inline bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

inline std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace db
