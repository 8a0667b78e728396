// Value types of the database layer: exact decimals, dates, dynamically typed
// values, errors and the registry of host objects.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "platform/db/date_time.h"
#include "platform/db/decimal.h"
#include "platform/db/errors.h"
#include "platform/db/host_objects.h"
#include "platform/db/value.h"

namespace db {
namespace {

Decimal dec(const char* text) {
    auto d = Decimal::parse(text);
    if (!d)
        throw std::invalid_argument(std::string("not a decimal: ") + text);
    return *d;
}

std::string parsed(const char* text) {
    auto d = Decimal::parse(text);
    return d ? d->toString() : "<none>";
}

TEST(Decimal, ParseKeepsTheScaleAndRefusesMalformedText) {
    EXPECT_EQ(parsed("12.50"), "12.50");
    EXPECT_EQ(dec("12.50").scale(), 2);
    EXPECT_EQ(parsed(" 12 "), "12");
    EXPECT_EQ(parsed("\t-0.001\n"), "-0.001");
    EXPECT_EQ(parsed("+5"), "5");
    EXPECT_EQ(parsed(".5"), "0.5");
    EXPECT_EQ(parsed("7."), "7");
    EXPECT_EQ(parsed("-0.00"), "0.00");
    EXPECT_EQ(parsed("007.10"), "7.10");
    EXPECT_EQ(parsed("1.5e3"), "1500");
    EXPECT_EQ(parsed("1.5E-3"), "0.0015");
    EXPECT_EQ(parsed("25e+0"), "25");

    for (const char* bad : {"1.2.3", "abc", "", "   ", "1e", "1e+", "12a", "--1", "+", "-", ".",
                            "1 2", "1,5", "0x10", "e5", "1.5e3.2"})
        EXPECT_FALSE(Decimal::parse(bad).has_value()) << '"' << bad << '"';
}

TEST(Decimal, HugeAndVeryPreciseValues) {
    // 38 digits is the widest SQL Server decimal; one digit more cannot be held.
    const char* max38 = "99999999999999999999999999999999999999";
    EXPECT_EQ(parsed(max38), max38);
    EXPECT_EQ(parsed("-99999999999999999999999999999999999999"),
              "-99999999999999999999999999999999999999");
    EXPECT_FALSE(Decimal::parse("999999999999999999999999999999999999999").has_value());
    EXPECT_FALSE(Decimal::parse("1e38").has_value());
    EXPECT_FALSE(Decimal::parse("1e100000000000").has_value());
    EXPECT_EQ(parsed("1e37"), "10000000000000000000000000000000000000");

    // Decimals beyond the maximum scale are rounded, not refused.
    EXPECT_EQ(parsed("0.12345678901234567890123456785"), "0.1234567890123456789012345679");
    EXPECT_EQ(parsed("1e-40"), "0.0000000000000000000000000000");
    EXPECT_EQ(parsed("0.00000000000000000000000000005"), "0.0000000000000000000000000001");
    EXPECT_EQ(dec("1e-40").scale(), Decimal::kMaxScale);

    EXPECT_THROW(dec(max38) + Decimal(1), std::overflow_error);
    EXPECT_THROW(dec(max38) * Decimal(10), std::overflow_error);
    EXPECT_THROW(Decimal::divide(dec(max38), dec("0.1"), 0), std::overflow_error);
    EXPECT_THROW(dec(max38).rescaled(1), std::overflow_error);
    EXPECT_EQ((dec(max38) - dec(max38)).toString(), "0");
    EXPECT_LT(dec("-99999999999999999999999999999999999999"),
              dec("0.0000000000000000000000000001"));
    EXPECT_GT(dec(max38), dec("99999999999999999999999999.999999999999"));
}

TEST(Decimal, RoundsHalfAwayFromZero) {
    EXPECT_EQ(dec("2.345").rescaled(2).toString(), "2.35");
    EXPECT_EQ(dec("-2.345").rescaled(2).toString(), "-2.35");
    EXPECT_EQ(dec("2.3449").rescaled(2).toString(), "2.34");
    EXPECT_EQ(dec("12.5").rescaled(0).toString(), "13");
    EXPECT_EQ(dec("-12.5").rescaled(0).toString(), "-13");
    EXPECT_EQ(dec("9.995").rescaled(2).toString(), "10.00");
    EXPECT_EQ(dec("0.004").rescaled(2).toString(), "0.00");
    EXPECT_EQ(dec("1.5").rescaled(3).toString(), "1.500");
    EXPECT_EQ(dec("1.5").rescaled(-1).toString(), "2");

    EXPECT_EQ(dec("1.500").normalized().toString(), "1.5");
    EXPECT_EQ(dec("0.000").normalized().toString(), "0");
    EXPECT_EQ(dec("1500").normalized().toString(), "1500");
    EXPECT_TRUE(dec("12.000").isInteger());
    EXPECT_FALSE(dec("12.001").isInteger());

    // A constructor scale out of range is brought back into it.
    EXPECT_EQ(Decimal(15, -2).toString(), "1500");
    EXPECT_EQ(Decimal(25, 29).toString(), "0.0000000000000000000000000003");
}

TEST(Decimal, ComparesAcrossScales) {
    EXPECT_EQ(dec("1.50"), dec("1.5"));
    EXPECT_EQ(dec("0"), dec("-0.000"));
    EXPECT_EQ(dec("3"), Decimal(3));
    EXPECT_LT(dec("1.5"), dec("1.51"));
    EXPECT_LT(dec("-1.5"), dec("-1.49"));
    EXPECT_LT(dec("-0.01"), dec("0"));
    EXPECT_GT(dec("10"), dec("9.9999999999999999999999999999"));
}

TEST(Decimal, ArithmeticIsExact) {
    EXPECT_EQ((dec("0.1") + dec("0.2")).toString(), "0.3");
    EXPECT_EQ((dec("12.50") - dec("0.5")).toString(), "12.00");
    EXPECT_EQ((dec("1") - dec("1.25")).toString(), "-0.25");
    EXPECT_EQ((dec("-1.25") + dec("1.25")).toString(), "0.00");
    EXPECT_EQ((dec("1.25") * dec("1.2")).toString(), "1.500");
    EXPECT_EQ((dec("-3") * dec("0.5")).toString(), "-1.5");
    EXPECT_EQ((-dec("2.5")).toString(), "-2.5");

    // A product with more decimals than fit keeps the maximum scale, rounded.
    const Decimal a = dec("1.2345678901234567890123456789");
    EXPECT_EQ((a * a).toString(), "1.5241578753238836750495351563");
    EXPECT_EQ((dec("0.00000000000001") * dec("0.000000000000005")).toString(),
              "0.0000000000000000000000000001");

    EXPECT_EQ(Decimal::divide(Decimal(10), Decimal(3), 4).toString(), "3.3333");
    EXPECT_EQ(Decimal::divide(Decimal(2), Decimal(3), 2).toString(), "0.67");
    EXPECT_EQ(Decimal::divide(Decimal(-2), Decimal(3), 2).toString(), "-0.67");
    EXPECT_EQ(Decimal::divide(dec("1"), dec("-8"), 2).toString(), "-0.13");
    EXPECT_EQ(Decimal::divide(dec("7.50"), dec("0.025"), 0).toString(), "300");
    EXPECT_EQ(Decimal::divide(dec("1.2345"), dec("100"), 2).toString(), "0.01");
    EXPECT_THROW(Decimal::divide(Decimal(1), dec("0.00"), 2), std::domain_error);
}

TEST(Decimal, ConversionsWithDoubleAndInteger) {
    EXPECT_EQ(Decimal::fromDouble(0.1).toString(), "0.1");
    EXPECT_EQ(Decimal::fromDouble(0.1 + 0.2).toString(), "0.3");
    EXPECT_EQ(Decimal::fromDouble(1234.5678).toString(), "1234.5678");
    EXPECT_EQ(Decimal::fromDouble(-2.5).toString(), "-2.5");
    EXPECT_EQ(Decimal::fromDouble(0.0).toString(), "0");
    EXPECT_EQ(Decimal::fromDouble(1e20).toString(), "100000000000000000000");
    EXPECT_EQ(Decimal::fromDouble(1.0 / 3).toString(), "0.333333333333333");
    EXPECT_THROW(Decimal::fromDouble(std::nan("")), std::domain_error);
    EXPECT_THROW(Decimal::fromDouble(std::numeric_limits<double>::infinity()), std::domain_error);
    EXPECT_THROW(Decimal::fromDouble(1e300), std::overflow_error);

    EXPECT_DOUBLE_EQ(dec("12.5").toDouble(), 12.5);
    EXPECT_EQ(dec("0.1").toDouble(), 0.1);
    EXPECT_EQ(dec("-0.3").toDouble(), -0.3);

    EXPECT_EQ(dec("12.00").toInt64(), 12);
    EXPECT_EQ(dec("-9223372036854775808").toInt64(), std::numeric_limits<std::int64_t>::min());
    EXPECT_FALSE(dec("12.5").toInt64().has_value());
    EXPECT_FALSE(dec("9223372036854775808").toInt64().has_value());
    EXPECT_EQ(Decimal(std::numeric_limits<std::int64_t>::max()).toString(), "9223372036854775807");
}

TEST(DateTime, ParsesIsoFormsAndRefusesImpossibleDates) {
    auto d = DateTime::parseIso("2024-02-29");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->toIsoDate(), "2024-02-29");
    EXPECT_FALSE(d->hasTime());
    EXPECT_FALSE(DateTime::parseIso("2023-02-29"));
    EXPECT_TRUE(DateTime::parseIso("2000-02-29"));
    EXPECT_FALSE(DateTime::parseIso("1900-02-29"));
    EXPECT_TRUE(DateTime::parseIso("20240229"));

    auto t = DateTime::parseIso("2024-02-29T13:45:30.5");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->toIsoString(), "2024-02-29 13:45:30.500");
    EXPECT_TRUE(t->hasTime());
    EXPECT_EQ(DateTime::parseIso("20241231 23:59")->toIsoString(), "2024-12-31 23:59:00.000");
    EXPECT_EQ(DateTime::parseIso("2024-01-02 03:04:05.1234567")->millisecond, 123);
    EXPECT_EQ(DateTime::parseIso(" 2024-01-02 ")->day, 2);

    for (const char* bad :
         {"", "abc", "2024-13-01", "2024-00-10", "2024-04-31", "2024-01-00", "2024-2-9",
          "2024-0229", "2024-02-29x", "2024-02-29 24:00", "2024-02-29 12:60", "2024-02-29 12",
          "2024-02-29 12:00:61", "2024-02-29 12:00:00.", "0000-01-01", "2024-02-29  12:00"})
        EXPECT_FALSE(DateTime::parseIso(bad)) << '"' << bad << '"';

    DateTime bad;
    bad.month = 2;
    bad.day = 30;
    EXPECT_FALSE(bad.isValid());
    EXPECT_TRUE(DateTime{}.isValid());

    const DateTime now = DateTime::now();
    EXPECT_TRUE(now.isValid());
    EXPECT_GE(now.year, 2024);
}

TEST(DateTime, CountsDaysFrom1900) {
    EXPECT_EQ(DateTime{}.daysSinceEpoch(), 0);
    EXPECT_EQ(DateTime::parseIso("1900-01-02")->daysSinceEpoch(), 1);
    EXPECT_EQ(DateTime::parseIso("1899-12-31")->daysSinceEpoch(), -1);
    EXPECT_EQ(DateTime::parseIso("1900-03-01")->daysSinceEpoch(), 59);  // 1900 was not leap
    EXPECT_EQ(DateTime::parseIso("1970-01-01")->daysSinceEpoch(), 25567);
    EXPECT_EQ(DateTime::parseIso("2000-01-01")->daysSinceEpoch(), 36524);
    EXPECT_EQ(DateTime::parseIso("2024-02-29 18:00")->daysSinceEpoch(), 45349);
    EXPECT_EQ(DateTime::fromDaysSinceEpoch(45349).toIsoString(), "2024-02-29 00:00:00.000");

    // Consecutive day numbers give consecutive valid dates, across leap years
    // and centuries.
    EXPECT_EQ(DateTime::fromDaysSinceEpoch(-693595).toIsoDate(), "0001-01-01");
    DateTime previous = DateTime::fromDaysSinceEpoch(-693595);
    for (long n = -693594; n <= 2958463; ++n) {
        const DateTime d = DateTime::fromDaysSinceEpoch(n);
        ASSERT_TRUE(d.isValid()) << n;
        ASSERT_EQ(d.daysSinceEpoch(), n);
        ASSERT_LT(previous, d) << n;
        previous = d;
    }
    EXPECT_EQ(previous.toIsoDate(), "9999-12-31");
}

TEST(Value, TextAndNumericConversions) {
    EXPECT_EQ(Value().toText(), "");
    EXPECT_EQ(Value::null().toText(), "");
    EXPECT_EQ(Value(true).toText(), "True");
    EXPECT_EQ(Value(false).toText(), "False");
    EXPECT_EQ(Value(-5).toText(), "-5");
    EXPECT_EQ(Value(dec("12.50")).toText(), "12.50");
    EXPECT_EQ(Value(0.1 + 0.2).toText(), "0.3");
    EXPECT_EQ(Value(1250.0).toText(), "1250");
    EXPECT_EQ(Value(-0.25).toText(), "-0.25");
    EXPECT_EQ(Value(1e20).toText(), "1e+20");
    EXPECT_EQ(Value("  AB  ").toText(), "  AB  ");
    EXPECT_EQ(Value(*DateTime::parseIso("2024-02-29")).toText(), "2024-02-29");
    EXPECT_EQ(Value(*DateTime::parseIso("2024-02-29 13:45:30.250")).toText(),
              "2024-02-29 13:45:30");

    EXPECT_EQ(Value(" 12.5 ").toDecimal(), dec("12.5"));
    EXPECT_EQ(Value(true).toDecimal(), Decimal(-1));
    EXPECT_EQ(Value(false).toDecimal(), Decimal(0));
    EXPECT_EQ(Value(7).toDecimal(), Decimal(7));
    EXPECT_EQ(Value(0.1).toDecimal(), dec("0.1"));
    EXPECT_EQ(Value(dec("3.10")).toDecimal()->toString(), "3.10");
    for (const Value& v : {Value(), Value::null(), Value(""), Value("   "), Value("abc"),
                           Value(std::nan("")), Value(*DateTime::parseIso("2024-01-01"))})
        EXPECT_FALSE(v.toDecimal().has_value()) << typeName(v.type()) << " " << v.toText();

    EXPECT_TRUE(Value(true).isNumber());
    EXPECT_TRUE(Value(1.5).isNumber());
    EXPECT_TRUE(Value(dec("1")).isNumber());
    EXPECT_FALSE(Value("1").isNumber());
    EXPECT_FALSE(Value::null().isNumber());

    // Exact equality distinguishes types and case, unlike compare().
    EXPECT_NE(Value(1), Value(Decimal(1)));
    EXPECT_NE(Value("a"), Value("A"));
    EXPECT_EQ(Value(), Value());
    EXPECT_EQ(Value::null(), Value(NullValue{}));
    EXPECT_NE(Value(), Value::null());

    EXPECT_EQ(typeName(Value::Type::Text), "String");
    EXPECT_EQ(typeName(Value(dec("1")).type()), "Decimal");
    EXPECT_EQ(typeName(Value(true).type()), "Boolean");
}

TEST(Value, CompareOrdersLikeTheGridsAndFilters) {
    // Empty and Null come before everything, even negative numbers and "".
    for (const Value& v : {Value(-1000000), Value(""), Value(false), Value(DateTime{})}) {
        EXPECT_LT(Value::compare(Value::null(), v), 0) << v.toText();
        EXPECT_LT(Value::compare(Value(), v), 0) << v.toText();
        EXPECT_GT(Value::compare(v, Value::null()), 0) << v.toText();
    }
    EXPECT_EQ(Value::compare(Value(), Value::null()), 0);

    // Text: case-insensitive, trailing blanks ignored, leading ones not.
    EXPECT_EQ(Value::compare("abc  ", "ABC"), 0);
    EXPECT_EQ(Value::compare("ABC", "abc  "), 0);
    EXPECT_LT(Value::compare("abc", "abd"), 0);
    EXPECT_LT(Value::compare("ab", "abc"), 0);
    EXPECT_NE(Value::compare(" abc", "abc"), 0);
    EXPECT_EQ(Value::compare("PERCHÈ", "perchè"), 0);
    EXPECT_EQ(Value::compare("   ", ""), 0);

    // Numbers by value, whatever their type and scale.
    EXPECT_EQ(Value::compare(Value(dec("1.50")), Value(1.5)), 0);
    EXPECT_EQ(Value::compare(Value(2), Value(dec("2.000"))), 0);
    EXPECT_EQ(Value::compare(Value(0.1), Value(dec("0.1"))), 0);
    EXPECT_LT(Value::compare(Value(1.5), Value(2)), 0);
    EXPECT_GT(Value::compare(Value(2), Value(1.5)), 0);
    EXPECT_LT(Value::compare(Value(true), Value(0)), 0);  // True is -1
    EXPECT_EQ(Value::compare(Value(false), Value(0.0)), 0);
    EXPECT_GT(Value::compare(Value(1e300), Value(5)), 0);

    // Text that reads as a number or a date compares with one by content.
    EXPECT_EQ(Value::compare(Value("10"), Value(10)), 0);
    EXPECT_LT(Value::compare(Value("9"), Value(10)), 0);
    EXPECT_GT(Value::compare(Value(10), Value(" 9 ")), 0);
    const Value leapDay(*DateTime::parseIso("2024-02-29"));
    EXPECT_EQ(Value::compare(Value("2024-02-29"), leapDay), 0);
    EXPECT_LT(Value::compare(leapDay, Value(*DateTime::parseIso("2024-02-29 00:00:01"))), 0);

    std::vector<Value> values = {"b",        Value(3), Value::null(),    "A",
                                 Value(1.5), Value(),  Value(dec("-2")), "a  "};
    std::stable_sort(values.begin(), values.end(),
                     [](const Value& a, const Value& b) { return Value::compare(a, b) < 0; });
    std::vector<std::string> texts;
    for (const Value& v : values)
        texts.push_back(v.toText());
    EXPECT_EQ(texts, (std::vector<std::string>{"", "", "-2", "1.5", "3", "A", "a  ", "b"}));
}

TEST(DbError, MessageCarriesTheFirstProviderErrorAndItsState) {
    const DbError e({{sqlstate::kIntegrity, 1555, "UNIQUE constraint failed: T.K", "SQLite"},
                     {sqlstate::kGeneral, 1, "second", "SQLite"}},
                    "INSERT INTO T VALUES (1)");
    EXPECT_STREQ(e.what(), "UNIQUE constraint failed: T.K [23000]");
    EXPECT_EQ(e.sqlState(), "23000");
    EXPECT_EQ(e.statement(), "INSERT INTO T VALUES (1)");
    ASSERT_EQ(e.errors().size(), 2u);
    EXPECT_EQ(e.errors()[1].message, "second");

    try {
        throw DbError({}, "");
    } catch (const std::exception& x) {
        EXPECT_STRNE(x.what(), "");
        EXPECT_EQ(static_cast<const DbError&>(x).sqlState(), "");
    }
}

struct NoBackend : Backend {
    BatchResult run(std::string_view) override { return {}; }
    void begin() override {}
    void commit() override {}
    void rollback() override {}
    std::string name() const override { return "none"; }
};

TEST(HostObjects, NamesCompareCaseInsensitivelyWithOrWithoutTheSchema) {
    TableFunction f;
    f.name = "dbo.FNTEST_VALUETYPES";
    f.parameterCount = 1;
    f.columns.emplace_back().name = "DES";
    f.body = [](Backend&, const std::vector<Value>& args) {
        return std::vector<std::vector<Value>>{{Value("got " + args.at(0).toText())}};
    };
    registerTableFunction(f);

    for (const char* name : {"FNTEST_VALUETYPES", "fntest_valuetypes", "DBO.FnTest_ValueTypes",
                             "[dbo].[FNTEST_VALUETYPES]", "dbo.fntest_valuetypes"}) {
        const TableFunction* found = findTableFunction(name);
        ASSERT_NE(found, nullptr) << name;
        EXPECT_EQ(found->parameterCount, 1);
    }
    NoBackend backend;
    EXPECT_EQ(findTableFunction("FNTEST_VALUETYPES")->body(backend, {Value(5)}).at(0).at(0),
              Value("got 5"));
    EXPECT_EQ(findTableFunction("FNTEST_VALUETYPE"), nullptr);
    EXPECT_EQ(findTableFunction("sys.FNTEST_VALUETYPES"), nullptr);
    EXPECT_EQ(findProcedure("FNTEST_VALUETYPES"), nullptr);

    // Registering the name again replaces the object.
    f.name = "FnTest_ValueTypes";
    f.parameterCount = 2;
    registerTableFunction(f);
    EXPECT_EQ(findTableFunction("dbo.FNTEST_VALUETYPES")->parameterCount, 2);

    registerProcedure({"SPTEST_VALUETYPES", [](Backend&, const std::vector<Value>& args) {
                           ResultSet rs;
                           rs.columns.emplace_back().name = "N";
                           rs.rows = {{Value(static_cast<long>(args.size()))}};
                           return rs;
                       }});
    const Procedure* p = findProcedure("dbo.sptest_valuetypes");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->body(backend, {Value(1), Value(2)}).rows.at(0).at(0), Value(2));
    EXPECT_EQ(findTableFunction("SPTEST_VALUETYPES"), nullptr);
}

}  // namespace
}  // namespace db
