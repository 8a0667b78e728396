// The item card's statements for stock progressives, customer and supplier
// item codes, the preview of variant articles with the duplication check,
// and descriptions, built by the card's own builders and run on the demo
// database.

#include <algorithm>

#include "common/work_tables.h"
#include "duplication/db_read.h"
#include "duplication/preview_sql.h"
#include "itemcodes/artclifor_sql.h"
#include "platform/db/recordset.h"
#include "progressives/progressivi_sql.h"
#include "statement_support.h"

namespace demo::test {
namespace {

class ArticleStatements : public DemoStatements {};

TEST_P(ArticleStatements, ProgressivesByColumnVariant) {
    EXPECT_EQ(query(c, progressives::SqlDefaultColumnVariant("1", "MAGLIA-001")), (Rows{{"A0"}}));

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

const std::string kItem = "MAGLIA-001";

// Ticks or unticks the options of one variant in the structure, one row at a
// time as clicks on its cells do.
void flip(db::Connection& c, const std::string& variant, const std::vector<std::string>& options) {
    for (const auto& row : query(c, "SELECT NREC, " + variant + " FROM #COMBIVAR"))
        if (std::find(options.begin(), options.end(), row[1]) != options.end())
            c.execute(duplication::sqlInvertiSelezione(kItem, variant, std::stoll(row[0])));
}

// The preview built as the card builds it for the variants A0 to A9 of
// company 1: each variant's selected options counted, its slot as wide as
// the company defines it (0 when undefined).
long long buildPreview(db::Connection& c) {
    const auto slots = duplication::companySlots(c, "1");
    std::vector<duplication::SlotAnteprima> variants;
    for (int i = 0; i < 10; ++i) {
        duplication::SlotAnteprima s;
        s.variante = "A" + std::to_string(i);
        s.selezionate =
            std::stoll(query(c, duplication::sqlContaSelezionate(kItem, s.variante))[0][0]);
        for (const auto& slot : slots)
            if (slot.code == s.variante)
                s.size = slot.size;
        variants.push_back(s);
    }
    return c.execute(duplication::sqlCreaQueryCTE(kItem, variants, "#PREVIEW"));
}

TEST_P(ArticleStatements, StructurePreviewAndDuplicationCheck) {
    using namespace duplication;
    Rows managed = query(c, sqlVariantiStruttura("1", kItem));
    std::sort(managed.begin(), managed.end());
    EXPECT_EQ(managed, (Rows{{"A0", "Taglia"}, {"A1", "Colore"}}));
    EXPECT_EQ(query(c, sqlVariantiStruttura("1", "")).size(), 4u);

    drop("#COMBIVAR");
    c.execute(sqlCreaCombivar());
    EXPECT_EQ(query(c, sqlContaCombivar(kItem)), (Rows{{"0"}}));
    EXPECT_EQ(c.execute(sqlRiempiCombivar("1", kItem)), 6);
    db::Recordset structure;
    structure.open(sqlLeggiCombivar(kItem), c);
    ASSERT_EQ(structure.recordCount(), 6);
    ASSERT_EQ(structure.fieldCount(), 32);
    EXPECT_EQ(text(structure.value("A0")), "XS");
    EXPECT_EQ(text(structure.value("DESCRI_A1")), "Blu notte");
    EXPECT_EQ(structure.value("A0").toText().size(), 20u);

    // Selections: sizes S, M, L and colours BLU, ROS.
    flip(c, "A0", {"S", "M", "L"});
    flip(c, "A1", {"BLU", "ROS"});
    EXPECT_EQ(query(c, sqlContaSelezionate(kItem, "A0")), (Rows{{"3"}}));

    drop("#PREVIEW");
    EXPECT_EQ(buildPreview(c), 6);
    db::Recordset rows;
    rows.open(sqlCaricaAnteprima("#PREVIEW"), c);
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
    EXPECT_EQ(c.execute(sqlTickPreview("#PREVIEW", true)), 6);
    EXPECT_EQ(count(c, "#PREVIEW", "SELEZ = 1"), 6);
    c.execute(sqlEmptyPreview("#PREVIEW"));
    EXPECT_EQ(count(c, "#PREVIEW"), 0);

    // Only colours: blanks in the size slot; no selection at all: no row,
    // not one row of blanks that would be a variant article of nothing.
    flip(c, "A0", {"S", "M", "L"});
    drop("#PREVIEW");
    buildPreview(c);
    EXPECT_EQ(query(c, "SELECT VARIANTE + '|' FROM #PREVIEW ORDER BY VARIANTE"),
              (Rows{{"   BLU      |"}, {"   ROS      |"}}));
    flip(c, "A1", {"BLU", "ROS"});
    drop("#PREVIEW");
    buildPreview(c);
    EXPECT_EQ(query(c, "SELECT VARIANTE + '|' FROM #PREVIEW"), Rows{});

    EXPECT_EQ(query(c, sqlDescrizioneVariante("1", kItem, "S  BLU      ")),
              (Rows{{"Maglia girocollo lana merino S blu notte"}}));

    EXPECT_EQ(query(c, sqlBillExists("1", kItem, "M  BLU      ")), (Rows{{"1"}}));
    EXPECT_EQ(query(c, sqlBillExists("1", kItem, "S  BLU      ")), Rows{});
    // A code with an apostrophe is a value, not the end of the text.
    EXPECT_EQ(query(c, sqlBillExists("1", "O'BRIEN", "S  BLU      ")), Rows{});
    // Only bills of kind 0 count.
    EXPECT_EQ(query(c, sqlBillExists("1", "GIACCA-001", "")), (Rows{{"1"}}));
    c.execute(
        "DELETE FROM PD95_DISBA WHERE PD95_CODART_MG66 = 'GIACCA-001' AND PD95_TIPO_DISTINTA = 0");
    EXPECT_EQ(query(c, sqlBillExists("1", "GIACCA-001", "")), Rows{});
}

VELDRANO_ON_BOTH_BACKENDS(ArticleStatements);

}  // namespace
}  // namespace demo::test
