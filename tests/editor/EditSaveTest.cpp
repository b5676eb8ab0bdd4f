#include "MainWindowFixture.h"

#include "controls/FlEdit.h"
#include "editor/Shape.h"
#include "model/MapHeader.h"
#include "tests/editor/CanvasUser.h"

#include <QRadioButton>

#include <cstring>
#include <set>

namespace tarn::test {
namespace {

// Where the LEM file keeps a node's height and a square's terrain: after
// the header, a count and the heights, then a count and the terrains.
std::size_t HeightOffset(int node)
{
    return TMapHeader::kFileSize + 4 + 2 * static_cast<std::size_t>(node - 1);
}
std::size_t TerrainOffset(int nodes, int square)
{
    return HeightOffset(nodes + 1) + 4 + 2 * static_cast<std::size_t>(square - 1);
}
int Int16At(const std::string& bytes, std::size_t offset)
{
    std::int16_t value = 0;
    std::memcpy(&value, bytes.data() + offset, 2);
    return value;
}

using EditSaveTest = MainWindowFixture;

TEST_F(EditSaveTest, SavedEditsAreInTheFileAndNothingElseChanged)
{
    const QString path = folder.filePath("edited.lem");
    WriteMap(path, 30, 30, 20);
    OnNextModal([path](QWidget& modal) { AnswerFileDialog(modal, path); });
    Choose("File1", "OpenMap");
    ASSERT_EQ(Columns(), 30);
    // Loading rewrites the header's height range, so the file as the editor
    // saves it unedited is what the edited file is compared with.
    Choose("File1", "SaveMap");
    const std::string original = FileBytes(path);

    Click("SpotButton");
    OnNextModal([](QWidget& modal) {
        TypeInto(*modal.findChild<TFloatEdit*>("HeightEdit"), "77");
        ClickButton(modal, "OK");
    });
    ClickAt(Net(), NodePixel(Net(), 3, 4));
    ShowTab("TabSheet2");
    QTest::mouseClick(&Find<TShape>("TerShape5"), Qt::LeftButton);
    Click("AreaTerrainButton");
    DragThrough(Net(), {SquarePixel(Net(), 2, 2), SquarePixel(Net(), 4, 3)});
    Choose("File1", "SaveMap");
    ASSERT_TRUE(messages.empty());

    const std::string saved = FileBytes(path);
    ASSERT_EQ(saved.size(), original.size());
    const int nodes = 30 * 30;
    const int editedNode = 3 + 4 * 30 + 1;
    std::set<std::size_t> edited{HeightOffset(editedNode), HeightOffset(editedNode) + 1};
    for (int row = 2; row <= 3; ++row) {
        for (int column = 2; column <= 4; ++column) {
            const std::size_t offset = TerrainOffset(nodes, column + 29 * (row - 1));
            EXPECT_EQ(Int16At(saved, offset), 5) << column << "," << row;
            edited.insert({offset, offset + 1});
        }
    }
    EXPECT_EQ(Int16At(saved, HeightOffset(editedNode)), 77);
    for (std::size_t offset = 0; offset < saved.size(); ++offset) {
        if (!edited.contains(offset)) {
            ASSERT_EQ(saved[offset], original[offset]) << "byte " << offset;
        }
    }

    // And the editor reads them back.
    window.CreateMap(MapUnits::Metric, 20, 20, 10);
    OnNextModal([path](QWidget& modal) { AnswerFileDialog(modal, path); });
    Choose("File1", "OpenMap");
    EXPECT_EQ(Net().GetPoint(editedNode)->Height, 77);
    EXPECT_EQ(Net().GetSquare(3 + 29 * 2)->Terrain, 5);
}

}  // namespace
}  // namespace tarn::test
