#include "MainWindowFixture.h"

#include "model/LemFileIO.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"

#include <QAbstractItemView>
#include <QMessageBox>
#include <QTabBar>
#include <QTabWidget>

namespace tarn::test {

void WriteMap(const QString& path, int columns, int rows, std::optional<int> height)
{
    TNet net;
    CreateMap(net, {MapUnits::Metric, columns, rows, 10}, DefaultTerrainPalette());
    if (height) {
        for (int node = 1; node <= net.PointCount(); ++node)
            net.GetPoint(node)->Height = static_cast<std::int16_t>(*height);
    }
    SaveLemFile(path.toStdString(), net);
}

namespace {

// Types a path into a file dialog's name field and presses Enter until the
// dialog has done what `done` waits for. The dialog reads its folder in the
// background and then selects the file chosen last time, which writes that
// name into the field; a user waits for the list to settle before typing,
// and so does this. The field's completer may also pop up its list, and
// Enter then only closes the list, as it does for a user, who presses it
// again.
void TypePathAndEnter(QWidget& modal, const QString& path, const std::function<bool()>& done)
{
    auto* name = modal.findChild<QLineEdit*>("fileNameEdit");
    auto* list = modal.findChild<QAbstractItemView*>("listView");
    ASSERT_NE(name, nullptr) << modal.objectName().toStdString();
    ASSERT_NE(list, nullptr) << modal.objectName().toStdString();
    WaitFor([list] { return list->model()->rowCount(list->rootIndex()) > 0; });
    QTest::qWait(100);
    TypeInto(*name, path);
    ASSERT_EQ(name->text(), path);
    bool finished = false;
    for (int attempt = 0; attempt < 5 && !finished; ++attempt) {
        QTest::keyClick(name, Qt::Key_Return);
        finished = QTest::qWaitFor(done, 500);
    }
    EXPECT_TRUE(finished) << path.toStdString();
}

}  // namespace

void AnswerFileDialog(QWidget& modal, const QString& path)
{
    TypePathAndEnter(modal, path, [&modal] { return !modal.isVisible(); });
}

void GoToFolder(QWidget& modal, const QString& folder)
{
    auto& files = static_cast<QFileDialog&>(modal);
    TypePathAndEnter(modal, folder, [&files, folder] { return files.directory() == QDir(folder); });
}

void AnswerSaveQuestion(QMessageBox::StandardButton answer, const QString& name)
{
    OnNextModal([answer, name](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Save changes to " + name + "?");
        EXPECT_NE(box->button(QMessageBox::Save), nullptr);
        EXPECT_NE(box->button(QMessageBox::Discard), nullptr);
        EXPECT_NE(box->button(QMessageBox::Cancel), nullptr);
        QTest::mouseClick(box->button(answer), Qt::LeftButton);
    });
}

MainWindowFixture::MainWindowFixture()
{
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
}

void MainWindowFixture::ShowTab(const char* tab)
{
    auto& pages = Find<QTabWidget>("PageControl1");
    QTabBar* bar = pages.tabBar();
    for (int index = 0; index < pages.count(); ++index) {
        if (pages.widget(index)->objectName() == tab) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
            return;
        }
    }
    ADD_FAILURE() << "no tab " << tab;
}

}  // namespace tarn::test
