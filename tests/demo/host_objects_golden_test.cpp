// The host database's procedure and table functions give the rows kept in
// tests/demo/golden/host_objects.txt on every demo item and code, on both
// backends: whatever carries them out (C++ or T-SQL stored in the file), the
// card sees the same rows. VELDRANO_WRITE_GOLDEN=1 rewrites the file.

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "statement_support.h"

namespace demo::test {
namespace {

struct Level {
    const char* function;
    const char* table;
    const char* code;
    const char* description;
    std::vector<const char*> parents;
};

const std::vector<Level>& levels() {
    static const std::vector<Level> all = {
        {"FNMG53_FAMIGLIE", "MG53_FAMIGLIE", "MG53_CODFAM", "MG53_DESCRFAM", {}},
        {"FNMG54_SOTTOFAM", "MG54_SOTTOFAM", "MG54_CODSFAM", "MG54_DESCRSFAM", {"MG54_FAM_MG53"}},
        {"FNMG55_GRUPPI",
         "MG55_GRUPPI",
         "MG55_CODGRUPPO",
         "MG55_DESCRGRUPPO",
         {"MG55_FAM_MG53", "MG55_SFAM_MG54"}},
        {"FNMG56_SOTTOGRUPPI",
         "MG56_SOTTOGRUPPI",
         "MG56_CODSGRUPPO",
         "MG56_DESCRSGRUPPO",
         {"MG56_FAM_MG53", "MG56_SFAM_MG54", "MG56_GRUPPO_MG55"}},
        {"FNMG61_GRUPPIFIS", "MG61_GRUPPIFIS", "MG61_CODGRUFIS", "MG61_DESCRGRUFIS", {}},
        {"FNMG64_MARCHEART", "MG64_MARCHEART", "MG64_CODMARCA", "MG64_DESCRMARCA", {}},
        {"FNMG74_GRUSTAT1", "MG74_GRUSTAT1", "MG74_CODGRUSTAT1", "MG74_DESGRUSTAT1", {}},
        {"FNMG75_GRUSTAT2", "MG75_GRUSTAT2", "MG75_CODGRUSTAT2", "MG75_DESGRUSTAT2", {}},
        {"FNMG76_GRUSTAT3", "MG76_GRUSTAT3", "MG76_CODGRUSTAT3", "MG76_DESGRUSTAT3", {}},
        {"FNMG77_GRUSTAT4", "MG77_GRUSTAT4", "MG77_CODGRUSTAT4", "MG77_DESGRUSTAT4", {}},
        {"FNCG28_TABCODIVA", "CG28_TABCODIVA", "CG28_CODIVA", "CG28_DESCR", {}},
    };
    return all;
}

// Every code of a level looked up in companies 1 to 3, with its own parents,
// with blank parents and with parents shifted to the next level's codes.
std::vector<std::string> levelStatements(const Level& l) {
    const std::string prefix = std::string(l.table).substr(0, 4);
    std::vector<std::string> out;
    for (int form = 0; form < (l.parents.empty() ? 1 : 3); ++form) {
        std::string args;
        for (const char* p : l.parents)
            args += form == 0   ? std::string("S.") + p + ", "
                    : form == 1 ? std::string("'', ")
                                : std::string("S.") + l.code + ", ";
        args += std::string("S.") + l.code + ", D.DITTA";
        out.push_back("SELECT D.DITTA, S." + prefix + "_DITTA_CG18, S." + l.code + ", F." +
                      l.description + " FROM " + l.table +
                      " AS S CROSS JOIN (SELECT 1 AS DITTA UNION ALL SELECT 2 UNION ALL SELECT 3)"
                      " AS D OUTER APPLY dbo." +
                      l.function + " (" + args + ") AS F ORDER BY 1, 2, 3" +
                      (l.parents.empty() ? "" : std::string(", S.") + l.parents.back()));
    }
    return out;
}

class HostObjectsGolden : public DemoStatements {};

TEST_P(HostObjectsGolden, ProcedureAndFunctionsGiveTheKeptRows) {
    std::vector<std::string> statements;
    for (const auto& l : levels())
        for (auto& s : levelStatements(l))
            statements.push_back(std::move(s));
    // Blank, missing and quoted codes.
    statements.push_back(
        "SELECT F.MG53_DESCRFAM FROM (SELECT '' AS C UNION ALL SELECT NULL UNION ALL SELECT "
        "'O''NEIL' UNION ALL SELECT 'magl') AS S OUTER APPLY dbo.FNMG53_FAMIGLIE (S.C, 1) AS F "
        "ORDER BY 1");
    for (const auto& item :
         query(c, "SELECT MG66_DITTA_CG18, MG66_CODART FROM MG66_ANAGRART ORDER BY 1, 2"))
        statements.push_back("EXEC SPMG_COMBIVAR " + item[0] + ", '" + item[1] + "'");
    statements.push_back("EXEC SPMG_COMBIVAR 1, 'NON-ESISTE'");
    statements.push_back("EXEC SPMG_COMBIVAR 9, 'MAGLIA-001'");

    std::ostringstream got;
    for (const auto& sql : statements) {
        got << "> " << sql << "\n";
        for (const auto& row : query(c, sql)) {
            std::string line;
            for (std::size_t k = 0; k < row.size(); ++k)
                line += (k ? " | " : "") + row[k];
            got << line << "\n";
        }
    }
    const std::string path =
        std::string(VELDRANO_SOURCE_DIR) + "/tests/demo/golden/host_objects.txt";
    if (const char* write = std::getenv("VELDRANO_WRITE_GOLDEN"); write && *write == '1') {
        std::ofstream(path) << got.str();
        GTEST_SKIP() << "golden file written";
    }
    std::ifstream in(path);
    std::stringstream kept;
    kept << in.rdbuf();
    ASSERT_FALSE(kept.str().empty()) << path;
    EXPECT_EQ(got.str(), kept.str());
}

VELDRANO_ON_BOTH_BACKENDS(HostObjectsGolden);

}  // namespace
}  // namespace demo::test
