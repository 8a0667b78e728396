// The item card's statements for grouping codes, the copy of customer
// descriptions, the option lists of the work tables and transcoding, run on
// the demo database on both backends.

#include <algorithm>

#include "groupings/groupings_sql.h"
#include "platform/db/recordset.h"
#include "statement_support.h"
#include "transcoding/trascodifica_sql.h"

namespace demo::test {
namespace {

class GroupingStatements : public DemoStatements {};

TEST_P(GroupingStatements, GroupingCodesNumberingAndCopyOfCustomerDescriptions) {
    using namespace groupings;
    EXPECT_EQ(query(c, sqlLastGroupingNumber("1", "A0")), (Rows{{"000001"}}));
    EXPECT_EQ(query(c, sqlLastGroupingNumber("1", "A2")), (Rows{{"NULL"}}));
    for (const char* code : {"A0-000007", "A0-000012", "A0-X", "A0-12"})
        EXPECT_EQ(c.execute(sqlInsertGrouping("1", "A0", code, "Maglia d'autore")), 1) << code;
    EXPECT_EQ(query(c, sqlLastGroupingNumber("1", "A0")), (Rows{{"000012"}}));
    c.execute(sqlInsertGrouping("1", "A0", "A0-0000123", ""));
    EXPECT_EQ(query(c, sqlLastGroupingNumber("1", "A0")), (Rows{{"000012"}}));
    EXPECT_EQ(query(c,
                    "SELECT MG5G_DESCRRAGGVAR FROM MG5G_RAGGVAR WHERE MG5G_CODRAGGVAR = "
                    "'A0-0000123'"),
              (Rows{{"NULL"}}));

    // Item-code mode finds the grouping named as the item.
    EXPECT_EQ(query(c, sqlGroupingNamedAsItem("2", "A0", "ABITO-SU01")), (Rows{{"ABITO-SU01"}}));
    EXPECT_EQ(query(c, sqlGroupingNamedAsItem("2", "A0", "ABITO'SU01")), Rows{});
    EXPECT_EQ(query(c, sqlGroupingCodeExists("1", "A0", "A0-X")), (Rows{{"A0-X"}}));
    EXPECT_EQ(c.execute(sqlSetGroupingDescription("1", "A0", "A0-000007", "Taglie dell'anno")), 1);
    EXPECT_EQ(query(c, sqlVariantCaption("1", "A0")), (Rows{{"Taglia"}}));
    EXPECT_EQ(query(c, sqlCompanyVariants("1")).size(), 4u);
    const Rows window = query(c, sqlGroupingsOfVariant("1", "A0"));
    std::vector<std::string> codes;
    for (const auto& r : window)
        codes.push_back(r[2]);
    EXPECT_EQ(codes, (std::vector<std::string>{"A0-000001", "A0-000007", "A0-000012", "A0-0000123",
                                               "A0-12", "A0-X", "TG-LETTERE", "TG-NUMERI"}));
    EXPECT_EQ(window[1][3], "Taglie dell'anno");

    // Customer 3's descriptions copied into the grouping: only options in
    // both change.
    EXPECT_EQ(c.execute(sqlCopyCounterpartDescriptions("1", "A1", "COL-MAGLIA", 0, "3")), 4);
    EXPECT_EQ(query(c,
                    "SELECT MG5H_OPZIONE_MG5E, MG5H_DESCR FROM MG5H_COMPRAGVAR WHERE "
                    "MG5H_RAGGR_MG5G = 'COL-MAGLIA' ORDER BY MG5H_SEQOPZIONE"),
              (Rows{{"BLU", "Marineblau"},
                    {"GRI", "Grau meliert"},
                    {"ROS", "Bordeauxrot"},
                    {"VER", "Tannengrün"},
                    {"CAM", "NULL"}}));
    EXPECT_EQ(count(c, "MG5H_COMPRAGVAR", "MG5H_RAGGR_MG5G = 'COL-BASE' AND MG5H_DESCR IS NULL"),
              4);

    // A new grouping filled from customer 4's transcoding.
    db::Recordset source;
    source.open(sqlCounterpartTranscodings("1", "A1", 0, "4"), c);
    ASSERT_EQ(source.recordCount(), 3);
    c.execute(sqlInsertGrouping("1", "A1", "A1-000001", ""));
    db::Recordset target;
    target.open(kSqlNoCompositionRows, c);
    EXPECT_EQ(target.recordCount(), 0);
    int counter = 1;
    for (source.moveFirst(); !source.eof(); source.moveNext(), ++counter) {
        target.addNew();
        target.setValue("MG5H_DITTA_CG18", 1);
        target.setValue("MG5H_CODICEVAR_MG5F", "A1");
        target.setValue("MG5H_RAGGR_MG5G", "A1-000001");
        target.setValue("MG5H_SEQOPZIONE", counter);
        target.setValue("MG5H_OPZIONE_MG5E", source.value("MG5S_OPZIONE_MG5E"));
        target.setValue("MG5H_DESCR", text(source.value("MG5S_DESCR")));
        target.updateBatch(db::Affect::Current);
    }
    EXPECT_EQ(composition(c, "A1-000001"), "1:BIA 2:BLU 3:CAM");
}

TEST_P(GroupingStatements, OptionListsFromWorkTables) {
    using namespace groupings;
    const char* const drop = "IF OBJECT_ID('tempdb..{Name}') IS NOT NULL DROP TABLE {Name}";
    auto load = [&](const std::string& grouping) {
        for (const char* t : {"#TMP_ORIG", "#TMP_DEST"})
            c.execute(fill(drop, {{"{Name}", t}}));
        c.execute(sqlSourceOptions("1", "A1", grouping));
        c.execute(sqlGroupingOptions("1", "A1", grouping));
    };
    load("COL-MAGLIA");
    db::Recordset source;
    source.open(kSqlSourceList, c);
    ASSERT_EQ(source.recordCount(), 10);
    EXPECT_EQ(text(source.value("MG5E_OPZIONE")), "ARA");
    EXPECT_EQ(text(source.value("LETTERA")), "A");
    EXPECT_EQ(source.value("SELEZ").toText(), "0");
    EXPECT_EQ(source.field(source.fieldIndex("SELEZ")).scale, 0);
    EXPECT_EQ(source.value("SORT_CODE").toText(), "0");

    const Rows dest = query(c, kSqlDestinationList);
    ASSERT_EQ(dest.size(), 5u);
    const auto names = columnNames(c, kSqlDestinationList);
    const auto descr = std::find(names.begin(), names.end(), "DESCR_OPZIONE") - names.begin();
    const auto option = std::find(names.begin(), names.end(), "MG5H_OPZIONE_MG5E") - names.begin();
    std::string shown;
    for (const auto& r : dest)
        shown += r[option] + "=" + r[descr] + ";";
    EXPECT_EQ(shown,
              "BLU=Blu notte;GRI=Grigio melange;ROS=Rosso bordeaux;VER=Verde "
              "bottiglia;CAM=Cammello;");

    // Only the options not yet in the grouping.
    c.execute(fill(drop, {{"{Name}", "#TMP_ORIG_FLT"}}));
    c.execute(kSqlUngroupedOptions);
    c.execute(fill(drop, {{"{Name}", "#TMP_ORIG"}}));
    c.execute(kSqlSourceFromUngrouped);
    std::string left;
    db::Recordset rest;
    rest.open(kSqlSourceList, c);
    for (; !rest.eof(); rest.moveNext())
        left += text(rest.value("MG5E_OPZIONE")) + " ";
    EXPECT_EQ(left, "ARA AZZ BEI BIA NER ");

    // Ticks written into the work table, one row and a set of rows.
    c.execute(sqlTickRow("#TMP_ORIG", "MG5E_OPZIONE", "AZZ", true));
    EXPECT_EQ(count(c, "#TMP_ORIG", "SELEZ = 1"), 1);
    c.execute(sqlClearTicks("#TMP_ORIG"));
    c.execute(sqlTickRows("#TMP_ORIG", "MG5E_OPZIONE", {"ARA", "NER", "NO'NE"}));
    EXPECT_EQ(count(c, "#TMP_ORIG", "SELEZ = 1"), 2);
    c.execute(kSqlSortSourceByTick);
    EXPECT_EQ(count(c, "#TMP_ORIG", "SORT_CODE = 1"), 2);

    // Without a grouping the composition is empty and every option is offered.
    load("");
    EXPECT_EQ(count(c, "#TMP_DEST"), 0);
    EXPECT_EQ(count(c, "#TMP_ORIG"), 10);
}

TEST_P(GroupingStatements, CompositionRowsAndOptionsOfAVariant) {
    using namespace groupings;
    const auto rowsOf = [&](const std::string& sql) {
        Rows rows = query(c, sql);
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    EXPECT_EQ(query(c, sqlCountGroupingRows("1", "A1", "COL-MAGLIA")), (Rows{{"5"}}));
    EXPECT_EQ(composition(c, "COL-MAGLIA"), "1:BLU 2:GRI 3:ROS 4:VER 5:CAM");
    // Two options placed after the first: the later rows move down first.
    c.execute(sqlShiftGroupingRows("1", "A1", "COL-MAGLIA", 2, 1));
    c.execute(sqlInsertGroupingRows("1", "A1", "COL-MAGLIA", {{2, "ARA"}, {3, "NER"}}));
    EXPECT_EQ(composition(c, "COL-MAGLIA"), "1:BLU 2:ARA 3:NER 4:GRI 5:ROS 6:VER 7:CAM");
    EXPECT_EQ(query(c, sqlGroupingRows("1", "A1", "COL-MAGLIA")).size(), 7u);

    // A move keeps the moved row's own description through its removal.
    EXPECT_EQ(
        c.execute(sqlSetCompositionDescription("1", "A1", "COL-MAGLIA", "ROS", "Rosso d'autunno")),
        1);
    c.execute(sqlKeepMovedRows("1", "A1", "COL-MAGLIA", {"ROS"}));
    EXPECT_EQ(c.execute(sqlRemoveFromGrouping("1", "A1", "COL-MAGLIA", {"ROS", "ARA"})), 2);
    c.execute(sqlRenumberGrouping("1", "A1", "COL-MAGLIA"));
    EXPECT_EQ(composition(c, "COL-MAGLIA"), "1:BLU 2:NER 3:GRI 4:VER 5:CAM");
    c.execute(sqlInsertGroupingRows("1", "A1", "COL-MAGLIA", {{6, "ROS"}}));
    c.execute(kSqlRestoreMovedDescriptions);
    EXPECT_EQ(query(c,
                    "SELECT MG5H_DESCR FROM MG5H_COMPRAGVAR WHERE MG5H_RAGGR_MG5G = "
                    "'COL-MAGLIA' AND MG5H_OPZIONE_MG5E = 'ROS'"),
              (Rows{{"Rosso d'autunno"}}));

    // Options of a variant, from the tab and from the small options window.
    EXPECT_EQ(c.execute(sqlSetOptionDescription("1", "A1", "BLU", "Blu dell'oceano -- 'fondo'")),
              1);
    EXPECT_EQ(text(scalar(c, "SELECT MG5E_DESCR FROM MG5E_OPZIONI WHERE MG5E_OPZIONE = 'BLU'")),
              "Blu dell'oceano -- 'fondo'");
    EXPECT_EQ(c.execute(sqlInsertOption("1", "A1", "ZZZ", "Zeta d'oro")), 1);
    EXPECT_EQ(c.execute(sqlSetOptionDescription("1", "A1", "ZZZ", "")), 1);
    EXPECT_EQ(c.execute(sqlWindowInsertOption("1", "A1", "ZZY", "Y")), 1);
    EXPECT_EQ(c.execute(sqlWindowSetOptionDescription("1", "A1", "ZZY", "Ypsilon")), 1);
    const Rows options = query(c, sqlVariantOptions("1", "A1", true));
    EXPECT_EQ(options.back(), (std::vector<std::string>{"ZZZ", "NULL"}));
    EXPECT_EQ(options[options.size() - 2], (std::vector<std::string>{"ZZY", "Ypsilon"}));
    EXPECT_EQ(rowsOf(sqlVariantOptions("1", "A1", false)),
              rowsOf(sqlVariantOptions("1", "A1", true)));
    EXPECT_EQ(c.execute(sqlWindowDeleteOption("1", "A1", "ZZY")), 1);
    // An option in use refuses the whole statement with 23000: nothing is deleted.
    EXPECT_EQ(dbtest::stateOf(c, sqlDeleteOptions("1", "A1", {"ZZZ", "ROS", "AZZ"})), "23000");
    ASSERT_FALSE(c.errors().empty());
    EXPECT_EQ(c.errors().front().sqlState, "23000");
    EXPECT_EQ(count(c, "MG5E_OPZIONI", "MG5E_OPZIONE IN ('ZZZ', 'AZZ')"), 2);
    EXPECT_EQ(c.execute(sqlDeleteOptions("1", "A1", {"ZZZ", "AZZ"})), 2);
    EXPECT_EQ(count(c, "MG5E_OPZIONI", "MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = 'A1'"), 9);

    // The variants and the item's rows for them.
    EXPECT_EQ(rowsOf(sqlItemManagedVariants("1", "MAGLIA-001")),
              (Rows{{"A0", "Taglia"}, {"A1", "Colore"}}));
    EXPECT_EQ(query(c, sqlVariantSize("1", "A2")), (Rows{{"2"}}));
    EXPECT_EQ(query(c, sqlVariantSizeAndNature("2", "B0")), (Rows{{"2", "1"}}));
    EXPECT_EQ(query(c, sqlVariantDefinition("1", "A3")).size(), 1u);
    // The item's row for a variant is written back by its key.
    db::Recordset variant;
    variant.open(sqlItemVariantRow("1", "MAGLIA-001", "A1"), c);
    ASSERT_EQ(variant.recordCount(), 1);
    EXPECT_EQ(text(variant.value(1)), "COL-MAGLIA");
    variant.setValue(1, "COL-BASE");
    variant.updateBatch();
    EXPECT_EQ(count(c, "MG6B_GESVARART",
                    "MG6B_CODART_MG66 = 'MAGLIA-001' AND MG6B_CODRAGGVAR_MG5G = 'COL-BASE'"),
              1);
}

TEST_P(GroupingStatements, TranscodingListLookupsAndDeletion) {
    using namespace transcoding;
    const std::string base = sqlBaseTrascodifica("MAGLIA-001");
    const std::string where = sqlCondizioneClifor("1", "A1", "0", "3");
    EXPECT_EQ(query(c, base + " WHERE 1=0"), Rows{});

    db::Recordset list;
    list.open(base + where, c);
    ASSERT_EQ(list.recordCount(), 5);
    const int shown = list.fieldIndex("MG5E_DESCR");
    const int inGrouping = list.fieldIndex("MG5H_DITTA_CG18");
    ASSERT_GE(shown, 0);
    EXPECT_TRUE(list.field(shown).baseTable.empty());
    std::string seen;
    for (list.moveFirst(); !list.eof(); list.moveNext())
        seen += text(list.value("MG5S_OPZIONE_MG5E")) + "=" + text(list.value(shown)) + "/" +
                list.value(inGrouping).toText() + ";";
    EXPECT_EQ(seen,
              "BLU=Blu notte/1;GRI=Grigio melange/1;NER=Nero/0;ROS=Rosso bordeaux/1;"
              "VER=Verde bottiglia/1;");
    // The filter names the joined column, not the alias that hides it.
    EXPECT_EQ(query(c, base + where + kSoloRaggruppamento).size(), 4u);

    // Edits and a new row reach only the transcoding table.
    list.moveFirst();
    list.setValue("MG5S_DESCR", "Marine d'Arco");
    list.addNew();
    list.setValue("MG5S_DITTA_CG18", 1);
    list.setValue("MG5S_CODICEVAR_MG5F", "A1");
    list.setValue("MG5S_CLIFOR_CG44", 3);
    list.setValue("MG5S_TIPOCF_CG44", 0);
    list.setValue("MG5S_OPZIONE_MG5E", "CAM");
    list.setValue("MG5S_DESCR", "Kamel");
    list.updateBatch();
    EXPECT_EQ(query(c,
                    "SELECT MG5S_OPZIONE_MG5E, MG5S_DESCR FROM MG5S_VARCLIFOR WHERE "
                    "MG5S_CLIFOR_CG44 = 3 AND MG5S_TIPOCF_CG44 = 0 AND MG5S_OPZIONE_MG5E IN "
                    "('BLU', 'CAM') ORDER BY 1"),
              (Rows{{"BLU", "Marine d'Arco"}, {"CAM", "Kamel"}}));
    EXPECT_EQ(count(c, "MG5E_OPZIONI", "MG5E_DESCR = 'Kamel'"), 0);

    // The counterpart lookup restricted to parties with transcodings.
    const std::string lookup = restringiLookupClifor(
        "SELECT CG44_CLIFOR, CG16_RAGSOANAG FROM CG44_CLIFOR INNER JOIN CG16_ANAGGEN ON "
        "CG16_CODICE = CG44_CODICE_CG16 WHERE CG44_DITTA_CG18 = 1 AND CG44_TIPOCF = 0 ORDER BY "
        "CG44_CLIFOR",
        "A1");
    EXPECT_EQ(query(c, lookup), (Rows{{"3", "Modehaus Berger GmbH"}, {"4", "Atelier Duval SARL"}}));

    // Option lookup and decode within the item's grouping, the code in any case.
    EXPECT_EQ(query(c, sqlLookupOpzioniRaggruppamento("1", "A1", "COL-MAGLIA")),
              (Rows{{"BLU", "Blu notte"},
                    {"CAM", "Cammello"},
                    {"GRI", "Grigio melange"},
                    {"ROS", "Rosso bordeaux"},
                    {"VER", "Verde bottiglia"}}));
    EXPECT_EQ(query(c, sqlDecodificaOpzioneRaggruppamento("1", "A1", "COL-MAGLIA", "ver")),
              (Rows{{"Verde bottiglia"}}));
    // The description next to a code: the grouping's own, else the option's.
    EXPECT_EQ(query(c, sqlDescrizioneOpzione("1", "A1", "COL-MAGLIA", "NER")), (Rows{{"Nero"}}));
    EXPECT_EQ(query(c, sqlDescrizioneOpzione("1", "A1", "COL-MAGLIA", "BLU")),
              (Rows{{"Blu notte"}}));
    EXPECT_EQ(query(c, sqlDescrizioneOpzione("1", "A1", "", "BLU")), (Rows{{"Blu navy"}}));

    EXPECT_EQ(c.execute(sqlEliminaTrascodifica("1", "A1", "0", "3", "CAM")), 1);
    EXPECT_EQ(count(c, "MG5S_VARCLIFOR", "MG5S_OPZIONE_MG5E = 'CAM'"), 1);
}

VELDRANO_ON_BOTH_BACKENDS(GroupingStatements);

}  // namespace
}  // namespace demo::test
