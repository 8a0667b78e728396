// A database that cannot be opened, as a user meets it: the password of the
// connection string is never shown (messages, error reports, the programs'
// output), each SQLSTATE is told once, the text is Italian with its
// catalogue number, and the host and veldrano-sql exit non-zero, also when
// the host was asked for pictures.

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <set>

#include "platform/db/connection.h"
#include "platform/db/credentials.h"
#include "platform/db/errors.h"

namespace {

const char* const kSecret = "Segreta!42";

// An SQL Server nobody listens for: the driver gives up at once.
std::string unreachable(const std::string& passwordKey = "PWD") {
    return "Driver=FreeTDS;Server=127.0.0.1;Port=1;Database=AZIENDA;UID=sa;" + passwordKey + "=" +
           kSecret + ";ClientCharset=UTF-8";
}

void expectToldOnceWithoutThePassword(const db::DbError& e) {
    EXPECT_EQ(std::string(e.what()).find(kSecret), std::string::npos) << e.what();
    std::set<std::string> states;
    for (const auto& p : e.errors()) {
        EXPECT_EQ(p.message.find(kSecret), std::string::npos) << p.message;
        EXPECT_TRUE(states.insert(p.sqlState).second) << "SQLSTATE twice: " << p.sqlState;
    }
    EXPECT_EQ(db::describeFailure(e).find(kSecret), std::string::npos);
}

TEST(Credentials, TheMaskHidesEveryPasswordKeyInAnyCase) {
    EXPECT_EQ(db::maskCredentials("Driver=X;UID=sa;PWD=abc;Server=s"),
              "Driver=X;UID=sa;PWD=****;Server=s");
    EXPECT_EQ(db::maskCredentials("uid=sa;pwd = {a;b};x=1"), "uid=sa;pwd = ****;x=1");
    EXPECT_EQ(db::maskCredentials("Cannot use 'Data Source=x;Password=P@ss'"),
              "Cannot use 'Data Source=x;Password=****'");
    EXPECT_EQ(db::maskCredentials("PASSWORD=1;Pwd=2"), "PASSWORD=****;Pwd=****");
    EXPECT_EQ(db::maskCredentials("Data Source=demo.db"), "Data Source=demo.db");
}

TEST(Credentials, AConnectionThatCannotOpenIsToldWithoutItsPassword) {
    for (const char* key : {"PWD", "Password", "pwd"}) {
        db::Connection cn;
        try {
            cn.open(unreachable(key));
            ADD_FAILURE() << "opened";
        } catch (const db::DbError& e) {
            expectToldOnceWithoutThePassword(e);
            for (const auto& p : cn.errors())
                EXPECT_EQ(p.message.find(kSecret), std::string::npos) << p.message;
        }
    }
    // An embedded database file that is not there, with a password given.
    QTemporaryDir dir;
    db::Connection cn;
    try {
        cn.open("Data Source=" + dir.filePath("no/such/folder/x.db").toStdString() +
                ";Password=" + kSecret);
        ADD_FAILURE() << "opened";
    } catch (const db::DbError& e) {
        expectToldOnceWithoutThePassword(e);
    }
}

// A program of the build run with a connection that cannot open.
struct Outcome {
    int status = -1;
    std::string out, err;
};
Outcome run(const std::string& program, const QStringList& arguments) {
    Outcome r;
    QProcess p;
    p.setProcessEnvironment([] {
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        return env;
    }());
    p.start(QString::fromStdString(program), arguments);
    if (!p.waitForFinished(60000))
        return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString();
    return r;
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST(Credentials, TheHostAndTheShellExitNonZeroAndSayItOnceInItalian) {
    const std::string bin = std::string(VELDRANO_BINARY_DIR) + "/bin/";
    const std::string host = bin + "veldrano-host", shell = bin + "veldrano-sql";
    if (!QFileInfo::exists(QString::fromStdString(host)) ||
        !QFileInfo::exists(QString::fromStdString(shell)))
        GTEST_SKIP() << "the programs are not built";
    QTemporaryDir shots;
    const QString db = QString::fromStdString(unreachable());
    for (const QStringList& args :
         {QStringList{"--db", db}, QStringList{"--db", db, "--screenshot", shots.path()}}) {
        const Outcome r = run(host, args);
        EXPECT_NE(r.status, 0) << r.err;
        const std::string all = r.out + r.err;
        EXPECT_EQ(all.find(kSecret), std::string::npos) << all;
        EXPECT_EQ(occurrences(all, "Impossibile aprire la connessione al database"), 1u) << all;
        EXPECT_NE(all.find("PWD=****"), std::string::npos) << all;
    }
    const Outcome r = run(shell, {"--db", db, "SELECT 1"});
    EXPECT_NE(r.status, 0) << r.err;
    const std::string all = r.out + r.err;
    EXPECT_EQ(all.find(kSecret), std::string::npos) << all;
    EXPECT_EQ(occurrences(all, "[x91506x] Impossibile aprire la connessione al database"), 1u)
        << all;
}

}  // namespace
