#include "platform/db/tsql/idioms.h"

#include <algorithm>
#include <functional>

#include "platform/db/tsql/plan.h"

namespace db::tsql {

Token generatedToken(TokenKind kind, std::string text, const Token& at) {
    Token tok{kind, std::move(text)};
    tok.begin = at.begin;
    tok.end = at.end;
    tok.generated = true;
    return tok;
}

void putTokens(Tokens& out, std::string_view text, const Token& at) {
    for (const Token& tok : tokenize(text))
        out.push_back(generatedToken(tok.kind, tok.text, at));
}

namespace {

// Where the select list of the query block at b (its SELECT) ends: the first
// clause word at its top level.
std::size_t selectListEnd(const Tokens& t, std::size_t from, std::size_t e) {
    return findWord(t, from, e,
                    {"FROM", "INTO", "WHERE", "GROUP", "HAVING", "ORDER", "UNION", "EXCEPT",
                     "INTERSECT", "OPTION", "FOR"});
}

}  // namespace

std::size_t findWord(const Tokens& t, std::size_t b, std::size_t e,
                     std::initializer_list<const char*> words) {
    for (std::size_t j = b; j < e; j = nextItem(t, j, e))
        if (t[j].isOneOf(words))
            return j;
    return e;
}

// The items of a comma-separated list [b, e) at its top level.
std::vector<std::pair<std::size_t, std::size_t>> listItems(const Tokens& t, std::size_t b,
                                                           std::size_t e) {
    std::vector<std::pair<std::size_t, std::size_t>> items;
    std::size_t start = b;
    for (std::size_t j = b; j <= e; j = j < e ? nextItem(t, j, e) : e + 1)
        if (j == e || t[j].isSymbol(",")) {
            if (start < j)
                items.emplace_back(start, j);
            start = j + 1;
        }
    return items;
}

// A select item's alias and where its expression ends.
std::string aliasOf(const Tokens& t, std::size_t b, std::size_t e, std::size_t& exprEnd) {
    exprEnd = e;
    std::size_t prev = e, last = e;
    for (std::size_t j = b; j < e; j = nextItem(t, j, e)) {
        prev = last;
        last = j;
    }
    if (last + 1 != e || prev == e)
        return {};
    if (t[last].kind != TokenKind::Word && t[last].kind != TokenKind::Name &&
        t[last].kind != TokenKind::String)
        return {};
    if (t[prev].is("AS")) {
        exprEnd = prev;
        return upper(t[last].text);
    }
    if (t[prev].kind == TokenKind::Symbol && !t[prev].isSymbol(")"))
        return {};
    exprEnd = last;
    return upper(t[last].text);
}

namespace {

// After a parenthesised source ending before `close`: "[AS] name (" names it
// and its columns. The position of the name, or npos when no list follows.
std::size_t aliasWithColumns(const Tokens& t, std::size_t close) {
    std::size_t a = close;
    if (a < t.size() && t[a].is("AS"))
        ++a;
    const bool named = a + 1 < t.size() &&
                       (t[a].kind == TokenKind::Word || t[a].kind == TokenKind::Name) &&
                       t[a + 1].isSymbol("(");
    return named ? a : std::string::npos;
}

// Every "(" opening a source whose first word `opens` accepts and that is
// named with a column list, "(...) [AS] name (a, b)", rewritten in place:
// `rewrite(open, close, alias, namesEnd)` gives the tokens that stand for
// the whole run from the "(" through the list's ")".
template <class Opens, class Rewrite>
void rewriteNamedSources(Tokens& t, Opens&& opens, Rewrite&& rewrite) {
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        if (!t[i].isSymbol("(") || !opens(t[i + 1]))
            continue;
        const std::size_t close = closeOf(t, i, t.size());
        const std::size_t a = aliasWithColumns(t, close);
        if (a == std::string::npos)
            continue;
        const std::size_t namesEnd = closeOf(t, a + 1, t.size());
        const Tokens out = rewrite(i, close, a, namesEnd);
        t.erase(t.begin() + static_cast<long>(i), t.begin() + static_cast<long>(namesEnd));
        t.insert(t.begin() + static_cast<long>(i), out.begin(), out.end());
        i += 1;
    }
}

}  // namespace

void rewriteValuesTables(Tokens& t) {
    rewriteNamedSources(
        t, [](const Token& first) { return first.is("VALUES"); },
        [&t](std::size_t i, std::size_t close, std::size_t a, std::size_t namesEnd) {
            const Token& at = t[i];
            Tokens out{t[i], generatedToken(TokenKind::Word, "SELECT", at)};
            int n = 0;
            for (const auto& item : listItems(t, a + 2, namesEnd - 1)) {
                if (n > 0)
                    out.push_back(generatedToken(TokenKind::Symbol, ",", at));
                out.push_back(generatedToken(TokenKind::Word, "column" + std::to_string(++n), at));
                out.push_back(generatedToken(TokenKind::Word, "AS", at));
                out.push_back(generatedToken(TokenKind::Name, t[item.first].text, t[item.first]));
            }
            out.push_back(generatedToken(TokenKind::Word, "FROM", at));
            appendTokens(out, t, i, close);
            out.push_back(generatedToken(TokenKind::Symbol, ")", t[close - 1]));
            out.push_back(generatedToken(TokenKind::Word, "AS", t[a]));
            out.push_back(t[a]);
            return out;
        });
}

namespace {

// The T-SQL text of a token as the batch wrote it.
std::string textOf(const Token& tok, std::string_view sql) {
    if (!tok.generated && tok.kind != TokenKind::TempName && tok.end > tok.begin)
        return std::string(sql.substr(tok.begin, tok.end - tok.begin));
    if (tok.kind == TokenKind::Name)
        return "[" + tok.text + "]";
    return tok.text;
}

// APPLY (query) AS alias at i (CROSS or OUTER): the query becomes the text of
// a table function; its references to outer tables become its arguments.
void rewriteApply(Tokens& t, std::size_t i, std::string_view sql, Plan& plan) {
    const std::size_t open = i + 2, close = closeOf(t, open, t.size());
    std::size_t a = close;
    if (a < t.size() && t[a].is("AS"))
        ++a;
    if (a >= t.size() || (t[a].kind != TokenKind::Word && t[a].kind != TokenKind::Name))
        refuse(102, "Incorrect syntax near ')'.", sql);
    // AS alias (a, b): the query names its columns through a CTE.
    std::string named;
    if (a + 1 < t.size() && t[a + 1].isSymbol("(")) {
        const std::size_t namesClose = closeOf(t, a + 1, t.size());
        for (const auto& item : listItems(t, a + 2, namesClose - 1))
            named += (named.empty() ? "[" : ", [") + t[item.first].text + "]";
        t.erase(t.begin() + static_cast<long>(a + 1), t.begin() + static_cast<long>(namesClose));
    }
    // Names the query gives itself (tables, aliases) are its own; a prefix
    // it does not give names a table outside it.
    std::vector<std::string> own;
    for (std::size_t j = open + 1; j + 1 < close; ++j)
        if ((t[j].kind == TokenKind::Word || t[j].kind == TokenKind::Name ||
             t[j].kind == TokenKind::TempName) &&
            !t[j + 1].isSymbol(".") && !t[j - 1].isSymbol("."))
            own.push_back(upper(t[j].text));
    std::string text;
    std::vector<std::pair<std::size_t, std::size_t>> outer;
    std::vector<std::string> outerText;
    const std::string name = "TSQL_APPLY_" + std::to_string(plan.applies.size() + 1) + "_" +
                             std::to_string(std::hash<std::string_view>{}(sql.substr(
                                                t[open].begin, t[close - 1].end - t[open].begin)) %
                                            1000000007);
    for (std::size_t j = open + 1; j + 1 < close; ++j) {
        const bool reference = j + 2 < close && t[j + 1].isSymbol(".") &&
                               (t[j].kind == TokenKind::Word || t[j].kind == TokenKind::Name) &&
                               !(j > open + 1 && t[j - 1].isSymbol(".")) &&
                               std::find(own.begin(), own.end(), upper(t[j].text)) == own.end();
        if (!reference) {
            // The query's literals are in its text: the batch's plan serves
            // only the same values.
            if (t[j].kind == TokenKind::String)
                plan.inlined.emplace_back(t[j].literal, t[j].text);
            text += " " + textOf(t[j], sql);
            continue;
        }
        const std::string key = upper(t[j].text) + "." + upper(t[j + 2].text);
        auto at = std::find(outerText.begin(), outerText.end(), key);
        if (at == outerText.end()) {
            outerText.push_back(key);
            outer.emplace_back(j, j + 3);
            at = outerText.end() - 1;
        }
        text += " @" + name + "_" + std::to_string(at - outerText.begin() + 1);
        j += 2;
    }
    if (!named.empty())
        text = "WITH applied_rows (" + named + ") AS (" + text + ") SELECT * FROM applied_rows";
    plan.applies.push_back({name, text, outer.size()});
    const Token& at = t[open];
    auto made = [&](TokenKind kind, std::string s) {
        return generatedToken(kind, std::move(s), at);
    };
    Tokens call{made(TokenKind::Word, name), made(TokenKind::Symbol, "(")};
    for (std::size_t k = 0; k < outer.size(); ++k) {
        if (k > 0)
            call.push_back(made(TokenKind::Symbol, ","));
        appendTokens(call, t, outer[k].first, outer[k].second);
    }
    call.push_back(made(TokenKind::Symbol, ")"));
    t.erase(t.begin() + static_cast<long>(open), t.begin() + static_cast<long>(close));
    t.insert(t.begin() + static_cast<long>(open), call.begin(), call.end());
}

// (SELECT expr FROM ... FOR XML PATH('') [, TYPE]) [.value('.', type)]: the
// values of expr joined into one text, as XML text (escaped) unless the
// TYPE's value is read back; NULL when there is no row.
void rewriteForXml(Tokens& t, std::size_t i, std::string_view sql) {
    const std::size_t close = closeOf(t, i, t.size());
    std::size_t f = i + 1;
    while (f < close - 1 && !(t[f].is("FOR") && f + 1 < close && t[f + 1].is("XML")))
        f = nextItem(t, f, close - 1);
    if (f >= close - 1)
        return;
    if (!(f + 5 < close && t[f + 2].is("PATH") && t[f + 3].isSymbol("(") &&
          t[f + 4].kind == TokenKind::String && t[f + 4].text.empty() && t[f + 5].isSymbol(")")))
        unsupported("FOR XML other than PATH('')", sql);
    std::size_t k = f + 6;
    bool type = false;
    if (k + 1 < close && t[k].isSymbol(",") && t[k + 1].is("TYPE")) {
        type = true;
        k += 2;
    }
    if (k != close - 1)
        unsupported("this FOR XML", sql);
    std::size_t end = close;
    bool read = false;
    if (type && end + 2 < t.size() && t[end].isSymbol(".") && t[end + 1].is("VALUE") &&
        t[end + 2].isSymbol("(")) {
        end = closeOf(t, end + 2, t.size());
        read = true;
    }
    std::size_t list = i + 2;
    if (list < f && t[list].is("DISTINCT"))
        ++list;
    if (list < f && t[list].is("TOP"))
        list = t[list + 1].isSymbol("(") ? closeOf(t, list + 1, f) : list + 2;
    const std::size_t listEnd = selectListEnd(t, list, f);
    const auto items = listItems(t, list, listEnd);
    std::size_t exprEnd = listEnd;
    const std::string alias =
        items.size() == 1 ? aliasOf(t, items[0].first, items[0].second, exprEnd) : std::string();
    bool column = exprEnd > list && (exprEnd - list) % 2 == 1;
    for (std::size_t j = list; column && j < exprEnd; ++j)
        column = (j - list) % 2 == 0 ? t[j].kind == TokenKind::Word || t[j].kind == TokenKind::Name
                                     : t[j].isSymbol(".");
    if (items.size() != 1 || (alias.empty() ? column : alias != "TEXT()" && alias != "DATA()"))
        unsupported("FOR XML PATH('') with element names", sql);
    const Token& at = t[i];
    auto made = [&](TokenKind kind, std::string text) {
        return generatedToken(kind, std::move(text), at);
    };
    Tokens out{t[i],
               made(TokenKind::Word, "SELECT"),
               made(TokenKind::Name, "tsql_for_xml"),
               made(TokenKind::Symbol, "("),
               made(TokenKind::Word, "tsql_x"),
               made(TokenKind::Symbol, ","),
               made(TokenKind::Number, read ? "0" : "1"),
               made(TokenKind::Symbol, ")"),
               made(TokenKind::Word, "FROM"),
               made(TokenKind::Symbol, "(")};
    appendTokens(out, t, i + 1, list);
    appendTokens(out, t, list, exprEnd);
    out.push_back(made(TokenKind::Word, "AS"));
    out.push_back(made(TokenKind::Word, "tsql_x"));
    appendTokens(out, t, listEnd, f);
    for (const char* closing : {")", "AS", "tsql_xml", ")"})
        out.push_back(made(closing[0] == ')' ? TokenKind::Symbol : TokenKind::Word, closing));
    t.erase(t.begin() + static_cast<long>(i), t.begin() + static_cast<long>(end));
    t.insert(t.begin() + static_cast<long>(i), out.begin(), out.end());
}

// A text constant as tokens without a literal: CHAR(code, code, ...), SQLite's
// char() of the text's code points (T-SQL's CHAR of one code is the same).
void textConstant(Tokens& out, const std::string& text, const Token& at) {
    auto made = [&](TokenKind kind, std::string s) {
        out.push_back(generatedToken(kind, std::move(s), at));
    };
    made(TokenKind::Word, "CHAR");
    made(TokenKind::Symbol, "(");
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        unsigned code = n == 1 ? c : c & (0xFF >> (n + 1));
        for (int k = 1; k < n && i + k < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        if (i > 0)
            made(TokenKind::Symbol, ",");
        made(TokenKind::Number, std::to_string(code));
        i += static_cast<std::size_t>(n);
    }
    made(TokenKind::Symbol, ")");
}

// PIVOT (AGG(value) FOR column IN ([a], [b])) or UNPIVOT (value FOR column
// IN (a, b)) at p, after its source (a table or a derived query) and its
// alias: the whole becomes a derived table that groups (PIVOT) or a UNION
// ALL of one query per column (UNPIVOT).
void rewritePivot(Tokens& t, std::size_t p, std::string_view sql, Plan& plan) {
    const bool pivot = t[p].is("PIVOT");
    const std::string what = pivot ? "PIVOT" : "UNPIVOT";
    // The source and its alias before p.
    std::size_t alias = p - 1, start = alias;
    if (start > 0 && t[start - 1].is("AS"))
        --start;
    else if (start > 0 && (t[start - 1].is("FROM") || t[start - 1].is("JOIN") ||
                           t[start - 1].isSymbol(",") || t[start - 1].isSymbol(".")))
        start = p;  // a table without an alias names itself
    std::size_t source = start;
    if (start > 0 && t[start - 1].isSymbol(")")) {
        for (std::size_t s = start - 1; s-- > 0;)
            if (t[s].isSymbol("(") && closeOf(t, s, t.size()) == start) {
                source = s;
                break;
            }
    } else if (start > 0) {
        source = start - 1;
        while (source >= 2 && t[source - 1].isSymbol("."))
            source -= 2;
    }
    if (source == start || (t[alias].kind != TokenKind::Word && t[alias].kind != TokenKind::Name))
        unsupported(what + " without a named source", sql);
    // The source's columns.
    std::vector<std::string> columns;
    if (t[source].isSymbol("(")) {
        std::size_t list = source + 2;
        if (!t[source + 1].is("SELECT"))
            unsupported(what + " of this source", sql);
        while (list < start && (t[list].is("DISTINCT") || t[list].is("TOP")))
            list = t[list].is("TOP")
                       ? (t[list + 1].isSymbol("(") ? closeOf(t, list + 1, start) : list + 2)
                       : list + 1;
        for (const auto& [ib, ie] : listItems(t, list, selectListEnd(t, list, start - 1))) {
            std::size_t exprEnd = ie;
            std::string name = aliasOf(t, ib, ie, exprEnd);
            if (name.empty() &&
                (t[ie - 1].kind == TokenKind::Word || t[ie - 1].kind == TokenKind::Name))
                name = upper(t[ie - 1].text);
            if (name.empty() || t[ie - 1].isSymbol("*"))
                unsupported(what + " of a query whose columns are not all named", sql);
            columns.push_back(name);
        }
    } else {
        const std::vector<ColumnDef>* known = nullptr;
        const std::string table = upper(t[start - 1].text);
        if (const auto it = plan.batchTables.find(table); it != plan.batchTables.end())
            known = &it->second;
        else if (plan.schema && (known = plan.schema->columnsOf(t[start - 1].text)))
            plan.schemaUsed.emplace_back(t[start - 1].text, signatureOf(known));
        if (!known)
            unsupported(what + " of a table whose columns are not known here", sql);
        for (const auto& c : *known)
            columns.push_back(upper(c.name));
    }
    // PIVOT (AGG(value) FOR column IN (...)) / UNPIVOT (value FOR column IN (...))
    const std::size_t close = closeOf(t, p + 1, t.size());
    std::size_t i = p + 2, aggregate = i, valueB = i, valueE = i;
    if (pivot) {
        if (!(i + 1 < close && t[i + 1].isSymbol("(")))
            refuse(102, "Incorrect syntax near '" + t[i].text + "'.", sql);
        valueB = i + 2;
        valueE = closeOf(t, i + 1, close) - 1;
        i = valueE + 1;
    } else {
        valueE = ++i;
    }
    if (!(i + 3 < close && t[i].is("FOR") && t[i + 2].is("IN") && t[i + 3].isSymbol("(")))
        refuse(102, "Incorrect syntax near '" + t[std::min(i, close - 1)].text + "'.", sql);
    const Token& column = t[i + 1];
    const std::size_t inClose = closeOf(t, i + 3, close);
    std::vector<Token> values;
    for (const auto& [vb, ve] : listItems(t, i + 4, inClose - 1))
        values.push_back(t[vb]);
    std::size_t end = close;
    if (end < t.size() && t[end].is("AS"))
        ++end;
    if (end >= t.size() || (t[end].kind != TokenKind::Word && t[end].kind != TokenKind::Name))
        refuse(102, "Incorrect syntax near ')'.", sql);
    const Token& name = t[end++];
    // The columns PIVOT turns (the FOR column, the aggregated one) and
    // those UNPIVOT turns into rows are not the source's other columns.
    auto used = [&](const std::string& c) {
        if (pivot)
            return equalsIgnoreCase(c, column.text) ||
                   (valueE == valueB + 1 && equalsIgnoreCase(c, t[valueB].text));
        for (const Token& v : values)
            if (equalsIgnoreCase(c, v.text))
                return true;
        return false;
    };
    const Token& at = t[p];
    Tokens out;
    auto add = [&](std::string_view text) { putTokens(out, text, at); };
    auto quoted = [&](const std::string& c) {
        out.push_back(generatedToken(TokenKind::Name, c, at));
    };
    const auto sourceTokens = [&] {
        appendTokens(out, t, source, start);
        add("AS");
        out.push_back(t[alias]);
    };
    // The source's other columns: what PIVOT groups by, what UNPIVOT keeps.
    const auto others = [&] {
        bool first = true;
        for (const auto& c : columns)
            if (!used(c)) {
                if (!first)
                    add(",");
                quoted(c);
                first = false;
            }
        return !first;
    };
    add("(");
    if (pivot) {
        add("SELECT");
        bool first = !others();
        for (const Token& v : values) {
            if (!first)
                add(",");
            first = false;
            out.push_back(t[aggregate]);
            add("( CASE WHEN");
            out.push_back(column);
            add("=");
            textConstant(out, v.text, at);
            add("THEN");
            appendTokens(out, t, valueB, valueE);
            add("END ) AS");
            quoted(v.text);
        }
        add("FROM");
        sourceTokens();
        const std::size_t before = out.size();
        add("GROUP BY");
        if (!others())
            out.resize(before);
    } else {
        for (std::size_t k = 0; k < values.size(); ++k) {
            if (k > 0)
                add("UNION ALL");
            add("SELECT");
            if (others())
                add(",");
            textConstant(out, values[k].text, at);
            add("AS");
            out.push_back(column);
            add(",");
            out.push_back(values[k]);
            add("AS");
            out.push_back(t[valueB]);
            add("FROM");
            sourceTokens();
            add("WHERE");
            out.push_back(values[k]);
            add("IS NOT NULL");
        }
    }
    add(") AS");
    out.push_back(name);
    t.erase(t.begin() + static_cast<long>(source), t.begin() + static_cast<long>(end));
    t.insert(t.begin() + static_cast<long>(source), out.begin(), out.end());
}

// (SELECT ...) [AS] name (a, b): SQLite names a query's columns only in a
// CTE, so the derived table becomes (WITH name (a, b) AS (SELECT ...)
// SELECT * FROM name) AS name.
void rewriteDerivedColumns(Tokens& t) {
    rewriteNamedSources(
        t, [](const Token& first) { return first.is("SELECT") || first.is("WITH"); },
        [&t](std::size_t i, std::size_t close, std::size_t a, std::size_t namesEnd) {
            const Token& at = t[i];
            const Token alias = t[a];
            Tokens out{t[i], generatedToken(TokenKind::Word, "WITH", at), alias};
            appendTokens(out, t, a + 1, namesEnd);
            putTokens(out, "AS", at);
            appendTokens(out, t, i, close);
            putTokens(out, "SELECT * FROM", at);
            out.push_back(alias);
            putTokens(out, ") AS", at);
            out.push_back(alias);
            return out;
        });
}

}  // namespace

void rewriteIdioms(Tokens& t, std::string_view sql, Plan& plan) {
    rewriteValuesTables(t);
    rewriteDerivedColumns(t);
    for (std::size_t i = 0; i + 2 < t.size(); ++i)
        if ((t[i].is("CROSS") || t[i].is("OUTER")) && t[i + 1].is("APPLY") &&
            t[i + 2].isSymbol("("))
            rewriteApply(t, i, sql, plan);
    for (std::size_t i = t.size(); i-- > 0;)
        if (t[i].isSymbol("(") && i + 1 < t.size() && t[i + 1].is("SELECT"))
            rewriteForXml(t, i, sql);
    for (std::size_t i = 1; i + 1 < t.size(); ++i)
        if ((t[i].is("PIVOT") || t[i].is("UNPIVOT")) && t[i + 1].isSymbol("("))
            rewritePivot(t, i, sql, plan);
}

bool topRows(const Tokens& t, std::size_t b, std::size_t e, std::string_view statement,
             TopRows& out) {
    if (b >= e || !t[b].is("SELECT"))
        return false;
    std::size_t top = b + 1;
    if (top < e && (t[top].is("DISTINCT") || t[top].is("ALL")))
        ++top;
    if (!(top + 1 < e && t[top].is("TOP")))
        return false;
    std::size_t k = top + 1;
    if (t[k].isSymbol("(")) {
        const std::size_t close = closeOf(t, k, e);
        appendTokens(out.count, t, k + 1, close - 1);
        k = close;
    } else {
        appendTokens(out.count, t, k, k + 1);
        ++k;
    }
    if (k < e && t[k].is("PERCENT")) {
        out.percent = true;
        ++k;
    }
    if (k + 1 < e && t[k].is("WITH") && t[k + 1].is("TIES")) {
        out.ties = true;
        k += 2;
    }
    if (!out.percent && !out.ties)
        return false;
    const std::size_t listEnd = selectListEnd(t, k, e);
    std::size_t order = e, orderEnd = e;
    for (std::size_t j = listEnd; j < e; j = nextItem(t, j, e)) {
        if (t[j].is("UNION") || t[j].is("EXCEPT") || t[j].is("INTERSECT"))
            unsupported("TOP ... WITH TIES or PERCENT over a UNION", statement);
        if (t[j].is("ORDER") && j + 1 < e && t[j + 1].is("BY"))
            order = j + 2;
        else if (t[j].is("OPTION") && order != e)
            orderEnd = j;
    }
    if (out.ties && order == e)
        refuse(1062,
               "The TOP N WITH TIES clause is not allowed without a corresponding ORDER BY clause.",
               statement);
    appendTokens(out.query, t, b, top);
    appendTokens(out.query, t, k, listEnd);
    if (out.ties) {
        // The ORDER BY keys come back as the last columns, so that the rows
        // tied with the last one kept can be told; an alias or a position
        // names a select item, whose expression stands for it.
        const auto items = listItems(t, k, listEnd);
        for (auto [kb, ke] : listItems(t, order, orderEnd)) {
            if (ke > kb + 1 && (t[ke - 1].is("ASC") || t[ke - 1].is("DESC")))
                --ke;
            std::size_t xb = kb, xe = ke;
            for (std::size_t n = 0; ke == kb + 1 && n < items.size(); ++n) {
                std::size_t exprEnd = 0;
                const std::string alias = aliasOf(t, items[n].first, items[n].second, exprEnd);
                const bool byPosition =
                    t[kb].kind == TokenKind::Number && t[kb].text == std::to_string(n + 1);
                if (byPosition || (!alias.empty() && t[kb].kind != TokenKind::Number &&
                                   alias == upper(t[kb].text))) {
                    xb = items[n].first;
                    xe = exprEnd;
                    break;
                }
            }
            out.query.push_back(generatedToken(TokenKind::Symbol, ",", t[kb]));
            appendTokens(out.query, t, xb, xe);
            out.query.push_back(generatedToken(TokenKind::Word, "AS", t[kb]));
            out.query.push_back(
                generatedToken(TokenKind::Name, "tsql_key" + std::to_string(++out.keys), t[kb]));
        }
    }
    appendTokens(out.query, t, listEnd, e);
    return true;
}

Statement withTop(Statement st, const TopRows& top, const std::string& src, Plan& plan) {
    if (st.kind != Statement::Kind::Query || st.sql.rfind("SELECT", 0) != 0)
        unsupported("TOP ... WITH TIES or PERCENT here", src);
    Emitter em(top.count, src, true, plan);
    st.top = "SELECT " + em.region(0, top.count.size());
    st.topPercent = top.percent;
    st.topTies = top.ties;
    st.topKeys = top.keys;
    st.source = src;
    return st;
}

}  // namespace db::tsql
