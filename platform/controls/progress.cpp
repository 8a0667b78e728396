#include "platform/controls/progress.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "platform/controls/input_guard.h"

namespace controls {

namespace {
// How often a running loop lets the window repaint and take the cancel
// button: often enough to look live, seldom enough that a loop of many
// quick steps is not spent repainting (a load that ends within it never
// repaints at all).
constexpr qint64 kRepaintEveryMs = 50;
}  // namespace

struct ProgressPanel::Impl {
    QLabel* caption = nullptr;
    QProgressBar* bar = nullptr;
    QPushButton* cancel = nullptr;
    bool aborted = false;
    QElapsedTimer sinceEvents;  // since events were last processed
    long value = 0;             // the bar may show an older one
    // While the panel shows, the loop's events reach only the panel.
    std::unique_ptr<InputGuard> guard;
};

ProgressPanel::ProgressPanel(QWidget* parent) : QWidget(parent), d(std::make_unique<Impl>()) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    d->caption = new QLabel(this);
    d->bar = new QProgressBar(this);
    d->bar->setMinimumWidth(200);
    d->cancel = new QPushButton(tr("Annulla"), this);
    d->cancel->setShortcut(QKeySequence(Qt::Key_Escape));
    layout->addWidget(d->caption);
    layout->addWidget(d->bar, 1);
    layout->addWidget(d->cancel);
    connect(d->cancel, &QPushButton::clicked, this, [this] { Abort(); });
    hide();
}

ProgressPanel::~ProgressPanel() = default;

void ProgressPanel::SetCaption(const QString& caption) {
    d->caption->setText(caption);
}
QString ProgressPanel::Caption() const {
    return d->caption->text();
}
void ProgressPanel::SetMaximum(long maximum) {
    d->bar->setMaximum(static_cast<int>(std::max(0L, maximum)));
}
long ProgressPanel::Maximum() const {
    return d->bar->maximum();
}

void ProgressPanel::SetValue(long value) {
    d->value = std::min<long>(value, d->bar->maximum());
    // The bar repaints the window at once when its value changes: it is
    // moved only when the loop lets the window repaint anyway.
    if (!d->sinceEvents.isValid() || d->sinceEvents.elapsed() >= kRepaintEveryMs) {
        d->bar->setValue(static_cast<int>(d->value));
        ProcessEvents();
    }
}

long ProgressPanel::Value() const {
    return d->value;
}
void ProgressPanel::SetCancelVisible(bool visible) {
    d->cancel->setVisible(visible);
}

void ProgressPanel::Start(const QString& caption, long maximum) {
    d->aborted = false;
    SetCaption(caption);
    SetMaximum(maximum);
    d->value = 0;
    d->bar->setValue(0);
    // The events the loop lets through are for repainting and for Annulla
    // (or Esc): a click elsewhere would start other work inside this one.
    // Work that guards itself (a duplication run) keeps its own rule.
    if (!d->guard && !InputGuard::active())
        d->guard = std::make_unique<InputGuard>(std::vector<QPointer<QWidget>>{this}, [this] {
            if (d->cancel->isVisibleTo(this))
                Abort();
        });
    show();
    d->sinceEvents.start();  // shown with the first repaint of the loop
}

void ProgressPanel::Finish() {
    hide();
    if (d->guard) {
        const std::vector<QPointer<QWidget>> closing = d->guard->closeRequests();
        d->guard.reset();
        closeLater(closing);
    }
}
bool ProgressPanel::Aborted() const {
    return d->aborted;
}

void ProgressPanel::Abort() {
    if (d->aborted)
        return;
    d->aborted = true;
    emit cancelled();
}

void ProgressPanel::ProcessEvents() {
    QApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
    d->sinceEvents.start();
}

}  // namespace controls
