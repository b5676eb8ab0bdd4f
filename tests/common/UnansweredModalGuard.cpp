#include "tests/common/UnansweredModalGuard.h"

#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>

namespace tarn::test {

namespace {

// Three times OnNextModal's patience, so that an answer still on its way
// is never cut short.
constexpr int kUnansweredAfterMs = 15000;
constexpr int kPollMs = 100;

}  // namespace

UnansweredModalGuard::UnansweredModalGuard()
{
    poll_.setInterval(kPollMs);
    QObject::connect(&poll_, &QTimer::timeout, [this] { Check(); });
    poll_.start();
}

void UnansweredModalGuard::Check()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != watched_) {
        watched_ = modal;
        giveUp_ = QDeadlineTimer(kUnansweredAfterMs);
        return;
    }
    if (modal == nullptr || !giveUp_.hasExpired())
        return;
    ADD_FAILURE() << "modal window " << modal->objectName().toStdString() << " (\""
                  << modal->windowTitle().toStdString() << "\") was never answered";
    watched_ = nullptr;
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

}  // namespace tarn::test
