#include "platform/db/sqlite/sqlite_errors.h"

#include <sqlite3.h>

#include <optional>
#include <vector>

#include "platform/db/errors.h"
#include "platform/db/tsql/lexer.h"

namespace db::sqlite {
namespace {

bool contains(const std::string& s, const char* part) {
    return s.find(part) != std::string::npos;
}

// The statement names `prefix` as a table or an alias: somewhere it stands
// other than before a dot.
bool namesTable(std::string_view statement, std::string_view prefix) {
    try {
        const auto tokens = tsql::tokenize(statement);
        for (std::size_t i = 0; i < tokens.size(); ++i)
            if (tokens[i].kind != tsql::TokenKind::String &&
                tsql::equalsIgnoreCase(tokens[i].text, prefix) &&
                !(i + 1 < tokens.size() && tokens[i + 1].isSymbol(".")))
                return true;
    } catch (const DbError&) {
        return true;
    }
    return false;
}

// SQL Server's own words in a message the engine's functions raise, with
// their error number; such a message keeps its text. Earlier entries win
// ("Arithmetic overflow error for data type" before the bare words).
struct OwnWords {
    const char* words;
    long native;
    const char* alsoWords = nullptr;  // must stand in the message as well
};
constexpr OwnWords kConversionWords[] = {
    {"Conversion failed when converting the varchar value", 245},
    {"Conversion failed when converting date and/or time", 241},
};
constexpr OwnWords kEngineWords[] = {
    {"String or binary data would be truncated", 2628},
    {"is not a recognized date", 155, "option."},
    {"is not supported by date function", 9810},
    {"Implicit conversion from data type", 257},
    {"resulted in an out-of-range value", 242},
    {"The datediff function resulted in an overflow", 535},
    {"Must declare the scalar variable", 137},
    // A T-SQL function called from a statement.
    {"An insufficient number of arguments were supplied", 313},
    {"has too many arguments specified", 8144},
    {"Arithmetic overflow error for data type", 220},
    {"Arithmetic overflow error", 8115},
    {"Divide by zero error", 8134},
    {"An invalid floating point operation", 3623},
    {"The maximum recursion", 530},
    {"Procedure expects parameter", 214},
};

// The number of the first entry whose words the message holds; 0 when none.
template <std::size_t N>
long numberOf(const std::string& message, const OwnWords (&table)[N]) {
    for (const OwnWords& w : table)
        if (contains(message, w.words) && (!w.alsoWords || contains(message, w.alsoWords)))
            return w.native;
    return 0;
}

// The SQLSTATE a message's words tell, when the result code does not; the
// first entry holding any of the words wins.
struct StateWords {
    const char* state;
    std::vector<const char*> words;
};
const std::vector<StateWords>& messageStates() {
    static const std::vector<StateWords> states = {
        {sqlstate::kNoSuchObject, {"no such table", "no such view"}},
        {sqlstate::kNoSuchColumn, {"no such column", "has no column"}},
        {sqlstate::kConversion, {"Conversion failed", "Error converting"}},
        {"42S01", {"already exists", "already an object"}},
        {"22008",
         {"out-of-range value", "caused an overflow", "datediff function resulted in an overflow"}},
        {"22003", {"Arithmetic overflow error"}},
        {"22012", {"Divide by zero error"}},
        {sqlstate::kSyntax,
         {"syntax error", "no such function", "not supported", "wrong number of arguments",
          "does not recognize the datepart", "is not a recognized date",
          "is not supported by date function", "maximum recursion", "invalid floating point",
          "Must declare the scalar variable", "Procedure expects parameter",
          "An insufficient number of arguments were supplied", "has too many arguments specified"}},
    };
    return states;
}

}  // namespace

std::string clearMessage(int rc, const std::string& message) {
    if ((rc & 0xFF) == SQLITE_BUSY || (rc & 0xFF) == SQLITE_LOCKED)
        return "Il database e' bloccato da un'altra connessione che non lo ha liberato nel tempo "
               "di attesa: riprovare quando l'altra operazione e' conclusa. (" +
               message + ")";
    return message;
}

void sqlServerError(std::string& message, long& native, std::string_view statement,
                    std::string* state) {
    // The name after SQLite's words, up to the end of its text.
    auto nameAfter = [&](const std::string& words) -> std::optional<std::string> {
        const auto at = message.find(words);
        if (at == std::string::npos)
            return std::nullopt;
        std::string name = message.substr(at + words.size());
        const auto end = name.find_first_of(" ()\n");
        return end == std::string::npos ? name : name.substr(0, end);
    };
    if (auto n = nameAfter("no such table: ")) {
        if (auto dot = n->rfind('.'); dot != std::string::npos)
            *n = n->substr(dot + 1);
        message = "Invalid object name '" + *n + "'.";
        native = 208;
    } else if (auto c = nameAfter("no such column: ")) {
        const auto dot = c->rfind('.');
        if (dot != std::string::npos && !statement.empty() &&
            !namesTable(statement, std::string_view(*c).substr(0, dot))) {
            message = "The multi-part identifier \"" + *c + "\" could not be bound.";
            native = 4104;
            if (state)
                *state = sqlstate::kSyntax;
        } else {
            message =
                "Invalid column name '" + c->substr(dot == std::string::npos ? 0 : dot + 1) + "'.";
            native = 207;
        }
    } else if (auto f = nameAfter("no such function: ")) {
        message = "'" + *f + "' is not a recognized built-in function name.";
        native = 195;
    } else if (const long number = numberOf(message, kConversionWords)) {
        native = number;
    } else if (auto u = nameAfter("UNIQUE constraint failed: ")) {
        // SQLite names table.column; SQLITE_CONSTRAINT_PRIMARYKEY tells the key.
        const std::string table = u->substr(0, u->find('.'));
        if (native == 1555 || native == 19) {
            message =
                "Violation of PRIMARY KEY constraint. Cannot insert duplicate key in "
                "object '" +
                table + "'.";
            native = 2627;
        } else {
            message =
                "Cannot insert duplicate key row in object '" + table + "' with unique index.";
            native = 2601;
        }
    } else if (message.find("FOREIGN KEY constraint failed") != std::string::npos) {
        message = "The statement conflicted with a FOREIGN KEY constraint.";
        native = 547;
    } else if (message.find("CHECK constraint failed") != std::string::npos) {
        message = "The statement conflicted with a CHECK constraint.";
        native = 547;
    } else if (auto n = nameAfter("NOT NULL constraint failed: ")) {
        const auto dot = n->find('.');
        message = "Cannot insert the value NULL into column '" +
                  (dot == std::string::npos ? *n : n->substr(dot + 1)) + "', table '" +
                  n->substr(0, dot) + "'; column does not allow nulls.";
        native = 515;
    } else if (const long number = numberOf(message, kEngineWords)) {
        native = number;
    } else if (message.find("syntax error") != std::string::npos) {
        const auto open = message.find("near \""), close = message.find("\":", open + 6);
        const std::string near = open == std::string::npos || close == std::string::npos
                                     ? std::string()
                                     : message.substr(open + 6, close - open - 6);
        message = "Incorrect syntax near '" + near + "'.";
        native = 102;
    }
}

std::string sqlStateOf(int rc, const std::string& message) {
    switch (rc & 0xFF) {
        case SQLITE_CONSTRAINT:
            if (contains(message, "would be truncated"))
                return sqlstate::kTruncation;
            if (contains(message, "Implicit conversion from data type"))
                return sqlstate::kSyntax;
            if (contains(message, "Conversion failed"))
                return sqlstate::kConversion;
            if (contains(message, "out-of-range value"))
                return "22008";
            return sqlstate::kIntegrity;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return sqlstate::kBusy;
        case SQLITE_CANTOPEN:
        case SQLITE_NOTADB:
            return sqlstate::kConnection;
        default:
            break;
    }
    for (const StateWords& entry : messageStates())
        for (const char* words : entry.words)
            if (contains(message, words))
                return entry.state;
    return sqlstate::kGeneral;
}

}  // namespace db::sqlite
