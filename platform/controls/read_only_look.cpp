#include "platform/controls/read_only_look.h"

#include <QAbstractSpinBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace controls {
namespace {

bool isReadOnly(const QWidget* w) {
    if (auto* line = qobject_cast<const QLineEdit*>(w))
        return line->isReadOnly();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(w))
        return plain->isReadOnly();
    if (auto* text = qobject_cast<const QTextEdit*>(w))
        return text->isReadOnly();
    return false;
}

// The base colour goes to the window's while read-only and back to the one
// the box had; the box's own palette stays otherwise as its owner set it.
void applyLook(QWidget* w) {
    static const char* const kEditableBase = "veldranoEditableBase";
    QPalette p = w->palette();
    if (!w->property(kEditableBase).isValid())
        w->setProperty(kEditableBase, p.color(QPalette::Active, QPalette::Base));
    const QColor base = isReadOnly(w) ? p.color(QPalette::Active, QPalette::Window)
                                      : w->property(kEditableBase).value<QColor>();
    if (p.color(QPalette::Active, QPalette::Base) == base)
        return;
    p.setColor(QPalette::Active, QPalette::Base, base);
    p.setColor(QPalette::Inactive, QPalette::Base, base);
    w->setPalette(p);
}

class ReadOnlyWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ReadOnlyChange)
            applyLook(static_cast<QWidget*>(watched));
        return false;
    }
};

void watch(QWidget* box, QObject* watcher) {
    // A spin box's own line edit follows the spin box.
    if (qobject_cast<QAbstractSpinBox*>(box->parentWidget()))
        return;
    if (box->property("veldranoReadOnlyWatched").toBool())
        return;
    box->setProperty("veldranoReadOnlyWatched", true);
    box->installEventFilter(watcher);
    applyLook(box);
}

}  // namespace

void ShowReadOnlyLook(QWidget* root) {
    if (!root)
        return;
    static const QString kName = QStringLiteral("vld_read_only_watcher");
    ReadOnlyWatcher* watcher = nullptr;
    for (QObject* child : root->children())
        if (child->objectName() == kName)
            watcher = dynamic_cast<ReadOnlyWatcher*>(child);
    if (!watcher) {
        watcher = new ReadOnlyWatcher(root);
        watcher->setObjectName(kName);
    }
    for (QLineEdit* w : root->findChildren<QLineEdit*>())
        watch(w, watcher);
    for (QPlainTextEdit* w : root->findChildren<QPlainTextEdit*>())
        watch(w, watcher);
    for (QTextEdit* w : root->findChildren<QTextEdit*>())
        watch(w, watcher);
}

}  // namespace controls
