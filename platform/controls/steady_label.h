#pragma once
// A notice label that comes and goes (a warning above a grid, an item's
// state) keeps its place while hidden, so showing it moves nothing else.

class QLabel;

namespace controls {

// Reserves lines of the label's font while it is hidden or empty.
void KeepPlaceWhenHidden(QLabel* label, int lines = 1);

}  // namespace controls
