#include "platform/db/value_literal.h"

#include <cstdio>

#include "platform/db/sql_literal.h"
#include "platform/db/value.h"

namespace db {

std::string valueLiteral(const Value& v, LiteralDialect dialect) {
    const bool tsql = dialect == LiteralDialect::TSql;
    switch (v.type()) {
        case Value::Type::Empty:
        case Value::Type::Null:
            return "NULL";
        case Value::Type::Bool:
            return v.asBool() ? "1" : "0";
        case Value::Type::Int:
            return std::to_string(v.asInt());
        case Value::Type::Decimal:
            return v.asDecimal().toString();
        case Value::Type::Double: {
            if (tsql)
                return Decimal::fromDouble(v.asDouble()).toString();
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%.17g", v.asDouble());
            return buffer;
        }
        case Value::Type::Date:
            return sqlQuoted(v.asDate().toIsoString());
        case Value::Type::Text:
            break;
    }
    return (tsql ? "N" : "") + sqlQuoted(v.asText());
}

}  // namespace db
