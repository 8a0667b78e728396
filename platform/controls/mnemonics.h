#pragma once
// Mnemonics for a window's commands: every button and check box whose
// caption has none gets the first free letter of its caption (a word's
// initial first), shown underlined, so every command is reached by Alt+letter.

#include <QList>
#include <QSet>

class QAbstractButton;
class QString;
class QWidget;

namespace controls {

// Gives the buttons and check boxes under root that have no mnemonic one
// letter each (tool buttons only when their property "takesMnemonic" is
// true: a toolbar's are reached otherwise; those with "mnemonicFirst" true
// choose before the others), avoiding the letters in taken and those root already
// uses; buttons under a widget of skip are left alone (the pages of a tab control, which get theirs
// page by page). Answers the letters used (upper case), taken included.
QSet<QChar> AssignMnemonics(QWidget* root, QSet<QChar> taken = {},
                            const QList<QWidget*>& skip = {});

// Gives a command a new caption without losing its mnemonic: the same letter
// when the new caption has it, else a letter no other command of its window
// uses. A caption with its own mnemonic is set as it is.
void SetCommandText(QAbstractButton* button, const QString& text);
// A caption as the user reads it, without its mnemonic mark ("&Nuovo": "Nuovo").
QString PlainCaption(const QString& text);

}  // namespace controls
