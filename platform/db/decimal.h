#pragma once
// Exact decimal number: a 128-bit mantissa of at most 38 digits and a scale (digits after the
// point, 0..28). Money and quantities travel as Decimal from the database to
// the screen, so they never pass through binary floating point.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace db {

class Decimal {
public:
    static constexpr int kMaxScale = 28;

    Decimal() = default;
    Decimal(std::int64_t integer) : mantissa_(integer) {}  // NOLINT: implicit by design
    Decimal(__int128 mantissa, int scale);

    // Parses "[+-]digits[.digits][e[+-]digits]" with '.' as the separator.
    // Leading and trailing blanks are allowed; anything else gives nullopt.
    static std::optional<Decimal> parse(std::string_view text);
    // The shortest decimal that round-trips the double, at most 15 digits.
    static Decimal fromDouble(double value);

    // Canonical text with '.' and exactly scale() decimals: "12.50", "-3", "0.001".
    std::string toString() const;
    int scale() const { return scale_; }
    __int128 mantissa() const { return mantissa_; }
    bool isZero() const { return mantissa_ == 0; }
    bool isInteger() const;

    // Round half away from zero to the given scale (or extend with zeros).
    Decimal rescaled(int scale) const;
    // Drops trailing zero decimals: 1.500 -> 1.5.
    Decimal normalized() const;
    double toDouble() const;
    // The integer value when integral and within range.
    std::optional<std::int64_t> toInt64() const;

    Decimal operator-() const { return Decimal(-mantissa_, scale_); }
    friend Decimal operator+(const Decimal& a, const Decimal& b);
    friend Decimal operator-(const Decimal& a, const Decimal& b);
    friend Decimal operator*(const Decimal& a, const Decimal& b);
    // Division to the given number of decimals, rounded (or truncated, as
    // SQL Server divides decimals); throws std::domain_error on zero.
    static Decimal divide(const Decimal& a, const Decimal& b, int scale, bool truncate = false);

    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);
    friend bool operator==(const Decimal& a, const Decimal& b) { return (a <=> b) == 0; }

private:
    __int128 mantissa_ = 0;
    int scale_ = 0;
};

}  // namespace db
