#pragma once
// The card's own classes a header names only by pointer or reference,
// declared once for the headers of the tabs and their helpers.

namespace common {
class CardTab;
class ItemCard;
class Procedure;
class WindowServices;
}  // namespace common
