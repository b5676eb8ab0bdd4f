// Messages as the user sees them: real message boxes, no sink.
#include "MainWindowFixture.h"

#include <QMessageBox>

namespace tarn::test {
namespace {

// Reads the message box that comes up next, then closes it with OK.
struct TSeenBox {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    const QWidget* parent = nullptr;
    bool parentShown = false;
    bool seen = false;
};

void ReadNextBox(TSeenBox& seen)
{
    OnNextModal([&seen](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        ASSERT_NE(box, nullptr);
        seen.text = box->text();
        seen.icon = box->icon();
        seen.parent = box->parentWidget();
        seen.parentShown = seen.parent != nullptr && seen.parent->isVisible();
        seen.seen = true;
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
}

QString MissingMap(const QTemporaryDir& folder)
{
    return folder.filePath("missing.lem");
}

TEST(ErrorBoxTest, ALoadErrorShowsWithTheErrorIcon)
{
    QTemporaryDir folder;
    MemorySettingsStore store;
    TTarnForm window(store);
    window.show();
    TSeenBox seen;
    ReadNextBox(seen);
    window.LoadMap(MissingMap(folder));
    ASSERT_TRUE(seen.seen);
    EXPECT_TRUE(seen.text.startsWith("E0060 Error opening lem file")) << seen.text.toStdString();
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}

TEST(ErrorBoxTest, ALoadErrorAtStartShowsOverTheShownWindow)
{
    QTemporaryDir folder;
    MemorySettingsStore store;
    TSeenBox seen;
    ReadNextBox(seen);
    TTarnForm window(store, MissingMap(folder));
    window.show();
    ASSERT_TRUE(WaitFor([&] { return seen.seen; }));
    EXPECT_EQ(seen.parent, &window);
    EXPECT_TRUE(seen.parentShown);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_FALSE(window.MapPresent());
}

TEST(ErrorBoxTest, ARefusedNewMapSizeShowsWithTheErrorIcon)
{
    MemorySettingsStore store;
    TTarnForm window(store);
    window.show();
    TSeenBox seen;
    OnNextModal([&seen](QWidget& dialog) {
        TypeInto(*dialog.findChild<QLineEdit*>("XMaskEdit"), "1");
        ReadNextBox(seen);
        ClickButton(dialog, "OK");
        ClickButton(dialog, "Cancel");
    });
    ChooseMenuItem(window, "File1", "NewMap");
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "E0006 Create Map Failed: has too few grid points");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}

}  // namespace
}  // namespace tarn::test
