#pragma once
// Small helpers for the boxes of the state tabs.

#include <string>

#include "common/forward.h"
#include "platform/controls/forward.h"
#include "platform/db/forward.h"
#include "platform/framework/lookup_service.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace states {

// The description a decode request finds for its code, right-trimmed; ""
// when the code is not found. Errors are ignored.
std::string DecodedDescription(common::ItemCard& card, const framework::LookupRequest& request);

// A state box's list of states (its StartLookup) and the decode of the code
// typed in it (its StartDecode).
void LookUpStates(common::ItemCard& card, controls::LookupBox& box);
void DecodeStateCode(common::ItemCard& card, controls::LookupBox& box);

// A box the user types a code in: upper case, at most maxLength characters,
// its lists read on the connection.
controls::LookupBox* NewCodeBox(QWidget* parent, const char* name, db::Connection* connection,
                                int maxLength);
// The read-only description beside a box, out of the tab order.
QLineEdit* NewDescriptionEdit(QWidget* parent, const char* name);
// The hidden warning above a tab's grid, keeping its place for the lines
// given (wrapped when more than one) so that the grid does not move.
QLabel* NewWarningLabel(QWidget* parent, const char* name, int lines = 1);

}  // namespace states
