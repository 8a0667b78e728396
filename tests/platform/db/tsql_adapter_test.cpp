// The T-SQL adapter checked by what statements do on a real embedded
// database, never by the text they are translated into.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "db_test_support.h"
#include "platform/db/host_objects.h"

using namespace dbtest;

namespace {

class Adapter : public dbtest::BackendTest {
protected:
    void prepare() override {
        c.execute(
            "CREATE TABLE ART (DITTA DECIMAL(5,0) NOT NULL, CODART CHAR(10) NOT NULL, "
            "DESCR VARCHAR(20) NULL, PREZZO DECIMAL(10,2) NULL, DATA DATETIME NULL, "
            "CONSTRAINT PK_ART PRIMARY KEY (DITTA, CODART))");
        c.execute(
            "INSERT INTO ART (DITTA, CODART, DESCR, PREZZO, DATA) VALUES "
            "(1, 'A1', 'Maglia', 12.5, '2024-03-05'), (1, 'b2', N'Gonna dell''Arco', 30, NULL), "
            "(2, 'A1', 'Altra ditta', 1.25, '2023-12-31 10:30')");
    }
};

TEST_P(Adapter, TextFollowsSqlServerRules) {
    // CHAR is stored blank-padded; comparisons ignore case and trailing blanks.
    EXPECT_EQ(scalar(c, "SELECT CODART + '|' FROM ART WHERE DITTA = 1 AND CODART = 'a1'"),
              "A1        |");
    EXPECT_EQ(scalar(c, "SELECT LEN(CODART) FROM ART WHERE CODART = 'B2   ' AND DITTA = 1"), "2");
    EXPECT_EQ(scalar(c, "SELECT DESCR FROM ART WHERE DESCR = 'GONNA DELL''ARCO'"),
              "Gonna dell'Arco");
    // '+' adds numbers and joins text, by the values' types.
    EXPECT_EQ(rows(c,
                   "SELECT DITTA + 1, RTRIM(CODART) + '-' + DESCR, '0' + CONVERT(CHAR(1), 5) "
                   "FROM ART WHERE DITTA = 1 AND CODART = 'A1'"),
              (Rows{{"2", "A1-Maglia", "05"}}));
    EXPECT_EQ(scalar(c, "SELECT '12' + 1"), "13");
    EXPECT_EQ(stateOf(c, "SELECT 'abc' + 1"), "22018");
    EXPECT_EQ(scalar(c, "SELECT ISNULL(NULL + 'x', 'null wins')"), "null wins");
    // Text joined to text, in a chain, compared and given a null.
    EXPECT_EQ(scalar(c,
                     "SELECT COUNT(*) FROM ART WHERE RTRIM(CODART) + CONVERT(VARCHAR(5), DITTA) + "
                     "'x' = 'a11X'"),
              "1");
    EXPECT_EQ(scalar(c,
                     "SELECT ISNULL(DESCR + CONVERT(VARCHAR(5), NULL), 'null') FROM ART WHERE "
                     "DITTA = 2"),
              "null");
    EXPECT_EQ(
        scalar(c, "SELECT LEFT(CODART + REPLICATE(' ', 4), 4) + '|' FROM ART WHERE DITTA = 2"),
        "A1  |");
    EXPECT_EQ(rows(c, "DECLARE @v VARCHAR(5) = '12'; SELECT @v + '3', @v + 3"),
              (Rows{{"123", "15"}}));
    // Too long for the column: refused, nothing written.
    EXPECT_EQ(stateOf(c, "INSERT INTO ART (DITTA, CODART) VALUES (3, 'ELEVENCHARS')"), "22001");
    EXPECT_EQ(stateOf(c, "UPDATE ART SET DESCR = REPLICATE('x', 21) WHERE DITTA = 1"), "22001");
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM ART WHERE DITTA = 3 OR DESCR LIKE 'xxx%'"), "0");
    // Trailing blanks beyond the width are not an overflow.
    EXPECT_EQ(stateOf(c, "INSERT INTO ART (DITTA, CODART) VALUES (3, 'TENCHARS10   ')"), "");
    // A table made by SELECT ... INTO keeps the same rules for what is
    // written into it afterwards.
    c.execute("SELECT CODART, DESCR INTO #COPY FROM ART WHERE DITTA = 1");
    c.execute("INSERT INTO #COPY (CODART, DESCR) VALUES ('x', 'y')");
    EXPECT_EQ(scalar(c, "SELECT CODART + '|' FROM #COPY WHERE CODART = 'X'"), "x         |");
    EXPECT_EQ(stateOf(c, "UPDATE #COPY SET CODART = 'ELEVENCHARS' WHERE CODART = 'x'"), "22001");
    EXPECT_EQ(stateOf(c,
                      "UPDATE c SET c.DESCR = REPLICATE('z', 21) FROM #COPY c WHERE c.CODART = "
                      "'x'"),
              "22001");
    EXPECT_EQ(scalar(c, "SELECT DESCR FROM #COPY WHERE CODART = 'x'"), "y");
}

TEST_P(Adapter, CaseIsFoldedForAccentedLettersInComparisonsAndOrder) {
    c.execute("CREATE TABLE PAROLE (P VARCHAR(20) NOT NULL)");
    c.execute(
        "INSERT INTO PAROLE (P) VALUES ('città'), ('CITTÀ  '), ('Città'), ('cittb'), ('citta'), "
        "('Z'), ('é')");
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM PAROLE WHERE P = 'CITTÀ'"), "3");
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM (SELECT P FROM PAROLE GROUP BY P) G"), "5");
    // The default collation's order: accented letters next to their base
    // letter, after it (citta < città < cittb), case ignored.
    const Rows sorted = rows(c, "SELECT P FROM PAROLE ORDER BY P");
    ASSERT_EQ(sorted.size(), 7u);
    EXPECT_EQ(sorted[0][0], "citta");
    EXPECT_EQ(sorted[4][0], "cittb");
    EXPECT_EQ(sorted[5][0], "é");
    EXPECT_EQ(sorted[6][0], "Z");
}

TEST_P(Adapter, LiteralsRoundTripAndShapesShareTranslations) {
    const std::string tricky = "d'Arco -- /* [x] ''";
    std::string quoted;
    for (char ch : tricky)
        quoted += ch == '\'' ? std::string("''") : std::string(1, ch);
    c.execute("UPDATE ART SET DESCR = N'" + quoted + "' WHERE DITTA = 2");
    EXPECT_EQ(scalar(c, "SELECT DESCR FROM ART WHERE DITTA = 2"), tricky);
    // Same shape, other literals: each run answers for its own values.
    for (const char* code : {"A1", "B2", "ZZ"}) {
        const auto r = rows(c, std::string("SELECT RTRIM(CODART) FROM ART WHERE DITTA = 1 AND "
                                           "CODART = '") +
                                   code + "'");
        EXPECT_EQ(r.size(), std::string(code) == "ZZ" ? 0u : 1u) << code;
    }
    // A quoted alias names the column, whatever the text.
    auto one = c.run("SELECT CODART AS 'Codice' FROM ART WHERE DITTA = 2");
    auto two = c.run("SELECT CODART AS 'Articolo' FROM ART WHERE DITTA = 2");
    EXPECT_EQ(one.resultSets[0].columns[0].name, "Codice");
    EXPECT_EQ(two.resultSets[0].columns[0].name, "Articolo");
}

// A DECIMAL column keeps its values as doubles: each comes back as the
// number of its scale it stands for, at that scale, whatever its size or sign;
// a double between two such numbers is rounded half away from zero.
TEST_P(Adapter, DecimalsComeBackAtTheirScale) {
    c.execute("CREATE TABLE Q (K INT NOT NULL PRIMARY KEY, V DECIMAL(16, 3) NULL)");
    c.execute(
        "INSERT INTO Q (K, V) VALUES (1, 12.25), (2, -0.5), (3, 0), (4, 123456789012.345), "
        "(5, -999999999999.999), (6, 0.001), (7, NULL), (8, 0.999)");
    c.execute("INSERT INTO Q (K, V) VALUES (9, CAST(0.1 AS FLOAT) + CAST(0.2 AS FLOAT))");
    c.execute("INSERT INTO Q (K, V) VALUES (10, CAST(0.0005 AS FLOAT))");
    c.execute("INSERT INTO Q (K, V) VALUES (11, CAST(-2.0004999 AS FLOAT))");
    const std::vector<std::vector<std::string>> expected = {{"1", "12.250"},
                                                            {"2", "-0.500"},
                                                            {"3", "0.000"},
                                                            {"4", "123456789012.345"},
                                                            {"5", "-999999999999.999"},
                                                            {"6", "0.001"},
                                                            {"7", "NULL"},
                                                            {"8", "0.999"},
                                                            {"9", "0.300"},
                                                            {"10", "0.001"},
                                                            {"11", "-2.000"}};
    EXPECT_EQ(rows(c, "SELECT K, V FROM Q ORDER BY K"), expected);
    // Summed by the database, then read: the same rule.
    EXPECT_EQ(scalar(c, "SELECT SUM(V) FROM Q WHERE K IN (1, 2, 6)"), "11.751");
}

TEST_P(Adapter, FunctionsConvertAndDates) {
    EXPECT_EQ(rows(c,
                   "SELECT SUBSTRING('A0-000012', 4, 6), ISNUMERIC('000012'), ISNUMERIC('12a'), "
                   "STUFF('ABCDEF', 3, 2, '  '), LEFT('Maglia', 3), REPLICATE(' ', 2) + '|', "
                   "LEN('ab  '), RTRIM('ab  ') + '|'"),
              (Rows{{"000012", "1", "0", "AB  EF", "Mag", "  |", "2", "ab|"}}));
    EXPECT_EQ(rows(c,
                   "SELECT DAY(DATA), MONTH(DATA), YEAR(DATA), CONVERT(VARCHAR(10), DATA, 103) "
                   "FROM ART WHERE DITTA = 2"),
              (Rows{{"31", "12", "2023", "31/12/2023"}}));
    EXPECT_EQ(rows(c,
                   "SELECT CAST(0 AS DECIMAL(1, 0)), CONVERT(DECIMAL(18, 2), '2.345'), "
                   "CONVERT(CHAR(4), 12) + '|', CONVERT(INT, '42'), CAST(PREZZO AS INT) "
                   "FROM ART WHERE DITTA = 1 AND CODART = 'A1'"),
              (Rows{{"0", "2.35", "12  |", "42", "12"}}));
    EXPECT_EQ(stateOf(c, "SELECT CONVERT(INT, 'x1')"), "22018");
    // A date column compares with a date literal in any accepted form.
    for (const char* literal : {"'20240305'", "'2024-03-05'", "'2024-03-05 00:00:00.000'"})
        EXPECT_EQ(scalar(c, std::string("SELECT RTRIM(CODART) FROM ART WHERE DATA = ") + literal),
                  "A1")
            << literal;
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM ART WHERE DATA < '20240101'"), "1");
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM ART WHERE DATA <= GETDATE()"), "2");
    EXPECT_EQ(stateOf(c, "INSERT INTO ART (DITTA, CODART, DATA) VALUES (9, 'D', '2023-02-30')"),
              "22018");
    const std::string guid = scalar(c, "SELECT NEWID() AS PKNAME");
    EXPECT_EQ(guid.size(), 36u);
    EXPECT_EQ(guid[8], '-');
    // Money keeps its scale from the database to the value.
    auto money = c.run("SELECT PREZZO FROM ART WHERE DITTA = 1 ORDER BY CODART");
    EXPECT_EQ(money.resultSets[0].rows[0][0].toText(), "12.50");
    EXPECT_EQ(money.resultSets[0].rows[1][0].toText(), "30.00");
    EXPECT_EQ(money.resultSets[0].columns[0].scale, 2);
}

TEST_P(Adapter, TemporaryTablesBelongToTheirConnection) {
    c.execute("IF OBJECT_ID('tempdb..#TMP') IS NOT NULL DROP TABLE #TMP");
    c.execute(
        "SELECT *, CAST(0 AS DECIMAL(1, 0)) AS SELEZ INTO #TMP FROM ART WITH (NOLOCK) "
        "WHERE DITTA = 1");
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM #TMP WHERE SELEZ = 0"), "2");
    EXPECT_EQ(stateOf(c, "SELECT * INTO #TMP FROM ART"), "42S01");
    c.execute("IF OBJECT_ID('tempdb..#TMP') IS NOT NULL DROP TABLE #TMP");
    c.execute("IF OBJECT_ID('tempdb..#TMP') IS NOT NULL DROP TABLE #TMP");  // already gone
    EXPECT_EQ(stateOf(c, "SELECT * FROM #TMP"), "42S02");

    // A work table built again with other columns reads with its new ones,
    // through a statement the connection has run before.
    for (const char* columns : {"[S] DECIMAL(18,0) NULL", "[S] DECIMAL(18,0) NULL, [M] CHAR(3)"}) {
        c.execute("IF OBJECT_ID('tempdb..#SHAPE') IS NOT NULL DROP TABLE #SHAPE");
        c.execute(std::string("CREATE TABLE #SHAPE(") + columns + ")");
        c.execute("INSERT INTO #SHAPE (S) VALUES (7)");
    }
    const auto reshaped = c.run("SELECT * FROM #SHAPE").resultSets.at(0);
    ASSERT_EQ(reshaped.columns.size(), 2u);
    EXPECT_EQ(reshaped.columns[1].name, "M");
    EXPECT_TRUE(reshaped.rows.at(0).at(1).isNull());

    c.execute("CREATE TABLE #V1([S] DECIMAL(18,0) NULL)");
    c.execute("ALTER TABLE #V1 ADD [M] DECIMAL(18,0) NULL");
    c.execute("INSERT INTO #V1 VALUES (1, 2)");
    c.execute("TRUNCATE TABLE #V1");
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM #V1"), "0");

    const std::string shared = path("shared");
    db::Connection a, b;
    a.open(connectionString(shared, true));
    b.open(connectionString(shared));
    a.execute("CREATE TABLE #MINE (X INT)");
    EXPECT_EQ(stateOf(b, "SELECT * FROM #MINE"), "42S02");
    b.execute("CREATE TABLE #MINE (Y INT)");  // same name, its own table
}

TEST_P(Adapter, AlterTableRebuildsWithKeyAndType) {
    c.execute("SELECT DITTA, CODART AS OPZIONE1, DESCR INTO #TMP_COMBI FROM ART");
    c.execute(
        "ALTER TABLE #TMP_COMBI ALTER COLUMN OPZIONE1 CHAR(20) COLLATE DATABASE_DEFAULT "
        "NOT NULL");
    c.execute(
        "ALTER TABLE #TMP_COMBI ADD CONSTRAINT PK0123ABCD PRIMARY KEY CLUSTERED (DITTA, "
        "OPZIONE1)");
    auto rs = c.run("SELECT * FROM #TMP_COMBI WHERE DITTA = 1 ORDER BY OPZIONE1").resultSets[0];
    ASSERT_EQ(rs.rows.size(), 2u);
    EXPECT_EQ(rs.rows[0][1].toText(), std::string("A1") + std::string(18, ' '));
    EXPECT_TRUE(rs.columns[0].key);
    EXPECT_TRUE(rs.columns[1].key);
    EXPECT_FALSE(rs.columns[2].key);
    EXPECT_EQ(rs.columns[1].baseTable, "#TMP_COMBI");
    EXPECT_EQ(stateOf(c, "INSERT INTO #TMP_COMBI VALUES (1, 'a1', 'dup')"), "23000");
    // A failing rebuild leaves the table as it was.
    c.execute("SELECT DESCR INTO #NULLS FROM ART");
    c.execute("INSERT INTO #NULLS VALUES (NULL)");
    EXPECT_EQ(stateOf(c, "ALTER TABLE #NULLS ALTER COLUMN DESCR CHAR(20) NOT NULL"), "23000");
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM #NULLS"), "4");
}

TEST_P(Adapter, ColumnsAddedOneByOneKeepOrderRowsKeyAndRules) {
    // A work table grown a column at a time, as cross tables are: columns in
    // the order added, the rows and the key kept, text rules on new columns.
    c.execute("SELECT DITTA, CODART INTO #X FROM ART");
    c.execute("ALTER TABLE #X ADD CONSTRAINT PKX PRIMARY KEY (DITTA, CODART)");
    for (const char* col : {"[S]", "[M]", "[XL]"})
        c.execute(std::string("ALTER TABLE #X ADD ") + col + " DECIMAL(18,0) NULL");
    c.execute("ALTER TABLE #X ADD NOTA CHAR(3) NULL");
    // A column named twice or a missing table is refused at its own statement.
    EXPECT_EQ(stateOf(c, "ALTER TABLE #X ADD [m] DECIMAL(18,0) NULL"), "42S21");
    EXPECT_EQ(stateOf(c, "ALTER TABLE #NONE ADD [A] DECIMAL(18,0) NULL"), "42S02");
    auto rs = c.run("SELECT * FROM #X WHERE DITTA = 1 ORDER BY CODART").resultSets[0];
    ASSERT_EQ(rs.columns.size(), 6u);
    EXPECT_EQ(rs.columns[2].name, "S");
    EXPECT_EQ(rs.columns[4].name, "XL");
    EXPECT_EQ(rs.columns[5].name, "NOTA");
    EXPECT_TRUE(rs.columns[1].key);
    ASSERT_EQ(rs.rows.size(), 2u);
    EXPECT_TRUE(rs.rows[0][3].isNull());
    c.execute("UPDATE #X SET [M] = 7, NOTA = 'a' WHERE DITTA = 1 AND CODART = 'A1'");
    EXPECT_EQ(scalar(c, "SELECT NOTA + '|' FROM #X WHERE [M] = 7"), "a  |");
    EXPECT_EQ(stateOf(c, "UPDATE #X SET NOTA = 'troppo' WHERE DITTA = 1"), "22001");
    EXPECT_EQ(stateOf(c, "INSERT INTO #X (DITTA, CODART) VALUES (1, 'A1')"), "23000");
    // Columns added before a transaction stay when it is rolled back.
    c.execute("ALTER TABLE #X ADD [XXL] DECIMAL(18,0) NULL");
    c.beginTransaction();
    c.execute("UPDATE #X SET [XXL] = 1");
    c.rollbackTransaction();
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM #X WHERE [XXL] IS NULL"), "3");
}

TEST_P(Adapter, JoinsUpdatesDeletesAndCtes) {
    c.execute("CREATE TABLE #K (DITTA DECIMAL(5,0), CODART CHAR(10), NUOVA VARCHAR(20))");
    c.execute("INSERT INTO #K VALUES (1, 'A1', 'Nuova'), (2, 'A1', 'Seconda')");
    EXPECT_EQ(c.execute("UPDATE ART SET DESCR = NUOVA FROM #K INNER JOIN ART ON ART.DITTA = "
                        "#K.DITTA AND ART.CODART = #K.CODART WHERE #K.DITTA = 1"),
              1);
    EXPECT_EQ(rows(c, "SELECT DESCR FROM ART ORDER BY DITTA, CODART"),
              (Rows{{"Nuova"}, {"Gonna dell'Arco"}, {"Altra ditta"}}));
    EXPECT_EQ(c.execute("DELETE a FROM ART a INNER JOIN #K k ON k.DITTA = a.DITTA AND "
                        "k.CODART = a.CODART WHERE k.DITTA = 2"),
              1);
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM ART"), "2");
    EXPECT_EQ(rows(c,
                   ";WITH CTE_A AS (SELECT RTRIM(CODART) AS A FROM ART WHERE DITTA = 1), "
                   "CTE_B AS (SELECT 'x' AS B UNION ALL SELECT 'y') "
                   "SELECT TOP 3 A + B, CONVERT(CHAR(3), ROW_NUMBER() OVER (ORDER BY A, B)) "
                   "FROM CTE_A CROSS JOIN CTE_B ORDER BY A, B"),
              (Rows{{"A1x", "1  "}, {"A1y", "2  "}, {"b2x", "3  "}}));
    // Two views of the same blank-padded codes joined: every pair comes back.
    EXPECT_EQ(scalar(c,
                     ";WITH X AS (SELECT CODART AS A FROM ART WHERE DITTA = 1 AND CODART = 'a1'), "
                     "Y AS (SELECT CODART AS B FROM ART WHERE DITTA = 1 AND CODART = 'A1') "
                     "SELECT COUNT(*) FROM X CROSS JOIN Y"),
              "1");
    EXPECT_EQ(
        scalar(c, "SELECT COUNT(*) FROM ART a, ART b WHERE a.CODART = 'A1' AND b.CODART = 'a1'"),
        "1");
    EXPECT_EQ(c.execute("DELETE ART WHERE DITTA = 1 AND CODART = 'B2'"), 1);
    // Generated keys read back as SQL Server gives them.
    c.execute(
        "CREATE TABLE PROV (ID INTEGER IDENTITY(1,1) NOT NULL, X VARCHAR(5), "
        "CONSTRAINT PK_PROV PRIMARY KEY (ID))");
    c.execute("INSERT INTO PROV (X) VALUES ('a')");
    EXPECT_EQ(rows(c, "INSERT INTO PROV (X) VALUES ('b') SELECT SCOPE_IDENTITY(), @@IDENTITY"),
              (Rows{{"2", "2"}}));
}

TEST_P(Adapter, HostFunctionsAndProcedures) {
    db::TableFunction f;
    f.name = "FNTEST_DESCR";
    f.parameterCount = 2;
    db::Column col;
    col.name = "TEST_DESCR";
    f.columns = {col};
    f.body = [](db::Backend& backend, const std::vector<db::Value>& args) {
        std::vector<std::vector<db::Value>> out;
        if (args[0].toText().rfind("A1 ", 0) == 0)
            out.push_back({db::Value(backend.name() + ":" + args[1].toText())});
        return out;
    };
    db::registerTableFunction(f);
    db::Procedure p;
    p.name = "SPTEST_ROWS";
    p.body = [](db::Backend&, const std::vector<db::Value>& args) {
        db::ResultSet rs;
        db::Column a;
        a.name = "N";
        rs.columns = {a};
        for (int i = 0; i < std::stoi(args.at(0).toText()); ++i)
            rs.rows.push_back({db::Value(i)});
        return rs;
    };
    db::registerProcedure(p);
    db::Connection fresh;
    fresh.open(connectionString(path("fresh"), true));
    fresh.execute("CREATE TABLE ART (DITTA DECIMAL(5,0), CODART CHAR(10))");
    fresh.execute("INSERT INTO ART VALUES (1, 'A1'), (1, 'B2')");
    EXPECT_EQ(rows(fresh,
                   "SELECT RTRIM(CODART), TEST_DESCR FROM ART OUTER APPLY "
                   "dbo.FNTEST_DESCR (CODART, DITTA) T ORDER BY CODART"),
              (Rows{{"A1", "sqlite:1"}, {"B2", "NULL"}}));  // the body runs on SQLite itself
    fresh.execute("CREATE TABLE #R (N INT)");
    EXPECT_EQ(fresh.execute("INSERT INTO #R EXEC SPTEST_ROWS 3, 'x'"), 3);
    EXPECT_EQ(scalar(fresh, "SELECT SUM(N) FROM #R"), "3");
    EXPECT_EQ(stateOf(fresh, "EXEC SPNOT_THERE 1"), "42000");
}

TEST_P(Adapter, ErrorsTransactionsAndFiles) {
    // An unknown construct is an error that quotes the statement.
    try {
        c.execute("DECLARE @c CURSOR");
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.sqlState(), "42000");
        EXPECT_NE(std::string(e.what()).find("DECLARE @c CURSOR"), std::string::npos);
    }
    EXPECT_EQ(stateOf(c, "SELECT NOSUCHCOL FROM ART"), "42S22");
    EXPECT_EQ(stateOf(c, "SELECT [NOSUCHCOL] FROM ART"), "42S22");  // never a string
    EXPECT_EQ(stateOf(c, "SELECT * FROM NOSUCHTABLE"), "42S02");
    EXPECT_FALSE(c.errors().empty());
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM ART"), "3");  // still usable

    // Referential integrity reports 23000.
    c.execute(
        "CREATE TABLE RIGA (DITTA DECIMAL(5,0) NOT NULL, CODART CHAR(10) NOT NULL, "
        "CONSTRAINT FK_RIGA FOREIGN KEY (DITTA, CODART) REFERENCES ART (DITTA, CODART))");
    c.execute("INSERT INTO RIGA VALUES (1, 'A1')");
    EXPECT_EQ(stateOf(c, "DELETE FROM ART WHERE DITTA = 1 AND CODART = 'A1'"), "23000");
    EXPECT_EQ(c.errors().at(0).sqlState, "23000");

    // A failure in the middle of a transaction rolls the whole change back.
    c.beginTransaction();
    c.execute("UPDATE ART SET DESCR = 'cambiata' WHERE DITTA = 1");
    EXPECT_EQ(stateOf(c, "INSERT INTO ART (DITTA, CODART) VALUES (1, 'A1')"), "23000");
    c.rollbackTransaction();
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM ART WHERE DESCR = 'cambiata'"), "0");

    // Files: missing and corrupt ones are named in the error, and the
    // missing one is not created.
    const std::string missing = path("missing");
    db::Connection other;
    try {
        other.open(connectionString(missing));
        FAIL() << "opened a missing file";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.sqlState(), "08001");
        EXPECT_NE(std::string(e.what()).find(missing), std::string::npos) << e.what();
    }
    EXPECT_FALSE(std::filesystem::exists(missing));
    const std::string corrupt = path("corrupt");
    std::ofstream(corrupt) << "this is not a database, just some text long enough to be a header";
    try {
        other.open(connectionString(corrupt));
        FAIL() << "opened a corrupt file";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.sqlState(), "08001");
        EXPECT_NE(std::string(e.what()).find(corrupt), std::string::npos) << e.what();
    }
    EXPECT_FALSE(other.isOpen());
}

VELDRANO_ON_BOTH_BACKENDS(Adapter);

}  // namespace
