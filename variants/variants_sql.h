#pragma once
// Statements of the variant activation tab, as text. The company code goes
// in unquoted; the item code and the codes of a row go in as they are and
// the builders quote them.

#include <string>

namespace variants {

// One row of MG6B_GESVARART as the save writes it back: numbers as their
// text, a blank grouping for none.
struct ItemVariantRow {
    std::string variant, managed, grouping, mandatory, withDefault, defaultOption, inheritance;
};

// The item's rows with their variant and grouping, in variant order.
std::string sqlItemVariants(const std::string& ditta, const std::string& codArt);
// For an item without rows: one per variant of the company, not managed,
// without grouping, obligation and default as the general parameters say,
// no default option, inheritance as the general parameters say.
std::string sqlCompanyVariantsForItem(const std::string& ditta, const std::string& codArt);
// The item's rows deleted, and one written, as a save rewrites them.
std::string sqlDeleteItemVariants(const std::string& ditta, const std::string& codArt);
std::string sqlInsertItemVariant(const std::string& ditta, const std::string& codArt,
                                 const ItemVariantRow& row);
// MG6B_CODICEVAR_MG5F, MG6B_VARDEFAULT as stored for the item.
std::string sqlStoredDefaultOptions(const std::string& ditta, const std::string& codArt);
// The item's own settings: assignment is "COLUMN = value".
std::string sqlSetItemColumns(const std::string& ditta, const std::string& codArt,
                              const std::string& assignment);

}  // namespace variants
