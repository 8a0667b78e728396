#include "groupings/groupings_sql.h"

#include "common/value_helpers.h"
#include "platform/db/value.h"

namespace groupings {

namespace {

using common::RaddoppiaApici;

// A code or description as a literal; blank is null.
std::string lit(const std::string& text) {
    return common::FormatoDBTesto(db::Value(text), common::kTesto, true);
}

// The rows of one grouping of a variant.
std::string groupingRowsWhere(const std::string& ditta, const std::string& variante,
                              const std::string& grouping) {
    return " WHERE MG5H_DITTA_CG18     = " + ditta + " AND       MG5H_CODICEVAR_MG5F = '" +
           RaddoppiaApici(variante) + "' AND       MG5H_RAGGR_MG5G     = '" +
           RaddoppiaApici(grouping) + "'";
}

}  // namespace

std::string InList(const std::vector<std::string>& codes) {
    std::string list = "(";
    for (std::size_t i = 0; i < codes.size(); ++i)
        list += (i ? ", '" : "'") + RaddoppiaApici(codes[i]) + "'";
    return list + ")";
}

// ------------------------------------------------------------ grouping codes

std::string sqlLastGroupingNumber(const std::string& ditta, const std::string& variante) {
    const std::string var = RaddoppiaApici(variante);
    return "SELECT SUBSTRING (MAX(MG5G_CODRAGGVAR),4,6) AS ULTIMO FROM MG5G_RAGGVAR WHERE "
           "MG5G_DITTA_CG18     = " +
           ditta + " AND       MG5G_CODICEVAR_MG5F = '" + var +
           "'      AND       MG5G_CODRAGGVAR LIKE '" + var +
           "-%'     AND       ISNUMERIC(SUBSTRING(MG5G_CODRAGGVAR,4,6)) = 1    AND       "
           "LEN(SUBSTRING(MG5G_CODRAGGVAR,4,6)) = 6";
}

std::string sqlInsertGrouping(const std::string& ditta, const std::string& variante,
                              const std::string& grouping, const std::string& description) {
    return "INSERT INTO MG5G_RAGGVAR   (MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR, "
           "MG5G_DESCRRAGGVAR) VALUES ( " +
           ditta + ", '" + RaddoppiaApici(variante) + "', " + lit(grouping) + ", " +
           lit(description) + ")";
}

std::string sqlGroupingNamedAsItem(const std::string& ditta, const std::string& variante,
                                   const std::string& item) {
    return "SELECT MG5G_CODRAGGVAR FROM MG5G_RAGGVAR WHERE MG5G_DITTA_CG18 = " + ditta +
           " AND      MG5G_CODICEVAR_MG5F = '" + RaddoppiaApici(variante) +
           "' AND      MG5G_CODRAGGVAR = '" + RaddoppiaApici(item) + "'";
}

std::string sqlSetGroupingDescription(const std::string& ditta, const std::string& variante,
                                      const std::string& grouping, const std::string& description) {
    return "UPDATE MG5G_RAGGVAR SET MG5G_DESCRRAGGVAR = " + lit(description) +
           " WHERE MG5G_DITTA_CG18     = " + ditta + "    AND       MG5G_CODICEVAR_MG5F = '" +
           RaddoppiaApici(variante) + "' AND       MG5G_CODRAGGVAR     = " + lit(grouping);
}

std::string sqlGroupingCodeExists(const std::string& ditta, const std::string& variante,
                                  const std::string& grouping) {
    return "SELECT MG5G_CODRAGGVAR FROM MG5G_RAGGVAR WITH (NOLOCK) WHERE MG5G_DITTA_CG18 = " +
           ditta + " AND MG5G_CODICEVAR_MG5F = '" + RaddoppiaApici(variante) +
           "' AND MG5G_CODRAGGVAR = '" + RaddoppiaApici(grouping) + "'";
}

std::string sqlGroupingsOfVariant(const std::string& ditta, const std::string& variante) {
    return "SELECT * FROM MG5G_RAGGVAR WHERE MG5G_DITTA_CG18      = " + ditta +
           " AND       MG5G_CODICEVAR_MG5F  = '" + RaddoppiaApici(variante) +
           "' ORDER BY MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR";
}

// ------------------------------------------------------------------ variants

std::string sqlVariantCaption(const std::string& ditta, const std::string& variante) {
    return "SELECT MG5F_DESCR_VAR FROM MG5F_DIMECONF WITH (NOLOCK) WHERE MG5F_DITTA_CG18 = " +
           ditta + " AND       MG5F_CODICEVAR  = '" + RaddoppiaApici(variante) + "'";
}

std::string sqlCompanyVariants(const std::string& ditta) {
    return "SELECT MG5F_CODICEVAR, MG5F_DESCR_VAR FROM MG5F_DIMECONF WITH (NOLOCK) WHERE "
           "MG5F_DITTA_CG18 = " +
           ditta;
}

std::string sqlItemManagedVariants(const std::string& ditta, const std::string& item) {
    return "SELECT MG5F_CODICEVAR, MG5F_DESCR_VAR FROM MG6B_GESVARART INNER JOIN "
           "MG5F_DIMECONF ON MG5F_DITTA_CG18 = MG6B_DITTA_CG18 AND    MG5F_CODICEVAR = "
           "MG6B_CODICEVAR_MG5F WHERE MG6B_DITTA_CG18  = " +
           ditta + " AND       MG6B_CODART_MG66 = '" + RaddoppiaApici(item) +
           "' AND       MG6B_FLGGESTVAR = 1";
}

std::string sqlVariantDefinition(const std::string& ditta, const std::string& variante) {
    return "SELECT * FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = " + ditta +
           " AND       MG5F_CODICEVAR  = '" + RaddoppiaApici(variante) + "'";
}

std::string sqlVariantSize(const std::string& ditta, const std::string& variante) {
    return "SELECT MG5F_SIZE FROM MG5F_DIMECONF WITH (NOLOCK) WHERE MG5F_DITTA_CG18 = " + ditta +
           " AND MG5F_CODICEVAR = '" + RaddoppiaApici(variante) + "'";
}

std::string sqlVariantSizeAndNature(const std::string& ditta, const std::string& variante) {
    return "SELECT MG5F_SIZE, MG5F_INDNATURA FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = " + ditta +
           " AND MG5F_CODICEVAR = '" + RaddoppiaApici(variante) + "'";
}

std::string sqlItemVariantRow(const std::string& ditta, const std::string& item,
                              const std::string& variante) {
    return "SELECT MG6B_FLGGESTVAR, MG6B_CODRAGGVAR_MG5G, MG6B_DITTA_CG18, MG6B_CODART_MG66, "
           "MG6B_CODICEVAR_MG5F FROM MG6B_GESVARART WHERE MG6B_DITTA_CG18     = " +
           ditta + " AND       MG6B_CODART_MG66    = '" + RaddoppiaApici(item) +
           "'  AND       MG6B_CODICEVAR_MG5F = '" + RaddoppiaApici(variante) + "'";
}

// ------------------------------------------------------- options of a variant

std::string sqlVariantOptions(const std::string& ditta, const std::string& variante, bool ordered) {
    if (!ordered)
        return "SELECT MG5E_OPZIONE, MG5E_DESCR FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = " +
               ditta + " AND MG5E_CODICEVAR_MG5F = '" + RaddoppiaApici(variante) + "'";
    return "SELECT MG5E_OPZIONE, MG5E_DESCR FROM MG5E_OPZIONI WITH (NOLOCK) WHERE "
           "MG5E_DITTA_CG18 = " +
           ditta + " AND MG5E_CODICEVAR_MG5F = '" + RaddoppiaApici(variante) +
           "' ORDER BY MG5E_OPZIONE";
}

std::string sqlInsertOption(const std::string& ditta, const std::string& variante,
                            const std::string& option, const std::string& description) {
    return "INSERT INTO MG5E_OPZIONI   (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, "
           "MG5E_DESCR) VALUES   ( " +
           ditta + ", '" + RaddoppiaApici(variante) + "', " + lit(option) + ", " +
           lit(description) + ")";
}

std::string sqlOptionStored(const std::string& ditta, const std::string& variante,
                            const std::string& option) {
    return "SELECT MG5E_OPZIONE FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = " + ditta +
           " AND MG5E_CODICEVAR_MG5F = '" + RaddoppiaApici(variante) +
           "' AND MG5E_OPZIONE = " + lit(option);
}

std::string sqlSetOptionDescription(const std::string& ditta, const std::string& variante,
                                    const std::string& option, const std::string& description) {
    return "UPDATE MG5E_OPZIONI SET MG5E_DESCR = " + lit(description) +
           " WHERE MG5E_DITTA_CG18     = " + ditta + " AND       MG5E_CODICEVAR_MG5F = '" +
           RaddoppiaApici(variante) + "' AND       MG5E_OPZIONE        = " + lit(option);
}

std::string sqlDeleteOptions(const std::string& ditta, const std::string& variante,
                             const std::vector<std::string>& options) {
    return "DELETE FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18     = " + ditta +
           " AND       MG5E_CODICEVAR_MG5F = '" + RaddoppiaApici(variante) +
           "' AND       MG5E_OPZIONE IN " + InList(options);
}

std::string sqlWindowInsertOption(const std::string& ditta, const std::string& variante,
                                  const std::string& option, const std::string& description) {
    return "INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, "
           "MG5E_DESCR) VALUES (" +
           ditta + ", '" + RaddoppiaApici(variante) + "', " + lit(option) + ", " +
           lit(description) + ")";
}

std::string sqlWindowSetOptionDescription(const std::string& ditta, const std::string& variante,
                                          const std::string& option,
                                          const std::string& description) {
    return "UPDATE MG5E_OPZIONI SET MG5E_DESCR = " + lit(description) +
           " WHERE MG5E_DITTA_CG18 = " + ditta + " AND MG5E_CODICEVAR_MG5F = '" +
           RaddoppiaApici(variante) + "' AND MG5E_OPZIONE = " + lit(option);
}

std::string sqlWindowDeleteOption(const std::string& ditta, const std::string& variante,
                                  const std::string& option) {
    return "DELETE FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = " + ditta +
           " AND MG5E_CODICEVAR_MG5F = '" + RaddoppiaApici(variante) +
           "' AND MG5E_OPZIONE = " + lit(option);
}

// ------------------------------------------------ the option lists' work tables

std::string sqlSourceOptions(const std::string& ditta, const std::string& variante,
                             const std::string& grouping) {
    return "SELECT *, LEFT(MG5E_DESCR,1) AS LETTERA,        CAST(0 AS DECIMAL(1, 0)) AS SELEZ,  "
           "      0 AS SORT_CODE INTO #TMP_ORIG FROM MG5E_OPZIONI WITH (NOLOCK) LEFT OUTER JOIN "
           "MG5H_COMPRAGVAR WITH (NOLOCK) ON MG5H_DITTA_CG18     = MG5E_DITTA_CG18 AND    "
           "MG5H_CODICEVAR_MG5F = MG5E_CODICEVAR_MG5F AND    MG5H_RAGGR_MG5G     = " +
           lit(grouping) +
           " AND    MG5H_OPZIONE_MG5E   = MG5E_OPZIONE WHERE MG5E_DITTA_CG18     = " + ditta +
           " AND       MG5E_CODICEVAR_MG5F = '" + RaddoppiaApici(variante) + "'";
}

std::string sqlGroupingOptions(const std::string& ditta, const std::string& variante,
                               const std::string& grouping) {
    return "SELECT *, (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE MG5H_DESCR END) AS "
           "DESCR_OPZIONE,        CAST(0 AS DECIMAL(1, 0)) AS SELEZ INTO #TMP_DEST FROM "
           "MG5H_COMPRAGVAR INNER JOIN MG5E_OPZIONI ON MG5E_DITTA_CG18     = MG5H_DITTA_CG18 AND "
           "   MG5E_CODICEVAR_MG5F = MG5H_CODICEVAR_MG5F AND    MG5E_OPZIONE        = "
           "MG5H_OPZIONE_MG5E WHERE MG5H_DITTA_CG18     =  " +
           ditta + " AND       MG5H_CODICEVAR_MG5F = '" + RaddoppiaApici(variante) +
           "' AND       MG5H_RAGGR_MG5G     = " + lit(grouping) + " ORDER BY MG5H_SEQOPZIONE";
}

std::string sqlTickRow(const std::string& table, const std::string& column, const std::string& code,
                       bool ticked) {
    return "UPDATE " + table + " SET SELEZ = " + (ticked ? "1" : "0") + " WHERE " + column +
           " = '" + RaddoppiaApici(code) + "'";
}

std::string sqlClearTicks(const std::string& table) {
    return "UPDATE " + table + " SET SELEZ = 0 WHERE SELEZ <> 0";
}

std::string sqlTickRows(const std::string& table, const std::string& column,
                        const std::vector<std::string>& codes) {
    return "UPDATE " + table + " SET SELEZ = 1 WHERE " + column + " IN " + InList(codes);
}

std::string sqlSetSourceDescription(const std::string& option, const std::string& description) {
    return "UPDATE #TMP_ORIG SET MG5E_DESCR = " + lit(description) +
           " WHERE MG5E_OPZIONE = " + lit(option);
}

// ---------------------------------------------------- composition of a grouping

std::string sqlGroupingRows(const std::string& ditta, const std::string& variante,
                            const std::string& grouping) {
    return "SELECT * FROM MG5H_COMPRAGVAR WHERE MG5H_DITTA_CG18 =  " + ditta +
           " AND       MG5H_CODICEVAR_MG5F = '" + RaddoppiaApici(variante) +
           "' AND       MG5H_RAGGR_MG5G = " + lit(grouping) + " ORDER BY MG5H_SEQOPZIONE";
}

std::string sqlCountGroupingRows(const std::string& ditta, const std::string& variante,
                                 const std::string& grouping) {
    return "SELECT COUNT(*) AS RIGHE FROM MG5H_COMPRAGVAR" +
           groupingRowsWhere(ditta, variante, grouping);
}

std::string sqlRemoveFromGrouping(const std::string& ditta, const std::string& variante,
                                  const std::string& grouping,
                                  const std::vector<std::string>& options) {
    return "DELETE MG5H_COMPRAGVAR" + groupingRowsWhere(ditta, variante, grouping) +
           " AND       MG5H_OPZIONE_MG5E IN " + InList(options);
}

std::string sqlShiftGroupingRows(const std::string& ditta, const std::string& variante,
                                 const std::string& grouping, long n, long after) {
    return "UPDATE MG5H_COMPRAGVAR SET MG5H_SEQOPZIONE = MG5H_SEQOPZIONE + " + std::to_string(n) +
           groupingRowsWhere(ditta, variante, grouping) + " AND       MG5H_SEQOPZIONE > " +
           std::to_string(after);
}

std::string sqlInsertGroupingRows(const std::string& ditta, const std::string& variante,
                                  const std::string& grouping,
                                  const std::vector<std::pair<short, std::string>>& rows) {
    const std::string key =
        "( " + ditta + ", '" + RaddoppiaApici(variante) + "', " + lit(grouping) + ", ";
    std::string sql =
        "INSERT INTO MG5H_COMPRAGVAR (MG5H_DITTA_CG18, MG5H_CODICEVAR_MG5F, MG5H_RAGGR_MG5G, "
        "MG5H_SEQOPZIONE, MG5H_OPZIONE_MG5E)  VALUES ";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0)
            sql += ", ";
        sql += key;
        sql += std::to_string(rows[i].first);
        sql += ", ";
        sql += lit(rows[i].second);
        sql += ")";
    }
    return sql;
}

std::string sqlRenumberGrouping(const std::string& ditta, const std::string& variante,
                                const std::string& grouping) {
    const std::string where = groupingRowsWhere(ditta, variante, grouping);
    return "UPDATE MG5H_COMPRAGVAR SET MG5H_SEQOPZIONE = N.NUOVA FROM MG5H_COMPRAGVAR "
           "INNER JOIN (SELECT MG5H_OPZIONE_MG5E AS OPZIONE, ROW_NUMBER() OVER (ORDER BY "
           "MG5H_SEQOPZIONE) AS NUOVA FROM MG5H_COMPRAGVAR" +
           where + ") N ON MG5H_COMPRAGVAR.MG5H_OPZIONE_MG5E = N.OPZIONE" + where +
           " AND       MG5H_COMPRAGVAR.MG5H_SEQOPZIONE <> N.NUOVA";
}

std::string sqlKeepMovedRows(const std::string& ditta, const std::string& variante,
                             const std::string& grouping, const std::vector<std::string>& options) {
    return "SELECT * \r\nINTO   #MG5H \r\nFROM   MG5H_COMPRAGVAR WITH (NOLOCK) \r\n"
           "WHERE  MG5H_DITTA_CG18         = " +
           ditta + " \r\n       AND MG5H_CODICEVAR_MG5F = '" + RaddoppiaApici(variante) +
           "' \r\n       AND MG5H_RAGGR_MG5G     = '" + RaddoppiaApici(grouping) +
           "' \r\n       AND MG5H_OPZIONE_MG5E   IN " + InList(options) + "\r\n";
}

const char* const kSqlRestoreMovedDescriptions =
    "UPDATE MG5H_COMPRAGVAR \r\nSET    MG5H_COMPRAGVAR.MG5H_DESCR = #MG5H.MG5H_DESCR \r\n"
    "FROM   MG5H_COMPRAGVAR WITH (NOLOCK) \r\n       INNER JOIN #MG5H WITH (NOLOCK) \r\n"
    "           ON  MG5H_COMPRAGVAR.MG5H_DITTA_CG18     = #MG5H.MG5H_DITTA_CG18 \r\n"
    "           AND MG5H_COMPRAGVAR.MG5H_CODICEVAR_MG5F = #MG5H.MG5H_CODICEVAR_MG5F \r\n"
    "           AND MG5H_COMPRAGVAR.MG5H_RAGGR_MG5G     = #MG5H.MG5H_RAGGR_MG5G \r\n"
    "           AND MG5H_COMPRAGVAR.MG5H_OPZIONE_MG5E   = #MG5H.MG5H_OPZIONE_MG5E \r\n";

std::string sqlSetCompositionDescription(const std::string& ditta, const std::string& variante,
                                         const std::string& grouping, const std::string& option,
                                         const std::string& description) {
    return "UPDATE MG5H_COMPRAGVAR SET MG5H_DESCR = " + lit(description) +
           groupingRowsWhere(ditta, variante, grouping) +
           " AND       MG5H_OPZIONE_MG5E   = " + lit(option);
}

// ------------------------------------------------- copy of counterpart descriptions

std::string sqlCopyCounterpartDescriptions(const std::string& ditta, const std::string& variante,
                                           const std::string& grouping, int tipoCF,
                                           const std::string& cliFor) {
    return "UPDATE MG5H_COMPRAGVAR SET MG5H_DESCR = MG5S_DESCR FROM MG5S_VARCLIFOR INNER JOIN "
           "MG5H_COMPRAGVAR ON MG5H_DITTA_CG18     = MG5S_DITTA_CG18 AND    MG5H_CODICEVAR_MG5F "
           "= MG5S_CODICEVAR_MG5F AND    MG5H_RAGGR_MG5G     = '" +
           RaddoppiaApici(grouping) +
           "' AND    MG5H_OPZIONE_MG5E   = MG5S_OPZIONE_MG5E WHERE MG5S_DITTA_CG18     = " + ditta +
           " AND       MG5S_CODICEVAR_MG5F = '" + RaddoppiaApici(variante) +
           "' AND       MG5S_TIPOCF_CG44    = " + std::to_string(tipoCF) +
           " AND       MG5S_CLIFOR_CG44    = " + cliFor;
}

std::string sqlCounterpartTranscodings(const std::string& ditta, const std::string& variante,
                                       int tipoCF, const std::string& cliFor) {
    return "SELECT * FROM MG5S_VARCLIFOR WHERE MG5S_DITTA_CG18     = " + ditta +
           " AND       MG5S_CODICEVAR_MG5F = '" + RaddoppiaApici(variante) +
           "' AND       MG5S_TIPOCF_CG44    = " + std::to_string(tipoCF) +
           " AND       MG5S_CLIFOR_CG44    = " + cliFor + " ORDER BY MG5S_OPZIONE_MG5E";
}

}  // namespace groupings
