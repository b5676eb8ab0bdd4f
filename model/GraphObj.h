#pragma once

#include "model/Colour.h"
#include "model/Real48.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// A point of an overlay object, in grid units.
struct TGraphPoint {
    Real48 X;
    Real48 Y;

    friend bool operator==(const TGraphPoint&, const TGraphPoint&) = default;
};

enum class GraphKind : std::uint8_t { Ellipse = 0, Line = 1, Pen = 2, Spot = 3 };

// An overlay object drawn over the grid: an ellipse, a straight line, a
// free-hand pen stroke or a spot mark. Coordinates are grid units.
class TGraphObject {
public:
    static constexpr std::size_t kNameLength = 16;

    virtual ~TGraphObject() = default;

    GraphKind Kind() const { return kind_; }

    std::array<Real48, 4> Bounds{};  // Left, Top, Right, Bottom
    TColorRef PenColour = 0;
    std::uint8_t PenWidth = 1;
    std::array<char, kNameLength> Name;  // sixteen blanks when created
    std::vector<TGraphPoint> Points;

protected:
    explicit TGraphObject(GraphKind kind) : kind_(kind) { Name.fill(' '); }

private:
    GraphKind kind_;
};

class TGraphEllipse final : public TGraphObject {
public:
    TGraphEllipse() : TGraphObject(GraphKind::Ellipse) {}
};

class TGraphLine final : public TGraphObject {
public:
    TGraphLine() : TGraphObject(GraphKind::Line) {}
};

class TGraphPen final : public TGraphObject {
public:
    TGraphPen() : TGraphObject(GraphKind::Pen) {}
};

class TGraphSpot final : public TGraphObject {
public:
    TGraphSpot() : TGraphObject(GraphKind::Spot) {}
};

// The object class a stored kind names: 0 ellipse, 1 line, 3 spot, and a pen
// stroke for every other value.
std::unique_ptr<TGraphObject> CreateGraphObject(std::uint8_t kind);

// A Windows logical-font record (60 bytes) kept whole, with the fields the
// programs use. Its height field holds the label's point size.
class TLogFont {
public:
    static constexpr std::size_t kSize = 60;
    static constexpr std::size_t kFaceNameOffset = 28;
    static constexpr std::size_t kFaceNameSize = 32;

    std::int32_t Height() const;
    void SetHeight(std::int32_t height);
    std::int32_t Weight() const;
    void SetWeight(std::int32_t weight);
    bool Italic() const { return bytes_[20] != 0; }
    void SetItalic(bool italic) { bytes_[20] = italic ? 1 : 0; }
    std::string FaceName() const;
    void SetFaceName(std::string_view name);

    std::array<std::uint8_t, kSize>& bytes() { return bytes_; }
    const std::array<std::uint8_t, kSize>& bytes() const { return bytes_; }

private:
    std::int32_t int32At(std::size_t offset) const;
    void setInt32At(std::size_t offset, std::int32_t value);

    std::array<std::uint8_t, kSize> bytes_{};
};

// A text label placed on the map.
class TEnhString {
public:
    // The longest text a label can hold (its reader keeps a 117-byte buffer,
    // the terminating zero included).
    static constexpr std::size_t kMaxTextLength = 116;

    TLogFont Font;
    TColorRef Colour = 0;
    std::array<std::int32_t, 4> Box{};  // Left, Top, Right, Bottom on screen
    Real48 X;                            // top-left corner, grid units
    Real48 Y;
    int PointSize = 0;
    std::string Text;
};

}  // namespace tarn
