#include "platform/db/sqlite/identity_functions.h"

#include <algorithm>
#include <string>

#include "platform/db/sqlite/sqlite_functions.h"

namespace db::sqlite {
namespace {

struct IdentityState {
    bool any = false;
    long long last = 0;
};

void fnIdentityNext(sqlite3_context* ctx, int, sqlite3_value** a) {
    auto* state = static_cast<IdentityState*>(sqlite3_user_data(ctx));
    const std::string table = textOf(a[0]), column = textOf(a[1]);
    const long long seed = sqlite3_value_int64(a[2]), step = sqlite3_value_int64(a[3]);
    auto quoted = [](const std::string& name) {
        std::string q = "\"";
        for (char ch : name)
            q += ch == '"' ? std::string("\"\"") : std::string(1, ch);
        return q + "\"";
    };
    const std::string sql = std::string("SELECT ") + (step < 0 ? "min(" : "max(") + quoted(column) +
                            ") FROM " + quoted(table);
    sqlite3* db = sqlite3_context_db_handle(ctx);
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
        sqlite3_result_error(ctx, sqlite3_errmsg(db), -1);
        return;
    }
    long long next = seed;
    if (sqlite3_step(st) == SQLITE_ROW && sqlite3_column_type(st, 0) != SQLITE_NULL)
        next = sqlite3_column_int64(st, 0) + step;
    sqlite3_finalize(st);
    // The highest value given so far, kept beside the table's schema: a
    // deleted last row does not give its number again. A database made
    // before the store existed has none, and numbers after the rows left.
    const bool temporary =
        sqlite3_table_column_metadata(db, "temp", table.c_str(), column.c_str(), nullptr, nullptr,
                                      nullptr, nullptr, nullptr) == SQLITE_OK;
    const std::string store = temporary ? "temp.tsql_identity" : "main.tsql_identity";
    st = nullptr;
    if (sqlite3_prepare_v2(db, ("SELECT last FROM " + store + " WHERE name = ?1").c_str(), -1, &st,
                           nullptr) == SQLITE_OK) {
        sqlite3_bind_text(st, 1, table.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(st) == SQLITE_ROW) {
            const long long given = sqlite3_column_int64(st, 0) + step;
            next = step < 0 ? std::min(next, given) : std::max(next, given);
        }
        sqlite3_finalize(st);
        st = nullptr;
        if (sqlite3_prepare_v2(db,
                               ("INSERT INTO " + store +
                                " (name, last) VALUES (?1, ?2) ON CONFLICT (name) DO UPDATE "
                                "SET last = excluded.last")
                                   .c_str(),
                               -1, &st, nullptr) == SQLITE_OK) {
            sqlite3_bind_text(st, 1, table.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int64(st, 2, next);
            const int rc = sqlite3_step(st);
            sqlite3_finalize(st);
            if (rc != SQLITE_DONE)
                return sqlite3_result_error(ctx, sqlite3_errmsg(db), -1);
        }
    }
    state->any = true;
    state->last = next;
    sqlite3_result_int64(ctx, next);
}

void fnIdentitySeen(sqlite3_context* ctx, int, sqlite3_value** a) {
    auto* state = static_cast<IdentityState*>(sqlite3_user_data(ctx));
    state->any = true;
    state->last = sqlite3_value_int64(a[0]);
    sqlite3_result_null(ctx);
}

void fnScopeIdentity(sqlite3_context* ctx, int, sqlite3_value**) {
    const auto* state = static_cast<const IdentityState*>(sqlite3_user_data(ctx));
    if (!state->any)
        return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, state->last);
}

}  // namespace

void registerIdentityFunctions(sqlite3* db) {
    // One state a connection, freed with the first function when it closes.
    auto* identity = new IdentityState;
    sqlite3_create_function_v2(db, "tsql_identity_next", 4, SQLITE_UTF8, identity, fnIdentityNext,
                               nullptr, nullptr,
                               [](void* p) { delete static_cast<IdentityState*>(p); });
    sqlite3_create_function_v2(db, "tsql_identity_seen", 1, SQLITE_UTF8, identity, fnIdentitySeen,
                               nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "tsql_scope_identity", 0, SQLITE_UTF8, identity, fnScopeIdentity,
                               nullptr, nullptr, nullptr);
}

}  // namespace db::sqlite
