// Every field of the map header holds a value of its own in this fixture,
// written here from the format's table of offsets and types, so a field read
// or written in another field's place shows, whatever the two fields hold in
// ordinary maps. Numbers come from their offsets (bytes repeat only 251
// offsets apart); the fields a load computes hold what the load computes.
#include "TestMaps.h"

#include <functional>
#include <gtest/gtest.h>
#include <type_traits>

using namespace tarn;
using namespace tarn::test;

namespace {

constexpr std::int16_t kColumns = 21;
constexpr std::int16_t kRows = 20;
constexpr std::int16_t kMaxHeight = 900;  // the highest and lowest of the fixture's heights
constexpr std::int16_t kMinHeight = 300;

// One field: where it lies, the bytes the fixture gives it, and its named
// member in the model, read back as bytes and given the fixture value.
struct HeaderField {
    std::string name;
    std::size_t offset;
    Bytes bytes;
    std::function<Bytes(TMapHeader&)> member;
    std::function<void(TMapHeader&)> store;
};

template <typename T>
Bytes BytesOf(const T& value)
{
    if constexpr (std::is_arithmetic_v<T>) {
        Bytes bytes(sizeof value);
        std::memcpy(bytes.data(), &value, sizeof value);
        return bytes;
    } else if constexpr (requires { value.bytes(); }) {
        return Bytes(value.bytes().begin(), value.bytes().end());
    } else {
        return Bytes(value.begin(), value.end());
    }
}

template <typename T>
T NumberAt(std::size_t offset)
{
    if constexpr (sizeof(T) == 1)
        return static_cast<T>(offset % 251 + 1);
    else if constexpr (std::is_floating_point_v<T>)
        return static_cast<T>(offset) + 0.5;
    else if constexpr (sizeof(T) == 2)
        return static_cast<T>(1000 + offset);
    else
        return static_cast<T>(0xC00000 + offset);  // a colour's top byte stays 0
}

class HeaderTable {
public:
    // A field holding `value`.
    template <typename T>
    void Add(std::string name, std::size_t offset, std::function<T&(TMapHeader&)> member, T value)
    {
        fields.push_back({std::move(name), offset, BytesOf(value), [member](TMapHeader& h) { return BytesOf(member(h)); },
                          [member, value](TMapHeader& h) { member(h) = value; }});
    }
    // A number of its own.
    template <typename T>
    void Number(std::string name, std::size_t offset, std::function<T&(TMapHeader&)> member)
    {
        Add<T>(std::move(name), offset, member, NumberAt<T>(offset));
    }
    // A text of its own.
    template <typename T>
    void Text(std::string name, std::size_t offset, std::function<T&(TMapHeader&)> member)
    {
        T text;
        text.setText("t" + std::to_string(offset));
        Add<T>(std::move(name), offset, member, text);
    }
    // Reserved bytes, carried as they are.
    template <std::size_t N>
    void Carried(std::size_t offset, std::function<Reserved<N>&(TMapHeader&)> member)
    {
        Reserved<N> bytes;
        for (std::size_t i = 0; i < N; ++i)
            bytes[i] = NumberAt<std::uint8_t>(offset + i);
        Add<Reserved<N>>("reserved " + std::to_string(offset), offset, member, bytes);
    }
    // A number per entry of an array member, `stride` bytes apart.
    template <typename T, std::size_t N>
    void Numbers(const std::string& name, std::size_t offset, std::size_t stride,
                 std::function<std::array<T, N>&(TMapHeader&)> member)
    {
        for (std::size_t i = 0; i < N; ++i)
            Number<T>(name + "[" + std::to_string(i) + "]", offset + i * stride,
                      [member, i](TMapHeader& h) -> T& { return member(h)[i]; });
    }

    std::vector<HeaderField> fields;
};

#define MEMBER(type, expression) std::function<type&(TMapHeader&)>([](TMapHeader& h) -> type& { return expression; })

HeaderTable MakeTable()
{
    using i16 = std::int16_t;
    using u8 = std::uint8_t;
    using Doubles3 = std::array<double, 3>;
    using SlotColours = std::array<TColorRef, kTerrainSlots>;
    using GradientTable = std::array<TColorRef, kGradientEntries>;
    using VistaTable = std::array<TColorRef, kVistaEntries>;
    using Slots8 = std::array<std::int8_t, kTerrainSlots>;
    using Slots16 = std::array<i16, kTerrainSlots>;
    using Switches = std::array<u8, 3>;
    using Seeds = std::array<std::int32_t, 6>;
    HeaderTable t;
    t.Add<i16>("Signature", 0, MEMBER(i16, h.Signature), 241);
    t.Add<u8>("Version", 2, MEMBER(u8, h.Version), 68);
    t.Add<i16>("Columns", 3, MEMBER(i16, h.Columns), kColumns);
    t.Add<i16>("Rows", 5, MEMBER(i16, h.Rows), kRows);
    t.Number<i16>("WorldWidth", 7, MEMBER(i16, h.WorldWidth));
    t.Number<i16>("WorldHeight", 9, MEMBER(i16, h.WorldHeight));
    t.Number<i16>("ShortSide", 11, MEMBER(i16, h.ShortSide));
    t.Number<i16>("UnitScale", 13, MEMBER(i16, h.UnitScale));
    t.Add<i16>("MapUnits", 15, MEMBER(i16, h.MapUnits), 2);
    t.Number<i16>("ExtentX", 17, MEMBER(i16, h.ExtentX));
    t.Number<i16>("ExtentY", 19, MEMBER(i16, h.ExtentY));
    t.Number<i16>("Spacing", 21, MEMBER(i16, h.Spacing));
    t.Add<i16>("MaxHeight", 23, MEMBER(i16, h.MaxHeight), kMaxHeight);
    t.Add<i16>("MinHeight", 25, MEMBER(i16, h.MinHeight), kMinHeight);
    t.Carried<9>(27, MEMBER(Reserved<9>, h.Reserved27));
    // A load computes the bounds from UnitScale and the extents: half of
    // UnitScale * Extent / 10 either side of 0.
    const int halfX = NumberAt<i16>(13) * NumberAt<i16>(17) / 20;
    const int halfY = NumberAt<i16>(13) * NumberAt<i16>(19) / 20;
    const char* sides[] = {"West", "South", "East", "North"};
    const int bounds[] = {-halfX, -halfY, halfX, halfY};
    for (std::size_t i = 0; i < 4; ++i)
        t.Add<Real48>(std::string("Bounds ") + sides[i], 36 + 6 * i,
                      [i](TMapHeader& h) -> Real48& { return h.Bounds[i]; }, Real48::fromDouble(bounds[i]));
    t.Carried<200>(60, MEMBER(Reserved<200>, h.Reserved60));
    t.Number<i16>("Reserved260", 260, MEMBER(i16, h.Reserved260));
    t.Number<i16>("Reserved262", 262, MEMBER(i16, h.Reserved262));
    t.Number<i16>("LightAlt", 264, MEMBER(i16, h.LightAlt));
    t.Number<i16>("LightAz", 266, MEMBER(i16, h.LightAz));
    t.Numbers<double, 3>("TargetPos", 268, 8, MEMBER(Doubles3, h.TargetPos));
    t.Numbers<double, 3>("CameraPos", 292, 8, MEMBER(Doubles3, h.CameraPos));
    t.Number<double>("VerticalScale", 316, MEMBER(double, h.VerticalScale));
    t.Number<i16>("Reserved324", 324, MEMBER(i16, h.Reserved324));
    t.Number<i16>("Reserved326", 326, MEMBER(i16, h.Reserved326));
    t.Number<double>("ViewAngle", 328, MEMBER(double, h.ViewAngle));
    t.Number<u8>("DrawingScheme", 336, MEMBER(u8, h.DrawingScheme));
    t.Number<i16>("GridMode", 337, MEMBER(i16, h.GridMode));
    t.Number<TColorRef>("GroundColour", 339, MEMBER(TColorRef, h.GroundColour));
    t.Number<i16>("WaterTurbulance", 343, MEMBER(i16, h.WaterTurbulance));
    t.Number<u8>("TreeDamping", 345, MEMBER(u8, h.TreeDamping));
    t.Number<u8>("SnowDamping", 346, MEMBER(u8, h.SnowDamping));
    t.Number<u8>("WaterEdge", 347, MEMBER(u8, h.WaterEdge));
    t.Number<u8>("DrawTerrains", 348, MEMBER(u8, h.DrawTerrains));
    t.Number<i16>("WaveHeight", 349, MEMBER(i16, h.WaveHeight));
    t.Number<i16>("WaveLength", 351, MEMBER(i16, h.WaveLength));
    t.Number<i16>("Reserved353", 353, MEMBER(i16, h.Reserved353));
    t.Number<i16>("ViewerMode", 355, MEMBER(i16, h.ViewerMode));
    t.Number<i16>("Reserved357", 357, MEMBER(i16, h.Reserved357));
    t.Number<i16>("Reserved359", 359, MEMBER(i16, h.Reserved359));
    t.Number<i16>("BackgroundType", 361, MEMBER(i16, h.BackgroundType));
    t.Number<u8>("CliffEffect", 363, MEMBER(u8, h.CliffEffect));
    t.Number<i16>("PlotOverlayObjects", 364, MEMBER(i16, h.PlotOverlayObjects));
    t.Text<PascalString<80>>("OverlayFile", 366, MEMBER(PascalString<80>, h.OverlayFile));
    t.Number<u8>("Reserved447", 447, MEMBER(u8, h.Reserved447));
    t.Number<i16>("Reserved448", 448, MEMBER(i16, h.Reserved448));
    t.Number<i16>("WaveDirection", 450, MEMBER(i16, h.WaveDirection));
    t.Number<i16>("FractalDepth", 452, MEMBER(i16, h.FractalDepth));
    t.Number<TColorRef>("LightColour", 454, MEMBER(TColorRef, h.LightColour));
    t.Number<u8>("Reserved458", 458, MEMBER(u8, h.Reserved458));
    t.Text<PascalString<80>>("Reserved459", 459, MEMBER(PascalString<80>, h.Reserved459));
    t.Numbers<TColorRef, kTerrainSlots>("TerrainColours", 540, 4,
                                        MEMBER(SlotColours, h.TerrainColours));
    for (std::size_t slot = 0; slot < kTerrainSlots; ++slot)
        t.Text<CharArray<31>>("TerrainNames[" + std::to_string(slot) + "]", 636 + 31 * slot,
                              [slot](TMapHeader& h) -> CharArray<31>& { return h.TerrainNames[slot]; });
    for (std::size_t slot = 0; slot < kTerrainSlots; ++slot)
        t.Text<PascalString<16>>("ActorFiles[" + std::to_string(slot) + "]", 1380 + 17 * slot,
                                 [slot](TMapHeader& h) -> PascalString<16>& { return h.ActorFiles[slot]; });
    for (std::size_t slot = 0; slot < kTerrainSlots; ++slot) {
        const std::size_t record = 1788 + 13 * slot;
        const std::string index = "[" + std::to_string(slot) + "].";
        const auto actor = [slot](auto field) {
            return [slot, field](TMapHeader& h) -> auto& { return h.TerrainActors[slot].*field; };
        };
        t.Number<u8>("TerrainActors" + index + "DrawActor", record, actor(&TTerrainActor::DrawActor));
        t.Number<i16>("TerrainActors" + index + "ActorHeight", record + 1, actor(&TTerrainActor::ActorHeight));
        t.Number<i16>("TerrainActors" + index + "ActorOrientation", record + 3, actor(&TTerrainActor::ActorOrientation));
        t.Number<u8>("TerrainActors" + index + "ActorGroundFlag", record + 5, actor(&TTerrainActor::ActorGroundFlag));
        t.Number<u8>("TerrainActors" + index + "NotCentred", record + 6, actor(&TTerrainActor::NotCentred));
        t.Number<u8>("TerrainActors" + index + "StandardTerrain", record + 7, actor(&TTerrainActor::StandardTerrain));
        t.Number<u8>("TerrainActors" + index + "ActorDensity", record + 8, actor(&TTerrainActor::ActorDensity));
        t.Number<u8>("TerrainActors" + index + "RandomOrientation", record + 9, actor(&TTerrainActor::RandomOrientation));
        t.Number<u8>("TerrainActors" + index + "HeightVariation", record + 10, actor(&TTerrainActor::HeightVariation));
        t.Number<i16>("TerrainActors" + index + "Reserved11", record + 11, actor(&TTerrainActor::Reserved11));
    }
    t.Number<u8>("DrawAllActors", 2100, MEMBER(u8, h.DrawAllActors));
    t.Numbers<std::int8_t, kTerrainSlots>("Specularity", 2101, 1, MEMBER(Slots8, h.Specularity));
    t.Numbers<std::int8_t, kTerrainSlots>("Shininess", 2125, 1, MEMBER(Slots8, h.Shininess));
    t.Numbers<std::int8_t, kTerrainSlots>("Emission", 2149, 1, MEMBER(Slots8, h.Emission));
    t.Carried<9>(2173, MEMBER(Reserved<9>, h.Reserved2173));
    t.Numbers<TColorRef, kGradientEntries>("GradientColours", 2182, 4,
                                           MEMBER(GradientTable, h.GradientColours));
    t.Number<u8>("LightDiffusion", 2262, MEMBER(u8, h.LightDiffusion));
    t.Number<u8>("ShadingDensity", 2263, MEMBER(u8, h.ShadingDensity));
    t.Add<u8>("ScenePercentage", 2264, MEMBER(u8, h.ScenePercentage), 64);  // a load forces it into 2..99
    t.Carried<9>(2265, MEMBER(Reserved<9>, h.Reserved2265));
    t.Add<u8>("ShadingChanged", 2274, MEMBER(u8, h.ShadingChanged), 1);  // every load sets it
    t.Number<u8>("Reserved2275", 2275, MEMBER(u8, h.Reserved2275));
    t.Number<u8>("ShadingContrast", 2276, MEMBER(u8, h.ShadingContrast));
    t.Numbers<u8, 3>("SceneSwitches", 2277, 1, MEMBER(Switches, h.SceneSwitches));
    t.Number<i16>("MistLevel", 2280, MEMBER(i16, h.MistLevel));
    t.Number<TColorRef>("MistColour", 2282, MEMBER(TColorRef, h.MistColour));
    t.Numbers<TColorRef, kVistaEntries>("VistaColours", 2286, 4,
                                        MEMBER(VistaTable, h.VistaColours));
    t.Number<u8>("TreeLine", 2334, MEMBER(u8, h.TreeLine));
    t.Number<u8>("SnowLine", 2335, MEMBER(u8, h.SnowLine));
    t.Number<u8>("Smoothing", 2336, MEMBER(u8, h.Smoothing));
    t.Number<TColorRef>("GridColour", 2337, MEMBER(TColorRef, h.GridColour));
    t.Number<TColorRef>("SkyColour", 2341, MEMBER(TColorRef, h.SkyColour));
    t.Number<u8>("CliffAngle", 2345, MEMBER(u8, h.CliffAngle));
    t.Number<u8>("ValleyAngle", 2346, MEMBER(u8, h.ValleyAngle));
    t.Number<u8>("CliffOverride", 2347, MEMBER(u8, h.CliffOverride));
    t.Number<u8>("ValleyOverride", 2348, MEMBER(u8, h.ValleyOverride));
    t.Numbers<std::int32_t, 6>("PlaneSeeds", 2349, 4, MEMBER(Seeds, h.PlaneSeeds));
    t.Numbers<i16, kTerrainSlots>("FractValues", 2373, 2, MEMBER(Slots16, h.FractValues));
    t.Number<u8>("ValleyEffect", 2421, MEMBER(u8, h.ValleyEffect));
    t.Carried<154>(2422, MEMBER(Reserved<154>, h.Reserved2422));
    return t;
}

// The whole fixture file: the header, heights from kMinHeight to kMaxHeight,
// terrain 0 everywhere, no overlays and no labels.
Bytes FixtureFile(const HeaderTable& table)
{
    Bytes file(TMapHeader::kFileSize);
    for (const auto& field : table.fields)
        std::copy(field.bytes.begin(), field.bytes.end(), file.begin() + static_cast<long>(field.offset));
    const auto append = [&file](const auto& value) {
        const Bytes bytes = BytesOf(value);
        file.insert(file.end(), bytes.begin(), bytes.end());
    };
    const int nodes = kColumns * kRows;
    append(std::int32_t{nodes});
    for (int i = 0; i < nodes; ++i)
        append(static_cast<std::int16_t>(kMinHeight + (kMaxHeight - kMinHeight) * i / (nodes - 1)));
    const int squares = (kColumns - 1) * (kRows - 1);
    append(std::int32_t{squares});
    file.resize(file.size() + 2 * static_cast<std::size_t>(squares) + 4);  // terrains, then two empty lists
    return file;
}

class HeaderFields : public ::testing::Test {
protected:
    void ExpectEveryMemberHoldsItsValue(TMapHeader& header)
    {
        for (const auto& field : table.fields)
            EXPECT_EQ(field.member(header), field.bytes) << field.name << " at offset " << field.offset;
    }
    void ExpectEveryOffsetHoldsItsValue(const Bytes& file)
    {
        ASSERT_GE(file.size(), TMapHeader::kFileSize);
        for (const auto& field : table.fields)
            EXPECT_TRUE(std::equal(field.bytes.begin(), field.bytes.end(), file.begin() + static_cast<long>(field.offset)))
                << field.name << " at offset " << field.offset;
    }

    HeaderTable table = MakeTable();
    Bytes fixture = FixtureFile(table);
};

}  // namespace

TEST_F(HeaderFields, TheTableCoversTheHeaderWithoutGapsOrOverlaps)
{
    std::size_t next = 0;
    for (const auto& field : table.fields) {
        EXPECT_EQ(field.offset, next) << field.name;
        next = field.offset + field.bytes.size();
    }
    EXPECT_EQ(next, TMapHeader::kFileSize);
}

TEST_F(HeaderFields, EveryFieldLoadsIntoItsNamedMember)
{
    TNet net;
    ASSERT_TRUE(LoadBytes(net, fixture));
    ExpectEveryMemberHoldsItsValue(net.MapHeader);
}

TEST_F(HeaderFields, EveryNamedMemberIsSavedAtItsOffset)
{
    TNet net;
    MakeMap(net, kColumns, kRows, MapUnits::Metric, 1000);
    for (const auto& field : table.fields)
        field.store(net.MapHeader);
    ExpectEveryOffsetHoldsItsValue(net.SaveToBytes());
}

TEST_F(HeaderFields, ALoadedFixtureIsSavedByteForByteAndLoadsAgain)
{
    TNet net;
    ASSERT_TRUE(LoadBytes(net, fixture));
    const Bytes saved = net.SaveToBytes();
    ExpectEveryOffsetHoldsItsValue(saved);
    EXPECT_EQ(saved, fixture);
    TNet reloaded;
    ASSERT_TRUE(LoadBytes(reloaded, saved));
    ExpectEveryMemberHoldsItsValue(reloaded.MapHeader);
}
