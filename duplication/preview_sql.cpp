#include "duplication/preview_sql.h"

#include "common/value_helpers.h"

namespace duplication {

namespace {

std::string lit(const std::string& text) {
    return "'" + common::RaddoppiaApici(text) + "'";
}

}  // namespace

std::string sqlCreaCombivar() {
    std::string sql =
        "CREATE TABLE #COMBIVAR (     NREC       DECIMAL(6,0),     ARTICOLO   CHAR(25) "
        "COLLATE DATABASE_DEFAULT, ";
    for (int i = 0; i < 10; ++i) {
        const std::string v = "A" + std::to_string(i);
        sql.append("\n ").append(v).append(" CHAR(20) COLLATE DATABASE_DEFAULT,  DESCRI_");
        sql.append(v).append(" VARCHAR(160) COLLATE DATABASE_DEFAULT,  SELEZ_").append(v);
        sql.append(" DECIMAL(1,0) ");
        sql += i < 9 ? " , " : " ) ";
    }
    return sql;
}

std::string sqlContaCombivar(const std::string& item) {
    return "SELECT COUNT(*) FROM #COMBIVAR WHERE ARTICOLO = " + lit(item);
}

std::string sqlRiempiCombivar(const std::string& company, const std::string& item) {
    return "INSERT INTO #COMBIVAR EXEC SPMG_COMBIVAR " + company + ", " + lit(item);
}

std::string sqlLeggiCombivar(const std::string& item) {
    return "SELECT * FROM #COMBIVAR WHERE ARTICOLO = " + lit(item);
}

std::string sqlVariantiStruttura(const std::string& company, const std::string& item) {
    if (common::NzValore(db::Value(item), "").empty())
        return "SELECT MG5F_CODICEVAR AS VARIANTE, MG5F_DESCR_VAR AS DESCRIZIONE\n"
               "FROM MG5F_DIMECONF WITH (NOLOCK)\n"
               "WHERE MG5F_DITTA_CG18 = " +
               company;
    return "SELECT MG6B_CODICEVAR_MG5F AS VARIANTE, MG5F_DESCR_VAR AS DESCRIZIONE\n"
           "FROM MG6B_GESVARART WITH (NOLOCK)\n"
           "INNER JOIN MG5F_DIMECONF WITH (NOLOCK)\n"
           "ON MG5F_DITTA_CG18 = MG6B_DITTA_CG18 AND\n"
           "   MG5F_CODICEVAR  = MG6B_CODICEVAR_MG5F\n"
           "WHERE MG6B_DITTA_CG18  = " +
           company + " AND\n      MG6B_CODART_MG66 = " + lit(item) +
           " AND\n      MG6B_FLGGESTVAR  = 1";
}

std::string sqlContaSelezionate(const std::string& item, const std::string& variant) {
    return "SELECT COUNT(*) FROM #COMBIVAR WHERE ARTICOLO = " + lit(item) + " AND SELEZ_" +
           variant + " = 1";
}

std::string sqlOpzioniSelezionate(const std::string& item, const std::string& variant) {
    return "SELECT " + variant + " FROM #COMBIVAR WHERE ARTICOLO = " + lit(item) + " AND SELEZ_" +
           variant + " = 1";
}

std::string sqlInvertiSelezione(const std::string& item, const std::string& variant,
                                long long nrec) {
    return "UPDATE #COMBIVAR SET SELEZ_" + variant + " = ABS(SELEZ_" + variant +
           " - 1) WHERE ARTICOLO = " + lit(item) + " AND NREC = " + std::to_string(nrec);
}

std::string sqlInvertiColonna(const std::string& item, const std::string& variant) {
    return "UPDATE #COMBIVAR SET SELEZ_" + variant + " = ABS(SELEZ_" + variant +
           " - 1) WHERE ARTICOLO = " + lit(item) + " AND " + variant + " <> ''";
}

std::string sqlCreaQueryCTE(const std::string& item, const std::vector<SlotAnteprima>& varianti,
                            const std::string& intoTable) {
    std::string ctes = ";WITH ";
    std::string select = "SELECT " + lit(item) +
                         "          AS ARTICOLO, 0 AS SELEZ, CONVERT(VARCHAR(256),NULL) AS ESITO, ";
    std::string sources;
    for (std::size_t i = 0; i < varianti.size(); ++i) {
        const SlotAnteprima& s = varianti[i];
        const std::string& v = s.variante;
        const std::string size = std::to_string(s.size);
        if (i > 0) {
            ctes += ", ";
            select += "+ ";
        }
        ctes.append("CTE_").append(v).append(" AS ( SELECT ").append(v);
        ctes.append(" FROM #COMBIVAR WHERE ARTICOLO = ").append(lit(item));
        ctes.append(" AND       SELEZ_").append(v).append(" = 1)");
        if (s.selezionate > 0) {
            select.append("LEFT (").append(v).append(" + REPLICATE (' ',").append(size);
            select.append("), ").append(size).append(") ");
            sources.append(sources.empty() ? " FROM " : " CROSS JOIN ").append("CTE_").append(v);
        } else {
            select.append("REPLICATE (' ',").append(size).append(") ");
        }
    }
    select += " AS VARIANTE ";
    std::string sql = ctes + " " + select;
    if (!intoTable.empty())
        sql += " INTO " + intoTable;
    // Without any selection the statement has no source: it would give one
    // row of blanks, a variant article that is none. It gives no row.
    if (sources.empty())
        return sql + " WHERE 1 = 0";
    return sql + sources;
}

std::string sqlCaricaAnteprima(const std::string& table) {
    return "SELECT " + table +
           ".*,             CONVERT(CHAR(10),ROW_NUMBER() OVER (ORDER BY VARIANTE)) AS CHIAVE "
           "FROM " +
           table + " ORDER BY VARIANTE";
}

std::string sqlTickPreview(const std::string& table, bool ticked) {
    return "UPDATE " + table + " SET SELEZ = " + std::string(ticked ? "1" : "0");
}

std::string sqlEmptyPreview(const std::string& table) {
    return "TRUNCATE TABLE " + table;
}

std::string sqlDescrizioneVariante(const std::string& company, const std::string& item,
                                   const std::string& variant) {
    return "SELECT MG87_DESCART FROM MG87_ARTDESC WITH (NOLOCK)\n"
           "WHERE MG87_DITTA_CG18   = " +
           company + " AND\n      MG87_CODART_MG66  = " + lit(item) +
           " AND\n      MG87_OPZIONE_MG5E = " + lit(variant) + " AND\n      MG87_LINGUA_MG52  = ''";
}

std::string sqlBillExists(const std::string& company, const std::string& item,
                          const std::string& variant) {
    return "SELECT TOP 1 1 FROM PD95_DISBA WITH (NOLOCK) WHERE PD95_DITTA_CG18    = " + company +
           " AND\n      PD95_CODART_MG66   = '" + item + "' AND\n      PD95_OPZIONE       = '" +
           variant + "' AND\n      PD95_TIPO_DISTINTA = 0";
}

std::string formatoConteggio(long long n) {
    std::string digits = std::to_string(n < 0 ? -n : n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += '.';
        out += digits[i];
    }
    return n < 0 ? "-" + out : out;
}

}  // namespace duplication
