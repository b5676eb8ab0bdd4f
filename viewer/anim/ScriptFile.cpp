#include "viewer/anim/ScriptFile.h"

#include "model/Errors.h"
#include "model/ParseNumber.h"
#include "viewer/anim/AnimMessages.h"

#include <charconv>
#include <cstdio>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace tarn {

namespace {

constexpr std::string_view kPathTypeSection = "[Path Type]";
constexpr std::string_view kPathDataSection = "[Path Data]";
constexpr std::string_view kControlPointsSection = "[Control Points]";
constexpr std::string_view kViewPointsSection = "[View Points]";
constexpr std::string_view kParametersSection = "[Path Parameters]";
// The longest value text taken after a parameter's key.
constexpr std::size_t kParameterWidth = 10;

// Reads the next line without its line end; false at the end of the file.
bool NextLine(std::istream& in, std::string& line)
{
    if (!std::getline(in, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

bool AtEnd(std::istream& in)
{
    return in.peek() == std::char_traits<char>::eof();
}

bool Contains(std::string_view line, std::string_view text)
{
    return line.find(text) != std::string_view::npos;
}

// Skips lines up to the first that contains `text` and returns it; throws
// `missing` when the file ends first.
std::string SkipTo(std::istream& in, std::string_view text, const char* missing)
{
    std::string line;
    while (NextLine(in, line))
        if (Contains(line, text))
            return line;
    throw EInvalidData(missing);
}

std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> SplitAtCommas(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const auto comma = line.find(',', start);
        fields.push_back(Trim(line.substr(start, comma - start)));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

// Field `index` as an integer; 0 when missing or not a number.
int IntegerField(const std::vector<std::string_view>& fields, std::size_t index)
{
    const auto value = index < fields.size() ? ParseInteger(fields[index]) : std::nullopt;
    return value ? static_cast<int>(*value) : 0;
}

double RealField(const std::vector<std::string_view>& fields, std::size_t index)
{
    double value = 0;
    if (index < fields.size()) {
        const auto field = fields[index];
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (error != std::errc{} || end != field.data() + field.size())
            value = 0;
    }
    return value;
}

// The type named by a "PathType" line; E0035 for none of the three names.
TPathType TypeOfLine(std::string_view line)
{
    if (Contains(line, "Flight"))
        return TPathType::Flight;
    if (Contains(line, "OutPanorama"))
        return TPathType::OutPanorama;
    if (Contains(line, "InPanorama"))
        return TPathType::InPanorama;
    throw EInvalidData(msg::PathTypeInvalid);
}

TPathType ReadType(std::istream& in)
{
    SkipTo(in, kPathTypeSection, msg::PathTypeNotFound);
    return TypeOfLine(SkipTo(in, "PathType", msg::PathTypeInvalid));
}

const char* TypeName(TPathType type)
{
    switch (type) {
    case TPathType::Flight:
        return "Flight";
    case TPathType::OutPanorama:
        return "OutPanorama";
    case TPathType::InPanorama:
        return "InPanorama";
    }
    return "Flight";
}

// The text after `key` on the next line, at most kParameterWidth characters;
// E0044 when the line is missing or lacks the key.
std::string ParameterText(std::istream& in, std::string_view key)
{
    std::string line;
    if (!NextLine(in, line))
        throw EInvalidData(msg::PathParametersInvalid);
    const auto at = line.find(key);
    if (at == std::string::npos)
        throw EInvalidData(msg::PathParametersInvalid);
    return std::string(Trim(std::string_view(line).substr(at + key.size(), kParameterWidth)));
}

int IntegerParameter(std::istream& in, std::string_view key)
{
    const auto value = ParseInteger(ParameterText(in, key));
    if (!value || *value < INT32_MIN || *value > INT32_MAX)
        throw EInvalidData(msg::PathParametersInvalid);
    return static_cast<int>(*value);
}

// Lines up to one containing `end` (or the end of the file), split at
// commas; E0038 when there are more than `most`.
std::vector<std::vector<std::string_view>> PointLines(std::istream& in, std::string_view end, int most,
                                                      std::vector<std::string>& storage)
{
    storage.clear();
    std::string line;
    while (NextLine(in, line) && !Contains(line, end)) {
        if (static_cast<int>(storage.size()) == most)
            throw EInvalidData(msg::TooManyControlPoints);
        storage.push_back(line);
    }
    std::vector<std::vector<std::string_view>> fields;
    for (const auto& text : storage)
        fields.push_back(SplitAtCommas(text));
    return fields;
}

}  // namespace

void WriteScript(std::ostream& out, const TFlightPath& path)
{
    const char* eol = "\r\n";
    out << kPathTypeSection << eol << "PathType=" << TypeName(path.Type()) << eol << kPathDataSection << eol;
    char field[64];
    for (const auto& frame : path.Frames) {
        const double values[] = {frame.camera[0], frame.camera[1], frame.camera[2], frame.target[0],
                                 frame.target[1]};
        for (std::size_t i = 0; i < std::size(values); ++i) {
            std::snprintf(field, sizeof field, "%11.4f", values[i]);
            out << (i ? "," : "") << field;
        }
        out << eol;
    }
    out << kControlPointsSection << eol;
    for (const auto& point : path.ControlPoints())
        out << point.x << ',' << point.y << ',' << point.z << eol;
    out << kViewPointsSection << eol;
    for (const auto& point : path.ViewPoints())
        out << point.x << ',' << point.y << eol;
    out << kParametersSection << eol << "Height=" << path.Height << eol << "MinHeight=" << path.MinHeight << eol
        << "Speed=" << path.Speed << eol;
}

void ReadPathScript(std::istream& in, TFlightPath& path)
{
    path.SetType(ReadType(in));
    SkipTo(in, kPathDataSection, msg::PathDataNotFound);
    SkipTo(in, kControlPointsSection, msg::ControlPointsNotFound);

    std::vector<std::string> storage;
    std::vector<TControlPoint> points;
    for (const auto& fields : PointLines(in, kViewPointsSection, path.MaxPoints(), storage))
        points.push_back({IntegerField(fields, 0), IntegerField(fields, 1), IntegerField(fields, 2)});
    path.SetControlPoints(std::move(points));

    std::vector<TBoxPoint> views;
    for (const auto& fields : PointLines(in, kParametersSection, path.MaxPoints(), storage))
        views.push_back({IntegerField(fields, 0), IntegerField(fields, 1)});
    path.SetViewPoints(std::move(views));

    const int height = IntegerParameter(in, "Height=");
    const int minHeight = IntegerParameter(in, "MinHeight=");
    const std::string speed = ParameterText(in, "Speed=");
    path.Height = height;
    path.MinHeight = minHeight;
    path.Speed = speed;
}

void ReadPlayScript(std::istream& in, TPlayScript& script)
{
    script.points.clear();
    script.type = ReadType(in);
    SkipTo(in, kPathDataSection, msg::PlayPathDataNotFound);
    std::string line;
    for (;;) {
        if (!NextLine(in, line) || AtEnd(in))
            throw EInvalidData(msg::PlayControlPointsNotFound);
        if (Contains(line, kControlPointsSection))
            return;
        if (static_cast<int>(script.points.size()) == kMaxFrames)
            throw EInvalidData(msg::TooManyPathData);
        const auto fields = SplitAtCommas(line);
        script.points.push_back(
            {RealField(fields, 0), RealField(fields, 1), RealField(fields, 2), RealField(fields, 3), RealField(fields, 4)});
    }
}

}  // namespace tarn
