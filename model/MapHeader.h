#pragma once

#include "model/Colour.h"
#include "model/FixedText.h"
#include "model/Real48.h"

#include <array>
#include <cstdint>

namespace tarn {

inline constexpr int kTerrainSlots = 24;
inline constexpr int kGradientEntries = 20;
inline constexpr int kVistaEntries = 12;
inline constexpr std::int16_t kNullHeight = -1001;

enum class MapUnits : std::int16_t { Imperial = 0, Metric = 1, MicroMetric = 2 };

// Drawing schemes of the viewer.
inline constexpr std::uint8_t kSchemePlain = 2;
inline constexpr std::uint8_t kSchemeOverlay = 11;
inline constexpr std::uint8_t kSchemeGradients = 12;
inline constexpr std::uint8_t kSchemeVista = 13;

// Backgrounds behind the scene; 145 is an older code read as textured.
inline constexpr std::int16_t kSolidBackground = 141;
inline constexpr std::int16_t kGraduatedBackground = 142;
inline constexpr std::int16_t kTexturedBackgroundOld = 145;
inline constexpr std::int16_t kTexturedBackground = 146;

template <std::size_t N>
using Reserved = std::array<std::uint8_t, N>;

// The 13-byte actor settings of one terrain slot.
struct TTerrainActor {
    std::uint8_t DrawActor = 0;
    std::int16_t ActorHeight = 0;
    std::int16_t ActorOrientation = 0;
    std::uint8_t ActorGroundFlag = 0;
    std::uint8_t NotCentred = 0;
    std::uint8_t StandardTerrain = 0;
    std::uint8_t ActorDensity = 0;
    std::uint8_t RandomOrientation = 0;
    std::uint8_t HeightVariation = 0;
    std::int16_t Reserved11 = 0;

    friend bool operator==(const TTerrainActor&, const TTerrainActor&) = default;
};

// The parameter record at the head of every LEM file: grid geometry, units and
// every scene setting that travels with the map. The file is read and written
// field by field (HeaderTransfer.h); this layout is only the program's own.
struct TMapHeader {
    static constexpr std::size_t kFileSize = 2576;

    std::int16_t Signature = 0;
    std::uint8_t Version = 0;
    std::int16_t Columns = 0;
    std::int16_t Rows = 0;
    std::int16_t WorldWidth = 0;
    std::int16_t WorldHeight = 0;
    std::int16_t ShortSide = 0;
    std::int16_t UnitScale = 0;
    std::int16_t MapUnits = 0;
    std::int16_t ExtentX = 0;
    std::int16_t ExtentY = 0;
    std::int16_t Spacing = 0;
    std::int16_t MaxHeight = 0;
    std::int16_t MinHeight = 0;
    Reserved<9> Reserved27{};
    std::array<Real48, 4> Bounds{};  // West, South, East, North
    Reserved<200> Reserved60{};
    std::int16_t Reserved260 = 0;
    std::int16_t Reserved262 = 0;
    std::int16_t LightAlt = 0;
    std::int16_t LightAz = 0;
    std::array<double, 3> TargetPos{};
    std::array<double, 3> CameraPos{};
    double VerticalScale = 0;
    std::int16_t Reserved324 = 0;
    std::int16_t Reserved326 = 0;
    double ViewAngle = 0;
    std::uint8_t DrawingScheme = 0;
    std::int16_t GridMode = 0;
    TColorRef GroundColour = 0;
    std::int16_t WaterTurbulance = 0;
    std::uint8_t TreeDamping = 0;
    std::uint8_t SnowDamping = 0;
    std::uint8_t WaterEdge = 0;
    std::uint8_t DrawTerrains = 0;
    std::int16_t WaveHeight = 0;
    std::int16_t WaveLength = 0;
    std::int16_t Reserved353 = 0;
    std::int16_t ViewerMode = 0;
    std::int16_t Reserved357 = 0;
    std::int16_t Reserved359 = 0;
    std::int16_t BackgroundType = 0;
    std::uint8_t CliffEffect = 0;
    std::int16_t PlotOverlayObjects = 0;
    PascalString<80> OverlayFile{};
    std::uint8_t Reserved447 = 0;
    std::int16_t Reserved448 = 0;
    std::int16_t WaveDirection = 0;
    std::int16_t FractalDepth = 0;
    TColorRef LightColour = 0;
    std::uint8_t Reserved458 = 0;
    PascalString<80> Reserved459{};
    std::array<TColorRef, kTerrainSlots> TerrainColours{};
    std::array<CharArray<31>, kTerrainSlots> TerrainNames{};
    std::array<PascalString<16>, kTerrainSlots> ActorFiles{};
    std::array<TTerrainActor, kTerrainSlots> TerrainActors{};
    std::uint8_t DrawAllActors = 0;
    std::array<std::int8_t, kTerrainSlots> Specularity{};
    std::array<std::int8_t, kTerrainSlots> Shininess{};
    std::array<std::int8_t, kTerrainSlots> Emission{};
    Reserved<9> Reserved2173{};
    std::array<TColorRef, kGradientEntries> GradientColours{};
    std::uint8_t LightDiffusion = 0;
    std::uint8_t ShadingDensity = 0;
    std::uint8_t ScenePercentage = 0;
    Reserved<9> Reserved2265{};
    std::uint8_t ShadingChanged = 0;
    std::uint8_t Reserved2275 = 0;
    std::uint8_t ShadingContrast = 0;
    std::array<std::uint8_t, 3> SceneSwitches{};
    std::int16_t MistLevel = 0;
    TColorRef MistColour = 0;
    std::array<TColorRef, kVistaEntries> VistaColours{};
    std::uint8_t TreeLine = 0;
    std::uint8_t SnowLine = 0;
    std::uint8_t Smoothing = 0;
    TColorRef GridColour = 0;
    TColorRef SkyColour = 0;
    std::uint8_t CliffAngle = 0;
    std::uint8_t ValleyAngle = 0;
    std::uint8_t CliffOverride = 0;
    std::uint8_t ValleyOverride = 0;
    std::array<std::int32_t, 6> PlaneSeeds{};  // R, G, B plane seeds, then R, G, B frequency seeds
    std::array<std::int16_t, kTerrainSlots> FractValues{};
    std::uint8_t ValleyEffect = 0;
    Reserved<154> Reserved2422{};

    friend bool operator==(const TMapHeader&, const TMapHeader&) = default;
};

// Sets every field that a new map gives a value of its own (the grid fields
// are set by whoever makes the map); "kept" fields keep what they held.
void ApplyNewMapValues(TMapHeader& header);

// The vertical exaggeration a map is drawn and flown at: its VerticalScale,
// or 1.0 (100 %) when that is not a positive number, as in a header the
// viewer's parameters dialog never set (a new map keeps the 0 of the first
// map after start-up).
double DrawnVerticalScale(double verticalScale);

}  // namespace tarn
