#include "editor/CommandFeedback.h"

#include "controls/Messages.h"
#include "model/Errors.h"

#include <QApplication>

namespace tarn {

BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    QApplication::restoreOverrideCursor();
}

void ShowError(const std::exception& error)
{
    const auto* coded = dynamic_cast<const ETarnError*>(&error);
    ShowMessage(QString::fromStdString(error.what()), coded ? QString::fromStdString(coded->caption()) : QString());
}

}  // namespace tarn
