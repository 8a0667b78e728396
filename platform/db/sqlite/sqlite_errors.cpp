#include "platform/db/sqlite/sqlite_errors.h"

#include <sqlite3.h>

#include <optional>

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
    } else if (message.find("Conversion failed when converting the varchar value") !=
               std::string::npos) {
        native = 245;
    } else if (message.find("Conversion failed when converting date and/or time") !=
               std::string::npos) {
        native = 241;
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
    } else if (message.find("String or binary data would be truncated") != std::string::npos) {
        native = 2628;
    } else if (message.find("option.") != std::string::npos &&
               message.find("is not a recognized date") != std::string::npos) {
        native = 155;
    } else if (message.find("is not supported by date function") != std::string::npos) {
        native = 9810;
    } else if (message.find("Implicit conversion from data type") != std::string::npos) {
        native = 257;
    } else if (message.find("resulted in an out-of-range value") != std::string::npos) {
        native = 242;
    } else if (message.find("The datediff function resulted in an overflow") != std::string::npos) {
        native = 535;
    } else if (message.find("Must declare the scalar variable") != std::string::npos) {
        native = 137;
    } else if (message.find("An insufficient number of arguments were supplied") !=
               std::string::npos) {
        native = 313;  // a T-SQL function called from a statement
    } else if (message.find("has too many arguments specified") != std::string::npos) {
        native = 8144;
    } else if (message.find("Arithmetic overflow error for data type") != std::string::npos) {
        native = 220;
    } else if (message.find("Arithmetic overflow error") != std::string::npos) {
        native = 8115;
    } else if (message.find("Divide by zero error") != std::string::npos) {
        native = 8134;
    } else if (message.find("An invalid floating point operation") != std::string::npos) {
        native = 3623;
    } else if (message.find("The maximum recursion") != std::string::npos) {
        native = 530;
    } else if (message.find("Procedure expects parameter") != std::string::npos) {
        native = 214;
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
    if (contains(message, "no such table") || contains(message, "no such view"))
        return sqlstate::kNoSuchObject;
    if (contains(message, "no such column") || contains(message, "has no column"))
        return sqlstate::kNoSuchColumn;
    if (contains(message, "Conversion failed") || contains(message, "Error converting"))
        return sqlstate::kConversion;
    if (contains(message, "already exists") || contains(message, "already an object"))
        return "42S01";
    if (contains(message, "out-of-range value") || contains(message, "caused an overflow") ||
        contains(message, "datediff function resulted in an overflow"))
        return "22008";
    if (contains(message, "Arithmetic overflow error"))
        return "22003";
    if (contains(message, "Divide by zero error"))
        return "22012";
    if (contains(message, "syntax error") || contains(message, "no such function") ||
        contains(message, "not supported") || contains(message, "wrong number of arguments") ||
        contains(message, "does not recognize the datepart") ||
        contains(message, "is not a recognized date") ||
        contains(message, "is not supported by date function") ||
        contains(message, "maximum recursion") || contains(message, "invalid floating point") ||
        contains(message, "Must declare the scalar variable") ||
        contains(message, "Procedure expects parameter") ||
        contains(message, "An insufficient number of arguments were supplied") ||
        contains(message, "has too many arguments specified"))
        return sqlstate::kSyntax;
    return sqlstate::kGeneral;
}

}  // namespace db::sqlite
