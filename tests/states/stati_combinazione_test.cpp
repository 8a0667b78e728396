// Tab 6, combinations of two variants, on the demo database: MAGLIA-001
// manages Taglia (A0, grouping TG-LETTERE) and Colore (A1, grouping
// COL-MAGLIA) and carries combination states for itself and for all items.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "common/window_services.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_navigator.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/record_frame.h"
#include "platform/db/connection.h"
#include "states/band_header.h"
#include "states/state_grid.h"
#include "states/state_services.h"
#include "states/stati_combinazione_tab.h"
#include "tests/states/states_test_support.h"
#include "tests/support/tab_test.h"

namespace {

using statestest::cella;
using statestest::colonna;
using statestest::provstati;
using statestest::riga;

struct Combinazioni
    : cardtest::TabTest<states::StatiCombinazioneTab, common::kTabStatiCombinazione> {
    void mostra(const std::string& item) { show(item); }
    void presentazione(int value) {
        tab.CBO_TIPOCOMBINAZIONE->setCurrentIndex(value);
        tab.CBO_TIPOCOMBINAZIONE_Click();
    }
    void ambito(int value) {
        tab.CBO_TIPOCONF6->setCurrentIndex(value);
        tab.CBO_TIPOCONF6_Click();
    }
    void varianti(const char* prima, const char* seconda) {
        tab.CBO_TIPOVAR6_1->setCurrentIndex(tab.CBO_TIPOVAR6_1->findText(prima));
        tab.CBO_TIPOVAR6_1_Click();
        tab.CBO_TIPOVAR6_2->setCurrentIndex(tab.CBO_TIPOVAR6_2->findText(seconda));
        tab.CBO_TIPOVAR6_2_Click();
    }
    // The state's value in a drop-down column, by its code.
    db::Value stato(const controls::DataGrid& grid, int column, const std::string& codice) {
        for (const auto& [value, text] : grid.Columns().Item(column).ValueList())
            if (text.startsWith(QString::fromStdString(codice + " ")))
                return value;
        ADD_FAILURE() << "no state " << codice;
        return {};
    }
    // Chooses a state in the cross grid's cell, as the drop-down would.
    void scegli(const std::string& rowOption, const std::string& columnOption,
                const std::string& codice) {
        const db::Recordset& rs = *tab.rsCross();
        const long r = riga(rs, rs.field(0).name, rowOption);
        const int c = colonna(*tab.GRDX_COMBINAZIONI, columnOption);
        ASSERT_GE(r, 0) << rowOption;
        ASSERT_GE(c, 0) << columnOption;
        tab.GRDX_COMBINAZIONI->ChooseValue(
            r, c, codice.empty() ? db::Value(0) : stato(*tab.GRDX_COMBINAZIONI, c, codice));
    }
    std::string cellaCross(const std::string& rowOption, const std::string& columnOption) {
        const db::Recordset& rs = *tab.rsCross();
        const long r = riga(rs, rs.field(0).name, rowOption);
        return r < 0 ? "<no row>" : cella(rs, r, columnOption);
    }
    void statoDefault(const char* codice) {
        tab.TXT_STATODEF->LineEdit()->setText(codice);
        tab.TXT_STATODEF->Decode();
    }
    long long combinazione(const std::string& art, const std::string& o1, const std::string& o2,
                           const std::string& stato = "") {
        return provstati(cn(),
                         "MG5W_DITTA_CG18 = 1 AND MG5W_CODART_MG66 " + art +
                             " AND MG5W_CODICEVAR1_MG5F = 'A0' AND MG5W_OPZIONE1_MG5E = '" + o1 +
                             "' AND MG5W_CODICEVAR2_MG5F = 'A1' AND MG5W_OPZIONE2_MG5E = '" + o2 +
                             "' AND MG5W_RAGGR1_MG5G IS NULL AND MG5W_RAGGR2_MG5G IS NULL" +
                             " AND MG5W_TIPODEFAULT IS NULL" +
                             (stato.empty() ? "" : " AND MG5W_IDSTATOVAR_MG5V = " + stato));
    }
};

constexpr const char* kArt = "= 'MAGLIA-001'";
constexpr const char* kTutti = "IS NULL";

TEST_F(Combinazioni, SameVariantOnBothSelectorsBuildsAndWritesNothing) {
    const long long prima = provstati(cn(), "1 = 1");
    mostra("MAGLIA-001");
    EXPECT_EQ(card.loadedItem(common::kTabStatiCombinazione), "MAGLIA-001");
    ASSERT_EQ(tab.CBO_TIPOVAR6_1->count(), 2);
    EXPECT_EQ(tab.CBO_TIPOVAR6_1->currentText(), "Taglia");
    EXPECT_EQ(tab.CBO_TIPOVAR6_2->currentText(), "Taglia");
    EXPECT_EQ(tab.variante1(), "A0");
    EXPECT_EQ(tab.variante2(), "A0");
    EXPECT_EQ(tab.raggr1(), "TG-LETTERE");
    EXPECT_FALSE(tab.coppiaValida());
    EXPECT_FALSE(tab.LBL_AVVISO->isHidden());
    EXPECT_TRUE(tab.LBL_AVVISO->text().contains("due varianti diverse"));
    EXPECT_FALSE(tab.TXT_STATODEF->isEnabled());
    EXPECT_EQ(tab.rsCombi(), nullptr);
    EXPECT_EQ(tab.LBL_TIPOVAR6_1->text().toStdString(), "[x60293x] Variante 1");
    // With no list there is nothing to delete: the button is off, not silent;
    // the list never opens or exports, so those buttons do not show at all.
    EXPECT_FALSE(tab.CMD_ELIMINACOMBI->isEnabled());
    EXPECT_TRUE(tab.GRIDNAV_COMBI->Button("Apri")->isHidden());
    EXPECT_TRUE(tab.GRIDNAV_COMBI->Button("Esporta")->isHidden());
    EXPECT_FALSE(tab.GRIDNAV_COMBI->Button("Nuovo")->isHidden());
    // Nor can a combination be typed below the list that is not there.
    EXPECT_FALSE(tab.TXT_OPZIONE1->isEnabled());
    EXPECT_FALSE(tab.TXT_STATOCOMBI->isEnabled());

    // Nothing can be written for the pair: neither a default nor a cell.
    tab.TXT_STATODEF->LineEdit()->setText("ESAUR");
    tab.TXT_STATODEF_Validate();
    presentazione(0);
    EXPECT_EQ(tab.rsCross(), nullptr);
    EXPECT_EQ(tab.GRDX_COMBINAZIONI->DataSource(), nullptr);
    tab.SalvaGRDX_COMBINAZIONI(db::Value(3));
    EXPECT_EQ(provstati(cn(), "1 = 1"), prima);
    EXPECT_TRUE(cardtest::shownMessages().empty());

    // A grid built for a valid pair is taken away once the pair is no longer valid.
    varianti("Taglia", "Colore");
    ASSERT_NE(tab.rsCross(), nullptr);
    tab.CBO_TIPOVAR6_2->setCurrentIndex(0);
    tab.CBO_TIPOVAR6_2_Click();
    EXPECT_FALSE(tab.CMD_ELIMINACOMBI->isEnabled());
    EXPECT_EQ(tab.GRDX_COMBINAZIONI->DataSource(), nullptr);
    EXPECT_FALSE(tab.TXT_STATODEF->isEnabled());
    EXPECT_EQ(provstati(cn(), "1 = 1"), prima);

    // The list likewise: open for a valid pair, off again when it is not.
    presentazione(1);
    varianti("Taglia", "Colore");
    EXPECT_TRUE(tab.TXT_STATOCOMBI->isEnabled());
    tab.CBO_TIPOVAR6_2->setCurrentIndex(0);
    tab.CBO_TIPOVAR6_2_Click();
    EXPECT_FALSE(tab.TXT_STATOCOMBI->isEnabled());
    EXPECT_FALSE(tab.TXT_OPZIONE1->isEnabled());
}

TEST_F(Combinazioni, ListShowsEveryRowOfThePairWithItsDefault) {
    mostra("MAGLIA-001");
    varianti("Taglia", "Colore");
    ASSERT_NE(tab.rsCombi(), nullptr);
    const db::Recordset& rs = *tab.rsCombi();
    ASSERT_EQ(rs.recordCount(), 4);
    // In option order; XXL/BIA is kept although BIA is not in COL-MAGLIA.
    EXPECT_EQ(cella(rs, 0, "MG5W_OPZIONE1_MG5E"), "S");
    EXPECT_EQ(cella(rs, 0, "DESCR_OPZIONE2"), "Verde bottiglia");  // the grouping's own text
    EXPECT_EQ(cella(rs, 0, "CODICE_STATO"), "SALDI25");
    EXPECT_EQ(cella(rs, 3, "MG5W_OPZIONE1_MG5E"), "XXL");
    EXPECT_EQ(cella(rs, 3, "MG5W_OPZIONE2_MG5E"), "BIA");
    EXPECT_EQ(cella(rs, 3, "DESCR_OPZIONE2"), "Bianco");
    const controls::DataGrid& grid = *tab.GRD_COMBI;
    ASSERT_EQ(grid.Columns().Count(), 6);
    EXPECT_EQ(grid.Columns().Item(0).Caption(), "Opzione 1");
    EXPECT_EQ(grid.Columns().Item(0).Field(), "MG5W_OPZIONE1_MG5E");
    EXPECT_EQ(grid.CellText(2, 0).trimmed(), "XS");
    EXPECT_EQ(grid.CellText(2, 2).trimmed(), "ROS");
    EXPECT_EQ(grid.CellText(2, 5).trimmed(), "Bloccato alla vendita");
    EXPECT_EQ(tab.LBL_OPZIONE1->text(), "Opzione Taglia");
    EXPECT_EQ(tab.FME_COMBI()->Status(), controls::RecordFrame::Browse);
    EXPECT_EQ(tab.TXT_STATOCOMBI->Text(), "SALDI25");
    EXPECT_FALSE(tab.TXT_OPZIONE1->isEnabled());

    // The default of the pair for the item, an active state.
    EXPECT_TRUE(tab.TXT_STATODEF->isEnabled());
    EXPECT_EQ(tab.TXT_STATODEF->Text(), "DISP");
    EXPECT_EQ(tab.TXT_DESSTATODEF->text(), "Disponibile");
    EXPECT_FALSE(tab.IMG_OK->isHidden());
    EXPECT_TRUE(tab.IMG_KO->isHidden());
    EXPECT_TRUE(tab.LBL_AVVISO->isHidden());
}

TEST_F(Combinazioni, GridWritesEachCellAtOnceAndTheEmptyStateDeletes) {
    mostra("MAGLIA-001");
    presentazione(0);
    varianti("Taglia", "Colore");
    EXPECT_EQ(tab.LBL_TIPOVAR6_1->text().toStdString(), "[x42856x] Orizzontale");
    ASSERT_NE(tab.rsCross(), nullptr);
    const controls::DataGrid& grid = *tab.GRDX_COMBINAZIONI;
    // Colour rows of COL-MAGLIA in grouping order; size columns of TG-LETTERE.
    ASSERT_EQ(tab.rsCross()->recordCount(), 5);
    ASSERT_EQ(grid.Columns().Count(), 2 + 6);
    EXPECT_EQ(grid.Columns().Item(0).Caption(), "Colore");
    EXPECT_EQ(grid.Columns().Item(1).Caption(), "Descrizione");
    EXPECT_EQ(grid.Columns().Item(2).Caption(), "XS-Extra small");
    EXPECT_EQ(grid.CellText(0, 0).trimmed(), "BLU");
    EXPECT_EQ(grid.CellText(0, 1).trimmed(), "Blu notte");
    EXPECT_EQ(tab.BANDE_COMBINAZIONI->FirstBand(), "Variante");
    EXPECT_EQ(tab.BANDE_COMBINAZIONI->SecondBand(), "Taglia");
    EXPECT_EQ(cellaCross("ROS", "XS"), "4");
    EXPECT_EQ(cellaCross("VER", "S"), "5");
    EXPECT_EQ(cellaCross("CAM", "XL"), "7");
    EXPECT_EQ(cellaCross("GRI", "M"), "");
    const QString blocc =
        grid.CellText(riga(*tab.rsCross(), "Colore", "ROS"), colonna(grid, "XS")).trimmed();
    EXPECT_TRUE(blocc.startsWith("BLOCC - Bloccato alla vendita"));
    // A column grows for the state it shows (up to a cap: a longer one is
    // read whole as the cell's tooltip), not only for its caption.
    EXPECT_GE(grid.columnWidth(colonna(grid, "XS")),
              std::min(QFontMetrics(grid.font()).horizontalAdvance(blocc), 250))
        << blocc.toStdString();
    EXPECT_TRUE(grid.Columns().Item(1).ReadOnly());
    EXPECT_EQ(grid.Columns().Item(2).Kind(), controls::CellKind::Combo);
    EXPECT_EQ(grid.Columns().Item(2).ValueList().front().second, "");  // the empty state first

    scegli("GRI", "M", "ESAUR");
    EXPECT_EQ(combinazione(kArt, "M", "GRI", "3"), 1);
    scegli("GRI", "M", "DISP");
    EXPECT_EQ(combinazione(kArt, "M", "GRI"), 1);
    EXPECT_EQ(combinazione(kArt, "M", "GRI", "1"), 1);
    scegli("GRI", "M", "");
    EXPECT_EQ(combinazione(kArt, "M", "GRI"), 0);
    tab.CombinazioneVarianti();
    EXPECT_EQ(cellaCross("GRI", "M"), "");

    // A typed text is taken only when it names exactly one state.
    const int c = colonna(grid, "L");
    const long r = riga(*tab.rsCross(), "Colore", "BLU");
    QString esaur;
    for (const auto& [value, text] : grid.Columns().Item(c).ValueList())
        if (text.startsWith("ESAUR"))
            esaur = text;
    tab.GRDX_COMBINAZIONI->TypeValue(r, c, "non esiste");
    EXPECT_EQ(combinazione(kArt, "L", "BLU"), 0);
    tab.GRDX_COMBINAZIONI->TypeValue(r, c, esaur.toLower());
    EXPECT_EQ(combinazione(kArt, "L", "BLU", "3"), 1);
    EXPECT_TRUE(cardtest::shownMessages().empty());

    // Delete on that cell takes the state away, and only that cell's.
    const long long prima = provstati(cn(), "1 = 1");
    tab.GRDX_COMBINAZIONI->setFocus();
    tab.GRDX_COMBINAZIONI->setCurrentIndex(grid.model()->index(static_cast<int>(r), c));
    QTest::keyClick(tab.GRDX_COMBINAZIONI, Qt::Key_Delete);
    EXPECT_EQ(combinazione(kArt, "L", "BLU"), 0);
    EXPECT_EQ(provstati(cn(), "1 = 1"), prima - 1);
    EXPECT_EQ(cellaCross("ROS", "XS"), "4");
}

TEST_F(Combinazioni, SwappedSelectorsShowTheSameStatesTransposed) {
    mostra("MAGLIA-001");
    presentazione(0);
    varianti("Colore", "Taglia");
    EXPECT_EQ(tab.varA(), "A0");
    const controls::DataGrid& grid = *tab.GRDX_COMBINAZIONI;
    EXPECT_EQ(grid.Columns().Item(0).Caption(), "Taglia");
    EXPECT_EQ(grid.Columns().Item(2).Caption(), "BLU-Blu notte");
    EXPECT_EQ(tab.rsCross()->recordCount(), 6);
    EXPECT_EQ(cellaCross("XS", "ROS"), "4");
    EXPECT_EQ(cellaCross("S", "VER"), "5");

    // Stored with the lesser variant first, each option next to its variant.
    scegli("L", "BLU", "DISP");
    EXPECT_EQ(combinazione(kArt, "L", "BLU", "1"), 1);
    varianti("Taglia", "Colore");
    EXPECT_EQ(cellaCross("BLU", "L"), "1");

    // The list keeps the first selector's variant in "Opzione 1".
    presentazione(1);
    varianti("Colore", "Taglia");
    const controls::DataGrid& list = *tab.GRD_COMBI;
    EXPECT_EQ(list.Columns().Item(0).Field(), "MG5W_OPZIONE2_MG5E");
    EXPECT_EQ(list.Columns().Item(1).Field(), "DESCR_OPZIONE2");
    EXPECT_EQ(list.Columns().Item(2).Field(), "MG5W_OPZIONE1_MG5E");
    const long r = riga(*tab.rsCombi(), "MG5W_OPZIONE1_MG5E", "L");
    ASSERT_GE(r, 0);
    EXPECT_EQ(list.CellText(r, 0).trimmed(), "BLU");
    EXPECT_EQ(list.CellText(r, 2).trimmed(), "L");
    EXPECT_EQ(tab.LBL_OPZIONE1->text(), "Opzione Colore");
}

TEST_F(Combinazioni, ScopesNeverTouchEachOthersRows) {
    mostra("MAGLIA-001");
    presentazione(0);
    varianti("Taglia", "Colore");
    const long long dellArticolo = provstati(cn(), "MG5W_CODART_MG66 = 'MAGLIA-001'");
    const long long diAltri = provstati(cn(), "MG5W_CODART_MG66 = 'PANT-001'");

    ambito(states::kGenerale);
    EXPECT_TRUE(tab.raggr1().empty());  // every option of the variant for all items
    EXPECT_EQ(tab.rsCross()->recordCount(), 10);
    EXPECT_EQ(cellaCross("GRI", "XS"), "3");
    EXPECT_EQ(cellaCross("ROS", "XS"), "");  // the item's own state is not shown here
    scegli("ROS", "XS", "DISP");
    scegli("GRI", "XS", "");
    EXPECT_EQ(combinazione(kTutti, "XS", "ROS", "1"), 1);
    EXPECT_EQ(combinazione(kTutti, "XS", "GRI"), 0);
    EXPECT_EQ(combinazione(kArt, "XS", "ROS", "4"), 1);  // untouched
    EXPECT_EQ(provstati(cn(), "MG5W_CODART_MG66 = 'MAGLIA-001'"), dellArticolo);

    // Each scope has its own default for the pair.
    EXPECT_EQ(tab.TXT_STATODEF->Text(), "DISP");
    statoDefault("ESAUR");
    EXPECT_EQ(provstati(cn(),
                        "MG5W_CODART_MG66 IS NULL AND MG5W_TIPODEFAULT = 1 AND "
                        "MG5W_CODICEVAR1_MG5F = 'A0' AND MG5W_IDSTATOVAR_MG5V = 3"),
              1);
    ambito(states::kSingola);
    EXPECT_EQ(tab.TXT_STATODEF->Text(), "DISP");

    // Deleting a general row in the list leaves every item's rows in place.
    presentazione(1);
    ambito(states::kGenerale);
    const long r = riga(*tab.rsCombi(), "MG5W_OPZIONE2_MG5E", "ROS");
    ASSERT_GE(r, 0);
    tab.GRD_COMBI->SetCurrentRow(r);
    cardtest::queueAnswer(common::vbYes);
    tab.CMD_ELIMINACOMBI_Click();
    EXPECT_EQ(combinazione(kTutti, "XS", "ROS"), 0);
    EXPECT_EQ(combinazione(kArt, "XS", "ROS", "4"), 1);
    EXPECT_EQ(provstati(cn(), "MG5W_CODART_MG66 = 'MAGLIA-001'"), dellArticolo);
    EXPECT_EQ(provstati(cn(), "MG5W_CODART_MG66 = 'PANT-001'"), diAltri);
}

TEST_F(Combinazioni, DefaultStateShowsItsIndicatorAndRefusesUnknownCodes) {
    mostra("MAGLIA-001");
    varianti("Colore", "Taglia");  // the default is found whichever variant comes first
    EXPECT_EQ(tab.TXT_STATODEF->Text(), "DISP");
    const std::string def =
        "MG5W_CODART_MG66 = 'MAGLIA-001' AND MG5W_CODICEVAR1_MG5F = 'A0' AND "
        "MG5W_CODICEVAR2_MG5F = 'A1' AND MG5W_TIPODEFAULT = 1";

    statoDefault("RIASS");  // not active
    EXPECT_EQ(provstati(cn(), def + " AND MG5W_IDSTATOVAR_MG5V = 6"), 1);
    EXPECT_FALSE(tab.IMG_KO->isHidden());
    EXPECT_TRUE(tab.IMG_OK->isHidden());
    EXPECT_EQ(tab.TXT_DESSTATODEF->text(), "Riassortimento sospeso");

    statoDefault("NONC'E");  // no such state: nothing changes
    EXPECT_TRUE(cardtest::shown("Lo stato NONC'E non esiste"));
    EXPECT_EQ(provstati(cn(), def + " AND MG5W_IDSTATOVAR_MG5V = 6"), 1);
    EXPECT_EQ(tab.TXT_STATODEF->Text(), "RIASS");

    statoDefault("");  // the empty state deletes the default
    EXPECT_EQ(provstati(cn(), def), 0);
    EXPECT_TRUE(tab.IMG_OK->isHidden());
    EXPECT_TRUE(tab.IMG_KO->isHidden());
    statoDefault("CAMP");  // active flag NULL reads as not active
    EXPECT_EQ(provstati(cn(), def + " AND MG5W_IDSTATOVAR_MG5V = 7"), 1);
    EXPECT_EQ(tab.statoDefaultAttivo(), 0);
}

TEST_F(Combinazioni, AnExpiredStateIsGivenOnlyOnceConfirmed) {
    mostra("MAGLIA-001");
    presentazione(0);
    varianti("Taglia", "Colore");
    // SALDI25 ended on 28/02/2025: the question defaults to No.
    scegli("BLU", "M", "SALDI25");
    EXPECT_TRUE(cardtest::shown("[x91520x] Lo stato SALDI25 non"));
    EXPECT_TRUE(cardtest::shown("terminata il 28/02/2025"));
    EXPECT_EQ(combinazione(kArt, "M", "BLU"), 0);
    EXPECT_EQ(cellaCross("BLU", "M"), "");
    // Over an existing state the cell shows it again.
    scegli("ROS", "XS", "SALDI25");
    EXPECT_EQ(combinazione(kArt, "XS", "ROS", "4"), 1);
    EXPECT_EQ(cellaCross("ROS", "XS"), "4");
    cardtest::queueAnswer(common::vbYes);
    scegli("BLU", "M", "SALDI25");
    EXPECT_EQ(combinazione(kArt, "M", "BLU", "5"), 1);
    // A state that starts later is no question.
    cardtest::clearMessages();
    scegli("GRI", "M", "NOVITA");
    EXPECT_TRUE(cardtest::shownMessages().empty());
    EXPECT_EQ(combinazione(kArt, "M", "GRI", "2"), 1);

    statoDefault("SALDI25");
    EXPECT_EQ(tab.TXT_STATODEF->Text(), "DISP");
    EXPECT_EQ(provstati(cn(),
                        "MG5W_CODART_MG66 = 'MAGLIA-001' AND MG5W_TIPODEFAULT = 1 AND "
                        "MG5W_CODICEVAR1_MG5F = 'A0' AND MG5W_IDSTATOVAR_MG5V = 1"),
              1);
}

TEST_F(Combinazioni, ListAddsOneRowPerPairAndDeletesThroughTheDatabase) {
    mostra("MAGLIA-001");
    EXPECT_FALSE(tab.CMD_ELIMINACOMBI->isEnabled());
    varianti("Taglia", "Colore");
    EXPECT_TRUE(tab.CMD_ELIMINACOMBI->isEnabled());  // on the first stored row
    auto digita = [](controls::LookupBox* box, const char* text) {
        box->LineEdit()->setText(text);
        box->Decode();
    };
    tab.GRIDNAV_COMBI->Click("Nuovo");
    ASSERT_EQ(tab.FME_COMBI()->Status(), controls::RecordFrame::Entering);
    EXPECT_TRUE(tab.TXT_OPZIONE1->isEnabled());
    digita(tab.TXT_OPZIONE1, "M");
    EXPECT_EQ(tab.TXT_DESOPZIONE1->text(), "Medium");
    digita(tab.TXT_OPZIONE2, "GRI");
    EXPECT_EQ(combinazione(kArt, "M", "GRI"), 0);  // no state yet
    digita(tab.TXT_STATOCOMBI, "ESAUR");
    EXPECT_EQ(combinazione(kArt, "M", "GRI", "3"), 1);
    EXPECT_EQ(tab.FME_COMBI()->Status(), controls::RecordFrame::Browse);
    EXPECT_EQ(tab.rsCombi()->recordCount(), 5);
    EXPECT_EQ(cardtest::count(cn(), "#TMP_COMBI", "OPZIONE1 = 'M' AND OPZIONE2 = 'GRI'"), 1);

    // The same pair again is refused with its reason.
    tab.GRIDNAV_COMBI->Click("Nuovo");
    digita(tab.TXT_OPZIONE1, "M");
    digita(tab.TXT_OPZIONE2, "GRI");
    digita(tab.TXT_STATOCOMBI, "DISP");
    EXPECT_TRUE(cardtest::shown("La combinazione M / GRI ha gi"));
    EXPECT_EQ(combinazione(kArt, "M", "GRI"), 1);
    EXPECT_EQ(combinazione(kArt, "M", "GRI", "3"), 1);
    // An option outside the grouping and a missing state are refused too.
    digita(tab.TXT_OPZIONE2, "NER");
    EXPECT_FALSE(tab.TXT_OPZIONE2->Found());
    EXPECT_FALSE(tab.FME_COMBI()->Update());
    EXPECT_TRUE(cardtest::shown("L'opzione NER non esiste per la variante Colore"));
    digita(tab.TXT_STATOCOMBI, "");
    digita(tab.TXT_OPZIONE2, "CAM");
    EXPECT_FALSE(tab.FME_COMBI()->Update());
    EXPECT_TRUE(cardtest::shown("Indicare lo stato della combinazione"));
    EXPECT_EQ(combinazione(kArt, "M", "CAM"), 0);
    tab.FME_COMBI()->Undo();

    // Changing a stored row's state.
    const long xs = riga(*tab.rsCombi(), "MG5W_OPZIONE1_MG5E", "XS");
    tab.GRD_COMBI->SetCurrentRow(xs);
    EXPECT_EQ(tab.TXT_STATOCOMBI->Text(), "BLOCC");
    tab.TXT_STATOCOMBI_StartEdit();
    digita(tab.TXT_STATOCOMBI, "DISP");
    EXPECT_EQ(tab.FME_COMBI()->Status(), controls::RecordFrame::Changed);
    EXPECT_EQ(tab.TXT_STATOCOMBI->Text(), "DISP");
    EXPECT_TRUE(tab.FME_COMBI()->Update());
    EXPECT_EQ(combinazione(kArt, "XS", "ROS", "1"), 1);

    // Deleting asks first; No keeps the row.
    tab.GRD_COMBI->SetCurrentRow(riga(*tab.rsCombi(), "MG5W_OPZIONE1_MG5E", "XS"));
    cardtest::clearMessages();
    tab.CMD_ELIMINACOMBI_Click();
    EXPECT_TRUE(cardtest::shown("[x91521x] Eliminare lo stato della combinazione XS / ROS?"));
    EXPECT_EQ(combinazione(kArt, "XS", "ROS"), 1);
    cardtest::queueAnswer(common::vbYes);
    tab.CMD_ELIMINACOMBI_Click();
    EXPECT_EQ(combinazione(kArt, "XS", "ROS"), 0);
    EXPECT_EQ(combinazione(kTutti, "XS", "GRI", "3"), 1);
    EXPECT_EQ(tab.rsCombi()->recordCount(), 4);
    EXPECT_EQ(cardtest::count(cn(), "#TMP_COMBI", "OPZIONE1 = 'XS'"), 0);
    EXPECT_EQ(cardtest::count(cn(), "#TMP_COMBI", "OPZIONE1 = 'XXL'"), 1);
}

// The list's last row deleted with the Delete key, then its new row undone
// with Delete again: with no row left the state box takes nothing, until
// "Nuovo" starts a row.
TEST_F(Combinazioni, AListLeftWithoutRowsTakesNoStateUntilANewRow) {
    mostra("PANT-001");
    varianti("Taglia", "Lunghezza");
    ASSERT_EQ(tab.rsCombi()->recordCount(), 1);
    const std::string pant = "MG5W_CODART_MG66 = 'PANT-001' AND MG5W_TIPODEFAULT IS NULL";
    ASSERT_EQ(provstati(cn(), pant), 1);
    tab.GRD_COMBI->setFocus();
    cardtest::queueAnswer(common::vbYes);
    QTest::keyClick(tab.GRD_COMBI, Qt::Key_Delete);
    EXPECT_EQ(provstati(cn(), pant), 0);
    // The empty list waits for a new row, its boxes open.
    ASSERT_EQ(tab.FME_COMBI()->Status(), controls::RecordFrame::Entering);
    EXPECT_TRUE(tab.TXT_STATOCOMBI->isEnabled());

    // Delete on the new, empty row undoes it: nothing is left to edit.
    tab.GRD_COMBI->setFocus();
    QTest::keyClick(tab.GRD_COMBI, Qt::Key_Delete);
    EXPECT_EQ(tab.FME_COMBI()->Status(), controls::RecordFrame::Browse);
    EXPECT_EQ(tab.rsCombi()->recordCount(), 0);
    EXPECT_FALSE(tab.TXT_OPZIONE1->isEnabled());
    EXPECT_FALSE(tab.TXT_STATOCOMBI->isEnabled());
    EXPECT_FALSE(tab.CMD_ELIMINACOMBI->isEnabled());
    EXPECT_EQ(provstati(cn(), pant), 0);

    // "Nuovo" opens the boxes again and a complete row is stored.
    QTest::mouseClick(tab.GRIDNAV_COMBI->Button("Nuovo"), Qt::LeftButton);
    ASSERT_EQ(tab.FME_COMBI()->Status(), controls::RecordFrame::Entering);
    EXPECT_TRUE(tab.TXT_STATOCOMBI->isEnabled());
    for (auto [box, text] :
         {std::pair{tab.TXT_OPZIONE1.data(), "44"}, std::pair{tab.TXT_OPZIONE2.data(), "32"},
          std::pair{tab.TXT_STATOCOMBI.data(), "DISP"}}) {
        box->LineEdit()->setText(text);
        box->Decode();
    }
    EXPECT_EQ(provstati(cn(), pant + " AND MG5W_OPZIONE1_MG5E = '44' AND MG5W_OPZIONE2_MG5E = "
                                     "'32' AND MG5W_IDSTATOVAR_MG5V = 1"),
              1);
    EXPECT_TRUE(tab.TXT_STATOCOMBI->isEnabled());
}

TEST_F(Combinazioni, AStateWhoseOptionLeftTheGroupingStaysAndIsListed) {
    // ROS leaves COL-MAGLIA while the item still has XS/ROS in a state.
    cn().execute(
        "DELETE FROM MG5H_COMPRAGVAR WHERE MG5H_DITTA_CG18 = 1 AND MG5H_CODICEVAR_MG5F = 'A1' "
        "AND MG5H_RAGGR_MG5G = 'COL-MAGLIA' AND MG5H_OPZIONE_MG5E = 'ROS'");
    mostra("MAGLIA-001");
    presentazione(0);
    varianti("Taglia", "Colore");
    EXPECT_EQ(riga(*tab.rsCross(), "Colore", "ROS"), -1);  // no row for it
    EXPECT_EQ(tab.rsCross()->recordCount(), 4);
    scegli("BLU", "XS", "DISP");
    EXPECT_TRUE(cardtest::shownMessages().empty());  // its failed fill was no error
    EXPECT_EQ(combinazione(kArt, "XS", "ROS", "4"), 1);

    // Transposed, it has no column either.
    varianti("Colore", "Taglia");
    EXPECT_EQ(colonna(*tab.GRDX_COMBINAZIONI, "ROS"), -1);
    EXPECT_EQ(cellaCross("XS", "BLU"), "1");

    presentazione(1);
    const long r = riga(*tab.rsCombi(), "MG5W_OPZIONE2_MG5E", "ROS");
    ASSERT_GE(r, 0);
    EXPECT_EQ(cella(*tab.rsCombi(), r, "DESCR_OPZIONE2"), "Rosso bordeaux");
    EXPECT_EQ(combinazione(kArt, "XS", "ROS", "4"), 1);
}

TEST_F(Combinazioni, AnItemWithoutActiveVariantsShowsWhyAndBuildsNothing) {
    const long long prima = provstati(cn(), "1 = 1");
    mostra("MAGLIA-OLD");  // not managed by variants
    EXPECT_EQ(tab.CBO_TIPOVAR6_1->count(), 0);
    EXPECT_TRUE(tab.LBL_AVVISO->text().contains("non \u00e8 gestito a varianti"));
    presentazione(0);
    EXPECT_EQ(tab.rsCross(), nullptr);

    cn().execute(
        "UPDATE MG6B_GESVARART SET MG6B_FLGGESTVAR = 0 WHERE MG6B_CODART_MG66 = 'SCIARPA-001'");
    mostra("SCIARPA-001");
    EXPECT_EQ(tab.CBO_TIPOVAR6_1->count(), 0);
    EXPECT_TRUE(tab.LBL_AVVISO->text().contains("non ha varianti attive"));
    EXPECT_EQ(tab.rsCross(), nullptr);
    EXPECT_EQ(tab.variante1(), "");

    mostra("FILATO-MER");  // one active variant: nothing to combine
    EXPECT_EQ(tab.CBO_TIPOVAR6_1->count(), 1);
    EXPECT_TRUE(tab.LBL_AVVISO->text().contains("una sola variante attiva"));
    EXPECT_EQ(tab.rsCross(), nullptr);
    EXPECT_TRUE(cardtest::shownMessages().empty());
    EXPECT_EQ(provstati(cn(), "1 = 1"), prima);
}

TEST_F(Combinazioni, AFailedWriteIsReportedAndRetriedOrLeftUndone) {
    mostra("MAGLIA-001");
    presentazione(0);
    varianti("Taglia", "Colore");
    // Abort: nothing stored and the cell shows what is stored.
    cn().injectFault({"INSERT INTO MG5W_PROVSTATI", "08S01", 0, 1});
    scegli("BLU", "S", "DISP");
    EXPECT_TRUE(cardtest::shown("SalvaRecordCombinazione:"));
    EXPECT_EQ(combinazione(kArt, "S", "BLU"), 0);
    EXPECT_EQ(cellaCross("BLU", "S"), "");
    // Retry once the cause is gone: stored once.
    cardtest::clearMessages();
    cn().injectFault({"INSERT INTO MG5W_PROVSTATI", "08S01", 0, 1});
    cardtest::queueAnswer(common::vbRetry);
    scegli("BLU", "S", "DISP");
    EXPECT_TRUE(cardtest::shown("SalvaRecordCombinazione:"));
    EXPECT_EQ(combinazione(kArt, "S", "BLU", "1"), 1);
    EXPECT_EQ(cellaCross("BLU", "S"), "1");
    // The empty state whose delete fails, left or ignored: the row stays and
    // the cell shows its state, not an emptiness that is not stored.
    for (int risposta : {common::vbAbort, common::vbIgnore}) {
        cardtest::clearMessages();
        cn().injectFault({"DELETE FROM MG5W_PROVSTATI", "08S01", 0, 1});
        cardtest::queueAnswer(risposta);
        scegli("ROS", "XS", "");
        EXPECT_TRUE(cardtest::shown("SalvaRecordCombinazione:"));
        EXPECT_EQ(combinazione(kArt, "XS", "ROS", "4"), 1);
        EXPECT_EQ(cellaCross("ROS", "XS"), "4") << cardtest::answerName(risposta);
    }
}

}  // namespace
