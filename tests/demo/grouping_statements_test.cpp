// The item card's statements for grouping codes, the copy of customer
// descriptions, the option lists of the work tables and transcoding, run on
// the demo database on both backends.

#include <algorithm>

#include "platform/db/recordset.h"
#include "statement_support.h"

namespace demo::test {
namespace {

class GroupingStatements : public DemoStatements {};

TEST_P(GroupingStatements, GroupingCodesNumberingAndCopyOfCustomerDescriptions) {
    const Values a0 = {{"{Ditta}", "1"}, {"{Var}", "A0"}};
    const char* const last =
        "SELECT SUBSTRING (MAX(MG5G_CODRAGGVAR),4,6) AS ULTIMO FROM MG5G_RAGGVAR WHERE "
        "MG5G_DITTA_CG18     = {Ditta} AND       MG5G_CODICEVAR_MG5F = '{Var}'      AND       "
        "MG5G_CODRAGGVAR LIKE '{Var}-%'     AND       ISNUMERIC(SUBSTRING(MG5G_CODRAGGVAR,4,6)) "
        "= 1    AND       LEN(SUBSTRING(MG5G_CODRAGGVAR,4,6)) = 6";
    EXPECT_EQ(query(c, fill(last, a0)), (Rows{{"000001"}}));
    EXPECT_EQ(query(c, fill(last, {{"{Ditta}", "1"}, {"{Var}", "A2"}})), (Rows{{"NULL"}}));
    const char* const insert =
        "INSERT INTO MG5G_RAGGVAR   (MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR, "
        "MG5G_DESCRRAGGVAR) VALUES ( {Ditta}, '{Var}', {RaggrLit}, {DescrLit})";
    for (const char* code : {"'A0-000007'", "'A0-000012'", "'A0-X'", "'A0-12'"}) {
        Values v = a0;
        v.insert(v.end(), {{"{RaggrLit}", code}, {"{DescrLit}", "'Maglia d''autore'"}});
        EXPECT_EQ(c.execute(fill(insert, v)), 1) << code;
    }
    EXPECT_EQ(query(c, fill(last, a0)), (Rows{{"000012"}}));
    Values seven = a0;
    seven.insert(seven.end(), {{"{RaggrLit}", "'A0-0000123'"}, {"{DescrLit}", "null"}});
    c.execute(fill(insert, seven));
    EXPECT_EQ(query(c, fill(last, a0)), (Rows{{"000012"}}));

    // Item-code mode finds the grouping named as the item.
    EXPECT_EQ(query(c, fill("SELECT MG5G_CODRAGGVAR FROM MG5G_RAGGVAR WHERE MG5G_DITTA_CG18 = "
                            "{Ditta} AND      MG5G_CODICEVAR_MG5F = '{Var}' AND      "
                            "MG5G_CODRAGGVAR = '{CodArt}'",
                            {{"{Ditta}", "2"}, {"{Var}", "A0"}, {"{CodArt}", "ABITO-SU01"}})),
              (Rows{{"ABITO-SU01"}}));
    Values described = a0;
    described.insert(described.end(),
                     {{"{DescrLit}", "'Taglie dell''anno'"}, {"{RaggrLit}", "'A0-000007'"}});
    EXPECT_EQ(c.execute(fill("UPDATE MG5G_RAGGVAR SET MG5G_DESCRRAGGVAR = {DescrLit} WHERE "
                             "MG5G_DITTA_CG18     = {Ditta}    AND       MG5G_CODICEVAR_MG5F = "
                             "'{Var}' AND       MG5G_CODRAGGVAR     = {RaggrLit}",
                             described)),
              1);
    EXPECT_EQ(query(c, fill("SELECT MG5F_DESCR_VAR FROM MG5F_DIMECONF WITH (NOLOCK) WHERE "
                            "MG5F_DITTA_CG18 = {Ditta} AND       MG5F_CODICEVAR  = '{Var}'",
                            a0)),
              (Rows{{"Taglia"}}));
    EXPECT_EQ(query(c, fill("SELECT MG5F_CODICEVAR, MG5F_DESCR_VAR FROM MG5F_DIMECONF WITH "
                            "(NOLOCK) WHERE MG5F_DITTA_CG18 = {Ditta}",
                            a0))
                  .size(),
              4u);
    const Rows window = query(c, fill("SELECT * FROM MG5G_RAGGVAR WHERE MG5G_DITTA_CG18      = "
                                      "{Ditta} AND       MG5G_CODICEVAR_MG5F  = '{Var}' ORDER BY "
                                      "MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR",
                                      a0));
    std::vector<std::string> codes;
    for (const auto& r : window)
        codes.push_back(r[2]);
    EXPECT_EQ(codes, (std::vector<std::string>{"A0-000001", "A0-000007", "A0-000012", "A0-0000123",
                                               "A0-12", "A0-X", "TG-LETTERE", "TG-NUMERI"}));
    EXPECT_EQ(window[1][3], "Taglie dell'anno");

    // Customer 3's descriptions copied into the grouping: only options in
    // both change.
    const Values copy = {{"{Ditta}", "1"},
                         {"{Var}", "A1"},
                         {"{Raggr}", "COL-MAGLIA"},
                         {"{TipoCF}", "0"},
                         {"{CliFor}", "3"}};
    EXPECT_EQ(c.execute(fill(
                  "UPDATE MG5H_COMPRAGVAR SET MG5H_DESCR = MG5S_DESCR FROM MG5S_VARCLIFOR INNER "
                  "JOIN MG5H_COMPRAGVAR ON MG5H_DITTA_CG18     = MG5S_DITTA_CG18 AND    "
                  "MG5H_CODICEVAR_MG5F = MG5S_CODICEVAR_MG5F AND    MG5H_RAGGR_MG5G     = "
                  "'{Raggr}' AND    MG5H_OPZIONE_MG5E   = MG5S_OPZIONE_MG5E WHERE "
                  "MG5S_DITTA_CG18     = {Ditta} AND       MG5S_CODICEVAR_MG5F = '{Var}' AND    "
                  "   MG5S_TIPOCF_CG44    = {TipoCF} AND       MG5S_CLIFOR_CG44    = {CliFor}",
                  copy)),
              4);
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
    const Values fourth = {{"{Ditta}", "1"}, {"{Var}", "A1"}, {"{TipoCF}", "0"}, {"{CliFor}", "4"}};
    db::Recordset source;
    source.open(fill("SELECT * FROM MG5S_VARCLIFOR WHERE MG5S_DITTA_CG18     = {Ditta} AND     "
                     "  MG5S_CODICEVAR_MG5F = '{Var}' AND       MG5S_TIPOCF_CG44    = {TipoCF} "
                     "AND       MG5S_CLIFOR_CG44    = {CliFor} ORDER BY MG5S_OPZIONE_MG5E",
                     fourth),
                c);
    ASSERT_EQ(source.recordCount(), 3);
    Values created = fourth;
    created.insert(created.end(), {{"{RaggrLit}", "'A1-000001'"}, {"{DescrLit}", "null"}});
    c.execute(fill(insert, created));
    db::Recordset target;
    target.open("SELECT * FROM MG5H_COMPRAGVAR WHERE 1=0", c);
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
    const Values g = {{"{Ditta}", "1"}, {"{Var}", "A1"}, {"{RaggrLit}", "'COL-MAGLIA'"}};
    const char* const drop = "IF OBJECT_ID('tempdb..{Name}') IS NOT NULL DROP TABLE {Name}";
    auto load = [&](const Values& v) {
        for (const char* t : {"#TMP_ORIG", "#TMP_DEST"})
            c.execute(fill(drop, {{"{Name}", t}}));
        c.execute(
            fill("SELECT *, LEFT(MG5E_DESCR,1) AS LETTERA,        CAST(0 AS DECIMAL(1, 0)) "
                 "AS SELEZ,        0 AS SORT_CODE INTO #TMP_ORIG FROM MG5E_OPZIONI WITH "
                 "(NOLOCK) LEFT OUTER JOIN MG5H_COMPRAGVAR WITH (NOLOCK) ON MG5H_DITTA_CG18 "
                 "    = MG5E_DITTA_CG18 AND    MG5H_CODICEVAR_MG5F = MG5E_CODICEVAR_MG5F AND "
                 "   MG5H_RAGGR_MG5G     = {RaggrLit} AND    MG5H_OPZIONE_MG5E   = "
                 "MG5E_OPZIONE WHERE MG5E_DITTA_CG18     = {Ditta} AND       "
                 "MG5E_CODICEVAR_MG5F = '{Var}'",
                 v));
        c.execute(
            fill("SELECT *, (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE MG5H_DESCR "
                 "END) AS DESCR_OPZIONE,        CAST(0 AS DECIMAL(1, 0)) AS SELEZ INTO "
                 "#TMP_DEST FROM MG5H_COMPRAGVAR INNER JOIN MG5E_OPZIONI ON MG5E_DITTA_CG18 "
                 "    = MG5H_DITTA_CG18 AND    MG5E_CODICEVAR_MG5F = MG5H_CODICEVAR_MG5F AND "
                 "   MG5E_OPZIONE        = MG5H_OPZIONE_MG5E WHERE MG5H_DITTA_CG18     =  "
                 "{Ditta} AND       MG5H_CODICEVAR_MG5F = '{Var}' AND       MG5H_RAGGR_MG5G "
                 "    = {RaggrLit} ORDER BY MG5H_SEQOPZIONE",
                 v));
    };
    load(g);
    db::Recordset source;
    source.open("SELECT * FROM #TMP_ORIG ORDER BY MG5E_OPZIONE", c);
    ASSERT_EQ(source.recordCount(), 10);
    EXPECT_EQ(text(source.value("MG5E_OPZIONE")), "ARA");
    EXPECT_EQ(text(source.value("LETTERA")), "A");
    EXPECT_EQ(source.value("SELEZ").toText(), "0");
    EXPECT_EQ(source.field(source.fieldIndex("SELEZ")).scale, 0);
    EXPECT_EQ(source.value("SORT_CODE").toText(), "0");

    const Rows dest = query(c, "SELECT * FROM #TMP_DEST");
    ASSERT_EQ(dest.size(), 5u);
    const auto names = columnNames(c, "SELECT * FROM #TMP_DEST");
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
    c.execute(
        "SELECT #TMP_ORIG.* INTO #TMP_ORIG_FLT FROM #TMP_ORIG LEFT OUTER JOIN #TMP_DEST ON "
        "#TMP_ORIG.MG5E_DITTA_CG18 = #TMP_DEST.MG5H_DITTA_CG18 AND    "
        "#TMP_ORIG.MG5E_CODICEVAR_MG5F = #TMP_DEST.MG5H_CODICEVAR_MG5F AND    "
        "#TMP_ORIG.MG5E_OPZIONE = #TMP_DEST.MG5H_OPZIONE_MG5E WHERE #TMP_DEST.MG5H_DITTA_CG18 IS "
        "NULL");
    c.execute(fill(drop, {{"{Name}", "#TMP_ORIG"}}));
    c.execute("SELECT * INTO #TMP_ORIG FROM #TMP_ORIG_FLT");
    std::string left;
    for (const auto& r : query(c, "SELECT MG5E_OPZIONE FROM #TMP_ORIG ORDER BY MG5E_OPZIONE"))
        left += r[0] + " ";
    EXPECT_EQ(left, "ARA AZZ BEI BIA NER ");

    // Without a grouping the composition is empty and every option is offered.
    Values none = g;
    none[2].second = "null";
    load(none);
    EXPECT_EQ(count(c, "#TMP_DEST"), 0);
    EXPECT_EQ(count(c, "#TMP_ORIG"), 10);
}

TEST_P(GroupingStatements, TranscodingListLookupsAndDeletion) {
    const std::string base = fill(R"sql(SELECT MG5S_VARCLIFOR.*,
       (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE MG5H_DESCR END) AS MG5E_DESCR,
       ISNULL (MG5H_DITTA_CG18,0) AS MG5H_DITTA_CG18
FROM MG5S_VARCLIFOR
INNER JOIN MG5E_OPZIONI
ON MG5E_DITTA_CG18     = MG5S_DITTA_CG18     AND
   MG5E_CODICEVAR_MG5F = MG5S_CODICEVAR_MG5F AND
   MG5E_OPZIONE        = MG5S_OPZIONE_MG5E
LEFT OUTER JOIN MG6B_GESVARART
ON MG6B_DITTA_CG18     = MG5S_DITTA_CG18 AND
   MG6B_CODART_MG66    = '{CodArt}' AND
   MG6B_CODICEVAR_MG5F = MG5S_CODICEVAR_MG5F AND
   MG6B_FLGGESTVAR     = 1
LEFT OUTER JOIN MG5H_COMPRAGVAR
ON MG5H_DITTA_CG18     = MG6B_DITTA_CG18 AND
   MG5H_CODICEVAR_MG5F = MG6B_CODICEVAR_MG5F AND
   MG5H_RAGGR_MG5G     = MG6B_CODRAGGVAR_MG5G AND
   MG5H_OPZIONE_MG5E   = MG5S_OPZIONE_MG5E)sql",
                                  {{"{CodArt}", "MAGLIA-001"}});
    const Values party = {{"{Ditta}", "1"}, {"{Var}", "A1"}, {"{TipoCF}", "0"}, {"{CliFor}", "3"}};
    const std::string where = fill(R"sql( WHERE MG5S_DITTA_CG18     = {Ditta} AND
       MG5S_CODICEVAR_MG5F = '{Var}' AND
       MG5S_TIPOCF_CG44    = {TipoCF} AND
       MG5S_CLIFOR_CG44    = {CliFor})sql",
                                   party);
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
    EXPECT_EQ(query(c, base + where + " AND MG5H_DITTA_CG18 IS NOT NULL").size(), 4u);

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
    const std::string lookup =
        "SELECT CG44_CLIFOR, CG16_RAGSOANAG FROM CG44_CLIFOR INNER JOIN CG16_ANAGGEN ON "
        "CG16_CODICE = CG44_CODICE_CG16 " +
        fill(
            R"sql(INNER JOIN (SELECT DISTINCT MG5S_DITTA_CG18, MG5S_CODICEVAR_MG5F, MG5S_TIPOCF_CG44, MG5S_CLIFOR_CG44
            FROM MG5S_VARCLIFOR WITH (NOLOCK)) AS MG5S
ON MG5S.MG5S_DITTA_CG18     = CG44_DITTA_CG18 AND
   MG5S.MG5S_CODICEVAR_MG5F = '{Var}' AND
   MG5S.MG5S_TIPOCF_CG44    = CG44_TIPOCF    AND
   MG5S.MG5S_CLIFOR_CG44    = CG44_CLIFOR
WHERE)sql",
            party) +
        " CG44_DITTA_CG18 = 1 AND CG44_TIPOCF = 0 ORDER BY CG44_CLIFOR";
    EXPECT_EQ(query(c, lookup), (Rows{{"3", "Modehaus Berger GmbH"}, {"4", "Atelier Duval SARL"}}));

    // Option lookup and decode within the item's grouping.
    const Values grouping = {{"{Ditta}", "1"},
                             {"{Var}", "A1"},
                             {"{RaggrSql}", "'COL-MAGLIA'"},
                             {"{OpzioneSql}", "'ver'"},
                             {"{Opzione}", "NER"}};
    EXPECT_EQ(
        query(
            c,
            fill(
                R"sql(SELECT MG5E_OPZIONE, (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE MG5H_DESCR END) AS MG5E_DESCR
FROM MG5H_COMPRAGVAR WITH (NOLOCK)
INNER JOIN MG5E_OPZIONI WITH (NOLOCK)
ON MG5E_DITTA_CG18     = MG5H_DITTA_CG18 AND
   MG5E_CODICEVAR_MG5F = MG5H_CODICEVAR_MG5F AND
   MG5E_OPZIONE        = MG5H_OPZIONE_MG5E
WHERE MG5H_DITTA_CG18     = {Ditta} AND
      MG5H_CODICEVAR_MG5F = '{Var}' AND
      MG5H_RAGGR_MG5G     = {RaggrSql} ORDER BY MG5E_OPZIONE)sql",
                grouping)),
        (Rows{{"BLU", "Blu notte"},
              {"CAM", "Cammello"},
              {"GRI", "Grigio melange"},
              {"ROS", "Rosso bordeaux"},
              {"VER", "Verde bottiglia"}}));
    EXPECT_EQ(
        query(
            c,
            fill(
                R"sql(SELECT (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE MG5H_DESCR END) AS MG5E_DESCR
FROM MG5H_COMPRAGVAR WITH (NOLOCK)
INNER JOIN MG5E_OPZIONI WITH (NOLOCK)
ON MG5E_DITTA_CG18     = MG5H_DITTA_CG18 AND
   MG5E_CODICEVAR_MG5F = MG5H_CODICEVAR_MG5F AND
   MG5E_OPZIONE        = MG5H_OPZIONE_MG5E
WHERE MG5H_DITTA_CG18     = {Ditta} AND
      MG5H_CODICEVAR_MG5F = '{Var}' AND
      MG5H_RAGGR_MG5G     = {RaggrSql} AND
      MG5H_OPZIONE_MG5E   = {OpzioneSql})sql",
                grouping)),
        (Rows{{"Verde bottiglia"}}));
    const std::string computed =
        R"sql(SELECT (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE MG5H_DESCR END) AS MG5E_DESCR
FROM MG5E_OPZIONI WITH (NOLOCK)
LEFT OUTER JOIN MG5H_COMPRAGVAR WITH (NOLOCK)
ON MG5H_DITTA_CG18     = MG5E_DITTA_CG18 AND
   MG5H_CODICEVAR_MG5F = MG5E_CODICEVAR_MG5F AND
   MG5H_RAGGR_MG5G     = {RaggrSql} AND
   MG5H_OPZIONE_MG5E   = MG5E_OPZIONE
WHERE MG5E_DITTA_CG18      = {Ditta} AND
      MG5E_CODICEVAR_MG5F  = '{Var}' AND
      MG5E_OPZIONE         = '{Opzione}')sql";
    EXPECT_EQ(query(c, fill(computed, grouping)), (Rows{{"Nero"}}));
    Values blu = grouping;
    blu.back().second = "BLU";
    EXPECT_EQ(query(c, fill(computed, blu)), (Rows{{"Blu notte"}}));
    blu[2].second = "null";
    EXPECT_EQ(query(c, fill(computed, blu)), (Rows{{"Blu navy"}}));

    Values gone = party;
    gone.emplace_back("{Opzione}", "CAM");
    EXPECT_EQ(c.execute(fill("DELETE FROM MG5S_VARCLIFOR WHERE MG5S_DITTA_CG18 = {Ditta} AND "
                             "MG5S_CODICEVAR_MG5F = '{Var}' AND MG5S_TIPOCF_CG44 = {TipoCF} AND "
                             "MG5S_CLIFOR_CG44 = {CliFor} AND MG5S_OPZIONE_MG5E = '{Opzione}'",
                             gone)),
              1);
    EXPECT_EQ(count(c, "MG5S_VARCLIFOR", "MG5S_OPZIONE_MG5E = 'CAM'"), 1);
}

VELDRANO_ON_BOTH_BACKENDS(GroupingStatements);

}  // namespace
}  // namespace demo::test
