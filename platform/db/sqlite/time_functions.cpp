#include "platform/db/sqlite/time_functions.h"

#include <cstdint>
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

std::string padded(std::int64_t v, int width) {
    std::string s = std::to_string(v);
    while (static_cast<int>(s.size()) < width)
        s.insert(0, 1, '0');
    return s;
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
    std::string out =
        padded(m.date.hour, 2) + ":" + padded(m.date.minute, 2) + ":" + padded(m.date.second, 2);
    if (n > 0)
        out += "." + padded(m.ticks, 7).substr(0, static_cast<std::size_t>(n));
    return out;
}

void fnTime(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (sqlite3_value_type(a[0]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    const std::string type(reinterpret_cast<const char*>(sqlite3_value_text(a[1])));
    int n = sqlite3_value_int(a[2]);
    if (n < 0 || n > 7)
        n = 7;
    auto m = parseMoment(textOf(a[0]));
    if (!m)
        return sqlite3_result_error(
            ctx, "Conversion failed when converting date and/or time from character string.", -1);
    round(*m, n);
    std::string out;
    if (type == "TIME") {
        out = clockText(*m, n);
    } else {
        out = m->date.toIsoDate() + " " + clockText(*m, n);
        if (type == "DATETIMEOFFSET") {
            const int off = m->offset < 0 ? -m->offset : m->offset;
            out += std::string(m->offset < 0 ? " -" : " +") + padded(off / 60, 2) + ":" +
                   padded(off % 60, 2);
        }
    }
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
                                     m.date.hour * 3600 + m.date.minute * 60 + m.date.second -
                                     static_cast<std::int64_t>(m.offset) * 60;
        return std::pair<std::int64_t, std::int64_t>(seconds, m.ticks);
    };
    const auto ix = instant(*mx), iy = instant(*my);
    return ix < iy ? -1 : ix > iy ? 1 : 0;
}

}  // namespace

void registerTimeFunctions(sqlite3* db) {
    sqlite3_create_collation(db, "TSQL_TIME", SQLITE_UTF8, nullptr, collateTime);
    sqlite3_create_function_v2(db, "tsql_time", 4, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               fnTime, nullptr, nullptr, nullptr);
}

}  // namespace db::sqlite
