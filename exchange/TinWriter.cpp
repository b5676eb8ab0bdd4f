#include "exchange/TinWriter.h"

#include "analysis/polyred/PolygonReduction.h"

#include <ostream>
#include <string>

namespace tarn {

void WriteTin(std::ostream& out, const TTin& tin, const TModelScale& scale)
{
    std::string text = "TIN 1\n# from a grid of " + std::to_string(tin.columns) + " x " + std::to_string(tin.rows) +
                       " nodes, largest vertical error ";
    AppendNumber(text, tin.largestError);
    text += "\nVERTICES " + std::to_string(tin.vertices.size()) + "\n";
    for (const auto& vertex : tin.vertices) {
        const TModelPoint point = ModelPoint(tin, vertex, scale);
        AppendNumber(text, point.x);
        text += ' ';
        AppendNumber(text, point.y);
        text += ' ';
        AppendNumber(text, point.z);
        text += '\n';
    }
    text += "TRIANGLES " + std::to_string(tin.triangles.size()) + "\n";
    for (const auto& [a, b, c] : tin.triangles)
        text += std::to_string(a) + ' ' + std::to_string(b) + ' ' + std::to_string(c) + '\n';
    text += "END\n";
    out << text;
}

}  // namespace tarn
