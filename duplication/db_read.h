#pragma once
// Small reads the duplication module's objects run on a connection.

#include <string>
#include <vector>

#include "platform/db/forward.h"
#include "platform/db/value.h"

namespace duplication {

// Rows of the last result set of a statement.
std::vector<std::vector<db::Value>> readRows(db::Connection& connection, const std::string& sql);
// Whether the statement returns a row.
bool returnsRow(db::Connection& connection, const std::string& sql);
// 'text' with apostrophes doubled.
std::string quoted(const std::string& text);

// A variant of the company with its slot in composed codes, and the option
// list it takes in an item (its grouping, when the item uses one).
struct VariantSlot {
    std::string code;         // "A0"
    std::string description;  // MG5F_DESCR_VAR
    int start = 1;            // MG5F_START
    int size = 0;             // MG5F_SIZE
};
// The company's variants in code order; the full width of a composed code is
// the last start + size - 1.
std::vector<VariantSlot> companySlots(db::Connection& connection, const std::string& company);
int fullWidth(const std::vector<VariantSlot>& dims);
// A composed code padded with blanks to the width (never cut).
std::string padded(const std::string& code, int width);

}  // namespace duplication
