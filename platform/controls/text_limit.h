#pragma once
// How many characters a text box takes. A line edit (and a look-up box)
// keeps its own maximum; a text of several lines keeps it as a property and
// cuts what goes past it. Record frames narrow a bound box to its column.

class QKeyEvent;
class QWidget;

namespace controls {

// The box's limit; 0 when it has none.
int TextLimit(const QWidget* box);
// Sets the limit of a QLineEdit, LookupBox or QPlainTextEdit (0: none).
void SetTextLimit(QWidget* box, int limit);
// The smaller of the box's own limit and this one (limit <= 0 changes nothing).
void NarrowTextLimit(QWidget* box, int limit);
// Whether a key press (typed text or a paste) would take the box past its
// limit: what the box cannot take is lost, and the user is to be told.
bool ExceedsTextLimit(const QWidget* box, const QKeyEvent* event);

}  // namespace controls
