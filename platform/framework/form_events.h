#pragma once
// The form-event object the navigator supplies: windows tell it when they
// open ("tsOpen") and close ("tsClose"); the host's script layer, through
// its handler, may refuse a close.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace framework {

struct FormEvent {
    QPointer<QWidget> form;
    std::string name;
    std::string description;
    int kind = 0;
    bool open = false;  // true for "tsOpen"
};

class FormEvents {
public:
    // Answers true to refuse a close; called for every event.
    using Handler = std::function<bool(const FormEvent&)>;

    void Execute(QWidget* form, const std::string& name, const std::string& description, int kind,
                 bool open);
    // The answer to the last close request: true when it was refused.
    bool Cancel() const { return cancel_; }
    void SetHandler(Handler handler) { handler_ = std::move(handler); }
    const std::vector<FormEvent>& History() const { return history_; }
    void ClearHistory() { history_.clear(); }

private:
    Handler handler_;
    bool cancel_ = false;
    std::vector<FormEvent> history_;
};

}  // namespace framework
