#pragma once

#include <QEvent>

namespace tarn {

// The numbered notifications the canvas sends to every open window.
enum Notification : int {
    kUndoAvailable = 2025,
    kUndoUsed = 2026,
    kBandRangeChanged = 2027,
    kMouseOverNode = 2028,
    kSectionToolChanged = 2029,
    kSectionPoint = 2030,
    kSectionHeightAxis = 2031,
    kSectionDistanceAxis = 2032,
};

// One notification with its two parameter words.
class TNotifyEvent final : public QEvent {
public:
    TNotifyEvent(int number, long long first, long long second);

    static QEvent::Type EventType();

    int Number() const { return number_; }
    long long First() const { return first_; }
    long long Second() const { return second_; }

private:
    int number_;
    long long first_;
    long long second_;
};

// Delivers a notification synchronously to every visible top-level window,
// in the application's window order. Windows that do not handle it ignore it.
void BroadcastNotification(int number, long long first = 0, long long second = 0);

// The second parameter word of kMouseOverNode: column low, row high.
constexpr long long PackColumnRow(int column, int row)
{
    return static_cast<long long>((static_cast<unsigned>(row) & 0xFFFFu) << 16 | (static_cast<unsigned>(column) & 0xFFFFu));
}
constexpr int UnpackColumn(long long packed) { return static_cast<int>(packed & 0xFFFF); }
constexpr int UnpackRow(long long packed) { return static_cast<int>((packed >> 16) & 0xFFFF); }

}  // namespace tarn
