// The unit converter's rule: a pipe dimension given in a metric or other
// unit, in inches. A length (a diameter) gives inches and the area of the
// circle of that diameter in square inches; an area gives square inches and
// the diameter of the circle of that area (the equivalent pipe diameter).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorin {

// The converter's units, in list order: three lengths, five areas.
const std::vector<std::string>& convertUnits();

// The readouts of one conversion, each written "0.000" ("Error" for a value
// that is not finite, such as the diameter of a negative area).
struct Conversion {
    bool known = false;  // the unit is one of convertUnits(), compared exactly
    bool area = false;   // an area unit: square inches and equivalent diameter
    std::string inches;              // a length's inches; empty for an area
    std::string squareInches;        // always, when the unit is known
    std::string equivalentDiameter;  // an area's equivalent diameter; else empty
};
// `value` in `unit` -> the readouts; an unknown unit gives none.
Conversion convertToInches(float value, std::string_view unit);

}  // namespace quorin
