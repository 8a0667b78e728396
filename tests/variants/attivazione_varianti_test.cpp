#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "common/window_services.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_navigator.h"
#include "platform/controls/lookup_box.h"
#include "platform/db/recordset.h"
#include "tests/support/tab_test.h"
#include "tests/support/test_card.h"
#include "variants/attivazione_varianti_tab.h"

namespace {

using cardtest::count;
using cardtest::scalar;
using cardtest::text;
using variants::AttivazioneVariantiTab;

// The tab has no work of its own at its first show: TabTest's call of it
// changes nothing.
struct Activation : cardtest::TabTest<AttivazioneVariantiTab, common::kTabAttivazioneVarianti> {
    std::string mg6b(const std::string& item, const std::string& var, const std::string& col) {
        return text(
            scalar(card.connection(), "SELECT " + col +
                                          " FROM MG6B_GESVARART WHERE MG6B_DITTA_CG18 = 1 AND "
                                          "MG6B_CODART_MG66 = '" +
                                          item + "' AND MG6B_CODICEVAR_MG5F = '" + var + "'"));
    }
    // Moves the grid to the row of a variant, as a click on it would.
    void selectVariant(const std::string& var) {
        ASSERT_TRUE(tab.selezionaVariante(var)) << "no row for " << var;
    }
    long rows() { return tab.GRD_VARIANTI->model()->rowCount(); }
    void choose(QComboBox* combo, int value) {
        int i = combo->findData(value);
        combo->setCurrentIndex(i);
        emit combo->activated(i);
    }
};

TEST_F(Activation, LoadsOnceShowsTheItemAndReloadsAfterASave) {
    card.showItem("MAGLIA-001");
    tab.load();
    EXPECT_EQ(card.loadedItem(common::kTabAttivazioneVarianti), "MAGLIA-001");
    EXPECT_EQ(card.cleared[common::kTabAttivazioneVarianti], 1);
    ASSERT_EQ(rows(), 4);
    EXPECT_EQ(tab.TXT_CODREGOLA->text().toStdString(), "RG-MAGL");
    EXPECT_EQ(variants::valoreCombo(tab.CBO_MODGENVARDIBA), 0);
    EXPECT_TRUE(tab.FRAME_RAGGR->isEnabled());
    // The first row (A0: active, grouping TG-LETTERE, obligatory) is in the controls.
    EXPECT_TRUE(tab.CHK_FLGGESTVAR->isChecked());
    EXPECT_EQ(variants::valoreCombo(tab.CBO_INDOBBLIG), 1);
    EXPECT_EQ(variants::valoreCombo(tab.CBO_INDEREDIBA), 1);

    tab.load();  // same item: nothing reloads
    EXPECT_EQ(card.cleared[common::kTabAttivazioneVarianti], 1);

    card.markAllLoaded();
    ASSERT_TRUE(tab.FME_VARIANTI_Update());
    EXPECT_EQ(card.loadedItem(common::kTabAttivazioneVarianti), "");
    EXPECT_EQ(card.loadedItem(common::kTabGestioneVarianti), "");
    EXPECT_EQ(card.loadedItem(common::kTabTrascodificaVarianti), "");
    EXPECT_EQ(card.loadedItem(common::kTabStatiVariante), "MAGLIA-001");
    EXPECT_EQ(card.sidebarCalls, 1);
    EXPECT_FALSE(card.lastSidebarArg);
    tab.load();
    EXPECT_EQ(card.cleared[common::kTabAttivazioneVarianti], 2);
    // The rewrite kept every row as it was.
    EXPECT_EQ(count(card.connection(), "MG6B_GESVARART", "MG6B_CODART_MG66 = 'MAGLIA-001'"), 4);
    EXPECT_EQ(mg6b("MAGLIA-001", "A1", "MG6B_VARDEFAULT"), "BLU");
    EXPECT_EQ(mg6b("MAGLIA-001", "A1", "MG6B_CODRAGGVAR_MG5G"), "COL-MAGLIA");
}

TEST_F(Activation, SaveWritesNullForABlankGroupingAnd99ForGeneralParameters) {
    card.showItem("MAGLIA-001");
    tab.load();
    selectVariant("A2");
    tab.CHK_FLGGESTVAR->click();
    choose(tab.CBO_INDEREDIBA, 99);
    choose(tab.CBO_INDOBBLIG, 2);
    // A blank grouping, as a cleared grid cell leaves it.
    selectVariant("A3");
    tab.Grst_MG6B()->setValue("MG6B_CODRAGGVAR_MG5G", db::Value("   "));
    // Saved by the navigator's "Conferma", as the user does.
    tab.GRIDNAV_VARIANTI->Click("Conferma");
    EXPECT_EQ(card.loadedItem(common::kTabAttivazioneVarianti), "");
    EXPECT_FALSE(tab.GRIDNAV_VARIANTI->ButtonEnabled("Nuovo"));

    db::Connection& cn = card.connection();
    EXPECT_EQ(mg6b("MAGLIA-001", "A2", "MG6B_FLGGESTVAR"), "1");
    EXPECT_EQ(mg6b("MAGLIA-001", "A2", "MG6B_INDEREDIBA"), "99");
    EXPECT_EQ(mg6b("MAGLIA-001", "A2", "MG6B_INDOBBLIG"), "2");
    EXPECT_EQ(count(cn, "MG6B_GESVARART",
                    "MG6B_CODART_MG66 = 'MAGLIA-001' AND MG6B_CODRAGGVAR_MG5G IS NULL"),
              2);
    EXPECT_EQ(mg6b("MAGLIA-001", "A0", "MG6B_CODRAGGVAR_MG5G"), "TG-LETTERE");
}

TEST_F(Activation, ActiveFlagEnablesTheRowControlsAndEmptiesDependentTabs) {
    card.showItem("MAGLIA-001");
    tab.load();
    card.markAllLoaded();
    selectVariant("A0");
    tab.CHK_FLGGESTVAR->click();  // off
    EXPECT_FALSE(tab.CBO_INDOBBLIG->isEnabled());
    EXPECT_FALSE(tab.CBO_INDDEFAULT->isEnabled());
    EXPECT_FALSE(tab.CBO_INDEREDIBA->isEnabled());
    EXPECT_FALSE(tab.TXT_VALDEFAULT->isEnabled());
    cardtest::expectOthersToReload(card, common::kTabAttivazioneVarianti, "MAGLIA-001");

    tab.CHK_FLGGESTVAR->click();  // on, default "No"
    EXPECT_TRUE(tab.CBO_INDOBBLIG->isEnabled());
    EXPECT_FALSE(tab.TXT_VALDEFAULT->isEnabled());
    choose(tab.CBO_INDDEFAULT, 1);
    EXPECT_TRUE(tab.TXT_VALDEFAULT->isEnabled());
    choose(tab.CBO_INDDEFAULT, 2);
    EXPECT_FALSE(tab.TXT_VALDEFAULT->isEnabled());

    // Another row brings its own state: A1 is active with a default option,
    // decoded next to the box.
    selectVariant("A1");
    EXPECT_TRUE(tab.CHK_FLGGESTVAR->isChecked());
    EXPECT_TRUE(tab.TXT_VALDEFAULT->isEnabled());
    EXPECT_EQ(tab.TXT_VALDEFAULT->Text().trimmed().toStdString(), "BLU");
    EXPECT_EQ(tab.LBL_DECVAR->text().toStdString(), "Blu navy");
    EXPECT_TRUE(tab.GRD_VARIANTI->CellText(1, 5).endsWith("Si"));
}

TEST_F(Activation, ItemSettingsAreWrittenAtOnceAndTooLongRuleCodesRefused) {
    card.showItem("MAGLIA-001");
    tab.load();
    db::Connection& cn = card.connection();
    auto item = [&](const std::string& col) {
        return text(scalar(cn, "SELECT " + col +
                                   " FROM MG66_ANAGRART WHERE MG66_DITTA_CG18 = 1 AND "
                                   "MG66_CODART = 'MAGLIA-001'"));
    };
    choose(tab.CBO_MODGENVARDIBA, 2);
    EXPECT_EQ(item("MG66_INDGENVARDIBA"), "2");
    choose(tab.CBO_MODEREDIBA, 1);
    EXPECT_EQ(item("MG66_INDVARERIDIBA"), "1");

    tab.TXT_CODREGOLA->setText("RG-D'ANGELO");
    tab.TXT_CODREGOLA_Validate();
    EXPECT_EQ(item("MG66_CODREGOLA"), "RG-D'ANGELO");
    tab.TXT_CODREGOLA->setText("   ");
    tab.TXT_CODREGOLA_Validate();
    EXPECT_EQ(item("MG66_CODREGOLA"), "");

    // The box holds at most the column's 20 characters.
    tab.TXT_CODREGOLA->setText(QString(30, QLatin1Char('X')));
    EXPECT_EQ(tab.TXT_CODREGOLA->text().size(), 20);
    tab.TXT_CODREGOLA->setMaxLength(40);  // a longer text reaching the validation is refused
    tab.TXT_CODREGOLA->setText(QString(30, QLatin1Char('Y')));
    tab.TXT_CODREGOLA_Validate();
    EXPECT_TRUE(cardtest::shown("non pu\xC3\xB2 superare 20 caratteri"));
    EXPECT_EQ(item("MG66_CODREGOLA"), "");
}

TEST_F(Activation, TooLongDefaultOptionIsRefusedWithNothingWritten) {
    card.showItem("MAGLIA-001");
    tab.load();
    selectVariant("A1");
    tab.Grst_MG6B()->setValue("MG6B_VARDEFAULT", db::Value(std::string(25, 'Z')));
    EXPECT_FALSE(tab.FME_VARIANTI_Update());
    EXPECT_TRUE(cardtest::shown("non pu\xC3\xB2 superare 20 caratteri"));
    EXPECT_EQ(mg6b("MAGLIA-001", "A1", "MG6B_VARDEFAULT"), "BLU");
    EXPECT_EQ(count(card.connection(), "MG6B_GESVARART", "MG6B_CODART_MG66 = 'MAGLIA-001'"), 4);
}

TEST_F(Activation, AFailingInsertAbortedRollsTheWholeRewriteBack) {
    card.showItem("MAGLIA-001");
    tab.load();
    card.markAllLoaded();
    selectVariant("A2");
    // A grouping that does not exist breaks the insert of that row.
    tab.Grst_MG6B()->setValue("MG6B_CODRAGGVAR_MG5G", db::Value("NON-ESISTE"));
    cardtest::queueAnswer(common::vbAbort);
    EXPECT_FALSE(tab.FME_VARIANTI_Update());
    EXPECT_EQ(count(card.connection(), "MG6B_GESVARART", "MG6B_CODART_MG66 = 'MAGLIA-001'"), 4);
    EXPECT_EQ(mg6b("MAGLIA-001", "A0", "MG6B_CODRAGGVAR_MG5G"), "TG-LETTERE");
    EXPECT_EQ(card.connection().transactionDepth(), 0);
    // A failed save leaves the tab loaded.
    EXPECT_EQ(card.loadedItem(common::kTabAttivazioneVarianti), "MAGLIA-001");
}

TEST_F(Activation, ItemWithoutRowsIsOfferedOneRowPerCompanyVariantAndASaveStoresThem) {
    card.showItem("TESSUTO-TW");
    tab.load();
    EXPECT_EQ(rows(), 4);  // A0..A3 of company 1, none managed yet
    EXPECT_FALSE(tab.FRAME_RAGGR->isEnabled());
    EXPECT_TRUE(tab.FME_VARIANTI_Update());
    EXPECT_EQ(count(card.connection(), "MG6B_GESVARART",
                    "MG6B_CODART_MG66 = 'TESSUTO-TW' AND MG6B_FLGGESTVAR = 0 AND "
                    "MG6B_CODRAGGVAR_MG5G IS NULL AND MG6B_INDOBBLIG = 2 AND MG6B_INDDEFAULT = 2 "
                    "AND MG6B_INDEREDIBA = 99"),
              4);
    EXPECT_EQ(count(card.connection(), "MG6B_GESVARART", "MG6B_DITTA_CG18 = 1"), 36);
}

TEST_F(Activation, ItemFlagIsSavedOnlyWhenChangedAndEnablesTheVariantFrame) {
    card.showItem("MAGLIA-OLD");
    tab.load();
    EXPECT_FALSE(tab.FRAME_RAGGR->isEnabled());
    auto flag = [&] {
        return text(scalar(card.connection(),
                           "SELECT MG66_FLGVARART FROM MG66_ANAGRART WHERE MG66_DITTA_CG18 = 1 "
                           "AND MG66_CODART = 'MAGLIA-OLD'"));
    };
    card.CHK_FLGVARART()->click();
    EXPECT_EQ(flag(), "1");
    EXPECT_EQ(card.sidebarCalls, 1);
    EXPECT_TRUE(card.lastSidebarArg);
    EXPECT_TRUE(tab.FRAME_RAGGR->isEnabled());

    // The stored value already matches: nothing is saved, the frame follows the box.
    tab.FRAME_RAGGR->setEnabled(false);
    tab.CHK_FLGVARART_Click();
    EXPECT_EQ(card.sidebarCalls, 1);
    EXPECT_TRUE(tab.FRAME_RAGGR->isEnabled());
    EXPECT_TRUE(variants::ItemHasActiveVariants(card) == false);  // no MG6B rows yet

    card.showItem("MAGLIA-001");
    EXPECT_TRUE(variants::ItemHasActiveVariants(card));
}

TEST_F(Activation, ChoiceListsHoldStoredValuesInOrder) {
    ASSERT_EQ(tab.CBO_INDEREDIBA->count(), 4);
    EXPECT_EQ(tab.CBO_INDEREDIBA->itemData(3).toInt(), 99);
    EXPECT_EQ(tab.CBO_INDEREDIBA->itemText(3).toStdString(), "Come da param. generali");
    EXPECT_EQ(tab.CBO_MODEREDIBA->itemText(0).toStdString(), "Dall'alto in basso");
    EXPECT_EQ(tab.CBO_INDOBBLIG->itemText(2).toStdString(), "Come da parametri generali");
    variants::impostaCombo(tab.CBO_INDEREDIBA, 99);
    EXPECT_EQ(tab.CBO_INDEREDIBA->currentIndex(), 3);
}

}  // namespace
