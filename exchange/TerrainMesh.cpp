#include "exchange/TerrainMesh.h"

#include "analysis/polyred/PolygonReduction.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/MapMetres.h"
#include "model/Errors.h"
#include "model/Net.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

namespace tarn {

namespace {

constexpr std::string_view kTitle = "Triangle mesh";

// A triangle by its corners' grid nodes, each (column, row from the north)
// with the height the surface has there.
using TCornerTriangle = std::array<TTinVertex, 3>;

class TMeshBuilder {
public:
    TMeshBuilder(const TNet& net, bool withPicture)
        : net_(net), columns_(net.MapHeader.Columns), rows_(net.MapHeader.Rows),
          spacing_(NodeSpacingMetres(net.MapHeader)), heightUnit_(HeightUnitMetres(net.MapHeader)),
          withPicture_(withPicture),
          vertexOfNode_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), kNone)
    {
        colourMap_.MapHeader = net.MapHeader;
        colourMap_.Squares() = net.Squares();
    }

    void Add(const TCornerTriangle& corners)
    {
        mesh_.triangles.push_back({Vertex(corners[0]), Vertex(corners[1]), Vertex(corners[2])});
    }

    TTerrainMesh Finish()
    {
        ComputeNormals();
        return std::move(mesh_);
    }

private:
    static constexpr std::uint32_t kNone = 0xFFFFFFFF;

    std::uint32_t Vertex(const TTinVertex& node)
    {
        auto& vertex = vertexOfNode_[static_cast<std::size_t>(node.row) * static_cast<std::size_t>(columns_) +
                                     static_cast<std::size_t>(node.column)];
        if (vertex != kNone)
            return vertex;
        vertex = static_cast<std::uint32_t>(mesh_.positions.size());
        mesh_.positions.push_back({static_cast<float>((node.column - (columns_ - 1) / 2.0) * spacing_),
                                   static_cast<float>(node.height * heightUnit_),
                                   static_cast<float>((node.row - (rows_ - 1) / 2.0) * spacing_)});
        mesh_.colours.push_back(NodeColour(node.column, node.row));
        if (withPicture_)
            mesh_.pictureCoordinates.push_back({static_cast<float>(node.column) / static_cast<float>(columns_ - 1),
                                                static_cast<float>(node.row) / static_cast<float>(rows_ - 1)});
        return vertex;
    }

    // The mean colour of the squares with heights around the node.
    std::array<float, 3> NodeColour(int column, int row)
    {
        std::array<float, 3> sum{};
        int squares = 0;
        for (int r = row - 1; r <= row; ++r)
            for (int c = column - 1; c <= column; ++c) {
                if (c < 0 || r < 0 || c >= columns_ - 1 || r >= rows_ - 1)
                    continue;
                const TGridSquare* square = colourMap_.GetSquare(r * (columns_ - 1) + c + 1);
                if (!square || square->NullCorner)
                    continue;
                ColourRGBA colour = colourMap_.SquareColour(*square, net_.MapHeader.DrawingScheme);
                if (colour.alpha == 0)  // a scheme without colours of its own
                    colour = colourMap_.SquareColour(*square, kSchemeGradients);
                sum[0] += colour.red;
                sum[1] += colour.green;
                sum[2] += colour.blue;
                ++squares;
            }
        if (squares == 0)
            return {1, 1, 1};
        for (auto& channel : sum)
            channel /= static_cast<float>(squares);
        return sum;
    }

    // Each vertex's normal is the sum of its triangles' normals, each as
    // long as the triangle is large, made of unit length.
    void ComputeNormals()
    {
        mesh_.normals.assign(mesh_.positions.size(), {0, 0, 0});
        for (const auto& triangle : mesh_.triangles) {
            const auto& a = mesh_.positions[triangle[0]];
            const auto& b = mesh_.positions[triangle[1]];
            const auto& c = mesh_.positions[triangle[2]];
            const std::array<float, 3> u{b[0] - a[0], b[1] - a[1], b[2] - a[2]};
            const std::array<float, 3> v{c[0] - a[0], c[1] - a[1], c[2] - a[2]};
            const std::array<float, 3> n{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                                         u[0] * v[1] - u[1] * v[0]};
            for (const auto corner : triangle)
                for (int axis = 0; axis < 3; ++axis)
                    mesh_.normals[corner][static_cast<std::size_t>(axis)] += n[static_cast<std::size_t>(axis)];
        }
        for (auto& normal : mesh_.normals) {
            const float length = std::sqrt(normal[0] * normal[0] + normal[1] * normal[1] + normal[2] * normal[2]);
            normal = length > 0 ? std::array<float, 3>{normal[0] / length, normal[1] / length, normal[2] / length}
                                : std::array<float, 3>{0, 1, 0};
        }
    }

    const TNet& net_;
    int columns_;
    int rows_;
    double spacing_;
    double heightUnit_;
    bool withPicture_;
    // The squares and header alone: colour queries remember their last band.
    TNet colourMap_;
    std::vector<std::uint32_t> vertexOfNode_;
    TTerrainMesh mesh_;
};

bool NullSquare(const TNet& net, int column, int row)
{
    const int columns = net.MapHeader.Columns;
    const TGridSquare* square = net.GetSquare(row * (columns - 1) + column + 1);
    return !square || square->NullCorner;
}

TTinVertex Node(const TNet& net, int column, int row)
{
    const TGridPoint* point = net.GetPoint(row * net.MapHeader.Columns + column + 1);
    return {column, row, point ? point->Height : 0};
}

bool AddEverySquare(const TNet& net, TMeshBuilder& builder, TExchangeProgress& status)
{
    const int columns = net.MapHeader.Columns;
    const int rows = net.MapHeader.Rows;
    for (int r = 0; r + 1 < rows; ++r) {
        for (int c = 0; c + 1 < columns; ++c) {
            if (NullSquare(net, c, r))
                continue;
            const TTinVertex northWest = Node(net, c, r);
            const TTinVertex northEast = Node(net, c + 1, r);
            const TTinVertex southWest = Node(net, c, r + 1);
            const TTinVertex southEast = Node(net, c + 1, r + 1);
            builder.Add({northWest, southWest, southEast});
            builder.Add({northWest, southEast, northEast});
        }
        if (!status.Tick(r + 1, rows - 1))
            return false;
    }
    return true;
}

bool AddReducedNetwork(const TNet& net, const TMeshExportOptions& options, TMeshBuilder& builder,
                       IProgress& progress)
{
    const auto tin = ReduceHeightField(HeightFieldOf(net), {options.polygons, options.tolerance}, progress);
    if (!tin)
        return false;
    for (const auto& triangle : tin->triangles) {
        const TCornerTriangle corners{tin->vertices[static_cast<std::size_t>(triangle[0])],
                                      tin->vertices[static_cast<std::size_t>(triangle[1])],
                                      tin->vertices[static_cast<std::size_t>(triangle[2])]};
        const double middleColumn = (corners[0].column + corners[1].column + corners[2].column) / 3.0;
        const double middleRow = (corners[0].row + corners[1].row + corners[2].row) / 3.0;
        const int column = std::min(static_cast<int>(middleColumn), tin->columns - 2);
        const int row = std::min(static_cast<int>(middleRow), tin->rows - 2);
        if (!NullSquare(net, column, row))
            builder.Add(corners);
    }
    return true;
}

}  // namespace

TTerrainMesh BuildTerrainMesh(const TNet& net, const TMeshExportOptions& options, IProgress& progress)
{
    TExchangeProgress status(progress, kExporting, kTitle);
    TMeshBuilder builder(net, !options.texture.empty());
    const bool finished = options.polygons > 0 ? AddReducedNetwork(net, options, builder, progress)
                                               : AddEverySquare(net, builder, status);
    if (!finished) {
        std::string message = msg::MeshNotWritten;
        message += ": the export was stopped";
        throw ETarnError(message);
    }
    return builder.Finish();
}

}  // namespace tarn
