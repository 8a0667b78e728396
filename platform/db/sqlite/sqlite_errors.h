#pragma once
// SQLite's failures as the layer reports them: SQLSTATE, and SQL Server's
// own numbers and messages where it has them, so that a caller (and a T-SQL
// CATCH block) sees what SQL Server would report.

#include <string>
#include <string_view>

namespace db::sqlite {

// SQLSTATE of a SQLite result code and message, as the layer reports it.
std::string sqlStateOf(int resultCode, const std::string& message);
// The message shown for a SQLite failure: SQLite's own, preceded by an
// explanation where SQLite's is obscure (a lock held by another connection).
std::string clearMessage(int resultCode, const std::string& message);
// SQL Server's number and message for the SQLite failures it has its own
// for (a missing table 208, column 207, function 195, a syntax error 102);
// `native` keeps SQLite's result code and `message` its text otherwise.
// With the statement's T-SQL text, a column whose prefix names no table or
// alias of it is SQL Server's unbound identifier (4104, `state` 42000).
void sqlServerError(std::string& message, long& native, std::string_view statement = {},
                    std::string* state = nullptr);

}  // namespace db::sqlite
