#include "editor/CommandSupport.h"

#include "controls/Messages.h"
#include "model/Errors.h"

#include <QFileDialog>

namespace tarn {

std::filesystem::path ToPath(const QString& fileName) { return std::filesystem::path(fileName.toStdString()); }

void ShowError(const std::exception& error)
{
    const auto* coded = dynamic_cast<const ETarnError*>(&error);
    ShowMessage(QString::fromStdString(error.what()), coded ? QString::fromStdString(coded->caption()) : QString());
}

std::optional<QString> ChosenFile(QFileDialog* dialog)
{
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().first();
}

}  // namespace tarn
