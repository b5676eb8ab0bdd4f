#pragma once

#include <QDeadlineTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace tarn::test {

// Fails the running test when one modal window (dialog or message box)
// stays up far longer than any answer given through OnNextModal takes,
// and closes it: a window nothing answers would otherwise keep the
// command that opened it, and the whole test binary, waiting for good.
class UnansweredModalGuard {
public:
    UnansweredModalGuard();

private:
    void Check();

    QTimer poll_;
    QPointer<QWidget> watched_;
    QDeadlineTimer giveUp_;
};

}  // namespace tarn::test
