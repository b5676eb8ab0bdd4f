#include "editor/Notifications.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace tarn {

TNotifyEvent::TNotifyEvent(int number, long long first, long long second)
    : QEvent(EventType()), number_(number), first_(first), second_(second)
{
}

QEvent::Type TNotifyEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void BroadcastNotification(int number, long long first, long long second)
{
    // A handler may close or create windows, so the list is taken first and
    // each window checked again before it gets the event.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const auto& window : windows) {
        if (!window || !window->isVisible())
            continue;
        TNotifyEvent event(number, first, second);
        QCoreApplication::sendEvent(window, &event);
    }
}

}  // namespace tarn
