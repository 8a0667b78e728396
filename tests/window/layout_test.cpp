// The item card's layout with every real tab: grids that stay usable from
// 1024x768 to 3840x2160, the split regions of tabs 1, 5 and 9 laid out on a
// tab switch and left alone once the user placed them, and the layout kept
// by the host's layout model and given back to the next window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>

#include "common/item_card.h"
#include "demo/demo_database.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/split_region.h"
#include "platform/db/connection.h"
#include "platform/framework/object_models.h"
#include "tests/support/test_card.h"
#include "tests/window/card_window.h"
#include "window/frmmg_veldrano.h"

namespace {

struct Layout : cardtest::DemoFileTest {
    void SetUp() override { cardtest::clearMessages(); }

    // A window as ShowForm makes it, registered with the model when given.
    std::unique_ptr<card::FRMMG_VELDRANO> open(framework::LayoutModel* model = nullptr,
                                               QSize size = {}) {
        auto w = std::make_unique<card::FRMMG_VELDRANO>();
        w->setContext("Data Source=" + path, "1");
        w->Form_Load();
        if (size.isValid())
            w->resize(size);
        if (model)
            model->Register(w.get(), "VELDRANO");
        w->show();
        w->Form_Activate();
        QApplication::processEvents();
        return w;
    }
    static void choose(card::FRMMG_VELDRANO& w, const std::string& code) {
        w.TXT_CODART()->setText(QString::fromStdString(code));
        w.TXT_CODART_Confirm(code);
        QApplication::processEvents();
    }
    static void show(card::FRMMG_VELDRANO& w, int tab) {
        w.selectTab(tab);
        QApplication::processEvents();
    }
    static controls::SplitRegion* region(card::FRMMG_VELDRANO& w, const char* name) {
        return w.findChild<controls::SplitRegion*>(name);
    }
    // As the user drags a bar: the sizes change and the region says it moved.
    static void drag(controls::SplitRegion* r, const QList<int>& sizes) {
        r->SetPaneSizes(sizes);
        emit r->splitterMoved(sizes[0], 1);
    }
};

// Rows and columns a grid shows without scrolling.
struct Visible {
    int rows = 0, columns = 0;
};
Visible visibleOf(const QTableView& grid) {
    Visible v;
    const int rowHeight = std::max(1, grid.verticalHeader()->defaultSectionSize());
    v.rows = grid.viewport()->height() / rowHeight;
    const QHeaderView* header = grid.horizontalHeader();
    for (int c = 0; c < header->count(); ++c)
        if (!header->isSectionHidden(c) && header->sectionViewportPosition(c) >= 0 &&
            header->sectionViewportPosition(c) < grid.viewport()->width())
            ++v.columns;
    return v;
}

TEST_F(Layout, EveryGridStaysUsableFrom1024x768To4K) {
    for (const QSize size : {QSize(1024, 768), QSize(3840, 2160)}) {
        SCOPED_TRACE(size.width());
        auto w = open(nullptr, size);
        choose(*w, "MAGLIA-001");
        ASSERT_EQ(w->currentItem(), "MAGLIA-001");
        for (int tab = 0; tab < common::kTabCount; ++tab) {
            SCOPED_TRACE(tab);
            show(*w, tab);
            ASSERT_EQ(w->currentTab(), tab);
            // Nothing of any tab asks for more room than the window has.
            EXPECT_EQ(w->size(), size);
            QWidget* page = w->page(tab);
            int grids = 0, tallest = 0;
            for (QTableView* grid : page->findChildren<QTableView*>()) {
                if (!grid->isVisibleTo(w.get()))
                    continue;
                ++grids;
                const Visible v = visibleOf(*grid);
                EXPECT_GE(v.rows, 3) << grid->objectName().toStdString();
                EXPECT_GE(v.columns,
                          std::min(2, grid->horizontalHeader()->count() -
                                          grid->horizontalHeader()->hiddenSectionCount()))
                    << grid->objectName().toStdString();
                EXPECT_GE(grid->viewport()->width(), 150) << grid->objectName().toStdString();
                tallest = std::max(tallest, grid->height());
            }
            // The grids take the room a larger window gives.
            if (grids > 0) {
                EXPECT_GE(tallest, size.height() / 4);
            }
        }
        EXPECT_TRUE(cardtest::shownMessages().empty());
    }
}

TEST_F(Layout, SplitRegionsAreLaidOutOnTabSwitchAndKeptOnceTheUserMovesThem) {
    auto w = open(nullptr, QSize(1600, 900));
    choose(*w, "MAGLIA-001");

    show(*w, common::kTabGestioneVarianti);
    controls::SplitRegion* r1 = region(*w, "SplitRegion1");
    ASSERT_NE(r1, nullptr);
    ASSERT_EQ(r1->count(), 3);
    QList<int> s = r1->PaneSizes();
    // The two lists share the width; the commands between them keep their own.
    EXPECT_NEAR(s[0], s[2], 4);
    EXPECT_LT(s[1], s[0] / 2);
    EXPECT_GT(s[1], 0);

    show(*w, common::kTabStatiVariante);
    controls::SplitRegion* r5 = region(*w, "SplitRegion5");
    ASSERT_NE(r5, nullptr);
    s = r5->PaneSizes();
    ASSERT_EQ(s.size(), 2);
    EXPECT_NEAR(s[1], 2 * s[0], 8);  // groupings above, options below

    // The duplication pane shares tab 9 only while it is shown.
    show(*w, common::kTabGestioni);
    controls::SplitRegion* rd = region(*w, "SplitRegionDupl");
    ASSERT_NE(rd, nullptr);
    QWidget* dupl = rd->widget(1);
    EXPECT_TRUE(dupl->isHidden());
    EXPECT_EQ(rd->PaneSizes()[1], 0);
    dupl->show();
    QApplication::processEvents();
    s = rd->PaneSizes();
    EXPECT_NEAR(s[1], 3 * s[0], 12);

    // A larger window keeps the proportions.
    w->resize(1900, 1000);
    QApplication::processEvents();
    show(*w, common::kTabGestioneVarianti);
    s = r1->PaneSizes();
    EXPECT_NEAR(s[0], s[2], 8);

    // The user's split stays as placed across tab switches and resizes.
    const int width = s[0] + s[1] + s[2];
    drag(r1, {width * 2 / 3 - s[1], s[1], width - width * 2 / 3});
    EXPECT_TRUE(r1->UserPlaced());
    show(*w, common::kTabDatiAnagrafici);
    w->resize(1700, 1000);
    QApplication::processEvents();
    show(*w, common::kTabGestioneVarianti);
    s = r1->PaneSizes();
    EXPECT_GT(s[0], s[2] * 3 / 2);
}

TEST_F(Layout, TheHostsModelKeepsTheLayoutAndASecondWindowGetsItBack) {
    QTemporaryDir settings;
    const QString ini = settings.filePath("host.ini");
    QList<int> placed1, placedSide;
    {
        framework::LayoutModel model(std::make_unique<QSettings>(ini, QSettings::IniFormat));
        auto w = open(&model, QSize(1700, 850));
        choose(*w, "MAGLIA-001");
        show(*w, common::kTabGestioneVarianti);
        controls::SplitRegion* r1 = region(*w, "SplitRegion1");
        QList<int> s = r1->PaneSizes();
        const int width = s[0] + s[1] + s[2];
        drag(r1, {width * 2 / 3 - s[1], s[1], width - width * 2 / 3});
        controls::SplitRegion* side = region(*w, "SplitRegionSidebar");
        QList<int> t = side->PaneSizes();
        drag(side, {t[0] + 60, t[1] - 60});
        placed1 = r1->PaneSizes();
        placedSide = side->PaneSizes();
        // Closing the window hands its layout to the model.
        w->close();
        EXPECT_TRUE(w->unloaded());
    }
    {
        // The component wrote nothing of its own: only the host's file holds it.
        QSettings stored(ini, QSettings::IniFormat);
        EXPECT_TRUE(stored.contains("layout/VELDRANO/geometry"));
        EXPECT_TRUE(stored.contains("layout/VELDRANO/state"));
    }
    {
        framework::LayoutModel model(std::make_unique<QSettings>(ini, QSettings::IniFormat));
        auto w = open(&model);
        EXPECT_EQ(w->size(), QSize(1700, 850));
        choose(*w, "MAGLIA-001");
        show(*w, common::kTabGestioneVarianti);
        QList<int> s = region(*w, "SplitRegion1")->PaneSizes();
        ASSERT_EQ(s.size(), 3);
        EXPECT_NEAR(s[0], placed1[0], 2);
        EXPECT_NEAR(s[2], placed1[2], 2);
        EXPECT_NEAR(region(*w, "SplitRegionSidebar")->PaneSizes()[0], placedSide[0], 2);
        // Tabs never moved by the user keep their proportions.
        show(*w, common::kTabStatiVariante);
        QList<int> s5 = region(*w, "SplitRegion5")->PaneSizes();
        EXPECT_NEAR(s5[1], 2 * s5[0], 8);
    }
    // A layout that is not the window's own is ignored, not misread.
    {
        QSettings stored(ini, QSettings::IniFormat);
        stored.setValue("layout/VELDRANO/state", QByteArray("non e' un layout"));
        stored.sync();
    }
    {
        framework::LayoutModel model(std::make_unique<QSettings>(ini, QSettings::IniFormat));
        auto w = open(&model, QSize(1700, 850));
        choose(*w, "MAGLIA-001");
        show(*w, common::kTabGestioneVarianti);
        QList<int> s = region(*w, "SplitRegion1")->PaneSizes();
        EXPECT_NEAR(s[0], s[2], 4);
        EXPECT_TRUE(cardtest::shownMessages().empty());
    }
}

// What a user makes of a grid (a column's width, the columns' order, a sort)
// stays with the grid when it is loaded again and goes to the host's model
// under the window's and the grid's names; a grid whose order is the data's
// own (a grouping's composition) neither sorts nor keeps a sort.
TEST_F(Layout, EachGridKeepsItsUsersWidthsOrderAndSortUnderItsLayoutKey) {
    QTemporaryDir settings;
    const QString ini = settings.filePath("host.ini");
    auto grid = [](card::FRMMG_VELDRANO& w, const char* name) {
        return w.findChild<controls::DataGrid*>(name);
    };
    auto column = [](controls::DataGrid* g, const char* key) {
        for (int i = 0; i < g->Columns().Count(); ++i)
            if (g->Columns()[i].Key() == QLatin1String(key))
                return i;
        return -1;
    };
    auto firstOption = [](controls::DataGrid* g, int c) { return g->CellText(0, c); };
    QString lastOption;
    {
        framework::LayoutModel model(std::make_unique<QSettings>(ini, QSettings::IniFormat));
        auto w = open(&model, QSize(1400, 850));
        choose(*w, "MAGLIA-001");
        show(*w, common::kTabGestioneVarianti);
        controls::DataGrid* source = grid(*w, "GRDX_VARIANTI_SOURCE");
        ASSERT_NE(source, nullptr);
        ASSERT_GT(source->DataSource()->recordCount(), 1);
        const int option = column(source, "MG5E_OPZIONE");
        const int descr = column(source, "MG5E_DESCR");
        ASSERT_GE(option, 0);
        // As the user drags a border and a header, and clicks a header twice.
        source->horizontalHeader()->resizeSection(option, 171);
        source->horizontalHeader()->moveSection(source->horizontalHeader()->visualIndex(descr), 0);
        source->ClickHeader(option);
        source->ClickHeader(option);
        EXPECT_EQ(source->SortOrder(), Qt::DescendingOrder);
        lastOption = firstOption(source, option);
        // Loaded again (another item and back): as the user left it.
        choose(*w, "CAMICIA-001");
        choose(*w, "MAGLIA-001");
        show(*w, common::kTabGestioneVarianti);
        EXPECT_EQ(source->columnWidth(option), 171);
        EXPECT_EQ(source->horizontalHeader()->visualIndex(descr), 0);
        EXPECT_EQ(source->SortColumn(), option);
        EXPECT_EQ(firstOption(source, option), lastOption);
        // The composition's order is the grouping's: a header click sorts nothing.
        controls::DataGrid* composition = grid(*w, "GRDX_VARIANTI_DESTI");
        ASSERT_NE(composition, nullptr);
        composition->ClickHeader(1);
        EXPECT_EQ(composition->SortColumn(), -1);
        w->close();
    }
    {
        QSettings stored(ini, QSettings::IniFormat);
        EXPECT_TRUE(stored.contains("layout/FRMMG_VELDRANO.GRDX_VARIANTI_SOURCE"));
    }
    {
        framework::LayoutModel model(std::make_unique<QSettings>(ini, QSettings::IniFormat));
        auto w = open(&model);
        choose(*w, "MAGLIA-001");
        show(*w, common::kTabGestioneVarianti);
        controls::DataGrid* source = grid(*w, "GRDX_VARIANTI_SOURCE");
        const int option = column(source, "MG5E_OPZIONE");
        EXPECT_EQ(source->columnWidth(option), 171);
        EXPECT_EQ(source->horizontalHeader()->visualIndex(column(source, "MG5E_DESCR")), 0);
        EXPECT_EQ(source->SortColumn(), option);
        EXPECT_EQ(source->SortOrder(), Qt::DescendingOrder);
        EXPECT_EQ(firstOption(source, option), lastOption);
    }
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

// Tabs are built when first shown: a window that never shows a tab gives
// the host back the tab's layout as it received it.
TEST_F(Layout, ATabNotShownKeepsTheLayoutItWasGivenBack) {
    QTemporaryDir settings;
    const QString ini = settings.filePath("host.ini");
    QList<int> placed;
    {
        framework::LayoutModel model(std::make_unique<QSettings>(ini, QSettings::IniFormat));
        auto w = open(&model, QSize(1700, 850));
        choose(*w, "MAGLIA-001");
        EXPECT_EQ(region(*w, "SplitRegion1"), nullptr);  // the options tab is not built yet
        show(*w, common::kTabGestioneVarianti);
        controls::SplitRegion* r1 = region(*w, "SplitRegion1");
        ASSERT_NE(r1, nullptr);
        QList<int> s = r1->PaneSizes();
        const int width = s[0] + s[1] + s[2];
        drag(r1, {width * 2 / 3 - s[1], s[1], width - width * 2 / 3});
        placed = r1->PaneSizes();
        w->close();
    }
    {
        // Opened and closed on tab 0 only.
        framework::LayoutModel model(std::make_unique<QSettings>(ini, QSettings::IniFormat));
        auto w = open(&model);
        choose(*w, "MAGLIA-001");
        EXPECT_EQ(region(*w, "SplitRegion1"), nullptr);
        w->close();
    }
    {
        framework::LayoutModel model(std::make_unique<QSettings>(ini, QSettings::IniFormat));
        auto w = open(&model);
        choose(*w, "MAGLIA-001");
        show(*w, common::kTabGestioneVarianti);
        QList<int> s = region(*w, "SplitRegion1")->PaneSizes();
        ASSERT_EQ(s.size(), 3);
        EXPECT_NEAR(s[0], placed[0], 2);
        EXPECT_NEAR(s[2], placed[2], 2);
    }
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

// The activation tab answers the item's variant box: the box works on a
// window that never showed that tab, as on one that did.
TEST_F(Layout, TheVariantBoxWorksBeforeTheActivationTabIsShown) {
    auto w = open();
    choose(*w, "CAMICIA-001");
    EXPECT_EQ(w->findChild<QWidget*>("FRAME_RAGGR"), nullptr);  // not built yet
    db::Connection cn;
    cn.open("Data Source=" + path);
    auto flag = [&] {
        return cardtest::text(cardtest::scalar(
            cn,
            "SELECT MG66_FLGVARART FROM MG66_ANAGRART WHERE MG66_DITTA_CG18 = 1 AND "
            "MG66_CODART = 'CAMICIA-001'"));
    };
    ASSERT_EQ(flag(), "1");
    w->CHK_FLGVARART()->click();  // pressed, then clicked, as a mouse does
    EXPECT_FALSE(w->CHK_FLGVARART()->isChecked());
    EXPECT_EQ(flag(), "0");
    EXPECT_FALSE(w->sidebarGroupEnabled("GRP02"));
    // Built by the click, and left as the box says.
    auto* frame = w->findChild<QWidget*>("FRAME_RAGGR");
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->isEnabled());

    w->CHK_FLGVARART()->click();
    EXPECT_EQ(flag(), "1");
    EXPECT_TRUE(w->sidebarGroupEnabled("GRP02"));
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

}  // namespace
