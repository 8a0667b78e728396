#pragma once
// Statements of the customer and supplier item-code tabs over MG73_ARTCLIFOR
// and the tab's work table. {Ditta} and the kind go into SQL as numbers;
// codes between apostrophes with apostrophes doubled.

#include <string>

#include "platform/db/value.h"

namespace itemcodes {

// SELECT ... INTO {workTable}: one row per item code with the four key
// columns, the customer's or supplier's name, CHIAVE and the two image
// indexes. The tab's filter (ArtcliforFilter) follows it.
std::string CreaSelectTmpArtclifor(const std::string& workTable);
std::string ArtcliforFilter(const std::string& ditta, int tipo, const std::string& codArt);

// Every column of MG73_ARTCLIFOR and of the work table, joined on the key;
// the tab adds OrdineArtclifor.
std::string CreaSelectArtclifor(const std::string& workTable);
inline constexpr const char* kOrdineArtclifor = " ORDER BY MG73_ARTCLIFOR.MG73_CLIFOR_CG44";

// The work table's clustered primary key under the given constraint name.
std::string SqlAddPrimaryKey(const std::string& workTable, const std::string& pkName);

// How many codes of the kind the item has (VerificaArtcliPresenti).
std::string SqlCountArtclifor(const std::string& ditta, const std::string& codArt, int tipo);

// The preferred customer or supplier of an item and variant article.
std::string SqlPreferredCounterpart(const std::string& ditta, const std::string& codArt,
                                    const std::string& opzione, int tipo);
// A column of a stored code as the database holds it, by the code's key.
std::string SqlSavedValue(const std::string& column, const db::Value& ditta,
                          const db::Value& artCliFor, const db::Value& tipo,
                          const db::Value& cliFor);

// One batch deleting a code from MG73_ARTCLIFOR and from the work table.
std::string SqlDeleteArtclifor(const std::string& ditta, const std::string& artCliFor, int tipo,
                               const std::string& cliFor, const std::string& workTable);

// CHIAVE of a row saved from the tab: the plain concatenation of company,
// code, kind and customer/supplier, without padding.
std::string ArtcliforKey(const db::Value& ditta, const db::Value& artCliFor, const db::Value& tipo,
                         const db::Value& cliFor);

}  // namespace itemcodes
