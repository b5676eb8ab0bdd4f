#pragma once

#include <QString>

class QLabel;
class QSpinBox;
class QWidget;

namespace tarn {

// A spin box of the exchange dialogs, named for tests and for screen readers.
QSpinBox* NamedSpin(QWidget* parent, const char* name, const QString& accessibleName, int min, int max, int value);

// A caption whose mnemonic moves the focus to `buddy`.
QLabel* BuddyLabel(QWidget* parent, const QString& text, QWidget* buddy);

}  // namespace tarn
