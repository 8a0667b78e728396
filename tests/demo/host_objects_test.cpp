#include <gtest/gtest.h>

#include "demo_test_support.h"

namespace demo::test {
namespace {

using db::Value;

// The description a table function gives, called as the card calls it.
std::string describe(db::Connection& c, const std::string& function,
                     const std::vector<Value>& args) {
    std::string list;
    for (const auto& a : args) {
        std::string quoted = "NULL";
        if (!a.isNull() && a.isNumber())
            quoted = a.toText();
        else if (!a.isNull()) {
            quoted = "'";
            for (char ch : a.toText())
                quoted += ch == '\'' ? std::string("''") : std::string(1, ch);
            quoted += "'";
        }
        list += (list.empty() ? "" : ", ") + quoted;
    }
    const auto result = c.run("SELECT * FROM " + function + " (" + list + ")");
    const auto& rows = result.resultSets.at(0).rows;
    EXPECT_LE(rows.size(), 1u) << function;
    return rows.empty() ? "<none>" : text(rows.front().at(0));
}

TEST(HostObjects, ClassificationFunctionsDescribeTheItemsCodes) {
    db::Connection c;
    openDemo(c);
    EXPECT_EQ(describe(c, "dbo.FNMG53_FAMIGLIE", {"MAGL", 1}), "Maglieria");
    EXPECT_EQ(describe(c, "dbo.FNMG54_SOTTOFAM", {"MAGL", "PULL", 1}), "Pullover");
    EXPECT_EQ(describe(c, "FNMG55_GRUPPI", {"MAGL", "PULL", "LANA", 1}), "Lana merino");
    EXPECT_EQ(describe(c, "FNMG56_SOTTOGRUPPI", {"MAGL", "PULL", "LANA", "GIRO", 1}), "Girocollo");
    EXPECT_EQ(describe(c, "FNMG61_GRUPPIFIS", {"ABB", 1}), "Abbigliamento");
    EXPECT_EQ(describe(c, "FNMG64_MARCHEART", {"VELD", 1}), "Veldrano");
    EXPECT_EQ(describe(c, "FNMG74_GRUSTAT1", {"UOMO", 1}), "Uomo");
    EXPECT_EQ(describe(c, "FNMG75_GRUSTAT2", {"CONT", 1}), "Continuativo");
    EXPECT_EQ(describe(c, "FNMG76_GRUSTAT3", {"MEDIA", 1}), "Fascia media");
    EXPECT_EQ(describe(c, "FNMG77_GRUSTAT4", {"RETAIL", 1}), "Vendita diretta");
    EXPECT_EQ(describe(c, "DBO.FNCG28_TABCODIVA", {"22", 1}), "Iva ordinaria 22%");

    // Blank parents (companies without sub-levels under parents) match any
    // parent; a wrong parent, another company or a missing code match nothing.
    EXPECT_EQ(describe(c, "FNMG56_SOTTOGRUPPI", {"", "", "", "GIRO", 1}), "Girocollo");
    EXPECT_EQ(describe(c, "FNMG54_SOTTOFAM", {"", "ABIT", 2}), "Abiti");
    EXPECT_EQ(describe(c, "FNMG54_SOTTOFAM", {"PANT", "PULL", 1}), "<none>");
    EXPECT_EQ(describe(c, "FNMG53_FAMIGLIE", {"MAGL", 2}), "<none>");
    EXPECT_EQ(describe(c, "FNMG64_MARCHEART", {Value::null(), 1}), "<none>");
    EXPECT_EQ(describe(c, "FNMG53_FAMIGLIE", {"O'NEIL", 1}), "<none>");
}

TEST(HostObjects, SummaryStatementDescribesEveryCode) {
    db::Connection c;
    openDemo(c);
    std::string sql = R"sql(SELECT TOP 1 MG87_DESCARTEST, MG6W_DESCR, MG87_NOTEART,
       MG53_DESCRFAM AS [Famiglia], MG54_DESCRSFAM AS [Sotto famiglia], MG55_DESCRGRUPPO AS [Gruppo],
       MG56_DESCRSGRUPPO AS [Sotto gruppo], MG61_DESCRGRUFIS AS [Gruppo fiscale], MG64_DESCRMARCA AS [Marca],
       MG74_DESGRUSTAT1 AS [Gruppo stat.1], MG77_DESGRUSTAT4 AS [Gruppo stat.4], CG28_DESCR AS [Codice Iva],
       (CASE WHEN CG39_CMEVENIT.CG39_DESCR IS NULL THEN CG24_CMEVENIT.CG24_DESCR ELSE CG39_CMEVENIT.CG39_DESCR END) AS [Conto vendita Italia],
       (CASE WHEN CG39_CREVENIT.CG39_DESCR IS NULL THEN CG24_CREVENIT.CG24_DESCR ELSE CG39_CREVENIT.CG39_DESCR END) AS [Conto reso vend. Italia]
FROM MG66_ANAGRART WITH (NOLOCK)
INNER JOIN MG87_ARTDESC WITH (NOLOCK)
ON MG87_DITTA_CG18 = MG66_DITTA_CG18 AND MG87_CODART_MG66 = MG66_CODART AND
   MG87_OPZIONE_MG5E = '' AND MG87_LINGUA_MG52 = ''
LEFT OUTER JOIN MG6W_STATIART WITH (NOLOCK) ON MG6W_INDSTATO = MG66_INDSTATO_MG6W
 OUTER APPLY dbo.FNMG53_FAMIGLIE ( MG66_FAM_MG53 , MG66_DITTA_CG18 )
 OUTER APPLY dbo.FNMG54_SOTTOFAM    (MG66_FAM_MG53,MG66_SFAM_MG54,MG66_DITTA_CG18)                                       MG54_SOTTOFAM
 OUTER APPLY dbo.FNMG55_GRUPPI      (MG66_FAM_MG53,MG66_SFAM_MG54,MG66_GRUPPO_MG55, MG66_DITTA_CG18)                     MG55_GRUPPI
 OUTER APPLY dbo.FNMG56_SOTTOGRUPPI (MG66_FAM_MG53,MG66_SFAM_MG54,MG66_GRUPPO_MG55, MG66_SGRUPPO_MG56,MG66_DITTA_CG18)   MG56_SOTTOGRUPPI
 OUTER APPLY dbo.FNMG61_GRUPPIFIS (MG66_GRUPFIS_MG61,MG66_DITTA_CG18)
 OUTER APPLY dbo.FNMG64_MARCHEART (MG66_MARCA_MG64,MG66_DITTA_CG18)
 OUTER APPLY dbo.FNMG74_GRUSTAT1  (MG66_GRUSTAT1_MG74,MG66_DITTA_CG18)
 OUTER APPLY dbo.FNMG77_GRUSTAT4  (MG66_GRUSTAT4_MG77,MG66_DITTA_CG18)
 OUTER APPLY DBO.FNCG28_TABCODIVA(MG66_ALIVA_CG28,MG66_DITTA_CG18)
LEFT OUTER JOIN CG24_TABPDC AS CG24_CMEVENIT WITH (NOLOCK)
ON CG24_CMEVENIT.CG24_GRUPPO_CG10 = 1 AND CG24_CMEVENIT.CG24_CONTO = MG66_CMEVENIT_CG24
LEFT OUTER JOIN CG39_PRSDESPDC AS CG39_CMEVENIT WITH (NOLOCK)
ON CG39_CMEVENIT.CG39_DITTA_CG18 = MG66_DITTA_CG18 AND CG39_CMEVENIT.CG39_GRUPPO_CG10 = 1 AND
   CG39_CMEVENIT.CG39_CONTO_CG24 = MG66_CMEVENIT_CG24
LEFT OUTER JOIN CG24_TABPDC AS CG24_CREVENIT WITH (NOLOCK)
ON CG24_CREVENIT.CG24_GRUPPO_CG10 = 1 AND CG24_CREVENIT.CG24_CONTO = MG66_CREVENIT_CG24
LEFT OUTER JOIN CG39_PRSDESPDC AS CG39_CREVENIT WITH (NOLOCK)
ON CG39_CREVENIT.CG39_DITTA_CG18 = MG66_DITTA_CG18 AND CG39_CREVENIT.CG39_GRUPPO_CG10 = 1 AND
   CG39_CREVENIT.CG39_CONTO_CG24 = MG66_CREVENIT_CG24
WHERE MG66_DITTA_CG18 = 1 AND       MG66_CODART = 'MAGLIA-001')sql";
    const auto result = c.run(sql);
    ASSERT_EQ(result.resultSets.size(), 1u);
    ASSERT_EQ(result.resultSets[0].rows.size(), 1u);
    std::vector<std::string> got;
    for (const auto& v : result.resultSets[0].rows[0])
        got.push_back(text(v));
    EXPECT_EQ(got[1], "Attivo");
    EXPECT_EQ(std::vector<std::string>(got.begin() + 3, got.end()),
              (std::vector<std::string>{"Maglieria", "Pullover", "Lana merino", "Girocollo",
                                        "Abbigliamento", "Veldrano", "Uomo", "Vendita diretta",
                                        "Iva ordinaria 22%", "Ricavi vendita capi Italia",
                                        "Resi su vendite Italia"}));
}

std::string combivarColumns() {
    std::string cols = "NREC DECIMAL(6,0), ARTICOLO CHAR(25) COLLATE DATABASE_DEFAULT";
    for (int i = 0; i < 10; ++i) {
        const std::string v = "A" + std::to_string(i);
        cols += ", " + v + " CHAR(20) COLLATE DATABASE_DEFAULT, DESCRI_" + v +
                " VARCHAR(160) COLLATE DATABASE_DEFAULT, SELEZ_" + v + " DECIMAL(1,0)";
    }
    return cols;
}

TEST(HostObjects, CombivarListsTheOptionsOfEveryManagedVariant) {
    db::Connection c;
    openDemo(c);
    auto exec = [&](const std::string& args) {
        return c.run("EXEC spmg_combivar " + args).resultSets.at(0);
    };
    const auto direct = exec("1, 'MAGLIA-001'");
    ASSERT_EQ(direct.columns.size(), 32u);
    EXPECT_EQ(direct.columns[0].name, "NREC");
    EXPECT_EQ(direct.columns[31].name, "SELEZ_A9");
    // Sizes from the grouping TG-LETTERE in its order, colours from COL-MAGLIA
    // with the grouping's own descriptions; five colours for six sizes.
    ASSERT_EQ(direct.rows.size(), 6u);
    std::vector<std::string> sizes, colours, colourNames;
    for (const auto& row : direct.rows) {
        sizes.push_back(text(row[2]));
        colours.push_back(text(row[5]));
        colourNames.push_back(text(row[6]));
        EXPECT_EQ(text(row[1]), "MAGLIA-001");
        EXPECT_EQ(row[4].toText(), "0");
        EXPECT_EQ(text(row[8]), "");  // A2 not managed
    }
    EXPECT_EQ(sizes, (std::vector<std::string>{"XS", "S", "M", "L", "XL", "XXL"}));
    EXPECT_EQ(colours, (std::vector<std::string>{"BLU", "GRI", "ROS", "VER", "CAM", ""}));
    EXPECT_EQ(colourNames,
              (std::vector<std::string>{"Blu notte", "Grigio melange", "Rosso bordeaux",
                                        "Verde bottiglia", "Cammello", ""}));

    // Without a grouping every option of the variant, by code; unknown items
    // give no rows.
    const auto cardigan = exec("1, 'MAGLIA-002'");
    ASSERT_EQ(cardigan.rows.size(), 14u);
    EXPECT_EQ(text(cardigan.rows[0][2]), "44");
    EXPECT_EQ(text(cardigan.rows[0][5]), "NER");
    EXPECT_TRUE(exec("@CODART = 'NON-ESISTE', @DITTA = 1").rows.empty());

    // As the preview runs it.
    c.execute("CREATE TABLE #COMBIVAR (" + combivarColumns() + ")");
    c.execute("INSERT INTO #COMBIVAR EXEC SPMG_COMBIVAR 1, 'MAGLIA-001'");
    EXPECT_EQ(count(c, "#COMBIVAR", "ARTICOLO = 'MAGLIA-001'"), 6);
    EXPECT_EQ(text(scalar(c, "SELECT DESCRI_A0 FROM #COMBIVAR WHERE NREC = 3")), "Medium");
    EXPECT_EQ(count(c, "#COMBIVAR", "SELEZ_A0 = 1 OR SELEZ_A1 = 1"), 0);
}

}  // namespace
}  // namespace demo::test
