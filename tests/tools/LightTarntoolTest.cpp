// The light tarntool: what it loads at start, and how it hands the commands it
// does not hold to the complete program beside it.
#include "tools/LightTarntool.h"

#include "ToolRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

namespace tarn::test {
namespace {

// The shared libraries the program names in its dynamic section, as readelf lists them.
std::string NeededLibraries(const std::string& program)
{
    std::string needed;
    std::istringstream lines(RunProgram("readelf", "-d '" + program + "'").output);
    for (std::string line; std::getline(lines, line);)
        if (line.find("(NEEDED)") != std::string::npos)
            needed += line.substr(line.find('[')) + '\n';
    return needed;
}

TEST(LightTarntool, LoadsNeitherTheGeospatialLibraryNorOpenGLNorQt)
{
    const auto light = NeededLibraries(TARNTOOL_PATH);
    ASSERT_NE(light.find("[libc.so"), std::string::npos) << light;
    for (const char* heavy : {"libgdal", "libOSMesa", "libLLVM", "libGL", "libQt6", "libtinygltf"})
        EXPECT_EQ(light.find(heavy), std::string::npos) << heavy << " in\n" << light;
    // The complete program does name them, so the reading above sees such names.
    const auto complete = NeededLibraries(TARNTOOL_ALL_PATH);
    EXPECT_NE(complete.find("[libgdal"), std::string::npos) << complete;
    EXPECT_NE(complete.find("[libQt6Core"), std::string::npos) << complete;
}

TEST_F(Tarntool, PrintsAndReturnsWhatTheCompleteProgramDoes)
{
    ASSERT_EQ(RunTool("sample --size 20 " + In("s.lem")).exitCode, 0);
    // Its own commands, their help and usage errors, and command lines it hands on.
    for (const std::string& arguments :
         {"info " + In("s.lem"), "info --brief " + In("s.lem"), "check " + In("s.lem"), "check " + In("missing.lem"),
          std::string("info --help"), std::string("interpolate --help"), std::string("fractal --help"),
          std::string("sample --help"), std::string("info"), "info " + In("s.lem") + " --colour red",
          std::string("copy one.lem"), std::string("interpolate a.lem --method nearest -o b.lem"),
          std::string("formats"), std::string("new --help"), std::string(""), std::string("--help"),
          std::string("help"), std::string("frobnicate"), std::string("--frobnicate"), std::string("INFO")}) {
        const auto light = RunTool(arguments);
        const auto complete = RunProgram(TARNTOOL_ALL_PATH, arguments);
        EXPECT_EQ(light.exitCode, complete.exitCode) << arguments;
        EXPECT_EQ(light.output, complete.output) << arguments;
    }
}

TEST_F(Tarntool, WithoutTheCompleteProgramBesideItSaysSoAndStillRunsItsOwnCommands)
{
    const auto alone = folder / "tarntool";
    std::filesystem::copy_file(TARNTOOL_PATH, alone);
    const auto missing = (folder / tool::kCompleteProgram).string();
    for (const char* arguments : {"formats", "new --columns 20 --rows 20 --spacing 10 a.lem", "--help", ""}) {
        const auto run = RunProgram(alone.string(), arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_EQ(run.output, "tarntool: cannot run " + missing + ": No such file or directory\n") << arguments;
    }
    ASSERT_EQ(RunProgram(alone.string(), "sample --size 20 " + In("s.lem")).exitCode, 0);
    const auto info = RunProgram(alone.string(), "info --brief " + In("s.lem"));
    EXPECT_EQ(info.exitCode, 0) << info.output;
    EXPECT_EQ(info.output, RunTool("info --brief " + In("s.lem")).output);
}

}  // namespace
}  // namespace tarn::test
