#include "platform/controls/key_filters.h"

#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

namespace controls {

namespace {

// Focus-in, Tab or one key of a widget, handed to a handler.
// Owned by the widget, so it goes with it.
class EventWatcher : public QObject {
public:
    static constexpr int kFocusIn = 0;
    static constexpr int kTab = -1;

    EventWatcher(QWidget* widget, int key, std::function<void()> handler)
        : QObject(widget), key_(key), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (key_ == kFocusIn && event->type() == QEvent::FocusIn) {
            handler_();
        } else if (key_ == kTab && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
                handler_();
        } else if (key_ > 0 && event->type() == QEvent::KeyPress &&
                   static_cast<QKeyEvent*>(event)->key() == key_) {
            handler_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int key_;
    std::function<void()> handler_;
};

}  // namespace

void OnFocusIn(QWidget* widget, std::function<void()> handler) {
    widget->installEventFilter(
        new EventWatcher(widget, EventWatcher::kFocusIn, std::move(handler)));
}

void OnKeyPress(QWidget* widget, int key, std::function<void()> handler) {
    widget->installEventFilter(new EventWatcher(widget, key, std::move(handler)));
}

void OnTabKey(QWidget* widget, std::function<void()> handler) {
    widget->installEventFilter(new EventWatcher(widget, EventWatcher::kTab, std::move(handler)));
}

}  // namespace controls
