// The side bar of the real window with every real tab, on the demo
// database: groups by the item's variant flags, the variant tabs refused
// without an active variant, the shown tab reloaded by its own item, the
// side bar set up again only when the item or its flags change, and the
// summary of items whose rows are missing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "common/item_card.h"
#include "demo/demo_database.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/side_bar.h"
#include "platform/db/connection.h"
#include "tests/support/test_card.h"
#include "window/frmmg_veldrano.h"

namespace {

struct SideBar : ::testing::Test {
    void SetUp() override {
        path = dir.filePath("demo.db").toStdString();
        demo::createDemoDatabase(path);
        cn.open("Data Source=" + path);
        cardtest::clearMessages();
        w = std::make_unique<card::FRMMG_VELDRANO>();
        w->setContext("Data Source=" + path, "1");
        w->Form_Load();
        w->resize(1024, 768);
        w->show();
        w->Form_Activate();
    }
    void TearDown() override { w.reset(); }

    void choose(const std::string& code) {
        w->TXT_CODART()->setText(QString::fromStdString(code));
        w->TXT_CODART_Confirm(code);
    }
    controls::SideBar& bar() { return *w->KOV_SIDEBAR(); }
    QString note() {
        return w->page(common::kTabDatiAnagrafici)
            ->findChild<QPlainTextEdit*>("TXT_NOTE")
            ->toPlainText();
    }
    void setNote(const std::string& code, const std::string& text) {
        cn.execute("UPDATE MG87_ARTDESC SET MG87_NOTEART = '" + text +
                   "' WHERE MG87_DITTA_CG18 = 1 AND MG87_CODART_MG66 = '" + code +
                   "' AND MG87_OPZIONE_MG5E = '' AND MG87_LINGUA_MG52 = ''");
    }
    std::string count(const std::string& table) {
        return cn.run("SELECT COUNT(*) FROM " + table).resultSets.at(0).rows.at(0).at(0).toText();
    }

    QTemporaryDir dir;
    std::string path;
    db::Connection cn;
    std::unique_ptr<card::FRMMG_VELDRANO> w;
};

TEST_F(SideBar, GroupsFollowTheItemsFlagsAndAnItemWithoutTheShownTabOpensOnItsSummary) {
    // Before any item nothing opens.
    EXPECT_FALSE(bar().ClickItem("GRP01", "ITM08"));
    EXPECT_EQ(w->currentTab(), 0);
    for (const char* g : {"GRP02", "GRP03", "GRP04"})
        EXPECT_FALSE(w->sidebarGroupEnabled(g)) << g;

    choose("MAGLIA-001");
    for (const char* g : {"GRP01", "GRP02", "GRP03", "GRP04", "GRP05"})
        EXPECT_TRUE(w->sidebarGroupEnabled(g)) << g;
    EXPECT_EQ(bar().SelectedItem().toStdString(), "ITM00");
    ASSERT_TRUE(bar().ClickItem("GRP04", "ITM07"));
    EXPECT_EQ(w->currentTab(), common::kTabProgressivi);

    // The new search: the variant groups are closed while no item is shown.
    w->CMD_NUOVO_Click();
    for (const char* g : {"GRP02", "GRP03", "GRP04"})
        EXPECT_FALSE(w->sidebarGroupEnabled(g)) << g;
    // The same item again has them back.
    choose("MAGLIA-001");
    EXPECT_TRUE(w->sidebarGroupEnabled("GRP04"));
    ASSERT_TRUE(bar().ClickItem("GRP04", "ITM07"));

    // An item without variants cannot show progressives: its summary opens.
    w->CMD_NUOVO_Click();
    bar().Select("GRP04", "ITM07", false);
    choose("MAGLIA-OLD");
    EXPECT_EQ(w->currentItem(), "MAGLIA-OLD");
    for (const char* g : {"GRP02", "GRP03", "GRP04"})
        EXPECT_FALSE(w->sidebarGroupEnabled(g)) << g;
    EXPECT_EQ(w->currentTab(), common::kTabDatiAnagrafici);
    EXPECT_EQ(bar().SelectedItem().toStdString(), "ITM00");
    EXPECT_EQ(note().toStdString(), "Non riordinare.");
    EXPECT_FALSE(bar().ClickItem("GRP04", "ITM07"));
    EXPECT_FALSE(bar().ClickItem("GRP02", "ITM03"));
    EXPECT_EQ(w->currentTab(), common::kTabDatiAnagrafici);
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

TEST_F(SideBar, WithoutAnActiveVariantOnlyTheActivationOfGroupTwoOpens) {
    cn.execute(
        "UPDATE MG6B_GESVARART SET MG6B_FLGGESTVAR = 0 WHERE MG6B_DITTA_CG18 = 1"
        " AND MG6B_CODART_MG66 = 'SCIARPA-001'");
    choose("SCIARPA-001");
    EXPECT_TRUE(w->sidebarGroupEnabled("GRP02"));
    EXPECT_FALSE(w->sidebarGroupEnabled("GRP03"));
    EXPECT_FALSE(w->sidebarGroupEnabled("GRP04"));
    for (const char* key : {"ITM01", "ITM02", "ITM12"}) {
        cardtest::clearMessages();
        EXPECT_FALSE(bar().ClickItem("GRP02", key)) << key;
        EXPECT_TRUE(cardtest::shown("[x91703x] L'articolo non ha varianti attive")) << key;
        EXPECT_EQ(bar().SelectedItem().toStdString(), "ITM00") << key;
        EXPECT_EQ(w->currentTab(), 0) << key;
        EXPECT_EQ(w->loadedItem(common::kTabGestioneVarianti), "") << key;
    }
    // Through the window's own choice too (the host's scripts use it).
    w->selectTab(common::kTabGenerad);
    EXPECT_EQ(w->currentTab(), 0);
    cardtest::clearMessages();
    ASSERT_TRUE(bar().ClickItem("GRP02", "ITM03"));
    EXPECT_EQ(w->currentTab(), common::kTabAttivazioneVarianti);
    EXPECT_EQ(w->loadedItem(common::kTabAttivazioneVarianti), "SCIARPA-001");

    // A variant made active (as the activation tab's save does): the side
    // bar is set up again while busy, so the tab shown stays and is not reloaded.
    cn.execute(
        "UPDATE MG6B_GESVARART SET MG6B_FLGGESTVAR = 1 WHERE MG6B_DITTA_CG18 = 1"
        " AND MG6B_CODART_MG66 = 'SCIARPA-001' AND MG6B_CODICEVAR_MG5F = 'A1'");
    w->clearLoadedItem(common::kTabAttivazioneVarianti);
    w->ConfiguraSidebar(false);
    EXPECT_FALSE(w->sidebarBusy());
    EXPECT_EQ(w->currentTab(), common::kTabAttivazioneVarianti);
    EXPECT_EQ(w->loadedItem(common::kTabAttivazioneVarianti), "");
    EXPECT_TRUE(w->sidebarGroupEnabled("GRP03"));
    EXPECT_TRUE(w->sidebarGroupEnabled("GRP04"));
    ASSERT_TRUE(bar().ClickItem("GRP02", "ITM01"));
    EXPECT_EQ(w->currentTab(), common::kTabGestioneVarianti);
    EXPECT_EQ(w->loadedItem(common::kTabGestioneVarianti), "SCIARPA-001");
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

TEST_F(SideBar, TheShownTabsItemReloadsItAndTheSameItemDoesNotRebuildTheSideBar) {
    choose("MAGLIA-001");
    const QString first = note();
    ASSERT_FALSE(first.isEmpty());

    // Another tab emptied the summary's loaded-item text: its own item reloads it.
    setNote("MAGLIA-001", "Nota cambiata");
    w->clearLoadedItem(common::kTabDatiAnagrafici);
    ASSERT_TRUE(bar().ClickItem("GRP01", "ITM00"));
    EXPECT_EQ(note().toStdString(), "Nota cambiata");
    EXPECT_EQ(w->loadedItem(common::kTabDatiAnagrafici), "MAGLIA-001");

    // The same item and flags: the side bar is left as it is, nothing reloads.
    setNote("MAGLIA-001", "Nota ancora cambiata");
    w->clearLoadedItem(common::kTabDatiAnagrafici);
    bar().SetGroupEnabled("GRP05", false);
    w->ConfiguraSidebar(true);
    EXPECT_FALSE(w->sidebarGroupEnabled("GRP05"));
    EXPECT_EQ(note().toStdString(), "Nota cambiata");

    // A flag of the item changes: rebuilt, and the reselection opens the tab.
    cn.execute(
        "UPDATE MG6B_GESVARART SET MG6B_FLGGESTVAR = 0 WHERE MG6B_DITTA_CG18 = 1"
        " AND MG6B_CODART_MG66 = 'MAGLIA-001'");
    w->ConfiguraSidebar(true);
    EXPECT_TRUE(w->sidebarGroupEnabled("GRP05"));
    EXPECT_FALSE(w->sidebarGroupEnabled("GRP03"));
    EXPECT_EQ(note().toStdString(), "Nota ancora cambiata");
    EXPECT_EQ(bar().SelectedItem().toStdString(), "ITM00");
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

TEST_F(SideBar, TheSummaryOfAnItemWithMissingRowsIsEmptyWhereTheyAreAndLosesNothing) {
    // An item without its main description, whose classification and
    // accounts point to rows that do not exist.
    cn.execute(
        "DELETE FROM MG87_ARTDESC WHERE MG87_DITTA_CG18 = 1 AND MG87_CODART_MG66 ="
        " 'MAGLIA-OLD' AND MG87_OPZIONE_MG5E = '' AND MG87_LINGUA_MG52 = ''");
    cn.execute(
        "UPDATE MG66_ANAGRART SET MG66_SFAM_MG54 = 'NOSF', MG66_GRUSTAT1_MG74 = 'NOG1',"
        " MG66_CMEVENIT_CG24 = '9999999' WHERE MG66_DITTA_CG18 = 1"
        " AND MG66_CODART = 'MAGLIA-001'");
    const std::string items = count("MG66_ANAGRART"), descs = count("MG87_ARTDESC"),
                      accounts = count("CG24_TABPDC");
    choose("MAGLIA-OLD");
    EXPECT_EQ(note().toStdString(), "");
    auto* grid = w->page(common::kTabDatiAnagrafici)->findChild<controls::DataGrid*>("FLEX_ANAG");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->model()->rowCount(), 19);
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        EXPECT_EQ(grid->CellText(r, 2).toStdString(), "") << r;

    w->CMD_NUOVO_Click();
    choose("MAGLIA-001");
    std::map<std::string, std::string> shown;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        shown[grid->CellText(r, 1).toStdString()] = grid->CellText(r, 2).toStdString();
    EXPECT_EQ(shown["Sotto famiglia"], "");
    EXPECT_EQ(shown["Gruppo stat.1"], "");
    EXPECT_EQ(shown["Famiglia"], "Maglieria");
    EXPECT_EQ(shown["Conto vendita Italia"], "");
    EXPECT_EQ(shown["Conto vendita Estero"].empty(), false);
    EXPECT_FALSE(note().isEmpty());
    EXPECT_TRUE(cardtest::shownMessages().empty());
    EXPECT_EQ(count("MG66_ANAGRART"), items);
    EXPECT_EQ(count("MG87_ARTDESC"), descs);
    EXPECT_EQ(count("CG24_TABPDC"), accounts);
}

}  // namespace
