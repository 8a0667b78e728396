// Statement level of the T-SQL adapter: splits a batch into statements
// (T-SQL needs no semicolons between them) and rewrites the forms SQLite
// writes differently: SELECT ... INTO, UPDATE/DELETE with joins, IF, EXEC,
// ALTER TABLE, CREATE TABLE with SQL Server's types and collation.

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

namespace db::tsql {
namespace {

constexpr std::array kStatementWords = {
    "SELECT",   "INSERT",   "UPDATE",  "DELETE",   "CREATE", "DROP",      "ALTER",
    "TRUNCATE", "EXEC",     "EXECUTE", "IF",       "ELSE",   "BEGIN",     "END",
    "COMMIT",   "ROLLBACK", "SET",     "DECLARE",  "PRINT",  "WHILE",     "RETURN",
    "MERGE",    "GO",       "BREAK",   "CONTINUE", "THROW",  "RAISERROR", "SAVE"};

bool isStatementWord(const Token& tok) {
    if (tok.kind != TokenKind::Word)
        return false;
    for (const char* w : kStatementWords)
        if (equalsIgnoreCase(tok.text, w))
            return true;
    return false;
}

class Translator {
public:
    Translator(const Tokens& t, std::string_view sql, Plan& plan) : t_(t), sql_(sql), plan_(plan) {}

    std::vector<Statement> block(std::size_t& i, std::size_t e, bool untilEnd) {
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

private:
    std::string source(std::size_t b, std::size_t e) const {
        if (b >= e)
            return {};
        return std::string(sql_.substr(t_[b].begin, t_[e - 1].end - t_[b].begin));
    }

    Statement one(std::size_t& i, std::size_t e) {
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
    Statement tryCatch(std::size_t& i, std::size_t e) {
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

    Statement ifStatement(std::size_t& i, std::size_t e) {
        const std::size_t start = i++;
        std::size_t condEnd = i;
        while (condEnd < e && !isStatementWord(t_[condEnd]))
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

    std::size_t statementEnd(std::size_t b, std::size_t e) const {
        const std::string kind = upper(t_[b].text);
        bool body = false, set = false;
        for (std::size_t j = b + 1; j < e; j = nextItem(t_, j, e)) {
            const Token& tok = t_[j];
            if (tok.isSymbol(";"))
                return j;
            if (tok.is("VALUES") && kind == "INSERT")
                body = true;
            if (!isStatementWord(tok))
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
            } else if (tok.is("INSERT") || tok.is("UPDATE") || tok.is("DELETE") ||
                       tok.is("MERGE")) {
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

    Statement simple(std::size_t b, std::size_t e) {
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

    // `guarded`: recursive CTEs already count their levels.
    Statement select(std::size_t b, std::size_t e, const std::string& src, bool guarded = false) {
        if (!guarded && (t_[b].is("WITH") || hasOption(b, e))) {
            const Tokens g = guardRecursion(t_, b, e, src);
            Translator sub(g, sql_, plan_);
            sub.variables_ = variables_;
            return sub.select(0, g.size(), src, true);
        }
        if (Tokens aliased; aliasesByEquals(t_, b, e, aliased)) {
            Translator sub(aliased, sql_, plan_);
            sub.variables_ = variables_;
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
            st.sql = em.region(b, e);
            st.resultTypes = em.resultTypes(b, e);
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
        return st;
    }

    // A statement of tokens rewritten from this batch's, translated as its own.
    Statement sub(const Tokens& g) {
        Translator s(g, sql_, plan_);
        s.variables_ = variables_;
        std::size_t i = 0;
        return s.one(i, g.size());
    }

    bool hasOption(std::size_t b, std::size_t e) const {
        for (std::size_t j = b; j < e; j = nextItem(t_, j, e))
            if (t_[j].is("OPTION"))
                return true;
        return false;
    }

    Statement insert(std::size_t b, std::size_t e, const std::string& src) {
        std::size_t i = b + 1;
        if (i < e && t_[i].is("INTO"))
            ++i;
        Emitter em(t_, src, true, plan_);
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
        checkGrouping(t_, i, e, src);
        Statement st;
        st.kind = Statement::Kind::Query;
        st.insertAllColumns = columns.empty();
        st.insert = true;
        st.insertColumns = std::move(names);
        st.sql = "INSERT INTO " + target + columns + " " + em.region(i, e);
        st.table = rawName(targetTok);
        st.temporary = targetTok.kind == TokenKind::TempName;
        return st;
    }

    void append(Tokens& out, std::size_t b, std::size_t e) const { appendTokens(out, t_, b, e); }

    // SET assignments with the column names unqualified, as SQLite wants them.
    void appendAssignments(Tokens& out, std::size_t b, std::size_t e) const {
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

    Statement update(std::size_t b, std::size_t e, const std::string& src) {
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
        {
            Emitter names(t_, src, true, plan_);
            names.tableName(afterTarget, e);
        }
        const std::string target = rawName(t_[afterTarget - 1]);
        Tokens out{word("UPDATE")};
        Statement st;
        st.kind = Statement::Kind::Query;
        st.table = target;  // the table written, unless an alias of the FROM clause
        st.temporary = t_[afterTarget - 1].kind == TokenKind::TempName;
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

    Statement remove(std::size_t b, std::size_t e, const std::string& src) {
        std::size_t i = b + 1;
        if (i < e && t_[i].is("FROM"))
            ++i;
        const std::size_t targetAt = i;
        std::size_t afterTarget = i;
        {
            Emitter names(t_, src, true, plan_);
            names.tableName(afterTarget, e);
        }
        const std::string target = rawName(t_[afterTarget - 1]);
        Statement st;
        st.kind = Statement::Kind::Query;
        st.table = target;  // the table written, unless an alias of the FROM clause
        st.temporary = t_[afterTarget - 1].kind == TokenKind::TempName;
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
                out.push_back(word("rowid"));
                out.push_back(word("IN"));
                out.push_back(symbol("("));
                out.push_back(word("SELECT"));
                if (it.alias.empty())
                    append(out, nameTokenOf(t_, it), nameTokenOf(t_, it) + 1);
                else
                    out.push_back(Token{TokenKind::Name, it.alias});
                out.push_back(symbol("."));
                out.push_back(word("rowid"));
            }
            append(out, from, e);
            out.push_back(symbol(")"));
        }
        Emitter em(out, src, true, plan_);
        st.sql = em.region(0, out.size());
        return st;
    }

    Statement create(std::size_t b, std::size_t e, const std::string& src) {
        std::size_t i = b + 1;
        if (i < e && t_[i].is("TABLE"))
            return createTable(i + 1, e, src);
        Tokens out{word("CREATE")};
        for (; i < e; ++i) {
            if (t_[i].is("CLUSTERED") || t_[i].is("NONCLUSTERED"))
                continue;
            if (t_[i].is("INCLUDE") || (t_[i].is("WITH") && i > b + 2))
                break;
            out.push_back(t_[i]);
        }
        if (!(out.size() > 1 && (out[1].is("INDEX") ||
                                 (out[1].is("UNIQUE") && out.size() > 2 && out[2].is("INDEX")))))
            unsupported("CREATE " + (b + 1 < e ? upper(t_[b + 1].text) : std::string()), src);
        Emitter em(out, src, false, plan_);
        Statement st;
        st.kind = Statement::Kind::Query;
        st.sql = em.region(0, out.size());
        return st;
    }

    // One column definition [b, e) of CREATE TABLE or ALTER TABLE ADD.
    // `table`: the table the column belongs to, as its IDENTITY names it.
    std::string columnDef(std::size_t b, std::size_t e, const std::string& src,
                          const std::string& table, ColumnDef* def) {
        Emitter em(t_, src, false, plan_);
        std::size_t i = b;
        const std::string name = t_[i].text;
        ++i;
        const TypeSpec type = em.typeAt(i, e);
        Tokens rest;
        bool collate = false;
        std::string identity;  // the DEFAULT that numbers the rows
        for (; i < e; ++i) {
            if (t_[i].is("IDENTITY")) {
                std::string seed = "1", step = "1";
                if (i + 1 < e && t_[i + 1].isSymbol("(")) {
                    const std::size_t close = closeOf(t_, i + 1, e);
                    std::string* part = &seed;
                    seed.clear();
                    step.clear();
                    for (std::size_t k = i + 2; k + 1 < close; ++k) {
                        if (t_[k].isSymbol(","))
                            part = &step;
                        else if (t_[k].kind == TokenKind::Number || t_[k].isSymbol("-"))
                            *part += t_[k].text;
                        else
                            unsupported("this IDENTITY", src);
                    }
                    if (seed.empty() || step.empty())
                        unsupported("IDENTITY without seed and increment", src);
                    i = close - 1;
                }
                identity = " DEFAULT (tsql_identity_next(" + quoteLiteral(table) + ", " +
                           quoteLiteral(name) + ", " + seed + ", " + step + "))";
                continue;
            }
            if (t_[i].is("CLUSTERED") || t_[i].is("NONCLUSTERED"))
                continue;
            if (t_[i].is("COLLATE"))
                collate = true;
            if (t_[i].is("NOT") && i + 1 < e && t_[i + 1].is("NULL") && def)
                def->notNull = true;
            rest.push_back(t_[i]);
        }
        if (def) {
            def->name = name;
            def->type = type;
        }
        Emitter restEm(rest, src, false, plan_);
        std::string out = quoteName(name) + " " + type.storage();
        // Dates are kept as text in one canonical form: TEXT affinity keeps a
        // literal such as '20241206' from turning into a number, and the
        // collation compares both sides as dates.
        if (type.isDate())
            out += collate ? " TEXT" : " TEXT COLLATE TSQL_DATE";
        const std::string tail = restEm.region(0, rest.size());
        if (!tail.empty())
            out += " " + tail;
        if (type.isText() && !collate)
            out += " COLLATE TSQL_CI";
        return out + identity;
    }

    Statement createTable(std::size_t i, std::size_t e, const std::string& src) {
        Statement st;
        st.kind = Statement::Kind::CreateTable;
        {
            Emitter names(t_, src, false, plan_);
            names.tableName(i, e);
        }
        const Token& target = t_[i - 1];
        st.table = rawName(target);
        st.temporary = target.kind == TokenKind::TempName;
        if (i >= e || !t_[i].isSymbol("("))
            unsupported("CREATE TABLE without columns", src);
        const std::size_t close = closeOf(t_, i, e);
        std::string defs;
        std::size_t start = i + 1;
        for (std::size_t j = start; j <= close - 1;
             j = j < close - 1 ? nextItem(t_, j, close - 1) : close) {
            if (j < close - 1 && !t_[j].isSymbol(","))
                continue;
            if (start < j) {
                if (!defs.empty())
                    defs += ", ";
                const Token& head = t_[start];
                if (head.is("CONSTRAINT") || head.is("PRIMARY") || head.is("FOREIGN") ||
                    head.is("UNIQUE") || head.is("CHECK")) {
                    Tokens c;
                    for (std::size_t k = start; k < j; ++k)
                        if (!t_[k].is("CLUSTERED") && !t_[k].is("NONCLUSTERED"))
                            c.push_back(t_[k]);
                    Emitter em(c, src, false, plan_);
                    defs += em.region(0, c.size());
                } else {
                    ColumnDef def;
                    defs += columnDef(start, j, src, st.table, &def);
                    st.columns.push_back(def);
                }
            }
            start = j + 1;
            if (j >= close - 1)
                break;
        }
        st.sql = std::string("CREATE ") + (st.temporary ? "TEMP " : "") + "TABLE " +
                 quoteName(st.table) + " (" + defs + ")";
        plan_.batchTables[upper(st.table)] = st.columns;
        if (close < e)
            unsupported("options after CREATE TABLE", src);
        return st;
    }

    Statement alter(std::size_t b, std::size_t e, const std::string& src) {
        std::size_t i = b + 1;
        if (i >= e || !t_[i].is("TABLE"))
            unsupported("this ALTER", src);
        ++i;
        Emitter em(t_, src, false, plan_);
        const std::string table = em.tableName(i, e);
        const Token& target = t_[i - 1];
        Statement st;
        st.table = rawName(target);
        st.temporary = target.kind == TokenKind::TempName;
        if (i < e && t_[i].is("ADD") && i + 1 < e &&
            (t_[i + 1].is("CONSTRAINT") || t_[i + 1].is("PRIMARY"))) {
            std::size_t j = i + 1;
            if (t_[j].is("CONSTRAINT"))
                j += 2;
            if (!(j + 1 < e && t_[j].is("PRIMARY") && t_[j + 1].is("KEY")))
                unsupported("ALTER TABLE ADD CONSTRAINT other than PRIMARY KEY", src);
            j += 2;
            if (j < e && (t_[j].is("CLUSTERED") || t_[j].is("NONCLUSTERED")))
                ++j;
            if (j >= e || !t_[j].isSymbol("("))
                unsupported("PRIMARY KEY without columns", src);
            const std::size_t close = closeOf(t_, j, e);
            for (std::size_t k = j + 1; k < close - 1; ++k)
                if (t_[k].kind == TokenKind::Word || t_[k].kind == TokenKind::Name)
                    if (!t_[k].is("ASC") && !t_[k].is("DESC"))
                        st.keyColumns.push_back(t_[k].text);
            st.kind = Statement::Kind::AddPrimaryKey;
            return st;
        }
        if (i < e && t_[i].is("ADD")) {
            st.kind = Statement::Kind::Block;
            std::size_t start = ++i;
            for (std::size_t j = start;; j = nextItem(t_, j, e)) {
                if (j < e && !t_[j].isSymbol(","))
                    continue;
                Statement add;
                add.kind =
                    Statement::Kind::CreateTable;  // columns changed: refresh the table's rules
                add.table = st.table;
                add.temporary = st.temporary;
                add.source = src;
                std::size_t defB = start;
                if (defB < j && t_[defB].is("COLUMN"))
                    ++defB;
                if (defB < j) {
                    ColumnDef def;
                    add.sql = "ALTER TABLE " + table + " ADD COLUMN " +
                              columnDef(defB, j, src, st.table, &def);
                    add.columns.push_back(def);
                    st.body.push_back(std::move(add));
                }
                if (j >= e)
                    break;
                start = j + 1;
            }
            return st;
        }
        if (i + 1 < e && t_[i].is("ALTER") && t_[i + 1].is("COLUMN")) {
            i += 2;
            ColumnDef def;
            columnDef(i, e, src, st.table, &def);
            st.kind = Statement::Kind::AlterColumn;
            st.columns.push_back(def);
            return st;
        }
        if (i + 1 < e && t_[i].is("DROP") && t_[i + 1].is("COLUMN")) {
            st.kind = Statement::Kind::Query;
            st.sql = "ALTER TABLE " + table + " DROP COLUMN " +
                     quoteName(t_[i + 2 < e ? i + 2 : i].text);
            return st;
        }
        unsupported("this ALTER TABLE", src);
    }

    const Tokens& t_;
    std::string_view sql_;
    Plan& plan_;
    // The batch's variables declared so far, with their types.
    std::map<std::string, TypeSpec> variables_;
};

}  // namespace

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
    return plan;
}

}  // namespace db::tsql
