#include "platform/db/sqlite/sqlite_functions.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "platform/db/date_time.h"
#include "platform/db/decimal.h"
#include "platform/db/sqlite/date_functions.h"
#include "platform/db/sqlite/format_function.h"
#include "platform/db/sqlite/identity_functions.h"
#include "platform/db/sqlite/numeric_functions.h"
#include "platform/db/sqlite/script_variables.h"
#include "platform/db/sqlite/text_collation.h"
#include "platform/db/sqlite/text_functions.h"

namespace db::sqlite {
namespace {

// ---- text helpers (UTF-8, blanks are ' ' only as in SQL Server)

std::size_t charCount(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n;
}

// Byte offset of the character with the given 0-based index (size() past the end).
std::size_t byteOffset(std::string_view s, std::size_t chars) {
    std::size_t i = 0;
    while (i < s.size() && chars > 0) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
            ++i;
        --chars;
    }
    return i;
}

std::string substringChars(std::string_view s, long long start0, long long count) {
    if (count <= 0 || start0 < 0)
        return {};
    const std::size_t b = byteOffset(s, static_cast<std::size_t>(start0));
    const std::size_t e = byteOffset(s.substr(b), static_cast<std::size_t>(count));
    return std::string(s.substr(b, e));
}

// Dates written in any accepted form compare as the dates they are.
int collateDate(void*, int la, const void* a, int lb, const void* b) {
    const std::string_view x(static_cast<const char*>(a), static_cast<std::size_t>(la));
    const std::string_view y(static_cast<const char*>(b), static_cast<std::size_t>(lb));
    std::string cx = canonicalDate(x), cy = canonicalDate(y);
    if (cx.empty())
        cx = std::string(x);
    if (cy.empty())
        cy = std::string(y);
    const int c = cx.compare(cy);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

// ---- value helpers

bool isNull(sqlite3_value* v) {
    return sqlite3_value_type(v) == SQLITE_NULL;
}
bool isNumber(sqlite3_value* v) {
    const int t = sqlite3_value_type(v);
    return t == SQLITE_INTEGER || t == SQLITE_FLOAT;
}
std::string_view textView(sqlite3_value* v) {
    // Text is read as it is stored: asking for it as text would make SQLite
    // copy it to add a terminating zero, which nothing here needs.
    const int type = sqlite3_value_type(v);
    const auto* p = reinterpret_cast<const char*>(
        type == SQLITE_TEXT || type == SQLITE_BLOB ? sqlite3_value_blob(v) : sqlite3_value_text(v));
    return p ? std::string_view(p, static_cast<std::size_t>(sqlite3_value_bytes(v)))
             : std::string_view();
}

void resultText(sqlite3_context* ctx, const std::string& s) {
    // Empty text may come without a pointer: it stays text, not NULL.
    sqlite3_result_text(ctx, s.empty() ? "" : s.data(), static_cast<int>(s.size()),
                        SQLITE_TRANSIENT);
}

void resultDecimal(sqlite3_context* ctx, const Decimal& d) {
    if (auto i = d.toInt64(); i && d.isInteger())
        sqlite3_result_int64(ctx, *i);
    else
        sqlite3_result_double(ctx, d.toDouble());
}

// A conversion that fails is an error, or NULL for TRY_CAST / TRY_CONVERT
// (registered with user data).
void conversionFailed(sqlite3_context* ctx, const std::string& msg) {
    if (sqlite3_user_data(ctx) != nullptr)
        return sqlite3_result_null(ctx);
    sqlite3_result_error(ctx, msg.c_str(), -1);
}

void conversionError(sqlite3_context* ctx, std::string_view text, const char* type) {
    conversionFailed(ctx, "Conversion failed when converting the varchar value '" +
                              std::string(text) + "' to data type " + type + ".");
}

// ---- functions

void fnAdd(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0]) || isNull(a[1]))
        return sqlite3_result_null(ctx);
    if (sqlite3_value_type(a[0]) == SQLITE_BLOB && sqlite3_value_type(a[1]) == SQLITE_BLOB) {
        std::string bytes(static_cast<const char*>(sqlite3_value_blob(a[0])),
                          static_cast<std::size_t>(sqlite3_value_bytes(a[0])));
        bytes.append(static_cast<const char*>(sqlite3_value_blob(a[1])),
                     static_cast<std::size_t>(sqlite3_value_bytes(a[1])));
        return sqlite3_result_blob64(ctx, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
    }
    const bool n0 = isNumber(a[0]), n1 = isNumber(a[1]);
    if (!n0 && !n1) {
        // Joined straight into the buffer SQLite keeps: every row of a
        // concatenated column passes here.
        const std::string_view x = textView(a[0]), y = textView(a[1]);
        char* joined = static_cast<char*>(sqlite3_malloc64(x.size() + y.size() + 1));
        if (!joined)
            return sqlite3_result_error_nomem(ctx);
        std::memcpy(joined, x.data(), x.size());
        std::memcpy(joined + x.size(), y.data(), y.size());
        joined[x.size() + y.size()] = '\0';
        return sqlite3_result_text64(ctx, joined, x.size() + y.size(), sqlite3_free, SQLITE_UTF8);
    }
    if (n0 && n1 && sqlite3_value_type(a[0]) == SQLITE_INTEGER &&
        sqlite3_value_type(a[1]) == SQLITE_INTEGER) {
        long long r = 0;
        if (!__builtin_add_overflow(sqlite3_value_int64(a[0]), sqlite3_value_int64(a[1]), &r))
            return sqlite3_result_int64(ctx, r);
        return sqlite3_result_error(
            ctx, "Arithmetic overflow error converting expression to data type bigint.", -1);
    }
    // A number wins over text: the text must read as a number.
    auto x = numberOf(a[0]), y = numberOf(a[1]);
    if (!x)
        return conversionError(ctx, textView(a[0]), "int");
    if (!y)
        return conversionError(ctx, textView(a[1]), "int");
    try {
        // Worked out as decimals: 0.1 + 0.2 is 0.3.
        if (sqlite3_value_type(a[0]) == SQLITE_FLOAT || sqlite3_value_type(a[1]) == SQLITE_FLOAT)
            return sqlite3_result_double(ctx, (*x + *y).toDouble());
        resultDecimal(ctx, *x + *y);
    } catch (const std::overflow_error&) {
        sqlite3_result_error(
            ctx, "Arithmetic overflow error converting expression to data type numeric.", -1);
    }
}

// CONVERT's date styles made of fixed fields, as custom date formats.
constexpr std::pair<int, std::string_view> kDateStyles[] = {
    {101, "MM/dd/yyyy"}, {103, "dd/MM/yyyy"}, {104, "dd.MM.yyyy"},          {105, "dd-MM-yyyy"},
    {108, "HH:mm:ss"},   {112, "yyyyMMdd"},   {120, "yyyy-MM-dd HH:mm:ss"}, {23, "yyyy-MM-dd"}};

std::string formatDate(const DateTime& d, int style) {
    for (const auto& [number, format] : kDateStyles)
        if (number == style)
            return customDateText(d, format);
    if (style != 100)
        return d.toIsoString();  // 121 and any style not written out here
    // mon dd yyyy hh:miAM: day and hour padded with a blank.
    const int h12 = d.hour % 12 == 0 ? 12 : d.hour % 12;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%s %2d %04d %2d:%02d%s", customDateText(d, "MMM").c_str(),
                  d.day, d.year, h12, d.minute, d.hour < 12 ? "AM" : "PM");
    return buf;
}

std::optional<DateTime> dateOf(sqlite3_value* v, int style = 0) {
    if (isNull(v))
        return std::nullopt;
    std::string_view s = textView(v);
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    s = rtrimmed(s);
    if ((style == 103 || style == 104 || style == 105) && s.size() >= 10) {
        const std::string iso = std::string(s.substr(6, 4)) + "-" + std::string(s.substr(3, 2)) +
                                "-" + std::string(s.substr(0, 2)) + std::string(s.substr(10));
        return DateTime::parseIso(iso);
    }
    return DateTime::parseIso(s);
}

void fnConvert(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    if (isNull(a[0]))
        return sqlite3_result_null(ctx);
    // The type names are compared where SQLite keeps them: CONVERT runs for every row.
    const std::string_view type = textView(a[1]);
    const long long length = sqlite3_value_int64(a[2]);
    const int scale = sqlite3_value_int(a[3]);
    const int style = argc > 4 ? sqlite3_value_int(a[4]) : 0;
    // The value's own T-SQL type, when the translator knows it.
    const std::string_view from = argc > 6 ? textView(a[5]) : std::string_view();
    const bool fixed = type == "CHAR" || type == "NCHAR";
    if (fixed || type == "VARCHAR" || type == "NVARCHAR" || type == "TEXT" || type == "NTEXT" ||
        type == "SYSNAME") {
        std::string s;
        const bool isDateSource = from == "DATE" || from == "DATETIME" || from == "SMALLDATETIME";
        if (isDateSource && style == 0) {
            // Without a style a date reads yyyy-mm-dd, a DATETIME as style 100.
            auto d = dateOf(a[0]);
            s = !d ? std::string(textView(a[0])) : formatDate(*d, from == "DATE" ? 23 : 100);
        } else if (style != 0 && !isNumber(a[0])) {
            auto d = dateOf(a[0]);
            s = d ? formatDate(*d, style) : std::string(textView(a[0]));
        } else if (!from.empty() && isNumber(a[0]) &&
                   (from == "DECIMAL" || from == "NUMERIC" || from == "MONEY" ||
                    from == "SMALLMONEY")) {
            // A decimal shows its scale, money two decimals.
            const int fromScale =
                from == "DECIMAL" || from == "NUMERIC" ? sqlite3_value_int(a[6]) : 2;
            s = numberOf(a[0])->rescaled(fromScale).toString();
        } else {
            s = textOf(a[0]);
        }
        const long long width = length == 0 ? 30 : length;
        if (width > 0 && static_cast<long long>(charCount(s)) > width) {
            // A number that does not fit shows as '*', as SQL Server does.
            s = isNumber(a[0]) ? std::string("*") : substringChars(s, 0, width);
        }
        if (fixed && width > 0)
            s.append(static_cast<std::size_t>(width - static_cast<long long>(charCount(s))), ' ');
        return resultText(ctx, s);
    }
    if (type == "DECIMAL" || type == "NUMERIC" || type == "MONEY" || type == "SMALLMONEY") {
        auto d = numberOf(a[0]);
        if (!d)
            return conversionFailed(ctx, "Error converting data type varchar to numeric.");
        const int s = type == "DECIMAL" || type == "NUMERIC" ? scale : 4;
        // A decimal with a scale stays a decimal in arithmetic: whole or not,
        // it is not an integer (7.00 / 2 is 3.5).
        if (s > 0)
            return sqlite3_result_double(ctx, d->rescaled(s).toDouble());
        return resultDecimal(ctx, d->rescaled(s));
    }
    if (type == "INT" || type == "INTEGER" || type == "BIGINT" || type == "SMALLINT" ||
        type == "TINYINT" || type == "BIT") {
        std::optional<Decimal> d;
        if (isNumber(a[0]))
            d = numberOf(a[0]);
        else if (auto p = Decimal::parse(textView(a[0])); p && p->isInteger())
            d = p;
        if (!d)
            return conversionError(ctx, textView(a[0]), type == "BIT" ? "bit" : "int");
        __int128 unit = 1;
        for (int k = 0; k < d->scale(); ++k)
            unit *= 10;
        // Toward zero, as SQL Server does, but money is rounded.
        __int128 whole = d->mantissa() / unit;
        if ((from == "MONEY" || from == "SMALLMONEY") && d->scale() > 0) {
            const __int128 rest = d->mantissa() % unit;
            if (2 * rest >= unit)
                ++whole;
            else if (2 * rest <= -unit)
                --whole;
        }
        auto i = Decimal(whole, 0).toInt64();
        const long long low = type == "TINYINT" ? 0 : type == "SMALLINT" ? -32768 : -2147483648LL;
        const long long high = type == "TINYINT" ? 255 : type == "SMALLINT" ? 32767 : 2147483647LL;
        const bool wide = type == "BIGINT" || type == "BIT";
        if (!i || (!wide && (*i < low || *i > high))) {
            std::string name(type == "INTEGER" ? std::string_view("int") : type);
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            // An integer too big for SMALLINT or TINYINT names its value (220).
            if (i && sqlite3_value_type(a[0]) == SQLITE_INTEGER && low > -2147483648LL)
                return conversionFailed(ctx, "Arithmetic overflow error for data type " + name +
                                                 ", value = " + std::to_string(*i) + ".");
            return conversionFailed(
                ctx, "Arithmetic overflow error converting expression to data type " + name + ".");
        }
        return sqlite3_result_int64(ctx, type == "BIT" ? (*i != 0) : *i);
    }
    if (type == "FLOAT" || type == "REAL") {
        auto d = numberOf(a[0]);
        if (!d)
            return conversionError(ctx, textView(a[0]), "float");
        return sqlite3_result_double(ctx, d->toDouble());
    }
    if (type == "DATETIME" || type == "DATE" || type == "SMALLDATETIME" || type == "DATETIME2") {
        auto d = dateOf(a[0], style);
        if (!d)
            return conversionFailed(
                ctx, "Conversion failed when converting date and/or time from character string.");
        if (type == "DATE")
            d->hour = d->minute = d->second = d->millisecond = 0;
        else if (type == "DATETIME")
            d = roundedToDatetime(*d);
        if ((type == "DATETIME" && d->year < 1753) || (type == "SMALLDATETIME" && d->year < 1900)) {
            return conversionFailed(ctx,
                                    "The conversion of a varchar data type to a datetime data "
                                    "type resulted in an out-of-range value.");
        }
        return resultText(ctx, d->toIsoString());
    }
    const std::string msg = "Type " + std::string(type) + " is not a defined system type.";
    sqlite3_result_error(ctx, msg.c_str(), -1);
}

void fnLen(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0]))
        return sqlite3_result_null(ctx);
    const std::string s = textOf(a[0]);
    sqlite3_result_int64(ctx, static_cast<long long>(charCount(rtrimmed(s))));
}

void fnSubstring(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0]) || isNull(a[1]) || isNull(a[2]))
        return sqlite3_result_null(ctx);
    long long start = sqlite3_value_int64(a[1]), count = sqlite3_value_int64(a[2]);
    if (count < 0) {
        sqlite3_result_error(ctx, "Invalid length parameter passed to the substring function.", -1);
        return;
    }
    if (start < 1) {
        count += start - 1;
        start = 1;
    }
    resultText(ctx, substringChars(textOf(a[0]), start - 1, count));
}

bool looksNumeric(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    s = rtrimmed(s);
    if (s.empty())
        return false;
    if (s == "+" || s == "-" || s == "." || s == "$")
        return true;
    std::size_t i = 0;
    if (s[i] == '$')
        ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c == '.' && !point)
            point = true;
        else if (c == ',' && !point)
            continue;
        else if ((c == 'e' || c == 'E' || c == 'd' || c == 'D') && digits) {
            std::size_t j = i + 1;
            if (j < s.size() && (s[j] == '+' || s[j] == '-'))
                ++j;
            if (j >= s.size())
                return false;
            for (; j < s.size(); ++j)
                if (s[j] < '0' || s[j] > '9')
                    return false;
            return true;
        } else
            return false;
    }
    return digits || point;
}

void fnIsNumeric(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0]))
        return sqlite3_result_int(ctx, 0);
    sqlite3_result_int(ctx, isNumber(a[0]) || looksNumeric(textView(a[0])) ? 1 : 0);
}

void fnStuff(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0]) || isNull(a[1]) || isNull(a[2]))
        return sqlite3_result_null(ctx);
    const std::string s = textOf(a[0]);
    const long long len = static_cast<long long>(charCount(s));
    const long long start = sqlite3_value_int64(a[1]), count = sqlite3_value_int64(a[2]);
    if (start < 1 || start > len || count < 0)
        return sqlite3_result_null(ctx);
    std::string out = substringChars(s, 0, start - 1);
    if (!isNull(a[3]))
        out += textOf(a[3]);
    out += substringChars(s, start - 1 + count, len);
    resultText(ctx, out);
}

void fnReplicate(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0]) || isNull(a[1]) || sqlite3_value_int64(a[1]) < 0)
        return sqlite3_result_null(ctx);
    const std::string s = textOf(a[0]);
    std::string out;
    const long long n = sqlite3_value_int64(a[1]);
    out.reserve(s.size() * static_cast<std::size_t>(n));
    for (long long i = 0; i < n; ++i)
        out += s;
    resultText(ctx, out);
}

void fnSpace(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0]) || sqlite3_value_int64(a[0]) < 0)
        return sqlite3_result_null(ctx);
    resultText(ctx, std::string(static_cast<std::size_t>(sqlite3_value_int64(a[0])), ' '));
}

template <bool Left>
void fnSide(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0]) || isNull(a[1]))
        return sqlite3_result_null(ctx);
    const long long n = sqlite3_value_int64(a[1]);
    if (n < 0) {
        sqlite3_result_error(ctx,
                             Left ? "Invalid length parameter passed to the left function."
                                  : "Invalid length parameter passed to the right function.",
                             -1);
        return;
    }
    const std::string s = textOf(a[0]);
    const long long len = static_cast<long long>(charCount(s));
    resultText(ctx, Left ? substringChars(s, 0, n) : substringChars(s, std::max(0LL, len - n), n));
}

template <int Part>
void fnDatePart(sqlite3_context* ctx, int, sqlite3_value** a) {
    auto d = dateOf(a[0]);
    if (!d)
        return sqlite3_result_null(ctx);
    sqlite3_result_int(ctx, Part == 0 ? d->day : Part == 1 ? d->month : d->year);
}

void fnNewId(sqlite3_context* ctx, int, sqlite3_value**) {
    unsigned char b[16];
    sqlite3_randomness(sizeof b, b);
    b[6] = static_cast<unsigned char>((b[6] & 0x0F) | 0x40);
    b[8] = static_cast<unsigned char>((b[8] & 0x3F) | 0x80);
    char out[37];
    std::snprintf(out, sizeof out,
                  "%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X", b[0],
                  b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13],
                  b[14], b[15]);
    sqlite3_result_text(ctx, out, 36, SQLITE_TRANSIENT);
}

void fnGetDate(sqlite3_context* ctx, int, sqlite3_value**) {
    resultText(ctx, DateTime::now().toIsoString());
}

void fnCharIndex(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    if (isNull(a[0]) || isNull(a[1]))
        return sqlite3_result_null(ctx);
    const std::string what = foldUpper(textOf(a[0])), in = foldUpper(textOf(a[1]));
    long long start = argc > 2 && !isNull(a[2]) ? std::max(1LL, sqlite3_value_int64(a[2])) : 1;
    if (what.empty())
        return sqlite3_result_int(ctx, 0);
    const std::size_t from = byteOffset(in, static_cast<std::size_t>(start - 1));
    const auto pos = in.find(what, from);
    sqlite3_result_int64(ctx, pos == std::string::npos
                                  ? 0
                                  : static_cast<long long>(charCount(in.substr(0, pos))) + 1);
}

void fnObjectId(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0]))
        return sqlite3_result_null(ctx);
    std::string name(textView(a[0]));
    // tempdb..#X, dbo.X, [X]
    if (auto dots = name.rfind('.'); dots != std::string::npos)
        name = name.substr(dots + 1);
    if (name.size() > 1 && name.front() == '[' && name.back() == ']')
        name = name.substr(1, name.size() - 2);
    sqlite3* db = sqlite3_context_db_handle(ctx);
    // Tables, the common case, are found without preparing a statement; the
    // identifier is only ever tested against NULL, so a number made from the
    // name does.
    if (sqlite3_table_column_metadata(db, name.rfind('#', 0) == 0 ? "temp" : "main", name.c_str(),
                                      nullptr, nullptr, nullptr, nullptr, nullptr,
                                      nullptr) == SQLITE_OK) {
        std::uint32_t hash = 2166136261u;
        for (char ch : foldUpper(name))
            hash = (hash ^ static_cast<unsigned char>(ch)) * 16777619u;
        return sqlite3_result_int64(ctx, 1 + (hash & 0x3FFFFFFF));
    }
    const char* sql = name.rfind('#', 0) == 0
                          ? "SELECT rowid FROM sqlite_temp_master WHERE type IN ('table','view') "
                            "AND name = ?1 COLLATE NOCASE"
                          : "SELECT rowid FROM sqlite_master WHERE type IN ('table','view') AND "
                            "name = ?1 COLLATE NOCASE";
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) != SQLITE_OK) {
        sqlite3_result_error(ctx, sqlite3_errmsg(db), -1);
        return;
    }
    sqlite3_bind_text(st, 1, name.c_str(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(st) == SQLITE_ROW) {
        sqlite3_result_int64(ctx, sqlite3_column_int64(st, 0) + (name[0] == '#' ? 1000000 : 0));
        sqlite3_finalize(st);
        return;
    }
    sqlite3_finalize(st);
    st = nullptr;
    // Procedures and functions written in T-SQL, when the database keeps any.
    if (name[0] != '#' &&
        sqlite3_prepare_v2(db, "SELECT rowid FROM main.tsql_modules WHERE name = ?1", -1, &st,
                           nullptr) == SQLITE_OK) {
        sqlite3_bind_text(st, 1, name.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(st) == SQLITE_ROW) {
            sqlite3_result_int64(ctx, 2000000 + sqlite3_column_int64(st, 0));
            sqlite3_finalize(st);
            return;
        }
    }
    sqlite3_finalize(st);
    sqlite3_result_null(ctx);
}

template <bool Upper>
void fnCase(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0]))
        return sqlite3_result_null(ctx);
    const std::string s = textOf(a[0]);
    resultText(ctx, Upper ? foldUpper(s) : foldLower(s));
}

template <bool Left>
void fnTrim(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0]))
        return sqlite3_result_null(ctx);
    // Text is trimmed where SQLite keeps it, without a copy of its own.
    const int type = sqlite3_value_type(a[0]);
    const std::string number = type == SQLITE_TEXT || type == SQLITE_BLOB ? "" : textOf(a[0]);
    std::string_view s = type == SQLITE_TEXT || type == SQLITE_BLOB ? textView(a[0]) : number;
    if (Left) {
        while (!s.empty() && s.front() == ' ')
            s.remove_prefix(1);
    } else {
        s = rtrimmed(s);
    }
    // Empty text may come without a pointer: it stays text, not NULL.
    sqlite3_result_text(ctx, s.empty() ? "" : s.data(), static_cast<int>(s.size()),
                        SQLITE_TRANSIENT);
}

void fnRound(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    if (isNull(a[0]) || isNull(a[1]))
        return sqlite3_result_null(ctx);
    auto d = numberOf(a[0]);
    if (!d)
        return conversionError(ctx, textView(a[0]), "float");
    const int places = sqlite3_value_int(a[1]);
    const bool truncate = argc > 2 && sqlite3_value_int(a[2]) != 0;
    Decimal r;
    if (places >= 0) {
        r = truncate ? Decimal(d->rescaled(places + 1).mantissa() / 10, places)
                     : d->rescaled(places);
        if (truncate && d->scale() <= places)
            r = *d;
    } else {
        Decimal unit = Decimal(1);
        for (int i = 0; i < -places; ++i)
            unit = unit * Decimal(10);
        r = Decimal::divide(*d, unit, 0) * unit;
    }
    if (sqlite3_value_type(a[0]) == SQLITE_FLOAT)
        return sqlite3_result_double(ctx, r.toDouble());
    resultDecimal(ctx, r);
}

// ---- helpers of the column rules the adapter installs on tables

void fnPad(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0]))
        return sqlite3_result_null(ctx);
    std::string s = textOf(a[0]);
    const auto width = static_cast<std::size_t>(sqlite3_value_int64(a[1]));
    const std::size_t n = charCount(s);
    if (n < width)
        s.append(width - n, ' ');
    resultText(ctx, s);
}

// tsql_datetime(value [, datetime]): the canonical form of a date; with a
// second argument not 0, rounded as a DATETIME column keeps it (1/300 s).
void fnDateTime(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    if (isNull(a[0]))
        return sqlite3_result_null(ctx);
    if (argc > 1 && sqlite3_value_int(a[1]) != 0) {
        if (auto d = dateOf(a[0]))
            return resultText(ctx, roundedToDatetime(*d).toIsoString());
        return sqlite3_result_value(ctx, a[0]);
    }
    const std::string c = canonicalDate(textOf(a[0]));
    if (c.empty())
        return sqlite3_result_value(ctx, a[0]);
    resultText(ctx, c);
}

// tsql_isdate(value [, first year]): 1 for NULL or a date (from that year on).
void fnIsDate(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    if (isNull(a[0]))
        return sqlite3_result_int(ctx, 1);
    const auto d = dateOf(a[0]);
    const int first = argc > 1 ? sqlite3_value_int(a[1]) : 1;
    sqlite3_result_int(ctx, d && d->year >= first ? 1 : 0);
}

// tsql_describe(sql, step): the result columns of a query on this
// connection as "name US declared type US storage class of the first row's
// value" joined by RS; the query is stepped once only when `step` is not 0
// (otherwise the storage is 0). Lets a client that reaches SQLite through
// another library (ODBC) learn what sqlite3_column_decltype tells.
void fnDescribe(sqlite3_context* ctx, int, sqlite3_value** a) {
    sqlite3* db = sqlite3_context_db_handle(ctx);
    sqlite3_stmt* st = nullptr;
    const std::string sql(textView(a[0]));
    int rc = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &st, nullptr);
    if (rc == SQLITE_OK && st && sqlite3_value_int(a[1]) != 0)
        rc = sqlite3_step(st);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE && rc != SQLITE_OK) {
        sqlite3_result_error(ctx, sqlite3_errmsg(db), -1);
        sqlite3_result_error_code(ctx, sqlite3_extended_errcode(db));
        sqlite3_finalize(st);
        return;
    }
    std::string out;
    const int n = st ? sqlite3_column_count(st) : 0;
    for (int i = 0; i < n; ++i) {
        const char* decl = sqlite3_column_decltype(st, i);
        out += std::string(i ? "\x1E" : "") + sqlite3_column_name(st, i) + '\x1F' +
               (decl ? decl : "") + '\x1F' +
               std::to_string(rc == SQLITE_ROW ? sqlite3_column_type(st, i) : 0);
    }
    sqlite3_finalize(st);
    resultText(ctx, out);
}

// tsql_maxrecursion(level, limit): the level of the rows a recursive CTE's
// member gives, one deeper than the rows they come from; past the limit
// (0: none) the statement ends as SQL Server ends it.
void fnMaxRecursion(sqlite3_context* ctx, int, sqlite3_value** a) {
    const long long level = sqlite3_value_int64(a[0]) + 1, limit = sqlite3_value_int64(a[1]);
    if (limit > 0 && level > limit) {
        const std::string msg = "The statement terminated. The maximum recursion " +
                                std::to_string(limit) +
                                " has been exhausted before statement completion.";
        sqlite3_result_error(ctx, msg.c_str(), -1);
        return;
    }
    sqlite3_result_int64(ctx, level);
}

struct Function {
    const char* name;
    int args;
    void (*fn)(sqlite3_context*, int, sqlite3_value**);
    bool deterministic = true;
};

}  // namespace

std::string textOf(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
        case SQLITE_NULL:
            return {};
        case SQLITE_INTEGER:
            return std::to_string(sqlite3_value_int64(v));
        case SQLITE_FLOAT:
            return Decimal::fromDouble(sqlite3_value_double(v)).normalized().toString();
        default:
            return std::string(textView(v));
    }
}

std::string zeroPadded(long long value, std::size_t width) {
    std::string s = std::to_string(value);
    if (s.size() < width)
        s.insert(0, width - s.size(), '0');
    return s;
}

std::string canonicalDate(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    auto d = DateTime::parseIso(rtrimmed(text));
    return d ? d->toIsoString() : std::string();
}

void registerFunctions(sqlite3* db) {
    static const Function functions[] = {
        {"tsql_add", 2, fnAdd},
        {"tsql_convert", 4, fnConvert},
        {"tsql_convert", 5, fnConvert},
        {"tsql_convert", 7, fnConvert},
        {"tsql_len", 1, fnLen},
        {"tsql_substring", 3, fnSubstring},
        {"tsql_isnumeric", 1, fnIsNumeric},
        {"tsql_stuff", 4, fnStuff},
        {"tsql_replicate", 2, fnReplicate},
        {"tsql_space", 1, fnSpace},
        {"tsql_left", 2, fnSide<true>},
        {"tsql_right", 2, fnSide<false>},
        {"tsql_day", 1, fnDatePart<0>},
        {"tsql_month", 1, fnDatePart<1>},
        {"tsql_year", 1, fnDatePart<2>},
        {"tsql_newid", 0, fnNewId, false},
        {"tsql_getdate", 0, fnGetDate, false},
        {"tsql_charindex", 2, fnCharIndex},
        {"tsql_charindex", 3, fnCharIndex},
        {"tsql_object_id", 1, fnObjectId, false},
        {"tsql_upper", 1, fnCase<true>},
        {"tsql_lower", 1, fnCase<false>},
        {"tsql_ltrim", 1, fnTrim<true>},
        {"tsql_rtrim", 1, fnTrim<false>},
        {"tsql_round", 2, fnRound},
        {"tsql_round", 3, fnRound},
        {"tsql_pad", 2, fnPad},
        {"tsql_datetime", 1, fnDateTime},
        {"tsql_datetime", 2, fnDateTime},
        {"tsql_isdate", 1, fnIsDate},
        {"tsql_isdate", 2, fnIsDate},
        {"tsql_maxrecursion", 2, fnMaxRecursion},
        {"tsql_describe", 2, fnDescribe, false},
    };
    for (const auto& f : functions)
        sqlite3_create_function_v2(db, f.name, f.args,
                                   SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0),
                                   nullptr, f.fn, nullptr, nullptr, nullptr);
    static int tryConversion = 1;
    for (int args : {4, 5, 7})
        sqlite3_create_function_v2(db, "tsql_try_convert", args, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                   &tryConversion, fnConvert, nullptr, nullptr, nullptr);
    registerIdentityFunctions(db);
    registerTextRules(db);
    registerTextFunctions(db);
    registerDateFunctions(db);
    registerNumericFunctions(db);
    registerVariableFunctions(db);
    sqlite3_create_collation(db, "TSQL_DATE", SQLITE_UTF8, nullptr, collateDate);
    // These collations call different bytes equal ("X" and "X   ", "a" and
    // "A"), but SQLite's Bloom filters hash the bytes: a join filtered that
    // way loses rows (a self-join of blank-padded codes finds nothing). The
    // filters are only an optimisation, switched off through the library's
    // optimisation control.
    constexpr int kBloomFilter = 0x00080000, kBloomPulldown = 0x00100000;
    sqlite3_test_control(SQLITE_TESTCTRL_OPTIMIZATIONS, db, kBloomFilter | kBloomPulldown);
}

}  // namespace db::sqlite
