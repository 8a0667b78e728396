// UPDATE and DELETE as SQLite runs them: with a FROM clause, the target is
// bound to its reference there as SQL Server binds it, the other tables
// join in SQLite's UPDATE ... FROM, and DELETE keeps the rows it joins.

#include "platform/db/tsql/from.h"
#include "platform/db/tsql/translator.h"

namespace db::tsql {

namespace {

// The adapter's own reference to SQLite's row id (the batch may not name it).
Token rowidToken() {
    Token tok = word("rowid");
    tok.generated = true;
    return tok;
}

}  // namespace

Statement Translator::writes(std::size_t& at, std::size_t e, const std::string& src) {
    Emitter names(t_, src, true, plan_);
    names.tableName(at, e);
    Statement st;
    st.kind = Statement::Kind::Query;
    st.table = rawName(t_[at - 1]);  // the table written, unless an alias of the FROM clause
    st.temporary = t_[at - 1].kind == TokenKind::TempName;
    return st;
}

// SET assignments with the column names unqualified, as SQLite wants them.
void Translator::appendAssignments(Tokens& out, std::size_t b, std::size_t e) const {
    bool lhs = true;
    for (std::size_t j = b; j < e;) {
        if (lhs && j + 2 < e && t_[j + 1].isSymbol(".") && !t_[j].isSymbol("(")) {
            j += 2;
            continue;
        }
        lhs = t_[j].isSymbol(",");
        const std::size_t next = nextItem(t_, j, e);
        append(out, j, next);
        j = next;
    }
}

Statement Translator::update(std::size_t b, std::size_t e, const std::string& src) {
    std::size_t set = e, from = e, where = e;
    for (std::size_t j = b + 1; j < e; j = nextItem(t_, j, e)) {
        if (t_[j].is("SET") && set == e)
            set = j;
        else if (t_[j].is("FROM") && set != e && from == e)
            from = j;
        else if (t_[j].is("WHERE") && set != e && where == e)
            where = j;
    }
    if (set == e)
        unsupported("UPDATE without SET", src);
    std::size_t afterTarget = b + 1;
    Statement st = writes(afterTarget, e, src);
    const std::string target = st.table;
    Tokens out{word("UPDATE")};
    if (from == e) {
        append(out, b + 1, set + 1);
        appendAssignments(out, set + 1, where);
        append(out, where, e);
        Emitter em(out, src, true, plan_);
        st.sql = em.region(0, out.size());
        return st;
    }
    const std::size_t fromEnd = where;
    auto items = fromItems(t_, from + 1, fromEnd);
    const std::size_t k = boundItem(items, target, src);
    if (k == items.size()) {
        append(out, b + 1, set + 1);
        appendAssignments(out, set + 1, from);
        append(out, from, e);
    } else {
        const FromItem& tgt = items[k];
        st.table = tgt.name;
        st.temporary = !tgt.name.empty() && tgt.name[0] == '#';
        // The target leaves the FROM clause; its join condition joins the WHERE.
        std::size_t condB = tgt.onBegin + 1, condE = tgt.end;
        if (k == 0 && items.size() > 1) {
            condB = items[1].onBegin + 1;
            condE = items[1].end;
        }
        if (!tgt.inner || (k == 0 && items.size() > 1 && !items[1].inner))
            unsupported("UPDATE ... FROM with the target in an outer join", src);
        append(out, tgt.refBegin, tgt.refBegin + 1);
        std::size_t nameEnd = tgt.refBegin + 1;
        while (nameEnd + 1 < tgt.refEnd && t_[nameEnd].isSymbol(".")) {
            out.pop_back();
            append(out, nameEnd + 1, nameEnd + 2);
            nameEnd += 2;
        }
        if (!tgt.alias.empty()) {
            out.push_back(word("AS"));
            out.push_back(Token{TokenKind::Name, tgt.alias});
        }
        out.push_back(word("SET"));
        appendAssignments(out, set + 1, from);
        bool firstTable = true;
        for (std::size_t m = 0; m < items.size(); ++m) {
            if (m == k)
                continue;
            if (firstTable) {
                out.push_back(word("FROM"));
                append(out, items[m].refBegin, items[m].refEnd);
                firstTable = false;
                if (!(k == 0 && m == 1))
                    append(out, items[m].refEnd, items[m].end);
            } else {
                append(out, items[m].joinBegin, items[m].end);
            }
        }
        const bool hasCond = condB < condE;
        if (hasCond || where < e)
            out.push_back(word("WHERE"));
        if (hasCond) {
            out.push_back(symbol("("));
            append(out, condB, condE);
            out.push_back(symbol(")"));
        }
        if (where < e) {
            if (hasCond)
                out.push_back(word("AND"));
            out.push_back(symbol("("));
            append(out, where + 1, e);
            out.push_back(symbol(")"));
        }
    }
    Emitter em(out, src, true, plan_);
    st.sql = em.region(0, out.size());
    return st;
}

Statement Translator::remove(std::size_t b, std::size_t e, const std::string& src) {
    std::size_t i = b + 1;
    if (i < e && t_[i].is("FROM"))
        ++i;
    const std::size_t targetAt = i;
    std::size_t afterTarget = i;
    Statement st = writes(afterTarget, e, src);
    const std::string target = st.table;
    std::size_t from = e;
    if (afterTarget < e && t_[afterTarget].is("FROM"))
        from = afterTarget;
    Tokens out{word("DELETE"), word("FROM")};
    if (from == e) {
        append(out, targetAt, e);
    } else {
        std::size_t where = e;
        for (std::size_t j = from + 1; j < e; j = nextItem(t_, j, e))
            if (t_[j].is("WHERE")) {
                where = j;
                break;
            }
        auto items = fromItems(t_, from + 1, where);
        const std::size_t k = boundItem(items, target, src);
        if (k < items.size()) {
            st.table = items[k].name;
            st.temporary = !st.table.empty() && st.table[0] == '#';
        }
        out.push_back(k == items.size() ? t_[afterTarget - 1] : t_[nameTokenOf(t_, items[k])]);
        if (k == items.size()) {
            // The target is not joined: every row of it goes when the
            // FROM clause yields any row, as a cross join does.
            out.push_back(word("WHERE"));
            out.push_back(word("EXISTS"));
            out.push_back(symbol("("));
            out.push_back(word("SELECT"));
            out.push_back(Token{TokenKind::Number, "1"});
        } else {
            const FromItem& it = items[k];
            out.push_back(word("WHERE"));
            out.push_back(rowidToken());
            out.push_back(word("IN"));
            out.push_back(symbol("("));
            out.push_back(word("SELECT"));
            if (it.alias.empty())
                append(out, nameTokenOf(t_, it), nameTokenOf(t_, it) + 1);
            else
                out.push_back(Token{TokenKind::Name, it.alias});
            out.push_back(symbol("."));
            out.push_back(rowidToken());
        }
        append(out, from, e);
        out.push_back(symbol(")"));
    }
    Emitter em(out, src, true, plan_);
    st.sql = em.region(0, out.size());
    return st;
}

}  // namespace db::tsql
