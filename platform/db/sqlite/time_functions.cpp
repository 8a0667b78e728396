#include "platform/db/sqlite/time_functions.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/db/date_time.h"
#include "platform/db/sqlite/sqlite_functions.h"

namespace db::sqlite {
namespace {

struct Moment {
    DateTime date;           // its millisecond is unused: `ticks` hold the fraction
    std::int64_t ticks = 0;  // 100 ns units within the second
    int offset = 0;          // minutes east of UTC
    bool hasDate = false;
};

bool digits(std::string_view s, std::size_t& pos, std::size_t count, int& out) {
    if (pos + count > s.size())
        return false;
    out = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const char c = s[pos + k];
        if (c < '0' || c > '9')
            return false;
        out = out * 10 + (c - '0');
    }
    pos += count;
    return true;
}

// HH:MM[:SS[.fffffff]] at pos.
bool parseClock(std::string_view s, std::size_t& pos, Moment& m) {
    if (!digits(s, pos, 2, m.date.hour) || pos >= s.size() || s[pos++] != ':' ||
        !digits(s, pos, 2, m.date.minute))
        return false;
    if (pos < s.size() && s[pos] == ':') {
        ++pos;
        if (!digits(s, pos, 2, m.date.second))
            return false;
        if (pos < s.size() && s[pos] == '.') {
            ++pos;
            std::int64_t scale = 1000000;
            int count = 0;
            for (; pos < s.size() && s[pos] >= '0' && s[pos] <= '9'; ++pos, ++count) {
                if (count < 7) {
                    m.ticks += (s[pos] - '0') * scale;
                    scale /= 10;
                }
            }
            if (count == 0)
                return false;
        }
    }
    return m.date.hour < 24 && m.date.minute < 60 && m.date.second < 60;
}

// "YYYY-MM-DD", "YYYYMMDD", either with a time; a time alone (1900-01-01);
// an offset "+hh:mm", "-hh:mm" or "Z" after the time.
std::optional<Moment> parseMoment(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    Moment m;
    std::size_t pos = 0;
    if (s.size() >= 3 && s[2] == ':') {
        if (!parseClock(s, pos, m))
            return std::nullopt;
    } else {
        if (!digits(s, pos, 4, m.date.year))
            return std::nullopt;
        const bool dashed = pos < s.size() && s[pos] == '-';
        if (dashed)
            ++pos;
        if (!digits(s, pos, 2, m.date.month) || (dashed && (pos >= s.size() || s[pos++] != '-')) ||
            !digits(s, pos, 2, m.date.day))
            return std::nullopt;
        m.hasDate = true;
        if (pos < s.size() && (s[pos] == ' ' || s[pos] == 'T')) {
            ++pos;
            if (!parseClock(s, pos, m))
                return std::nullopt;
        }
    }
    while (pos < s.size() && s[pos] == ' ')
        ++pos;
    if (pos < s.size() && (s[pos] == 'Z' || s[pos] == 'z')) {
        ++pos;
    } else if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        const int sign = s[pos++] == '-' ? -1 : 1;
        int h = 0, mi = 0;
        if (!digits(s, pos, 2, h) || pos >= s.size() || s[pos++] != ':' || !digits(s, pos, 2, mi) ||
            h > 14 || mi > 59)
            return std::nullopt;
        m.offset = sign * (h * 60 + mi);
    }
    m.date.millisecond = 0;
    if (pos != s.size() || !m.date.isValid())
        return std::nullopt;
    return m;
}

// Rounds the fraction to `n` digits, carrying into the seconds, minutes, hours and days.
void round(Moment& m, int n) {
    std::int64_t unit = 1;
    for (int k = n; k < 7; ++k)
        unit *= 10;
    m.ticks = (m.ticks + unit / 2) / unit * unit;
    if (m.ticks < 10000000)
        return;
    m.ticks -= 10000000;
    if (++m.date.second < 60)
        return;
    m.date.second = 0;
    if (++m.date.minute < 60)
        return;
    m.date.minute = 0;
    if (++m.date.hour < 24)
        return;
    m.date.hour = 0;
    // TIME wraps at midnight; a date moves on by a day.
    const int h = m.date.hour, mi = m.date.minute, sec = m.date.second;
    m.date = DateTime::fromDaysSinceEpoch(m.date.daysSinceEpoch() + 1);
    m.date.hour = h;
    m.date.minute = mi;
    m.date.second = sec;
}

std::string clockText(const Moment& m, int n) {
    std::string out = zeroPadded(m.date.hour, 2) + ":" + zeroPadded(m.date.minute, 2) + ":" +
                      zeroPadded(m.date.second, 2);
    if (n > 0)
        out += "." + zeroPadded(m.ticks, 7).substr(0, static_cast<std::size_t>(n));
    return out;
}

constexpr std::int64_t kTicksPerSecond = 10000000;
constexpr std::int64_t kTicksPerDay = 86400 * kTicksPerSecond;

// The moment as 100 ns ticks since 1900-01-01 (its own clock, offset aside).
std::int64_t ticksOf(const Moment& m) {
    return static_cast<std::int64_t>(m.date.daysSinceEpoch()) * kTicksPerDay +
           (m.date.hour * 3600LL + m.date.minute * 60LL + m.date.second) * kTicksPerSecond +
           m.ticks;
}

Moment fromTicks(std::int64_t ticks, const Moment& like) {
    std::int64_t days = ticks / kTicksPerDay, rest = ticks % kTicksPerDay;
    if (rest < 0) {
        rest += kTicksPerDay;
        --days;
    }
    Moment m = like;
    m.date = DateTime::fromDaysSinceEpoch(static_cast<long>(days));
    m.ticks = rest % kTicksPerSecond;
    const std::int64_t seconds = rest / kTicksPerSecond;
    m.date.hour = static_cast<int>(seconds / 3600);
    m.date.minute = static_cast<int>(seconds / 60 % 60);
    m.date.second = static_cast<int>(seconds % 60);
    m.date.millisecond = 0;
    return m;
}

std::string momentText(const Moment& m, const std::string& type, int n) {
    if (type == "TIME")
        return clockText(m, n);
    std::string out = m.date.toIsoDate() + " " + clockText(m, n);
    if (type == "DATETIMEOFFSET") {
        const int off = m.offset < 0 ? -m.offset : m.offset;
        out += std::string(m.offset < 0 ? " -" : " +") + zeroPadded(off / 60, 2) + ":" +
               zeroPadded(off % 60, 2);
    }
    return out;
}

// tsql_time_add(part, n, value, 'TYPE', digits): DATEADD on TIME, DATETIME2
// and DATETIMEOFFSET, to 100 ns; TIME wraps around midnight.
void fnTimeAdd(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (sqlite3_value_type(a[1]) == SQLITE_NULL || sqlite3_value_type(a[2]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    const std::string part(reinterpret_cast<const char*>(sqlite3_value_text(a[0])));
    const std::int64_t n = sqlite3_value_int64(a[1]);
    const std::string type(reinterpret_cast<const char*>(sqlite3_value_text(a[3])));
    const int digits = sqlite3_value_int(a[4]);
    auto m = parseMoment(textOf(a[2]));
    if (!m)
        return sqlite3_result_error(
            ctx, "Conversion failed when converting date and/or time from character string.", -1);
    auto is = [&part](std::initializer_list<const char*> names) {
        for (const char* name : names)
            if (part == name)
                return true;
        return false;
    };
    std::int64_t months = 0, ticks = 0;
    if (is({"YEAR", "YY", "YYYY"}))
        months = n * 12;
    else if (is({"QUARTER", "QQ", "Q"}))
        months = n * 3;
    else if (is({"MONTH", "MM", "M"}))
        months = n;
    else if (is({"DAYOFYEAR", "DY", "Y", "DAY", "DD", "D", "WEEKDAY", "DW", "W"}))
        ticks = n * kTicksPerDay;
    else if (is({"WEEK", "WK", "WW"}))
        ticks = n * 7 * kTicksPerDay;
    else if (is({"HOUR", "HH"}))
        ticks = n * 3600 * kTicksPerSecond;
    else if (is({"MINUTE", "MI", "N"}))
        ticks = n * 60 * kTicksPerSecond;
    else if (is({"SECOND", "SS", "S"}))
        ticks = n * kTicksPerSecond;
    else if (is({"MILLISECOND", "MS"}))
        ticks = n * 10000;
    else if (is({"MICROSECOND", "MCS"}))
        ticks = n * 10;
    else if (is({"NANOSECOND", "NS"}))
        ticks = n / 100;
    else
        return sqlite3_result_error(
            ctx, ("'" + part + "' is not a recognized dateadd option.").c_str(), -1);
    if (type == "TIME" && months != 0)
        return sqlite3_result_error(
            ctx,
            ("The datepart " + part +
             " is not supported by date function dateadd for data type time.")
                .c_str(),
            -1);
    if (months != 0) {
        const std::int64_t total = m->date.year * 12LL + (m->date.month - 1) + months;
        m->date.year = static_cast<int>(total / 12);
        m->date.month = static_cast<int>(total % 12) + 1;
        while (!m->date.isValid() && m->date.day > 28)
            --m->date.day;
    }
    std::int64_t at = ticksOf(*m) + ticks;
    if (type == "TIME")
        at = ((at % kTicksPerDay) + kTicksPerDay) % kTicksPerDay +
             DateTime{}.daysSinceEpoch() * kTicksPerDay;
    Moment r = fromTicks(at, *m);
    if (r.date.year < 1 || r.date.year > 9999 || !r.date.isValid())
        return sqlite3_result_error(
            ctx, "Adding a value to a 'datetime2' column caused an overflow.", -1);
    round(r, digits);
    const std::string out = momentText(r, type, digits);
    sqlite3_result_text(ctx, out.data(), static_cast<int>(out.size()), SQLITE_TRANSIENT);
}

void fnTime(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (sqlite3_value_type(a[0]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    const std::string type(reinterpret_cast<const char*>(sqlite3_value_text(a[1])));
    int n = sqlite3_value_int(a[2]);
    if (n < 0 || n > 7)
        n = 7;
    auto m = parseMoment(textOf(a[0]));
    if (!m && sqlite3_user_data(ctx) != nullptr)  // TRY_CAST / TRY_CONVERT
        return sqlite3_result_null(ctx);
    if (!m)
        return sqlite3_result_error(
            ctx, "Conversion failed when converting date and/or time from character string.", -1);
    if (type == "UTC") {
        *m = fromTicks(ticksOf(*m) - static_cast<std::int64_t>(m->offset) * 60 * kTicksPerSecond,
                       *m);
        m->offset = 0;
    }
    round(*m, n);
    const std::string out = momentText(*m, type, n);
    sqlite3_result_text(ctx, out.data(), static_cast<int>(out.size()), SQLITE_TRANSIENT);
}

// Moments compare as instants: the fraction's digits do not count, an
// offset moves the moment to UTC. Text that is no moment compares as bytes.
int collateTime(void*, int la, const void* a, int lb, const void* b) {
    const std::string_view x(static_cast<const char*>(a), static_cast<std::size_t>(la));
    const std::string_view y(static_cast<const char*>(b), static_cast<std::size_t>(lb));
    const auto mx = parseMoment(x), my = parseMoment(y);
    if (!mx || !my) {
        const int c = x.compare(y);
        return c < 0 ? -1 : c > 0 ? 1 : 0;
    }
    auto instant = [](const Moment& m) {
        const std::int64_t seconds = static_cast<std::int64_t>(m.date.daysSinceEpoch()) * 86400 +
                                     m.date.hour * 3600LL + m.date.minute * 60LL + m.date.second -
                                     static_cast<std::int64_t>(m.offset) * 60;
        return std::pair<std::int64_t, std::int64_t>(seconds, m.ticks);
    };
    const auto ix = instant(*mx), iy = instant(*my);
    return ix < iy ? -1 : ix > iy ? 1 : 0;
}

}  // namespace

void registerTimeFunctions(sqlite3* db) {
    sqlite3_create_collation(db, "TSQL_TIME", SQLITE_UTF8, nullptr, collateTime);
    sqlite3_create_function_v2(db, "tsql_time_add", 5, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               fnTimeAdd, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "tsql_time", 4, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               fnTime, nullptr, nullptr, nullptr);
    static int tryConversion = 1;
    sqlite3_create_function_v2(db, "tsql_try_time", 4, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                               &tryConversion, fnTime, nullptr, nullptr, nullptr);
}

}  // namespace db::sqlite
