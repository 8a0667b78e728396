#pragma once
// Binary values (BINARY, VARBINARY, constants 0x...) kept as SQLite blobs,
// and CAST/CONVERT to and from them as SQL Server converts:
// tsql_binary(value, 'TYPE', length, style, 'FROM').

#include <sqlite3.h>

#include <string>
#include <string_view>

namespace db::sqlite {

void registerBinaryFunctions(sqlite3* db);

// "0x" and the bytes in upper-case hexadecimal, as SQL Server shows binary values.
std::string hexOf(std::string_view bytes);

}  // namespace db::sqlite
