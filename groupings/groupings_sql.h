#pragma once
// Statements of the options tab and of the groupings window, as text. The
// company code goes in unquoted; variants, codes and descriptions go in as
// they are typed and the builders quote them (a grouping, option or
// description that is blank is written as null).

#include <string>
#include <utility>
#include <vector>

namespace groupings {

// "('A', 'B')": the IN-list of option codes, each between quotes with its
// apostrophes doubled.
std::string InList(const std::vector<std::string>& codes);

// ---- grouping codes
// The last six-digit number of a variant's automatic codes, as ULTIMO.
std::string sqlLastGroupingNumber(const std::string& ditta, const std::string& variante);
std::string sqlInsertGrouping(const std::string& ditta, const std::string& variante,
                              const std::string& grouping, const std::string& description);
// The grouping named as the item (the item-code mode of automatic codes).
std::string sqlGroupingNamedAsItem(const std::string& ditta, const std::string& variante,
                                   const std::string& item);
std::string sqlSetGroupingDescription(const std::string& ditta, const std::string& variante,
                                      const std::string& grouping, const std::string& description);
// Whether a code is already a grouping of the variant (the groupings window).
std::string sqlGroupingCodeExists(const std::string& ditta, const std::string& variante,
                                  const std::string& grouping);
// The groupings of a variant, every column, as the groupings window binds them.
std::string sqlGroupingsOfVariant(const std::string& ditta, const std::string& variante);

// ---- variants
// The caption of a variant (MG5F_DESCR_VAR).
std::string sqlVariantCaption(const std::string& ditta, const std::string& variante);
// Every variant of the company: MG5F_CODICEVAR, MG5F_DESCR_VAR.
std::string sqlCompanyVariants(const std::string& ditta);
// The variants the item manages: MG5F_CODICEVAR, MG5F_DESCR_VAR.
std::string sqlItemManagedVariants(const std::string& ditta, const std::string& item);
// The variant's definition row, every column.
std::string sqlVariantDefinition(const std::string& ditta, const std::string& variante);
// The width of a variant's codes (MG5F_SIZE), and its nature (MG5F_INDNATURA).
std::string sqlVariantSize(const std::string& ditta, const std::string& variante);
std::string sqlVariantSizeAndNature(const std::string& ditta, const std::string& variante);
// The item's row for a variant, with the key columns it is written back by.
std::string sqlItemVariantRow(const std::string& ditta, const std::string& item,
                              const std::string& variante);

// ---- options of a variant
// MG5E_OPZIONE, MG5E_DESCR of the variant; in code order when ordered.
std::string sqlVariantOptions(const std::string& ditta, const std::string& variante, bool ordered);
std::string sqlInsertOption(const std::string& ditta, const std::string& variante,
                            const std::string& option, const std::string& description);
// The option as stored, whether or not the list on show holds it.
std::string sqlOptionStored(const std::string& ditta, const std::string& variante,
                            const std::string& option);
std::string sqlSetOptionDescription(const std::string& ditta, const std::string& variante,
                                    const std::string& option, const std::string& description);
std::string sqlDeleteOptions(const std::string& ditta, const std::string& variante,
                             const std::vector<std::string>& options);
// The same, as the small options window writes them.
std::string sqlWindowInsertOption(const std::string& ditta, const std::string& variante,
                                  const std::string& option, const std::string& description);
std::string sqlWindowSetOptionDescription(const std::string& ditta, const std::string& variante,
                                          const std::string& option,
                                          const std::string& description);
std::string sqlWindowDeleteOption(const std::string& ditta, const std::string& variante,
                                  const std::string& option);

// ---- the option lists' work tables
// #TMP_ORIG: the variant's options, with the grouping's row when there is one.
std::string sqlSourceOptions(const std::string& ditta, const std::string& variante,
                             const std::string& grouping);
// #TMP_DEST: the grouping's options in their order, with their descriptions.
std::string sqlGroupingOptions(const std::string& ditta, const std::string& variante,
                               const std::string& grouping);
// #TMP_ORIG_FLT: the options of #TMP_ORIG not in #TMP_DEST; then #TMP_ORIG again from it.
inline constexpr const char* kSqlUngroupedOptions =
    "SELECT #TMP_ORIG.* INTO #TMP_ORIG_FLT FROM #TMP_ORIG LEFT OUTER JOIN #TMP_DEST ON "
    "#TMP_ORIG.MG5E_DITTA_CG18 = #TMP_DEST.MG5H_DITTA_CG18 AND    "
    "#TMP_ORIG.MG5E_CODICEVAR_MG5F = #TMP_DEST.MG5H_CODICEVAR_MG5F AND    "
    "#TMP_ORIG.MG5E_OPZIONE = #TMP_DEST.MG5H_OPZIONE_MG5E WHERE "
    "#TMP_DEST.MG5H_DITTA_CG18 IS NULL";
inline constexpr const char* kSqlSourceFromUngrouped = "SELECT * INTO #TMP_ORIG FROM #TMP_ORIG_FLT";
inline constexpr const char* kSqlSourceList = "SELECT * FROM #TMP_ORIG ORDER BY MG5E_OPZIONE";
inline constexpr const char* kSqlDestinationList = "SELECT * FROM #TMP_DEST";
inline constexpr const char* kSqlSortSourceByTick = "UPDATE #TMP_ORIG SET SORT_CODE = SELEZ";
// The tick of one row of a work table, and of a set of rows.
std::string sqlTickRow(const std::string& table, const std::string& column, const std::string& code,
                       bool ticked);
std::string sqlClearTicks(const std::string& table);
std::string sqlTickRows(const std::string& table, const std::string& column,
                        const std::vector<std::string>& codes);
// A description changed in #TMP_ORIG as it was in the database.
std::string sqlSetSourceDescription(const std::string& option, const std::string& description);

// ---- composition of a grouping
// The grouping's rows in position order, every column.
std::string sqlGroupingRows(const std::string& ditta, const std::string& variante,
                            const std::string& grouping);
std::string sqlCountGroupingRows(const std::string& ditta, const std::string& variante,
                                 const std::string& grouping);
std::string sqlRemoveFromGrouping(const std::string& ditta, const std::string& variante,
                                  const std::string& grouping,
                                  const std::vector<std::string>& options);
// The rows after position `after` moved down by n.
std::string sqlShiftGroupingRows(const std::string& ditta, const std::string& variante,
                                 const std::string& grouping, long n, long after);
// One INSERT of options at their positions.
std::string sqlInsertGroupingRows(const std::string& ditta, const std::string& variante,
                                  const std::string& grouping,
                                  const std::vector<std::pair<short, std::string>>& rows);
// Every row at its place in position order, 1, 2, 3 ...
std::string sqlRenumberGrouping(const std::string& ditta, const std::string& variante,
                                const std::string& grouping);
// The moved rows kept in #MG5H with their own descriptions, and given them back.
std::string sqlKeepMovedRows(const std::string& ditta, const std::string& variante,
                             const std::string& grouping, const std::vector<std::string>& options);
extern const char* const kSqlRestoreMovedDescriptions;
std::string sqlSetCompositionDescription(const std::string& ditta, const std::string& variante,
                                         const std::string& grouping, const std::string& option,
                                         const std::string& description);

// ---- copy of a customer's or supplier's descriptions into a grouping
std::string sqlCopyCounterpartDescriptions(const std::string& ditta, const std::string& variante,
                                           const std::string& grouping, int tipoCF,
                                           const std::string& cliFor);
// The counterpart's transcodings of the variant, every column, by option.
std::string sqlCounterpartTranscodings(const std::string& ditta, const std::string& variante,
                                       int tipoCF, const std::string& cliFor);
// An empty composition row set, to add rows to.
inline constexpr const char* kSqlNoCompositionRows = "SELECT * FROM MG5H_COMPRAGVAR WHERE 1=0";

}  // namespace groupings
