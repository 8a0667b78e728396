// Copying a customer's or supplier's descriptions into the item's grouping:
// into an existing grouping (only what both hold changes), or into a new one
// made from the transcoding, with the questions and messages.

#include "common/window_services.h"
#include "groupings/ribalta_descrizioni.h"
#include "platform/db/connection.h"
#include "tests/groupings/options_fixture.h"
#include "transcoding/stato_trascodifica.h"

namespace groupingstest {
namespace {

using cardtest::count;
using cardtest::queueAnswer;
using cardtest::shown;
using groupings::DatiRibaltamento;

struct Copy : groupingstest::Options {
    void SetUp() override {
        groupingstest::Options::SetUp();
        open("MAGLIA-001");
        card.markAllLoaded();
    }
    // MAGLIA-001's colours and their grouping COL-MAGLIA.
    DatiRibaltamento colori(int cliFor, const std::string& raggr = "COL-MAGLIA") {
        return {"A1", "Colore", raggr, 0, std::to_string(cliFor)};
    }
};

TEST_F(Copy, IntoAnExistingGroupingOnlyTheTranscodedOptionsChange) {
    // Customer 4 transcodes BLU, BIA and CAM; COL-MAGLIA holds BLU, GRI, ROS, VER, CAM.
    queueAnswer(common::vbYes);
    groupings::CMD_RIBALTA_Click(card, colori(4));
    EXPECT_TRUE(
        shown("Le descrizioni personalizzate del raggruppamento COL-MAGLIA saranno "
              "sovrascritte.\nConfermi il ribaltamento ?"));
    EXPECT_EQ(descr("COL-MAGLIA", "BLU"), "Bleu marine");
    EXPECT_EQ(descr("COL-MAGLIA", "CAM"), "Camel");
    EXPECT_TRUE(isNull("COL-MAGLIA", "GRI"));
    EXPECT_EQ(descr("COL-MAGLIA", "VER"), "Verde bottiglia");
    EXPECT_EQ(composizione(cn(), "A1", "COL-MAGLIA"), (Strings{"BLU", "GRI", "ROS", "VER", "CAM"}));
    EXPECT_TRUE(shown("Elaborazione terminata."));
    EXPECT_EQ(card.loadedItem(common::kTabGestioneVarianti), "");
    // The other grouping holding BLU is not touched.
    EXPECT_TRUE(isNull("COL-BASE", "BLU"));

    // A transcoding without a description gives the option's own back.
    cn().execute(
        "UPDATE MG5S_VARCLIFOR SET MG5S_DESCR = NULL WHERE MG5S_CLIFOR_CG44 = 4 AND "
        "MG5S_OPZIONE_MG5E = 'CAM'");
    queueAnswer(common::vbYes);
    groupings::CMD_RIBALTA_Click(card, colori(4));
    EXPECT_TRUE(isNull("COL-MAGLIA", "CAM"));
    EXPECT_EQ(descr("COL-MAGLIA", "BLU"), "Bleu marine");
}

TEST_F(Copy, DecliningTheOverwriteChangesNothingAndSaysNothingMore) {
    queueAnswer(common::vbNo);
    groupings::CMD_RIBALTA_Click(card, colori(3));
    EXPECT_EQ(cardtest::shownMessages().size(), 1u);
    EXPECT_EQ(descr("COL-MAGLIA", "BLU"), "Blu notte");
    EXPECT_TRUE(isNull("COL-MAGLIA", "GRI"));
    EXPECT_EQ(card.loadedItem(common::kTabGestioneVarianti), "MAGLIA-001");

    // A supplier is another counterpart: kind 1, code 1.
    queueAnswer(common::vbYes);
    groupings::CMD_RIBALTA_Click(card, {"A1", "Colore", "COL-MAGLIA", 1, "1"});
    EXPECT_EQ(descr("COL-MAGLIA", "GRI"), "Col. 1020 melange");
}

TEST_F(Copy, WithoutAGroupingOneIsCreatedFromTheTranscodedOptions) {
    card.showItem("MAGLIA-003");  // colours without a grouping
    // A blank transcoded description stays an empty text in the new grouping.
    cn().execute(
        "INSERT INTO MG5S_VARCLIFOR (MG5S_DITTA_CG18, MG5S_CODICEVAR_MG5F, "
        "MG5S_TIPOCF_CG44, MG5S_CLIFOR_CG44, MG5S_OPZIONE_MG5E, MG5S_DESCR) VALUES "
        "(1, 'A1', 0, 3, 'BEI', '  ')");
    queueAnswer(common::vbYes);
    groupings::CMD_RIBALTA_Click(card, colori(3, ""));
    EXPECT_TRUE(
        shown("Nessun raggruppamento associato alla variante Colore. Vuoi crearne uno "
              "automatico ?"));
    EXPECT_TRUE(shown("Creato codice raggruppamento 'A1-000001'"));
    EXPECT_TRUE(shown("Elaborazione terminata."));
    EXPECT_EQ(value("SELECT MG5G_DESCRRAGGVAR FROM MG5G_RAGGVAR WHERE MG5G_CODRAGGVAR = "
                    "'A1-000001'"),
              "Maglia scollo a V lana merino");
    EXPECT_EQ(composizione(cn(), "A1", "A1-000001"),
              (Strings{"BEI", "BLU", "GRI", "NER", "ROS", "VER"}));
    EXPECT_INVARIANT(cn(), "A1", "A1-000001");
    EXPECT_EQ(descr("A1-000001", "NER"), "Schwarz");
    EXPECT_FALSE(isNull("A1-000001", "BEI"));
    EXPECT_EQ(descr("A1-000001", "BEI"), "");
    // Not associated with the item's variant.
    EXPECT_TRUE(cardtest::scalar(cn(),
                                 "SELECT MG6B_CODRAGGVAR_MG5G FROM MG6B_GESVARART WHERE "
                                 "MG6B_CODART_MG66 = 'MAGLIA-003' AND MG6B_CODICEVAR_MG5F = 'A1'")
                    .isNull());

    // A customer without transcodings: the grouping is created and stays empty.
    cardtest::clearMessages();
    queueAnswer(common::vbYes);
    groupings::CMD_RIBALTA_Click(card, colori(1, ""));
    EXPECT_TRUE(shown("Creato codice raggruppamento 'A1-000002'"));
    EXPECT_TRUE(shown("Elaborazione terminata."));
    EXPECT_EQ(count(cn(), "MG5H_COMPRAGVAR", "MG5H_RAGGR_MG5G = 'A1-000002'"), 0);

    // Declined: nothing is created and nothing more is said.
    cardtest::clearMessages();
    groupings::CMD_RIBALTA_Click(card, colori(3, ""));
    EXPECT_EQ(cardtest::shownMessages().size(), 1u);
    EXPECT_EQ(count(cn(), "MG5G_RAGGVAR", "MG5G_CODICEVAR_MG5F = 'A1'"), 4);
}

TEST_F(Copy, ItemCodeModeReportsOptionsAlreadyInTheItemsGrouping) {
    card.mutableCompany().SetGroupingCodeMode(1);
    card.showItem("MAGLIA-003");
    queueAnswer(common::vbYes);
    groupings::CMD_RIBALTA_Click(card, colori(4, ""));
    EXPECT_TRUE(shown("Creato codice raggruppamento 'MAGLIA-003'"));
    EXPECT_EQ(composizione(cn(), "A1", "MAGLIA-003"), (Strings{"BIA", "BLU", "CAM"}));

    // Again: the grouping is reused and the same options fail on the key.
    cardtest::clearMessages();
    queueAnswer(common::vbYes);
    queueAnswer(common::vbAbort);
    groupings::CMD_RIBALTA_Click(card, colori(4, ""));
    EXPECT_TRUE(shown("CreaRaggruppamentoDaClifor: "));
    EXPECT_FALSE(shown("Elaborazione terminata."));
    EXPECT_EQ(composizione(cn(), "A1", "MAGLIA-003"), (Strings{"BIA", "BLU", "CAM"}));
    EXPECT_EQ(count(cn(), "MG5G_RAGGVAR", "MG5G_CODRAGGVAR = 'MAGLIA-003'"), 1);
}

TEST_F(Copy, ACounterpartThatIsNoNumberIsRefusedBeforeAnyQuestion) {
    groupings::CMD_RIBALTA_Click(card, {"A1", "Colore", "COL-MAGLIA", 0, "3 OR 1=1"});
    groupings::CMD_RIBALTA_Click(card, {"A1", "Colore", "COL-MAGLIA", 0, ""});
    EXPECT_EQ(cardtest::shownMessages().size(), 2u);
    EXPECT_TRUE(shown("codice cliente o fornitore numerico"));
    EXPECT_EQ(descr("COL-MAGLIA", "BLU"), "Blu notte");
}

TEST_F(Copy, TheTranscodingTabsButtonRunsTheCopyWithItsChoice) {
    auto& trascodifica = card.shared<transcoding::StatoTrascodifica>();
    ASSERT_TRUE(static_cast<bool>(trascodifica.CMD_RIBALTA_Click));
    trascodifica.variante = "A1";
    trascodifica.descrizioneVariante = "Colore";
    trascodifica.raggruppamento = "COL-MAGLIA";
    trascodifica.tipoCF = 1;
    trascodifica.cliFor = "2";
    queueAnswer(common::vbYes);
    trascodifica.CMD_RIBALTA_Click();
    EXPECT_EQ(descr("COL-MAGLIA", "BLU"), "Bagno 118 blu");
    EXPECT_EQ(descr("COL-MAGLIA", "VER"), "Verde bottiglia");
}

}  // namespace
}  // namespace groupingstest
