// The plausibility warnings of the gas/steam case and the checks both
// workflows share.
#include "gas/Plausibility.h"

#include <algorithm>
#include <cmath>

#include "gas/GasCalc.h"
#include "gas/InputRules.h"
#include "state/SharedState.h"
#include "state/Single.h"
#include "state/Text.h"
#include "tools/SteamTable.h"

namespace quorin {

namespace plausibility {

namespace {

// A figure as the program writes a value of a 32-bit field.
std::string figure(double value) { return General(single(value)); }

bool isKnown(const std::string& unit, const std::vector<std::string>& list) {
    return std::any_of(list.begin(), list.end(),
                       [&](const std::string& u) { return unitIs(unit, upper(u)); });
}

}  // namespace

void notPositive(std::vector<std::string>& lines, const std::string& what, double value,
                 const std::string& unit) {
    if (value <= 0) lines.push_back(what + " is " + figure(value) + " " + unit +
                                    ": it must be above zero.");
}

void unknownUnit(std::vector<std::string>& lines, const char* caption, const std::string& unit,
                 const std::vector<std::string>& list, const char* quantity, double value,
                 const char* valueUnit) {
    if (isKnown(unit, list)) return;
    const std::string what =
        unit.empty() ? "no unit is given" : "the unit \"" + unit + "\" is not one of its list";
    lines.push_back(std::string(caption) + ": " + what + "; the calculation goes on with the " +
                    quantity + " it had before, " + figure(value) + " " + valueUnit + ".");
}

void lowReynolds(std::vector<std::string>& lines, int firstSlot, int lastSlot,
                 double kinematicVisc, double (*velocity)(const CatalogueModel&)) {
    double highest = 0, lowest = INFINITY;
    const char* code = nullptr;
    for (const CatalogueModel& m : catalogueModels()) {
        if (m.minReynolds > 0) lowest = std::min(lowest, m.minReynolds);
        if (m.slot < firstSlot || m.slot > lastSlot) continue;
        const double re = velocity(m) * m.shedderFt / kinematicVisc;
        if (!(re > 0 && std::isfinite(re))) return;
        if (re > highest) {
            highest = re;
            code = m.code;
        }
    }
    if (code && highest < lowest)
        lines.push_back("At this flow the Reynolds number is at most " + figure(highest) + " (" +
                        code + "), below " + figure(lowest) +
                        ", the lowest Reynolds number a meter of the catalogue measures.");
}

}  // namespace plausibility

namespace {

using plausibility::isKnown;
using plausibility::notPositive;
using plausibility::unknownUnit;

// A temperature in deg F in the unit `unit` (deg F, deg C or deg R).
double fromDegF(double degF, const std::string& unit) {
    if (unitIs(unit, "DEG C")) return (degF - 32) / 1.8;
    if (unitIs(unit, "DEG R")) return degF + 459.67;
    return degF;
}

// The least value in hundredths that is not below `value`.
float upToHundredths(float value) {
    float fix = value;
    if (!parseSingle(Format(value, "0.00"), fix)) return value;
    if (fix < value) fix = single(double(fix) + 0.01);
    return fix;
}

// Steam colder than saturated steam at its pressure, compared in the user's
// temperature unit (in deg F when that unit is unknown).
void belowSaturation(CaseWarnings& w) {
    const auto& S = shared();
    const std::string medium = upper(S.MediaIn);
    if (medium != kSteamSaturated && medium != "STEAM") return;
    const float satF = saturationTempF(S.PressPsia);
    if (std::isnan(satF)) return;
    const bool unitKnown = isKnown(S.TempUnitIn, tempUnits());
    const std::string unit = unitKnown ? S.TempUnitIn : "deg F";
    const float temp = unitKnown ? S.TempIn : S.TempDegF;
    const float sat = single(fromDegF(satF, unit));
    if (!(temp < sat)) return;
    const float shown = upToHundredths(sat);
    if (unitKnown) w.saturationTemp = shown;
    w.lines.push_back("Steam at " + General(temp) + " " + unit +
                      " is below its saturation temperature, " + Format(shown, "0.0#") + " " +
                      unit + ", at " + General(S.PressPsia) + " psia.");
}

double gasVelocity(const CatalogueModel& m) {
    const auto& S = shared();
    const double area = m.boreFt > 0 ? kPi * std::pow(m.boreFt / 2, 2) : S.PipeAreaSqFt;
    return double(S.FlowAcfm) / area / 60;
}

}  // namespace

CaseWarnings gasWarnings() {
    const auto& S = shared();
    CaseWarnings w;
    belowSaturation(w);
    std::vector<std::string>& l = w.lines;
    notPositive(l, "Flow Rate", S.FlowRateIn, S.FlowUnitIn);
    notPositive(l, "Pipe Size I.D.", S.PipeSizeIn, S.PipeUnitIn);
    notPositive(l, "Pressure", S.PressPsia, "psia (absolute)");
    notPositive(l, "Atmospheric Pressure", S.AtmoPressPsia, "psia");
    notPositive(l, "Pressure Reference", S.PressRefPsia, "psia");
    notPositive(l, "Temperature", S.TempDegR, "deg R (absolute)");
    notPositive(l, "Temperature Reference", S.TempRefDegR, "deg R (absolute)");
    notPositive(l, "Density", S.DensityLbFt3, "lbm/ft^3");
    notPositive(l, "Viscosity", S.ViscCp, "cP");
    unknownUnit(l, "Flow Rate", S.FlowUnitIn, gasFlowUnits(), "flow", S.FlowAcfm, "ACFM");
    unknownUnit(l, "Pipe Size I.D.", S.PipeUnitIn, pipeUnits(), "inside diameter", S.PipeIdIn,
                "inches");
    unknownUnit(l, "Pressure", S.PressUnitIn, pressUnits(), "pressure", S.PressPsia, "psia");
    unknownUnit(l, "Temperature", S.TempUnitIn, tempUnits(), "temperature", S.TempDegF, "deg F");
    unknownUnit(l, "Atmospheric Pressure", S.AtmoPressUnitIn, absolutePressUnits(),
                "atmospheric pressure", S.AtmoPressPsia, "psia");
    unknownUnit(l, "Pressure Reference Unit", S.PressRefUnitIn, absolutePressUnits(),
                "reference pressure", S.PressRefPsia, "psia");
    unknownUnit(l, "Temperature Reference Unit", S.TempRefUnitIn, tempUnits(),
                "reference temperature", S.TempRefDegF, "deg F");
    plausibility::lowReynolds(l, 1, 24, S.ViscLbFtSec / S.DensityLbFt3, gasVelocity);
    return w;
}

}  // namespace quorin
