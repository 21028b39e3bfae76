// The gas/steam input screen's unit lists, pressure check and reference
// conditions.
#include "gas/InputRules.h"

#include "gas/GasCalc.h"
#include "state/SharedState.h"
#include "state/Text.h"

namespace quorin {

namespace {

using List = std::vector<std::string>;

constexpr float kMinPsia = 10;
constexpr float kMinBarA = 0.69f;
constexpr const char* kAtmospherePsia = "14.696";
constexpr const char* kOneBar = "1";

constexpr const char* kVacuumNote =
    "Please note:  You entered an operating pressure below the atmospheric pressure (vacuum "
    "conditions).";
constexpr const char* kInvalidPressure =
    "Error:  Invalid Pressure Value!\nPressure must be > 10 PSIA (0.69 BAR A).\n\nPlease note "
    "you entered a vacuum value for pressure.";

}  // namespace

const List& gasFlowUnits() {
    static const List list = {"ACFM",    "ACF/Day",  "SCFM",    "SCF/Day", "m^3/Hr", "m^3/Day",
                              "Nm^3/Hr", "Nm^3/Day", "lbs/min", "lbs/Hr",  "Kg/Hr",  "FPS",
                              "FPM",     "MPS",      "LPM",     "Metric Tons/Hr"};
    return list;
}

const List& pipeUnits() {
    static const List list = {"INCHES",      "MILLIMETERS",        "CENTIMETERS",
                              "METERS",      "SQUARE FEET",        "SQUARE MILLIMETERS",
                              "SQUARE CENTIMETERS", "SQUARE METERS"};
    return list;
}

const List& pressUnits() {
    static const List list = {"PSIA",  "PSIG",         "BAR G",         "Kg/cm^2 G",
                              "KPa G", "INCHES H2O G", "TORR (mmHg) G", "BAR A"};
    return list;
}

const List& absolutePressUnits() {
    static const List list = {"PSIA", "Kg/cm^2 A", "BAR A", "KPa A"};
    return list;
}

const List& tempUnits() {
    static const List list = {"deg F", "deg C", "deg R"};
    return list;
}

const List& otherDensUnits() {
    static const List list = {"g/cm^3", "Kg/m^3", "lbm/cuft"};
    return list;
}

const List& otherViscUnits() {
    static const List list = {"pascal.sec", "centipoise", "lbm/ft.sec"};
    return list;
}

PressureCheck checkOperatingPressure(float psia, float atmoPsia, std::string_view unit) {
    if (psia >= kMinPsia) {
        if (psia < atmoPsia) return {PressureOutcome::BelowAtmosphere, kVacuumNote, nullptr};
        return {PressureOutcome::Accepted, nullptr, nullptr};
    }
    if (psia < kMinPsia) {
        const char* reset = unitIs(unit, "PSIA")    ? kAtmospherePsia
                            : unitIs(unit, "BAR A") ? kOneBar
                                                    : "0";
        return {PressureOutcome::Refused, kInvalidPressure, reset};
    }
    return {PressureOutcome::NotANumber, nullptr, nullptr};
}

const char* pressureTextOnEnter(std::string_view unit, float value) {
    return unitIs(unit, "PSIA") && value < kMinPsia ? kAtmospherePsia : nullptr;
}

const char* pressureTextOnUnit(std::string_view unit, float value) {
    if (unitIs(unit, "PSIA") && value < kMinPsia) return kAtmospherePsia;
    if (unitIs(unit, "BAR A") && value < kMinBarA) return kOneBar;
    return nullptr;
}

void modFlowUnitRef() {
    auto& S = shared();
    if (!unitIs(S.FlowUnitIn, "NM^3/HR")) return;
    S.PressRefIn = 14.696f;
    S.PressRefUnitIn = "PSIA";
    S.TempRefIn = 32;
    S.TempRefUnitIn = "deg F";
    modPressureRef();
    modTemperatureRef();
}

}  // namespace quorin
