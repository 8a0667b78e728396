#pragma once
// A value written into statement text as a literal: the batch updates of
// the recordset write T-SQL, the ODBC backend's parameters go to SQLite.

#include <string>

namespace db {

class Value;

enum class LiteralDialect {
    TSql,    // N'text', doubles through Decimal
    Sqlite,  // 'text', doubles with every digit
};

std::string valueLiteral(const Value& v, LiteralDialect dialect);

}  // namespace db
