#pragma once
// Read-only boxes look read-only: a text box a user cannot type in takes the
// window's colour instead of the white of a box that takes input, so the eye
// tells the two apart before the keyboard does.

class QWidget;

namespace controls {

// Gives every text box under root (and those it gets later read-only or
// editable again) the look of its state. Call it once a root's controls exist.
void ShowReadOnlyLook(QWidget* root);

}  // namespace controls
