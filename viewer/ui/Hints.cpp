#include "viewer/ui/Hints.h"

#include <QCoreApplication>
#include <QEvent>

namespace tarn {

THintSwitch::THintSwitch(QObject* parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

THintSwitch::~THintSwitch()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

bool THintSwitch::eventFilter(QObject* watched, QEvent* event)
{
    if (!enabled_ && event->type() == QEvent::ToolTip)
        return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace tarn
