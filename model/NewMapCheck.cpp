// The limits of a new map: what the New Map dialog and tarntool new accept.
#include "model/Errors.h"
#include "model/LengthText.h"
#include "model/MapFactory.h"
#include "model/MapScale.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace tarn {

namespace {

constexpr double kLargestField = std::numeric_limits<std::int16_t>::max();
// A map needs two tenths of extent: with one, its world width is 0 and every
// node of a row lands on the same point.
constexpr double kLeastExtent = 2;

[[noreturn]] void Refuse(const std::string& reason)
{
    throw ETarnError(std::string(msg::InvalidMapSize) + ": " + reason);
}

const char* UnitsName(MapUnits units)
{
    switch (units) {
    case MapUnits::Imperial:
        return "an Imperial";
    case MapUnits::Metric:
        return "a Metric";
    case MapUnits::MicroMetric:
        break;
    }
    return "a MicroMetric";
}

// The grid's ground size in feet or metres.
struct TGround {
    double width = 0;
    double depth = 0;
};

class TRefusal {
public:
    TRefusal(const TNewMapParameters& p, TGround ground) : p_(p), ground_(ground) {}

    [[noreturn]] void TooSmall() const
    {
        const double least = 1.5 * FeetOrMetresPerTenth(p_.units);  // rounds to the two tenths needed
        std::string reason = Article() + " map must be at least " + LengthText(p_.units, least) +
                             " wide and deep, and this one is " + Size();
        if (p_.units != MapUnits::MicroMetric)
            reason += "; choose MicroMetric units for a smaller map";
        Refuse(reason);
    }

    [[noreturn]] void TooLarge(const std::string& limit) const
    {
        std::string reason = "the map is " + Size() + ", and " + Article() + " map can be at most " + limit;
        if (p_.units == MapUnits::MicroMetric)
            reason += "; choose Metric units for a larger map";
        Refuse(reason);
    }

    [[noreturn]] void TooLong(double longestExtent) const
    {
        const double shorter = std::min(ground_.width, ground_.depth);
        Refuse("the map is " + Size() + ", too long for its width: with a shorter side of " +
               LengthText(p_.units, shorter) + ", " + Article() + " map can be at most about " +
               Limit(longestExtent) + " long");
    }

    // An extent in tenths as a length.
    std::string Limit(double tenths) const
    {
        return LengthText(p_.units, tenths * FeetOrMetresPerTenth(p_.units));
    }

private:
    std::string Article() const { return UnitsName(p_.units); }
    std::string Size() const
    {
        return LengthText(p_.units, ground_.width) + " by " + LengthText(p_.units, ground_.depth);
    }

    const TNewMapParameters& p_;
    TGround ground_;
};

void CheckSpacing(const TNewMapParameters& p)
{
    const auto range = NewMapSpacingRange(p.units);
    if (p.spacing >= range.lowest && p.spacing <= range.highest)  // false for NaN too
        return;
    const int decimals = p.units == MapUnits::MicroMetric ? 1 : 0;
    Refuse("the grid spacing must lie between " + DecimalText(range.lowest, decimals) + " and " +
           DecimalText(range.highest, decimals) + (p.units == MapUnits::Imperial ? " feet" : " metres"));
}

}  // namespace

TSpacingRange NewMapSpacingRange(MapUnits units)
{
    if (units == MapUnits::MicroMetric)
        return {0.1, 999.9};
    return {1, 9999};
}

void CheckNewMapParameters(const TNewMapParameters& p)
{
    const long long points = static_cast<long long>(p.columns) * p.rows;
    if (points > kMaxGridPoints)
        throw ETarnError(msg::TooManyGridPoints);
    if (points < kMinGridPoints || p.columns < 2 || p.rows < 2)
        throw ETarnError(msg::TooFewGridPoints);
    if (p.columns > kMaxGridSide || p.rows > kMaxGridSide)
        Refuse("a map can have at most " + std::to_string(kMaxGridSide) + " grid points along a side");
    CheckSpacing(p);

    // Every derived grid field must fit its 16 bits and give the nodes room.
    const TRefusal refusal(p, {(p.columns - 1) * p.spacing, (p.rows - 1) * p.spacing});
    const double extentX = ExtentTenths(p.units, p.columns, p.spacing);
    const double extentY = ExtentTenths(p.units, p.rows, p.spacing);
    const double shortExtent = std::min(extentX, extentY);
    if (shortExtent < kLeastExtent)
        refusal.TooSmall();
    if (std::max(extentX, extentY) > kLargestField)
        refusal.TooLarge(refusal.Limit(kLargestField) + " wide and deep");
    const double unitScale = UnitScaleFor(p.units, shortExtent);
    if (unitScale < 1) {
        // The scale rounds to 0 once the shorter side is twice as many miles
        // or kilometres as it spans world units.
        const double largestShort = 20 * ShortSideWorldUnits(p.units) - 1;
        refusal.TooLarge(refusal.Limit(largestShort) + " on its shorter side");
    }
    if (std::max(WorldSpan(unitScale, extentX), WorldSpan(unitScale, extentY)) > kLargestField)
        refusal.TooLong(std::floor(kLargestField / (unitScale * 0.1)) + 1);
}

}  // namespace tarn
