#pragma once

#include "model/MapHeader.h"

#include <map>
#include <string>

namespace tarn::tool {

// The unit systems by the names the commands' --units options take.
inline const std::map<std::string, MapUnits>& UnitNames()
{
    static const std::map<std::string, MapUnits> names{
        {"imperial", MapUnits::Imperial}, {"metric", MapUnits::Metric}, {"micrometric", MapUnits::MicroMetric}};
    return names;
}
inline constexpr const char* kUnitChoices = "imperial|metric|micrometric";

}  // namespace tarn::tool
