#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace tarn {

// The help window: one HTML page per help topic number, "topic<N>.html" in
// the help folder, with links between the pages.
class THelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit THelpWindow(QString folder, QWidget* parent = nullptr);

    // Shows the page of a topic (or a note that it is missing) and raises
    // the window.
    void ShowTopic(int topic);
    int CurrentTopic() const { return topic_; }
    QString PageText() const;

    // The folder the editor's pages are found in: "help" beside the program,
    // else the one in the source tree it was built from.
    static QString EditorHelpFolder();

private:
    QString folder_;
    QTextBrowser* browser_;
    int topic_ = 0;
};

}  // namespace tarn
