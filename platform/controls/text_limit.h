#pragma once
// How many characters a text box takes. A line edit (and a look-up box)
// keeps its own maximum; a text of several lines keeps it as a property and
// cuts what goes past it. Record frames narrow a bound box to its column.

#include <QString>

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

// The first character of the text that the company's text columns cannot
// hold (they are CHAR/VARCHAR in code page 1252: Latin letters with their
// accents, digits, signs, the euro and typographic quotes), as one
// character even when it takes two UTF-16 units (an emoji); "" when every
// character fits.
QString UnstorableCharacter(const QString& text);
// The same for what a key press (typed text or a paste) would put in a box.
QString UnstorableCharacter(const QKeyEvent* event);
// The same for a text taken in whole (a file, a new code), where a control
// character (a binary file read as text) is refused too, shown as "\x01".
QString UnstorableText(const QString& text);
// The first character of a key press (typed or pasted) that a line edit's
// validator refuses (letters in a number box); "" when it takes them all.
QString RefusedCharacter(const QWidget* box, const QKeyEvent* event);

}  // namespace controls
