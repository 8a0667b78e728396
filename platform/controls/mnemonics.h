#pragma once
// Mnemonics for a window's commands: every button and check box whose
// caption has none gets the first free letter of its caption (a word's
// initial first), shown underlined, so every command is reached by Alt+letter.

#include <QList>
#include <QSet>

class QWidget;

namespace controls {

// Gives the buttons and check boxes under root that have no mnemonic one
// letter each, avoiding the letters in taken and those root already uses;
// buttons under a widget of skip are left alone (the pages of a tab control,
// which get theirs page by page). Answers the letters used (upper case),
// taken included.
QSet<QChar> AssignMnemonics(QWidget* root, QSet<QChar> taken = {},
                            const QList<QWidget*>& skip = {});

}  // namespace controls
