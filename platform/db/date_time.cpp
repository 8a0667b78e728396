#include "platform/db/date_time.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace db {
namespace {

bool isLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

// Proleptic Gregorian day count from 1970-01-01 (H. Hinnant's civil algorithms).
constexpr long daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153L * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(long z, int& y, int& m, int& d) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

constexpr long kEpochOffset = daysFromCivil(1900, 1, 1);

// Reads exactly `count` digits at `pos`.
bool readDigits(std::string_view text, std::size_t& pos, int count, int& out) {
    if (pos + count > text.size())
        return false;
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const char c = text[pos + i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    pos += count;
    out = value;
    return true;
}

bool expect(std::string_view text, std::size_t& pos, char c) {
    if (pos >= text.size() || text[pos] != c)
        return false;
    ++pos;
    return true;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool parseTime(std::string_view text, std::size_t& pos, DateTime& dt) {
    if (!readDigits(text, pos, 2, dt.hour) || !expect(text, pos, ':') ||
        !readDigits(text, pos, 2, dt.minute))
        return false;
    if (!expect(text, pos, ':'))
        return true;
    if (!readDigits(text, pos, 2, dt.second))
        return false;
    if (!expect(text, pos, '.'))
        return true;
    // Fractions finer than a millisecond (datetime2 text) are cut, not refused.
    int digits = 0, ms = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos, ++digits) {
        if (digits < 3)
            ms = ms * 10 + (text[pos] - '0');
    }
    if (digits == 0)
        return false;
    for (int i = digits; i < 3; ++i)
        ms *= 10;
    dt.millisecond = ms;
    return true;
}

}  // namespace

std::optional<DateTime> DateTime::parseIso(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    DateTime dt;
    std::size_t pos = 0;
    if (!readDigits(text, pos, 4, dt.year))
        return std::nullopt;
    const bool dashed = expect(text, pos, '-');
    if (!readDigits(text, pos, 2, dt.month) || (dashed && !expect(text, pos, '-')) ||
        !readDigits(text, pos, 2, dt.day))
        return std::nullopt;
    if (pos < text.size()) {
        if (text[pos] != ' ' && text[pos] != 'T')
            return std::nullopt;
        ++pos;
        if (!parseTime(text, pos, dt) || pos != text.size())
            return std::nullopt;
    }
    if (!dt.isValid())
        return std::nullopt;
    return dt;
}

DateTime DateTime::now() {
    const auto clock = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(clock);
    std::tm local{};
    localtime_r(&t, &local);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(clock.time_since_epoch()) % 1000;
    DateTime dt;
    dt.year = local.tm_year + 1900;
    dt.month = local.tm_mon + 1;
    dt.day = local.tm_mday;
    dt.hour = local.tm_hour;
    dt.minute = local.tm_min;
    dt.second = local.tm_sec > 59 ? 59 : local.tm_sec;  // a leap second is not a valid time here
    dt.millisecond = static_cast<int>(ms.count());
    return dt;
}

bool DateTime::isValid() const {
    if (year < 1 || year > 9999 || month < 1 || month > 12)
        return false;
    if (day < 1 || day > daysInMonth(year, month))
        return false;
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59 &&
           millisecond >= 0 && millisecond <= 999;
}

std::string DateTime::toIsoString() const {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d.%03d", year, month, day,
                  hour, minute, second, millisecond);
    return buffer;
}

std::string DateTime::toIsoDate() const {
    char buffer[20];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
    return buffer;
}

long DateTime::daysSinceEpoch() const {
    return daysFromCivil(year, month, day) - kEpochOffset;
}

DateTime DateTime::fromDaysSinceEpoch(long days) {
    DateTime dt;
    civilFromDays(days + kEpochOffset, dt.year, dt.month, dt.day);
    return dt;
}

}  // namespace db
