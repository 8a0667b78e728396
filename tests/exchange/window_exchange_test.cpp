// The grids of the real card window: their exports are named after the
// tab, the print's header line names the company, the item and the tab,
// and their messages go through the card's message service.

#include <gtest/gtest.h>

#include <QDate>
#include <QTemporaryDir>

#include "platform/controls/data_grid.h"
#include "platform/controls/grid_exchange.h"
#include "platform/exchange/xlsx_reader.h"
#include "states/state_grid.h"
#include "states/stati_combinazione_tab.h"
#include "tests/support/test_card.h"
#include "tests/window/card_window.h"

namespace {

struct WindowExchange : cardtest::CardWindowTest {};

TEST_F(WindowExchange, SheetsAndHeadersNameTheTabAndTheItem) {
    choose("MAGLIA-001");
    w->selectTab(common::kTabStatiCombinazione);
    auto& tab = *static_cast<states::StatiCombinazioneTab*>(w->tab(common::kTabStatiCombinazione));
    controls::GridExchange& x = *controls::GridExchange::Of(tab.GRDX_COMBINAZIONI);
    EXPECT_EQ(x.TabCaption(), "Stati per combinazione");
    const QString header = x.HeaderLine();
    EXPECT_TRUE(header.startsWith("Ditta 1")) << header.toStdString();
    EXPECT_TRUE(header.contains(" - Articolo MAGLIA-001 ")) << header.toStdString();
    EXPECT_TRUE(header.endsWith(" - Stati per combinazione - " +
                                QDate::currentDate().toString("dd/MM/yyyy")))
        << header.toStdString();

    // The options grid of the options tab: its sheet is the tab's.
    w->selectTab(common::kTabGestioneVarianti);
    QTemporaryDir dir;
    auto* opzioni = w->findChild<controls::DataGrid*>("GRDX_VARIANTI_SOURCE");
    ASSERT_NE(opzioni, nullptr);
    ASSERT_TRUE(controls::GridExchange::Of(opzioni)->ExportXlsx(dir.filePath("o.xlsx")));
    EXPECT_EQ(exchange::ReadXlsx(dir.filePath("o.xlsx").toStdString()).front().name,
              "Gestione varianti");
    // A file that cannot be written: the card's numbered message.
    cardtest::clearMessages();
    EXPECT_FALSE(controls::GridExchange::Of(opzioni)->ExportCsv("/nonexistent/o.csv"));
    EXPECT_TRUE(cardtest::shown("[x91901x] Impossibile scrivere il file /nonexistent/o.csv"));
}

}  // namespace
