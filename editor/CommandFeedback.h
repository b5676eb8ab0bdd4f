#pragma once

#include <exception>

namespace tarn {

// Shows the hourglass for the life of a command.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Shows a failure in a message box: its coded message, under the caption
// the message names where it names one.
void ShowError(const std::exception& error);

}  // namespace tarn
