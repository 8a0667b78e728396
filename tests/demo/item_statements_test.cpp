// The item card's statements for the item itself, its summary, the variant
// activation, options, groupings and transcoding, run exactly as the card
// builds them (odd spacing included) on the demo database.

#include <algorithm>

#include "common/value_helpers.h"
#include "descriptions/descriptions_sql.h"
#include "platform/db/recordset.h"
#include "statement_support.h"
#include "variants/variants_sql.h"
#include "window/dati_anagrafici_tab.h"
#include "window/window_sql.h"

namespace demo::test {
namespace {

class ItemStatements : public DemoStatements {
protected:
};

TEST_P(ItemStatements, SlotsItemListAndGeneratedDescriptionCheck) {
    Rows sizes = query(c, common::SqlVariantSizes("2"));
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (Rows{{"A0", "Taglia", "1", "2", "1"},
                           {"A1", "Tessuto", "2", "4", "3"},
                           {"B0", "Finitura", "0", "2", "7"}}));
    // The progressives tab reads one dimension with a further condition.
    EXPECT_EQ(query(c, common::SqlVariantSizes("1") + " AND MG5F_CODICEVAR = 'A1'"),
              (Rows{{"A1", "Colore", "1", "3", "4"}}));
    // Sizes 3, 2 and 4 under codes A, B and C start at 1, 4 and 6.
    c.execute(
        "INSERT INTO CG18_ANADITTABASE (CG18_DITTA, CG18_RAGSOC, CG18_GRUPPO_CG10) VALUES (3, "
        "'Prova', 1)");
    c.execute(
        "INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR, MG5F_DESCR_VAR, "
        "MG5F_INDGRIGLIA, MG5F_SIZE) VALUES (3, 'C', 'Terza', 0, 4), (3, 'A', 'Prima', 0, 3), "
        "(3, 'B', 'Seconda', 0, 2)");
    Rows abc = query(c, common::SqlVariantSizes("3"));
    std::sort(abc.begin(), abc.end());
    ASSERT_EQ(abc.size(), 3u);
    EXPECT_EQ(abc[0][4] + abc[1][4] + abc[2][4], "146");

    auto empty = c.run(card::sqlNoItems("1"));
    ASSERT_EQ(empty.resultSets.size(), 1u);
    EXPECT_TRUE(empty.resultSets[0].rows.empty());
    EXPECT_GT(empty.resultSets[0].columns.size(), 30u);
    const Rows list = query(c, card::sqlItemList("1"));
    ASSERT_EQ(list.size(), 14u);
    EXPECT_EQ(list.front()[1], "BOTTONE-CO");
    EXPECT_EQ(list[1][1], "CAMICIA-001");
    EXPECT_EQ(list.back()[1], "TESSUTO-TW");

    using card::sqlItemVariantDescriptions;
    EXPECT_EQ(query(c, sqlItemVariantDescriptions("1", "MAGLIA-001")).size(), 32u);
    EXPECT_EQ(query(c, sqlItemVariantDescriptions("1", "MAGLIA-002")).size(), 0u);
    // The code of no item selects nothing.
    EXPECT_EQ(query(c, sqlItemVariantDescriptions("1", "\xff")).size(), 0u);

    EXPECT_EQ(query(c, common::SqlItemManagesVariants("1", "MAGLIA-001")), (Rows{{"1"}}));
    EXPECT_EQ(query(c, common::SqlItemManagesVariants("1", "MAGLIA-OLD")), Rows{});
    EXPECT_EQ(query(c, common::SqlItemManagesVariants("1", "MAGLIA'001")), Rows{});

    EXPECT_EQ(query(c, card::sqlStandardRouting("1", "GIACCA-001")), (Rows{{"CIC-CONF02"}}));
    EXPECT_EQ(query(c, card::sqlStandardRouting("1", "SCIARPA-001")), Rows{});
    EXPECT_EQ(query(c, card::sqlCompanyChartGroup("1")), (Rows{{"1"}}));
    EXPECT_EQ(query(c, card::sqlCompanyClassification("1")).size(), 1u);
}

// The summary with the chart group given and sub-levels under their parents or not.
std::string summaryStatement(const std::string& ditta, const std::string& codArt,
                             bool subLevelsUnderParents) {
    return card::SqlItemData(ditta, codArt, {"1", subLevelsUnderParents ? "1" : "0"});
}

TEST_P(ItemStatements, SummaryDescribesClassificationAndAccounts) {
    const auto result = c.run(summaryStatement("1", "MAGLIA-001", true));
    ASSERT_EQ(result.resultSets.size(), 1u);
    const auto& set = result.resultSets[0];
    ASSERT_EQ(set.columns.size(), 28u);
    EXPECT_EQ(set.columns[9].name, "Famiglia");
    EXPECT_EQ(set.columns[27].name, "Conto reso acq. Estero");
    const Rows rows = rowsOf(set);
    ASSERT_EQ(rows.size(), 1u);
    const std::vector<std::string> tail(rows[0].begin() + 1, rows[0].end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Attivo",
                                              rows[0][2],
                                              "1",
                                              "1",
                                              "1",
                                              "1",
                                              "0",
                                              "0",
                                              "Maglieria",
                                              "Pullover",
                                              "Lana merino",
                                              "Girocollo",
                                              "Abbigliamento",
                                              "Veldrano",
                                              "Uomo",
                                              "Continuativo",
                                              "Fascia media",
                                              "Vendita diretta",
                                              "Iva ordinaria 22%",
                                              "Ricavi vendita capi Italia",
                                              "Ricavi vendita capi export",
                                              "Resi su vendite Italia",
                                              "Resi su vendite estero",
                                              "Acquisti filati e tessuti Italia",
                                              "Merci c/acquisti estero",
                                              "Resi su acquisti Italia",
                                              "Resi su acquisti estero"}));
    EXPECT_EQ(rows[0][2].rfind("Articolo continuativo", 0), 0u);

    // Sub-levels by their own codes only; no accounts; no statistics groups.
    const Rows tailor = query(c, summaryStatement("2", "ABITO-SU01", false));
    ASSERT_EQ(tailor.size(), 1u);
    EXPECT_EQ(std::vector<std::string>(tailor[0].begin() + 9, tailor[0].begin() + 16),
              (std::vector<std::string>{"Sartoria su misura", "Abiti", "Lana", "Lana fredda",
                                        "Abbigliamento", "Bellandi Firenze", "NULL"}));
    EXPECT_EQ(tailor[0][19], "Iva ordinaria 22%");
    EXPECT_EQ(tailor[0][20], "NULL");
    EXPECT_EQ(tailor[0][27], "NULL");
    // An item without its main description row is not found.
    EXPECT_EQ(query(c, summaryStatement("1", "CAMP-AI26", true)), Rows{});
}

TEST_P(ItemStatements, ActivationReadsAndRewritesTheItemsVariants) {
    using namespace variants;
    const std::string join = sqlItemVariants("1", "MAGLIA-001");
    db::Recordset rs;
    rs.open(join, c);
    ASSERT_EQ(rs.recordCount(), 4);
    EXPECT_EQ(text(rs.value("MG5F_DESCR_VAR")), "Taglia");
    EXPECT_EQ(text(rs.value("MG5G_DESCRRAGGVAR")), "Taglie a lettere XS-XXL");
    rs.setAbsolutePosition(3);
    EXPECT_EQ(text(rs.value("MG6B_CODICEVAR_MG5F")), "A2");
    EXPECT_TRUE(rs.value("MG5G_DESCRRAGGVAR").isNull());
    const Rows defaults = query(c, sqlStoredDefaultOptions("1", "MAGLIA-001"));
    ASSERT_EQ(defaults.size(), 4u);
    EXPECT_EQ(std::count(defaults.begin(), defaults.end(), std::vector<std::string>{"A1", "BLU"}),
              1);
    // A new item is offered every variant of the company, none managed.
    const Rows offered = query(c, sqlCompanyVariantsForItem("1", "NUOVO'1"));
    ASSERT_EQ(offered.size(), 4u);
    EXPECT_EQ(offered[0][1], "NUOVO'1");
    EXPECT_EQ(offered[3][2], "A3");
    // Edits of the joined rows reach only the item's variant rows.
    rs.setValue("MG6B_INDOBBLIG", 2);
    rs.updateBatch();
    EXPECT_EQ(count(c, "MG6B_GESVARART", "MG6B_INDOBBLIG = 2 AND MG6B_CODICEVAR_MG5F = 'A2'"), 1);
    EXPECT_EQ(count(c, "MG5F_DIMECONF"), 7);

    Rows first = query(c, descriptions::sqlCompanyLanguages("1"));
    std::sort(first.begin(), first.end());
    EXPECT_EQ(first, (Rows{{"FRAN", "Francese"}, {"INGL", "Inglese"}, {"TEDE", "Tedesco"}}));
    EXPECT_EQ(query(c, descriptions::sqlCompanyLanguages("2")), (Rows{{"INGL", "Inglese"}}));
    EXPECT_EQ(query(c, descriptions::sqlCompanyLanguageCodes("2")), (Rows{{"INGL"}}));

    // Saving rewrites the item's rows as a whole, in one transaction.
    c.beginTransaction();
    EXPECT_EQ(c.execute(sqlDeleteItemVariants("1", "MAGLIA-002")), 4);
    c.execute(sqlInsertItemVariant("1", "MAGLIA-002", {"A0", "1", "", "1", "0", "", "99"}));
    c.execute(
        sqlInsertItemVariant("1", "MAGLIA-002", {"A1", "1", "COL-BASE", "1", "0", "NER", "99"}));
    c.execute(sqlInsertItemVariant("1", "MAGLIA-002", {"A2", "0", "", "1", "0", "", "99"}));
    c.commitTransaction();
    EXPECT_EQ(query(c,
                    "SELECT MG6B_CODICEVAR_MG5F, MG6B_FLGGESTVAR, MG6B_CODRAGGVAR_MG5G, "
                    "MG6B_VARDEFAULT, MG6B_INDEREDIBA FROM MG6B_GESVARART WHERE "
                    "MG6B_CODART_MG66 = 'MAGLIA-002' ORDER BY MG6B_CODICEVAR_MG5F"),
              (Rows{{"A0", "1", "NULL", "", "99"},
                    {"A1", "1", "COL-BASE", "NER", "99"},
                    {"A2", "0", "NULL", "", "99"}}));

    EXPECT_EQ(c.execute(sqlSetItemColumns("1", "MAGLIA-002", "MG66_INDGENVARDIBA = 2")), 1);
    EXPECT_EQ(c.execute(sqlSetItemColumns("1", "MAGLIA-002", "MG66_CODREGOLA = 'RG-CASH'")), 1);
    EXPECT_EQ(query(c,
                    "SELECT MG66_INDGENVARDIBA, MG66_CODREGOLA FROM MG66_ANAGRART WHERE "
                    "MG66_CODART = 'MAGLIA-002'"),
              (Rows{{"2", "RG-CASH"}}));
}

TEST_P(ItemStatements, GeneratedDescriptionsAreReadAndWrittenPerLanguage) {
    using namespace descriptions;
    EXPECT_EQ(query(c, sqlItemExists("1", "MAGLIA-001")), (Rows{{"1"}}));
    EXPECT_EQ(query(c, sqlItemExists("1", "MAGLIA'001")), Rows{});
    EXPECT_EQ(query(c, sqlItemDescription("1", "MAGLIA-001")),
              (Rows{{"Maglia girocollo lana merino"}}));
    EXPECT_EQ(query(c, sqlManagedVariants("1", "MAGLIA-001")),
              (Rows{{"A0", "TG-LETTERE"}, {"A1", "COL-MAGLIA"}}));
    const Rows managing = query(c, sqlManagingItems("1", "MG6B_CODART_MG66 LIKE 'MAGLIA%'"));
    EXPECT_EQ(managing.front(), std::vector<std::string>{"MAGLIA-001"});
    // A grouping's options in its order with its descriptions; all of them otherwise.
    const Rows grouped = query(c, sqlOptionsOfVariant("1", "A1", "COL-MAGLIA"));
    ASSERT_EQ(grouped.size(), 5u);
    EXPECT_EQ(grouped[0][0], "BLU");
    EXPECT_EQ(query(c, sqlOptionsOfVariant("1", "A1", "")).size(), 10u);
    EXPECT_NO_THROW(query(c, sqlInvalidPairs("1", "MAGLIA-001")));
    EXPECT_FALSE(query(c, sqlItemTexts("1", "MAGLIA-001", "INGL")).empty());

    // One article's description in English: added, changed, then both texts.
    EXPECT_EQ(c.execute(sqlSetDescription("1", "MAGLIA-001", "ZZ ZZZ", "INGL", "Jumper")), 0);
    EXPECT_EQ(c.execute(sqlInsertDescription("1", "MAGLIA-001", "ZZ ZZZ", "INGL", "Jumper")), 1);
    EXPECT_EQ(c.execute(sqlSetDescription("1", "MAGLIA-001", "ZZ ZZZ", "INGL", "Bob's jumper")), 1);
    EXPECT_EQ(c.execute(sqlSetDescriptions("1", "MAGLIA-001", "ZZ ZZZ", "INGL", "Jumper",
                                           "Jumper, extended")),
              1);
    EXPECT_EQ(c.execute(sqlInsertDescriptions("1", "MAGLIA-001", "ZZ ZZZ", "TEDE", "Pulli", "")),
              1);
    const Rows english = query(c, sqlStoredDescriptions("1", "MAGLIA-001", "INGL"));
    EXPECT_EQ(std::count(english.begin(), english.end(),
                         std::vector<std::string>{"ZZ ZZZ", "Jumper", "Jumper, extended"}),
              1);
    const Rows codes = query(c, sqlStoredDescriptionCodes("1", "MAGLIA-001", "TEDE"));
    EXPECT_EQ(std::count(codes.begin(), codes.end(), std::vector<std::string>{"ZZ ZZZ"}), 1);
}

VELDRANO_ON_BOTH_BACKENDS(ItemStatements);

}  // namespace
}  // namespace demo::test
