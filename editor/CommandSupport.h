#pragma once

#include "editor/BusyCursor.h"

#include <QString>

#include <exception>
#include <filesystem>
#include <optional>

class QFileDialog;

namespace tarn {

// What the main window's commands share.

std::filesystem::path ToPath(const QString& fileName);

// A failure's message in an error box, under the caption a coded message
// names.
void ShowError(const std::exception& error);

// Runs the file dialog; the file chosen, or nothing after Cancel.
std::optional<QString> ChosenFile(QFileDialog* dialog);

}  // namespace tarn
