// The item card's statements for states of combinations of two variants and
// of groupings, options and seasons, built by the card's own builders and run
// on the demo database.

#include <algorithm>

#include "common/work_tables.h"
#include "platform/db/recordset.h"
#include "statement_support.h"
#include "states/states_sql.h"

namespace demo::test {
namespace {

class StateStatements : public DemoStatements {};

const states::StateChoiceWords kWords{"No", "Si", "- dt.ini:", "- dt.fin:", "- attivo:"};

TEST_P(StateStatements, StateChoiceListAndStateServices) {
    EXPECT_EQ(
        query(c, states::sqlStateChoices("1", kWords)),
        (Rows{{"0", ""},
              {"4", "BLOCC - Bloccato alla vendita- attivo:Si"},
              {"7", "CAMP - Solo campionario- attivo:No"},
              {"1", "DISP - Disponibile- attivo:Si"},
              {"3", "ESAUR - In esaurimento- attivo:Si"},
              {"2", "NOVITA - Novità di stagione- dt.ini:01/09/2026- dt.fin:28/02/2027- attivo:Si"},
              {"6", "RIASS - Riassortimento sospeso- attivo:No"},
              {"5",
               "SALDI25 - Saldi invernali 2025- dt.ini:05/01/2025- dt.fin:28/02/2025- "
               "attivo:Si"}}));
    // Translated words with a doubled apostrophe reach the list as one.
    states::StateChoiceWords translated = kWords;
    translated.yes = "Sì d''accordo";
    const Rows second = query(c, states::sqlStateChoices("1", translated));
    EXPECT_EQ(second[3][1], "DISP - Disponibile- attivo:Sì d'accordo");

    // The list filtered by a typed entry, as the grids do.
    db::Recordset list;
    list.open(states::sqlStateChoices("1", kWords), c);
    list.setFilter("Descrizione = 'DISP - Disponibile- attivo:Si'");
    ASSERT_EQ(list.recordCount(), 1);
    EXPECT_EQ(list.value("Codice").toText(), "1");

    Rows decoded = query(c, states::sqlStatesByCode("DISP"));
    std::sort(decoded.begin(), decoded.end());
    EXPECT_EQ(decoded, (Rows{{"1", "1", "Disponibile"}, {"101", "1", "Disponibile"}}));
    EXPECT_EQ(query(c, states::sqlCompanyStateByCode("1", "DISP")), (Rows{{"1"}}));
    EXPECT_EQ(query(c, states::sqlStateCode("5")), (Rows{{"SALDI25"}}));
    EXPECT_EQ(query(c, states::sqlStateCode("0")), Rows{});
    EXPECT_EQ(query(c, states::sqlStateValidity("1", "5"))[0][0], "SALDI25");
    EXPECT_EQ(query(c, states::sqlStateValidity("1", "101")), Rows{});
}

TEST_P(StateStatements, CrossGridOfTwoVariants) {
    EXPECT_EQ(query(c, states::sqlItemGrouping("1", "MAGLIA-001", "A1")), (Rows{{"COL-MAGLIA"}}));
    EXPECT_EQ(query(c, states::sqlVariantOptions("1", "A1", "")).size(), 10u);
    const Rows first = query(c, states::sqlVariantOptions("1", "A1", "COL-MAGLIA"));
    ASSERT_EQ(first, (Rows{{"BLU"}, {"GRI"}, {"ROS"}, {"VER"}, {"CAM"}}));

    drop("#TMP_VARIANTE1");
    c.execute("CREATE TABLE #TMP_VARIANTE1([" + first[0][0] + "] DECIMAL(18,0) NULL)");
    for (std::size_t i = 1; i < first.size(); ++i)
        c.execute("ALTER TABLE #TMP_VARIANTE1 ADD [" + first[i][0] + "] DECIMAL(18,0) NULL");
    drop("#TMP_VARIANTE2");
    c.execute(states::sqlSecondVariantRows("1", "A0", "TG-LETTERE", "Taglia"));
    drop("#TMP_CROSSVAR");
    c.execute(states::kSqlCrossJoin);
    EXPECT_EQ(
        columnNames(c, "SELECT * FROM #TMP_CROSSVAR WHERE 1 = 0"),
        (std::vector<std::string>{"Taglia", "MG5E_DESCR", "BLU", "GRI", "ROS", "VER", "CAM"}));

    // The pair's combinations fill the cells; one for an option outside the
    // grouping fails and is skipped.
    const Rows combos = query(c, states::sqlPairStates("1", "= 'MAGLIA-001'", "A0", "A1"));
    ASSERT_EQ(combos.size(), 4u);
    int failed = 0;
    for (const auto& row : combos) {
        // Columns: IDPROV, DITTA, CODART, VAR1, RAGGR1, OPZ1, VAR2, RAGGR2, OPZ2, STATO.
        if (!dbtest::stateOf(c, states::sqlCrossCell(row[8], row[9], "Taglia", row[5])).empty())
            ++failed;
    }
    EXPECT_EQ(failed, 1);  // BIA is not in the grouping
    EXPECT_EQ(query(c, "SELECT Taglia, MG5E_DESCR, BLU, GRI, ROS, VER, CAM FROM #TMP_CROSSVAR"),
              (Rows{{"XS", "Extra small", "NULL", "NULL", "4", "NULL", "NULL"},
                    {"S", "Small", "NULL", "NULL", "NULL", "5", "NULL"},
                    {"M", "Medium", "NULL", "NULL", "NULL", "NULL", "NULL"},
                    {"L", "Large", "NULL", "NULL", "NULL", "NULL", "NULL"},
                    {"XL", "Extra large", "NULL", "NULL", "NULL", "NULL", "7"},
                    {"XXL", "Extra extra large", "NULL", "NULL", "NULL", "NULL", "NULL"}}));
    EXPECT_EQ(query(c, states::sqlPairStates("1", "IS NULL", "A0", "A1")).size(), 1u);
    // Without a grouping the second variant lists all its options.
    drop("#TMP_VARIANTE2");
    c.execute(states::sqlSecondVariantRows("1", "A0", "", "Taglia"));
    EXPECT_EQ(count(c, "#TMP_VARIANTE2"),
              count(c, "MG5E_OPZIONI", "MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = 'A0'"));

    // Captions of the option columns.
    EXPECT_EQ(query(c, states::sqlOptionCaption("1", "A1", "", "VER")), (Rows{{"Verde bosco"}}));
    EXPECT_EQ(query(c, states::sqlOptionCaption("1", "A1", "COL-MAGLIA", "VER")),
              (Rows{{"Verde bottiglia"}}));

    // The cross recordset, detached, edits a cell; the cell is then saved.
    db::Recordset cross;
    cross.open("SELECT * FROM #TMP_CROSSVAR", c);
    EXPECT_EQ(cross.recordCount(), 6);

    const std::string defaultState = states::sqlPairDefaultState("1", "= 'MAGLIA-001'", "A0", "A1");
    EXPECT_EQ(query(c, defaultState), (Rows{{"1", "DISP", "1"}}));

    // A cell set to a state: no row yet, so one is added.
    const std::string where =
        states::sqlCombinationCondition("1", "= 'MAGLIA-001'", "A0", "M", "A1", "GRI");
    db::Recordset state;
    state.open(states::sqlStateRow("MG5W_PROVSTATI", where), c);
    EXPECT_EQ(state.recordCount(), 0);
    state.addNew();
    state.setValue("MG5W_DITTA_CG18", 1);
    state.setValue("MG5W_CODART_MG66", "MAGLIA-001");
    state.setValue("MG5W_CODICEVAR1_MG5F", "A0");
    state.setValue("MG5W_RAGGR1_MG5G", db::Value::null());
    state.setValue("MG5W_OPZIONE1_MG5E", "M");
    state.setValue("MG5W_CODICEVAR2_MG5F", "A1");
    state.setValue("MG5W_RAGGR2_MG5G", db::Value::null());
    state.setValue("MG5W_OPZIONE2_MG5E", "GRI");
    state.setValue("MG5W_IDSTATOVAR_MG5V", 6);
    state.updateBatch();
    EXPECT_EQ(state.value("MG5W_IDPROV").toText(), "20");
    EXPECT_EQ(query(c, "SELECT MG5W_IDSTATOVAR_MG5V FROM MG5W_PROVSTATI" + where), (Rows{{"6"}}));
    // State 0 deletes it.
    EXPECT_EQ(c.execute(states::sqlDeleteStateRow("MG5W_PROVSTATI", where)), 1);
    EXPECT_EQ(
        c.execute(states::sqlDeleteStateRow(
            "MG5W_PROVSTATI", states::sqlPairDefaultCondition("1", "= 'MAGLIA-001'", "A0", "A1"))),
        1);
    // A pasted cell is written as one row with its literals.
    EXPECT_EQ(
        c.execute(states::sqlInsertStateRow("MG5W_PROVSTATI", {{"MG5W_DITTA_CG18", "1"},
                                                               {"MG5W_CODICEVAR1_MG5F", "'A0'"},
                                                               {"MG5W_OPZIONE1_MG5E", "'M'"},
                                                               {"MG5W_CODICEVAR2_MG5F", "'A1'"},
                                                               {"MG5W_OPZIONE2_MG5E", "'GRI'"},
                                                               {"MG5W_CODART_MG66", "'MAGLIA-001'"},
                                                               {"MG5W_IDSTATOVAR_MG5V", "7"}})),
        1);
    EXPECT_EQ(query(c, "SELECT MG5W_IDSTATOVAR_MG5V FROM MG5W_PROVSTATI" + where), (Rows{{"7"}}));
    EXPECT_EQ(query(c, defaultState), Rows{});
    EXPECT_EQ(query(c, states::sqlPairDefaultState("1", "IS NULL", "A0", "A1")),
              (Rows{{"1", "DISP", "1"}}));
}

TEST_P(StateStatements, CombinationListThroughItsWorkTable) {
    using namespace states;
    drop("#TMP_COMBI");
    c.execute(sqlCombinationRows("1", "= 'MAGLIA-001'", "A0", "A1", "TG-LETTERE", "COL-MAGLIA"));
    c.execute(sqlCombinationOptionColumn("OPZIONE1"));
    c.execute(sqlCombinationOptionColumn("OPZIONE2"));
    const std::string pk = common::NewWorkTableKeyName(c);
    ASSERT_EQ(pk.size(), 34u);
    c.execute(sqlCombinationKey(pk));

    const std::string listSql = sqlCombinationList("1", "= 'MAGLIA-001'", "A0", "A1");
    db::Recordset list;
    list.open(listSql, c);
    ASSERT_EQ(list.recordCount(), 4);
    std::string seen;
    for (list.moveFirst(); !list.eof(); list.moveNext())
        seen += text(list.value("OPZIONE1")) + "/" + text(list.value("OPZIONE2")) + "=" +
                text(list.value("CODICE_STATO")) + " " + text(list.value("DESCR_OPZIONE2")) + ";";
    EXPECT_EQ(seen,
              "S/VER=SALDI25 Verde bottiglia;XL/CAM=CAMP Cammello;XS/ROS=BLOCC Rosso "
              "bordeaux;XXL/BIA=ESAUR Bianco;");
    list.moveFirst();
    EXPECT_EQ(list.value("CHIAVE").toText(),
              "S" + std::string(19, ' ') + "VER" + std::string(17, ' '));
    EXPECT_TRUE(list.field(list.fieldIndex("OPZIONE1")).key);
    EXPECT_TRUE(list.field(list.fieldIndex("MG5W_IDPROV")).key);

    // A changed state is written to the real table and the work table.
    list.setValue("MG5W_IDSTATOVAR_MG5V", 1);
    list.setValue("CODICE_STATO", "DISP");
    list.setValue("DESCRI_STATO", "Disponibile");
    // A new combination goes into both as well, its generated key read back.
    list.addNew();
    list.setValue("MG5W_DITTA_CG18", 1);
    list.setValue("MG5W_CODICEVAR1_MG5F", "A0");
    list.setValue("MG5W_CODICEVAR2_MG5F", "A1");
    list.setValue("MG5W_CODART_MG66", "MAGLIA-001");
    list.setValue("MG5W_OPZIONE1_MG5E", "M");
    list.setValue("MG5W_OPZIONE2_MG5E", "GRI");
    list.setValue("MG5W_IDSTATOVAR_MG5V", 2);
    list.setValue("DITTA", 1);
    list.setValue("OPZIONE1", "M");
    list.setValue("OPZIONE2", "GRI");
    list.setValue("CHIAVE", "MGRI");
    list.updateBatch();
    EXPECT_FALSE(list.value("MG5W_IDPROV").isEmptyOrNull());
    EXPECT_EQ(query(c,
                    "SELECT MG5W_OPZIONE1_MG5E, MG5W_IDSTATOVAR_MG5V FROM MG5W_PROVSTATI WHERE "
                    "MG5W_DITTA_CG18 = 1 AND MG5W_CODART_MG66 = 'MAGLIA-001' AND MG5W_TIPODEFAULT "
                    "IS NULL AND "
                    "MG5W_CODICEVAR1_MG5F = 'A0' AND MG5W_CODICEVAR2_MG5F = 'A1' ORDER BY 1"),
              (Rows{{"M", "2"}, {"S", "1"}, {"XL", "7"}, {"XS", "4"}, {"XXL", "3"}}));
    EXPECT_EQ(
        query(c, "SELECT OPZIONE1, CODICE_STATO FROM #TMP_COMBI ORDER BY OPZIONE1"),
        (Rows{{"M", "NULL"}, {"S", "DISP"}, {"XL", "CAMP"}, {"XS", "BLOCC"}, {"XXL", "ESAUR"}}));

    // Deleting a row: both tables in one batch.
    // Another row of the same pair is found, the row itself is not.
    EXPECT_EQ(
        query(c, sqlOtherCombinations("1", "= 'MAGLIA-001'", "A0", "XS", "A1", "ROS", "")).size(),
        1u);
    const std::string id =
        query(c, sqlOtherCombinations("1", "= 'MAGLIA-001'", "A0", "XS", "A1", "ROS", ""))[0][0];
    EXPECT_EQ(query(c, sqlOtherCombinations("1", "= 'MAGLIA-001'", "A0", "XS", "A1", "ROS", id)),
              Rows{});
    EXPECT_EQ(c.execute(sqlDeleteCombination("1", "A0", "XS", "A1", "ROS", "MAGLIA-001")), 2);
    list.requery();
    EXPECT_EQ(list.recordCount(), 4);
    // The general row of the same pair is another row: untouched.
    EXPECT_EQ(count(c, "MG5W_PROVSTATI",
                    "MG5W_CODART_MG66 IS NULL AND MG5W_OPZIONE1_MG5E = 'XS' AND "
                    "MG5W_OPZIONE2_MG5E = 'GRI'"),
              1);
}

TEST_P(StateStatements, GroupingOptionAndSeasonStates) {
    using namespace states;
    drop("#TMP_STATIRAGGR");
    c.execute(sqlGroupingStates("1", "MAGLIA-001", "A0", true));
    auto groupingRows = [&] {
        Rows out;
        for (const auto& r :
             query(c, "SELECT * FROM #TMP_STATIRAGGR ORDER BY ORDINAMENTO, RAGGRUPPAMENTO"))
            out.push_back({r[0], r[1], r[2], r[3]});
        return out;
    };
    EXPECT_EQ(groupingRows(), (Rows{{"", "<< TUTTI >>", "0", "1"},
                                    {"TG-LETTERE", "Taglie a lettere XS-XXL", "1", "1"}}));
    EXPECT_EQ(columnNames(c, "SELECT * FROM #TMP_STATIRAGGR"),
              (std::vector<std::string>{"RAGGRUPPAMENTO", "MG5G_DESCRRAGGVAR", "ORDINAMENTO",
                                        "STATO", "MG5W_IDPROV", "MG5W_DITTA_CG18"}));
    EXPECT_EQ(query(c,
                    "SELECT LEN(RAGGRUPPAMENTO + 'x') FROM #TMP_STATIRAGGR WHERE ORDINAMENTO "
                    "= 0"),
              (Rows{{"26"}}));

    // All items: the first part for the rows without an item, and every
    // grouping of the variant.
    drop("#TMP_STATIRAGGR");
    c.execute(sqlGroupingStates("1", "MAGLIA-001", "A1", false));
    EXPECT_EQ(groupingRows(), (Rows{{"", "<< TUTTI >>", "0", "1"},
                                    {"COL-BASE", "Colori continuativi", "1", "1"},
                                    {"COL-MAGLIA", "Colori maglieria AI 2026", "1", "NULL"}}));

    // Options of the whole variant, and of one grouping.
    drop("#TMP_STATIOPZIONI");
    c.execute(sqlOptionStates("1", "= 'MAGLIA-001'", "A1", ""));
    const char* const options =
        "SELECT OPZIONE, STATO FROM #TMP_STATIOPZIONI WHERE STATO IS NOT NULL ORDER BY "
        "ORDINAMENTO";
    EXPECT_EQ(query(c, options), (Rows{{"ARA", "4"}}));
    EXPECT_EQ(count(c, "#TMP_STATIOPZIONI"), 10);
    drop("#TMP_STATIOPZIONI");
    c.execute(sqlOptionStates("1", "IS NULL", "A1", ""));
    EXPECT_EQ(query(c, options), (Rows{{"VER", "3"}}));

    drop("#TMP_STATIOPZIONI");
    c.execute(sqlOptionStates("1", "= 'MAGLIA-001'", "A1", "COL-MAGLIA"));
    EXPECT_EQ(query(c,
                    "SELECT OPZIONE, DESCR_OPZIONE, STATO FROM #TMP_STATIOPZIONI ORDER BY "
                    "ORDINAMENTO"),
              (Rows{{"BLU", "Blu notte", "NULL"},
                    {"GRI", "Grigio melange", "NULL"},
                    {"ROS", "Rosso bordeaux", "3"},
                    {"VER", "Verde bottiglia", "NULL"},
                    {"CAM", "Cammello", "NULL"}}));

    // Saving grouping and option rows: delete for state 0, add when missing.
    const std::string whole = sqlVariantStateCondition("1", "= 'MAGLIA-001'", "A0", "", "");
    EXPECT_EQ(c.execute(sqlDeleteStateRow("MG5W_PROVSTATI", whole)), 1);
    const std::string condition = sqlVariantStateCondition("1", "IS NULL", "A1", "COL-BASE", "");
    db::Recordset rs;
    rs.open(sqlStateRow("MG5W_PROVSTATI", condition), c);
    ASSERT_EQ(rs.recordCount(), 1);
    rs.setValue("MG5W_IDSTATOVAR_MG5V", 4);
    rs.updateBatch();
    EXPECT_EQ(query(c, "SELECT MG5W_IDSTATOVAR_MG5V FROM MG5W_PROVSTATI" + condition),
              (Rows{{"4"}}));
    EXPECT_EQ(c.execute(sqlDeleteStateRow("MG5W_PROVSTATI", condition)), 1);
    rs.requery();
    EXPECT_EQ(rs.recordCount(), 0);
    rs.addNew();
    rs.setValue("MG5W_DITTA_CG18", 1);
    rs.setValue("MG5W_CODART_MG66", db::Value::null());
    rs.setValue("MG5W_CODICEVAR1_MG5F", "A1");
    rs.setValue("MG5W_RAGGR1_MG5G", "COL-BASE");
    rs.setValue("MG5W_IDSTATOVAR_MG5V", 5);
    rs.updateBatch();
    EXPECT_EQ(query(c, "SELECT MG5W_IDSTATOVAR_MG5V FROM MG5W_PROVSTATI" + condition),
              (Rows{{"5"}}));

    // Seasons.
    EXPECT_EQ(query(c, sqlSeasonByCode("1", "ai2026")), (Rows{{"4"}}));
    EXPECT_EQ(query(c, sqlSeasonByCode("2", "AI2026")), Rows{});
    drop("#TMP_STATISTAGIONI");
    c.execute(sqlSeasonOptionStates("1", "MAGLIA-002", "A0", "4", ""));
    const char* const seasonRows =
        "SELECT OPZIONE, DESCR_OPZIONE, STATO FROM #TMP_STATISTAGIONI WHERE STATO IS NOT NULL "
        "ORDER BY ORDINAMENTO";
    EXPECT_EQ(query(c, seasonRows), (Rows{{"XS", "Extra small", "3"}}));
    EXPECT_EQ(count(c, "#TMP_STATISTAGIONI"), 14);
    drop("#TMP_STATISTAGIONI");
    c.execute(sqlSeasonOptionStates("1", "MAGLIA-001", "A1", "4", "COL-MAGLIA"));
    EXPECT_EQ(query(c, "SELECT OPZIONE, STATO FROM #TMP_STATISTAGIONI ORDER BY ORDINAMENTO"),
              (Rows{{"BLU", "2"}, {"GRI", "2"}, {"ROS", "3"}, {"VER", "NULL"}, {"CAM", "6"}}));
    EXPECT_EQ(c.execute(sqlDeleteStateRow(
                  "MG5U_VARSTAG",
                  sqlSeasonStateCondition("1", "4", "A1", "MAGLIA-001", "COL-MAGLIA", "CAM"))),
              1);
    EXPECT_EQ(count(c, "MG5U_VARSTAG", "MG5U_OPZIONE_MG5E = 'CAM'"), 0);
}

VELDRANO_ON_BOTH_BACKENDS(StateStatements);

}  // namespace
}  // namespace demo::test
