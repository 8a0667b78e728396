#pragma once
// Keys as a person presses them on the real window: the window is made the
// active one, so that mnemonics (Alt+letter) and Tab reach their controls.

#include <QAbstractButton>
#include <QApplication>
#include <QString>
#include <QTest>
#include <QWidget>

#include "tests/window/card_window.h"

namespace keytest {

struct KeyboardTest : cardtest::CardWindowTest {
    void SetUp() override;
    // The widget with the focus (never null while the window is active).
    static QWidget* focused() { return QApplication::focusWidget(); }
    // A key to the widget with the focus.
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static void type(const QString& text);
    // Alt and the underlined letter of the button's caption (fails when the
    // caption has none).
    static void mnemonic(const QAbstractButton* button);
    // Tab until the widget (or its focus proxy's child) has the focus;
    // false after a whole round of the window.
    static bool tabTo(const QWidget* target, bool backwards = false);
};

// Whether the focus is on the widget or inside it.
bool holds(const QWidget* widget);

}  // namespace keytest
