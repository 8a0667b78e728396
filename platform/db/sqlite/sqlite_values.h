#pragma once
// Moving values between SQLite and the layer's Value, guided by the
// declared type of the column ("DECIMAL(18,3)", "CHAR(20)", "DATETIME").

#include <sqlite3.h>

#include <optional>

#include "platform/db/backend.h"
#include "platform/db/value.h"

namespace db::sqlite {

struct DeclaredType {
    FieldType type = FieldType::Empty;  // Empty: nothing declared
    int size = 0;
    int precision = 0;
    int scale = 0;
};

DeclaredType parseDeclaredType(const char* decl);
// Field type of an undeclared column from the storage class of a value.
FieldType typeOfStorage(int storageClass);

Value readValue(sqlite3_value* v, const DeclaredType& type);
// What readValue gives a DECIMAL column's number, without the Value;
// nullopt for NULL and for what is not a number.
std::optional<Decimal> readDecimal(sqlite3_value* v, const DeclaredType& type);
Value readColumn(sqlite3_stmt* st, int column, const DeclaredType& type);
void bindValue(sqlite3_stmt* st, int index, const Value& v);
void resultValue(sqlite3_context* ctx, const Value& v);

}  // namespace db::sqlite
