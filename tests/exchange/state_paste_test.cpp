// Pasting and importing blocks of state codes into the cross grid of the
// combinations tab, on the demo data: MAGLIA-001 manages Taglia (A0,
// grouping TG-LETTERE: XS S M L XL XXL, the columns) and Colore (A1,
// grouping COL-MAGLIA, the rows).

#include "states/state_paste.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QTest>

#include "common/window_services.h"
#include "platform/controls/grid_exchange.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/exchange/xlsx_reader.h"
#include "states/state_grid.h"
#include "states/stati_combinazione_tab.h"
#include "tests/exchange/exchange_test_support.h"
#include "tests/states/states_test_support.h"
#include "tests/support/tab_test.h"

namespace {

using cardtest::queueAnswer;
using cardtest::shown;
using controls::GridExchange;

constexpr const char* kTutte =
    "SELECT MG5W_CODART_MG66, MG5W_CODICEVAR1_MG5F, MG5W_OPZIONE1_MG5E, MG5W_CODICEVAR2_MG5F, "
    "MG5W_OPZIONE2_MG5E, MG5W_IDSTATOVAR_MG5V, MG5W_TIPODEFAULT FROM MG5W_PROVSTATI ORDER BY 1, "
    "2, 3, 4, 5, 7";

struct StatePaste : cardtest::TabTest<states::StatiCombinazioneTab, common::kTabStatiCombinazione> {
    void SetUp() override {
        TabTest::SetUp();
        show("MAGLIA-001");
        tab.CBO_TIPOCOMBINAZIONE->setCurrentIndex(0);
        tab.CBO_TIPOCOMBINAZIONE_Click();
        tab.CBO_TIPOVAR6_2->setCurrentIndex(tab.CBO_TIPOVAR6_2->findText("Colore"));
        tab.CBO_TIPOVAR6_2_Click();
        ASSERT_NE(tab.rsCross(), nullptr);
        card.widget()->resize(900, 500);
        tab.GRDX_COMBINAZIONI->resize(880, 400);
    }
    GridExchange& scambio() { return *GridExchange::Of(tab.GRDX_COMBINAZIONI); }
    long riga(const std::string& opzione) {
        return statestest::riga(*tab.rsCross(), tab.rsCross()->field(0).name, opzione);
    }
    int colonna(const std::string& opzione) {
        return statestest::colonna(*tab.GRDX_COMBINAZIONI, opzione);
    }
    // The code of the state a cell shows ("" for none).
    std::string cella(const std::string& rowOption, const std::string& columnOption) {
        const db::Value v =
            tab.rsCross()->valueAt(riga(rowOption), tab.rsCross()->fieldIndex(columnOption));
        return scambio().CodeOf(v).toStdString();
    }
    // The state stored for the item's combination ("" for none).
    std::string stored(const std::string& taglia, const std::string& colore) {
        const db::Value v = cardtest::scalar(
            cn(),
            "SELECT MG5V_CODICE FROM MG5W_PROVSTATI INNER JOIN MG5V_STATIVAR ON MG5V_IDSTATOVAR "
            "= MG5W_IDSTATOVAR_MG5V WHERE MG5W_DITTA_CG18 = 1 AND MG5W_CODART_MG66 = "
            "'MAGLIA-001' AND MG5W_CODICEVAR1_MG5F = 'A0' AND MG5W_OPZIONE1_MG5E = '" +
                taglia + "' AND MG5W_CODICEVAR2_MG5F = 'A1' AND MG5W_OPZIONE2_MG5E = '" + colore +
                "' AND MG5W_TIPODEFAULT IS NULL");
        return cardtest::text(v);
    }
    std::string prima() { return cardtest::snapshot(cn(), kTutte); }
    // Puts the text on the clipboard and presses Ctrl+V on the cell.
    void incolla(const std::string& rowOption, const std::string& columnOption,
                 const QString& text) {
        tab.GRDX_COMBINAZIONI->setCurrentIndex(tab.GRDX_COMBINAZIONI->model()->index(
            static_cast<int>(riga(rowOption)), colonna(columnOption)));
        QApplication::clipboard()->setText(text);
        tab.GRDX_COMBINAZIONI->setFocus();
        QTest::keyClick(tab.GRDX_COMBINAZIONI, Qt::Key_V, Qt::ControlModifier);
    }
    std::string primoColore() { return cardtest::text(tab.rsCross()->valueAt(0, 0)); }
    std::string secondoColore() { return cardtest::text(tab.rsCross()->valueAt(1, 0)); }
};

TEST_F(StatePaste, CopiedCellsCarryTheirStateCodes) {
    const std::string c0 = primoColore();
    queueAnswer(common::vbYes);
    incolla(c0, "S", "DISP\tESAUR");
    ASSERT_EQ(cella(c0, "S"), "DISP");
    tab.GRDX_COMBINAZIONI->SetCurrentRow(riga(c0));
    tab.GRDX_COMBINAZIONI->selectionModel()->clearSelection();
    scambio().Copy(false);
    const QStringList cells = QApplication::clipboard()->text().trimmed().split('\t');
    ASSERT_GE(cells.size(), 4);
    EXPECT_EQ(cells[0].toStdString(), c0);
    EXPECT_EQ(cells[3], "DISP");  // XS, then S
    EXPECT_EQ(cells[4], "ESAUR");

    // A block of cells selected: just those, with the captions when asked.
    const std::string c1 = secondoColore();
    queueAnswer(common::vbYes);
    incolla(c1, "S", "CAMP");
    auto* model = tab.GRDX_COMBINAZIONI->model();
    const int s = colonna("S");
    tab.GRDX_COMBINAZIONI->selectionModel()->select(
        QItemSelection(model->index(static_cast<int>(riga(c0)), s),
                       model->index(static_cast<int>(riga(c1)), s + 1)),
        QItemSelectionModel::ClearAndSelect);
    scambio().Copy(true);
    const QStringList lines = QApplication::clipboard()->text().split("\r\n");
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("S-")) << lines[0].toStdString();
    EXPECT_EQ(lines[1], "DISP\tESAUR");
    EXPECT_EQ(lines[2], "CAMP\t");
}

TEST_F(StatePaste, UnknownCodesAndCellsOutsideAreListedAndNothingIsWrittenUntilConfirmed) {
    const std::string c0 = primoColore(), c1 = secondoColore();
    const std::string before = prima();
    const long righe = tab.rsCross()->recordCount();
    // S and M of the first two colours; XY is no state; the third column
    // of the block falls past XXL's right when pasted at XL.
    queueAnswer(common::vbOK);
    queueAnswer(common::vbNo);
    incolla(c0, "XL", "DISP\tBLOCC\tESAUR\r\nXY\t\t\r\n");
    EXPECT_TRUE(shown("[x91904x]"));
    EXPECT_TRUE(shown("riga 1, colonna 3: fuori dalla griglia"));
    EXPECT_TRUE(shown("riga 2, colonna 1: codice di stato \"XY\" sconosciuto"));
    EXPECT_TRUE(
        shown("[x91906x] Celle da modificare: 2. Celle da svuotare: 0. Celle rifiutate: 2."));
    EXPECT_EQ(prima(), before);  // answered No: nothing written

    cardtest::clearMessages();
    queueAnswer(common::vbOK);
    queueAnswer(common::vbYes);
    incolla(c0, "XL", "DISP\tBLOCC\tESAUR\r\nXY\t\t\r\n");
    EXPECT_EQ(stored("XL", c0), "DISP");
    EXPECT_EQ(stored("XXL", c0), "BLOCC");
    EXPECT_EQ(cella(c0, "XL"), "DISP");  // the grid shows what is stored
    EXPECT_EQ(cella(c0, "XXL"), "BLOCC");
    EXPECT_EQ(tab.rsCross()->recordCount(), righe);

    // Blank cells clear; the same codes again change nothing.
    cardtest::clearMessages();
    queueAnswer(common::vbYes);
    incolla(c0, "XL", "\tBLOCC");
    EXPECT_TRUE(shown("Celle da modificare: 0. Celle da svuotare: 1. Celle rifiutate: 0."));
    EXPECT_EQ(stored("XL", c0), "");
    EXPECT_EQ(stored("XXL", c0), "BLOCC");
    cardtest::clearMessages();
    incolla(c0, "XL", "\tblocc");  // codes are found whatever their case
    EXPECT_TRUE(shown("[x91905x] Nessuna cella da modificare."));
}

const char* nomeRisposta(int answer) {
    return answer == common::vbAbort ? "abort" : answer == common::vbRetry ? "retry" : "ignore";
}

TEST_F(StatePaste, AFaultAtAnyStatementLeavesTheMatrixAsItWas) {
    const std::string c0 = primoColore(), c1 = secondoColore();
    // Four cells: three set (a DELETE and an INSERT each), one cleared.
    queueAnswer(common::vbYes);
    incolla(c0, "M", "ESAUR");
    cardtest::clearMessages();
    const std::string before = prima();
    const QString block = "DISP\tBLOCC\r\nCAMP\t\r\n";
    int statements = 0;
    for (const char* statement : {"DELETE FROM MG5W_PROVSTATI", "INSERT INTO MG5W_PROVSTATI"}) {
        for (int skip : {0, 1, 2}) {
            for (int answer : {common::vbAbort, common::vbRetry, common::vbIgnore}) {
                SCOPED_TRACE(std::string(statement) + " #" + std::to_string(skip + 1) + " / " +
                             nomeRisposta(answer));
                cn().clearFaults();
                cardtest::clearMessages();
                cn().injectFault({statement, "08S01", skip, 1});
                queueAnswer(common::vbYes);
                queueAnswer(answer);
                incolla(c0, "L", block);
                EXPECT_TRUE(shown("IncollaStatiCombinazione: "));
                EXPECT_EQ(cn().transactionDepth(), 0);
                if (answer == common::vbRetry) {
                    EXPECT_EQ(stored("L", c0), "DISP");
                    EXPECT_EQ(stored("XL", c0), "BLOCC");
                    EXPECT_EQ(stored("L", c1), "CAMP");
                    EXPECT_EQ(stored("M", c0), "ESAUR");
                    // Back to the start for the next case.
                    cn().clearFaults();
                    queueAnswer(common::vbYes);
                    incolla(c0, "L", "\t\r\n\t");
                    EXPECT_EQ(prima(), before);
                } else {
                    EXPECT_EQ(prima(), before);
                }
                EXPECT_EQ(cella(c0, "L"), stored("L", c0));
                ++statements;
            }
        }
    }
    EXPECT_EQ(statements, 18);
}

TEST_F(StatePaste, AnExportedMatrixReadBackChangesNothing) {
    const std::string c0 = primoColore(), c1 = secondoColore();
    queueAnswer(common::vbYes);
    incolla(c0, "XS", "DISP\tNOVITA\t\tBLOCC\r\nCAMP\t\tESAUR");
    cardtest::clearMessages();
    QTemporaryDir dir;
    const QString xlsx = dir.filePath("matrice.xlsx");
    ASSERT_TRUE(scambio().ExportXlsx(xlsx));

    const states::StateTarget d{
        tab.GRDX_COMBINAZIONI, "IncollaStatiCombinazione",
        [this](int c) { return c >= 2 ? tab.GRDX_COMBINAZIONI->Columns().Item(c).Field() : ""; },
        nullptr, nullptr};
    const auto righe = exchange::ReadTableFile(xlsx.toStdString());
    const states::StateBlock blocco = states::DecodeStateBlock(card, d, righe, true);
    EXPECT_TRUE(blocco.celle.empty());
    EXPECT_TRUE(blocco.rifiutate.empty());
    const long celle = tab.rsCross()->recordCount() * (tab.rsCross()->fieldCount() - 2);
    EXPECT_EQ(blocco.invariate, celle);

    // Imported as a user does: 0 cells to change.
    {
        exchangetest::ChosenFile chosen(xlsx);
        scambio().Import();
    }
    EXPECT_TRUE(shown("[x91905x] Nessuna cella da modificare."));

    // The same through CSV, after a change in the grid: one cell to write back.
    const QString csv = dir.filePath("matrice.csv");
    ASSERT_TRUE(scambio().ExportCsv(csv));
    queueAnswer(common::vbYes);
    incolla(c1, "XS", " ");
    ASSERT_EQ(stored("XS", c1), "");
    cardtest::clearMessages();
    queueAnswer(common::vbYes);
    scambio().ImportFile(csv);
    EXPECT_TRUE(shown("Celle da modificare: 1. Celle da svuotare: 0. Celle rifiutate: 0."));
    EXPECT_EQ(stored("XS", c1), "CAMP");
}

}  // namespace
