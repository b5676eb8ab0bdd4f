#include "tests/common/AccessibleNames.h"

#include <QAccessible>
#include <QWidget>

namespace tarn::test {

QStringList UnnamedFocusableWidgets(const QWidget& window)
{
    QStringList unnamed;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        // A widget that hands its focus on (a spin box's text field) is
        // announced as the widget it hands it to.
        if (widget->window() != &window || widget->focusPolicy() == Qt::NoFocus || widget->focusProxy())
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget));
        if (accessible == nullptr || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QString("%1 %2").arg(widget->metaObject()->className(), widget->objectName());
    }
    return unnamed;
}

}  // namespace tarn::test
