#pragma once
// Statements of the item card window and of its own tabs, as text. The
// company code goes in unquoted; an item code goes between apostrophes as it
// is given, as the record frame's statements have always had it.

#include <string>

namespace card {

// What the company's context says about the summary: its chart-of-accounts
// group ({Gruppo}, unquoted; "NULL" when the company has none, so that no
// account matches) and its classification setting ("1": sub-levels are
// defined under their parent levels).
struct ContestoDitta {
    std::string gruppo = "NULL";
    std::string classificazione;
};

// The summary statement of one item. codArt goes between apostrophes as it is.
std::string SqlItemData(const std::string& ditta, const std::string& codArt,
                        const ContestoDitta& contesto);

// Every item of the company, every column: the record frame's statement, and
// its empty and ordered forms.
std::string sqlItems(const std::string& ditta);
std::string sqlNoItems(const std::string& ditta);
std::string sqlItemList(const std::string& ditta);
// The generated descriptions of the item's variant articles.
std::string sqlItemVariantDescriptions(const std::string& ditta, const std::string& codArt);
// The company's chart-of-accounts group, and its classification setting.
std::string sqlCompanyChartGroup(const std::string& ditta);
std::string sqlCompanyClassification(const std::string& ditta);
// The item's standard routing (PD18_CODCICLO).
std::string sqlStandardRouting(const std::string& ditta, const std::string& codArt);

}  // namespace card
