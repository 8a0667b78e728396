#pragma once
// What the host's navigator buttons do on the active record frame: move,
// add, save, delete, undo, and search the frame's list for a record.

#include <string>

#include "platform/controls/forward.h"

class QWidget;

namespace framework {
class Multilingual;
}

namespace host {

// Acts on the frame for a navigator button (framework::Navigator ids);
// parent is the window the questions and the search list belong to; texts
// translates the host's own captions into the user's language.
void ActOnFrame(controls::RecordFrame& frame, int button, const framework::Multilingual& texts,
                QWidget* parent);

// Lets the user pick a record of the frame's navigation list, its columns
// under their captions, and shows it. Answers whether a record was chosen
// and found.
bool SearchRecord(controls::RecordFrame& frame, const framework::Multilingual& texts,
                  QWidget* parent);
// The caption of a column of a frame's list in the search (Italian).
std::string FieldCaption(const std::string& field, bool key);

}  // namespace host
