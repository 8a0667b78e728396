#include "common/avviso_limite.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "common/window_services.h"
#include "platform/controls/text_limit.h"
#include "platform/db/value.h"

namespace common {

namespace {
constexpr long kMsgLimiteTesto = 91701;
}

AvvisoLimiteTesto::AvvisoLimiteTesto(QWidget* window, WindowServices& services)
    : QObject(window), window_(window), services_(services) {
    // The boxes of the tabs are made and remade after the window: the
    // application's key presses are looked at, and those for this window kept.
    qApp->installEventFilter(this);
}

AvvisoLimiteTesto::~AvvisoLimiteTesto() {
    if (qApp)
        qApp->removeEventFilter(this);
}

bool AvvisoLimiteTesto::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !window_)
        return false;
    auto* box = qobject_cast<QWidget*>(watched);
    if (!box || (!qobject_cast<QLineEdit*>(box) && !qobject_cast<QPlainTextEdit*>(box)))
        return false;
    if (!box->isEnabled() || !window_->isAncestorOf(box))
        return false;
    if (!controls::ExceedsTextLimit(box, static_cast<QKeyEvent*>(event)))
        return false;
    const int limite = controls::TextLimit(box);
    // What the box can take goes in; the rest is lost, and said so.
    services_.VisualizzaMessaggio(
        "Il campo accetta al massimo " + std::to_string(limite) + " caratteri.", kMsgLimiteTesto,
        vbExclamation, services_.TraduciTesto("Attenzione", 7757),
        std::vector<db::Value>{db::Value(limite)});
    return false;
}

}  // namespace common
