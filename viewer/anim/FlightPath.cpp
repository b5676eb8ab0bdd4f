#include "viewer/anim/FlightPath.h"

#include "model/Errors.h"
#include "viewer/anim/AnimMessages.h"

#include <cstdlib>

namespace tarn {

namespace {

bool Near(int x, int y, TBoxPoint at)
{
    return std::abs(x - at.x) < kPickDistance && std::abs(y - at.y) < kPickDistance;
}

}  // namespace

void TFlightPath::SetType(TPathType type)
{
    type_ = type;
    Reset();
}

int TFlightPath::MinPoints() const
{
    return type_ == TPathType::Flight ? 4 : 1;
}

int TFlightPath::MaxPoints() const
{
    return type_ == TPathType::Flight ? kMaxFlightPoints : 1;
}

bool TFlightPath::AddControlPoint(TBoxPoint at, int z)
{
    if (PointCount() >= MaxPoints())
        return false;
    points_.push_back({at.x, at.y, z});
    viewPoints_.push_back(at);
    return true;
}

void TFlightPath::MoveControlPoint(int index, TBoxPoint to, int z)
{
    auto& point = points_.at(static_cast<std::size_t>(index));
    point = {to.x, to.y, z};
}

void TFlightPath::MoveViewPoint(int index, TBoxPoint to)
{
    viewPoints_.at(static_cast<std::size_t>(index)) = to;
}

void TFlightPath::SetPointHeight(int index, int z)
{
    points_.at(static_cast<std::size_t>(index)).z = z;
}

int TFlightPath::ControlPointNear(TBoxPoint at) const
{
    for (std::size_t i = 0; i < points_.size(); ++i)
        if (Near(points_[i].x, points_[i].y, at))
            return static_cast<int>(i);
    return -1;
}

int TFlightPath::ViewPointNear(TBoxPoint at) const
{
    for (std::size_t i = 0; i < viewPoints_.size(); ++i)
        if (Near(viewPoints_[i].x, viewPoints_[i].y, at))
            return static_cast<int>(i);
    return -1;
}

bool TFlightPath::ViewPointOnItsPoint(int index) const
{
    const auto& point = points_.at(static_cast<std::size_t>(index));
    return Near(point.x, point.y, viewPoints_.at(static_cast<std::size_t>(index)));
}

bool TFlightPath::CanGenerate() const
{
    return PointCount() >= MinPoints();
}

void TFlightPath::Reset()
{
    points_.clear();
    viewPoints_.clear();
    Frames.clear();
}

void TFlightPath::SetControlPoints(std::vector<TControlPoint> points)
{
    if (static_cast<int>(points.size()) > MaxPoints())
        throw EInvalidData(msg::TooManyControlPoints);
    points_ = std::move(points);
    viewPoints_.clear();
    for (const auto& point : points_)
        viewPoints_.push_back({point.x, point.y});
}

void TFlightPath::SetViewPoints(std::vector<TBoxPoint> points)
{
    if (static_cast<int>(points.size()) > MaxPoints())
        throw EInvalidData(msg::TooManyControlPoints);
    if (points.size() != points_.size())
        throw EInvalidData(msg::ViewPointCountMismatch);
    viewPoints_ = std::move(points);
}

}  // namespace tarn
