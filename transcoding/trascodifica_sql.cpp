#include "transcoding/trascodifica_sql.h"

#include <algorithm>
#include <cctype>

#include "common/value_helpers.h"

namespace transcoding {

namespace {

std::string quoted(const std::string& code) {
    return "'" + common::RaddoppiaApici(code) + "'";
}

// FormatoDB of a text: quoted with apostrophes doubled, null when blank.
std::string letterale(const std::string& text) {
    return common::FormatoDBTesto(db::Value(text), common::kTesto, true);
}

}  // namespace

std::string sqlBaseTrascodifica(const std::string& codArt) {
    return "SELECT MG5S_VARCLIFOR.*,\n"
           "       (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE MG5H_DESCR END) AS "
           "MG5E_DESCR,\n"
           "       ISNULL (MG5H_DITTA_CG18,0) AS MG5H_DITTA_CG18\n"
           "FROM MG5S_VARCLIFOR\n"
           "INNER JOIN MG5E_OPZIONI\n"
           "ON MG5E_DITTA_CG18     = MG5S_DITTA_CG18     AND\n"
           "   MG5E_CODICEVAR_MG5F = MG5S_CODICEVAR_MG5F AND\n"
           "   MG5E_OPZIONE        = MG5S_OPZIONE_MG5E\n"
           "LEFT OUTER JOIN MG6B_GESVARART\n"
           "ON MG6B_DITTA_CG18     = MG5S_DITTA_CG18 AND\n"
           "   MG6B_CODART_MG66    = " +
           quoted(codArt) +
           " AND\n"
           "   MG6B_CODICEVAR_MG5F = MG5S_CODICEVAR_MG5F AND\n"
           "   MG6B_FLGGESTVAR     = 1\n"
           "LEFT OUTER JOIN MG5H_COMPRAGVAR\n"
           "ON MG5H_DITTA_CG18     = MG6B_DITTA_CG18 AND\n"
           "   MG5H_CODICEVAR_MG5F = MG6B_CODICEVAR_MG5F AND\n"
           "   MG5H_RAGGR_MG5G     = MG6B_CODRAGGVAR_MG5G AND\n"
           "   MG5H_OPZIONE_MG5E   = MG5S_OPZIONE_MG5E";
}

std::string sqlCondizioneClifor(const std::string& ditta, const std::string& var,
                                const std::string& tipoCF, const std::string& cliFor) {
    return "\n WHERE MG5S_DITTA_CG18     = " + ditta +
           " AND\n"
           "       MG5S_CODICEVAR_MG5F = " +
           quoted(var) +
           " AND\n"
           "       MG5S_TIPOCF_CG44    = " +
           tipoCF +
           " AND\n"
           "       MG5S_CLIFOR_CG44    = " +
           cliFor;
}

std::string sqlRaggruppamentoVariante(const std::string& ditta, const std::string& codArt,
                                      const std::string& var) {
    return "SELECT MG6B_CODRAGGVAR_MG5G FROM MG6B_GESVARART WHERE MG6B_DITTA_CG18 = " + ditta +
           " AND MG6B_CODART_MG66 = " + quoted(codArt) +
           " AND MG6B_CODICEVAR_MG5F = " + quoted(var);
}

std::string restringiLookupClifor(const std::string& serviceSql, const std::string& var) {
    std::string upper = serviceSql;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const std::string join =
        "INNER JOIN (SELECT DISTINCT MG5S_DITTA_CG18, MG5S_CODICEVAR_MG5F, MG5S_TIPOCF_CG44, "
        "MG5S_CLIFOR_CG44\n"
        "            FROM MG5S_VARCLIFOR WITH (NOLOCK)) AS MG5S\n"
        "ON MG5S.MG5S_DITTA_CG18     = CG44_DITTA_CG18 AND\n"
        "   MG5S.MG5S_CODICEVAR_MG5F = " +
        quoted(var) +
        " AND\n"
        "   MG5S.MG5S_TIPOCF_CG44    = CG44_TIPOCF    AND\n"
        "   MG5S.MG5S_CLIFOR_CG44    = CG44_CLIFOR\n"
        "WHERE ";
    // Every WHERE, as the host's statement may have more than one.
    std::string out;
    const std::string word = "WHERE";
    std::size_t from = 0;
    for (std::size_t at = upper.find(word); at != std::string::npos; at = upper.find(word, from)) {
        out += upper.substr(from, at - from) + join;
        from = at + word.size();
    }
    return out + upper.substr(from);
}

namespace {

// The options of a grouping joined to their own rows: FROM up to the grouping.
std::string groupingOptionsFrom(const std::string& ditta, const std::string& var,
                                const std::string& raggr) {
    return "FROM MG5H_COMPRAGVAR WITH (NOLOCK)\n"
           "INNER JOIN MG5E_OPZIONI WITH (NOLOCK)\n"
           "ON MG5E_DITTA_CG18     = MG5H_DITTA_CG18 AND\n"
           "   MG5E_CODICEVAR_MG5F = MG5H_CODICEVAR_MG5F AND\n"
           "   MG5E_OPZIONE        = MG5H_OPZIONE_MG5E\n"
           "WHERE MG5H_DITTA_CG18     = " +
           ditta + " AND\n      MG5H_CODICEVAR_MG5F = " + quoted(var) +
           " AND\n      MG5H_RAGGR_MG5G     = " + letterale(raggr);
}

}  // namespace

std::string sqlLookupOpzioniRaggruppamento(const std::string& ditta, const std::string& var,
                                           const std::string& raggr) {
    return "SELECT MG5E_OPZIONE, (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE MG5H_DESCR "
           "END) AS MG5E_DESCR\n" +
           groupingOptionsFrom(ditta, var, raggr) + " ORDER BY MG5E_OPZIONE";
}

std::string sqlDecodificaOpzioneRaggruppamento(const std::string& ditta, const std::string& var,
                                               const std::string& raggr,
                                               const std::string& opzione) {
    return "SELECT (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE MG5H_DESCR END) AS "
           "MG5E_DESCR\n" +
           groupingOptionsFrom(ditta, var, raggr) +
           " AND\n      MG5H_OPZIONE_MG5E   = " + letterale(opzione);
}

std::string sqlDescrizioneOpzione(const std::string& ditta, const std::string& var,
                                  const std::string& raggr, const std::string& opzione) {
    return "SELECT (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE MG5H_DESCR END) AS "
           "MG5E_DESCR\n"
           "FROM MG5E_OPZIONI WITH (NOLOCK)\n"
           "LEFT OUTER JOIN MG5H_COMPRAGVAR WITH (NOLOCK)\n"
           "ON MG5H_DITTA_CG18     = MG5E_DITTA_CG18 AND\n"
           "   MG5H_CODICEVAR_MG5F = MG5E_CODICEVAR_MG5F AND\n"
           "   MG5H_RAGGR_MG5G     = " +
           letterale(raggr) +
           " AND\n"
           "   MG5H_OPZIONE_MG5E   = MG5E_OPZIONE\n"
           "WHERE MG5E_DITTA_CG18      = " +
           ditta +
           " AND\n"
           "      MG5E_CODICEVAR_MG5F  = " +
           quoted(var) +
           " AND\n"
           "      MG5E_OPZIONE         = " +
           quoted(opzione);
}

std::string sqlEliminaTrascodifica(const std::string& ditta, const std::string& var,
                                   const std::string& tipoCF, const std::string& cliFor,
                                   const std::string& opzione) {
    return "DELETE FROM MG5S_VARCLIFOR WHERE MG5S_DITTA_CG18 = " + ditta +
           " AND MG5S_CODICEVAR_MG5F = " + quoted(var) + " AND MG5S_TIPOCF_CG44 = " + tipoCF +
           " AND MG5S_CLIFOR_CG44 = " + cliFor + " AND MG5S_OPZIONE_MG5E = " + quoted(opzione);
}

}  // namespace transcoding
