#pragma once
// Statements of the transcoding tab, built by concatenation on the window's
// connection. {Ditta} is the company code (unquoted), {Var} the variant code,
// {TipoCF} 0 customer / 1 supplier, {CliFor} the counterpart's number, both
// unquoted. Codes are quoted with their apostrophes doubled, so that a code
// holding one cannot break a statement.

#include <string>

namespace transcoding {

// The list: MG5S_VARCLIFOR rows with the option's description, taken from
// the item's grouping when the option belongs to it; MG5H_DITTA_CG18 is
// non-zero exactly for the options of that grouping.
std::string sqlBaseTrascodifica(const std::string& codArt);
// " WHERE ..." narrowing the list to one variant and counterpart.
std::string sqlCondizioneClifor(const std::string& ditta, const std::string& var,
                                const std::string& tipoCF, const std::string& cliFor);
// Appended while the grouping filter is on.
inline constexpr const char* kSoloRaggruppamento = " AND MG5H_DITTA_CG18 IS NOT NULL";

// The grouping the item uses for a variant (one row, or none).
std::string sqlRaggruppamentoVariante(const std::string& ditta, const std::string& codArt,
                                      const std::string& var);

// The host's customer or supplier list turned into the list of counterparts
// that already have transcodings for the variant: upper case, every WHERE
// preceded by the join on MG5S_VARCLIFOR.
std::string restringiLookupClifor(const std::string& serviceSql, const std::string& var);

// Options of the item's grouping with their grouping descriptions, for the
// option lookup and decode while the filter is on.
std::string sqlLookupOpzioniRaggruppamento(const std::string& ditta, const std::string& var,
                                           const std::string& raggr);
std::string sqlDecodificaOpzioneRaggruppamento(const std::string& ditta, const std::string& var,
                                               const std::string& raggr,
                                               const std::string& opzione);

// The description of an option as the grid shows it next to the code.
std::string sqlDescrizioneOpzione(const std::string& ditta, const std::string& var,
                                  const std::string& raggr, const std::string& opzione);

// Deletes exactly one row: all five key columns in the condition.
std::string sqlEliminaTrascodifica(const std::string& ditta, const std::string& var,
                                   const std::string& tipoCF, const std::string& cliFor,
                                   const std::string& opzione);

}  // namespace transcoding
