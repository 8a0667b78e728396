// The progressives grid of MAGLIA-001 on the demo data exported as it is
// painted: the totals of a warehouse read "Totale deposito" and are bold,
// quantities are numbers.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <set>
#include <sstream>

#include "platform/controls/data_grid.h"
#include "platform/controls/grid_exchange.h"
#include "platform/db/recordset.h"
#include "progressives/progressivi_tab.h"
#include "tests/exchange/exchange_test_support.h"
#include "tests/support/test_card.h"

namespace {

TEST(ProgressivesExport, TotalsOfAWarehouseAreBoldAsOnScreen) {
    cardtest::clearMessages();
    cardtest::TestCard card;
    auto& tab = card.addTab<progressives::ProgressiviTab>(common::kTabProgressivi);
    card.showItem("MAGLIA-001");
    tab.load();
    controls::DataGrid& grid = *tab.QGRID_PROGRESSIVI;
    ASSERT_NE(grid.DataSource(), nullptr);
    ASSERT_GT(grid.model()->rowCount(), 0);
    QTemporaryDir dir;
    const QString path = dir.filePath("progressivi.xlsx");
    ASSERT_TRUE(controls::GridExchange::Of(&grid)->ExportXlsx(path));
    const std::string out =
        exchangetest::output("python3 " + std::string(VELDRANO_SOURCE_DIR) +
                             "/tests/exchange/read_xlsx.py " + path.toStdString() + " 2>&1");
    // Row numbers of the cells reading "Totale deposito", and of bold cells
    // below the captions.
    std::istringstream lines(out);
    std::string line;
    int totali = 0, grassetto = 0, numeri = 0;
    std::set<std::string> righeTotali, righeGrassetto;
    while (std::getline(lines, line)) {
        const auto tab1 = line.find('\t');
        if (tab1 == std::string::npos)
            continue;
        const std::string ref = line.substr(0, tab1);
        const std::string row = ref.substr(ref.find_first_of("0123456789"));
        if (row == "1")
            continue;
        if (line.find("\tTotale deposito") != std::string::npos) {
            ++totali;
            righeTotali.insert(row);
        }
        if (line.substr(tab1 + 1, 4) == "n\tb\t") {
            ++grassetto;
            righeGrassetto.insert(row);
        }
        if (line.substr(tab1 + 1, 2) == "n\t")
            ++numeri;
    }
    EXPECT_GT(totali, 0) << out;
    EXPECT_GT(numeri, grassetto) << out;
    EXPECT_EQ(righeGrassetto, righeTotali) << out;
}

}  // namespace
