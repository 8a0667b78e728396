// The item card's layout with every real tab: grids that stay usable from
// 1024x768 to 3840x2160, the split regions of tabs 1, 5 and 9 laid out on a
// tab switch and left alone once the user placed them, and the layout kept
// by the host's layout model and given back to the next window.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <map>

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
    // Shows tab 1: its outer panes are where the user left them, within two
    // pixels (the middle one takes what is left).
    static void expectOptionPanes(card::FRMMG_VELDRANO& w, const QList<int>& placed) {
        show(w, common::kTabGestioneVarianti);
        QList<int> s = region(w, "SplitRegion1")->PaneSizes();
        ASSERT_EQ(s.size(), 3);
        EXPECT_NEAR(s[0], placed[0], 2);
        EXPECT_NEAR(s[2], placed[2], 2);
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
        ASSERT_NO_FATAL_FAILURE(expectOptionPanes(*w, placed1));
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
        return g->Columns().IndexOf(QLatin1String(key));
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
        ASSERT_NO_FATAL_FAILURE(expectOptionPanes(*w, placed));
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

// The controls a user reads or types in, each once: the parts of a combo, a
// spin box or a grid are theirs.
std::vector<QWidget*> controlsOf(QWidget* page, const QWidget* window) {
    std::vector<QWidget*> out;
    for (QWidget* c : page->findChildren<QWidget*>()) {
        if (!c->isVisibleTo(window) || c->width() <= 0)
            continue;
        bool inner = false;
        for (QWidget* p = c->parentWidget(); p && p != page; p = p->parentWidget())
            inner |= qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractSpinBox*>(p) ||
                     qobject_cast<QAbstractItemView*>(p) || qobject_cast<QAbstractButton*>(p) ||
                     p->inherits("controls::LookupBox");
        if (inner)
            continue;
        const bool label = qobject_cast<QLabel*>(c) && !static_cast<QLabel*>(c)->text().isEmpty();
        if (label || qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c) ||
            qobject_cast<QComboBox*>(c) || qobject_cast<QAbstractSpinBox*>(c) ||
            qobject_cast<QPlainTextEdit*>(c) || c->inherits("controls::LookupBox"))
            out.push_back(c);
    }
    return out;
}

QRect placeOf(const QWidget* c, const QWidget* window) {
    return {c->mapTo(window, QPoint(0, 0)), c->size()};
}

// The width a caption needs to be read whole.
int captionWidth(const QWidget* c) {
    if (auto* label = qobject_cast<const QLabel*>(c))
        return label->wordWrap() ? 0 : label->sizeHint().width();
    if (qobject_cast<const QCheckBox*>(c))
        return c->sizeHint().width();
    if (auto* button = qobject_cast<const QAbstractButton*>(c)) {
        QString text = button->text();
        text.remove(QLatin1Char('&'));
        return text.isEmpty() ? 0 : button->fontMetrics().horizontalAdvance(text) + 4;
    }
    return 0;
}

TEST_F(Layout, AtTheSmallestSizeNoControlOverlapsAnotherOrCutsItsCaption) {
    auto w = open(nullptr, QSize(1024, 768));
    // The window cannot be made smaller than the size checked here.
    const QSize smallest = w->minimumSize().expandedTo(w->minimumSizeHint());
    EXPECT_LE(smallest.width(), 1024);
    EXPECT_LE(smallest.height(), 768);
    for (const QSize size : {QSize(1024, 768), smallest}) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        w->resize(size);
        choose(*w, "MAGLIA-001");
        int checked = 0;
        for (int tab = 0; tab < common::kTabCount; ++tab) {
            show(*w, tab);
            QWidget* page = w->page(tab);
            const std::vector<QWidget*> list = controlsOf(page, w.get());
            for (std::size_t i = 0; i < list.size(); ++i) {
                const QRect a = placeOf(list[i], w.get());
                const std::string name = "tab " + std::to_string(tab) + " " +
                                         list[i]->objectName().toStdString() + " (" +
                                         list[i]->metaObject()->className() + ")";
                EXPECT_GE(list[i]->width(), captionWidth(list[i])) << name << " cuts its caption";
                for (std::size_t j = i + 1; j < list.size(); ++j) {
                    if (list[i]->isAncestorOf(list[j]) || list[j]->isAncestorOf(list[i]))
                        continue;
                    EXPECT_FALSE(a.intersects(placeOf(list[j], w.get())))
                        << name << " overlaps " << list[j]->objectName().toStdString() << " ("
                        << list[j]->metaObject()->className() << ")";
                }
                ++checked;
            }
        }
        EXPECT_GT(checked, 100);
    }
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

// A box that takes no typing shows it before a key is pressed, and looks
// editable again once it takes input.
TEST_F(Layout, ReadOnlyBoxesLookReadOnly) {
    auto w = open(nullptr, QSize(1280, 900));
    choose(*w, "MAGLIA-001");
    int readOnly = 0;
    QLineEdit* first = nullptr;
    for (int tab = 0; tab < common::kTabCount; ++tab) {
        show(*w, tab);
        for (QLineEdit* box : w->page(tab)->findChildren<QLineEdit*>()) {
            if (!box->isVisibleTo(w.get()) || !box->isEnabled())
                continue;
            const QColor base = box->palette().color(QPalette::Base);
            const QColor window = box->palette().color(QPalette::Window);
            if (box->isReadOnly()) {
                ++readOnly;
                if (!first)
                    first = box;
                EXPECT_EQ(base, window) << box->objectName().toStdString();
            } else {
                EXPECT_NE(base, window) << box->objectName().toStdString();
            }
        }
    }
    EXPECT_GT(readOnly, 0);
    // A read-only box made editable looks so, and back.
    QLineEdit* box = first;
    ASSERT_NE(box, nullptr);
    box->setReadOnly(false);
    EXPECT_NE(box->palette().color(QPalette::Base), box->palette().color(QPalette::Window));
    box->setReadOnly(true);
    EXPECT_EQ(box->palette().color(QPalette::Base), box->palette().color(QPalette::Window));
}

// A notice that appears (a warning above a grid, the item's state) takes the
// place kept for it: no other control moves.
TEST_F(Layout, ANoticeThatAppearsMovesNoOtherControl) {
    auto w = open(nullptr, QSize(1024, 768));
    choose(*w, "MAGLIA-001");
    int notices = 0;
    for (int tab = 0; tab < common::kTabCount; ++tab) {
        show(*w, tab);
        QWidget* page = w->page(tab);
        for (QLabel* notice : page->findChildren<QLabel*>()) {
            if (!notice->isHidden() || !notice->parentWidget()->isVisibleTo(w.get()))
                continue;
            ++notices;
            std::map<QWidget*, QRect> before;
            for (QWidget* c : controlsOf(page, w.get()))
                before[c] = placeOf(c, w.get());
            const QString text = notice->text();
            if (notice->pixmap().isNull())
                notice->setText(QStringLiteral("Avviso di prova"));
            notice->show();
            QApplication::processEvents();
            for (const auto& [c, place] : before)
                EXPECT_EQ(placeOf(c, w.get()), place)
                    << "tab " << tab << ": " << notice->objectName().toStdString() << " moves "
                    << c->objectName().toStdString();
            notice->hide();
            notice->setText(text);
            QApplication::processEvents();
        }
    }
    EXPECT_GE(notices, 3);
}

// A description before other columns takes the room the grid has, and gives
// it back when the window narrows; the last column keeps its own width.
TEST_F(Layout, ADescriptionBeforeOtherColumnsTakesTheRoomLeft) {
    auto w = open(nullptr, QSize(1024, 768));
    choose(*w, "MAGLIA-001");
    int seen = 0;
    for (const QSize size : {QSize(1400, 900), QSize(1024, 768)}) {
        w->resize(size);
        for (int tab = 0; tab < common::kTabCount; ++tab) {
            show(*w, tab);
            for (controls::DataGrid* grid : w->page(tab)->findChildren<controls::DataGrid*>()) {
                const QHeaderView* h = grid->horizontalHeader();
                if (!grid->isVisibleTo(w.get()) || h->stretchLastSection())
                    continue;
                ++seen;
                int total = 0, description = -1;
                for (int i = 0; i < h->count(); ++i) {
                    if (h->isSectionHidden(i))
                        continue;
                    total += h->sectionSize(i);
                    if (description < 0 && i >= grid->FrozenColumns() &&
                        QString::fromStdString(grid->Columns().Item(i).Field()).contains("DESC"))
                        description = i;
                }
                const std::string name = grid->objectName().toStdString();
                ASSERT_GE(description, 0) << name;
                EXPECT_GE(h->sectionSize(description), grid->Columns().Item(description).Width())
                    << name;
                if (h->sectionSize(description) > grid->Columns().Item(description).Width()) {
                    EXPECT_EQ(total, grid->viewport()->width()) << name;
                }
                const int last = h->logicalIndex(h->count() - 1);
                if (grid->Columns().Item(last).Width() > 0) {
                    EXPECT_EQ(h->sectionSize(last), grid->Columns().Item(last).Width()) << name;
                }
            }
        }
    }
    EXPECT_GE(seen, 4);
}

}  // namespace
