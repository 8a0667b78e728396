// Scripted message boxes and error reports for the tab tests: answers are
// taken from a queue (OK, or abort for an error report, when it is empty),
// and every text shown is kept.
#include <deque>
#include <functional>

#include "common/window_services.h"
#include "tests/variants/test_card.h"

namespace cardtest {
namespace {

class Scripted : public common::Dialoghi {
public:
    std::deque<int> answers;
    std::vector<std::string> shown;
    std::function<void(const common::RapportoErrore&)> hook;
    int KOVMsgBox(const std::string& text, int style, const std::string&) override {
        shown.push_back(text);
        return next((style & 0x7) == common::vbYesNo ? common::vbNo : common::vbOK);
    }
    int errorReport(const common::RapportoErrore& r) override {
        shown.push_back(r.procedure + ": " + r.error.description);
        if (hook)
            hook(r);
        return next(common::vbAbort);
    }

private:
    int next(int fallback) {
        if (answers.empty())
            return fallback;
        int a = answers.front();
        answers.pop_front();
        return a;
    }
};

Scripted& scripted() {
    static Scripted s;
    static bool installed = (common::setDialoghi(&s), true);
    (void)installed;
    return s;
}

}  // namespace

void queueAnswer(int button) {
    scripted().answers.push_back(button);
}
std::vector<std::string> shownMessages() {
    return scripted().shown;
}
void clearMessages() {
    scripted().shown.clear();
    scripted().answers.clear();
    scripted().hook = nullptr;
}
void beforeErrorAnswer(std::function<void(const common::RapportoErrore&)> hook) {
    scripted().hook = std::move(hook);
}

}  // namespace cardtest
