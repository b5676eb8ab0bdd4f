#include "model/ParameterFile.h"

#include "model/AtomicFile.h"
#include "model/Errors.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>
#include <system_error>
#include <vector>

namespace tarn {

namespace {

// A parameter file is a few kilobytes; anything past this is not one.
constexpr std::uintmax_t kMaxParameterFileSize = 1 << 20;

constexpr std::array<std::string_view, 8> kStandardColourKeys{"Standard", "Water", "Forest", "Buildings",
                                                              "Road",     "Rocks", "Sand",   "Snow"};
constexpr std::array<std::string_view, 3> kVistaGroups{"Tree", "Bare", "Snow"};

std::string_view Trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Decimal within 32 bits, or "0x" hexadecimal of at most 32 bits taken as
// its bit pattern; nothing for any other text.
std::optional<std::int32_t> ParseProfileInteger(std::string_view text)
{
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    if (hex)
        text.remove_prefix(2);
    if (text.empty())
        return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, hex ? 16 : 10);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    if (hex) {
        if (magnitude > std::numeric_limits<std::uint32_t>::max())
            return std::nullopt;
        const auto pattern = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
        return negative ? static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(pattern)) : pattern;
    }
    const auto limit = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()) + (negative ? 1 : 0);
    if (magnitude > limit)
        return std::nullopt;
    const auto value = static_cast<std::int64_t>(magnitude);
    return static_cast<std::int32_t>(negative ? -value : value);
}

// The lines of a text, and the section and key searches of the reader.
class TProfileText {
public:
    explicit TProfileText(std::string_view text)
    {
        while (!text.empty()) {
            const auto end = text.find('\n');
            lines_.push_back(text.substr(0, end));
            text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        }
    }

    // Lines of the first section whose heading line contains "[name]", up
    // to the next line that starts a section.
    void Enter(std::string_view name)
    {
        std::string heading("[");
        heading += name;
        heading += ']';
        first_ = last_ = lines_.size();
        for (std::size_t i = 0; i < lines_.size(); ++i)
            if (lines_[i].find(heading) != std::string_view::npos) {
                first_ = i + 1;
                break;
            }
        last_ = first_;
        while (last_ < lines_.size() && !StartsSection(lines_[last_]))
            ++last_;
    }

    // The value of the first line of the section that contains the key
    // followed by "=" (blanks between allowed).
    std::optional<std::string_view> Value(std::string_view key) const
    {
        for (std::size_t i = first_; i < last_; ++i) {
            const std::string_view line = lines_[i];
            for (auto at = line.find(key); at != std::string_view::npos; at = line.find(key, at + 1)) {
                const auto rest = Trim(line.substr(at + key.size()));
                if (!rest.empty() && rest.front() == '=')
                    return Trim(rest.substr(1));
            }
        }
        return std::nullopt;
    }

private:
    static bool StartsSection(std::string_view line)
    {
        line = Trim(line);
        return !line.empty() && line.front() == '[';
    }

    std::vector<std::string_view> lines_;
    std::size_t first_ = 0;
    std::size_t last_ = 0;
};

class TParameterReader {
public:
    explicit TParameterReader(std::string_view text) : text_(text) {}

    void Section(std::string_view name) { text_.Enter(name); }
    void Integer(std::string_view key, int& value, int fallback)
    {
        const auto text = text_.Value(key);
        value = text ? ParseProfileInteger(*text).value_or(fallback) : fallback;
    }
    void Colour(std::string_view key, TColorRef& colour)
    {
        int value = 0;
        Integer(key, value, 0);
        colour = static_cast<TColorRef>(value);
    }
    void Flag(std::string_view key, bool& flag)
    {
        int value = 0;
        Integer(key, value, 0);
        flag = value != 0;
    }
    void Text(std::string_view key, std::string& text) { text = std::string(text_.Value(key).value_or("")); }
    void Material(std::string_view key, std::int8_t& material)
    {
        int value = 0;
        Integer(key, value, 0);
        if (value < std::numeric_limits<std::int8_t>::min() || value > std::numeric_limits<std::int8_t>::max())
            throw ETarnError(std::string(msg::ParameterOutOfRange) + ": " + std::string(key) + "=" +
                             std::to_string(value));
        material = static_cast<std::int8_t>(value);
    }

private:
    TProfileText text_;
};

class TParameterWriter {
public:
    void Section(std::string_view name)
    {
        if (!text_.empty())
            text_ += "\n";
        text_ += '[';
        text_ += name;
        text_ += "]\n";
    }
    void Integer(std::string_view key, const int& value, int) { Line(key, std::to_string(value)); }
    // Colours are read as signed 32-bit numbers, so they are written as such:
    // a value above 2^31 (a negative number in a hand-made file) reads back.
    void Colour(std::string_view key, const TColorRef& colour)
    {
        Line(key, std::to_string(static_cast<std::int32_t>(colour)));
    }
    void Flag(std::string_view key, const bool& flag) { Line(key, flag ? "1" : "0"); }
    void Text(std::string_view key, const std::string& text) { Line(key, text); }
    void Material(std::string_view key, const std::int8_t& material) { Line(key, std::to_string(material)); }

    const std::string& Result() const { return text_; }

private:
    void Line(std::string_view key, const std::string& value)
    {
        text_.append(key);
        text_ += "=" + value + "\n";
    }

    std::string text_;
};

std::string Numbered(std::string_view key, int number) { return std::string(key) + std::to_string(number); }

int RoundedShare(int size, double share) { return static_cast<int>(std::nearbyint(size * share)); }

// Every section and key of the file in order, once for reading and once for
// writing. Values is TParameterValues, const for the writer.
template <typename Io, typename Values>
void TransferParameters(Io& io, Values& v, int mapWidth, int mapHeight)
{
    io.Section("Projection Parameters");
    io.Integer("CameraX", v.CameraX, RoundedShare(mapWidth, 1.0 / 3.0));
    io.Integer("CameraY", v.CameraY, RoundedShare(mapHeight, 1.0 / 3.0));
    io.Integer("CameraZ", v.CameraZ, 100);
    io.Integer("TargetX", v.TargetX, RoundedShare(mapWidth, 0.5));
    io.Integer("TargetY", v.TargetY, RoundedShare(mapHeight, 0.5));
    io.Integer("Perspective", v.Perspective, 30);
    io.Integer("Scale", v.Scale, 100);
    io.Integer("LightAz", v.LightAz, 0);
    io.Integer("LightAlt", v.LightAlt, 60);

    io.Section("Terrain Colours");
    for (int slot = 0; slot < kTerrainSlots; ++slot)
        io.Colour(slot < 8 ? std::string(kStandardColourKeys[slot]) : Numbered("Color", slot), v.TerrainColours[slot]);
    for (int slot = 8; slot < kTerrainSlots; ++slot)
        io.Text(Numbered("ColorName", slot), v.TerrainNames[slot]);
    for (int slot = 0; slot < kTerrainSlots; ++slot)
        io.Integer(Numbered("Fract", slot), v.Fract[slot], 0);
    for (int slot = 0; slot < kTerrainSlots; ++slot) {
        io.Material(Numbered("Specularity", slot), v.Specularity[slot]);
        io.Material(Numbered("Shininess", slot), v.Shininess[slot]);
        io.Material(Numbered("Emission", slot), v.Emission[slot]);
    }

    io.Section("Vista Colours");
    for (int i = 0; i < kVistaEntries; ++i)
        io.Colour(Numbered(kVistaGroups[i / 4], i % 4 + 1), v.VistaColours[i]);
    io.Integer("TreeLine", v.TreeLine, 30);
    io.Integer("SnowLine", v.SnowLine, 70);
    io.Integer("WaterTurbulance", v.WaterTurbulance, 0);
    io.Integer("TreeDamping", v.TreeDamping, 0);
    io.Integer("SnowDamping", v.SnowDamping, 0);
    io.Flag("CliffEffect", v.CliffEffect);
    io.Flag("CliffOverride", v.CliffOverride);
    io.Integer("CliffAngle", v.CliffAngle, 70);
    io.Flag("ValleyEffect", v.ValleyEffect);
    io.Flag("ValleyOverride", v.ValleyOverride);
    io.Integer("ValleyAngle", v.ValleyAngle, 30);

    io.Section("Gradients Section");
    for (int i = 0; i < kGradientEntries; ++i)
        io.Colour(Numbered("Gradient", i), v.Gradient[i]);

    io.Section("Environment Section");
    io.Colour("Sky", v.Sky);
    io.Colour("Mist", v.Mist);
    io.Colour("Ground", v.Ground);
    io.Integer("ShadingDensity", v.ShadingDensity, 0);
    io.Integer("ShadingContrast", v.ShadingContrast, 0);
    io.Integer("LightDiffusion", v.LightDiffusion, 0);
    io.Integer("MistLevel", v.MistLevel, 0);
}

}  // namespace

void ReadParameterText(std::string_view text, int mapWidth, int mapHeight, TParameterValues& values)
{
    TParameterReader reader(text);
    TransferParameters(reader, values, mapWidth, mapHeight);
}

void ReadParameterFile(const std::filesystem::path& path, int mapWidth, int mapHeight, TParameterValues& values)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    std::ifstream stream(path, std::ios::binary);
    if (error || size > kMaxParameterFileSize || !stream)
        throw ETarnError(std::string(msg::ErrorReadingParameters) + ": " + path.string());
    std::ostringstream text;
    text << stream.rdbuf();
    ReadParameterText(text.str(), mapWidth, mapHeight, values);
}

std::string FormatParameterText(const TParameterValues& values)
{
    TParameterWriter writer;
    TransferParameters(writer, values, 0, 0);
    return writer.Result();
}

void WriteParameterFile(const std::filesystem::path& path, const TParameterValues& values)
{
    const auto text = FormatParameterText(values);
    WriteFileAtomically(path, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()},
                        std::string(msg::UnableToWrite) + path.string());
}

}  // namespace tarn
