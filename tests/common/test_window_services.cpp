// The window services and the Procedure trap, without a host and with a
// scripted one.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardItemModel>
#include <QTableView>
#include <QWidget>
#include <deque>
#include <stdexcept>

#include "common/procedure.h"
#include "common/window_services.h"
#include "platform/controls/record_frame.h"
#include "platform/db/connection.h"
#include "platform/db/errors.h"
#include "platform/db/recordset.h"
#include "platform/framework/component_base.h"
#include "platform/framework/form_events.h"
#include "platform/framework/global.h"
#include "platform/framework/multilingual.h"
#include "platform/framework/navigator.h"
#include "tests/support/scripted_dialogs.h"

namespace {

// Every message and report without a queued answer is aborted.
struct ScriptedDialogs : cardtest::ScriptedDialogs {
    ScriptedDialogs() { messageDefault = yesNoDefault = yesNoCancelDefault = common::vbAbort; }
};

// A host as the window reaches it through Pcls_Interface: a component with
// the global object (catalogue, company) and the navigator.
class Host : public framework::ComponentBase {
public:
    Host() {
        framework::Catalogue c;
        c.Add(67919, "l'articolo di Magazzino");
        c.Add(8522, "Avviso Utente");
        c.Add(30288, "Il collegamento ai dati multimediali");
        c.Add(16949, "Creato codice raggruppamento '%1'");
        c.AddTranslation("Famiglia", "Family");
        global.SetMultilingua(framework::Multilingual(std::move(c)));
        SetClsGlobal(&global);
        SetActiveNavigator(&navigator);
    }
    framework::Global global;
    framework::Navigator navigator;

protected:
    QWidget* CreateForm(QWidget*) override { return nullptr; }
};

class Boxes : public framework::MessageBoxService {
public:
    std::vector<std::string> texts, titles;
    int Show(const std::string& text, int, const std::string& title) override {
        texts.push_back(text);
        titles.push_back(title);
        return common::vbYes;
    }
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

// A command's transaction is kept whole or not at all: a step passed over
// rolls it back, abort rolls it back, and the quiet rollback never raises.
TEST_F(Services, ACommandsTransactionIsCommittedWholeOrRolledBack) {
    db::Connection cn;
    cn.open(":memory:");
    cn.execute("CREATE TABLE T (N INT)");
    auto rows = [&] {
        db::Recordset rs;
        rs.open("SELECT COUNT(*) FROM T", cn);
        return db::integerOf(rs.value(0));
    };
    EXPECT_NO_THROW(common::rollbackQuietly(cn));  // nothing open

    for (int answer : {common::vbIgnore, common::vbAbort}) {
        dialogs.answers = {answer};
        common::Procedure p(ws, "ImportaOpzioni");
        common::beginWhole(p, cn);
        p.step([&] { cn.execute("INSERT INTO T (N) VALUES (1)"); });
        p.step([&] { throw std::runtime_error("locked"); });
        EXPECT_FALSE(common::commitWhole(p, cn)) << answer;
        EXPECT_EQ(cn.transactionDepth(), 0) << answer;
        EXPECT_EQ(rows(), 0) << answer;
    }

    common::Procedure p(ws, "ImportaOpzioni");
    common::beginWhole(p, cn);
    p.step([&] { cn.execute("INSERT INTO T (N) VALUES (1)"); });
    EXPECT_TRUE(common::commitWhole(p, cn));
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(cn.transactionDepth(), 0);

    // What the small readers of values answer at their edges.
    EXPECT_EQ(db::rtrim("AB  "), "AB");
    EXPECT_EQ(db::rtrim(" A B"), " A B");
    EXPECT_EQ(db::integerOf(db::Value("12")), 12);
    EXPECT_EQ(db::integerOf(db::Value::null(), 7), 7);
    EXPECT_EQ(db::integerOf(db::Value("x"), -1), -1);
    EXPECT_TRUE(db::isConnectionFailure("08S01"));
    EXPECT_TRUE(db::isConnectionFailure("HYT00"));
    EXPECT_FALSE(db::isConnectionFailure("23000"));
    db::Recordset rs;
    EXPECT_FALSE(rs.hasCurrentRow());
    rs.open("SELECT N FROM T", cn);
    EXPECT_TRUE(rs.hasCurrentRow());
    rs.moveNext();
    EXPECT_FALSE(rs.hasCurrentRow());
}

TEST_F(Services, TextsWithoutHostCarryTheirMessageNumber) {
    EXPECT_EQ(ws.TraduciTesto("Avviso Utente", 8522), "[x8522x] Avviso Utente");
    EXPECT_EQ(ws.TraduciTesto("l'articolo", 0, std::nullopt, 1), "[x0x] l''articolo");
    ws.VisualizzaMessaggio("Il collegamento", 30288, common::vbInformation, "t");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "[x30288x] Il collegamento");
    EXPECT_TRUE(ws.hasMessageService());  // made on first need
    EXPECT_EQ(ws.TraduciCaption("Famiglia"), "Famiglia");
    ws.SyncNavigator();  // no host: nothing, no error
    ws.ExecuteFormEvent("tsOpen");
    EXPECT_FALSE(ws.CloseRefused());
}

TEST_F(Services, TextsWithHostComeFromTheCatalogue) {
    Host host;
    ws.setInterface(&host);
    Boxes boxes;
    framework::SetMessageBoxService(&boxes);
    EXPECT_EQ(ws.TraduciTesto("x", 67919, std::nullopt, 1), "l''articolo di Magazzino");
    EXPECT_EQ(ws.TraduciTesto("l'articolo", 67919), "l'articolo di Magazzino");
    // Number 0 is never looked up, even with the host there.
    EXPECT_EQ(ws.TraduciTesto("Avviso", 0), "[x0x] Avviso");
    EXPECT_EQ(ws.TraduciTesto("Avviso", -3), "[x-3x] Avviso");
    // A number the catalogue lacks keeps its default after the number.
    EXPECT_EQ(ws.TraduciTesto("Nuovo testo", 424242), "[x424242x] Nuovo testo");
    EXPECT_EQ(ws.VisualizzaMessaggio("testo libero", 0, 0, "t"), common::vbYes);
    ws.VisualizzaMessaggio("ignorato", 30288, 0, ws.TraduciTesto("Avviso Utente", 8522));
    ws.VisualizzaMessaggio("Creato", 16949, 64, "t", std::vector<db::Value>{db::Value("B3-01")});
    EXPECT_EQ(boxes.texts,
              (std::vector<std::string>{"testo libero", "Il collegamento ai dati multimediali",
                                        "Creato codice raggruppamento 'B3-01'"}));
    EXPECT_EQ(boxes.titles[1], "Avviso Utente");
    EXPECT_EQ(ws.TraduciCaption("Famiglia"), "Family");
    EXPECT_FALSE(ws.hasMessageService());  // made only without a host
    EXPECT_EQ(ws.TraduciCaption("Colore"), "Colore");

    // Column captions by text; a grid without columns is left alone.
    QTableView grid;
    QStandardItemModel model(0, 2);
    model.setHorizontalHeaderLabels({"Famiglia", "Colore"});
    grid.setModel(&model);
    ws.TraduciColonne(&grid);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Family");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Colore");
    QTableView empty;
    QStandardItemModel none;
    empty.setModel(&none);
    ws.TraduciColonne(&empty);
    ws.TraduciColonne(nullptr);

    // The host's objects are read on every call: another global object
    // answers from then on; without one the texts degrade without raising.
    framework::Global other;
    host.SetClsGlobal(&other);
    EXPECT_EQ(ws.TraduciTesto("Avviso Utente", 8522), "[x8522x] Avviso Utente");
    host.SetClsGlobal(nullptr);
    EXPECT_EQ(ws.TraduciTesto("Avviso Utente", 8522, std::nullopt, 1), "");
    EXPECT_EQ(ws.VisualizzaMessaggio("x", 1, 0, "t"), 0);
    framework::SetMessageBoxService(nullptr);
}

TEST_F(Services, NavigatorAndFormEventsAreReachedThroughTheComponent) {
    Host host;
    QWidget window;
    window.setObjectName("FRMMG_VELDRANO");
    ws.setInterface(&host);
    ws.setWindow(&window);

    // No frame: the component becomes the active one and the toolbar refreshes.
    ws.SyncNavigator();
    EXPECT_EQ(host.global.ActiveComponent(), &host);
    EXPECT_EQ(host.navigator.Refreshes(), 1);
    EXPECT_EQ(host.navigator.Status(), -1);
    // With the active frame: its status enables the buttons.
    db::Connection cn;
    cn.open("Data Source=:memory:");
    cn.execute("CREATE TABLE T (K VARCHAR(5) NOT NULL PRIMARY KEY)");
    db::Recordset rs;
    rs.open("SELECT * FROM T", cn);
    controls::RecordFrame frame;
    frame.Bind(&cn, &rs, "K");
    frame.SetStatus(2);
    host.SetActiveFrame(&frame);
    ws.SyncNavigator();
    EXPECT_EQ(host.navigator.Status(), 2);
    EXPECT_EQ(host.navigator.Refreshes(), 2);

    // tsOpen and tsClose reach the form-event object with the window's name.
    ws.ExecuteFormEvent("tsOpen");
    ws.ExecuteFormEvent("tsAltro");
    ws.ExecuteFormEvent("tsClose");
    const auto& events = host.navigator.FormEventObject()->History();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_TRUE(events[0].open);
    EXPECT_EQ(events[0].name, "FRMMG_VELDRANO");
    EXPECT_EQ(events[0].description, "FRMMG_VELDRANO");
    EXPECT_EQ(events[0].form, &window);
    EXPECT_FALSE(events[1].open);
    EXPECT_FALSE(ws.CloseRefused());
    host.navigator.FormEventObject()->SetHandler(
        [](const framework::FormEvent& e) { return !e.open; });
    ws.ExecuteFormEvent("tsClose");
    EXPECT_TRUE(ws.CloseRefused());
    // A navigator without a form-event object: nothing to tell, nothing refused.
    host.navigator.SupplyFormEvents(false);
    ws.ExecuteFormEvent("tsClose");
    EXPECT_FALSE(ws.CloseRefused());
    host.SetActiveFrame(nullptr);
}

TEST_F(Services, TheErrorReportListsTheConnectionsProviderErrors) {
    db::Connection cn;
    cn.open("Data Source=:memory:");
    cn.execute("CREATE TABLE T (K INT NOT NULL PRIMARY KEY)");
    QWidget window;
    window.setWindowTitle("Scheda prodotto");
    ws.setConnection(&cn);
    ws.setWindow(&window);
    ws.createErrorReport();
    // A work table that does not exist is dropped without error.
    ws.EliminaTabellaTemp("#NON_ESISTE");
    cn.injectFault({"INSERT INTO T", "23000", 0, 1, "Violazione di PRIMARY KEY"});
    dialogs.answers = {common::vbRetry};
    common::Procedure p(ws, "CMD_AGGIUNGI_Click");
    p.step([&] { cn.execute("INSERT INTO T VALUES (1)"); });
    ASSERT_EQ(dialogs.reports.size(), 1u);
    const common::RapportoErrore& r = dialogs.reports[0];
    EXPECT_EQ(r.procedure, "CMD_AGGIUNGI_Click");
    EXPECT_EQ(r.caption, "Scheda prodotto");
    EXPECT_EQ(r.application, "ZOLT_VELDRANO");
    EXPECT_EQ(r.style, common::kStileErrore);
    ASSERT_FALSE(r.providerErrors.empty());
    EXPECT_EQ(r.providerErrors[0].sqlState, "23000");
    // Retried once the fault was gone: the row is there once, and the
    // provider errors belonged to that failure only.
    EXPECT_EQ(cn.run("SELECT COUNT(*) FROM T").resultSets[0].rows[0][0].toText(), "1");
    EXPECT_TRUE(cn.errors().empty());
    // Without a connection the drop fails to its caller's report.
    common::WindowServices bare;
    dialogs.answers = {common::vbIgnore};
    common::Procedure q(bare, "Tab_Progressivi");
    q.step([&] { bare.EliminaTabellaTemp("#X"); });
    EXPECT_EQ(dialogs.reports.back().procedure, "Tab_Progressivi");
}

}  // namespace
