#pragma once
// Filter expressions of the recordset: "Field op literal" comparisons joined
// with AND, OR, NOT and parentheses, parsed once and evaluated per row.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/backend.h"
#include "platform/db/recordset.h"
#include "platform/db/value.h"

namespace db {

struct Recordset::FilterNode {
    enum class Kind { And, Or, Not, Compare, IsNull } kind = Kind::Compare;
    std::string op;  // = <> < > <= >= LIKE
    int field = -1;
    Value literal;
    std::vector<std::shared_ptr<const FilterNode>> children;

    bool matches(const std::vector<Value>& row) const;
};

// Throws std::invalid_argument naming the expression when it does not parse
// or names an unknown field.
std::shared_ptr<const Recordset::FilterNode> parseFilter(std::string_view expression,
                                                         const std::vector<Column>& columns);

// Case-insensitive LIKE with % and * for any run, _ and ? for one character.
bool likeMatch(std::string_view text, std::string_view pattern);

}  // namespace db
