#include "platform/db/tsql/dml_idioms.h"

#include <algorithm>
#include <map>

#include "platform/db/tsql/from.h"
#include "platform/db/tsql/idioms.h"
#include "platform/db/tsql/plan.h"

namespace db::tsql {
namespace {

void range(Tokens& out, const Tokens& t, std::pair<std::size_t, std::size_t> r) {
    appendTokens(out, t, r.first, r.second);
}

// A table's name at i: [db.][schema.]name; the index after it.
std::size_t nameEnd(const Tokens& t, std::size_t i, std::size_t e, const std::string& src) {
    if (i >= e || (t[i].kind != TokenKind::Word && t[i].kind != TokenKind::Name &&
                   t[i].kind != TokenKind::TempName))
        refuse(102, "Incorrect syntax near '" + (i < e ? t[i].text : std::string()) + "'.", src);
    while (i + 2 < e && t[i + 1].isSymbol("."))
        i += 2;
    return i + 1;
}

// An alias at i, when one stands there (after an optional AS); i moves past it.
std::size_t aliasAt(const Tokens& t, std::size_t& i, std::size_t e,
                    std::initializer_list<const char*> notAlias) {
    if (i < e && t[i].is("AS"))
        ++i;
    if (i >= e || (t[i].kind != TokenKind::Word && t[i].kind != TokenKind::Name))
        return e;
    if (t[i].isOneOf(notAlias))
        return e;
    return i++;
}

// $action, as the variable the runner sets for each step of a MERGE.
Tokens withAction(const Tokens& t, std::size_t b, std::size_t e) {
    Tokens out;
    for (std::size_t j = b; j < e; ++j) {
        if (t[j].isSymbol("$") && j + 1 < e && t[j + 1].is("ACTION")) {
            out.push_back(generatedToken(TokenKind::Variable, kMergeAction, t[j]));
            ++j;
            if (j + 1 == e || t[j + 1].isSymbol(",")) {  // named as SQL Server names it
                putTokens(out, "AS", t[j]);
                out.push_back(generatedToken(TokenKind::Name, "$action", t[j]));
            }
            continue;
        }
        out.push_back(t[j]);
    }
    return out;
}

// The OUTPUT clause starting at `at`: the statement that reads the rows the
// runner captured, into a result set or (OUTPUT ... INTO) into a table.
Statement outputReader(const Tokens& t, std::size_t at, std::size_t e, const std::string& src,
                       const TranslateTokens& sub, std::size_t& end,
                       std::initializer_list<const char*> after) {
    const std::size_t into = findWord(t, at + 1, e, {"INTO"});
    const std::size_t listEnd = std::min(into, findWord(t, at + 1, e, after));
    if (listEnd == at + 1)
        refuse(102, "Incorrect syntax near 'OUTPUT'.", src);
    const Tokens list = withAction(t, at + 1, listEnd);
    Tokens g;
    end = listEnd;
    if (into < e && into == listEnd) {
        end = nameEnd(t, into + 1, e, src);
        if (end < e && t[end].isSymbol("("))
            end = closeOf(t, end, e);
        putTokens(g, "INSERT INTO", t[at]);
        range(g, t, {into + 1, end});
    }
    putTokens(g, "SELECT", t[at]);
    g.insert(g.end(), list.begin(), list.end());
    putTokens(g,
              std::string("FROM (SELECT rowid AS tsql_row FROM ") + kOutputInserted +
                  " UNION SELECT rowid FROM " + kOutputDeleted + ") AS tsql_rows LEFT JOIN " +
                  kOutputInserted +
                  " AS inserted ON inserted.rowid = tsql_rows.tsql_row LEFT JOIN " +
                  kOutputDeleted +
                  " AS deleted ON deleted.rowid = tsql_rows.tsql_row ORDER BY tsql_rows.tsql_row",
              t[at]);
    Statement st = sub(g);
    st.source = src;
    return st;
}

Statement output(const Tokens& t, std::size_t b, std::size_t e, std::size_t at,
                 const std::string& src, const TranslateTokens& sub) {
    std::size_t end = e;
    Statement reader =
        outputReader(t, at, e, src, sub, end,
                     {"VALUES", "SELECT", "DEFAULT", "EXEC", "EXECUTE", "FROM", "WHERE", "OPTION"});
    Tokens g;
    range(g, t, {b, at});
    range(g, t, {end, e});
    Statement st;
    st.kind = Statement::Kind::Output;
    st.body.push_back(sub(g));
    if (st.body[0].kind != Statement::Kind::Query)
        unsupported("OUTPUT with INSERT ... EXEC", src);
    st.table = st.body[0].table;
    st.temporary = st.body[0].temporary;
    st.elseBody.push_back(std::move(reader));
    st.source = src;
    return st;
}

// One WHEN clause of a MERGE.
struct When {
    enum { Matched, NotMatched, BySource } kind;
    std::pair<std::size_t, std::size_t> condition{0, 0};  // AND ...; empty when none
    std::size_t action = 0;                               // UPDATE, DELETE or INSERT
    std::pair<std::size_t, std::size_t> rest{0, 0};       // SET ...
    Tokens insert{};  // INSERT (a, b) VALUES (x, y) as "(a, b) SELECT x, y"
};

class Merge {
public:
    Merge(const Tokens& t, std::size_t b, std::size_t e, const std::string& src,
          const TranslateTokens& sub)
        : t_(t), e_(e), src_(src), sub_(sub), at_(t[b]) {
        parse(b);
    }

    Statement statement() {
        Statement st;
        st.kind = Statement::Kind::Merge;
        st.source = src_;
        for (const char* work : {"#tsql_merge_src", "#tsql_merge_pairs", "#tsql_merge_orphans"})
            step(st, std::string("DROP TABLE IF EXISTS ") + work);
        step(st, "SELECT * INTO #tsql_merge_src FROM", source_, "AS", sourceRange());
        step(st, "SELECT", alias(), ".rowid AS t_row,", sourceRange(),
             ".rowid AS s_row, 0 AS clause INTO #tsql_merge_pairs FROM", target_, "AS", alias(),
             "INNER JOIN #tsql_merge_src AS", sourceRange(), "ON (", on_, ")");
        bool matched = false, bySource = false;
        for (const When& w : whens_) {
            matched = matched || w.kind == When::Matched;
            bySource = bySource || w.kind == When::BySource;
        }
        if (matched) {
            step(st, "SELECT t_row FROM #tsql_merge_pairs GROUP BY t_row HAVING COUNT(*) > 1");
            st.body.back().name = "CHECK";
        }
        if (bySource)
            step(st, "SELECT", alias(),
                 ".rowid AS t_row, 0 AS clause INTO #tsql_merge_orphans FROM", target_, "AS",
                 alias(), "WHERE", alias(), ".rowid NOT IN (SELECT t_row FROM #tsql_merge_pairs)");
        // Which clause takes each row is settled before any of them writes.
        for (std::size_t k = 0; k < whens_.size(); ++k) {
            const When& w = whens_[k];
            const std::string n = std::to_string(k + 1);
            if (w.kind == When::NotMatched)
                continue;
            const bool m = w.kind == When::Matched;
            const std::string work = m ? "#tsql_merge_pairs" : "#tsql_merge_orphans";
            if (w.condition.first == w.condition.second) {
                step(st, "UPDATE " + work + " SET clause = " + n + " WHERE clause = 0");
                continue;
            }
            // A correlated EXISTS: SQLite's UPDATE ... FROM does not show the
            // rowids of its FROM clause to the WHERE.
            step(st,
                 "UPDATE " + work + " SET clause = " + n +
                     " WHERE clause = 0 AND EXISTS (SELECT 1 FROM",
                 target_, "AS", alias(), m ? ", #tsql_merge_src AS" : "",
                 m ? sourceRange() : empty(), "WHERE", alias(), ".rowid = " + work + ".t_row",
                 m ? "AND" : "", m ? sourceRange() : empty(),
                 m ? ".rowid = " + work + ".s_row" : "", "AND (", w.condition, "))");
        }
        for (std::size_t k = 0; k < whens_.size(); ++k) {
            const When& w = whens_[k];
            const std::string n = std::to_string(k + 1);
            const bool m = w.kind == When::Matched;
            const std::string work = m ? "#tsql_merge_pairs" : "#tsql_merge_orphans";
            if (w.kind == When::NotMatched) {
                step(st, "INSERT INTO", target_, w.insert, "FROM #tsql_merge_src AS", sourceRange(),
                     "WHERE", sourceRange(), ".rowid NOT IN (SELECT s_row FROM #tsql_merge_pairs)",
                     w.condition.first < w.condition.second ? "AND (" : "", w.condition,
                     w.condition.first < w.condition.second ? ")" : "");
                st.body.back().name = "INSERT";
            } else if (t_[w.action].is("DELETE")) {
                step(st, "DELETE FROM", target_,
                     "WHERE rowid IN (SELECT t_row FROM " + work + " WHERE clause = " + n + ")");
                st.body.back().name = "DELETE";
            } else {
                step(st, "UPDATE", alias(), "SET", w.rest, "FROM", target_, "AS", alias(),
                     "INNER JOIN " + work + " AS tsql_w ON tsql_w.t_row =", alias(), ".rowid",
                     m ? "INNER JOIN #tsql_merge_src AS" : "", m ? sourceRange() : empty(),
                     m ? "ON" : "", m ? sourceRange() : empty(), m ? ".rowid = tsql_w.s_row" : "",
                     "WHERE tsql_w.clause = " + n);
                st.body.back().name = "UPDATE";
            }
        }
        for (const char* work : {"#tsql_merge_src", "#tsql_merge_pairs", "#tsql_merge_orphans"})
            step(st, std::string("DROP TABLE IF EXISTS ") + work);
        st.table = target();
        st.temporary = t_[target_.second - 1].kind == TokenKind::TempName;
        if (output_ < e_) {
            std::size_t end = e_;
            st.elseBody.push_back(outputReader(t_, output_, e_, src_, sub_, end, {}));
        }
        return st;
    }

private:
    using Range = std::pair<std::size_t, std::size_t>;

    Range alias() const { return {targetAlias_, targetAlias_ + 1}; }
    Range sourceRange() const { return {sourceAlias_, sourceAlias_ + 1}; }
    static Range empty() { return {0, 0}; }
    std::string target() const {
        const Token& name = t_[target_.second - 1];
        return name.kind == TokenKind::Word ? upper(name.text) : name.text;
    }

    void add(Tokens& g, const std::string& text) const {
        if (!text.empty())
            putTokens(g, text, at_);
    }
    void add(Tokens& g, const char* text) const { add(g, std::string(text)); }
    void add(Tokens& g, Range r) const { range(g, t_, r); }
    void add(Tokens& g, const Tokens& more) const { g.insert(g.end(), more.begin(), more.end()); }

    template <typename... Parts>
    void step(Statement& st, const Parts&... parts) {
        Tokens g;
        (add(g, parts), ...);
        st.body.push_back(sub_(g));
        st.body.back().source = src_;
    }

    [[noreturn]] void near(std::size_t i) const {
        refuse(102, "Incorrect syntax near '" + (i < e_ ? t_[i].text : std::string("MERGE")) + "'.",
               src_);
    }
    void expect(std::size_t& i, const char* word) const {
        if (i >= e_ || !t_[i].is(word))
            near(i);
        ++i;
    }

    void parse(std::size_t b) {
        std::size_t i = b + 1;
        if (i < e_ && t_[i].is("TOP"))
            unsupported("MERGE TOP", src_);
        if (i < e_ && t_[i].is("INTO"))
            ++i;
        target_ = {i, nameEnd(t_, i, e_, src_)};
        i = target_.second;
        if (i + 1 < e_ && t_[i].is("WITH") && t_[i + 1].isSymbol("("))
            i = closeOf(t_, i + 1, e_);
        targetAlias_ = aliasAt(t_, i, e_, {"USING"});
        if (targetAlias_ == e_)
            targetAlias_ = target_.second - 1;
        expect(i, "USING");
        const std::size_t sb = i;
        i = i < e_ && t_[i].isSymbol("(") ? closeOf(t_, i, e_) : nameEnd(t_, i, e_, src_);
        source_ = {sb, i};
        sourceAlias_ = aliasAt(t_, i, e_, {"ON"});
        if (sourceAlias_ == e_) {
            if (t_[sb].isSymbol("("))
                near(i);
            sourceAlias_ = i - 1;
        }
        if (i < e_ && t_[i].isSymbol("("))
            unsupported("MERGE ... USING a derived table with a column list", src_);
        expect(i, "ON");
        const std::size_t when = findWord(t_, i, e_, {"WHEN"});
        if (when == i || when == e_)
            near(when);
        on_ = {i, when};
        i = when;
        while (i < e_ && t_[i].is("WHEN")) {
            When w{When::Matched};
            ++i;
            if (i < e_ && t_[i].is("NOT")) {
                w.kind = When::NotMatched;
                ++i;
            }
            expect(i, "MATCHED");
            if (i < e_ && t_[i].is("BY")) {
                ++i;
                if (w.kind == When::NotMatched && i < e_ && t_[i].is("SOURCE"))
                    w.kind = When::BySource;
                else if (!(w.kind == When::NotMatched && i < e_ && t_[i].is("TARGET")))
                    near(i);
                ++i;
            }
            const std::size_t then = findWord(t_, i, e_, {"THEN"});
            if (then == e_)
                near(i);
            if (i < then) {
                if (!t_[i].is("AND"))
                    near(i);
                w.condition = {i + 1, then};
            }
            i = then + 1;
            w.action = i;
            const std::size_t next = findWord(t_, i, e_, {"WHEN", "OUTPUT", "OPTION"});
            if (i < e_ && t_[i].is("INSERT")) {
                if (w.kind != When::NotMatched)
                    near(i);
                std::size_t v = i + 1;
                if (v < e_ && t_[v].isSymbol("("))
                    v = closeOf(t_, v, e_);
                if (!(v + 1 < e_ && t_[v].is("VALUES") && t_[v + 1].isSymbol("(")))
                    unsupported("MERGE ... INSERT without VALUES (...)", src_);
                // INSERT (a, b) VALUES (x, y) is written INSERT INTO t (a, b) SELECT x, y.
                appendTokens(w.insert, t_, i + 1, v);
                putTokens(w.insert, "SELECT", t_[v]);
                appendTokens(w.insert, t_, v + 2, closeOf(t_, v + 1, e_) - 1);
            } else if (i < e_ && t_[i].is("UPDATE")) {
                if (w.kind == When::NotMatched || !(i + 1 < e_ && t_[i + 1].is("SET")))
                    near(i);
                w.rest = {i + 2, next};
            } else if (!(i < e_ && t_[i].is("DELETE") && i + 1 == next)) {
                near(i);
            }
            whens_.push_back(w);
            i = next;
        }
        output_ = i < e_ && t_[i].is("OUTPUT") ? i : e_;
        if (i < e_ && output_ == e_)
            near(i);
        if (whens_.empty())
            near(i);
    }

    const Tokens& t_;
    std::size_t e_;
    const std::string& src_;
    const TranslateTokens& sub_;
    const Token& at_;
    Range target_, source_, on_;
    std::size_t targetAlias_ = 0, sourceAlias_ = 0, output_ = 0;
    std::vector<When> whens_;
};

// WITH c AS (SELECT ... FROM t ...) UPDATE c SET ... / DELETE [FROM] c ...:
// the rows of t the CTE shows, written through it. The CTE is read with
// each row's rowid; UPDATE sets t's columns (an alias of the CTE names its
// column), DELETE removes t's rows.
Statement cteWrite(const Tokens& t, std::size_t b, std::size_t e, std::size_t main,
                   const std::string& src, const TranslateTokens& sub) {
    auto refuseCte = [&]() { unsupported("UPDATE or DELETE through this CTE", src); };
    // One CTE: name AS (SELECT ... FROM one table ...).
    if (!(b + 3 < e && t[b + 2].is("AS") && t[b + 3].isSymbol("(")))
        refuseCte();
    const Token& cte = t[b + 1];
    const std::size_t open = b + 3, close = closeOf(t, open, e);
    if (close != main || !t[open + 1].is("SELECT"))
        refuseCte();
    const std::size_t from = findWord(t, open + 1, close - 1, {"FROM"});
    const std::size_t fromEnd =
        findWord(t, from, close - 1, {"WHERE", "GROUP", "HAVING", "ORDER", "UNION", "OPTION"});
    if (from == close - 1)
        refuseCte();
    const auto items = fromItems(t, from + 1, fromEnd);
    if (items.size() != 1 || t[items[0].refBegin].isSymbol("("))
        refuseCte();
    const Token& at = t[main];
    Tokens rows;  // (SELECT ..., x.rowid AS tsql_rowid FROM ...) AS c
    putTokens(rows, "(", at);
    appendTokens(rows, t, open + 1, from);
    putTokens(rows, ",", at);
    if (items[0].alias.empty())
        appendTokens(rows, t, nameTokenOf(t, items[0]), nameTokenOf(t, items[0]) + 1);
    else
        putTokens(rows, "[" + items[0].alias + "]", at);
    putTokens(rows, ".rowid AS tsql_rowid", at);
    appendTokens(rows, t, from, close - 1);
    putTokens(rows, ") AS", at);
    rows.push_back(cte);
    std::size_t i = main + 1;
    if (t[main].is("DELETE") && i < e && t[i].is("FROM"))
        ++i;
    if (!(i < e && (t[i].kind == TokenKind::Word || t[i].kind == TokenKind::Name) &&
          equalsIgnoreCase(t[i].text, cte.text)))
        refuseCte();
    const std::size_t where = findWord(t, i + 1, e, {"WHERE"});
    Tokens g;
    if (t[main].is("DELETE")) {
        putTokens(g, "DELETE FROM", at);
        appendTokens(g, t, items[0].refBegin, nameTokenOf(t, items[0]) + 1);
        putTokens(g, "WHERE rowid IN (SELECT tsql_rowid FROM", at);
    } else {
        if (!(i + 1 < e && t[i + 1].is("SET")) || findWord(t, i + 2, where, {"FROM"}) < where)
            refuseCte();
        // SET names the CTE's columns: an alias stands for the column it
        // renames, and in a value for its expression.
        std::map<std::string, std::pair<std::size_t, std::size_t>> renamed;
        for (const auto& [ib, ie] : listItems(t, open + 2, from)) {
            std::size_t exprEnd = ie;
            const std::string alias = aliasOf(t, ib, ie, exprEnd);
            if (!alias.empty() && exprEnd > ib)
                renamed[alias] = {ib, exprEnd};
        }
        putTokens(g, "UPDATE", at);
        g.push_back(cte);
        putTokens(g, "SET", at);
        bool lhs = true;
        for (std::size_t j = i + 2; j < where; j = nextItem(t, j, where)) {
            const auto it = renamed.find(upper(t[j].text));
            const bool name =
                (t[j].kind == TokenKind::Word || t[j].kind == TokenKind::Name) &&
                it != renamed.end() && !t[j - 1].isSymbol(".") &&
                !(j + 1 < where && (t[j + 1].isSymbol(".") || t[j + 1].isSymbol("(")));
            if (name && lhs) {
                const auto [cb, ce] = it->second;
                const bool column = ce == cb + 1 || (ce == cb + 3 && t[cb + 1].isSymbol("."));
                if (!column)
                    refuseCte();  // a computed column cannot be set
                g.push_back(t[ce - 1]);
            } else if (name) {
                putTokens(g, "(", at);
                appendTokens(g, t, it->second.first, it->second.second);
                putTokens(g, ")", at);
            } else {
                appendTokens(g, t, j, nextItem(t, j, where));
            }
            lhs = t[j].isSymbol(",");
        }
        putTokens(g, "FROM", at);
        appendTokens(g, t, items[0].refBegin, nameTokenOf(t, items[0]) + 1);
        putTokens(g, "AS", at);
        g.push_back(cte);
        putTokens(g, "WHERE", at);
        g.push_back(cte);
        putTokens(g, ".rowid IN (SELECT tsql_rowid FROM", at);
    }
    g.insert(g.end(), rows.begin(), rows.end());
    if (where < e)
        appendTokens(g, t, where, e);
    putTokens(g, ")", at);
    Statement st = sub(g);
    st.source = src;
    return st;
}

}  // namespace

bool writeIdiom(const Tokens& t, std::size_t b, std::size_t e, const std::string& src, Plan& plan,
                const TranslateTokens& sub, Statement& out) {
    const Token& first = t[b];
    if (first.is("TRUNCATE")) {
        std::size_t i = b + 1;
        if (i < e && t[i].is("TABLE"))
            ++i;
        Emitter em(t, src, true, plan);
        out.kind = Statement::Kind::Query;
        out.sql = "DELETE FROM " + em.tableName(i, e);
        out.table = rawName(t[i - 1]);
        out.temporary = t[i - 1].kind == TokenKind::TempName;
        out.truncate = true;
        return true;
    }
    if (first.is("MERGE")) {
        if (!(e < t.size() && t[e].isSymbol(";")))
            refuse(10713, "A MERGE statement must be terminated by a semi-colon (;).", src);
        out = Merge(t, b, e, src, sub).statement();
        return true;
    }
    if (first.is("WITH")) {
        std::size_t main = b + 1;
        while (main < e && !t[main].is("UPDATE") && !t[main].is("DELETE") &&
               !t[main].is("SELECT") && !t[main].is("INSERT"))
            main = nextItem(t, main, e);
        if (main == e || t[main].is("SELECT") || t[main].is("INSERT"))
            return false;
        out = cteWrite(t, b, e, main, src, sub);
        return true;
    }
    if (!first.is("INSERT") && !first.is("UPDATE") && !first.is("DELETE"))
        return false;
    const std::size_t at = findWord(t, b + 1, e, {"OUTPUT"});
    if (at == e || findWord(t, b + 1, e, {"EXEC", "EXECUTE"}) < at)
        return false;
    out = output(t, b, e, at, src, sub);
    return true;
}

}  // namespace db::tsql
