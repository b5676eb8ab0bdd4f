#pragma once

#include "editor/Notifications.h"

#include <QWidget>

#include <vector>

namespace tarn {

// A visible window that records every notification it receives.
class TNotificationRecorder : public QWidget {
public:
    struct TReceived {
        int number;
        long long first;
        long long second;
    };

    TNotificationRecorder() { show(); }

    std::vector<TReceived> received;

    int Count(int number) const
    {
        int count = 0;
        for (const auto& item : received)
            count += item.number == number;
        return count;
    }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == TNotifyEvent::EventType()) {
            const auto* notification = static_cast<TNotifyEvent*>(event);
            received.push_back({notification->Number(), notification->First(), notification->Second()});
            return true;
        }
        return QWidget::event(event);
    }
};

}  // namespace tarn
