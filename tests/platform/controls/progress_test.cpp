// The progress panel: a loop of many quick steps is not spent repainting
// the window, and a slow one still repaints and takes the cancel button.

#include "platform/controls/progress.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QWidget>

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

}  // namespace
}  // namespace controls::test
