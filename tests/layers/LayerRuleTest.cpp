#include "LayerRule.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tarn::layers {
namespace {

std::string Describe(const std::vector<Violation>& violations)
{
    std::string text;
    for (const auto& v : violations)
        text += v.file.generic_string() + ":" + std::to_string(v.line) + ": " + v.text + "\n";
    return text;
}

TEST(LayerRule, NoLibraryIncludesAHeaderFromAFolderAboveIt)
{
    const auto violations = CheckLayers(TARN_SOURCE_DIR, ProjectLayers());
    EXPECT_TRUE(violations.empty()) << Describe(violations);
}

class PlantedTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = std::filesystem::temp_directory_path() /
                ("layer-rule-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(root_);
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    void Write(const std::string& file, const std::string& text)
    {
        std::filesystem::create_directories((root_ / file).parent_path());
        std::ofstream(root_ / file) << text;
    }

    std::filesystem::path root_;
    // A small stack: model at the bottom, render over it, editor on top.
    const LayerTable table_{{"model", {}}, {"model/edits", {"model"}}, {"render", {"model"}},
                            {"editor", {"render", "model/edits"}}};
};

TEST_F(PlantedTree, AnUpwardIncludeIsNamedWithItsFileAndLine)
{
    Write("model/Net.h", "#pragma once\n#include <vector>\n#include \"model/Colour.h\"\n#include \"render/View.h\"\n");
    Write("render/View.cpp", "#include \"render/View.h\"\n#include \"model/Net.h\"\n");
    const auto violations = CheckLayers(root_, table_);
    ASSERT_EQ(violations.size(), 1u) << Describe(violations);
    EXPECT_EQ(violations[0].file, "model/Net.h");
    EXPECT_EQ(violations[0].line, 4);
    EXPECT_NE(violations[0].text.find("model may not use render"), std::string::npos);
}

TEST_F(PlantedTree, ALowerLayerReachedThroughAnotherIsAllowedAndASiblingIsNot)
{
    Write("editor/Main.cpp", "#include \"model/Net.h\"\n#include \"model/edits/Level.h\"\n");
    Write("model/edits/Level.cpp", "  #  include \"model/Net.h\"\n");
    Write("render/Scene.cpp", "#include \"model/edits/Level.h\"\n");
    const auto violations = CheckLayers(root_, table_);
    ASSERT_EQ(violations.size(), 1u) << Describe(violations);
    EXPECT_EQ(violations[0].file, "render/Scene.cpp");
    EXPECT_NE(violations[0].text.find("render may not use model/edits"), std::string::npos);
}

TEST_F(PlantedTree, AParentFolderMayNotUseItsSubfolderUnlessTheTableSaysSo)
{
    Write("model/Net.cpp", "#include \"model/edits/Level.h\"\n");
    EXPECT_EQ(CheckLayers(root_, table_).size(), 1u);
}

TEST_F(PlantedTree, SourcesInAFolderTheTableDoesNotKnowAreReported)
{
    Write("render/View.cpp", "\n");
    Write("unknown/Thing.cpp", "\n");  // not below a table folder's top: ignored
    LayerTable table = table_;
    table.erase("render");
    table["render/anim"] = {"model"};
    const auto violations = CheckLayers(root_, table);
    ASSERT_EQ(violations.size(), 1u) << Describe(violations);
    EXPECT_EQ(violations[0].file, "render/View.cpp");
}

}  // namespace
}  // namespace tarn::layers
