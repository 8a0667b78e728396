#pragma once
// The statements of the generation preview. Item codes are placed between
// apostrophes with any apostrophe doubled.

#include <string>
#include <vector>

namespace duplication {

// CREATE TABLE #COMBIVAR: NREC, ARTICOLO, then A0..A9 each with its
// DESCRI_ and SELEZ_ column.
std::string sqlCreaCombivar();
std::string sqlContaCombivar(const std::string& item);
// INSERT INTO #COMBIVAR EXEC SPMG_COMBIVAR {Ditta}, '{CodArt}'
std::string sqlRiempiCombivar(const std::string& company, const std::string& item);
std::string sqlLeggiCombivar(const std::string& item);
// The variants the item manages (all the company's when item is blank).
std::string sqlVariantiStruttura(const std::string& company, const std::string& item);
std::string sqlContaSelezionate(const std::string& item, const std::string& variant);
std::string sqlOpzioniSelezionate(const std::string& item, const std::string& variant);
// Flips the selection of one structure row, or of every row with an option.
std::string sqlInvertiSelezione(const std::string& item, const std::string& variant,
                                long long nrec);
std::string sqlInvertiColonna(const std::string& item, const std::string& variant);

// One variant of the preview: its code ("A0"), how many of its options are
// selected and the width of its slot (0 when the company does not define it).
struct SlotAnteprima {
    std::string variante;
    long long selezionate = 0;
    int size = 0;
};
// ";WITH CTE_A0 AS (...), ... CTE_A9 AS (...) SELECT ... [INTO table] FROM
// CTE_.. CROSS JOIN CTE_..": one row per combination of one selected option
// of each variant that has any, with its composed code in VARIANTE; no row
// when no option is selected.
std::string sqlCreaQueryCTE(const std::string& item, const std::vector<SlotAnteprima>& varianti,
                            const std::string& intoTable);
std::string sqlCaricaAnteprima(const std::string& table);
// Every preview row ticked or unticked at once (the header's tick box), and
// every row dropped.
std::string sqlTickPreview(const std::string& table, bool ticked);
std::string sqlEmptyPreview(const std::string& table);
std::string sqlDescrizioneVariante(const std::string& company, const std::string& item,
                                   const std::string& variant);

// Whether the item already has a bill of materials (kind 0) for the variant
// article; item and variant go in as they are.
std::string sqlBillExists(const std::string& company, const std::string& item,
                          const std::string& variant);

// A count as "###,###,###,###" formats it in Italian: 30000 -> "30.000".
std::string formatoConteggio(long long n);

}  // namespace duplication
