// The item card's statements for stock progressives, customer and supplier
// item codes, the preview of variant articles with the duplication check,
// and descriptions, built by the card's builders where it has them and run on
// the demo database.

#include <algorithm>

#include "common/work_tables.h"
#include "itemcodes/artclifor_sql.h"
#include "platform/db/recordset.h"
#include "progressives/progressivi_sql.h"
#include "statement_support.h"

namespace demo::test {
namespace {

class ArticleStatements : public DemoStatements {
protected:
    void drop(const std::string& table) {
        c.execute(fill("IF OBJECT_ID('tempdb..{Name}') IS NOT NULL DROP TABLE {Name}",
                       {{"{Name}", table}}));
    }
};

TEST_P(ArticleStatements, ProgressivesByColumnVariant) {
    EXPECT_EQ(query(c, fill(R"sql(SELECT TOP 1 MG5F_CODICEVAR
FROM MG6B_GESVARART
INNER JOIN MG5F_DIMECONF
ON MG5F_DITTA_CG18 = MG6B_DITTA_CG18 AND
   MG5F_CODICEVAR = MG6B_CODICEVAR_MG5F
WHERE MG6B_DITTA_CG18  = {Ditta} AND
      MG6B_CODART_MG66 = '{CodArt}' AND
      MG6B_FLGGESTVAR  = 1
ORDER BY MG5F_INDGRIGLIA DESC)sql",
                            {{"{Ditta}", "1"}, {"{CodArt}", "MAGLIA-001"}})),
              (Rows{{"A0"}}));

    progressives::SceltaProgressivi sizes;
    sizes.ditta = "1";
    sizes.codArt = "MAGLIA-001";
    sizes.start = 1;
    sizes.size = 3;
    const auto blank = c.run(progressives::SqlProgressiveOptions(sizes)).resultSets.at(0);
    ASSERT_EQ(blank.rows.size(), 7u);
    EXPECT_EQ(blank.rows[0][0].toText(), "   ");  // a slot without an option
    EXPECT_EQ(rowsOf(blank), (Rows{{""}, {"L"}, {"M"}, {"S"}, {"XL"}, {"XS"}, {"XXL"}}));
    progressives::SceltaProgressivi yearly = sizes;
    yearly.tipoProg = 2;
    yearly.anno = "2025";
    EXPECT_EQ(query(c, progressives::SqlProgressiveOptions(yearly)).size(), 6u);
    yearly.anno = "2019";
    EXPECT_EQ(query(c, progressives::SqlProgressiveOptions(yearly)), Rows{});

    progressives::SceltaProgressivi colours = sizes;
    colours.start = 4;
    db::Recordset rs;
    rs.open(progressives::SqlReadProgressives(colours), c);
    ASSERT_EQ(rs.recordCount(), 30);
    EXPECT_EQ(text(rs.value("MG58_DESCRDEP")), "Magazzino centrale Prato");
    EXPECT_EQ(rs.value("MG70_OPZIONE_MG5E").toText(), "L  BLU      ");
    EXPECT_EQ(rs.value("VARIANTE").toText(), "L           ");
    EXPECT_EQ(rs.value("OPZIONE").toText(), "BLU");
    // Quantities keep their scale.
    EXPECT_EQ(rs.value("MG70_QGIACINI").toText(), "3.000");
    EXPECT_EQ(rs.field(rs.fieldIndex("MG70_QGIACINI")).scale, 3);

    const auto result =
        c.run(progressives::SqlReadSubcontractProgressives(colours, 1, "CLP")).resultSets.at(0);
    std::vector<std::string> seen;
    const auto names = result.columns;
    auto at = [&](const char* name) {
        return std::find_if(names.begin(), names.end(),
                            [&](const db::Column& col) { return col.name == name; }) -
               names.begin();
    };
    for (const auto& row : result.rows)
        seen.push_back(text(row[at("OPZIONE")]) + " " + text(row[at("CG16_RAGSOANAG")]));
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen,
              (std::vector<std::string>{"BLU Tintoria Arno S.n.c.", "BLU Tintoria Arno S.n.c.",
                                        "GRI Confezioni Valdarno S.r.l."}));
    EXPECT_EQ(query(c, progressives::SqlReadSubcontractProgressives(colours, 0, "CLA")).size(), 2u);
}

TEST_P(ArticleStatements, CustomerItemCodesThroughTheirWorkTable) {
    using namespace itemcodes;
    EXPECT_EQ(query(c, SqlCountArtclifor("1", "MAGLIA-001", 0)), (Rows{{"5"}}));
    drop("#TMP_ARTCLI");
    EXPECT_EQ(
        c.execute(CreaSelectTmpArtclifor("#TMP_ARTCLI") + ArtcliforFilter("1", 0, "MAGLIA-001")),
        5);
    EXPECT_EQ(query(c, "SELECT CHIAVE + '|' FROM #TMP_ARTCLI WHERE CLIFOR = 3"),
              (Rows{{"1    BRG-MER-100              03     |"}}));
    const std::string pk = common::NewWorkTableKeyName(c);
    ASSERT_EQ(pk.size(), 34u);
    c.execute(SqlAddPrimaryKey("#TMP_ARTCLI", pk));

    db::Recordset list;
    list.open(CreaSelectArtclifor("#TMP_ARTCLI") + kOrdineArtclifor, c);
    ASSERT_EQ(list.recordCount(), 5);
    list.moveLast();
    EXPECT_EQ(text(list.value("ARTCLIFOR")), "DUV/PULL/07");
    EXPECT_EQ(text(list.value("RAGSOANAG")), "Atelier Duval SARL");
    EXPECT_TRUE(list.field(list.fieldIndex("CLIFOR")).key);
    EXPECT_EQ(list.field(list.fieldIndex("CLIFOR")).baseTable, "#TMP_ARTCLI");

    // A new code: the real row and its work row, in one save.
    list.addNew();
    list.setValue("MG73_DITTA_CG18", 1);
    list.setValue("MG73_TIPOCF_CG44", 0);
    list.setValue("MG73_CLIFOR_CG44", 5);
    list.setValue("MG73_ARTCLIFOR", "ARCO-M'01");
    list.setValue("MG73_CODART_MG66", "MAGLIA-001");
    list.setValue("MG73_OPZIONE_MG5E", "");
    list.setValue("MG73_DESCARTCF", "Maglia dell'Arco");
    list.setValue("DITTA", 1);
    list.setValue("ARTCLIFOR", "ARCO-M'01");
    list.setValue("TIPOCF", 0);
    list.setValue("CLIFOR", 5);
    list.updateBatch();
    EXPECT_EQ(query(c,
                    "SELECT MG73_DESCARTCF FROM MG73_ARTCLIFOR WHERE MG73_ARTCLIFOR = "
                    "'ARCO-M''01'"),
              (Rows{{"Maglia dell'Arco"}}));
    EXPECT_EQ(count(c, "#TMP_ARTCLI"), 6);

    // The preferred supplier of the item and of one variant article.
    EXPECT_EQ(query(c, SqlPreferredCounterpart("1", "MAGLIA-001", "", 1)),
              (Rows{{"1", "Filature Biellesi Riunite S.p.A."}}));
    EXPECT_EQ(query(c, SqlPreferredCounterpart("1", "MAGLIA-001", "S  BLU", 1)),
              (Rows{{"4", "Confezioni Valdarno S.r.l."}}));
    EXPECT_EQ(query(c, SqlPreferredCounterpart("1", "MAGLIA-001", "M  BLU", 1)), Rows{});

    // Deleting a code: the real row and the work row, one batch.
    EXPECT_EQ(c.execute(SqlDeleteArtclifor("1", "LNT-55120-GRL", 0, "2", "#TMP_ARTCLI")), 2);
    EXPECT_EQ(
        count(c, "MG73_ARTCLIFOR", "MG73_CODART_MG66 = 'MAGLIA-001' AND MG73_TIPOCF_CG44 = 0"), 5);
    EXPECT_EQ(count(c, "#TMP_ARTCLI"), 5);
}

// The preview statement as the card composes it for the variants A0 to A9
// of company 1 (sizes 3, 3, 2, 4; the others undefined).
std::string previewStatement(const std::vector<int>& selected) {
    const int sizes[10] = {3, 3, 2, 4, 0, 0, 0, 0, 0, 0};
    std::string ctes = ";WITH ";
    std::string select =
        "SELECT 'MAGLIA-001'          AS ARTICOLO, 0 AS SELEZ, "
        "CONVERT(VARCHAR(256),NULL) AS ESITO, ";
    std::string sources;
    for (int i = 0; i < 10; ++i) {
        const std::string v = "A" + std::to_string(i);
        const std::string size = std::to_string(sizes[i]);
        ctes += (i ? ", " : "") + std::string("CTE_") + v + " AS ( SELECT " + v +
                " FROM #COMBIVAR WHERE ARTICOLO = 'MAGLIA-001' AND       SELEZ_" + v + " = 1)";
        const bool has = std::find(selected.begin(), selected.end(), i) != selected.end();
        select +=
            (i ? "+ " : "") + (has ? "LEFT (" + v + " + REPLICATE (' '," + size + "), " + size + ")"
                                   : "REPLICATE (' '," + size + ")");
        if (has)
            sources += (sources.empty() ? " FROM " : " CROSS JOIN ") + std::string(" CTE_") + v;
    }
    return ctes + " " + select + " AS VARIANTE " + " INTO #PREVIEW" + sources;
}

TEST_P(ArticleStatements, StructurePreviewAndDuplicationCheck) {
    const Values item = {{"{Ditta}", "1"}, {"{CodArt}", "MAGLIA-001"}};
    Rows managed =
        query(c, fill(R"sql(SELECT MG6B_CODICEVAR_MG5F AS VARIANTE, MG5F_DESCR_VAR AS DESCRIZIONE
FROM MG6B_GESVARART WITH (NOLOCK)
INNER JOIN MG5F_DIMECONF WITH (NOLOCK)
ON MG5F_DITTA_CG18 = MG6B_DITTA_CG18 AND
   MG5F_CODICEVAR  = MG6B_CODICEVAR_MG5F
WHERE MG6B_DITTA_CG18  = {Ditta} AND
      MG6B_CODART_MG66 = '{CodArt}' AND
      MG6B_FLGGESTVAR  = 1)sql",
                      item));
    std::sort(managed.begin(), managed.end());
    EXPECT_EQ(managed, (Rows{{"A0", "Taglia"}, {"A1", "Colore"}}));
    EXPECT_EQ(query(c, fill(R"sql(SELECT MG5F_CODICEVAR AS VARIANTE, MG5F_DESCR_VAR AS DESCRIZIONE
FROM MG5F_DIMECONF WITH (NOLOCK)
WHERE MG5F_DITTA_CG18 = {Ditta})sql",
                            item))
                  .size(),
              4u);

    drop("#COMBIVAR");
    std::string create =
        "CREATE TABLE #COMBIVAR (     NREC       DECIMAL(6,0),     ARTICOLO   "
        "CHAR(25) COLLATE DATABASE_DEFAULT,\n";
    for (int i = 0; i < 10; ++i) {
        const std::string v = "A" + std::to_string(i);
        create += " " + v + " CHAR(20) COLLATE DATABASE_DEFAULT,  DESCRI_" + v +
                  " VARCHAR(160) COLLATE DATABASE_DEFAULT,  SELEZ_" + v + " DECIMAL(1,0)  " +
                  (i < 9 ? ",\n" : " )");
    }
    c.execute(create);
    EXPECT_EQ(query(c, fill("SELECT COUNT(*) FROM #COMBIVAR WHERE ARTICOLO = '{CodArt}'", item)),
              (Rows{{"0"}}));
    EXPECT_EQ(c.execute(fill("INSERT INTO #COMBIVAR EXEC SPMG_COMBIVAR {Ditta}, '{CodArt}'", item)),
              6);
    db::Recordset structure;
    structure.open(fill("SELECT * FROM #COMBIVAR WHERE ARTICOLO = '{CodArt}'", item), c);
    ASSERT_EQ(structure.recordCount(), 6);
    ASSERT_EQ(structure.fieldCount(), 32);
    EXPECT_EQ(text(structure.value("A0")), "XS");
    EXPECT_EQ(text(structure.value("DESCRI_A1")), "Blu notte");
    EXPECT_EQ(structure.value("A0").toText().size(), 20u);

    // Selections: sizes S, M, L and colours BLU, ROS.
    c.execute("UPDATE #COMBIVAR SET SELEZ_A0 = 1 WHERE A0 IN ('S', 'M', 'L')");
    c.execute("UPDATE #COMBIVAR SET SELEZ_A1 = 1 WHERE A1 IN ('BLU', 'ROS')");
    const char* const selectedCount =
        "SELECT COUNT(*) FROM #COMBIVAR WHERE ARTICOLO = '{CodArt}' AND SELEZ_{V} = 1";
    Values a0 = item;
    a0.emplace_back("{V}", "A0");
    EXPECT_EQ(query(c, fill(selectedCount, a0)), (Rows{{"3"}}));

    drop("#PREVIEW");
    EXPECT_EQ(c.execute(previewStatement({0, 1})), 6);
    const char* const preview =
        "SELECT #PREVIEW.*,             CONVERT(CHAR(10),ROW_NUMBER() OVER (ORDER BY VARIANTE)) "
        "AS CHIAVE FROM #PREVIEW ORDER BY VARIANTE";
    db::Recordset rows;
    rows.open(preview, c);
    ASSERT_EQ(rows.recordCount(), 6);
    std::vector<std::string> variants;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext())
        variants.push_back(rows.value("VARIANTE").toText() + "|" + rows.value("CHIAVE").toText());
    EXPECT_EQ(variants,
              (std::vector<std::string>{"L  BLU      |1         ", "L  ROS      |2         ",
                                        "M  BLU      |3         ", "M  ROS      |4         ",
                                        "S  BLU      |5         ", "S  ROS      |6         "}));
    rows.moveFirst();
    EXPECT_EQ(text(rows.value("ARTICOLO")), "MAGLIA-001");
    EXPECT_TRUE(rows.value("ESITO").isNull());

    // Header tick: every row; then the preview emptied.
    EXPECT_EQ(c.execute("UPDATE #PREVIEW SET SELEZ = 1"), 6);
    EXPECT_EQ(count(c, "#PREVIEW", "SELEZ = 1"), 6);
    c.execute("TRUNCATE TABLE #PREVIEW");
    EXPECT_EQ(count(c, "#PREVIEW"), 0);

    // Only colours: blanks in the size slot; no selection at all: one row of blanks.
    drop("#PREVIEW");
    c.execute(previewStatement({1}));
    EXPECT_EQ(query(c, "SELECT VARIANTE + '|' FROM #PREVIEW ORDER BY VARIANTE"),
              (Rows{{"   BLU      |"}, {"   ROS      |"}}));
    drop("#PREVIEW");
    c.execute(previewStatement({}));
    EXPECT_EQ(query(c, "SELECT VARIANTE + '|' FROM #PREVIEW"), (Rows{{"            |"}}));

    const char* const description = R"sql(SELECT MG87_DESCART FROM MG87_ARTDESC WITH (NOLOCK)
WHERE MG87_DITTA_CG18   = {Ditta} AND
      MG87_CODART_MG66  = '{CodArt}' AND
      MG87_OPZIONE_MG5E = '{Variante}' AND
      MG87_LINGUA_MG52  = '')sql";
    Values article = item;
    article.emplace_back("{Variante}", "S  BLU      ");
    EXPECT_EQ(query(c, fill(description, article)),
              (Rows{{"Maglia girocollo lana merino S blu notte"}}));

    const char* const bill =
        R"sql(SELECT TOP 1 1 FROM PD95_DISBA WITH (NOLOCK) WHERE PD95_DITTA_CG18    = {Ditta} AND
      PD95_CODART_MG66   = '{CodArt}' AND
      PD95_OPZIONE       = '{Opzione}' AND
      PD95_TIPO_DISTINTA = 0)sql";
    Values withBill = item;
    withBill.emplace_back("{Opzione}", "M  BLU      ");
    EXPECT_EQ(query(c, fill(bill, withBill)), (Rows{{"1"}}));
    withBill.back().second = "S  BLU      ";
    EXPECT_EQ(query(c, fill(bill, withBill)), Rows{});
    // Only bills of kind 0 count.
    EXPECT_EQ(
        query(c, fill(bill, {{"{Ditta}", "1"}, {"{CodArt}", "GIACCA-001"}, {"{Opzione}", ""}})),
        (Rows{{"1"}}));
    c.execute(
        "DELETE FROM PD95_DISBA WHERE PD95_CODART_MG66 = 'GIACCA-001' AND PD95_TIPO_DISTINTA = 0");
    EXPECT_EQ(
        query(c, fill(bill, {{"{Ditta}", "1"}, {"{CodArt}", "GIACCA-001"}, {"{Opzione}", ""}})),
        Rows{});
}

VELDRANO_ON_BOTH_BACKENDS(ArticleStatements);

}  // namespace
}  // namespace demo::test
