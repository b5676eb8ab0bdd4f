#include "model/LengthText.h"

#include <cstdio>

namespace tarn {

std::string DecimalText(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string number = text;
    if (number.find('.') != std::string::npos) {
        number.erase(number.find_last_not_of('0') + 1);
        if (number.back() == '.')
            number.pop_back();
    }
    return number;
}

std::string LengthText(MapUnits units, double feetOrMetres)
{
    switch (units) {
    case MapUnits::Imperial:
        return feetOrMetres < 5280 ? DecimalText(feetOrMetres, 0) + " ft"
                                   : DecimalText(feetOrMetres / 5280, 1) + " miles";
    case MapUnits::Metric:
        return feetOrMetres < 1000 ? DecimalText(feetOrMetres, 0) + " m"
                                   : DecimalText(feetOrMetres / 1000, 1) + " km";
    case MapUnits::MicroMetric:
        break;
    }
    return DecimalText(feetOrMetres, 2) + " m";
}

}  // namespace tarn
