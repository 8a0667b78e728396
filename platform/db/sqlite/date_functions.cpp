#include "platform/db/sqlite/date_functions.h"

#include <optional>
#include <string>
#include <string_view>

namespace db::sqlite {
namespace {

enum class Part {
    Year,
    Quarter,
    Month,
    DayOfYear,
    Day,
    Week,
    Weekday,
    Hour,
    Minute,
    Second,
    Ms,
    IsoWeek
};

// The names and abbreviations of the date parts.
std::optional<Part> partOf(std::string_view p) {
    struct Name {
        const char* name;
        Part part;
    };
    static constexpr Name names[] = {{"YEAR", Part::Year},       {"YY", Part::Year},
                                     {"YYYY", Part::Year},       {"QUARTER", Part::Quarter},
                                     {"QQ", Part::Quarter},      {"Q", Part::Quarter},
                                     {"MONTH", Part::Month},     {"MM", Part::Month},
                                     {"M", Part::Month},         {"DAYOFYEAR", Part::DayOfYear},
                                     {"DY", Part::DayOfYear},    {"Y", Part::DayOfYear},
                                     {"DAY", Part::Day},         {"DD", Part::Day},
                                     {"D", Part::Day},           {"WEEK", Part::Week},
                                     {"WK", Part::Week},         {"WW", Part::Week},
                                     {"WEEKDAY", Part::Weekday}, {"DW", Part::Weekday},
                                     {"W", Part::Weekday},       {"HOUR", Part::Hour},
                                     {"HH", Part::Hour},         {"MINUTE", Part::Minute},
                                     {"MI", Part::Minute},       {"N", Part::Minute},
                                     {"SECOND", Part::Second},   {"SS", Part::Second},
                                     {"S", Part::Second},        {"MILLISECOND", Part::Ms},
                                     {"MS", Part::Ms},           {"ISO_WEEK", Part::IsoWeek},
                                     {"ISOWK", Part::IsoWeek},   {"ISOWW", Part::IsoWeek}};
    for (const auto& n : names)
        if (p == n.name)
            return n.part;
    return std::nullopt;
}

std::optional<DateTime> dateArg(sqlite3_value* v) {
    if (sqlite3_value_type(v) == SQLITE_NULL)
        return std::nullopt;
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return DateTime::parseIso(
        std::string_view(p, static_cast<std::size_t>(sqlite3_value_bytes(v))));
}

long long msOfDay(const DateTime& d) {
    return ((d.hour * 60LL + d.minute) * 60 + d.second) * 1000 + d.millisecond;
}

// Day of the week with Sunday 1, as SQL Server's default DATEFIRST 7 counts.
int weekday(const DateTime& d) {
    // 1900-01-01 was a Monday.
    return static_cast<int>(((d.daysSinceEpoch() % 7) + 7 + 1) % 7) + 1;
}

DateTime withMs(long long days, long long ms) {
    days += ms / 86400000;
    ms %= 86400000;
    if (ms < 0) {
        ms += 86400000;
        --days;
    }
    DateTime r = DateTime::fromDaysSinceEpoch(static_cast<long>(days));
    r.hour = static_cast<int>(ms / 3600000);
    r.minute = static_cast<int>(ms / 60000 % 60);
    r.second = static_cast<int>(ms / 1000 % 60);
    r.millisecond = static_cast<int>(ms % 1000);
    return r;
}

void resultDate(sqlite3_context* ctx, const DateTime& d) {
    const std::string s = d.toIsoString();
    sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

bool partArg(sqlite3_context* ctx, sqlite3_value* v, const char* fn, Part& part) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    auto found = partOf(p ? p : "");
    if (!found) {
        const std::string msg =
            "'" + std::string(p ? p : "") + "' is not a recognized " + fn + " option.";
        sqlite3_result_error(ctx, msg.c_str(), -1);
        return false;
    }
    // The ISO week is a part to read, not to count or add.
    if (*found == Part::IsoWeek && std::string_view(fn) != "datepart") {
        const std::string msg = "The datepart iso_week is not supported by date function " +
                                std::string(fn) + " for data type datetime.";
        sqlite3_result_error(ctx, msg.c_str(), -1);
        return false;
    }
    part = *found;
    return true;
}

void fnDatePart(sqlite3_context* ctx, int, sqlite3_value** a) {
    Part part;
    if (!partArg(ctx, a[0], "datepart", part))
        return;
    auto d = dateArg(a[1]);
    if (!d)
        return sqlite3_result_null(ctx);
    const DateTime jan1{d->year, 1, 1};
    long long v = 0;
    switch (part) {
        case Part::Year:
            v = d->year;
            break;
        case Part::Quarter:
            v = (d->month - 1) / 3 + 1;
            break;
        case Part::Month:
            v = d->month;
            break;
        case Part::DayOfYear:
            v = d->daysSinceEpoch() - jan1.daysSinceEpoch() + 1;
            break;
        case Part::Day:
            v = d->day;
            break;
        case Part::Week:
            // Week 1 holds 1 January; weeks start on Sunday.
            v = (d->daysSinceEpoch() - jan1.daysSinceEpoch() + weekday(jan1) - 1) / 7 + 1;
            break;
        case Part::Weekday:
            v = weekday(*d);
            break;
        case Part::Hour:
            v = d->hour;
            break;
        case Part::Minute:
            v = d->minute;
            break;
        case Part::Second:
            v = d->second;
            break;
        case Part::Ms:
            v = d->millisecond;
            break;
        case Part::IsoWeek: {
            // ISO 8601: weeks start on Monday; week 1 holds the year's first Thursday.
            const long long day = d->daysSinceEpoch();
            const long long monday = (day % 7 + 7) % 7;  // 1900-01-01 was a Monday
            const long long thursday = day - monday + 3;
            const DateTime t = DateTime::fromDaysSinceEpoch(static_cast<long>(thursday));
            const DateTime first{t.year, 1, 1};
            v = (thursday - first.daysSinceEpoch()) / 7 + 1;
            break;
        }
    }
    sqlite3_result_int64(ctx, v);
}

void fnDateAdd(sqlite3_context* ctx, int, sqlite3_value** a) {
    Part part;
    if (!partArg(ctx, a[0], "dateadd", part))
        return;
    auto d = dateArg(a[2]);
    if (!d || sqlite3_value_type(a[1]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    const long long n = sqlite3_value_int64(a[1]);
    const long long days = d->daysSinceEpoch(), ms = msOfDay(*d);
    DateTime r;
    switch (part) {
        case Part::Year:
        case Part::Quarter:
        case Part::Month: {
            const long long months = part == Part::Year      ? n * 12
                                     : part == Part::Quarter ? n * 3
                                                             : n;
            const long long total = d->year * 12LL + (d->month - 1) + months;
            r = *d;
            r.year = static_cast<int>(total / 12);
            r.month = static_cast<int>(total % 12) + 1;
            while (!r.isValid() && r.day > 28)
                --r.day;
            break;
        }
        case Part::DayOfYear:
        case Part::Day:
        case Part::Weekday:
            r = withMs(days + n, ms);
            break;
        case Part::Week:
            r = withMs(days + 7 * n, ms);
            break;
        case Part::Hour:
            r = withMs(days, ms + n * 3600000);
            break;
        case Part::Minute:
            r = withMs(days, ms + n * 60000);
            break;
        case Part::Second:
            r = withMs(days, ms + n * 1000);
            break;
        case Part::Ms:
            r = roundedToDatetime(withMs(days, ms + n));
            break;
        case Part::IsoWeek:  // refused by partArg
            break;
    }
    if (r.year < 1753 || r.year > 9999) {
        sqlite3_result_error(ctx, "Adding a value to a 'datetime' column caused an overflow.", -1);
        return;
    }
    resultDate(ctx, r);
}

// DATEDIFF counts the boundaries of the part crossed from the first date to
// the second.
void fnDateDiff(sqlite3_context* ctx, int, sqlite3_value** a) {
    Part part;
    if (!partArg(ctx, a[0], "datediff", part))
        return;
    auto x = dateArg(a[1]), y = dateArg(a[2]);
    if (!x || !y)
        return sqlite3_result_null(ctx);
    const long long days = y->daysSinceEpoch() - x->daysSinceEpoch();
    long long v = 0;
    switch (part) {
        case Part::Year:
            v = y->year - x->year;
            break;
        case Part::Quarter:
            v = (y->year - x->year) * 4LL + (y->month - 1) / 3 - (x->month - 1) / 3;
            break;
        case Part::Month:
            v = (y->year - x->year) * 12LL + (y->month - x->month);
            break;
        case Part::DayOfYear:
        case Part::Day:
        case Part::Weekday:
            v = days;
            break;
        case Part::Week: {
            // Sundays crossed: weeks counted from a Sunday before both dates.
            const long long sx = (x->daysSinceEpoch() + 1) / 7, sy = (y->daysSinceEpoch() + 1) / 7;
            v = sy - sx;
            break;
        }
        case Part::Hour:
            v = days * 24 + (y->hour - x->hour);
            break;
        case Part::Minute:
            v = (days * 24 + (y->hour - x->hour)) * 60 + (y->minute - x->minute);
            break;
        case Part::Second:
            v = days * 86400 + (msOfDay(*y) / 1000 - msOfDay(*x) / 1000);
            break;
        case Part::Ms:
            v = days * 86400000 + (msOfDay(*y) - msOfDay(*x));
            break;
        case Part::IsoWeek:  // refused by partArg
            break;
    }
    if (v > 2147483647LL || v < -2147483648LL) {
        sqlite3_result_error(
            ctx,
            "The datediff function resulted in an overflow. The number of dateparts "
            "separating two date/time instances is too large.",
            -1);
        return;
    }
    sqlite3_result_int64(ctx, v);
}

}  // namespace

DateTime roundedToDatetime(const DateTime& d) {
    const long long ticks = (d.millisecond * 300LL + 500) / 1000;  // 1/300 s, half up
    const long long ms = (ticks * 1000 + 150) / 300;
    return withMs(d.daysSinceEpoch(), msOfDay(d) - d.millisecond + ms);
}

void registerDateFunctions(sqlite3* db) {
    sqlite3_create_function_v2(db, "tsql_datepart", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               fnDatePart, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "tsql_dateadd", 3, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               fnDateAdd, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "tsql_datediff", 3, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               fnDateDiff, nullptr, nullptr, nullptr);
}

}  // namespace db::sqlite
