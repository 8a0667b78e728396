// Tab 5, states by variant, grouping and option, on the demo database.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "common/window_services.h"
#include "platform/db/connection.h"
#include "states/state_grid.h"
#include "states/state_services.h"
#include "states/stati_variante_tab.h"
#include "tests/states/states_test_support.h"
#include "tests/support/tab_test.h"

namespace {

using statestest::cella;
using statestest::colonna;
using statestest::provstati;
using statestest::riga;

struct StatiVariante : cardtest::TabTest<states::StatiVarianteTab, common::kTabStatiVariante> {
    void mostra(const std::string& item) { show(item); }
    void variante(const char* text) {
        tab.CBO_TIPOVAR5->setCurrentIndex(tab.CBO_TIPOVAR5->findText(text));
        tab.CBO_TIPOVAR5_Click();
    }
    void ambito(int value) {
        tab.CBO_TIPOCONF5->setCurrentIndex(value);
        tab.CBO_TIPOCONF5_Click();
    }
    void raggruppamento(const std::string& code) {
        const long r = riga(*tab.rsRaggr(), "RAGGRUPPAMENTO", code);
        ASSERT_GE(r, 0) << code;
        tab.GRDX_STATI_RAGGR->SetCurrentRow(r);
    }
    db::Value stato(states::StateGrid& grid, const std::string& codice) {
        for (const auto& [value, text] : grid.Columns().Item(colonna(grid, "STATO")).ValueList())
            if (text.startsWith(QString::fromStdString(codice + " ")))
                return value;
        return db::Value(0);
    }
    void scegli(states::StateGrid& grid, const db::Recordset& rs, const char* campo,
                const std::string& chiave, const std::string& codice) {
        const long r = riga(rs, campo, chiave);
        ASSERT_GE(r, 0) << chiave;
        grid.ChooseValue(r, colonna(grid, "STATO"), stato(grid, codice));
    }
    long long righe(const std::string& art, const std::string& var, const std::string& raggr,
                    const std::string& opz, const std::string& statoId = "") {
        return provstati(
            cn(), "MG5W_DITTA_CG18 = 1 AND MG5W_CODART_MG66 " + art +
                      " AND MG5W_CODICEVAR1_MG5F = '" + var + "' AND MG5W_RAGGR1_MG5G " + raggr +
                      " AND MG5W_OPZIONE1_MG5E " + opz +
                      " AND MG5W_CODICEVAR2_MG5F IS NULL AND MG5W_TIPODEFAULT IS NULL" +
                      (statoId.empty() ? "" : " AND MG5W_IDSTATOVAR_MG5V = " + statoId));
    }
};

constexpr const char* kArt = "= 'MAGLIA-001'";
constexpr const char* kNull = "IS NULL";

TEST_F(StatiVariante, GroupingAndOptionGridsOfTheItem) {
    mostra("MAGLIA-001");
    EXPECT_EQ(card.loadedItem(common::kTabStatiVariante), "MAGLIA-001");
    EXPECT_EQ(tab.variante(), "A0");
    EXPECT_EQ(tab.raggrArticolo(), "TG-LETTERE");
    const db::Recordset& gruppi = *tab.rsRaggr();
    ASSERT_EQ(gruppi.recordCount(), 2);  // the whole variant and the item's grouping
    EXPECT_EQ(cella(gruppi, 0, "MG5G_DESCRRAGGVAR"), "<< TUTTI >>");
    EXPECT_EQ(cella(gruppi, 0, "STATO"), "1");
    EXPECT_EQ(cella(gruppi, 1, "RAGGRUPPAMENTO"), "TG-LETTERE");
    EXPECT_EQ(tab.GRDX_STATI_RAGGR->Columns().Item(0).Caption(), "Codice");
    EXPECT_TRUE(tab.GRDX_STATI_RAGGR->CellText(0, 2).startsWith("DISP - Disponibile"));

    // "<< TUTTI >>" selected: every option of the variant, outside groupings.
    ASSERT_NE(tab.rsOpzioni(), nullptr);
    EXPECT_EQ(tab.rsOpzioni()->recordCount(), 14);
    EXPECT_EQ(cella(*tab.rsOpzioni(), riga(*tab.rsOpzioni(), "OPZIONE", "XXL"), "STATO"), "");
    raggruppamento("TG-LETTERE");
    const db::Recordset& opzioni = *tab.rsOpzioni();
    ASSERT_EQ(opzioni.recordCount(), 6);
    EXPECT_EQ(cella(opzioni, 0, "OPZIONE"), "XS");  // grouping order
    EXPECT_EQ(cella(opzioni, 5, "OPZIONE"), "XXL");
    EXPECT_EQ(cella(opzioni, 5, "STATO"), "6");

    variante("Colore");
    EXPECT_EQ(tab.raggrArticolo(), "COL-MAGLIA");
    EXPECT_EQ(cella(*tab.rsRaggr(), 0, "STATO"), "");  // the general row is not the item's
    EXPECT_EQ(cella(*tab.rsRaggr(), 1, "STATO"), "2");
}

TEST_F(StatiVariante, EachLevelIsStoredByItselfAndTheEmptyStateDeletes) {
    mostra("MAGLIA-001");
    states::StateGrid& gruppi = *tab.GRDX_STATI_RAGGR;
    states::StateGrid& opzioni = *tab.GRDX_STATI_OPZIONI;

    // The whole variant.
    scegli(gruppi, *tab.rsRaggr(), "MG5G_DESCRRAGGVAR", "<< TUTTI >>", "");
    EXPECT_EQ(righe(kArt, "A0", kNull, kNull), 0);
    scegli(gruppi, *tab.rsRaggr(), "MG5G_DESCRRAGGVAR", "<< TUTTI >>", "ESAUR");
    EXPECT_EQ(righe(kArt, "A0", kNull, kNull, "3"), 1);
    // The option grid still shows "<< TUTTI >>"'s options: writing a row
    // reloads nothing.
    EXPECT_EQ(tab.rsOpzioni()->recordCount(), 14);

    // XS outside groupings and XS inside TG-LETTERE are two rows.
    scegli(opzioni, *tab.rsOpzioni(), "OPZIONE", "XS", "ESAUR");
    raggruppamento("TG-LETTERE");
    scegli(opzioni, *tab.rsOpzioni(), "OPZIONE", "XS", "BLOCC");
    EXPECT_EQ(righe(kArt, "A0", kNull, "= 'XS'", "3"), 1);
    EXPECT_EQ(righe(kArt, "A0", "= 'TG-LETTERE'", "= 'XS'", "4"), 1);
    scegli(opzioni, *tab.rsOpzioni(), "OPZIONE", "XS", "DISP");
    EXPECT_EQ(righe(kArt, "A0", "= 'TG-LETTERE'", "= 'XS'"), 1);
    EXPECT_EQ(righe(kArt, "A0", "= 'TG-LETTERE'", "= 'XS'", "1"), 1);

    // The grouping itself.
    scegli(gruppi, *tab.rsRaggr(), "RAGGRUPPAMENTO", "TG-LETTERE", "");
    EXPECT_EQ(righe(kArt, "A0", "= 'TG-LETTERE'", kNull), 0);
    EXPECT_EQ(righe(kArt, "A0", "= 'TG-LETTERE'", "= 'XS'", "1"), 1);  // the option's stays

    // A state typed in full (case aside) or by its code is taken; a part of
    // a code is not.
    const long r = riga(*tab.rsOpzioni(), "OPZIONE", "M");
    QString testo;
    for (const auto& [value, text] : opzioni.Columns().Item(2).ValueList())
        if (text.startsWith("CAMP "))
            testo = text;
    opzioni.TypeValue(r, 2, "CAM");
    EXPECT_EQ(righe(kArt, "A0", "= 'TG-LETTERE'", "= 'M'"), 0);
    opzioni.TypeValue(r, 2, testo.toUpper());
    EXPECT_EQ(righe(kArt, "A0", "= 'TG-LETTERE'", "= 'M'", "7"), 1);
    EXPECT_TRUE(cardtest::shownMessages().empty());

    // Reloaded, the grids show what was stored.
    card.clearLoadedItem(common::kTabStatiVariante);
    tab.load();
    EXPECT_EQ(cella(*tab.rsRaggr(), 0, "STATO"), "3");
    EXPECT_EQ(cella(*tab.rsRaggr(), 1, "STATO"), "");
    EXPECT_EQ(cella(*tab.rsOpzioni(), riga(*tab.rsOpzioni(), "OPZIONE", "XS"), "STATO"), "3");
}

// Delete on a state cell takes its state away as the list's empty entry
// does; on an empty cell or a cell of another column it writes nothing.
TEST_F(StatiVariante, DeleteOnAStateCellTakesTheStateAway) {
    mostra("MAGLIA-001");
    raggruppamento("TG-LETTERE");
    states::StateGrid& opzioni = *tab.GRDX_STATI_OPZIONI;
    const int statoCol = colonna(opzioni, "STATO");
    const long xxl = riga(*tab.rsOpzioni(), "OPZIONE", "XXL");
    ASSERT_GE(xxl, 0);
    ASSERT_EQ(righe(kArt, "A0", "= 'TG-LETTERE'", "= 'XXL'", "6"), 1);
    const long long prima = provstati(cn(), "1 = 1");

    // Keys on the description and on an option without a state change nothing.
    opzioni.setFocus();
    opzioni.setCurrentIndex(opzioni.model()->index(static_cast<int>(xxl), 1));
    QTest::keyClick(&opzioni, Qt::Key_Delete);
    const long s = riga(*tab.rsOpzioni(), "OPZIONE", "S");
    opzioni.setCurrentIndex(opzioni.model()->index(static_cast<int>(s), statoCol));
    QTest::keyClick(&opzioni, Qt::Key_Delete);
    EXPECT_EQ(provstati(cn(), "1 = 1"), prima);

    // On XXL's state: the row goes, the cell shows no state, and only that row.
    opzioni.setCurrentIndex(opzioni.model()->index(static_cast<int>(xxl), statoCol));
    QTest::keyClick(&opzioni, Qt::Key_Delete);
    EXPECT_EQ(righe(kArt, "A0", "= 'TG-LETTERE'", "= 'XXL'"), 0);
    EXPECT_EQ(provstati(cn(), "1 = 1"), prima - 1);
    EXPECT_EQ(opzioni.CellText(xxl, statoCol), "");
    EXPECT_TRUE(cardtest::shownMessages().empty());

    // The grouping grid alike: TG-LETTERE's own state.
    states::StateGrid& gruppi = *tab.GRDX_STATI_RAGGR;
    const long tg = riga(*tab.rsRaggr(), "RAGGRUPPAMENTO", "TG-LETTERE");
    gruppi.setFocus();
    gruppi.setCurrentIndex(gruppi.model()->index(static_cast<int>(tg), colonna(gruppi, "STATO")));
    QTest::keyClick(&gruppi, Qt::Key_Delete);
    EXPECT_EQ(righe(kArt, "A0", "= 'TG-LETTERE'", kNull), 0);
    EXPECT_EQ(righe(kArt, "A0", kNull, kNull), 1);  // the whole variant keeps its own
}

TEST_F(StatiVariante, AllItemsScopeListsEveryGroupingAndLeavesItemRowsAlone) {
    mostra("MAGLIA-001");
    const long long dellArticolo = provstati(cn(), "MG5W_CODART_MG66 = 'MAGLIA-001'");
    ambito(states::kGenerale);
    const db::Recordset& gruppi = *tab.rsRaggr();
    ASSERT_EQ(gruppi.recordCount(), 4);  // "<< TUTTI >>" and every grouping of Taglia
    EXPECT_EQ(cella(gruppi, 1, "RAGGRUPPAMENTO"), "A0-000001");
    EXPECT_EQ(cella(gruppi, 2, "RAGGRUPPAMENTO"), "TG-LETTERE");
    EXPECT_EQ(cella(gruppi, 0, "STATO"), "");

    scegli(*tab.GRDX_STATI_RAGGR, gruppi, "RAGGRUPPAMENTO", "TG-NUMERI", "BLOCC");
    raggruppamento("TG-NUMERI");
    EXPECT_EQ(tab.rsOpzioni()->recordCount(), 7);
    scegli(*tab.GRDX_STATI_OPZIONI, *tab.rsOpzioni(), "OPZIONE", "56", "ESAUR");
    EXPECT_EQ(righe(kNull, "A0", "= 'TG-NUMERI'", kNull, "4"), 1);
    EXPECT_EQ(righe(kNull, "A0", "= 'TG-NUMERI'", "= '56'", "3"), 1);
    EXPECT_EQ(provstati(cn(), "MG5W_CODART_MG66 = 'MAGLIA-001'"), dellArticolo);

    // General states of Colore: the variant, COL-BASE and VER outside groupings.
    variante("Colore");
    EXPECT_EQ(cella(*tab.rsRaggr(), 0, "STATO"), "1");
    EXPECT_EQ(cella(*tab.rsRaggr(), riga(*tab.rsRaggr(), "RAGGRUPPAMENTO", "COL-BASE"), "STATO"),
              "1");
    EXPECT_EQ(cella(*tab.rsOpzioni(), riga(*tab.rsOpzioni(), "OPZIONE", "VER"), "STATO"), "3");
    EXPECT_EQ(cella(*tab.rsOpzioni(), riga(*tab.rsOpzioni(), "OPZIONE", "ARA"), "STATO"), "");
}

TEST_F(StatiVariante, ExpiredStatesAskAndUnmanagedItemsShowNothing) {
    mostra("MAGLIA-001");
    scegli(*tab.GRDX_STATI_OPZIONI, *tab.rsOpzioni(), "OPZIONE", "TU", "SALDI25");
    EXPECT_TRUE(cardtest::shown("Lo stato SALDI25 non \xC3\xA8 pi\xC3\xB9 valido"));
    EXPECT_EQ(righe(kArt, "A0", kNull, "= 'TU'"), 0);
    EXPECT_EQ(cella(*tab.rsOpzioni(), riga(*tab.rsOpzioni(), "OPZIONE", "TU"), "STATO"), "");
    cardtest::queueAnswer(common::vbYes);
    scegli(*tab.GRDX_STATI_OPZIONI, *tab.rsOpzioni(), "OPZIONE", "TU", "SALDI25");
    EXPECT_EQ(righe(kArt, "A0", kNull, "= 'TU'", "5"), 1);

    cardtest::clearMessages();
    const long long prima = provstati(cn(), "1 = 1");
    mostra("MAGLIA-OLD");
    EXPECT_EQ(tab.CBO_TIPOVAR5->count(), 0);
    EXPECT_FALSE(tab.LBL_AVVISO5->isHidden());
    EXPECT_EQ(tab.GRDX_STATI_RAGGR->DataSource(), nullptr);
    EXPECT_EQ(tab.GRDX_STATI_OPZIONI->DataSource(), nullptr);
    EXPECT_TRUE(cardtest::shownMessages().empty());
    EXPECT_EQ(provstati(cn(), "1 = 1"), prima);
}

}  // namespace
