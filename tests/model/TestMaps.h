#pragma once

#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"

#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace tarn::test {

using Bytes = std::vector<std::uint8_t>;

inline void MakeMap(TNet& net, int columns, int rows, MapUnits units = MapUnits::Metric, double spacing = 10)
{
    CreateMap(net, {units, columns, rows, spacing}, DefaultTerrainPalette());
}

// Writes a little-endian value into a byte block at an offset.
template <typename T>
void Put(Bytes& bytes, std::size_t offset, T value)
{
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

template <typename T>
T Get(const Bytes& bytes, std::size_t offset)
{
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

inline bool LoadBytes(TNet& net, const Bytes& bytes, IProgress& progress)
{
    std::istringstream stream(std::string(bytes.begin(), bytes.end()));
    return net.LoadFromStream(stream, progress);
}

inline bool LoadBytes(TNet& net, const Bytes& bytes)
{
    NullProgress quiet;
    return LoadBytes(net, bytes, quiet);
}

// A small map with heights, terrains, an overlay object of every kind and
// labels, as it stands after being loaded once.
inline Bytes SmallMapFile()
{
    TNet net;
    MakeMap(net, 21, 20);
    auto& points = net.Points();
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i].Height = static_cast<std::int16_t>(i % 7 == 0 ? kNullHeight : static_cast<int>(i * 3 % 500));
    for (std::size_t i = 0; i < net.Squares().size(); ++i)
        net.Squares()[i].Terrain = static_cast<std::int16_t>(i % kTerrainSlots);
    for (std::uint8_t kind = 0; kind < 4; ++kind) {
        auto object = CreateGraphObject(kind);
        object->PenColour = RGB(10 * kind, 20, 30);
        object->PenWidth = static_cast<std::uint8_t>(kind + 1);
        for (int p = 0; p < kind + 2; ++p)
            object->Points.push_back({Real48::fromDouble(p * 1.5), Real48::fromDouble(-p * 0.25)});
        net.Overlays.push_back(std::move(object));
    }
    for (const char* text : {"Loch Tarn", "", "Ben Carrow"}) {
        auto label = std::make_unique<TEnhString>();
        label->Font.SetHeight(12);
        label->Font.SetFaceName("Arial");
        label->Text = text;
        label->PointSize = 12;
        label->X = Real48::fromDouble(3.25);
        label->Y = Real48::fromDouble(7.5);
        label->Box = {1, 2, 3, 4};
        net.Labels.push_back(std::move(label));
    }
    const auto first = net.SaveToBytes();
    TNet reloaded;
    LoadBytes(reloaded, first);
    return reloaded.SaveToBytes();
}

}  // namespace tarn::test
