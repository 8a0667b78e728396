#pragma once
// A grid uses the width it has. Qt's own rule gives the room left to the last
// column; when a description stands before other columns (codes, flags, a
// command), the room goes to the description instead, and comes back from it
// when the grid narrows, so a narrow column never swells to the grid's edge.

namespace controls {

class DataGrid;

// Installs the rule on grid (once; DataGrid does it for itself).
void StretchDescription(DataGrid* grid);

}  // namespace controls
