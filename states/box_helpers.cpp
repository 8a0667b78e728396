#include "states/box_helpers.h"

#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

#include "common/item_card.h"
#include "common/value_helpers.h"
#include "platform/db/recordset.h"

namespace states {

namespace {

// Focus-in (key 0) or one key of a widget, handed to a handler.
class EventWatcher : public QObject {
public:
    EventWatcher(QWidget* widget, int key, std::function<void()> handler)
        : QObject(widget), key_(key), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (key_ == 0 && event->type() == QEvent::FocusIn) {
            handler_();
        } else if (key_ != 0 && event->type() == QEvent::KeyPress &&
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

std::string DecodedDescription(common::ItemCard& card, const framework::LookupRequest& request) {
    try {
        db::Recordset rs;
        rs.open(request.sql, card.connection());
        if (rs.recordCount() == 0)
            return "";
        rs.moveFirst();
        return common::NzStringa(rs.value(request.descriptionField));
    } catch (const std::exception&) {
        return "";
    }
}

void onFocusIn(QWidget* widget, std::function<void()> handler) {
    widget->installEventFilter(new EventWatcher(widget, 0, std::move(handler)));
}

void onKeyPress(QWidget* widget, int key, std::function<void()> handler) {
    widget->installEventFilter(new EventWatcher(widget, key, std::move(handler)));
}

}  // namespace states
