#pragma once
// Key and focus hooks on a widget, so a tab hands a key or the start of an
// edit to its own procedure without writing an event filter of its own.

#include <functional>

class QWidget;

namespace controls {

// Runs the handler whenever the widget takes the focus (the start of an
// edit); the focus goes on as usual.
void OnFocusIn(QWidget* widget, std::function<void()> handler);
// Runs the handler when the key is pressed in the widget; the key is taken.
void OnKeyPress(QWidget* widget, int key, std::function<void()> handler);
// Runs the handler when Tab or Shift+Tab is pressed in the widget; the key
// goes on (the focus moves, or stays where nothing else can take it).
void OnTabKey(QWidget* widget, std::function<void()> handler);

}  // namespace controls
