// Scripted message boxes and error reports for the tab tests: answers are
// taken from a queue (OK, or abort for an error report, when it is empty),
// and every text shown is kept.
#include <deque>
#include <functional>

#include "common/window_services.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/test_card.h"

namespace cardtest {
namespace {

ScriptedDialogs& scripted() {
    static ScriptedDialogs s = [] {
        ScriptedDialogs d;
        d.yesNoDefault = common::vbNo;
        return d;
    }();
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
    scripted().messages.clear();
    scripted().titles.clear();
    scripted().reports.clear();
    scripted().answers.clear();
    scripted().onReport = nullptr;
    scripted().onMessage = nullptr;
}
void beforeErrorAnswer(std::function<void(const common::RapportoErrore&)> hook) {
    scripted().onReport = std::move(hook);
}
void whileMessageShown(std::function<void(const std::string&)> hook) {
    scripted().onMessage = std::move(hook);
}

}  // namespace cardtest
