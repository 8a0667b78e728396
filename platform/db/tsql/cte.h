#pragma once
// Recursive common table expressions as SQL Server runs them: a recursion
// deeper than 100 levels, or than OPTION (MAXRECURSION n) allows, ends the
// statement with error 530 instead of running on.

#include <string_view>

#include "platform/db/tsql/emitter.h"

namespace db::tsql {

// The statement [b, e) (WITH ... or a SELECT with OPTION) with each recursive
// CTE counting its levels in a hidden column and OPTION (...) taken out;
// the tokens as they are when there is nothing to do.
Tokens guardRecursion(const Tokens& t, std::size_t b, std::size_t e, std::string_view statement);

}  // namespace db::tsql
