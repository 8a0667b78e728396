#include "platform/db/tsql/runner.h"

#include <sqlite3.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "platform/db/errors.h"
#include "platform/db/host_objects.h"
#include "platform/db/sql_literal.h"
#include "platform/db/sqlite/sqlite_values.h"
#include "platform/db/tsql/emitter.h"
#include "platform/db/tsql/plan.h"

namespace db::sqlite {
namespace {

// The collation a column of the given declared type gets in a table the
// adapter creates: SQL Server's text comparison, or dates compared as dates.
std::string collationFor(const std::string& declared) {
    switch (parseDeclaredType(declared.c_str()).type) {
        case FieldType::Text:
        case FieldType::FixedText:
            return " COLLATE TSQL_CI";
        case FieldType::Date:
            return declared.find("TEXT") == std::string::npos ? " TEXT COLLATE TSQL_DATE"
                                                              : " COLLATE TSQL_DATE";
        default:
            return "";
    }
}

}  // namespace

PlanRunner::PlanRunner(Engine& engine, Backend& backend) : engine_(engine), backend_(backend) {}
PlanRunner::~PlanRunner() = default;

BatchResult PlanRunner::run(std::string_view sql) {
    const auto [plan, shape] = plans_.find(sql, &types_);  // shared, not copied: lists come often
    if (RowSink* sink = std::exchange(sink_, nullptr);
        sink && plan->statements.size() == 1 && streamable(plan->statements.front())) {
        streamTo_ = sink;
        streaming_ = &plan->statements.front();
    }
    BatchResult result;
    // Variables live as long as their batch.
    variables_.clear();
    handling_.clear();
    if (tranCount_ > 0 && !engine_.inTransaction()) {
        // Whoever ended the transaction, it is no longer open.
        tranCount_ = 0;
        tranName_.clear();
        savepoints_.clear();
    }
    variables_.tranCount = tranCount_;
    const VariablesInUse use(&variables_);
    declareApplies(*plan);
    struct TableVariables {
        PlanRunner& runner;
        std::size_t keep;
        ~TableVariables() { runner.dropTableVariables(keep); }
    } tables{*this, tableVariables_.size()};
    try {
        for (const auto& st : plan->statements)
            if (exec(st, shape->literals, result) == Flow::Return)
                break;
    } catch (const DbError& e) {
        // A plan cached from another batch of the same shape holds that
        // batch's text: the error tells this one's.
        if (sql.find(e.statement()) == std::string_view::npos &&
            std::any_of(plan->statements.begin(), plan->statements.end(),
                        [&](const tsql::Statement& st) { return st.source == e.statement(); }))
            throw DbError(e.errors(), std::string(sql));
        throw;
    }
    return result;
}

std::vector<std::string> PlanRunner::primaryKey(const std::string& table) {
    settle();
    const bool temporary = !table.empty() && table[0] == '#';
    std::vector<std::string> key;
    const auto info = tableInfo(table, temporary);
    for (int k = 1;; ++k) {
        const auto it =
            std::find_if(info.begin(), info.end(), [k](const ColumnInfo& c) { return c.pk == k; });
        if (it == info.end())
            return key;
        key.push_back(it->name);
    }
}

PlanRunner::Flow PlanRunner::exec(const tsql::Statement& st, const Literals& literals,
                                  BatchResult& result) {
    if (deferAdd(st))
        return Flow::Next;
    if (st.kind != tsql::Statement::Kind::Block)  // its statements settle for themselves
        settle();
    const bool dml = st.kind == tsql::Statement::Kind::Query &&
                     (st.sql.rfind("SELECT", 0) == 0 || st.sql.rfind("INSERT", 0) == 0 ||
                      st.sql.rfind("UPDATE", 0) == 0 || st.sql.rfind("DELETE", 0) == 0 ||
                      st.sql.rfind("WITH", 0) == 0);
    const bool control =
        st.kind != tsql::Statement::Kind::Query && st.kind != tsql::Statement::Kind::CreateTable &&
        st.kind != tsql::Statement::Kind::SelectInto &&
        st.kind != tsql::Statement::Kind::AlterColumn &&
        st.kind != tsql::Statement::Kind::AddPrimaryKey && st.kind != tsql::Statement::Kind::Exec &&
        st.kind != tsql::Statement::Kind::InsertExec;
    if (!dml && !control) {
        identities_.clear();  // columns may change
        types_.clear(changesOnlyWorkTables(st));
    }
    switch (st.kind) {
        case tsql::Statement::Kind::Query: {
            if (!st.table.empty())
                ensureRules(st.table, st.temporary);
            if (st.insert)
                checkIdentityColumns(st);
            if (const char* event = triggerEvent(st)) {
                runTriggered(st, literals, result, event);
                break;
            }
            if (&st == streaming_) {
                streamQuery(st, literals, result);
                break;
            }
            bool hasColumns = false;
            long long changed = 0;
            const std::string rewritten = st.insertAllColumns ? withoutIdentity(st) : "";
            ResultSet rs = engine_.query(st.insertAllColumns ? rewritten : st.sql, literals,
                                         st.source, &changed, &hasColumns);
            if (st.truncate && !identityColumn(st.table, st.temporary).empty())
                restartIdentity(st.table, st.temporary);
            if (!st.top.empty())
                keepTop(st, literals, rs);
            result.rowsAffected += changed;
            variables_.error = 0;
            variables_.rowCount = hasColumns ? static_cast<long long>(rs.rows.size()) : changed;
            if (hasColumns) {
                applyResultTypes(rs, st.resultTypes, st.compound);
                result.resultSets.push_back(std::move(rs));
            }
            break;
        }
        case tsql::Statement::Kind::CreateTable:
            if (st.tableVariable && reuseEmptied(st)) {
                tableVariables_.push_back(st.table);
            } else {
                engine_.query(st.sql, literals, st.source, nullptr);
                if (st.tableVariable)
                    tableVariables_.push_back(st.table);
                // A new table has no rules yet; a column added to one does.
                installRules(st.table, st.temporary, st.sql.rfind("CREATE", 0) == 0);
                unruled_.erase(tsql::upper(st.table));
            }
            if (st.sql.rfind("CREATE", 0) == 0 &&
                st.sql.find("tsql_identity_next(") != std::string::npos)
                restartIdentity(st.table, st.temporary);
            break;
        case tsql::Statement::Kind::SelectInto:
            result.rowsAffected += selectInto(st, literals);
            break;
        case tsql::Statement::Kind::Exec:
            execProcedure(st, literals, result);
            break;
        case tsql::Statement::Kind::InsertExec: {
            // Every result set of the procedure goes into the table.
            BatchResult sets;
            execProcedure(st, literals, sets);
            ResultSet rows;
            for (auto& set : sets.resultSets)
                for (auto& row : set.rows)
                    rows.rows.push_back(std::move(row));
            if (!insertTriggered(st, rows, result))
                result.rowsAffected += insertRows(st, rows);
            break;
        }
        case tsql::Statement::Kind::DefineModule:
            defineModule(st);
            break;
        case tsql::Statement::Kind::DropModule:
            dropModule(st);
            break;
        case tsql::Statement::Kind::AlterColumn:
        case tsql::Statement::Kind::AddPrimaryKey:
            rebuild(st);
            break;
        case tsql::Statement::Kind::If: {
            const ResultSet rs = engine_.query(st.sql, literals, st.source, nullptr);
            const bool yes = !rs.rows.empty() && rs.rows[0][0].toText() == "1";
            for (const auto& s : yes ? st.body : st.elseBody)
                if (const Flow f = exec(s, literals, result); f != Flow::Next)
                    return f;
            break;
        }
        case tsql::Statement::Kind::While:
            for (;;) {
                const ResultSet rs = engine_.query(st.sql, literals, st.source, nullptr);
                if (rs.rows.empty() || rs.rows[0][0].toText() != "1")
                    break;
                Flow f = Flow::Next;
                for (const auto& s : st.body)
                    if ((f = exec(s, literals, result)) != Flow::Next)
                        break;
                if (f == Flow::Break)
                    break;
                if (f == Flow::Return)
                    return f;
            }
            break;
        case tsql::Statement::Kind::Block:
            for (const auto& s : st.body)
                if (const Flow f = exec(s, literals, result); f != Flow::Next)
                    return f;
            break;
        case tsql::Statement::Kind::Declare: {
            const std::string& type = st.columns.at(0).type.name;
            const bool fractional =
                ((type == "DECIMAL" || type == "NUMERIC") && st.columns[0].type.scale > 0) ||
                type == "MONEY" || type == "SMALLMONEY" || type == "FLOAT" || type == "REAL";
            variables_.declare(st.name, fractional);
            if (!st.sql.empty())
                assign({st.name}, engine_.query(st.sql, literals, st.source, nullptr), false);
            break;
        }
        case tsql::Statement::Kind::SetVariable:
            assign(st.variables, engine_.query(st.sql, literals, st.source, nullptr), false);
            break;
        case tsql::Statement::Kind::SelectAssign: {
            const ResultSet rs = engine_.query(st.sql, literals, st.source, nullptr);
            assign(st.variables, rs, true);
            variables_.rowCount = static_cast<long long>(rs.rows.size());
            break;
        }
        case tsql::Statement::Kind::Print:
            // Evaluated for its errors; the text has no channel to the caller.
            engine_.query(st.sql, literals, st.source, nullptr);
            break;
        case tsql::Statement::Kind::TryCatch: {
            std::optional<DbError> caught;
            try {
                for (const auto& s : st.body)
                    if (const Flow f = exec(s, literals, result); f != Flow::Next)
                        return f;
            } catch (const DbError& e) {
                caught = e;
            }
            if (!caught)
                break;
            handling_.push_back(*caught);
            setCaught(&handling_.back());
            Flow f = Flow::Next;
            try {
                for (const auto& s : st.elseBody)
                    if ((f = exec(s, literals, result)) != Flow::Next)
                        break;
            } catch (...) {
                handling_.pop_back();
                setCaught(handling_.empty() ? nullptr : &handling_.back());
                throw;
            }
            handling_.pop_back();
            setCaught(handling_.empty() ? nullptr : &handling_.back());
            if (f != Flow::Next)
                return f;
            break;
        }
        case tsql::Statement::Kind::Throw:
            raise(st, literals);
        case tsql::Statement::Kind::Break:
            return Flow::Break;
        case tsql::Statement::Kind::Continue:
            return Flow::Continue;
        case tsql::Statement::Kind::Return:
            if (!st.sql.empty()) {
                if (depth_ == 0)
                    throw DbError({{sqlstate::kSyntax, 178,
                                    "A RETURN statement with a return value cannot be used in "
                                    "this context.",
                                    "T-SQL adapter"}},
                                  st.source);
                const ResultSet rs = engine_.query(st.sql, literals, st.source, nullptr);
                returned_ = rs.rows.empty() ? Value::null() : rs.rows[0].at(0);
            }
            return Flow::Return;
        case tsql::Statement::Kind::Begin:
        case tsql::Statement::Kind::Commit:
        case tsql::Statement::Kind::Rollback:
        case tsql::Statement::Kind::Save:
            transaction(st);
            break;
        case tsql::Statement::Kind::IdentityInsert:
            setIdentityInsert(st);
            break;
        case tsql::Statement::Kind::Output:
            runOutput(st, literals, result);
            break;
        case tsql::Statement::Kind::Merge:
            runMerge(st, literals, result);
            break;
        case tsql::Statement::Kind::Noop:
            break;
    }
    return Flow::Next;
}

void PlanRunner::setCaught(const DbError* error) {
    const ProviderError* e = error && !error->errors().empty() ? &error->errors().front() : nullptr;
    variables_.set("ERROR_NUMBER()",
                   e ? Value(static_cast<long long>(e->nativeError)) : Value::null());
    variables_.set("ERROR_MESSAGE()", e ? Value(e->message) : Value::null());
    variables_.set("ERROR_SEVERITY()", e ? Value(16) : Value::null());
    variables_.set("ERROR_STATE()", e ? Value(1) : Value::null());
    variables_.set("ERROR_LINE()", e ? Value(1) : Value::null());
    variables_.set("ERROR_PROCEDURE()", Value::null());
    if (e)
        variables_.error = e->nativeError;
}

void PlanRunner::raise(const tsql::Statement& st, const Literals& literals) {
    if (st.sql.empty()) {
        // THROW without arguments: the error being handled, again.
        if (handling_.empty())
            throw DbError({{sqlstate::kSyntax, 10704,
                            "To rethrow an error, a THROW statement must be used inside a CATCH "
                            "block.",
                            "T-SQL adapter"}},
                          st.source);
        throw handling_.back();
    }
    const ResultSet rs = engine_.query(st.sql, literals, st.source, nullptr);
    const auto& row = rs.rows.at(0);
    const long number =
        static_cast<long>(row.at(0).toDecimal().value_or(Decimal(50000)).toInt64().value_or(50000));
    throw DbError({{sqlstate::kSyntax, number, row.at(1).toText(), "T-SQL"}}, st.source);
}

void PlanRunner::assign(const std::vector<std::string>& names, const ResultSet& rs, bool last) {
    if (rs.rows.empty())
        return;
    const auto& row = last ? rs.rows.back() : rs.rows.front();
    for (std::size_t k = 0; k < names.size() && k < row.size(); ++k) {
        if (!variables_.declared(names[k]))
            throw DbError(
                {{sqlstate::kSyntax, 137, "Must declare the scalar variable \"" + names[k] + "\".",
                  "T-SQL adapter"}},
                "");
        variables_.set(names[k], row[k]);
    }
}

long long PlanRunner::insertRows(const tsql::Statement& st, const ResultSet& rows) {
    ensureRules(st.table, st.temporary);
    const auto info = tableInfo(st.table, st.temporary);
    if (info.empty())
        throw DbError({{sqlstate::kNoSuchObject, 208, "Invalid object name '" + st.table + "'.",
                        "T-SQL adapter"}},
                      st.source);
    if (!rows.rows.empty() && rows.rows[0].size() != info.size())
        throw DbError({{"21S01", 213,
                        "Column name or number of supplied values does not match table "
                        "definition.",
                        "T-SQL adapter"}},
                      st.source);
    std::string sql = "INSERT INTO " + tsql::quoteName(st.table) + " VALUES (";
    for (std::size_t i = 0; i < info.size(); ++i)
        sql += (i ? ", ?" : "?") + std::to_string(i + 1);
    sql += ")";
    long long count = 0;
    for (const auto& row : rows.rows) {
        engine_.insertRow(sql, row, st.source);
        ++count;
    }
    return count;
}

long long PlanRunner::selectInto(const tsql::Statement& st, const Literals& literals) {
    // The columns' types as declared or as the translation tells them; the
    // query runs for its first row only when neither does.
    auto typeOf = [&](const DescribedColumn& col, std::size_t i) {
        std::string type = col.declared;
        if (type.empty() && i < st.resultTypes.size() && !st.resultTypes[i].name.empty())
            type = st.resultTypes[i].storage();
        for (const auto& [alias, hint] : st.typeHints)
            if (type.empty() && tsql::equalsIgnoreCase(alias, col.name))
                type = hint.storage();
        return type;
    };
    auto described = descriptions_.columns(engine_, types_, st.sql, st.source);
    for (std::size_t i = 0; i < described.size(); ++i)
        if (typeOf(described[i], i).empty()) {
            described = engine_.describe(st.sql, literals, st.source, true);
            break;
        }
    std::string defs;
    std::size_t index = 0;
    for (const auto& col : described) {
        std::string type = typeOf(col, index++);
        if (type.empty()) {
            switch (col.storage) {
                case SQLITE_INTEGER:
                    type = "INT";
                    break;
                case SQLITE_FLOAT:
                    type = "FLOAT";
                    break;
                case SQLITE_TEXT:
                    type = "VARCHAR";
                    break;
                default:
                    break;
            }
        }
        if (!defs.empty())
            defs += ", ";
        defs += tsql::quoteName(col.name);
        if (!type.empty())
            defs += " " + type;
        defs += collationFor(type);
    }
    const std::string table = tsql::quoteName(st.table);
    try {
        engine_.query(std::string("CREATE ") + (st.temporary ? "TEMP " : "") + "TABLE " + table +
                          " (" + defs + ")",
                      {}, st.source, nullptr);
    } catch (const DbError& e) {
        if (e.sqlState() != "42S01")
            throw;
        throw DbError(
            {{"42S01", 2714, "There is already an object named '" + st.table + "' in the database.",
              "T-SQL adapter"}},
            st.source);
    }
    long long changes = 0;
    engine_.query("INSERT INTO " + table + " " + st.sql, literals, st.source, &changes);
    // Rules matter only to what is written into the table later, which most
    // work tables never are: they come with the first statement that does.
    unruled_.insert(tsql::upper(st.table));
    return changes;
}

std::vector<PlanRunner::ColumnInfo> PlanRunner::tableInfo(const std::string& table,
                                                          bool temporary) {
    const std::string sql = std::string("PRAGMA ") + (temporary ? "temp" : "main") +
                            ".table_info(" + tsql::quoteName(table) + ")";
    std::vector<ColumnInfo> out;
    for (const auto& row : engine_.query(sql, {}, sql, nullptr).rows) {
        ColumnInfo c;
        c.name = row[1].toText();
        c.type = row[2].toText();
        c.notNull = row[3].toText() == "1";
        c.defaultValue = row[4].isNull() ? "" : row[4].toText();
        c.pk = static_cast<int>(row[5].toDecimal().value_or(Decimal(0)).toInt64().value_or(0));
        out.push_back(std::move(c));
    }
    return out;
}

// ALTER COLUMN and ADD PRIMARY KEY: SQLite rebuilds the table.
void PlanRunner::rebuild(const tsql::Statement& st) {
    if (!st.temporary)
        throw DbError({{sqlstate::kSyntax, 0,
                        "T-SQL adapter: changing a column or the key of the permanent table '" +
                            st.table + "' is not supported.",
                        "T-SQL adapter"}},
                      st.source);
    auto info = tableInfo(st.table, true);
    if (info.empty())
        throw DbError({{sqlstate::kNoSuchObject, 4902,
                        "Cannot find the object \"" + st.table + "\".", "T-SQL adapter"}},
                      st.source);
    std::vector<std::string> key;
    for (int k = 1;; ++k) {
        bool found = false;
        for (const auto& c : info)
            if (c.pk == k) {
                key.push_back(c.name);
                found = true;
            }
        if (!found)
            break;
    }
    if (st.kind == tsql::Statement::Kind::AddPrimaryKey) {
        if (!key.empty())
            throw DbError({{"42000", 1779,
                            "Table '" + st.table + "' already has a primary key defined on it.",
                            "T-SQL adapter"}},
                          st.source);
        key = st.keyColumns;
    }
    std::string defs, select;
    bool alteredFound = st.kind != tsql::Statement::Kind::AlterColumn;
    for (const auto& c : info) {
        std::string type = c.type;
        bool notNull = c.notNull;
        std::string expr = tsql::quoteName(c.name);
        if (st.kind == tsql::Statement::Kind::AlterColumn &&
            tsql::equalsIgnoreCase(c.name, st.columns[0].name)) {
            const auto& t = st.columns[0].type;
            type = t.storage();
            notNull = st.columns[0].notNull;
            expr = "tsql_convert(" + expr + ", '" + t.name + "', " + std::to_string(t.length) +
                   ", " + std::to_string(t.scale) + ")";
            alteredFound = true;
        }
        for (const auto& k : key)
            if (tsql::equalsIgnoreCase(k, c.name))
                notNull = true;
        if (!defs.empty()) {
            defs += ", ";
            select += ", ";
        }
        defs += tsql::quoteName(c.name) + (type.empty() ? "" : " " + type);
        defs += collationFor(type);
        if (notNull)
            defs += " NOT NULL";
        if (!c.defaultValue.empty())
            defs += " DEFAULT " + c.defaultValue;
        select += expr;
    }
    if (!alteredFound)
        throw DbError({{sqlstate::kNoSuchColumn, 4924,
                        "ALTER TABLE ALTER COLUMN failed because column '" + st.columns[0].name +
                            "' does not exist in table '" + st.table + "'.",
                        "T-SQL adapter"}},
                      st.source);
    for (const auto& k : key) {
        bool known = false;
        for (const auto& c : info)
            known = known || tsql::equalsIgnoreCase(k, c.name);
        if (!known)
            throw DbError({{sqlstate::kNoSuchColumn, 1911,
                            "Column name '" + k + "' does not exist in the target table or view.",
                            "T-SQL adapter"}},
                          st.source);
    }
    if (!key.empty()) {
        defs += ", PRIMARY KEY (";
        for (std::size_t i = 0; i < key.size(); ++i)
            defs += (i ? ", " : "") + tsql::quoteName(key[i]);
        defs += ")";
    }
    const std::string table = tsql::quoteName(st.table);
    engine_.direct("SAVEPOINT tsql_rebuild");
    try {
        engine_.direct("CREATE TEMP TABLE \"tsql_rebuild\" (" + defs + ")");
        engine_.direct("INSERT INTO \"tsql_rebuild\" SELECT " + select + " FROM temp." + table);
        engine_.direct("DROP TABLE temp." + table);
        engine_.direct("ALTER TABLE temp.\"tsql_rebuild\" RENAME TO " + table);
        engine_.direct("RELEASE tsql_rebuild");
    } catch (const DbError& e) {
        engine_.direct("ROLLBACK TO tsql_rebuild");
        engine_.direct("RELEASE tsql_rebuild");
        auto errors = e.errors();
        throw DbError(errors, st.source);
    }
    installRules(st.table, true, true);  // the old table went with its rules
    unruled_.erase(tsql::upper(st.table));
}

bool PlanRunner::deferAdd(const tsql::Statement& st) {
    if (st.kind != tsql::Statement::Kind::CreateTable || !st.temporary ||
        st.sql.rfind("ALTER", 0) != 0 || st.columns.size() != 1 || st.columns[0].notNull)
        return false;
    const std::string marker = " ADD COLUMN ";
    const auto at = st.sql.find(marker);
    if (at == std::string::npos)
        return false;
    // Pending columns of another table wait no longer.
    const std::string key = tsql::upper(st.table);
    if (!pending_.empty() && pending_.begin()->first != key)
        settle();
    auto it = pending_.find(key);
    if (it == pending_.end()) {
        PendingAdds adds;
        adds.table = st.table;
        for (const auto& c : tableInfo(st.table, true))
            adds.existing.push_back(tsql::upper(c.name));
        if (adds.existing.empty())
            throw DbError({{sqlstate::kNoSuchObject, 4902,
                            "Cannot find the object \"" + st.table +
                                "\" because it does not exist or you do not have permissions.",
                            "T-SQL adapter"}},
                          st.source);
        it = pending_.emplace(key, std::move(adds)).first;
    }
    PendingAdds& adds = it->second;
    const std::string name = tsql::upper(st.columns[0].name);
    if (std::find(adds.existing.begin(), adds.existing.end(), name) != adds.existing.end() ||
        std::find(adds.names.begin(), adds.names.end(), name) != adds.names.end())
        throw DbError(
            {{"42S21", 2705,
              "Column names in each table must be unique. Column name '" + st.columns[0].name +
                  "' in table '" + st.table + "' is specified more than once.",
              "T-SQL adapter"}},
            st.source);
    adds.names.push_back(name);
    adds.defs.push_back(st.sql.substr(at + marker.size()));
    types_.clear();
    return true;
}

void PlanRunner::settle() {
    if (pending_.empty())
        return;
    auto waiting = std::move(pending_);
    pending_.clear();
    types_.clear();
    for (auto& [key, adds] : waiting) {
        const std::string& name = adds.table;
        const auto info = tableInfo(name, true);
        std::string defs, columns, primary;
        for (int k = 1;; ++k) {
            const auto c = std::find_if(info.begin(), info.end(),
                                        [k](const ColumnInfo& i) { return i.pk == k; });
            if (c == info.end())
                break;
            primary += (primary.empty() ? "" : ", ") + tsql::quoteName(c->name);
        }
        for (const auto& c : info) {
            columns += (columns.empty() ? "" : ", ") + tsql::quoteName(c.name);
            defs += (defs.empty() ? "" : ", ") + tsql::quoteName(c.name) +
                    (c.type.empty() ? "" : " " + c.type) + collationFor(c.type) +
                    (c.notNull ? " NOT NULL" : "") +
                    (c.defaultValue.empty() ? "" : " DEFAULT " + c.defaultValue);
        }
        for (const auto& d : adds.defs)
            defs += ", " + d;
        if (!primary.empty())
            defs += ", PRIMARY KEY (" + primary + ")";
        const std::string table = tsql::quoteName(name);
        engine_.direct("SAVEPOINT tsql_rebuild");
        try {
            engine_.direct("CREATE TEMP TABLE \"tsql_rebuild\" (" + defs + ")");
            engine_.direct("INSERT INTO \"tsql_rebuild\" (" + columns + ") SELECT " + columns +
                           " FROM temp." + table);
            engine_.direct("DROP TABLE temp." + table);
            engine_.direct("ALTER TABLE temp.\"tsql_rebuild\" RENAME TO " + table);
            engine_.direct("RELEASE tsql_rebuild");
        } catch (const DbError&) {
            engine_.direct("ROLLBACK TO tsql_rebuild");
            engine_.direct("RELEASE tsql_rebuild");
            throw;
        }
        installRules(name, true, true);  // the old table went with its rules
        unruled_.erase(key);
    }
}

// ---- column rules: CHAR(n) stored blank-padded, text longer than its
// column refused, dates kept in one comparable form.
void PlanRunner::installAllRules() {
    const std::string sql =
        "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%'";
    for (const auto& row : engine_.query(sql, {}, sql, nullptr).rows)
        installRules(row[0].toText(), false, false);
}

void PlanRunner::ensureRules(const std::string& table, bool temporary) {
    const auto it = unruled_.find(tsql::upper(table));
    if (it == unruled_.end())
        return;
    unruled_.erase(it);
    installRules(table, temporary, true);
}

std::string PlanRunner::withoutIdentity(const tsql::Statement& st) {
    std::string columns;
    bool identity = false;
    for (const auto& c : tableInfo(st.table, st.temporary)) {
        if (c.defaultValue.find("tsql_identity_next(") != std::string::npos)
            identity = true;
        else
            columns += (columns.empty() ? "" : ", ") + tsql::quoteName(c.name);
    }
    if (!identity)
        return st.sql;
    const std::string head = "INSERT INTO " + tsql::quoteName(st.table) + " ";
    if (st.sql.rfind(head, 0) != 0)
        return st.sql;
    return head + "(" + columns + ") " + st.sql.substr(head.size());
}

}  // namespace db::sqlite
