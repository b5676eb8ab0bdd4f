#pragma once

#include "controls/Messages.h"

#include <QStringList>

namespace tarn::test {

// Collects every message the controls show while it exists.
class MessageRecorder {
public:
    MessageRecorder() : sink_([this](const QString& text, const QString&) { texts.append(text); }) {}

    QStringList texts;

private:
    ScopedMessageSink sink_;
};

}  // namespace tarn::test
