#pragma once
// A calendar date with time of day, as the database stores DATETIME values.

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace db {

struct DateTime {
    int year = 1900, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0, millisecond = 0;

    // Accepts "YYYY-MM-DD", "YYYYMMDD", either followed by " HH:MM[:SS[.mmm]]" or
    // "THH:MM[:SS[.mmm]]". Invalid calendar dates (2023-02-30) give nullopt.
    static std::optional<DateTime> parseIso(std::string_view text);
    static DateTime now();

    bool isValid() const;
    bool hasTime() const { return hour || minute || second || millisecond; }
    // "YYYY-MM-DD HH:MM:SS.mmm": the form the embedded database stores and
    // compares as text.
    std::string toIsoString() const;
    // "YYYY-MM-DD".
    std::string toIsoDate() const;
    // Days since 1900-01-01 (SQL Server's day zero).
    long daysSinceEpoch() const;
    static DateTime fromDaysSinceEpoch(long days);

    friend auto operator<=>(const DateTime&, const DateTime&) = default;
};

}  // namespace db
