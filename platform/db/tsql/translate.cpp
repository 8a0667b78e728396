// Statement level of the T-SQL adapter: splits a batch into statements
// (T-SQL needs no semicolons between them) and rewrites the forms SQLite
// writes differently: SELECT ... INTO, UPDATE/DELETE with joins, IF, EXEC,
// ALTER TABLE, CREATE TABLE with SQL Server's types and collation.

#include <algorithm>
#include <array>
#include <map>

#include "platform/db/errors.h"
#include "platform/db/tsql/binder.h"
#include "platform/db/tsql/cte.h"
#include "platform/db/tsql/dml_idioms.h"
#include "platform/db/tsql/emitter.h"
#include "platform/db/tsql/from.h"
#include "platform/db/tsql/idioms.h"
#include "platform/db/tsql/modules.h"
#include "platform/db/tsql/plan.h"
#include "platform/db/tsql/script.h"
#include "platform/db/tsql/translator.h"

namespace db::tsql {
namespace {

constexpr std::array kStatementWords = {
    "SELECT",   "INSERT",   "UPDATE",  "DELETE",   "CREATE", "DROP",      "ALTER",
    "TRUNCATE", "EXEC",     "EXECUTE", "IF",       "ELSE",   "BEGIN",     "END",
    "COMMIT",   "ROLLBACK", "SET",     "DECLARE",  "PRINT",  "WHILE",     "RETURN",
    "MERGE",    "GO",       "BREAK",   "CONTINUE", "THROW",  "RAISERROR", "SAVE"};

// The name a select item [b, e) is known by outside its query: its alias
// after AS, or a column's own name; empty for anything else.
std::string outputName(const Tokens& t, std::size_t b, std::size_t e) {
    auto named = [&](std::size_t i) {
        return t[i].kind == TokenKind::Word || t[i].kind == TokenKind::Name ||
               (t[i].kind == TokenKind::TempName && i + 1 < e);
    };
    if (e >= b + 3 && t[e - 2].is("AS") && named(e - 1))
        return upper(t[e - 1].text);
    for (std::size_t i = b; i < e; ++i)
        if ((i - b) % 2 == 0 ? !named(i) : !t[i].isSymbol("."))
            return {};
    return (e - b) % 2 == 1 ? upper(t[e - 1].text) : std::string();
}

// Where ORDER BY starts in a query [b, e) of the form SELECT DISTINCT items
// FROM ... ORDER BY names, each name one item's and no other's; e when the
// query has another form. SQLite takes such a query for a grouping, and
// sorts every row read to find the few distinct ones; asked for the
// distinct rows first and then for their order, it keeps only those.
std::size_t distinctThenOrder(const Tokens& t, std::size_t b, std::size_t e) {
    if (e < b + 6 || !t[b].is("SELECT") || !t[b + 1].is("DISTINCT") || t[b + 2].is("TOP"))
        return e;
    std::size_t from = e, order = e;
    for (std::size_t j = b + 2; j < e; j = nextItem(t, j, e)) {
        if (t[j].is("UNION") || t[j].is("EXCEPT") || t[j].is("INTERSECT") || t[j].is("FOR") ||
            t[j].is("OFFSET") || t[j].is("INTO") || t[j].is("OPTION") || t[j].isSymbol("*"))
            return e;
        if (from == e && t[j].is("FROM"))
            from = j;
        if (t[j].is("ORDER") && j + 1 < e && t[j + 1].is("BY"))
            order = j;
    }
    if (from == e || order == e || order < from || order + 2 >= e)
        return e;
    std::vector<std::string> names;
    for (std::size_t start = b + 2, j = start;; j = nextItem(t, j, from)) {
        if (j < from && !t[j].isSymbol(","))
            continue;
        names.push_back(outputName(t, start, j));
        if (j >= from)
            break;
        start = j + 1;
    }
    for (std::size_t j = order + 2; j < e; j += 2) {
        if (t[j].kind != TokenKind::Word && t[j].kind != TokenKind::Name)
            return e;
        const std::string name = upper(t[j].text);
        if (std::count(names.begin(), names.end(), name) != 1)
            return e;
        if (j + 1 < e && (t[j + 1].is("ASC") || t[j + 1].is("DESC")))
            ++j;
        if (j + 1 < e && !t[j + 1].isSymbol(","))
            return e;
    }
    return order;
}

}  // namespace

std::vector<Statement> Translator::block(std::size_t& i, std::size_t e, bool untilEnd) {
    std::vector<Statement> out;
    while (i < e) {
        if (t_[i].isSymbol(";")) {
            ++i;
            continue;
        }
        if (untilEnd && t_[i].is("END"))
            return out;
        out.push_back(one(i, e));
    }
    if (untilEnd)
        unsupported("BEGIN without END", source(0, e));
    return out;
}

std::string Translator::source(std::size_t b, std::size_t e) const {
    if (b >= e)
        return {};
    return std::string(sql_.substr(t_[b].begin, t_[e - 1].end - t_[b].begin));
}

Statement Translator::one(std::size_t& i, std::size_t e) {
    if (t_[i].is("IF") || t_[i].is("WHILE"))
        return ifStatement(i, e);
    if (t_[i].is("BEGIN") && i + 1 < e && t_[i + 1].is("TRY"))
        return tryCatch(i, e);
    if (t_[i].is("BEGIN") &&
        !(i + 1 < e && (t_[i + 1].is("TRAN") || t_[i + 1].is("TRANSACTION")))) {
        const std::size_t start = i;
        ++i;
        Statement st;
        st.kind = Statement::Kind::Block;
        st.body = block(i, e, true);
        ++i;  // END
        st.source = source(start, i);
        return st;
    }
    if (std::string kind, name; definesModule(t_, i, e, kind, name))
        refuse(111, "'CREATE/ALTER " + kind + "' must be the first statement in a query batch.",
               source(i, e));
    const std::size_t b = i;
    i = statementEnd(b, e);
    Statement st = simple(b, i);
    st.source = source(b, i);
    return st;
}

// BEGIN TRY ... END TRY BEGIN CATCH ... END CATCH
Statement Translator::tryCatch(std::size_t& i, std::size_t e) {
    const std::size_t start = i;
    auto expect = [&](const char* first, const char* second) {
        while (i < e && t_[i].isSymbol(";"))
            ++i;
        if (!(i + 1 < e && t_[i].is(first) && t_[i + 1].is(second)))
            unsupported(std::string("a TRY block without ") + first + " " + second,
                        source(start, e));
        i += 2;
    };
    Statement st;
    st.kind = Statement::Kind::TryCatch;
    i += 2;
    st.body = block(i, e, true);
    expect("END", "TRY");
    expect("BEGIN", "CATCH");
    st.elseBody = block(i, e, true);
    expect("END", "CATCH");
    st.source = source(start, i);
    return st;
}

Statement Translator::ifStatement(std::size_t& i, std::size_t e) {
    const std::size_t start = i++;
    std::size_t condEnd = i;
    while (condEnd < e && !t_[condEnd].isOneOf(kStatementWords))
        condEnd = nextItem(t_, condEnd, e);
    if (condEnd == i || condEnd >= e)
        unsupported("IF without a statement", source(start, e));
    Statement st;
    st.kind = t_[start].is("WHILE") ? Statement::Kind::While : Statement::Kind::If;
    Emitter em(t_, source(start, e), true, plan_);
    st.sql = "SELECT CASE WHEN " + em.region(i, condEnd) + " THEN 1 ELSE 0 END";
    i = condEnd;
    st.body.push_back(one(i, e));
    while (i < e && t_[i].isSymbol(";"))
        ++i;
    if (st.kind == Statement::Kind::If && i < e && t_[i].is("ELSE")) {
        ++i;
        st.elseBody.push_back(one(i, e));
    }
    st.source = source(start, i);
    return st;
}

std::size_t Translator::statementEnd(std::size_t b, std::size_t e) const {
    const std::string kind = upper(t_[b].text);
    bool body = false, set = false;
    for (std::size_t j = b + 1; j < e; j = nextItem(t_, j, e)) {
        const Token& tok = t_[j];
        if (tok.isSymbol(";"))
            return j;
        if (tok.is("VALUES") && kind == "INSERT")
            body = true;
        if (!tok.isOneOf(kStatementWords))
            continue;
        const Token& prev = t_[j - 1];
        if (kind == "MERGE" && (prev.is("THEN") || prev.is("UPDATE")))
            continue;  // WHEN ... THEN INSERT / UPDATE SET / DELETE
        if (tok.is("IF") && kind == "DROP" && j == b + 2)
            continue;  // DROP TABLE IF EXISTS
        if (tok.is("SELECT")) {
            if (prev.is("UNION") || prev.is("ALL") || prev.is("EXCEPT") || prev.is("INTERSECT"))
                continue;
            if ((kind == "INSERT" || kind == "WITH") && !body) {
                body = true;
                continue;
            }
        } else if (tok.is("INSERT") || tok.is("UPDATE") || tok.is("DELETE") || tok.is("MERGE")) {
            if (kind == "WITH" && !body) {
                body = true;
                continue;
            }
        } else if (tok.is("EXEC") || tok.is("EXECUTE")) {
            if (kind == "INSERT" && !body) {
                body = true;
                continue;
            }
        } else if (tok.is("SET")) {
            if ((kind == "UPDATE" || kind == "WITH") && !set) {
                set = true;
                continue;
            }
        } else if (tok.is("DROP") || tok.is("ALTER")) {
            // ALTER TABLE t ALTER COLUMN / DROP COLUMN
            if (kind == "ALTER" && j + 1 < e &&
                (t_[j + 1].is("COLUMN") || t_[j + 1].is("CONSTRAINT")))
                continue;
        }
        return j;
    }
    return e;
}

Statement Translator::simple(std::size_t b, std::size_t e) {
    const Token& first = t_[b];
    const std::string src = source(b, e);
    if (Statement st; writeIdiom(
            t_, b, e, src, plan_, [this](const Tokens& g) { return sub(g); }, st))
        return st;
    if (first.is("SELECT") || first.is("WITH"))
        return select(b, e, src);
    if (first.is("INSERT"))
        return insert(b, e, src);
    if (first.is("UPDATE"))
        return update(b, e, src);
    if (first.is("DELETE"))
        return remove(b, e, src);
    if (first.is("CREATE"))
        return create(b, e, src);
    if (first.is("DROP"))
        return dropStatement(t_, b, e, src, plan_);
    if (first.is("ALTER"))
        return alter(b, e, src);
    if (first.is("EXEC") || first.is("EXECUTE"))
        return execStatement(t_, b + 1, e, src, plan_, Statement::Kind::Exec);
    if (first.is("BEGIN") || first.is("COMMIT") || first.is("ROLLBACK") || first.is("SAVE"))
        return transactionStatement(t_, b, e, src);
    if (first.is("DECLARE") && b + 1 < e && t_[b + 1].kind == TokenKind::TempName) {
        // DECLARE @t [AS] TABLE (...): a work table of the batch's own.
        std::size_t i = b + 2;
        if (i < e && t_[i].is("AS"))
            ++i;
        if (!(i < e && t_[i].is("TABLE")))
            unsupported("this DECLARE", src);
        Tokens g{t_[b + 1]};
        append(g, i + 1, e);
        Translator sub(g, sql_, plan_);
        Statement st = sub.createTable(0, g.size(), src);
        st.tableVariable = true;
        return st;
    }
    if (first.is("PRINT")) {
        Emitter em(t_, src, true, plan_);
        Statement st;
        st.kind = Statement::Kind::Print;
        st.sql = "SELECT " + em.region(b + 1, e);
        return st;
    }
    if (first.is("THROW") || first.is("RAISERROR"))
        return raiseStatement(t_, b, e, src, plan_);
    if (first.is("DECLARE"))
        return Assignments(t_, plan_, variables_).declare(b + 1, e, src);
    if (first.is("SET") && b + 1 < e && t_[b + 1].kind == TokenKind::Variable)
        return Assignments(t_, plan_, variables_).set(b + 1, e, src);
    if (first.is("RETURN") && b + 1 < e) {
        Emitter em(t_, src, true, plan_);
        Statement st;
        st.kind = Statement::Kind::Return;
        st.sql = "SELECT " + em.region(b + 1, e);
        return st;
    }
    if (first.is("BREAK") || first.is("CONTINUE") || first.is("RETURN")) {
        if (b + 1 < e)
            unsupported(upper(first.text) + " followed by more text", src);
        Statement st;
        st.kind = first.is("BREAK")      ? Statement::Kind::Break
                  : first.is("CONTINUE") ? Statement::Kind::Continue
                                         : Statement::Kind::Return;
        return st;
    }
    if (first.is("SET") && b + 1 < e && t_[b + 1].is("IDENTITY_INSERT"))
        return identityInsertStatement(t_, b, e, src, plan_);
    if (first.is("SET") && b + 1 < e && t_[b + 1].kind == TokenKind::Word) {
        static constexpr std::array options = {
            "NOCOUNT",           "DATEFORMAT",        "ANSI_NULLS", "ANSI_WARNINGS",
            "QUOTED_IDENTIFIER", "XACT_ABORT",        "ARITHABORT", "CONCAT_NULL_YIELDS_NULL",
            "LOCK_TIMEOUT",      "DEADLOCK_PRIORITY", "LANGUAGE",   "ANSI_PADDING",
            "TRANSACTION"};
        for (const char* o : options)
            if (t_[b + 1].is(o))
                return {};
    }
    unsupported("the statement " + upper(first.text), src);
}

Statement Translator::sub(const Tokens& g) {
    Translator s(g, sql_, plan_);
    std::size_t i = 0;
    return s.one(i, g.size());
}

// `guarded`: recursive CTEs already count their levels.
Statement Translator::select(std::size_t b, std::size_t e, const std::string& src, bool guarded) {
    if (!guarded && (t_[b].is("WITH") || hasOption(b, e))) {
        const Tokens g = guardRecursion(t_, b, e, src);
        Translator sub(g, sql_, plan_);
        return sub.select(0, g.size(), src, true);
    }
    if (Tokens aliased; aliasesByEquals(t_, b, e, aliased)) {
        Translator sub(aliased, sql_, plan_);
        return sub.select(0, aliased.size(), src, true);
    }
    if (TopRows top; topRows(t_, b, e, src, top))
        return withTop(sub(top.query), top, src, plan_);
    checkGrouping(t_, b, e, src);
    if (Statement assign; Assignments(t_, plan_, variables_).select(b, e, src, assign))
        return assign;
    Statement st;
    std::size_t into = e;
    for (std::size_t j = b; j < e; j = nextItem(t_, j, e))
        if (t_[j].is("INTO")) {
            into = j;
            break;
        }
    if (into == e) {
        Emitter em(t_, src, true, plan_);
        st.kind = Statement::Kind::Query;
        st.resultTypes = em.resultTypes(b, e, &st.compound);
        if (st.compound)
            em.columnsAsValues();
        if (const std::size_t order = distinctThenOrder(t_, b, e); order < e)
            st.sql = "SELECT * FROM (" + em.region(b, order) + ") " + em.region(order, e);
        else
            st.sql = em.region(b, e);
        return st;
    }
    std::size_t after = into + 1;
    {
        Emitter names(t_, src, true, plan_);
        names.tableName(after, e);
    }
    const Token& target = t_[after - 1];
    Tokens rest(t_.begin() + static_cast<long>(b), t_.begin() + static_cast<long>(into));
    rest.insert(rest.end(), t_.begin() + static_cast<long>(after),
                t_.begin() + static_cast<long>(e));
    Emitter em(rest, src, true, plan_);
    st.kind = Statement::Kind::SelectInto;
    st.table = rawName(target);
    st.temporary = target.kind == TokenKind::TempName;
    st.sql = em.region(0, rest.size());
    st.typeHints = em.takeHints();
    st.resultTypes = em.resultTypes(0, rest.size());
    // Beside a star the named items still tell their types: the table is
    // made without running the query once more just to learn them.
    for (auto& named : em.namedTypes(0, rest.size()))
        st.typeHints.push_back(std::move(named));
    return st;
}

bool Translator::hasOption(std::size_t b, std::size_t e) const {
    for (std::size_t j = b; j < e; j = nextItem(t_, j, e))
        if (t_[j].is("OPTION"))
            return true;
    return false;
}

namespace {

// VALUES rows whose text literals go into CHAR(n) columns: the literals
// come padded to n, as the column keeps them, so that the row is written
// once and not again by the column's padding rule. Anything else is as the
// emitter writes it.
std::string paddedValues(const Tokens& t, Emitter& em, std::size_t i, std::size_t e,
                         const std::string& table, const std::vector<std::string>& names) {
    if (names.empty() || i >= e || !t[i].is("VALUES"))
        return em.region(i, e);
    const std::vector<ColumnDef>* columns = em.tableColumns(table);
    if (!columns)
        return em.region(i, e);
    std::vector<int> widths;  // by position in the list; 0: as written
    bool any = false;
    for (const auto& name : names) {
        int width = 0;
        for (const auto& c : *columns)
            if (upper(c.name) == name && c.type.isFixedText() && c.type.length > 0)
                width = c.type.length;
        widths.push_back(width);
        any = any || width > 0;
    }
    if (!any)
        return em.region(i, e);
    std::string out = "VALUES ";
    std::size_t k = i + 1;
    while (k < e) {
        if (!t[k].isSymbol("("))
            return em.region(i, e);
        const std::size_t close = closeOf(t, k, e);  // one past the ')'
        std::string row;
        std::size_t item = k + 1, n = 0;
        for (std::size_t j = item; j < close; j = nextItem(t, j, close)) {
            if (j + 1 != close && !t[j].isSymbol(","))
                continue;
            // [item, j) is the n-th value; j is its comma or the ')'.
            if (n >= widths.size() || item >= j)
                return em.region(i, e);
            const bool literal = j == item + 1 && t[item].kind == TokenKind::String;
            const std::string value = em.region(item, j);
            row += (n ? ", " : "") + (literal && widths[n] > 0 ? "tsql_pad(" + value + ", " +
                                                                     std::to_string(widths[n]) + ")"
                                                               : value);
            ++n;
            item = j + 1;
        }
        if (n != widths.size())
            return em.region(i, e);
        out += std::string(k > i + 1 ? ", " : "") + "(" + row + ")";
        k = close;
        if (k < e && t[k].isSymbol(","))
            ++k;
        else if (k < e)
            return em.region(i, e);
    }
    return out;
}

}  // namespace

Statement Translator::insert(std::size_t b, std::size_t e, const std::string& src) {
    std::size_t i = b + 1;
    if (i < e && t_[i].is("INTO"))
        ++i;
    Emitter em(t_, src, true, plan_);
    const std::size_t nameAt = i;
    const std::string target = em.tableName(i, e);
    const Token& targetTok = t_[i - 1];
    std::string columns;
    std::vector<std::string> names;
    if (i < e && t_[i].isSymbol("(")) {
        const std::size_t close = closeOf(t_, i, e);
        columns = " (" + em.region(i + 1, close - 1) + ")";
        for (std::size_t k = i + 1; k + 1 < close; ++k)
            if (t_[k - 1].isSymbol("(") || t_[k - 1].isSymbol(","))
                names.push_back(upper(t_[k].text));
        i = close;
    }
    if (i < e && (t_[i].is("EXEC") || t_[i].is("EXECUTE"))) {
        if (!columns.empty())
            unsupported("INSERT with a column list and EXEC", src);
        Statement st = execStatement(t_, i + 1, e, src, plan_, Statement::Kind::InsertExec);
        st.table = rawName(targetTok);
        st.temporary = targetTok.kind == TokenKind::TempName;
        return st;
    }
    (void)nameAt;
    checkGrouping(t_, i, e, src);
    Statement st;
    st.kind = Statement::Kind::Query;
    st.insertAllColumns = columns.empty();
    st.insert = true;
    st.insertColumns = std::move(names);
    st.sql = "INSERT INTO " + target + columns + " " +
             paddedValues(t_, em, i, e, rawName(targetTok), st.insertColumns);
    st.table = rawName(targetTok);
    st.temporary = targetTok.kind == TokenKind::TempName;
    return st;
}

std::shared_ptr<const Plan> translate(std::string_view sql, Schema* schema) {
    Tokens tokens = tokenize(sql);
    auto plan = std::make_shared<Plan>();
    plan->schema = schema;
    if (std::string kind, name; definesModule(tokens, 0, tokens.size(), kind, name)) {
        // The whole batch is the definition, kept as written: a cached
        // plan serves only the same text.
        Statement st;
        st.kind = Statement::Kind::DefineModule;
        st.table = kind;
        st.name = name;
        st.sql = std::string(sql.substr(tokens.front().begin));
        st.source = st.sql;
        for (const Token& tok : tokens)
            if (tok.kind == TokenKind::String)
                plan->inlined.emplace_back(tok.literal, tok.text);
        plan->statements.push_back(std::move(st));
        plan->schema = nullptr;
        return plan;
    }
    markTableVariables(tokens);
    rewriteIdioms(tokens, sql, *plan);
    Translator translator(tokens, sql, *plan);
    std::size_t i = 0;
    plan->statements = translator.block(i, tokens.size(), false);
    plan->schema = nullptr;
    plan->variables.clear();
    return plan;
}

}  // namespace db::tsql
