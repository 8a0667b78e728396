#pragma once
// Small helpers for the boxes of the state tabs.

#include <functional>
#include <string>

#include "platform/framework/lookup_service.h"

class QWidget;

namespace common {
class ItemCard;
}

namespace states {

// The description a decode request finds for its code, right-trimmed; ""
// when the code is not found. Errors are ignored.
std::string DecodedDescription(common::ItemCard& card, const framework::LookupRequest& request);

// Runs the handler whenever the widget takes the focus (the start of an edit).
void onFocusIn(QWidget* widget, std::function<void()> handler);
// Runs the handler when the key is pressed in the widget (the key is taken).
void onKeyPress(QWidget* widget, int key, std::function<void()> handler);

}  // namespace states
