#pragma once
// While a long piece of work lets the event loop run (a load repainting its
// progress panel, a duplication run between rows), the windows repaint and
// take the work's own interrupt, and nothing else: a click on the side bar or
// the navigator, a new search, a toolbar command or a key would start a
// second piece of work inside the first, or change the item under it. A
// request to close a window interrupts the work; the window closes once the
// work has ended.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

namespace controls {

class InputGuard : public QObject {
public:
    // The widgets that stay usable (the interrupt commands) and what an
    // interrupt does.
    InputGuard(std::vector<QPointer<QWidget>> allowed, std::function<void()> interrupt);
    ~InputGuard() override;

    // Whether a guard holds input back now: work nested in a guarded one
    // keeps the outer guard's rule.
    static bool active();

    // The windows whose close was asked during the work, to close after it.
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

}  // namespace controls
