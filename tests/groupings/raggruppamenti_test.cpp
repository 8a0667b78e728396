// Grouping codes on the options tab: automatic numbering and the item-code
// mode, typing a code that does not exist, associating it with the item's
// variant, settling a change when the user leaves, and the groupings window.

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

#include "common/window_services.h"
#include "groupings/codici_raggruppamento.h"
#include "groupings/composizione_raggruppamento.h"
#include "groupings/frmmg_raggr.h"
#include "platform/controls/grid_navigator.h"
#include "platform/controls/record_frame.h"
#include "platform/db/connection.h"
#include "tests/groupings/options_fixture.h"
#include "tests/support/tab_test.h"

namespace {

using cardtest::count;
using cardtest::queueAnswer;
using cardtest::shown;
using groupings::CreaRaggruppamentoAutomatico;

struct Codes : groupingstest::Options {
    std::string mg6b(const std::string& item, const std::string& var) {
        return value(
            "SELECT MG6B_CODRAGGVAR_MG5G FROM MG6B_GESVARART WHERE MG6B_DITTA_CG18 = 1 "
            "AND MG6B_CODART_MG66 = '" +
            item + "' AND MG6B_CODICEVAR_MG5F = '" + var + "'");
    }
    long long groupings(const std::string& where) {
        return count(cn(), "MG5G_RAGGVAR", "MG5G_DITTA_CG18 = 1 AND " + where);
    }
};

TEST_F(Codes, NumberedCodesFollowTheHighestSixDigitNumberOfTheVariant) {
    card.showItem("MAGLIA-001");
    cn().execute(
        "INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR, MG5F_DESCR_VAR, "
        "MG5F_SIZE) VALUES (1, 'B3', 'Collo', 2), (1, 'B4', 'Polsino', 2)");
    EXPECT_EQ(CreaRaggruppamentoAutomatico(card, "B3"), "B3-000001");
    EXPECT_EQ(value("SELECT MG5G_DESCRRAGGVAR FROM MG5G_RAGGVAR WHERE MG5G_CODICEVAR_MG5F = 'B3'"),
              "Maglia girocollo lana merino");

    cn().execute("DELETE FROM MG5G_RAGGVAR WHERE MG5G_CODICEVAR_MG5F = 'B3'");
    cn().execute(
        "INSERT INTO MG5G_RAGGVAR (MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR) "
        "VALUES (1, 'B3', 'B3-000007'), (1, 'B3', 'B3-000012'), (1, 'B3', 'B3-X'), "
        "(1, 'B3', 'A0-999999'), (1, 'B3', 'B3-12AB56')");
    EXPECT_EQ(CreaRaggruppamentoAutomatico(card, "B3"), "B3-000013");
    EXPECT_EQ(groupings("MG5G_CODICEVAR_MG5F = 'B3'"), 6);

    // Seven digits: characters 4 to 9 are taken.
    cn().execute(
        "INSERT INTO MG5G_RAGGVAR (MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR) "
        "VALUES (1, 'B4', 'B4-0000123')");
    EXPECT_EQ(CreaRaggruppamentoAutomatico(card, "B4"), "B4-000013");

    // Past the largest number only six digits remain: the same code again,
    // whose insertion is refused and reported; nothing more is written.
    EXPECT_EQ(groupings::NextGroupingCode("B4", "999999"), "B4-000000");
    cn().execute(
        "INSERT INTO MG5G_RAGGVAR (MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR) "
        "VALUES (1, 'B4', 'B4-999999'), (1, 'B4', 'B4-000000')");
    EXPECT_EQ(CreaRaggruppamentoAutomatico(card, "B4"), "");
    EXPECT_TRUE(shown("InserisciRaggruppamento: "));
    EXPECT_EQ(groupings("MG5G_CODICEVAR_MG5F = 'B4'"), 4);
}

TEST_F(Codes, ItemCodeModeUsesTheItemCodeAndReusesItWithoutAsking) {
    card.mutableCompany().SetGroupingCodeMode(1);
    open("MAGLIA-002");
    EXPECT_EQ(CreaRaggruppamentoAutomatico(card, "A1"), "MAGLIA-002");
    EXPECT_EQ(CreaRaggruppamentoAutomatico(card, "A1"), "MAGLIA-002");
    EXPECT_EQ(groupings("MG5G_CODRAGGVAR = 'MAGLIA-002'"), 1);
    EXPECT_EQ(value("SELECT MG5G_DESCRRAGGVAR FROM MG5G_RAGGVAR WHERE MG5G_CODRAGGVAR = "
                    "'MAGLIA-002'"),
              "Cardigan cashmere con bottoni");

    // Adding to sizes without a grouping: no question in this mode.
    tickSource({"S"});
    groupings::CMD_ADDSEL_Click(card);
    EXPECT_FALSE(shown("Proseguo ?"));
    EXPECT_EQ(st.raggruppamento, "MAGLIA-002");
    EXPECT_EQ(groupingstest::composizione(cn(), "A0", "MAGLIA-002"), std::vector<std::string>{"S"});
}

TEST_F(Codes, AnUnknownCodeIsCreatedOnRequestDescribedAndAssociated) {
    open("PANT-001");
    chooseVariant("A1");  // colours, no grouping
    ASSERT_EQ(st.raggruppamento, "");
    card.markAllLoaded();
    queueAnswer(common::vbYes);
    typeGrouping("COL-PANT");
    EXPECT_TRUE(shown("Codice raggruppamento inesistente, vuoi crearlo ?"));
    EXPECT_EQ(groupings("MG5G_CODICEVAR_MG5F = 'A1' AND MG5G_CODRAGGVAR = 'COL-PANT'"), 1);
    EXPECT_TRUE(st.TXT_RAGGR1->Found());
    EXPECT_EQ(st.raggruppamento, "COL-PANT");
    EXPECT_TRUE(st.TXT_DESRAGGR1->isEnabled());
    EXPECT_TRUE(st.CMD_ASSOCIA->isEnabled());
    EXPECT_TRUE(st.CMD_OPZORIG_NUOVO->isEnabled());
    EXPECT_EQ(st.destinazione->recordCount(), 0);

    // The description, with an apostrophe, is saved as typed; the box closes.
    st.TXT_DESRAGGR1->setText("Colori dell'estate");
    groupings::TXT_DESRAGGR1_Validate(card);
    EXPECT_EQ(value("SELECT MG5G_DESCRRAGGVAR FROM MG5G_RAGGVAR WHERE MG5G_CODRAGGVAR = "
                    "'COL-PANT'"),
              "Colori dell'estate");
    EXPECT_FALSE(st.TXT_DESRAGGR1->isEnabled());

    st.CMD_ASSOCIA->click();
    EXPECT_EQ(mg6b("PANT-001", "A1"), "COL-PANT");
    EXPECT_FALSE(st.CMD_ASSOCIA->isEnabled());
    cardtest::expectOthersToReload(card, common::kTabGestioneVarianti, "PANT-001");

    // Associated: leaving asks nothing.
    cardtest::clearMessages();
    tab.beforeSidebarChoice();
    EXPECT_TRUE(cardtest::shownMessages().empty());
    EXPECT_EQ(mg6b("PANT-001", "A1"), "COL-PANT");
}

TEST_F(Codes, DecliningAnUnknownCodeLocksEditingAndLeavingClearsTheGrouping) {
    open("PANT-001");  // sizes: TG-NUMERI
    card.markAllLoaded();
    queueAnswer(common::vbNo);
    typeGrouping("NON-ESISTE");
    EXPECT_FALSE(st.TXT_RAGGR1->Found());
    EXPECT_EQ(groupings("MG5G_CODRAGGVAR = 'NON-ESISTE'"), 0);
    EXPECT_TRUE(st.TXT_RAGGR1->isEnabled());
    EXPECT_FALSE(st.CMD_ASSOCIA->isEnabled());
    for (QWidget* w :
         {static_cast<QWidget*>(st.CMD_OPZORIG_NUOVO),
          static_cast<QWidget*>(st.CMD_OPZORIG_ELIMINA), static_cast<QWidget*>(st.CMD_SEARCH),
          static_cast<QWidget*>(st.CMD_ADDSEL), static_cast<QWidget*>(st.GRDX_VARIANTI_DESTI)})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    // Associating a code that does not exist does nothing.
    groupings::CMD_ASSOCIA_Click(card);
    EXPECT_EQ(mg6b("PANT-001", "A0"), "TG-NUMERI");

    cardtest::clearMessages();
    tab.beforeSidebarChoice();
    EXPECT_TRUE(cardtest::shownMessages().empty());
    EXPECT_EQ(mg6b("PANT-001", "A0"), "");
    EXPECT_EQ(card.loadedItem(common::kTabGestioneVarianti), "");
    // The codes and options are untouched.
    EXPECT_EQ(count(cn(), "MG5H_COMPRAGVAR", "MG5H_RAGGR_MG5G = 'TG-NUMERI'"), 7);
}

TEST_F(Codes, LeavingAfterAChangeAsksWhetherToAssociate) {
    open("PANT-001");  // sizes: TG-NUMERI
    // Cleared and left: the question; No keeps the old grouping.
    typeGrouping("");
    EXPECT_EQ(st.destinazione->recordCount(), 0);
    EXPECT_TRUE(st.CMD_ASSOCIA->isEnabled());
    queueAnswer(common::vbNo);
    tab.beforeSidebarChoice();
    EXPECT_TRUE(
        shown("E' stato tolto il raggruppamento alla variante Taglia.\r\nSi vuole "
              "confermare questa impostazione ?"));
    EXPECT_EQ(mg6b("PANT-001", "A0"), "TG-NUMERI");
    EXPECT_FALSE(st.CMD_ASSOCIA->isEnabled());

    // Settled: leaving again asks nothing.
    cardtest::clearMessages();
    tab.beforeSidebarChoice();
    EXPECT_TRUE(cardtest::shownMessages().empty());

    // Another code typed, then the one the variant has typed back: nothing
    // changed, so leaving asks nothing and keeps it.
    typeGrouping("TG-LETTERE");
    typeGrouping("TG-NUMERI");
    cardtest::clearMessages();
    tab.beforeSidebarChoice();
    EXPECT_TRUE(cardtest::shownMessages().empty());
    EXPECT_EQ(mg6b("PANT-001", "A0"), "TG-NUMERI");

    // Another existing grouping, then another variant chosen: Yes writes it.
    typeGrouping("TG-LETTERE");
    EXPECT_EQ(destination().size(), 6u);
    queueAnswer(common::vbYes);
    chooseVariant("A2");
    EXPECT_TRUE(
        shown("E' stato modificato il raggruppamento (TG-LETTERE) per la variante "
              "Taglia.\r\nSi vuole associare il raggruppamento alla variante ?"));
    EXPECT_EQ(mg6b("PANT-001", "A0"), "TG-LETTERE");
    EXPECT_EQ(st.variante, "A2");
    EXPECT_EQ(st.raggruppamento, "LUN-PANT");

    // Cleared again and confirmed: NULL.
    chooseVariant("A0");
    typeGrouping("");
    queueAnswer(common::vbYes);
    tab.beforeSidebarChoice();
    EXPECT_EQ(mg6b("PANT-001", "A0"), "");
    EXPECT_TRUE(cardtest::scalar(cn(),
                                 "SELECT MG6B_CODRAGGVAR_MG5G FROM MG6B_GESVARART WHERE "
                                 "MG6B_CODART_MG66 = 'PANT-001' AND MG6B_CODICEVAR_MG5F = 'A0'")
                    .isNull());
}

TEST_F(Codes, CodesWithApostrophesAreNotCreated) {
    open("PANT-001");
    chooseVariant("A1");
    typeGrouping("COL'X");
    EXPECT_TRUE(shown("non pu\xC3\xB2 contenere il carattere apice"));
    EXPECT_FALSE(shown("vuoi crearlo"));
    EXPECT_EQ(groupings("MG5G_CODICEVAR_MG5F = 'A1'"), 2);
    EXPECT_FALSE(st.TXT_RAGGR1->Found());
}

TEST_F(Codes, ProgressiveVariantsTakeNoGrouping) {
    cardtest::TestCard card2("2");
    auto& tab2 = card2.addTab<groupings::GestioneVariantiTab>(common::kTabGestioneVarianti);
    card2.showItem("ABITO-SU01");
    tab2.load();  // A0 first: sizes, configured progressively, grouping ABITO-SU01
    groupings::StatoOpzioni& st2 = tab2.stato();
    EXPECT_EQ(st2.variante, "A0");
    EXPECT_EQ(st2.TXT_RAGGR1->Text().toStdString(), "");
    EXPECT_FALSE(st2.TXT_RAGGR1->isEnabled());
    EXPECT_EQ(st2.destinazione->recordCount(), 0);
    EXPECT_EQ(st2.sorgente->recordCount(), 5);
    // Leaving changes nothing.
    tab2.beforeSidebarChoice();
    EXPECT_EQ(cardtest::text(cardtest::scalar(
                  card2.connection(),
                  "SELECT MG6B_CODRAGGVAR_MG5G FROM MG6B_GESVARART WHERE "
                  "MG6B_CODART_MG66 = 'ABITO-SU01' AND MG6B_CODICEVAR_MG5F = 'A0'")),
              "ABITO-SU01");
}

// ------------------------------------------------------- groupings window

struct GroupingsWindow : Codes {
    // Runs the menu entry of the grouping box; the window is driven by
    // steps while it is shown.
    void runWindow(const std::function<void(groupings::FRMMG_RAGGR&)>& steps) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* w = qobject_cast<groupings::FRMMG_RAGGR*>(QApplication::activeModalWidget());
            ASSERT_NE(w, nullptr);
            seen = true;
            steps(*w);
            if (w->isVisible())
                w->reject();
        });
        st.TXT_RAGGR1->TriggerMenuEntry("Kgestione");
        EXPECT_TRUE(seen);
    }
};

TEST_F(GroupingsWindow, ListsTheVariantsGroupingsAndHandsTheChosenCodeBack) {
    open("PANT-001");
    chooseVariant("A1");  // no grouping
    runWindow([&](groupings::FRMMG_RAGGR& w) {
        EXPECT_EQ(w.windowTitle().toStdString(), "Raggruppamenti");
        EXPECT_EQ(w.variante(), "A1");
        EXPECT_EQ(w.CBO_TIPORAGGR->count(), 4);
        ASSERT_EQ(w.recordset()->recordCount(), 2);  // COL-BASE, COL-MAGLIA
        EXPECT_FALSE(w.TXT_CODRAGGR->isEnabled());

        // A new grouping: the code saves the row at once, then its description.
        w.GRIDNAV->Click("Nuovo");
        EXPECT_EQ(w.FME_DIMEC->Status(), controls::RecordFrame::Entering);
        EXPECT_TRUE(w.TXT_CODRAGGR->isEnabled());
        w.TXT_CODRAGGR->setText("col-inverno");
        EXPECT_FALSE(w.TXT_CODRAGGR_Validate());
        EXPECT_EQ(groupings("MG5G_CODICEVAR_MG5F = 'A1' AND MG5G_CODRAGGVAR = 'COL-INVERNO'"), 1);
        EXPECT_EQ(w.FME_DIMEC->Status(), controls::RecordFrame::Browse);
        w.TXT_DESCR->setText("Colori invernali");
        emit w.TXT_DESCR->textEdited(w.TXT_DESCR->text());
        EXPECT_EQ(w.FME_DIMEC->Status(), controls::RecordFrame::Changed);
        EXPECT_FALSE(w.GRIDNAV->ButtonEnabled("Esporta"));
        w.GRIDNAV->Click("Conferma");
        EXPECT_EQ(value("SELECT MG5G_DESCRRAGGVAR FROM MG5G_RAGGVAR WHERE MG5G_CODRAGGVAR = "
                        "'COL-INVERNO'"),
                  "Colori invernali");
        EXPECT_TRUE(w.GRIDNAV->ButtonEnabled("Esporta"));
        w.GRIDNAV->Click("Esporta");
        EXPECT_FALSE(w.isVisible());
    });
    // The code came back into the box and was entered as a choice is.
    EXPECT_EQ(st.TXT_RAGGR1->Text().toStdString(), "COL-INVERNO");
    EXPECT_TRUE(st.TXT_RAGGR1->Found());
    EXPECT_EQ(st.raggruppamento, "COL-INVERNO");
    EXPECT_EQ(st.TXT_DESRAGGR1->text().toStdString(), "Colori invernali");
    EXPECT_TRUE(st.CMD_ASSOCIA->isEnabled());
    EXPECT_EQ(st.frmRaggr, nullptr);

    // Closed without "Esporta": the box keeps its code.
    runWindow([&](groupings::FRMMG_RAGGR& w) {
        w.GRID_RAGGR->SetCurrentRow(0);
        w.reject();
    });
    EXPECT_EQ(st.TXT_RAGGR1->Text().toStdString(), "COL-INVERNO");
}

TEST_F(GroupingsWindow, RefusesApostrophesAndDuplicateCodesAndDropsAnUnsavedRow) {
    open("PANT-001");
    runWindow([&](groupings::FRMMG_RAGGR& w) {
        EXPECT_EQ(w.variante(), "A0");
        w.GRIDNAV->Click("Nuovo");
        w.TXT_CODRAGGR->setText("TG'X");
        EXPECT_TRUE(w.TXT_CODRAGGR_Validate());
        EXPECT_EQ(w.TXT_CODRAGGR->text().toStdString(), "TGX");
        w.TXT_CODRAGGR->setText("TG-NUMERI");
        EXPECT_TRUE(w.TXT_CODRAGGR_Validate());
        EXPECT_TRUE(shown("Il codice raggruppamento TG-NUMERI esiste gi\xC3\xA0."));
        EXPECT_EQ(w.FME_DIMEC->Status(), controls::RecordFrame::Entering);

        // Another variant from the window's own combo lists its groupings.
        w.FME_DIMEC->Undo();
        w.CBO_TIPORAGGR->setCurrentIndex(w.CBO_TIPORAGGR->findData(2));
        w.CBO_TIPORAGGR_Click();
        EXPECT_EQ(w.recordset()->recordCount(), 1);  // LUN-PANT
        w.GRIDNAV->Click("Nuovo");
        w.TXT_CODRAGGR->setText("LUN-X");
    });
    EXPECT_EQ(groupings("MG5G_CODICEVAR_MG5F = 'A0'"), 3);
    EXPECT_EQ(groupings("MG5G_CODRAGGVAR = 'LUN-X'"), 0);
    EXPECT_EQ(st.TXT_RAGGR1->Text().toStdString(), "TG-NUMERI");
}

}  // namespace
