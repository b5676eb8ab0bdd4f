#include "controls/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace tarn {

namespace {
// The innermost installed sink; only ever touched on the user-interface thread.
const MessageSink* currentSink = nullptr;
}  // namespace

ScopedMessageSink::ScopedMessageSink(MessageSink sink) : sink_(std::move(sink)), previous_(currentSink)
{
    currentSink = &sink_;
}

ScopedMessageSink::~ScopedMessageSink()
{
    currentSink = previous_;
}

void ShowMessage(const QString& text, const QString& caption)
{
    if (currentSink) {
        (*currentSink)(text, caption);
        return;
    }
    QMessageBox::information(QApplication::activeWindow(),
                             caption.isEmpty() ? QApplication::applicationName() : caption, text);
}

}  // namespace tarn
