// The duplication run when the database fails in the middle of one article's
// copy and the report is answered ignore, or the link is lost: the failed
// article holds nothing half-copied, its outcome says it failed, and the run
// goes on with the next one.

#include <QPushButton>
#include <QTemporaryDir>

#include "platform/db/connection.h"
#include "tests/duplication/pane_fixture.h"
#include "tests/support/lost_link.h"

namespace {

using dupltest::PaneFixture;
using dupltest::shown;

const char* const kFailed = "Alcune duplicazioni hanno avuto esito negativo.";

// PANT-001 from GIACCA-001's item-level bill (four lines) onto 48, 50 and 52
// in beige, length 32, slim.
struct RunFault : PaneFixture {
    // On a file: a lost link reopens it with the data still there.
    static inline QTemporaryDir dir;
    RunFault() : PaneFixture("1", cardtest::demoFile(dir.path().toStdString())) {}
    void SetUp() override {
        PaneFixture::SetUp();
        open("PANT-001");
        pane->TXT_ARTICOLO_ORIG->SetText("GIACCA-001");
        pane->TXT_ARTICOLO_ORIG->Decode();
        for (const char* size : {"48", "50", "52"})
            tick("A0", size);
        tick("A1", "BEI");
        tick("A2", "32");
        tick("A3", "SLIM");
        anteprima();
        ASSERT_EQ(codes().size(), 3u);
        pane->QGRID_PREVIEW->ClickHeader(0);
        cardtest::clearMessages();
    }
    long long described(const std::string& code) {
        return rows("MG87_ARTDESC",
                    "MG87_CODART_MG66 = 'PANT-001' AND MG87_OPZIONE_MG5E = '" + code + "'");
    }
    void run() {
        cardtest::queueAnswer(common::vbYes);
        pane->CMD_DUPL->click();
    }
};

TEST_F(RunFault, IgnoredFailureMarksTheArticleAndTheRunGoesOn) {
    const long long described50 = described("50 BEI32SLIM");
    // The second article's copy fails after its description was written.
    card.connection().injectFault({"INSERT INTO PD95_DISBA", "08S01", 1, 1});
    cardtest::queueAnswer(common::vbYes);
    cardtest::queueAnswer(common::vbIgnore);
    pane->CMD_DUPL->click();
    EXPECT_TRUE(shown("CMD_DUPL_ButtonClick: "));
    EXPECT_EQ(esito(0), "OK");
    EXPECT_EQ(esito(1), "[x80583x] Errore generico.");
    EXPECT_EQ(esito(2), "OK");
    EXPECT_EQ(bom("PANT-001", "48 BEI32SLIM"), 4);
    EXPECT_EQ(bom("PANT-001", "50 BEI32SLIM"), 0);
    EXPECT_EQ(described("50 BEI32SLIM"), described50);
    EXPECT_EQ(bom("PANT-001", "52 BEI32SLIM"), 4);
    EXPECT_EQ(card.connection().transactionDepth(), 0);
    // The summary says that one copy did not go through.
    EXPECT_TRUE(shown(kFailed));
    EXPECT_FALSE(pane->CMD_DUPL->isHidden());

    // Run again: the two done are skipped as already there, the failed one is copied.
    cardtest::clearMessages();
    run();
    EXPECT_EQ(esito(0), "[x74042x] Distinta base gia' presente.");
    EXPECT_EQ(esito(1), "OK");
    EXPECT_EQ(esito(2), "[x74042x] Distinta base gia' presente.");
    EXPECT_EQ(bom("PANT-001", "50 BEI32SLIM"), 4);
    EXPECT_TRUE(shown("Elaborazione terminata."));
}

TEST_F(RunFault, ALostLinkInTheMiddleOfAnArticleIsRolledBackAndTheRunCanBeRepeated) {
    cardtest::dropLinkAt(card.connection(), "INSERT INTO PD95_DISBA", 1);
    cardtest::queueAnswer(common::vbYes);
    cardtest::queueAnswer(common::vbRetry);  // the link is back: the article is copied again
    pane->CMD_DUPL->click();
    const auto messages = cardtest::shownMessages();
    ASSERT_GE(messages.size(), 2u);
    EXPECT_NE(messages[1].find("La connessione al database si e' interrotta"), std::string::npos)
        << messages[1];
    EXPECT_EQ(esito(0), "OK");
    EXPECT_EQ(esito(1), "OK");
    EXPECT_EQ(esito(2), "OK");
    for (const char* code : {"48 BEI32SLIM", "50 BEI32SLIM", "52 BEI32SLIM"})
        EXPECT_EQ(bom("PANT-001", code), 4) << code;
    EXPECT_EQ(card.connection().transactionDepth(), 0);
    EXPECT_TRUE(shown("Elaborazione terminata."));
}

}  // namespace
