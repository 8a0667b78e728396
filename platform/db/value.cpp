#include "platform/db/value.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string_view>

namespace db {
namespace {

std::string doubleText(double d) {
    if (d == 0)
        return "0";
    // Ordinary magnitudes read as plain decimals ("0.3", "1250"); only very
    // large or very small ones fall back to an exponent.
    const double a = std::fabs(d);
    if (std::isfinite(d) && a >= 1e-5 && a < 1e15)
        return Decimal::fromDouble(d).toString();
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, d, std::chars_format::general, 15);
    return std::string(buffer, r.ptr);
}

std::string dateText(const DateTime& d) {
    if (!d.hasTime())
        return d.toIsoDate();
    return d.toIsoString().substr(0, 19);
}

// The numbers that convert to Decimal exactly.
std::optional<Decimal> exactNumber(const Value& v) {
    switch (v.type()) {
        case Value::Type::Bool:
            return Decimal(v.asBool() ? -1 : 0);
        case Value::Type::Int:
            return Decimal(v.asInt());
        case Value::Type::Decimal:
            return v.asDecimal();
        default:
            return std::nullopt;
    }
}

int sign(double d) {
    return d < 0 ? -1 : d > 0 ? 1 : 0;
}

template <typename T>
int threeWay(const T& a, const T& b) {
    return a < b ? -1 : b < a ? 1 : 0;
}

int compareNumbers(const Value& a, const Value& b) {
    const bool da = a.type() == Value::Type::Double, dbl = b.type() == Value::Type::Double;
    if (da && dbl)
        return threeWay(a.asDouble(), b.asDouble());
    if (!da && !dbl)
        return threeWay(*exactNumber(a), *exactNumber(b));
    // A double against an exact number: compare as the decimal the double
    // stands for, so that 0.1 read back from a float column equals 0.1.
    const Value& d = da ? a : b;
    const Decimal exact = *exactNumber(da ? b : a);
    int c;
    try {
        c = threeWay(Decimal::fromDouble(d.asDouble()), exact);
    } catch (const std::exception&) {
        c = sign(d.asDouble() - exact.toDouble());
    }
    return da ? c : -c;
}

// Case folding of ASCII and of the Latin-1 letters (UTF-8 "\xC3\x80".."\xC3\x9E"),
// enough for Italian texts.
void foldInto(std::string_view s, std::string& out) {
    out.clear();
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < s.size()) {
            auto next = static_cast<unsigned char>(s[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97)
                next += 0x20;
            out += static_cast<char>(c);
            out += static_cast<char>(next);
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
}

std::string_view withoutTrailingBlanks(std::string_view s) {
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

int compareTexts(std::string_view a, std::string_view b) {
    std::string fa, fb;
    foldInto(withoutTrailingBlanks(a), fa);
    foldInto(withoutTrailingBlanks(b), fb);
    const int c = fa.compare(fb);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

// Order of kinds when two values cannot be compared by content.
int kindRank(const Value& v) {
    if (v.isEmptyOrNull())
        return 0;
    if (v.isNumber())
        return 1;
    if (v.type() == Value::Type::Date)
        return 2;
    return 3;
}

}  // namespace

bool Value::isNumber() const {
    switch (type()) {
        case Type::Bool:
        case Type::Int:
        case Type::Decimal:
        case Type::Double:
            return true;
        default:
            return false;
    }
}

std::string Value::toText() const {
    switch (type()) {
        case Type::Empty:
        case Type::Null:
            return "";
        case Type::Bool:
            return asBool() ? "True" : "False";
        case Type::Int:
            return std::to_string(asInt());
        case Type::Decimal:
            return asDecimal().toString();
        case Type::Double:
            return doubleText(asDouble());
        case Type::Text:
            return asText();
        case Type::Date:
            return dateText(asDate());
    }
    return "";
}

std::optional<Decimal> Value::toDecimal() const {
    switch (type()) {
        case Type::Double:
            try {
                return Decimal::fromDouble(asDouble());
            } catch (const std::exception&) {
                return std::nullopt;  // NaN, infinity or beyond the decimal range
            }
        case Type::Text:
            return Decimal::parse(asText());
        default:
            return exactNumber(*this);
    }
}

int Value::compare(const Value& a, const Value& b) {
    if (a.isEmptyOrNull() || b.isEmptyOrNull())
        return threeWay(!a.isEmptyOrNull(), !b.isEmptyOrNull());
    if (a.isNumber() && b.isNumber())
        return compareNumbers(a, b);
    if (a.isText() && b.isText())
        return compareTexts(a.asText(), b.asText());
    if (a.type() == Type::Date && b.type() == Type::Date)
        return threeWay(a.asDate(), b.asDate());
    // Mixed kinds: text that reads as the other kind compares by content, as
    // a filter typed by the user against a numeric or date column expects.
    if (a.isText() || b.isText()) {
        const Value& text = a.isText() ? a : b;
        const Value& other = a.isText() ? b : a;
        int c = 0;
        bool converted = false;
        if (other.isNumber()) {
            if (auto d = Decimal::parse(text.asText())) {
                c = compareNumbers(Value(*d), other);
                converted = true;
            }
        } else if (auto d = DateTime::parseIso(text.asText())) {
            c = threeWay(*d, other.asDate());
            converted = true;
        }
        if (converted)
            return a.isText() ? c : -c;
    }
    return threeWay(kindRank(a), kindRank(b));
}

std::string typeName(Value::Type type) {
    switch (type) {
        case Value::Type::Empty:
            return "Empty";
        case Value::Type::Null:
            return "Null";
        case Value::Type::Bool:
            return "Boolean";
        case Value::Type::Int:
            return "Integer";
        case Value::Type::Decimal:
            return "Decimal";
        case Value::Type::Double:
            return "Double";
        case Value::Type::Text:
            return "String";
        case Value::Type::Date:
            return "Date";
    }
    return "Unknown";
}

std::string rtrim(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

long long integerOf(const Value& value, long long deflt) {
    const auto d = value.toDecimal();
    return d ? d->toInt64().value_or(deflt) : deflt;
}

}  // namespace db
