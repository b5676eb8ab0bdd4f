#pragma once

#include "tests/common/QtPrinters.h"

#include <QString>

#include <functional>

class QComboBox;
class QMainWindow;
class QWidget;

namespace tarn::test {

// Acts on the modal window (dialog or message box) that the next command
// opens, once it is on the screen; the command itself waits in the window's
// own event loop meanwhile. A test fails when no such window comes within
// a few seconds.
void OnNextModal(std::function<void(QWidget& modal)> act);

// Clicks, with the mouse, the button of a window whose text (without its
// "&") or object name is `button`.
void ClickButton(QWidget& window, const QString& button);

// Opens a menu of the window's menu bar and chooses one of its items, both
// with the mouse; menu and item are named by their object names.
void ChooseMenuItem(QMainWindow& window, const QString& menu, const QString& item);

// Clicks into a field, empties it (select all, Backspace) and types the text.
void TypeInto(QWidget& field, const QString& text);

// Picks an item of a drop-down list with the arrow keys.
void ChooseItem(QComboBox& list, const QString& item);

// Lets events run until the condition holds (true) or a few seconds pass (false).
bool WaitFor(const std::function<bool()>& condition);

}  // namespace tarn::test
