#include "platform/db/tsql/binder.h"

#include <array>
#include <map>
#include <string>
#include <vector>

#include "platform/db/errors.h"

namespace db::tsql {
namespace {

constexpr std::array kAggregates = {"COUNT",      "COUNT_BIG",    "SUM",     "AVG", "MIN",
                                    "MAX",        "STDEV",        "STDEVP",  "VAR", "VARP",
                                    "STRING_AGG", "CHECKSUM_AGG", "GROUPING"};

bool isNameToken(const Token& tok) {
    return tok.kind == TokenKind::Name || tok.kind == TokenKind::TempName ||
           (tok.kind == TokenKind::Word && !tok.is("NULL") && !tok.is("CURRENT_TIMESTAMP"));
}

// [b, e) is name(.name)*: a column as written, upper case; empty otherwise.
std::string columnText(const Tokens& t, std::size_t b, std::size_t e) {
    if (b >= e || (e - b) % 2 == 0)
        return {};
    std::string out;
    for (std::size_t i = b; i < e; ++i) {
        if ((i - b) % 2 == 0) {
            if (!isNameToken(t[i]))
                return {};
            out += upper(t[i].text);
        } else {
            if (!t[i].isSymbol("."))
                return {};
            out += '.';
        }
    }
    return out;
}

std::string lastPart(const std::string& column) {
    const auto dot = column.rfind('.');
    return dot == std::string::npos ? column : column.substr(dot + 1);
}

// Items of a comma-separated list [b, e), each as [begin, end).
std::vector<std::pair<std::size_t, std::size_t>> listItems(const Tokens& t, std::size_t b,
                                                           std::size_t e) {
    std::vector<std::pair<std::size_t, std::size_t>> items;
    std::size_t start = b;
    for (std::size_t i = b; i < e; i = nextItem(t, i, e)) {
        if (t[i].isSymbol(",")) {
            items.emplace_back(start, i);
            start = i + 1;
        }
    }
    if (start < e)
        items.emplace_back(start, e);
    return items;
}

// An aggregate called in [b, e), outside nested queries and window functions.
bool hasAggregate(const Tokens& t, std::size_t b, std::size_t e) {
    for (std::size_t i = b; i < e; ++i) {
        if (t[i].isSymbol("(") && i + 1 < e && t[i + 1].is("SELECT")) {
            i = closeOf(t, i, e) - 1;
            continue;
        }
        if (t[i].isOneOf(kAggregates) && i + 1 < e && t[i + 1].isSymbol("(")) {
            const std::size_t close = closeOf(t, i + 1, e);
            if (!(close < e && t[close].is("OVER")))
                return true;
        }
    }
    return false;
}

// Where the select list of the SELECT at `select` starts: after DISTINCT,
// ALL and TOP.
std::size_t listStart(const Tokens& t, std::size_t select, std::size_t e) {
    std::size_t listB = select + 1;
    while (listB < e && (t[listB].is("DISTINCT") || t[listB].is("ALL")))
        ++listB;
    if (listB < e && t[listB].is("TOP")) {
        listB = nextItem(t, listB + 1, e);
        while (listB < e && (t[listB].is("PERCENT") || t[listB].is("WITH") || t[listB].is("TIES")))
            ++listB;
    }
    return listB;
}

// One past the SELECT block at `select`: its enclosing group's end, or e.
std::size_t blockEnd(const Tokens& t, std::size_t select, std::size_t e) {
    int depth = 0;
    for (std::size_t j = select + 1; j < e; ++j) {
        if (t[j].isSymbol("("))
            ++depth;
        else if (t[j].isSymbol(")") && --depth < 0)
            return j;
    }
    return e;
}

void checkBlock(const Tokens& t, std::size_t select, std::size_t e, std::string_view statement) {
    // The block's own clauses, at its level: nested groups are skipped.
    const std::size_t listB = listStart(t, select, e);
    std::size_t from = e, group = e, groupEnd = e;
    std::size_t end = e;
    for (std::size_t i = listB; i < e; i = nextItem(t, i, e)) {
        const Token& tok = t[i];
        if (tok.is("UNION") || tok.is("EXCEPT") || tok.is("INTERSECT") || tok.isSymbol(")") ||
            tok.isSymbol(";")) {
            end = i;
            break;
        }
        if ((tok.is("FROM") || tok.is("INTO")) && from == e)
            from = i;
        else if (tok.is("GROUP") && i + 1 < e && t[i + 1].is("BY"))
            group = i + 2;
        else if (group != e && groupEnd == e &&
                 (tok.is("HAVING") || tok.is("ORDER") || tok.is("OPTION") || tok.is("FOR")))
            groupEnd = i;
    }
    if (from > end)
        from = end;
    if (groupEnd > end)
        groupEnd = end;
    const bool grouped = group < end;
    if (!grouped && !hasAggregate(t, listB, from))
        return;
    std::vector<std::string> keys;
    if (grouped)
        for (const auto& [gb, ge] : listItems(t, group, groupEnd))
            if (auto c = columnText(t, gb, ge); !c.empty())
                keys.push_back(c);
    for (auto [ib, ie] : listItems(t, listB, from)) {
        // The item without its alias: "X AS A", "X A".
        for (std::size_t i = ib; i < ie; i = nextItem(t, i, ie))
            if (t[i].is("AS")) {
                ie = i;
                break;
            }
        if (ie > ib + 1 && isNameToken(t[ie - 1]) && !t[ie - 2].isSymbol("."))
            --ie;
        const std::string column = columnText(t, ib, ie);
        if (column.empty())
            continue;
        bool found = false;
        for (const auto& k : keys)
            found = found || k == column ||
                    (lastPart(k) == lastPart(column) &&
                     (k.find('.') == std::string::npos || column.find('.') == std::string::npos));
        if (!found)
            throw DbError({{sqlstate::kSyntax, 8120,
                            "Column '" + std::string(t[ie - 1].text) +
                                "' is invalid in the select list because it is not contained in "
                                "either an aggregate function or the GROUP BY clause.",
                            "T-SQL adapter"}},
                          std::string(statement));
    }
}

}  // namespace

void checkGrouping(const Tokens& t, std::size_t b, std::size_t e, std::string_view statement) {
    for (std::size_t i = b; i < e; ++i) {
        if (!t[i].is("SELECT"))
            continue;
        checkBlock(t, i, blockEnd(t, i, e), statement);
    }
}

bool aliasesByEquals(const Tokens& t, std::size_t b, std::size_t e, Tokens& out) {
    // The items written "alias = expression", by where they start.
    std::map<std::size_t, std::size_t> items;
    for (std::size_t i = b; i < e; ++i) {
        if (!t[i].is("SELECT"))
            continue;
        const std::size_t end = blockEnd(t, i, e), listB = listStart(t, i, end);
        std::size_t listE = end;
        for (std::size_t j = listB; j < end; j = nextItem(t, j, end))
            if (t[j].is("FROM") || t[j].is("INTO") || t[j].is("WHERE") ||
                (t[j].is("GROUP") && !t[j - 1].is("WITHIN")) || t[j].is("HAVING") ||
                t[j].is("ORDER") || t[j].is("UNION") || t[j].is("EXCEPT") || t[j].is("INTERSECT") ||
                t[j].is("OPTION") || t[j].is("FOR") || t[j].isSymbol(";")) {
                listE = j;
                break;
            }
        for (const auto& [ib, ie] : listItems(t, listB, listE))
            if (ie > ib + 2 && t[ib + 1].isSymbol("=") &&
                (t[ib].kind == TokenKind::Word || t[ib].kind == TokenKind::Name ||
                 t[ib].kind == TokenKind::String))
                items[ib] = ie;
    }
    if (items.empty())
        return false;
    // Copies [from, to), writing each such item as "expression AS alias".
    auto copy = [&](auto& self, std::size_t from, std::size_t to) -> void {
        for (std::size_t i = from; i < to;) {
            const auto it = items.find(i);
            if (it == items.end()) {
                out.push_back(t[i++]);
                continue;
            }
            self(self, i + 2, it->second);
            out.push_back(word("AS"));
            out.push_back(Token{TokenKind::Name, t[i].text});
            i = it->second;
        }
    };
    out.clear();
    copy(copy, b, e);
    return true;
}

}  // namespace db::tsql
