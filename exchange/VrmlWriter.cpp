#include "exchange/VrmlWriter.h"

#include "analysis/polyred/PolygonReduction.h"

#include <algorithm>
#include <cmath>
#include <ostream>

namespace tarn {

namespace {

void AppendNumbers(std::string& text, std::initializer_list<double> values)
{
    const char* separator = "";
    for (const double value : values) {
        text += separator;
        AppendNumber(text, value);
        separator = " ";
    }
}

// A VRML string: quotes and backslashes escaped.
std::string Quoted(const std::string& value)
{
    std::string quoted = "\"";
    for (const char c : value) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

void AppendBackground(std::string& text, TColorRef colour)
{
    text += "Background {\n  skyColor [ ";
    AppendNumbers(text, {RedOf(colour) / 255.0, GreenOf(colour) / 255.0, BlueOf(colour) / 255.0});
    text += " ]\n}\n";
}

// From above the southern edge, looking down at the middle of the surface.
void AppendViewpoint(std::string& text, const TTin& tin, const TModelScale& scale)
{
    const double width = (tin.columns - 1) * scale.horizontal;
    const double depth = (tin.rows - 1) * scale.horizontal;
    double top = 0;
    for (const auto& vertex : tin.vertices)
        top = std::max(top, ModelPoint(tin, vertex, scale).z);
    const double eyeHeight = top + 0.5 * std::max(width, depth);
    const double back = 0.6 * depth;
    const double tilt = std::atan2(eyeHeight - top / 2, back + depth / 2);
    text += "Viewpoint {\n  position ";
    AppendNumbers(text, {width / 2, eyeHeight, back});
    text += "\n  orientation 1 0 0 ";
    AppendNumber(text, -tilt);
    text += "\n  description \"South\"\n}\n";
}

void AppendAppearance(std::string& text, const std::string& textureMap)
{
    text += "  appearance Appearance {\n    material Material { diffuseColor ";
    text += textureMap.empty() ? "0.55 0.5 0.35" : "1 1 1";
    text += " }\n";
    if (!textureMap.empty())
        text += "    texture ImageTexture { url " + Quoted(textureMap) + " }\n";
    text += "  }\n";
}

void AppendFaceSet(std::string& text, const TTin& tin, const TVrmlOptions& options)
{
    text += "  geometry IndexedFaceSet {\n    creaseAngle 1\n    coord Coordinate {\n      point [\n";
    for (const auto& vertex : tin.vertices) {
        const TModelPoint point = ModelPoint(tin, vertex, options.scale);
        text += "        ";
        AppendNumbers(text, {point.x, point.z, -point.y});
        text += ",\n";
    }
    text += "      ]\n    }\n";
    if (!options.textureMap.empty()) {
        text += "    texCoord TextureCoordinate {\n      point [\n";
        const double lastColumn = tin.columns - 1, lastRow = tin.rows - 1;
        for (const auto& vertex : tin.vertices) {
            text += "        ";
            AppendNumbers(text, {vertex.column / lastColumn, 1 - vertex.row / lastRow});
            text += ",\n";
        }
        text += "      ]\n    }\n";
    }
    text += "    coordIndex [\n";
    for (const auto& [a, b, c] : tin.triangles)
        text += "      " + std::to_string(a) + ", " + std::to_string(b) + ", " + std::to_string(c) + ", -1,\n";
    text += "    ]\n  }\n";
}

}  // namespace

void WriteVrml(std::ostream& out, const TTin& tin, const TVrmlOptions& options)
{
    std::string text = "#VRML V2.0 utf8\n# " + std::to_string(tin.vertices.size()) + " vertices, " +
                       std::to_string(tin.triangles.size()) + " triangles\n";
    AppendBackground(text, options.backgroundColour);
    AppendViewpoint(text, tin, options.scale);
    text += "Shape {\n";
    AppendAppearance(text, options.textureMap);
    AppendFaceSet(text, tin, options);
    text += "}\n";
    out << text;
}

}  // namespace tarn
