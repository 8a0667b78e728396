#include "platform/exchange/sheet.h"

#include <cstdio>

namespace exchange {

Cell Cell::Text(std::string text) {
    Cell c;
    c.kind = text.empty() ? Kind::Blank : Kind::Text;
    c.text = std::move(text);
    return c;
}

Cell Cell::Number(const db::Decimal& number, int decimals) {
    Cell c;
    c.kind = Kind::Number;
    c.number = number;
    c.decimals = decimals;
    return c;
}

Cell Cell::Date(const db::DateTime& date) {
    Cell c;
    c.kind = Kind::Date;
    c.date = date;
    return c;
}

Cell Cell::FromValue(const db::Value& value, int decimals) {
    using T = db::Value::Type;
    switch (value.type()) {
        case T::Empty:
        case T::Null:
            return {};
        case T::Bool:
            return Number(value.asBool() ? 1 : 0, 0);
        case T::Int:
        case T::Decimal:
        case T::Double:
            // Without a scale of its own a decimal shows the one it carries.
            if (auto d = value.toDecimal())
                return Number(*d,
                              decimals >= 0 || value.type() != T::Decimal ? decimals : d->scale());
            return Text(value.toText());
        case T::Date:
            return Date(value.asDate());
        case T::Text:
        default:
            return Text(RightTrimmed(value.toText()));
    }
}

std::string RightTrimmed(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.pop_back();
    return text;
}

std::string ItalianNumber(const db::Decimal& number, int decimals, bool thousands) {
    const std::string plain = (decimals >= 0 ? number.rescaled(decimals) : number).toString();
    const bool negative = !plain.empty() && plain[0] == '-';
    const std::string body = negative ? plain.substr(1) : plain;
    const std::size_t point = body.find('.');
    std::string integer = body.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : body.substr(point + 1);
    if (thousands)
        for (int at = static_cast<int>(integer.size()) - 3; at > 0; at -= 3)
            integer.insert(static_cast<std::size_t>(at), ".");
    return (negative ? "-" : "") + integer + (fraction.empty() ? "" : "," + fraction);
}

std::string CellText(const Cell& cell) {
    switch (cell.kind) {
        case Cell::Kind::Text:
            return cell.text;
        case Cell::Kind::Number:
            return ItalianNumber(cell.number, cell.decimals, false);
        case Cell::Kind::Date: {
            char text[32];
            const db::DateTime& d = cell.date;
            if (d.hasTime())
                std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", d.day, d.month,
                              d.year, d.hour, d.minute, d.second);
            else
                std::snprintf(text, sizeof text, "%02d/%02d/%04d", d.day, d.month, d.year);
            return text;
        }
        case Cell::Kind::Blank:
        default:
            return {};
    }
}

}  // namespace exchange
