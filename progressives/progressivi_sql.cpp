#include "progressives/progressivi_sql.h"

#include "common/value_helpers.h"

namespace progressives {

namespace {

std::string slot(const SceltaProgressivi& s) {
    return std::to_string(s.start) + ", " + std::to_string(s.size);
}

// The option column with the chosen variant's slot blanked (VARIANTE) and
// that slot alone (OPZIONE), one line each of the select list.
std::string variantAndOption(const SceltaProgressivi& s, const std::string& column) {
    return "       STUFF (" + column + ", " + slot(s) + ", REPLICATE(' '," +
           std::to_string(s.size) +
           ")) AS VARIANTE,\n"
           "       SUBSTRING (" +
           column + ", " + slot(s) + ") AS OPZIONE\n";
}

// The item's stored progressives of the chosen kind and quantity (and year).
std::string storedProgressives(const SceltaProgressivi& s) {
    return "MG70_DITTA_CG18  = " + s.ditta + " AND\n      MG70_CODART_MG66 = '" +
           common::RaddoppiaApici(s.codArt) +
           "' AND\n      MG70_TIPOPROG    = " + std::to_string(s.tipoProg) +
           " AND\n      MG70_TIPOQTA     = " + std::to_string(s.tipoQta) + FiltroAnno(s, "MG70");
}

}  // namespace

bool IsValidYear(const std::string& anno) {
    if (anno.size() != 4 || anno.front() == '0')
        return false;
    for (char c : anno)
        if (c < '0' || c > '9')
            return false;
    return true;
}

std::string FiltroAnno(const SceltaProgressivi& s, const std::string& prefisso) {
    if (s.tipoProg != 2 || s.anno.empty())
        return "";
    return " AND " + prefisso + "_ANNO = " + s.anno;
}

std::string SqlDefaultColumnVariant(const std::string& ditta, const std::string& codArt) {
    return "SELECT TOP 1 MG5F_CODICEVAR\n"
           "FROM MG6B_GESVARART\n"
           "INNER JOIN MG5F_DIMECONF\n"
           "ON MG5F_DITTA_CG18 = MG6B_DITTA_CG18 AND\n"
           "   MG5F_CODICEVAR = MG6B_CODICEVAR_MG5F\n"
           "WHERE MG6B_DITTA_CG18  = " +
           ditta + " AND\n      MG6B_CODART_MG66 = '" + common::RaddoppiaApici(codArt) +
           "' AND\n      MG6B_FLGGESTVAR  = 1\n"
           "ORDER BY MG5F_INDGRIGLIA DESC";
}

std::string SqlProgressiveOptions(const SceltaProgressivi& s) {
    return "SELECT DISTINCT SUBSTRING (MG70_OPZIONE_MG5E, " + slot(s) +
           ") AS OPZIONE FROM MG70_MAGPROQTA WHERE " + storedProgressives(s) + " ORDER BY OPZIONE";
}

std::string SqlReadProgressives(const SceltaProgressivi& s) {
    return "SELECT MG70_MAGPROQTA.*, MG58_DESCRDEP,\n" + variantAndOption(s, "MG70_OPZIONE_MG5E") +
           "FROM MG70_MAGPROQTA\n"
           "INNER JOIN MG58_DEPOSITI WITH (NOLOCK)\n"
           "ON MG58_DITTA_CG18 = MG70_DITTA_CG18 AND\n"
           "   MG58_CODDEP     = MG70_CODDEP_MG58\n"
           "WHERE " +
           storedProgressives(s) + "\n ORDER BY MG70_CODDEP_MG58, MG70_OPZIONE_MG5E";
}

std::string SqlReadSubcontractProgressives(const SceltaProgressivi& s, int tipo,
                                           const std::string& deposito) {
    const std::string kind = std::to_string(tipo);
    return "SELECT MG7E_CLAVPROQTA.*, MG58_DESCRDEP, CG16_RAGSOANAG,\n" +
           variantAndOption(s, "MG7E_OPZIONE_MG5E") +
           "FROM MG7E_CLAVPROQTA WITH (NOLOCK)\n"
           "INNER JOIN MG58_DEPOSITI WITH (NOLOCK)\n"
           "ON MG58_DITTA_CG18 = MG7E_DITTA_CG18 AND\n"
           "   MG58_CODDEP     = MG7E_CODDEPPROV_MG58\n"
           "INNER JOIN CG44_CLIFOR WITH (NOLOCK)\n"
           "ON CG44_DITTA_CG18 = MG7E_DITTA_CG18  AND\n"
           "   CG44_TIPOCF     = MG7E_TIPOCF_CG44 AND\n"
           "   CG44_CLIFOR     = MG7E_CLIFOR_CG44\n"
           "INNER JOIN CG16_ANAGGEN WITH (NOLOCK)\n"
           "ON CG16_CODICE = CG44_CODICE_CG16\n"
           "WHERE MG7E_DITTA_CG18      = " +
           s.ditta + " AND\n      MG7E_INDCLAVATTPAS   = " + kind +
           " AND\n      MG7E_TIPOCF_CG44     = " + kind + " AND\n      MG7E_CODART_MG66     = '" +
           common::RaddoppiaApici(s.codArt) +
           "' AND\n      MG7E_TIPOPROG        = " + std::to_string(s.tipoProg) +
           " AND\n      MG7E_CODDEPPROV_MG58 = '" + common::RaddoppiaApici(deposito) +
           "' AND\n      MG7E_TIPOQTA         = " + std::to_string(s.tipoQta) +
           FiltroAnno(s, "MG7E");
}

}  // namespace progressives
