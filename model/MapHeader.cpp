#include "model/MapHeader.h"

#include <cmath>
#include <numbers>

namespace tarn {

namespace {

void ApplyNewActorValues(TMapHeader& h)
{
    for (auto& actor : h.TerrainActors) {
        actor.DrawActor = 0;
        actor.ActorHeight = 10;
        actor.ActorOrientation = 0;
        actor.ActorGroundFlag = 0;
        actor.NotCentred = 0;
        actor.StandardTerrain = 0;
        actor.ActorDensity = 100;
    }
    for (auto& file : h.ActorFiles)
        file.bytes().fill(0);
    h.DrawAllActors = 0;
    h.Specularity.fill(5);
    h.Shininess.fill(64);
    h.Emission.fill(0);
    h.Specularity[1] = 20;
    h.Shininess[1] = 32;
    h.Emission[1] = 10;
}

void ApplyNewColourTables(TMapHeader& h)
{
    constexpr double pi = std::numbers::pi;
    for (int i = 0; i <= 18; ++i) {
        const auto channel = [](double v) { return static_cast<int>(std::trunc(255 * v)); };
        h.GradientColours[i] = RGB(channel(std::sin(i * pi / 38)), channel(std::sin(i * pi / 19)),
                                   channel(std::cos(i * pi / 38)));
    }
    h.VistaColours = {RGB(63, 79, 47),    RGB(63, 79, 47),    RGB(63, 79, 47),   RGB(63, 79, 47),
                      RGB(79, 63, 31),    RGB(95, 79, 47),    RGB(111, 95, 63),  RGB(127, 111, 79),
                      RGB(143, 127, 95),  RGB(160, 159, 143), RGB(191, 191, 191), RGB(191, 191, 191)};
}

}  // namespace

void ApplyNewMapValues(TMapHeader& h)
{
    h.Signature = 241;
    h.Version = 68;
    h.MaxHeight = 1000;
    h.MinHeight = 0;
    h.TargetPos = {0, 0, 0};
    h.CameraPos = {-50, -50, 50};
    h.ViewAngle = 30;
    h.DrawingScheme = kSchemeGradients;
    h.GroundColour = kWhite;
    h.WaterTurbulance = 30;
    h.TreeDamping = 0;
    h.SnowDamping = 0;
    h.WaterEdge = 10;
    h.WaveHeight = 10;
    h.WaveLength = 100;
    h.BackgroundType = kSolidBackground;
    h.CliffEffect = 0;
    h.WaveDirection = 0;
    h.LightColour = kWhite;
    ApplyNewActorValues(h);
    ApplyNewColourTables(h);
    h.ShadingDensity = 50;
    h.ScenePercentage = 50;
    h.Reserved2265.fill(0);
    h.ShadingChanged = 1;
    h.Reserved2275 = 0;
    h.ShadingContrast = 50;
    h.SceneSwitches = {1, 1, 1};
    h.MistLevel = 5000;
    h.MistColour = kWhite;
    h.TreeLine = 40;
    h.SnowLine = 75;
    h.GridColour = kWhite;
    h.SkyColour = kWhite;
    h.CliffOverride = 0;
    h.ValleyOverride = 0;
    h.PlaneSeeds = {0, 0, 0, 100, 100, 100};
    h.FractValues = {100, 20, 80, 200, 10, 10, 20, 10};
    h.ValleyEffect = 0;
}

double DrawnVerticalScale(double verticalScale)
{
    return std::isfinite(verticalScale) && verticalScale > 0 ? verticalScale : 1.0;
}

}  // namespace tarn
