#pragma once
// Pending edits of a record frame when its window closes: the window never
// refuses to close, and never loses edits silently either. The user chooses
// save or discard (no cancel); a save that fails goes to the error report,
// whose answer decides: retry saves again, any other answer discards.

#include <string>

namespace controls {
class RecordFrame;
}

namespace common {

class WindowServices;

// Answers whether the edits were saved (true also when none were pending).
bool concludeOnClose(WindowServices& services, controls::RecordFrame& frame,
                     const std::string& procedure);

// A tab's frame before the window shows another item: saved, dropped, or
// (Annulla) kept, and then false: the item stays. Without the right to
// change data the edits are dropped unasked.
bool concludeBeforeLeaving(WindowServices& services, controls::RecordFrame& frame);

// The same for a tab's frame whose rows are about to be replaced (another
// item, another counterpart, the frame's release). Without the right to
// change data no save can succeed: the edits are dropped unasked.
bool concludeBeforeReload(WindowServices& services, controls::RecordFrame* frame,
                          const std::string& procedure);

}  // namespace common
