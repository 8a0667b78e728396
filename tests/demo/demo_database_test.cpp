#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "demo/embedded_sql.h"
#include "demo/sql_batches.h"
#include "demo_test_support.h"
#include "platform/db/errors.h"

namespace demo::test {
namespace {

TEST(DemoDatabase, SchemaAndDataLoadWithTheExpectedRows) {
    db::Connection c;
    openDemo(c);
    const std::map<std::string, long long> expected = {
        {"CG18_ANADITTABASE", 2}, {"MG66_ANAGRART", 16},   {"MG6B_GESVARART", 38},
        {"MG5F_DIMECONF", 7},     {"MG5E_OPZIONI", 43},    {"MG5G_RAGGVAR", 7},
        {"MG5H_COMPRAGVAR", 31},  {"MG5S_VARCLIFOR", 19},  {"MG5V_STATIVAR", 9},
        {"MG5W_PROVSTATI", 19},   {"MG5U_VARSTAG", 11},    {"MG73_ARTCLIFOR", 12},
        {"MG87_ARTDESC", 53},     {"MG70_MAGPROQTA", 225}, {"MG7E_CLAVPROQTA", 21},
        {"PD95_DISBA", 13},       {"CG44_CLIFOR", 12},     {"MG01_PARAMDITTA", 2}};
    for (const auto& [table, rows] : expected)
        EXPECT_EQ(count(c, table), rows) << table;

    // The showcase item has what every tab needs.
    const std::string item = "MG66_DITTA_CG18 = 1 AND MG66_CODART = 'MAGLIA-001'";
    EXPECT_EQ(count(c, "MG66_ANAGRART", item + " AND MG66_FLGVARART = 1"), 1);
    EXPECT_EQ(count(c, "MG6B_GESVARART",
                    "MG6B_DITTA_CG18 = 1 AND MG6B_CODART_MG66 = 'MAGLIA-001' AND "
                    "MG6B_FLGGESTVAR = 1"),
              2);
    EXPECT_GT(count(c, "MG70_MAGPROQTA",
                    "MG70_CODART_MG66 = 'MAGLIA-001' AND MG70_TIPOPROG = 2 AND MG70_ANNO = 2025"),
              0);
    EXPECT_GT(
        count(c, "MG7E_CLAVPROQTA", "MG7E_CODART_MG66 = 'MAGLIA-001' AND MG7E_INDCLAVATTPAS = 1"),
        0);
    EXPECT_GT(
        count(c, "MG73_ARTCLIFOR", "MG73_CODART_MG66 = 'MAGLIA-001' AND MG73_TIPOCF_CG44 = 0"), 0);
    EXPECT_GT(
        count(c, "MG73_ARTCLIFOR", "MG73_CODART_MG66 = 'MAGLIA-001' AND MG73_TIPOCF_CG44 = 1"), 0);
    EXPECT_EQ(count(c, "MG87_ARTDESC",
                    "MG87_CODART_MG66 = 'MAGLIA-001' AND MG87_OPZIONE_MG5E = '' AND "
                    "MG87_LINGUA_MG52 <> ''"),
              3);
    // One state has expired, one is not active.
    EXPECT_EQ(count(c, "MG5V_STATIVAR", "MG5V_DATAFINE < '2026-01-01'"), 1);
    EXPECT_EQ(count(c, "MG5V_STATIVAR", "MG5V_DITTA_CG18 = 1 AND ISNULL(MG5V_ATTIVO, 0) = 0"), 2);
}

TEST(DemoDatabase, SlotStartsFollowVariantCodeOrder) {
    db::Connection c;
    openDemo(c);
    const auto result = c.run(R"sql(
SELECT MG5F_DITTA_CG18, MG5F_CODICEVAR,
       (SELECT (CASE WHEN SUM(INIZIO.MG5F_SIZE) IS NULL THEN 1 ELSE SUM (INIZIO.MG5F_SIZE) + 1 END)
        FROM MG5F_DIMECONF AS INIZIO WITH (NOLOCK)
        WHERE INIZIO.MG5F_DITTA_CG18 = MG5F_DIMECONF.MG5F_DITTA_CG18 AND
              INIZIO.MG5F_CODICEVAR  < MG5F_DIMECONF.MG5F_CODICEVAR) AS MG5F_START
FROM MG5F_DIMECONF WITH (NOLOCK)
ORDER BY MG5F_DITTA_CG18, MG5F_CODICEVAR)sql");
    std::vector<std::string> starts;
    for (const auto& row : result.resultSets.at(0).rows)
        starts.push_back(row[0].toText() + text(row[1]) + "=" + row[2].toText());
    EXPECT_EQ(starts, (std::vector<std::string>{"1A0=1", "1A1=4", "1A2=7", "1A3=9", "2A0=1",
                                                "2A1=3", "2B0=7"}));
    // Every composed code of company 1 is as wide as all its slots.
    EXPECT_EQ(
        count(c, "MG70_MAGPROQTA", "MG70_DITTA_CG18 = 1 AND LEN(MG70_OPZIONE_MG5E + 'x') <> 13"),
        0);
}

TEST(DemoDatabase, DeletingAnOptionInUseIsRefusedAndKeepsIt) {
    db::Connection c;
    openDemo(c);
    const std::string blu =
        "MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = 'A1' AND MG5E_OPZIONE = 'BLU'";
    try {
        c.execute("DELETE FROM MG5E_OPZIONI WHERE " + blu);
        FAIL() << "an option in a grouping was deleted";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.sqlState(), db::sqlstate::kIntegrity);
    }
    EXPECT_EQ(count(c, "MG5E_OPZIONI", blu), 1);
    EXPECT_EQ(count(c, "MG5H_COMPRAGVAR", "MG5H_OPZIONE_MG5E = 'BLU'"), 2);

    // Used by a state row only: refused as well.
    const std::string ara =
        "MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = 'A1' AND MG5E_OPZIONE = 'ARA'";
    EXPECT_THROW(c.execute("DELETE FROM MG5E_OPZIONI WHERE " + ara), db::DbError);
    EXPECT_EQ(count(c, "MG5E_OPZIONI", ara), 1);
    // An option nobody uses goes.
    EXPECT_EQ(c.execute("DELETE FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND "
                        "MG5E_CODICEVAR_MG5F = 'A1' AND MG5E_OPZIONE = 'AZZ'"),
              1);
}

TEST(DemoDatabase, CreatesTheFileOnceAndLeavesItAlone) {
    const auto dir = std::filesystem::path(VELDRANO_BINARY_DIR) / "tests-demo" / "create";
    std::filesystem::remove_all(dir);
    const std::string path = (dir / "sub" / "demo.db").string();
    createDemoDatabase(path);
    ASSERT_TRUE(std::filesystem::exists(path));
    {
        db::Connection c;
        c.open("Data Source=" + path);
        EXPECT_EQ(count(c, "MG66_ANAGRART"), 16);
        c.execute("DELETE FROM MG87_ARTDESC WHERE MG87_LINGUA_MG52 = 'TEDE'");
    }
    createDemoDatabase(path);  // exists: untouched, not reloaded
    db::Connection c;
    c.open("Data Source=" + path);
    EXPECT_EQ(count(c, "MG66_ANAGRART"), 16);
    EXPECT_EQ(count(c, "MG87_ARTDESC", "MG87_LINGUA_MG52 = 'TEDE'"), 0);
    c.close();
    std::filesystem::remove_all(dir);
}

// A file made by an older program lacks tables and rows this one reads: it
// is made again, and a current one keeps the user's changes.
TEST(DemoDatabase, AnOutdatedFileIsMadeAgainAndACurrentOneKept) {
    const auto dir = std::filesystem::path(VELDRANO_BINARY_DIR) / "tests-demo" / "version";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "demo.db").string();
    ASSERT_NE(demoVersion(), 0);
    EXPECT_EQ(databaseVersion(path), 0);  // no file

    // The file made again as a whole: stamped, no new file left beside it,
    // every item there.
    const auto expectMadeWhole = [&] {
        createDemoDatabase(path);
        EXPECT_EQ(databaseVersion(path), demoVersion());
        EXPECT_FALSE(std::filesystem::exists(path + ".new"));
        db::Connection c;
        c.open("Data Source=" + path);
        EXPECT_EQ(count(c, "MG66_ANAGRART"), 16);
    };

    // An older program's file: one table, one item, no stamp.
    {
        db::Connection c;
        c.open("Data Source=" + path + ";Mode=ReadWriteCreate");
        c.execute(
            "CREATE TABLE MG66_ANAGRART (MG66_DITTA_CG18 INT, MG66_CODART VARCHAR(25), "
            "MG66_DESCART VARCHAR(80))");
        c.execute("INSERT INTO MG66_ANAGRART VALUES (1, 'VECCHIO', 'Articolo di una volta')");
    }
    EXPECT_EQ(databaseVersion(path), 0);
    expectMadeWhole();
    {
        db::Connection c;
        c.open("Data Source=" + path);
        EXPECT_EQ(count(c, "MG66_ANAGRART", "MG66_CODART = 'VECCHIO'"), 0);
        EXPECT_EQ(count(c, "MG5W_PROVSTATI"), 19);
        // The user's change to a current file...
        c.execute(
            "UPDATE MG66_ANAGRART SET MG66_DESCART = 'Cambiata' WHERE MG66_CODART = "
            "'MAGLIA-001'");
    }
    createDemoDatabase(path);  // ...stays
    {
        db::Connection c;
        c.open("Data Source=" + path);
        EXPECT_EQ(count(c, "MG66_ANAGRART", "MG66_DESCART = 'Cambiata'"), 1);
    }

    // Stamped by other scripts (a newer or older program): made again.
    {
        db::Connection c;
        c.open("Data Source=" + path);
        c.execute("DELETE FROM MG87_ARTDESC");
    }
    {
        sqlite3* handle = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &handle), SQLITE_OK);
        const std::string sql = "PRAGMA user_version = " + std::to_string(demoVersion() + 1);
        EXPECT_EQ(sqlite3_exec(handle, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(handle);
    }
    createDemoDatabase(path);
    EXPECT_EQ(databaseVersion(path), demoVersion());
    {
        db::Connection c;
        c.open("Data Source=" + path);
        EXPECT_EQ(count(c, "MG87_ARTDESC"), 53);
        EXPECT_EQ(count(c, "MG66_ANAGRART", "MG66_DESCART = 'Cambiata'"), 0);
    }

    // Not a database at all, and a half-written new file of an interrupted
    // run left beside it: both replaced by a whole database.
    {
        std::ofstream(path, std::ios::trunc) << "appunti, non un database";
        std::ofstream(path + ".new") << "resto di un'esecuzione interrotta";
    }
    EXPECT_EQ(databaseVersion(path), 0);
    expectMadeWhole();
    std::filesystem::remove_all(dir);
}

TEST(DemoDatabase, DefaultPathFollowsXdgDataHome) {
    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_DATA_HOME", "/tmp/xdg-demo", 1);
    EXPECT_EQ(defaultDatabasePath(), "/tmp/xdg-demo/veldrano/demo.db");
    unsetenv("XDG_DATA_HOME");
    EXPECT_NE(defaultDatabasePath().find(".local/share/veldrano/demo.db"), std::string::npos);
    if (old)
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
}

TEST(SqlBatches, SplitsOnGoLinesAndDropsComments) {
    const auto batches = splitBatches(
        "-- heading\nCREATE TABLE T (A INT) -- trailing\nGO\n  go  \n"
        "INSERT INTO T VALUES ('it''s -- not a comment')\nGO\nSELECT 1");
    ASSERT_EQ(batches.size(), 3u);
    EXPECT_EQ(batches[0], "CREATE TABLE T (A INT)");
    EXPECT_EQ(batches[1], "INSERT INTO T VALUES ('it''s -- not a comment')");
    EXPECT_EQ(batches[2], "SELECT 1");
    // A GO line inside a literal is text of the literal.
    EXPECT_EQ(splitBatches("SELECT 'a\nGO\nb'\nGO\nSELECT 2").size(), 2u);
    // "--" inside a /* */ comment (nested ones too) ends nothing; a GO line
    // inside it separates nothing; names in brackets hold any character.
    const auto commented =
        splitBatches("SELECT 1 /* a -- b\n/* inner -- */\nGO\n*/ AS [x--'y]\nGO\nSELECT 2 -- last");
    ASSERT_EQ(commented.size(), 2u);
    EXPECT_EQ(commented[0], "SELECT 1 /* a -- b\n/* inner -- */\nGO\n*/ AS [x--'y]");
    EXPECT_EQ(commented[1], "SELECT 2");
    // The embedded scripts are the files of the source tree.
    EXPECT_GT(splitBatches(schemaSql()).size(), 30u);
    EXPECT_NE(sqlServerObjectsSql().find("CREATE PROCEDURE dbo.SPMG_COMBIVAR"), std::string::npos);
}

}  // namespace
}  // namespace demo::test
