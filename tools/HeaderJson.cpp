#include "tools/HeaderJson.h"

#include "model/Net.h"
#include "tools/JsonWriter.h"

#include <algorithm>

namespace tarn::tool {

namespace {

void WriteGrid(JsonWriter& json, const TMapHeader& h)
{
    static const char* const kUnits[] = {"Imperial", "Metric", "MicroMetric"};
    json.value("Signature", static_cast<long long>(h.Signature))
        .value("Version", static_cast<long long>(h.Version))
        .value("Columns", static_cast<long long>(h.Columns))
        .value("Rows", static_cast<long long>(h.Rows))
        .value("WorldWidth", static_cast<long long>(h.WorldWidth))
        .value("WorldHeight", static_cast<long long>(h.WorldHeight))
        .value("ShortSide", static_cast<long long>(h.ShortSide))
        .value("UnitScale", static_cast<long long>(h.UnitScale))
        .value("MapUnits", static_cast<long long>(h.MapUnits))
        .value("MapUnitsName", std::string_view(h.MapUnits >= 0 && h.MapUnits <= 2 ? kUnits[h.MapUnits] : "unknown"))
        .value("ExtentX", static_cast<long long>(h.ExtentX))
        .value("ExtentY", static_cast<long long>(h.ExtentY))
        .value("Spacing", static_cast<long long>(h.Spacing))
        .value("MaxHeight", static_cast<long long>(h.MaxHeight))
        .value("MinHeight", static_cast<long long>(h.MinHeight));
    json.beginObject("Bounds")
        .value("West", h.Bounds[0].toDouble())
        .value("South", h.Bounds[1].toDouble())
        .value("East", h.Bounds[2].toDouble())
        .value("North", h.Bounds[3].toDouble())
        .endObject();
}

void WriteScene(JsonWriter& json, const TMapHeader& h)
{
    const auto doubles = [&](const char* key, const std::array<double, 3>& v) {
        json.beginArray(key).value({}, v[0]).value({}, v[1]).value({}, v[2]).endArray();
    };
    json.value("LightAlt", static_cast<long long>(h.LightAlt)).value("LightAz", static_cast<long long>(h.LightAz));
    doubles("TargetPos", h.TargetPos);
    doubles("CameraPos", h.CameraPos);
    json.value("VerticalScale", h.VerticalScale)
        .value("ViewAngle", h.ViewAngle)
        .value("DrawingScheme", static_cast<long long>(h.DrawingScheme))
        .value("GridMode", static_cast<long long>(h.GridMode))
        .value("GroundColour", static_cast<long long>(h.GroundColour))
        .value("WaterTurbulance", static_cast<long long>(h.WaterTurbulance))
        .value("TreeDamping", static_cast<long long>(h.TreeDamping))
        .value("SnowDamping", static_cast<long long>(h.SnowDamping))
        .value("WaterEdge", static_cast<long long>(h.WaterEdge))
        .value("DrawTerrains", static_cast<long long>(h.DrawTerrains))
        .value("WaveHeight", static_cast<long long>(h.WaveHeight))
        .value("WaveLength", static_cast<long long>(h.WaveLength))
        .value("BackgroundType", static_cast<long long>(h.BackgroundType))
        .value("CliffEffect", static_cast<long long>(h.CliffEffect))
        .value("PlotOverlayObjects", static_cast<long long>(h.PlotOverlayObjects))
        .value("OverlayFile", h.OverlayFile.text())
        .value("WaveDirection", static_cast<long long>(h.WaveDirection))
        .value("FractalDepth", static_cast<long long>(h.FractalDepth))
        .value("LightColour", static_cast<long long>(h.LightColour))
        .value("LightDiffusion", static_cast<long long>(h.LightDiffusion))
        .value("ShadingDensity", static_cast<long long>(h.ShadingDensity))
        .value("ShadingChanged", static_cast<long long>(h.ShadingChanged))
        .value("ShadingContrast", static_cast<long long>(h.ShadingContrast))
        .value("MistLevel", static_cast<long long>(h.MistLevel))
        .value("MistColour", static_cast<long long>(h.MistColour))
        .value("TreeLine", static_cast<long long>(h.TreeLine))
        .value("SnowLine", static_cast<long long>(h.SnowLine))
        .value("Smoothing", static_cast<long long>(h.Smoothing))
        .value("GridColour", static_cast<long long>(h.GridColour))
        .value("SkyColour", static_cast<long long>(h.SkyColour))
        .value("CliffAngle", static_cast<long long>(h.CliffAngle))
        .value("ValleyAngle", static_cast<long long>(h.ValleyAngle))
        .value("CliffOverride", static_cast<long long>(h.CliffOverride))
        .value("ValleyOverride", static_cast<long long>(h.ValleyOverride))
        .value("ValleyEffect", static_cast<long long>(h.ValleyEffect))
        .value("DrawAllActors", static_cast<long long>(h.DrawAllActors));
    static const char* const kSeeds[] = {"RPlaneSeed", "GPlaneSeed", "BPlaneSeed",
                                         "RFreqSeed",  "GFreqSeed",  "BFreqSeed"};
    for (std::size_t i = 0; i < h.PlaneSeeds.size(); ++i)
        json.value(kSeeds[i], static_cast<long long>(h.PlaneSeeds[i]));
    json.numbers("GradientColours", h.GradientColours).numbers("VistaColours", h.VistaColours);
}

void WriteTerrains(JsonWriter& json, const TMapHeader& h)
{
    json.beginArray("Terrains");
    for (int slot = 0; slot < kTerrainSlots; ++slot) {
        const auto& actor = h.TerrainActors[slot];
        json.beginObject()
            .value("Slot", static_cast<long long>(slot))
            .value("Name", h.TerrainNames[slot].text())
            .value("Colour", static_cast<long long>(h.TerrainColours[slot]))
            .value("ActorFile", h.ActorFiles[slot].text())
            .value("DrawActor", static_cast<long long>(actor.DrawActor))
            .value("ActorHeight", static_cast<long long>(actor.ActorHeight))
            .value("ActorOrientation", static_cast<long long>(actor.ActorOrientation))
            .value("ActorGroundFlag", static_cast<long long>(actor.ActorGroundFlag))
            .value("NotCentred", static_cast<long long>(actor.NotCentred))
            .value("StandardTerrain", static_cast<long long>(actor.StandardTerrain))
            .value("ActorDensity", static_cast<long long>(actor.ActorDensity))
            .value("RandomOrientation", static_cast<long long>(actor.RandomOrientation))
            .value("HeightVariation", static_cast<long long>(actor.HeightVariation))
            .value("Specularity", static_cast<long long>(h.Specularity[slot]))
            .value("Shininess", static_cast<long long>(h.Shininess[slot]))
            .value("Emission", static_cast<long long>(h.Emission[slot]))
            .value("FractValue", static_cast<long long>(h.FractValues[slot]))
            .endObject();
    }
    json.endArray();
}

void WriteContents(JsonWriter& json, const TNet& net)
{
    int lowest = 0;
    int highest = 0;
    long long nullNodes = 0;
    bool any = false;
    for (const auto& point : net.Points()) {
        if (point.Height == kNullHeight) {
            ++nullNodes;
            continue;
        }
        lowest = any ? std::min<int>(lowest, point.Height) : point.Height;
        highest = any ? std::max<int>(highest, point.Height) : point.Height;
        any = true;
    }
    json.value("Nodes", static_cast<long long>(net.PointCount()))
        .value("Squares", static_cast<long long>(net.SquareCount()))
        .value("Overlays", static_cast<long long>(net.Overlays.size()))
        .value("Labels", static_cast<long long>(net.Labels.size()))
        .value("NullNodes", nullNodes);
    json.beginObject("HeightRange");
    if (any)
        json.value("Lowest", static_cast<long long>(lowest)).value("Highest", static_cast<long long>(highest));
    json.endObject();
}

}  // namespace

std::string MapInfoJson(const TNet& net)
{
    JsonWriter json;
    json.beginObject();
    json.beginObject("Header");
    WriteGrid(json, net.MapHeader);
    WriteScene(json, net.MapHeader);
    WriteTerrains(json, net.MapHeader);
    json.endObject();
    WriteContents(json, net);
    json.endObject();
    return json.text();
}

}  // namespace tarn::tool
