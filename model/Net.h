#pragma once

#include "model/Colour.h"
#include "model/GraphObj.h"
#include "model/GridRecords.h"
#include "model/MapHeader.h"
#include "model/Progress.h"

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <vector>

namespace tarn {

// The grid lists shared by every 3D object: nodes and squares, each with a
// counter of entries added since the last reset. Indexes are 1-based.
class T3DObject {
public:
    virtual ~T3DObject() = default;

    virtual void Clear();
    virtual void ResetCounts();
    // Appends a node with each value rounded to the nearest integer.
    virtual void AddPoint(double x, double y, double height);
    // The node at index, or nullptr outside 1..PointCount().
    virtual TGridPoint* GetPoint(int index);
    const TGridPoint* GetPoint(int index) const;
    // Ignored outside 1..PointCount().
    virtual void PutPoint(int index, const TGridPoint& point);
    virtual void AddSquareRecord(const TGridSquare& square);
    virtual void PutSquare(int index, const TGridSquare& square);
    // The square at index, or nullptr outside 1..SquareCount().
    virtual TGridSquare* GetSquare(int index);
    const TGridSquare* GetSquare(int index) const;
    virtual std::optional<TGridSquare> CopySquare(int index) const;
    // Appends a square whose first corner is corner1 + offset.
    virtual void AddSquare(int corner1, int corner2, int offset, int corner4, int corner3);
    virtual int PointCount() const { return static_cast<int>(points_.size()); }
    virtual int SquareCount() const { return static_cast<int>(squares_.size()); }

    int AddedPoints() const { return addedPoints_; }
    int AddedSquares() const { return addedSquares_; }

    // Direct views of the lists for loops over the whole grid.
    const TPntCollection& Points() const { return points_; }
    TPntCollection& Points() { return points_; }
    const TPolyCollection& Squares() const { return squares_; }
    TPolyCollection& Squares() { return squares_; }

protected:
    void ReserveGrid(std::size_t nodes, std::size_t squares);
    // Counts entries that a whole-grid builder appended to the lists directly.
    void NoteAdded(int points, int squares);

private:
    TPntCollection points_;
    TPolyCollection squares_;
    int addedPoints_ = 0;
    int addedSquares_ = 0;
};

struct TWorldPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TWorldPoint&, const TWorldPoint&) = default;
};

// Mean height and null flag of a square from its four corner heights.
struct TSquareStats {
    std::int16_t MeanHeight = 0;
    std::uint8_t NullCorner = 0;
};
TSquareStats SquareStats(int h1, int h2, int h3, int h4);

// The landscape map: grid, header, overlay objects and labels.
class TNet : public T3DObject {
public:
    enum Corner { WestSouth = 0, EastSouth = 1, WestNorth = 2, EastNorth = 3 };

    TMapHeader MapHeader;
    std::vector<std::unique_ptr<TGraphObject>> Overlays;
    std::vector<std::unique_ptr<TEnhString>> Labels;
    // Set by a Cancel button while a load runs; the load stops at its next check.
    bool AbortLoad = false;

    void Clear() override;

    void ComputeMapScale();
    // WorldWidth and WorldHeight from UnitScale and the extents.
    void ComputeWorldSize();
    void BuildSquares(int rows, int columns);
    void BuildPoints(int rows, int columns, double x0, double x1, double y0, double y1);
    void UpdateSquares();
    // Recomputes one square's mean height and null flag from its corners.
    void UpdateSquare(TGridSquare& square) const;
    TWorldPoint GetCorner(int corner) const;
    TWorldPoint GetWorldSize() const;
    double HorizontalScale() const;
    // Map height units per scene unit: 100 * u / VerticalScale, where u is 1
    // (100 for MicroMetric tenths) over the horizontal scale. A
    // VerticalScale of 0 (a header never set by the viewer's parameters
    // dialog) is taken as 100 % (DrawnVerticalScale).
    double HeightDivisor() const;

    // The LEM file (LemFile.cpp). SaveToStream writes a whole file;
    // LoadFromStream reads one and returns false when the user aborted.
    // A refused file throws ETarnError with its coded message; the map is
    // then left empty and marked unloaded (ExtentX 0).
    void SaveToStream(std::ostream& stream);
    std::vector<std::uint8_t> SaveToBytes();
    bool LoadFromStream(std::istream& stream, IProgress& progress);
    // Reads or writes the 2576-byte header at the stream's position.
    void TransferHeader(bool write, std::iostream& stream);

    // Colour queries (NetColours.cpp).
    ColourRGBA TerrainColour(const TGridSquare& square) const;
    ColourRGBA PlainColour(const TGridSquare& square) const;
    ColourRGBA GradientColour(const TGridSquare& square, bool terrainOff, bool wholeSquare) const;
    ColourRGBA VistaColour(const TGridSquare& square, bool wholeSquare);
    ColourRGBA SquareColour(const TGridSquare& square, std::uint8_t scheme);

    // The levels and index last found by VistaColour.
    int VistaLowerLevel() const { return vistaLower_; }
    int VistaUpperLevel() const { return vistaUpper_; }
    int VistaIndex() const { return vistaIndex_; }

private:
    ColourRGBA HeightGradient(int meanHeight) const;
    ColourRGBA VistaBandColour(int meanHeight);
    bool WholeSquare(const TGridSquare& square) const;

    int vistaLower_ = 0;
    int vistaUpper_ = 0;
    int vistaIndex_ = 0;
};

// Rounds to the nearest integer, halves to even, and saturates to 16 bits.
std::int16_t RoundToInt16(double value);

}  // namespace tarn
