#include "itemcodes/artclifor_sql.h"

#include "common/value_helpers.h"

namespace itemcodes {

using common::NzValore;
using common::RaddoppiaApici;

namespace {

// The counterpart of a code and its name.
constexpr const char* kCounterpartJoin =
    "INNER JOIN CG44_CLIFOR WITH (NOLOCK)\n"
    "ON CG44_DITTA_CG18 = MG73_DITTA_CG18  AND\n"
    "   CG44_TIPOCF     = MG73_TIPOCF_CG44 AND\n"
    "   CG44_CLIFOR     = MG73_CLIFOR_CG44\n"
    "INNER JOIN CG16_ANAGGEN WITH (NOLOCK)\n"
    "ON CG16_CODICE = CG44_CODICE_CG16\n";

}  // namespace

std::string CreaSelectTmpArtclifor(const std::string& workTable) {
    return "SELECT\n"
           "  MG73_DITTA_CG18  AS DITTA,\n"
           "  MG73_ARTCLIFOR   AS ARTCLIFOR,\n"
           "  MG73_TIPOCF_CG44 AS TIPOCF,\n"
           "  MG73_CLIFOR_CG44 AS CLIFOR,\n"
           "  CG16_RAGSOANAG   AS RAGSOANAG,\n"
           "    CONVERT (CHAR(5), MG73_DITTA_CG18) +\n"
           "    MG73_ARTCLIFOR +\n"
           "    CONVERT (CHAR(1),MG73_TIPOCF_CG44) +\n"
           "    CONVERT(CHAR(6),MG73_CLIFOR_CG44)\n"
           "      AS CHIAVE,\n"
           "  2 AS IMAGE_GEST,\n"
           "  1 AS IMAGE_LIST\n"
           "INTO " +
           workTable +
           "\n"
           "FROM MG73_ARTCLIFOR\n" +
           kCounterpartJoin;
}

std::string ArtcliforFilter(const std::string& ditta, int tipo, const std::string& codArt) {
    return "WHERE MG73_DITTA_CG18  = " + ditta +
           " AND\n"
           "      MG73_TIPOCF_CG44 = " +
           std::to_string(tipo) +
           " AND\n"
           "      MG73_CODART_MG66 = '" +
           RaddoppiaApici(codArt) + "'";
}

std::string CreaSelectArtclifor(const std::string& workTable) {
    return "SELECT MG73_ARTCLIFOR.*, " + workTable +
           ".* FROM MG73_ARTCLIFOR\n"
           "INNER JOIN " +
           workTable +
           "\n"
           "ON DITTA     = MG73_DITTA_CG18  AND\n"
           "   ARTCLIFOR = MG73_ARTCLIFOR   AND\n"
           "   TIPOCF    = MG73_TIPOCF_CG44 AND\n"
           "   CLIFOR    = MG73_CLIFOR_CG44\n" +
           kCounterpartJoin;
}

std::string SqlAddPrimaryKey(const std::string& workTable, const std::string& pkName) {
    return "ALTER TABLE " + workTable + " " + "ADD CONSTRAINT " + pkName +
           " PRIMARY KEY CLUSTERED (DITTA, ARTCLIFOR, TIPOCF, CLIFOR) ";
}

std::string SqlCountArtclifor(const std::string& ditta, const std::string& codArt, int tipo) {
    return "SELECT COUNT (MG73_DITTA_CG18) FROM MG73_ARTCLIFOR WHERE MG73_DITTA_CG18 = " + ditta +
           " AND MG73_CODART_MG66 ='" + RaddoppiaApici(codArt) +
           "' AND MG73_TIPOCF_CG44 = " + std::to_string(tipo);
}

std::string SqlPreferredCounterpart(const std::string& ditta, const std::string& codArt,
                                    const std::string& opzione, int tipo) {
    return "SELECT TOP 1 MG73_CLIFOR_CG44, CG16_RAGSOANAG\n"
           "FROM MG73_ARTCLIFOR WITH (NOLOCK)\n"
           "INNER JOIN CG44_CLIFOR WITH (NOLOCK)\n"
           "ON CG44_DITTA_CG18 = MG73_DITTA_CG18  AND\n"
           "   CG44_TIPOCF     = MG73_TIPOCF_CG44 AND\n"
           "   CG44_CLIFOR     = MG73_CLIFOR_CG44\n"
           "INNER JOIN CG16_ANAGGEN WITH (NOLOCK)\n"
           "ON CG16_CODICE = CG44_CODICE_CG16\n"
           "WHERE MG73_DITTA_CG18    = " +
           ditta +
           " AND\n"
           "      MG73_CODART_MG66   = '" +
           RaddoppiaApici(codArt) +
           "' AND\n"
           "      MG73_OPZIONE_MG5E  = '" +
           RaddoppiaApici(opzione) +
           "' AND\n"
           "      MG73_TIPOCF_CG44   = " +
           std::to_string(tipo) +
           " AND\n"
           "      MG73_FLGFORPREF    = 1";
}

std::string SqlSavedValue(const std::string& column, const db::Value& ditta,
                          const db::Value& artCliFor, const db::Value& tipo,
                          const db::Value& cliFor) {
    return "SELECT " + column +
           " FROM MG73_ARTCLIFOR WHERE MG73_DITTA_CG18 = " + NzValore(ditta, "0") +
           " AND MG73_ARTCLIFOR = '" + RaddoppiaApici(NzValore(artCliFor, "")) +
           "' AND MG73_TIPOCF_CG44 = " + NzValore(tipo, "0") +
           " AND MG73_CLIFOR_CG44 = " + NzValore(cliFor, "0");
}

std::string SqlDeleteArtclifor(const std::string& ditta, const std::string& artCliFor, int tipo,
                               const std::string& cliFor, const std::string& workTable) {
    const std::string codice = RaddoppiaApici(artCliFor);
    const std::string t = std::to_string(tipo);
    return "DELETE FROM MG73_ARTCLIFOR WHERE MG73_DITTA_CG18  = " + ditta +
           " AND\n"
           "      MG73_ARTCLIFOR   = '" +
           codice +
           "' AND\n"
           "      MG73_TIPOCF_CG44 = " +
           t +
           " AND\n"
           "      MG73_CLIFOR_CG44 = " +
           cliFor + "; DELETE FROM " + workTable + " WHERE DITTA     = " + ditta +
           " AND\n"
           "      ARTCLIFOR = '" +
           codice +
           "' AND\n"
           "      TIPOCF    = " +
           t +
           " AND\n"
           "      CLIFOR    = " +
           cliFor;
}

std::string ArtcliforKey(const db::Value& ditta, const db::Value& artCliFor, const db::Value& tipo,
                         const db::Value& cliFor) {
    return NzValore(ditta, db::Value(0)).toText() + NzValore(artCliFor, "") +
           NzValore(tipo, db::Value(0)).toText() + NzValore(cliFor, db::Value(0)).toText();
}

}  // namespace itemcodes
