#include "common/messaggi_frame.h"

#include <regex>
#include <vector>

#include "common/window_services.h"
#include "platform/controls/record_frame.h"

namespace common {

namespace {

struct TestoFrame {
    long number;
    const char* pattern;  // the frame's text; its groups are %1, %2
};

// The frame's texts (platform/controls/record_frame.cpp) and their numbers.
const TestoFrame kTesti[] = {
    {91530, R"(^Salvare le modifiche apportate (.+)\?$)"},
    {91531, R"(^Il campo "(.*)" è obbligatorio\.$)"},
    {91532, R"(^Impossibile salvare (.+?):\n([\s\S]*)$)"},
    {91533, R"(^Impossibile eliminare (.+?):\n([\s\S]*)$)"},
    {91534, R"(^Non esiste (.+) con codice "(.*)"\.$)"},
};

}  // namespace

int VisualizzaMessaggioFrame(WindowServices& services, const std::string& text, int style,
                             const std::string& title) {
    for (const TestoFrame& t : kTesti) {
        std::smatch m;
        if (!std::regex_match(text, m, std::regex(t.pattern)))
            continue;
        std::vector<db::Value> parameters;
        for (std::size_t i = 1; i < m.size(); ++i)
            parameters.emplace_back(m[i].str());
        return services.VisualizzaMessaggio(text, t.number, style, title, parameters);
    }
    return services.VisualizzaMessaggio(text, 0, style, title);
}

void CollegaMessaggiFrame(WindowServices& services, controls::RecordFrame& frame,
                          std::function<std::string()> titolo) {
    frame.SetNotify([&services, titolo](const QString& text) {
        VisualizzaMessaggioFrame(services, text.toStdString(), vbExclamation, titolo());
    });
    frame.SetAskSave([&services, titolo](const QString& question, bool allowCancel) {
        const int r = VisualizzaMessaggioFrame(
            services, question.toStdString(),
            (allowCancel ? vbYesNoCancel : vbYesNo) + vbQuestion, titolo());
        return r == vbYes  ? controls::SaveAnswer::Save
               : r == vbNo ? controls::SaveAnswer::Discard
                           : controls::SaveAnswer::Cancel;
    });
}

}  // namespace common
