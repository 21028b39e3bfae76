// The rules of the gas/steam input screen's entries: the unit lists it
// offers, the operating-pressure check and the reference conditions a flow
// unit brings. The screen asks these what to do and shows the outcome.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorin {

// ---- Unit lists, in the order the screens offer them ---------------------
const std::vector<std::string>& gasFlowUnits();       // "ACFM" ... "Metric Tons/Hr"
// The pipe-size units of both input screens: four diameters, four areas.
const std::vector<std::string>& pipeUnits();          // "INCHES" ... "SQUARE METERS"
const std::vector<std::string>& pressUnits();         // "PSIA", six gauge units, "BAR A"
// The units of the atmospheric and the reference pressure.
const std::vector<std::string>& absolutePressUnits(); // "PSIA", "Kg/cm^2 A", "BAR A", "KPa A"
// The temperature units of both input screens.
const std::vector<std::string>& tempUnits();          // "deg F", "deg C", "deg R"
// The custom gas's density and viscosity units (the texts modOtherDensCalc
// and modOtherViscCalc read), in the order of their dialogs' options.
const std::vector<std::string>& otherDensUnits();     // "g/cm^3", "Kg/m^3", "lbm/cuft"
const std::vector<std::string>& otherViscUnits();     // "pascal.sec", "centipoise", "lbm/ft.sec"

// ---- Operating pressure --------------------------------------------------
// The operating pressure must be at least 10 psia; below the atmosphere it
// is accepted with a note (vacuum conditions).
enum class PressureOutcome {
    Accepted,
    BelowAtmosphere,  // accepted, with the vacuum note
    Refused,          // below 10 psia: the error message, the box reset
    NotANumber,       // an absolute pressure that is not a number: nothing
};
struct PressureCheck {
    PressureOutcome outcome;
    const char* message;    // the note or the error; nullptr: none
    const char* resetText;  // a refused pressure's new box text; else nullptr
};
// Checks PressPsia-like `psia` against `atmoPsia`; `unit` is the entered
// pressure unit, which chooses the reset text of a refused pressure:
// "14.696" for PSIA, "1" for BAR A, "0" for every other unit.
PressureCheck checkOperatingPressure(float psia, float atmoPsia, std::string_view unit);

// The text Enter in the pressure box puts over a value too low for its
// unit: "14.696" for PSIA below 10; nullptr (the box keeps its text)
// otherwise.
const char* pressureTextOnEnter(std::string_view unit, float value);
// The text a click on a pressure unit puts over the box's value: "14.696"
// for PSIA below 10, "1" for BAR A below 0.69; nullptr otherwise.
const char* pressureTextOnUnit(std::string_view unit, float value);

// ---- Reference conditions ------------------------------------------------
// FlowUnitIn -> the reference conditions of its unit. Normal cubic metres
// per hour refer to 14.696 PSIA and 32 deg F (PressRefIn, PressRefUnitIn,
// TempRefIn, TempRefUnitIn, then modPressureRef and modTemperatureRef);
// every other unit keeps the user's reference and changes nothing.
void modFlowUnitRef();

}  // namespace quorin
