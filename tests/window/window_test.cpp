// The item card window on the demo database, driven through its widgets:
// choosing items, switching tabs, the loaded-item texts, the error report
// during a tab load, closing with pending edits and the change of company.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <deque>
#include <map>

#include "common/item_card.h"
#include "common/procedure.h"
#include "common/window_services.h"
#include "demo/demo_database.h"
#include "platform/controls/record_frame.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/window/card_window.h"
#include "window/empty_tab.h"
#include "window/frmmg_veldrano.h"

namespace {

// Every message answered OK unless an answer is queued, every report abort.
using Scripted = cardtest::ScriptedDialogs;

// Tab 7 for the tests: counts its loads and reads a table the test can
// take away, to fail the load.
struct ProbeTab : common::CardTab {
    explicit ProbeTab(common::ItemCard& c) : CardTab(c, common::kTabProgressivi) {}
    void build(QWidget*) override {}
    void clear() override { ++clears; }
    void load() override {
        if (card().isLoaded(index()))
            return;
        common::Procedure p(card(), loaderName());
        p.step([&] { card().PulisciTab(index()); });
        p.step([&] {
            card().connection().run("SELECT * FROM PROBE_TAB WHERE CODART = '" +
                                    card().currentItem() + "'");
        });
        p.step([&] { ++loads; });
        p.step([&] { card().setLoadedItem(index()); });
    }
    int loads = 0, clears = 0;
};

// Tabs 0 and 8 for the tests: they count their loads by the loaded-item rule.
struct CountingTab : common::CardTab {
    CountingTab(common::ItemCard& c, int index) : CardTab(c, index) {}
    void build(QWidget*) override {}
    void load() override {
        if (card().isLoaded(index()))
            return;
        card().PulisciTab(index());
        ++loads;
        card().setLoadedItem(index());
    }
    int loads = 0;
};

struct Card : cardtest::DemoFileTest {
    static constexpr int kProbed[] = {0, 8, common::kTabProgressivi};
    static void SetUpTestSuite() {
        DemoFileTest::SetUpTestSuite();
        // The real tabs of these indices come back for the other suites.
        for (int i : kProbed)
            if (const common::CardTabFactory* f = common::cardTabFactory(i))
                saved[i] = *f;
        for (int i : {0, 8})
            common::registerCardTab(
                i, [i](common::ItemCard& c) { return std::make_unique<CountingTab>(c, i); });
        common::registerCardTab(common::kTabProgressivi,
                                [](common::ItemCard& c) { return std::make_unique<ProbeTab>(c); });
    }
    static void TearDownTestSuite() {
        for (int i : kProbed)
            common::registerCardTab(i, saved.count(i) ? saved[i] : common::CardTabFactory{});
        saved.clear();
        DemoFileTest::TearDownTestSuite();
    }

    void SetUp() override {
        common::setDialoghi(&dialogs);
        w = std::make_unique<card::FRMMG_VELDRANO>();
        w->setContext("Data Source=" + path, "1");
        w->Form_Load();
        w->show();
        w->Form_Activate();
        probe = static_cast<ProbeTab*>(w->tab(common::kTabProgressivi));
    }
    void TearDown() override {
        w.reset();
        common::setDialoghi(nullptr);
    }
    // As the user types: the box changes and says it was edited.
    static void typeInto(QLineEdit* box, const QString& text) {
        box->setText(text);
        emit box->textEdited(text);
    }
    void choose(const std::string& code) {
        w->TXT_CODART()->setText(QString::fromStdString(code));
        w->TXT_CODART_Confirm(code);
    }
    int loads(int tab) { return static_cast<CountingTab*>(w->tab(tab))->loads; }

    static inline std::map<int, common::CardTabFactory> saved;
    Scripted dialogs;
    std::unique_ptr<card::FRMMG_VELDRANO> w;
    ProbeTab* probe = nullptr;
};

}  // namespace

TEST_F(Card, TabsLoadOncePerItemAndAgainAfterANewSearch) {
    // Before any item, choosing a tab loads nothing.
    w->selectTab(8);
    EXPECT_EQ(loads(8), 0);
    EXPECT_FALSE(w->tabControlEnabled());
    EXPECT_FALSE(w->sidebarGroupEnabled("GRP02"));

    choose("MAGLIA-001");
    EXPECT_EQ(w->currentItem(), "MAGLIA-001");
    EXPECT_FALSE(w->TXT_CODART()->isEnabled());
    EXPECT_TRUE(w->CMD_NUOVO()->isEnabled());
    EXPECT_TRUE(w->CHK_FLGVARART()->isChecked());
    EXPECT_TRUE(w->sidebarGroupEnabled("GRP02"));
    EXPECT_EQ(w->TXT_DESCART()->text().toStdString(), "Maglia girocollo lana merino");
    EXPECT_EQ(loads(0), 1);  // the current tab is loaded for the new item
    EXPECT_EQ(w->loadedItem(0), "MAGLIA-001");

    w->selectTab(8);
    w->selectTab(0);
    w->selectTab(8);
    EXPECT_EQ(loads(8), 1);
    EXPECT_EQ(loads(0), 1);
    // Choosing the tab already shown reloads only when its text was emptied.
    w->selectTab(common::kTabProgressivi);
    EXPECT_EQ(probe->loads, 0);  // PROBE_TAB does not exist yet: aborted
    w->clearLoadedItem(8);
    w->selectTab(8);
    EXPECT_EQ(loads(8), 2);

    w->CMD_NUOVO()->click();
    EXPECT_EQ(w->currentItem(), common::kNessunArticolo);
    EXPECT_TRUE(w->TXT_CODART()->isEnabled());
    EXPECT_EQ(w->currentTab(), 0);
    EXPECT_FALSE(w->sidebarGroupEnabled("GRP03"));

    // A code typed with apostrophes is looked up without them.
    choose("MAGLIA'-002");
    EXPECT_EQ(w->currentItem(), "MAGLIA-002");
    EXPECT_EQ(w->loadedItem(8), "");  // every text emptied by the new search
    EXPECT_EQ(w->loadedItem(0), "MAGLIA-002");
    w->selectTab(8);
    EXPECT_EQ(loads(8), 3);
}

TEST_F(Card, UnknownAndOverlongCodesLeaveTheCardWaiting) {
    choose("NON-ESISTE");
    EXPECT_EQ(w->currentItem(), "");
    EXPECT_EQ(w->FME_ART()->Status(), 2);
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_NE(dialogs.shown.back().find("NON-ESISTE"), std::string::npos);
    EXPECT_TRUE(w->TXT_CODART()->isEnabled());

    // The box takes 25 characters; a longer code handed over finds nothing.
    EXPECT_EQ(w->TXT_CODART()->maxLength(), 25);
    std::string code26(26, 'X');
    w->TXT_CODART_Confirm(code26);
    EXPECT_EQ(w->currentItem(), "");
    EXPECT_EQ(w->FME_ART()->Status(), 2);
    // The card still works afterwards.
    choose("MAGLIA-OLD");
    EXPECT_EQ(w->currentItem(), "MAGLIA-OLD");
    EXPECT_FALSE(w->sidebarGroupEnabled("GRP02"));  // not managed by variants
}

TEST_F(Card, ADatabaseErrorDuringATabLoadIsReportedAndRetried) {
    choose("MAGLIA-001");
    // Abort: the tab stays empty but usable, its text unchanged.
    dialogs.answers = {common::vbAbort};
    dialogs.shown.clear();
    w->selectTab(common::kTabProgressivi);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].rfind("Tab_Progressivi: ", 0), 0u);
    EXPECT_EQ(probe->loads, 0);
    EXPECT_EQ(w->loadedItem(common::kTabProgressivi), "");

    // Retry once the cause is gone: the same statement runs again and the load completes.
    db::Connection other;
    other.open("Data Source=" + path);
    dialogs.answers = {common::vbRetry};
    int reports = 0;
    struct Fixer : common::Dialoghi {
        Scripted* s;
        db::Connection* cn;
        int* n;
        int KOVMsgBox(const std::string& t, int st, const std::string& ti) override {
            return s->KOVMsgBox(t, st, ti);
        }
        int errorReport(const common::RapportoErrore& r) override {
            ++*n;
            cn->execute("CREATE TABLE PROBE_TAB (CODART VARCHAR(25))");
            return s->errorReport(r);
        }
    } fixer;
    fixer.s = &dialogs;
    fixer.cn = &other;
    fixer.n = &reports;
    common::setDialoghi(&fixer);
    w->clearLoadedItem(common::kTabProgressivi);
    w->selectTab(common::kTabProgressivi);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(probe->loads, 1);
    EXPECT_EQ(w->loadedItem(common::kTabProgressivi), "MAGLIA-001");
    other.execute("DROP TABLE PROBE_TAB");

    // Ignore: the failing statement is skipped and the load goes on.
    common::setDialoghi(&dialogs);
    dialogs.answers = {common::vbIgnore};
    w->clearLoadedItem(common::kTabProgressivi);
    w->selectTab(common::kTabProgressivi);
    EXPECT_EQ(probe->loads, 2);
    EXPECT_EQ(w->loadedItem(common::kTabProgressivi), "MAGLIA-001");
}

TEST_F(Card, PendingEditsAreSettledOnCloseWithoutCancelAndOnChangeOfCompany) {
    choose("MAGLIA-003");
    // A pending edit of the item record (its description is shown, not written).
    w->itemRecordset()->setValue("MG66_CODREGOLA", db::Value("R-MOD"));
    ASSERT_EQ(w->FME_ART()->Status(), 1);
    // Change of company: cancel keeps the edits and cancels the change.
    dialogs.answers = {common::vbCancel};
    EXPECT_TRUE(w->Update());
    EXPECT_EQ(w->FME_ART()->Status(), 1);
    // Close: the window never refuses. The question has no cancel (an answer
    // other than Yes drops the edits); the window closes and releases everything.
    dialogs.answers = {common::vbCancel};
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(w->unloaded());
    db::Connection cn;
    cn.open("Data Source=" + path);
    auto rs = cn.run("SELECT MG66_CODREGOLA FROM MG66_ANAGRART WHERE MG66_CODART = 'MAGLIA-003'");
    EXPECT_TRUE(rs.resultSets.at(0).rows.at(0).at(0).isEmptyOrNull());
}
