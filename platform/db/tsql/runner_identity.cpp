// IDENTITY columns as SQL Server guards them: SET IDENTITY_INSERT and the
// rules it sets for an INSERT's columns.

#include <algorithm>

#include "platform/db/errors.h"
#include "platform/db/sql_literal.h"
#include "platform/db/tsql/lexer.h"
#include "platform/db/tsql/runner.h"

namespace db::sqlite {

std::string PlanRunner::identityColumn(const std::string& table, bool temporary) {
    const std::string key = tsql::upper(table);
    if (auto it = identities_.find(key); it != identities_.end())
        return it->second;
    std::string column;
    for (const auto& c : tableInfo(table, temporary))
        if (c.defaultValue.find("tsql_identity_next(") != std::string::npos)
            column = c.name;
    identities_[key] = column;
    return column;
}

void PlanRunner::restartIdentity(const std::string& table, bool temporary) {
    const std::string store = temporary ? "temp.tsql_identity" : "main.tsql_identity";
    engine_.direct("CREATE TABLE IF NOT EXISTS " + store +
                   " (name TEXT PRIMARY KEY COLLATE NOCASE, last INTEGER NOT NULL)");
    engine_.direct("DELETE FROM " + store + " WHERE name = " + db::sqlQuoted(table));
}

void PlanRunner::setIdentityInsert(const tsql::Statement& st) {
    auto fail = [&](long native, const std::string& message) {
        throw DbError({{sqlstate::kSyntax, native, message, "T-SQL adapter"}}, st.source);
    };
    const std::string key = tsql::upper(st.table);
    if (tableInfo(st.table, st.temporary).empty())
        fail(1088, "Cannot find the object \"" + st.table +
                       "\" because it does not exist or you do not have permissions.");
    if (identityColumn(st.table, st.temporary).empty())
        fail(8106, "Table '" + st.table +
                       "' does not have the identity property. Cannot perform SET operation.");
    if (st.sql == "OFF") {
        if (identityInsert_ == key)
            identityInsert_.clear();
        return;
    }
    if (!identityInsert_.empty() && identityInsert_ != key)
        fail(8107, "IDENTITY_INSERT is already ON for table '" + identityInsert_ +
                       "'. Cannot perform SET operation for table '" + st.table + "'.");
    identityInsert_ = key;
}

void PlanRunner::checkIdentityColumns(const tsql::Statement& st) {
    const bool on = !identityInsert_.empty() && identityInsert_ == tsql::upper(st.table);
    if (!on && st.insertColumns.empty())
        return;  // the IDENTITY column, if any, is left out
    const std::string identity = identityColumn(st.table, st.temporary);
    if (identity.empty())
        return;
    const bool named = std::find(st.insertColumns.begin(), st.insertColumns.end(),
                                 tsql::upper(identity)) != st.insertColumns.end();
    auto fail = [&](const char* state, long native, const std::string& message) {
        throw DbError({{state, native, message, "T-SQL adapter"}}, st.source);
    };
    if (!on && named)
        fail(sqlstate::kIntegrity, 544,
             "Cannot insert explicit value for identity column in table '" + st.table +
                 "' when IDENTITY_INSERT is set to OFF.");
    if (on && st.insertColumns.empty())
        fail(sqlstate::kSyntax, 8101,
             "An explicit value for the identity column in table '" + st.table +
                 "' can only be specified when a column list is used and IDENTITY_INSERT is ON.");
    if (on && !named)
        fail(sqlstate::kIntegrity, 545,
             "Explicit value must be specified for identity column in table '" + st.table +
                 "' either when IDENTITY_INSERT is set to ON or when a replication user is "
                 "inserting into a NOT FOR REPLICATION identity column.");
}

}  // namespace db::sqlite
