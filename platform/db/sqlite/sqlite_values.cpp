#include "platform/db/sqlite/sqlite_values.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "platform/db/sqlite/binary_functions.h"

namespace db::sqlite {
namespace {

bool startsWith(std::string_view s, std::string_view p) {
    return s.substr(0, p.size()) == p;
}

std::string_view textOfColumn(sqlite3_value* v) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? std::string_view(p, static_cast<std::size_t>(sqlite3_value_bytes(v)))
             : std::string_view();
}

std::size_t charCount(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n;
}

// A DECIMAL(p, s) column stores its values as doubles, each the nearest
// double to a number of s decimals. When scaling by 10^s and rounding gives
// an integer that maps back to the same double, that integer is the mantissa:
// no writing the double out and parsing it back for every value read. Fifteen
// digits survive a double both ways, so this is the value the long way gives.
std::optional<Decimal> atScale(double value, int scale) {
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (scale < 0 || scale > 15)
        return std::nullopt;
    const double power = kPowers[scale];
    const double scaled = value * power;
    if (!(std::fabs(scaled) < 1e15))
        return std::nullopt;
    // A whole number (most quantities, 0 above all) is exact as it is: no
    // division needed to prove it.
    if (value == std::trunc(value))
        return Decimal(static_cast<__int128>(static_cast<std::int64_t>(value)) *
                           static_cast<std::int64_t>(power),
                       scale);
    const double mantissa = std::round(scaled);
    if (mantissa / power != value)
        return std::nullopt;
    return Decimal(static_cast<__int128>(static_cast<std::int64_t>(mantissa)), scale);
}

}  // namespace

DeclaredType parseDeclaredType(const char* decl) {
    DeclaredType t;
    if (!decl || !*decl)
        return t;
    std::string up;
    for (const char* p = decl; *p; ++p)
        up += static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
    int a = 0, b = 0;
    if (auto open = up.find('('); open != std::string::npos) {
        a = std::atoi(up.c_str() + open + 1);
        if (auto comma = up.find(',', open); comma != std::string::npos)
            b = std::atoi(up.c_str() + comma + 1);
        if (up.find("MAX", open) != std::string::npos)
            a = 0;
    }
    if (startsWith(up, "DECIMAL") || startsWith(up, "NUMERIC")) {
        t.type = FieldType::Decimal;
        t.precision = a ? a : 18;
        t.scale = b;
    } else if (startsWith(up, "MONEY") || startsWith(up, "SMALLMONEY")) {
        t.type = FieldType::Decimal;
        t.precision = 19;
        t.scale = 4;
    } else if (startsWith(up, "CHAR") || startsWith(up, "NCHAR")) {
        t.type = FieldType::FixedText;
        t.size = a ? a : 1;
    } else if (startsWith(up, "VARCHAR") || startsWith(up, "NVARCHAR") || startsWith(up, "TEXT") ||
               startsWith(up, "NTEXT") || startsWith(up, "SYSNAME")) {
        t.type = FieldType::Text;
        t.size = a;
    } else if (startsWith(up, "BIT")) {
        t.type = FieldType::Boolean;
    } else if (up.find("INT") != std::string::npos) {
        t.type = FieldType::Integer;
    } else if (startsWith(up, "FLOAT") || startsWith(up, "REAL") || startsWith(up, "DOUBLE")) {
        t.type = FieldType::Double;
    } else if (startsWith(up, "DATETIME2") || startsWith(up, "DATETIMEOFFSET") ||
               startsWith(up, "TIME")) {
        // Kept as text in their own form, finer than DateTime's milliseconds.
        t.type = FieldType::Text;
        t.size = 0;
    } else if (startsWith(up, "DATE") || startsWith(up, "SMALLDATETIME")) {
        t.type = FieldType::Date;
    } else if (startsWith(up, "UNIQUEIDENTIFIER")) {
        t.type = FieldType::Text;
        t.size = 36;
    } else if (startsWith(up, "VARBINARY") || startsWith(up, "BINARY") || startsWith(up, "IMAGE") ||
               startsWith(up, "BLOB")) {
        t.type = FieldType::Binary;
        // Bytes it holds: BINARY alone is BINARY(1), MAX none.
        t.size = a ? a : startsWith(up, "BINARY") && up.find('(') == std::string::npos ? 1 : 0;
    } else {
        t.type = FieldType::Text;
    }
    return t;
}

FieldType typeOfStorage(int storageClass) {
    switch (storageClass) {
        case SQLITE_INTEGER:
            return FieldType::Integer;
        case SQLITE_FLOAT:
            return FieldType::Decimal;
        case SQLITE_NULL:
            return FieldType::Empty;
        default:
            return FieldType::Text;
    }
}

std::optional<Decimal> readDecimal(sqlite3_value* v, const DeclaredType& type) {
    switch (sqlite3_value_type(v)) {
        case SQLITE_NULL:
            return std::nullopt;
        case SQLITE_INTEGER:
            return Decimal(static_cast<std::int64_t>(sqlite3_value_int64(v))).rescaled(type.scale);
        case SQLITE_FLOAT: {
            const double d = sqlite3_value_double(v);
            if (auto exact = atScale(d, type.scale))
                return exact;
            return Decimal::fromDouble(d).rescaled(type.scale);
        }
        default:
            if (auto d = Decimal::parse(textOfColumn(v)))
                return d->rescaled(type.scale);
            return std::nullopt;
    }
}

Value readValue(sqlite3_value* v, const DeclaredType& type) {
    const int storage = sqlite3_value_type(v);
    if (storage == SQLITE_NULL)
        return Value::null();
    switch (type.type) {
        case FieldType::Decimal:
            if (auto d = readDecimal(v, type))
                return *d;
            break;
        case FieldType::Integer:
            if (storage == SQLITE_INTEGER)
                return static_cast<long long>(sqlite3_value_int64(v));
            break;
        case FieldType::Boolean:
            if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT)
                return sqlite3_value_double(v) != 0;
            break;
        case FieldType::Double:
            if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT)
                return sqlite3_value_double(v);
            break;
        case FieldType::Date:
            if (storage == SQLITE_TEXT) {
                if (auto d = DateTime::parseIso(textOfColumn(v)))
                    return *d;
            }
            break;
        case FieldType::FixedText: {
            std::string s(textOfColumn(v));
            const std::size_t n = charCount(s);
            if (n < static_cast<std::size_t>(type.size))
                s.append(static_cast<std::size_t>(type.size) - n, ' ');
            return s;
        }
        default:
            break;
    }
    switch (storage) {
        case SQLITE_INTEGER:
            return static_cast<long long>(sqlite3_value_int64(v));
        case SQLITE_FLOAT:
            return Decimal::fromDouble(sqlite3_value_double(v));
        case SQLITE_BLOB:
            return hexOf(std::string_view(static_cast<const char*>(sqlite3_value_blob(v)),
                                          static_cast<std::size_t>(sqlite3_value_bytes(v))));
        default:
            return std::string(textOfColumn(v));
    }
}

Value readColumn(sqlite3_stmt* st, int column, const DeclaredType& type) {
    return readValue(sqlite3_column_value(st, column), type);
}

void bindValue(sqlite3_stmt* st, int index, const Value& v) {
    switch (v.type()) {
        case Value::Type::Empty:
        case Value::Type::Null:
            sqlite3_bind_null(st, index);
            break;
        case Value::Type::Bool:
            sqlite3_bind_int(st, index, v.asBool() ? 1 : 0);
            break;
        case Value::Type::Int:
            sqlite3_bind_int64(st, index, v.asInt());
            break;
        case Value::Type::Decimal:
            if (auto i = v.asDecimal().toInt64(); i && v.asDecimal().isInteger())
                sqlite3_bind_int64(st, index, *i);
            else
                sqlite3_bind_double(st, index, v.asDecimal().toDouble());
            break;
        case Value::Type::Double:
            sqlite3_bind_double(st, index, v.asDouble());
            break;
        case Value::Type::Text:
            sqlite3_bind_text(st, index, v.asText().data(), static_cast<int>(v.asText().size()),
                              SQLITE_TRANSIENT);
            break;
        case Value::Type::Date: {
            const std::string s = v.asDate().toIsoString();
            sqlite3_bind_text(st, index, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
            break;
        }
    }
}

void resultValue(sqlite3_context* ctx, const Value& v) {
    switch (v.type()) {
        case Value::Type::Empty:
        case Value::Type::Null:
            sqlite3_result_null(ctx);
            break;
        case Value::Type::Bool:
            sqlite3_result_int(ctx, v.asBool() ? 1 : 0);
            break;
        case Value::Type::Int:
            sqlite3_result_int64(ctx, v.asInt());
            break;
        case Value::Type::Decimal:
            if (auto i = v.asDecimal().toInt64(); i && v.asDecimal().isInteger())
                sqlite3_result_int64(ctx, *i);
            else
                sqlite3_result_double(ctx, v.asDecimal().toDouble());
            break;
        case Value::Type::Double:
            sqlite3_result_double(ctx, v.asDouble());
            break;
        case Value::Type::Text:
            sqlite3_result_text(ctx, v.asText().data(), static_cast<int>(v.asText().size()),
                                SQLITE_TRANSIENT);
            break;
        case Value::Type::Date: {
            const std::string s = v.asDate().toIsoString();
            sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
            break;
        }
    }
}

}  // namespace db::sqlite
