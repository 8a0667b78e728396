// The value procedures: blanks, conversions and quoting, checked on their own
// and through real statements on the embedded database.

#include "common/value_helpers.h"

#include <gtest/gtest.h>

#include <deque>

#include "common/window_services.h"
#include "platform/db/connection.h"
#include "platform/db/errors.h"
#include "platform/db/recordset.h"
#include "tests/support/scripted_dialogs.h"

using namespace common;
using db::Value;

namespace {

db::DateTime date(int y, int m, int d) {
    db::DateTime t;
    t.year = y;
    t.month = m;
    t.day = d;
    return t;
}

std::string scalar(db::Connection& c, const std::string& sql) {
    db::Recordset rs;
    rs.open(sql, c);
    if (rs.eof())
        return "<none>";
    const Value& v = rs.value(0);
    return v.isNull() ? "NULL" : v.toText();
}

}  // namespace

TEST(ValueHelpers, BlanksAndConversions) {
    // NzValore: default for Empty, Null and blank text; trailing blanks go.
    EXPECT_EQ(NzValore(Value::null(), Value(0)), Value(0));
    EXPECT_EQ(NzValore(Value(), Value(kChr255)), Value(kChr255));
    EXPECT_EQ(NzValore(Value("   "), ""), "");
    EXPECT_EQ(NzValore(Value("  AB  "), ""), "  AB");
    EXPECT_EQ(NzValore(Value(5), ""), "5");
    EXPECT_EQ(NzValore(Value(5), Value("")), Value("5"));
    EXPECT_EQ(NzValore(Value::null()), "");
    EXPECT_EQ(NzValore(Value(""), kChr255), kChr255);

    // NzStringa: blank text is not missing, but its blanks go.
    EXPECT_EQ(NzStringa(Value("    ")), "");
    EXPECT_EQ(NzStringa(Value::null()), "");
    EXPECT_EQ(NzStringa(Value("  x  ")), "  x");
    EXPECT_EQ(NzStringa(Value(std::string("a\0b ", 4))), std::string("a\0b", 3));

    // NzNumero: 0 for missing, exact decimals otherwise, type mismatch for
    // letters, blanks and the comma separator.
    EXPECT_EQ(NzNumero(Value("")), Value(0));
    EXPECT_EQ(NzNumero(Value::null()), Value(0));
    EXPECT_EQ(NzNumero(Value("12.50")).toText(), "12.50");
    EXPECT_EQ(NzNumero(Value(7)).toText(), "7");
    EXPECT_THROW(NzNumero(Value("abc")), ErroreTipo);
    EXPECT_THROW(NzNumero(Value("   ")), ErroreTipo);
    try {
        NzNumero(Value("12,5"));
        FAIL() << "12,5 is not a number";
    } catch (const ErroreTipo& e) {
        EXPECT_EQ(e.number(), 13);
        EXPECT_STREQ(e.what(), "Tipo non corrispondente: '12,5'");
    }
}

TEST(ValueHelpers, FormatoDBQuotesNumbersDatesAndRecordsItsErrors) {
    UltimoErrore() = {};
    EXPECT_EQ(FormatoDB(Value("O'Brien"), kTesto, true), Value("'O''Brien'"));
    EXPECT_EQ(FormatoDB(Value(" a "), kTesto, true), Value("' a '"));
    EXPECT_EQ(FormatoDB(Value(""), kTesto, true), Value("null"));
    EXPECT_EQ(FormatoDB(Value::null(), kTesto, true), Value("null"));
    EXPECT_EQ(FormatoDB(Value("   "), kData, true), Value("null"));
    EXPECT_EQ(FormatoDB(Value(""), kTesto, false), Value("''"));
    EXPECT_EQ(UltimoErrore().Number, 0) << "successful calls leave the record alone";

    EXPECT_EQ(FormatoDB(Value::null(), kNumero, false), Value());
    EXPECT_EQ(UltimoErrore().Number, 3);
    EXPECT_EQ(UltimoErrore().Description,
              "Si sta tentando di assegnare il valore (numerico) null a un campo che non ammette "
              "null.");
    EXPECT_EQ(FormatoDB(Value(), kData, false), Value());
    EXPECT_EQ(
        UltimoErrore().Description,
        "Si sta tentando di assegnare il valore (data) null a un campo che non ammette null.");
    // Left as it was by a later success.
    EXPECT_EQ(FormatoDB(Value("12.5"), kNumero, false).toText(), "12.5");
    EXPECT_EQ(UltimoErrore().Number, 3);

    // Numbers: CDec wants '.', the number formatter also takes ','.
    EXPECT_EQ(FormatoDB(Value("12,5"), kNumero, true), Value());
    EXPECT_EQ(UltimoErrore().Description,
              "13 - Tipo non corrispondente: '12,5' nella routine FormatoDB");
    EXPECT_EQ(FormatoDB(Value("12,5"), kNumeroDB, true), Value("12.5"));
    EXPECT_EQ(FormatoDB(Value("1.234,50"), kNumeroDB, true), Value("1234.5"));
    EXPECT_EQ(FormatoDB(Value("1,2,3"), kNumeroDB, true), Value());
    EXPECT_NE(UltimoErrore().Description.find("'1,2,3'"), std::string::npos);

    // Dates: the formatter's database text between quotes.
    EXPECT_EQ(FormatoDB(Value(date(2024, 12, 6)), kData, true), Value("'20241206'"));
    EXPECT_EQ(FormatoDB(Value("06/12/2024"), kData, true), Value("'20241206'"));
    UltimoErrore() = {};
    EXPECT_EQ(FormatoDB(Value("31/02/2024"), kData, true), Value());
    EXPECT_EQ(UltimoErrore().Number, 3);
    EXPECT_EQ(UltimoErrore().Description,
              "Errore nella conversione della data (PANX_ClsStd.CLSFW_Date, metodo DBFormat)");
    EXPECT_EQ(FormatoDB(Value("domani"), kData, true), Value());
    EXPECT_EQ(FormatoDB(Value("x"), 7, true), Value());

    // RaddoppiaApici doubles, adds no quotes.
    EXPECT_EQ(RaddoppiaApici("''"), "''''");
    EXPECT_EQ(RaddoppiaApici("abc"), "abc");
}

TEST(ValueHelpers, LiteralsStayInsideTheirQuotesOnTheDatabase) {
    db::Connection c;
    c.open(":memory:");
    c.execute(
        "CREATE TABLE T (ID int NOT NULL PRIMARY KEY, TXT varchar(60) NULL, DT datetime NULL)");
    c.execute("INSERT INTO T (ID, TXT) VALUES (1, 'keep')");
    const std::string hostile[] = {"O'Brien", "'); DELETE FROM T; --", "''", "x' OR '1'='1"};
    int id = 10;
    for (const std::string& text : hostile) {
        c.execute("INSERT INTO T (ID, TXT) VALUES (" + std::to_string(id) + ", " +
                  FormatoDBTesto(Value(text), kTesto, true) + ")");
        EXPECT_EQ(scalar(c, "SELECT TXT FROM T WHERE ID = " + std::to_string(id)), text);
        EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM T WHERE TXT = '" + RaddoppiaApici(text) + "'"),
                  "1");
        ++id;
    }
    // A NUL inside a text is refused by the database with an error; nothing
    // of the table is lost.
    std::string withNul("a\0'); DELETE FROM T; --", 22);
    try {
        c.execute("INSERT INTO T (ID, TXT) VALUES (99, " +
                  FormatoDBTesto(Value(withNul), kTesto, true) + ")");
    } catch (const db::DbError&) {
    }
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM T WHERE ID < 99"), "5");
    EXPECT_EQ(scalar(c, "SELECT TXT FROM T WHERE ID = 1"), "keep");
    // Blank text becomes NULL; dates go in as the formatter writes them.
    c.execute("UPDATE T SET TXT = " + FormatoDBTesto(Value("  "), kTesto, true) +
              ", DT = " + FormatoDBTesto(Value("06/12/2024"), kData, true) + " WHERE ID = 1");
    EXPECT_EQ(scalar(c, "SELECT TXT FROM T WHERE ID = 1"), "NULL");
    EXPECT_EQ(
        scalar(c, "SELECT COUNT(*) FROM T WHERE DT = '" + DateDB(Value(date(2024, 12, 6))) + "'"),
        "1");
}

using RecordingDialogs = cardtest::ScriptedDialogs;

TEST(ValueHelpers, DateDBAndRecordsets) {
    RecordingDialogs dialogs;
    setDialoghi(&dialogs);
    EXPECT_EQ(DateDB(Value(date(2024, 1, 31))), "20240131");
    EXPECT_EQ(DateDB(Value("2024-01-31")), "20240131");
    EXPECT_EQ(DateDB(Value::null()), "");
    EXPECT_EQ(DateDB(Value("   ")), "");
    // Not a date: the text cut into day-first pieces, with quotes.
    EXPECT_EQ(DateDB(Value("X12Y34Z56W")), "'34/12/56'");
    EXPECT_EQ(DateDB(Value("ab")), "'/b/'");
    EXPECT_TRUE(dialogs.messages.empty());
    setDialoghi(nullptr);

    db::Connection c;
    c.open(":memory:");
    auto rs = std::make_unique<db::Recordset>();
    rs->open("SELECT 1 AS X", c);
    ChiudiRecordset(rs);
    EXPECT_EQ(rs, nullptr);
    ChiudiRecordset(rs);  // an empty reference: nothing happens
    auto closed = std::make_unique<db::Recordset>();
    closed->open("SELECT 1 AS X", c);
    closed->close();
    ChiudiRecordset(closed);
    EXPECT_EQ(closed, nullptr);
    db::Recordset owned;
    owned.open("SELECT 1 AS X", c);
    db::Recordset* ref = &owned;
    ChiudiRecordset(ref);
    EXPECT_EQ(ref, nullptr);
    EXPECT_FALSE(owned.isOpen());
}

TEST(ValueHelpers, VariantCodesAndPositions) {
    EXPECT_EQ(IndiceDaCodice(Value(" B3 ")), Value(13));
    EXPECT_EQ(IndiceDaCodice(Value("A0")), Value(0));
    EXPECT_EQ(IndiceDaCodice(Value("B9")), Value(19));
    for (const char* bad : {"b3", "A", "C0", "", "a0", "A10", " "})
        EXPECT_EQ(IndiceDaCodice(Value(bad)), Value(bad)) << bad;
    EXPECT_EQ(IndiceDaCodice(Value::null()), Value::null());
    EXPECT_EQ(IndiceDaCodice(Value(5)), Value(5));

    EXPECT_EQ(CodiceDaIndice(Value(19)), Value("B9"));
    EXPECT_EQ(CodiceDaIndice(Value(0)), Value("A0"));
    EXPECT_EQ(CodiceDaIndice(Value(db::Decimal(10))), Value("B0"));
    EXPECT_EQ(CodiceDaIndice(Value("7")), Value("A7"));
    EXPECT_EQ(CodiceDaIndice(Value(20)), Value(20));
    EXPECT_EQ(CodiceDaIndice(Value(-1)), Value(-1));
    EXPECT_EQ(CodiceDaIndice(Value(2.5)), Value(2.5));
    EXPECT_EQ(CodiceDaIndice(Value("A0")), Value("A0"));
    EXPECT_EQ(CodiceDaIndice(Value()), Value());

    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(indiceVariante(codiceVariante(i)), i);
    EXPECT_EQ(indiceVariante("C0"), -1);
    EXPECT_EQ(codiceVariante(20), "");
}

TEST(ValueHelpers, ComposedOptionCodes) {
    auto slots = CalcolaSlot({{"C", 4, 0}, {"A", 3, 0}, {"B", 2, 0}});
    ASSERT_EQ(slots.size(), 3u);
    EXPECT_EQ(slots[0].codice, "A");
    EXPECT_EQ(slots[0].start, 1);
    EXPECT_EQ(slots[1].start, 4);
    EXPECT_EQ(slots[2].start, 6);

    std::string code = WriteSlot("", 1, 3, "ROS");
    code = WriteSlot(code, 6, 4, "XL");
    EXPECT_EQ(code, "ROS  XL  ");
    EXPECT_EQ(OptionFromSlot(code, 1, 3), "ROS");
    EXPECT_EQ(OptionFromSlot(code, 4, 2), "  ");
    EXPECT_EQ(OptionFromSlot(code, 6, 4), "XL  ");
    EXPECT_EQ(OptionFromSlot("AB", 6, 4), "");
    EXPECT_EQ(ClearSlot(code, 1, 3), "     XL  ");
    EXPECT_EQ(WriteSlot(code, 4, 2, "TOOLONG"), "ROSTOXL  ");
    EXPECT_EQ(EmptySlot(3), "   ");

    // The SQL forms agree with the C++ ones on the database.
    db::Connection c;
    c.open(":memory:");
    c.execute(
        "CREATE TABLE MG5F_DIMECONF (MG5F_DITTA_CG18 int, MG5F_CODICEVAR char(2), "
        "MG5F_DESCR_VAR varchar(40), MG5F_INDGRIGLIA int, MG5F_SIZE int)");
    c.execute("INSERT INTO MG5F_DIMECONF VALUES (1, 'A0', 'Colore', 1, 3)");
    c.execute("INSERT INTO MG5F_DIMECONF VALUES (1, 'A1', 'Taglia', 0, 2)");
    c.execute("INSERT INTO MG5F_DIMECONF VALUES (1, 'A2', 'Lunghezza', 0, 4)");
    c.execute("INSERT INTO MG5F_DIMECONF VALUES (2, 'A0', 'Altra ditta', 0, 9)");
    db::Recordset dims;
    dims.open(SqlVariantSizes("1") + " ORDER BY MG5F_CODICEVAR", c);
    std::vector<std::string> starts;
    for (dims.moveFirst(); !dims.eof(); dims.moveNext())
        starts.push_back(dims.value("MG5F_START").toText());
    EXPECT_EQ(starts, (std::vector<std::string>{"1", "4", "6"}));
    EXPECT_EQ(scalar(c, "SELECT " + SqlOptionFromSlot("'ROS  XL  '", 6, 4)), "XL  ");
    EXPECT_EQ(scalar(c, "SELECT " + SqlClearSlot("'ROS  XL  '", 1, 3) + " + '|'"), "     XL  |");
    EXPECT_EQ(scalar(c, "SELECT " + SqlEmptySlot(2) + " + '|'"), "  |");
}
