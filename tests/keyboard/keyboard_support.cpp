#include "tests/keyboard/keyboard_support.h"

#include <gtest/gtest.h>

namespace keytest {

void KeyboardTest::SetUp() {
    CardWindowTest::SetUp();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
}

void KeyboardTest::press(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = focused() ? focused() : QApplication::activeWindow();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    QApplication::processEvents();
}

void KeyboardTest::type(const QString& text) {
    // Key by key to whatever has the focus then: the first key may open an
    // editor that takes the others.
    for (const QChar c : text) {
        QWidget* target = focused();
        ASSERT_NE(target, nullptr);
        QTest::keyClicks(target, QString(c));
    }
}

void KeyboardTest::mnemonic(const QAbstractButton* button) {
    const QString text = button->text();
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    ASSERT_GE(at, 0) << text.toStdString() << " has no mnemonic";
    const QChar letter = text[at + 1].toUpper();
    press(Qt::Key_A + (letter.unicode() - 'A'), Qt::AltModifier);
    // The button shows itself pressed for a moment, then clicks.
    QTest::qWait(250);
}

bool KeyboardTest::tabTo(const QWidget* target, bool backwards) {
    for (int i = 0; i < 200; ++i) {
        if (holds(target))
            return true;
        // With nothing focused (a tab just shown), keys go to the window.
        QWidget* before = focused() ? focused() : QApplication::activeWindow();
        if (!before)
            return false;
        QTest::keyClick(before, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
    }
    return holds(target);
}

bool holds(const QWidget* widget) {
    const QWidget* f = QApplication::focusWidget();
    return f && widget && (f == widget || widget->isAncestorOf(f));
}

}  // namespace keytest
