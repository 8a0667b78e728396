// The item duplication: ZOLT_ARTDUPL.CLSMG_ARTDUPL opened from the pane
// (CMD_DUPLART) creates a new item from the current one, and the card moves
// to it; bad codes are refused with nothing written; a failure in the
// middle of the copy leaves no part of the new item.

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

#include "duplication/clsmg_artdupl.h"
#include "platform/framework/component_registry.h"
#include "tests/duplication/pane_fixture.h"

namespace {

using duplication::FRMMG_ARTDUPL;
using dupltest::PaneFixture;
using dupltest::shown;
using dupltest::text;

struct ItemDuplication : PaneFixture {
    long long of(const std::string& table, const std::string& column, const std::string& item) {
        return rows(table, column + " = '" + item + "'");
    }
    // What the new item has of each table.
    std::vector<long long> copies(const std::string& item) {
        return {of("MG66_ANAGRART", "MG66_CODART", item),
                of("MG87_ARTDESC", "MG87_CODART_MG66", item),
                of("MG6B_GESVARART", "MG6B_CODART_MG66", item),
                of("PD18_ARTPROD", "PD18_CODART_MG66", item),
                of("PD95_DISBA", "PD95_CODART_MG66", item)};
    }
};

TEST_F(ItemDuplication, CreatesTheNewItemAndTheCardMovesToIt) {
    open("MAGLIA-001");
    const std::vector<long long> origin = copies("MAGLIA-001");
    bool driven = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<FRMMG_ARTDUPL*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->TXT_CODART_ORIG->text().toStdString(), "MAGLIA-001");
        EXPECT_EQ(w->TXT_DESCART_NEW->text().toStdString(), "Maglia girocollo lana merino");
        w->TXT_CODART_NEW->setText("MAGLIA-004");
        w->TXT_DESCART_NEW->setText("Maglia girocollo merino bambino");
        w->CMD_DUPLICA->click();
        driven = true;
    });
    pane->CMD_DUPLART->click();
    ASSERT_TRUE(driven);
    EXPECT_TRUE(pane->articoloDuplicato());
    EXPECT_EQ(card.switchedTo, std::vector<std::string>{"MAGLIA-004"});
    EXPECT_EQ(card.currentItem(), "MAGLIA-004");

    EXPECT_EQ(copies("MAGLIA-004"), origin);
    db::Connection& cn = card.connection();
    EXPECT_EQ(text(dupltest::scalar(cn,
                                    "SELECT MG66_DESCART FROM MG66_ANAGRART WHERE MG66_CODART = "
                                    "'MAGLIA-004'")),
              "Maglia girocollo merino bambino");
    EXPECT_EQ(text(dupltest::scalar(cn,
                                    "SELECT MG87_DESCART FROM MG87_ARTDESC WHERE "
                                    "MG87_CODART_MG66 = 'MAGLIA-004' AND MG87_OPZIONE_MG5E = '' "
                                    "AND MG87_LINGUA_MG52 = ''")),
              "Maglia girocollo merino bambino");
    EXPECT_EQ(text(dupltest::scalar(cn,
                                    "SELECT MG66_CODREGOLA FROM MG66_ANAGRART WHERE MG66_CODART = "
                                    "'MAGLIA-004'")),
              "RG-MAGL");
    // The origin is as it was.
    EXPECT_EQ(copies("MAGLIA-001"), origin);
}

TEST_F(ItemDuplication, WhatIsLeftOutIsNotCopied) {
    open("GIACCA-001");
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<FRMMG_ARTDUPL*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        w->TXT_CODART_NEW->setText("GIACCA-002");
        w->CHK_DISTINTA->setChecked(false);
        w->CHK_VARIANTI->setChecked(false);
        w->CMD_DUPLICA->click();
    });
    pane->CMD_DUPLART->click();
    EXPECT_EQ(copies("GIACCA-002"), (std::vector<long long>{1, 1, 0, 1, 0}));
    EXPECT_EQ(card.currentItem(), "GIACCA-002");
}

// The component opened without a modal loop, as a host may show it.
struct Window : ItemDuplication {
    std::unique_ptr<framework::Cinterface> component;
    FRMMG_ARTDUPL* w = nullptr;
    void SetUp() override {
        ItemDuplication::SetUp();
        card.showItem("MAGLIA-002");
        component = card.createSibling(duplication::kProgIdArtDupl);
        component->SetProperty("CodiceArticolo", db::Value("MAGLIA-002"));
        component->ShowForm();
        w = static_cast<duplication::CLSMG_ARTDUPL*>(component.get())->finestra();
        ASSERT_NE(w, nullptr);
    }
    long long items() { return rows("MG66_ANAGRART", "1 = 1"); }
    long long descriptions() { return rows("MG87_ARTDESC", "1 = 1"); }
};

TEST_F(Window, BadCodesAreRefusedAndNothingIsWritten) {
    const long long before = items(), texts = descriptions();
    struct Case {
        const char* code;
        const char* description;
        const char* message;
    };
    for (const Case& c :
         {Case{"", "Cardigan", "[x91101x] Indicare il codice del nuovo articolo."},
          Case{"   ", "Cardigan", "[x91101x]"},
          Case{"MAGLIA-003", "Cardigan", "[x91104x] L'articolo MAGLIA-003 esiste già."},
          Case{"maglia-003", "Cardigan", "[x91104x]"}, Case{"CARD'01", "Cardigan", "[x91102x]"},
          Case{"CARD-01", "  ", "[x91105x] Indicare la descrizione del nuovo articolo."}}) {
        cardtest::clearMessages();
        w->TXT_CODART_NEW->setText(c.code);
        w->TXT_DESCART_NEW->setText(c.description);
        EXPECT_FALSE(w->CMD_DUPLICA_Click()) << c.code;
        EXPECT_TRUE(shown(c.message)) << c.code;
        EXPECT_TRUE(w->isVisible()) << c.code;
    }
    EXPECT_EQ(items(), before);
    EXPECT_EQ(descriptions(), texts);
    w->CMD_ANNULLA->click();
    component->CloseForm();
    const db::Value done = component->GetProperty("ArticoloDuplicato");
    EXPECT_TRUE(done.type() == db::Value::Type::Bool && !done.asBool());
}

TEST_F(Window, AFailureInTheCopyLeavesNoPartOfTheNewItem) {
    const long long before = items(), texts = descriptions();
    card.connection().injectFault({"INSERT INTO MG6B_GESVARART", "08S01", 0, 1});
    cardtest::queueAnswer(common::vbAbort);
    w->TXT_CODART_NEW->setText("CARD-01");
    EXPECT_FALSE(w->CMD_DUPLICA_Click());
    EXPECT_TRUE(shown("CMD_DUPLICA_Click: "));
    EXPECT_EQ(items(), before);
    EXPECT_EQ(descriptions(), texts);
    EXPECT_EQ(card.connection().transactionDepth(), 0);
    EXPECT_TRUE(w->isVisible());

    // Once the cause is gone, a retry completes the copy.
    card.connection().injectFault({"INSERT INTO PD95_DISBA", "08S01", 0, 1});
    cardtest::queueAnswer(common::vbRetry);
    EXPECT_TRUE(w->CMD_DUPLICA_Click());
    EXPECT_EQ(copies("CARD-01"), copies("MAGLIA-002"));
    EXPECT_EQ(component->GetProperty("CodiceArticoloDuplicato").toText(), "CARD-01");
}

}  // namespace
