#include "MainWindowFixture.h"

#include "model/LemFileIO.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"

#include "controls/FlEdit.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace tarn::test {
namespace {

constexpr const char* kProgram = "Tarnhollow 98 Beta 2.0";

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// Confirms the New Map dialog as it opens: Metric, 51 x 51 points.
void AcceptNewMapDialog()
{
    OnNextModal([](QWidget& modal) {
        ASSERT_EQ(modal.objectName(), "CreateMapDialog");
        ClickButton(modal, "OK");
    });
}

class DocumentTest : public MainWindowFixture {
protected:
    // Renames user terrain 9 in the Colour Settings dialog, which changes the map.
    void RenameTerrainNine(const QString& name)
    {
        OnNextModal([name](QWidget& modal) {
            TypeInto(*modal.findChild<QLineEdit*>("Edit9"), name);
            ClickButton(modal, "OK");
        });
        Choose("Tools1", "ColourSettings");
    }
    QString OpenedMap()
    {
        const QString path = folder.filePath("opened.lem");
        WriteMap(path, 40, 30);
        OnNextModal([path](QWidget& modal) { AnswerFileDialog(modal, path); });
        Choose("File1", "OpenMap");
        EXPECT_EQ(Columns(), 40);
        return path;
    }
};

TEST_F(DocumentTest, TheCaptionNamesTheFileSaveWritesTo)
{
    EXPECT_EQ(Caption(), QString(kProgram) + " - Untitled");
    const QString path = OpenedMap();
    EXPECT_EQ(Caption(), QString(kProgram) + " - " + Native(path));
    const QString other = folder.filePath("other.lem");
    OnNextModal([other](QWidget& modal) { AnswerFileDialog(modal, other); });
    Choose("File1", "SaveAsMap");
    EXPECT_EQ(Caption(), QString(kProgram) + " - " + Native(other));
}

TEST_F(DocumentTest, SaveAfterNewAsksForANameAndLeavesTheOpenedFileAlone)
{
    const QString opened = OpenedMap();
    const std::string before = FileBytes(opened);
    AcceptNewMapDialog();
    Choose("File1", "NewMap");
    EXPECT_EQ(Columns(), 51);
    EXPECT_TRUE(window.CurrentFileName().isEmpty());
    EXPECT_EQ(Caption(), QString(kProgram) + " - Untitled");

    QString asked;
    OnNextModal([&asked](QWidget& modal) {
        asked = modal.objectName();
        ClickButton(modal, "Cancel");
    });
    Choose("File1", "SaveMap");
    EXPECT_EQ(asked, "SaveMapDialog");
    EXPECT_TRUE(FileBytes(opened) == before) << "the opened map was overwritten";

    const QString fresh = folder.filePath("fresh.lem");
    OnNextModal([fresh](QWidget& modal) { AnswerFileDialog(modal, fresh); });
    Choose("File1", "SaveMap");
    EXPECT_EQ(window.CurrentFileName(), fresh);
    EXPECT_FALSE(FileBytes(fresh).empty());
    EXPECT_TRUE(FileBytes(opened) == before) << "the opened map was overwritten";
}

TEST_F(DocumentTest, AChangeMarksTheCaptionAndSavingClearsTheMark)
{
    const QString path = OpenedMap();
    RenameTerrainNine("Bog");
    EXPECT_EQ(Caption(), QString(kProgram) + " - " + Native(path) + "*");
    Choose("File1", "SaveMap");
    EXPECT_EQ(Caption(), QString(kProgram) + " - " + Native(path));
    // OK without a change changes nothing.
    OnNextModal([](QWidget& modal) { ClickButton(modal, "OK"); });
    Choose("Tools1", "ColourSettings");
    EXPECT_EQ(Caption(), QString(kProgram) + " - " + Native(path));
}

TEST_F(DocumentTest, NewAsksAboutUnsavedChangesAndCancelKeepsTheMap)
{
    const QString path = OpenedMap();
    RenameTerrainNine("Bog");
    AnswerSaveQuestion(QMessageBox::Cancel, "opened.lem");
    Choose("File1", "NewMap");
    EXPECT_EQ(Columns(), 40);
    EXPECT_EQ(LabelText("TerLabel9"), "Bog");

    AnswerSaveQuestion(QMessageBox::Discard, "opened.lem");
    AcceptNewMapDialog();
    Choose("File1", "NewMap");
    EXPECT_EQ(Columns(), 51);
    EXPECT_EQ(Caption(), QString(kProgram) + " - Untitled");
    // Nothing was written to the file.
    TNet reread;
    NullProgress progress;
    ASSERT_TRUE(LoadLemFile(path.toStdString(), reread, progress));
    EXPECT_NE(TerrainPaletteOf(reread.MapHeader).names[9], "Bog");
}

TEST_F(DocumentTest, AnsweringSaveWritesTheChangesBeforeOpening)
{
    const QString path = OpenedMap();
    RenameTerrainNine("Bog");
    const QString next = folder.filePath("next.lem");
    WriteMap(next, 25, 20);
    AnswerSaveQuestion(QMessageBox::Save, "opened.lem");
    OnNextModal([next](QWidget& modal) { AnswerFileDialog(modal, next); });
    Choose("File1", "OpenMap");
    EXPECT_EQ(Columns(), 25);
    TNet reread;
    NullProgress progress;
    ASSERT_TRUE(LoadLemFile(path.toStdString(), reread, progress));
    EXPECT_EQ(TerrainPaletteOf(reread.MapHeader).names[9], "Bog");
}

TEST_F(DocumentTest, ASaveThatIsCancelledOrFailsStopsTheCommand)
{
    RenameTerrainNine("Bog");  // the start-up map, which has no file yet
    AnswerSaveQuestion(QMessageBox::Save, "Untitled");
    OnNextModal([](QWidget& modal) { ClickButton(modal, "Cancel"); });  // the Save As dialog
    Choose("File1", "NewMap");
    EXPECT_EQ(LabelText("TerLabel9"), "Bog");

    AnswerSaveQuestion(QMessageBox::Save, "Untitled");
    const QString nowhere = folder.filePath("missing folder/x.lem");
    OnNextModal([nowhere](QWidget& modal) { AnswerFileDialog(modal, nowhere); });
    Choose("File1", "NewMap");
    EXPECT_EQ(LabelText("TerLabel9"), "Bog");
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), "E0007 Error saving lem file");
}

TEST_F(DocumentTest, ExitAsksAboutUnsavedChanges)
{
    RenameTerrainNine("Bog");
    AnswerSaveQuestion(QMessageBox::Cancel, "Untitled");
    Choose("File1", "ExitTarn");
    EXPECT_TRUE(window.isVisible());
    // Closing the window from its title bar asks the same.
    AnswerSaveQuestion(QMessageBox::Discard, "Untitled");
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(DocumentTest, NewKeepsItsDialogOpenUntilTheSizeCanBeMade)
{
    OnNextModal([this](QWidget& modal) {
        ChooseItem(*modal.findChild<QComboBox*>("MapUnitsCombo"), "MicroMetric");
        TypeInto(*modal.findChild<TFloatEdit*>("XMaskEdit"), "501");
        TypeInto(*modal.findChild<TFloatEdit*>("YMaskEdit"), "501");
        ClickButton(modal, "OK");
        EXPECT_TRUE(modal.isVisible());
        EXPECT_EQ(messages, std::vector<QString>{"E0005 Create Map Failed: too many grid points"});
        TypeInto(*modal.findChild<TFloatEdit*>("XMaskEdit"), "60");
        TypeInto(*modal.findChild<TFloatEdit*>("YMaskEdit"), "70");
        ClickButton(modal, "OK");
    });
    Choose("File1", "NewMap");
    EXPECT_EQ(Columns(), 60);
    EXPECT_EQ(Net().MapHeader.Rows, 70);
    EXPECT_EQ(Net().MapHeader.MapUnits, 2);
    EXPECT_EQ(LabelText("MapSizeLabel"), "590M x 690M");
}

TEST_F(DocumentTest, AnUnchangedMapIsReplacedAndClosedWithoutAQuestion)
{
    OpenedMap();
    AcceptNewMapDialog();
    Choose("File1", "NewMap");
    EXPECT_EQ(Columns(), 51);
    EXPECT_TRUE(window.close());
}

}  // namespace
}  // namespace tarn::test
