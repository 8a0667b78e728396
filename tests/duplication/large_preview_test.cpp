// A preview of 240,000 combinations on a generated item: every option of
// five variants (40, 30, 10, 5 and 4) selected by the columns' headers, the
// rows counted, the last composed code checked against one built here, and
// the selection header and a column's header acting on every row.

#include "tests/duplication/generated_item.h"
#include "tests/duplication/pane_fixture.h"

namespace {

using dupltest::addGeneratedItem;
using dupltest::composed;
using dupltest::generatedOption;
using dupltest::kGeneratedVariants;
using dupltest::PaneFixture;

struct LargePreview : PaneFixture {
    static constexpr int kCounts[5] = {40, 30, 10, 5, 4};
    long selez(long row) {
        db::Recordset* rs = pane->preview();
        return static_cast<long>(rs->valueAt(row, rs->fieldIndex("SELEZ")).toDecimal()->toDouble());
    }
    std::string variante(long row) {
        db::Recordset* rs = pane->preview();
        return rs->valueAt(row, rs->fieldIndex("VARIANTE")).toText();
    }
};

TEST_F(LargePreview, TwoHundredFortyThousandCombinationsCoverEveryRow) {
    addGeneratedItem(card.connection(), "GEN-240000", kCounts);
    open("GEN-240000");
    for (const auto& v : kGeneratedVariants)
        pane->QGRID_STRUTT_DESTI->ClickHeader(structureColumn(v.code));
    for (std::size_t k = 0; k < std::size(kGeneratedVariants); ++k)
        EXPECT_EQ(dupltest::count(card.connection(), "#COMBIVAR",
                                  std::string("ARTICOLO = 'GEN-240000' AND SELEZ_") +
                                      kGeneratedVariants[k].code + " = 1"),
                  kCounts[k]);
    anteprima();
    ASSERT_EQ(pane->preview()->recordCount(), 240000);
    EXPECT_EQ(caption(), "240.000[x80577x]  combinazioni elaborate.");
    EXPECT_TRUE(pane->CMD_DUPL->isEnabled());

    // The last option of each variant, each padded to its slot, comes last.
    std::vector<std::pair<std::string, int>> last, first;
    for (std::size_t k = 0; k < std::size(kGeneratedVariants); ++k) {
        last.emplace_back(generatedOption(kGeneratedVariants[k], kCounts[k] - 1),
                          kGeneratedVariants[k].size);
        first.emplace_back(generatedOption(kGeneratedVariants[k], 0), kGeneratedVariants[k].size);
    }
    EXPECT_EQ(variante(239999), composed(last));
    EXPECT_EQ(variante(239999), "P39C29L9V004F3");
    EXPECT_EQ(variante(0), composed(first));
    // The grid reads its cells from the recordset, the last row included.
    EXPECT_EQ(pane->QGRID_PREVIEW->model()->rowCount(), 240000);
    EXPECT_EQ(pane->QGRID_PREVIEW->CellText(239999, 2).toStdString(), composed(last));
    EXPECT_EQ(
        dupltest::text(pane->preview()->valueAt(239999, pane->preview()->fieldIndex("CHIAVE"))),
        "240000");

    // A pick of the last row stays in the recordset; the header picks all.
    pane->QGRID_PREVIEW->ToggleCheck(239999, 0);
    EXPECT_EQ(selez(239999), 1);
    EXPECT_EQ(selez(239998), 0);
    pane->QGRID_PREVIEW->ClickHeader(0);
    EXPECT_TRUE(pane->headerChecked());
    EXPECT_EQ(dupltest::count(card.connection(), "#PREVIEW", "SELEZ = 1"), 240000);
    EXPECT_EQ(selez(0), 1);
    EXPECT_EQ(selez(120000), 1);
    EXPECT_EQ(selez(239999), 1);

    // Finitura's header takes its four options off: the preview empties and
    // the next has a fifth of the rows, with Finitura's slot blank.
    pane->QGRID_STRUTT_DESTI->ClickHeader(structureColumn("A4"));
    EXPECT_EQ(pane->preview()->recordCount(), 0);
    EXPECT_FALSE(pane->CMD_DUPL->isEnabled());
    anteprima();
    ASSERT_EQ(pane->preview()->recordCount(), 60000);
    EXPECT_EQ(caption(), "60.000[x80577x]  combinazioni elaborate.");
    last.back().first.clear();
    EXPECT_EQ(variante(59999), composed(last));
    EXPECT_EQ(selez(59999), 0);
}

}  // namespace
