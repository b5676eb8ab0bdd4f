// tarntool fractal, run as a script runs it.
#include "ToolRun.h"

#include "exchange/BmpCodec.h"

namespace tarn::test {
namespace {

class FractalCommand : public Tarntool {
protected:
    void SetUp() override
    {
        Tarntool::SetUp();
        ASSERT_EQ(RunTool("sample --size 51 " + In("hills.lem")).exitCode, 0);
    }
    // Runs the command on the sample and returns the picture's bytes.
    std::string Overlay(const std::string& name, const std::string& options)
    {
        const test::Run run = RunTool("fractal " + In("hills.lem") + " -o " + In(name) + " " + options);
        EXPECT_EQ(run.exitCode, 0) << run.output;
        return ReadAll(folder / name);
    }
};

TEST_F(FractalCommand, AFiftyOneNodeMapForA1024PixelScreenIsAThousandPixelsSquare)
{
    Overlay("overlay.bmp", "");
    const TDibPicture picture = ReadBmpFile(folder / "overlay.bmp");
    EXPECT_EQ(picture.width, 1000);
    EXPECT_EQ(picture.height, 1000);
    Overlay("small.bmp", "--screen-width 500");
    EXPECT_EQ(ReadBmpFile(folder / "small.bmp").width, 500);
}

TEST_F(FractalCommand, TheSameSeedGivesTheSamePicture)
{
    const std::string options = "--levels 1 --density 1 --seed 42";
    const std::string first = Overlay("a.bmp", options);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(Overlay("b.bmp", options), first);
    EXPECT_NE(Overlay("c.bmp", "--levels 1 --density 1 --seed 43"), first);
    EXPECT_NE(Overlay("smooth.bmp", "--seed 42"), first);
}

TEST_F(FractalCommand, TheLightCanBeSetForTheRun)
{
    const std::string own = Overlay("own.bmp", "");
    EXPECT_NE(Overlay("west.bmp", "--light-alt 10 --light-az 270"), own);
    // The map file itself is left as it was.
    EXPECT_EQ(Overlay("again.bmp", ""), own);
}

TEST_F(FractalCommand, RefusesWhatItCannotUse)
{
    EXPECT_EQ(RunTool("fractal " + In("hills.lem") + " -o " + In("x.bmp") + " --levels 5").exitCode, 2);
    EXPECT_EQ(RunTool("fractal " + In("hills.lem") + " -o " + In("x.bmp") + " --light-alt 91").exitCode, 2);
    EXPECT_EQ(RunTool("fractal " + In("hills.lem")).exitCode, 2);
    const test::Run missing = RunTool("fractal " + In("none.lem") + " -o " + In("x.bmp"));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.output.rfind("E0", 0), 0u) << missing.output;
    const test::Run unwritable = RunTool("fractal " + In("hills.lem") + " -o " + In("no/such/folder/x.bmp"));
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_NE(unwritable.output.find("E0"), std::string::npos) << unwritable.output;
}

}  // namespace
}  // namespace tarn::test
