// veldrano-sql --xlsx run as a program on a demo database file: one sheet
// per result set, read back by Python's zipfile.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>

#include "demo/demo_database.h"
#include "tests/exchange/exchange_test_support.h"

namespace {

const std::string kReader = std::string(VELDRANO_SOURCE_DIR) + "/tests/exchange/read_xlsx.py";

// Runs the shell with the arguments; answers its exit status.
int shell(const std::string& arguments) {
    const int status = std::system((std::string(VELDRANO_SQL_SHELL) + " " + arguments).c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SqlXlsx, EveryResultSetBecomesASheet) {
    QTemporaryDir dir;
    const std::string db = dir.filePath("demo.db").toStdString();
    demo::createDemoDatabase(db);
    const std::string out = dir.filePath("estratto.xlsx").toStdString();
    ASSERT_EQ(
        shell("--db 'Data Source=" + db + "' --xlsx " + out +
              " \"SELECT MG5E_OPZIONE, MG5E_DESCR FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = "
              "1 AND MG5E_CODICEVAR_MG5F = 'A0' AND MG5E_OPZIONE IN ('44', 'XS') ORDER BY "
              "MG5E_OPZIONE\" \"UPDATE MG5E_OPZIONI SET MG5E_DESCR = MG5E_DESCR WHERE 1 = 0\" "
              "\"SELECT MG5V_IDSTATOVAR, MG5V_CODICE, MG5V_DATAINIZIO, CONVERT(DECIMAL(18, "
              "2), 12.5) AS PREZZO FROM MG5V_STATIVAR WHERE MG5V_DITTA_CG18 = 1 AND "
              "MG5V_IDSTATOVAR = 2\" > /dev/null"),
        0);
    const std::string cells = exchangetest::output("python3 " + kReader + " " + out + " 2>&1");
    // Two sheets (the UPDATE returns none), captions bold and frozen.
    EXPECT_EQ(cells.find("sheet Risultato 1\n"), 0u) << cells;
    EXPECT_NE(cells.find("sheet Risultato 2\n"), std::string::npos) << cells;
    EXPECT_EQ(cells.find("sheet Risultato 3"), std::string::npos) << cells;
    EXPECT_NE(cells.find("A1\ts\tb\t\tMG5E_OPZIONE\n"), std::string::npos) << cells;
    EXPECT_NE(cells.find("A2\ts\t-\t\t44\n"), std::string::npos) << cells;
    EXPECT_NE(cells.find("A3\ts\t-\t\tXS\n"), std::string::npos) << cells;
    const std::string second = cells.substr(cells.find("sheet Risultato 2"));
    EXPECT_NE(second.find("frozen A2\n"), std::string::npos) << second;
    EXPECT_NE(second.find("A2\tn\t-\t0\t2\n"), std::string::npos) << second;  // DECIMAL(18,0)
    EXPECT_NE(second.find("B2\ts\t-\t\tNOVITA\n"), std::string::npos) << second;
    EXPECT_NE(second.find("C2\td\t-\tdd/mm/yyyy\t46266\n"), std::string::npos) << second;
    EXPECT_NE(second.find("D2\tn\t-\t"), std::string::npos) << second;

    // A file that cannot be written: status 2; --csv and --xlsx together: 2.
    EXPECT_EQ(shell("--db 'Data Source=" + db +
                    "' --xlsx /nonexistent/x.xlsx \"SELECT 1 AS A\" 2> /dev/null"),
              2);
    EXPECT_EQ(shell("--csv --xlsx " + out + " \"SELECT 1\" 2> /dev/null"), 2);
}

}  // namespace
