// Client-side recordsets: navigation, filter and sort done locally, and
// batch updates written back to each base table by its key.

#include "platform/db/recordset.h"

#include <gtest/gtest.h>

#include "db_test_support.h"
#include "platform/db/command.h"

namespace {

using db::FieldType;
using db::Recordset;
using db::RecordStatus;
using db::Value;

class Recordsets : public dbtest::BackendTest {
protected:
    void prepare() override {
        c.execute(
            "CREATE TABLE OPZ (DITTA DECIMAL(5,0) NOT NULL, VAR CHAR(2) NOT NULL, "
            "OPZIONE CHAR(20) NOT NULL, DESCR VARCHAR(40) NULL, PREZZO DECIMAL(10,2) NULL, "
            "CONSTRAINT PK_OPZ PRIMARY KEY (DITTA, VAR, OPZIONE))");
        c.execute(
            "INSERT INTO OPZ VALUES (1, 'A0', 'S', 'Small', 1.5), (1, 'A0', 'M', "
            "'Medium', 2), (1, 'A0', 'L', 'Large', NULL), (1, 'A1', 'BLU', 'Blu', 0)");
    }
};

TEST(RecordsetDisconnected, FieldsFilterSortAndBookmarks) {
    Recordset rs;
    rs.appendField("CODICE", FieldType::Text, 10);
    rs.appendField("QTA", FieldType::Decimal, 0, 10, 2);
    rs.open();
    EXPECT_TRUE(rs.eof() && rs.bof());
    const char* codes[] = {"b", "A", "c", "a'x"};
    for (int i = 0; i < 4; ++i) {
        rs.addNew();
        rs.setValue("CODICE", codes[i]);
        rs.setValue(1, db::Decimal(i * 10));
    }
    EXPECT_EQ(rs.recordCount(), 4);
    EXPECT_EQ(rs.status(), RecordStatus::New);
    rs.setSort("CODICE DESC, QTA");
    rs.moveFirst();
    EXPECT_EQ(rs.value("codice").toText(), "c");
    const auto mark = rs.bookmark();
    rs.setFilter("CODICE LIKE 'a%' OR (QTA >= 20 AND NOT CODICE = 'B')");
    EXPECT_EQ(rs.recordCount(), 3);  // A, a'x, c
    rs.setFilter("CODICE = 'a''x'");
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.value(1).toText(), "30");
    rs.setFilter("");
    rs.setBookmark(mark);
    EXPECT_EQ(rs.value(0).toText(), "c");
    EXPECT_THROW(rs.setFilter("CODICE = "), std::invalid_argument);
    EXPECT_THROW(rs.setFilter("NOPE = 1"), std::invalid_argument);
    EXPECT_EQ(rs.recordCount(), 4);  // a bad filter changes nothing
    EXPECT_THROW(rs.value("NOPE"), std::out_of_range);
    rs.moveLast();
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_THROW(rs.value(0), std::out_of_range);
}

// Sorting: texts without case or trailing blanks, NULL first, equal keys in
// the order the rows were added (also descending), a column mixing texts
// and numbers compared by content; a bad sort changes nothing.
TEST(RecordsetDisconnected, SortOrdersTextsNullsAndMixedColumnsStably) {
    Recordset rs;
    rs.appendField("CODICE", FieldType::Text, 10);
    rs.appendField("N", FieldType::Integer);
    rs.appendField("MISTO", FieldType::Text, 10);
    rs.open();
    const std::vector<Value> codes = {Value("b"), Value("B  "), Value::null(), Value("\xC3\xA0"),
                                      Value("A"), Value(""),    Value("b"),    Value::null()};
    const std::vector<Value> misto = {
        Value(db::Decimal(30)),  Value("3"), Value(db::Decimal(5)), Value("6"),
        Value(db::Decimal(100)), Value("1"), Value(db::Decimal(2)), Value("8")};
    for (std::size_t i = 0; i < codes.size(); ++i) {
        rs.addNew();
        rs.setValue(0, codes[i]);
        rs.setValue(1, static_cast<long long>(i));
        rs.setValue(2, misto[i]);
    }
    const auto order = [&] {
        std::vector<long long> out;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            out.push_back(rs.value(1).asInt());
        return out;
    };
    rs.setSort("CODICE");
    EXPECT_EQ(order(), (std::vector<long long>{2, 7, 5, 4, 0, 1, 6, 3}));
    rs.setSort("CODICE DESC, N DESC");
    EXPECT_EQ(order(), (std::vector<long long>{3, 6, 1, 0, 4, 5, 7, 2}));
    rs.setSort("CODICE DESC");
    EXPECT_EQ(order(), (std::vector<long long>{3, 0, 1, 6, 4, 5, 2, 7}));
    rs.setSort("MISTO");
    EXPECT_EQ(order(), (std::vector<long long>{5, 6, 1, 2, 3, 7, 0, 4}));
    rs.setFilter("N >= 4");
    rs.setSort("CODICE, N DESC");
    EXPECT_EQ(order(), (std::vector<long long>{7, 5, 4, 6}));
    EXPECT_THROW(rs.setSort("CODICE, NOPE"), std::invalid_argument);
    EXPECT_EQ(order(), (std::vector<long long>{7, 5, 4, 6}));
    EXPECT_EQ(rs.recordCount(), 4);
}

TEST_P(Recordsets, EditsAreWrittenBackByKey) {
    Recordset rs;
    rs.open("SELECT * FROM OPZ WITH (NOLOCK) WHERE DITTA = 1 AND VAR = 'A0' ORDER BY OPZIONE", c);
    ASSERT_EQ(rs.recordCount(), 3);
    EXPECT_EQ(rs.value("PREZZO").toText(), "");  // L: null price
    rs.moveNext();                               // M
    rs.setValue("DESCR", "Media dell'anno");
    rs.setValue("PREZZO", db::Decimal::parse("2.25").value());
    rs.moveNext();  // S
    rs.deleteCurrent();
    rs.addNew();
    rs.setValue("DITTA", 1);
    rs.setValue("VAR", "A0");
    rs.setValue("OPZIONE", "XL");
    rs.setValue("DESCR", "Extra large");
    EXPECT_TRUE(rs.hasChanges());
    EXPECT_EQ(rs.updateBatch(), 3);
    EXPECT_FALSE(rs.hasChanges());
    EXPECT_EQ(dbtest::rows(c,
                           "SELECT RTRIM(OPZIONE), DESCR, PREZZO FROM OPZ WHERE VAR = 'A0' "
                           "ORDER BY OPZIONE"),
              (std::vector<std::vector<std::string>>{{"L", "Large", "NULL"},
                                                     {"M", "Media dell'anno", "2.25"},
                                                     {"XL", "Extra large", "NULL"}}));
    // Filter and sort survive a requery.
    rs.setFilter("DESCR LIKE '%large'");
    rs.setSort("OPZIONE DESC");
    rs.requery();
    ASSERT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.value("OPZIONE").toText().substr(0, 2), "XL");
}

// A row keeps what it was read or last written as: the key a change is
// written by, and what a cancel goes back to, across several batches.
TEST_P(Recordsets, EachBatchStartsFromTheRowsAsLastWritten) {
    Recordset rs;
    rs.open("SELECT * FROM OPZ WHERE DITTA = 1 AND VAR = 'A0' ORDER BY OPZIONE", c);
    ASSERT_EQ(rs.recordCount(), 3);  // L, M, S
    rs.setValue("OPZIONE", "LL");    // the key itself: found by the key as read
    EXPECT_EQ(rs.updateBatch(), 1);
    EXPECT_EQ(rs.status(), RecordStatus::Unchanged);
    rs.setValue("DESCR", "non salvata");
    rs.cancelBatch();
    rs.moveFirst();
    EXPECT_EQ(db::rtrim(rs.value("OPZIONE").toText()), "LL");
    EXPECT_EQ(rs.value("DESCR").toText(), "Large");
    rs.setValue("OPZIONE", "XXL");  // by the key as last written, LL
    rs.moveNext();                  // M, never edited: deleted by its key
    rs.deleteCurrent();
    EXPECT_EQ(rs.updateBatch(), 2);
    EXPECT_EQ(dbtest::rows(c,
                           "SELECT RTRIM(OPZIONE), DESCR FROM OPZ WHERE VAR = 'A0' ORDER BY "
                           "OPZIONE"),
              (std::vector<std::vector<std::string>>{{"S", "Small"}, {"XXL", "Large"}}));
    // A cancel after a delete shows the row again as it was.
    rs.moveFirst();
    rs.deleteCurrent();
    rs.cancelBatch();
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(dbtest::scalar(c, "SELECT COUNT(*) FROM OPZ WHERE VAR = 'A0'"), "2");
}

TEST_P(Recordsets, AFailedBatchWritesNothingAndKeepsThePendingRows) {
    Recordset rs;
    rs.open("SELECT * FROM OPZ WHERE DITTA = 1 ORDER BY VAR, OPZIONE", c);
    rs.setValue("DESCR", "cambiata");  // first row: A0 L
    rs.addNew();
    rs.setValue("DITTA", 1);
    rs.setValue("VAR", "A0");
    rs.setValue("OPZIONE", "M");  // already there: the key is violated
    try {
        rs.updateBatch();
        FAIL() << "the duplicate key was accepted";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.sqlState(), "23000");
    }
    EXPECT_EQ(dbtest::scalar(c, "SELECT COUNT(*) FROM OPZ WHERE DESCR = 'cambiata'"), "0");
    EXPECT_EQ(dbtest::scalar(c, "SELECT COUNT(*) FROM OPZ"), "4");
    EXPECT_TRUE(rs.hasChanges());
    rs.cancelBatch();
    EXPECT_FALSE(rs.hasChanges());
    EXPECT_EQ(rs.recordCount(), 4);

    // Somebody else changed the row: the update finds nothing and says so.
    rs.moveFirst();
    rs.setValue("DESCR", "mia");
    c.execute("UPDATE OPZ SET OPZIONE = 'LL' WHERE VAR = 'A0' AND OPZIONE = 'L'");
    EXPECT_THROW(rs.updateBatch(), db::DbError);
}

TEST_P(Recordsets, JoinedRowsWriteEachTableAndGeneratedKeysComeBack) {
    c.execute(
        "CREATE TABLE PROV (ID INTEGER IDENTITY(1,1) NOT NULL, DITTA DECIMAL(5,0), "
        "OPZIONE CHAR(20), STATO DECIMAL(18,0), CONSTRAINT PK_PROV PRIMARY KEY (ID))");
    c.execute("INSERT INTO PROV (DITTA, OPZIONE, STATO) VALUES (1, 'S', 7)");
    c.execute("SELECT DITTA AS D, OPZIONE AS O, DESCR INTO #W FROM OPZ");
    c.execute("ALTER TABLE #W ALTER COLUMN O CHAR(20) NOT NULL");
    c.execute("ALTER TABLE #W ADD CONSTRAINT PK123 PRIMARY KEY CLUSTERED (D, O)");
    Recordset rs;
    rs.open("SELECT * FROM PROV INNER JOIN #W ON D = DITTA AND O = OPZIONE", c);
    ASSERT_EQ(rs.recordCount(), 1);
    rs.setValue("STATO", 9);
    rs.setValue("DESCR", "nel lavoro");
    rs.updateBatch();
    EXPECT_EQ(dbtest::scalar(c, "SELECT STATO FROM PROV"), "9");
    EXPECT_EQ(dbtest::scalar(c, "SELECT DESCR FROM #W WHERE O = 'S'"), "nel lavoro");
    EXPECT_EQ(dbtest::scalar(c, "SELECT DESCR FROM OPZ WHERE OPZIONE = 'S'"), "Small");

    Recordset prov;
    prov.open("SELECT * FROM PROV", c);
    prov.addNew();
    prov.setValue("DITTA", 1);
    prov.setValue("OPZIONE", "M");
    prov.setValue("STATO", 3);
    prov.updateBatch();
    EXPECT_EQ(prov.value("ID").toText(), "2");
}

}  // namespace

namespace {

TEST_P(Recordsets, AUniqueTableTakesTheWritesOfAJoinAndCommandsRunText) {
    c.execute(
        "CREATE TABLE VAR_DESCR (VAR CHAR(2) NOT NULL, NOME VARCHAR(20), "
        "CONSTRAINT PK_VAR_DESCR PRIMARY KEY (VAR))");
    c.execute("INSERT INTO VAR_DESCR VALUES ('A0', 'Taglia')");
    Recordset rs;
    db::Command open(c,
                     "SELECT OPZ.*, VAR_DESCR.* FROM OPZ INNER JOIN VAR_DESCR ON "
                     "VAR_DESCR.VAR = OPZ.VAR WHERE OPZ.VAR = 'A0'");
    open.open(rs);
    rs.setUniqueTable("OPZ");
    ASSERT_EQ(rs.recordCount(), 3);
    rs.setValue("DESCR", "Piccola");
    rs.setValue("NOME", "non scritto");
    rs.updateBatch();
    EXPECT_EQ(dbtest::scalar(c, "SELECT NOME FROM VAR_DESCR"), "Taglia");
    EXPECT_EQ(dbtest::scalar(c, "SELECT COUNT(*) FROM OPZ WHERE DESCR = 'Piccola'"), "1");

    // Commands: text run with or without records.
    db::Command drop(c, "IF OBJECT_ID('tempdb..#X') IS NOT NULL DROP TABLE #X",
                     db::Command::kText | db::Command::kExecuteNoRecords);
    EXPECT_EQ(drop.options(), 129);
    drop.execute();
    db::Command make(c, "SELECT * INTO #X FROM OPZ SELECT COUNT(*) FROM #X",
                     db::Command::kText | db::Command::kExecuteNoRecords);
    EXPECT_TRUE(make.run().resultSets.empty());
    make.setText("SELECT COUNT(*) FROM #X");
    make.setOptions(db::Command::kText);
    EXPECT_EQ(make.run().resultSets.at(0).rows.at(0).at(0).toText(), "4");
    drop.execute();
    EXPECT_EQ(dbtest::stateOf(c, "SELECT * FROM #X"), "42S02");
}

TEST_P(Recordsets, KeysLeftOutOfTheSelectListAreReadHiddenForTheWriteBack) {
    Recordset rs;
    rs.open("SELECT TOP 5 DESCR, PREZZO FROM OPZ WHERE DITTA = 1 AND VAR = 'A0' AND OPZIONE = 'M'",
            c);
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.fieldCount(), 2);
    EXPECT_EQ(rs.fieldIndex("OPZIONE"), -1);
    rs.setValue("DESCR", "Media");
    rs.updateBatch();
    EXPECT_EQ(dbtest::scalar(c, "SELECT COUNT(*) FROM OPZ WHERE DESCR = 'Media'"), "1");
    rs.requery();
    EXPECT_EQ(rs.fieldCount(), 2);
    EXPECT_EQ(rs.value(0).toText(), "Media");

    // Through a join and a CTE alike; DISTINCT rows have no key to add.
    c.execute(
        "CREATE TABLE VARI (VAR CHAR(2) NOT NULL, NOME VARCHAR(20), "
        "CONSTRAINT PK_VARI PRIMARY KEY (VAR))");
    c.execute("INSERT INTO VARI VALUES ('A0', 'Taglia'), ('A1', 'Colore')");
    Recordset joined;
    joined.open(
        ";WITH V AS (SELECT * FROM VARI) SELECT NOME, DESCR FROM OPZ INNER JOIN V ON "
        "V.VAR = OPZ.VAR WHERE OPZIONE = 'BLU'",
        c);
    ASSERT_EQ(joined.recordCount(), 1);
    EXPECT_EQ(joined.fieldCount(), 2);
    joined.setValue("DESCR", "Blu notte");
    joined.updateBatch();
    EXPECT_EQ(dbtest::scalar(c, "SELECT DESCR FROM OPZ WHERE OPZIONE = 'BLU'"), "Blu notte");
    Recordset distinct;
    distinct.open("SELECT DISTINCT DESCR FROM OPZ WHERE OPZIONE = 'BLU'", c);
    distinct.setValue(0, "x");
    EXPECT_THROW(distinct.updateBatch(), db::DbError);
    EXPECT_EQ(dbtest::scalar(c, "SELECT DESCR FROM OPZ WHERE OPZIONE = 'BLU'"), "Blu notte");
}

}  // namespace

namespace {
VELDRANO_ON_BOTH_BACKENDS(Recordsets);
}  // namespace
