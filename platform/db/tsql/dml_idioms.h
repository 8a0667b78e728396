#pragma once
// Statements that write rows and that SQLite has no form for: MERGE, the
// OUTPUT clause of INSERT, UPDATE and DELETE, TRUNCATE TABLE. Each becomes
// statements the translator already knows, written over work tables, which
// the runner carries out in order (PlanRunner::runOutput, runMerge).

#include <functional>
#include <string>

#include "platform/db/tsql/emitter.h"

namespace db::tsql {

// Translates one statement of rewritten tokens as the batch's own.
using TranslateTokens = std::function<Statement(const Tokens&)>;

// The work tables the runner fills with the rows a statement inserted and
// deleted while it captures them.
inline constexpr const char* kOutputInserted = "#tsql_out_ins";
inline constexpr const char* kOutputDeleted = "#tsql_out_del";
// The action a MERGE step takes, as OUTPUT's $action reads it.
inline constexpr const char* kMergeAction = "$ACTION";

// The statement [b, e) when it is TRUNCATE TABLE, MERGE, or an INSERT,
// UPDATE or DELETE with OUTPUT; false for any other.
bool writeIdiom(const Tokens& t, std::size_t b, std::size_t e, const std::string& src, Plan& plan,
                const TranslateTokens& sub, Statement& out);

}  // namespace db::tsql
