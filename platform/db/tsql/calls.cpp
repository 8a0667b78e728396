// Function calls of T-SQL as SQLite runs them: SQL Server's functions under
// the adapter's names, conversions that know their value's own type, and
// SQLite's own functions refused.

#include <array>

#include "platform/db/tsql/emitter.h"

namespace db::tsql {
namespace {

struct Rename {
    const char* tsql;
    const char* sqlite;
};
constexpr std::array kRenames = {
    Rename{"ISNULL", "ifnull"},
    Rename{"LEN", "tsql_len"},
    Rename{"SUBSTRING", "tsql_substring"},
    Rename{"ISNUMERIC", "tsql_isnumeric"},
    Rename{"STUFF", "tsql_stuff"},
    Rename{"REPLICATE", "tsql_replicate"},
    Rename{"LEFT", "tsql_left"},
    Rename{"RIGHT", "tsql_right"},
    Rename{"DAY", "tsql_day"},
    Rename{"MONTH", "tsql_month"},
    Rename{"YEAR", "tsql_year"},
    Rename{"NEWID", "tsql_newid"},
    Rename{"GETDATE", "tsql_getdate"},
    Rename{"CHARINDEX", "tsql_charindex"},
    Rename{"SPACE", "tsql_space"},
    Rename{"OBJECT_ID", "tsql_object_id"},
    Rename{"DATALENGTH", "length"},
    Rename{"UPPER", "tsql_upper"},
    Rename{"LOWER", "tsql_lower"},
    Rename{"LTRIM", "tsql_ltrim"},
    Rename{"RTRIM", "tsql_rtrim"},
    Rename{"DATEADD", "tsql_dateadd"},
    Rename{"DATEDIFF", "tsql_datediff"},
    Rename{"DATEPART", "tsql_datepart"},
    Rename{"SCOPE_IDENTITY", "tsql_scope_identity"},
    Rename{"ROUND", "tsql_round"},
    Rename{"LOG", "tsql_log"},
    Rename{"REPLACE", "tsql_replace"},
    Rename{"SUM", "tsql_sum"},
    Rename{"AVG", "tsql_avg"},
};

// SQLite's own functions that SQL Server does not have: a statement using
// them would run here and fail on the company's server.
constexpr std::array kSqliteOnly = {"IFNULL",
                                    "SUBSTR",
                                    "TYPEOF",
                                    "STRFTIME",
                                    "INSTR",
                                    "GROUP_CONCAT",
                                    "JULIANDAY",
                                    "PRINTF",
                                    "FORMAT_SQLITE",
                                    "LAST_INSERT_ROWID",
                                    "CHANGES",
                                    "TOTAL_CHANGES",
                                    "RANDOMBLOB",
                                    "ZEROBLOB",
                                    "SQLITE_VERSION",
                                    "SQLITE_SOURCE_ID",
                                    "LIKELIHOOD",
                                    "LIKELY",
                                    "UNLIKELY",
                                    "GLOB",
                                    "HEX",
                                    "UNHEX",
                                    "QUOTE",
                                    "TOTAL",
                                    "RANDOM",
                                    "LENGTH",
                                    "DATE",
                                    "TIME",
                                    "DATETIME",
                                    "UNIXEPOCH",
                                    "JSON",
                                    "JSON_EXTRACT",
                                    "JSON_OBJECT",
                                    "JSON_ARRAY",
                                    "LOAD_EXTENSION",
                                    "OCTET_LENGTH",
                                    "TIMEDIFF",
                                    "CONCAT_WS_SQLITE",
                                    "MATCH",
                                    "REGEXP",
                                    "MOD",
                                    "LN",
                                    "LOG2",
                                    "TRUNC",
                                    "POW",
                                    "CEIL",
                                    "ATAN2",
                                    "ACOSH",
                                    "ASINH",
                                    "ATANH",
                                    "COSH",
                                    "SINH",
                                    "TANH",
                                    "UNISTR",
                                    "NTH_VALUE",
                                    "JSON_ARRAY_LENGTH",
                                    "JSON_GROUP_ARRAY",
                                    "JSON_GROUP_OBJECT",
                                    "JSON_INSERT",
                                    "JSON_PATCH",
                                    "JSON_REMOVE",
                                    "JSON_REPLACE",
                                    "JSON_SET",
                                    "JSON_TYPE",
                                    "JSON_VALID",
                                    "JSON_QUOTE",
                                    "JSON_EACH",
                                    "JSON_TREE"};

}  // namespace

std::string Emitter::convert(std::size_t open, std::size_t close, bool isCast) {
    const std::size_t b = open + 1, e = close - 1;
    std::size_t exprB = b, exprE = e, typeI = b;
    std::string style;
    if (isCast) {
        std::size_t as = e;
        for (std::size_t i = b; i < e; i = nextItem(t_, i, e))
            if (t_[i].is("AS"))
                as = i;
        if (as == e)
            unsupported("CAST without AS", statement_);
        exprE = as;
        typeI = as + 1;
    } else {
        std::size_t i = b;
        typeAt(i, e);
        if (i >= e || !t_[i].isSymbol(","))
            unsupported("CONVERT without an expression", statement_);
        exprB = i + 1;
        for (std::size_t j = exprB; j < e; j = nextItem(t_, j, e)) {
            if (t_[j].isSymbol(",")) {
                exprE = j;
                style = ", " + region(j + 1, e);
                break;
            }
        }
    }
    std::size_t ti = typeI;
    const TypeSpec type = typeAt(ti, isCast ? e : exprB);
    // What the conversion does can hang on the value's own type: a decimal
    // shown as text keeps its scale ("3.00"), a date has no time part, a
    // DATETIME without a style reads "Jan  5 2024  1:45PM", money becomes an
    // integer by rounding. The type is known here when the value is a
    // literal or a conversion (directly or through ROUND).
    std::string source;
    if (const TypeSpec from = sourceType(exprB, exprE);
        !from.name.empty() && (type.isText() || type.name == "INT" || type.name == "BIGINT" ||
                               type.name == "SMALLINT" || type.name == "TINYINT"))
        source =
            (style.empty() ? ", 0, '" : ", '") + from.name + "', " + std::to_string(from.scale);
    return "tsql_convert(" + region(exprB, exprE) + ", '" + type.name + "', " +
           std::to_string(type.length) + ", " + std::to_string(type.scale) + style + source + ")";
}

TypeSpec Emitter::sourceType(std::size_t b, std::size_t e) {
    if (b >= e)
        return {};
    if (e == b + 1 && t_[b].kind == TokenKind::Number) {
        const std::string& n = t_[b].text;
        if (n.find_first_of("eE") != std::string::npos)
            return {"FLOAT", 0, 0};
        const auto dot = n.find('.');
        if (dot == std::string::npos)
            return {"INT", 0, 0};
        const int scale = static_cast<int>(n.size() - dot - 1);
        return {"DECIMAL", static_cast<int>(n.size() - 1), scale};
    }
    if (t_[b].isSymbol("(") && closeOf(t_, b, e) == e)
        return sourceType(b + 1, e - 1);
    if (e < b + 3 || t_[b].kind != TokenKind::Word || !t_[b + 1].isSymbol("(") ||
        closeOf(t_, b + 1, e) != e)
        return {};
    const std::size_t ab = b + 2, ae = e - 1;  // the arguments
    if (t_[b].is("CAST") || t_[b].is("CONVERT")) {
        std::size_t ti = ab;
        if (t_[b].is("CAST"))
            for (std::size_t j = ab; j < ae; j = nextItem(t_, j, ae))
                if (t_[j].is("AS"))
                    ti = j + 1;
        std::size_t te = ae;
        if (t_[b].is("CONVERT"))
            for (std::size_t j = ab; j < ae; j = nextItem(t_, j, ae))
                if (t_[j].isSymbol(",")) {
                    te = j;
                    break;
                }
        return typeAt(ti, te);
    }
    if (t_[b].is("GETDATE") && ae == ab)
        return {"DATETIME", 0, 0};
    // ROUND keeps its input's type and scale, ISNULL its first argument's.
    if (t_[b].is("ROUND") || t_[b].is("ISNULL"))
        for (std::size_t j = ab; j < ae; j = nextItem(t_, j, ae))
            if (t_[j].isSymbol(","))
                return sourceType(ab, j);
    return {};
}

std::string Emitter::call(const std::string& name, std::size_t open, std::size_t close) {
    const std::string up = upper(name);
    if (up == "CONVERT" || up == "TRY_CONVERT")
        return convert(open, close, false);
    if (up == "CAST" || up == "TRY_CAST")
        return convert(open, close, true);
    // The adapter's helpers and SQLite's own functions are not T-SQL.
    bool sqliteOnly = up.rfind("TSQL_", 0) == 0 || up.rfind("SQLITE_", 0) == 0;
    for (const char* f : kSqliteOnly)
        sqliteOnly = sqliteOnly || up == f;
    if (sqliteOnly || up.rfind("JSONB", 0) == 0)
        refuse(195, "'" + name + "' is not a recognized built-in function name.", statement_);
    // SQLite's FORMAT is printf: its answers are not SQL Server's.
    if (up == "FORMAT")
        unsupported("FORMAT", statement_);
    // What CATCH knows of the error it handles: the runner keeps it.
    if ((up == "ERROR_NUMBER" || up == "ERROR_MESSAGE" || up == "ERROR_SEVERITY" ||
         up == "ERROR_STATE" || up == "ERROR_LINE" || up == "ERROR_PROCEDURE" ||
         up == "XACT_STATE") &&
        close == open + 2)
        return "tsql_var('" + up + "()')";
    if (up == "ISNULL" && close > open + 2) {
        // The result has the type and length of the first argument: the
        // replacement is converted to it (truncated, for text).
        for (std::size_t j = open + 1; j < close - 1; j = nextItem(t_, j, close - 1)) {
            if (!t_[j].isSymbol(","))
                continue;
            const TypeSpec first = sourceType(open + 1, j);
            if (!first.isText() && first.name != "DECIMAL" && first.name != "NUMERIC" &&
                first.name != "INT")
                break;
            return "tsql_convert(ifnull(" + region(open + 1, close - 1) + "), '" + first.name +
                   "', " + std::to_string(first.length) + ", " + std::to_string(first.scale) + ")";
        }
    }
    if ((up == "MIN" || up == "MAX") && close > open + 2 && !t_[open + 1].is("DISTINCT"))
        return name + "(" + collated(open + 1, close - 1) + ")";
    for (const auto& r : kRenames) {
        if (up != r.tsql)
            continue;
        if (up == "DATEADD" || up == "DATEDIFF" || up == "DATEPART") {
            // The date part is a bare word: pass it as text.
            const std::size_t part = open + 1;
            if (part + 1 >= close - 1 || t_[part].kind != TokenKind::Word ||
                !t_[part + 1].isSymbol(","))
                unsupported(up + " without a date part", statement_);
            return std::string(r.sqlite) + "('" + upper(t_[part].text) + "', " +
                   region(part + 2, close - 1) + ")";
        }
        return std::string(r.sqlite) + "(" + region(open + 1, close - 1) + ")";
    }
    return name + "(" + region(open + 1, close - 1) + ")";
}

}  // namespace db::tsql
