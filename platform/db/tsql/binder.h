#pragma once
// Checks SQL Server makes on a query's names before it runs, where SQLite
// would run the statement and answer something: a column of the select list
// outside GROUP BY and outside every aggregate (8120).

#include <string_view>

#include "platform/db/tsql/emitter.h"

namespace db::tsql {

// Throws DbError (42000, 8120) for the first query block of [b, e) whose
// select list names a column that is neither grouped nor aggregated, when
// the block groups (GROUP BY, or an aggregate in its select list).
void checkGrouping(const Tokens& t, std::size_t b, std::size_t e, std::string_view statement);

// SELECT alias = expression, as SQL Server reads it (SQLite would compare):
// `out` gets [b, e) with such items written "expression AS alias"; false
// when there are none.
bool aliasesByEquals(const Tokens& t, std::size_t b, std::size_t e, Tokens& out);

}  // namespace db::tsql
