#include "platform/db/backend.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>

#include "platform/db/ascii_case.h"
#include "platform/db/credentials.h"
#include "platform/db/errors.h"
#include "platform/db/sqlite/sqlite_backend.h"

namespace db {

#ifdef VELDRANO_HAVE_ODBC
std::unique_ptr<Backend> openOdbc(const std::string& connectionString);
#endif

namespace {

std::string trimmed(std::string s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.pop_back();
    std::size_t i = 0;
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
        ++i;
    return s.substr(i);
}

// "Key=Value;Key2=Value2" with keys compared without case and blanks.
std::map<std::string, std::string> pairs(const std::string& text) {
    std::map<std::string, std::string> out;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(';', start), text.size());
        const std::string part = text.substr(start, end - start);
        if (const auto eq = part.find('='); eq != std::string::npos) {
            std::string key;
            for (char c : lower(trimmed(part.substr(0, eq))))
                if (c != ' ')
                    key += c;
            out[key] = trimmed(part.substr(eq + 1));
        }
        start = end + 1;
    }
    return out;
}

bool endsWith(const std::string& s, const std::string& suffix) {
    return s.size() >= suffix.size() && lower(s.substr(s.size() - suffix.size())) == suffix;
}

}  // namespace

bool RowView::decimal(int column, Decimal& out) const {
    const Value v = value(column);
    if (v.type() != Value::Type::Decimal)
        return false;
    out = v.asDecimal();
    return true;
}

bool RowOfValues::decimal(int column, Decimal& out) const {
    const Value& v = row_.at(static_cast<std::size_t>(column));
    if (v.type() != Value::Type::Decimal)
        return false;
    out = v.asDecimal();
    return true;
}

void Backend::forEachRow(std::string_view sql, RowSink& sink) {
    const BatchResult batch = run(sql);
    static const ResultSet none;
    const ResultSet* last = &none;
    for (auto it = batch.resultSets.rbegin(); it != batch.resultSets.rend(); ++it)
        if (!it->columns.empty()) {
            last = &*it;
            break;
        }
    sink.columns(last->columns);
    for (const auto& values : last->rows)
        if (!sink.row(RowOfValues(values)))
            break;
}

std::unique_ptr<Backend> openBackend(const std::string& connectionString) {
    const std::string text = trimmed(connectionString);
    sqlite::OpenOptions options;
    if (text.rfind("sqlite:", 0) == 0) {
        options.path = text.substr(7);
        options.create = true;
        return sqlite::openSqlite(options);
    }
    if (text == ":memory:" || (text.find('=') == std::string::npos &&
                               (endsWith(text, ".db") || endsWith(text, ".sqlite")))) {
        options.path = text;
        return sqlite::openSqlite(options);
    }
    auto kv = pairs(text);
    if (kv.count("driver") || kv.count("dsn")) {
#ifdef VELDRANO_HAVE_ODBC
        return openOdbc(text);
#else
        throw DbError({{sqlstate::kConnection, 0,
                        "questo programma non ha il supporto ODBC per aprire '" +
                            maskCredentials(text) + "'.",
                        "ODBC"}},
                      "");
#endif
    }
    std::string path;
    for (const char* key : {"datasource", "filename", "database"})
        if (auto it = kv.find(key); it != kv.end() && path.empty())
            path = it->second;
    if (path.empty())
        throw DbError(
            {{sqlstate::kConnection, 0,
              "la stringa di connessione non indica un database: '" + maskCredentials(text) + "'.",
              "SQLite"}},
            "");
    options.path = path;
    const std::string mode = lower(kv.count("mode") ? kv["mode"] : "");
    options.create = mode == "readwritecreate" || mode == "memory";
    options.readOnly = mode == "readonly";
    // "Timeout=ms", as SQLite's ODBC driver calls it: the wait for a lock.
    if (auto it = kv.find("timeout"); it != kv.end()) {
        char* end = nullptr;
        const long ms = std::strtol(it->second.c_str(), &end, 10);
        if (end == it->second.c_str() || *end != '\0' || ms < 0)
            throw DbError(
                {{sqlstate::kConnection, 0,
                  "Timeout deve essere un numero di millisecondi: '" + maskCredentials(text) + "'.",
                  "SQLite"}},
                "");
        options.busyTimeoutMs = static_cast<int>(ms);
    }
    if (mode == "memory")
        options.path = ":memory:";
    return sqlite::openSqlite(options);
}

}  // namespace db
