#include "platform/db/credentials.h"

#include <regex>
#include <set>

namespace db {

std::string maskCredentials(const std::string& text) {
    // key = value, the value up to ";" or a quote, or in braces as ODBC allows.
    static const std::regex secret(R"(\b(pwd|password)(\s*=\s*)(\{[^}]*\}?|[^;'"\s]*))",
                                   std::regex::icase);
    return std::regex_replace(text, secret, "$1$2****");
}

DbError connectionFailure(const DbError& error) {
    std::vector<ProviderError> out;
    std::set<std::string> states;
    for (const ProviderError& e : error.errors()) {
        if (!states.insert(e.sqlState).second)
            continue;
        ProviderError masked = e;
        masked.message = maskCredentials(e.message);
        out.push_back(std::move(masked));
    }
    return DbError(std::move(out), maskCredentials(error.statement()));
}

std::string describeFailure(const DbError& error) {
    std::string out;
    for (const ProviderError& e : error.errors()) {
        if (!out.empty())
            out += "\n";
        if (!e.sqlState.empty())
            out += "SQLSTATE " + e.sqlState + ": ";
        out += maskCredentials(e.message);
    }
    return out.empty() ? maskCredentials(error.what()) : out;
}

}  // namespace db
