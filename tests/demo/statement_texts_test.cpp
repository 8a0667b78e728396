// The exact texts of the statements whose wording matters beyond their
// results (the server's plan cache, the host's traces): their golden copies
// are the files of tests/demo/golden, so that a change to one of them is a
// deliberate change there too. The other statement tests run the builders
// and check what comes back.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "states/states_sql.h"

namespace demo::test {
namespace {

// A golden text, without the line end that closes the file.
std::string golden(const std::string& name) {
    std::ifstream in(std::string(VELDRANO_SOURCE_DIR) + "/tests/demo/golden/" + name,
                     std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::string out = text.str();
    if (!out.empty() && out.back() == '\n')
        out.pop_back();
    return out;
}

TEST(StatementTexts, StateChoiceList) {
    // Words and company left as placeholders.
    EXPECT_EQ(
        states::sqlStateChoices("{Ditta}", {"{No}", "{Si}", "{DtIni}", "{DtFin}", "{Attivo}"}),
        golden("state_choices.txt"));
}

}  // namespace
}  // namespace demo::test
