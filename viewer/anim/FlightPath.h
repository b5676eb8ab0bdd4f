#pragma once

#include <array>
#include <string>
#include <vector>

namespace tarn {

enum class TPathType { Flight = 1, OutPanorama = 2, InPanorama = 3 };

// A point of the drawing box, in pixels from its top-left corner.
struct TBoxPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TBoxPoint&, const TBoxPoint&) = default;
};

// A control point: where it lies in the box and its flight height in the
// map's stored height units.
struct TControlPoint {
    int x = 0;
    int y = 0;
    int z = 0;
    friend bool operator==(const TControlPoint&, const TControlPoint&) = default;
};

// One generated camera frame: x and y in world coordinates, z in stored
// height units; -1 for a z not yet set.
struct TFrame {
    std::array<double, 3> camera{0, 0, -1};
    std::array<double, 3> target{0, 0, -1};
};

inline constexpr int kMaxFrames = 721;
inline constexpr int kMaxFlightPoints = 32;
// A press within this many pixels (exclusive) of a point picks it.
inline constexpr int kPickDistance = 7;

// The path a user draws over the map's top view: control points with one
// view point each, the path type with its point limits, and the flight
// parameters that generation reads.
class TFlightPath {
public:
    TPathType Type() const { return type_; }
    // Sets the type and its limits and clears the path.
    void SetType(TPathType type);
    int MinPoints() const;
    int MaxPoints() const;

    const std::vector<TControlPoint>& ControlPoints() const { return points_; }
    const std::vector<TBoxPoint>& ViewPoints() const { return viewPoints_; }
    int PointCount() const { return static_cast<int>(points_.size()); }

    // Appends a point with its view point at the same place; false (and
    // nothing added) when the type's maximum is reached.
    bool AddControlPoint(TBoxPoint at, int z);
    void MoveControlPoint(int index, TBoxPoint to, int z);
    void MoveViewPoint(int index, TBoxPoint to);
    void SetPointHeight(int index, int z);
    // The first point (0-based) within the pick distance of `at`, or -1.
    int ControlPointNear(TBoxPoint at) const;
    int ViewPointNear(TBoxPoint at) const;
    bool ViewPointOnItsPoint(int index) const;
    // Whether there are enough points for the type to generate frames.
    bool CanGenerate() const;

    // Removes every point and frame.
    void Reset();
    // Replaces the points as a script holds them; throws E0038 when there are
    // more than the type allows and E0042 when the counts differ.
    void SetControlPoints(std::vector<TControlPoint> points);
    void SetViewPoints(std::vector<TBoxPoint> points);

    // Flight parameters.
    int Height = 500;
    int MinHeight = 0;
    std::string Speed = "Moderate";

    // The frames last generated.
    std::vector<TFrame> Frames;

private:
    TPathType type_ = TPathType::Flight;
    std::vector<TControlPoint> points_;
    std::vector<TBoxPoint> viewPoints_;
};

}  // namespace tarn
