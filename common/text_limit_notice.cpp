#include "common/text_limit_notice.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "common/window_services.h"
#include "platform/controls/text_limit.h"
#include "platform/db/value.h"

namespace common {

namespace {
constexpr long kMsgTextLimit = 91701;
}

TextLimitNotice::TextLimitNotice(QWidget* window, WindowServices& services)
    : QObject(window), window_(window), services_(services) {
    // The boxes of the tabs are made and remade after the window: the
    // application's key presses are looked at, and those for this window kept.
    qApp->installEventFilter(this);
}

TextLimitNotice::~TextLimitNotice() {
    if (qApp)
        qApp->removeEventFilter(this);
}

bool TextLimitNotice::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !window_)
        return false;
    auto* box = qobject_cast<QWidget*>(watched);
    if (!box || (!qobject_cast<QLineEdit*>(box) && !qobject_cast<QPlainTextEdit*>(box)))
        return false;
    if (!box->isEnabled() || !window_->isAncestorOf(box))
        return false;
    if (!controls::ExceedsTextLimit(box, static_cast<QKeyEvent*>(event)))
        return false;
    const int limit = controls::TextLimit(box);
    // What the box can take goes in; the rest is lost, and said so.
    services_.VisualizzaMessaggio(
        "Il campo accetta al massimo " + std::to_string(limit) + " caratteri.", kMsgTextLimit,
        vbExclamation, services_.TraduciTesto("Attenzione", 7757),
        std::vector<db::Value>{db::Value(limit)});
    return false;
}

}  // namespace common
