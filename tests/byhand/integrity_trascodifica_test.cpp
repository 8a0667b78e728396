// The transcoding tab tried by hand: a new row abandoned after an error
// never lands on a stored one, and Annulla goes back to the stored values.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "common/item_card.h"
#include "common/value_helpers.h"
#include "platform/controls/grid_navigator.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/record_frame.h"
#include "platform/controls/side_bar.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "tests/support/test_card.h"
#include "tests/support/typing.h"
#include "tests/window/card_window.h"
#include "transcoding/trascodifica_varianti_tab.h"
#include "window/frmmg_veldrano.h"

namespace {

using transcoding::TrascodificaVariantiTab;

std::vector<std::string> transcodings(db::Connection& cn) {
    return cardtest::rowLines(
        cn,
        "SELECT MG5S_CODICEVAR_MG5F, MG5S_TIPOCF_CG44, MG5S_CLIFOR_CG44, "
        "MG5S_OPZIONE_MG5E, MG5S_DESCR FROM MG5S_VARCLIFOR ORDER BY 1, 2, 3, 4");
}

struct Transcoding : cardtest::CardWindowReaderTest {
    TrascodificaVariantiTab& tab() {
        return *static_cast<TrascodificaVariantiTab*>(w->tab(common::kTabTrascodificaVarianti));
    }
    static void type(QLineEdit* edit, const QString& value) {
        edit->setFocus();
        cardtest::type(edit, value.toStdString());
    }
    // A variant chosen in the tab's combo, as the user does.
    static void chooseVariant(TrascodificaVariantiTab& t, const char* variant) {
        const int entry = t.CBO_TIPOVAR2->findData(common::indiceVariante(variant));
        EXPECT_GE(entry, 0);
        t.CBO_TIPOVAR2->setCurrentIndex(entry);
        emit t.CBO_TIPOVAR2->activated(entry);
    }
    // The item's transcoding tab on a variant and a customer, as the user
    // picks them.
    TrascodificaVariantiTab& openOn(const char* item, const char* variant, const char* customer) {
        choose(item);
        EXPECT_TRUE(w->KOV_SIDEBAR()->ClickItem("GRP02", "ITM02"));
        TrascodificaVariantiTab& t = tab();
        chooseVariant(t, variant);
        type(t.TXT_CLIFOR->LineEdit(), customer);
        EXPECT_NE(t.FME_TRASCF(), nullptr);
        return t;
    }
};

TEST_F(Transcoding, AnAbandonedNewRowNeverLandsOnAStoredOne) {
    // A colour without grouping: every option of the variant can be entered.
    TrascodificaVariantiTab& t = openOn("MAGLIA-003", "A1", "3");
    ASSERT_NE(t.FME_TRASCF(), nullptr);
    ASSERT_GT(t.rsTrascf()->recordCount(), 0);
    const auto before = transcodings(cn);

    t.GRIDNAV_TRASCF->Click("Nuovo");
    ASSERT_EQ(t.FME_TRASCF()->Status(), 2);
    type(t.TXT_OPZIONECF->LineEdit(), "ZZZ");
    type(t.TXT_DESCRCF, "Abbandonata");
    t.GRIDNAV_TRASCF->Click("Conferma");  // refused: ZZZ is no option of the variant

    ASSERT_TRUE(w->KOV_SIDEBAR()->ClickItem("GRP05", "ITM10"));
    ASSERT_TRUE(w->KOV_SIDEBAR()->ClickItem("GRP02", "ITM02"));
    QTest::mouseClick(t.TXT_OPZIONECF->LineEdit(), Qt::LeftButton);
    t.FME_TRASCF()->Undo();  // the navigator's Annulla

    EXPECT_EQ(t.FME_TRASCF()->Status(), 0);
    EXPECT_FALSE(t.TXT_OPZIONECF->isEnabled());
    EXPECT_NE(t.TXT_OPZIONECF->Text(), QStringLiteral("ZZZ"));
    EXPECT_NE(t.TXT_DESCRCF->text(), QStringLiteral("Abbandonata"));
    t.GRIDNAV_TRASCF->Click("Conferma");
    EXPECT_EQ(transcodings(cn), before);
    EXPECT_EQ(cardtest::count(cn, "MG5S_VARCLIFOR", "MG5S_DESCR = 'Abbandonata'"), 0);
}

TEST_F(Transcoding, AnEditIsAskedForBeforeTheCounterpartOrVariantChanges) {
    TrascodificaVariantiTab& t = openOn("MAGLIA-003", "A1", "3");
    ASSERT_NE(t.FME_TRASCF(), nullptr);
    const char* question = "Salvare le modifiche";
    const auto descrOf = [&](const char* where) {
        return cardtest::text(cardtest::scalar(
            cn, std::string("SELECT MG5S_DESCR FROM MG5S_VARCLIFOR WHERE ") + where));
    };

    // The first row's description typed over, then another customer: asked;
    // Yes stores it on customer 3's row.
    const std::string option = common::NzStringa(t.rsTrascf()->value("MG5S_OPZIONE_MG5E"));
    const std::string row =
        "MG5S_CODICEVAR_MG5F = 'A1' AND MG5S_TIPOCF_CG44 = 0 AND "
        "MG5S_CLIFOR_CG44 = 3 AND MG5S_OPZIONE_MG5E = '" +
        option + "'";
    t.TXT_DESCRCF->setFocus();
    cardtest::fill(t.TXT_DESCRCF, "Descrizione di prova");
    ASSERT_EQ(t.FME_TRASCF()->Status(), 1);
    cardtest::clearMessages();
    cardtest::queueAnswer(common::vbYes);
    type(t.TXT_CLIFOR->LineEdit(), "4");
    EXPECT_TRUE(cardtest::shown(question));
    EXPECT_EQ(descrOf(row.c_str()), "Descrizione di prova");
    EXPECT_EQ(cardtest::count(cn, "MG5S_VARCLIFOR", "MG5S_DESCR = 'Descrizione di prova'"), 1);

    // Typed over again, then another variant: No leaves the table as it is.
    const auto before = transcodings(cn);
    cardtest::fill(t.TXT_DESCRCF, "Mai salvata");
    ASSERT_EQ(t.FME_TRASCF()->Status(), 1);
    cardtest::clearMessages();
    cardtest::queueAnswer(common::vbNo);
    chooseVariant(t, "A0");
    EXPECT_TRUE(cardtest::shown(question));
    EXPECT_EQ(transcodings(cn), before);

    // A new row for customer 4's colours, then suppliers: Yes stores it for
    // customer 4, the counterpart it was entered for.
    chooseVariant(t, "A1");
    type(t.TXT_CLIFOR->LineEdit(), "4");
    t.GRIDNAV_TRASCF->Click("Nuovo");
    ASSERT_EQ(t.FME_TRASCF()->Status(), 2);
    t.TXT_OPZIONECF->LineEdit()->setFocus();
    QTest::keyClicks(t.TXT_OPZIONECF->LineEdit(), "NER");
    t.TXT_DESCRCF->setFocus();
    cardtest::fill(t.TXT_DESCRCF, "Noir");
    cardtest::clearMessages();
    cardtest::queueAnswer(common::vbYes);
    t.CBO_CLIFOR->setCurrentIndex(1);
    emit t.CBO_CLIFOR->activated(1);
    EXPECT_TRUE(cardtest::shown(question));
    EXPECT_EQ(descrOf("MG5S_CODICEVAR_MG5F = 'A1' AND MG5S_TIPOCF_CG44 = 0 AND "
                      "MG5S_CLIFOR_CG44 = 4 AND MG5S_OPZIONE_MG5E = 'NER'"),
              "Noir");
    EXPECT_EQ(cardtest::count(cn, "MG5S_VARCLIFOR", "MG5S_DESCR = 'Noir'"), 1);
}

// The navigator moving to another item with a row edited: asked before the
// item changes; Annulla stays on the item with the edit, Yes stores it for
// this item's row and goes on.
TEST_F(Transcoding, AnEditIsAskedForBeforeTheNavigatorLeavesTheItemAndAnnullaStays) {
    TrascodificaVariantiTab& t = openOn("MAGLIA-003", "A1", "3");
    ASSERT_NE(t.FME_TRASCF(), nullptr);
    const std::string option = common::NzStringa(t.rsTrascf()->value("MG5S_OPZIONE_MG5E"));
    const std::string row =
        "MG5S_CODICEVAR_MG5F = 'A1' AND MG5S_TIPOCF_CG44 = 0 AND MG5S_CLIFOR_CG44 = 3 AND "
        "MG5S_OPZIONE_MG5E = '" +
        option + "' AND MG5S_DESCR = 'Prima di passare oltre'";
    const auto before = transcodings(cn);
    t.TXT_DESCRCF->setFocus();
    cardtest::fill(t.TXT_DESCRCF, "Prima di passare oltre");
    ASSERT_EQ(t.FME_TRASCF()->Status(), 1);

    cardtest::clearMessages();
    cardtest::queueAnswer(common::vbCancel);
    EXPECT_FALSE(w->FME_ART()->MoveNext());
    EXPECT_TRUE(cardtest::shown("Salvare le modifiche"));
    EXPECT_EQ(w->currentItem(), "MAGLIA-003");
    EXPECT_EQ(t.FME_TRASCF()->Status(), 1);
    EXPECT_EQ(t.TXT_DESCRCF->text().toStdString(), "Prima di passare oltre");
    EXPECT_EQ(transcodings(cn), before);

    // The same for a new search and for a code entered to look up.
    cardtest::queueAnswer(common::vbCancel);
    w->CMD_NUOVO()->click();
    cardtest::queueAnswer(common::vbCancel);
    w->FME_ART()->SetStatus(controls::RecordFrame::Entering);
    EXPECT_EQ(cardtest::shownMessages().size(), 3u);
    EXPECT_EQ(w->currentItem(), "MAGLIA-003");
    EXPECT_EQ(w->FME_ART()->Status(), controls::RecordFrame::Browse);
    EXPECT_EQ(t.FME_TRASCF()->Status(), 1);
    EXPECT_EQ(transcodings(cn), before);

    cardtest::clearMessages();
    cardtest::queueAnswer(common::vbYes);
    EXPECT_TRUE(w->FME_ART()->MoveNext());
    EXPECT_NE(w->currentItem(), "MAGLIA-003");
    EXPECT_EQ(cardtest::count(cn, "MG5S_VARCLIFOR", row), 1);
    EXPECT_EQ(cardtest::shownMessages().size(), 1u) << "asked once, before the move";
}

TEST_F(Transcoding, WithNoRowListedNoDescriptionCanBeTyped) {
    // Customer 4 has no sizes transcoded.
    TrascodificaVariantiTab& t = openOn("MAGLIA-003", "A0", "4");
    ASSERT_NE(t.FME_TRASCF(), nullptr);
    ASSERT_EQ(t.rsTrascf()->recordCount(), 0);
    EXPECT_FALSE(t.TXT_DESCRCF->isEnabled());
    QTest::keyClicks(t.TXT_DESCRCF, "persa");
    EXPECT_TRUE(t.TXT_DESCRCF->text().isEmpty());

    // With the grouping filter off a new row takes one; dropped, the box closes again.
    if (!t.GRIDNAV_TRASCF->Button("Nuovo")->isEnabled())
        t.CMD_FILTROCLIFOR->click();
    t.GRIDNAV_TRASCF->Click("Nuovo");
    ASSERT_EQ(t.FME_TRASCF()->Status(), 2);
    EXPECT_TRUE(t.TXT_DESCRCF->isEnabled());
    t.FME_TRASCF()->Undo();
    EXPECT_FALSE(t.TXT_DESCRCF->isEnabled());

    // Another customer with rows: the box is open on them.
    type(t.TXT_CLIFOR->LineEdit(), "3");
    ASSERT_GT(t.rsTrascf()->recordCount(), 0);
    EXPECT_TRUE(t.TXT_DESCRCF->isEnabled());
    EXPECT_EQ(cardtest::count(cn, "MG5S_VARCLIFOR", "MG5S_DESCR = 'persa'"), 0);
}

}  // namespace
