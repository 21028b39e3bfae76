// The unit converter's units and factors.
#include "tools/Convert.h"

#include <cmath>

#include "gas/GasCalc.h"
#include "state/Text.h"

namespace quorin {

namespace {

// A unit of the list and its factor to inches (a length) or to square
// inches (an area).
struct ConvUnit {
    const char* name;
    bool area;
    double factor;
};

constexpr ConvUnit kUnits[] = {
    {"MILLIMETERS", false, 0.03937},     {"CENTIMETERS", false, 0.3937},
    {"METERS", false, 39.3701},          {"SQUARE INCHES", true, 1},
    {"SQUARE FEET", true, 144},          {"SQUARE MILLIMETERS", true, 0.00155},
    {"SQUARE CENTIMETERS", true, 0.155}, {"SQUARE METERS", true, 1550.003},
};

constexpr const char* kResultFormat = "0.000";

}  // namespace

const std::vector<std::string>& convertUnits() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> v;
        for (const ConvUnit& u : kUnits) v.emplace_back(u.name);
        return v;
    }();
    return list;
}

Conversion convertToInches(float value, std::string_view unit) {
    Conversion c;
    for (const ConvUnit& u : kUnits) {
        if (unit != u.name) continue;
        const double converted = double(value) * u.factor;
        c.known = true;
        c.area = u.area;
        if (u.area) {
            c.squareInches = Format(converted, kResultFormat);
            c.equivalentDiameter = Format(2 * std::sqrt(converted / kPi), kResultFormat);
        } else {
            c.inches = Format(converted, kResultFormat);
            c.squareInches = Format(kPi * (converted / 2) * (converted / 2), kResultFormat);
        }
        break;
    }
    return c;
}

}  // namespace quorin
