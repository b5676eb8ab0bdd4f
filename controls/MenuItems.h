#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>

#include <utility>

namespace tarn {

// Adds a menu item named `name` (its objectName, so tests find it) that runs
// `run` on the owner's thread when chosen.
template <typename Run>
QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption, QObject* owner, Run run)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, owner, std::move(run));
    return action;
}

}  // namespace tarn
