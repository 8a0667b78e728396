// Transactions of T-SQL batches, counted as SQL Server counts them: BEGIN
// TRAN adds one to @@TRANCOUNT and only the outermost opens a transaction;
// COMMIT takes one away and only the last commits; ROLLBACK without a
// savepoint undoes everything and sets the count to 0; SAVE TRAN marks a
// savepoint that ROLLBACK TRAN name returns to, leaving the count alone.

#include <algorithm>
#include <functional>

#include "platform/db/errors.h"
#include "platform/db/tsql/emitter.h"
#include "platform/db/tsql/runner.h"

namespace db::sqlite {
namespace {

std::string savepointName(const std::string& name) {
    return tsql::quoteName("tsql_save_" + name);
}

}  // namespace

void PlanRunner::transaction(const tsql::Statement& st) {
    auto fail = [&](long native, const std::string& message) {
        throw DbError({{"25000", native, message, "T-SQL adapter"}}, st.source);
    };
    switch (st.kind) {
        case tsql::Statement::Kind::Begin:
            if (tranCount_ == 0) {
                engine_.begin();
                tranName_ = st.name;
                savepoints_.clear();
            }
            ++tranCount_;
            break;
        case tsql::Statement::Kind::Commit:
            if (tranCount_ == 0)
                fail(3902,
                     "The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION.");
            if (--tranCount_ == 0) {
                savepoints_.clear();
                engine_.commit();
            }
            break;
        case tsql::Statement::Kind::Save:
            if (tranCount_ == 0)
                fail(628, "Cannot issue SAVE TRANSACTION when there is no active transaction.");
            // A name used again moves the savepoint: SQLite keeps both, the
            // newer answering first, as SQL Server does.
            engine_.direct("SAVEPOINT " + savepointName(st.name));
            savepoints_.push_back(st.name);
            break;
        default: {  // Rollback
            if (tranCount_ == 0)
                fail(3903,
                     "The ROLLBACK TRANSACTION request has no corresponding BEGIN TRANSACTION.");
            if (!st.name.empty() && st.name != tranName_) {
                const auto it = std::find(savepoints_.rbegin(), savepoints_.rend(), st.name);
                if (it == savepoints_.rend())
                    fail(6401, "Cannot roll back " + st.name +
                                   ". No transaction or savepoint of that name was found.");
                keepingTableVariables(
                    [&] { engine_.direct("ROLLBACK TO " + savepointName(st.name)); });
                // Savepoints made after it are gone with what they marked.
                savepoints_.erase(it.base(), savepoints_.end());
                break;
            }
            tranCount_ = 0;
            tranName_.clear();
            savepoints_.clear();
            keepingTableVariables([&] { engine_.rollback(); });
            break;
        }
    }
    variables_.tranCount = tranCount_;
}

void PlanRunner::keepingTableVariables(const std::function<void()>& undo) {
    // A table variable is no part of a transaction: its rows, and the table
    // itself when it was declared inside, outlive a rollback.
    struct Kept {
        std::string name, definition;
        ResultSet rows;
    };
    std::vector<Kept> kept;
    static const std::string find =
        "SELECT sql FROM sqlite_temp_master WHERE type = 'table' AND name = ?1";
    for (const auto& name : tableVariables_) {
        const ResultSet ddl = engine_.query(find, {name}, find, nullptr);
        if (ddl.rows.empty())
            continue;
        const std::string all = "SELECT * FROM temp." + tsql::quoteName(name);
        kept.push_back({name, ddl.rows[0][0].toText(), engine_.query(all, {}, all, nullptr)});
    }
    undo();
    for (const auto& k : kept) {
        const std::string table = "temp." + tsql::quoteName(k.name);
        if (tableInfo(k.name, true).empty()) {
            // "CREATE TABLE ..." as SQLite keeps it: made again among the temporary ones.
            engine_.direct("CREATE TEMP " + k.definition.substr(k.definition.find("TABLE")));
            installRules(k.name, true, true);
        }
        engine_.direct("DELETE FROM " + table);
        std::string insert = "INSERT INTO " + table + " VALUES (";
        for (std::size_t c = 0; c < k.rows.columns.size(); ++c)
            insert += (c ? ", ?" : "?") + std::to_string(c + 1);
        insert += ")";
        for (const auto& row : k.rows.rows)
            engine_.insertRow(insert, row, insert);
    }
}

void PlanRunner::dropTableVariables(std::size_t keep) {
    while (tableVariables_.size() > keep) {
        const std::string name = tableVariables_.back();
        tableVariables_.pop_back();
        identities_.erase(tsql::upper(name));
        unruled_.erase(tsql::upper(name));
        try {
            engine_.direct("DROP TABLE IF EXISTS temp." + tsql::quoteName(name));
        } catch (const DbError&) {
            try {
                engine_.direct("DELETE FROM temp." + tsql::quoteName(name));
                emptied_.insert(tsql::upper(name));
            } catch (const DbError&) {
                // The batch's own error, if any, is the one to report.
            }
        }
    }
}

bool PlanRunner::reuseEmptied(const tsql::Statement& st) {
    const auto it = emptied_.find(tsql::upper(st.table));
    if (it == emptied_.end())
        return false;
    const auto info = tableInfo(st.table, true);
    bool same = info.size() == st.columns.size();
    for (std::size_t k = 0; same && k < info.size(); ++k)
        same = tsql::equalsIgnoreCase(info[k].name, st.columns[k].name) &&
               tsql::equalsIgnoreCase(info[k].type, st.columns[k].type.storage());
    if (!same) {
        try {
            engine_.direct("DROP TABLE IF EXISTS temp." + tsql::quoteName(st.table));
        } catch (const DbError&) {
            return false;  // CREATE says the table is there
        }
    }
    emptied_.erase(it);
    return same;
}

}  // namespace db::sqlite
