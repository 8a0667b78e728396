#pragma once
// Tells the user when a box of a window cannot take what is typed or
// pasted: every text box of the window (and of its tabs, made later too)
// stops at its limit, and the user hears why (message 91701); a character
// the database cannot hold (an emoji, Cyrillic) is refused by name (91600).

#include <QObject>
#include <QPointer>

class QWidget;

namespace common {

class WindowServices;

class TextLimitNotice : public QObject {
public:
    // Watches the boxes of window; the services say the message.
    TextLimitNotice(QWidget* window, WindowServices& services);
    ~TextLimitNotice() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    WindowServices& services_;
};

}  // namespace common
