#pragma once
// Small helpers for the boxes of the state tabs.

#include <string>

#include "platform/framework/lookup_service.h"

namespace common {
class ItemCard;
}

namespace states {

// The description a decode request finds for its code, right-trimmed; ""
// when the code is not found. Errors are ignored.
std::string DecodedDescription(common::ItemCard& card, const framework::LookupRequest& request);

}  // namespace states
