// Texts both results screens (and their reports) build the same way: the
// entered pipe size with its derived diameters, the flow units of the entry
// and of the range columns, and the lower-15 % warnings.
#pragma once

#include <string>
#include <vector>

namespace quorin {

struct PipeSizeTexts {
    std::string entered;  // the entry and its unit
    std::string inches, mm, area;
    bool unitKnown = false;  // the unit is one of the pipe list's eight
};

// The entry is written General(size) + the unit's caption; the derived box
// that repeats the entered unit (inches, millimetres or square feet) is
// left empty. An unknown unit is written as entered and leaves all three
// derived texts filled.
PipeSizeTexts pipeSizeTexts(float size, const std::string& unit, float idIn, float idMm,
                            double areaSqFt);

// "  m³/hr", "  Nm³/hr", or two blanks and the unit as entered.
std::string flowEnteredSuffix(const std::string& flowUnit);
// The unit shown over the range columns: "m³/hr", "Nm³/hr", "T/Hr" for
// metric tons per hour, otherwise the unit as entered.
std::string rangeUnitText(const std::string& flowUnit);

// For every listed meter whose range, read back from the texts shown, has
// `flow` in its lowest 15 %, appends the two warning lines to `errors`.
void addLowRangeWarnings(float flow, const std::vector<std::string>& meters,
                         const std::vector<std::string>& flowLow,
                         const std::vector<std::string>& flowHi,
                         std::vector<std::string>& errors);

}  // namespace quorin
