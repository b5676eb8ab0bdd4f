#pragma once

#include "model/Colour.h"
#include "model/MapHeader.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarn {

namespace msg {
inline constexpr const char* ParameterOutOfRange = "E0141 Value out of range in parameter file";
inline constexpr const char* ErrorReadingParameters = "E0142 Error reading parameter file";
// Followed by the file's name.
inline constexpr const char* UnableToWrite = "Unable to write to ";
}  // namespace msg

// What the viewer's parameter file (.cfg, "Config") holds: the values of the
// scene-parameter dialog's controls, camera and target as marker pixels on
// its positioning map.
struct TParameterValues {
    // [Projection Parameters]
    int CameraX = 0;
    int CameraY = 0;
    int CameraZ = 100;
    int TargetX = 0;
    int TargetY = 0;
    int Perspective = 30;
    int Scale = 100;
    int LightAz = 0;
    int LightAlt = 60;
    // [Terrain Colours]
    std::array<TColorRef, kTerrainSlots> TerrainColours{};
    std::array<std::string, kTerrainSlots> TerrainNames{};  // slots 8..23 only
    std::array<int, kTerrainSlots> Fract{};
    std::array<std::int8_t, kTerrainSlots> Specularity{};
    std::array<std::int8_t, kTerrainSlots> Shininess{};
    std::array<std::int8_t, kTerrainSlots> Emission{};
    // [Vista Colours]
    std::array<TColorRef, kVistaEntries> VistaColours{};
    int TreeLine = 30;
    int SnowLine = 70;
    int WaterTurbulance = 0;
    int TreeDamping = 0;
    int SnowDamping = 0;
    bool CliffEffect = false;
    bool CliffOverride = false;
    int CliffAngle = 70;
    bool ValleyEffect = false;
    bool ValleyOverride = false;
    int ValleyAngle = 30;
    // [Gradients Section]
    std::array<TColorRef, kGradientEntries> Gradient{};
    // [Environment Section]
    TColorRef Sky = 0;
    TColorRef Mist = 0;
    TColorRef Ground = 0;
    int ShadingDensity = 0;
    int ShadingContrast = 0;
    int LightDiffusion = 0;
    int MistLevel = 0;

    friend bool operator==(const TParameterValues&, const TParameterValues&) = default;
};

// Reads a parameter file's text into values, key by key in the file's order.
// Sections and keys are found by testing whether a line contains them
// (case-sensitive; a key must be followed by "="). A missing key, or one
// whose number cannot be read, takes its default: the marker pixels from the
// positioning map's size (a third and a half of it), the values the struct
// starts with, 0, an empty name or false. Numbers are decimal or "0x"
// hexadecimal. A material value outside -128..127 stops the reading with
// msg::ParameterOutOfRange; the values read before it are kept and the rest
// are left as they were.
void ReadParameterText(std::string_view text, int mapWidth, int mapHeight, TParameterValues& values);
// The same from a file; throws msg::ErrorReadingParameters when it cannot be
// read or is far larger than any parameter file.
void ReadParameterFile(const std::filesystem::path& path, int mapWidth, int mapHeight, TParameterValues& values);

// The file's text: five sections of Key=Value lines, integers in decimal,
// booleans as 1 or 0.
std::string FormatParameterText(const TParameterValues& values);
// Writes the file whole or not at all; throws "Unable to write to <name>".
void WriteParameterFile(const std::filesystem::path& path, const TParameterValues& values);

}  // namespace tarn
