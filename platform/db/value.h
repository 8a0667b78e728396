#pragma once
// The dynamically typed value that recordset fields, control contents and the
// host contract's "variant" properties hold: Empty (never assigned), Null
// (database null), boolean, integer, exact decimal, double, text or date.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "platform/db/date_time.h"
#include "platform/db/decimal.h"

namespace db {

struct EmptyValue {
    friend bool operator==(EmptyValue, EmptyValue) { return true; }
};
struct NullValue {
    friend bool operator==(NullValue, NullValue) { return true; }
};

class Value {
public:
    enum class Type { Empty, Null, Bool, Int, Decimal, Double, Text, Date };

    Value() = default;
    static Value null() { return Value(NullValue{}); }
    Value(NullValue n) : v_(n) {}                 // NOLINT
    Value(bool b) : v_(b) {}                      // NOLINT
    Value(int i) : v_(std::int64_t{i}) {}         // NOLINT
    Value(long i) : v_(std::int64_t{i}) {}        // NOLINT
    Value(long long i) : v_(std::int64_t{i}) {}   // NOLINT
    Value(Decimal d) : v_(d) {}                   // NOLINT
    Value(double d) : v_(d) {}                    // NOLINT
    Value(std::string s) : v_(std::move(s)) {}    // NOLINT
    Value(const char* s) : v_(std::string(s)) {}  // NOLINT
    Value(DateTime d) : v_(d) {}                  // NOLINT

    Type type() const { return static_cast<Type>(v_.index()); }
    bool isEmpty() const { return type() == Type::Empty; }
    bool isNull() const { return type() == Type::Null; }
    bool isEmptyOrNull() const { return isEmpty() || isNull(); }
    bool isText() const { return type() == Type::Text; }
    bool isNumber() const;  // Int, Decimal, Double or Bool

    // Typed access; throws std::bad_variant_access on the wrong type.
    bool asBool() const { return std::get<bool>(v_); }
    std::int64_t asInt() const { return std::get<std::int64_t>(v_); }
    const Decimal& asDecimal() const { return std::get<Decimal>(v_); }
    double asDouble() const { return std::get<double>(v_); }
    const std::string& asText() const { return std::get<std::string>(v_); }
    const DateTime& asDate() const { return std::get<DateTime>(v_); }

    // Text form, as a value is concatenated into SQL or shown raw: Empty and
    // Null give "", numbers use '.' and no grouping ("12.50", "-3"), booleans
    // "True"/"False", dates "YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS" when they
    // carry a time.
    std::string toText() const;
    // Numeric conversion: numbers as they are, booleans -1/0, text parsed
    // (blanks around allowed, '.' separator). nullopt when not a number,
    // including Empty, Null and blank text.
    std::optional<Decimal> toDecimal() const;

    // Ordering used by sorting and filtering: Empty/Null first, numbers by
    // value, text case-insensitively ignoring trailing blanks, dates by time.
    static int compare(const Value& a, const Value& b);
    // Exact equality (same type and content); Empty == Empty, Null == Null.
    friend bool operator==(const Value& a, const Value& b) { return a.v_ == b.v_; }

private:
    std::variant<EmptyValue, NullValue, bool, std::int64_t, Decimal, double, std::string, DateTime>
        v_;
};

std::string typeName(Value::Type type);

// The text without its trailing blanks (the padding of CHAR columns).
std::string rtrim(std::string text);
// The whole part of a number; Empty, Null and what is not a number give
// deflt. Text that is not a number is not an error here: callers that must
// refuse it pass the value through NzNumero first.
long long integerOf(const Value& value, long long deflt = 0);

}  // namespace db
