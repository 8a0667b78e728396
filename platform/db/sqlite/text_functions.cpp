#include "platform/db/sqlite/text_functions.h"

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/sqlite/binary_functions.h"
#include "platform/db/sqlite/format_function.h"
#include "platform/db/sqlite/sqlite_functions.h"
#include "platform/db/sqlite/text_collation.h"
#include "platform/db/sqlite/time_functions.h"

namespace db::sqlite {
namespace {

void resultText(sqlite3_context* ctx, const std::string& s) {
    sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

// CONCAT(a, b, ...): NULL counts as an empty string, and the result is never NULL.
void fnConcat(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    if (argc < 2)
        return sqlite3_result_error(ctx, "The concat function requires 2 to 254 arguments.", -1);
    std::string out;
    for (int k = 0; k < argc; ++k)
        out += textOf(a[k]);
    resultText(ctx, out);
}

// PATINDEX('%pattern%', text): the 1-based character where the pattern
// first matches, under the default collation; 0 when it matches nowhere.
void fnPatIndex(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (sqlite3_value_type(a[0]) == SQLITE_NULL || sqlite3_value_type(a[1]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    const std::string pattern = textOf(a[0]);
    const std::string text = textOf(a[1]);
    // Without a leading '%' the pattern is anchored at the first character.
    const bool anywhere = !pattern.empty() && pattern[0] == '%';
    const std::string_view rest = anywhere ? std::string_view(pattern).substr(1) : pattern;
    long long position = 1;
    for (std::size_t i = 0; i <= text.size(); ++position) {
        if (likeMatches(std::string_view(text).substr(i), rest, 0))
            return sqlite3_result_int64(ctx, position);
        if (!anywhere || i == text.size())
            break;
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
    }
    sqlite3_result_int64(ctx, 0);
}

// STRING_AGG(value, separator [, key, direction]...): the values that are not
// NULL joined by the separator, in the order of the keys (WITHIN GROUP
// (ORDER BY ...)) or as they come; NULL when there are none.
struct Sortable {
    int storage = SQLITE_NULL;
    double number = 0;
    std::string text;
};

struct Piece {
    std::string value;
    std::vector<Sortable> keys;
};

// SQLite gives an aggregate zeroed bytes: they hold a pointer to the state.
struct Aggregate {
    std::vector<Piece> pieces;
    std::vector<int> directions;
    std::string separator;
};

Sortable sortable(sqlite3_value* v) {
    Sortable s;
    s.storage = sqlite3_value_type(v);
    if (s.storage == SQLITE_INTEGER || s.storage == SQLITE_FLOAT)
        s.number = sqlite3_value_double(v);
    else if (s.storage != SQLITE_NULL)
        s.text = textOf(v);
    return s;
}

// NULL first, then numbers, then text under the default collation.
int compareKeys(const Sortable& x, const Sortable& y) {
    auto rank = [](const Sortable& s) {
        return s.storage == SQLITE_NULL                                   ? 0
               : s.storage == SQLITE_INTEGER || s.storage == SQLITE_FLOAT ? 1
                                                                          : 2;
    };
    if (rank(x) != rank(y))
        return rank(x) < rank(y) ? -1 : 1;
    if (rank(x) == 1)
        return x.number < y.number ? -1 : x.number > y.number ? 1 : 0;
    if (rank(x) == 2)
        return compareText(x.text, y.text, true);
    return 0;
}

void aggStep(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    auto** slot = static_cast<Aggregate**>(sqlite3_aggregate_context(ctx, sizeof(void*)));
    if (!slot)
        return sqlite3_result_error_nomem(ctx);
    if (!*slot) {
        *slot = new Aggregate();
        (*slot)->separator = textOf(a[1]);
        for (int k = 3; k < argc; k += 2)
            (*slot)->directions.push_back(sqlite3_value_int(a[k]) < 0 ? -1 : 1);
    }
    if (sqlite3_value_type(a[0]) == SQLITE_NULL)
        return;
    Piece p;
    p.value = textOf(a[0]);
    for (int k = 2; k < argc; k += 2)
        p.keys.push_back(sortable(a[k]));
    (*slot)->pieces.push_back(std::move(p));
}

void aggFinal(sqlite3_context* ctx) {
    auto** slot = static_cast<Aggregate**>(sqlite3_aggregate_context(ctx, 0));
    std::unique_ptr<Aggregate> agg(slot ? *slot : nullptr);
    if (!agg || agg->pieces.empty())
        return sqlite3_result_null(ctx);
    const std::vector<int>& directions = agg->directions;
    std::stable_sort(agg->pieces.begin(), agg->pieces.end(), [&](const Piece& x, const Piece& y) {
        for (std::size_t k = 0; k < directions.size() && k < x.keys.size(); ++k)
            if (const int c = compareKeys(x.keys[k], y.keys[k]); c != 0)
                return c * directions[k] < 0;
        return false;
    });
    std::string out;
    for (std::size_t k = 0; k < agg->pieces.size(); ++k) {
        if (k)
            out += agg->separator;
        out += agg->pieces[k].value;
    }
    resultText(ctx, out);
}

}  // namespace

void registerTextFunctions(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function_v2(db, "tsql_concat", -1, flags, nullptr, fnConcat, nullptr, nullptr,
                               nullptr);
    sqlite3_create_function_v2(db, "tsql_patindex", 2, flags, nullptr, fnPatIndex, nullptr, nullptr,
                               nullptr);
    sqlite3_create_function_v2(db, "tsql_string_agg", -1, flags, nullptr, nullptr, aggStep,
                               aggFinal, nullptr);
    registerFormatFunction(db);
    registerBinaryFunctions(db);
    registerTimeFunctions(db);
}

}  // namespace db::sqlite
