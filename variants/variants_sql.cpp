#include "variants/variants_sql.h"

#include "common/value_helpers.h"

namespace variants {

using common::RaddoppiaApici;

std::string sqlItemVariants(const std::string& ditta, const std::string& codArt) {
    return "SELECT * FROM MG6B_GESVARART\nINNER JOIN MG5F_DIMECONF\nON MG5F_DITTA_CG18 = "
           "MG6B_DITTA_CG18 AND\n   MG5F_CODICEVAR  = MG6B_CODICEVAR_MG5F\nLEFT OUTER JOIN "
           "MG5G_RAGGVAR\nON MG5G_DITTA_CG18     = MG6B_DITTA_CG18     AND\n   "
           "MG5G_CODICEVAR_MG5F = MG6B_CODICEVAR_MG5F AND\n   MG5G_CODRAGGVAR     = "
           "MG6B_CODRAGGVAR_MG5G\nWHERE MG6B_DITTA_CG18 = " +
           ditta + " AND\n      MG6B_CODART_MG66 = '" + RaddoppiaApici(codArt) +
           "'\nORDER BY MG6B_CODICEVAR_MG5F";
}

std::string sqlCompanyVariantsForItem(const std::string& ditta, const std::string& codArt) {
    return "SELECT MG5F_DITTA_CG18 AS MG6B_DITTA_CG18, '" + RaddoppiaApici(codArt) +
           "' AS MG6B_CODART_MG66, MG5F_CODICEVAR AS MG6B_CODICEVAR_MG5F, 0 AS MG6B_FLGGESTVAR, "
           "CONVERT(CHAR(25), NULL) AS MG6B_CODRAGGVAR_MG5G, 2 AS MG6B_INDOBBLIG, "
           "2 AS MG6B_INDDEFAULT, CONVERT(CHAR(20), '') AS MG6B_VARDEFAULT, "
           "99 AS MG6B_INDEREDIBA, MG5F_DIMECONF.*, "
           "CONVERT(VARCHAR(40), NULL) AS MG5G_DESCRRAGGVAR\nFROM MG5F_DIMECONF\n"
           "WHERE MG5F_DITTA_CG18 = " +
           ditta + "\nORDER BY MG5F_CODICEVAR";
}

std::string sqlDeleteItemVariants(const std::string& ditta, const std::string& codArt) {
    return "DELETE FROM MG6B_GESVARART WHERE MG6B_DITTA_CG18 = " + ditta +
           " AND       MG6B_CODART_MG66 = '" + RaddoppiaApici(codArt) + "'";
}

std::string sqlInsertItemVariant(const std::string& ditta, const std::string& codArt,
                                 const ItemVariantRow& r) {
    const std::string grouping =
        r.grouping.empty() ? "NULL" : "'" + RaddoppiaApici(r.grouping) + "'";
    return "INSERT INTO MG6B_GESVARART (   MG6B_DITTA_CG18, MG6B_CODART_MG66, "
           "MG6B_CODICEVAR_MG5F, MG6B_FLGGESTVAR, MG6B_CODRAGGVAR_MG5G,    MG6B_INDOBBLIG, "
           "MG6B_INDDEFAULT, MG6B_VARDEFAULT, MG6B_INDEREDIBA) VALUES (" +
           ditta + ", '" + RaddoppiaApici(codArt) + "', '" + RaddoppiaApici(r.variant) + "', " +
           r.managed + ", " + grouping + ", " + r.mandatory + ", " + r.withDefault + ", '" +
           RaddoppiaApici(r.defaultOption) + "', " + r.inheritance + ")";
}

std::string sqlStoredDefaultOptions(const std::string& ditta, const std::string& codArt) {
    return "SELECT MG6B_CODICEVAR_MG5F, MG6B_VARDEFAULT FROM MG6B_GESVARART WHERE "
           "MG6B_DITTA_CG18 = " +
           ditta + " AND MG6B_CODART_MG66 = '" + RaddoppiaApici(codArt) + "'";
}

std::string sqlSetItemColumns(const std::string& ditta, const std::string& codArt,
                              const std::string& assignment) {
    return "UPDATE MG66_ANAGRART SET " + assignment + " WHERE MG66_DITTA_CG18 = " + ditta +
           " AND       MG66_CODART     = '" + RaddoppiaApici(codArt) + "'";
}

}  // namespace variants
