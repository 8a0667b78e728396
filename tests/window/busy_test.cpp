// The real card window while a load shows its progress panel: a click on
// the side bar, Alt+N, a click in another window of the application and a
// close asked in the middle of the load are not taken; the load ends with
// what it was loading, and the close is honoured after it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "common/item_card.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/progress.h"
#include "platform/controls/side_bar.h"
#include "tests/window/card_window.h"
#include "window/frmmg_veldrano.h"

namespace {

// Runs a function, once, when the watched widget is shown; it then holds
// the load up long enough that the load's next step repaints and so takes
// the events queued meanwhile.
struct OnShow : QObject {
    OnShow(QWidget* w, std::function<void()> f) : f(std::move(f)) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show && f) {
            QTimer::singleShot(0, qApp, std::move(f));
            f = nullptr;
            QThread::msleep(80);
        }
        return false;
    }
    std::function<void()> f;
};

char mnemonicOf(const QString& caption) {
    const qsizetype at = caption.indexOf('&');
    return at >= 0 && at + 1 < caption.size() ? caption[at + 1].toLower().toLatin1() : '\0';
}

struct Busy : cardtest::CardWindowTest {
    controls::SideBar& bar() { return *w->KOV_SIDEBAR(); }
    QWidget* summary() { return w->page(common::kTabDatiAnagrafici); }
    long summaryRows() {
        return summary()->findChild<controls::DataGrid*>("FLEX_ANAG")->model()->rowCount();
    }
    // Clicks a side-bar entry with the mouse.
    void clickSideBar(const QString& key) {
        auto* tree = bar().findChild<QTreeWidget*>();
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if ((*it)->parent() && (*it)->data(0, Qt::UserRole).toString() == key) {
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                                  tree->visualItemRect(*it).center());
                return;
            }
        ADD_FAILURE() << "no side-bar entry " << key.toStdString();
    }
};

TEST_F(Busy, InputDuringALoadIsNotTakenAndACloseWaitsForItsEnd) {
    choose("MAGLIA-002");
    // Another window of the application, as the host's toolbar is.
    QPushButton host("Anagrafica articoli");
    int hostClicks = 0;
    QObject::connect(&host, &QPushButton::clicked, [&] { ++hostClicks; });
    host.show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    const long fullRows = summaryRows();
    ASSERT_GT(fullRows, 0);
    // The same input, without a load running, is taken.
    clickSideBar("ITM07");
    EXPECT_EQ(w->currentTab(), common::kTabProgressivi);
    clickSideBar("ITM00");
    ASSERT_EQ(w->currentTab(), common::kTabDatiAnagrafici);
    QTest::mouseClick(&host, Qt::LeftButton);
    EXPECT_EQ(hostClicks, 1);
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    const char nuovo = mnemonicOf(w->CMD_NUOVO()->text());
    ASSERT_NE(nuovo, '\0');
    // Alt+N presses Nuova ricerca as a click does, a moment later.
    QTest::keyClick(w.get(), nuovo, Qt::AltModifier);
    QTest::qWait(250);
    ASSERT_TRUE(w->TXT_CODART()->isEnabled());
    choose("MAGLIA-001");
    QTest::mouseClick(w->CMD_NUOVO(), Qt::LeftButton);

    // The summary of the next item shows its state half-way through its
    // fields: the input comes then.
    bool ran = false, panelShown = false;
    OnShow hook(summary()->findChild<QLabel*>("LBL_STATO"), [&] {
        ran = true;
        panelShown = w->KOV_PROGRESS1()->isVisible();
        clickSideBar("ITM07");
        QTest::keyClick(w.get(), nuovo, Qt::AltModifier);
        QTest::mouseClick(w->CMD_NUOVO(), Qt::LeftButton);
        QTest::mouseClick(&host, Qt::LeftButton);
    });
    choose("MAGLIA-002");

    ASSERT_TRUE(ran) << "the load never took events";
    EXPECT_TRUE(panelShown);
    // Nothing of the input was taken: the item and the tab are the load's,
    // the list is whole.
    EXPECT_EQ(w->currentTab(), common::kTabDatiAnagrafici);
    EXPECT_EQ(bar().SelectedItem().toStdString(), "ITM00");
    EXPECT_EQ(w->TXT_CODART()->text().toStdString(), "MAGLIA-002");
    EXPECT_EQ(summaryRows(), fullRows);
    EXPECT_EQ(hostClicks, 1);
    EXPECT_FALSE(w->KOV_PROGRESS1()->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QTest::qWait(250);  // a pressed mnemonic would answer by now
    EXPECT_EQ(w->TXT_CODART()->text().toStdString(), "MAGLIA-002");
    EXPECT_EQ(summaryRows(), fullRows);

    // A close asked in the middle of a load is honoured once the load is over.
    QTest::mouseClick(w->CMD_NUOVO(), Qt::LeftButton);
    bool closedMeanwhile = true;
    OnShow closing(summary()->findChild<QLabel*>("LBL_STATO"), [&] {
        w->close();
        closedMeanwhile = !w->isVisible();
    });
    choose("MAGLIA-001");
    EXPECT_FALSE(closedMeanwhile);
    EXPECT_EQ(w->loadedItem(common::kTabDatiAnagrafici), "MAGLIA-001");
    EXPECT_TRUE(w->isVisible());
    QApplication::processEvents();
    EXPECT_FALSE(w->isVisible());
}

}  // namespace
