// Objects written in T-SQL live in the database file: a new connection (on
// either backend) finds them, and a construct the front end does not know yet
// is refused by a message that names it.

#include <gtest/gtest.h>

#include "db_test_support.h"

namespace {

using dbtest::scalar;

class Objects : public dbtest::BackendTest {};

TEST_P(Objects, DefinitionsOutliveTheConnectionThatMadeThem) {
    c.execute("CREATE TABLE T (K INT NOT NULL PRIMARY KEY, N INT NULL)");
    c.execute("INSERT INTO T VALUES (1, 10), (2, 20)");
    c.execute("CREATE TABLE LOG (K INT)");
    c.execute("CREATE VIEW Big AS SELECT K FROM T WHERE N > 15");
    c.execute(
        "CREATE PROCEDURE Total @min INT, @sum INT OUTPUT AS "
        "SELECT @sum = SUM(N) FROM T WHERE N >= @min");
    c.execute("CREATE FUNCTION dbo.Half (@n INT) RETURNS INT AS BEGIN RETURN @n / 2 END");
    c.execute(
        "CREATE FUNCTION dbo.Above (@n INT) RETURNS TABLE AS "
        "RETURN (SELECT K FROM T WHERE N > @n)");
    c.execute("CREATE TRIGGER Logged ON T AFTER INSERT AS INSERT INTO LOG SELECT K FROM inserted");
    c.close();

    db::Connection again;
    again.open(connectionString(file));
    EXPECT_EQ(scalar(again, "SELECT K FROM Big"), "2");
    EXPECT_EQ(scalar(again, "DECLARE @s INT EXEC Total 0, @s OUTPUT SELECT @s"), "30");
    EXPECT_EQ(scalar(again, "SELECT dbo.Half(N) FROM T WHERE K = 2"), "10");
    EXPECT_EQ(scalar(again, "SELECT COUNT(*) FROM dbo.Above(5)"), "2");
    again.execute("INSERT INTO T VALUES (3, 30)");
    EXPECT_EQ(scalar(again, "SELECT COUNT(*) FROM LOG"), "1");

    // Dropped on one connection, gone for the next.
    again.execute("DROP PROCEDURE Total; DROP FUNCTION dbo.Half; DROP VIEW Big");
    again.close();
    c.open(connectionString(file));
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM dbo.Above(25)"), "1");
    for (const char* gone : {"EXEC Total 0, NULL", "SELECT dbo.Half(1)", "SELECT K FROM Big"}) {
        EXPECT_THROW(c.execute(gone), db::DbError) << gone;
    }
}

TEST_P(Objects, ATriggerMadeOrDroppedByAnotherConnectionCountsAtOnce) {
    c.execute("CREATE TABLE T (K INT NOT NULL PRIMARY KEY)");
    c.execute("CREATE TABLE LOG (K INT)");
    db::Connection other;
    other.open(connectionString(file));
    other.execute("INSERT INTO T VALUES (1)");  // this connection has read the triggers: none
    c.execute("CREATE TRIGGER Logged ON T AFTER INSERT AS INSERT INTO LOG SELECT K FROM inserted");
    other.execute("INSERT INTO T VALUES (2)");
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM LOG"), "1");
    c.execute("DROP TRIGGER Logged");
    other.execute("INSERT INTO T VALUES (3)");
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM LOG"), "1");
    EXPECT_EQ(scalar(other, "SELECT COUNT(*) FROM T"), "3");
}

TEST_P(Objects, AConstructNotYetKnownIsNamed) {
    c.execute("CREATE TABLE M (K INT NOT NULL PRIMARY KEY, N INT NULL)");
    const std::pair<const char*, const char*> refused[] = {
        {"MERGE TOP (1) M USING (SELECT 1 AS K) AS S ON M.K = S.K WHEN MATCHED THEN DELETE;",
         "MERGE TOP"},
        {"SELECT K FROM M FOR XML PATH('')", "XML"},
        {"CREATE TRIGGER Instead ON M INSTEAD OF INSERT AS SELECT 1", "INSTEAD OF"},
        {"DECLARE @c CURSOR", "CURSOR"},
        {"INSERT INTO M (K, N) VALUES (1, $12.5)", "money constant"},
    };
    for (const auto& [sql, name] : refused) {
        try {
            c.execute(sql);
            ADD_FAILURE() << "accepted: " << sql;
        } catch (const db::DbError& e) {
            EXPECT_EQ(e.sqlState(), "42000") << sql;
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
    }
    // Nothing was written by the refused statements.
    EXPECT_EQ(scalar(c, "SELECT COUNT(*) FROM M"), "0");
}

}  // namespace

VELDRANO_ON_BOTH_BACKENDS(Objects);
