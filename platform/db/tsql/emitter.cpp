#include "platform/db/tsql/emitter.h"

#include <algorithm>
#include <array>

#include "platform/db/errors.h"
#include "platform/db/sql_literal.h"

namespace db::tsql {
namespace {

constexpr std::array kBoundaryWords = {
    "SELECT", "FROM",       "WHERE",   "AND",    "OR",      "NOT",        "ON",      "JOIN",
    "INNER",  "LEFT",       "RIGHT",   "OUTER",  "CROSS",   "FULL",       "WHEN",    "THEN",
    "ELSE",   "AS",         "IS",      "IN",     "LIKE",    "BETWEEN",    "ORDER",   "GROUP",
    "BY",     "HAVING",     "UNION",   "ALL",    "EXCEPT",  "INTERSECT",  "INTO",    "SET",
    "VALUES", "DISTINCT",   "ASC",     "DESC",   "ESCAPE",  "TOP",        "WITH",    "EXISTS",
    "UPDATE", "DELETE",     "INSERT",  "CREATE", "TABLE",   "DROP",       "ALTER",   "ADD",
    "COLUMN", "CONSTRAINT", "PRIMARY", "KEY",    "FOREIGN", "REFERENCES", "DEFAULT", "APPLY",
    "OVER",   "PARTITION"};

constexpr std::array kHintWords = {
    "NOLOCK",         "READUNCOMMITTED", "UPDLOCK", "ROWLOCK",   "HOLDLOCK", "NOWAIT",
    "READPAST",       "PAGLOCK",         "TABLOCK", "TABLOCKX",  "XLOCK",    "READCOMMITTED",
    "REPEATABLEREAD", "SERIALIZABLE",    "INDEX",   "FORCESEEK", "NOEXPAND"};

// A word SQLite takes for one of its keywords where SQL Server sees a name.
[[noreturn]] void unknownColumn(const std::string& name, std::string_view statement) {
    throw DbError(
        {{sqlstate::kNoSuchColumn, 207, "Invalid column name '" + name + "'.", "T-SQL adapter"}},
        std::string(statement));
}

bool isComparison(const Token& tok) {
    if (tok.kind != TokenKind::Symbol)
        return false;
    for (const char* s : {"=", "<>", "!=", "<", ">", "<=", ">=", "!<", "!>", ",", ";"})
        if (tok.text == s)
            return true;
    return false;
}

bool isOperatorSymbol(const Token& tok) {
    return tok.kind == TokenKind::Symbol && tok.text != "(" && tok.text != ")";
}

}  // namespace

void refuse(long native, const std::string& message, std::string_view statement) {
    throw DbError({{sqlstate::kSyntax, native, message, "T-SQL adapter"}}, std::string(statement));
}

void unsupported(std::string_view what, std::string_view statement) {
    throw DbError(
        {{sqlstate::kSyntax, 0,
          "T-SQL adapter: " + std::string(what) + " is not supported in: " + std::string(statement),
          "T-SQL adapter"}},
        std::string(statement));
}

Token word(const char* text) {
    return Token{TokenKind::Word, text};
}

Token symbol(const char* text) {
    return Token{TokenKind::Symbol, text};
}

void appendTokens(Tokens& out, const Tokens& t, std::size_t b, std::size_t e) {
    out.insert(out.end(), t.begin() + static_cast<long>(b), t.begin() + static_cast<long>(e));
}

std::string quoteName(std::string_view name) {
    return quotedWith(name, '"');
}

std::size_t closeOf(const Tokens& t, std::size_t open, std::size_t end) {
    int depth = 0;
    for (std::size_t i = open; i < end; ++i) {
        if (t[i].isSymbol("("))
            ++depth;
        else if (t[i].isSymbol(")") && --depth == 0)
            return i + 1;
    }
    throw DbError({{sqlstate::kSyntax, 0, "Incorrect syntax: missing ')'.", "T-SQL adapter"}}, "");
}

std::size_t caseEndOf(const Tokens& t, std::size_t start, std::size_t end) {
    int depth = 0;
    for (std::size_t i = start; i < end; ++i) {
        if (t[i].isSymbol("(")) {
            i = closeOf(t, i, end) - 1;
        } else if (t[i].is("CASE")) {
            ++depth;
        } else if (t[i].is("END") && --depth == 0) {
            return i + 1;
        }
    }
    throw DbError({{sqlstate::kSyntax, 0, "Incorrect syntax: CASE without END.", "T-SQL adapter"}},
                  "");
}

std::size_t nextItem(const Tokens& t, std::size_t i, std::size_t end) {
    if (t[i].isSymbol("("))
        return closeOf(t, i, end);
    if (t[i].is("CASE"))
        return caseEndOf(t, i, end);
    return i + 1;
}

bool Emitter::isBoundary(const Token& tok) const {
    return isComparison(tok) || tok.isOneOf(kBoundaryWords);
}

bool Emitter::sqliteClause(std::size_t i) const {
    // The clause's words may stand at the end of the region being written:
    // look at the statement's tokens after it.
    const std::size_t e = t_.size();
    const Token& tok = t_[i];
    const bool afterOperand =
        i > 0 && !isBoundary(t_[i - 1]) &&
        (t_[i - 1].kind == TokenKind::Word || t_[i - 1].kind == TokenKind::Name ||
         t_[i - 1].kind == TokenKind::TempName || t_[i - 1].kind == TokenKind::Number ||
         t_[i - 1].kind == TokenKind::Binary || t_[i - 1].kind == TokenKind::String ||
         t_[i - 1].isSymbol(")") || t_[i - 1].isSymbol("*"));
    const bool groupNext = i + 1 < e && t_[i + 1].isSymbol("(");
    if (tok.is("NATURAL"))
        return i + 1 < e && (t_[i + 1].is("JOIN") || t_[i + 1].is("INNER") ||
                             t_[i + 1].is("LEFT") || t_[i + 1].is("CROSS"));
    if (tok.is("NULLS"))
        return i + 1 < e && (t_[i + 1].is("FIRST") || t_[i + 1].is("LAST"));
    if (tok.is("USING"))
        return afterOperand && groupNext;
    if (tok.is("FILTER"))
        return i > 0 && t_[i - 1].isSymbol(")") && groupNext && i + 2 < e && t_[i + 2].is("WHERE");
    if (tok.is("RETURNING") || tok.is("MATCH"))
        return afterOperand;
    if (tok.is("INDEXED"))
        return (i + 1 < e && t_[i + 1].is("BY")) || (i > 0 && t_[i - 1].is("NOT"));
    return false;
}

bool Emitter::isHintGroup(std::size_t open, std::size_t close) const {
    return close > open + 2 && t_[open + 1].isOneOf(kHintWords);
}

bool Emitter::isColumn(std::size_t b, std::size_t e) const {
    if (b >= e || (e - b) % 2 == 0)
        return false;
    for (std::size_t i = b; i < e; ++i) {
        const Token& tok = t_[i];
        const bool name =
            tok.kind == TokenKind::Name || tok.kind == TokenKind::TempName ||
            (tok.kind == TokenKind::Word && !tok.is("NULL") && !tok.is("CURRENT_TIMESTAMP"));
        if ((i - b) % 2 == 0 ? !name : !tok.isSymbol("."))
            return false;
    }
    return true;
}

bool Emitter::isPlain(std::size_t b, std::size_t e) const {
    if (e == b + 1 &&
        (t_[b].kind == TokenKind::Number || t_[b].kind == TokenKind::Binary || t_[b].is("NULL")))
        return true;
    // A variable is read through a function, which carries no collation: a
    // text variable (or one whose type is not known) needs the default one.
    if (e == b + 1 && t_[b].kind == TokenKind::Variable) {
        if (t_[b].text.rfind("@@", 0) == 0)
            return true;
        const auto it = plan_.variables.find(upper(t_[b].text));
        return it != plan_.variables.end() && !it->second.name.empty() && !it->second.isText();
    }
    if (e == b + 2 && t_[b].isSymbol("-") && t_[b + 1].kind == TokenKind::Number)
        return true;
    return isColumn(b, e);
}

bool Emitter::isStar(std::size_t b, std::size_t e) const {
    return e > b && t_[e - 1].isSymbol("*") && (e == b + 1 || t_[e - 2].isSymbol("."));
}

std::size_t Emitter::aliasAt(std::size_t b, std::size_t e) const {
    std::size_t prev = e, last = e;
    for (std::size_t i = b; i < e; i = nextItem(t_, i, e)) {
        prev = last;
        last = i;
    }
    if (prev == e || last + 1 != e)
        return e;
    const Token& alias = t_[last];
    const Token& before = t_[prev];
    if (alias.kind != TokenKind::Word && alias.kind != TokenKind::Name)
        return e;
    if (before.kind == TokenKind::Symbol && !before.isSymbol(")") && prev + 1 == last)
        return e;  // an operator or a qualifier's dot
    return last;
}

std::string Emitter::collated(std::size_t b, std::size_t e) {
    if (isPlain(b, e))
        return region(b, e);
    return "(" + region(b, e) + ") COLLATE TSQL_CI";
}

std::string Emitter::literal(const Token& tok) {
    if (bind_)
        return "?" + std::to_string(tok.literal);
    plan_.inlined.emplace_back(tok.literal, tok.text);
    return db::sqlQuoted(tok.text);
}

TypeSpec Emitter::typeAt(std::size_t& i, std::size_t e) {
    if (i >= e || (t_[i].kind != TokenKind::Word && t_[i].kind != TokenKind::Name))
        unsupported("a missing data type", statement_);
    TypeSpec type;
    type.name = upper(t_[i].text);
    ++i;
    if (type.name == "DOUBLE" && i < e && t_[i].is("PRECISION"))
        ++i;
    const bool sized = i < e && t_[i].isSymbol("(");
    if (sized) {
        const std::size_t close = closeOf(t_, i, e);
        std::size_t j = i + 1;
        if (t_[j].is("MAX")) {
            type.length = -1;
        } else if (t_[j].kind == TokenKind::Number) {
            type.length = std::stoi(t_[j].text);
            if (j + 2 < close && t_[j + 1].isSymbol(",") && t_[j + 2].kind == TokenKind::Number)
                type.scale = std::stoi(t_[j + 2].text);
        }
        i = close;
    }
    if (type.isTime()) {
        // TIME(n), DATETIME2(n), DATETIMEOFFSET(n): n digits of a second.
        type.scale = sized ? std::min(std::max(type.length, 0), 7) : 7;
        type.length = 0;
    }
    return type;
}

std::string Emitter::tableName(std::size_t& i, std::size_t e) {
    if (i >= e)
        unsupported("a missing table name", statement_);
    // [database.][schema.]name: only the last part names the table here.
    std::size_t last = i;
    while (last + 2 < e + 1 && last + 1 < e && t_[last + 1].isSymbol(".")) {
        last += 2;
        if (last < e && t_[last].isSymbol("."))
            ++last;  // "db..name"
    }
    if (last >= e)
        unsupported("a missing table name", statement_);
    const Token& name = t_[last];
    i = last + 1;
    if (name.kind == TokenKind::Word || name.kind == TokenKind::Name ||
        name.kind == TokenKind::TempName)
        return quoteName(name.kind == TokenKind::Word ? upper(name.text) : name.text);
    unsupported("the table name '" + name.text + "'", statement_);
}

std::string Emitter::item(std::size_t& i, std::size_t e) {
    const Token& tok = t_[i];
    if (tok.isSymbol("(")) {
        const std::size_t close = closeOf(t_, i, e);
        if (close == i + 2 && i > 0 && t_[i - 1].is("IN"))
            refuse(102, "Incorrect syntax near ')'.", statement_);
        std::string out = "(" + region(i + 1, close - 1) + ")";
        i = close;
        return out;
    }
    if (tok.is("CASE")) {
        const std::size_t end = caseEndOf(t_, i, e);
        // CASE x WHEN y compares x = y: under the default collation too.
        std::size_t when = i + 1;
        while (when < end - 1 && !t_[when].is("WHEN"))
            when = nextItem(t_, when, end - 1);
        std::string out = "CASE " + (when > i + 1 ? collated(i + 1, when) + " " : std::string()) +
                          region(when, end - 1) + " END";
        i = end;
        return out;
    }
    // SQLite's own tables (sqlite_master, sqlite_sequence ...) are no
    // objects of a SQL Server database.
    if ((tok.kind == TokenKind::Word || tok.kind == TokenKind::Name) && !tok.generated && i > 0 &&
        !(i + 1 < e && t_[i + 1].isSymbol("(")) && upper(tok.text).rfind("SQLITE_", 0) == 0 &&
        (t_[i - 1].is("FROM") || t_[i - 1].is("JOIN") || t_[i - 1].is("UPDATE") ||
         t_[i - 1].is("INTO") || t_[i - 1].is("TABLE") ||
         (i >= 3 && t_[i - 1].isSymbol(".") && (t_[i - 3].is("FROM") || t_[i - 3].is("JOIN")))))
        throw DbError({{sqlstate::kNoSuchObject, 208, "Invalid object name '" + tok.text + "'.",
                        "T-SQL adapter"}},
                      std::string(statement_));
    switch (tok.kind) {
        case TokenKind::Word:
            if (sqliteClause(i))
                refuse(102, "Incorrect syntax near '" + tok.text + "'.", statement_);
            if (i + 1 < e && t_[i + 1].isSymbol("(")) {
                const std::size_t close = closeOf(t_, i + 1, e);
                std::string out = call(tok.text, i + 1, close);
                i = close;
                if (tok.is("STRING_AGG"))
                    out += withinGroup(i, e);
                return out;
            }
            if (tok.is("dbo") && i + 2 < e && t_[i + 1].isSymbol(".")) {
                i += 2;
                return item(i, e);
            }
            if (tok.is("LIMIT") || tok.is("GLOB") || tok.is("REGEXP") || tok.is("PRAGMA") ||
                tok.is("ISNULL") || tok.is("NOTNULL") || tok.is("AUTOINCREMENT"))
                refuse(102, "Incorrect syntax near '" + tok.text + "'.", statement_);
            if (tok.is("TRUE") || tok.is("FALSE") || tok.is("CURRENT_DATE") ||
                tok.is("CURRENT_TIME"))
                unknownColumn(tok.text, statement_);
            // SQLite's row id is no column in SQL Server, unless a table
            // has one of that name.
            if ((tok.is("ROWID") || tok.is("_ROWID_") || tok.is("OID")) && !tok.generated &&
                i > 0 && !t_[i - 1].is("AS") && !(i + 1 < e && t_[i + 1].isSymbol("(")) &&
                (t_[i - 1].kind == TokenKind::Symbol || t_[i - 1].is("SELECT") ||
                 t_[i - 1].is("WHERE") || t_[i - 1].is("BY") || t_[i - 1].is("AND") ||
                 t_[i - 1].is("OR") || t_[i - 1].is("ON") || t_[i - 1].is("SET")) &&
                !t_[i - 1].isSymbol(")") && !mayBeColumn(i, tok.text))
                unknownColumn(tok.text, statement_);
            if (tok.is("CURRENT_TIMESTAMP")) {
                ++i;
                return "tsql_getdate()";  // local time, as GETDATE()
            }
            if (tok.is("COLLATE") && i + 1 < e) {
                const std::string collation = upper(t_[i + 1].text);
                const bool cs = collation.find("_CS") != std::string::npos ||
                                collation.find("_BIN") != std::string::npos;
                // SQLite's NOCASE, BINARY, RTRIM are no collations of SQL Server.
                if (!cs && collation.find("_CI") == std::string::npos &&
                    collation != "DATABASE_DEFAULT")
                    refuse(448, "Invalid collation '" + t_[i + 1].text + "'.", statement_);
                i += 2;
                return cs ? "COLLATE TSQL_CS" : "COLLATE TSQL_CI";
            }
            ++i;
            return tok.text;
        case TokenKind::Name:
            if (!tok.generated && i + 1 < e && t_[i + 1].isSymbol("(") &&
                (upper(tok.text).rfind("TSQL_", 0) == 0 ||
                 upper(tok.text).rfind("SQLITE_", 0) == 0))
                refuse(195, "'" + tok.text + "' is not a recognized built-in function name.",
                       statement_);
            ++i;
            return quoteName(tok.text);
        case TokenKind::TempName:
            ++i;
            return quoteName(tok.text);
        case TokenKind::String:
            ++i;
            return literal(tok);
        case TokenKind::Number:
            ++i;
            return tok.text;
        case TokenKind::Binary:
            ++i;
            return "X'" + tok.text + "'";
        case TokenKind::Variable: {
            const std::string v = upper(tok.text);
            ++i;
            if (v == "@@IDENTITY")
                return "tsql_scope_identity()";
            if (v.rfind("@@", 0) == 0 && v != "@@ROWCOUNT" && v != "@@ERROR" && v != "@@TRANCOUNT")
                unsupported("the variable " + tok.text, statement_);
            // The runner keeps the batch's variables; the statement reads them.
            // A binary value is kept as its "0x..." text: read back as bytes.
            if (const auto it = plan_.variables.find(v);
                it != plan_.variables.end() && it->second.isBinary())
                return "tsql_binary(tsql_var('" + v + "'), 'VARBINARY', -1, 1, 'VARCHAR')";
            return "tsql_var('" + v + "')";
        }
        case TokenKind::Symbol:
            if (tok.text == "||" || tok.text == "==" || tok.text == "`")
                refuse(102, "Incorrect syntax near '" + tok.text.substr(0, 1) + "'.", statement_);
            // SQLite's named parameters (:x, $x); $ACTION and the like are
            // T-SQL's.
            if (i + 1 < e && t_[i + 1].kind == TokenKind::Word && !t_[i + 1].generated &&
                ((tok.text == ":" && (i == 0 || !t_[i - 1].isSymbol(":"))) ||
                 (tok.text == "$" && !t_[i + 1].is("ACTION") && !t_[i + 1].is("IDENTITY") &&
                  !t_[i + 1].is("ROWGUID") && !t_[i + 1].is("PARTITION"))))
                refuse(102, "Incorrect syntax near '" + tok.text + "'.", statement_);
            ++i;
            if (tok.text == "$" && i < e && t_[i].kind == TokenKind::Number)
                unsupported("a money constant ($" + t_[i].text + ")", statement_);
            if (tok.text == "!<")
                return ">=";
            if (tok.text == "!>")
                return "<=";
            return tok.text;
    }
    ++i;
    return tok.text;
}

std::vector<std::size_t> Emitter::binaryAt(std::size_t b, std::size_t e,
                                           std::string_view ops) const {
    std::vector<std::size_t> at;
    bool operand = false;
    for (std::size_t i = b; i < e;) {
        const Token& tok = t_[i];
        if (operand && i + 1 < e && tok.kind == TokenKind::Symbol && tok.text.size() == 1 &&
            ops.find(tok.text[0]) != std::string_view::npos) {
            at.push_back(i);
            operand = false;
            ++i;
            continue;
        }
        operand = !isOperatorSymbol(tok);
        i = nextItem(t_, i, e);
    }
    return at;
}

std::string Emitter::term(std::size_t b, std::size_t e) {
    // Subtraction and multiplication are worked out as SQL Server does
    // (decimals exactly, integers without silent widening); division and
    // modulo stop at a zero divisor (8134) where SQLite gives NULL.
    const auto minus = binaryAt(b, e, "-");
    if (!minus.empty()) {
        std::string out = factors(b, minus[0]);
        TypeSpec type = typeOf(b, minus[0]);
        for (std::size_t k = 0; k < minus.size(); ++k) {
            const std::size_t fb = minus[k] + 1, fe = k + 1 < minus.size() ? minus[k + 1] : e;
            type = combine('-', type, typeOf(fb, fe));
            out = intRanged("tsql_sub(" + out + ", " + factors(fb, fe) + ")", type);
        }
        return out;
    }
    return factors(b, e);
}

std::string Emitter::factors(std::size_t b, std::size_t e) {
    const auto ops = binaryAt(b, e, "*/%");
    if (ops.empty())
        return plain(b, e);
    std::string out = plain(b, ops[0]);
    for (std::size_t k = 0; k < ops.size(); ++k) {
        const std::size_t fb = ops[k] + 1, fe = k + 1 < ops.size() ? ops[k + 1] : e;
        const std::string& op = t_[ops[k]].text;
        if (op == "*") {
            out = intRanged("tsql_mul(" + out + ", " + plain(fb, fe) + ")",
                            combine('*', typeOf(b, ops[k]), typeOf(fb, fe)));
            continue;
        }
        // A decimal quotient has the scale SQL Server gives it, truncated
        // there; a decimal remainder keeps its fraction.
        if (const TypeSpec r = combine(op[0], typeOf(b, ops[k]), typeOf(fb, fe));
            r.isDecimal() || r.isMoney()) {
            out = (op == "/" ? "tsql_div(" : "tsql_mod(") + out + ", " + plain(fb, fe) +
                  (op == "/" ? ", " + std::to_string(r.isMoney() ? 4 : r.scale) : std::string()) +
                  ")";
            continue;
        }
        // A divisor that is a number other than zero needs no check.
        const bool constant =
            fe == fb + 1 && t_[fb].kind == TokenKind::Number && std::stod(t_[fb].text) != 0;
        out = "(" + out + " " + op + " " +
              (constant ? plain(fb, fe) : "tsql_nz(" + plain(fb, fe) + ")") + ")";
    }
    return out;
}

std::string Emitter::intRanged(std::string sql, const TypeSpec& type) {
    // SMALLINT with SMALLINT (TINYINT with TINYINT) stays in its type: past
    // its range it overflows, as INT does.
    if (type.name == "SMALLINT" || type.name == "TINYINT")
        return "tsql_int(" + sql + ", '" + type.name + "')";
    return type.name == "INT" ? "tsql_int(" + sql + ")" : sql;
}

std::string Emitter::plain(std::size_t b, std::size_t e) {
    std::string out;
    bool glue = true;
    for (std::size_t i = b; i < e;) {
        const bool dot = t_[i].isSymbol(".");
        std::string piece = item(i, e);
        if (!glue && !dot)
            out += ' ';
        out += piece;
        glue = dot;
    }
    return out;
}

std::string Emitter::region(std::size_t b, std::size_t e) {
    std::string out;
    std::string limit, offset;
    bool ordered = false;  // past this query's ORDER BY
    auto append = [&out](const std::string& s) {
        if (s.empty())
            return;
        if (!out.empty())
            out += ' ';
        out += s;
    };
    // A segment between boundaries is an additive chain: a binary "+" is
    // concatenation or addition depending on the values, decided at run time.
    auto chainOf = [&](std::size_t sb, std::size_t se) {
        std::vector<std::pair<std::size_t, std::size_t>> terms;
        std::size_t start = sb;
        bool operand = false;
        for (std::size_t i = sb; i < se;) {
            const Token& tok = t_[i];
            if (tok.isSymbol("+") && operand) {
                terms.emplace_back(start, i);
                start = i + 1;
                operand = false;
                ++i;
                continue;
            }
            operand = !isOperatorSymbol(tok);
            i = nextItem(t_, i, se);
        }
        terms.emplace_back(start, se);
        std::string chain = term(terms[0].first, terms[0].second);
        if (terms.size() == 1)
            return chain;
        // Text joined to text is concatenation whatever the values hold:
        // SQLite's own operator does it without a call for every row.
        TypeSpec sofar = typeOf(terms[0].first, terms[0].second);
        for (std::size_t k = 1; k < terms.size(); ++k) {
            const TypeSpec next = typeOf(terms[k].first, terms[k].second);
            const std::string t = term(terms[k].first, terms[k].second);
            const TypeSpec result = combine('+', sofar, next);
            if (sofar.isText() && next.isText())
                chain = "(" + chain + " || (" + t + "))";
            else
                chain = intRanged("tsql_add(" + chain + ", " + t + ")", result);
            sofar = result;
        }
        return chain;
    };
    // What the region is in: a select list or an ORDER BY / GROUP BY list
    // takes its items' collation and names; after AS comes an alias.
    enum class List { None, Select, OrderOrGroup } list = List::None;
    bool aliasNext = false;
    // The segment [sb, se) ended by the boundary at `at` (e: the region's end).
    // Text compares under the default collation wherever no column decides
    // it: SQLite compares expressions without a collation byte by byte.
    auto segment = [&](std::size_t sb, std::size_t se, std::size_t at) {
        if (sb >= se)
            return;
        if (aliasNext) {
            aliasNext = false;
            append(chainOf(sb, se));
            return;
        }
        const Token* next = at < e ? &t_[at] : nullptr;
        const bool comparison =
            next && isComparison(*next) && !next->isSymbol(",") && !next->isSymbol(";");
        const bool membership =
            next &&
            (next->is("IN") || next->is("BETWEEN") ||
             (next->is("NOT") && at + 1 < e && (t_[at + 1].is("IN") || t_[at + 1].is("BETWEEN"))));
        bool collate = false, unnamed = false, timed = false;
        std::size_t exprEnd = se;
        if (comparison) {
            std::size_t re = at + 1;
            while (re < e && !isBoundary(t_[re]))
                re = nextItem(t_, re, e);
            // A COLLATE written on either side decides for itself.
            bool written = false;
            for (std::size_t k = sb; k < re && !written; ++k)
                written = t_[k].is("COLLATE");
            collate = !written && !isPlain(sb, se) && !isPlain(at + 1, re);
            // Times of different precisions compare as instants ('10:00:00.1'
            // equals '10:00:00.100'); a column of time has that collation
            // already (and "SET column = ..." is no comparison).
            timed = !isColumn(sb, se) && (typeOf(sb, se).isTime() || typeOf(at + 1, re).isTime());
        } else if (membership) {
            collate = !isPlain(sb, se);
            timed = !isColumn(sb, se) && typeOf(sb, se).isTime();
        } else if (list != List::None && !isStar(sb, se)) {
            if (list == List::Select) {
                exprEnd = aliasAt(sb, se);
                unnamed = exprEnd == se && !(next && next->is("AS")) && !isColumn(sb, se);
            }
            collate = !isPlain(sb, exprEnd);
        }
        std::string text = chainOf(sb, exprEnd);
        if (timed)
            text = "(" + text + ") COLLATE TSQL_TIME";
        else if (collate)
            text = "(" + text + ") COLLATE TSQL_CI";
        if (columnsAsValues_ && list == List::Select && isColumn(sb, exprEnd)) {
            const TypeSpec type = columnType(sb, exprEnd);
            if (type.isDecimal() || type.isMoney() || type.isInteger()) {
                text = "+" + text;
                if (exprEnd == se && !(next && next->is("AS")))
                    text += " AS " + quoteName(t_[exprEnd - 1].text);
            }
        }
        if (exprEnd < se)
            text += " " + term(exprEnd, se);
        if (unnamed)
            text += " AS \"\"";  // SQL Server's drivers name such a column with nothing
        append(text);
    };
    auto enter = [&](const Token& tok, std::size_t i) {
        if (tok.is("SELECT") || tok.is("DISTINCT") || (tok.is("ALL") && list == List::Select))
            list = List::Select;
        else if (tok.is("BY") && i > b &&
                 (t_[i - 1].is("ORDER") || t_[i - 1].is("GROUP") || t_[i - 1].is("PARTITION")))
            list = List::OrderOrGroup;
        else if (tok.is("AS"))
            aliasNext = true;
        else if (tok.kind == TokenKind::Word && !tok.is("ASC") && !tok.is("DESC") &&
                 !tok.is("ORDER") && !tok.is("GROUP") && !tok.is("PARTITION"))
            list = List::None;
    };

    std::size_t segStart = b;
    for (std::size_t i = b; i < e;) {
        const Token& tok = t_[i];
        const bool call = i + 1 < e && t_[i + 1].isSymbol("(");
        const bool boundary = isBoundary(tok) &&
                              !((tok.is("LEFT") || tok.is("RIGHT") || tok.is("OVER")) && call) &&
                              !(tok.is("GROUP") && i > b && t_[i - 1].is("WITHIN"));
        if ((tok.is("OFFSET") || tok.is("FETCH")) && i > b && i + 1 < e &&
            (!isBoundary(t_[i - 1]) || t_[i - 1].is("ASC") || t_[i - 1].is("DESC")) &&
            !t_[i - 1].isSymbol(".") && !isBoundary(t_[i + 1])) {
            segment(segStart, i, i);
            i = segStart = offsetFetch(i, e, ordered, limit, offset);
            continue;
        }
        if (!boundary) {
            // "CONVERT(...) AS alias" tells the type of a column made by SELECT INTO,
            // when the conversion is the whole item: "a + CONVERT(...) AS alias"
            // is a longer text than the conversion's.
            const bool itemStart = i == segStart || t_[i - 1].isSymbol(",") ||
                                   t_[i - 1].is("SELECT") || t_[i - 1].is("DISTINCT") ||
                                   t_[i - 1].is("ALL");
            if ((tok.is("CONVERT") || tok.is("CAST")) && call && itemStart) {
                const std::size_t close = closeOf(t_, i + 1, e);
                if (close + 1 < e && t_[close].is("AS")) {
                    const Token& alias = t_[close + 1];
                    std::size_t ti = i + 2;
                    if (tok.is("CAST")) {
                        for (std::size_t j = i + 2; j < close - 1; j = nextItem(t_, j, close - 1))
                            if (t_[j].is("AS"))
                                ti = j + 1;
                    }
                    hints_.emplace_back(alias.text, typeAt(ti, close - 1));
                }
            }
            i = nextItem(t_, i, e);
            continue;
        }
        segment(segStart, i, i);
        if (tok.is("TOP")) {
            std::size_t j = i + 1;
            if (j < e && t_[j].isSymbol("(")) {
                const std::size_t close = closeOf(t_, j, e);
                limit = region(j + 1, close - 1);
                j = close;
            } else if (j < e && t_[j].kind == TokenKind::Number) {
                limit = t_[j].text;
                ++j;
            } else {
                unsupported("TOP without a number", statement_);
            }
            if (j < e && (t_[j].is("PERCENT") || t_[j].is("WITH")))
                unsupported("TOP ... " + t_[j].text, statement_);
            i = segStart = j;
            continue;
        }
        if (tok.is("WITH") && i + 1 < e && t_[i + 1].isSymbol("(")) {
            const std::size_t close = closeOf(t_, i + 1, e);
            if (isHintGroup(i + 1, close)) {
                i = segStart = close;
                continue;
            }
        }
        if ((tok.is("OUTER") || tok.is("CROSS")) && i + 1 < e && t_[i + 1].is("APPLY")) {
            std::size_t j = i + 2;
            const std::string fn = tableName(j, e);
            if (j >= e || !t_[j].isSymbol("("))
                unsupported("APPLY without a table-valued function", statement_);
            const std::size_t close = closeOf(t_, j, e);
            const std::string args = region(j + 1, close - 1);
            j = close;
            if (j < e && t_[j].is("AS"))
                ++j;
            std::string alias = fn;
            if (j < e && ((t_[j].kind == TokenKind::Word && !isBoundary(t_[j]) &&
                           !t_[j].is("OUTER") && !t_[j].is("CROSS")) ||
                          t_[j].kind == TokenKind::Name)) {
                alias = quoteName(t_[j].text);
                ++j;
            }
            append((tok.is("OUTER") ? "LEFT JOIN " : "JOIN ") + fn + "(" + args + ") AS " + alias +
                   " ON 1");
            i = segStart = j;
            continue;
        }
        if (tok.is("AS") && i + 1 < e && t_[i + 1].kind == TokenKind::String) {
            // A quoted alias names a column, whatever the text.
            append("AS " + quoteName(t_[i + 1].text));
            plan_.inlined.emplace_back(t_[i + 1].literal, t_[i + 1].text);
            i = segStart = i + 2;
            continue;
        }
        if (tok.is("IS") &&
            !(i + 1 < e &&
              (t_[i + 1].is("NULL") || (t_[i + 1].is("NOT") && i + 2 < e && t_[i + 2].is("NULL")))))
            refuse(102, "Incorrect syntax near '" + (i + 1 < e ? t_[i + 1].text : tok.text) + "'.",
                   statement_);
        append(tok.kind == TokenKind::Word ? upper(tok.text) : tok.text);
        ordered = ordered || (tok.is("BY") && i > b && t_[i - 1].is("ORDER"));
        enter(tok, i);
        i = segStart = i + 1;
    }
    segment(segStart, e, e);
    if (!offset.empty())
        out += " LIMIT " + (limit.empty() ? std::string("-1") : limit) + " OFFSET " + offset;
    else if (!limit.empty())
        out += " LIMIT " + limit;
    return out;
}

std::size_t Emitter::offsetFetch(std::size_t i, std::size_t e, bool ordered, std::string& limit,
                                 std::string& offset) {
    auto near = [&](std::size_t at) {
        refuse(102, "Incorrect syntax near '" + t_[std::min(at, e - 1)].text + "'.", statement_);
    };
    // The count ends at ROW or ROWS.
    auto rowsAt = [&](std::size_t from) {
        std::size_t k = from;
        while (k < e && !t_[k].is("ROW") && !t_[k].is("ROWS"))
            k = nextItem(t_, k, e);
        if (k == from || k >= e)
            near(k);
        return k;
    };
    if (t_[i].is("FETCH"))
        refuse(153,
               "Invalid usage of the option " + upper(t_[i + 1].text) + " in the FETCH statement.",
               statement_);
    if (!ordered)
        near(i);
    if (!limit.empty())
        refuse(10741, "A TOP can not be used in the same query or sub-query as a OFFSET.",
               statement_);
    std::size_t r = rowsAt(i + 1);
    if (t_[i + 1].isSymbol("-") && r == i + 3 && t_[i + 2].kind == TokenKind::Number)
        refuse(10742, "The offset specified in a OFFSET clause may not be negative.", statement_);
    offset = region(i + 1, r);
    std::size_t j = r + 1;
    if (j < e && t_[j].is("FETCH")) {
        if (!(j + 1 < e && (t_[j + 1].is("NEXT") || t_[j + 1].is("FIRST"))))
            near(j + 1);
        r = rowsAt(j + 2);
        if (!(r + 1 < e && t_[r + 1].is("ONLY")))
            near(r + 1);
        if (r == j + 3 && t_[j + 2].kind == TokenKind::Number && std::stod(t_[j + 2].text) == 0)
            refuse(10744,
                   "The number of rows provided for a FETCH clause must be greater then zero.",
                   statement_);
        limit = region(j + 2, r);
        j = r + 2;
    }
    return j;
}

}  // namespace db::tsql
