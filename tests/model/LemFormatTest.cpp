// The LEM file as bytes: a freshly made map is compared with a file built
// here by hand from the format's field table.
#include "TestMaps.h"

#include "model/Errors.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace tarn;
using namespace tarn::test;

namespace {

void PutColour(Bytes& b, std::size_t offset, int r, int g, int bl) { Put<std::uint32_t>(b, offset, r | g << 8 | bl << 16); }

// The whole file of a new Metric 20 x 20 map with spacing 10 and the default
// terrain palette, in a program that has made no map before.
Bytes HandBuiltNewMap()
{
    Bytes b(4110, 0);
    Put<std::int16_t>(b, 0, 241);
    b[2] = 'D';
    Put<std::int16_t>(b, 3, 20);       // Columns
    Put<std::int16_t>(b, 5, 20);       // Rows
    Put<std::int16_t>(b, 7, 500);      // WorldWidth = round(5000 * 0.1 * (2 - 1))
    Put<std::int16_t>(b, 9, 500);      // WorldHeight
    Put<std::int16_t>(b, 11, 1);       // ShortSide: round(0.2) = 0, raised to 1
    Put<std::int16_t>(b, 13, 5000);    // UnitScale = 1000 / 0.2
    Put<std::int16_t>(b, 15, 1);       // Metric
    Put<std::int16_t>(b, 17, 2);       // ExtentX = round(19 * 10 * 10 * 0.001)
    Put<std::int16_t>(b, 19, 2);
    Put<std::int16_t>(b, 21, 10);      // Spacing
    Put<std::int16_t>(b, 23, 1000);    // MaxHeight
    // Bounds -250, -250, 250, 250 as 6-byte reals: 250 = 1.953125 * 2^7.
    const std::uint8_t minus250[6] = {0x88, 0, 0, 0, 0, 0xFA};
    const std::uint8_t plus250[6] = {0x88, 0, 0, 0, 0, 0x7A};
    std::copy_n(minus250, 6, b.begin() + 36);
    std::copy_n(minus250, 6, b.begin() + 42);
    std::copy_n(plus250, 6, b.begin() + 48);
    std::copy_n(plus250, 6, b.begin() + 54);
    Put<double>(b, 292, -50);          // CameraPos
    Put<double>(b, 300, -50);
    Put<double>(b, 308, 50);
    Put<double>(b, 328, 30);           // ViewAngle
    b[336] = 12;                       // DrawingScheme: Gradients
    PutColour(b, 339, 255, 255, 255);  // GroundColour
    Put<std::int16_t>(b, 343, 30);     // WaterTurbulance
    b[347] = 10;                       // WaterEdge
    Put<std::int16_t>(b, 349, 10);     // WaveHeight
    Put<std::int16_t>(b, 351, 100);    // WaveLength
    Put<std::int16_t>(b, 361, 141);    // BackgroundType: solid
    PutColour(b, 454, 255, 255, 255);  // LightColour

    const std::uint32_t colours[24] = {16777215, 8476991, 3835704, 16512, 7572615, 6651290, 6674157, 14671839,
                                       8421504,  8421504, 8421504, 8421504, 8421504, 8421504, 8421504, 8421504,
                                       8421504,  8421504, 8421504, 8421504, 8421504, 8421504, 8421504, 8421504};
    const char* names[8] = {"Standard", "Water", "Forest", "Buildings", "Road", "Rock", "Sand", "Snow"};
    for (int slot = 0; slot < 24; ++slot) {
        Put<std::uint32_t>(b, 540 + 4 * slot, colours[slot]);
        std::string name = slot < 8 ? names[slot] : "_user" + std::string(slot < 17 ? "0" : "") + std::to_string(slot - 7);
        std::copy(name.begin(), name.end(), b.begin() + 636 + 31 * slot);
        const std::size_t actor = 1788 + 13 * slot;
        Put<std::int16_t>(b, actor + 1, 10);  // actor height
        b[actor + 8] = 100;                   // actor density
        b[2101 + slot] = slot == 1 ? 20 : 5;  // Specularity
        b[2125 + slot] = slot == 1 ? 32 : 64; // Shininess
        b[2149 + slot] = slot == 1 ? 10 : 0;  // Emission
    }
    for (int i = 0; i <= 18; ++i) {
        const double pi = std::numbers::pi;
        PutColour(b, 2182 + 4 * i, static_cast<int>(255 * std::sin(i * pi / 38)),
                  static_cast<int>(255 * std::sin(i * pi / 19)), static_cast<int>(255 * std::cos(i * pi / 38)));
    }
    b[2263] = 50;   // ShadingDensity
    b[2264] = 50;   // scene percentage
    b[2274] = 1;    // ShadingChanged
    b[2276] = 50;   // ShadingContrast
    b[2277] = b[2278] = b[2279] = 1;
    Put<std::int16_t>(b, 2280, 5000);  // MistLevel
    PutColour(b, 2282, 255, 255, 255);
    const int vista[12][3] = {{63, 79, 47},   {63, 79, 47},    {63, 79, 47},    {63, 79, 47},
                              {79, 63, 31},   {95, 79, 47},    {111, 95, 63},   {127, 111, 79},
                              {143, 127, 95}, {160, 159, 143}, {191, 191, 191}, {191, 191, 191}};
    for (int i = 0; i < 12; ++i)
        PutColour(b, 2286 + 4 * i, vista[i][0], vista[i][1], vista[i][2]);
    b[2334] = 40;  // TreeLine
    b[2335] = 75;  // SnowLine
    PutColour(b, 2337, 255, 255, 255);  // GridColour
    PutColour(b, 2341, 255, 255, 255);  // SkyColour
    for (int i = 3; i < 6; ++i)
        Put<std::int32_t>(b, 2349 + 4 * i, 100);  // frequency seeds
    const std::int16_t fract[8] = {100, 20, 80, 200, 10, 10, 20, 10};
    for (int i = 0; i < 8; ++i)
        Put<std::int16_t>(b, 2373 + 2 * i, fract[i]);

    Put<std::int32_t>(b, 2576, 400);
    for (int i = 0; i < 400; ++i)
        Put<std::int16_t>(b, 2580 + 2 * i, -1001);
    Put<std::int32_t>(b, 3380, 361);  // 361 terrain codes of 0, then no overlays and no labels
    return b;
}

}  // namespace

TEST(LemFormat, NewTwentyByTwentyMapIsTheHandBuiltFile)
{
    TNet net;
    MakeMap(net, 20, 20);
    const Bytes saved = net.SaveToBytes();
    ASSERT_EQ(saved.size(), 4110u);
    const Bytes expected = HandBuiltNewMap();
    for (std::size_t i = 0; i < saved.size(); ++i)
        ASSERT_EQ(saved[i], expected[i]) << "first difference at offset " << i;
}

TEST(LemFormat, OverlayAndLabelRecordsHaveTheirFieldsInOrder)
{
    TNet net;
    MakeMap(net, 20, 20);
    auto spot = std::make_unique<TGraphSpot>();
    spot->PenColour = 0x00112233;
    spot->PenWidth = 3;
    spot->Points.push_back({Real48::fromDouble(1), Real48::fromDouble(0.5)});
    net.Overlays.push_back(std::move(spot));
    auto label = std::make_unique<TEnhString>();
    label->Font.SetHeight(14);
    label->Colour = 0x00ABCDEF;
    label->Box = {1, 2, 3, 4};
    label->X = Real48::fromDouble(-1);
    label->PointSize = 14;
    label->Text = "Tarn";
    net.Labels.push_back(std::move(label));

    const Bytes b = net.SaveToBytes();
    std::size_t o = 4106;
    EXPECT_EQ(Get<std::int16_t>(b, o), 1);
    EXPECT_EQ(b[o + 2], 3);                                   // kind: spot
    EXPECT_EQ(Get<std::uint32_t>(b, o + 3 + 24), 0x00112233u); // after the four bounds
    EXPECT_EQ(b[o + 31], 3);                                  // pen width
    EXPECT_EQ(std::string(b.begin() + o + 32, b.begin() + o + 48), std::string(16, ' '));
    EXPECT_EQ(Get<std::int16_t>(b, o + 48), 1);               // point count
    EXPECT_EQ(b[o + 50], 0x81);                               // X = 1
    EXPECT_EQ(b[o + 56], 0x80);                               // Y = 0.5
    o += 62;
    EXPECT_EQ(Get<std::int16_t>(b, o), 1);
    EXPECT_EQ(Get<std::int32_t>(b, o + 2), 14);               // font height holds the point size
    EXPECT_EQ(Get<std::uint32_t>(b, o + 62), 0x00ABCDEFu);
    EXPECT_EQ(Get<std::int32_t>(b, o + 66 + 12), 4);          // box bottom
    EXPECT_EQ(b[o + 82 + 5], 0x80);                           // X = -1: sign bit
    EXPECT_EQ(Get<std::int16_t>(b, o + 94), 14);              // point size
    EXPECT_EQ(Get<std::int16_t>(b, o + 96), 4);               // text length
    EXPECT_EQ(std::string(b.begin() + o + 98, b.begin() + o + 103), std::string("Tarn\0", 5));
    EXPECT_EQ(b.size(), o + 103);
}

TEST(LemFormat, LoadThenSaveReproducesTheFileByteForByte)
{
    const Bytes original = SmallMapFile();
    TNet net;
    ASSERT_TRUE(LoadBytes(net, original));
    EXPECT_EQ(net.SaveToBytes(), original);
}

TEST(LemFormat, ReservedBytesAreCarriedUnchanged)
{
    Bytes file = SmallMapFile();
    for (const std::size_t offset : {27u, 35u, 60u, 259u, 260u, 324u, 357u, 447u, 459u, 539u, 2173u, 2265u, 2275u,
                                     2422u, 2575u})
        file[offset] = static_cast<std::uint8_t>(offset * 7 + 1);
    TNet net;
    ASSERT_TRUE(LoadBytes(net, file));
    EXPECT_EQ(net.SaveToBytes(), file);
}

TEST(LemFormat, LoadPlacesNodesFromTheCornersAndRecomputesTheHeightRange)
{
    TNet made;
    MakeMap(made, 20, 20);
    made.GetPoint(3)->Height = 250;
    made.GetPoint(4)->Height = -20;
    TNet net;
    ASSERT_TRUE(LoadBytes(net, made.SaveToBytes()));
    // Corners from UnitScale 5000 and extents of 2 tenths: +-500, not the +-250 of the new map.
    EXPECT_EQ(net.GetPoint(1)->X, -500);
    EXPECT_EQ(net.GetPoint(1)->Y, 500);
    EXPECT_EQ(net.GetPoint(2)->X, -450);
    EXPECT_EQ(net.MapHeader.Bounds[2].toDouble(), 500);
    EXPECT_EQ(net.MapHeader.MaxHeight, 250);
    EXPECT_EQ(net.MapHeader.MinHeight, -20);
    // Square 2 has the corners 2, 3, 23 and 22: three of them null.
    EXPECT_EQ(net.GetSquare(2)->MeanHeight, -688);
    EXPECT_EQ(net.GetSquare(2)->NullCorner, 1);
}

TEST(LemFormat, AllNullOrFlatHeightsLoadWithTheDefaultRange)
{
    for (const std::int16_t height : {std::int16_t{-1001}, std::int16_t{0}}) {
        TNet made;
        MakeMap(made, 20, 20);
        for (auto& p : made.Points())
            p.Height = height;
        made.MapHeader.MaxHeight = 5;
        made.MapHeader.MinHeight = 3;
        TNet net;
        ASSERT_TRUE(LoadBytes(net, made.SaveToBytes()));
        EXPECT_EQ(net.MapHeader.MaxHeight, 1000);
        EXPECT_EQ(net.MapHeader.MinHeight, 0);
    }
}

TEST(LemFormat, LoadForcesTheScenePercentageAndMarksShadingChanged)
{
    Bytes file = SmallMapFile();
    const std::pair<std::uint8_t, std::uint8_t> cases[] = {{0, 2}, {1, 2}, {2, 2}, {99, 99}, {100, 99}, {255, 99}};
    for (const auto& [stored, loaded] : cases) {
        file[2264] = stored;
        file[2274] = 0;
        TNet net;
        ASSERT_TRUE(LoadBytes(net, file));
        EXPECT_EQ(net.MapHeader.ScenePercentage, loaded) << int(stored);
        EXPECT_EQ(net.MapHeader.ShadingChanged, 1);
    }
}

TEST(LemFormat, UnknownOverlayKindsLoadAsPenStrokes)
{
    for (const std::uint8_t kind : {2, 4, 200}) {
        TNet made;
        MakeMap(made, 20, 20);
        made.Overlays.push_back(std::make_unique<TGraphLine>());
        Bytes file = made.SaveToBytes();
        file[4108] = kind;
        TNet net;
        ASSERT_TRUE(LoadBytes(net, file));
        ASSERT_EQ(net.Overlays.size(), 1u);
        EXPECT_EQ(net.Overlays[0]->Kind(), GraphKind::Pen);
    }
}

TEST(LemFormat, HeaderRewriteReplacesOnlyTheHeader)
{
    TNet net;
    ASSERT_TRUE(LoadBytes(net, SmallMapFile()));
    net.MapHeader.SkyColour = RGB(1, 2, 3);
    const Bytes file = SmallMapFile();
    std::stringstream stream(std::string(file.begin(), file.end()));
    const auto before = stream.str();
    net.TransferHeader(true, stream);
    const auto after = stream.str();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(2576), before.substr(2576));
    EXPECT_EQ(Get<std::uint32_t>(Bytes(after.begin(), after.end()), 2341), RGB(1, 2, 3));

    TNet reread;
    stream.seekg(0);
    reread.TransferHeader(false, stream);
    EXPECT_EQ(reread.MapHeader, net.MapHeader);
}
