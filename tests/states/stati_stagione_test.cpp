// Tab 4, states of options per season, on the demo database.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "common/window_services.h"
#include "platform/controls/lookup_box.h"
#include "platform/db/connection.h"
#include "states/state_grid.h"
#include "states/stati_stagione_tab.h"
#include "tests/states/states_test_support.h"

namespace {

using statestest::cella;
using statestest::colonna;
using statestest::riga;

struct StatiStagione : ::testing::Test {
    QApplication& app = statestest::app();
    cardtest::TestCard card;
    states::StatiStagioneTab& tab =
        card.addTab<states::StatiStagioneTab>(common::kTabStatiStagione);

    void SetUp() override { cardtest::clearMessages(); }
    db::Connection& cn() { return card.connection(); }
    void mostra(const std::string& item) {
        card.showItem(item);
        tab.load();
    }
    void stagione(const char* code) {
        tab.TXT_STAGIONE4->LineEdit()->setText(code);
        tab.TXT_STAGIONE4->Decode();
    }
    void scegli(const std::string& opzione, const std::string& codice) {
        states::StateGrid& grid = *tab.GRDX_STATI_STAGIONI;
        const int c = colonna(grid, "STATO");
        db::Value value(0);
        for (const auto& [v, text] : grid.Columns().Item(c).ValueList())
            if (!codice.empty() && text.startsWith(QString::fromStdString(codice + " ")))
                value = v;
        const long r = riga(*tab.rsStagioni(), "OPZIONE", opzione);
        ASSERT_GE(r, 0) << opzione;
        grid.ChooseValue(r, c, value);
    }
    long long righe(const std::string& where) {
        return cardtest::count(cn(), "MG5U_VARSTAG", where);
    }
};

TEST_F(StatiStagione, NothingUntilAKnownSeasonThenTheGroupingsOptions) {
    mostra("MAGLIA-001");
    EXPECT_EQ(card.loadedItem(common::kTabStatiStagione), "MAGLIA-001");
    EXPECT_EQ(tab.variante(), "A0");
    EXPECT_EQ(tab.TXT_RAGGR4->Text(), "TG-LETTERE");
    EXPECT_TRUE(tab.TXT_RAGGR4->Found());
    EXPECT_EQ(tab.TXT_DESRAGGR4->text(), "Taglie a lettere XS-XXL");
    EXPECT_EQ(tab.GRDX_STATI_STAGIONI->DataSource(), nullptr);
    EXPECT_TRUE(tab.LBL_AVVISO4->text().contains("Indicare la stagione"));

    stagione("ZZ99");  // no such season: still nothing, and no error
    EXPECT_EQ(tab.GRDX_STATI_STAGIONI->DataSource(), nullptr);
    EXPECT_TRUE(tab.LBL_AVVISO4->text().contains("La stagione ZZ99 non esiste"));
    EXPECT_TRUE(cardtest::shownMessages().empty());

    stagione("AI2026");
    EXPECT_EQ(tab.idStagione().toText(), "4");
    EXPECT_EQ(tab.TXT_DESSTAGIONE4->text(), "Autunno-Inverno 2026");
    EXPECT_EQ(tab.TXT_CODSTAGIONE4->text(), "AI2026");
    EXPECT_EQ(tab.TXT_ANNO4->text(), "2026");
    EXPECT_TRUE(tab.LBL_AVVISO4->isHidden());
    const db::Recordset& rs = *tab.rsStagioni();
    ASSERT_EQ(rs.recordCount(), 6);
    EXPECT_EQ(cella(rs, 0, "OPZIONE"), "XS");
    EXPECT_EQ(cella(rs, 0, "STATO"), "3");
    EXPECT_EQ(cella(rs, 5, "STATO"), "4");
    EXPECT_EQ(cella(rs, 1, "STATO"), "");

    tab.CBO_TIPOVAR4->setCurrentIndex(tab.CBO_TIPOVAR4->findText("Colore"));
    tab.CBO_TIPOVAR4_Click();
    EXPECT_EQ(tab.TXT_RAGGR4->Text(), "COL-MAGLIA");
    EXPECT_EQ(tab.rsStagioni()->recordCount(), 5);
    EXPECT_EQ(cella(*tab.rsStagioni(), riga(*tab.rsStagioni(), "OPZIONE", "CAM"), "STATO"), "6");
    stagione("AI2025");
    EXPECT_EQ(cella(*tab.rsStagioni(), riga(*tab.rsStagioni(), "OPZIONE", "ROS"), "STATO"), "5");
}

TEST_F(StatiStagione, RowsCarryTheItemsGroupingOrNoneAndTheEmptyStateDeletes) {
    mostra("MAGLIA-001");
    stagione("PE2026");
    scegli("M", "NOVITA");
    EXPECT_EQ(righe("MG5U_CODART_MG66 = 'MAGLIA-001' AND MG5U_CODICEVAR_MG5F = 'A0' AND "
                    "MG5U_RAGGR_MG5G = 'TG-LETTERE' AND MG5U_OPZIONE_MG5E = 'M' AND "
                    "MG5U_IDSTAGIONE_MG5T = 3 AND MG5U_IDSTATOVAR_MG5V = 2"),
              1);
    scegli("M", "ESAUR");
    EXPECT_EQ(righe("MG5U_CODART_MG66 = 'MAGLIA-001' AND MG5U_OPZIONE_MG5E = 'M'"), 1);
    scegli("M", "");
    EXPECT_EQ(righe("MG5U_CODART_MG66 = 'MAGLIA-001' AND MG5U_OPZIONE_MG5E = 'M'"), 0);
    // Another season's row of the same option is not touched.
    EXPECT_EQ(righe("MG5U_CODART_MG66 = 'MAGLIA-001' AND MG5U_OPZIONE_MG5E = 'XS' AND "
                    "MG5U_IDSTAGIONE_MG5T = 4"),
              1);

    // An item without a grouping for the variant: every option, order 0, NULL grouping.
    mostra("MAGLIA-002");
    EXPECT_EQ(tab.TXT_RAGGR4->Text(), "");
    stagione("AI2026");
    const db::Recordset& rs = *tab.rsStagioni();
    EXPECT_EQ(rs.recordCount(), 14);
    for (long r = 0; r < rs.recordCount(); ++r)
        EXPECT_EQ(cella(rs, r, "ORDINAMENTO"), "0");
    EXPECT_EQ(cella(rs, riga(rs, "OPZIONE", "XS"), "STATO"), "3");
    scegli("L", "DISP");
    EXPECT_EQ(righe("MG5U_CODART_MG66 = 'MAGLIA-002' AND MG5U_OPZIONE_MG5E = 'L' AND "
                    "MG5U_RAGGR_MG5G IS NULL AND MG5U_IDSTAGIONE_MG5T = 4"),
              1);
}

TEST_F(StatiStagione, ExpiredStateAsksAndAFailedWriteLeavesNothing) {
    mostra("MAGLIA-001");
    stagione("AI2026");
    scegli("S", "SALDI25");
    EXPECT_TRUE(cardtest::shown("SALDI25"));
    EXPECT_EQ(righe("MG5U_OPZIONE_MG5E = 'S' AND MG5U_CODART_MG66 = 'MAGLIA-001'"), 0);
    EXPECT_EQ(cella(*tab.rsStagioni(), 1, "STATO"), "");

    cn().injectFault({"INSERT INTO MG5U_VARSTAG", "08S01", 0, 1});
    scegli("S", "DISP");
    EXPECT_TRUE(cardtest::shown("SalvaRecordStagione:"));
    EXPECT_EQ(righe("MG5U_OPZIONE_MG5E = 'S' AND MG5U_CODART_MG66 = 'MAGLIA-001'"), 0);
    cn().injectFault({"INSERT INTO MG5U_VARSTAG", "08S01", 0, 1});
    cardtest::queueAnswer(common::vbRetry);
    scegli("S", "DISP");
    EXPECT_EQ(righe("MG5U_OPZIONE_MG5E = 'S' AND MG5U_CODART_MG66 = 'MAGLIA-001' AND "
                    "MG5U_IDSTATOVAR_MG5V = 1"),
              1);
    // Its state taken away with a delete that fails: the row stays, and so
    // does the state the cell shows.
    cardtest::clearMessages();
    cn().injectFault({"DELETE FROM MG5U_VARSTAG", "08S01", 0, 1});
    scegli("S", "");
    EXPECT_TRUE(cardtest::shown("SalvaRecordStagione:"));
    EXPECT_EQ(righe("MG5U_OPZIONE_MG5E = 'S' AND MG5U_CODART_MG66 = 'MAGLIA-001' AND "
                    "MG5U_IDSTATOVAR_MG5V = 1"),
              1);
    EXPECT_EQ(cella(*tab.rsStagioni(), 1, "STATO"), "1");
}

}  // namespace
