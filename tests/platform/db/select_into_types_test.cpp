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

}  // namespace
