#include "tools/HeaderJson.h"

#include "model/Net.h"
#include "model/TextCodec.h"
#include "tools/HeightRange.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace tarn::tool {

namespace {

using Json = nlohmann::ordered_json;

// A real as JSON: whole values as integers ("30", not "30.0"), values that
// are not numbers as null.
Json Number(double value)
{
    if (!std::isfinite(value))
        return nullptr;
    constexpr double kExactIntegers = 9007199254740992.0;  // 2^53
    if (value == std::trunc(value) && std::fabs(value) < kExactIntegers)
        return static_cast<std::int64_t>(value);
    return value;
}

Json Numbers(const std::array<double, 3>& values)
{
    return Json::array({Number(values[0]), Number(values[1]), Number(values[2])});
}

// The map's texts are Windows Western bytes; JSON is UTF-8.
Json Text(const std::string& bytes) { return WindowsWesternToUtf8(bytes); }

void AddGrid(Json& json, const TMapHeader& h)
{
    static const char* const kUnits[] = {"Imperial", "Metric", "MicroMetric"};
    json["Signature"] = h.Signature;
    json["Version"] = h.Version;
    json["Columns"] = h.Columns;
    json["Rows"] = h.Rows;
    json["WorldWidth"] = h.WorldWidth;
    json["WorldHeight"] = h.WorldHeight;
    json["ShortSide"] = h.ShortSide;
    json["UnitScale"] = h.UnitScale;
    json["MapUnits"] = h.MapUnits;
    json["MapUnitsName"] = h.MapUnits >= 0 && h.MapUnits <= 2 ? kUnits[h.MapUnits] : "unknown";
    json["ExtentX"] = h.ExtentX;
    json["ExtentY"] = h.ExtentY;
    json["Spacing"] = h.Spacing;
    json["MaxHeight"] = h.MaxHeight;
    json["MinHeight"] = h.MinHeight;
    json["Bounds"] = {{"West", Number(h.Bounds[0].toDouble())},
                      {"South", Number(h.Bounds[1].toDouble())},
                      {"East", Number(h.Bounds[2].toDouble())},
                      {"North", Number(h.Bounds[3].toDouble())}};
}

void AddScene(Json& json, const TMapHeader& h)
{
    json["LightAlt"] = h.LightAlt;
    json["LightAz"] = h.LightAz;
    json["TargetPos"] = Numbers(h.TargetPos);
    json["CameraPos"] = Numbers(h.CameraPos);
    json["VerticalScale"] = Number(h.VerticalScale);
    json["ViewAngle"] = Number(h.ViewAngle);
    json["DrawingScheme"] = h.DrawingScheme;
    json["GridMode"] = h.GridMode;
    json["GroundColour"] = h.GroundColour;
    json["WaterTurbulance"] = h.WaterTurbulance;
    json["TreeDamping"] = h.TreeDamping;
    json["SnowDamping"] = h.SnowDamping;
    json["WaterEdge"] = h.WaterEdge;
    json["DrawTerrains"] = h.DrawTerrains;
    json["WaveHeight"] = h.WaveHeight;
    json["WaveLength"] = h.WaveLength;
    json["BackgroundType"] = h.BackgroundType;
    json["CliffEffect"] = h.CliffEffect;
    json["PlotOverlayObjects"] = h.PlotOverlayObjects;
    json["OverlayFile"] = Text(h.OverlayFile.text());
    json["WaveDirection"] = h.WaveDirection;
    json["FractalDepth"] = h.FractalDepth;
    json["LightColour"] = h.LightColour;
    json["LightDiffusion"] = h.LightDiffusion;
    json["ShadingDensity"] = h.ShadingDensity;
    json["ShadingChanged"] = h.ShadingChanged;
    json["ShadingContrast"] = h.ShadingContrast;
    json["MistLevel"] = h.MistLevel;
    json["MistColour"] = h.MistColour;
    json["TreeLine"] = h.TreeLine;
    json["SnowLine"] = h.SnowLine;
    json["Smoothing"] = h.Smoothing;
    json["GridColour"] = h.GridColour;
    json["SkyColour"] = h.SkyColour;
    json["CliffAngle"] = h.CliffAngle;
    json["ValleyAngle"] = h.ValleyAngle;
    json["CliffOverride"] = h.CliffOverride;
    json["ValleyOverride"] = h.ValleyOverride;
    json["ValleyEffect"] = h.ValleyEffect;
    json["DrawAllActors"] = h.DrawAllActors;
    static const char* const kSeeds[] = {"RPlaneSeed", "GPlaneSeed", "BPlaneSeed",
                                         "RFreqSeed",  "GFreqSeed",  "BFreqSeed"};
    for (std::size_t i = 0; i < h.PlaneSeeds.size(); ++i)
        json[kSeeds[i]] = h.PlaneSeeds[i];
    json["GradientColours"] = h.GradientColours;
    json["VistaColours"] = h.VistaColours;
}

Json Terrains(const TMapHeader& h)
{
    Json terrains = Json::array();
    for (int slot = 0; slot < kTerrainSlots; ++slot) {
        const auto& actor = h.TerrainActors[slot];
        terrains.push_back({{"Slot", slot},
                            {"Name", Text(h.TerrainNames[slot].text())},
                            {"Colour", h.TerrainColours[slot]},
                            {"ActorFile", Text(h.ActorFiles[slot].text())},
                            {"DrawActor", actor.DrawActor},
                            {"ActorHeight", actor.ActorHeight},
                            {"ActorOrientation", actor.ActorOrientation},
                            {"ActorGroundFlag", actor.ActorGroundFlag},
                            {"NotCentred", actor.NotCentred},
                            {"StandardTerrain", actor.StandardTerrain},
                            {"ActorDensity", actor.ActorDensity},
                            {"RandomOrientation", actor.RandomOrientation},
                            {"HeightVariation", actor.HeightVariation},
                            {"Specularity", h.Specularity[slot]},
                            {"Shininess", h.Shininess[slot]},
                            {"Emission", h.Emission[slot]},
                            {"FractValue", h.FractValues[slot]}});
    }
    return terrains;
}

void AddContents(Json& json, const TNet& net)
{
    const auto range = HeightRangeOf(net);
    json["Nodes"] = net.PointCount();
    json["Squares"] = net.SquareCount();
    json["Overlays"] = net.Overlays.size();
    json["Labels"] = net.Labels.size();
    json["NullNodes"] = range.nullNodes;
    json["HeightRange"] = Json::object();
    if (range.any) {
        json["HeightRange"]["Lowest"] = range.lowest;
        json["HeightRange"]["Highest"] = range.highest;
    }
}

}  // namespace

std::string MapInfoJson(const TNet& net)
{
    Json header = Json::object();
    AddGrid(header, net.MapHeader);
    AddScene(header, net.MapHeader);
    header["Terrains"] = Terrains(net.MapHeader);
    Json json = {{"Header", std::move(header)}};
    AddContents(json, net);
    return json.dump(2) + "\n";
}

}  // namespace tarn::tool
