// Pasting state codes into the grids of the variant-states tab, and paste
// refused without the host's right to change data, on the demo data:
// MAGLIA-001 manages Taglia (A0) with grouping TG-LETTERE.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "common/window_services.h"
#include "platform/controls/grid_exchange.h"
#include "platform/controls/lookup_box.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/framework/component_base.h"
#include "states/state_grid.h"
#include "states/stati_combinazione_tab.h"
#include "states/stati_stagione_tab.h"
#include "states/stati_variante_tab.h"
#include "tests/exchange/exchange_test_support.h"
#include "tests/states/states_test_support.h"

namespace {

using cardtest::queueAnswer;
using cardtest::shown;

// A host that grants some rights.
struct Host : framework::ComponentBase {
    QWidget* CreateForm(QWidget*) override { return nullptr; }
};
struct CardWithHost : cardtest::TestCard {
    Host host;
    framework::Cinterface* Pcls_Interface() const override { return const_cast<Host*>(&host); }
};

void incolla(states::StateGrid* grid, long row, const QString& text) {
    grid->setCurrentIndex(
        grid->model()->index(static_cast<int>(row), statestest::colonna(*grid, "STATO")));
    QApplication::clipboard()->setText(text);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
}

std::string stored(db::Connection& cn, const std::string& raggr, const std::string& opzione) {
    return cardtest::text(cardtest::scalar(
        cn,
        "SELECT MG5V_CODICE FROM MG5W_PROVSTATI INNER JOIN MG5V_STATIVAR ON MG5V_IDSTATOVAR = "
        "MG5W_IDSTATOVAR_MG5V WHERE MG5W_DITTA_CG18 = 1 AND MG5W_CODART_MG66 = 'MAGLIA-001' AND "
        "MG5W_CODICEVAR1_MG5F = 'A0' AND MG5W_RAGGR1_MG5G " +
            raggr + " AND MG5W_OPZIONE1_MG5E " + opzione +
            " AND MG5W_CODICEVAR2_MG5F IS NULL AND MG5W_TIPODEFAULT IS NULL"));
}

// The variant states tab of MAGLIA-001 on its sizes.
states::StatiVarianteTab& sizesOfMaglia(cardtest::TestCard& card) {
    cardtest::clearMessages();
    auto& tab = card.addTab<states::StatiVarianteTab>(common::kTabStatiVariante);
    tab.activate();
    card.showItem("MAGLIA-001");
    tab.load();
    tab.CBO_TIPOVAR5->setCurrentIndex(tab.CBO_TIPOVAR5->findText("Taglia"));
    tab.CBO_TIPOVAR5_Click();
    return tab;
}

TEST(VariantStatePaste, OptionsAndGroupingsTakeABlockOfCodes) {
    cardtest::TestCard card;
    auto& tab = sizesOfMaglia(card);
    ASSERT_NE(tab.rsRaggr(), nullptr);
    // The grouping grid: "<< TUTTI >>" then TG-LETTERE, one code each.
    queueAnswer(common::vbYes);
    incolla(tab.GRDX_STATI_RAGGR, 0, "ESAUR\r\nBLOCC\r\n");
    EXPECT_TRUE(shown("Celle da modificare: 2."));
    EXPECT_EQ(stored(card.connection(), "IS NULL", "IS NULL"), "ESAUR");
    EXPECT_EQ(stored(card.connection(), "= 'TG-LETTERE'", "IS NULL"), "BLOCC");

    // The options of TG-LETTERE: the first three, one code unknown.
    tab.GRDX_STATI_RAGGR->SetCurrentRow(
        statestest::riga(*tab.rsRaggr(), "RAGGRUPPAMENTO", "TG-LETTERE"));
    ASSERT_GE(tab.rsOpzioni()->recordCount(), 3);
    const std::string o0 = statestest::cella(*tab.rsOpzioni(), 0, "OPZIONE");
    const std::string o1 = statestest::cella(*tab.rsOpzioni(), 1, "OPZIONE");
    const std::string o2 = statestest::cella(*tab.rsOpzioni(), 2, "OPZIONE");
    cardtest::clearMessages();
    queueAnswer(common::vbOK);
    queueAnswer(common::vbYes);
    incolla(tab.GRDX_STATI_OPZIONI, 0, "DISP\r\nNIENTE\r\nCAMP\r\n");
    EXPECT_TRUE(shown("riga 2, colonna 1: codice di stato \"NIENTE\" sconosciuto"));
    EXPECT_EQ(stored(card.connection(), "= 'TG-LETTERE'", "= '" + o0 + "'"), "DISP");
    EXPECT_EQ(stored(card.connection(), "= 'TG-LETTERE'", "= '" + o1 + "'"), "");
    EXPECT_EQ(stored(card.connection(), "= 'TG-LETTERE'", "= '" + o2 + "'"), "CAMP");
    // The grid shows what was stored, still for TG-LETTERE.
    EXPECT_EQ(statestest::cella(*tab.rsOpzioni(), 0, "MG5H_RAGGR_MG5G"), "TG-LETTERE");
    EXPECT_EQ(controls::GridExchange::Of(tab.GRDX_STATI_OPZIONI)
                  ->CodeOf(tab.rsOpzioni()->valueAt(2, tab.rsOpzioni()->fieldIndex("STATO")))
                  .toStdString(),
              "CAMP");
    // Options outside groupings are untouched.
    EXPECT_EQ(stored(card.connection(), "IS NULL", "= '" + o0 + "'"), "");
}

// A state copied from one row of the option grid goes onto another: the
// row the grid copies (option, description, state) and the text of a cell
// taken from its editor both name the state, as typing its code would.
TEST(VariantStatePaste, AStateCopiedFromARowOrACellGoesOntoAnotherRow) {
    cardtest::TestCard card;
    auto& tab = sizesOfMaglia(card);
    tab.GRDX_STATI_RAGGR->SetCurrentRow(
        statestest::riga(*tab.rsRaggr(), "RAGGRUPPAMENTO", "TG-LETTERE"));
    states::StateGrid* grid = tab.GRDX_STATI_OPZIONI;
    ASSERT_GE(tab.rsOpzioni()->recordCount(), 3);
    const std::string o0 = statestest::cella(*tab.rsOpzioni(), 0, "OPZIONE");
    const std::string o1 = statestest::cella(*tab.rsOpzioni(), 1, "OPZIONE");
    const std::string o2 = statestest::cella(*tab.rsOpzioni(), 2, "OPZIONE");
    const int stato = statestest::colonna(*grid, "STATO");
    queueAnswer(common::vbYes);
    incolla(grid, 0, "ESAUR");
    ASSERT_EQ(stored(card.connection(), "= 'TG-LETTERE'", "= '" + o0 + "'"), "ESAUR");

    // The whole first row copied with Ctrl+C, pasted on the second row.
    grid->setCurrentIndex(grid->model()->index(0, stato));
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QString::fromStdString(o0) + "\t"));
    QTest::keyClick(grid, Qt::Key_Down);
    cardtest::clearMessages();
    queueAnswer(common::vbYes);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_FALSE(shown("Alcune celle non vengono scritte"));
    EXPECT_TRUE(shown("Celle da modificare: 1. Celle da svuotare: 0. Celle rifiutate: 0."));
    EXPECT_EQ(stored(card.connection(), "= 'TG-LETTERE'", "= '" + o1 + "'"), "ESAUR");
    EXPECT_EQ(stored(card.connection(), "= 'TG-LETTERE'", "= '" + o0 + "'"), "ESAUR");

    // The text of the first row's cell, copied from its open editor.
    grid->setCurrentIndex(grid->model()->index(0, stato));
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F4);
    auto* editor = grid->findChild<QComboBox*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor->view(), Qt::Key_Escape);  // the list, not the edit
    QTest::keyClick(editor->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor->lineEdit(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("ESAUR - "));
    QTest::keyClick(editor->lineEdit(), Qt::Key_Escape);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Down);
    cardtest::clearMessages();
    queueAnswer(common::vbYes);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_FALSE(shown("sconosciuto"));
    EXPECT_EQ(stored(card.connection(), "= 'TG-LETTERE'", "= '" + o2 + "'"), "ESAUR");

    // A description that is no state's is still refused, and nothing is written.
    const std::string before =
        cardtest::snapshot(card.connection(), "SELECT * FROM MG5W_PROVSTATI ORDER BY MG5W_IDPROV");
    cardtest::clearMessages();
    queueAnswer(common::vbOK);
    incolla(grid, 1, "ESAUR - In esaurimento");
    EXPECT_TRUE(shown("codice di stato \"ESAUR - In esaurimento\" sconosciuto"));
    EXPECT_TRUE(shown("Nessuna cella da modificare."));
    EXPECT_EQ(
        cardtest::snapshot(card.connection(), "SELECT * FROM MG5W_PROVSTATI ORDER BY MG5W_IDPROV"),
        before);
}

TEST(VariantStatePaste, TheSeasonGridTakesABlockOfCodes) {
    cardtest::clearMessages();
    cardtest::TestCard card;
    auto& tab = card.addTab<states::StatiStagioneTab>(common::kTabStatiStagione);
    card.showItem("MAGLIA-001");
    tab.load();
    tab.TXT_STAGIONE4->LineEdit()->setText("PE2026");
    tab.TXT_STAGIONE4->Decode();
    ASSERT_NE(tab.rsStagioni(), nullptr);
    const long m = statestest::riga(*tab.rsStagioni(), "OPZIONE", "M");
    ASSERT_GE(m, 0);
    ASSERT_LT(m + 1, tab.rsStagioni()->recordCount());
    const std::string dopo = statestest::cella(*tab.rsStagioni(), m + 1, "OPZIONE");
    queueAnswer(common::vbYes);
    incolla(tab.GRDX_STATI_STAGIONI, m, "NOVITA\r\nesaur\r\n");
    EXPECT_TRUE(shown("Celle da modificare: 2."));
    const auto stagione = [&](const std::string& opzione) {
        return cardtest::text(cardtest::scalar(
            card.connection(),
            "SELECT MG5V_CODICE FROM MG5U_VARSTAG INNER JOIN MG5V_STATIVAR ON MG5V_IDSTATOVAR = "
            "MG5U_IDSTATOVAR_MG5V WHERE MG5U_CODART_MG66 = 'MAGLIA-001' AND MG5U_CODICEVAR_MG5F "
            "= 'A0' AND MG5U_RAGGR_MG5G = 'TG-LETTERE' AND MG5U_IDSTAGIONE_MG5T = 3 AND "
            "MG5U_OPZIONE_MG5E = '" +
                opzione + "'"));
    };
    EXPECT_EQ(stagione("M"), "NOVITA");
    EXPECT_EQ(stagione(dopo), "ESAUR");
    // Blank clears, in one transaction with the rest.
    cardtest::clearMessages();
    queueAnswer(common::vbYes);
    incolla(tab.GRDX_STATI_STAGIONI, m, " ");
    EXPECT_TRUE(shown("Celle da svuotare: 1."));
    EXPECT_EQ(stagione("M"), "");
    EXPECT_EQ(stagione(dopo), "ESAUR");
}

TEST(VariantStatePaste, WithoutTheRightToChangeNothingIsWritten) {
    cardtest::clearMessages();
    CardWithHost card;
    card.host.SetCanUpdate(false);
    auto& tab = card.addTab<states::StatiCombinazioneTab>(common::kTabStatiCombinazione);
    tab.activate();
    card.showItem("MAGLIA-001");
    tab.load();
    tab.CBO_TIPOCOMBINAZIONE->setCurrentIndex(0);
    tab.CBO_TIPOCOMBINAZIONE_Click();
    tab.CBO_TIPOVAR6_2->setCurrentIndex(tab.CBO_TIPOVAR6_2->findText("Colore"));
    tab.CBO_TIPOVAR6_2_Click();
    ASSERT_NE(tab.rsCross(), nullptr);
    const std::string before =
        cardtest::snapshot(card.connection(), "SELECT * FROM MG5W_PROVSTATI ORDER BY MG5W_IDPROV");
    tab.GRDX_COMBINAZIONI->setCurrentIndex(tab.GRDX_COMBINAZIONI->model()->index(0, 2));
    QApplication::clipboard()->setText("DISP\tDISP\r\nDISP\tDISP");
    tab.GRDX_COMBINAZIONI->setFocus();
    QTest::keyClick(tab.GRDX_COMBINAZIONI, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(shown("Non si dispone dell'autorizzazione a modificare i dati."));
    EXPECT_EQ(
        cardtest::snapshot(card.connection(), "SELECT * FROM MG5W_PROVSTATI ORDER BY MG5W_IDPROV"),
        before);
    // With the right, the same paste asks and writes.
    card.host.SetCanUpdate(true);
    cardtest::clearMessages();
    queueAnswer(common::vbYes);
    QTest::keyClick(tab.GRDX_COMBINAZIONI, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(shown("[x91906x]"));
    EXPECT_NE(
        cardtest::snapshot(card.connection(), "SELECT * FROM MG5W_PROVSTATI ORDER BY MG5W_IDPROV"),
        before);
}

}  // namespace
