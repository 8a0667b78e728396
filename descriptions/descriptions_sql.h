#pragma once
// Statements of the generated descriptions (tab 12 and the description
// calculator), as text. The company code goes in unquoted; items, codes,
// languages and texts go in as they are and the builders quote them.

#include <string>

namespace descriptions {

// The company's languages: MG52_CODLINGUA, MG52_DESCRLINGUA; and their codes only.
std::string sqlCompanyLanguages(const std::string& ditta);
std::string sqlCompanyLanguageCodes(const std::string& ditta);
// A row when the item exists.
std::string sqlItemExists(const std::string& ditta, const std::string& item);
// The items that manage some variant, among those of a condition on MG6B.
std::string sqlManagingItems(const std::string& ditta, const std::string& condition);
// The variants the item manages with their grouping, in variant order.
std::string sqlManagedVariants(const std::string& ditta, const std::string& item);
// The options of a variant (MG5E_OPZIONE, MG5E_DESCR) in code order, or those
// of a grouping in its order with the grouping's descriptions.
std::string sqlOptionsOfVariant(const std::string& ditta, const std::string& variant,
                                const std::string& grouping);
// The item's own texts: MG87_LINGUA_MG52, MG87_DESCART, MG87_DESCARTEST of
// the base language and of lang; and MG66_DESCART.
std::string sqlItemTexts(const std::string& ditta, const std::string& item,
                         const std::string& lang);
std::string sqlItemDescription(const std::string& ditta, const std::string& item);
// The stored descriptions of the item's variant articles in a language:
// MG87_OPZIONE_MG5E, MG87_DESCART, MG87_DESCARTEST; and their codes only.
std::string sqlStoredDescriptions(const std::string& ditta, const std::string& item,
                                  const std::string& lang);
std::string sqlStoredDescriptionCodes(const std::string& ditta, const std::string& item,
                                      const std::string& lang);
// The pairs of options the item may not combine (an inactive state).
std::string sqlInvalidPairs(const std::string& ditta, const std::string& item);
// The description of one variant article in a language, changed or added;
// with its extended description when both are written.
std::string sqlSetDescription(const std::string& ditta, const std::string& item,
                              const std::string& code, const std::string& lang,
                              const std::string& text);
std::string sqlInsertDescription(const std::string& ditta, const std::string& item,
                                 const std::string& code, const std::string& lang,
                                 const std::string& text);
std::string sqlSetDescriptions(const std::string& ditta, const std::string& item,
                               const std::string& code, const std::string& lang,
                               const std::string& text, const std::string& extended);
std::string sqlInsertDescriptions(const std::string& ditta, const std::string& item,
                                  const std::string& code, const std::string& lang,
                                  const std::string& text, const std::string& extended);

}  // namespace descriptions
