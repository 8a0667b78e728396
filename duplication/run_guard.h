#pragma once
// While a duplication run works, the window repaints and takes its
// interrupt between rows, and nothing else: a click on the side bar or the
// navigator, a new search, a key would change the item or tear the pane
// down under the run. A request to close a window interrupts the run; the
// window closes once the run has ended.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

namespace duplication {

class RunGuard : public QObject {
public:
    // The widgets that stay usable (the interrupt commands) and what an
    // interrupt does.
    RunGuard(std::vector<QPointer<QWidget>> allowed, std::function<void()> interrupt);
    ~RunGuard() override;

    // The windows whose close was asked during the run, to close after it.
    const std::vector<QPointer<QWidget>>& closeRequests() const { return closeRequests_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool allowed(QObject* target) const;

    std::vector<QPointer<QWidget>> allowed_;
    std::function<void()> interrupt_;
    std::vector<QPointer<QWidget>> closeRequests_;
};

// Closes the windows once the event loop takes over again.
void closeLater(const std::vector<QPointer<QWidget>>& windows);

}  // namespace duplication
