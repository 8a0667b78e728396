// The window services and the Procedure trap, without a host and with a
// scripted one.

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <deque>
#include <stdexcept>

#include "common/procedure.h"
#include "common/window_services.h"

namespace {

class ScriptedDialogs : public common::Dialoghi {
public:
    std::deque<int> answers;
    std::vector<common::RapportoErrore> reports;
    std::vector<std::string> messages;
    int KOVMsgBox(const std::string& text, int, const std::string&) override {
        messages.push_back(text);
        return next();
    }
    int errorReport(const common::RapportoErrore& r) override {
        reports.push_back(r);
        return next();
    }
    int next() {
        if (answers.empty())
            return common::vbAbort;
        int a = answers.front();
        answers.pop_front();
        return a;
    }
};

class FakeHost : public common::HostServices {
public:
    int messageBox(const std::string& text, int, const std::string&) override {
        shown.push_back(text);
        return common::vbOK;
    }
    int catalogueMessage(long number, const std::vector<db::Value>&, int,
                         const std::string&) override {
        shown.push_back("#" + std::to_string(number));
        return common::vbOK;
    }
    std::string catalogueText(long number, const std::vector<db::Value>&) override {
        if (number == 67919)
            return "l'articolo di Magazzino";
        throw std::runtime_error("no entry");
    }
    std::string translate(const std::string& text) override { return "T:" + text; }
    void syncNavigator() override { ++syncs; }
    void formEvent(const std::string& name, bool open) override {
        events.push_back(name + (open ? ":open" : ":close"));
    }
    bool closeRefused() override { return false; }
    int errorReport(const common::RapportoErrore&) override { return common::vbIgnore; }
    std::vector<std::string> shown, events;
    int syncs = 0;
};

struct Services : ::testing::Test {
    void SetUp() override { common::setDialoghi(&dialogs); }
    void TearDown() override { common::setDialoghi(nullptr); }
    ScriptedDialogs dialogs;
    common::WindowServices ws;
};

TEST_F(Services, RetryRunsTheFailingStepAgainIgnoreGoesOnAbortLeaves) {
    // Retry: the step fails once, runs again and succeeds.
    dialogs.answers = {common::vbRetry};
    int attempts = 0, after = 0;
    {
        common::Procedure p(ws, "Tab_Progressivi");
        p.step([&] {
            if (++attempts == 1)
                throw std::runtime_error("locked");
        });
        p.step([&] { ++after; });
        EXPECT_TRUE(p.running());
    }
    EXPECT_EQ(attempts, 2);
    EXPECT_EQ(after, 1);
    ASSERT_EQ(dialogs.reports.size(), 1u);
    EXPECT_EQ(dialogs.reports[0].procedure, "Tab_Progressivi");
    EXPECT_EQ(dialogs.reports[0].style, 4370);
    EXPECT_EQ(dialogs.reports[0].error.description, "locked");

    // Ignore and cancel: the next step runs, the failing one is not repeated.
    for (int answer : {common::vbIgnore, common::vbCancel}) {
        dialogs.answers = {answer};
        attempts = after = 0;
        common::Procedure p(ws, "CaricaRaggruppamento");
        p.step([&] {
            ++attempts;
            throw std::runtime_error("x");
        });
        p.step([&] { ++after; });
        EXPECT_EQ(attempts, 1);
        EXPECT_EQ(after, 1);
    }

    // Abort: the handler runs, later steps do not.
    dialogs.answers = {common::vbAbort};
    bool rolledBack = false;
    after = 0;
    common::Procedure p(ws, "CMD_AGGIUNGI_Click");
    p.onAbort([&] { rolledBack = true; });
    EXPECT_FALSE(p.step([&] { throw std::runtime_error("x"); }));
    EXPECT_FALSE(p.step([&] { ++after; }));
    EXPECT_TRUE(rolledBack);
    EXPECT_TRUE(p.aborted());
    EXPECT_EQ(after, 0);

    // Any other answer leaves without the abort handler.
    dialogs.answers = {common::vbOK};
    rolledBack = false;
    common::Procedure q(ws, "Form_Load");
    q.onAbort([&] { rolledBack = true; });
    q.step([&] { throw std::runtime_error("x"); });
    EXPECT_FALSE(q.step([&] { ++after; }));
    EXPECT_FALSE(rolledBack);
    EXPECT_EQ(after, 0);
}

TEST_F(Services, TextsWithoutHostCarryTheirMessageNumber) {
    EXPECT_EQ(ws.TraduciTesto("Avviso Utente", 8522), "[x8522x] Avviso Utente");
    EXPECT_EQ(ws.TraduciTesto("l'articolo", 0, std::nullopt, 1), "[x0x] l''articolo");
    ws.VisualizzaMessaggio("Il collegamento", 30288, common::vbInformation, "t");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "[x30288x] Il collegamento");
    EXPECT_EQ(ws.TraduciCaption("Famiglia"), "Famiglia");
    ws.SyncNavigator();  // no host: nothing, no error
    ws.ExecuteFormEvent("tsOpen");
}

TEST_F(Services, TextsWithHostComeFromTheCatalogue) {
    FakeHost host;
    ws.setInterface(nullptr, &host);
    EXPECT_EQ(ws.TraduciTesto("x", 67919, std::nullopt, 1), "l''articolo di Magazzino");
    EXPECT_EQ(ws.TraduciTesto("Avviso", 0), "[x0x] Avviso");
    // A failing catalogue gives what was obtained so far, without raising.
    EXPECT_EQ(ws.TraduciTesto("Avviso", 5), "");
    ws.VisualizzaMessaggio("testo", 0, 0, "t");
    ws.VisualizzaMessaggio("testo", 30288, 0, "t");
    EXPECT_EQ(host.shown, (std::vector<std::string>{"testo", "#30288"}));
    EXPECT_EQ(ws.TraduciCaption("Famiglia"), "T:Famiglia");
    QWidget w;
    w.setObjectName("FRMMG_VELDRANO");
    ws.setWindow(&w);
    ws.ExecuteFormEvent("tsOpen");
    ws.ExecuteFormEvent("tsClose");
    ws.ExecuteFormEvent("altro");
    EXPECT_EQ(host.events,
              (std::vector<std::string>{"FRMMG_VELDRANO:open", "FRMMG_VELDRANO:close"}));
    ws.SyncNavigator();
    EXPECT_EQ(host.syncs, 1);
    // The host's report answers: ignore goes on.
    common::Procedure p(ws, "Tab_Artcli");
    int after = 0;
    p.step([] { throw std::runtime_error("x"); });
    p.step([&] { ++after; });
    EXPECT_EQ(after, 1);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
