// The generation preview of the "Duplica distinte" pane on the demo
// database: the structure from SPMG_COMBIVAR, the selections written into
// #COMBIVAR, the combinations composed into #PREVIEW and checked against
// codes built here by hand.

#include <QTest>
#include <algorithm>

#include "tests/duplication/pane_fixture.h"

namespace {

using dupltest::composed;
using dupltest::PaneFixture;
using dupltest::scalar;
using dupltest::shown;
using dupltest::text;

// Company 1: Taglia (A0) 3, Colore (A1) 3, Lunghezza (A2) 2, Vestibilità (A3) 4.
std::string code1(const std::string& size, const std::string& colour) {
    return composed({{size, 3}, {colour, 3}, {"", 2}, {"", 4}});
}

struct Preview : PaneFixture {};

TEST_F(Preview, OpensOnTheCurrentItemWithTheVariantsItManages) {
    EXPECT_TRUE(pane->FRAME_DUPL->isHidden());
    open("MAGLIA-001");
    EXPECT_FALSE(pane->FRAME_DUPL->isHidden());
    EXPECT_EQ(pane->TXT_ARTICOLO_DESTI->Text().toStdString(), "MAGLIA-001");
    EXPECT_EQ(pane->TXT_DESART_DESTI->text().toStdString(), "Maglia girocollo lana merino");
    EXPECT_FALSE(pane->CMD_DUPL->isEnabled());
    EXPECT_EQ(caption(), "[x6888x] Anteprima");

    // TG-LETTERE has six sizes, COL-MAGLIA five colours: six structure rows.
    EXPECT_EQ(dupltest::count(card.connection(), "#COMBIVAR", "ARTICOLO = 'MAGLIA-001'"), 6);
    ASSERT_EQ(pane->structure()->recordCount(), 6);
    auto& cols = pane->QGRID_STRUTT_DESTI->Columns();
    ASSERT_EQ(cols.Count(), 7);
    EXPECT_EQ(cols.Item(0).Caption().toStdString(), "Nrec");
    EXPECT_EQ(cols.Item(1).Key().toStdString(), "A0");
    EXPECT_EQ(cols.Item(1).Caption().toStdString(), "Taglia");
    EXPECT_EQ(cols.Item(2).Caption().toStdString(), "Descr.");
    EXPECT_EQ(cols.Item(4).Caption().toStdString(), "Colore");

    // Selections live in #COMBIVAR until the pane is opened again.
    tick("A1", "ROS");
    EXPECT_EQ(dupltest::count(card.connection(), "#COMBIVAR", "SELEZ_A1 = 1"), 1);
    open("MAGLIA-001");
    EXPECT_EQ(dupltest::count(card.connection(), "#COMBIVAR", "SELEZ_A1 = 1"), 0);
}

TEST_F(Preview, CombinationsAreComposedSlotBySlotAndOrderedByCode) {
    open("MAGLIA-001");
    for (const char* size : {"XXL", "XS", "M"})
        tick("A0", size);
    for (const char* colour : {"ROS", "BLU"})
        tick("A1", colour);
    anteprima();

    std::vector<std::string> expected;
    for (const char* size : {"XS", "M", "XXL"})
        for (const char* colour : {"ROS", "BLU"})
            expected.push_back(code1(size, colour));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(codes(), expected);
    EXPECT_EQ(dupltest::count(card.connection(), "#PREVIEW", "SELEZ = 0 AND ESITO IS NULL"), 6);
    EXPECT_EQ(caption(), "6[x80577x]  combinazioni elaborate.");
    EXPECT_TRUE(pane->CMD_DUPL->isEnabled());

    // The grid shows the stored description of each variant article.
    const long row =
        std::find(expected.begin(), expected.end(), code1("M", "BLU")) - expected.begin();
    EXPECT_EQ(pane->QGRID_PREVIEW->CellText(row, 3).toStdString(),
              "Maglia girocollo lana merino M blu notte");
    EXPECT_EQ(text(pane->preview()->valueAt(0, pane->preview()->fieldIndex("CHIAVE"))), "1");
    EXPECT_EQ(text(pane->preview()->valueAt(0, pane->preview()->fieldIndex("ARTICOLO"))),
              "MAGLIA-001");
}

TEST_F(Preview, OneCombinationIsSingularAndNoSelectionGivesNoRows) {
    open("MAGLIA-001");
    tick("A0", "M");
    anteprima();
    // Colore has no selection: its slot is blank in full.
    EXPECT_EQ(codes(), std::vector<std::string>{code1("M", "")});
    EXPECT_EQ(caption(), "1[x80576x]  combinazione elaborata.");

    // Nothing selected at all: no combination, and the user is told.
    tick("A0", "M");
    cardtest::clearMessages();
    anteprima();
    EXPECT_TRUE(codes().empty());
    EXPECT_EQ(caption(), "[x6888x] Anteprima");
    EXPECT_TRUE(shown("[x91203x]"));
}

TEST_F(Preview, TickingAfterAPreviewEmptiesItUntilAnteprimaIsPressedAgain) {
    open("MAGLIA-001");
    tick("A0", "S");
    tick("A1", "GRI");
    anteprima();
    ASSERT_EQ(codes().size(), 1u);
    ASSERT_TRUE(pane->CMD_DUPL->isEnabled());

    tick("A1", "VER");
    EXPECT_TRUE(codes().empty());
    EXPECT_EQ(dupltest::count(card.connection(), "#PREVIEW", "1 = 1"), 0);
    EXPECT_FALSE(pane->CMD_DUPL->isEnabled());
    EXPECT_EQ(caption(), "[x6888x] Anteprima");

    anteprima();
    EXPECT_EQ(codes(), (std::vector<std::string>{code1("S", "GRI"), code1("S", "VER")}));
    EXPECT_TRUE(pane->CMD_DUPL->isEnabled());
}

TEST_F(Preview, AnOptionColumnHeaderFlipsEveryOptionOfTheColumn) {
    open("MAGLIA-001");
    tick("A1", "BLU");
    const int colour = structureColumn("A1");
    pane->QGRID_STRUTT_DESTI->ClickHeader(colour);
    // BLU was on: it goes off, the other four colours come on; the blank
    // sixth row selects nothing.
    EXPECT_EQ(dupltest::count(card.connection(), "#COMBIVAR", "SELEZ_A1 = 1"), 4);
    EXPECT_EQ(dupltest::count(card.connection(), "#COMBIVAR", "A1 = 'BLU' AND SELEZ_A1 = 0"), 1);
    EXPECT_EQ(pane->QGRID_STRUTT_DESTI->SortColumn(), -1);
    tick("A0", "L");
    anteprima();
    EXPECT_EQ(codes().size(), 4u);
    // A header click after a preview empties it as a tick does.
    pane->QGRID_STRUTT_DESTI->ClickHeader(colour);
    EXPECT_TRUE(codes().empty());
    EXPECT_EQ(dupltest::count(card.connection(), "#COMBIVAR", "SELEZ_A1 = 1"), 1);
}

TEST_F(Preview, TheSelectionHeaderPicksOrClearsEveryRow) {
    open("MAGLIA-001");
    tick("A0", "S");
    tick("A0", "M");
    tick("A1", "BLU");
    anteprima();
    ASSERT_EQ(codes().size(), 2u);
    // A pick in the grid stays in the preview's rows only.
    pane->QGRID_PREVIEW->ToggleCheck(1, 0);
    EXPECT_EQ(dupltest::count(card.connection(), "#PREVIEW", "SELEZ = 1"), 0);
    EXPECT_EQ(cardtest::text(pane->preview()->valueAt(1, pane->preview()->fieldIndex("SELEZ"))),
              "1");

    pane->QGRID_PREVIEW->ClickHeader(0);
    EXPECT_TRUE(pane->headerChecked());
    EXPECT_EQ(dupltest::count(card.connection(), "#PREVIEW", "SELEZ = 1"), 2);
    for (long r = 0; r < 2; ++r)
        EXPECT_EQ(cardtest::text(pane->preview()->valueAt(r, pane->preview()->fieldIndex("SELEZ"))),
                  "1");
    EXPECT_NE(pane->QGRID_PREVIEW->Columns().Item(0).Caption().indexOf(QChar(0x2611)), -1);

    pane->QGRID_PREVIEW->ClickHeader(0);
    EXPECT_FALSE(pane->headerChecked());
    EXPECT_EQ(dupltest::count(card.connection(), "#PREVIEW", "SELEZ = 1"), 0);
}

// The same flips by the keyboard alone: Space ticks the option of the
// current cell, Ctrl+Space flips the current option column, and in the
// preview Ctrl+Space picks or clears every row, from the tick column or any
// other cell.
TEST_F(Preview, TheKeyboardFlipsAColumnAndPicksEveryRow) {
    open("MAGLIA-001");
    controls::DataGrid* strutt = pane->QGRID_STRUTT_DESTI;
    const int size = structureColumn("A0");
    const int colour = structureColumn("A1");
    ASSERT_GE(size, 0);
    ASSERT_GT(colour, size);
    auto key = [](QWidget* w, int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(w, static_cast<Qt::Key>(k), m);
    };
    auto toColumn = [&](controls::DataGrid* grid, int column) {
        key(grid, Qt::Key_Home, Qt::ControlModifier);
        key(grid, Qt::Key_Home);
        for (int c = grid->CurrentColumn(); c < column; ++c)
            key(grid, Qt::Key_Right);
    };
    auto selected = [&](const std::string& where) {
        return dupltest::count(card.connection(), "#COMBIVAR", where);
    };

    toColumn(strutt, colour);
    ASSERT_EQ(strutt->CurrentColumn(), colour);
    ASSERT_EQ(strutt->CurrentRow(), 0);
    key(strutt, Qt::Key_Space);
    EXPECT_EQ(selected("SELEZ_A1 = 1"), 1);
    key(strutt, Qt::Key_Space, Qt::ControlModifier);  // the column flips
    EXPECT_EQ(selected("SELEZ_A1 = 1"), 4);
    EXPECT_EQ(strutt->SortColumn(), -1);
    EXPECT_EQ(strutt->CurrentColumn(), colour);
    key(strutt, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(selected("SELEZ_A1 = 1"), 1);
    key(strutt, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(selected("SELEZ_A1 = 1"), 4);
    EXPECT_EQ(selected("SELEZ_A0 = 1"), 0);
    toColumn(strutt, size);
    ASSERT_EQ(strutt->CurrentColumn(), size);
    key(strutt, Qt::Key_Space);
    EXPECT_EQ(selected("SELEZ_A0 = 1"), 1);
    key(pane->CMD_ANTEPRIMA, Qt::Key_Space);
    ASSERT_EQ(codes().size(), 4u);

    controls::DataGrid* preview = pane->QGRID_PREVIEW;
    const int tick = preview->Columns().IndexOf("SELEZ");
    const int variant = preview->Columns().IndexOf("VARIANTE");
    ASSERT_GE(tick, 0);
    ASSERT_GT(variant, tick);
    auto picked = [&] { return dupltest::count(card.connection(), "#PREVIEW", "SELEZ = 1"); };
    toColumn(preview, tick);
    ASSERT_EQ(preview->CurrentColumn(), tick);
    key(preview, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(pane->headerChecked());
    EXPECT_EQ(picked(), 4);
    EXPECT_EQ(codes().size(), 4u);  // picked, not sorted nor lost
    toColumn(preview, variant);
    ASSERT_EQ(preview->CurrentColumn(), variant);
    key(preview, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_FALSE(pane->headerChecked());
    EXPECT_EQ(picked(), 0);
    key(preview, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(pane->headerChecked());
    EXPECT_EQ(picked(), 4);
}

TEST_F(Preview, AnOptionLongerThanItsSlotIsCutAndTheUserIsTold) {
    db::Connection& cn = card.connection();
    openWithLongSize("MAGLIA-001");
    tick("A0", "XXXL-EXTRA");
    tick("A0", "XS");
    tick("A1", "CAM");
    anteprima();
    EXPECT_EQ(codes(), (std::vector<std::string>{code1("XS", "CAM"), code1("XXX", "CAM")}));
    EXPECT_EQ(codes().back(), "XXXCAM      ");
    EXPECT_TRUE(shown("[x91201x]"));
    EXPECT_TRUE(shown("'XXXL-EXTRA' -> 'XXX'"));
    // The preview changes nothing of the options.
    EXPECT_EQ(
        dupltest::count(cn, "MG5E_OPZIONI", "MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = 'A0'"),
        15);
    EXPECT_EQ(
        text(scalar(cn, "SELECT MG5E_DESCR FROM MG5E_OPZIONI WHERE MG5E_OPZIONE = 'XXXL-EXTRA'")),
        "Extra extra extra large");
}

TEST_F(Preview, AVariantTheCompanyDoesNotDefineAddsNothingToTheCode) {
    open("MAGLIA-001");
    // A structure row carrying an option of A7, which company 1 does not define.
    card.connection().execute(
        "UPDATE #COMBIVAR SET A7 = 'ZZ', SELEZ_A7 = 1 WHERE ARTICOLO = 'MAGLIA-001' AND NREC = 1");
    tick("A0", "L");
    anteprima();
    EXPECT_EQ(codes(), std::vector<std::string>{code1("L", "")});
    EXPECT_TRUE(shown("[x91202x]"));
    EXPECT_TRUE(shown("A7 'ZZ'"));
}

struct Company2 : PaneFixture {
    Company2() : PaneFixture("2") {}
};

TEST_F(Company2, OnlyTheVariantsA0ToA9TakePart) {
    // Company 2: Taglia (A0) 2, Tessuto (A1) 4, Finitura (B0) 2.
    open("ABITO-SU01");
    auto& cols = pane->QGRID_STRUTT_DESTI->Columns();
    EXPECT_EQ(cols.Count(), 7);  // Nrec, A0 and A1: B0 has no place in the preview
    tick("A0", "48");
    tick("A0", "46");
    tick("A1", "LINO");
    anteprima();
    EXPECT_EQ(codes(), (std::vector<std::string>{composed({{"46", 2}, {"LINO", 4}}),
                                                 composed({{"48", 2}, {"LINO", 4}})}));
}

}  // namespace
