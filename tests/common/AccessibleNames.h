#pragma once

#include "tests/common/QtPrinters.h"

#include <QStringList>

class QWidget;

namespace tarn::test {

// Every widget of a window that takes the keyboard focus but has no
// accessible name (its own, its label's or its text), named by class and
// object name. Windows the window owns (dialogs, menus) are left to their
// own check.
QStringList UnnamedFocusableWidgets(const QWidget& window);

}  // namespace tarn::test
