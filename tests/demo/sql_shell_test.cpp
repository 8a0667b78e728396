// The SQL shell veldrano-sql run as a program: statements from arguments, a
// file and standard input, GO batches, aligned and CSV output, errors with
// their SQLSTATE on standard error and the exit status.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "demo_test_support.h"

namespace demo::test {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out, err;
};

class SqlShell : public ::testing::Test {
protected:
    void SetUp() override {
        // A folder per test: ctest runs the tests of this file at once.
        dir = fs::path(VELDRANO_BINARY_DIR) / "tests-demo" /
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::string quoted(const std::string& s) {
        std::string out = "'";
        for (char ch : s)
            out += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
        return out + "'";
    }

    // Runs the shell with the arguments (each quoted for the shell) and the
    // given standard input; the demo database lives in the test's folder.
    Outcome shell(const std::vector<std::string>& args, const std::string& input = "") {
        const fs::path in = dir / "stdin.txt", out = dir / "stdout.txt", err = dir / "stderr.txt";
        std::ofstream(in, std::ios::binary) << input;
        std::string command =
            "XDG_DATA_HOME=" + quoted((dir / "xdg").string()) + " " + quoted(VELDRANO_SQL_SHELL);
        for (const auto& a : args)
            command += " " + quoted(a);
        command +=
            " <" + quoted(in.string()) + " >" + quoted(out.string()) + " 2>" + quoted(err.string());
        Outcome r;
        const int raw = std::system(command.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = read(out);
        r.err = read(err);
        return r;
    }

    static std::string read(const fs::path& p) {
        std::ifstream f(p, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }

    fs::path dir;
};

TEST_F(SqlShell, ArgumentsGiveAlignedTablesOnTheDemoDatabase) {
    const Outcome r =
        shell({"SELECT MG5F_CODICEVAR, MG5F_SIZE, MG5F_DESCR_VAR FROM MG5F_DIMECONF "
               "WHERE MG5F_DITTA_CG18 = 2 ORDER BY MG5F_CODICEVAR",
               "UPDATE MG5E_OPZIONI SET MG5E_DESCR = 'Lana d''inverno' WHERE "
               "MG5E_OPZIONE = 'FRED'"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "MG5F_CODICEVAR | MG5F_SIZE | MG5F_DESCR_VAR\n"
              "---------------+-----------+---------------\n"
              "A0             |         2 | Taglia\n"
              "A1             |         4 | Tessuto\n"
              "B0             |         2 | Finitura\n"
              "(3 rows)\n\n"
              "(1 row affected)\n\n");
    // The change was written to the demo database the shell created.
    const Outcome again = shell({"--csv",
                                 "SELECT MG5E_DESCR FROM MG5E_OPZIONI WHERE MG5E_OPZIONE = "
                                 "'FRED'"});
    EXPECT_EQ(again.out, "MG5E_DESCR\r\nLana d'inverno\r\n");
}

TEST_F(SqlShell, FileAndStandardInputSplitIntoBatchesAtGoLines) {
    const fs::path file = dir / "script.sql";
    std::ofstream(file, std::ios::binary)
        << "CREATE TABLE #T (A INT, B VARCHAR(20))\nINSERT INTO #T VALUES (1, 'uno, \"primo\"'), "
           "(2, NULL)\n  go  \nSELECT A, B FROM #T ORDER BY A\nGO\nSELECT 'a line\nGO\ninside' AS "
           "X\n";
    const std::string db = "sqlite:" + (dir / "shell.db").string();
    Outcome r = shell({"--db", db, "--csv", "--file", file.string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "A,B\r\n1,\"uno, \"\"primo\"\"\"\r\n2,\r\nX\r\n\"a line\nGO\ninside\"\r\n");

    r = shell({"--db", db}, "SELECT 6 * 7 AS RISPOSTA\nGO\nSELECT NULL AS NIENTE");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "RISPOSTA\n--------\n      42\n(1 row)\n\nNIENTE\n------\nNULL\n(1 row)\n\n");
}

TEST_F(SqlShell, ObjectsMadeInOneRunServeTheNext) {
    // A procedure's body runs to the end of its batch: GO closes it. The
    // batch after it has lost the variables but keeps the work table.
    const std::string db = "sqlite:" + (dir / "objects.db").string();
    Outcome r = shell({"--db", db, "--csv"},
                      "CREATE PROCEDURE dbo.Doubled @n INT, @out INT OUTPUT\nAS\nSET @out = @n * "
                      "2\nGO\nCREATE TABLE #K (N INT)\nDECLARE @r INT\nEXEC Doubled 21, @r "
                      "OUTPUT\nINSERT INTO #K VALUES (@r)\nGO\nSELECT N FROM #K\nGO\nSELECT "
                      "@r\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "N\r\n42\r\n") << r.err;
    EXPECT_NE(r.err.find("batch 4 failed"), std::string::npos) << r.err;
    // Another run, another connection: the procedure is in the file.
    r = shell({"--db", db, "--csv"}, "DECLARE @r INT\nEXEC Doubled 5, @r OUTPUT\nSELECT @r AS R");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "R\r\n10\r\n");
}

TEST_F(SqlShell, ErrorsGoToStandardErrorWithTheirSqlstate) {
    // A failing batch is reported and the next one still runs.
    Outcome r = shell({"SELECT * FROM NON_ESISTE", "SELECT COUNT(*) AS N FROM MG5F_DIMECONF",
                       "DELETE FROM MG5E_OPZIONI WHERE MG5E_OPZIONE = 'BLU'"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("batch 1 failed"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("SQLSTATE 42S02"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("SQLSTATE 23000"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("N\n-\n7\n(1 row)"), std::string::npos) << r.out;
    // Nothing of the refused delete was written.
    r = shell({"--csv", "SELECT COUNT(*) AS N FROM MG5E_OPZIONI WHERE MG5E_OPZIONE = 'BLU'"});
    EXPECT_EQ(r.out, "N\r\n1\r\n");
    // An unknown construct quotes the statement.
    r = shell({"DECLARE @c CURSOR"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("SQLSTATE 42000"), std::string::npos);
    EXPECT_NE(r.err.find("DECLARE @c CURSOR"), std::string::npos);

    // A database that cannot be opened is named, with status 2.
    const std::string missing = (dir / "manca.db").string();
    r = shell({"--db", "Data Source=" + missing, "SELECT 1"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("SQLSTATE 08001"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(missing), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(missing));
    r = shell({"--nessuna"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("usage"), std::string::npos);
}

}  // namespace
}  // namespace demo::test
