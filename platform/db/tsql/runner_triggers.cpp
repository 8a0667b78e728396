// AFTER triggers written in T-SQL. SQLite's own triggers fire per row; SQL
// Server's fire once per statement, with the rows it wrote in `inserted` and
// the rows it removed in `deleted`. So a table that has T-SQL triggers gets
// row triggers of this connection that only capture the rows, and after the
// statement the runner gives the captured rows to each trigger's body as the
// work tables INSERTED and DELETED. The statement and its triggers stand or
// fall together.

#include <algorithm>

#include "platform/db/errors.h"
#include "platform/db/tsql/emitter.h"
#include "platform/db/tsql/runner.h"

namespace db::sqlite {
namespace {

std::string captureTable(const std::string& table, bool inserted) {
    return tsql::quoteName((inserted ? "tsql_ins_" : "tsql_del_") + tsql::upper(table));
}

}  // namespace

const char* PlanRunner::triggerEvent(const tsql::Statement& st) {
    if (st.table.empty() || st.temporary || st.kind != tsql::Statement::Kind::Query)
        return nullptr;
    const char* event = st.sql.rfind("INSERT", 0) == 0   ? "INSERT"
                        : st.sql.rfind("UPDATE", 0) == 0 ? "UPDATE"
                        : st.sql.rfind("DELETE", 0) == 0 ? "DELETE"
                                                         : nullptr;
    if (!event)
        return nullptr;
    // Another connection may have made or dropped a trigger since they were
    // read: SQLite counts the changes other connections commit. Asked only
    // between transactions: inside one, the question would take a read lock
    // before the statement's own and could keep another writer waiting.
    if (!engine_.inTransaction()) {
        static const std::string version = "PRAGMA data_version";
        const ResultSet v = engine_.query(version, {}, version, nullptr);
        const long long seen = v.rows.empty() ? 0 : std::stoll("0" + v.rows[0].at(0).toText());
        if (seen != dataVersion_) {
            dataVersion_ = seen;
            triggersLoaded_ = false;
        }
    }
    if (!triggersLoaded_)
        loadTriggers();
    const std::string key = tsql::upper(st.table);
    if (triggers_.find(key) == triggers_.end() || firing_.count(key))
        return nullptr;
    return event;
}

void PlanRunner::loadTriggers() {
    triggersLoaded_ = true;
    triggers_.clear();
    ResultSet stored;
    try {
        const std::string sql =
            "SELECT name, definition FROM main.tsql_modules WHERE kind = 'TRIGGER'";
        stored = engine_.query(sql, {}, sql, nullptr);
    } catch (const DbError&) {
        return;  // no T-SQL object was ever stored
    }
    for (const auto& row : stored.rows) {
        const auto m = parsed(row[1].toText());
        triggers_[tsql::upper(m->table)].push_back(row[0].toText());
    }
    for (const auto& [table, names] : triggers_) {
        if (captured_.count(table))
            continue;
        const auto info = tableInfo(table, false);
        if (info.empty())
            continue;
        std::string fresh, old;
        for (const auto& c : info) {
            fresh += (fresh.empty() ? "NEW." : ", NEW.") + tsql::quoteName(c.name);
            old += (old.empty() ? "OLD." : ", OLD.") + tsql::quoteName(c.name);
        }
        const std::string on = " ON main." + tsql::quoteName(table) + " BEGIN ";
        const std::string ins = captureTable(table, true), del = captureTable(table, false);
        for (const auto& t : {ins, del})
            engine_.direct("CREATE TEMP TABLE IF NOT EXISTS " + t + " AS SELECT * FROM main." +
                           tsql::quoteName(table) + " WHERE 0");
        const std::string base = "tsql_capture_" + table;
        engine_.direct("CREATE TEMP TRIGGER IF NOT EXISTS " + tsql::quoteName(base + "_i") +
                       " AFTER INSERT" + on + "INSERT INTO " + ins + " VALUES (" + fresh +
                       "); END");
        engine_.direct("CREATE TEMP TRIGGER IF NOT EXISTS " + tsql::quoteName(base + "_d") +
                       " AFTER DELETE" + on + "INSERT INTO " + del + " VALUES (" + old + "); END");
        engine_.direct("CREATE TEMP TRIGGER IF NOT EXISTS " + tsql::quoteName(base + "_u") +
                       " AFTER UPDATE" + on + "INSERT INTO " + ins + " VALUES (" + fresh +
                       "); INSERT INTO " + del + " VALUES (" + old + "); END");
        captured_.insert(table);
    }
    // A table whose triggers went captures nothing more.
    for (auto it = captured_.begin(); it != captured_.end();) {
        if (triggers_.count(*it)) {
            ++it;
            continue;
        }
        for (const char* suffix : {"_i", "_d", "_u"})
            engine_.direct("DROP TRIGGER IF EXISTS temp." +
                           tsql::quoteName("tsql_capture_" + *it + suffix));
        it = captured_.erase(it);
    }
}

void PlanRunner::runTriggered(const tsql::Statement& st, const Literals& literals,
                              BatchResult& result, const std::string& event) {
    const std::string key = tsql::upper(st.table);
    const std::string ins = "temp." + captureTable(key, true),
                      del = "temp." + captureTable(key, false);
    engine_.direct("SAVEPOINT tsql_trigger");
    try {
        engine_.direct("DELETE FROM " + ins);
        engine_.direct("DELETE FROM " + del);
        bool hasColumns = false;
        long long changed = 0;
        ResultSet rs = engine_.query(st.insertAllColumns ? withoutIdentity(st) : st.sql, literals,
                                     st.source, &changed, &hasColumns);
        result.rowsAffected += changed;
        if (hasColumns)
            result.resultSets.push_back(std::move(rs));
        // The body sees the rows as INSERTED and DELETED (temporary tables
        // come before the database's own names). A trigger fired from
        // another's body has its own; the outer ones wait under other names.
        const std::string outer = "tsql_outer_" + std::to_string(firing_.size()) + "_";
        const bool nested = !firing_.empty();
        if (nested)
            for (const char* name : {"INSERTED", "DELETED"})
                engine_.direct(std::string("ALTER TABLE temp.") + name + " RENAME TO " + outer +
                               name);
        for (const char* name : {"INSERTED", "DELETED"})
            engine_.direct(std::string("DROP TABLE IF EXISTS temp.") + name);
        engine_.direct("CREATE TEMP TABLE INSERTED AS SELECT * FROM " + ins);
        engine_.direct("CREATE TEMP TABLE DELETED AS SELECT * FROM " + del);
        engine_.direct("DELETE FROM " + ins);
        engine_.direct("DELETE FROM " + del);
        firing_.insert(key);
        try {
            for (const auto& name : triggers_[key]) {
                std::string kind;
                const std::string definition = moduleDefinition(name, &kind);
                if (definition.empty())
                    continue;
                const auto m = parsed(definition);
                if (std::find(m->events.begin(), m->events.end(), event) == m->events.end())
                    continue;
                BatchResult inner;
                runModule(*m, {}, inner, nullptr);
                for (auto& set : inner.resultSets)
                    result.resultSets.push_back(std::move(set));
            }
        } catch (...) {
            firing_.erase(key);
            throw;
        }
        firing_.erase(key);
        for (const char* name : {"INSERTED", "DELETED"})
            engine_.direct(std::string("DROP TABLE IF EXISTS temp.") + name);
        if (nested)
            for (const char* name : {"INSERTED", "DELETED"})
                engine_.direct("ALTER TABLE temp." + outer + name + " RENAME TO " + name);
        variables_.error = 0;
        variables_.rowCount = hasColumns ? static_cast<long long>(rs.rows.size()) : changed;
        engine_.direct("RELEASE tsql_trigger");
    } catch (...) {
        try {
            engine_.direct("ROLLBACK TO tsql_trigger");
            engine_.direct("RELEASE tsql_trigger");
        } catch (const DbError&) {
            // The trigger's own ROLLBACK already ended the transaction.
        }
        throw;
    }
}

bool PlanRunner::insertTriggered(const tsql::Statement& st, const ResultSet& rows,
                                 BatchResult& result) {
    // The procedure's rows go in by one INSERT ... SELECT from a work table,
    // so that the table's triggers fire once for all of them.
    tsql::Statement insert;
    insert.kind = tsql::Statement::Kind::Query;
    insert.table = st.table;
    insert.source = st.source;
    insert.sql =
        "INSERT INTO " + tsql::quoteName(st.table) + " SELECT * FROM temp.tsql_insert_exec";
    if (st.temporary || !triggerEvent(insert))
        return false;
    engine_.direct("DROP TABLE IF EXISTS temp.tsql_insert_exec");
    engine_.direct("CREATE TEMP TABLE tsql_insert_exec AS SELECT * FROM main." +
                   tsql::quoteName(st.table) + " WHERE 0");
    tsql::Statement stage = st;
    stage.table = "tsql_insert_exec";
    stage.temporary = true;
    insertRows(stage, rows);
    runTriggered(insert, {}, result, "INSERT");
    engine_.direct("DROP TABLE temp.tsql_insert_exec");
    return true;
}

}  // namespace db::sqlite
