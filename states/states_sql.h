#pragma once
// Statements of the state tabs, as text. Values go in as they are given:
// {ditta} is the company code and ids are numbers (both unquoted), codes go
// between apostrophes, condArt is the item condition of CondArt ("= 'X'" or
// "IS NULL").

#include <string>
#include <utility>
#include <vector>

namespace states {

// The words of the state choice list, translated by the caller.
struct StateChoiceWords {
    std::string no;
    std::string yes;
    std::string startDate;  // "- dt.ini:"
    std::string endDate;    // "- dt.fin:"
    std::string active;     // "- attivo:"
};
// The state choice list (Codice, Descrizione), the empty state first.
std::string sqlStateChoices(const std::string& ditta, const StateChoiceWords& words);

// States with a code in any company, and the current company's one.
std::string sqlStatesByCode(const std::string& code);
std::string sqlCompanyStateByCode(const std::string& ditta, const std::string& code);
// The code of a state identifier.
std::string sqlStateCode(const std::string& id);
// The season of a code, and the year a season starts in.
std::string sqlSeasonByCode(const std::string& ditta, const std::string& code);
std::string sqlSeasonYear(const std::string& ditta, const std::string& id);
// Code and end of validity of a state of the company.
std::string sqlStateValidity(const std::string& ditta, const std::string& id);
// The grouping an item uses for a variant.
std::string sqlItemGrouping(const std::string& ditta, const std::string& codArt,
                            const std::string& variant);

// The options of a variant as OPZIONE: all of them in code order, or those
// of a grouping in its order when raggr is not empty.
std::string sqlVariantOptions(const std::string& ditta, const std::string& variant,
                              const std::string& raggr);
// The second variant's options with their descriptions into #TMP_VARIANTE2,
// the code column named after the variant's caption.
std::string sqlSecondVariantRows(const std::string& ditta, const std::string& variant,
                                 const std::string& raggr, const std::string& caption);
// Every option of the second variant against every one of the first.
inline constexpr const char* kSqlCrossJoin =
    "SELECT * INTO #TMP_CROSSVAR FROM #TMP_VARIANTE2 LEFT OUTER JOIN #TMP_VARIANTE1 ON 1=1";
// The states of the combinations of a pair of variants (not the default).
std::string sqlPairStates(const std::string& ditta, const std::string& condArt,
                          const std::string& varA, const std::string& varB);
// One cell of the cross grid set to a state.
std::string sqlCrossCell(const std::string& column, const std::string& state,
                         const std::string& caption, const std::string& row);
// The condition of the state of one cell: the options of a pair.
std::string sqlCombinationCondition(const std::string& ditta, const std::string& condArt,
                                    const std::string& varA, const std::string& optionA,
                                    const std::string& varB, const std::string& optionB);
// The description of an option, its grouping's when raggr is not empty.
std::string sqlOptionCaption(const std::string& ditta, const std::string& variant,
                             const std::string& raggr, const std::string& option);
// The default state of a pair of variants, and the condition of its row.
std::string sqlPairDefaultState(const std::string& ditta, const std::string& condArt,
                                const std::string& varA, const std::string& varB);
std::string sqlPairDefaultCondition(const std::string& ditta, const std::string& condArt,
                                    const std::string& varA, const std::string& varB);
// The condition of a one-variant state: the whole variant, a grouping, or an
// option (raggr and option empty when not given).
std::string sqlVariantStateCondition(const std::string& ditta, const std::string& condArt,
                                     const std::string& variant, const std::string& raggr,
                                     const std::string& option);
// The condition of the state of an option of an item in a season.
std::string sqlSeasonStateCondition(const std::string& ditta, const std::string& idSeason,
                                    const std::string& variant, const std::string& codArt,
                                    const std::string& raggr, const std::string& option);

// One state assignment's row, found by a condition (" WHERE ..."): read,
// deleted, or added with its columns as (name, literal) pairs.
std::string sqlStateRow(const std::string& table, const std::string& condition);
std::string sqlDeleteStateRow(const std::string& table, const std::string& condition);
std::string sqlInsertStateRow(const std::string& table,
                              const std::vector<std::pair<std::string, std::string>>& columns);

// The combinations of a pair of variants into #TMP_COMBI, with the option
// descriptions of each variant's grouping; their key, and the list the
// combination frame edits (both tables joined, in option order).
std::string sqlCombinationRows(const std::string& ditta, const std::string& condArt,
                               const std::string& varA, const std::string& varB,
                               const std::string& raggrA, const std::string& raggrB);
std::string sqlCombinationOptionColumn(const std::string& column);
std::string sqlCombinationKey(const std::string& keyName);
std::string sqlCombinationList(const std::string& ditta, const std::string& condArt,
                               const std::string& varA, const std::string& varB);
// Other rows of the same pair of options (id: the row's own, "" when new).
std::string sqlOtherCombinations(const std::string& ditta, const std::string& condArt,
                                 const std::string& varA, const std::string& optionA,
                                 const std::string& varB, const std::string& optionB,
                                 const std::string& id);
// A combination's state and its line of #TMP_COMBI, in one batch; codArt ""
// for the row of every item.
std::string sqlDeleteCombination(const std::string& ditta, const std::string& varA,
                                 const std::string& optionA, const std::string& varB,
                                 const std::string& optionB, const std::string& codArt);

// The states of a variant's groupings into #TMP_STATIRAGGR: the "all" row
// first, then the item's grouping (one item) or every grouping (all items).
std::string sqlGroupingStates(const std::string& ditta, const std::string& codArt,
                              const std::string& variant, bool singleItem);
// The states of a variant's options into #TMP_STATIOPZIONI: all of them in
// code order, or those of a grouping in its order when grouping is not empty.
std::string sqlOptionStates(const std::string& ditta, const std::string& condArt,
                            const std::string& variant, const std::string& grouping);
// The states of a variant's options in a season into #TMP_STATISTAGIONI.
std::string sqlSeasonOptionStates(const std::string& ditta, const std::string& codArt,
                                  const std::string& variant, const std::string& idSeason,
                                  const std::string& grouping);

}  // namespace states
