#include "platform/db/sqlite/binary_functions.h"

#include <cctype>
#include <cstdint>
#include <string>

#include "platform/db/sqlite/sqlite_functions.h"

namespace db::sqlite {
namespace {

std::string_view bytesOf(sqlite3_value* v) {
    const auto* p = static_cast<const char*>(sqlite3_value_blob(v));
    return {p ? p : "", static_cast<std::size_t>(sqlite3_value_bytes(v))};
}

// Text as UTF-16LE, the bytes of an NCHAR or NVARCHAR value.
std::string utf16(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        char32_t u = extra == 3 ? c & 0x07 : extra == 2 ? c & 0x0F : extra == 1 ? c & 0x1F : c;
        for (int k = 1; k <= extra && i + static_cast<std::size_t>(k) < s.size(); ++k)
            u = (u << 6) | (static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0x3F);
        i += static_cast<std::size_t>(extra) + 1;
        auto unit = [&out](char32_t w) {
            out += static_cast<char>(w & 0xFF);
            out += static_cast<char>((w >> 8) & 0xFF);
        };
        if (u >= 0x10000) {
            u -= 0x10000;
            unit(0xD800 + (u >> 10));
            unit(0xDC00 + (u & 0x3FF));
        } else {
            unit(u);
        }
    }
    return out;
}

// Hexadecimal digits (after "0x" when `prefixed`) as bytes; false when they are not.
bool parseHex(std::string_view text, bool prefixed, std::string& out) {
    if (prefixed) {
        if (text.size() < 2 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
            return false;
        text.remove_prefix(2);
    }
    if (text.size() % 2)
        return false;
    out.clear();
    for (std::size_t i = 0; i < text.size(); i += 2) {
        if (!std::isxdigit(static_cast<unsigned char>(text[i])) ||
            !std::isxdigit(static_cast<unsigned char>(text[i + 1])))
            return false;
        out += static_cast<char>(std::stoi(std::string(text.substr(i, 2)), nullptr, 16));
    }
    return true;
}

int integerWidth(std::string_view from, std::int64_t v) {
    if (from == "TINYINT" || from == "BIT")
        return 1;
    if (from == "SMALLINT")
        return 2;
    if (from == "BIGINT" || v > INT32_MAX || v < INT32_MIN)
        return 8;
    return 4;
}

void fnBinary(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (sqlite3_value_type(a[0]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    const std::string type(reinterpret_cast<const char*>(sqlite3_value_text(a[1])));
    long long length = sqlite3_value_int64(a[2]);
    const int style = sqlite3_value_int(a[3]);
    const std::string from(reinterpret_cast<const char*>(sqlite3_value_text(a[4])));
    const int storage = sqlite3_value_type(a[0]);
    if (type == "BINARY" || type == "VARBINARY") {
        std::string bytes;
        bool numeric = false;
        if (storage == SQLITE_BLOB) {
            bytes = bytesOf(a[0]);
        } else if (storage == SQLITE_INTEGER) {
            // Integers become their bytes, most significant first.
            const std::int64_t v = sqlite3_value_int64(a[0]);
            for (int k = integerWidth(from, v) - 1; k >= 0; --k)
                bytes += static_cast<char>((static_cast<std::uint64_t>(v) >> (8 * k)) & 0xFF);
            numeric = true;
        } else {
            const std::string text = textOf(a[0]);
            if (style == 1 || style == 2) {
                if (!parseHex(text, style == 1, bytes))
                    return sqlite3_result_error(
                        ctx, "Error converting data type varchar to varbinary.", -1);
            } else {
                bytes = from == "NCHAR" || from == "NVARCHAR" ? utf16(text) : text;
            }
        }
        if (length == 0)
            length = 30;
        const auto n = static_cast<std::size_t>(length);
        if (length > 0 && bytes.size() > n)
            bytes = numeric ? bytes.substr(bytes.size() - n) : bytes.substr(0, n);
        if (type == "BINARY" && length > 0 && bytes.size() < n)
            bytes.append(n - bytes.size(), '\0');
        return sqlite3_result_blob(ctx, bytes.data(), static_cast<int>(bytes.size()),
                                   SQLITE_TRANSIENT);
    }
    // From binary to text (style 0: the bytes as characters; 1: "0x..."; 2:
    // the digits) or to an integer (the last bytes, most significant first).
    const std::string_view bytes = storage == SQLITE_BLOB ? bytesOf(a[0]) : std::string_view();
    if (type == "INT" || type == "BIGINT" || type == "SMALLINT" || type == "TINYINT") {
        const std::size_t width = type == "BIGINT"     ? 8
                                  : type == "INT"      ? 4
                                  : type == "SMALLINT" ? 2
                                                       : 1;
        std::uint64_t v = 0;
        const std::size_t start = bytes.size() > width ? bytes.size() - width : 0;
        for (std::size_t k = start; k < bytes.size(); ++k)
            v = (v << 8) | static_cast<unsigned char>(bytes[k]);
        std::int64_t value = static_cast<std::int64_t>(v);
        if (width < 8 && type != "TINYINT" && (v >> (8 * width - 1)) & 1)
            value -= static_cast<std::int64_t>(1) << (8 * width);
        return sqlite3_result_int64(ctx, value);
    }
    std::string text = style == 1   ? hexOf(bytes)
                       : style == 2 ? hexOf(bytes).substr(2)
                                    : std::string(bytes);
    if (length == 0)
        length = 30;
    if (length > 0 && text.size() > static_cast<std::size_t>(length))
        text.resize(static_cast<std::size_t>(length));
    if ((type == "CHAR" || type == "NCHAR") && length > 0)
        text.resize(static_cast<std::size_t>(length), ' ');
    sqlite3_result_text(ctx, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

}  // namespace

std::string hexOf(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out = "0x";
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

void registerBinaryFunctions(sqlite3* db) {
    sqlite3_create_function_v2(db, "tsql_binary", 5, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               fnBinary, nullptr, nullptr, nullptr);
}

}  // namespace db::sqlite
