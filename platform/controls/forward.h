#pragma once
// The controls a header names only by pointer or reference, declared once
// for the headers of the card.

namespace controls {
class DataGrid;
class GridNavigator;
class LookupBox;
class ProgressPanel;
class RecordFrame;
class SideBar;
class SplitRegion;
}  // namespace controls
