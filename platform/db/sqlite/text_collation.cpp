#include "platform/db/sqlite/text_collation.h"

#include <stdexcept>
#include <vector>

namespace db::sqlite {
namespace {

// Weights of a character: `primary` compares letters without case or accent
// (the base letter's upper case), `accent` breaks ties between equal
// primaries. Latin-1 letters map to their base letter; other characters
// weigh their own code point.
struct Weight {
    char32_t primary;
    int accent;
};

// U+00C0..U+00DE: base letter and accent (1 grave, 2 acute, 3 circumflex,
// 4 tilde, 5 diaeresis, 6 ring, 7 ligature, 8 cedilla, 9 stroke, 10 other).
constexpr struct {
    char base;
    int accent;
} kLatin1[31] = {{'A', 1}, {'A', 2}, {'A', 3}, {'A', 4}, {'A', 5}, {'A', 6}, {'A', 7}, {'C', 8},
                 {'E', 1}, {'E', 2}, {'E', 3}, {'E', 5}, {'I', 1}, {'I', 2}, {'I', 3}, {'I', 5},
                 {'D', 9}, {'N', 4}, {'O', 1}, {'O', 2}, {'O', 3}, {'O', 4}, {'O', 5}, {0, 0},
                 {'O', 9}, {'U', 1}, {'U', 2}, {'U', 3}, {'U', 5}, {'Y', 2}, {'T', 10}};

Weight weightOf(char32_t c) {
    if (c < 0x80)
        return {c >= 'a' && c <= 'z' ? c - 32 : c, 0};
    if (c == 0xDF)
        return {'S', 10};  // ß
    if (c == 0xFF)
        return {'Y', 5};
    char32_t u = c >= 0xE0 && c <= 0xFE && c != 0xF7 ? c - 0x20 : c;
    if (u >= 0xC0 && u <= 0xDE && kLatin1[u - 0xC0].base)
        return {static_cast<char32_t>(kLatin1[u - 0xC0].base), kLatin1[u - 0xC0].accent};
    return {u, 0};
}

// Next code point of s at i (advancing i); a stray byte stands for itself.
char32_t next(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i++]);
    if (b < 0x80)
        return b;
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t c = extra == 3 ? b & 0x07 : extra == 2 ? b & 0x0F : b & 0x1F;
    if (extra == 0)
        return b;
    for (; extra > 0 && i < s.size(); --extra) {
        const auto cb = static_cast<unsigned char>(s[i]);
        if ((cb & 0xC0) != 0x80)
            break;
        c = (c << 6) | (cb & 0x3F);
        ++i;
    }
    return c;
}

std::u32string decode(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();)
        out += next(s, i);
    return out;
}

int sign(long long d) {
    return d < 0 ? -1 : d > 0 ? 1 : 0;
}

// The default collation's order beyond plain ASCII: base letters first over
// the whole text, then the first accent that differs.
int compareFolded(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    int accent = 0;
    while (i < a.size() && j < b.size()) {
        const Weight x = weightOf(next(a, i)), y = weightOf(next(b, j));
        if (x.primary != y.primary)
            return x.primary < y.primary ? -1 : 1;
        if (!accent && x.accent != y.accent)
            accent = x.accent < y.accent ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return accent;
}

int collateCi(void*, int la, const void* a, int lb, const void* b) {
    return compareText({static_cast<const char*>(a), static_cast<std::size_t>(la)},
                       {static_cast<const char*>(b), static_cast<std::size_t>(lb)}, true);
}

int collateCs(void*, int la, const void* a, int lb, const void* b) {
    return compareText({static_cast<const char*>(a), static_cast<std::size_t>(la)},
                       {static_cast<const char*>(b), static_cast<std::size_t>(lb)}, false);
}

// ---- LIKE

struct PatternItem {
    enum Kind { Any, One, Literal, Set } kind;
    char32_t c = 0;
    bool negated = false;
    std::vector<std::pair<char32_t, char32_t>> ranges{};  // Set: single chars as c..c
};

bool sameChar(char32_t x, char32_t y) {
    const Weight a = weightOf(x), b = weightOf(y);
    return a.primary == b.primary && a.accent == b.accent;
}

bool notAfter(char32_t x, char32_t y) {  // x <= y in the collation's order
    const Weight a = weightOf(x), b = weightOf(y);
    return a.primary != b.primary ? a.primary < b.primary : a.accent <= b.accent;
}

std::vector<PatternItem> parsePattern(const std::u32string& p, char32_t escape) {
    std::vector<PatternItem> items;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char32_t c = p[i];
        if (escape && c == escape) {
            if (i + 1 >= p.size())
                throw std::invalid_argument("escape at the end of the pattern");
            items.push_back({PatternItem::Literal, p[++i]});
        } else if (c == '%') {
            if (items.empty() || items.back().kind != PatternItem::Any)
                items.push_back({PatternItem::Any});
        } else if (c == '_') {
            items.push_back({PatternItem::One});
        } else if (c == '[' && p.find(']', i + 2) != std::u32string::npos) {
            PatternItem set{PatternItem::Set};
            std::size_t j = i + 1;
            if (p[j] == '^') {
                set.negated = true;
                ++j;
            }
            const std::size_t close = p.find(']', j == i + 1 ? j + 1 : j);
            if (close == std::u32string::npos) {
                items.push_back({PatternItem::Literal, c});
                continue;
            }
            for (; j < close; ++j) {
                char32_t from = p[j];
                if (escape && from == escape && j + 1 < close)
                    from = p[++j];
                if (j + 2 < close && p[j + 1] == '-') {
                    set.ranges.emplace_back(from, p[j + 2]);
                    j += 2;
                } else {
                    set.ranges.emplace_back(from, from);
                }
            }
            items.push_back(std::move(set));
            i = close;
        } else {
            items.push_back({PatternItem::Literal, c});
        }
    }
    return items;
}

bool itemMatches(const PatternItem& it, char32_t c) {
    switch (it.kind) {
        case PatternItem::One:
            return true;
        case PatternItem::Literal:
            return sameChar(it.c, c);
        case PatternItem::Set: {
            bool in = false;
            for (const auto& [lo, hi] : it.ranges)
                if (lo == hi ? sameChar(lo, c) : notAfter(lo, c) && notAfter(c, hi)) {
                    in = true;
                    break;
                }
            return in != it.negated;
        }
        case PatternItem::Any:
            break;
    }
    return false;
}

// Greedy match with backtracking to the last '%'.
bool matchItems(const std::u32string& s, const std::vector<PatternItem>& p) {
    std::size_t si = 0, pi = 0, starP = std::string::npos, starS = 0;
    while (si < s.size()) {
        if (pi < p.size() && p[pi].kind == PatternItem::Any) {
            starP = pi++;
            starS = si;
        } else if (pi < p.size() && itemMatches(p[pi], s[si])) {
            ++pi;
            ++si;
        } else if (starP != std::string::npos) {
            pi = starP + 1;
            si = ++starS;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi].kind == PatternItem::Any)
        ++pi;
    return pi == p.size();
}

void fnLike(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    for (int k = 0; k < argc; ++k)
        if (sqlite3_value_type(a[k]) == SQLITE_NULL)
            return sqlite3_result_null(ctx);
    auto text = [](sqlite3_value* v) {
        const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
        return std::string_view(p ? p : "", static_cast<std::size_t>(sqlite3_value_bytes(v)));
    };
    char32_t escape = 0;
    if (argc > 2) {
        const std::u32string e = decode(text(a[2]));
        if (e.size() != 1) {
            const std::string msg = "The invalid escape character \"" + std::string(text(a[2])) +
                                    "\" was specified in a LIKE predicate.";
            sqlite3_result_error(ctx, msg.c_str(), -1);
            return;
        }
        escape = e[0];
    }
    try {
        sqlite3_result_int(ctx, likeMatches(text(a[1]), text(a[0]), escape) ? 1 : 0);
    } catch (const std::invalid_argument&) {
        sqlite3_result_int(ctx, 0);
    }
}

// tsql_replace(text, pattern, replacement): the pattern is found as the
// default collation compares, without regard to case.
void fnReplace(sqlite3_context* ctx, int, sqlite3_value** a) {
    std::string parts[3];
    for (int k = 0; k < 3; ++k) {
        if (sqlite3_value_type(a[k]) == SQLITE_NULL)
            return sqlite3_result_null(ctx);
        const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(a[k]));
        parts[k].assign(p ? p : "", static_cast<std::size_t>(sqlite3_value_bytes(a[k])));
    }
    const std::string& text = parts[0];
    const std::string folded = foldUpper(text), pattern = foldUpper(parts[1]);
    if (pattern.empty()) {
        sqlite3_result_text(ctx, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        return;
    }
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = folded.find(pattern); at != std::string::npos;
         at = folded.find(pattern, from)) {
        out.append(text, from, at - from).append(parts[2]);
        from = at + pattern.size();
    }
    out.append(text, from, std::string::npos);
    sqlite3_result_text(ctx, out.data(), static_cast<int>(out.size()), SQLITE_TRANSIENT);
}

// ASCII letters, and the Latin-1 letters of UTF-8 (C3 80-9E upper, C3 A0-BE
// lower; the signs x and / at 97 and B7 are no letters), moved to the other
// case: both cases are 32 apart in either range.
std::string shiftedCase(std::string_view s, bool toUpper) {
    const unsigned char first = toUpper ? 'a' : 'A';
    const unsigned char firstLatin = toUpper ? 0xA0 : 0x80;
    const int shift = toUpper ? -0x20 : 0x20;
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= first && c <= first + 25) {
            out[i] = static_cast<char>(c + shift);
        } else if (c == 0xC3 && i + 1 < out.size()) {
            const auto d = static_cast<unsigned char>(out[i + 1]);
            if (d >= firstLatin && d <= firstLatin + 0x1E && d != firstLatin + 0x17)
                out[i + 1] = static_cast<char>(d + shift);
            ++i;
        }
    }
    return out;
}

}  // namespace

std::string_view rtrimmed(std::string_view s) {
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::string foldUpper(std::string_view s) {
    return shiftedCase(s, true);
}

std::string foldLower(std::string_view s) {
    return shiftedCase(s, false);
}

int compareText(std::string_view a, std::string_view b, bool foldCase) {
    if (!foldCase) {
        const int c = rtrimmed(a).compare(rtrimmed(b));
        return sign(c);
    }
    // Plain ASCII, the common case, compares byte by byte without decoding
    // or trimming first: sorts and joins of many rows call this for every pair.
    const std::size_t n = std::min(a.size(), b.size());
    std::size_t i = 0;
    while (i < n && a[i] == b[i])
        ++i;
    if (i == n) {
        // One is the other's start (keys met by a seek, mostly): equal when
        // the longer one goes on with blanks only.
        if (a.size() == b.size())
            return 0;
        const std::string_view rest = a.size() > n ? a.substr(n) : b.substr(n);
        if (rest.find_first_not_of(' ') == std::string_view::npos)
            return 0;
        return a.size() > n ? 1 : -1;
    }
    for (; i < n; ++i) {
        auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x == y)
            continue;
        if ((x | y) & 0x80) {
            // From the start of the character (the bytes before are the same in both).
            while (i > 0 && (static_cast<unsigned char>(a[i]) & 0xC0) == 0x80)
                --i;
            return compareFolded(rtrimmed(a).substr(std::min(i, rtrimmed(a).size())),
                                 rtrimmed(b).substr(std::min(i, rtrimmed(b).size())));
        }
        if (x >= 'a' && x <= 'z')
            x = static_cast<unsigned char>(x - 32);
        if (y >= 'a' && y <= 'z')
            y = static_cast<unsigned char>(y - 32);
        if (x != y) {
            // A difference among trailing blanks is none.
            if ((x == ' ' && rtrimmed(a).size() <= i) || (y == ' ' && rtrimmed(b).size() <= i))
                break;
            return x < y ? -1 : 1;
        }
    }
    // Equal up to the shorter; what is left of the other counts unless blank.
    const std::size_t la = rtrimmed(a).size(), lb = rtrimmed(b).size();
    return sign(static_cast<long long>(la) - static_cast<long long>(lb));
}

bool likeMatches(std::string_view text, std::string_view pattern, char32_t escape) {
    const auto items = parsePattern(decode(pattern), escape);
    // Trailing blanks of the text are ignored, those of the pattern are not.
    return matchItems(decode(text), items) || matchItems(decode(rtrimmed(text)), items);
}

void registerTextRules(sqlite3* db) {
    sqlite3_create_collation(db, "TSQL_CI", SQLITE_UTF8, nullptr, collateCi);
    sqlite3_create_collation(db, "TSQL_CS", SQLITE_UTF8, nullptr, collateCs);
    // Every comparison without a collation of its own (literals, functions'
    // results, expressions) compares as the columns do.
    sqlite3_create_collation(db, "BINARY", SQLITE_UTF8, nullptr, collateCi);
    for (int args : {2, 3})
        sqlite3_create_function_v2(db, "like", args, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                   fnLike, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "tsql_replace", 3, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               fnReplace, nullptr, nullptr, nullptr);
}

}  // namespace db::sqlite
