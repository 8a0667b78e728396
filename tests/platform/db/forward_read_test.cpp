// Forward-only reads (Connection::forEachRow): rows handed over one at a
// time as the backend fetches them, with the same values, errors, faults,
// guard and trace as run(); an early stop, a failure in the middle, a sink
// that throws or closes the connection; on both backends.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/platform/db/db_test_support.h"

namespace {

using dbtest::scalar;

class ForwardRead : public dbtest::BackendTest {
protected:
    void prepare() override {
        c.execute(
            "CREATE TABLE T (ID INT NOT NULL, NOTE VARCHAR(40), QTA DECIMAL(14,3), "
            "SIGLA CHAR(5), CONSTRAINT PK_T PRIMARY KEY (ID))");
        c.execute(
            "INSERT INTO T VALUES (1, '10', 1.5, 'A'), (2, '20', NULL, 'B'), "
            "(3, 'trenta', -0.125, NULL), (4, '40', 123456789.999, 'D')");
    }

    // Every row of a read as text, "|" between values; stops after `limit`.
    std::vector<std::string> read(const std::string& sql,
                                  std::vector<db::Column>* columns = nullptr, int limit = -1) {
        std::vector<std::string> out;
        c.forEachRow(
            sql,
            [&](const std::vector<db::Column>& cols) {
                if (columns)
                    *columns = cols;
            },
            [&](const db::RowView& row) {
                out.push_back(line(row, columns ? static_cast<int>(columns->size()) : 1));
                return limit < 0 || static_cast<int>(out.size()) < limit;
            });
        return out;
    }

    static std::string text(const db::Value& v) {
        return v.isNull() ? "NULL" : db::typeName(v.type()) + ":" + v.toText();
    }
    static std::string line(const db::RowView& row, int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += (i ? "|" : "") + text(row.value(i));
        return s;
    }
    std::vector<std::string> ran(const std::string& sql, std::vector<db::Column>* columns) {
        const db::BatchResult r = c.run(sql);
        std::vector<std::string> out;
        const db::ResultSet& rs = r.resultSets.back();
        *columns = rs.columns;
        for (const auto& values : rs.rows)
            out.push_back(line(db::RowOfValues(values), static_cast<int>(values.size())));
        return out;
    }
};

TEST_P(ForwardRead, RowsComeInOrderWithTheColumnsAndValuesOfRun) {
    const std::string sql =
        "SELECT ID, NOTE, QTA, SIGLA, QTA * 2 AS DOPPIO, CAST(ID AS DECIMAL(9,2)) AS D2, "
        "LEFT(NOTE, 1) + '-' AS L FROM T ORDER BY ID DESC";
    std::vector<db::Column> streamed, stored;
    const auto rows = read(sql, &streamed);
    EXPECT_EQ(rows, ran(sql, &stored));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows.front().substr(0, 10), "Integer:4|");
    ASSERT_EQ(streamed.size(), stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        EXPECT_EQ(streamed[i].name, stored[i].name);
        EXPECT_EQ(streamed[i].type, stored[i].type) << stored[i].name;
        EXPECT_EQ(streamed[i].scale, stored[i].scale) << stored[i].name;
        EXPECT_EQ(streamed[i].baseTable, stored[i].baseTable) << stored[i].name;
        EXPECT_EQ(streamed[i].key, stored[i].key) << stored[i].name;
    }

    // Types SQL Server gives a union's columns, applied value by value.
    const std::string both =
        "SELECT ID, QTA FROM T WHERE ID < 3 UNION ALL SELECT 9, 2 UNION ALL SELECT 8, 2.5 ORDER BY "
        "1";
    EXPECT_EQ(read(both, &streamed), ran(both, &stored));
    EXPECT_EQ(streamed.at(1).scale, stored.at(1).scale);

    // decimal(): a Decimal as value() has it; NULL and text answer false.
    std::vector<std::string> decimals;
    c.forEachRow("SELECT QTA, NOTE FROM T ORDER BY ID", nullptr, [&](const db::RowView& row) {
        db::Decimal d;
        decimals.push_back(row.decimal(0, d) ? d.toString() : "-");
        EXPECT_FALSE(row.decimal(1, d));
        // A column the statement has not is an error, not a read past its end.
        EXPECT_THROW(row.decimal(2, d), std::out_of_range);
        EXPECT_THROW(row.decimal(-1, d), std::out_of_range);
        return true;
    });
    EXPECT_EQ(decimals, (std::vector<std::string>{"1.500", "-", "-0.125", "123456789.999"}));
    // A zero, stored as an integer or computed as a double, at the column's scale.
    c.execute("UPDATE T SET QTA = 0 WHERE ID = 1");
    c.execute("UPDATE T SET QTA = QTA - QTA + 0.0 WHERE ID = 3");
    decimals.clear();
    c.forEachRow("SELECT QTA FROM T WHERE ID IN (1, 3) ORDER BY ID", nullptr,
                 [&](const db::RowView& row) {
                     db::Decimal d;
                     EXPECT_TRUE(row.decimal(0, d));
                     EXPECT_EQ(d.toString(), row.value(0).asDecimal().toString());
                     decimals.push_back(d.toString());
                     return true;
                 });
    EXPECT_EQ(decimals, (std::vector<std::string>{"0.000", "0.000"}));

    // A batch of several statements hands over its last result set; one
    // without any says so with no columns, and still does its work.
    std::vector<db::Column> columns;
    EXPECT_EQ(read("SELECT 1 AS A; SELECT ID FROM T WHERE ID > 2 ORDER BY ID", &columns),
              (std::vector<std::string>{"Integer:3", "Integer:4"}));
    EXPECT_EQ(columns.size(), 1u);
    columns.push_back({});
    EXPECT_TRUE(read("UPDATE T SET NOTE = 'dieci' WHERE ID = 1", &columns).empty());
    EXPECT_TRUE(columns.empty());
    EXPECT_EQ(scalar(c, "SELECT NOTE FROM T WHERE ID = 1"), "dieci");
}

TEST_P(ForwardRead, AFailureInTheMiddleComesAfterTheRowsBeforeIt) {
    // 'trenta' is not a number: the rows before it have been handed over
    // when the read fails, as SQLite steps them one at a time.
    const std::string sql = "SELECT ID, CONVERT(INT, NOTE) AS N FROM T ORDER BY ID";
    std::vector<std::string> rows;
    c.clearErrors();
    try {
        c.forEachRow(sql, nullptr, [&](const db::RowView& row) {
            rows.push_back(row.value(1).toText());
            return true;
        });
        FAIL() << "the read did not fail";
    } catch (const db::DbError& e) {
        EXPECT_NE(std::string(e.what()).find("trenta"), std::string::npos) << e.what();
    }
    // SQLite's ODBC driver runs a query whole when it executes it: there
    // the failure comes before the first row.
    if (GetParam() == "embedded")
        EXPECT_EQ(rows, (std::vector<std::string>{"10", "20"}));
    else
        EXPECT_TRUE(rows.empty());
    EXPECT_FALSE(c.errors().empty());
    // The connection and the statement go on.
    EXPECT_EQ(read("SELECT ID FROM T WHERE NOTE <> 'trenta' ORDER BY ID").size(), 3u);
    c.execute("UPDATE T SET NOTE = '30' WHERE ID = 3");
    std::vector<db::Column> columns;
    EXPECT_EQ(read(sql, &columns).back(), "Integer:4|Integer:40");
}

TEST_P(ForwardRead, AnEarlyStopEndsTheReadAndTheSinkMayRunStatements) {
    const std::string sql = "SELECT ID, NOTE FROM T ORDER BY ID";
    std::vector<db::Column> columns;
    EXPECT_EQ(read(sql, &columns, 2),
              (std::vector<std::string>{"Integer:1|String:10", "Integer:2|String:20"}));
    // Read again from the start, and written to in between.
    EXPECT_EQ(read(sql, &columns).size(), 4u);
    c.beginTransaction();
    c.execute("DELETE FROM T WHERE ID = 4");
    c.commitTransaction();

    // The sink looks up rows of its own while the read is open, the same
    // query included, as the progressives look up a variant's description.
    std::vector<std::string> seen;
    c.forEachRow(sql, nullptr, [&](const db::RowView& row) {
        const std::string id = row.value(0).toText();
        seen.push_back(id + "=" + scalar(c, "SELECT NOTE FROM T WHERE ID = " + id) + "/" +
                       std::to_string(read(sql).size()));
        return true;
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"1=10/3", "2=20/3", "3=trenta/3"}));
}

TEST_P(ForwardRead, FaultsGuardAndTraceActAsOnRun) {
    const std::string sql = "SELECT ID FROM T ORDER BY ID";
    bool told = false;
    int rows = 0;
    auto count = [&](const db::RowView&) { return ++rows > 0; };
    auto columns = [&](const std::vector<db::Column>&) { told = true; };

    // An injected failure: nothing handed over, the error kept.
    c.injectFault({"FROM T ORDER", "08S01", 0, 1});
    EXPECT_THROW(c.forEachRow(sql, columns, count), db::DbError);
    EXPECT_FALSE(told);
    EXPECT_EQ(rows, 0);
    ASSERT_FALSE(c.errors().empty());
    EXPECT_EQ(c.errors().front().sqlState, "08S01");
    // A lost link comes back at the next call.
    db::Connection::Fault lost;
    lost.match = "FROM T ORDER";
    lost.dropsLink = true;
    c.injectFault(lost);
    const int generation = c.generation();
    EXPECT_THROW(c.forEachRow(sql, columns, count), db::DbError);
    c.forEachRow(sql, columns, count);
    EXPECT_EQ(rows, 4);
    EXPECT_EQ(c.generation(), generation + 1);

    // The guard refuses before the backend sees the batch; the trace sees
    // what runs.
    std::vector<std::string> traced;
    db::Connection::setTrace(
        [&](const db::Connection&, std::string_view text) { traced.emplace_back(text); });
    c.setGuard([](std::string_view text) {
        if (text.find("DELETE") != std::string_view::npos)
            throw std::runtime_error("non consentito");
    });
    EXPECT_THROW(c.forEachRow("DELETE FROM T", columns, count), std::runtime_error);
    rows = 0;
    c.forEachRow(sql, columns, count);
    db::Connection::setTrace({});
    c.setGuard({});
    EXPECT_EQ(rows, 4);
    EXPECT_EQ(traced, (std::vector<std::string>{sql}));
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM T"), "4");
}

TEST_P(ForwardRead, TheSinksOwnFailureReachesTheCallerAsItWasThrown) {
    const std::string sql = "SELECT ID, NOTE FROM T ORDER BY ID";
    c.clearErrors();
    int rows = 0;
    EXPECT_THROW(c.forEachRow(sql, nullptr,
                              [&](const db::RowView&) {
                                  if (++rows == 2)
                                      throw std::invalid_argument("riga rifiutata");
                                  return true;
                              }),
                 std::invalid_argument);
    EXPECT_EQ(rows, 2);
    EXPECT_TRUE(c.errors().empty());  // not the database's failure
    EXPECT_THROW(c.forEachRow(
                     sql, [](const std::vector<db::Column>&) { throw std::logic_error("colonne"); },
                     [&](const db::RowView&) { return ++rows > 0; }),
                 std::logic_error);
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(read(sql).size(), 4u);

    // A sink that closes the connection ends the read with a clear error;
    // the connection opens again.
    try {
        c.forEachRow(sql, nullptr, [&](const db::RowView&) {
            c.close();
            return true;
        });
        FAIL() << "the read went on without its connection";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.sqlState(), "08S01");
        EXPECT_NE(std::string(e.what()).find("chiusa durante la lettura"), std::string::npos);
    }
    EXPECT_FALSE(c.isOpen());
    c.open(connectionString(file));
    EXPECT_EQ(read(sql).size(), 4u);
}

VELDRANO_ON_BOTH_BACKENDS(ForwardRead);

}  // namespace
