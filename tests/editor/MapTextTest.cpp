// Texts the user types into the editor travel in the map file in the Windows
// Western code page and come back as typed.
#include "MainWindowFixture.h"
#include "editor/Tarn.h"
#include "model/SettingsStore.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>
#include <map>

namespace tarn {
namespace {

constexpr std::size_t kTerrainNamesOffset = 636;
constexpr std::size_t kTerrainNameSlot = 31;

// Types the text as a keyboard with a key for each letter does (QTest's
// keyClicks knows only the keys of ASCII characters).
void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

class MapTextTest : public ::testing::Test {
protected:
    MapTextTest() { window.show(); }

    // Opens Edit Terrains as a user does, types the names into the edits of
    // the slots and confirms with OK.
    void TypeTerrainNames(const std::map<int, QString>& names)
    {
        auto* tabs = window.findChild<QTabWidget*>("PageControl1");
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
        QTimer::singleShot(0, [names] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            for (const auto& [slot, name] : names) {
                auto* edit = dialog->findChild<QLineEdit*>(QString("Edit%1").arg(slot));
                QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
                TypeText(edit, name);
            }
            QTest::mouseClick(dialog->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        });
        QTest::mouseClick(window.findChild<QPushButton*>("EditTerrainsButton"), Qt::LeftButton);
    }
    QString TerrainLabel(int slot) const { return window.findChild<QLabel*>(QString("TerLabel%1").arg(slot))->text(); }
    std::string StoredName(const std::string& file, int slot) const
    {
        const std::size_t at = kTerrainNamesOffset + kTerrainNameSlot * static_cast<std::size_t>(slot);
        const std::string field = file.substr(at, kTerrainNameSlot);
        return field.substr(0, field.find('\0'));
    }
    static std::string FileBytes(const QString& path)
    {
        std::ifstream in(path.toStdString(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    MemorySettingsStore store;
    QTemporaryDir folder;
    TTarnForm window{store};
};

TEST_F(MapTextTest, ATerrainNameIsSavedInTheWesternCodePageAndReadBackAsTyped)
{
    const QString accented(31, QChar(0xE9));  // é, one more than a name holds
    TypeTerrainNames({{8, QString::fromUtf8("G\xC3\xA4rten")}, {9, accented}});
    EXPECT_EQ(TerrainLabel(8), QString::fromUtf8("G\xC3\xA4rten"));

    const QString path = folder.filePath("names.lem");
    test::OnNextModal([path](QWidget& modal) { test::AnswerFileDialog(modal, path); });
    test::ChooseMenuItem(window, "File1", "SaveAsMap");
    const std::string file = FileBytes(path);
    ASSERT_GT(file.size(), 2576u);
    EXPECT_EQ(StoredName(file, 8), "G\xE4rten");
    EXPECT_EQ(StoredName(file, 9), std::string(30, '\xE9'));

    window.CreateMap(MapUnits::Metric, 25, 25, 100);
    EXPECT_EQ(TerrainLabel(8), "_user01");
    window.LoadMap(path);
    EXPECT_EQ(TerrainLabel(8), QString::fromUtf8("G\xC3\xA4rten"));
    EXPECT_EQ(TerrainLabel(9), accented.left(30));
}

}  // namespace
}  // namespace tarn
