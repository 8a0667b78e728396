// The state tabs in the real window: loaded once per item, and emptied by
// the other tabs' changes so that they show the new variants and options
// when next chosen.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "demo/demo_database.h"
#include "groupings/gestione_varianti_tab.h"
#include "groupings/option_lists.h"
#include "platform/db/recordset.h"
#include "states/stati_combinazione_tab.h"
#include "states/stati_stagione_tab.h"
#include "states/stati_variante_tab.h"
#include "tests/states/states_test_support.h"
#include "tests/window/card_window.h"
#include "variants/attivazione_varianti_tab.h"
#include "window/frmmg_veldrano.h"

namespace {

constexpr int kStati[] = {common::kTabStatiStagione, common::kTabStatiVariante,
                          common::kTabStatiCombinazione};

struct FinestraStati : cardtest::CardWindowTest {
    bool statiVuoti() {
        for (int t : kStati)
            if (!w->loadedItem(t).empty())
                return false;
        return true;
    }
    void mostraStati() {
        for (int t : kStati)
            w->selectTab(t);
    }
    states::StatiCombinazioneTab& combinazioni() {
        return *static_cast<states::StatiCombinazioneTab*>(w->tab(common::kTabStatiCombinazione));
    }
    states::StatiVarianteTab& variante() {
        return *static_cast<states::StatiVarianteTab*>(w->tab(common::kTabStatiVariante));
    }
};

TEST_F(FinestraStati, OtherTabsEmptyTheStateTabsAsTheirChangesRequire) {
    choose("PANT-001");
    mostraStati();
    for (int t : kStati)
        EXPECT_EQ(w->loadedItem(t), "PANT-001") << t;
    ASSERT_EQ(combinazioni().CBO_TIPOVAR6_1->count(), 4);

    // Switching a variant's management off: options, transcoding and the
    // three state tabs; its save then the activation, options and transcoding tabs.
    w->selectTab(common::kTabAttivazioneVarianti);
    auto& attivazione =
        *static_cast<variants::AttivazioneVariantiTab*>(w->tab(common::kTabAttivazioneVarianti));
    ASSERT_TRUE(attivazione.selezionaVariante("A3"));
    attivazione.CHK_FLGGESTVAR->click();
    EXPECT_TRUE(statiVuoti());
    EXPECT_EQ(w->loadedItem(common::kTabAttivazioneVarianti), "PANT-001");
    EXPECT_EQ(w->loadedItem(common::kTabGestioneVarianti), "");
    mostraStati();
    EXPECT_FALSE(statiVuoti());
    ASSERT_TRUE(attivazione.FME_VARIANTI_Update());
    EXPECT_EQ(w->loadedItem(common::kTabAttivazioneVarianti), "");
    EXPECT_EQ(w->loadedItem(common::kTabStatiCombinazione), "PANT-001");  // a save alone does not
    // The state tabs reload for the variants now managed.
    w->clearLoadedItem(common::kTabStatiCombinazione);
    w->selectTab(common::kTabStatiCombinazione);
    EXPECT_EQ(combinazioni().CBO_TIPOVAR6_1->count(), 3);
    EXPECT_EQ(combinazioni().CBO_TIPOVAR6_1->findText("Vestibilit\u00e0"), -1);

    // A new option of a variant: the three state tabs.
    w->selectTab(common::kTabGestioneVarianti);
    auto& opzioni =
        *static_cast<groupings::GestioneVariantiTab*>(w->tab(common::kTabGestioneVarianti));
    ASSERT_EQ(opzioni.stato().variante, "A0");
    opzioni.stato().TXT_OPZIONE_ORIG->setText("58");
    opzioni.stato().TXT_DESOPZIONE_ORIG->setText("Taglia 58");
    opzioni.CMD_OPZORIG_SALVA_Click();
    EXPECT_TRUE(statiVuoti());
    w->selectTab(common::kTabStatiVariante);
    ASSERT_NE(variante().rsOpzioni(), nullptr);
    EXPECT_EQ(variante().rsOpzioni()->recordCount(), 15);  // "<< TUTTI >>": every option

    // A new search empties every tab; the next item loads afresh.
    w->CMD_NUOVO()->click();
    choose("MAGLIA-001");
    EXPECT_TRUE(statiVuoti());
    w->selectTab(common::kTabStatiCombinazione);
    EXPECT_EQ(w->loadedItem(common::kTabStatiCombinazione), "MAGLIA-001");
    EXPECT_EQ(combinazioni().CBO_TIPOVAR6_1->count(), 2);
    EXPECT_TRUE(cardtest::shownMessages().empty()) << cardtest::shownMessages().front();
}

TEST_F(FinestraStati, ShowingATabAgainForTheSameItemKeepsItsChoices) {
    choose("MAGLIA-001");
    w->selectTab(common::kTabStatiCombinazione);
    states::StatiCombinazioneTab& tab = combinazioni();
    EXPECT_FALSE(tab.FRAME_COMBINAZIONI->isHidden());  // the list, at start
    tab.CBO_TIPOVAR6_2->setCurrentIndex(1);
    tab.CBO_TIPOVAR6_2_Click();
    ASSERT_NE(tab.rsCombi(), nullptr);
    EXPECT_EQ(tab.rsCombi()->recordCount(), 4);
    w->selectTab(common::kTabStatiVariante);
    EXPECT_TRUE(tab.FRAME_COMBINAZIONI->isHidden());  // hidden on a tab switch
    w->selectTab(common::kTabStatiCombinazione);
    EXPECT_FALSE(tab.FRAME_COMBINAZIONI->isHidden());
    EXPECT_EQ(tab.variante2(), "A1");  // not reloaded: the choice stays
    EXPECT_EQ(tab.rsCombi()->recordCount(), 4);
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

}  // namespace
