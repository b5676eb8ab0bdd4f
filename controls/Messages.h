#pragma once

#include <QString>

#include <functional>

namespace tarn {

// The icon a message box shows: coded failure messages are errors, range
// complaints of a field are warnings.
enum class MessageKind { Information, Warning, Error };

// Every message box of the shared controls goes through ShowMessage. Normally
// it opens a modal QMessageBox over the active window (or, before any window
// is active, over the program's main window); while a ScopedMessageSink
// exists the text goes to that sink instead, so tests can read the messages
// without a modal loop.
void ShowMessage(const QString& text, const QString& caption = {}, MessageKind kind = MessageKind::Error);

using MessageSink = std::function<void(const QString& text, const QString& caption)>;

// Routes ShowMessage to a sink for its lifetime; sinks nest, and the previous
// one comes back when this one ends.
class ScopedMessageSink {
public:
    explicit ScopedMessageSink(MessageSink sink);
    ~ScopedMessageSink();
    ScopedMessageSink(const ScopedMessageSink&) = delete;
    ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

private:
    MessageSink sink_;
    const MessageSink* previous_;
};

}  // namespace tarn
