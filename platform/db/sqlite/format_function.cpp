#include "platform/db/sqlite/format_function.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>

#include "platform/db/ascii_case.h"
#include "platform/db/date_time.h"
#include "platform/db/decimal.h"
#include "platform/db/sqlite/sqlite_functions.h"

namespace db::sqlite {
namespace {

// What FORMAT needs of a culture: separators and the names of months and days.
struct Culture {
    const char* name;
    char decimal;
    char group;
    const char* shortDate;  // the standard format "d"
    const char* longDate;   // the standard format "D"
    std::array<const char*, 12> months;
    std::array<const char*, 12> shortMonths;
    std::array<const char*, 7> days;  // from Sunday
    std::array<const char*, 7> shortDays;
    const char* am;
    const char* pm;
};

constexpr Culture kEnglish{
    "en-US",
    '.',
    ',',
    "M/d/yyyy",
    "dddd, MMMM d, yyyy",
    {"January", "February", "March", "April", "May", "June", "July", "August", "September",
     "October", "November", "December"},
    {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
    {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
    "AM",
    "PM"};

constexpr Culture kItalian{
    "it-IT",
    ',',
    '.',
    "dd/MM/yyyy",
    "dddd d MMMM yyyy",
    {"gennaio", "febbraio", "marzo", "aprile", "maggio", "giugno", "luglio", "agosto", "settembre",
     "ottobre", "novembre", "dicembre"},
    {"gen", "feb", "mar", "apr", "mag", "giu", "lug", "ago", "set", "ott", "nov", "dic"},
    {"domenica", "lunedì", "martedì", "mercoledì", "giovedì", "venerdì", "sabato"},
    {"dom", "lun", "mar", "mer", "gio", "ven", "sab"},
    "",
    ""};

const Culture* cultureNamed(std::string_view name) {
    if (name.empty() || equalsIgnoreCase(name, "en-US") || equalsIgnoreCase(name, "en"))
        return &kEnglish;
    if (equalsIgnoreCase(name, "it-IT") || equalsIgnoreCase(name, "it"))
        return &kItalian;
    return nullptr;
}

// The digits of a non-negative whole number, grouped by three when asked.
std::string integralDigits(std::string digits, int minimum, bool grouped, char group) {
    while (digits.size() > 1 && digits[0] == '0')
        digits.erase(0, 1);
    if (digits == "0" && minimum == 0)
        digits.clear();
    while (static_cast<int>(digits.size()) < minimum)
        digits.insert(0, 1, '0');
    if (!grouped)
        return digits;
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += group;
        out += digits[i];
    }
    return out;
}

// `value` with `minFraction` to `maxFraction` decimals (rounded half away
// from zero), at least `minIntegral` integral digits, grouped or not.
std::string formatNumber(const Decimal& value, int minIntegral, int minFraction, int maxFraction,
                         bool grouped, const Culture& c) {
    Decimal rounded = value.rescaled(maxFraction);
    std::string text = rounded.toString();  // "-1234.50"
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        text.erase(0, 1);
    const auto dot = text.find('.');
    std::string whole = text.substr(0, dot);
    std::string fraction = dot == std::string::npos ? std::string() : text.substr(dot + 1);
    while (static_cast<int>(fraction.size()) > minFraction && !fraction.empty() &&
           fraction.back() == '0')
        fraction.pop_back();
    std::string out = integralDigits(whole, minIntegral, grouped, c.group);
    if (!fraction.empty())
        out += c.decimal + fraction;
    const bool zero = rounded.isZero();
    return (negative && !zero ? "-" : "") + out;
}

// A whole-number pattern with text among its placeholders ("###-##-####"):
// the digits fill the placeholders from the right, the text stays where it
// is, and digits left over go before the first placeholder.
std::string placedDigits(const Decimal& value, std::string_view format) {
    std::string digits = value.rescaled(0).toString();
    const bool negative = !digits.empty() && digits[0] == '-';
    if (negative)
        digits.erase(0, 1);
    if (digits == "0")
        digits.clear();
    const std::size_t first = format.find_first_of("0#");
    std::string out;
    std::size_t next = digits.size();  // digits still to place, from the right
    for (std::size_t i = format.size(); i-- > 0;) {
        const char c = format[i];
        if (c == '0' || c == '#') {
            if (next > 0)
                out += digits[--next];
            else if (c == '0')
                out += '0';
            if (i == first)
                while (next > 0)
                    out += digits[--next];
        } else {
            out += c;
        }
    }
    std::reverse(out.begin(), out.end());
    return (negative ? "-" : "") + out;
}

// .NET's standard numeric formats N, F and D, and the custom ones made of
// 0, #, ',' and '.'; nullopt for any other.
std::optional<std::string> numberFormat(const Decimal& value, std::string_view format,
                                        const Culture& c) {
    // A letter and at most two digits is a standard format; anything else custom.
    const bool standard = !format.empty() && format.size() <= 3 &&
                          std::isalpha(static_cast<unsigned char>(format[0])) &&
                          std::all_of(format.begin() + 1, format.end(), [](char d) {
                              return std::isdigit(static_cast<unsigned char>(d)) != 0;
                          });
    if (standard) {
        const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(format[0])));
        const std::string_view digits = format.substr(1);
        const int precision = digits.empty() ? -1 : std::stoi(std::string(digits));
        if (kind == 'N' || kind == 'F')
            return formatNumber(value, 1, precision < 0 ? 2 : precision,
                                precision < 0 ? 2 : precision, kind == 'N', c);
        if (kind == 'D' && value.isInteger())
            return formatNumber(value, std::max(precision, 1), 0, 0, false, c);
        return std::nullopt;
    }
    // Custom: literal text around one run of placeholders.
    const auto first = format.find_first_of("0#");
    const auto last = format.find_last_of("0#");
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::string_view prefix = format.substr(0, first);
    const std::string_view body = format.substr(first, last - first + 1);
    const std::string_view suffix = format.substr(last + 1);
    if (body.find_first_of(",.") == std::string_view::npos &&
        body.find_first_of("%;\\'\"") == std::string_view::npos &&
        prefix.find_first_of("%;\\'\"") == std::string_view::npos &&
        suffix.find_first_of("%;\\'\"") == std::string_view::npos)
        return placedDigits(value, format);
    if (body.find_first_not_of("0#,.") != std::string_view::npos ||
        prefix.find_first_of("%;\\'\"") != std::string_view::npos ||
        suffix.find_first_of("%;\\'\"") != std::string_view::npos)
        return std::nullopt;
    const auto dot = body.find('.');
    const std::string_view integral = body.substr(0, dot);
    const std::string_view fraction =
        dot == std::string_view::npos ? std::string_view() : body.substr(dot + 1);
    if (fraction.find(',') != std::string_view::npos)
        return std::nullopt;
    int minIntegral = 0;
    for (std::size_t i = integral.find('0'); i != std::string_view::npos && i < integral.size();
         ++i)
        minIntegral += integral[i] == '0' || integral[i] == '#';
    int minFraction = 0, maxFraction = 0;
    for (std::size_t i = 0; i < fraction.size(); ++i) {
        ++maxFraction;
        if (fraction[i] == '0')
            minFraction = static_cast<int>(i) + 1;
    }
    const bool grouped = integral.find(',') != std::string_view::npos;
    return std::string(prefix) +
           formatNumber(value, minIntegral, minFraction, maxFraction, grouped, c) +
           std::string(suffix);
}

int weekday(const DateTime& d) {
    // 1900-01-01 was a Monday.
    return static_cast<int>((d.daysSinceEpoch() % 7 + 7 + 1) % 7);
}

// .NET's custom date and time format (and the standard "d" and "D").
std::optional<std::string> dateFormat(const DateTime& d, std::string_view format,
                                      const Culture& c) {
    if (format == "d")
        format = c.shortDate;
    else if (format == "D")
        format = c.longDate;
    else if (format.size() == 1)
        return std::nullopt;
    std::string out;
    for (std::size_t i = 0; i < format.size();) {
        const char ch = format[i];
        std::size_t n = 1;
        while (i + n < format.size() && format[i + n] == ch)
            ++n;
        switch (ch) {
            case 'y':
                out += n <= 2 ? zeroPadded(d.year % 100, n) : zeroPadded(d.year, n);
                break;
            case 'M':
                out += n <= 2   ? zeroPadded(d.month, n)
                       : n == 3 ? c.shortMonths[static_cast<std::size_t>(d.month - 1)]
                                : c.months[static_cast<std::size_t>(d.month - 1)];
                break;
            case 'd':
                out += n <= 2   ? zeroPadded(d.day, n)
                       : n == 3 ? c.shortDays[static_cast<std::size_t>(weekday(d))]
                                : c.days[static_cast<std::size_t>(weekday(d))];
                break;
            case 'H':
                out += zeroPadded(d.hour, std::min<std::size_t>(n, 2));
                break;
            case 'h':
                out += zeroPadded(d.hour % 12 == 0 ? 12 : d.hour % 12, std::min<std::size_t>(n, 2));
                break;
            case 'm':
                out += zeroPadded(d.minute, std::min<std::size_t>(n, 2));
                break;
            case 's':
                out += zeroPadded(d.second, std::min<std::size_t>(n, 2));
                break;
            case 'f':
            case 'F': {
                std::string ms = zeroPadded(d.millisecond, 3) + "0000";
                ms = ms.substr(0, std::min<std::size_t>(n, 7));
                if (ch == 'F')
                    while (!ms.empty() && ms.back() == '0')
                        ms.pop_back();
                out += ms;
                break;
            }
            case 't': {
                const std::string marker = d.hour < 12 ? c.am : c.pm;
                out += n == 1 ? marker.substr(0, 1) : marker;
                break;
            }
            case '\'':
            case '"': {
                const auto close = format.find(ch, i + 1);
                if (close == std::string_view::npos)
                    return std::nullopt;
                out += format.substr(i + 1, close - i - 1);
                n = close - i + 1;
                break;
            }
            case '\\':
                if (i + 1 < format.size())
                    out += format[i + 1];
                n = 2;
                break;
            default:
                out.append(n, ch);  // separators and other text as they are
                break;
        }
        i += n;
    }
    return out;
}

void resultText(sqlite3_context* ctx, const std::string& s) {
    sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

// tsql_format(value, format, culture, kind): kind 'N' a number, 'D' a date,
// empty when the translation could not tell (the stored value decides).
void fnFormat(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (sqlite3_value_type(a[0]) == SQLITE_NULL || sqlite3_value_type(a[1]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    const std::string format = textOf(a[1]);
    const std::string cultureName = textOf(a[2]);
    const Culture* culture = cultureNamed(cultureName);
    if (!culture) {
        const std::string msg = "Culture '" + cultureName + "' is not supported.";
        return sqlite3_result_error(ctx, msg.c_str(), -1);
    }
    const std::string kind = textOf(a[3]);
    const int storage = sqlite3_value_type(a[0]);
    std::optional<std::string> out;
    const bool number =
        kind == "N" || (kind.empty() && (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT));
    if (number) {
        std::optional<Decimal> value;
        if (storage == SQLITE_INTEGER)
            value = Decimal(static_cast<std::int64_t>(sqlite3_value_int64(a[0])));
        else if (storage == SQLITE_FLOAT)
            value = Decimal::fromDouble(sqlite3_value_double(a[0]));
        else
            value = Decimal::parse(textOf(a[0]));
        if (value)
            out = numberFormat(*value, format, *culture);
    } else if (const auto d = DateTime::parseIso(canonicalDate(textOf(a[0])))) {
        out = dateFormat(*d, format, *culture);
    }
    if (!out) {
        const std::string msg =
            "T-SQL adapter: FORMAT with the format '" + format + "' is not supported.";
        return sqlite3_result_error(ctx, msg.c_str(), -1);
    }
    resultText(ctx, *out);
}

}  // namespace

std::string customDateText(const DateTime& d, std::string_view format) {
    return dateFormat(d, format, kEnglish).value_or(std::string());
}

void registerFormatFunction(sqlite3* db) {
    sqlite3_create_function_v2(db, "tsql_format", 4, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               fnFormat, nullptr, nullptr, nullptr);
}

}  // namespace db::sqlite
