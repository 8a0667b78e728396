#pragma once
// Message boxes and error reports answered by a script: the answers queued
// are given in order; when none is left, a message gets its default by its
// buttons and an error report gets abort. Every text shown is kept.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "common/window_services.h"

namespace cardtest {

class ScriptedDialogs : public common::Dialoghi {
public:
    std::deque<int> answers;
    // Messages and "procedure: description" of reports, in the order shown.
    std::vector<std::string> shown;
    std::vector<std::string> messages;  // message texts only
    std::vector<std::string> titles;    // message titles
    std::vector<common::RapportoErrore> reports;
    // Called before a report is answered (the cause of an error goes away).
    std::function<void(const common::RapportoErrore&)> onReport;
    // Called while a message is shown, before it is answered.
    std::function<void(const std::string&)> onMessage;
    // What a message gets when no answer is queued, by its buttons.
    int messageDefault = common::vbOK;
    int yesNoDefault = common::vbOK;
    int yesNoCancelDefault = common::vbOK;
    // Put before the text of a report in shown.
    std::string reportPrefix;

    int KOVMsgBox(const std::string& text, int style, const std::string& title) override {
        shown.push_back(text);
        messages.push_back(text);
        titles.push_back(title);
        if (onMessage)
            onMessage(text);
        const int buttons = style & 0x7;
        return next(buttons == common::vbYesNo         ? yesNoDefault
                    : buttons == common::vbYesNoCancel ? yesNoCancelDefault
                                                       : messageDefault);
    }
    int errorReport(const common::RapportoErrore& r) override {
        reports.push_back(r);
        shown.push_back(reportPrefix + r.procedure + ": " + r.error.description);
        if (onReport)
            onReport(r);
        return next(common::vbAbort);
    }
    // Whether a text containing part was shown.
    bool saw(const std::string& part) const {
        for (const auto& s : shown)
            if (s.find(part) != std::string::npos)
                return true;
        return false;
    }
    int next(int fallback) {
        if (answers.empty())
            return fallback;
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
};

}  // namespace cardtest
