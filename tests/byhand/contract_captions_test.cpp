// Grid captions go through the host's translation (TraduciColonne) on the
// real grids of the card: every grid that asks for it shows its columns'
// captions as the host translates them.

#include <map>
#include <set>

#include "common/item_card.h"
#include "platform/controls/data_grid.h"
#include "tests/byhand/contract_host.h"

namespace {

using contracttest::HostedCard;

// The grids of the card that translate their captions, and the tab showing each.
const std::map<std::string, int> kGrids = {
    {"GRDX_VARIANTI_SOURCE", common::kTabGestioneVarianti},
    {"GRDX_VARIANTI_DESTI", common::kTabGestioneVarianti},
    {"GRD_VARIANTI", common::kTabAttivazioneVarianti},
    {"GRD_ARTCLI", common::kTabArtcli},
    {"GRD_ARTFOR", common::kTabArtfor},
    {"QGRID_GENERAD", common::kTabGenerad},
};

struct Captions : HostedCard {
    // Every caption of the named grids, after their tabs were shown.
    std::map<std::string, std::vector<std::string>> captions() {
        choose("MAGLIA-001");
        std::set<int> tabs;
        for (const auto& [name, tab] : kGrids)
            tabs.insert(tab);
        for (int tab : tabs)
            w->selectTab(tab);
        std::map<std::string, std::vector<std::string>> out;
        for (const auto& [name, tab] : kGrids) {
            auto* grid = w->findChild<controls::DataGrid*>(QString::fromStdString(name));
            EXPECT_NE(grid, nullptr) << name;
            if (!grid)
                continue;
            for (int i = 0; i < grid->Columns().Count(); ++i) {
                out[name].push_back(grid->Columns()[i].Caption().toStdString());
                EXPECT_EQ(grid->model()->headerData(i, Qt::Horizontal).toString(),
                          grid->Columns()[i].Caption());
            }
        }
        return out;
    }
};

TEST_F(Captions, EveryGridThatAsksShowsTheHostsTranslationOfItsCaptions) {
    open();
    const auto italian = captions();
    card->CloseForm();

    // The host's catalogue translates every caption seen.
    framework::Catalogue translated = catalogue();
    for (const auto& [name, list] : italian)
        for (const auto& caption : list)
            if (!caption.empty())
                translated.AddTranslation(caption, "EN " + caption);
    global.SetMultilingua(framework::Multilingual(std::move(translated)));
    open();
    const auto shown = captions();
    for (const auto& [name, list] : italian) {
        ASSERT_EQ(shown.at(name).size(), list.size()) << name;
        EXPECT_FALSE(list.empty()) << name;
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (!list[i].empty()) {
                EXPECT_EQ(shown.at(name)[i], "EN " + list[i]) << name << " column " << i;
            }
        }
    }
}

}  // namespace
