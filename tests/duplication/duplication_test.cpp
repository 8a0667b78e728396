// The duplication run of the "Duplica distinte" pane on the demo database:
// the checks before the run, the outcome of every picked variant article,
// the interrupt, the outcomes of the duplication object, and a database
// that fails in the middle of the run.

#include <QCheckBox>
#include <QLineEdit>

#include "duplication/bom_services.h"
#include "tests/duplication/pane_fixture.h"
#include "tests/support/typing.h"

namespace {

using dupltest::PaneFixture;
using dupltest::shown;
using dupltest::text;

const char* const kRun = "Elaborazione terminata.";
const char* const kFailed = "Alcune duplicazioni hanno avuto esito negativo.";

// Choosing the origin, picking rows and confirming the run.
struct RunHelpers : PaneFixture {
    void origin(const std::string& item, const std::string& variant) {
        pane->TXT_ARTICOLO_ORIG->SetText(QString::fromStdString(item));
        pane->TXT_ARTICOLO_ORIG->Decode();
        pane->TXT_VARIANTE_ORIG->SetText(QString::fromStdString(variant));
        pane->TXT_VARIANTE_ORIG->Decode();
    }
    void pickAll() { pane->QGRID_PREVIEW->ClickHeader(0); }
    // Runs the duplication confirming it.
    void duplicate() {
        cardtest::queueAnswer(common::vbYes);
        pane->CMD_DUPL->click();
    }
    long long pd95() { return rows("PD95_DISBA", "1 = 1"); }
    // Duplica pressed and refused with the one message given, before any
    // question: no bill written, no outcome shown.
    void expectRefusedAtThePress(const std::string& message) {
        const long long before = pd95();
        pane->CMD_DUPL->click();
        const auto messages = cardtest::shownMessages();
        ASSERT_EQ(messages.size(), 1u);  // no confirmation asked
        EXPECT_EQ(messages[0], message);
        EXPECT_EQ(pd95(), before);
        EXPECT_EQ(esito(0), "");
    }
};

// Origin M BLU of MAGLIA-001 (two component lines); destinations L and S in
// BLU and GRI, of which L GRI already has a bill of materials.
struct Run : RunHelpers {
    void SetUp() override {
        RunHelpers::SetUp();
        open("MAGLIA-001");
        origin("MAGLIA-001", "M  BLU");
        tick("A0", "L");
        tick("A0", "S");
        tick("A1", "BLU");
        tick("A1", "GRI");
        anteprima();
        ASSERT_EQ(codes().size(), 4u);
        cardtest::clearMessages();
    }
};

TEST_F(Run, WithoutAnOriginItemNothingHappens) {
    pickAll();
    origin("", "");
    expectRefusedAtThePress("[x32819x] Indicare il codice articolo di origine.");
}

// A code typed and not left yet is decided at the press: an origin that is
// no item is refused before the question, and the corrected one runs.
TEST_F(Run, AnOriginThatIsNoItemIsRefusedBeforeAnythingIsCopied) {
    pickAll();
    cardtest::fill(pane->TXT_ARTICOLO_ORIG->LineEdit(), "NONESISTE");
    expectRefusedAtThePress("[x91204x] L'articolo di origine NONESISTE non esiste.");
    EXPECT_FALSE(pane->CMD_DUPL->isHidden());

    cardtest::clearMessages();
    cardtest::type(pane->TXT_ARTICOLO_ORIG->LineEdit(), "MAGLIA-002");
    duplicate();
    EXPECT_EQ(esito(0), "OK");
    EXPECT_TRUE(shown(kRun));
}

TEST_F(Run, WithoutPickedRowsTheUserIsToldAndTheFilterGoes) {
    const long long before = pd95();
    pane->CMD_DUPL->click();
    const auto messages = cardtest::shownMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "[x38832x] Nessun articolo selezionato.");
    EXPECT_EQ(pane->preview()->filter(), "");
    EXPECT_EQ(pane->preview()->recordCount(), 4);
    EXPECT_EQ(pd95(), before);
}

TEST_F(Run, AnswerOtherThanYesCopiesNothing) {
    pickAll();
    const long long before = pd95();
    cardtest::queueAnswer(common::vbNo);
    pane->CMD_DUPL->click();
    EXPECT_TRUE(shown("[x14692x] Confermi duplicazione distinte base ?"));
    EXPECT_FALSE(shown(kRun));
    EXPECT_EQ(pd95(), before);
    EXPECT_EQ(pane->preview()->recordCount(), 4);
}

TEST_F(Run, CopiesTheBillOntoEveryPickedArticleAndSkipsThoseThatHaveOne) {
    pickAll();
    pane->QGRID_PREVIEW->ToggleCheck(3, 0);  // S GRI stays out
    duplicate();
    // Rows by code: L BLU, L GRI, S BLU, S GRI.
    EXPECT_EQ(esito(0), "OK");
    EXPECT_EQ(esito(1), "[x74042x] Distinta base gia' presente.");
    EXPECT_EQ(esito(2), "OK");
    EXPECT_EQ(esito(3), "");
    EXPECT_EQ(bom("MAGLIA-001", "L  BLU"), 2);
    EXPECT_EQ(bom("MAGLIA-001", "S  BLU"), 2);
    EXPECT_EQ(bom("MAGLIA-001", "S  GRI"), 0);
    EXPECT_EQ(bom("MAGLIA-001", "L  GRI"), 2);  // its own, untouched
    EXPECT_EQ(
        text(dupltest::scalar(card.connection(),
                              "SELECT PD95_QTAUTIL FROM PD95_DISBA WHERE PD95_CODART_MG66 = "
                              "'MAGLIA-001' AND PD95_OPZIONE = 'L  GRI' AND PD95_NRRIGA = 10")),
        "0.4800");
    // The copy carries the origin's components; its code has the company's full width.
    EXPECT_EQ(dupltest::scalar(card.connection(),
                               "SELECT PD95_OPZIONE FROM PD95_DISBA WHERE PD95_CODART_MG66 = "
                               "'MAGLIA-001' AND PD95_OPZIONE = 'S  BLU' AND PD95_NRRIGA = 10")
                  .toText(),
              "S  BLU      ");
    EXPECT_EQ(
        text(dupltest::scalar(card.connection(),
                              "SELECT PD95_OPZCOMP FROM PD95_DISBA WHERE PD95_CODART_MG66 = "
                              "'MAGLIA-001' AND PD95_OPZIONE = 'S  BLU' AND PD95_NRRIGA = 10")),
        "   BLU");
    // Already present is no failure; the outcome colours and the pane are back.
    EXPECT_TRUE(shown(std::string("[x24233x] ") + kRun));
    EXPECT_FALSE(shown(kFailed));
    EXPECT_EQ(pane->QGRID_PREVIEW->CellText(0, 4).toStdString(), "OK");
    EXPECT_FALSE(pane->CMD_DUPL->isHidden());
    EXPECT_FALSE(pane->CMD_ANTEPRIMA->isHidden());
    EXPECT_TRUE(pane->CMD_ABORT->isHidden());
    EXPECT_TRUE(pane->KOV_PROGRESS1()->isHidden());
    EXPECT_EQ(pane->preview()->filter(), "");
    EXPECT_EQ(card.connection().transactionDepth(), 0);
}

TEST_F(Run, InterruptAfterTheFirstRowStopsBeforeTheSecond) {
    pickAll();
    long seen = -1;
    pane->afterRow = [&](long row) {
        seen = row;
        if (row == 0) {
            EXPECT_FALSE(pane->CMD_ABORT->isHidden());
            pane->CMD_ABORT->click();
        }
    };
    duplicate();
    EXPECT_EQ(seen, 0);
    EXPECT_EQ(esito(0), "OK");
    for (long r = 1; r < 4; ++r)
        EXPECT_EQ(esito(r), "") << r;
    EXPECT_EQ(bom("MAGLIA-001", "L  BLU"), 2);
    EXPECT_EQ(bom("MAGLIA-001", "S  BLU"), 0);
    EXPECT_TRUE(shown(kRun));  // the final message comes all the same
    EXPECT_TRUE(pane->CMD_ABORT->isHidden());
}

// A duplication object that answers a given outcome per row and keeps what
// it was handed.
class Scripted : public duplication::BomDuplicator {
public:
    struct Outcome {
        int code;
        std::string message;
    };
    std::vector<Outcome> outcomes;
    std::vector<std::string> log;
    std::size_t next = 0;

    void SetConnection(db::Connection*) override {}
    void SetOriginItem(const std::string& v) override { log.push_back("orig " + v); }
    void SetOriginVariant(const std::string& v) override { log.push_back("origvar " + v); }
    void SetOriginRevision(int v) override { log.push_back("origrev " + std::to_string(v)); }
    void SetDestinationItem(const std::string& v) override { log.push_back("dest " + v); }
    void SetDestinationVariant(const std::string& v) override { log.push_back("destvar " + v); }
    void SetDestinationRevision(int v) override { log.push_back("destrev " + std::to_string(v)); }
    void SetCopyComponents(bool v) override { log.push_back(flag("comp", v)); }
    void SetCopyAlternatives(bool v) override { log.push_back(flag("alter", v)); }
    void SetCopyNotes(bool v) override { log.push_back(flag("note", v)); }
    void SetNoteKinds(bool g, bool c, bool s, bool t) override {
        log.push_back(flag("kinds", g) + (c ? "1" : "0") + (s ? "1" : "0") + (t ? "1" : "0"));
    }
    void SetCopyCycles(bool v) override { log.push_back(flag("cicli", v)); }
    void SetCopyFashionRules(bool v) override { log.push_back(flag("fashion", v)); }
    bool Run(const std::string& company) override {
        log.push_back("run " + company);
        current = outcomes.at(next++);
        return current.code != 0;
    }
    int ErrorCode() const override { return current.code; }
    bool HasMessage() const override { return !current.message.empty(); }
    std::string Message() const override { return current.message; }
    bool OriginRulesExist(const std::string&, const std::string&, const std::string&) override {
        return false;
    }

private:
    static std::string flag(const std::string& name, bool v) {
        return name + " " + (v ? "1" : "0");
    }
    Outcome current{0, {}};
};

TEST_F(Run, EveryOutcomeOfTheDuplicationObjectHasItsText) {
    // Eight articles without a bill: XS, S, XL, XXL in BLU and GRI.
    for (const char* size : {"L", "S"})
        tick("A0", size);
    for (const char* size : {"XS", "S", "XL", "XXL"})
        tick("A0", size);
    anteprima();
    ASSERT_EQ(codes().size(), 8u);
    pickAll();
    auto scripted = std::make_unique<Scripted>();
    Scripted* s = scripted.get();
    s->outcomes = {{0, ""}, {1, ""}, {2, ""}, {3, ""}, {8, ""}, {9, "Legame circolare."},
                   {9, ""}, {99, ""}};
    pane->setDuplicator(std::move(scripted));
    pane->CHK_DUPLALTER->click();
    pane->CHK_DUPLNOTE->click();
    pane->CHK_COMMERC->click();
    pane->CHK_CICLI->click();
    cardtest::clearMessages();
    duplicate();

    const std::vector<std::string> expected = {"OK",
                                               "[x43155x] Parametri errati.",
                                               "[x80580x] Nessun legame trovato.",
                                               "[x80579x] Duplicazione non andata a buon fine.",
                                               "[x80582x] Errore nel filtro revisioni.",
                                               "Legame circolare.",
                                               "[x80583x] Errore generico.",
                                               "[x80583x] Errore generico."};
    for (long r = 0; r < 8; ++r)
        EXPECT_EQ(esito(r), expected[static_cast<std::size_t>(r)]) << r;
    EXPECT_TRUE(shown(std::string("[x5851x] ") + kFailed));
    EXPECT_FALSE(shown(kRun));

    // What the object was handed for the first article, in order.
    const std::vector<std::string> first = {
        "orig MAGLIA-001", "origvar M  BLU", "origrev 0", "dest MAGLIA-001", "destvar S  BLU",
        "destrev 0",       "comp 1",         "alter 1",   "note 1",          "kinds 0100",
        "cicli 1",         "fashion 0",      "run 1"};
    ASSERT_GE(s->log.size(), first.size());
    EXPECT_EQ(std::vector<std::string>(s->log.begin(), s->log.begin() + first.size()), first);
    // Only the successful article got its rows (by the real object, none here).
    EXPECT_EQ(card.connection().transactionDepth(), 0);
}

TEST_F(Run, TheDatabaseObjectReportsWhatStopsACopy) {
    pickAll();
    // An article onto itself: wrong parameters; the others find nothing to
    // copy from an article without a bill.
    origin("MAGLIA-001", "L  BLU");
    duplicate();
    EXPECT_EQ(esito(0), "[x43155x] Parametri errati.");
    EXPECT_EQ(esito(2), "[x80580x] Nessun legame trovato.");
    EXPECT_TRUE(shown(kFailed));

    // An origin without a bill of materials: nothing to copy.
    cardtest::clearMessages();
    origin("MAGLIA-003", "");
    duplicate();
    EXPECT_EQ(esito(0), "[x80580x] Nessun legame trovato.");
    EXPECT_EQ(bom("MAGLIA-001", "L  BLU"), 0);

    // The fashion rules of S BLU are there already: the database refuses the
    // copy, and its production lines do not stay either.
    db::Connection& cn = card.connection();
    for (const char* variant : {"M  BLU      ", "S  BLU      "})
        cn.execute(std::string("INSERT INTO PD95_DISBA (PD95_DITTA_CG18, PD95_CODART_MG66, "
                               "PD95_OPZIONE, PD95_TIPO_DISTINTA, PD95_NRRIGA, PD95_CODCOMP_MG66, "
                               "PD95_OPZCOMP, PD95_QTAUTIL, PD95_UM) VALUES (1, 'MAGLIA-001', '") +
                   variant + "', 2, 10, 'ETICH-VELD', '', 1, 'PZ')");
    origin("MAGLIA-001", "M  BLU");
    pane->CHK_REGOLE_FASHION->click();
    ASSERT_TRUE(pane->CHK_REGOLE_FASHION->isChecked());
    cardtest::clearMessages();
    duplicate();
    EXPECT_EQ(esito(0), "OK");  // L BLU: production lines and fashion rule
    EXPECT_EQ(esito(2), "[x80579x] Duplicazione non andata a buon fine.");
    EXPECT_EQ(dupltest::count(cn, "PD95_DISBA",
                              "PD95_CODART_MG66 = 'MAGLIA-001' AND PD95_OPZIONE = 'L  BLU'"),
              3);
    EXPECT_EQ(dupltest::count(cn, "PD95_DISBA",
                              "PD95_CODART_MG66 = 'MAGLIA-001' AND PD95_OPZIONE = 'S  BLU'"),
              1);
}

TEST_F(Run, AnOptionCutToItsSlotIsNoOptionOfTheItem) {
    openWithLongSize("MAGLIA-001");
    origin("MAGLIA-001", "M  BLU");
    tick("A0", "XXXL-EXTRA");
    tick("A1", "ROS");
    anteprima();
    pickAll();
    duplicate();
    EXPECT_EQ(esito(0),
              "L'opzione 'XXX' non esiste per la variante Taglia (A0) nel raggruppamento "
              "TG-LETTERE.");
    EXPECT_TRUE(shown(kFailed));
    EXPECT_EQ(bom("MAGLIA-001", "XXXROS"), 0);
}

TEST_F(Run, NotesAndFashionRulesBoxes) {
    for (const auto& kind :
         {pane->CHK_GENERALE, pane->CHK_COMMERC, pane->CHK_CANTIERE, pane->CHK_TECNICA})
        EXPECT_FALSE(kind->isEnabled());
    pane->CHK_DUPLNOTE->click();
    for (const auto& kind :
         {pane->CHK_GENERALE, pane->CHK_COMMERC, pane->CHK_CANTIERE, pane->CHK_TECNICA}) {
        EXPECT_TRUE(kind->isEnabled());
        kind->click();
    }
    pane->CHK_DUPLNOTE->click();
    for (const auto& kind :
         {pane->CHK_GENERALE, pane->CHK_COMMERC, pane->CHK_CANTIERE, pane->CHK_TECNICA}) {
        EXPECT_FALSE(kind->isEnabled());
        EXPECT_FALSE(kind->isChecked());
    }

    // M BLU has no rules of the fashion bill of materials: the box clears.
    pane->CHK_REGOLE_FASHION->click();
    EXPECT_FALSE(pane->CHK_REGOLE_FASHION->isChecked());
    EXPECT_TRUE(shown("Non esistono regole origine per la distinta base indicata."));
    // Without an origin item the box is left as ticked.
    origin("", "");
    cardtest::clearMessages();
    pane->CHK_REGOLE_FASHION->click();
    EXPECT_TRUE(pane->CHK_REGOLE_FASHION->isChecked());
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

// PANT-001 from GIACCA-001's item-level bill (four lines): 48 and 50 in
// beige, length 32, slim. A new variant article also gets its description.
struct Faults : RunHelpers {
    void SetUp() override {
        RunHelpers::SetUp();
        open("PANT-001");
        origin("GIACCA-001", "");
        tick("A0", "48");
        tick("A0", "50");
        tick("A1", "BEI");
        tick("A2", "32");
        tick("A3", "SLIM");
        anteprima();
        ASSERT_EQ(codes().size(), 2u);
        pickAll();
        cardtest::clearMessages();
        // The second article's copy fails once, after its description is written.
        card.connection().injectFault({"INSERT INTO PD95_DISBA", "08S01", 1, 1});
    }
    // "Duplica" confirmed, the failed copy answered so: the first article
    // was copied whole either way.
    void duplicateAnswering(int answer) {
        cardtest::queueAnswer(common::vbYes);
        cardtest::queueAnswer(answer);
        pane->CMD_DUPL->click();
        EXPECT_TRUE(shown("CMD_DUPL_ButtonClick: "));
        EXPECT_EQ(esito(0), "OK");
        EXPECT_EQ(bom("PANT-001", "48 BEI32SLIM"), 4);
    }
    long long described(const std::string& code) {
        return rows("MG87_ARTDESC", "MG87_CODART_MG66 = 'PANT-001' AND MG87_OPZIONE_MG5E = '" +
                                        code + "' AND MG87_LINGUA_MG52 = ''");
    }
};

TEST_F(Faults, AbortLeavesTheFailedArticleWithoutAnythingHalfWritten) {
    duplicateAnswering(common::vbAbort);
    EXPECT_EQ(esito(1), "");
    EXPECT_EQ(bom("PANT-001", "50 BEI32SLIM"), 0);
    EXPECT_EQ(described("50 BEI32SLIM"), 0);
    EXPECT_EQ(card.connection().transactionDepth(), 0);
    EXPECT_FALSE(shown(kRun));
    EXPECT_FALSE(pane->CMD_DUPL->isHidden());
    EXPECT_TRUE(pane->CMD_ABORT->isHidden());
    EXPECT_EQ(pane->preview()->filter(), "");
}

TEST_F(Faults, RetryCompletesTheRun) {
    duplicateAnswering(common::vbRetry);
    EXPECT_EQ(esito(1), "OK");
    EXPECT_EQ(bom("PANT-001", "50 BEI32SLIM"), 4);
    EXPECT_EQ(described("50 BEI32SLIM"), 1);
    EXPECT_EQ(
        text(dupltest::scalar(card.connection(),
                              "SELECT MG87_DESCART FROM MG87_ARTDESC WHERE MG87_CODART_MG66 = "
                              "'PANT-001' AND MG87_OPZIONE_MG5E = '50 BEI32SLIM'")),
        "Pantalone chino in cotone Taglia 50 Beige Lunghezza 32 Slim fit");
    // An existing description stays as it was.
    EXPECT_EQ(
        text(dupltest::scalar(card.connection(),
                              "SELECT MG87_DESCART FROM MG87_ARTDESC WHERE MG87_CODART_MG66 = "
                              "'PANT-001' AND MG87_OPZIONE_MG5E = '48 BEI32SLIM'")),
        "Pantalone chino 48 beige L32 slim");
    EXPECT_TRUE(shown(kRun));
    EXPECT_EQ(card.connection().transactionDepth(), 0);
}

}  // namespace
