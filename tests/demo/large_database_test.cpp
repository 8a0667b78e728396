#include <gtest/gtest.h>

#include <filesystem>

#include "demo_test_support.h"

namespace demo::test {
namespace {

TEST(LargeDatabase, SmallSizesGiveTheRequestedRows) {
    const auto dir = std::filesystem::path(VELDRANO_BINARY_DIR) / "tests-demo" / "large";
    std::filesystem::remove_all(dir);
    const std::string path = (dir / "large.db").string();
    const LargeSizes sizes = LargeSizes::small();
    generateLargeDatabase(path, sizes);

    db::Connection c;
    c.open("Data Source=" + path);
    EXPECT_EQ(count(c, "MG5F_DIMECONF"), sizes.variants);
    EXPECT_EQ(count(c, "MG5E_OPZIONI"), sizes.options);
    EXPECT_EQ(count(c, "MG66_ANAGRART"), sizes.items);
    EXPECT_EQ(count(c, "MG87_ARTDESC", "MG87_OPZIONE_MG5E = ''"), sizes.items);
    EXPECT_EQ(count(c, "MG6B_GESVARART"), sizes.items * sizes.variants);
    EXPECT_EQ(count(c, "MG70_MAGPROQTA"), sizes.progressiveRows);
    // Composed codes span every slot; quantities add up.
    EXPECT_EQ(count(c, "MG70_MAGPROQTA", "LEN(MG70_OPZIONE_MG5E + 'x') <> 9"), 0);
    EXPECT_EQ(
        count(c, "MG70_MAGPROQTA", "MG70_QGIACATT <> MG70_QGIACINI + MG70_QCARACQ - MG70_QSCAVEN"),
        0);
    // Every item manages two to four variants, and the options of a managed
    // variant's slot exist.
    EXPECT_EQ(count(c, "MG6B_GESVARART", "MG6B_FLGGESTVAR = 1"), 4 * 2 + 4 * 3 + 4 * 4);
    EXPECT_EQ(
        count(c,
              "MG70_MAGPROQTA INNER JOIN MG5E_OPZIONI ON MG5E_DITTA_CG18 = 1 AND "
              "MG5E_CODICEVAR_MG5F = 'A0' AND MG5E_OPZIONE = SUBSTRING(MG70_OPZIONE_MG5E, 1, 2)"),
        count(c, "MG70_MAGPROQTA", "SUBSTRING(MG70_OPZIONE_MG5E, 1, 2) <> '  '"));

    // The same company context as the demo.
    EXPECT_EQ(count(c, "MG01_PARAMDITTA", "MG01_CODDEPCLAVPAS_MG58 = 'CLP'"), 1);
    // Codes are stored blank-padded like everything written through the
    // adapter, so they read and join the same way.
    EXPECT_EQ(text(scalar(c, "SELECT MAX(LEN(MG5E_OPZIONE + '|')) FROM MG5E_OPZIONI")), "21");
    EXPECT_EQ(text(scalar(c, "SELECT MIN(LEN(MG66_CODART + '|')) FROM MG66_ANAGRART")), "26");
    EXPECT_EQ(count(c,
                    "MG6B_GESVARART INNER JOIN MG5G_RAGGVAR ON MG5G_DITTA_CG18 = MG6B_DITTA_CG18 "
                    "AND MG5G_CODICEVAR_MG5F = MG6B_CODICEVAR_MG5F AND MG5G_CODRAGGVAR = "
                    "MG6B_CODRAGGVAR_MG5G"),
              count(c, "MG6B_GESVARART", "MG6B_CODRAGGVAR_MG5G IS NOT NULL"));
    // Parties, their codes and transcodings, and the first item's
    // combination states, all pointing at rows that exist.
    EXPECT_EQ(count(c, "CG44_CLIFOR"), 30);
    EXPECT_EQ(count(c, "MG73_ARTCLIFOR"), 2 * sizes.items);
    EXPECT_EQ(count(c,
                    "MG73_ARTCLIFOR INNER JOIN CG44_CLIFOR ON CG44_DITTA_CG18 = MG73_DITTA_CG18 "
                    "AND CG44_TIPOCF = MG73_TIPOCF_CG44 AND CG44_CLIFOR = MG73_CLIFOR_CG44"),
              2 * sizes.items);
    EXPECT_EQ(count(c, "MG5S_VARCLIFOR"), 3 * sizes.options);  // four small variants: all of them
    EXPECT_EQ(count(c, "MG5W_PROVSTATI", "MG5W_TIPODEFAULT = 1"), 1);
    EXPECT_EQ(count(c,
                    "MG5W_PROVSTATI INNER JOIN MG5E_OPZIONI ON MG5E_DITTA_CG18 = "
                    "MG5W_DITTA_CG18 AND MG5E_CODICEVAR_MG5F = MG5W_CODICEVAR2_MG5F AND "
                    "MG5E_OPZIONE = MG5W_OPZIONE2_MG5E"),
              count(c, "MG5W_PROVSTATI", "MG5W_TIPODEFAULT IS NULL"));
    EXPECT_GT(count(c, "MG5W_PROVSTATI", "MG5W_TIPODEFAULT IS NULL"), 0);
    c.close();

    // Generating again replaces the file, with the same data (from the
    // cached copy): changes made to the first one are gone.
    c.open("Data Source=" + path);
    c.execute("DELETE FROM MG70_MAGPROQTA");
    c.close();
    generateLargeDatabase(path, sizes);
    c.open("Data Source=" + path);
    EXPECT_EQ(count(c, "MG70_MAGPROQTA"), sizes.progressiveRows);
    c.close();
    std::filesystem::remove_all(dir);
}

TEST(LargeDatabase, ImpossibleSizesAreRefusedWithoutAFile) {
    const auto dir = std::filesystem::path(VELDRANO_BINARY_DIR) / "tests-demo" / "refused";
    std::filesystem::remove_all(dir);
    const std::string path = (dir / "refused.db").string();
    LargeSizes sizes = LargeSizes::small();
    sizes.variants = 21;
    EXPECT_THROW(generateLargeDatabase(path, sizes), std::invalid_argument);
    sizes = LargeSizes::small();
    sizes.progressiveRows = 1000000;  // more than items x kinds x option combinations
    EXPECT_THROW(generateLargeDatabase(path, sizes), std::invalid_argument);
    sizes = LargeSizes::small();
    sizes.variants = 20;
    sizes.options = 20 * 1300;  // three-character slots: 60 > 40
    EXPECT_THROW(generateLargeDatabase(path, sizes), std::invalid_argument);
    EXPECT_THROW(generateLargeDatabase(":memory:", LargeSizes::small()), std::invalid_argument);
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace demo::test
