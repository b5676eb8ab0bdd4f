#pragma once

#include "controls/Messages.h"
#include "editor/DefNet.h"
#include "editor/Tarn.h"
#include "model/MapFactory.h"
#include "model/SettingsStore.h"
#include "tests/common/UnansweredModalGuard.h"
#include "tests/common/UserActions.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace tarn::test {

inline std::string FileBytes(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Writes a Metric map of null heights (or of one height everywhere) with
// the model alone, for the window to open.
void WriteMap(const QString& path, int columns, int rows, std::optional<int> height = std::nullopt);

// Types a path into a file dialog's name field and confirms it with Enter.
void AnswerFileDialog(QWidget& modal, const QString& path);
// Types a folder into a file dialog's name field and goes there with Enter.
void GoToFolder(QWidget& modal, const QString& folder);
// Answers the "Save changes?" question about the map called `name` (as
// its caption shows it) with one of its buttons, once it comes up.
void AnswerSaveQuestion(QMessageBox::StandardButton answer, const QString& name);

// The editor's main window, shown, with the messages it would put in
// message boxes collected instead.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture();

    // A part by its object name; the window's own before one of its
    // dialogs' (both the palette and the Interpolation Parameters dialog
    // have a MinHeightSpin).
    template <typename Widget>
    Widget& Find(const char* name)
    {
        const QList<Widget*> found = window.findChildren<Widget*>(name);
        if (found.isEmpty())
            throw std::runtime_error(std::string("no widget ") + name);
        if constexpr (std::is_base_of_v<QWidget, Widget>) {
            for (Widget* widget : found)
                if (widget->window() == &window)
                    return *widget;
        }
        return *found.front();
    }
    TDefineNet& Net() { return Find<TDefineNet>("DefineNet"); }
    int Columns() { return Net().MapHeader.Columns; }
    QString LabelText(const char* name) { return Find<QLabel>(name).text(); }
    // The caption as the window system shows it.
    QString Caption() { return window.windowHandle()->title(); }
    void Choose(const char* menu, const char* item) { ChooseMenuItem(window, menu, item); }
    void Click(const char* button) { QTest::mouseClick(&Find<QToolButton>(button), Qt::LeftButton); }
    void ShowTab(const char* tab);

    MemorySettingsStore store;
    QTemporaryDir folder;
    std::vector<QString> messages;
    ScopedMessageSink sink{[this](const QString& text, const QString&) { messages.push_back(text); }};
    TTarnForm window{store};
    UnansweredModalGuard unanswered;
};

}  // namespace tarn::test
