#include "window/formatta_campo.h"

#include <cstdio>

#include "common/value_helpers.h"
#include "platform/db/recordset.h"
#include "platform/framework/formatters.h"

namespace card {

namespace {

bool isNumeric(db::FieldType type) {
    return type == db::FieldType::Integer || type == db::FieldType::Decimal ||
           type == db::FieldType::Double;
}

std::optional<db::Decimal> numberOf(const db::Value& value, const std::string& text) {
    if (value.type() == db::Value::Type::Double)
        return db::Decimal::fromDouble(value.asDouble());
    if (value.isNumber())
        return value.toDecimal();
    return framework::CLSFW_Number::parse(text);
}

std::optional<db::DateTime> dateOf(const db::Value& value, const std::string& text) {
    if (value.type() == db::Value::Type::Date)
        return value.asDate();
    return framework::CLSFW_Date::parse(text);
}

}  // namespace

std::string formattaNumero(const db::Decimal& number, int decimals) {
    std::string digits = number.rescaled(decimals).toString();
    bool negative = !digits.empty() && digits.front() == '-';
    if (negative)
        digits.erase(0, 1);
    std::string whole = digits, fraction;
    if (auto dot = digits.find('.'); dot != std::string::npos) {
        whole = digits.substr(0, dot);
        fraction = digits.substr(dot + 1);
    }
    std::string grouped;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            grouped += '.';
        grouped += whole[i];
    }
    // A value that rounds to zero shows no sign, as the pattern does.
    bool zero = whole.find_first_not_of('0') == std::string::npos &&
                fraction.find_first_not_of('0') == std::string::npos;
    std::string out = (negative && !zero ? "-" : "") + grouped;
    if (decimals > 0)
        out += "," + fraction;
    return out;
}

std::string formattaData(const db::DateTime& date) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", date.day % 100, date.month % 100,
                  date.year % 10000);
    return buf;
}

std::string FormattaCampo(const db::Column& column, const db::Value& value) {
    std::string text = common::NzValore(value, "");
    if (text.empty())
        return text;
    if (isNumeric(column.type)) {
        auto n = numberOf(value, text);
        return n ? formattaNumero(*n, column.scale > 0 ? 2 : 0) : text;
    }
    if (column.type == db::FieldType::Date) {
        auto d = dateOf(value, text);
        return d ? formattaData(*d) : text;
    }
    return text;
}

std::string FormattaCampo(const db::Recordset& recordset, int field) {
    return FormattaCampo(recordset.field(field), recordset.value(field));
}

}  // namespace card
