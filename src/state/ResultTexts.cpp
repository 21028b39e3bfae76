#include "state/ResultTexts.h"

#include <algorithm>

#include "state/SharedState.h"
#include "state/Text.h"

namespace quorin {

namespace {

struct PipeUnitText {
    const char* unit;
    const char* caption;
    enum { None, Inches, Mm, Area } repeats;
};
constexpr PipeUnitText kPipeUnits[] = {
    {"INCHES", "  Inches", PipeUnitText::Inches},
    {"MILLIMETERS", "  Millimeters", PipeUnitText::Mm},
    {"METERS", "  Meters", PipeUnitText::None},
    {"CENTIMETERS", "  Centimeters", PipeUnitText::None},
    {"SQUARE FEET", "  Square Feet", PipeUnitText::Area},
    {"SQUARE MILLIMETERS", "  Square Millimeters", PipeUnitText::None},
    {"SQUARE CENTIMETERS", "  Square Centimeters", PipeUnitText::None},
    {"SQUARE METERS", "  Square Meters", PipeUnitText::None},
};

// A range as the list shows it, read back; text that is no number reads 0.
double shown(const std::string& text) {
    double value = 0;
    parseDouble(text, value);
    return value;
}

}  // namespace

std::string tempUnitText(const std::string& unit) {
    for (const char* letter : {"F", "C", "R"})
        if (unitIs(unit, std::string("DEG ") + letter)) return kDeg + std::string(letter);
    return unit;
}

void copyResultsCase(const SharedState& S, ResultsCase& to) {
    to.CustomerIn = S.CustomerIn;
    to.TagNoIn = S.TagNoIn;
    to.MediaIn = S.MediaIn;
    to.PipeSizeIn = S.PipeSizeIn;
    to.PipeUnitIn = S.PipeUnitIn;
    to.PipeIdIn = S.PipeIdIn;
    to.PipeIdMm = S.PipeIdMm;
    to.PipeAreaSqFt = S.PipeAreaSqFt;
    to.TempIn = S.TempIn;
    to.TempUnitIn = S.TempUnitIn;
    to.TempDegF = S.TempDegF;
    to.TempDegC = S.TempDegC;
    to.DensityLbFt3 = S.DensityLbFt3;
    to.ViscCp = S.ViscCp;
}

PipeSizeTexts pipeSizeTexts(float size, const std::string& unit, float idIn, float idMm,
                            double areaSqFt) {
    PipeSizeTexts t;
    t.inches = Format(idIn, "0.0") + "  Inches";
    t.mm = Format(idMm, "0.0") + "  Millimeters";
    t.area = Format(areaSqFt, "0.0###") + "  Area Square Feet";
    t.entered = General(size) + "  " + unit;
    for (const PipeUnitText& p : kPipeUnits) {
        if (!unitIs(unit, p.unit)) continue;
        t.unitKnown = true;
        t.entered = General(size) + p.caption;
        if (p.repeats == PipeUnitText::Inches) t.inches.clear();
        if (p.repeats == PipeUnitText::Mm) t.mm.clear();
        if (p.repeats == PipeUnitText::Area) t.area.clear();
        break;
    }
    return t;
}

std::string flowEnteredSuffix(const std::string& flowUnit) {
    if (unitIs(flowUnit, "M^3/HR")) return std::string("  m") + kSup3 + "/hr";
    if (unitIs(flowUnit, "NM^3/HR")) return std::string("  Nm") + kSup3 + "/hr";
    return "  " + flowUnit;
}

std::string rangeUnitText(const std::string& flowUnit) {
    if (unitIs(flowUnit, "M^3/HR")) return std::string("m") + kSup3 + "/hr";
    if (unitIs(flowUnit, "NM^3/HR")) return std::string("Nm") + kSup3 + "/hr";
    if (unitIs(flowUnit, "METRIC TONS/HR")) return "T/Hr";
    return flowUnit;
}

void addLowRangeWarnings(float flow, const std::vector<std::string>& meters,
                         const std::vector<std::string>& flowLow,
                         const std::vector<std::string>& flowHi,
                         std::vector<std::string>& errors) {
    const size_t rows = std::min(flowLow.size(), flowHi.size());
    for (size_t k = 0; k < rows; ++k) {
        const double lo = shown(flowLow[k]), hi = shown(flowHi[k]);
        const std::string name = k < meters.size() ? meters[k] : "";
        if (double(flow) < (hi - lo) * 0.15 + lo) {
            errors.push_back("Warning:  Please note the maximum flow entered will be");
            errors.push_back(std::string(20, ' ') + "operating in the lower 15% range of the " +
                             name + " meter.");
        }
    }
}

}  // namespace quorin
