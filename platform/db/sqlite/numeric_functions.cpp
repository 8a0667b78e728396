#include "platform/db/sqlite/numeric_functions.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/db/decimal.h"

namespace db::sqlite {
namespace {

constexpr const char* kDivideByZero = "Divide by zero error encountered.";
constexpr const char* kInvalidFloat = "An invalid floating point operation occurred.";

// The value a number stands for, whatever its storage (text such as '0'
// converts as SQL Server converts it for arithmetic).
double numberValue(sqlite3_value* v) {
    return sqlite3_value_double(v);
}

// tsql_nz(x): the divisor of "/" and "%", refused when it is zero.
void fnNonZero(sqlite3_context* ctx, int, sqlite3_value** a) {
    const int type = sqlite3_value_type(a[0]);
    if (type != SQLITE_NULL && numberValue(a[0]) == 0.0) {
        sqlite3_result_error(ctx, kDivideByZero, -1);
        return;
    }
    sqlite3_result_value(ctx, a[0]);
}

// tsql_log(x [, base]): natural logarithm, or in the base given.
void fnLog(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    for (int k = 0; k < argc; ++k)
        if (sqlite3_value_type(a[k]) == SQLITE_NULL)
            return sqlite3_result_null(ctx);
    const double x = numberValue(a[0]);
    const double base = argc > 1 ? numberValue(a[1]) : std::exp(1.0);
    if (x <= 0 || base <= 0 || base == 1) {
        sqlite3_result_error(ctx, kInvalidFloat, -1);
        return;
    }
    sqlite3_result_double(ctx, argc > 1 ? std::log(x) / std::log(base) : std::log(x));
}

void overflow(sqlite3_context* ctx) {
    sqlite3_result_error(
        ctx, "Arithmetic overflow error converting expression to data type bigint.", -1);
}

// tsql_sub(a, b) and tsql_mul(a, b): integers stay integers and overflow
// past BIGINT (8115) instead of turning into floating point; decimals are
// worked out as decimals, so that 0.3 - 0.1 is 0.2 as SQL Server says.
template <bool Multiply>
void fnArithmetic(sqlite3_context* ctx, int, sqlite3_value** a) {
    const int ta = sqlite3_value_type(a[0]), tb = sqlite3_value_type(a[1]);
    if (ta == SQLITE_NULL || tb == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    if (ta == SQLITE_INTEGER && tb == SQLITE_INTEGER) {
        long long r = 0;
        const long long x = sqlite3_value_int64(a[0]), y = sqlite3_value_int64(a[1]);
        if (Multiply ? __builtin_mul_overflow(x, y, &r) : __builtin_sub_overflow(x, y, &r))
            return overflow(ctx);
        return sqlite3_result_int64(ctx, r);
    }
    const auto x = numberOf(a[0]), y = numberOf(a[1]);
    for (int k = 0; k < 2; ++k) {
        if ((k == 0 ? x : y).has_value())
            continue;
        const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(a[k]));
        const std::string msg = "Conversion failed when converting the varchar value '" +
                                std::string(p ? p : "") + "' to data type int.";
        return sqlite3_result_error(ctx, msg.c_str(), -1);
    }
    try {
        const Decimal r = Multiply ? *x * *y : *x - *y;
        if (ta == SQLITE_FLOAT || tb == SQLITE_FLOAT || !r.isInteger() || !r.toInt64())
            return sqlite3_result_double(ctx, r.toDouble());
        sqlite3_result_int64(ctx, *r.toInt64());
    } catch (const std::overflow_error&) {
        sqlite3_result_error(
            ctx, "Arithmetic overflow error converting expression to data type numeric.", -1);
    }
}

// tsql_int(x): an INT result of arithmetic, refused past INT's range as
// SQL Server refuses it; anything but an integer passes unchanged.
void fnIntRange(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    if (sqlite3_value_type(a[0]) == SQLITE_INTEGER) {
        const std::string_view type =
            argc > 1 ? reinterpret_cast<const char*>(sqlite3_value_text(a[1])) : "INT";
        const bool tiny = type == "TINYINT", small = type == "SMALLINT";
        const std::int64_t low = tiny    ? 0
                                 : small ? std::numeric_limits<std::int16_t>::min()
                                         : std::numeric_limits<std::int32_t>::min();
        const std::int64_t high = tiny    ? 255
                                  : small ? std::numeric_limits<std::int16_t>::max()
                                          : std::numeric_limits<std::int32_t>::max();
        const std::int64_t v = sqlite3_value_int64(a[0]);
        if (v < low || v > high) {
            const std::string name = tiny ? "tinyint" : small ? "smallint" : "int";
            // An integer stored into SMALLINT or TINYINT names its value.
            const std::string msg =
                argc > 2 && (tiny || small)
                    ? "Arithmetic overflow error for data type " + name +
                          ", value = " + std::to_string(v) + "."
                    : "Arithmetic overflow error converting expression to data type " + name + ".";
            return sqlite3_result_error(ctx, msg.c_str(), -1);
        }
    }
    sqlite3_result_value(ctx, a[0]);
}

// tsql_div(a, b, scale): a decimal quotient at the scale SQL Server gives
// it, truncated there; tsql_mod(a, b): a decimal remainder (SQLite's "%"
// works on integers only).
void fnDivide(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    if (sqlite3_value_type(a[0]) == SQLITE_NULL || sqlite3_value_type(a[1]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    const auto x = numberOf(a[0]), y = numberOf(a[1]);
    if (!x || !y)
        return sqlite3_result_error(ctx, "Error converting data type varchar to numeric.", -1);
    if (y->isZero())
        return sqlite3_result_error(ctx, kDivideByZero, -1);
    try {
        Decimal r;
        if (argc > 2) {
            r = Decimal::divide(*x, *y, sqlite3_value_int(a[2]), true);
        } else {
            const int scale = std::max(x->scale(), y->scale());
            const Decimal whole = Decimal::divide(*x, *y, 0, true);
            r = (*x - whole * *y).rescaled(scale);
        }
        if (r.scale() == 0 && r.toInt64())
            return sqlite3_result_int64(ctx, *r.toInt64());
        sqlite3_result_double(ctx, r.toDouble());
    } catch (const std::exception&) {
        sqlite3_result_error(
            ctx, "Arithmetic overflow error converting expression to data type numeric.", -1);
    }
}

// SUM and AVG keep integers as integers while every value is one, in a
// sum wide enough to notice when the result leaves BIGINT.
// SQLite's aggregate memory is aligned for 8 bytes only: the 128-bit sum is
// kept as bytes.
struct Total {
    unsigned char whole[sizeof(__int128)];
    double real;
    long long count;
    bool fractional;
};

__int128 wholeOf(const Total& t) {
    __int128 v;
    std::memcpy(&v, t.whole, sizeof v);
    return v;
}

Total* totalOf(sqlite3_context* ctx, bool create) {
    return static_cast<Total*>(sqlite3_aggregate_context(ctx, create ? sizeof(Total) : 0));
}

void add(sqlite3_context* ctx, sqlite3_value* v, int sign) {
    const int type = sqlite3_value_type(v);
    if (type == SQLITE_NULL)
        return;
    Total* t = totalOf(ctx, true);
    if (!t)
        return sqlite3_result_error_nomem(ctx);
    t->count += sign;
    if (type == SQLITE_INTEGER) {
        const __int128 sum = wholeOf(*t) + sign * static_cast<__int128>(sqlite3_value_int64(v));
        std::memcpy(t->whole, &sum, sizeof sum);
    } else {
        t->fractional = true;
        t->real += sign * sqlite3_value_double(v);
    }
}

void totalStep(sqlite3_context* ctx, int, sqlite3_value** a) {
    add(ctx, a[0], 1);
}
void totalInverse(sqlite3_context* ctx, int, sqlite3_value** a) {
    add(ctx, a[0], -1);
}

bool fitsBigint(__int128 v) {
    return v >= std::numeric_limits<std::int64_t>::min() &&
           v <= std::numeric_limits<std::int64_t>::max();
}

void sumValue(sqlite3_context* ctx) {
    const Total* t = totalOf(ctx, false);
    if (!t || t->count == 0)
        return sqlite3_result_null(ctx);
    if (t->fractional)
        return sqlite3_result_double(ctx, t->real + static_cast<double>(wholeOf(*t)));
    if (!fitsBigint(wholeOf(*t)))
        return overflow(ctx);
    // A sum of INT values is an INT (tsql_sum_int).
    if (sqlite3_user_data(ctx) && (wholeOf(*t) > std::numeric_limits<std::int32_t>::max() ||
                                   wholeOf(*t) < std::numeric_limits<std::int32_t>::min()))
        return sqlite3_result_error(
            ctx, "Arithmetic overflow error converting expression to data type int.", -1);
    sqlite3_result_int64(ctx, static_cast<std::int64_t>(wholeOf(*t)));
}

void avgValue(sqlite3_context* ctx) {
    const Total* t = totalOf(ctx, false);
    if (!t || t->count == 0)
        return sqlite3_result_null(ctx);
    if (t->fractional)
        return sqlite3_result_double(
            ctx, (t->real + static_cast<double>(wholeOf(*t))) / static_cast<double>(t->count));
    // The average of integers is an integer, truncated toward zero.
    sqlite3_result_int64(ctx, static_cast<std::int64_t>(wholeOf(*t) / t->count));
}

}  // namespace

std::optional<Decimal> numberOf(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
        case SQLITE_INTEGER:
            return Decimal(static_cast<std::int64_t>(sqlite3_value_int64(v)));
        case SQLITE_FLOAT:
            return Decimal::fromDouble(sqlite3_value_double(v));
        case SQLITE_NULL:
            return std::nullopt;
        default: {
            const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
            return Decimal::parse(
                std::string_view(p ? p : "", static_cast<std::size_t>(sqlite3_value_bytes(v))));
        }
    }
}

void registerNumericFunctions(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function_v2(db, "tsql_nz", 1, flags, nullptr, fnNonZero, nullptr, nullptr,
                               nullptr);
    sqlite3_create_function_v2(db, "tsql_log", 1, flags, nullptr, fnLog, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "tsql_log", 2, flags, nullptr, fnLog, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "tsql_sub", 2, flags, nullptr, fnArithmetic<false>, nullptr,
                               nullptr, nullptr);
    for (int args : {1, 2, 3})
        sqlite3_create_function_v2(db, "tsql_int", args, flags, nullptr, fnIntRange, nullptr,
                                   nullptr, nullptr);
    sqlite3_create_function_v2(db, "tsql_mul", 2, flags, nullptr, fnArithmetic<true>, nullptr,
                               nullptr, nullptr);
    sqlite3_create_window_function(db, "tsql_sum", 1, flags, nullptr, totalStep, sumValue, sumValue,
                                   totalInverse, nullptr);
    static int intSum = 1;
    sqlite3_create_window_function(db, "tsql_sum_int", 1, flags, &intSum, totalStep, sumValue,
                                   sumValue, totalInverse, nullptr);
    sqlite3_create_function_v2(db, "tsql_div", 3, flags, nullptr, fnDivide, nullptr, nullptr,
                               nullptr);
    sqlite3_create_function_v2(db, "tsql_mod", 2, flags, nullptr, fnDivide, nullptr, nullptr,
                               nullptr);
    sqlite3_create_window_function(db, "tsql_avg", 1, flags, nullptr, totalStep, avgValue, avgValue,
                                   totalInverse, nullptr);
}

}  // namespace db::sqlite
