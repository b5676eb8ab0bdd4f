#include "controls/Messages.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>

namespace tarn {

namespace {
// The innermost installed sink; only ever touched on the user-interface thread.
const MessageSink* currentSink = nullptr;

QMessageBox::Icon IconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        break;
    }
    return QMessageBox::Critical;
}

// The window a message belongs over. Right after start-up no window may be
// active yet; the message then still shows over the main window rather than
// alone somewhere on the screen.
QWidget* MessageParent()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(window) && window->isVisible())
            return window;
    return nullptr;
}

}  // namespace

ScopedMessageSink::ScopedMessageSink(MessageSink sink) : sink_(std::move(sink)), previous_(currentSink)
{
    currentSink = &sink_;
}

ScopedMessageSink::~ScopedMessageSink()
{
    currentSink = previous_;
}

void ShowMessage(const QString& text, const QString& caption, MessageKind kind)
{
    if (currentSink) {
        (*currentSink)(text, caption);
        return;
    }
    QMessageBox box(IconOf(kind), caption.isEmpty() ? QApplication::applicationName() : caption, text,
                    QMessageBox::Ok, MessageParent());
    box.setObjectName("MessageBox");
    box.exec();
}

}  // namespace tarn
