// The customer and supplier item-code tabs tried by hand: a new row left
// half entered never lands on a stored one, Annulla always goes back to the
// stored values, and no box lets a text past its column reach the database.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "common/item_card.h"
#include "itemcodes/artclifor_tab.h"
#include "platform/controls/grid_navigator.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/record_frame.h"
#include "platform/controls/side_bar.h"
#include "platform/db/connection.h"
#include "tests/support/test_card.h"
#include "tests/support/typing.h"
#include "tests/window/card_window.h"
#include "window/frmmg_veldrano.h"

namespace {

using itemcodes::ArtCliForTab;

// Every stored code of an item, one text per row, in key order.
std::vector<std::string> codes(db::Connection& cn, const std::string& item) {
    return cardtest::rowLines(cn,
                              "SELECT MG73_TIPOCF_CG44, MG73_CLIFOR_CG44, MG73_ARTCLIFOR, "
                              "MG73_OPZIONE_MG5E, MG73_DESCARTCF, MG73_DTULTAGG FROM "
                              "MG73_ARTCLIFOR WHERE MG73_CODART_MG66 = '" +
                                  item + "' ORDER BY 1, 2, 3");
}

struct ItemCodes : cardtest::CardWindowReaderTest {
    ArtCliForTab& tab(int index) { return *static_cast<ArtCliForTab*>(w->tab(index)); }
    // The side bar, as the user chooses a tab.
    void sidebar(const char* item) { ASSERT_TRUE(w->KOV_SIDEBAR()->ClickItem("GRP05", item)); }
    static void type(QWidget* box, const QString& text) {
        cardtest::typeAfter(box, text, Qt::Key_Return);
    }
    // A new code for a customer or supplier, typed and confirmed.
    static void confirmNew(ArtCliForTab& t, const char* code, const char* counterpart) {
        t.GRIDNAV_ARTCLIFOR->Click("Nuovo");
        t.TXT_ARTCLIFOR->setFocus();
        cardtest::fill(t.TXT_ARTCLIFOR, code);
        t.TXT_CODCLIFOR->LineEdit()->setFocus();
        cardtest::fill(t.TXT_CODCLIFOR->LineEdit(), counterpart);
        cardtest::clearMessages();
        t.GRIDNAV_ARTCLIFOR->Click("Conferma");
    }
    // The item's customer codes, chosen on the side bar.
    ArtCliForTab& customersOf(const char* item) {
        choose(item);
        sidebar("ITM10");
        ArtCliForTab& cli = tab(common::kTabArtcli);
        EXPECT_NE(cli.frame(), nullptr);
        return cli;
    }
};

TEST_F(ItemCodes, AnAbandonedNewRowNeverLandsOnAStoredOne) {
    ArtCliForTab& cli = customersOf("MAGLIA-001");
    ASSERT_NE(cli.frame(), nullptr);
    const auto before = codes(cn, "MAGLIA-001");

    // A new row with a code and a customer that does not exist.
    cli.GRIDNAV_ARTCLIFOR->Click("Nuovo");
    ASSERT_EQ(cli.frame()->Status(), 2);
    type(cli.TXT_ARTCLIFOR, "ABBANDONATO");
    type(cli.TXT_CODCLIFOR->LineEdit(), "999");
    cli.GRIDNAV_ARTCLIFOR->Click("Conferma");  // refused: the customer does not exist
    EXPECT_TRUE(cardtest::shown("999"));

    // To the supplier tab and back, a click in the variant box, Annulla.
    sidebar("ITM11");
    sidebar("ITM10");
    QTest::mouseClick(cli.TXT_CLIFOR_OPZIONE->LineEdit(), Qt::LeftButton);
    cli.frame()->Undo();  // the navigator's Annulla on the active frame

    // Back to the stored row, shown as stored, its keys locked.
    EXPECT_EQ(cli.frame()->Status(), 0);
    EXPECT_FALSE(cli.TXT_ARTCLIFOR->isEnabled());
    EXPECT_FALSE(cli.TXT_CODCLIFOR->isEnabled());
    EXPECT_FALSE(cli.TXT_CLIFOR_OPZIONE->isEnabled());
    EXPECT_NE(cli.TXT_ARTCLIFOR->text(), QStringLiteral("ABBANDONATO"));
    EXPECT_NE(cli.TXT_CODCLIFOR->Text(), QStringLiteral("999"));
    EXPECT_EQ(cli.recordset()->recordCount(), 5);

    // Saving now writes nothing of what was typed for the abandoned row.
    cli.GRIDNAV_ARTCLIFOR->Click("Conferma");
    EXPECT_EQ(codes(cn, "MAGLIA-001"), before);
    EXPECT_EQ(cardtest::count(cn, "MG73_ARTCLIFOR", "MG73_ARTCLIFOR = 'ABBANDONATO'"), 0);
}

TEST_F(ItemCodes, AnnullaAlwaysReturnsToTheStoredValuesOnEitherTab) {
    choose("MAGLIA-001");
    for (const char* item : {"ITM10", "ITM11"}) {
        sidebar(item);
        ArtCliForTab& t =
            tab(std::string(item) == "ITM10" ? common::kTabArtcli : common::kTabArtfor);
        ASSERT_NE(t.frame(), nullptr) << item;
        const auto before = codes(cn, "MAGLIA-001");
        const QString stored = t.TXT_ARTCLIFOR->text();

        // An edit of the stored row, abandoned.
        t.frame()->Change();
        ASSERT_EQ(t.frame()->Status(), 1);
        type(t.TXT_ARTCLIFOR, "X");
        t.frame()->Undo();
        EXPECT_EQ(t.frame()->Status(), 0) << item;
        EXPECT_EQ(t.TXT_ARTCLIFOR->text(), stored) << item;
        EXPECT_FALSE(t.TXT_ARTCLIFOR->isEnabled()) << item;

        // A new row, abandoned after an error, then Annulla twice.
        t.GRIDNAV_ARTCLIFOR->Click("Nuovo");
        type(t.TXT_ARTCLIFOR, "NUOVO");
        t.GRIDNAV_ARTCLIFOR->Click("Conferma");  // refused: no counterpart
        t.frame()->Undo();
        t.frame()->Undo();
        EXPECT_EQ(t.frame()->Status(), 0) << item;
        EXPECT_EQ(t.TXT_ARTCLIFOR->text(), stored) << item;
        EXPECT_FALSE(t.TXT_ARTCLIFOR->isEnabled()) << item;
        t.GRIDNAV_ARTCLIFOR->Click("Conferma");
        EXPECT_EQ(codes(cn, "MAGLIA-001"), before) << item;
    }
}

TEST_F(ItemCodes, AStoredKeyChangesOnlyWhenItsRowIsEditedAndSaved) {
    ArtCliForTab& cli = customersOf("MAGLIA-001");
    ASSERT_NE(cli.frame(), nullptr);
    // The row of customer 4, chosen on the grid as the user does.
    long row = -1;
    db::Recordset& rs = *cli.recordset();
    for (long r = 0; r < rs.recordCount(); ++r)
        if (cardtest::text(rs.valueAt(r, rs.fieldIndex("MG73_ARTCLIFOR"))) == "DUV/PULL/07")
            row = r;
    ASSERT_GE(row, 0);
    rs.setAbsolutePosition(row + 1);
    cli.frame()->Change();
    ASSERT_TRUE(cli.TXT_ARTCLIFOR->isEnabled());
    cli.TXT_ARTCLIFOR->selectAll();
    type(cli.TXT_ARTCLIFOR, "DUV/PULL/08");
    cli.GRIDNAV_ARTCLIFOR->Click("Conferma");
    EXPECT_EQ(cli.frame()->Status(), 0);
    EXPECT_EQ(cardtest::count(cn, "MG73_ARTCLIFOR", "MG73_ARTCLIFOR = 'DUV/PULL/07'"), 0);
    EXPECT_EQ(cardtest::count(cn, "MG73_ARTCLIFOR",
                              "MG73_ARTCLIFOR = 'DUV/PULL/08' AND MG73_CLIFOR_CG44 = 4 AND "
                              "MG73_CODART_MG66 = 'MAGLIA-001'"),
              1);
    // The grid and the work table follow: the renamed row is shown once.
    int shownRows = 0;
    for (long r = 0; r < rs.recordCount(); ++r)
        if (cardtest::text(rs.valueAt(r, rs.fieldIndex("MG73_ARTCLIFOR"))) == "DUV/PULL/08")
            ++shownRows;
    EXPECT_EQ(shownRows, 1);
    EXPECT_EQ(cardtest::count(cn, "MG73_ARTCLIFOR", "MG73_CODART_MG66 = 'MAGLIA-001'"), 8);
}

TEST_F(ItemCodes, NoBoxTakesMoreThanItsColumnAndTheUserIsTold) {
    ArtCliForTab& cli = customersOf("MAGLIA-001");
    ASSERT_NE(cli.frame(), nullptr);
    cli.GRIDNAV_ARTCLIFOR->Click("Nuovo");
    type(cli.TXT_ARTCLIFOR, QString(40, 'C'));
    EXPECT_EQ(cli.TXT_ARTCLIFOR->text().size(), 25);
    EXPECT_TRUE(cardtest::shown("[x91701x] Il campo accetta al massimo 25 caratteri."));
    type(cli.TXT_CODCLIFOR->LineEdit(), "2");
    cli.CHK_FLGDESCPERSCLIFOR->click();
    ASSERT_TRUE(cli.TXT_DESCARTCLIFOR->isEnabled());
    cardtest::clearMessages();
    cli.TXT_DESCARTCLIFOR->setFocus();
    QTest::keyClicks(cli.TXT_DESCARTCLIFOR, QString(100, 'd'));
    EXPECT_EQ(cli.TXT_DESCARTCLIFOR->toPlainText().size(), 72);
    EXPECT_TRUE(cardtest::shown("[x91701x] Il campo accetta al massimo 72 caratteri."));
    cli.GRIDNAV_ARTCLIFOR->Click("Conferma");
    EXPECT_EQ(cli.frame()->Status(), 0);
    EXPECT_EQ(cardtest::text(cardtest::scalar(
                  cn, "SELECT MG73_DESCARTCF FROM MG73_ARTCLIFOR WHERE MG73_ARTCLIFOR = '" +
                          std::string(25, 'C') + "'")),
              std::string(72, 'd'));
    for (const auto& m : cardtest::shownMessages())
        EXPECT_EQ(m.find("22001"), std::string::npos) << m;
}

TEST_F(ItemCodes, AKeyAnotherCodeHasIsRefusedByNameAndNothingChanges) {
    ArtCliForTab& cli = customersOf("MAGLIA-001");
    ASSERT_NE(cli.frame(), nullptr);
    const auto before = codes(cn, "MAGLIA-001");
    const auto others = codes(cn, "PANT-001");

    // A stored code renamed to the code the same customer has already.
    db::Recordset& rs = *cli.recordset();
    for (long r = 0; r < rs.recordCount(); ++r)
        if (cardtest::text(rs.valueAt(r, rs.fieldIndex("MG73_ARTCLIFOR"))) == "LNT-55120-BLM")
            cli.GRD_ARTCLIFOR->SetCurrentRow(r);
    ASSERT_EQ(cli.TXT_ARTCLIFOR->text(), QStringLiteral("LNT-55120-BLM"));
    cli.frame()->Change();
    cli.TXT_ARTCLIFOR->setFocus();
    cardtest::fill(cli.TXT_ARTCLIFOR, "LNT-55120");
    cardtest::clearMessages();
    cli.GRIDNAV_ARTCLIFOR->Click("Conferma");
    EXPECT_TRUE(
        cardtest::shown("[x91631x] Il codice LNT-55120 del cliente 2 esiste gi\xC3\xA0 per "
                        "l'articolo MAGLIA-001."));
    EXPECT_EQ(cli.frame()->Status(), 1);  // the edit stays, to be corrected
    for (const auto& m : cardtest::shownMessages())
        EXPECT_EQ(m.find("23000"), std::string::npos) << m;
    cli.frame()->Undo();

    // A new code that the customer uses for another item.
    confirmNew(cli, "RIVA-CH-01", "1");
    EXPECT_TRUE(cardtest::shown(
        "[x91631x] Il codice RIVA-CH-01 del cliente 1 esiste gi\xC3\xA0 per l'articolo PANT-001."));
    EXPECT_EQ(cli.frame()->Status(), 2);
    for (const auto& m : cardtest::shownMessages())
        EXPECT_EQ(m.find("23000"), std::string::npos) << m;
    cli.frame()->Undo();

    // The same on the suppliers' tab, with the suppliers' message.
    sidebar("ITM11");
    ArtCliForTab& sup = tab(common::kTabArtfor);
    confirmNew(sup, "FBR-2/28-4410", "1");
    EXPECT_TRUE(
        cardtest::shown("[x91632x] Il codice FBR-2/28-4410 del fornitore 1 esiste "
                        "gi\xC3\xA0 per l'articolo FILATO-MER."));
    sup.frame()->Undo();

    EXPECT_EQ(codes(cn, "MAGLIA-001"), before);
    EXPECT_EQ(codes(cn, "PANT-001"), others);
    EXPECT_EQ(cardtest::count(cn, "MG73_ARTCLIFOR", "MG73_ARTCLIFOR = 'FBR-2/28-4410'"), 1);
}

TEST_F(ItemCodes, WithNoCodeListedNothingCanBeTypedThatWouldBeLost) {
    ArtCliForTab& cli = customersOf("GIACCA-001");
    ASSERT_NE(cli.frame(), nullptr);
    ASSERT_EQ(cli.recordset()->recordCount(), 0);
    ASSERT_TRUE(cli.FRAME_ARTCLIFOR->isEnabled());
    // No row: neither the notes nor the flags take input.
    for (QWidget* box : std::initializer_list<QWidget*>{
             cli.TXT_NOTEARTCLIFOR, cli.CHK_FLGCLIFORPREF, cli.CHK_FLGDESCPERSCLIFOR,
             cli.TXT_DESCARTCLIFOR, cli.TXT_ARTCLIFOR})
        EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
    QTest::keyClicks(cli.TXT_NOTEARTCLIFOR, "persa");
    EXPECT_TRUE(cli.TXT_NOTEARTCLIFOR->toPlainText().isEmpty());

    // A new row opens them; dropping it closes them again.
    cli.GRIDNAV_ARTCLIFOR->Click("Nuovo");
    EXPECT_TRUE(cli.TXT_NOTEARTCLIFOR->isEnabled());
    EXPECT_TRUE(cli.CHK_FLGCLIFORPREF->isEnabled());
    EXPECT_TRUE(cli.CHK_FLGDESCPERSCLIFOR->isEnabled());
    cli.frame()->Undo();
    EXPECT_FALSE(cli.TXT_NOTEARTCLIFOR->isEnabled());
    EXPECT_FALSE(cli.CHK_FLGCLIFORPREF->isEnabled());
    EXPECT_EQ(cardtest::count(cn, "MG73_ARTCLIFOR", "MG73_CODART_MG66 = 'GIACCA-001'"), 0);
}

}  // namespace

TEST_F(ItemCodes, AnEditLeftOnAHiddenTabIsAskedForWhenTheItemChanges) {
    // Notes typed on the customers' tab, then another tab is shown.
    const auto editThenHide = [&](const char* notes) -> ArtCliForTab& {
        if (w->CMD_NUOVO()->isEnabled())
            w->CMD_NUOVO()->click();
        choose("MAGLIA-001");
        sidebar("ITM10");
        ArtCliForTab& cli = tab(common::kTabArtcli);
        EXPECT_NE(cli.frame(), nullptr);
        // The row of the variant article M BLU, chosen on the grid.
        db::Recordset& rs = *cli.recordset();
        for (long r = 0; r < rs.recordCount(); ++r)
            if (cardtest::text(rs.valueAt(r, rs.fieldIndex("MG73_ARTCLIFOR"))) == "LNT-55120-BLM")
                cli.GRD_ARTCLIFOR->SetCurrentRow(r);
        EXPECT_EQ(cli.TXT_ARTCLIFOR->text(), QStringLiteral("LNT-55120-BLM"));
        cli.TXT_NOTEARTCLIFOR->setFocus();
        cli.TXT_NOTEARTCLIFOR->selectAll();
        QTest::keyClicks(cli.TXT_NOTEARTCLIFOR, notes);
        EXPECT_EQ(cli.frame()->Status(), 1);
        EXPECT_TRUE(w->KOV_SIDEBAR()->ClickItem("GRP02", "ITM03"));
        cardtest::clearMessages();
        return cli;
    };
    const char* question = "Salvare le modifiche apportate al codice articolo del cliente?";

    // The next item from the host's record buttons: asked, and Yes saves it
    // on the row of the item it was made on.
    editThenHide("Nota di MAGLIA-001");
    cardtest::queueAnswer(common::vbYes);
    ASSERT_TRUE(w->FME_ART()->MoveNext());
    EXPECT_EQ(w->currentItem(), "MAGLIA-002");
    EXPECT_TRUE(cardtest::shown(question));
    EXPECT_EQ(cardtest::count(cn, "MG73_ARTCLIFOR",
                              "MG73_NOTEARTCF = 'Nota di MAGLIA-001' AND MG73_CODART_MG66 = "
                              "'MAGLIA-001' AND MG73_ARTCLIFOR = 'LNT-55120-BLM'"),
              1);
    EXPECT_EQ(cardtest::count(cn, "MG73_ARTCLIFOR", "MG73_CODART_MG66 = 'MAGLIA-002'"), 0);

    // A new search: asked, and No drops it; the tab then shows what is stored.
    const auto before = codes(cn, "MAGLIA-001");
    ArtCliForTab& cli = editThenHide("Nota mai salvata");
    cardtest::queueAnswer(common::vbNo);
    w->CMD_NUOVO()->click();
    EXPECT_TRUE(cardtest::shown(question));
    EXPECT_EQ(codes(cn, "MAGLIA-001"), before);
    EXPECT_EQ(cli.frame()->Status(), 0);
    choose("MAGLIA-001");
    sidebar("ITM10");
    EXPECT_EQ(cli.frame()->Status(), 0);
    EXPECT_EQ(cli.recordset()->recordCount(),
              cardtest::count(cn, "MG73_ARTCLIFOR",
                              "MG73_CODART_MG66 = 'MAGLIA-001' AND MG73_TIPOCF_CG44 = 0"));
    EXPECT_EQ(cardtest::count(cn, "MG73_ARTCLIFOR", "MG73_NOTEARTCF = 'Nota mai salvata'"), 0);
}
