#include "tests/common/UserActions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDeadlineTimer>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tarn::test {

namespace {

constexpr int kPatienceMs = 5000;

QString WithoutMnemonic(QString text)
{
    return text.remove('&');
}

}  // namespace

void OnNextModal(std::function<void(QWidget& modal)> act)
{
    // Polls rather than firing once: the command may run events of its own
    // (a busy cursor, a progress pump) before its window comes up.
    auto* timer = new QTimer;
    timer->setInterval(5);
    QWidget* const before = QApplication::activeModalWidget();
    const QDeadlineTimer deadline(kPatienceMs);
    QObject::connect(timer, &QTimer::timeout, [timer, before, deadline, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool arrived = modal != nullptr && modal != before && modal->isVisible();
        if (!arrived && !deadline.hasExpired())
            return;
        timer->stop();
        timer->deleteLater();
        if (!arrived) {
            ADD_FAILURE() << "no modal window came up";
            return;
        }
        const QPointer<QWidget> guard(modal);
        act(*modal);
        // A check that failed inside may have left the window open; close
        // it, so the command returns and the test can report.
        if (::testing::Test::HasFailure() && guard && modal->isVisible()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
    });
    timer->start();
}

void ClickButton(QWidget& window, const QString& button)
{
    for (QAbstractButton* candidate : window.findChildren<QAbstractButton*>()) {
        if (candidate->isVisible() &&
            (WithoutMnemonic(candidate->text()) == button || candidate->objectName() == button)) {
            QTest::mouseClick(candidate, Qt::LeftButton);
            return;
        }
    }
    ADD_FAILURE() << "no button " << button.toStdString() << " in " << window.objectName().toStdString();
}

void ChooseMenuItem(QMainWindow& window, const QString& menu, const QString& item)
{
    auto* list = window.findChild<QMenu*>(menu);
    auto* action = window.findChild<QAction*>(item);
    ASSERT_NE(list, nullptr) << menu.toStdString();
    ASSERT_NE(action, nullptr) << item.toStdString();
    QMenuBar* bar = window.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(list->menuAction()).center());
    ASSERT_TRUE(WaitFor([list] { return list->isVisible(); })) << menu.toStdString() << " did not open";
    QTest::mouseClick(list, Qt::LeftButton, {}, list->actionGeometry(action).center());
}

void TypeInto(QWidget& field, const QString& text)
{
    QTest::mouseClick(&field, Qt::LeftButton);
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClicks(&field, text);
}

void ChooseItem(QComboBox& list, const QString& item)
{
    const int wanted = list.findText(item);
    ASSERT_GE(wanted, 0) << item.toStdString();
    while (list.currentIndex() < wanted)
        QTest::keyClick(&list, Qt::Key_Down);
    while (list.currentIndex() > wanted)
        QTest::keyClick(&list, Qt::Key_Up);
}

bool WaitFor(const std::function<bool()>& condition)
{
    return QTest::qWaitFor(condition, kPatienceMs);
}

}  // namespace tarn::test
