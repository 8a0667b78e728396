// The host's rights, tried by hand: the card launched with CanUpdate,
// CanInsert or CanDelete off, every write path of every tab tried through
// the widgets (ticks, buttons, keys, grid choices, questions answered Yes),
// and the tables are as they were; no writing statement reached the
// database, and the user was told why with a numbered message. CanQbe off
// takes the item search away.

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>

#include "common/item_card.h"
#include "common/rights.h"
#include "common/window_services.h"
#include "itemcodes/artclifor_tab.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_navigator.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/record_frame.h"
#include "tests/byhand/contract_host.h"
#include "tests/support/scripted_dialogs.h"

namespace {

using contracttest::HostedCard;
using contracttest::Rights;

// Every question answered Yes, every notice OK, every error report abort;
// the texts kept. Installed for one test, the suite's scripted dialogs after.
struct YesToAll : cardtest::ScriptedDialogs {
    YesToAll() {
        yesNoDefault = yesNoCancelDefault = common::vbYes;
        reportPrefix = "ERRORE ";
    }
};

// The tables the card writes.
const char* const kTables[] = {"MG66_ANAGRART",  "MG6B_GESVARART",  "MG5E_OPZIONI",
                               "MG5G_RAGGVAR",   "MG5H_COMPRAGVAR", "MG5S_VARCLIFOR",
                               "MG5W_PROVSTATI", "MG5U_VARSTAG",    "MG73_ARTCLIFOR",
                               "MG87_ARTDESC",   "PD18_ARTPROD",    "PD95_DISBA"};

struct RightsOff : HostedCard {
    void SetUp() override {
        HostedCard::SetUp();
        previous = &common::dialoghi();
        common::setDialoghi(&dialogs);
        db::Connection::setTrace([this](const db::Connection&, std::string_view sql) {
            if (common::writesOfBatch(sql).any())
                writes.emplace_back(sql);
        });
    }
    void TearDown() override {
        db::Connection::setTrace({});
        HostedCard::TearDown();
        common::setDialoghi(previous);
    }

    std::string tables() {
        std::string out;
        for (const char* t : kTables)
            out += std::string(t) + ":" + rows(std::string("SELECT * FROM ") + t) + "\n";
        return out;
    }
    // Opens the card with those rights, tries every write a user can make and
    // closes it; answers the tables as they were before.
    std::string tablesBeforeEveryWrite(Rights rights) {
        const std::string before = tables();
        open(rights);
        tryEveryWrite();
        card->CloseForm();
        return before;
    }
    // Every statement that wrote that kind of change (adds, removals) is the
    // activation's whole rewrite of MG6B_GESVARART, which the check counts as
    // a change.
    void expectOnlyTheActivationRewrite(bool common::BatchWrites::*kind, const char* part) {
        for (const auto& sql : writes) {
            if (common::writesOfBatch(sql).*kind) {
                EXPECT_NE(sql.find(part), std::string::npos) << sql;
            }
        }
    }
    // How many rows a snapshot taken by tables() holds for one table.
    static long long rowsIn(const std::string& snapshot, const char* table) {
        const auto at = snapshot.find(std::string(table) + ":");
        return static_cast<long long>(
            std::count(snapshot.begin() + at, snapshot.begin() + snapshot.find('\n', at), ';'));
    }

    template <class T>
    T* find(const char* name) {
        return w->findChild<T*>(QString::fromLatin1(name));
    }
    void click(const char* name) {
        auto* b = find<QAbstractButton>(name);
        if (b && b->isVisible() && b->isEnabled())
            QTest::mouseClick(b, Qt::LeftButton);
        QApplication::processEvents();
    }
    static int column(controls::DataGrid* grid, const std::string& field) {
        return grid ? grid->Columns().IndexOf(QString::fromStdString(field)) : -1;
    }
    void tick(const char* gridName, long row) {
        auto* grid = find<controls::DataGrid>(gridName);
        const int c = column(grid, "SELEZ");
        if (grid && c >= 0 && grid->DataSource() && row < grid->model()->rowCount())
            grid->ToggleCheck(row, c);
    }
    void press(const char* name, const char* key) {
        if (auto* nav = find<controls::GridNavigator>(name))
            if (QPushButton* b = nav->Button(key); b && b->isEnabled())
                QTest::mouseClick(b, Qt::LeftButton);
        QApplication::processEvents();
    }
    void type(QWidget* box, const char* text) {
        if (!box || !box->isEnabled())
            return;
        box->setFocus();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
    }
    // The first choosable value of every combo column of a state grid, on row 0.
    void chooseStates(const char* gridName) {
        auto* grid = find<controls::DataGrid>(gridName);
        if (!grid || !grid->DataSource() || grid->model()->rowCount() == 0)
            return;
        for (int c = 0; c < grid->Columns().Count(); ++c) {
            const auto& col = grid->Columns()[c];
            if (col.Kind() != controls::CellKind::Combo || col.ReadOnly())
                continue;
            for (const auto& [value, text] : col.ValueList())
                if (!value.isEmpty() && value.toText() != "0") {
                    grid->ChooseValue(0, c, value);
                    break;
                }
        }
    }

    // Every write path of every tab, as a user tries them.
    void tryEveryWrite() {
        choose("PANT-001");
        ASSERT_EQ(w->currentItem(), "PANT-001");
        // The item: variant management off and on.
        if (w->CHK_FLGVARART()->isEnabled())
            HostedCard::tick(w->CHK_FLGVARART());
        w->FME_ART()->Update();

        // Activation: a variant's management and its obligation, confirmed.
        w->selectTab(common::kTabAttivazioneVarianti);
        if (auto* chk = find<QCheckBox>("CHK_FLGGESTVAR"); chk && chk->isEnabled())
            HostedCard::tick(chk);
        press("GRIDNAV_VARIANTI", "Conferma");

        // Options: add to the grouping, remove, move, associate; a new
        // option, its description saved, an option deleted.
        w->selectTab(common::kTabGestioneVarianti);
        tick("GRDX_VARIANTI_SOURCE", 0);
        click("CMD_ADDSEL");
        tick("GRDX_VARIANTI_DESTI", 0);
        click("CMD_TOGLISEL");
        if (auto* dest = find<controls::DataGrid>("GRDX_VARIANTI_DESTI");
            dest && dest->DataSource())
            dest->SetCurrentRow(0);
        click("CMD_GIU");
        click("CMD_SU");
        if (auto* raggr = find<controls::LookupBox>("TXT_RAGGR1"); raggr && raggr->isEnabled()) {
            raggr->LineEdit()->setFocus();
            raggr->LineEdit()->selectAll();
            QTest::keyClicks(raggr->LineEdit(), "TG-LETTERE");
            QTest::keyClick(raggr->LineEdit(), Qt::Key_Tab);
        }
        click("CMD_ASSOCIA");
        click("CMD_OPZORIG_NUOVO");
        type(find<QLineEdit>("TXT_OPZIONE_ORIG"), "ZZ");
        type(find<QLineEdit>("TXT_DESOPZIONE_ORIG"), "Opzione nuova");
        click("CMD_OPZORIG_SALVA");
        type(find<QLineEdit>("TXT_DESOPZIONE_DEST"), " cambiata");
        click("CMD_OPZDEST_SALVA");
        tick("GRDX_VARIANTI_SOURCE", 0);
        click("CMD_OPZORIG_ELIMINA");

        // Transcoding: a customer's description of an option.
        w->selectTab(common::kTabTrascodificaVarianti);
        type(find<QLineEdit>("TXT_DESCRCF"), "Descrizione cliente");
        press("GRIDNAV_TRASCF", "Conferma");
        click("CMD_ELIMINACF");

        // States: by season, by grouping and option.
        w->selectTab(common::kTabStatiStagione);
        chooseStates("GRDX_STATI_STAGIONI");
        w->selectTab(common::kTabStatiVariante);
        chooseStates("GRDX_STATI_RAGGR");
        chooseStates("GRDX_STATI_OPZIONI");

        // Customers' codes of MAGLIA-001: one changed, one added, one deleted.
        QTest::mouseClick(w->CMD_NUOVO(), Qt::LeftButton);
        choose("MAGLIA-001");
        w->selectTab(common::kTabArtcli);
        auto* tab = static_cast<itemcodes::ArtCliForTab*>(w->tab(common::kTabArtcli));
        ASSERT_NE(tab, nullptr);
        if (tab->TXT_NOTEARTCLIFOR && tab->TXT_NOTEARTCLIFOR->isEnabled()) {
            tab->TXT_NOTEARTCLIFOR->setFocus();
            QTest::keyClicks(tab->TXT_NOTEARTCLIFOR, " modificate");
        }
        auto pressCodes = [&](const char* key) {
            if (QPushButton* b = tab->GRIDNAV_ARTCLIFOR->Button(key); b && b->isEnabled())
                QTest::mouseClick(b, Qt::LeftButton);
            QApplication::processEvents();
        };
        pressCodes("Conferma");
        pressCodes("Nuovo");
        type(tab->TXT_ARTCLIFOR, "NUOVO-CODICE");
        if (tab->TXT_CODCLIFOR && tab->TXT_CODCLIFOR->isEnabled())
            type(tab->TXT_CODCLIFOR->LineEdit(), "3");
        pressCodes("Conferma");
        if (tab->frame() && tab->frame()->Status() != 0)
            tab->frame()->Undo();
        if (tab->GRD_ARTCLIFOR && tab->GRD_ARTCLIFOR->isEnabled()) {
            tab->GRD_ARTCLIFOR->setFocus();
            tab->GRD_ARTCLIFOR->SetCurrentRow(0);
            QTest::keyClick(tab->GRD_ARTCLIFOR, Qt::Key_Delete);
        }
        QApplication::processEvents();
    }

    YesToAll dialogs;
    common::Dialoghi* previous = nullptr;
    std::vector<std::string> writes;
};

TEST_F(RightsOff, WithoutCanUpdateNoTabWritesAnything) {
    const std::string before = tablesBeforeEveryWrite({false, true, true, true});
    EXPECT_EQ(tables(), before);
    EXPECT_TRUE(writes.empty()) << writes.front();
    EXPECT_TRUE(dialogs.saw("Non si dispone dell'autorizzazione a modificare i dati."));
    for (const auto& s : dialogs.shown)
        EXPECT_EQ(s.rfind("ERRORE", 0), std::string::npos) << s;
}

TEST_F(RightsOff, WithoutCanInsertNoRowIsAdded) {
    const std::string before = tablesBeforeEveryWrite({true, false, true, true});
    for (const char* t : kTables)
        EXPECT_LE(cardtest::count(database, t, "1=1"), rowsIn(before, t)) << t;
    expectOnlyTheActivationRewrite(&common::BatchWrites::add, "INTO MG6B_GESVARART");
    EXPECT_TRUE(dialogs.saw("Non si dispone dell'autorizzazione ad aggiungere dati."));
}

TEST_F(RightsOff, WithoutCanDeleteNoRowIsRemoved) {
    const std::string before = tablesBeforeEveryWrite({true, true, false, true});
    for (const char* t : kTables)
        EXPECT_GE(cardtest::count(database, t, "1=1"), rowsIn(before, t)) << t;
    expectOnlyTheActivationRewrite(&common::BatchWrites::remove, "FROM MG6B_GESVARART");
    EXPECT_TRUE(dialogs.saw("Non si dispone dell'autorizzazione a eliminare dati."));
}

TEST_F(RightsOff, WithoutCanQbeThereIsNoItemSearch) {
    open({true, true, true, false});
    auto* button = w->TXT_CODART_Box()->findChild<QToolButton*>();
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isEnabled());
    // F3 in the code box says why and opens nothing; a typed code still works.
    w->TXT_CODART()->setFocus();
    QTest::keyClick(w->TXT_CODART(), Qt::Key_F3);
    EXPECT_TRUE(dialogs.saw("Non si dispone dell'autorizzazione a eseguire ricerche."));
    choose("MAGLIA-001");
    EXPECT_EQ(w->currentItem(), "MAGLIA-001");
    EXPECT_FALSE(w->CMD_NUOVO()->isEnabled());
    // The options search goes with it, even where the tab enables it again.
    w->selectTab(common::kTabGestioneVarianti);
    auto* search = w->findChild<QPushButton*>("CMD_SEARCH");
    ASSERT_NE(search, nullptr);
    EXPECT_FALSE(search->isEnabled());
    dialogs.shown.clear();
    search->setEnabled(true);
    QTest::mouseClick(search, Qt::LeftButton);
    EXPECT_TRUE(dialogs.saw("Non si dispone dell'autorizzazione a eseguire ricerche."));
}

// The check itself: what a batch writes, work tables aside.
TEST(RightsCheck, WritesOfABatchAreToldFromItsStatements) {
    using common::writesOfBatch;
    EXPECT_FALSE(writesOfBatch("SELECT * FROM MG66_ANAGRART WHERE X = 'DELETE FROM A'").any());
    EXPECT_FALSE(writesOfBatch("INSERT INTO #TMP_DEST SELECT * FROM MG5E_OPZIONI").any());
    EXPECT_FALSE(writesOfBatch("UPDATE #TMP SET SELEZ = 1").any());
    EXPECT_FALSE(writesOfBatch("UPDATE A SET SELEZ = 0 FROM #TMP_ORIG A").any());
    EXPECT_FALSE(writesOfBatch("DELETE T FROM #TMP AS T -- DELETE FROM MG66").any());
    EXPECT_TRUE(writesOfBatch("INSERT INTO MG5H_COMPRAGVAR VALUES (1)").add);
    EXPECT_TRUE(writesOfBatch("DELETE FROM [dbo].[MG73_ARTCLIFOR] WHERE 1=1").remove);
    EXPECT_TRUE(writesOfBatch("delete MG5W_PROVSTATI where 1=1").remove);
    EXPECT_TRUE(writesOfBatch("UPDATE TOP (1) MG66_ANAGRART SET X = 1").change);
    const auto both = writesOfBatch(
        "DELETE FROM MG6B_GESVARART WHERE A = 1; INSERT MG6B_GESVARART SELECT * FROM #W");
    EXPECT_TRUE(both.remove && both.add && !both.change);
}

}  // namespace
