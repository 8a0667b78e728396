#include "window/window_sql.h"

namespace card {

namespace {

struct Conto {
    const char* kind;
    const char* caption;
};
const Conto kConti[] = {
    {"CMEVENIT", "Conto vendita Italia"},    {"CMEVENES", "Conto vendita Estero"},
    {"CREVENIT", "Conto reso vend. Italia"}, {"CREVENES", "Conto reso vend. Estero"},
    {"CMEACQIT", "Conto acquisti Italia"},   {"CMEACQES", "Conto acquisti Estero"},
    {"CREACQIT", "Conto reso acq. Italia"},  {"CREACQES", "Conto reso acq. Estero"},
};

}  // namespace

std::string SqlItemData(const std::string& ditta, const std::string& codArt,
                        const ContestoDitta& contesto) {
    std::string sql =
        "SELECT TOP 1 MG87_DESCARTEST, MG6W_DESCR, MG87_NOTEART,\n"
        "       MG66_FLGSTINV, MG66_FLGARTCLI, MG66_FLGARTFOR, MG66_FLGSTGIOR, MG66_FLGALTER, "
        "MG66_FLGSOST,\n"
        "       MG53_DESCRFAM      AS [Famiglia],\n"
        "       MG54_DESCRSFAM     AS [Sotto famiglia],\n"
        "       MG55_DESCRGRUPPO   AS [Gruppo],\n"
        "       MG56_DESCRSGRUPPO  AS [Sotto gruppo],\n"
        "       MG61_DESCRGRUFIS   AS [Gruppo fiscale],\n"
        "       MG64_DESCRMARCA    AS [Marca],\n"
        "       MG74_DESGRUSTAT1   AS [Gruppo stat.1],\n"
        "       MG75_DESGRUSTAT2   AS [Gruppo stat.2],\n"
        "       MG76_DESGRUSTAT3   AS [Gruppo stat.3],\n"
        "       MG77_DESGRUSTAT4   AS [Gruppo stat.4],\n"
        "       CG28_DESCR         AS [Codice Iva]";
    for (const Conto& c : kConti) {
        const std::string k = c.kind;
        sql += ",\n       (CASE WHEN CG39_" + k + ".CG39_DESCR IS NULL\n             THEN CG24_" +
               k + ".CG24_DESCR\n             ELSE CG39_" + k + ".CG39_DESCR END) AS [" +
               c.caption + "]";
    }
    sql +=
        "\nFROM MG66_ANAGRART WITH (NOLOCK)\n"
        "INNER JOIN MG87_ARTDESC WITH (NOLOCK)\n"
        "ON MG87_DITTA_CG18   = MG66_DITTA_CG18 AND\n"
        "   MG87_CODART_MG66  = MG66_CODART     AND\n"
        "   MG87_OPZIONE_MG5E = ''              AND\n"
        "   MG87_LINGUA_MG52  = ''\n"
        "LEFT OUTER JOIN MG6W_STATIART WITH (NOLOCK)\n"
        "ON MG6W_INDSTATO = MG66_INDSTATO_MG6W\n"
        " OUTER APPLY dbo.FNMG53_FAMIGLIE ( MG66_FAM_MG53 , MG66_DITTA_CG18 )\n";
    if (contesto.classificazione == "1") {
        sql +=
            " OUTER APPLY dbo.FNMG54_SOTTOFAM    (MG66_FAM_MG53,MG66_SFAM_MG54,MG66_DITTA_CG18)"
            "                                       MG54_SOTTOFAM\n"
            " OUTER APPLY dbo.FNMG55_GRUPPI      (MG66_FAM_MG53,MG66_SFAM_MG54,MG66_GRUPPO_MG55, "
            "MG66_DITTA_CG18)                     MG55_GRUPPI\n"
            " OUTER APPLY dbo.FNMG56_SOTTOGRUPPI (MG66_FAM_MG53,MG66_SFAM_MG54,MG66_GRUPPO_MG55, "
            "MG66_SGRUPPO_MG56,MG66_DITTA_CG18)   MG56_SOTTOGRUPPI\n";
    } else {
        sql +=
            " OUTER APPLY dbo.FNMG54_SOTTOFAM    ('',MG66_SFAM_MG54,MG66_DITTA_CG18)"
            "             MG54_SOTTOFAM\n"
            " OUTER APPLY dbo.FNMG55_GRUPPI      ('','',MG66_GRUPPO_MG55, MG66_DITTA_CG18)"
            "       MG55_GRUPPI\n"
            " OUTER APPLY dbo.FNMG56_SOTTOGRUPPI ('','','', MG66_SGRUPPO_MG56,MG66_DITTA_CG18)"
            "   MG56_SOTTOGRUPPI\n";
    }
    sql +=
        " OUTER APPLY dbo.FNMG61_GRUPPIFIS (MG66_GRUPFIS_MG61,MG66_DITTA_CG18)\n"
        " OUTER APPLY dbo.FNMG64_MARCHEART (MG66_MARCA_MG64,MG66_DITTA_CG18)\n"
        " OUTER APPLY dbo.FNMG74_GRUSTAT1  (MG66_GRUSTAT1_MG74,MG66_DITTA_CG18)\n"
        " OUTER APPLY dbo.FNMG75_GRUSTAT2  (MG66_GRUSTAT2_MG75,MG66_DITTA_CG18)\n"
        " OUTER APPLY dbo.FNMG76_GRUSTAT3  (MG66_GRUSTAT3_MG76,MG66_DITTA_CG18)\n"
        " OUTER APPLY dbo.FNMG77_GRUSTAT4  (MG66_GRUSTAT4_MG77,MG66_DITTA_CG18)\n"
        " OUTER APPLY DBO.FNCG28_TABCODIVA(MG66_ALIVA_CG28,MG66_DITTA_CG18)\n";
    for (const Conto& c : kConti) {
        const std::string k = c.kind;
        sql += "LEFT OUTER JOIN CG24_TABPDC AS CG24_" + k + " WITH (NOLOCK)\nON CG24_" + k +
               ".CG24_GRUPPO_CG10 = " + contesto.gruppo + " AND\n   CG24_" + k +
               ".CG24_CONTO       = MG66_" + k + "_CG24\nLEFT OUTER JOIN CG39_PRSDESPDC AS CG39_" +
               k + " WITH (NOLOCK)\nON CG39_" + k +
               ".CG39_DITTA_CG18  = MG66_DITTA_CG18 AND\n   CG39_" + k +
               ".CG39_GRUPPO_CG10 = " + contesto.gruppo + " AND\n   CG39_" + k +
               ".CG39_CONTO_CG24  = MG66_" + k + "_CG24\n";
    }
    sql += "WHERE MG66_DITTA_CG18 = " + ditta + " AND       MG66_CODART = '" + codArt + "'";
    return sql;
}

std::string sqlItems(const std::string& ditta) {
    return "SELECT * FROM MG66_ANAGRART WITH (NOLOCK) WHERE MG66_DITTA_CG18 = " + ditta;
}

std::string sqlNoItems(const std::string& ditta) {
    return sqlItems(ditta) + " AND 1=0";
}

std::string sqlItemList(const std::string& ditta) {
    return sqlItems(ditta) + " ORDER BY MG66_CODART";
}

std::string sqlItemVariantDescriptions(const std::string& ditta, const std::string& codArt) {
    return "SELECT * FROM MG87_ARTDESC WITH (NOLOCK) WHERE MG87_DITTA_CG18   = " + ditta +
           " AND       MG87_CODART_MG66  = '" + codArt + "' AND       MG87_OPZIONE_MG5E <> ''";
}

std::string sqlCompanyChartGroup(const std::string& ditta) {
    return "SELECT CG18_GRUPPO_CG10 FROM CG18_ANADITTABASE WITH (NOLOCK) WHERE CG18_DITTA = " +
           ditta;
}

std::string sqlCompanyClassification(const std::string& ditta) {
    return "SELECT MG01_INDCLASSIF FROM MG01_PARAMDITTA WITH (NOLOCK) WHERE MG01_DITTA_CG18 = " +
           ditta;
}

std::string sqlStandardRouting(const std::string& ditta, const std::string& codArt) {
    return "SELECT PD18_CODCICLO FROM PD18_ARTPROD WITH (NOLOCK) WHERE PD18_DITTA_CG18  = " +
           ditta + " AND       PD18_CODART_MG66 = '" + codArt + "' ";
}

}  // namespace card
