#include "platform/db/tsql/cte.h"

#include <string>

#include "platform/db/errors.h"
#include "platform/db/tsql/idioms.h"

namespace db::tsql {
namespace {

constexpr const char* kLevel = "tsql_level";

Token make(TokenKind kind, std::string text) {
    Token tok{kind, std::move(text)};
    tok.generated = true;
    return tok;
}

bool sameName(const Token& tok, const std::string& name) {
    return (tok.kind == TokenKind::Word || tok.kind == TokenKind::Name) &&
           equalsIgnoreCase(tok.text, name);
}

bool isClauseWord(const Token& tok) {
    return tok.isOneOf({"ON", "WHERE", "JOIN", "INNER", "LEFT", "RIGHT", "FULL", "CROSS", "OUTER",
                        "GROUP", "ORDER", "UNION", "WITH", "OPTION"});
}

// The names of the columns of a select list [b, e): alias, trailing alias or
// column name; SQL Server requires one for every column of a CTE.
std::vector<std::string> columnNames(const Tokens& t, std::size_t b, std::size_t e,
                                     std::string_view statement) {
    std::vector<std::string> names;
    std::size_t start = b;
    for (std::size_t i = b;; i = nextItem(t, i, e)) {
        if (i < e && !t[i].isSymbol(","))
            continue;
        std::size_t last = start, prev = e;
        for (std::size_t k = start; k < i; k = nextItem(t, k, i)) {
            prev = last;
            last = k;
        }
        const Token& tok = t[last];
        const bool afterAs = prev != e && t[prev].is("AS");
        const bool named =
            last + 1 == i &&
            (((tok.kind == TokenKind::Word && !tok.is("NULL")) || tok.kind == TokenKind::Name) ||
             (tok.kind == TokenKind::String && afterAs));
        // An operator before the last name makes it an operand, not a name.
        if (!named || (prev != e && t[prev].kind == TokenKind::Symbol && !t[prev].isSymbol(".") &&
                       !t[prev].isSymbol("(")))
            throw DbError({{sqlstate::kSyntax, 8155,
                            "No column name was specified for a column of a recursive common "
                            "table expression.",
                            "T-SQL adapter"}},
                          std::string(statement));
        names.push_back(tok.text);
        if (i >= e)
            break;
        start = i + 1;
    }
    return names;
}

}  // namespace

Tokens guardRecursion(const Tokens& t, std::size_t b, std::size_t e, std::string_view statement) {
    // OPTION (MAXRECURSION n) at the end of the statement: the limit, then gone.
    std::string limit = "100";
    std::size_t end = e;
    if (const std::size_t option = findWord(t, b, e, {"OPTION"});
        option < e && option + 1 < e && t[option + 1].isSymbol("(")) {
        const std::size_t close = closeOf(t, option + 1, e);
        for (std::size_t k = option + 2; k + 1 < close; ++k)
            if (t[k].is("MAXRECURSION") && t[k + 1].kind == TokenKind::Number)
                limit = t[k + 1].text;
        end = option;
    }
    Tokens out;
    std::size_t i = b;
    if (!t[b].is("WITH")) {
        out.assign(t.begin() + static_cast<long>(b), t.begin() + static_cast<long>(end));
        return out;
    }
    out.push_back(t[i++]);
    for (;;) {
        // name [(columns)] AS ( body )
        if (i + 1 >= end)
            unsupported("this WITH", statement);
        const Token nameTok = t[i];
        std::size_t j = i + 1;
        std::size_t colsB = 0, colsE = 0;
        if (t[j].isSymbol("(")) {
            colsB = j + 1;
            colsE = closeOf(t, j, end) - 1;
            j = colsE + 1;
        }
        if (j + 1 >= end || !t[j].is("AS") || !t[j + 1].isSymbol("("))
            unsupported("this WITH", statement);
        const std::size_t open = j + 1, close = closeOf(t, open, end);
        const std::size_t bodyB = open + 1, bodyE = close - 1;
        const std::size_t unionAt = findWord(t, bodyB, bodyE, {"UNION"});
        bool recursive = false;
        if (unionAt < bodyE)
            for (std::size_t k = unionAt; k < bodyE; ++k)
                if (sameName(t[k], nameTok.text) && !t[k - 1].isSymbol("."))
                    recursive = true;
        if (!recursive) {
            out.insert(out.end(), t.begin() + static_cast<long>(i),
                       t.begin() + static_cast<long>(close));
        } else {
            if (unionAt + 1 >= bodyE || !t[unionAt + 1].is("ALL") ||
                findWord(t, unionAt + 2, bodyE, {"UNION"}) < bodyE ||
                findWord(t, bodyB, unionAt, {"UNION"}) < unionAt)
                unsupported("a recursive WITH other than one anchor UNION ALL one recursive member",
                            statement);
            const std::size_t anchorFrom = findWord(t, bodyB, unionAt, {"FROM"});
            std::size_t listB = bodyB + 1;
            if (listB < unionAt && t[listB].is("DISTINCT"))
                ++listB;
            const std::vector<std::string> names =
                colsB ? columnNames(t, colsB, colsE, statement)
                      : columnNames(t, listB, anchorFrom, statement);
            const Token inner = make(TokenKind::Name, upper(nameTok.text) + "#levels");
            const auto putNames = [&] {
                for (std::size_t k = 0; k < names.size(); ++k) {
                    if (k)
                        out.push_back(make(TokenKind::Symbol, ","));
                    out.push_back(make(TokenKind::Name, names[k]));
                }
            };
            // NAME#levels (columns, tsql_level) AS (anchor, 0 UNION ALL recursive, level + 1)
            out.push_back(inner);
            out.push_back(make(TokenKind::Symbol, "("));
            for (const auto& n : names) {
                out.push_back(make(TokenKind::Name, n));
                out.push_back(make(TokenKind::Symbol, ","));
            }
            out.push_back(make(TokenKind::Name, kLevel));
            out.push_back(make(TokenKind::Symbol, ")"));
            out.push_back(make(TokenKind::Word, "AS"));
            out.push_back(make(TokenKind::Symbol, "("));
            out.insert(out.end(), t.begin() + static_cast<long>(bodyB),
                       t.begin() + static_cast<long>(anchorFrom));
            out.push_back(make(TokenKind::Symbol, ","));
            out.push_back(make(TokenKind::Number, "0"));
            out.insert(out.end(), t.begin() + static_cast<long>(anchorFrom),
                       t.begin() + static_cast<long>(unionAt + 2));
            const std::size_t recB = unionAt + 2;
            const std::size_t recFrom = findWord(t, recB, bodyE, {"FROM"});
            // The reference to the CTE in the recursive member, and its alias.
            std::string ref = upper(nameTok.text) + "#levels";
            for (std::size_t k = recFrom; k < bodyE; ++k)
                if (sameName(t[k], nameTok.text) && !t[k - 1].isSymbol(".")) {
                    std::size_t a = k + 1;
                    if (a < bodyE && t[a].is("AS"))
                        ++a;
                    if (a < bodyE && (t[a].kind == TokenKind::Name ||
                                      (t[a].kind == TokenKind::Word && !isClauseWord(t[a]))))
                        ref = t[a].text;
                    break;
                }
            out.insert(out.end(), t.begin() + static_cast<long>(recB),
                       t.begin() + static_cast<long>(recFrom));
            // The level is worked out for the rows the member gives, after
            // every condition: deeper than the limit ends the statement.
            out.push_back(make(TokenKind::Symbol, ","));
            out.push_back(make(TokenKind::Name, "tsql_maxrecursion"));
            out.push_back(make(TokenKind::Symbol, "("));
            out.push_back(make(TokenKind::Name, ref));
            out.push_back(make(TokenKind::Symbol, "."));
            out.push_back(make(TokenKind::Name, kLevel));
            out.push_back(make(TokenKind::Symbol, ","));
            out.push_back(make(TokenKind::Number, limit));
            out.push_back(make(TokenKind::Symbol, ")"));
            for (std::size_t k = recFrom; k < bodyE; ++k)
                out.push_back(sameName(t[k], nameTok.text) && !t[k - 1].isSymbol(".") ? inner
                                                                                      : t[k]);
            out.push_back(make(TokenKind::Symbol, ")"));
            // , NAME (columns) AS (SELECT columns FROM NAME#levels)
            out.push_back(make(TokenKind::Symbol, ","));
            out.push_back(nameTok);
            out.push_back(make(TokenKind::Symbol, "("));
            putNames();
            out.push_back(make(TokenKind::Symbol, ")"));
            out.push_back(make(TokenKind::Word, "AS"));
            out.push_back(make(TokenKind::Symbol, "("));
            out.push_back(make(TokenKind::Word, "SELECT"));
            putNames();
            out.push_back(make(TokenKind::Word, "FROM"));
            out.push_back(inner);
            out.push_back(make(TokenKind::Symbol, ")"));
        }
        i = close;
        if (i < end && t[i].isSymbol(",")) {
            out.push_back(t[i++]);
            continue;
        }
        break;
    }
    out.insert(out.end(), t.begin() + static_cast<long>(i), t.begin() + static_cast<long>(end));
    return out;
}

}  // namespace db::tsql
