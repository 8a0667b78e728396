#pragma once
// Where an option or a grouping of a variant is used, and the statements that
// rename one everywhere. Every table that can hold an option code is one
// source: the plain option columns, and the composed codes, where the option
// sits in its variant's slot (MG5F_START, MG5F_SIZE) and only that slot is
// ever read or written.
//
// The statements are T-SQL that SQL Server runs as they are; a rename keeps
// the referential integrity at every statement: the new code is created
// first, the references move, the old code is removed last.

#include <string>
#include <vector>

namespace groupings {

// The option (or grouping) asked about, with its variant's slot.
struct UsedCode {
    std::string ditta;         // company, unquoted
    std::string variante;      // "A0".."B9"
    std::string codice;        // option or grouping code, right-trimmed
    int start = 0;             // MG5F_START of the variant
    int size = 0;              // MG5F_SIZE of the variant
    std::string nomeVariante;  // MG5F_DESCR_VAR, how the user knows the variant
};

// One table (or one column of a table) that holds the code.
struct CodeUse {
    std::string tabella;      // "MG5H_COMPRAGVAR"
    std::string descrizione;  // the line's caption (Italian)
    long numero = 0;          // its catalogue number
    std::string righe;        // " FROM ... WHERE ...": the rows that hold the code
    std::string elenco;       // CODICE, DESCRIZIONE of the items concerned, ordered
};

std::vector<CodeUse> OptionUses(const UsedCode& opzione);
std::vector<CodeUse> GroupingUses(const UsedCode& raggruppamento);

// ORDINE, TABELLA, DESCRIZIONE, RIGHE: one row per source, in order; the
// captions are the ones given in usi (translated by the caller).
std::string sqlWhereUsed(const std::vector<CodeUse>& usi);

// The option's retirement: its state for all items, outside any grouping.
std::string sqlRetirementState(const UsedCode& opzione);
std::string sqlDeleteRetirement(const UsedCode& opzione);
std::string sqlInsertRetirement(const UsedCode& opzione, const std::string& idStato);
// The states an option can be retired with: MG5V_IDSTATOVAR, MG5V_CODICE, MG5V_DESCR.
std::string sqlRetirementStates(const std::string& ditta);
// Option code -> state code of the retired options of a variant.
std::string sqlRetiredOptions(const std::string& ditta, const std::string& variante);

// The rename of an option: create the new code, move every reference, remove
// the old code; in this order, in one transaction of the caller's.
std::vector<std::string> sqlRenameOption(const UsedCode& opzione, const std::string& nuovo);
std::vector<std::string> sqlRenameGrouping(const UsedCode& raggruppamento,
                                           const std::string& nuovo);

// How many options (groupings) of the variant have that code.
std::string sqlOptionExists(const UsedCode& opzione, const std::string& codice);
std::string sqlGroupingExists(const UsedCode& raggruppamento, const std::string& codice);

}  // namespace groupings
