#include "controls/HelpWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tarn {

THelpWindow::THelpWindow(QString folder, const QString& title, QWidget* parent)
    : QDialog(parent), folder_(std::move(folder)), browser_(new QTextBrowser(this))
{
    setObjectName("HelpWindow");
    setWindowTitle(title);
    browser_->setObjectName("HelpBrowser");
    browser_->setAccessibleName("Help page");
    browser_->setOpenLinks(true);
    browser_->setSearchPaths({folder_});
    browser_->document()->setDocumentMargin(12);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(560, 480);
}

void THelpWindow::ShowTopic(int topic)
{
    topic_ = topic;
    const QString page = QDir(folder_).filePath(QString("topic%1.html").arg(topic));
    if (QFileInfo::exists(page))
        browser_->setSource(QUrl::fromLocalFile(page));
    else
        browser_->setHtml(QString("<h2>Help</h2><p>There is no help page for topic %1.</p>").arg(topic));
    show();
    raise();
    activateWindow();
}

QString THelpWindow::PageText() const
{
    return browser_->toPlainText();
}

QString THelpWindow::Folder(const QString& besideProgram, const QString& sourceTree)
{
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(besideProgram);
    if (QFileInfo::exists(QDir(beside).filePath("topic1.html")))
        return beside;
    return sourceTree;
}

}  // namespace tarn
