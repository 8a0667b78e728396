// Closing the card with edits pending, as a user does: the window never
// refuses to close (only the host's form-event object may), and the edits
// are saved or dropped as the user answers, never kept and never lost
// without a word. CloseForm answers whether the window closed.

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "common/item_card.h"
#include "common/window_services.h"
#include "itemcodes/artclifor_tab.h"
#include "platform/controls/record_frame.h"
#include "platform/framework/form_events.h"
#include "tests/byhand/contract_host.h"

namespace {

using contracttest::HostedCard;
using itemcodes::ArtCliForTab;

struct Close : HostedCard {
    // The customers' codes of MAGLIA-001, the first one's notes typed over.
    ArtCliForTab& editNotes(const std::string& notes) {
        choose("MAGLIA-001");
        w->selectTab(common::kTabArtcli);
        auto& tab = *static_cast<ArtCliForTab*>(w->tab(common::kTabArtcli));
        EXPECT_EQ(tab.recordset()->recordCount(), 5);
        tab.GRD_ARTCLIFOR->SetCurrentRow(0);
        QPlainTextEdit* box = tab.TXT_NOTEARTCLIFOR;
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::fromStdString(notes));
        EXPECT_EQ(tab.frame()->Status(), 1);
        return tab;
    }
    std::string notes() {
        return rows(
            "SELECT MG73_ARTCLIFOR, MG73_NOTEARTCF FROM MG73_ARTCLIFOR WHERE MG73_DITTA_CG18 = 1 "
            "AND MG73_TIPOCF_CG44 = 0 AND MG73_CODART_MG66 = 'MAGLIA-001' ORDER BY 1");
    }
    std::string itemFlags() {
        return rows(
            "SELECT MG66_FLGARTCLI FROM MG66_ANAGRART WHERE MG66_DITTA_CG18 = 1 AND "
            "MG66_CODART = 'MAGLIA-002'");
    }
};

TEST_F(Close, ATabsPendingEditsAreSavedOrDroppedAndTheWindowAlwaysCloses) {
    open();
    const std::string before = notes();
    editNotes("Nota scritta prima di chiudere");
    // Yes: saved, and the window closes.
    cardtest::queueAnswer(common::vbYes);
    EXPECT_EQ(card->CloseForm(), db::Value(true));
    EXPECT_TRUE(w->unloaded());
    EXPECT_NE(notes(), before);
    EXPECT_NE(notes().find("Nota scritta prima di chiudere"), std::string::npos);

    // Cancel is no answer to the question any more: the edits go, the window too.
    const std::string saved = notes();
    open();
    editNotes("Nota che non resta");
    cardtest::clearMessages();
    cardtest::queueAnswer(common::vbCancel);
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(w->unloaded());
    EXPECT_TRUE(cardtest::shown("Salvare le modifiche"));
    EXPECT_EQ(notes(), saved);
    EXPECT_EQ(card->CloseForm(), db::Value(true));
}

TEST_F(Close, TheItemsPendingEditsAreSavedOrDroppedWithoutACancel) {
    open();
    choose("MAGLIA-002");
    w->selectTab(common::kTabArtcli);
    auto& tab = *static_cast<ArtCliForTab*>(w->tab(common::kTabArtcli));
    ASSERT_TRUE(tab.CHK_ARTCLIFOR->isChecked());
    // The management flag belongs to the item: the item frame has the edit.
    tick(tab.CHK_ARTCLIFOR);
    ASSERT_EQ(w->FME_ART()->Status(), 1);
    cardtest::queueAnswer(common::vbCancel);  // taken as "do not save"
    EXPECT_EQ(card->CloseForm(), db::Value(true));
    EXPECT_EQ(itemFlags(), "1|;");

    open();
    choose("MAGLIA-002");
    w->selectTab(common::kTabArtcli);
    auto& again = *static_cast<ArtCliForTab*>(w->tab(common::kTabArtcli));
    tick(again.CHK_ARTCLIFOR);
    cardtest::queueAnswer(common::vbYes);
    EXPECT_EQ(card->CloseForm(), db::Value(true));
    EXPECT_EQ(itemFlags(), "0|;");
}

TEST_F(Close, ASaveThatFailsOnCloseGoesToTheErrorReportWhoseAnswerDecides) {
    open();
    const std::string before = notes();
    editNotes("Salvata al secondo tentativo");
    // The first save fails; retry saves again and the window closes.
    w->connection().injectFault({"UPDATE MG73_ARTCLIFOR", "HYT00", 0, 1, "Database occupato"});
    cardtest::clearMessages();
    cardtest::queueAnswer(common::vbYes);    // save
    cardtest::queueAnswer(common::vbOK);     // the frame says why it failed
    cardtest::queueAnswer(common::vbRetry);  // the error report
    EXPECT_EQ(card->CloseForm(), db::Value(true));
    EXPECT_TRUE(cardtest::shown("Non è stato possibile salvare"));
    EXPECT_NE(notes().find("Salvata al secondo tentativo"), std::string::npos);

    // Abort: the edits are dropped and the window closes all the same.
    const std::string saved = notes();
    open();
    editNotes("Mai salvata");
    w->connection().injectFault({"UPDATE MG73_ARTCLIFOR", "HYT00", 0, -1, "Database occupato"});
    cardtest::clearMessages();
    cardtest::queueAnswer(common::vbYes);
    cardtest::queueAnswer(common::vbOK);
    cardtest::queueAnswer(common::vbAbort);
    EXPECT_EQ(card->CloseForm(), db::Value(true));
    EXPECT_TRUE(w->unloaded());
    EXPECT_EQ(notes(), saved);
    EXPECT_NE(saved, before);
}

TEST_F(Close, OnlyTheHostsFormEventObjectRefusesAndChangeOfCompanySettlesEditsFirst) {
    open();
    editNotes("Nota in attesa");
    bool refuse = true;
    navigator.FormEventObject()->SetHandler(
        [&](const framework::FormEvent& e) { return !e.open && refuse; });
    cardtest::clearMessages();
    // Refused by the host: the window stays, with its edits, and nothing was asked.
    EXPECT_EQ(card->CloseForm(), db::Value(false));
    EXPECT_FALSE(w->unloaded());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(cardtest::shownMessages().empty());
    auto& tab = *static_cast<ArtCliForTab*>(w->tab(common::kTabArtcli));
    EXPECT_EQ(tab.frame()->Status(), 1);
    EXPECT_EQ(tab.TXT_NOTEARTCLIFOR->toPlainText().toStdString(), "Nota in attesa");

    // A change of company asks about the tab's edits first: cancel keeps
    // them and the company.
    cardtest::queueAnswer(common::vbCancel);
    EXPECT_FALSE(navigator.ChangeCompany(db::Value("2"), [] {}));
    EXPECT_TRUE(cardtest::shown("Salvare le modifiche apportate al codice articolo del cliente?"));
    EXPECT_EQ(tab.frame()->Status(), 1);
    EXPECT_EQ(w->companyCode(), "1");
    EXPECT_EQ(w->currentItem(), "MAGLIA-001");

    refuse = false;
    cardtest::queueAnswer(common::vbNo);  // the notes: dropped
    EXPECT_EQ(card->CloseForm(), db::Value(true));
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(count("MG73_ARTCLIFOR", "MG73_NOTEARTCF = 'Nota in attesa'"), 0);
}

}  // namespace
