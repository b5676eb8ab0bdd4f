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
    THelpWindow(QString folder, const QString& title, QWidget* parent = nullptr);

    // Shows the page of a topic (or a note that it is missing) and raises
    // the window.
    void ShowTopic(int topic);
    int CurrentTopic() const { return topic_; }
    QString PageText() const;

    // A program's help folder: the folder of that name beside the program
    // when it holds the pages, else the one in the source tree it was built
    // from.
    static QString Folder(const QString& besideProgram, const QString& sourceTree);

private:
    QString folder_;
    QTextBrowser* browser_;
    int topic_ = 0;
};

}  // namespace tarn
