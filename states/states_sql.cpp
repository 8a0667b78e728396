#include "states/states_sql.h"

namespace states {

namespace {

void replaceAll(std::string& text, const std::string& what, const std::string& with) {
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

// The dates are shown as dd/mm/yyyy whatever the server's language.
const char* const kStateChoices = R"(;WITH CTE_MG5V AS (
   SELECT
       MG5V_IDSTATOVAR,
       MG5V_CODICE,
       MG5V_DESCR,
       CASE WHEN MG5V_DATAINIZIO IS NOT NULL THEN
       CASE WHEN DAY(MG5V_DATAINIZIO) > 9 THEN CONVERT(CHAR(2), DAY(MG5V_DATAINIZIO)) ELSE '0' + CONVERT(CHAR(1), DAY(MG5V_DATAINIZIO)) END + '/' +
       CASE WHEN MONTH(MG5V_DATAINIZIO) > 9 THEN CONVERT(CHAR(2), MONTH(MG5V_DATAINIZIO)) ELSE '0' + CONVERT(CHAR(1), MONTH(MG5V_DATAINIZIO)) END + '/' +
       CONVERT(CHAR(4), YEAR(MG5V_DATAINIZIO))
       ELSE '' END AS MG5V_DATAINIZIO,
       CASE WHEN MG5V_DATAFINE IS NOT NULL THEN
       CASE WHEN DAY(MG5V_DATAFINE) > 9 THEN CONVERT(CHAR(2), DAY(MG5V_DATAFINE)) ELSE '0' + CONVERT(CHAR(1), DAY(MG5V_DATAFINE)) END + '/' +
       CASE WHEN MONTH(MG5V_DATAFINE) > 9 THEN CONVERT(CHAR(2), MONTH(MG5V_DATAFINE)) ELSE '0' + CONVERT(CHAR(1), MONTH(MG5V_DATAFINE)) END + '/' +
       CONVERT(CHAR(4), YEAR(MG5V_DATAFINE))
       ELSE '' END AS MG5V_DATAFINE,
       CASE WHEN ISNULL(MG5V_ATTIVO, 0) = 0 THEN N'{No}' ELSE N'{Si}' END AS MG5V_ATTIVO
   FROM
       MG5V_STATIVAR WITH (NOLOCK)
   WHERE
       MG5V_DITTA_CG18 = {Ditta}
) SELECT
   CONVERT(DECIMAL(18, 0), 0) AS Codice,
   '' AS Descrizione
UNION ALL SELECT
   MG5V_IDSTATOVAR AS Codice,
   RTRIM(MG5V_CODICE) +
   CASE WHEN ISNULL(MG5V_DESCR, '') <> '' THEN ' - ' + RTRIM(ISNULL(MG5V_DESCR, '')) ELSE '' END +
   CASE WHEN ISNULL(MG5V_DATAINIZIO, '') <> '' THEN N'{DtIni}' + MG5V_DATAINIZIO ELSE '' END +
   CASE WHEN ISNULL(MG5V_DATAFINE, '') <> '' THEN N'{DtFin}' + MG5V_DATAFINE ELSE '' END +
   N'{Attivo}' + MG5V_ATTIVO
    AS Descrizione
FROM
   CTE_MG5V WITH (NOLOCK)
ORDER BY
   Descrizione)";

}  // namespace

std::string sqlStateChoices(const std::string& ditta, const StateChoiceWords& words) {
    std::string sql = kStateChoices;
    replaceAll(sql, "{No}", words.no);
    replaceAll(sql, "{Si}", words.yes);
    replaceAll(sql, "{DtIni}", words.startDate);
    replaceAll(sql, "{DtFin}", words.endDate);
    replaceAll(sql, "{Attivo}", words.active);
    replaceAll(sql, "{Ditta}", ditta);
    return sql;
}

std::string sqlStatesByCode(const std::string& code) {
    return "SELECT MG5V_IDSTATOVAR, MG5V_ATTIVO, MG5V_DESCR FROM MG5V_STATIVAR WITH (NOLOCK) "
           "WHERE MG5V_CODICE = '" +
           code + "'";
}

std::string sqlCompanyStateByCode(const std::string& ditta, const std::string& code) {
    return "SELECT MG5V_IDSTATOVAR FROM MG5V_STATIVAR WITH (NOLOCK) WHERE MG5V_DITTA_CG18 = " +
           ditta + " AND MG5V_CODICE = '" + code + "'";
}

std::string sqlStateCode(const std::string& id) {
    return "SELECT MG5V_CODICE FROM MG5V_STATIVAR WITH (NOLOCK) WHERE MG5V_IDSTATOVAR = " + id;
}

std::string sqlSeasonByCode(const std::string& ditta, const std::string& code) {
    return "SELECT MG5T_IDSTAGIONE FROM MG5T_STAGIONI WITH (NOLOCK) WHERE MG5T_DITTA_CG18 = " +
           ditta + " AND MG5T_CODICE = '" + code + "'";
}

std::string sqlSeasonYear(const std::string& ditta, const std::string& id) {
    return "SELECT YEAR(MG5T_DATAINIZIO) AS ANNO FROM MG5T_STAGIONI WITH (NOLOCK) WHERE "
           "MG5T_DITTA_CG18 = " +
           ditta + " AND MG5T_IDSTAGIONE = " + id;
}

std::string sqlStateValidity(const std::string& ditta, const std::string& id) {
    return "SELECT MG5V_CODICE, MG5V_DATAFINE FROM MG5V_STATIVAR WITH (NOLOCK) WHERE "
           "MG5V_DITTA_CG18 = " +
           ditta + " AND MG5V_IDSTATOVAR = " + id;
}

std::string sqlItemGrouping(const std::string& ditta, const std::string& codArt,
                            const std::string& variant) {
    return "SELECT MG6B_CODRAGGVAR_MG5G FROM MG6B_GESVARART WHERE MG6B_DITTA_CG18 = " + ditta +
           " AND MG6B_CODART_MG66 = '" + codArt + "' AND MG6B_CODICEVAR_MG5F = '" + variant + "'";
}

std::string sqlVariantOptions(const std::string& ditta, const std::string& variant,
                              const std::string& raggr) {
    if (raggr.empty())
        return "SELECT MG5E_OPZIONE AS OPZIONE FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = " + ditta +
               " AND MG5E_CODICEVAR_MG5F = '" + variant + "' ORDER BY MG5E_OPZIONE";
    return "SELECT MG5H_OPZIONE_MG5E AS OPZIONE FROM MG5H_COMPRAGVAR INNER JOIN MG5E_OPZIONI "
           "ON MG5E_DITTA_CG18 = MG5H_DITTA_CG18 AND MG5E_CODICEVAR_MG5F = "
           "MG5H_CODICEVAR_MG5F AND MG5E_OPZIONE = MG5H_OPZIONE_MG5E WHERE MG5H_DITTA_CG18 "
           "= " +
           ditta + " AND MG5H_CODICEVAR_MG5F = '" + variant + "' AND MG5H_RAGGR_MG5G = '" + raggr +
           "' ORDER BY MG5H_SEQOPZIONE";
}

std::string sqlSecondVariantRows(const std::string& ditta, const std::string& variant,
                                 const std::string& raggr, const std::string& caption) {
    if (raggr.empty())
        return "SELECT MG5E_OPZIONE AS '" + caption +
               "', MG5E_DESCR INTO #TMP_VARIANTE2 FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 "
               "= " +
               ditta + " AND MG5E_CODICEVAR_MG5F = '" + variant + "' ORDER BY MG5E_OPZIONE";
    return "SELECT MG5H_OPZIONE_MG5E AS '" + caption +
           "', (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE MG5H_DESCR END) AS "
           "MG5E_DESCR INTO #TMP_VARIANTE2 FROM MG5H_COMPRAGVAR INNER JOIN MG5E_OPZIONI ON "
           "MG5E_DITTA_CG18 = MG5H_DITTA_CG18 AND MG5E_CODICEVAR_MG5F = MG5H_CODICEVAR_MG5F "
           "AND MG5E_OPZIONE = MG5H_OPZIONE_MG5E WHERE MG5H_DITTA_CG18 = " +
           ditta + " AND MG5H_CODICEVAR_MG5F = '" + variant + "' AND MG5H_RAGGR_MG5G = '" + raggr +
           "' ORDER BY MG5H_SEQOPZIONE";
}

std::string sqlPairStates(const std::string& ditta, const std::string& condArt,
                          const std::string& varA, const std::string& varB) {
    return "SELECT * FROM MG5W_PROVSTATI WHERE MG5W_DITTA_CG18 = " + ditta +
           " AND MG5W_CODART_MG66 " + condArt + " AND MG5W_CODICEVAR1_MG5F = '" + varA +
           "' AND MG5W_RAGGR1_MG5G IS NULL AND MG5W_CODICEVAR2_MG5F = '" + varB +
           "' AND MG5W_RAGGR2_MG5G IS NULL AND MG5W_TIPODEFAULT IS NULL";
}

std::string sqlCrossCell(const std::string& column, const std::string& state,
                         const std::string& caption, const std::string& row) {
    return "UPDATE #TMP_CROSSVAR SET [" + column + "] = " + state + " WHERE [" + caption + "] = '" +
           row + "'";
}

std::string sqlCombinationCondition(const std::string& ditta, const std::string& condArt,
                                    const std::string& varA, const std::string& optionA,
                                    const std::string& varB, const std::string& optionB) {
    return " WHERE MG5W_DITTA_CG18 = " + ditta + " AND MG5W_CODART_MG66 " + condArt +
           " AND MG5W_CODICEVAR1_MG5F = '" + varA +
           "' AND MG5W_RAGGR1_MG5G IS NULL AND MG5W_OPZIONE1_MG5E = '" + optionA +
           "' AND MG5W_CODICEVAR2_MG5F = '" + varB +
           "' AND MG5W_RAGGR2_MG5G IS NULL AND MG5W_OPZIONE2_MG5E = '" + optionB +
           "' AND MG5W_TIPODEFAULT IS NULL";
}

std::string sqlOptionCaption(const std::string& ditta, const std::string& variant,
                             const std::string& raggr, const std::string& option) {
    if (raggr.empty())
        return "SELECT MG5E_DESCR FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = " + ditta +
               " AND MG5E_CODICEVAR_MG5F = '" + variant + "' AND MG5E_OPZIONE = '" + option + "'";
    return "SELECT (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE MG5H_DESCR END) AS "
           "MG5E_DESCR FROM MG5H_COMPRAGVAR INNER JOIN MG5E_OPZIONI ON MG5E_DITTA_CG18 = "
           "MG5H_DITTA_CG18 AND MG5E_CODICEVAR_MG5F = MG5H_CODICEVAR_MG5F AND MG5E_OPZIONE = "
           "MG5H_OPZIONE_MG5E WHERE MG5H_DITTA_CG18 = " +
           ditta + " AND MG5H_CODICEVAR_MG5F = '" + variant + "' AND MG5H_RAGGR_MG5G = '" + raggr +
           "' AND MG5E_OPZIONE = '" + option + "'";
}

std::string sqlPairDefaultState(const std::string& ditta, const std::string& condArt,
                                const std::string& varA, const std::string& varB) {
    return "SELECT MG5V_IDSTATOVAR, MG5V_CODICE, MG5V_ATTIVO FROM MG5W_PROVSTATI WITH (NOLOCK) "
           "INNER JOIN MG5V_STATIVAR WITH (NOLOCK) ON MG5V_IDSTATOVAR = MG5W_IDSTATOVAR_MG5V" +
           sqlPairDefaultCondition(ditta, condArt, varA, varB);
}

std::string sqlPairDefaultCondition(const std::string& ditta, const std::string& condArt,
                                    const std::string& varA, const std::string& varB) {
    return " WHERE MG5W_DITTA_CG18 = " + ditta + " AND MG5W_CODART_MG66 " + condArt +
           " AND MG5W_CODICEVAR1_MG5F = '" + varA + "' AND MG5W_CODICEVAR2_MG5F = '" + varB +
           "' AND MG5W_TIPODEFAULT = 1";
}

std::string sqlVariantStateCondition(const std::string& ditta, const std::string& condArt,
                                     const std::string& variant, const std::string& raggr,
                                     const std::string& option) {
    const std::string condRaggr = raggr.empty() ? "IS NULL" : "= '" + raggr + "'";
    const std::string condOption = option.empty() ? "IS NULL" : "= '" + option + "'";
    return " WHERE MG5W_DITTA_CG18 = " + ditta + " AND MG5W_CODART_MG66 " + condArt +
           " AND MG5W_CODICEVAR1_MG5F = '" + variant + "' AND MG5W_RAGGR1_MG5G " + condRaggr +
           " AND MG5W_OPZIONE1_MG5E " + condOption +
           " AND MG5W_CODICEVAR2_MG5F IS NULL AND MG5W_RAGGR2_MG5G IS NULL AND "
           "MG5W_OPZIONE2_MG5E IS NULL AND MG5W_TIPODEFAULT IS NULL";
}

std::string sqlSeasonStateCondition(const std::string& ditta, const std::string& idSeason,
                                    const std::string& variant, const std::string& codArt,
                                    const std::string& raggr, const std::string& option) {
    return " WHERE MG5U_DITTA_CG18 = " + ditta + " AND MG5U_IDSTAGIONE_MG5T = " + idSeason +
           " AND MG5U_CODICEVAR_MG5F = '" + variant + "' AND MG5U_CODART_MG66 = '" + codArt +
           "' AND MG5U_RAGGR_MG5G " + (raggr.empty() ? "IS NULL" : "= '" + raggr + "'") +
           " AND MG5U_OPZIONE_MG5E = '" + option + "'";
}

std::string sqlStateRow(const std::string& table, const std::string& condition) {
    return "SELECT * FROM " + table + condition;
}

std::string sqlDeleteStateRow(const std::string& table, const std::string& condition) {
    return "DELETE FROM " + table + condition;
}

std::string sqlInsertStateRow(const std::string& table,
                              const std::vector<std::pair<std::string, std::string>>& columns) {
    std::string names, values;
    for (const auto& [name, literal] : columns) {
        names += (names.empty() ? "" : ", ") + name;
        values += (values.empty() ? "" : ", ") + literal;
    }
    return "INSERT INTO " + table + " (" + names + ") VALUES (" + values + ")";
}

namespace {

std::string combinationWhere(const std::string& ditta, const std::string& condArt,
                             const std::string& varA, const std::string& varB) {
    return "WHERE MG5W_DITTA_CG18 = " + ditta + " AND MG5W_CODART_MG66 " + condArt +
           " AND MG5W_TIPODEFAULT IS NULL AND MG5W_CODICEVAR1_MG5F = '" + varA +
           "' AND MG5W_CODICEVAR2_MG5F = '" + varB + "' ";
}

}  // namespace

std::string sqlCombinationRows(const std::string& ditta, const std::string& condArt,
                               const std::string& varA, const std::string& varB,
                               const std::string& raggrA, const std::string& raggrB) {
    return "SELECT MG5W_DITTA_CG18 AS DITTA, MG5W_OPZIONE1_MG5E AS OPZIONE1, MG5W_OPZIONE2_MG5E "
           "AS OPZIONE2, MG5W_OPZIONE1_MG5E + MG5W_OPZIONE2_MG5E AS CHIAVE,\n"
           "       (CASE WHEN MG5H_1.MG5H_DESCR IS NULL THEN MG5E_1.MG5E_DESCR ELSE "
           "MG5H_1.MG5H_DESCR END) DESCR_OPZIONE1,\n"
           "       (CASE WHEN MG5H_2.MG5H_DESCR IS NULL THEN MG5E_2.MG5E_DESCR ELSE "
           "MG5H_2.MG5H_DESCR END) DESCR_OPZIONE2,\n"
           "       MG5V_CODICE AS CODICE_STATO, MG5V_DESCR AS DESCRI_STATO\n"
           "INTO #TMP_COMBI\n"
           "FROM MG5W_PROVSTATI\n"
           "INNER JOIN MG5E_OPZIONI AS MG5E_1 ON MG5E_1.MG5E_DITTA_CG18 = MG5W_DITTA_CG18 AND "
           "MG5E_1.MG5E_CODICEVAR_MG5F = MG5W_CODICEVAR1_MG5F AND MG5E_1.MG5E_OPZIONE = "
           "MG5W_OPZIONE1_MG5E\n"
           "LEFT OUTER JOIN MG5H_COMPRAGVAR AS MG5H_1 ON MG5H_1.MG5H_DITTA_CG18 = MG5W_DITTA_CG18 "
           "AND MG5H_1.MG5H_CODICEVAR_MG5F = MG5W_CODICEVAR1_MG5F AND MG5H_1.MG5H_RAGGR_MG5G = '" +
           raggrA +
           "' AND MG5H_1.MG5H_OPZIONE_MG5E = MG5W_OPZIONE1_MG5E\n"
           "INNER JOIN MG5E_OPZIONI AS MG5E_2 ON MG5E_2.MG5E_DITTA_CG18 = MG5W_DITTA_CG18 AND "
           "MG5E_2.MG5E_CODICEVAR_MG5F = MG5W_CODICEVAR2_MG5F AND MG5E_2.MG5E_OPZIONE = "
           "MG5W_OPZIONE2_MG5E\n"
           "LEFT OUTER JOIN MG5H_COMPRAGVAR AS MG5H_2 ON MG5H_2.MG5H_DITTA_CG18 = MG5W_DITTA_CG18 "
           "AND MG5H_2.MG5H_CODICEVAR_MG5F = MG5W_CODICEVAR2_MG5F AND MG5H_2.MG5H_RAGGR_MG5G = '" +
           raggrB +
           "' AND MG5H_2.MG5H_OPZIONE_MG5E = MG5W_OPZIONE2_MG5E\n"
           "INNER JOIN MG5V_STATIVAR ON MG5V_IDSTATOVAR = MG5W_IDSTATOVAR_MG5V\n" +
           combinationWhere(ditta, condArt, varA, varB);
}

std::string sqlCombinationOptionColumn(const std::string& column) {
    return "ALTER TABLE #TMP_COMBI ALTER COLUMN " + column +
           " CHAR(20) COLLATE DATABASE_DEFAULT NOT NULL";
}

std::string sqlCombinationKey(const std::string& keyName) {
    return "ALTER TABLE #TMP_COMBI ADD CONSTRAINT " + keyName +
           " PRIMARY KEY CLUSTERED (DITTA, OPZIONE1, OPZIONE2) ";
}

std::string sqlCombinationList(const std::string& ditta, const std::string& condArt,
                               const std::string& varA, const std::string& varB) {
    return "SELECT * FROM MG5W_PROVSTATI INNER JOIN #TMP_COMBI ON DITTA = MG5W_DITTA_CG18 AND "
           "OPZIONE1 = MG5W_OPZIONE1_MG5E AND OPZIONE2 = MG5W_OPZIONE2_MG5E " +
           combinationWhere(ditta, condArt, varA, varB) +
           "ORDER BY MG5W_OPZIONE1_MG5E, MG5W_OPZIONE2_MG5E";
}

std::string sqlOtherCombinations(const std::string& ditta, const std::string& condArt,
                                 const std::string& varA, const std::string& optionA,
                                 const std::string& varB, const std::string& optionB,
                                 const std::string& id) {
    return "SELECT MG5W_IDPROV FROM MG5W_PROVSTATI WITH (NOLOCK) WHERE MG5W_DITTA_CG18 = " + ditta +
           " AND MG5W_CODART_MG66 " + condArt + " AND MG5W_CODICEVAR1_MG5F = '" + varA +
           "' AND MG5W_OPZIONE1_MG5E = '" + optionA + "' AND MG5W_CODICEVAR2_MG5F = '" + varB +
           "' AND MG5W_OPZIONE2_MG5E = '" + optionB + "' AND MG5W_TIPODEFAULT IS NULL" +
           (id.empty() ? std::string() : " AND MG5W_IDPROV <> " + id);
}

std::string sqlDeleteCombination(const std::string& ditta, const std::string& varA,
                                 const std::string& optionA, const std::string& varB,
                                 const std::string& optionB, const std::string& codArt) {
    const std::string condArt = codArt.empty() ? " AND MG5W_CODART_MG66 IS NULL"
                                               : " AND MG5W_CODART_MG66 = '" + codArt + "'";
    return "DELETE FROM MG5W_PROVSTATI WHERE MG5W_DITTA_CG18 = " + ditta +
           " AND MG5W_CODICEVAR1_MG5F = '" + varA + "' AND MG5W_OPZIONE1_MG5E = '" + optionA +
           "' AND MG5W_CODICEVAR2_MG5F = '" + varB + "' AND MG5W_OPZIONE2_MG5E = '" + optionB +
           "'" + condArt + "\nDELETE FROM #TMP_COMBI WHERE DITTA = " + ditta + " AND OPZIONE1 = '" +
           optionA + "' AND OPZIONE2 = '" + optionB + "'";
}

std::string sqlGroupingStates(const std::string& ditta, const std::string& codArt,
                              const std::string& variant, bool singleItem) {
    const std::string itemCondition =
        singleItem ? "MG5W_CODART_MG66 = '" + codArt + "'" : "MG5W_CODART_MG66 IS NULL";
    std::string sql =
        "SELECT CONVERT(CHAR(25),'') AS RAGGRUPPAMENTO, CONVERT(VARCHAR(40),'<< TUTTI >>') AS "
        "MG5G_DESCRRAGGVAR,\n"
        "       0 AS ORDINAMENTO, MG5W_IDSTATOVAR_MG5V AS STATO, MG5W_IDPROV, MG5W_DITTA_CG18\n"
        "INTO #TMP_STATIRAGGR\n"
        "FROM CG18_ANADITTABASE\n"
        "LEFT OUTER JOIN MG5W_PROVSTATI\n"
        "ON MG5W_DITTA_CG18 = CG18_DITTA AND " +
        itemCondition + " AND MG5W_CODICEVAR1_MG5F = '" + variant +
        "' AND\n"
        "   MG5W_RAGGR1_MG5G IS NULL AND MG5W_OPZIONE1_MG5E IS NULL AND MG5W_RAGGR2_MG5G IS "
        "NULL AND MG5W_OPZIONE2_MG5E IS NULL AND MG5W_TIPODEFAULT IS NULL\n"
        "WHERE CG18_DITTA = " +
        ditta + "\n UNION ALL\n";
    if (singleItem)
        sql +=
            "SELECT MG6B_CODRAGGVAR_MG5G AS RAGGRUPPAMENTO, MG5G_DESCRRAGGVAR, 1 AS "
            "ORDINAMENTO, MG5W_IDSTATOVAR_MG5V AS STATO,\n"
            "       MG5W_IDPROV, MG5W_DITTA_CG18\n"
            "FROM MG6B_GESVARART\n"
            "INNER JOIN MG5G_RAGGVAR\n"
            "ON MG5G_DITTA_CG18 = MG6B_DITTA_CG18 AND MG5G_CODICEVAR_MG5F = "
            "MG6B_CODICEVAR_MG5F AND MG5G_CODRAGGVAR = MG6B_CODRAGGVAR_MG5G\n"
            "LEFT OUTER JOIN MG5W_PROVSTATI\n"
            "ON MG5W_DITTA_CG18 = MG6B_DITTA_CG18 AND MG5W_CODART_MG66 = MG6B_CODART_MG66 AND "
            "MG5W_CODICEVAR1_MG5F = MG6B_CODICEVAR_MG5F AND\n"
            "   MG5W_RAGGR1_MG5G = MG6B_CODRAGGVAR_MG5G AND MG5W_OPZIONE1_MG5E IS NULL AND "
            "MG5W_RAGGR2_MG5G IS NULL AND MG5W_OPZIONE2_MG5E IS NULL AND MG5W_TIPODEFAULT IS "
            "NULL\n"
            "WHERE MG6B_DITTA_CG18 = " +
            ditta + " AND MG6B_CODICEVAR_MG5F = '" + variant + "' AND MG6B_CODART_MG66 = '" +
            codArt + "'";
    else
        sql +=
            "SELECT ISNULL(MG5G_CODRAGGVAR,'') AS RAGGRUPPAMENTO, "
            "ISNULL(MG5G_DESCRRAGGVAR,''), 1 AS ORDINAMENTO, MG5W_IDSTATOVAR_MG5V AS STATO,\n"
            "       MG5W_IDPROV, MG5W_DITTA_CG18\n"
            "FROM MG5G_RAGGVAR\n"
            "LEFT OUTER JOIN MG5W_PROVSTATI\n"
            "ON MG5W_DITTA_CG18 = MG5G_DITTA_CG18 AND MG5W_CODART_MG66 IS NULL AND "
            "MG5W_CODICEVAR1_MG5F = '" +
            variant +
            "' AND\n"
            "   MG5W_RAGGR1_MG5G = MG5G_CODRAGGVAR AND MG5W_OPZIONE1_MG5E IS NULL AND "
            "MG5W_RAGGR2_MG5G IS NULL AND MG5W_OPZIONE2_MG5E IS NULL AND MG5W_TIPODEFAULT IS "
            "NULL\n"
            "WHERE MG5G_DITTA_CG18 = " +
            ditta + " AND MG5G_CODICEVAR_MG5F = '" + variant + "'";
    return sql;
}

std::string sqlOptionStates(const std::string& ditta, const std::string& condArt,
                            const std::string& variant, const std::string& grouping) {
    if (grouping.empty())
        return "SELECT CONVERT(CHAR(25),'') AS MG5H_RAGGR_MG5G, MG5E_OPZIONE AS OPZIONE, "
               "MG5E_OPZIONE AS ORDINAMENTO,\n"
               "       MG5E_DESCR AS DESCR_OPZIONE,\n"
               "       MG5W_IDSTATOVAR_MG5V AS STATO, MG5W_IDPROV, MG5W_DITTA_CG18\n"
               "INTO #TMP_STATIOPZIONI\n"
               "FROM MG5E_OPZIONI\n"
               "LEFT OUTER JOIN MG5W_PROVSTATI\n"
               "ON MG5W_DITTA_CG18 = MG5E_DITTA_CG18 AND MG5W_CODART_MG66 " +
               condArt +
               " AND MG5W_CODICEVAR1_MG5F = MG5E_CODICEVAR_MG5F AND\n"
               "   MG5W_RAGGR1_MG5G IS NULL AND MG5W_OPZIONE1_MG5E = MG5E_OPZIONE AND "
               "MG5W_RAGGR2_MG5G IS NULL AND MG5W_OPZIONE2_MG5E IS NULL AND MG5W_TIPODEFAULT IS "
               "NULL\n"
               "WHERE MG5E_DITTA_CG18 = " +
               ditta + " AND MG5E_CODICEVAR_MG5F = '" + variant + "'";
    else
        return "SELECT MG5H_RAGGR_MG5G, MG5H_OPZIONE_MG5E AS OPZIONE, MG5H_SEQOPZIONE AS "
               "ORDINAMENTO,\n"
               "       (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE MG5H_DESCR END) AS "
               "DESCR_OPZIONE,\n"
               "       MG5W_IDSTATOVAR_MG5V AS STATO, MG5W_IDPROV, MG5W_DITTA_CG18\n"
               "INTO #TMP_STATIOPZIONI\n"
               "FROM MG5H_COMPRAGVAR\n"
               "INNER JOIN MG5E_OPZIONI\n"
               "ON MG5E_DITTA_CG18 = MG5H_DITTA_CG18 AND MG5E_CODICEVAR_MG5F = "
               "MG5H_CODICEVAR_MG5F AND MG5E_OPZIONE = MG5H_OPZIONE_MG5E\n"
               "LEFT OUTER JOIN MG5W_PROVSTATI\n"
               "ON MG5W_DITTA_CG18 = MG5H_DITTA_CG18 AND MG5W_CODART_MG66 " +
               condArt +
               " AND MG5W_CODICEVAR1_MG5F = MG5H_CODICEVAR_MG5F AND\n"
               "   MG5W_RAGGR1_MG5G = MG5H_RAGGR_MG5G AND MG5W_OPZIONE1_MG5E = "
               "MG5H_OPZIONE_MG5E AND MG5W_RAGGR2_MG5G IS NULL AND MG5W_OPZIONE2_MG5E IS NULL AND "
               "MG5W_TIPODEFAULT IS NULL\n"
               "WHERE MG5H_DITTA_CG18 = " +
               ditta + " AND MG5H_CODICEVAR_MG5F = '" + variant + "' AND MG5H_RAGGR_MG5G = '" +
               grouping + "'";
}

std::string sqlSeasonOptionStates(const std::string& ditta, const std::string& codArt,
                                  const std::string& variant, const std::string& idSeason,
                                  const std::string& grouping) {
    if (grouping.empty())
        return "SELECT MG5E_OPZIONE AS OPZIONE, 0 AS ORDINAMENTO, MG5E_DESCR AS DESCR_OPZIONE, "
               "MG5U_IDSTATOVAR_MG5V AS STATO\n"
               "INTO #TMP_STATISTAGIONI\n"
               "FROM MG5E_OPZIONI\n"
               "LEFT OUTER JOIN MG5U_VARSTAG\n"
               "ON MG5U_DITTA_CG18 = MG5E_DITTA_CG18 AND MG5U_IDSTAGIONE_MG5T = " +
               idSeason +
               " AND MG5U_CODICEVAR_MG5F = MG5E_CODICEVAR_MG5F AND\n"
               "   MG5U_CODART_MG66 = '" +
               codArt +
               "' AND MG5U_RAGGR_MG5G IS NULL AND MG5U_OPZIONE_MG5E = MG5E_OPZIONE\n"
               "WHERE MG5E_DITTA_CG18 = " +
               ditta + " AND MG5E_CODICEVAR_MG5F = '" + variant + "'";
    else
        return "SELECT MG5H_OPZIONE_MG5E AS OPZIONE, MG5H_SEQOPZIONE AS ORDINAMENTO,\n"
               "       (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE MG5H_DESCR END) AS "
               "DESCR_OPZIONE, MG5U_IDSTATOVAR_MG5V AS STATO\n"
               "INTO #TMP_STATISTAGIONI\n"
               "FROM MG5H_COMPRAGVAR\n"
               "INNER JOIN MG5E_OPZIONI\n"
               "ON MG5E_DITTA_CG18 = MG5H_DITTA_CG18 AND MG5E_CODICEVAR_MG5F = "
               "MG5H_CODICEVAR_MG5F AND MG5E_OPZIONE = MG5H_OPZIONE_MG5E\n"
               "LEFT OUTER JOIN MG5U_VARSTAG\n"
               "ON MG5U_DITTA_CG18 = MG5H_DITTA_CG18 AND MG5U_IDSTAGIONE_MG5T = " +
               idSeason +
               " AND MG5U_CODICEVAR_MG5F = MG5H_CODICEVAR_MG5F AND\n"
               "   MG5U_CODART_MG66 = '" +
               codArt +
               "' AND MG5U_RAGGR_MG5G = MG5H_RAGGR_MG5G AND MG5U_OPZIONE_MG5E = "
               "MG5H_OPZIONE_MG5E\n"
               "WHERE MG5H_DITTA_CG18 = " +
               ditta + " AND MG5H_CODICEVAR_MG5F = '" + variant + "' AND MG5H_RAGGR_MG5G = '" +
               grouping + "'";
}

}  // namespace states
