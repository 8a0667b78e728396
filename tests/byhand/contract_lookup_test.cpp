// The item code box is a look-up box over the company's items (its button,
// F3, F4), and F3 in any other look-up box opens that box's list: the
// host's toolbar search (F3) never takes the key from a box, and the item
// shown never changes behind the user's back.

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "common/item_card.h"
#include "platform/controls/lookup_box.h"
#include "tests/byhand/contract_host.h"

namespace {

using contracttest::HostedCard;

struct Lookup : HostedCard {
    void SetUp() override {
        HostedCard::SetUp();
        QObject::connect(&navigator, &framework::Navigator::ButtonAction, toolbar.get(),
                         [this](int button) {
                             if (button == framework::Navigator::kSearch)
                                 ++searches;
                         });
        // The toolbar's shortcuts are live while it is shown, as in the host.
        toolbar->show();
    }

    void activate() {
        w->activateWindow();
        QApplication::setActiveWindow(w);
        QApplication::processEvents();
    }

    // Runs `answer` on the list the next modal dialog shows, and closes it if
    // the answer left it open; titles of the lists seen are kept.
    void onNextList(std::function<void(controls::LookupDialog&)> answer) {
        QTimer::singleShot(0, [this, answer] {
            auto* dialog = qobject_cast<controls::LookupDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            lists.push_back(dialog->windowTitle().toStdString());
            answer(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
    }

    int searches = 0;
    std::vector<std::string> lists;
};

TEST_F(Lookup, TheCodeBoxSearchesTheCompanysItemsByButtonF3AndF4) {
    open();
    activate();
    auto* box = w->TXT_CODART_Box();
    ASSERT_NE(box, nullptr);
    auto* button = box->findChild<QToolButton*>();
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isEnabled());

    // F3 in the code box: the item list, the chosen item is shown.
    w->TXT_CODART()->setFocus();
    onNextList([](controls::LookupDialog& d) {
        QTest::keyClicks(d.FilterEdit(), "MAGLIA-002");
        EXPECT_EQ(d.VisibleRowCount(), 1);
        d.View()->setCurrentIndex(d.View()->model()->index(0, 0));
        d.Choose();
    });
    QTest::keyClick(w->TXT_CODART(), Qt::Key_F3);
    QApplication::processEvents();
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(lists[0], "Articoli di magazzino");
    EXPECT_EQ(w->currentItem(), "MAGLIA-002");
    EXPECT_EQ(searches, 0);
    EXPECT_FALSE(box->isEnabled());  // an item is shown: the code is fixed

    // A new search, then F4 and the button; Esc leaves the card waiting.
    QTest::mouseClick(w->CMD_NUOVO(), Qt::LeftButton);
    ASSERT_TRUE(box->isEnabled());
    w->TXT_CODART()->setFocus();
    onNextList([](controls::LookupDialog& d) { QTest::keyClick(d.FilterEdit(), Qt::Key_Escape); });
    QTest::keyClick(w->TXT_CODART(), Qt::Key_F4);
    EXPECT_EQ(w->currentItem(), common::kNessunArticolo);
    onNextList([](controls::LookupDialog& d) {
        QTest::keyClicks(d.FilterEdit(), "PANT-001");
        d.View()->setCurrentIndex(d.View()->model()->index(0, 0));
        d.Choose();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(lists.size(), 3u);
    EXPECT_EQ(w->currentItem(), "PANT-001");
    EXPECT_EQ(searches, 0);
}

TEST_F(Lookup, F3InAnotherBoxOpensThatBoxsListNeverTheItemSearch) {
    open();
    activate();
    choose("MAGLIA-001");
    w->selectTab(common::kTabTrascodificaVarianti);
    auto* clifor = w->findChild<controls::LookupBox*>("TXT_CLIFOR");
    ASSERT_NE(clifor, nullptr);
    ASSERT_TRUE(clifor->isVisible());
    ASSERT_TRUE(clifor->isEnabled());
    clifor->LineEdit()->setFocus();
    onNextList([](controls::LookupDialog& d) { QTest::keyClick(d.FilterEdit(), Qt::Key_Escape); });
    QTest::keyClick(clifor->LineEdit(), Qt::Key_F3);
    QApplication::processEvents();
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_NE(lists[0], "Articoli di magazzino");
    EXPECT_EQ(searches, 0);
    EXPECT_EQ(w->currentItem(), "MAGLIA-001");
    EXPECT_FALSE(w->TXT_CODART_Box()->isEnabled());

    // The box claims F3 and F4 before any shortcut of the host: a button does not.
    for (int key : {Qt::Key_F3, Qt::Key_F4}) {
        QKeyEvent inBox(QEvent::ShortcutOverride, key, Qt::NoModifier);
        inBox.ignore();
        QApplication::sendEvent(clifor->LineEdit(), &inBox);
        EXPECT_TRUE(inBox.isAccepted()) << key;
        QKeyEvent onButton(QEvent::ShortcutOverride, key, Qt::NoModifier);
        onButton.ignore();
        QApplication::sendEvent(w->CMD_NUOVO(), &onButton);
        EXPECT_FALSE(onButton.isAccepted()) << key;
    }
    EXPECT_EQ(w->currentItem(), "MAGLIA-001");
}

}  // namespace
