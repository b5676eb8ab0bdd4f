#pragma once

#include <functional>

class QDialog;
class QDialogButtonBox;

namespace tarn {

using THelpHandler = std::function<void(int topic)>;

// The "OK", "Cancel" and "&Help" row of the exchange dialogs: OK (the
// default button, so Enter presses it) accepts, Cancel rejects, Help shows
// the topic.
QDialogButtonBox* OkCancelHelpButtons(QDialog& dialog, THelpHandler showHelp, int helpTopic);

}  // namespace tarn
