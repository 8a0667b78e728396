#pragma once
// Statements of the progressives tab: the options of the column variant that
// have progressives, the warehouse progressives and the subcontracting
// progressives of the item, for one kind of progressive and of quantity.

#include <string>

namespace progressives {

// What the user chose, as it goes into the statements.
struct SceltaProgressivi {
    std::string ditta;   // {Ditta}, unquoted
    std::string codArt;  // the item, quoted by the builders
    int tipoProg = 1;    // MG70_TIPOPROG: 0 consolidated, 1 real time, 2 per year
    int tipoQta = 1;     // MG70_TIPOQTA: 1 or 2
    std::string anno;    // digits; read only for kind 2
    int start = 0;       // MG5F_START of the column variant
    int size = 0;        // MG5F_SIZE of the column variant
};

// A year the statements can take: four digits, not starting with 0.
bool IsValidYear(const std::string& anno);

// " AND {prefix}_ANNO = {year}" for kind 2 with a year; "" otherwise.
std::string FiltroAnno(const SceltaProgressivi& s, const std::string& prefisso);

// The item's managed variant with the highest grid index: the column variant
// the tab starts with. The item is quoted by the builder.
std::string SqlDefaultColumnVariant(const std::string& ditta, const std::string& codArt);
// SELECT DISTINCT SUBSTRING (...) AS OPZIONE ... ORDER BY OPZIONE
std::string SqlProgressiveOptions(const SceltaProgressivi& s);
// MG70_MAGPROQTA.*, MG58_DESCRDEP, VARIANTE and OPZIONE, by warehouse and code.
std::string SqlReadProgressives(const SceltaProgressivi& s);
// MG7E_CLAVPROQTA.* of one subcontracting warehouse, kind 0 active (customers)
// or 1 passive (suppliers), with the subcontractor's name.
std::string SqlReadSubcontractProgressives(const SceltaProgressivi& s, int tipo,
                                           const std::string& deposito);

}  // namespace progressives
