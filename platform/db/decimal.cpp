#include "platform/db/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace db {
namespace {

using u128 = unsigned __int128;

// 38 digits, the widest decimal SQL Server holds: what the database can
// store, the layer can carry, and nothing wider.
constexpr u128 maxMagnitude() {
    u128 m = 1;
    for (int i = 0; i < 38; ++i)
        m *= 10;
    return m - 1;
}
constexpr u128 kMaxMagnitude = maxMagnitude();

// Unsigned 256-bit magnitude: wide enough for the product of two mantissas
// and for a mantissa aligned to another's scale, so that no intermediate
// result overflows before the final rounding.
struct Wide {
    u128 hi = 0, lo = 0;

    bool isZero() const { return hi == 0 && lo == 0; }
    bool fits() const { return hi == 0 && lo <= kMaxMagnitude; }
    friend bool operator==(const Wide&, const Wide&) = default;
};

int compareWide(const Wide& a, const Wide& b) {
    if (a.hi != b.hi)
        return a.hi < b.hi ? -1 : 1;
    if (a.lo != b.lo)
        return a.lo < b.lo ? -1 : 1;
    return 0;
}

Wide addWide(const Wide& a, const Wide& b, bool& overflow) {
    Wide r;
    r.lo = a.lo + b.lo;
    u128 carry = r.lo < a.lo ? 1 : 0;
    r.hi = a.hi + b.hi + carry;
    if (r.hi < a.hi || (carry && r.hi == a.hi))
        overflow = true;
    return r;
}

// a - b with a >= b.
Wide subWide(const Wide& a, const Wide& b) {
    Wide r;
    r.lo = a.lo - b.lo;
    r.hi = a.hi - b.hi - (a.lo < b.lo ? 1 : 0);
    return r;
}

Wide mul128(u128 a, u128 b) {
    const std::uint64_t a0 = static_cast<std::uint64_t>(a),
                        a1 = static_cast<std::uint64_t>(a >> 64);
    const std::uint64_t b0 = static_cast<std::uint64_t>(b),
                        b1 = static_cast<std::uint64_t>(b >> 64);
    const u128 p00 = u128{a0} * b0, p01 = u128{a0} * b1, p10 = u128{a1} * b0, p11 = u128{a1} * b1;
    const u128 mid =
        (p00 >> 64) + static_cast<std::uint64_t>(p01) + static_cast<std::uint64_t>(p10);
    Wide r;
    r.lo = (mid << 64) | static_cast<std::uint64_t>(p00);
    r.hi = p11 + (p01 >> 64) + (p10 >> 64) + (mid >> 64);
    return r;
}

Wide mulWide(const Wide& a, std::uint64_t m, bool& overflow) {
    Wide lo = mul128(a.lo, m);
    Wide hi = mul128(a.hi, m);
    if (hi.hi != 0)
        overflow = true;
    return addWide(lo, Wide{hi.lo, 0}, overflow);
}

// Divides in place by a small divisor and returns the remainder.
std::uint64_t divSmall(Wide& a, std::uint64_t d) {
    std::uint64_t limbs[4] = {
        static_cast<std::uint64_t>(a.hi >> 64), static_cast<std::uint64_t>(a.hi),
        static_cast<std::uint64_t>(a.lo >> 64), static_cast<std::uint64_t>(a.lo)};
    u128 rem = 0;
    for (auto& limb : limbs) {
        const u128 cur = (rem << 64) | limb;
        limb = static_cast<std::uint64_t>(cur / d);
        rem = cur % d;
    }
    a.hi = (u128{limbs[0]} << 64) | limbs[1];
    a.lo = (u128{limbs[2]} << 64) | limbs[3];
    return static_cast<std::uint64_t>(rem);
}

Wide shiftLeft1(const Wide& a) {
    return Wide{(a.hi << 1) | (a.lo >> 127), a.lo << 1};
}

// Quotient rounded half away from zero (magnitudes, so "up"), or truncated.
Wide divRounded(const Wide& n, const Wide& d, bool truncate = false) {
    Wide q, r;
    for (int bit = 255; bit >= 0; --bit) {
        r = shiftLeft1(r);
        const bool set = bit >= 128 ? (n.hi >> (bit - 128)) & 1 : (n.lo >> bit) & 1;
        r.lo |= set ? 1 : 0;
        q = shiftLeft1(q);
        if (compareWide(r, d) >= 0) {
            r = subWide(r, d);
            q.lo |= 1;
        }
    }
    // r < d; round up when 2r >= d (a top bit about to be shifted out means 2r > d).
    if (!truncate && ((r.hi >> 127) != 0 || compareWide(shiftLeft1(r), d) >= 0)) {
        bool ignored = false;
        q = addWide(q, Wide{0, 1}, ignored);
    }
    return q;
}

Wide scaleUp(Wide a, int digits, bool& overflow) {
    for (; digits > 0; --digits)
        a = mulWide(a, 10, overflow);
    return a;
}

// Drops `digits` decimals, rounding half away from zero: only the most
// significant dropped digit decides.
Wide dropDigits(Wide a, int digits) {
    if (digits <= 0)
        return a;
    std::uint64_t last = 0;
    for (int i = 0; i < digits; ++i)
        last = divSmall(a, 10);
    if (last >= 5) {
        bool ignored = false;
        a = addWide(a, Wide{0, 1}, ignored);
    }
    return a;
}

u128 magnitude(__int128 m) {
    return m < 0 ? u128(0) - u128(m) : u128(m);
}

// A signed wide value at a given scale, reduced to a Decimal: the scale is
// capped at kMaxScale and, when the magnitude still does not fit, decimals are
// given up until it does (as SQL Server does for products and sums).
Decimal fitDecimal(bool negative, const Wide& mag, int scale) {
    int drop = std::max(0, scale - Decimal::kMaxScale);
    Wide probe = dropDigits(mag, drop);
    while (!probe.fits() && scale - drop > 0) {
        ++drop;
        probe = dropDigits(mag, drop);
    }
    if (!probe.fits())
        throw std::overflow_error("Overflow del valore decimale");
    const __int128 m = static_cast<__int128>(probe.lo);
    return Decimal(negative ? -m : m, scale - drop);
}

Wide alignedMagnitude(const Decimal& d, int scale) {
    bool overflow = false;
    Wide w = scaleUp(Wide{0, magnitude(d.mantissa())}, scale - d.scale(), overflow);
    if (overflow)
        throw std::overflow_error("Overflow del valore decimale");
    return w;
}

Decimal addSigned(const Decimal& a, const Decimal& b, bool negateB) {
    const int scale = std::max(a.scale(), b.scale());
    const Wide ma = alignedMagnitude(a, scale), mb = alignedMagnitude(b, scale);
    const bool na = a.mantissa() < 0, nb = (b.mantissa() < 0) != negateB && b.mantissa() != 0;
    if (na == nb) {
        bool overflow = false;
        const Wide sum = addWide(ma, mb, overflow);
        if (overflow)
            throw std::overflow_error("Overflow del valore decimale");
        return fitDecimal(na, sum, scale);
    }
    if (compareWide(ma, mb) >= 0)
        return fitDecimal(na, subWide(ma, mb), scale);
    return fitDecimal(nb, subWide(mb, ma), scale);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

Decimal::Decimal(__int128 mantissa, int scale) : mantissa_(mantissa), scale_(scale) {
    if (scale >= 0 && scale <= kMaxScale)
        return;
    const bool negative = mantissa < 0;
    Wide mag{0, magnitude(mantissa)};
    if (scale < 0) {
        bool overflow = false;
        mag = scaleUp(mag, -scale, overflow);
        if (overflow)
            throw std::overflow_error("Overflow del valore decimale");
        scale = 0;
    }
    *this = fitDecimal(negative, mag, scale);
}

std::optional<Decimal> Decimal::parse(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    // Digits are kept as text first so that the rounding to kMaxScale and the
    // range check see every digit.
    std::string digits;
    int decimals = 0, digitCount = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digitCount)
        digits += text[i];
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9';
             ++i, ++digitCount, ++decimals)
            digits += text[i];
    }
    if (digitCount == 0)
        return std::nullopt;
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExp = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negativeExp = text[i++] == '-';
        const std::size_t start = i;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            if (exponent < 100000)
                exponent = exponent * 10 + (text[i] - '0');
        }
        if (i == start)
            return std::nullopt;
        if (negativeExp)
            exponent = -exponent;
    }
    if (i != text.size())
        return std::nullopt;

    // Leading zeros carry no value and would only trip the range check.
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return Decimal(0, static_cast<int>(std::clamp<long>(decimals - exponent, 0, kMaxScale)));
    digits.erase(0, firstNonZero);

    long scale = decimals - exponent;
    if (scale < 0) {
        if (static_cast<long>(digits.size()) - scale > 40)
            return std::nullopt;
        digits.append(static_cast<std::size_t>(-scale), '0');
        scale = 0;
    }
    // Beyond kMaxScale the extra decimals are rounded away; only the first
    // dropped digit decides the rounding.
    char firstDropped = '0';
    if (scale > kMaxScale) {
        const long excess = scale - kMaxScale;
        if (excess > static_cast<long>(digits.size()))
            return Decimal(0, kMaxScale);
        const std::size_t kept = digits.size() - static_cast<std::size_t>(excess);
        firstDropped = digits[kept];
        digits.resize(kept);
        scale = kMaxScale;
    }
    Wide mag;
    bool overflow = false;
    for (char c : digits) {
        mag = mulWide(mag, 10, overflow);
        mag = addWide(mag, Wide{0, static_cast<u128>(c - '0')}, overflow);
        if (overflow)
            return std::nullopt;
    }
    if (firstDropped >= '5')
        mag = addWide(mag, Wide{0, 1}, overflow);
    if (overflow || !mag.fits())
        return std::nullopt;
    const __int128 m = static_cast<__int128>(mag.lo);
    return Decimal(negative ? -m : m, static_cast<int>(scale));
}

Decimal Decimal::fromDouble(double value) {
    if (!std::isfinite(value))
        throw std::domain_error("Valore non numerico");
    // A whole number of at most 15 digits is exact as it is.
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return Decimal(static_cast<std::int64_t>(value));
    // Fifteen significant digits is all a double reliably carries; rounding
    // there makes 0.1 + 0.2 come back as 0.3, as users typed it.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    // The zeros that end the digits ("1.50000000000000e+01") go before
    // parsing: the value comes out with its shortest scale at once, without
    // dividing a 128-bit mantissa by ten for each of them. Reading stored
    // decimals does this for every value.
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    std::size_t end = e;
    while (end > 0 && text[end - 1] == '0')
        --end;
    if (end > 0 && text[end - 1] == '.')
        --end;
    char trimmed[64];
    const std::size_t kept = text.copy(trimmed, end);
    const std::size_t size = kept + text.substr(e).copy(trimmed + kept, sizeof trimmed - kept);
    auto parsed = parse(std::string_view(trimmed, size));
    if (!parsed)
        throw std::overflow_error("Overflow del valore decimale");
    return parsed->normalized();
}

std::string Decimal::toString() const {
    u128 mag = magnitude(mantissa_);
    std::string digits;
    do {
        digits += static_cast<char>('0' + static_cast<int>(mag % 10));
        mag /= 10;
    } while (mag != 0);
    while (static_cast<int>(digits.size()) <= scale_)
        digits += '0';
    std::reverse(digits.begin(), digits.end());
    if (scale_ > 0)
        digits.insert(digits.end() - scale_, '.');
    if (mantissa_ < 0)
        digits.insert(digits.begin(), '-');
    return digits;
}

bool Decimal::isInteger() const {
    return normalized().scale_ == 0;
}

Decimal Decimal::rescaled(int scale) const {
    scale = std::clamp(scale, 0, kMaxScale);
    // Every value read from a DECIMAL column passes here: the common cases
    // (same scale, or a small mantissa gaining a few digits) skip the wide
    // arithmetic.
    if (scale == scale_)
        return *this;
    constexpr __int128 kSmall = 1000000000000000000;  // 10^18: times 10^18 stays below 10^36
    if (scale > scale_ && scale - scale_ <= 18 && mantissa_ > -kSmall && mantissa_ < kSmall) {
        __int128 factor = 1;
        for (int k = scale_; k < scale; ++k)
            factor *= 10;
        return Decimal(mantissa_ * factor, scale);
    }
    const bool negative = mantissa_ < 0;
    Wide mag{0, magnitude(mantissa_)};
    if (scale >= scale_) {
        bool overflow = false;
        mag = scaleUp(mag, scale - scale_, overflow);
        if (overflow || !mag.fits())
            throw std::overflow_error("Overflow del valore decimale");
    } else {
        mag = dropDigits(mag, scale_ - scale);
    }
    const __int128 m = static_cast<__int128>(mag.lo);
    return Decimal(negative ? -m : m, scale);
}

Decimal Decimal::normalized() const {
    Decimal d = *this;
    // Most mantissas fit 64 bits, where dividing by ten is cheap.
    if (d.scale_ > 0 && d.mantissa_ >= INT64_MIN && d.mantissa_ <= INT64_MAX) {
        auto m = static_cast<std::int64_t>(d.mantissa_);
        while (d.scale_ > 0 && m % 10 == 0) {
            m /= 10;
            --d.scale_;
        }
        d.mantissa_ = m;
    }
    while (d.scale_ > 0 && d.mantissa_ % 10 == 0) {
        d.mantissa_ /= 10;
        --d.scale_;
    }
    if (d.mantissa_ == 0)
        d.scale_ = 0;
    return d;
}

double Decimal::toDouble() const {
    // Through the text form, so that the result is the double nearest to the
    // exact value rather than a product of two rounded numbers.
    const std::string text = toString();
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::optional<std::int64_t> Decimal::toInt64() const {
    const Decimal d = normalized();
    if (d.scale_ != 0)
        return std::nullopt;
    if (d.mantissa_ < INT64_MIN || d.mantissa_ > INT64_MAX)
        return std::nullopt;
    return static_cast<std::int64_t>(d.mantissa_);
}

Decimal operator+(const Decimal& a, const Decimal& b) {
    // Totals of quantities: one scale and far from 38 digits, so the sum
    // fits as it is, without the wide arithmetic.
    constexpr __int128 kFar = static_cast<__int128>(1000000000000000000) * 1000000000000000000;
    if (a.scale() == b.scale() && a.mantissa() > -kFar && a.mantissa() < kFar &&
        b.mantissa() > -kFar && b.mantissa() < kFar)
        return Decimal(a.mantissa() + b.mantissa(), a.scale());
    return addSigned(a, b, false);
}

Decimal operator-(const Decimal& a, const Decimal& b) {
    return addSigned(a, b, true);
}

Decimal operator*(const Decimal& a, const Decimal& b) {
    const bool negative = (a.mantissa() < 0) != (b.mantissa() < 0);
    const Wide product = mul128(magnitude(a.mantissa()), magnitude(b.mantissa()));
    if (product.isZero())
        return Decimal(0, std::min(a.scale() + b.scale(), Decimal::kMaxScale));
    return fitDecimal(negative, product, a.scale() + b.scale());
}

Decimal Decimal::divide(const Decimal& a, const Decimal& b, int scale, bool truncate) {
    if (b.isZero())
        throw std::domain_error("Divisione per zero");
    scale = std::clamp(scale, 0, kMaxScale);
    // a / b * 10^scale = a.m * 10^(scale + b.scale - a.scale) / b.m
    const int exponent = scale + b.scale() - a.scale();
    bool overflow = false;
    Wide n{0, magnitude(a.mantissa())}, d{0, magnitude(b.mantissa())};
    if (exponent >= 0)
        n = scaleUp(n, exponent, overflow);
    else
        d = scaleUp(d, -exponent, overflow);
    if (overflow)
        throw std::overflow_error("Overflow del valore decimale");
    const Wide q = divRounded(n, d, truncate);
    if (!q.fits())
        throw std::overflow_error("Overflow del valore decimale");
    const bool negative = (a.mantissa() < 0) != (b.mantissa() < 0);
    const __int128 m = static_cast<__int128>(q.lo);
    return Decimal(negative ? -m : m, scale);
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
    const int sa = a.mantissa() < 0 ? -1 : a.mantissa() > 0 ? 1 : 0;
    const int sb = b.mantissa() < 0 ? -1 : b.mantissa() > 0 ? 1 : 0;
    if (sa != sb)
        return sa <=> sb;
    if (sa == 0)
        return std::strong_ordering::equal;
    // Same sign: compare magnitudes at the common scale, which always fits
    // in 256 bits.
    const int scale = std::max(a.scale(), b.scale());
    bool overflow = false;
    const Wide ma = scaleUp(Wide{0, magnitude(a.mantissa())}, scale - a.scale(), overflow);
    const Wide mb = scaleUp(Wide{0, magnitude(b.mantissa())}, scale - b.scale(), overflow);
    const int c = compareWide(ma, mb) * sa;
    return c <=> 0;
}

}  // namespace db
