#include "exchange/ui/DialogFields.h"

#include <QLabel>
#include <QSpinBox>

namespace tarn {

QSpinBox* NamedSpin(QWidget* parent, const char* name, const QString& accessibleName, int min, int max, int value)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setAccessibleName(accessibleName);
    spin->setRange(min, max);
    spin->setValue(value);
    return spin;
}

QLabel* BuddyLabel(QWidget* parent, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace tarn
