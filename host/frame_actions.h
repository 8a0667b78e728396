#pragma once
// What the host's navigator buttons do on the active record frame: move,
// add, save, delete, undo, and search the frame's list for a record.

class QWidget;

namespace controls {
class RecordFrame;
}

namespace host {

// Acts on the frame for a navigator button (framework::Navigator ids);
// parent is the window the questions and the search list belong to.
void ActOnFrame(controls::RecordFrame& frame, int button, QWidget* parent);

// Lets the user pick a record of the frame's navigation list and shows it.
// Answers whether a record was chosen and found.
bool SearchRecord(controls::RecordFrame& frame, QWidget* parent);

}  // namespace host
