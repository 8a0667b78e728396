#include "platform/controls/progress.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace controls {

struct ProgressPanel::Impl {
    QLabel* caption = nullptr;
    QProgressBar* bar = nullptr;
    QPushButton* cancel = nullptr;
    bool aborted = false;
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
    d->bar->setValue(static_cast<int>(std::min<long>(value, d->bar->maximum())));
    ProcessEvents();
}

long ProgressPanel::Value() const {
    return d->bar->value();
}
void ProgressPanel::SetCancelVisible(bool visible) {
    d->cancel->setVisible(visible);
}

void ProgressPanel::Start(const QString& caption, long maximum) {
    d->aborted = false;
    SetCaption(caption);
    SetMaximum(maximum);
    d->bar->setValue(0);
    show();
    ProcessEvents();
}

void ProgressPanel::Finish() {
    hide();
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
}

}  // namespace controls
