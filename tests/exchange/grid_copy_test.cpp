// Copying from a grid over the demo database, as a user does with Ctrl+C
// and the context menu: the selected row (or the current one), codes
// without their padding, numbers with Italian separators, as tab-separated
// text and as an HTML table.

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QWidget>

#include "platform/controls/data_grid.h"
#include "platform/controls/grid_exchange.h"
#include "platform/db/recordset.h"
#include "tests/exchange/exchange_test_support.h"

namespace {

using controls::DataGrid;
using controls::GridExchange;

// Sizes of variant A0 with a quantity, a price and a date beside each.
struct GridCopy : ::testing::Test {
    void SetUp() override {
        exchangetest::openDemo(cn);
        rs.open(
            "SELECT CONVERT(CHAR(20), MG5E_OPZIONE) AS MG5E_OPZIONE, MG5E_DESCR, "
            "CONVERT(DECIMAL(18,3), 1234.5) AS QTA, CONVERT(DECIMAL(18,2), -7.25) AS PREZZO, "
            "MG5V_DATAINIZIO AS DATA FROM MG5E_OPZIONI CROSS JOIN MG5V_STATIVAR WHERE "
            "MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = 'A0' AND MG5E_OPZIONE IN ('44', 'M', "
            "'XS') AND MG5V_IDSTATOVAR = 2 ORDER BY MG5E_OPZIONE",
            cn);
        grid = new DataGrid(&top);
        grid->setObjectName("GRD_PROVA");
        auto& cols = grid->Columns();
        cols.Add("MG5E_OPZIONE", "Opzione");
        cols.Add("MG5E_DESCR", "Descrizione");
        cols.Add("QTA", "Quantità").SetNumberFormat(3, true);
        cols.Add("PREZZO", "Prezzo").SetNumberFormat(2);
        cols.Add("DATA", "Data").SetDateFormat("dd/MM/yyyy");
        grid->SetDataSource(&rs);
        top.resize(600, 300);
        grid->resize(600, 300);
        top.show();
        grid->setFocus();
        QApplication::processEvents();
    }
    QString clipboard() { return QApplication::clipboard()->text(); }
    QAction* action(QMenu* menu, const QString& text) {
        for (QAction* a : menu->actions())
            if (a->text() == text)
                return a;
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }
    db::Connection cn;
    db::Recordset rs;
    QWidget top;
    DataGrid* grid = nullptr;
};

TEST_F(GridCopy, CtrlCCopiesTheCurrentRowAsShown) {
    const std::string descr44 = rs.valueAt(0, 1).toText();
    grid->SetCurrentRow(0);
    grid->selectionModel()->clearSelection();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard().toStdString(), "44\t" + descr44 + "\t1.234,500\t-7,25\t01/09/2026\r\n");
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasHtml());
    EXPECT_TRUE(data->html().startsWith("<table><tr>"));
    EXPECT_TRUE(data->html().contains(">44</td>"));
    EXPECT_TRUE(data->html().contains("<td align=\"right\">1.234,500</td>"));

    // A row clicked is the selection; the menu copies it with the captions.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(2, 1)).center());
    std::unique_ptr<QMenu> menu(GridExchange::Of(grid)->ContextMenu(&top));
    for (const char* text : {"Copia", "Copia con intestazioni", "Esporta in Excel\u2026",
                             "Esporta in CSV\u2026", "Stampa / PDF\u2026"})
        EXPECT_NE(action(menu.get(), QString::fromUtf8(text)), nullptr);
    // Nothing is pasted into a grid whose owner takes nothing in.
    for (QAction* a : menu->actions())
        EXPECT_NE(a->text(), "Incolla");
    action(menu.get(), "Copia con intestazioni")->trigger();
    const QStringList lines = clipboard().split("\r\n");
    ASSERT_EQ(lines.size(), 3);  // captions, the row, the end
    EXPECT_EQ(lines[0], "Opzione\tDescrizione\tQuantità\tPrezzo\tData");
    EXPECT_TRUE(lines[1].startsWith("XS\t"));
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->html().contains("<th>Quantità</th>"));
}

TEST_F(GridCopy, TextsWithTabsQuotesAndLineBreaksStayOneCell) {
    db::Recordset odd;
    odd.open("SELECT 'a\tb' AS A, 'dice \"no\"' AS B, 'due' + CHAR(10) + 'righe' AS C", cn);
    grid->Columns().Clear();
    grid->SetDataSource(&odd);
    grid->SetCurrentRow(0);
    GridExchange::Of(grid)->Copy(false);
    EXPECT_EQ(clipboard(), "a b\t\"dice \"\"no\"\"\"\t\"due\nrighe\"\r\n");
    grid->SetDataSource(nullptr);
}

}  // namespace
