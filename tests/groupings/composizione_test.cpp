// The composition of a grouping on the options tab: adding after the current
// row, removing, moving blocks up and down, the grouping's own descriptions,
// and what a failure in the middle of a command leaves. After every command
// the positions in the table run 1..n.

#include <QLineEdit>

#include "common/window_services.h"
#include "groupings/codici_raggruppamento.h"
#include "groupings/composizione_raggruppamento.h"
#include "platform/db/connection.h"
#include "tests/groupings/options_fixture.h"

namespace groupingstest {
namespace {

using cardtest::count;
using cardtest::queueAnswer;
using cardtest::shown;

struct Composition : OnLetterSizes {
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(OnLetterSizes::SetUp());
        card.markAllLoaded();
    }
    // Puts TG-LETTERE back in its first order and reloads the lists.
    void reset() {
        for (std::size_t i = 0; i < kLettere.size(); ++i)
            cn().execute("UPDATE MG5H_COMPRAGVAR SET MG5H_SEQOPZIONE = " + std::to_string(i + 1) +
                         " WHERE MG5H_RAGGR_MG5G = 'TG-LETTERE' AND MG5H_OPZIONE_MG5E = '" +
                         kLettere[i] + "'");
        groupings::CaricaRaggruppamento(card, "A0", "TG-LETTERE", true, true, false);
    }
    // A command stopped by a failure answered Abort: the report names its
    // procedure, TG-LETTERE is as it was and no transaction is left open.
    void expectAborted(const std::string& procedure) {
        EXPECT_TRUE(shown(procedure + ": "));
        EXPECT_EQ(lettere(), kLettere);
        EXPECT_INVARIANT(cn(), "A0", "TG-LETTERE");
        EXPECT_EQ(cn().transactionDepth(), 0);
    }
    Strings ticked() {
        return groupings::ValoriSpuntati(st.destinazione.get(), "MG5H_OPZIONE_MG5E");
    }
    std::string current() { return cardtest::text(st.destinazione->value("MG5H_OPZIONE_MG5E")); }
};

TEST_F(Composition, MovesUpGatherTheTickedRowsAboveTheFirstOfThem) {
    // A grouping-specific description travels with its row.
    cn().execute(
        "UPDATE MG5H_COMPRAGVAR SET MG5H_DESCR = 'Piccola' WHERE MG5H_RAGGR_MG5G = "
        "'TG-LETTERE' AND MG5H_OPZIONE_MG5E = 'S'");
    reset();
    tickDestination({"S", "XL"});
    groupings::CMD_SU_Click(card);
    EXPECT_EQ(lettere(), (Strings{"S", "XL", "XS", "M", "L", "XXL"}));
    EXPECT_INVARIANT(cn(), "A0", "TG-LETTERE");
    EXPECT_EQ(destination(), lettere());
    EXPECT_EQ(ticked(), (Strings{"S", "XL"}));
    EXPECT_EQ(current(), "S");
    EXPECT_EQ(descr("TG-LETTERE", "S"), "Piccola");
    EXPECT_TRUE(isNull("TG-LETTERE", "XL"));
    EXPECT_EQ(destination("DESCR_OPZIONE")[0], "Piccola");
    EXPECT_EQ(card.loadedItem(common::kTabStatiVariante), "");
    EXPECT_EQ(cn().transactionDepth(), 0);

    // The block is at the top: pressing again changes nothing.
    groupings::CMD_SU_Click(card);
    EXPECT_EQ(lettere(), (Strings{"S", "XL", "XS", "M", "L", "XXL"}));
    EXPECT_EQ(ticked(), (Strings{"S", "XL"}));

    reset();
    tickDestination({"M"});
    groupings::CMD_SU_Click(card);
    EXPECT_EQ(lettere(), (Strings{"XS", "M", "S", "L", "XL", "XXL"}));
    groupings::CMD_SU_Click(card);  // still ticked: it keeps going
    EXPECT_EQ(lettere(), (Strings{"M", "XS", "S", "L", "XL", "XXL"}));
    EXPECT_INVARIANT(cn(), "A0", "TG-LETTERE");

    // Nothing ticked: nothing moves.
    reset();
    groupings::CMD_SU_Click(card);
    groupings::CMD_GIU_Click(card);
    EXPECT_EQ(lettere(), kLettere);
}

TEST_F(Composition, MovesDownPutTheBlockAfterTheRowThatFollowedItsLast) {
    reset();
    tickDestination({"S", "XL"});
    groupings::CMD_GIU_Click(card);
    EXPECT_EQ(lettere(), (Strings{"XS", "M", "L", "XXL", "S", "XL"}));
    EXPECT_INVARIANT(cn(), "A0", "TG-LETTERE");
    EXPECT_EQ(ticked(), (Strings{"S", "XL"}));
    EXPECT_EQ(current(), "XL");  // the lowest-placed ticked row

    // The last row is ticked: nothing moves.
    groupings::CMD_GIU_Click(card);
    EXPECT_EQ(lettere(), (Strings{"XS", "M", "L", "XXL", "S", "XL"}));

    reset();
    tickDestination({"M"});
    groupings::CMD_GIU_Click(card);
    EXPECT_EQ(lettere(), (Strings{"XS", "S", "L", "M", "XL", "XXL"}));
    groupings::CMD_GIU_Click(card);
    EXPECT_EQ(lettere(), (Strings{"XS", "S", "L", "XL", "M", "XXL"}));
    EXPECT_INVARIANT(cn(), "A0", "TG-LETTERE");
}

TEST_F(Composition, MoveButtonsWorkOnTheDestinationListOnly) {
    EXPECT_FALSE(st.CMD_SU->isEnabled());
    tab.SetListActive(true);
    tickDestination({"L"});
    st.CMD_SU->click();
    EXPECT_EQ(lettere(), (Strings{"XS", "S", "L", "M", "XL", "XXL"}));
    st.CMD_GIU->click();
    EXPECT_EQ(lettere(), kLettere);
    tab.SetListActive(false);
    EXPECT_FALSE(st.CMD_GIU->isEnabled());
}

TEST_F(Composition, AddingOpensAGapAfterTheCurrentRow) {
    currentDestination("M");
    tickSource({"46", "44"});
    st.CMD_ADDSEL->click();
    EXPECT_EQ(lettere(), (Strings{"XS", "S", "M", "44", "46", "L", "XL", "XXL"}));
    EXPECT_INVARIANT(cn(), "A0", "TG-LETTERE");
    EXPECT_TRUE(isNull("TG-LETTERE", "44"));
    EXPECT_EQ(ticked(), (Strings{"44", "46"}));
    EXPECT_EQ(current(), "44");
    EXPECT_EQ(groupings::ValoriSpuntati(st.sorgente.get(), "MG5E_OPZIONE"), Strings{});
    EXPECT_EQ(count(cn(), "#TMP_ORIG", "SELEZ = 1"), 0);
    EXPECT_EQ(card.loadedItem(common::kTabStatiCombinazione), "");
    EXPECT_EQ(st.sequenzeInserite, (std::vector<short>{4, 5}));

    // Options already there are skipped without a word; the others go in.
    cardtest::clearMessages();
    currentDestination("XXL");
    tickSource({"XS", "TU"});
    groupings::CMD_ADDSEL_Click(card);
    EXPECT_EQ(lettere(), (Strings{"XS", "S", "M", "44", "46", "L", "XL", "XXL", "TU"}));
    EXPECT_TRUE(cardtest::shownMessages().empty());

    // Only options already there: they are unticked, nothing else changes.
    tickSource({"S", "M"});
    groupings::CMD_ADDSEL_Click(card);
    EXPECT_EQ(lettere().size(), 9u);
    EXPECT_EQ(groupings::ValoriSpuntati(st.sorgente.get(), "MG5E_OPZIONE"), Strings{});
    EXPECT_INVARIANT(cn(), "A0", "TG-LETTERE");

    // Nothing ticked: nothing happens.
    groupings::CMD_ADDSEL_Click(card);
    EXPECT_EQ(lettere().size(), 9u);
}

TEST_F(Composition, AddingWithoutAGroupingAsksAndCreatesANumberedOne) {
    open("MAGLIA-002");  // sizes without a grouping
    ASSERT_EQ(st.raggruppamento, "");
    tickSource({"XL", "M", "S"});
    // Declined: nothing is created, nothing is added, the ticks stay.
    queueAnswer(common::vbNo);
    groupings::CMD_ADDSEL_Click(card);
    EXPECT_TRUE(shown("Ne verra' creato uno in automatico. Proseguo ?"));
    EXPECT_EQ(count(cn(), "MG5G_RAGGVAR", "MG5G_DITTA_CG18 = 1 AND MG5G_CODICEVAR_MG5F = 'A0'"), 3);
    EXPECT_EQ(count(cn(), "MG5H_COMPRAGVAR", "MG5H_DITTA_CG18 = 1 AND MG5H_CODICEVAR_MG5F = 'A0'"),
              16);
    EXPECT_EQ(groupings::ValoriSpuntati(st.sorgente.get(), "MG5E_OPZIONE").size(), 3u);

    queueAnswer(common::vbYes);
    groupings::CMD_ADDSEL_Click(card);
    // A0-000001 exists: the next number, with the item's description.
    EXPECT_EQ(st.raggruppamento, "A0-000002");
    EXPECT_EQ(st.TXT_RAGGR1->Text().toStdString(), "A0-000002");
    EXPECT_EQ(value("SELECT MG5G_DESCRRAGGVAR FROM MG5G_RAGGVAR WHERE MG5G_CODRAGGVAR = "
                    "'A0-000002'"),
              "Cardigan cashmere con bottoni");
    // Positions 1..n in the source list's order (ascending code).
    EXPECT_EQ(composizione(cn(), "A0", "A0-000002"), (Strings{"M", "S", "XL"}));
    EXPECT_INVARIANT(cn(), "A0", "A0-000002");
    EXPECT_EQ(destination(), (Strings{"M", "S", "XL"}));
    // Created, not yet associated with the item's variant.
    EXPECT_TRUE(st.CMD_ASSOCIA->isEnabled());
    EXPECT_TRUE(cardtest::scalar(cn(),
                                 "SELECT MG6B_CODRAGGVAR_MG5G FROM MG6B_GESVARART WHERE "
                                 "MG6B_CODART_MG66 = 'MAGLIA-002' AND MG6B_CODICEVAR_MG5F = 'A0'")
                    .isNull());
    groupings::CMD_ASSOCIA_Click(card);
    EXPECT_EQ(value("SELECT MG6B_CODRAGGVAR_MG5G FROM MG6B_GESVARART WHERE MG6B_CODART_MG66 = "
                    "'MAGLIA-002' AND MG6B_CODICEVAR_MG5F = 'A0'"),
              "A0-000002");
}

TEST_F(Composition, ManyOptionsGoInAndOutInOrder) {
    // 250 more fits for PANT-001, which has no fit grouping yet.
    std::string values;
    for (int i = 0; i < 250; ++i)
        values += std::string(i ? ", " : "") + "(1, 'A3', 'F" + std::to_string(100 + i) +
                  "', 'Vestibilit\xC3\xA0 " + std::to_string(i) + "')";
    cn().execute(
        "INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, "
        "MG5E_DESCR) VALUES " +
        values);
    open("PANT-001");
    chooseVariant("A3");
    ASSERT_EQ(st.sorgente->recordCount(), 253);
    for (long r = 0; r < 253; ++r)
        st.GRDX_VARIANTI_SOURCE->ToggleCheck(r, 0);
    queueAnswer(common::vbYes);
    groupings::CMD_ADDSEL_Click(card);
    ASSERT_EQ(st.raggruppamento, "A3-000001");
    const Strings codes = source();
    EXPECT_EQ(composizione(cn(), "A3", "A3-000001"), codes);
    EXPECT_INVARIANT(cn(), "A3", "A3-000001");
    EXPECT_EQ(ticked().size(), 253u);

    // Every other row out, then the last ten up to the top.
    groupings::CaricaRaggruppamento(card, "A3", "A3-000001", true, true, false);
    Strings kept;
    for (long r = 0; r < 253; ++r) {
        if (r % 2 == 0)
            st.GRDX_VARIANTI_DESTI->ToggleCheck(r, 0);
        else
            kept.push_back(codes[static_cast<std::size_t>(r)]);
    }
    groupings::CMD_TOGLISEL_Click(card);
    EXPECT_EQ(composizione(cn(), "A3", "A3-000001"), kept);
    EXPECT_INVARIANT(cn(), "A3", "A3-000001");
    for (long r = 116; r < 126; ++r)
        st.GRDX_VARIANTI_DESTI->ToggleCheck(r, 0);
    for (int i = 0; i < 3; ++i)
        groupings::CMD_SU_Click(card);
    const Strings after = composizione(cn(), "A3", "A3-000001");
    EXPECT_EQ(Strings(after.begin() + 113, after.begin() + 123),
              Strings(kept.begin() + 116, kept.end()));
    EXPECT_INVARIANT(cn(), "A3", "A3-000001");
}

TEST_F(Composition, RemovingRenumbersTheRestAndTicksTheOptionsInTheSourceList) {
    chooseVariant("A1");  // COL-MAGLIA: BLU, GRI, ROS, VER, CAM
    ASSERT_EQ(st.raggruppamento, "COL-MAGLIA");
    card.markAllLoaded();
    tickDestination({"GRI", "VER"});
    st.CMD_TOGLISEL->click();
    EXPECT_EQ(composizione(cn(), "A1", "COL-MAGLIA"), (Strings{"BLU", "ROS", "CAM"}));
    EXPECT_INVARIANT(cn(), "A1", "COL-MAGLIA");
    EXPECT_EQ(destination("MG5H_SEQOPZIONE"), (Strings{"1", "2", "3"}));
    EXPECT_EQ(groupings::ValoriSpuntati(st.sorgente.get(), "MG5E_OPZIONE"),
              (Strings{"GRI", "VER"}));
    EXPECT_EQ(count(cn(), "#TMP_ORIG", "SELEZ = 1"), 2);
    EXPECT_EQ(card.loadedItem(common::kTabStatiStagione), "");
    // Their own description (Blu notte) stays with the rows that remain.
    EXPECT_EQ(descr("COL-MAGLIA", "BLU"), "Blu notte");

    // Straight back in after the current row (BLU): the ticks are still there.
    currentDestination("BLU");
    groupings::CMD_ADDSEL_Click(card);
    EXPECT_EQ(composizione(cn(), "A1", "COL-MAGLIA"), (Strings{"BLU", "GRI", "VER", "ROS", "CAM"}));
    EXPECT_INVARIANT(cn(), "A1", "COL-MAGLIA");
}

TEST_F(Composition, TheGroupingsOwnDescriptionIsSavedAndABlankOneShowsTheOptions) {
    chooseVariant("A1");
    currentDestination("BLU");
    EXPECT_EQ(st.TXT_OPZIONE_DEST->text().toStdString(), "BLU");
    EXPECT_EQ(st.TXT_DESOPZIONE_DEST->text().toStdString(), "Blu notte");
    st.TXT_DESOPZIONE_DEST->setText("Blu dell'oceano");
    st.CMD_OPZDEST_SALVA->click();
    EXPECT_EQ(descr("COL-MAGLIA", "BLU"), "Blu dell'oceano");
    EXPECT_EQ(current(), "BLU");
    EXPECT_EQ(destination("DESCR_OPZIONE")[0], "Blu dell'oceano");

    st.TXT_DESOPZIONE_DEST->setText("   ");
    groupings::CMD_OPZDEST_SALVA_Click(card);
    EXPECT_TRUE(isNull("COL-MAGLIA", "BLU"));
    EXPECT_EQ(destination("DESCR_OPZIONE")[0], "Blu navy");
    // The option's own description is untouched.
    EXPECT_EQ(options("A1", "MG5E_OPZIONE = 'BLU' AND MG5E_DESCR = 'Blu navy'"), 1);
}

TEST_F(Composition, AFailureInTheMiddleOfAMoveAbortedLeavesTheGroupingAsItWas) {
    cn().execute(
        "UPDATE MG5H_COMPRAGVAR SET MG5H_DESCR = 'Piccola' WHERE MG5H_RAGGR_MG5G = "
        "'TG-LETTERE' AND MG5H_OPZIONE_MG5E = 'S'");
    reset();
    tickDestination({"S", "XL"});
    // The descriptions are put back last: that fails, the report is answered Abort.
    cn().injectFault({"SET    MG5H_COMPRAGVAR.MG5H_DESCR", "08S01", 0, 1});
    queueAnswer(common::vbAbort);
    groupings::CMD_SU_Click(card);
    expectAborted("SpostaElementi");
    EXPECT_EQ(descr("TG-LETTERE", "S"), "Piccola");
    EXPECT_EQ(destination(), kLettere);  // the lists show what is stored

    // The block's insertion fails once, answered Retry: the move completes, once.
    reset();
    tickDestination({"S", "XL"});
    cn().injectFault({"INSERT INTO MG5H_COMPRAGVAR", "08S01", 0, 1});
    queueAnswer(common::vbRetry);
    groupings::CMD_SU_Click(card);
    EXPECT_EQ(lettere(), (Strings{"S", "XL", "XS", "M", "L", "XXL"}));
    EXPECT_INVARIANT(cn(), "A0", "TG-LETTERE");
    EXPECT_EQ(descr("TG-LETTERE", "S"), "Piccola");
    EXPECT_EQ(count(cn(), "MG5H_COMPRAGVAR", "MG5H_RAGGR_MG5G = 'TG-LETTERE'"), 6);
}

TEST_F(Composition, FailuresInAddingAndRemovingAbortedChangeNothing) {
    // Renumbering fails after the deletion: both are rolled back.
    tickDestination({"S"});
    cn().injectFault({"UPDATE MG5H_COMPRAGVAR SET MG5H_SEQOPZIONE", "08S01", 0, 1});
    queueAnswer(common::vbAbort);
    groupings::CMD_TOGLISEL_Click(card);
    expectAborted("RinumeraRaggruppamento");

    // The gap is opened, then the insertion fails: the gap closes again.
    cardtest::clearMessages();
    currentDestination("S");
    tickSource({"TU", "44"});
    cn().injectFault({"INSERT INTO MG5H_COMPRAGVAR", "23000", 0, 1});
    queueAnswer(common::vbAbort);
    groupings::CMD_ADDSEL_Click(card);
    expectAborted("InserisciElementi");
}

}  // namespace
}  // namespace groupingstest
