// The progress panel: a loop of many quick steps is not spent repainting
// the window, and a slow one still repaints and takes the cancel button;
// while it shows, no other input is taken and a close waits for its end.

#include "platform/controls/progress.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include "tests/platform/controls/controls_test_support.h"

namespace controls::test {
namespace {

// Counts the paints of a widget.
struct Paints : QObject {
    explicit Paints(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            ++count;
        return false;
    }
    int count = 0;
};

TEST(Progress, QuickStepsDoNotRepaintEachTimeAndSlowOnesCanBeCancelled) {
    QWidget top;
    top.resize(400, 80);
    auto* panel = new ProgressPanel(&top);
    panel->setGeometry(0, 0, 400, 40);
    top.show();
    QApplication::processEvents();
    Paints paints(panel);

    // A thousand quick steps: the value is kept, the window is not repainted
    // for each of them.
    panel->Start("Caricamento in corso...", 1000);
    EXPECT_TRUE(panel->isVisible());
    for (long i = 0; i <= 1000; ++i)
        panel->SetValue(i);
    EXPECT_EQ(panel->Value(), 1000);
    EXPECT_LT(paints.count, 20);
    panel->Finish();
    EXPECT_FALSE(panel->isVisible());

    // Slow steps let the window repaint, and the cancel button pressed
    // meanwhile stops the loop.
    panel->Start("Elaborazione in corso...", 10);
    QTimer::singleShot(0, panel, [panel] {
        if (auto* cancel = panel->findChild<QPushButton*>())
            cancel->click();
    });
    int steps = 0;
    for (long i = 1; i <= 10 && !panel->Aborted(); ++i, ++steps) {
        QThread::msleep(60);
        panel->SetValue(i);
    }
    EXPECT_TRUE(panel->Aborted());
    EXPECT_EQ(steps, 1);
    panel->Finish();
}

TEST(Progress, WhileShownOnlyItsCancelIsTakenAndACloseWaitsForTheEnd) {
    QWidget top;
    auto* layout = new QVBoxLayout(&top);
    auto* other = new QPushButton("Nuova ricerca", &top);
    auto* box = new QLineEdit(&top);
    auto* panel = new ProgressPanel(&top);
    layout->addWidget(other);
    layout->addWidget(box);
    layout->addWidget(panel);
    int clicks = 0;
    QObject::connect(other, &QPushButton::clicked, [&] { ++clicks; });
    top.show();
    QApplication::processEvents();
    auto* cancel = panel->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    // A step of the load: the input queued meanwhile reaches the window now.
    // Esc may press Annulla as its shortcut does, which answers a moment later.
    auto step = [&](std::function<void()> input) {
        QTimer::singleShot(0, &top, std::move(input));
        for (int i = 0; i < 6; ++i) {
            panel->ProcessEvents();
            QThread::msleep(40);
        }
    };

    panel->Start("Caricamento in corso...", 10);
    step([&] {
        click(other, other->rect().center());
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
        QApplication::sendEvent(box, &typed);
    });
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_FALSE(panel->Aborted());
    step([&] { pressKey(box, Qt::Key_Escape); });
    EXPECT_TRUE(panel->Aborted());
    panel->Start("Caricamento in corso...", 10);
    step([&] { click(cancel, cancel->rect().center()); });
    EXPECT_TRUE(panel->Aborted());
    panel->Finish();
    click(other, other->rect().center());
    EXPECT_EQ(clicks, 1);
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    QApplication::sendEvent(box, &typed);
    EXPECT_EQ(box->text().toStdString(), "x");

    // A load without Annulla: Esc does nothing, a close waits for its end.
    panel->SetCancelVisible(false);
    panel->Start("Caricamento in corso...", 10);
    step([&] {
        pressKey(box, Qt::Key_Escape);
        top.close();
    });
    EXPECT_FALSE(panel->Aborted());
    EXPECT_TRUE(top.isVisible());
    panel->Finish();
    EXPECT_TRUE(top.isVisible());
    QApplication::processEvents();
    EXPECT_FALSE(top.isVisible());
}

}  // namespace
}  // namespace controls::test
