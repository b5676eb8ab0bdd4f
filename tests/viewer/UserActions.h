#pragma once

// What a user does in the tests: find controls by name, type into them,
// click them, and answer modal dialogs once they show.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace tarn::test {

template <typename T = QWidget>
T* Find(const QObject* root, const char* name)
{
    T* found = root->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Selects what the field holds, types the text over it and, unless told
// otherwise, presses Enter.
inline void TypeInto(QWidget* field, const QString& text, bool enter = true)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
    if (enter)
        QTest::keyClick(field, Qt::Key_Return);
}

// Clicks a button; check boxes and radio buttons on their box, which a
// click in the middle of a wide one would miss.
inline void Click(QWidget* button)
{
    const bool boxed = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, boxed ? QPoint(8, button->height() / 2) : button->rect().center());
}

// Clicks the tab of a page.
inline void ClickTab(QTabWidget* pages, int index)
{
    QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(index).center());
}

// Runs the action on the next modal dialog (one other than the one active
// now) as soon as it is shown.
inline void WhenModal(std::function<void(QWidget* dialog)> action)
{
    QWidget* before = QApplication::activeModalWidget();
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, before, action] {
        QWidget* now = QApplication::activeModalWidget();
        const bool timedOut = clock->elapsed() > 20000;
        if ((!now || now == before) && !timedOut)
            return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (timedOut) {
            ADD_FAILURE() << "no dialog was shown";
            return;
        }
        action(now);
    });
    timer->start(10);
}

// Pastes a file name into a file dialog and clicks its Open or Save button
// (typing it letter by letter lets the dialog complete the name).
inline void ChooseFile(QWidget* dialog, const QString& fileName)
{
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
    ASSERT_NE(name, nullptr);
    ASSERT_NE(buttons, nullptr);
    QGuiApplication::clipboard()->setText(fileName);
    name->setFocus();
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    for (QAbstractButton* button : buttons->buttons())
        if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) {
            Click(button);
            return;
        }
    ADD_FAILURE() << "no accept button";
}

// Types a colour ("#102030") into a colour dialog and presses Enter.
inline void ChooseColour(QWidget* dialog, const QString& colour)
{
    for (QLineEdit* edit : dialog->findChildren<QLineEdit*>())
        if (!qobject_cast<QAbstractSpinBox*>(edit->parent())) {
            TypeInto(edit, colour);
            return;
        }
    ADD_FAILURE() << "no colour field";
}

// Presses, moves and releases the left button at pixels of a widget.
inline void Drag(QWidget* widget, QPoint from, QPoint to)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    QTest::mouseMove(widget, (from + to) / 2);
    QTest::mouseMove(widget, to);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
}

}  // namespace tarn::test
