// Column types of a work table made by SELECT ... INTO: a conversion gives
// its column its type only when it is the whole select item.

#include <gtest/gtest.h>

#include "platform/db/connection.h"
#include "platform/db/errors.h"
#include "platform/db/recordset.h"

namespace {

TEST(SelectIntoTypes, AConversionInsideAnExpressionDoesNotTypeTheColumn) {
    db::Connection c;
    c.open("Data Source=:memory:");
    c.execute(
        "CREATE TABLE CODICI (DITTA DECIMAL(5,0) NOT NULL, CODICE CHAR(25) NOT NULL, "
        "TIPO DECIMAL(1,0) NOT NULL, CLIFOR DECIMAL(6,0) NOT NULL)");
    c.execute("INSERT INTO CODICI VALUES (1, 'LNT-55120', 0, 2)");
    c.execute(
        "SELECT CONVERT (CHAR(5), DITTA) + CODICE + CONVERT (CHAR(1), TIPO) + "
        "CONVERT(CHAR(6), CLIFOR) AS CHIAVE, CONVERT(CHAR(6), CLIFOR) AS SOLO, "
        "CAST(TIPO AS CHAR(1)) AS TIPO1 INTO #W FROM CODICI");
    db::Recordset rs;
    rs.open("SELECT CHIAVE, SOLO, TIPO1 FROM #W", c);
    ASSERT_EQ(rs.recordCount(), 1);
    rs.moveFirst();
    EXPECT_EQ(rs.value("CHIAVE").toText(), "1    LNT-55120                02     ");
    // The whole concatenation fits; the plain conversions keep their widths.
    c.execute("INSERT INTO #W (CHIAVE, SOLO, TIPO1) VALUES ('1LNT-55120-XL02', '3', '1')");
    EXPECT_EQ(rs.field(rs.fieldIndex("SOLO")).size, 6);
    try {
        c.execute("INSERT INTO #W (CHIAVE, SOLO, TIPO1) VALUES ('k', '1234567', '1')");
        ADD_FAILURE() << "a seven-character text went into CHAR(6)";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.sqlState(), "22001");
    }
}

// Items named beside a star type their columns as they would alone; the
// rows come in the order asked for.
TEST(SelectIntoTypes, NamedItemsBesideAStarTypeTheirColumns) {
    db::Connection c;
    c.open("Data Source=:memory:");
    c.execute(
        "CREATE TABLE OPZ (CODICE CHAR(4) NOT NULL, DESCR VARCHAR(30) NULL, SEQ INT NOT NULL)");
    c.execute("INSERT INTO OPZ VALUES ('B', 'Blu', 2), ('A', NULL, 3), ('C', 'Celeste', 1)");
    c.execute(
        "SELECT *, LEFT(DESCR, 1) AS LETTERA, (CASE WHEN DESCR IS NULL THEN CODICE ELSE DESCR END) "
        "AS TESTO, 0 AS ORDINE INTO #W FROM OPZ ORDER BY SEQ");
    db::Recordset rs;
    rs.open("SELECT * FROM #W", c);
    ASSERT_EQ(rs.recordCount(), 3);
    EXPECT_EQ(rs.field(rs.fieldIndex("LETTERA")).size, 30);
    EXPECT_EQ(rs.field(rs.fieldIndex("TESTO")).size, 30);
    EXPECT_EQ(rs.field(rs.fieldIndex("ORDINE")).type, db::FieldType::Integer);
    std::string seen;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        seen += db::rtrim(rs.value("TESTO").toText()) + "/" + rs.value("LETTERA").toText() + ";";
    EXPECT_EQ(seen, "Celeste/C;Blu/B;A/;");
    // The column is as wide as its type says, not as its first row.
    c.execute("INSERT INTO #W (CODICE, SEQ, TESTO, ORDINE) VALUES ('D', 4, REPLICATE('t', 30), 1)");
    try {
        c.execute("UPDATE #W SET TESTO = REPLICATE('u', 31) WHERE CODICE = 'D'");
        ADD_FAILURE() << "31 characters went into a column of 30";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.sqlState(), "22001");
    }
    EXPECT_EQ(db::rtrim(c.run("SELECT TESTO FROM #W WHERE CODICE = 'D'")
                            .resultSets.at(0)
                            .rows.at(0)
                            .at(0)
                            .toText()),
              std::string(30, 't'));
}

}  // namespace
