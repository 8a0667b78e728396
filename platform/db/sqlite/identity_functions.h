#pragma once
// IDENTITY columns: the next value of a column, and the last one this
// connection generated (SCOPE_IDENTITY(), @@IDENTITY).

#include <sqlite3.h>

namespace db::sqlite {

// tsql_identity_next, tsql_identity_seen, tsql_scope_identity.
void registerIdentityFunctions(sqlite3* db);

}  // namespace db::sqlite
