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
constexpr long kMsgUnstorable = 91600;
constexpr long kMsgRefused = 91601;
}  // namespace

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
    auto* key = static_cast<QKeyEvent*>(event);
    const auto* line = qobject_cast<QLineEdit*>(box);
    const auto* plain = qobject_cast<QPlainTextEdit*>(box);
    if ((line && line->isReadOnly()) || (plain && plain->isReadOnly()))
        return false;
    if (const QString c = controls::UnstorableCharacter(key); !c.isEmpty()) {
        // Refused whole and said so, rather than stored as "?".
        const std::string character = c.toStdString();
        services_.VisualizzaMessaggio(
            "Il carattere \"" + character +
                "\" non può essere memorizzato: usare lettere, cifre e segni dell'alfabeto latino.",
            kMsgUnstorable, vbExclamation, services_.TraduciTesto("Attenzione", 7757),
            std::vector<db::Value>{db::Value(character)});
        return true;
    }
    if (const QString c = controls::RefusedCharacter(box, key); !c.isEmpty()) {
        // The box keeps refusing it; the user hears why.
        const std::string character = c.toStdString();
        services_.VisualizzaMessaggio(
            "Il carattere \"" + character + "\" non è ammesso in questo campo.", kMsgRefused,
            vbExclamation, services_.TraduciTesto("Attenzione", 7757),
            std::vector<db::Value>{db::Value(character)});
        return false;
    }
    if (!controls::ExceedsTextLimit(box, static_cast<QKeyEvent*>(event)))
        return false;
    const int limit = controls::TextLimit(box);
    // What the box can take goes in; the rest is lost, and said so.
    services_.VisualizzaMessaggio(
        "Il campo accetta al massimo " + countText(limit, kCaratteri) + ".", kMsgTextLimit,
        vbExclamation, services_.TraduciTesto("Attenzione", 7757),
        std::vector<db::Value>{db::Value(services_.CountText(limit, kCaratteri))});
    return false;
}

}  // namespace common
