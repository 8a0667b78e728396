// The conformance suite: batches and the answers SQL Server gives them, kept
// as data files (conformance/*.cases), run on both backends. A file:
//
//   === setup                 statements run once before the file's cases
//   CREATE TABLE #T (...)
//   === case <name>           one batch; its "-- " comment cites the rule
//   -- https://learn.microsoft.com/...
//   SELECT ...
//   --- rows                  the last result set, one row a line,
//   a | 12 | NULL             columns separated by " | "
//   --- error 42000 [native]  or the error raised: SQLSTATE, native number
//
// "--- rows" with no lines after it: no rows.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "db_test_support.h"

namespace {

struct Case {
    std::string file, name, batch{};
    std::vector<std::string> rows{};  // expected rows, columns joined by " | "
    bool error = false;
    std::string state{};
    long native = 0;
};

std::string trimmed(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r'))
        s.pop_back();
    return s;
}

std::vector<Case> readCases(const std::filesystem::path& path, std::string& setup) {
    std::ifstream in(path);
    std::vector<Case> cases;
    std::string line;
    enum { None, Setup, Batch, Expect } part = None;
    while (std::getline(in, line)) {
        line = trimmed(line);
        if (line.rfind("=== ", 0) == 0) {
            if (line == "=== setup") {
                part = Setup;
            } else {
                cases.push_back({path.filename().string(), line.substr(4 + 5)});
                part = Batch;
            }
        } else if (line.rfind("--- ", 0) == 0 && part == Batch) {
            Case& c = cases.back();
            std::istringstream words(line.substr(4));
            std::string kind;
            words >> kind;
            if (kind == "error") {
                c.error = true;
                words >> c.state >> c.native;
            }
            part = Expect;
        } else if (part == Setup) {
            setup += line + "\n";
        } else if (part == Batch) {
            cases.back().batch += line + "\n";
        } else if (part == Expect && !line.empty()) {
            cases.back().rows.push_back(line);
        }
    }
    return cases;
}

std::vector<std::filesystem::path> caseFiles() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(
             std::filesystem::path(VELDRANO_SOURCE_DIR) / "tests/platform/db/conformance"))
        if (entry.path().extension() == ".cases")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

class Conformance : public dbtest::BackendTest {};

TEST_P(Conformance, EveryCaseGivesSqlServersAnswer) {
    std::size_t total = 0;
    for (const auto& path : caseFiles()) {
        std::string setup;
        const auto cases = readCases(path, setup);
        ASSERT_FALSE(cases.empty()) << path;
        c.close();
        c.open(connectionString(this->path(path.stem().string()), true));
        if (!setup.empty())
            c.execute(setup);
        for (const auto& k : cases) {
            ++total;
            const std::string where = k.file + ": " + k.name;
            try {
                const auto got = dbtest::rows(c, k.batch);
                if (k.error) {
                    ADD_FAILURE() << where << ": accepted, expected error " << k.state;
                    continue;
                }
                std::vector<std::string> lines;
                for (const auto& row : got) {
                    std::string l;
                    for (std::size_t i = 0; i < row.size(); ++i)
                        l += (i ? " | " : "") + row[i];
                    lines.push_back(trimmed(l));
                }
                EXPECT_EQ(lines, k.rows) << where;
            } catch (const db::DbError& e) {
                if (!k.error) {
                    ADD_FAILURE() << where << ": " << e.what();
                    continue;
                }
                EXPECT_EQ(e.sqlState(), k.state) << where << ": " << e.what();
                if (k.native) {
                    EXPECT_EQ(e.errors().at(0).nativeError, k.native) << where << ": " << e.what();
                }
            }
        }
    }
    RecordProperty("cases", static_cast<int>(total));
    EXPECT_GE(total, 150u);
}

}  // namespace

VELDRANO_ON_BOTH_BACKENDS(Conformance);
