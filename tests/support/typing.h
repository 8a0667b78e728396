#pragma once
// Typing into a box as a person does: the old text selected and erased, the
// new one typed key by key, and for type() confirmed with Enter.

#include <QLineEdit>
#include <QTest>
#include <string>

namespace cardtest {

inline void fill(QLineEdit* edit, const std::string& value) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, QString::fromStdString(value));
}

inline void type(QLineEdit* edit, const std::string& value) {
    fill(edit, value);
    QTest::keyClick(edit, Qt::Key_Return);
}

// Focus given to a box, the text typed after what it holds, and the box
// confirmed or left with one key (Return, Tab).
inline void typeAfter(QWidget* box, const QString& text, Qt::Key confirm) {
    box->setFocus();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, confirm);
}

}  // namespace cardtest
