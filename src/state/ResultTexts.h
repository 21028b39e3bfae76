// What both results views (and their reports) share: the part of the case
// they carry, and the texts they build the same way: the
// entered pipe size with its derived diameters, the flow units of the entry
// and of the range columns, and the lower-15 % warnings.
#pragma once

#include <string>
#include <vector>

namespace quorin {

struct SharedState;

// The part of the case both results views carry, named as in the case
// record: the customer and tag, the medium, the pipe and the operating
// temperature with their working units, and the density and viscosity.
struct ResultsCase {
    std::string CustomerIn, TagNoIn, MediaIn;
    float PipeSizeIn = 0;
    std::string PipeUnitIn;
    float PipeIdIn = 0, PipeIdMm = 0;
    double PipeAreaSqFt = 0;
    float TempIn = 0;
    std::string TempUnitIn;
    float TempDegF = 0, TempDegC = 0;
    double DensityLbFt3 = 0, ViscCp = 0;
};

// Copies that part of the case record.
void copyResultsCase(const SharedState& record, ResultsCase& to);

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

// The unit of a temperature as both results screens write it: "°F", "°C",
// "°R"; any other text as entered.
std::string tempUnitText(const std::string& unit);

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
