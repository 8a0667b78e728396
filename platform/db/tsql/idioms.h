#pragma once
// Query idioms of T-SQL that SQLite writes another way, rewritten token by
// token before a statement is translated: a table of VALUES named with its
// columns, and TOP (n) WITH TIES or PERCENT, which the runner finishes on
// the rows the query returns.

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/db/tsql/emitter.h"

namespace db::tsql {

// A token the adapter writes, standing where `at` stands so that errors
// quote the statement.
Token generatedToken(TokenKind kind, std::string text, const Token& at);
// Appends the tokens of `text` (written by the adapter, without literals).
void putTokens(Tokens& out, std::string_view text, const Token& at);

// The items of a comma-separated list [b, e) at its top level.
std::vector<std::pair<std::size_t, std::size_t>> listItems(const Tokens& t, std::size_t b,
                                                           std::size_t e);
// The first word of `words` at the top level of [b, e); e when none.
std::size_t findWord(const Tokens& t, std::size_t b, std::size_t e,
                     std::initializer_list<const char*> words);
// A select item's alias, upper case ("" when it has none), and where its
// expression ends.
std::string aliasOf(const Tokens& t, std::size_t b, std::size_t e, std::size_t& exprEnd);

// (VALUES (...), (...)) [AS] name (a, b) anywhere in the batch becomes
// (SELECT column1 AS a, column2 AS b FROM (VALUES ...)) AS name.
void rewriteValuesTables(Tokens& t);

// The rewrites above and CROSS/OUTER APPLY (query) AS name, which becomes
// APPLY of a table function kept in `plan.applies` whose arguments are the
// outer columns the query reads (name.column); `sql` is the batch's text.
void rewriteIdioms(Tokens& t, std::string_view sql, Plan& plan);

// TOP (n) WITH TIES and TOP (n) PERCENT of a SELECT.
struct TopRows {
    Tokens query;  // the SELECT without its TOP, the ORDER BY keys appended to its select list
    Tokens count;  // n
    bool percent = false;
    bool ties = false;
    std::size_t keys = 0;  // hidden columns at the end of each row
};

// False when the query block starting at b has no TOP ... WITH TIES or
// PERCENT; throws SQL Server's errors for WITH TIES without ORDER BY (1062).
bool topRows(const Tokens& t, std::size_t b, std::size_t e, std::string_view statement,
             TopRows& out);
// The query of `top`, translated, with its count and keys for the runner.
Statement withTop(Statement st, const TopRows& top, const std::string& src, Plan& plan);

}  // namespace db::tsql
