// Heights from and to greyscale pictures.
#include "ExchangeTestSupport.h"
#include "exchange/BmpCodec.h"
#include "exchange/BmpFormat.h"
#include "exchange/ExchangeMessages.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

using namespace test;
using Rgb = TDibPicture::Rgb;

const TBmpFormat kBmp;

std::string PictureFile(const TDibPicture& picture)
{
    const auto bytes = EncodeBmp(picture);
    return {bytes.begin(), bytes.end()};
}

// A 20 x 25 picture, mid grey but for its first pixels.
TDibPicture TestPicture(std::initializer_list<Rgb> first)
{
    TDibPicture picture = TDibPicture::Blank(20, 25);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 20; ++x)
            picture.SetPixel(x, y, {128, 128, 128});
    int x = 0;
    for (const Rgb& colour : first)
        picture.SetPixel(x++, 0, colour);
    return picture;
}

TEST(BmpImport, WhiteIsZeroAndBlackTheMaximumHeightOnANewMetricMap)
{
    TNet net;
    TImportParameters parameters;
    parameters.picture.maxHeight = 2500;
    parameters.picture.spacing = 40;
    ASSERT_EQ(ReadText(kBmp, PictureFile(TestPicture({{255, 255, 255}, {0, 0, 0}})), net, parameters),
              ImportOutcome::Completed);
    EXPECT_EQ(net.MapHeader.Columns, 20);
    EXPECT_EQ(net.MapHeader.Rows, 25);
    EXPECT_EQ(net.MapHeader.Spacing, 40);
    EXPECT_EQ(net.MapHeader.MapUnits, static_cast<int>(MapUnits::Metric));
    EXPECT_EQ(net.Points()[0].Height, 0) << "the top-left pixel is node 1";
    EXPECT_EQ(net.Points()[1].Height, 2500);
    // Mid grey 0x808080 of 0xFFFFFF: 2500 - round(2500 * 8421504 / 16777215).
    EXPECT_EQ(net.Points().back().Height, 1245);
    EXPECT_EQ(net.MapHeader.MaxHeight, 2500) << "the range the picture's greys span";
    EXPECT_EQ(net.MapHeader.MinHeight, 0);
}

TEST(BmpImport, TheChannelOrderSaysWhichChannelCountsMost)
{
    const auto heightOf = [](ChannelOrder order) {
        TNet net;
        TImportParameters parameters;
        parameters.picture.order = order;
        ReadText(kBmp, PictureFile(TestPicture({{255, 0, 0}})), net, parameters);
        return net.Points()[0].Height;
    };
    // Pure red as the most significant channel, the middle one, the least.
    EXPECT_EQ(heightOf(ChannelOrder::RGB), 4);
    EXPECT_EQ(heightOf(ChannelOrder::RBG), 4);
    EXPECT_EQ(heightOf(ChannelOrder::GRB), 996);
    EXPECT_EQ(heightOf(ChannelOrder::BRG), 996);
    EXPECT_EQ(heightOf(ChannelOrder::GBR), 1000);
    EXPECT_EQ(heightOf(ChannelOrder::BGR), 1000);
}

TEST(BmpImport, PicturesNoMapCanBeMadeOfAreRefusedBeforeUnpacking)
{
    TNet net;
    MakeGrid(net, 21, 21);
    EXPECT_EQ(ReadError(kBmp, PictureFile(TDibPicture::Blank(10, 10)), net), msg::TooFewGridPoints);
    EXPECT_EQ(net.MapHeader.Columns, 21) << "the open map is left as it was";
    // Only the headers of a 600 x 500 picture: the size is refused as too
    // large before the missing pixels are noticed.
    auto headers = PictureFile(TDibPicture::Blank(600, 500));
    headers.resize(54);
    EXPECT_EQ(ReadError(kBmp, headers, net), msg::TooManyGridPoints);
    EXPECT_EQ(ReadError(kBmp, "BMnot a picture at all", net), msg::UnreadablePicture);
    EXPECT_EQ(ReadError(kBmp, "", net), msg::UnreadablePicture);
}

TEST(BmpImport, ParametersOutsideTheDialogsRangesAreRefused)
{
    TNet net;
    TImportParameters parameters;
    parameters.picture.maxHeight = 50;
    EXPECT_EQ(ReadError(kBmp, PictureFile(TestPicture({})), net, parameters), msg::ImportParametersOutOfRange);
    parameters.picture.maxHeight = 1000;
    parameters.picture.spacing = 0;
    EXPECT_EQ(ReadError(kBmp, PictureFile(TestPicture({})), net, parameters), msg::ImportParametersOutOfRange);
}

TEST(BmpExport, GreyLevelsRunFromTheSmallestToTheLargestHeightNullsWhite)
{
    TNet net;
    MakeGrid(net, 3, 2);
    net.MapHeader.MinHeight = 100;
    net.MapHeader.MaxHeight = 1100;
    const std::vector<int> heights{100, 1100, 600, kNullHeight, 2000, 350};
    for (std::size_t i = 0; i < heights.size(); ++i)
        net.Points()[i].Height = static_cast<std::int16_t>(heights[i]);
    const std::string file = WriteText(kBmp, net);
    const TDibPicture picture = ReadBmpBytes({reinterpret_cast<const std::uint8_t*>(file.data()), file.size()});
    ASSERT_EQ(picture.width, 3);
    ASSERT_EQ(picture.height, 2);
    EXPECT_EQ(picture.PixelAt(0, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(picture.PixelAt(1, 0), (Rgb{255, 255, 255}));
    EXPECT_EQ(picture.PixelAt(2, 0), (Rgb{127, 127, 127}));
    EXPECT_EQ(picture.PixelAt(0, 1), (Rgb{255, 255, 255})) << "null";
    EXPECT_EQ(picture.PixelAt(1, 1), (Rgb{255, 255, 255})) << "above the range";
    EXPECT_EQ(picture.PixelAt(2, 1), (Rgb{63, 63, 63}));
}

TEST(BmpExport, AFlatMapIsWhite)
{
    TNet net;
    MakeGrid(net, 4, 3);
    net.MapHeader.MinHeight = net.MapHeader.MaxHeight = 50;
    for (auto& point : net.Points())
        point.Height = 50;
    const std::string file = WriteText(kBmp, net);
    const TDibPicture picture = ReadBmpBytes({reinterpret_cast<const std::uint8_t*>(file.data()), file.size()});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(picture.PixelAt(x, y), (Rgb{255, 255, 255}));
}

TEST(BmpFormat, IdentifiesBitmapsByTheirHeaders)
{
    const std::string good = PictureFile(TestPicture({}));
    EXPECT_EQ(IdentifyText(kBmp, std::string_view(good).substr(0, 100)), FileVerdict::Mine);
    EXPECT_EQ(IdentifyText(kBmp, "BM\x01\x02"), FileVerdict::Damaged);
    EXPECT_EQ(IdentifyText(kBmp, "P2\n"), FileVerdict::NotMine);
    EXPECT_EQ(IdentifyText(kBmp, ""), FileVerdict::NotMine);
}

}  // namespace
}  // namespace tarn
