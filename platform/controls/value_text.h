#pragma once
// Conversions between database values and the texts controls show and edit.

#include <QString>

#include "platform/db/backend.h"
#include "platform/db/value.h"

namespace controls {

// Text of a value as shown ("" for Empty and Null), as Value::toText without
// the blanks a CHAR column pads a text with.
QString ValueText(const db::Value& value);
// Value typed by a user for a field of the given type: blank gives Null;
// numbers accept ',' or '.' as the decimal separator; dates accept
// "dd/MM/yyyy" and ISO forms. Throws std::invalid_argument naming the text
// when it does not fit the type.
db::Value ValueFromText(const QString& text, db::FieldType type);
// Numeric reading of a value for check boxes: nonzero number -> true.
bool ValueIsTrue(const db::Value& value);

}  // namespace controls
