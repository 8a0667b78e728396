#include "common/frame_messages.h"

#include <regex>
#include <vector>

#include "common/window_services.h"
#include "platform/controls/record_frame.h"

namespace common {

namespace {

struct FrameText {
    long number;
    const char* pattern;  // the frame's text; its groups are %1, %2
};

// The frame's texts (platform/controls/record_frame.cpp) and their numbers.
const FrameText kFrameTexts[] = {
    {91530, R"re(^Salvare le modifiche apportate (.+)\?$)re"},
    {91531, R"re(^Il campo "(.*)" è obbligatorio\.$)re"},
    {91532, R"re(^Impossibile salvare (.+?):\n([\s\S]*)$)re"},
    {91533, R"re(^Impossibile eliminare (.+?):\n([\s\S]*)$)re"},
    {91534, R"re(^Non esiste (.+) con codice "(.*)"\.$)re"},
};

}  // namespace

int showFrameMessage(WindowServices& services, const std::string& text, int style,
                     const std::string& title) {
    for (const FrameText& t : kFrameTexts) {
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

void routeFrameMessages(WindowServices& services, controls::RecordFrame& frame,
                        std::function<std::string()> titolo) {
    frame.SetNotify([&services, titolo](const QString& text) {
        showFrameMessage(services, text.toStdString(), vbExclamation, titolo());
    });
    frame.SetAskSave([&services, titolo](const QString& question, bool allowCancel) {
        const int r =
            showFrameMessage(services, question.toStdString(),
                             (allowCancel ? vbYesNoCancel : vbYesNo) + vbQuestion, titolo());
        return r == vbYes  ? controls::SaveAnswer::Save
               : r == vbNo ? controls::SaveAnswer::Discard
                           : controls::SaveAnswer::Cancel;
    });
}

}  // namespace common
