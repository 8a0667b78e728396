#include "platform/controls/input_guard.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>

namespace controls {

namespace {

int guards = 0;  // in force now

bool isUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::DragEnter:
        case QEvent::Drop:
            return true;
        default:
            return false;
    }
}

bool inside(const QWidget* outer, const QObject* target) {
    if (!outer)
        return false;
    for (const QObject* o = target; o; o = o->parent())
        if (o == outer)
            return true;
    return false;
}

}  // namespace

InputGuard::InputGuard(std::vector<QPointer<QWidget>> allowed, std::function<void()> interrupt)
    : allowed_(std::move(allowed)), interrupt_(std::move(interrupt)) {
    qApp->installEventFilter(this);
    ++guards;
}

InputGuard::~InputGuard() {
    qApp->removeEventFilter(this);
    --guards;
}

bool InputGuard::active() {
    return guards > 0;
}

bool InputGuard::allowed(QObject* target) const {
    // A message or error report shown by the run takes its answer.
    if (inside(QApplication::activeModalWidget(), target) ||
        inside(QApplication::activePopupWidget(), target))
        return true;
    return std::any_of(allowed_.begin(), allowed_.end(),
                       [&](const QPointer<QWidget>& w) { return inside(w, target); });
}

bool InputGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Close) {
        auto* window = qobject_cast<QWidget*>(watched);
        const Qt::WindowType kind = window ? window->windowType() : Qt::Widget;
        if ((kind != Qt::Window && kind != Qt::Dialog) || allowed(watched))
            return false;
        if (std::find(closeRequests_.begin(), closeRequests_.end(), window) == closeRequests_.end())
            closeRequests_.emplace_back(window);
        interrupt_();
        event->ignore();
        return true;
    }
    if (!isUserInput(type) || allowed(watched))
        return false;
    // Widgets hear of input from their window first: only what reaches a
    // widget (or a shortcut's action) is held back.
    if (!watched->isWidgetType() && type != QEvent::Shortcut)
        return false;
    if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        interrupt_();
    return true;
}

void closeLater(const std::vector<QPointer<QWidget>>& windows) {
    for (const QPointer<QWidget>& w : windows)
        if (w)
            QTimer::singleShot(0, w, [w] {
                if (w)
                    w->close();
            });
}

}  // namespace controls
