#pragma once
// What a record frame says (its save question, a required field, a save or
// delete that failed, a key not found), shown through the window's message
// service with the catalogue number of each text and its parts as the
// parameters. Every frame of the card is tied to the service by
// routeFrameMessages, with the title its tab uses.

#include <functional>
#include <string>

namespace controls {
class RecordFrame;
}

namespace common {

class WindowServices;

// Shows one of the frame's texts; a text the frame does not say is shown as
// it is. Answers the button chosen.
int showFrameMessage(WindowServices& services, const std::string& text, int style,
                     const std::string& title);

// The frame's messages and save question through showFrameMessage;
// `titolo` gives the title at the time of the message.
void routeFrameMessages(WindowServices& services, controls::RecordFrame& frame,
                        std::function<std::string()> titolo);

}  // namespace common
